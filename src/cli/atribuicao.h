// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quiv::cli {

// A cell value given on the command line, as in "M21=4" or "m15=1,5".
struct Atribuicao {
  int endereco = 0;  // 1 … 99
  double valor = 0.0;
};

// Reads "Mk=VALUE": M or m, k of one or two digits in 1 … 99, "=", and VALUE as
// read by LeNumeroDecimal. Throws ErroUso naming what is wrong.
Atribuicao LeAtribuicao(std::string_view texto);

// Reads a finite decimal number: an optional sign, digits with at most one
// decimal separator ("." or ","), at least one digit, and optionally "e" or "E"
// with an optional sign and digits. Nothing else is allowed, blanks included.
// Throws ErroUso when the text is not such a number or leaves the double range.
double LeNumeroDecimal(std::string_view texto);

}  // namespace quiv::cli
