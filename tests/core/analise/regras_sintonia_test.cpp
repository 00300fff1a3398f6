// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/regras_sintonia.h"

#include <gtest/gtest.h>

#include <string>

namespace quiv {
namespace {

// The worked example: K = 2 %/%, T = 10 s, L = 2 s, so r = L/T = 0.2 and
// R = K/T = 0.2 %/s per %. For the integrator: K = 0.05 %/s per %, L = 4 s.
const ModeloProcesso kPrimeiraOrdem{TipoModelo::PrimeiraOrdem, 2.0, 10.0, 2.0};
const ModeloProcesso kIntegrador{TipoModelo::Integrador, 0.05, 0.0, 4.0};

struct Exemplo {
  const char* nome;
  ModeloProcesso modelo;
  Regra regra;
  TipoControlador tipo;
  double Kc, Ti, Td;
};

class ExemploResolvido : public ::testing::TestWithParam<Exemplo> {};

TEST_P(ExemploResolvido, MatchesTheSourcesFormula) {
  const Exemplo& e = GetParam();
  const Sintonia s = CalculaSintonia(e.regra, e.tipo, e.modelo);
  ASSERT_TRUE(s.definida) << s.motivo;
  EXPECT_NEAR(s.Kc, e.Kc, 1e-5 * e.Kc);
  EXPECT_NEAR(s.Ti, e.Ti, 1e-5 * e.Ti);
  EXPECT_NEAR(s.Td, e.Td, 1e-5 * std::max(e.Td, 1.0));
  EXPECT_FALSE(s.acaoReversa);
}

constexpr auto PI = TipoControlador::PI;
constexpr auto PID = TipoControlador::PID;

INSTANTIATE_TEST_SUITE_P(
    Regras, ExemploResolvido,
    ::testing::Values(
        // IMC/lambda, λ = max(T, L) = 10:
        //   PI   Kc = T/(K(λ+L)) = 10/(2·12) = 0.416667, Ti = T = 10
        //   PID  Kc = (2T+L)/(K(2λ+L)) = 22/44 = 0.5, Ti = T + L/2 = 11,
        //        Td = TL/(2T+L) = 20/22 = 0.909091
        Exemplo{"ImcPI", kPrimeiraOrdem, Regra::IMC, PI, 0.416667, 10.0, 0.0},
        Exemplo{"ImcPID", kPrimeiraOrdem, Regra::IMC, PID, 0.5, 11.0, 0.909091},
        // SIMC, τc = L = 2: Kc = T/(K(τc+L)) = 10/8 = 1.25, Ti = min(10, 4·4) = 10
        Exemplo{"SimcPI", kPrimeiraOrdem, Regra::SIMC, PI, 1.25, 10.0, 0.0},
        // Ziegler–Nichols: PI Kc = 0.9/(R·L) = 0.9/0.4 = 2.25, Ti = L/0.3 = 6.666667
        //                  PID Kc = 1.2/0.4 = 3, Ti = 2L = 4, Td = 0.5L = 1
        Exemplo{"ZnPI", kPrimeiraOrdem, Regra::ZieglerNichols, PI, 2.25, 6.666667, 0.0},
        Exemplo{"ZnPID", kPrimeiraOrdem, Regra::ZieglerNichols, PID, 3.0, 4.0, 1.0},
        // Cohen–Coon, T/(K·L) = 2.5:
        //   PI   Kc = 2.5·(0.9 + 0.2/12) = 2.291667, Ti = 2·(30 + 0.6)/(9 + 4) = 4.707692
        //   PID  Kc = 2.5·(4/3 + 0.05) = 3.458333, Ti = 2·(32 + 1.2)/(13 + 1.6) = 4.547945,
        //        Td = 4·2/(11 + 0.4) = 0.701754
        Exemplo{"CohenCoonPI", kPrimeiraOrdem, Regra::CohenCoon, PI, 2.291667, 4.707692, 0.0},
        Exemplo{"CohenCoonPID", kPrimeiraOrdem, Regra::CohenCoon, PID, 3.458333, 4.547945,
                0.701754},
        // ITAE load: 0.2^−0.977 = 4.818298, 0.2^−0.680 = 2.987443, 0.2^−0.947 = 4.591183,
        // 0.2^−0.738 = 3.279743, 0.2^0.995 = 0.201616
        //   PI   Kc = 0.859·4.818298/2 = 2.069459, Ti = 10/(0.674·2.987443) = 4.966386
        //   PID  Kc = 1.357·4.591183/2 = 3.115118, Ti = 10/(0.842·3.279743) = 3.621163,
        //        Td = 10·0.381·0.201616 = 0.768157
        Exemplo{"ItaeLoadPI", kPrimeiraOrdem, Regra::ITAECarga, PI, 2.069459, 4.966386, 0.0},
        Exemplo{"ItaeLoadPID", kPrimeiraOrdem, Regra::ITAECarga, PID, 3.115118, 3.621163, 0.768157},
        // ITAE set point: 0.2^−0.916 = 4.367737, 0.2^−0.85 = 3.927575, 0.2^0.929 = 0.224211
        //   PI   Kc = 0.586·4.367737/2 = 1.279747, Ti = 10/(1.03 − 0.033) = 10.030090
        //   PID  Kc = 0.965·3.927575/2 = 1.895055, Ti = 10/(0.796 − 0.0293) = 13.042911,
        //        Td = 10·0.308·0.224211 = 0.690570
        Exemplo{"ItaeSpPI", kPrimeiraOrdem, Regra::ITAESP, PI, 1.279747, 10.030090, 0.0},
        Exemplo{"ItaeSpPID", kPrimeiraOrdem, Regra::ITAESP, PID, 1.895055, 13.042911, 0.690570},
        // Integrator, IMC/lambda with λ = 1/K = 20 (above 2L = 8):
        // Kc = (2λ+L)/(K(λ+L)²) = 44/(0.05·576) = 1.527778, Ti = 2λ + L = 44
        Exemplo{"ImcIntegratorPI", kIntegrador, Regra::IMC, PI, 1.527778, 44.0, 0.0},
        // SIMC, τc = L = 4: Kc = 1/(K(τc+L)) = 1/0.4 = 2.5, Ti = 4·8 = 32
        Exemplo{"SimcIntegratorPI", kIntegrador, Regra::SIMC, PI, 2.5, 32.0, 0.0},
        // Ziegler–Nichols with R = K = 0.05: PI Kc = 0.9/0.2 = 4.5, Ti = 4/0.3 = 13.333333;
        // PID Kc = 1.2/0.2 = 6, Ti = 8, Td = 2
        Exemplo{"ZnIntegratorPI", kIntegrador, Regra::ZieglerNichols, PI, 4.5, 13.333333, 0.0},
        Exemplo{"ZnIntegratorPID", kIntegrador, Regra::ZieglerNichols, PID, 6.0, 8.0, 2.0}),
    [](const auto& info) { return std::string(info.param.nome); });

struct Indefinido {
  const char* nome;
  ModeloProcesso modelo;
  Regra regra;
  TipoControlador tipo;
  const char* motivo;
  Ressalva ressalva;
};

class RegraIndefinida : public ::testing::TestWithParam<Indefinido> {};

TEST_P(RegraIndefinida, SaysWhyItGivesNoController) {
  const Indefinido& c = GetParam();
  const Sintonia s = CalculaSintonia(c.regra, c.tipo, c.modelo);
  EXPECT_FALSE(s.definida);
  EXPECT_NE(s.motivo.find(c.motivo), std::string::npos) << s.motivo;
  EXPECT_EQ(s.ressalva, c.ressalva);
}

const ModeloProcesso kSemTempoMorto{TipoModelo::PrimeiraOrdem, 2.0, 10.0, 0.0};

INSTANTIATE_TEST_SUITE_P(
    Casos, RegraIndefinida,
    ::testing::Values(Indefinido{"SimcPID", kPrimeiraOrdem, Regra::SIMC, PID,
                                 "second time constant", Ressalva::SimcSemDerivada},
                      Indefinido{"ImcIntegratorPID", kIntegrador, Regra::IMC, PID, "PI only",
                                 Ressalva::SoPIIntegrador},
                      Indefinido{"SimcIntegratorPID", kIntegrador, Regra::SIMC, PID,
                                 "second time constant", Ressalva::SimcSemDerivada},
                      Indefinido{"CohenCoonIntegrator", kIntegrador, Regra::CohenCoon, PI,
                                 "integrating", Ressalva::SemIntegrador},
                      Indefinido{"ItaeLoadIntegrator", kIntegrador, Regra::ITAECarga, PID,
                                 "integrating", Ressalva::SemIntegrador},
                      Indefinido{"ItaeSpIntegrator", kIntegrador, Regra::ITAESP, PI, "integrating",
                                 Ressalva::SemIntegrador},
                      Indefinido{"ZnWithoutDeadTime", kSemTempoMorto, Regra::ZieglerNichols, PI,
                                 "dead time", Ressalva::SemTempoMorto},
                      Indefinido{"CohenCoonWithoutDeadTime", kSemTempoMorto, Regra::CohenCoon, PID,
                                 "dead time", Ressalva::SemTempoMorto},
                      Indefinido{"ItaeWithoutDeadTime", kSemTempoMorto, Regra::ITAECarga, PI,
                                 "dead time", Ressalva::SemTempoMorto},
                      Indefinido{"SimcWithoutDeadTime", kSemTempoMorto, Regra::SIMC, PI,
                                 "dead time", Ressalva::SemTempoMortoNemTauC},
                      // T/Ti = 1.03 − 0.165·7 < 0: the set-point correlation runs out.
                      Indefinido{"ItaeSpLongDeadTime",
                                 {TipoModelo::PrimeiraOrdem, 1.0, 1.0, 7.0},
                                 Regra::ITAESP,
                                 PI,
                                 "too large",
                                 Ressalva::RazaoGrande},
                      Indefinido{"NoGain",
                                 {TipoModelo::PrimeiraOrdem, 0.0, 10.0, 2.0},
                                 Regra::IMC,
                                 PI,
                                 "no gain",
                                 Ressalva::SemGanho}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(RegrasSintonia, AFallingProcessKeepsTheGainPositiveAndReversesTheAction) {
  const ModeloProcesso negativo{TipoModelo::PrimeiraOrdem, -2.0, 10.0, 2.0};
  for (const Sintonia& s : TabelaSintonia(negativo)) {
    const Sintonia positivo = CalculaSintonia(s.regra, s.tipo, kPrimeiraOrdem);
    EXPECT_EQ(s.definida, positivo.definida);
    if (!s.definida) continue;
    EXPECT_TRUE(s.acaoReversa);
    EXPECT_DOUBLE_EQ(s.Kc, positivo.Kc);
    EXPECT_DOUBLE_EQ(s.Ti, positivo.Ti);
    EXPECT_DOUBLE_EQ(s.Td, positivo.Td);
  }
}

TEST(RegrasSintonia, TheClosedLoopTimeConstantsAreTheCallers) {
  OpcoesRegras opcoes;
  opcoes.lambda = 4.0;
  opcoes.tauC = 6.0;
  // IMC PI: 10/(2·(4 + 2)) = 0.833333; SIMC: 10/(2·8) = 0.625, Ti = min(10, 32) = 10
  const Sintonia imc = CalculaSintonia(Regra::IMC, PI, kPrimeiraOrdem, opcoes);
  EXPECT_NEAR(imc.Kc, 0.833333, 1e-6);
  EXPECT_DOUBLE_EQ(imc.constante, 4.0);
  const Sintonia simc = CalculaSintonia(Regra::SIMC, PI, kPrimeiraOrdem, opcoes);
  EXPECT_DOUBLE_EQ(simc.Kc, 0.625);
  EXPECT_DOUBLE_EQ(simc.constante, 6.0);
  // A slow process: SIMC's integral time is 4(τc + L), not T.
  const Sintonia lento = CalculaSintonia(Regra::SIMC, PI, {TipoModelo::PrimeiraOrdem, 1, 100, 2});
  EXPECT_DOUBLE_EQ(lento.Ti, 16.0);
  // A λ below 0.8·L is taken, with the source's caveat.
  OpcoesRegras apertado;
  apertado.lambda = 0.5 * kPrimeiraOrdem.L;
  const Sintonia rapido = CalculaSintonia(Regra::IMC, PID, kPrimeiraOrdem, apertado);
  EXPECT_TRUE(rapido.definida);
  EXPECT_EQ(rapido.ressalva, Ressalva::LambdaPequeno);
  EXPECT_NE(rapido.nota.find("0.8 L"), std::string::npos) << rapido.nota;
  // Defaults for an integrator: λ the larger of 1/K and 2L, so that one
  // without dead time still gets a controller (Kc = 2/(K·λ) = 2 there).
  const Sintonia semMorto =
      CalculaSintonia(Regra::IMC, PI, {TipoModelo::Integrador, 0.01, 0.0, 0.0});
  ASSERT_TRUE(semMorto.definida) << semMorto.motivo;
  EXPECT_DOUBLE_EQ(semMorto.constante, 100.0);
  EXPECT_NEAR(semMorto.Kc, 2.0, 1e-12);
  EXPECT_DOUBLE_EQ(
      CalculaSintonia(Regra::IMC, PI, {TipoModelo::Integrador, 0.05, 0.0, 30.0}).constante, 60.0);
  // Defaults: λ the larger of T and L.
  const Sintonia mortoLongo =
      CalculaSintonia(Regra::IMC, PI, {TipoModelo::PrimeiraOrdem, 1.0, 3.0, 7.0});
  EXPECT_DOUBLE_EQ(mortoLongo.constante, 7.0);
}

TEST(RegrasSintonia, ItaeNotesARatioOutsideItsFit) {
  EXPECT_EQ(CalculaSintonia(Regra::ITAECarga, PI, kPrimeiraOrdem).nota, "");
  const Sintonia fora =
      CalculaSintonia(Regra::ITAECarga, PI, {TipoModelo::PrimeiraOrdem, 1.0, 10.0, 20.0});
  EXPECT_TRUE(fora.definida);
  EXPECT_NE(fora.nota.find("L/T = 2.00"), std::string::npos) << fora.nota;
  EXPECT_EQ(fora.ressalva, Ressalva::RazaoForaDoAjuste);
}

TEST(RegrasSintonia, TheTableHoldsEveryRulePIThenPID) {
  const std::vector<Sintonia> tabela = TabelaSintonia(kPrimeiraOrdem);
  ASSERT_EQ(tabela.size(), 2 * kRegras.size());
  for (std::size_t i = 0; i < tabela.size(); ++i) {
    EXPECT_EQ(tabela[i].regra, kRegras[i / 2]);
    EXPECT_EQ(tabela[i].tipo, i % 2 == 0 ? PI : PID);
  }
}

TEST(RegrasSintonia, ShortNamesGoBothWays) {
  for (const Regra regra : kRegras) EXPECT_EQ(RegraDaChave(ChaveRegra(regra)), regra);
  EXPECT_FALSE(RegraDaChave("imc-pi"));
  EXPECT_FALSE(RegraDaChave(""));
}

}  // namespace
}  // namespace quiv
