// SPDX-License-Identifier: GPL-3.0-or-later
// What the level examples teach, checked on the shipped plants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "core/objetos/controlador.h"
#include "core/objetos/entrada_dados.h"
#include "exemplo_carregado.h"

namespace quiv::teste {
namespace {

double DesvioPadrao(const std::vector<double>& v) {
  const double media = std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
  double soma = 0.0;
  for (double x : v) soma += (x - media) * (x - media);
  return std::sqrt(soma / static_cast<double>(v.size()));
}

// The tank integrates: in manual a step in the inflow makes the level ramp
// without a new balance; in automatic the level comes back to its SP.
TEST(LicaoNivelRegulatorio, NivelIntegraEmManualEVoltaEmAutomatico) {
  for (bool automatico : {false, true}) {
    ExemploCarregado e = CarregaExemplo("examples/regulatory level/regulatory level.smp");
    ASSERT_TRUE(e.achado);
    Controlador& lic = *e.doc->ControladorDe(1);
    if (!automatico) lic.AlternaAutoManual();
    ASSERT_EQ(lic.ModoAuto, automatico);
    Roda(*e.doc, SinalTeste::Nenhum, 0, 300);  // settle
    e.doc->painel.Entrada(1).DefinePosicao(6000);  // inflow 20 → 24 m³/h
    const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, 1800);
    const std::vector<double>& nivel = r.malhas[1].series.PV;
    ASSERT_GE(nivel.size(), 1800u);
    const double aos10min = nivel[600];
    const double aos20min = nivel[1200];
    if (!automatico) {
      // A ramp: the second ten minutes rise as much as the first.
      EXPECT_GT(aos10min - nivel[0], 3.0);
      EXPECT_NEAR(aos20min - aos10min, aos10min - nivel[0], 1.0);
    } else {
      EXPECT_NEAR(nivel.back(), 50.0, 0.5);
      EXPECT_LT(*std::max_element(nivel.begin(), nivel.end()), 56.0);
    }
  }
}

// The averaging controller passes far less of the inflow's swing to its
// outflow than the tight one, and its level stays inside the tank.
TEST(LicaoTanquePulmao, ControleMedioSuavizaASaida) {
  ExemploCarregado e = CarregaExemplo("examples/surge tank/surge tank.smp");
  ASSERT_TRUE(e.achado);
  const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, 7200);
  const SeriesMalha& apertado = r.malhas[1].series;
  const SeriesMalha& medio = r.malhas[2].series;
  const double desvioApertado = DesvioPadrao(apertado.MV);
  const double desvioMedio = DesvioPadrao(medio.MV);
  EXPECT_LT(desvioMedio, desvioApertado / 2.5) << desvioMedio << " vs " << desvioApertado;
  const auto [menor, maior] = std::minmax_element(medio.PV.begin(), medio.PV.end());
  EXPECT_GT(*menor, 10.0);
  EXPECT_LT(*maior, 90.0);
  // The tight loop keeps its level close.
  const auto [menorA, maiorA] = std::minmax_element(apertado.PV.begin(), apertado.PV.end());
  EXPECT_LT(*maiorA - *menorA, 8.0);
}

}  // namespace
}  // namespace quiv::teste
