// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/texto_citado.h"

#include <cstdio>

#include "core/nucleo/memoria.h"

namespace quiv {

std::string TextoCitado(std::string_view texto, std::size_t maximo) {
  const std::string cortado = CortaTexto(texto, maximo);
  std::string citado;
  citado.reserve(cortado.size() + 8);
  for (const char c : cortado) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\n') {
      citado += "\\n";
    } else if (c == '\r') {
      citado += "\\r";
    } else if (c == '\t') {
      citado += "\\t";
    } else if (u < 0x20 || u == 0x7f) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", u);
      citado += escape;
    } else {
      citado += c;
    }
  }
  if (cortado.size() < texto.size()) citado += "…";
  return citado;
}

}  // namespace quiv
