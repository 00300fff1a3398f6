// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/modelo_processo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quiv {
namespace {

struct Ponto {
  ModeloProcesso modelo;
  double amplitude;
  double t;
  double y;
};

class Resposta : public ::testing::TestWithParam<Ponto> {};

TEST_P(Resposta, AtTheTimeGiven) {
  const Ponto& p = GetParam();
  EXPECT_NEAR(RespostaDegrau(p.modelo, p.amplitude, p.t), p.y, 1e-9);
}

const ModeloProcesso kPO{TipoModelo::PrimeiraOrdem, 2.0, 10.0, 3.0};
const ModeloProcesso kInt{TipoModelo::Integrador, 0.05, 0.0, 3.0};

INSTANTIATE_TEST_SUITE_P(
    Pontos, Resposta,
    ::testing::Values(Ponto{kPO, 5.0, -1.0, 0.0}, Ponto{kPO, 5.0, 3.0, 0.0},  // within L
                      Ponto{kPO, 5.0, 13.0, 10.0 * (1.0 - std::exp(-1.0))},   // L + T: 63.2 %
                      Ponto{kPO, 5.0, 3.0 + 10.0 / 3.0, 10.0 * (1.0 - std::exp(-1.0 / 3.0))},
                      Ponto{kPO, -5.0, 1e6, -10.0},  // settled
                      Ponto{kPO, 5.0, 3.5,
                            10.0 * (1.0 - std::exp(-0.05))},  // the shift is continuous
                      Ponto{kInt, 10.0, 2.9, 0.0}, Ponto{kInt, 10.0, 13.0, 5.0},
                      Ponto{kInt, -10.0, 23.0, -10.0},
                      // No time constant: the dead time alone.
                      Ponto{{TipoModelo::PrimeiraOrdem, 1.5, 0.0, 2.0}, 4.0, 2.01, 6.0}));

TEST(ModeloProcesso, TheCurveIsThePointsAtTheTimes) {
  const std::vector<double> tempos{-1.0, 0.0, 4.0, 13.0, 50.0};
  const std::vector<double> curva = RespostaDegrau(kPO, 5.0, tempos);
  ASSERT_EQ(curva.size(), tempos.size());
  for (std::size_t i = 0; i < tempos.size(); ++i)
    EXPECT_DOUBLE_EQ(curva[i], RespostaDegrau(kPO, 5.0, tempos[i]));
}

}  // namespace
}  // namespace quiv
