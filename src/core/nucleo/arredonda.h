// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace quiv {

// The value a number takes after passing through TextoCientifico and being
// read back: the double nearest to x rounded half away from zero to 15
// significant digits. Keeps the sign of zero. Returns ±infinity when that
// rounding leaves the double range (the reader would then report an overflow).
// Fast and exact for magnitudes 1e-8 … 1e37; other magnitudes go through the
// text itself. Inline: the scan step calls it for every number it writes.
inline double Arredonda15(double x);

// Reference route through the text, for tests and for the rare magnitudes.
double Arredonda15PeloTexto(double x);

namespace detalhe {

constexpr double kPotencias[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};  // all exact

constexpr std::uint64_t kPotencias5[23] = {1ull,
                                           5ull,
                                           25ull,
                                           125ull,
                                           625ull,
                                           3125ull,
                                           15625ull,
                                           78125ull,
                                           390625ull,
                                           1953125ull,
                                           9765625ull,
                                           48828125ull,
                                           244140625ull,
                                           1220703125ull,
                                           6103515625ull,
                                           30517578125ull,
                                           152587890625ull,
                                           762939453125ull,
                                           3814697265625ull,
                                           19073486328125ull,
                                           95367431640625ull,
                                           476837158203125ull,
                                           2384185791015625ull};

// 10^-9 … 10^37, indexed by exponent + 9.
constexpr double kPotenciasDez[47] = {
    1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
    1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
    1e23, 1e24, 1e25, 1e26, 1e27, 1e28, 1e29, 1e30, 1e31, 1e32, 1e33, 1e34, 1e35, 1e36, 1e37};

// 15-digit integers lie in [1e14, 1e15).
constexpr double kMenor15 = 1e14;
constexpr double kMaior15 = 1e15;
constexpr std::uint64_t kMenor15Inteiro = 100000000000000ull;
constexpr std::uint64_t kMaior15Inteiro = 1000000000000000ull;

}  // namespace detalhe

namespace detalhe {
// Every magnitude; the inline function below keeps only the common case.
double Arredonda15Geral(double x);
}  // namespace detalhe

// The 15 significant digits of x for the common magnitudes 2^-26 ≤ |x| < 2^49:
// |x| ≈ n / 10^k with n the 15-digit integer (10^15 after a carry) rounded
// half away from zero on the exact value of x. False for other magnitudes.
//
// With |x| = m·2^q (m the 53-bit significand), |x|·10^k = m·5^k·2^(q+k) for
// the k that puts it in [1e14, 1e15). m·5^k has at most 105 bits and the
// shift s = −(q+k) lies in 3 … 58, so the integer part and the bit worth one
// half are read exactly.
inline bool Digitos15(double x, std::uint64_t& n, int& k) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const std::uint64_t magnitude = bits & ~(std::uint64_t{1} << 63);
  const int expoenteBinario = static_cast<int>(magnitude >> 52);
  if (expoenteBinario < 1023 - 26 || expoenteBinario >= 1023 + 49) return false;
  const int q = expoenteBinario - 1075;
  const std::uint64_t m = (magnitude & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  double a;
  std::memcpy(&a, &magnitude, sizeof a);
  // floor(log10(2^(q+52))) is floor(log10 a) or one less.
  int expoente = ((q + 52) * 78913) >> 18;
  if (a >= detalhe::kPotenciasDez[expoente + 1 + 9]) ++expoente;
  for (int tentativa = 0; tentativa < 2; ++tentativa) {
    k = 14 - expoente;
    const int s = -(q + k);
    if (k < 0 || k > 22 || s < 1 || s > 63) return false;
    const unsigned __int128 produto = static_cast<unsigned __int128>(m) * detalhe::kPotencias5[k];
    const auto baixo = static_cast<std::uint64_t>(produto);
    const auto alto = static_cast<std::uint64_t>(produto >> 64);
    const std::uint64_t inteiro = (baixo >> s) | (alto << (64 - s));
    if (inteiro >= detalhe::kMaior15Inteiro) {
      ++expoente;
    } else if (inteiro < detalhe::kMenor15Inteiro) {
      --expoente;
    } else {
      n = inteiro + ((baixo >> (s - 1)) & 1);
      return true;
    }
  }
  return false;
}

// N and 10^k are exact doubles, so N / 10^k is the correctly rounded
// conversion of the 15-digit decimal: the same double the text reader gives.
inline double Arredonda15(double x) {
  std::uint64_t n;
  int k;
  if (!Digitos15(x, n, k)) return detalhe::Arredonda15Geral(x);  // zero, tiny, huge, not finite
  return std::copysign(static_cast<double>(static_cast<std::int64_t>(n)) / detalhe::kPotencias[k],
                       x);
}

}  // namespace quiv
