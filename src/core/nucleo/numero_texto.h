// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quiv {

// A number typed into a field: blanks around it ignored, a comma read as
// the decimal point, then an optional sign, digits with at most one point
// and an optional exponent. Anything else, or a value beyond the double
// range, is no number.
std::optional<double> LeNumero(std::string_view texto);
// x with d decimals, rounded half away from zero on its 15 significant
// digits. Writes at most 340 characters to `destino` and returns how many.
std::size_t EscreveFixo(double x, int d, char* destino);
std::string TextoFixo(double x, int d);
// The same, padded on the left with blanks to at least `largura` characters.
std::string TextoLargura(double x, int d, int largura);

// A % value held in 0 … 100; a value that is not ≥ 0 (NaN included) is 0.
inline double Limita0a100(double x) {
  if (x > 100.0) return 100.0;
  if (!(x >= 0.0)) return 0.0;
  return x;
}

}  // namespace quiv
