// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/indices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quiv {
namespace {

struct CasoIndices {
  const char* nome;
  std::vector<double> PV, SP, CO;
  IndicesMalha esperado;
};

class CalculaIndicesTest : public ::testing::TestWithParam<CasoIndices> {};

TEST_P(CalculaIndicesTest, Texts) {
  const CasoIndices& caso = GetParam();
  EXPECT_EQ(CalculaIndices(caso.PV, caso.SP, caso.CO), caso.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CalculaIndicesTest,
    ::testing::Values(
        // mean PV 2.5, Σ(PV−mean)² = 5 → 3·sqrt(5/3) = 3.873; CO mean 50, Σ = 5000 →
        // 3·sqrt(5000/3) = 122.474; travel 150/100; 0 and 100 saturate.
        CasoIndices{"hand_computed",
                    {1, 2, 3, 4},
                    {2, 2, 2, 2},
                    {0, 50, 100, 50},
                    {" 3.87", "-0.50", " 1.00", " 1.50 %", "122.47 %", "50.00 %", "  1.0/  4.0"}},
        CasoIndices{"sp_equal_to_pv",
                    {40, 45.5, 50},
                    {40, 45.5, 50},
                    {50, 50, 50},
                    {"15.02", " 0.00", " 0.00", " 0.00 %", " 0.00 %", " 0.00 %", " 40.0/ 50.0"}},
        CasoIndices{"co_at_full_open",
                    {50, 50},
                    {50, 50},
                    {100, 100},
                    {" 0.00", " 0.00", " 0.00", " 0.00 %", " 0.00 %", "100.00 %", " 50.0/ 50.0"}},
        // Saturation bounds are inclusive: 98 and 2 count, 97.99 and 2.01 do not.
        // Travel (96 + 95.99 + 95.98) / 100; spread 3·sqrt(9213.12 / 3) = 166.2596.
        CasoIndices{"saturation_bounds",
                    {0, 0, 0, 0},
                    {0, 0, 0, 0},
                    {98, 2, 97.99, 2.01},
                    {" 0.00", " 0.00", " 0.00", " 2.88 %", "166.26 %", "50.00 %", "  0.0/  0.0"}},
        // Engineering units: negative values and wide numbers keep their width.
        CasoIndices{
            "engineering_units",
            {-120, 1500},
            {-100, 1500},
            {10, 20},
            {"3436.54", "10.00", "10.00", " 0.10 %", "21.21 %", " 0.00 %", "-120.0/1500.0"}},
        // One point: no spread to divide by n − 1.
        CasoIndices{"one_second",
                    {30},
                    {40},
                    {60},
                    {" 0.00", "10.00", "10.00", " 0.00 %", " 0.00 %", " 0.00 %", " 30.0/ 30.0"}},
        CasoIndices{"empty",
                    {},
                    {},
                    {},
                    {" 0.00", " 0.00", " 0.00", " 0.00 %", " 0.00 %", " 0.00 %", "  0.0/  0.0"}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(IndicesMostradosTest, UnitSuffixOnVariabilityAndErrorsOnly) {
  const IndicesMalha indices = {" 1.00",   " 2.00",   " 3.00",     " 4.00 %",
                                " 5.00 %", " 6.00 %", " 7.0/  8.0"};
  const IndicesMalha normalizados = IndicesMostrados(indices, true, "kPa");
  EXPECT_EQ(normalizados[kVariabilidade], " 1.00 %");
  EXPECT_EQ(normalizados[kIEMA], " 3.00 %");
  EXPECT_EQ(normalizados[kExcursaoCO], " 4.00 %");
  EXPECT_EQ(normalizados[kPVMinMax], " 7.0/  8.0");
  const IndicesMalha engenharia = IndicesMostrados(indices, false, "kPa");
  EXPECT_EQ(engenharia[kIEM], " 2.00 kPa");
  EXPECT_EQ(engenharia[kDesvioCO], " 5.00 %");
  EXPECT_EQ(SufixoUnidade(false, ""), " ");
}

}  // namespace
}  // namespace quiv
