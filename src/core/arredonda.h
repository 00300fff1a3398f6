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

constexpr std::uint64_t kPotencias5[23] = {
    1ull, 5ull, 25ull, 125ull, 625ull, 3125ull, 15625ull, 78125ull, 390625ull, 1953125ull,
    9765625ull, 48828125ull, 244140625ull, 1220703125ull, 6103515625ull, 30517578125ull,
    152587890625ull, 762939453125ull, 3814697265625ull, 19073486328125ull, 95367431640625ull,
    476837158203125ull, 2384185791015625ull};

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

// Magnitudes below 1e15 (k ≥ 0 below): with |x| = m·2^q (m the 53-bit
// significand), |x|·10^k = m·5^k·2^(q+k) is an integer of at most 105 bits
// shifted right, so its integer part and its fraction are known exactly and
// the half-away rounding to the integer N is decided on exact bits. Larger
// magnitudes divide by 10^-k instead and decide on the rounded quotient plus
// its exact remainder from fma. Either way N and 10^k are exact doubles, so the
// last operation is the correctly rounded conversion of the 15-digit decimal:
// the same double the text reader produces.
inline double Arredonda15(double x) {
  if (x == 0.0 || !std::isfinite(x)) return x;
  const double a = std::fabs(x);
  if (!(a >= 1e-8 && a < 1e37)) return Arredonda15PeloTexto(x);
  std::uint64_t bits;
  std::memcpy(&bits, &a, sizeof bits);
  const int q = static_cast<int>(bits >> 52) - 1075;  // a ≥ 1e-8 is normal
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  // floor(log10(2^(q+52))) is floor(log10 a) or one less; one comparison
  // with the next power of ten decides (the loop below corrects the rare
  // power that is not exact).
  int expoente = ((q + 52) * 78913) >> 18;
  if (expoente >= -9 && expoente < 37 && a >= detalhe::kPotenciasDez[expoente + 1 + 9]) ++expoente;
  for (int tentativa = 0; tentativa < 3; ++tentativa) {
    const int k = 14 - expoente;
    if (k < -22 || k > 22) break;
    if (k >= 0) {
      const unsigned __int128 produto = static_cast<unsigned __int128>(m) * detalhe::kPotencias5[k];
      const int deslocamento = -(q + k);  // positive for every a < 1e15
      if (deslocamento <= 0 || deslocamento >= 120) break;
      const auto inteiro = static_cast<std::uint64_t>(produto >> deslocamento);
      if (inteiro >= detalhe::kMaior15Inteiro) {
        ++expoente;
        continue;
      }
      if (inteiro < detalhe::kMenor15Inteiro) {
        --expoente;
        continue;
      }
      const unsigned __int128 fracao = produto & ((static_cast<unsigned __int128>(1) << deslocamento) - 1);
      const unsigned __int128 meio = static_cast<unsigned __int128>(1) << (deslocamento - 1);
      const std::uint64_t n = inteiro + (fracao >= meio ? 1 : 0);
      return std::copysign(static_cast<double>(n) / detalhe::kPotencias[k], x);
    }
    const double p = detalhe::kPotencias[-k];
    const double valor = a / p;
    const double erro = std::fma(-valor, p, a);  // exact remainder, sign of the quotient's error
    if (valor > detalhe::kMaior15 || (valor == detalhe::kMaior15 && erro >= 0.0)) {
      ++expoente;
      continue;
    }
    if (valor < detalhe::kMenor15 || (valor == detalhe::kMenor15 && erro < 0.0)) {
      --expoente;
      continue;
    }
    const double inteiro = std::floor(valor);
    const double fracao = valor - inteiro;
    const double n = inteiro + ((fracao > 0.5 || (fracao == 0.5 && erro >= 0.0)) ? 1.0 : 0.0);
    return std::copysign(n * p, x);
  }
  return Arredonda15PeloTexto(x);
}

}  // namespace quiv
