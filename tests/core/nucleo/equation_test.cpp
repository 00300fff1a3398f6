// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/equation.h"

#include <gtest/gtest.h>

#include <clocale>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

struct Caso {
  const char* texto;
  double valor;
  bool inconsistente = false;
};

TEST(CalculaEquacaoTest, RewritingRules) {
  const Caso casos[] = {
      {"2+3*4", 14},   {"2*3+4", 10},      {"(2+3)*4", 20},  {"8/2*4", 16},    {"2*3/4*5", 7.5},
      {"2^3^2", 64},   {"2*3^2", 18},      {"-2^2", -4},     {"(-2)^2", -4},   {"2^-1", 0.5},
      {"2*-3", -6},    {"--5", 5},         {"+-5", -5},      {"5/0", 9999},    {"-5/0", -9999},
      {"0^0", 1},      {"0^2", 0},         {"4^0.5", 2},     {"", 0},          {"(", 0},
      {"(3 - 2 )", 1}, {"( 1.5 * 2 )", 3}, {"2*+3", 3},      {"(2+3", 5},      {"2+3)", 5},
      {"2)+(3", 2},    {"1,5*2", 3},       {"0.1+0.2", 0.3}, {"2x3", 0, true}, {"2e3", 0, true},
      {"0/0", 9999},   {"1E-400", 0},      {"2*--3", -3},    {"1E2*2", 200},   {"1.5E+1-5", 10},
      {"M1", 0, true},
  };
  for (const auto& c : casos) {
    const Avaliacao r = CalculaEquacao(c.texto);
    EXPECT_EQ(r.valor, c.valor) << c.texto;
    EXPECT_EQ(r.ErroEquacao, c.inconsistente ? kInconsistencia : std::string_view()) << c.texto;
  }
}

TEST(CalculaEquacaoTest, OverflowIsAnErrorNeverInfinity) {
  for (const char* texto :
       {"10^400", "1E400", "1E300*1E300", "1E308+1E308", "1E300/1E-300", "179769313486232E294"}) {
    EXPECT_THROW(CalculaEquacao(texto), Erro) << texto;
  }
  try {
    CalculaEquacao("10^400");
  } catch (const Erro& e) {
    EXPECT_NE(std::string(e.what()).find("overflow"), std::string::npos);
  }
}

TEST(CalculaEquacaoTest, MalformedTextsEnd) {
  for (const char* texto : {"1.5.2", "1 2", "1E", "(1+2)(3+4)", ")))(((", "^^^", "*", "-", "E+E-E",
                            "((((((((((1))))))))))", "2^", "/5", "..", "9^9^9^9"}) {
    try {
      CalculaEquacao(texto);
    } catch (const Erro&) {
    }
  }
  EXPECT_EQ(CalculaEquacao("1 2").valor, 1);
  EXPECT_EQ(CalculaEquacao("1.5.2").valor, 1.5);
}

TEST(ValorNumeroTest, ReadsTheNumberAtTheStart) {
  EXPECT_EQ(ValorNumero("  12.5  "), 12.5);
  EXPECT_EQ(ValorNumero("- 3"), -3);
  EXPECT_EQ(ValorNumero("E5"), 0);
  EXPECT_EQ(ValorNumero(""), 0);
  EXPECT_EQ(ValorNumero(" 1.20000000000000E+0001"), 12);
  EXPECT_THROW(ValorNumero("1E999"), Erro);
}

TEST(ValorNumeroTest, DesktopLocaleDoesNotChangeReading) {
  const char* antes = std::setlocale(LC_NUMERIC, nullptr);
  const std::string guardado = antes ? antes : "C";
  if (std::setlocale(LC_NUMERIC, "pt_BR.UTF-8") == nullptr &&
      std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no comma locale installed";
  }
  EXPECT_EQ(CalculaEquacao("1.5*2").valor, 3);
  std::setlocale(LC_NUMERIC, guardado.c_str());
}

}  // namespace
}  // namespace quiv
