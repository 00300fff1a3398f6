// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end cases of the quiv-sim binary: each row gives the arguments, the
// exit status, what standard output must be, and what standard error must hold.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "processo.h"

namespace quiv::teste {
namespace {

struct Caso {
  std::string nome;
  std::vector<std::string> argumentos;
  int status = 0;
  // Standard output exactly, or, when absent, a text it must hold.
  std::optional<std::string> saida;
  std::string saidaContem;
  // A text standard error must hold; empty means standard error stays empty.
  std::string erroContem;
};

void PrintTo(const Caso& caso, std::ostream* os) {
  *os << "quiv-sim";
  for (const std::string& a : caso.argumentos) *os << " '" << a << "'";
}

Caso Valor(std::string nome, std::vector<std::string> argumentos, std::string saida) {
  return {std::move(nome), std::move(argumentos), 0, std::move(saida), "", ""};
}

Caso Estouro(std::string nome, std::vector<std::string> argumentos) {
  return {std::move(nome), std::move(argumentos), 1, "", "", "overflow"};
}

Caso Uso(std::string nome, std::vector<std::string> argumentos, std::string motivo) {
  return {std::move(nome), std::move(argumentos), 2, "", "", std::move(motivo)};
}

Caso Ajuda(std::string nome, std::vector<std::string> argumentos, std::string trecho) {
  return {std::move(nome), std::move(argumentos), 0, std::nullopt, std::move(trecho), ""};
}

const std::vector<Caso> kCasos = {
    // Values.
    Valor("precedence", {"eval", "2+3*4"}, "14\n"),
    Valor("groups", {"eval", "(2+3)*4"}, "20\n"),
    Valor("division_before_multiplication", {"eval", "2*3/4*5"}, "7.5\n"),
    Valor("division_by_zero", {"eval", "5/0"}, "9999\n"),
    Valor("fifteen_digits_then_double", {"eval", "0.1+0.2"}, "0.29999999999999999\n"),
    Valor("comma_in_expression", {"eval", "1,5*2"}, "3\n"),
    Valor("empty_expression", {"eval", ""}, "0\n"),
    Valor("inconsistency", {"eval", "2x3"}, "0\nInconsistência na Equação!\n"),
    Valor("cells", {"eval", "M21*0.5+M15", "--set", "M21=4", "--set", "m15=1,5"}, "3.5\n"),
    // The minus of a cell value is not part of the power's operand.
    Valor("negative_cell_power", {"eval", "M01^2", "--set", "M1=-3"}, "-9\n"),
    // A reference always takes two characters: "M1^" reads M01 and swallows the
    // "^", leaving "-3.00000000000000E+0000" followed by "2", that is -3E+00002.
    Valor("one_digit_reference_takes_next_character", {"eval", "M1^2", "--set", "M1=-3"}, "-300\n"),
    Valor("one_digit_reference_at_end_zeroes_text", {"eval", "1+M3", "--set", "M3=2"}, "0\n"),
    Valor("set_with_equals", {"eval", "--set=M21=4", "m21"}, "4\n"),
    Valor("set_before_expression", {"eval", "--set", "M5=2", "M05*M05"}, "4\n"),
    Valor("two_digit_address", {"eval", "M07+M99", "--set", "M07=1", "--set", "m99=2"}, "3\n"),
    Valor("last_set_wins", {"eval", "M03", "--set", "M3=1", "--set", "M3=2"}, "2\n"),
    Valor("set_plus_sign_and_exponent", {"eval", "M01+M02", "--set", "M1=+2", "--set", "M2=2.5E3"},
          "2502\n"),
    Valor("set_tiny_value", {"eval", "M01", "--set", "M1=1e-400"}, "0\n"),
    Valor("unset_cells_are_zero", {"eval", "M42+1"}, "1\n"),
    Valor("leading_minus", {"eval", "-5"}, "-5\n"),
    Valor("leading_minus_after_double_dash", {"eval", "--", "-5"}, "-5\n"),
    Valor("double_dash_allows_option_like_expression", {"eval", "--set", "M1=3", "--", "--M01"},
          "3\n"),
    Valor("double_dash_makes_help_an_expression", {"eval", "--", "--help"},
          "0\nInconsistência na Equação!\n"),
    // Overflow.
    Estouro("overflow_of_power", {"eval", "10^400"}),
    Estouro("overflow_of_number", {"eval", "1E400"}),
    // Help and version.
    Ajuda("help_option", {"--help"}, "eval"),
    Ajuda("help_short_option", {"-h"}, "eval"),
    Ajuda("help_command", {"help"}, "Commands:"),
    Ajuda("help_of_eval", {"help", "eval"}, "--set Mk=VALUE"),
    Ajuda("eval_help_option", {"eval", "--help"}, "--set Mk=VALUE"),
    Ajuda("eval_help_short_option", {"eval", "-h"}, "--set Mk=VALUE"),
    Ajuda("eval_help_wins_over_mistakes", {"eval", "--set", "nonsense", "--help"},
          "--set Mk=VALUE"),
    Ajuda("version", {"--version"}, "quiv-sim "),
    // Bad command lines.
    Uso("no_command", {}, "no command given"),
    Uso("unknown_command", {"frobnicate"}, "unknown command 'frobnicate'"),
    Uso("help_of_unknown_command", {"help", "frobnicate"}, "unknown command"),
    Uso("missing_expression", {"eval"}, "no expression given"),
    Uso("missing_expression_after_set", {"eval", "--set", "M1=2"}, "no expression given"),
    Uso("two_expressions", {"eval", "1", "2"}, "more than one expression"),
    Uso("two_expressions_after_double_dash", {"eval", "--", "1", "-2"}, "more than one expression"),
    Uso("set_without_value", {"eval", "M01", "--set"}, "--set needs a value"),
    Uso("set_without_equals", {"eval", "M01", "--set", "M1"}, "expected Mk=VALUE"),
    Uso("set_without_m", {"eval", "M01", "--set", "X1=2"}, "expected Mk=VALUE"),
    Uso("set_without_digits", {"eval", "M01", "--set", "M=2"}, "expected Mk=VALUE"),
    Uso("set_address_not_a_number", {"eval", "M01", "--set", "M1a=2"}, "expected Mk=VALUE"),
    Uso("set_address_zero", {"eval", "M01", "--set", "M0=1"}, "outside M01"),
    Uso("set_address_double_zero", {"eval", "M01", "--set", "M00=1"}, "outside M01"),
    Uso("set_address_above_99", {"eval", "M01", "--set", "M100=1"}, "outside M01"),
    Uso("set_empty_value", {"eval", "M01", "--set", "M1="}, "not a decimal number"),
    Uso("set_word_value", {"eval", "M01", "--set", "M1=abc"}, "not a decimal number"),
    Uso("set_two_points", {"eval", "M01", "--set", "M1=1.2.3"}, "not a decimal number"),
    Uso("set_exponent_without_digits", {"eval", "M01", "--set", "M1=1e"}, "not a decimal number"),
    Uso("set_blank_in_value", {"eval", "M01", "--set", "M1= 2"}, "not a decimal number"),
    Uso("set_infinity", {"eval", "M01", "--set", "M1=inf"}, "not a decimal number"),
    Uso("set_nan", {"eval", "M01", "--set", "M1=nan"}, "not a decimal number"),
    Uso("set_hexadecimal", {"eval", "M01", "--set", "M1=0x10"}, "not a decimal number"),
    Uso("set_beyond_double", {"eval", "M01", "--set", "M1=1e400"}, "beyond the range"),
    Uso("unknown_option", {"eval", "M01", "--sett", "M1=2"}, "unknown option '--sett'"),
    Uso("usage_follows_reason", {"eval"}, "Usage: quiv-sim eval"),
};

class QuivSim : public testing::TestWithParam<Caso> {};

TEST_P(QuivSim, Runs) {
  const Caso& caso = GetParam();
  const Resultado r = ExecutaPrograma(QUIV_SIM, caso.argumentos);

  EXPECT_EQ(r.status, caso.status) << "stdout:\n" << r.saida << "stderr:\n" << r.erros;
  if (caso.saida) {
    EXPECT_EQ(r.saida, *caso.saida);
  } else {
    EXPECT_NE(r.saida.find(caso.saidaContem), std::string::npos) << r.saida;
  }
  if (caso.erroContem.empty()) {
    EXPECT_EQ(r.erros, "");
  } else {
    EXPECT_NE(r.erros.find(caso.erroContem), std::string::npos) << r.erros;
  }
  if (caso.status == 2) {
    // One line with the reason, then the usage.
    EXPECT_NE(r.erros.find("\nUsage: quiv-sim"), std::string::npos) << r.erros;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, QuivSim, testing::ValuesIn(kCasos),
                         [](const testing::TestParamInfo<Caso>& info) { return info.param.nome; });

// The same help must be reachable both ways, and help never goes to stderr.
TEST(QuivSimHelp, SameTextBothWays) {
  const Resultado viaHelp = ExecutaPrograma(QUIV_SIM, {"help", "eval"});
  const Resultado viaOpcao = ExecutaPrograma(QUIV_SIM, {"eval", "--help"});
  EXPECT_EQ(viaHelp.saida, viaOpcao.saida);
  const Resultado geral = ExecutaPrograma(QUIV_SIM, {"help"});
  const Resultado geralOpcao = ExecutaPrograma(QUIV_SIM, {"--help"});
  EXPECT_EQ(geral.saida, geralOpcao.saida);
}

}  // namespace
}  // namespace quiv::teste
