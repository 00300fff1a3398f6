// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzing of the comments-file reader: any bytes must give readable text,
// never crash or hang, and the text must be well-formed UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/arquivo/texto_rtf.h"
#include "core/nucleo/windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const std::string_view rtf(reinterpret_cast<const char*>(dados), tamanho);
  const std::string texto = quiv::TextoDoRtf(rtf);
  if (!quiv::Utf8Valido(texto)) std::abort();
  return 0;
}
