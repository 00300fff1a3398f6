// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/ensaio_degrau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "planta_degrau.h"
#include "planta_malha.h"

namespace quiv {
namespace {

using teste::IncluiMalhaPrimeiraOrdem;

FabricaCopia Fabrica(const Documento& doc) {
  return [&doc] { return CopiaSimulacao(doc); };
}

std::string Recusa(const Documento& doc, int malha, const OpcoesEnsaio& opcoes) {
  try {
    EnsaioDegrau(Fabrica(doc), malha, opcoes);
  } catch (const Erro& e) {
    return e.what();
  }
  return "";
}

TEST(EnsaioDegrau, RecordsTheStepAtTimeZeroAndTheResponseAfterIt) {
  Documento doc;
  IncluiMalhaPrimeiraOrdem(doc, 1.5, 20.0, 3.0);
  OpcoesEnsaio opcoes;
  opcoes.assentamento = 600.0;
  const ResultadoEnsaio e = EnsaioDegrau(Fabrica(doc), 1, opcoes);

  ASSERT_EQ(e.indiceDegrau, 6000u);  // 600 s of settling at 0.1 s
  const std::size_t d = e.indiceDegrau;
  EXPECT_DOUBLE_EQ(e.tempo[d], 0.0);
  EXPECT_NEAR(e.tempo[d - 1], -0.1, 1e-12);
  EXPECT_NEAR(e.tempo[d + 10], 1.0, 1e-9);
  // The output changes in the step's own step; the PV still has the old one.
  EXPECT_DOUBLE_EQ(e.CO[d - 1], 40.0);
  EXPECT_DOUBLE_EQ(e.CO[d], 50.0);
  EXPECT_DOUBLE_EQ(e.CO.back(), 50.0);
  EXPECT_NEAR(e.PV[d], e.PV[d - 1], 1e-9);
  EXPECT_NEAR(e.PVinicial, 60.0, 1e-4);  // 1.5 · 40, from 15 time constants on
  EXPECT_LT(e.ruido, 1e-4);
  // Nothing reaches the PV within the dead time (30 steps, one more for the
  // output to reach the process); then the bilinear lag's first step,
  // 1.5 · 10 · 0.1/(2 · 20 + 0.1).
  EXPECT_NEAR(e.PV[d + 30], e.PV[d], 1e-9);
  EXPECT_NEAR(e.PV[d + 31] - e.PV[d], 15.0 * 0.1 / 40.1, 1e-6);
  ASSERT_TRUE(e.tempoMovimento);
  EXPECT_GE(*e.tempoMovimento, 3.0);  // within the second after the dead time
  EXPECT_LE(*e.tempoMovimento, 5.0);
  // Settled: near the final 75 %, and not long after (about L + 7.5 T).
  EXPECT_EQ(e.fim, FimEnsaio::Assentou);
  EXPECT_NEAR(e.PV.back(), 75.0, 0.05);
  EXPECT_GT(e.tempo.back(), 3.0 + 5.0 * 20.0);
  EXPECT_LT(e.tempo.back(), 3.0 + 12.0 * 20.0);
  // Engineering units: the cell's descriptor range.
  for (std::size_t i = 0; i < e.PV.size(); i += 500)
    EXPECT_DOUBLE_EQ(e.PVEngenharia[i], e.escala.Engenharia(e.PV[i]));
  EXPECT_EQ(e.tempo.size(), e.PV.size());
  EXPECT_EQ(e.CO.size(), e.PV.size());
}

TEST(EnsaioDegrau, LeavesTheLivePlantUntouched) {
  Documento doc;
  Controlador& c = teste::IncluiMalha(doc, 1);  // in automatic
  const std::vector<double> celulas(doc.simulacao.memoria.celula.begin(),
                                    doc.simulacao.memoria.celula.end());
  const double co = c.CO;
  OpcoesEnsaio opcoes;
  opcoes.janelaMaxima = 300.0;
  EnsaioDegrau(Fabrica(doc), 1, opcoes);
  EXPECT_TRUE(c.ModoAuto);
  EXPECT_EQ(c.CO, co);
  EXPECT_FALSE(doc.simulacao.ModoRapido);
  EXPECT_EQ(
      std::vector<double>(doc.simulacao.memoria.celula.begin(), doc.simulacao.memoria.celula.end()),
      celulas);
}

TEST(EnsaioDegrau, ALoopInAutomaticIsTestedInManualAtItsOutput) {
  Documento doc;
  Controlador& c = teste::IncluiMalha(doc, 1);
  c.CO = 35.0;
  OpcoesEnsaio opcoes;
  opcoes.amplitude = -5.0;
  const ResultadoEnsaio e = EnsaioDegrau(Fabrica(doc), 1, opcoes);
  EXPECT_DOUBLE_EQ(e.COinicial, 35.0);
  EXPECT_DOUBLE_EQ(e.CO.front(), 35.0);  // held, not moved by the PI
  EXPECT_DOUBLE_EQ(e.CO.back(), 30.0);
}

TEST(EnsaioDegrau, TheSameSeedRepeatsTheRecord) {
  Documento doc;
  IncluiMalhaPrimeiraOrdem(doc, 1.5, 20.0, 3.0);
  teste::AdicionaRuido(doc, 1.0);
  OpcoesEnsaio opcoes;
  opcoes.semente = 7;
  const ResultadoEnsaio a = EnsaioDegrau(Fabrica(doc), 1, opcoes);
  const ResultadoEnsaio b = EnsaioDegrau(Fabrica(doc), 1, opcoes);
  opcoes.semente = 8;
  const ResultadoEnsaio c = EnsaioDegrau(Fabrica(doc), 1, opcoes);
  EXPECT_EQ(a.PV, b.PV);
  EXPECT_NE(a.PV, c.PV);
}

TEST(EnsaioDegrau, ProgressRunsToOneHundred) {
  Documento doc;
  IncluiMalhaPrimeiraOrdem(doc, 1.5, 20.0, 3.0);
  std::vector<int> passos;
  EnsaioDegrau(Fabrica(doc), 1, {}, [&](int p) { passos.push_back(p); });
  ASSERT_FALSE(passos.empty());
  EXPECT_EQ(passos.front(), 0);
  EXPECT_EQ(passos.back(), 100);
  EXPECT_TRUE(std::is_sorted(passos.begin(), passos.end()));
}

struct CasoRecusa {
  const char* nome;
  int malha;
  double co;
  double amplitude;
  const char* texto;
};

class RecusaEnsaio : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(RecusaEnsaio, SaysWhy) {
  const CasoRecusa& caso = GetParam();
  Documento doc;
  IncluiMalhaPrimeiraOrdem(doc, 1.0, 10.0, 1.0, caso.co);
  Controlador& semPV = doc.NovoControlador(2);
  semPV.ItemPV = -1;
  OpcoesEnsaio opcoes;
  opcoes.amplitude = caso.amplitude;
  const std::string texto = Recusa(doc, caso.malha, opcoes);
  EXPECT_NE(texto.find(caso.texto), std::string::npos) << texto;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RecusaEnsaio,
    ::testing::Values(
        CasoRecusa{"EmptySlot", 3, 40.0, 10.0, "loop 3 has no controller"},
        CasoRecusa{"OutOfRange", 11, 40.0, 10.0, "loop 11 has no controller"},
        CasoRecusa{"NoPV", 2, 40.0, 10.0, "loop 2: the controller has no process variable"},
        CasoRecusa{"AboveOneHundred", 1, 95.0, 10.0, "would leave 0 ... 100 %"},
        CasoRecusa{"BelowZero", 1, 5.0, -10.0, "a step of -10 % from the output's 5 %"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(EnsaioDegrau, AStepEndingOnALimitIsTaken) {
  Documento doc;
  IncluiMalhaPrimeiraOrdem(doc, 1.0, 10.0, 1.0, 90.0);
  EXPECT_EQ(Recusa(doc, 1, {}), "");
}

struct CasoOpcoes {
  const char* nome;
  OpcoesEnsaio opcoes;
  const char* texto;  // empty: accepted
};

OpcoesEnsaio Com(double amplitude, double TA, double assentamento, double janela) {
  OpcoesEnsaio o;
  o.amplitude = amplitude;
  o.TA = TA;
  o.assentamento = assentamento;
  o.janelaMaxima = janela;
  return o;
}

class OpcoesDoEnsaio : public ::testing::TestWithParam<CasoOpcoes> {};

TEST_P(OpcoesDoEnsaio, AreCheckedBeforeAnythingRuns) {
  const CasoOpcoes& caso = GetParam();
  const auto problema = ProblemaDoEnsaio(caso.opcoes);
  if (std::string(caso.texto).empty()) {
    EXPECT_FALSE(problema) << *problema;
    return;
  }
  ASSERT_TRUE(problema);
  EXPECT_NE(problema->find(caso.texto), std::string::npos) << *problema;
  Documento doc;
  IncluiMalhaPrimeiraOrdem(doc, 1.0, 10.0, 1.0);
  EXPECT_THROW(EnsaioDegrau(Fabrica(doc), 1, caso.opcoes), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, OpcoesDoEnsaio,
    ::testing::Values(CasoOpcoes{"Defaults", {}, ""},
                      CasoOpcoes{"NegativeStep", Com(-100, 1, 0, 1), ""},
                      CasoOpcoes{"ZeroStep", Com(0, 0.1, 60, 100), "non-zero amplitude"},
                      CasoOpcoes{"HugeStep", Com(100.5, 0.1, 60, 100), "at most 100 %"},
                      CasoOpcoes{"NaNStep", Com(std::nan(""), 0.1, 60, 100), "non-zero amplitude"},
                      CasoOpcoes{"StepNotDividingASecond", Com(10, 0.3, 60, 100),
                                 "divide one second"},
                      CasoOpcoes{"NegativeSettling", Com(10, 0.1, -1, 100), "settling time"},
                      CasoOpcoes{"NoWindow", Com(10, 0.1, 60, 0), "test window"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace quiv
