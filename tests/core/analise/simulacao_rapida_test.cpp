// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/simulacao_rapida.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/analise/historico_txd.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/objetos/bloco.h"
#include "pasta_temporaria.h"
#include "planta_malha.h"

namespace quiv {
namespace {

// Watches, from a block slot (stepped after the processes and before the
// controllers), what the run shows the objects.
class Espiao : public ObjetoCiclo {
 public:
  explicit Espiao(const Documento& doc) : doc_(doc) {}
  void Calcula() override {
    ++passos;
    modoRapido = modoRapido && doc_.simulacao.ModoRapido;
    dt = doc_.simulacao.dt;
    spControlador1.push_back(doc_.ControladorDe(1)->SP);
  }
  long passos = 0;
  bool modoRapido = true;
  double dt = 0.0;
  std::vector<double> spControlador1;

 private:
  const Documento& doc_;
};

// Holds a cell at a value, from a block slot (after the processes).
class Fixa : public ObjetoCiclo {
 public:
  Fixa(Memoria& memoria, int celula, double valor)
      : memoria_(memoria), celula_(celula), valor_(valor) {}
  void Calcula() override { memoria_.celula[static_cast<std::size_t>(celula_)] = valor_; }

 private:
  Memoria& memoria_;
  int celula_;
  double valor_;
};

// The names of the files in a folder, sorted.
std::vector<std::string> Arquivos(const std::filesystem::path& pasta) {
  std::vector<std::string> nomes;
  for (const auto& e : std::filesystem::directory_iterator(pasta))
    nomes.push_back(e.path().filename().string());
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}

// Loops 1 and 2 in automatic at SP 50; controller 3 exists but has no PV, so
// it takes the test step without taking part.
class SimulacaoRapidaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    teste::IncluiMalha(doc, 1);
    teste::IncluiMalha(doc, 2, 40);
    Controlador& c3 = doc.NovoControlador(3);
    c3.ItemPV = -1;
    c3.SP = 20;
    c3.Bias = 50;
    auto espiao = std::make_unique<Espiao>(doc);
    this->espiao = espiao.get();
    doc.simulacao.blocos.Inclui(24, std::move(espiao));
  }

  Documento doc;
  Espiao* espiao = nullptr;
  teste::PastaTemporaria pasta;
};

TEST_F(SimulacaoRapidaTest, ThirtyMinutesAt100msRecordsEverySecondAndStepsAt1891) {
  const OpcoesSimulacaoRapida opcoes{1800, 0.1, SinalTeste::DegrauSP, 10, true};
  GravadorTxd historico(pasta(), "Caldeira", CabecalhoTxd(doc.simulacao.memoria, 0.1, 1800));
  const ResultadoSimulacaoRapida r = SimulacaoRapida(doc.simulacao, opcoes, &historico);

  // The run named its history, and nothing else is left beside it.
  EXPECT_TRUE(historico.Nomeado());
  EXPECT_EQ(historico.Caminho(), pasta / "Caldeira_1.txd");
  EXPECT_EQ(Arquivos(pasta()), std::vector<std::string>{"Caldeira_1.txd"});
  EXPECT_EQ(r.passos, 18000);
  EXPECT_EQ(r.registros, 1800);
  EXPECT_EQ(r.passoTeste, 1891);
  EXPECT_EQ(espiao->passos, 18000);
  EXPECT_TRUE(espiao->modoRapido);
  // Applied after the blocks of step 1891: they see it from step 1892 on.
  EXPECT_EQ(espiao->spControlador1[1891], 50);
  EXPECT_EQ(espiao->spControlador1[1892], 60);
  for (const int k : {1, 2}) {
    const MalhaDesempenho& m = r.malhas[static_cast<std::size_t>(k)];
    ASSERT_TRUE(m.participa);
    EXPECT_EQ(m.enderecoPV, 20 + k);
    EXPECT_EQ(m.series.PV.size(), 1800u);
    EXPECT_EQ(m.series.SP.size(), 1800u);
    EXPECT_EQ(m.series.MV.size(), 1800u);
  }
  // Record r is taken after step 10r + 9: record 188 before the step, 189 after it.
  EXPECT_EQ(r.malhas[1].series.SP[188], 50);
  EXPECT_EQ(r.malhas[1].series.SP[189], 60);
  EXPECT_EQ(r.malhas[2].series.SP[189], 50);
  EXPECT_FALSE(r.malhas[3].participa);
  EXPECT_FALSE(r.malhas[4].participa);

  // The plant stays where the window ended, the step still applied.
  EXPECT_FALSE(doc.simulacao.ModoRapido);
  EXPECT_EQ(doc.simulacao.dt, 0.1);
  EXPECT_EQ(doc.ControladorDe(1)->SP, 60);
  EXPECT_EQ(doc.ControladorDe(3)->SP, 30);
  EXPECT_EQ(doc.ControladorDe(3)->Bias, 50);
  EXPECT_EQ(doc.simulacao.memoria.celula[21], r.malhas[1].series.PV.back());

  const std::string arquivo = pasta.Le("Caldeira_1.txd");
  EXPECT_EQ(std::count(arquivo.begin(), arquivo.end(), '\n'), 1801);
  EXPECT_NE(arquivo.find(";0.1;1800;\r\n"), std::string::npos);
}

// A PV choice the controller refused (items beyond M99) leaves it on its
// applied PV, and the loop is scored there.
TEST(OpcoesSimulacaoRapidaTest, DefaultsAreThoseThePageOpensWith) {
  const OpcoesSimulacaoRapida opcoes;
  EXPECT_EQ(opcoes.janela, 1800);  // "30 min"
  EXPECT_EQ(opcoes.TA, 0.5);       // "500 ms"
  EXPECT_EQ(opcoes.sinal, SinalTeste::Nenhum);
  EXPECT_EQ(opcoes.amplitude, 10);
  EXPECT_TRUE(opcoes.Normaliza);
  EXPECT_EQ(ProblemaDasOpcoes(opcoes), std::nullopt);
}

TEST_F(SimulacaoRapidaTest, ALoopIsScoredOnThePVItsControllerApplied) {
  Controlador& c = *doc.ControladorDe(1);
  c.ItemPV = 104;
  EXPECT_FALSE(c.AtualizaParametros(false));
  EXPECT_EQ(c.EnderecoPV, 21);
  const ResultadoSimulacaoRapida r =
      SimulacaoRapida(doc.simulacao, {60, 0.1, SinalTeste::Nenhum, 10, true}, nullptr);
  ASSERT_TRUE(r.malhas[1].participa);
  EXPECT_EQ(r.malhas[1].enderecoPV, 21);
  EXPECT_EQ(EnderecoPVDaMalha(doc.simulacao, 1), 21);
  c.ItemPV = -1;  // no PV chosen: the loop takes no part
  EXPECT_EQ(EnderecoPVDaMalha(doc.simulacao, 1), 0);
}

TEST_F(SimulacaoRapidaTest, FourHoursAtOneSecondTakesARecordEveryStep) {
  const OpcoesSimulacaoRapida opcoes{14400, 1.0, SinalTeste::DisturbioProcesso, 7, true};
  std::vector<int> progresso;
  const ResultadoSimulacaoRapida r =
      SimulacaoRapida(doc.simulacao, opcoes, nullptr, [&](int p) { progresso.push_back(p); });
  EXPECT_EQ(r.passos, 14400);
  EXPECT_EQ(r.registros, 14400);
  // round(h/144) > 10 first at h = 1513 (1512/144 = 10.5 rounds to even).
  EXPECT_EQ(r.passoTeste, 1513);
  EXPECT_EQ(r.malhas[1].series.PV.size(), 14400u);
  EXPECT_EQ(doc.simulacao.dt, 1.0);
  // The disturbance goes to every controller's bias, not to the set points.
  EXPECT_EQ(doc.ControladorDe(3)->Bias, 57);
  EXPECT_EQ(doc.ControladorDe(3)->SP, 20);
  EXPECT_EQ(doc.ControladorDe(1)->SP, 50);
  // Every percentage once, in order.
  ASSERT_EQ(progresso.size(), 101u);
  for (int p = 0; p <= 100; ++p) EXPECT_EQ(progresso[static_cast<std::size_t>(p)], p);
}

TEST_F(SimulacaoRapidaTest, WithoutTestSignalNothingIsAppliedAndIndicesAreStillComputed) {
  const ResultadoSimulacaoRapida r =
      SimulacaoRapida(doc.simulacao, {1800, 0.5, SinalTeste::Nenhum, 10, true});
  EXPECT_EQ(r.passos, 3600);
  EXPECT_EQ(r.registros, 1800);
  EXPECT_EQ(r.passoTeste, -1);
  EXPECT_EQ(doc.ControladorDe(1)->SP, 50);
  EXPECT_EQ(doc.ControladorDe(3)->Bias, 50);
  EXPECT_EQ(r.malhas[1].indices,
            CalculaIndices(r.malhas[1].series.PV, r.malhas[1].series.SP, r.malhas[1].series.MV));
  EXPECT_FALSE(r.malhas[1].indices[kIEMA].empty());
}

TEST_F(SimulacaoRapidaTest, EngineeringUnitsConvertPVAndSPWithThePVsRange) {
  doc.simulacao.memoria.DefineDescritor(21, {"kPa", "100", "300", "0", "300"});
  Documento outro;
  teste::IncluiMalha(outro, 1);
  teste::IncluiMalha(outro, 2, 40);
  outro.simulacao.memoria.DefineDescritor(21, {"kPa", "100", "300", "0", "300"});

  const OpcoesSimulacaoRapida opcoes{1800, 0.2, SinalTeste::DegrauSP, 10, true};
  OpcoesSimulacaoRapida engenharia = opcoes;
  engenharia.Normaliza = false;
  const ResultadoSimulacaoRapida pct = SimulacaoRapida(outro.simulacao, opcoes);
  const ResultadoSimulacaoRapida eng = SimulacaoRapida(doc.simulacao, engenharia);

  EXPECT_EQ(eng.malhas[1].escala.unidade, "kPa");
  EXPECT_EQ(eng.malhas[2].escala.unidade, "%");
  ASSERT_EQ(eng.malhas[1].series.PV.size(), pct.malhas[1].series.PV.size());
  for (std::size_t i = 0; i < pct.malhas[1].series.PV.size(); i += 97) {
    EXPECT_DOUBLE_EQ(eng.malhas[1].series.PV[i], 100 + 2 * pct.malhas[1].series.PV[i]);
    EXPECT_DOUBLE_EQ(eng.malhas[1].series.SP[i], 100 + 2 * pct.malhas[1].series.SP[i]);
  }
  EXPECT_EQ(eng.malhas[1].series.MV, pct.malhas[1].series.MV);
  EXPECT_EQ(eng.malhas[1].indices[kExcursaoCO], pct.malhas[1].indices[kExcursaoCO]);
  EXPECT_NE(eng.malhas[1].indices[kPVMinMax], pct.malhas[1].indices[kPVMinMax]);
}

// The run is scored at full precision; its history keeps two decimals, and a
// history loaded back is scored on those, the same each time it is loaded.
TEST_F(SimulacaoRapidaTest, TheRunIsScoredAtFullPrecisionItsHistoryOnWhatItHolds) {
  doc.simulacao.memoria.DefineDescritor(22, {"m3/h", "-20", "80", "0", "80"});
  for (const bool normaliza : {true, false}) {
    SCOPED_TRACE(normaliza);
    const OpcoesSimulacaoRapida opcoes{1800, 0.1, SinalTeste::DisturbioProcesso, 15, normaliza};
    GravadorTxd historico(pasta(), "Planta", CabecalhoTxd(doc.simulacao.memoria, 0.1, 1800));
    const ResultadoSimulacaoRapida run = SimulacaoRapida(doc.simulacao, opcoes, &historico);
    const HistoricoLido lido = LeHistoricoTxd(historico.Caminho(), doc.simulacao, normaliza);
    const HistoricoLido outra = LeHistoricoTxd(historico.Caminho(), doc.simulacao, normaliza);
    EXPECT_EQ(lido.linhasLidas, 1800u);
    EXPECT_EQ(lido.camposInvalidos, 0u);
    for (int k = 1; k <= 10; ++k) {
      const MalhaDesempenho& a = run.malhas[static_cast<std::size_t>(k)];
      const MalhaDesempenho& b = lido.malhas[static_cast<std::size_t>(k)];
      EXPECT_EQ(a.participa, b.participa) << k;
      EXPECT_EQ(a.escala.unidade, b.escala.unidade) << k;
      if (!a.participa) continue;
      ASSERT_EQ(a.series.PV.size(), b.series.PV.size()) << k;
      for (std::size_t i = 0; i < a.series.PV.size(); ++i) {
        EXPECT_EQ(ValorNoHistorico(a.series.MV[i]), b.series.MV[i]) << k << " " << i;
        if (normaliza) {
          EXPECT_EQ(ValorNoHistorico(a.series.PV[i]), b.series.PV[i]) << k << " " << i;
          EXPECT_EQ(ValorNoHistorico(a.series.SP[i]), b.series.SP[i]) << k << " " << i;
        } else {  // two decimals of % are a thousandth of the range at most
          EXPECT_NEAR(a.series.PV[i], b.series.PV[i], 0.0051) << k << " " << i;
          EXPECT_NEAR(a.series.SP[i], b.series.SP[i], 0.0051) << k << " " << i;
        }
      }
      EXPECT_EQ(a.indices, CalculaIndices(a.series.PV, a.series.SP, a.series.MV)) << k;
      EXPECT_EQ(b.indices, CalculaIndices(b.series.PV, b.series.SP, b.series.MV)) << k;
      // The same file loaded above and below gives identical columns.
      const MalhaDesempenho& c = outra.malhas[static_cast<std::size_t>(k)];
      EXPECT_EQ(b.series.PV, c.series.PV) << k;
      EXPECT_EQ(b.series.SP, c.series.SP) << k;
      EXPECT_EQ(b.series.MV, c.series.MV) << k;
      EXPECT_EQ(b.indices, c.indices) << k;
    }
  }
}

// 33.149 is 33.1 with one decimal; the history's 33.15 shows as 33.2.
TEST_F(SimulacaoRapidaTest, PVMinimumAndMaximumComeFromThePlottedValues) {
  doc.simulacao.blocos.Inclui(23, std::make_unique<Fixa>(doc.simulacao.memoria, 21, 33.149));
  GravadorTxd historico(pasta(), "Planta", CabecalhoTxd(doc.simulacao.memoria, 0.5, 60));
  const ResultadoSimulacaoRapida run =
      SimulacaoRapida(doc.simulacao, {60, 0.5, SinalTeste::Nenhum, 10, true}, &historico);
  EXPECT_EQ(run.malhas[1].series.PV.front(), 33.149);
  EXPECT_EQ(run.malhas[1].indices[kPVMinMax], " 33.1/ 33.1");
  EXPECT_EQ(run.malhas[1].indices[kIEM], "16.85");  // 50 − 33.149 = 16.851

  const HistoricoLido lido = LeHistoricoTxd(historico.Caminho(), doc.simulacao, true);
  EXPECT_EQ(lido.malhas[1].series.PV.front(), 33.15);
  EXPECT_EQ(lido.malhas[1].indices[kPVMinMax], " 33.2/ 33.2");
}

struct CasoPasso {
  double TA;
  const char* motivo;  // empty: accepted
};

TEST_F(SimulacaoRapidaTest, StepsThatCannotRecordEverySecondAreRefused) {
  const std::vector<CasoPasso> casos = {
      {0.0, "the step must lie in 0.001 ... 1 s, not 0 s"},
      {-0.1, "the step must lie in 0.001 ... 1 s, not -0.1 s"},
      {1.5, "the step must lie in 0.001 ... 1 s, not 1.5 s"},
      {0.0005, "the step must lie in 0.001 ... 1 s, not 0.0005 s"},
      {std::nan(""), "the step must lie in 0.001 ... 1 s"},
      {INFINITY, "the step must lie in 0.001 ... 1 s"},
      {0.3,
       "the step must divide one second (one record is taken per simulated second), "
       "not 0.3 s"},
      {0.15, "the step must divide one second"},
      {0.0011, "the step must divide one second"},
  };
  for (const CasoPasso& c : casos) {
    SCOPED_TRACE(c.TA);
    const OpcoesSimulacaoRapida opcoes{1800, c.TA, SinalTeste::Nenhum, 10, true};
    const auto problema = ProblemaDasOpcoes(opcoes);
    ASSERT_TRUE(problema.has_value());
    EXPECT_TRUE(problema->starts_with(c.motivo)) << *problema;
    // Refused before anything runs; the history that was started is removed.
    GravadorTxd historico(pasta(), "Planta", CabecalhoTxd(doc.simulacao.memoria, 0.1, 1800));
    try {
      SimulacaoRapida(doc.simulacao, opcoes, &historico);
      ADD_FAILURE() << "ran";
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(e.what(), *problema);
    }
    EXPECT_TRUE(Arquivos(pasta()).empty());
  }
  EXPECT_EQ(espiao->passos, 0);
  EXPECT_TRUE(ProblemaDasOpcoes({-1, 0.1, SinalTeste::Nenhum, 10, true})
                  ->starts_with("the window must not be negative"));

  // The finest and the coarsest steps, and some between them.
  for (const double ta : {0.001, 0.05, 0.125, 0.25, 1.0}) {
    SCOPED_TRACE(ta);
    EXPECT_EQ(ProblemaDasOpcoes({2, ta, SinalTeste::Nenhum, 10, true}), std::nullopt);
    const ResultadoSimulacaoRapida r =
        SimulacaoRapida(doc.simulacao, {2, ta, SinalTeste::Nenhum, 10, true});
    EXPECT_EQ(r.registros, 2);
    EXPECT_EQ(r.passos, std::llround(2 / ta));
  }
}

TEST_F(SimulacaoRapidaTest, AFailingStepEndsTheRunAndLeavesFastModeOff) {
  Bloco& b = doc.NovoBloco(1);
  b.Funcao = "M21^200";  // overflows once the level, rising from 0, is above 34.8
  b.AtualizaParametros(false);
  GravadorTxd historico(pasta(), "Caldeira", CabecalhoTxd(doc.simulacao.memoria, 0.1, 1800));
  EXPECT_FALSE(Arquivos(pasta()).empty());  // the temporary file, while it runs
  EXPECT_THROW(
      SimulacaoRapida(doc.simulacao, {1800, 0.1, SinalTeste::Nenhum, 10, true}, &historico), Erro);
  EXPECT_FALSE(doc.simulacao.ModoRapido);
  EXPECT_GT(espiao->passos, 10);  // it failed midway, with lines written
  // No history that looks complete, and no temporary file either.
  EXPECT_FALSE(historico.Nomeado());
  EXPECT_TRUE(Arquivos(pasta()).empty());
  EXPECT_THROW(historico.Fecha(), Erro);
}

}  // namespace
}  // namespace quiv
