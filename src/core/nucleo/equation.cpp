// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/equation.h"

#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/nucleo/erro.h"
#include "core/nucleo/memoria.h"

namespace quiv {

namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

bool CaractereAceito(char c) {
  return Digito(c) || c == '.' || c == 'E' || c == ' ' || c == '+' || c == '-' || c == '(' ||
         c == ')' || c == '/' || c == '*' || c == '^';
}

// strtod in the "C" locale: the program's locale (a Portuguese desktop uses a
// decimal comma) must not change how expressions read.
double StrtodC(const char* texto, bool& fora) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  errno = 0;
  const double v = strtod_l(texto, nullptr, c);
  fora = errno == ERANGE && std::isinf(v);
  return v;
}

// The number at the start of a group or operand, reduced to what strtod reads.
std::string ParteNumerica(std::string_view t) {
  std::size_t i = 0;
  auto pulaBrancos = [&] {
    while (i < t.size() && t[i] == ' ') ++i;
  };
  pulaBrancos();
  std::string numero;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') numero += '-';
    ++i;
    pulaBrancos();
  }
  bool temDigito = false;
  bool temPonto = false;
  for (; i < t.size(); ++i) {
    if (Digito(t[i])) {
      temDigito = true;
    } else if (t[i] == '.' && !temPonto) {
      temPonto = true;
    } else {
      break;
    }
    numero += t[i];
  }
  if (!temDigito) return {};
  if (i < t.size() && t[i] == 'E') {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && Digito(t[j])) {
      while (j < t.size() && Digito(t[j])) ++j;
      numero.append(t.substr(i, j - i));
    }
  }
  return numero;
}

// Reduces one group "( … )" without inner parentheses to its number text.
std::string ReduzGrupo(std::string g) {
  for (;;) {
    std::size_t op = g.find('^', 1);
    if (op == std::string::npos) op = g.find('/', 1);
    if (op == std::string::npos) op = g.find('*', 1);
    if (op == std::string::npos) break;

    std::size_t esquerda = op;
    while (esquerda > 0 && CaractereNumerico(g, esquerda - 1)) --esquerda;
    std::size_t inicio = op + 1;
    if (g[inicio] == '-') ++inicio;
    std::size_t direita = inicio;
    while (direita < g.size() && CaractereNumerico(g, direita)) ++direita;

    const double a = ValorNumero(std::string_view(g).substr(esquerda, op - esquerda));
    const double b = ValorNumero(std::string_view(g).substr(op + 1, direita - op - 1));
    const Operador operador = g[op] == '*'   ? Operador::Multiplica
                              : g[op] == '/' ? Operador::Divide
                                             : Operador::Potencia;
    const double r = Opera(operador, a, b);
    g.replace(esquerda, direita - esquerda, TextoCientifico(r));
  }

  const std::size_t fecha = g.size() - 1;
  double soma = 0.0;
  std::size_t p = 1;
  while (p < fecha) {
    bool negativo = false;
    while (p < fecha && (g[p] == '+' || g[p] == '-' || g[p] == ' ')) {
      if (g[p] == '-') negativo = !negativo;
      ++p;
    }
    std::size_t q = p;
    while (q < fecha && CaractereNumerico(g, q)) ++q;
    const double termo = ValorNumero(std::string_view(g).substr(p, q - p));
    soma = soma + (negativo ? -termo : termo);
    if (!std::isfinite(soma)) LancaEstouro();
    p = q > p ? q : p + 1;  // a reduced group holds only number characters and signs
  }
  return TextoCientifico(soma);
}

}  // namespace

bool CaractereNumerico(std::string_view texto, std::size_t i) {
  const char c = texto[i];
  if (Digito(c) || c == '.' || c == ' ' || c == 'E') return true;
  return (c == '+' || c == '-') && i > 0 && texto[i - 1] == 'E';
}

double ValorNumeroSemVerificar(std::string_view texto) {
  const std::string numero = ParteNumerica(texto);
  if (numero.empty()) return 0.0;
  bool fora = false;
  return StrtodC(numero.c_str(), fora);
}

double ValorNumero(std::string_view texto) {
  const double v = ValorNumeroSemVerificar(texto);
  if (std::isinf(v)) LancaEstouro();
  return v;
}

Avaliacao CalculaEquacao(std::string_view texto) {
  if (texto.size() > kMaiorEquacao) return {0.0, kEquacaoLonga};
  std::string t;
  t.reserve(texto.size() + 2);
  t += '(';
  t += VirgulaPonto(texto);
  t += ')';
  for (char c : t)
    if (!CaractereAceito(c)) return {0.0, kInconsistencia};

  std::string ultimo;
  for (;;) {
    const std::size_t abre = t.rfind('(');
    if (abre == std::string::npos) break;
    const std::size_t fecha = t.find(')', abre + 1);
    if (fecha == std::string::npos) break;
    ultimo = ReduzGrupo(t.substr(abre, fecha - abre + 1));
    t.replace(abre, fecha - abre + 1, ultimo);
  }
  return {ValorNumero(ultimo), {}};
}

}  // namespace quiv
