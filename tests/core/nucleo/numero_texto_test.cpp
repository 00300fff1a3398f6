// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/numero_texto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

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

}  // namespace
}  // namespace quiv
