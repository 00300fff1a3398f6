// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/arredonda.h"

#include <cmath>

#include "core/nucleo/equation.h"
#include "core/nucleo/memoria.h"

namespace quiv {

double Arredonda15PeloTexto(double x) { return ValorNumeroSemVerificar(TextoCientifico(x)); }

// Magnitudes below 1e15 (k ≥ 0 below): with |x| = m·2^q (m the 53-bit
// significand), |x|·10^k = m·5^k·2^(q+k) is an integer of at most 105 bits
// shifted right, so its integer part and its fraction are known exactly and
// the half-away rounding to the integer N is decided on exact bits. Larger
// magnitudes divide by 10^-k instead and decide on the rounded quotient plus
// its exact remainder from fma. Either way N and 10^k are exact doubles, so the
// last operation is the correctly rounded conversion of the 15-digit decimal:
// the same double the text reader produces.
double detalhe::Arredonda15Geral(double x) {
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
      const unsigned __int128 fracao =
          produto & ((static_cast<unsigned __int128>(1) << deslocamento) - 1);
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
