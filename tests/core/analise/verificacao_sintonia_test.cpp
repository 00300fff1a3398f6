// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/verificacao_sintonia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <span>
#include <string>

#include "core/analise/ensaio_degrau.h"
#include "core/analise/identificacao.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "planta_degrau.h"

namespace quiv {
namespace {

FabricaCopia Fabrica(const Documento& doc) {
  return [&doc] { return CopiaSimulacao(doc); };
}

// The last fifth of a series: its spread and its mean.
void Cauda(const std::vector<double>& v, double& amplitude, double& media) {
  const std::span<const double> cauda = std::span<const double>(v).last(v.size() / 5);
  const auto [menor, maior] = std::minmax_element(cauda.begin(), cauda.end());
  amplitude = *maior - *menor;
  media = std::accumulate(cauda.begin(), cauda.end(), 0.0) / static_cast<double>(cauda.size());
}

// The example's flow loop, tuned by IMC from its own step test: with the new
// settings a set-point step settles on the set point, with no oscillation
// left at the end of the window.
TEST(VerificacaoSintonia, ImcSettingsSettleTheExampleFlowLoop) {
  Documento doc;
  ASSERT_TRUE(LeSimulacao(doc, std::filesystem::path(QUIV_PASTA_FONTE) / "examples" /
                                   "basic flow loop" / "basic flow loop.smp"));
  const double kcAntes = doc.ControladorDe(1)->Kc;
  const ResultadoEnsaio ensaio = EnsaioDegrau(Fabrica(doc), 1, {});
  const ResultadoIdentificacao id = IdentificaModelo(ensaio);
  const Sintonia s = CalculaSintonia(Regra::IMC, TipoControlador::PI, id.modelo);
  ASSERT_TRUE(s.definida);
  const ParametrosControlador p = ParaControlador(s, *doc.ControladorDe(1));

  OpcoesVerificacao opcoes;
  opcoes.janela = JanelaVerificacao(id.modelo, s);
  const ResultadoVerificacao v = VerificaSintonia(Fabrica(doc), 1, p, opcoes);

  const SeriesMalha& sp = v.spDepois.series;
  ASSERT_EQ(sp.PV.size(), static_cast<std::size_t>(opcoes.janela));
  double amplitude = 0.0, media = 0.0;
  Cauda(sp.PV, amplitude, media);
  EXPECT_LT(amplitude, 0.05);
  EXPECT_NEAR(media, sp.SP.back(), 0.05);
  EXPECT_NEAR(sp.SP.back(), sp.SP.front() + 10.0, 1e-9);
  // The load step is rejected too.
  Cauda(v.cargaDepois.series.PV, amplitude, media);
  EXPECT_LT(amplitude, 0.05);
  EXPECT_NEAR(media, v.cargaDepois.series.SP.back(), 0.05);
  // The new settings changed the loop's answer; the live plant kept its own.
  EXPECT_NE(v.spAntes.series.MV, v.spDepois.series.MV);
  EXPECT_NE(v.spAntes.indices, v.spDepois.indices);
  EXPECT_DOUBLE_EQ(doc.ControladorDe(1)->Kc, kcAntes);
}

TEST(VerificacaoSintonia, ALoopInManualIsClosedAtRest) {
  Documento doc;
  // No dead time: a copy's ring would start full of the block's output.
  teste::IncluiMalhaPrimeiraOrdem(doc, 1.5, 20.0, 0.0, 40.0);
  // Let the live plant settle in manual at 60 %, away from its SP of 50.
  doc.simulacao.dt = 0.5;
  for (int i = 0; i < 600; ++i) doc.simulacao.PassoObjetos();
  ASSERT_NEAR(doc.simulacao.memoria.celula[21], 60.0, 0.01);
  const Sintonia s =
      CalculaSintonia(Regra::IMC, TipoControlador::PI, {TipoModelo::PrimeiraOrdem, 1.5, 20.0, 0.5});
  const ResultadoVerificacao v =
      VerificaSintonia(Fabrica(doc), 1, ParaControlador(s, true), OpcoesVerificacao{});
  // Before the set-point step (a little after 10 % of the window) the loop
  // holds where it stood, SP there too: closed without a bump.
  for (const RodadaVerificacao* r : {&v.spAntes, &v.spDepois}) {
    EXPECT_NEAR(r->series.SP.front(), 60.0, 0.5);
    EXPECT_NEAR(r->series.PV.front(), r->series.SP.front(), 0.05);
    EXPECT_NEAR(r->series.PV[150], r->series.SP.front(), 0.05);
    EXPECT_NEAR(r->series.SP.back(), r->series.SP.front() + 10.0, 1e-9);
  }
}

// A copy starts where its plant stands, dead times included: with or without
// the settling, the PV holds its set point until the step.
TEST(VerificacaoSintonia, ACopyStartsWhereThePlantStands) {
  Documento doc;
  Controlador& c = teste::IncluiMalhaPrimeiraOrdem(doc, 1.5, 20.0, 5.0, 40.0);
  c.TextoKp = "0.5";
  c.TextoTi = "20";
  c.AtualizaParametros(false);
  c.SP = 60.0;
  c.AlternaAutoManual();
  doc.simulacao.dt = 0.1;
  for (int i = 0; i < 6000; ++i) doc.simulacao.PassoObjetos();
  ASSERT_NEAR(doc.simulacao.memoria.celula[21], 60.0, 0.01);
  const ParametrosControlador p = ParaControlador(
      CalculaSintonia(Regra::SIMC, TipoControlador::PI, {TipoModelo::PrimeiraOrdem, 1.5, 20, 5}),
      true);

  auto extremosAntesDoDegrau = [](const RodadaVerificacao& r) {
    return std::minmax_element(r.series.PV.begin(), r.series.PV.begin() + 150);
  };
  for (const double assentamento : {0.0, 400.0}) {
    SCOPED_TRACE(assentamento);
    OpcoesVerificacao opcoes;
    opcoes.assentamento = assentamento;
    const ResultadoVerificacao v = VerificaSintonia(Fabrica(doc), 1, p, opcoes);
    for (const RodadaVerificacao* r : {&v.spAntes, &v.spDepois}) {
      const auto [menor, maior] = extremosAntesDoDegrau(*r);
      EXPECT_GT(*menor, 59.95);
      EXPECT_LT(*maior, 60.05);
      EXPECT_NEAR(r->series.SP.back(), 70.0, 1e-9);
    }
  }
}

TEST(VerificacaoSintonia, SettingsTheControllerRefusesAreAnError) {
  Documento doc;
  teste::IncluiMalhaPrimeiraOrdem(doc, 1.5, 20.0, 2.0);
  const Sintonia s =
      CalculaSintonia(Regra::IMC, TipoControlador::PI, {TipoModelo::PrimeiraOrdem, 1, 1, 1});
  ParametrosControlador p = ParaControlador(s, true);
  EXPECT_NO_THROW(VerificaSintonia(Fabrica(doc), 1, p, {}));
  EXPECT_THROW(VerificaSintonia(Fabrica(doc), 2, p, {}), Erro);  // no controller 2
  p.TextoKp = "x";
  EXPECT_THROW(VerificaSintonia(Fabrica(doc), 1, p, {}), Erro);
}

struct CasoJanela {
  ModeloProcesso modelo;
  double Ti;
  int janela;
};

class Janela : public ::testing::TestWithParam<CasoJanela> {};

TEST_P(Janela, HoldsThirtyResponses) {
  Sintonia s;
  s.definida = true;
  s.Ti = GetParam().Ti;
  EXPECT_EQ(JanelaVerificacao(GetParam().modelo, s), GetParam().janela);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Janela,
    ::testing::Values(CasoJanela{{TipoModelo::PrimeiraOrdem, 1, 2, 0.5}, 2, 1800},     // 75 s
                      CasoJanela{{TipoModelo::PrimeiraOrdem, 1, 50, 10}, 40, 1800},    // 1800 s
                      CasoJanela{{TipoModelo::PrimeiraOrdem, 1, 50, 10}, 60, 3600},    // 2100 s
                      CasoJanela{{TipoModelo::PrimeiraOrdem, 1, 100, 10}, 100, 3600},  // 3300 s
                      CasoJanela{{TipoModelo::PrimeiraOrdem, 1, 200, 50}, 200, 14400},
                      CasoJanela{{TipoModelo::Integrador, 0.01, 0, 5}, 40, 1800},  // 1350 s
                      CasoJanela{{TipoModelo::PrimeiraOrdem, 1, 1000, 100}, 900, 14400}));

}  // namespace
}  // namespace quiv
