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
// The 23-character scientific text of a number that must read back, as a
// file stores it: TextoCientifico's text, except at the very top of the
// double range, where the 15 digits rounded half away from zero
// (1.79769313486232E+0308) lie beyond the largest double and would read
// back as an overflow; there the last digit is rounded toward zero instead
// (1.79769313486231E+0308). A value that is not finite keeps its text.
std::string TextoCientificoLegivel(double x);
void EscreveTextoCientificoLegivel(double x, char* destino);

// x with d decimals, rounded half away from zero on its 15 significant
// digits, except that the digits of a finite x never round beyond the largest
// double (see TextoCientificoLegivel), so the text reads back finite. Writes
// at most 340 characters to `destino` and returns how many.
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
