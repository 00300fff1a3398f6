// SPDX-License-Identifier: GPL-3.0-or-later
// What the "Outros" examples teach, checked on the shipped plants.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/objetos/controlador.h"
#include "core/objetos/entrada_dados.h"
#include "exemplo_carregado.h"

namespace quiv::teste {
namespace {

double Amplitude(const std::vector<double>& v, std::size_t desde) {
  const auto [menor, maior] = std::minmax_element(v.begin() + static_cast<long>(desde), v.end());
  return *maior - *menor;
}

// With the delay taken out of the loop, the predictor's PI follows a set
// point step with a much smaller mean absolute error (IEMA) on the real
// temperature than the plain PI the delay forces to be slow.
TEST(LicaoPreditorSmith, PreditorVenceOPISimplesNoIEMA) {
  ExemploCarregado f = CarregaExemplo("examples/smith predictor/smithpredictor.smp");
  ASSERT_TRUE(f.achado);
  for (int k : {1, 2}) f.doc->ControladorDe(k)->SP = 60.0;
  Simulacao& s = f.doc->simulacao;
  s.dt = 0.5;
  double iemaSimples = 0.0;
  double iemaPreditor = 0.0;
  const int passos = 1800;
  for (int i = 0; i < passos; ++i) {
    s.PassoObjetos();
    iemaSimples += std::fabs(60.0 - s.memoria.celula[21]);
    iemaPreditor += std::fabs(60.0 - s.memoria.celula[22]);
  }
  iemaSimples /= passos;
  iemaPreditor /= passos;
  EXPECT_LT(iemaPreditor, 0.75 * iemaSimples) << iemaPreditor << " vs " << iemaSimples;
  EXPECT_NEAR(s.memoria.celula[22], 60.0, 0.5);
  EXPECT_NEAR(s.memoria.celula[21], 60.0, 0.5);
}

// Open-loop steps in manual show the shapes the student is to model.
TEST(LicaoQuatroProcessos, DegrausEmMalhaAbertaMostramCadaDinamica) {
  ExemploCarregado e = CarregaExemplo("examples/processes to model/4processes.smp");
  ASSERT_TRUE(e.achado);
  Documento& doc = *e.doc;
  Simulacao& s = doc.simulacao;
  s.dt = 0.5;
  for (int k = 1; k <= 4; ++k) {
    doc.ControladorDe(k)->AlternaAutoManual();
    ASSERT_FALSE(doc.ControladorDe(k)->ModoAuto);
  }
  for (int i = 0; i < 600; ++i) s.PassoObjetos();  // settle in manual after the load
  for (int k = 1; k <= 4; ++k) doc.ControladorDe(k)->CO += 10.0;
  std::vector<std::array<double, 5>> pv;  // per second: cells 26, 22, 24, 25
  const double inicio[] = {0, s.memoria.celula[26], s.memoria.celula[22], s.memoria.celula[24],
                           s.memoria.celula[25]};
  for (int i = 1; i <= 2 * 600; ++i) {
    s.PassoObjetos();
    if (i % 2 == 0)
      pv.push_back({0, s.memoria.celula[26], s.memoria.celula[22], s.memoria.celula[24],
                    s.memoria.celula[25]});
  }
  auto desvio = [&](int p, int t) { return pv[static_cast<std::size_t>(t - 1)][p] - inicio[p]; };
  // 1: no move during the 10 s dead time, 63 % one time constant (40 s) after
  // it, gain 1.5 at the end, no overshoot.
  EXPECT_NEAR(desvio(1, 9), 0.0, 0.05);
  EXPECT_NEAR(desvio(1, 50) / 15.0, 0.632, 0.03);
  EXPECT_NEAR(desvio(1, 600), 15.0, 0.2);
  // 2: overshoot, then settles at the gain.
  double pico = 0.0;
  for (int t = 1; t <= 600; ++t) pico = std::max(pico, desvio(2, t));
  EXPECT_GT(pico, 12.0);
  EXPECT_NEAR(desvio(2, 600), 10.0, 0.5);
  // 3: S-shaped, slow start: at 10 s it has moved far less than the first
  // order would.
  EXPECT_LT(desvio(3, 10), 0.3);
  EXPECT_NEAR(desvio(3, 600), 10.0, 0.2);
  // 4: a ramp, 0.005·10 %/s.
  EXPECT_NEAR(desvio(4, 200) - desvio(4, 100), 5.0, 0.2);
}

// A slow sine of the set point is followed; a fast one is attenuated.
TEST(LicaoRespostaFrequencia, SenoRapidoEAtenuado) {
  const struct {
    int posicao;  // SP period entry, 0 … 10000 over 2 … 200 s
    double minimo;
    double maximo;
  } casos[] = {{6000, 0.9, 1.1},   // ≈ 121 s
               {50, 0.0, 0.7}};    // ≈ 3 s
  for (const auto& caso : casos) {
    ExemploCarregado e = CarregaExemplo("examples/frequency response/frequencyresponse.smp");
    ASSERT_TRUE(e.achado);
    e.doc->painel.Entrada(1).DefinePosicao(caso.posicao);
    e.doc->painel.Entrada(2).DefinePosicao(10000);
    const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, 1800);
    const SeriesMalha& s = r.malhas[1].series;
    // The fast case is read from the trace at 0.5 s; the records are 1 s apart,
    // enough for the ratio of the swings.
    const double razao = Amplitude(s.PV, 900) / Amplitude(s.SP, 900);
    EXPECT_GE(razao, caso.minimo) << caso.posicao;
    EXPECT_LE(razao, caso.maximo) << caso.posicao;
  }
}

}  // namespace
}  // namespace quiv::teste
