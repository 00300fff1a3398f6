// SPDX-License-Identifier: GPL-3.0-or-later
// What the temperature examples teach, checked on the shipped plants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/objetos/controlador.h"
#include "core/objetos/entrada_dados.h"
#include "exemplo_carregado.h"

namespace quiv::teste {
namespace {

// Mean |SP − PV| of loop k over a run of `segundos` after the plant was
// changed by `perturba` (the loaded example settles 10 minutes first).
template <typename Perturba>
double IEMADepois(const std::string& arquivo, int k, int segundos, Perturba perturba) {
  ExemploCarregado e = CarregaExemplo(arquivo);
  EXPECT_TRUE(e.achado);
  Roda(*e.doc, SinalTeste::Nenhum, 0, 600);
  perturba(*e.doc);
  const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, segundos);
  const SeriesMalha& s = r.malhas[static_cast<std::size_t>(k)].series;
  double soma = 0.0;
  for (std::size_t i = 0; i < s.PV.size(); ++i) soma += std::fabs(s.SP[i] - s.PV[i]);
  return soma / static_cast<double>(s.PV.size());
}

// Feedforward of the inlet temperature keeps the outlet closer to its SP
// than feedback alone after the inlet steps from 30 to 40 °C.
TEST(LicaoTrocador, CompensacaoDiretaReduzODesvio) {
  const std::string arquivo = "examples/heat exchanger/heatexchanger.smp";
  auto degrau = [](double compensacao) {
    return [compensacao](Documento& doc) {
      doc.painel.Entrada(2).DefinePosicao(static_cast<int>(compensacao * 100));
      doc.painel.Entrada(1).DefinePosicao(7500);
    };
  };
  const double comFF = IEMADepois(arquivo, 1, 1800, degrau(100));
  const double semFF = IEMADepois(arquivo, 1, 1800, degrau(0));
  EXPECT_LT(comFF, 0.4 * semFF) << comFF << " vs " << semFF;
}

// A drop of the gas pressure: the cascade's fuel-flow slave restores the fuel
// before the firebox feels it, so the temperature deviates far less than
// with the single loop on the same furnace.
TEST(LicaoFornoCascata, EscravoRejeitaDisturbioNaVazao) {
  auto quedaDePressao = [](Documento& doc) { doc.painel.Entrada(2).DefinePosicao(3500); };
  const double simples = IEMADepois("examples/furnace/furnace.smp", 1, 1800, quedaDePressao);
  const double cascata =
      IEMADepois("examples/furnace masterslave/furnace.smp", 1, 1800, quedaDePressao);
  EXPECT_LT(cascata, 0.5 * simples) << cascata << " vs " << simples;
}

// The door opens: the single-loop furnace brings the temperature back.
TEST(LicaoForno, TemperaturaVoltaAoSPDepoisDaPorta) {
  ExemploCarregado e = CarregaExemplo("examples/furnace/furnace.smp");
  ASSERT_TRUE(e.achado);
  e.doc->painel.Entrada(1).DefinePosicao(5000);
  const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, 3600);
  const SeriesMalha& s = r.malhas[1].series;
  EXPECT_LT(*std::min_element(s.PV.begin(), s.PV.end()), 59.0);  // it was felt
  EXPECT_NEAR(s.PV.back(), s.SP.back(), 1.0);
}

// From a heat load that needs heating to one that needs cooling: the
// temperature comes back, the controller crosses 50 %, and the two valve
// commands are never open together.
TEST(LicaoDivisaoFaixa, AtravessaDoVaporParaAAguaSemAbrirAsDuas) {
  ExemploCarregado e = CarregaExemplo("examples/splitrange control/splitrange.smp");
  ASSERT_TRUE(e.achado);
  Documento& doc = *e.doc;
  Simulacao& s = doc.simulacao;
  s.dt = 0.5;
  for (int i = 0; i < 1200; ++i) s.PassoObjetos();
  ASSERT_GT(s.memoria.celula[42], 1.0);       // heating at the start
  doc.painel.Entrada(1).DefinePosicao(8000);  // +30 % reaction heat
  bool resfriou = false;
  for (int i = 0; i < 2 * 3600; ++i) {
    s.PassoObjetos();
    const double agua = s.memoria.celula[41];
    const double vapor = s.memoria.celula[42];
    ASSERT_FALSE(agua > 0.0 && vapor > 0.0) << "step " << i;
    resfriou = resfriou || agua > 1.0;
  }
  EXPECT_TRUE(resfriou);
  EXPECT_NEAR(s.memoria.celula[23], doc.ControladorDe(1)->SP, 0.5);
}

}  // namespace
}  // namespace quiv::teste
