// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstddef>
#include <string_view>

#include "core/nucleo/erro.h"

namespace quiv {

inline constexpr std::string_view kInconsistencia = "Inconsistência na Equação!";

// The rewriting costs the square of a text's length, so texts longer than
// kMaiorEquacao bytes once the cells are written in (each reference becomes
// 23 characters) are refused with kEquacaoLonga and the value 0. A real
// plant's longest expression, 255 characters full of references, stays
// below 2 000.
inline constexpr std::size_t kMaiorEquacao = 8192;
inline constexpr std::string_view kEquacaoLonga = "Equação longa demais";

// Result of one evaluation: the value and the evaluator's error text, empty,
// kInconsistencia (a character the evaluator does not accept) or
// kEquacaoLonga; with an error the value is 0.
struct Avaliacao {
  double valor = 0.0;
  std::string_view ErroEquacao;
};

// The evaluator's operators.
enum class Operador : unsigned char { Multiplica, Divide, Potencia };

// One operation of the evaluator: a·b; a/b, with x/0 = 9999; a^b, with
// x^0 = 1, exp(b·ln a) for a > 0 and 0 for any other base. Throws Erro when
// the result is beyond the double range. Both evaluators reduce through it.
inline double Opera(Operador operador, double a, double b) {
  double r;
  switch (operador) {
    case Operador::Multiplica:
      r = a * b;
      break;
    case Operador::Divide:
      r = b == 0.0 ? 9999.0 : a / b;
      break;
    default:
      r = b == 0.0 ? 1.0 : (a > 0.0 ? std::exp(b * std::log(a)) : 0.0);
      break;
  }
  if (!std::isfinite(r)) LancaEstouro();
  return r;
}

// The text-rewriting evaluator, literally as the simulated system does it:
// innermost group first, operators chosen by kind (^, then /, then *), every
// intermediate written back with 15 significant digits, x/0 = 9999.
// Throws Erro on a number or result beyond the double range.
// This is the reference; the hot path uses Expressao, which gives the same bits.
Avaliacao CalculaEquacao(std::string_view texto);

// Value of a number text: blanks around it ignored, then an optional sign
// (blanks may follow it), digits with at most one point, optionally "E", a sign
// and digits. Reading stops at the first character that does not fit; a text
// without mantissa digits reads as 0. Throws Erro when the number is beyond the
// double range; a number too small for it reads as 0 (or a subnormal).
double ValorNumero(std::string_view texto);
// The same, reporting a value beyond the range as ±infinity instead of throwing.
double ValorNumeroSemVerificar(std::string_view texto);

// Characters that belong to a number text at position i (the exponent sign
// only when the character before it is "E").
bool CaractereNumerico(std::string_view texto, std::size_t i);

}  // namespace quiv
