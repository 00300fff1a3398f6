// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/comando_eval.h"

#include <cstdio>
#include <string>
#include <vector>

#include "cli/atribuicao.h"
#include "cli/erro_uso.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/expressao.h"
#include "core/nucleo/memoria.h"

namespace quiv::cli {

namespace {

constexpr std::string_view kUso = "Usage: quiv-sim eval [--set Mk=VALUE]... [--] EXPR\n";

constexpr std::string_view kAjuda =
    R"(Usage: quiv-sim eval [--set Mk=VALUE]... [--] EXPR

Evaluates the expression EXPR the way every object of a simulation evaluates
its parameters: each M-address reference (M01 ... M99, or m01 ... m99) is
replaced by the value of its cell, then the text is reduced by the QUIV
evaluator (powers first, then divisions, then multiplications, the leftmost of
each kind first; x/0 gives 9999; every intermediate result is kept with 15
significant digits). All cells are 0 unless given with --set.

A reference in EXPR always takes the two characters after the M: write M05,
not M5, since 'M5*2' reads "5*" as the address and loses the "*", and an M
with fewer than two characters after it turns the whole text into 0.

Options:
  --set Mk=VALUE, --set=Mk=VALUE
              give cell Mk (k = 1 ... 99 in one or two digits, M or m) the
              VALUE: a decimal number such as 4, -3, 1.5 or 1,5 (a comma is a
              decimal point), optionally with an exponent (2.5E3). Repeat the
              option for more cells; for the same cell the last one counts.
  -h, --help  show this text.
  --          end of the options: the argument after it is EXPR.

EXPR is the one argument that is not an option; it may begin with a minus, as
in 'quiv-sim eval -5' or 'quiv-sim eval -- -5'. An argument that begins with
two dashes and a letter and is not an option above is refused as an unknown
option; put '--' before an expression such as '--M01'. Quote EXPR in the shell,
where * ^ ( ) have meanings of their own.

Output: the value, printed with "%.17g", on the first line. When EXPR holds a
character the evaluator does not accept, the value is 0 and a second line holds
the evaluator's message ("Inconsistência na Equação!"). Exit status 0.
A number beyond the range of a double (as in 10^400) prints the overflow message
on standard error and exits with status 1; a bad command line exits with 2.

Examples:
  quiv-sim eval '2+3*4'                                  prints 14
  quiv-sim eval 'M21*0.5+M15' --set M21=4 --set m15=1,5  prints 3.5
)";

// Whether an argument that is not a known option must be refused rather than
// taken as the expression: "--" followed by a letter looks like a mistyped
// option far more often than like a double negation.
bool PareceOpcao(std::string_view argumento) {
  if (argumento.size() < 3 || !argumento.starts_with("--")) return false;
  const char c = argumento[2];
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Help wins over any mistake elsewhere on the line, as long as it comes before "--".
bool AjudaPedida(std::span<const std::string_view> argumentos) {
  for (const std::string_view a : argumentos) {
    if (a == "--") return false;
    if (PedeAjuda(a)) return true;
  }
  return false;
}

struct Pedido {
  std::string expressao;
  std::vector<Atribuicao> celulas;
};

Pedido LeArgumentos(std::span<const std::string_view> argumentos) {
  Pedido pedido;
  bool temExpressao = false;
  const auto defineExpressao = [&](std::string_view texto) {
    if (temExpressao) {
      throw ErroUso("more than one expression given: '" + pedido.expressao + "' and '" +
                    std::string(texto) + "'");
    }
    pedido.expressao = std::string(texto);
    temExpressao = true;
  };

  bool opcoes = true;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string_view a = argumentos[i];
    if (!opcoes) {
      defineExpressao(a);
    } else if (a == "--") {
      opcoes = false;
    } else if (a == "--set") {
      if (i + 1 == argumentos.size()) throw ErroUso("option --set needs a value Mk=VALUE");
      pedido.celulas.push_back(LeAtribuicao(argumentos[++i]));
    } else if (a.starts_with("--set=")) {
      pedido.celulas.push_back(LeAtribuicao(a.substr(6)));
    } else if (PareceOpcao(a)) {
      throw ErroUso("unknown option '" + std::string(a) +
                    "' (put '--' before an expression that begins with '--')");
    } else {
      defineExpressao(a);
    }
  }
  if (!temExpressao) throw ErroUso("no expression given");
  return pedido;
}

int Executa(std::span<const std::string_view> argumentos) {
  if (AjudaPedida(argumentos)) {
    std::fwrite(kAjuda.data(), 1, kAjuda.size(), stdout);
    return kSaidaOk;
  }
  const Pedido pedido = LeArgumentos(argumentos);

  Memoria memoria;
  for (const Atribuicao& a : pedido.celulas) memoria.celula[a.endereco] = a.valor;

  try {
    Expressao expressao(pedido.expressao);
    const Avaliacao resultado = expressao.Avalia(memoria);
    // Printed while the expression lives: the error text is only a view.
    std::printf("%.17g\n", resultado.valor);
    if (!resultado.ErroEquacao.empty()) {
      std::fwrite(resultado.ErroEquacao.data(), 1, resultado.ErroEquacao.size(), stdout);
      std::fputc('\n', stdout);
    }
  } catch (const Erro& e) {
    std::fprintf(stderr, "quiv-sim: %s\n", e.what());
    return kSaidaFalha;
  }
  return kSaidaOk;
}

}  // namespace

const Comando& ComandoEval() {
  static const Comando comando{
      .nome = "eval",
      .resumo = "evaluate an expression over the cells M01 ... M99",
      .uso = kUso,
      .ajuda = kAjuda,
      .executa = Executa,
  };
  return comando;
}

}  // namespace quiv::cli
