// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/numero_texto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "core/nucleo/memoria.h"

namespace quiv {
namespace {

TEST(NumeroTextoTest, TypedNumbers) {
  struct Caso {
    const char* texto;
    std::optional<double> valor;
  };
  const Caso casos[] = {{"1", 1},      {" 1,5 ", 1.5},   {"+2", 2},     {"-.5", -0.5}, {"5.", 5},
                        {"1e3", 1000}, {"2,5E-1", 0.25}, {"1e-400", 0}, {"", {}},      {"  ", {}},
                        {"-", {}},     {".", {}},        {"1e", {}},    {"1.2.3", {}}, {"1 2", {}},
                        {"- 1", {}},   {"1e999", {}},    {"inf", {}},   {"nan", {}},   {"M21", {}},
                        {"0x10", {}},  {"1,000.5", {}}};
  for (const Caso& caso : casos) {
    EXPECT_EQ(LeNumero(caso.texto), caso.valor) << '"' << caso.texto << '"';
  }
}

TEST(NumeroTextoTest, FixedDecimalsRoundHalfAwayFromZero) {
  struct Caso {
    double x;
    int d;
    const char* texto;
  };
  const Caso casos[] = {{2.675, 2, "2.68"},
                        {0.125, 2, "0.13"},
                        {-0.125, 2, "-0.13"},
                        {1.005, 2, "1.01"},
                        {-0.001, 2, "0.00"},
                        {-0.0, 1, "0.0"},
                        {99.995, 2, "100.00"},
                        {9.5, 0, "10"},
                        {0.5, 0, "1"},
                        {0.49, 0, "0"},
                        {0, 0, "0"},
                        {1234.5, 0, "1235"},
                        {0.00005, 4, "0.0001"},
                        {0.00004, 4, "0.0000"},
                        {-7.25, 1, "-7.3"},
                        {1e20, 1, "100000000000000000000.0"},
                        {123456.789, 4, "123456.7890"},
                        {std::nan(""), 2, "NAN"},
                        {-INFINITY, 2, "-INF"}};
  for (const Caso& caso : casos) {
    EXPECT_EQ(TextoFixo(caso.x, caso.d), caso.texto) << caso.x << " " << caso.d;
  }
  EXPECT_EQ(TextoFixo(-1.7976931348623157e308, 4).size(), 1 + 309 + 1 + 4);
}

// What a file writes of a finite number reads back finite. At the top of the
// double range the 15 digits rounded half away from zero would lie beyond the
// largest double; there the last digit is rounded toward zero. Every other
// number keeps the text it always had.
TEST(NumeroTextoTest, TextsOfFiniteNumbersReadBackFinite) {
  constexpr double kMaior = std::numeric_limits<double>::max();
  constexpr double kMenorNormal = std::numeric_limits<double>::min();
  constexpr double kMenorSubnormal = std::numeric_limits<double>::denorm_min();
  const double primeiroDaBorda = std::nextafter(1.797693134862315e308, kMaior);
  struct Caso {
    double x;
    const char* texto;
    bool naBorda;  // the text differs from TextoCientifico's
  };
  const Caso casos[] = {
      {kMaior, " 1.79769313486231E+0308", true},
      {-kMaior, "-1.79769313486231E+0308", true},
      {primeiroDaBorda, " 1.79769313486231E+0308", true},
      {1.797693134862315e308, " 1.79769313486231E+0308", false},  // the last one below
      {1e308, " 1.00000000000000E+0308", false},
      {-2.5e300, "-2.50000000000000E+0300", false},
      {kMenorNormal, " 2.22507385850720E-0308", false},
      {kMenorSubnormal, " 4.94065645841247E-0324", false},
      {-kMenorSubnormal, "-4.94065645841247E-0324", false},
      {0.0, " 0.00000000000000E+0000", false},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.texto);
    const std::string texto = TextoCientificoLegivel(caso.x);
    EXPECT_EQ(texto, caso.texto);
    EXPECT_EQ(texto != TextoCientifico(caso.x), caso.naBorda);
    const std::optional<double> lido = LeNumero(texto);
    ASSERT_TRUE(lido.has_value());
    EXPECT_NEAR(*lido, caso.x, std::fabs(caso.x) * 1e-14);
    for (int d : {0, 2}) EXPECT_TRUE(LeNumero(TextoFixo(caso.x, d)).has_value()) << d;
  }
  EXPECT_EQ(TextoFixo(kMaior, 0), "179769313486231" + std::string(294, '0'));
  // Not finite: the text it always had, which no reader takes for a number.
  EXPECT_EQ(TextoCientificoLegivel(INFINITY), TextoCientifico(INFINITY));
}

}  // namespace
}  // namespace quiv
