// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/texto_bilingue.h"

#include <ostream>

namespace quiv {

std::string_view TextoBilingue::Em(bool ingles) const {
  const std::string_view texto = texto_;
  const std::size_t barra = texto.find('|');
  if (barra == std::string_view::npos) return texto;
  return ingles ? texto.substr(barra + 1) : texto.substr(0, barra);
}

void TextoBilingue::Edita(bool ingles, std::string_view mostrado) {
  if (mostrado != Em(ingles)) texto_.assign(mostrado);
}

void PrintTo(const TextoBilingue& texto, std::ostream* saida) {
  *saida << '"' << texto.Completo() << '"';
}

}  // namespace quiv
