#include "core/arredonda.h"

#include <cmath>

#include "core/equation.h"
#include "core/memoria.h"

namespace quiv {

namespace {

constexpr double kPotencias[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};  // all exact

constexpr double kMenor15 = 1e14;  // 15-digit integers lie in [1e14, 1e15)
constexpr double kMaior15 = 1e15;

}  // namespace

double Arredonda15PeloTexto(double x) { return ValorNumeroSemVerificar(TextoCientifico(x)); }

// For |x| = a, find k with a·10^k in [1e14, 1e15), round that exactly half
// away from zero to an integer N, and divide by 10^k again. The product (or
// quotient) is known exactly as a rounded value plus an error term obtained
// with fma, so every comparison is decided on the exact value. N and 10^k are
// exact doubles, so the last operation is the correctly rounded conversion of
// the 15-digit decimal, the same double the text reader produces.
double Arredonda15(double x) {
  if (x == 0.0 || !std::isfinite(x)) return x;
  const double a = std::fabs(x);
  if (!(a >= 1e-8 && a < 1e37)) return Arredonda15PeloTexto(x);
  int e2 = 0;
  std::frexp(a, &e2);
  int expoente = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398120));
  for (int tentativa = 0; tentativa < 3; ++tentativa) {
    const int k = 14 - expoente;
    if (k < -22 || k > 22) break;
    const double p = kPotencias[k < 0 ? -k : k];
    double valor, erro;
    if (k >= 0) {
      valor = a * p;
      erro = std::fma(a, p, -valor);
    } else {
      valor = a / p;
      erro = std::fma(-valor, p, a);  // same sign as the quotient's error
    }
    if (valor > kMaior15 || (valor == kMaior15 && erro >= 0.0)) {
      ++expoente;
      continue;
    }
    if (valor < kMenor15 || (valor == kMenor15 && erro < 0.0)) {
      --expoente;
      continue;
    }
    const double inteiro = std::floor(valor);
    const double fracao = valor - inteiro;
    const double n = inteiro + ((fracao > 0.5 || (fracao == 0.5 && erro >= 0.0)) ? 1.0 : 0.0);
    return std::copysign(k >= 0 ? n / p : n * p, x);
  }
  return Arredonda15PeloTexto(x);
}

}  // namespace quiv
