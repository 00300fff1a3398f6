#pragma once

namespace quiv {

// The value a number takes after passing through TextoCientifico and being
// read back: the double nearest to x rounded half away from zero to 15
// significant digits. Keeps the sign of zero. Returns ±infinity when that
// rounding leaves the double range (the reader would then report an overflow).
// Fast and exact for magnitudes 1e-8 … 1e37; other magnitudes go through the
// text itself.
double Arredonda15(double x);

// Reference route through the text, for tests and for the rare magnitudes.
double Arredonda15PeloTexto(double x);

}  // namespace quiv
