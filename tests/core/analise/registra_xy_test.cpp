// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/registra_xy.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/arquivo/documento.h"
#include "planta_malha.h"

namespace quiv {
namespace {

TEST(RegistraXYTest, ThirtyMinutesAddEighteenThousandPointsPerRun) {
  Documento doc;
  teste::IncluiMalha(doc, 1);
  doc.simulacao.dt = 0.5;
  std::vector<PontoXY> pontos;
  std::vector<int> progresso;
  RegistraXY(doc.simulacao, 1800, 1, 21, pontos, [&](int p) { progresso.push_back(p); });
  ASSERT_EQ(pontos.size(), 18000u);
  EXPECT_FALSE(doc.simulacao.ModoRapido);
  EXPECT_EQ(doc.simulacao.dt, 0.1);
  EXPECT_EQ(progresso.front(), 0);
  EXPECT_EQ(progresso.back(), 100);
  // Each point is taken after its step: the last one is the plant's state now.
  EXPECT_EQ(pontos.back().x, doc.simulacao.memoria.celula[1]);
  EXPECT_EQ(pontos.back().y, doc.simulacao.memoria.celula[21]);
  EXPECT_NE(pontos.front().y, pontos.back().y);

  RegistraXY(doc.simulacao, 1800, 1, 21, pontos);
  EXPECT_EQ(pontos.size(), 36000u);
  RegistraXY(doc.simulacao, 600, 101, 124, pontos);  // actuator positions are items too
  EXPECT_EQ(pontos.size(), 42000u);
  EXPECT_THROW(RegistraXY(doc.simulacao, 600, 0, 21, pontos), std::out_of_range);
  EXPECT_THROW(RegistraXY(doc.simulacao, 600, 1, 125, pontos), std::out_of_range);
}

}  // namespace
}  // namespace quiv
