// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/processo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

class ProcessoTest : public ::testing::Test {
 protected:
  ProcessoTest() {
    sim.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
  }

  // Applies the form and expects every check to pass.
  void Aplica() {
    ASSERT_TRUE(p->AtualizaParametros(true));
    ASSERT_TRUE(mensagens.empty());
  }
  // A block whose transfer function passes its input through (Tal1 = 0).
  void Transparente() {
    p->Tal1 = "0";
    Aplica();
  }
  // One step with the given input on M01; returns the output M21.
  double Passo(double entrada) {
    sim.memoria.celula[1] = entrada;
    p->Calcula();
    return sim.memoria.celula[21];
  }

  Simulacao sim;
  std::vector<std::string> mensagens;
  std::unique_ptr<Processo> p = std::make_unique<Processo>(sim, 1);
};

// ---- transfer functions ----

TEST_F(ProcessoTest, DefaultBlockIsABilinearFirstOrderLagOfTenSeconds) {
  Aplica();
  // First stage in bilinear form: dt·(x + previous x)/(2·T1 + dt).
  const double y1 = 0.1 * 50.0 / 20.1;
  EXPECT_DOUBLE_EQ(Passo(50.0), y1);
  const double y2 = (19.9 * y1 + 0.1 * (50.0 + 50.0)) / 20.1;
  EXPECT_DOUBLE_EQ(Passo(50.0), y2);
  // The first sample is averaged with the zero before it: half a step late.
  for (int i = 2; i < 100; ++i) Passo(50.0);  // 10 s
  EXPECT_NEAR(sim.memoria.celula[21], 50.0 * (1.0 - std::exp(-0.995)), 0.01);
  for (int i = 0; i < 900; ++i) Passo(50.0);  // 100 s
  EXPECT_NEAR(sim.memoria.celula[21], 50.0 * (1.0 - std::exp(-9.995)), 1e-6);
}

TEST_F(ProcessoTest, SecondLagIsBackwardDifferenceAndOnlyItIsClamped) {
  p->Tal1 = "0";
  p->Tal2 = "1";
  Aplica();
  EXPECT_DOUBLE_EQ(Passo(50.0), 0.1 * 50.0 / 1.1);
  // A first stage above 100 is not clamped; only the second is.
  p->Tal1 = "0";
  p->Tal2 = "0";
  EXPECT_DOUBLE_EQ(Passo(150.0), 100.0);
  EXPECT_DOUBLE_EQ(p->IntAc1, 150.0);
}

TEST_F(ProcessoTest, UnderdampedFollowsItsDifferenceEquation) {
  p->TipoFuncao = Processo::kSubamortecido;
  p->Tal1 = "0";
  Aplica();
  const double w = 6.283 / 10.0, z = 0.6, dt = 0.1;
  const double den = 1.0 + 2.0 * z * w * dt + w * w * dt * dt;
  const double y1 = w * w * dt * dt * 50.0 / den;
  EXPECT_NEAR(Passo(50.0), y1, 1e-12);
  const double y2 = ((2.0 + 2.0 * z * w * dt) * y1 + w * w * dt * dt * 50.0) / den;
  EXPECT_NEAR(Passo(50.0), y2, 1e-12);
  double maximo = 0.0;
  for (int i = 0; i < 400; ++i) maximo = std::max(maximo, Passo(50.0));
  EXPECT_GT(maximo, 50.5);  // it overshoots
  EXPECT_NEAR(sim.memoria.celula[21], 50.0, 0.01);
}

TEST_F(ProcessoTest, UnderdampedWithNcZeroStoredUsesDampingOne) {
  p->TipoFuncao = Processo::kSubamortecido;
  p->TextoNC = "0";
  EXPECT_FALSE(p->AtualizaParametros(false));
  EXPECT_EQ(p->NC, 0.0);  // stored although the check failed
  const double w = 6.283 / 10.0, dt = 0.1;
  const double den = 1.0 + 2.0 * w * dt + w * w * dt * dt;
  EXPECT_NEAR(Passo(50.0), w * w * dt * dt * 50.0 / den, 1e-12);
}

TEST_F(ProcessoTest, UnderdampedWithPeriodZeroPassesItsInputThrough) {
  p->TipoFuncao = Processo::kSubamortecido;
  p->TextoPeriodo = "0";
  Aplica();  // a period of 0 is accepted
  EXPECT_DOUBLE_EQ(Passo(40.0), 40.0);
  EXPECT_DOUBLE_EQ(Passo(60.0), 60.0);
}

TEST_F(ProcessoTest, LeadLagUsesThePreviousDelayedInput) {
  p->TipoFuncao = Processo::kLeadLag;
  p->Lead = "2";
  p->Lag = "1";
  Aplica();
  const double y1 = (2.1 * 10.0) / 1.1;
  EXPECT_DOUBLE_EQ(Passo(10.0), y1);
  EXPECT_DOUBLE_EQ(Passo(10.0), (1.0 * y1 + 2.1 * 10.0 - 2.0 * 10.0) / 1.1);
}

TEST_F(ProcessoTest, StageWithZeroDenominatorHoldsItsValue) {
  p->TipoFuncao = Processo::kLeadLag;
  p->Lag = "-0.1";  // dt + Lag = 0
  Aplica();
  p->Y1old = 7.0;
  EXPECT_DOUBLE_EQ(Passo(50.0), 7.0);
  EXPECT_TRUE(std::isfinite(sim.memoria.celula[21]));

  p->ConstanteTempoAtuador = "-0.1";  // Ta + dt = 0
  Aplica();
  p->Xa = 3.0;
  Passo(50.0);
  EXPECT_DOUBLE_EQ(p->Xa, 3.0);
}

TEST_F(ProcessoTest, IntegratorClampsItsStateAndIgnoresTheGainAtTheOutput) {
  p->TipoFuncao = Processo::kIntegrador;
  p->Ganho = "2";
  Aplica();
  EXPECT_DOUBLE_EQ(Passo(50.0), 10.0);  // K·dt·x, not multiplied by K again
  for (int i = 0; i < 20; ++i) Passo(50.0);
  EXPECT_DOUBLE_EQ(sim.memoria.celula[21], 100.0);
  EXPECT_DOUBLE_EQ(Passo(-50.0), 90.0);  // leaves the top at once
  for (int i = 0; i < 20; ++i) Passo(-50.0);
  EXPECT_DOUBLE_EQ(sim.memoria.celula[21], 0.0);
  EXPECT_DOUBLE_EQ(Passo(5.0), 1.0);
}

TEST_F(ProcessoTest, IntegratorRestartsOnlyFromAnEditedInitialValue) {
  p->TipoFuncao = Processo::kIntegrador;
  p->ValorInicial = "30";  // a field filled without an edit event
  Aplica();
  EXPECT_DOUBLE_EQ(p->Y1old, 0.0);

  p->DefineValorInicial("30,5");
  EXPECT_TRUE(p->InicialPendente);
  Aplica();
  EXPECT_FALSE(p->InicialPendente);
  EXPECT_DOUBLE_EQ(p->Y1old, 30.5);
  EXPECT_DOUBLE_EQ(Passo(10.0), 31.5);
  Aplica();  // no new edit: the integrator keeps going
  EXPECT_DOUBLE_EQ(Passo(10.0), 32.5);
}

TEST_F(ProcessoTest, InitialValueOnlyTakenByTheIntegrator) {
  p->DefineValorInicial("30");
  Aplica();  // type 0
  EXPECT_TRUE(p->InicialPendente);
  EXPECT_DOUBLE_EQ(p->Y1old, 0.0);
}

// ---- saturation and gain ----

struct CasoSaturacao {
  const char* ganho;
  bool desativado;
  double entrada;
  double saida;
};

class ProcessoSaturacaoTest : public ProcessoTest,
                              public ::testing::WithParamInterface<CasoSaturacao> {};

TEST_P(ProcessoSaturacaoTest, ClampActsBeforeTheGain) {
  const CasoSaturacao c = GetParam();
  p->Ganho = c.ganho;
  p->SaturadorDesligado = c.desativado;
  Transparente();
  EXPECT_DOUBLE_EQ(Passo(c.entrada), c.saida);
}

INSTANTIATE_TEST_SUITE_P(Processo, ProcessoSaturacaoTest,
                         ::testing::Values(CasoSaturacao{"2", false, 80.0, 160.0},
                                           CasoSaturacao{"2", false, 150.0, 200.0},
                                           CasoSaturacao{"2", true, 150.0, 300.0},
                                           CasoSaturacao{"2", false, -10.0, 0.0},
                                           CasoSaturacao{"2", true, -10.0, -20.0},
                                           CasoSaturacao{"-1", false, 50.0, -50.0},
                                           CasoSaturacao{"0.5", false, 100.0, 50.0}));

// ---- nonlinearities ----

TEST_F(ProcessoTest, HysteresisFollowsRisingBelowAndFallingExactly) {
  p->Histerese = "2";
  Transparente();
  const double entradas[] = {50.0, 49.0, 47.0, 48.0, 49.5, 51.0, 20.0};
  const double esperado[] = {48.0, 48.0, 47.0, 47.0, 47.5, 49.0, 20.0};
  for (int i = 0; i < 7; ++i) {
    Passo(entradas[i]);
    EXPECT_DOUBLE_EQ(p->Xh, esperado[i]) << "step " << i;
  }
}

TEST_F(ProcessoTest, HysteresisRoundsTheInputToOneDecimal) {
  p->Histerese = "1";
  Transparente();
  Passo(10.04);
  EXPECT_DOUBLE_EQ(p->Xh, 9.0);
  Passo(10.06);  // rounds to 10.1: rises by 0.1
  EXPECT_DOUBLE_EQ(p->Xh, 9.1);
}

TEST_F(ProcessoTest, StictionSticksAfterFiveQuietStepsAndBreaksAwayAtS) {
  p->Agarramento = "1";
  Transparente();
  p->Xf = p->Xfr = p->x5old = 50.0;
  for (int i = 0; i < 4; ++i) {
    Passo(50.0);
    EXPECT_FALSE(p->Agarrado) << "step " << i;
  }
  Passo(50.0);
  EXPECT_TRUE(p->Agarrado);
  EXPECT_DOUBLE_EQ(Passo(50.9), 50.0);  // within the stiction band
  EXPECT_TRUE(p->Agarrado);
  EXPECT_DOUBLE_EQ(Passo(51.0), 50.0);  // breaks away, still held this step
  EXPECT_FALSE(p->Agarrado);
  EXPECT_DOUBLE_EQ(Passo(51.0), 51.0);
}

TEST_F(ProcessoTest, NoStictionWithoutS) {
  Transparente();
  p->Xf = p->Xfr = p->x5old = 50.0;
  for (int i = 0; i < 20; ++i) Passo(50.0);
  EXPECT_FALSE(p->Agarrado);
  EXPECT_DOUBLE_EQ(Passo(50.5), 50.5);
}

TEST_F(ProcessoTest, RateLimitMovesAtMostRateTimesDtAndLandsExactly) {
  p->LimiteTaxa = "10";
  Transparente();
  EXPECT_DOUBLE_EQ(Passo(2.5), 1.0);
  EXPECT_DOUBLE_EQ(Passo(2.5), 2.0);
  EXPECT_DOUBLE_EQ(Passo(2.5), 2.5);
  p->LimiteTaxa = "-20";  // live; only the magnitude counts
  EXPECT_DOUBLE_EQ(Passo(0.0), 0.5);
  p->LimiteTaxa = "0";  // no limit
  EXPECT_DOUBLE_EQ(Passo(90.0), 90.0);
}

struct CasoCurva {
  int tipo;
  double x, y;
};

class ProcessoCurvaTest : public ::testing::TestWithParam<CasoCurva> {};

TEST_P(ProcessoCurvaTest, ValuesAreNotClamped) {
  const CasoCurva c = GetParam();
  EXPECT_NEAR(Processo::CurvaGanho(c.tipo, c.x), c.y, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(Processo, ProcessoCurvaTest,
                         ::testing::Values(CasoCurva{0, 37.0, 37.0}, CasoCurva{1, 0, -2.8065},
                                           CasoCurva{1, 50, 77.105}, CasoCurva{1, 100, 100.0},
                                           CasoCurva{2, 0, -0.2268}, CasoCurva{2, 50, 22.0937},
                                           CasoCurva{2, 100, 99.9997}, CasoCurva{3, 0, 0.0},
                                           CasoCurva{3, 50, 50.0016}, CasoCurva{3, 100, 100.0031},
                                           CasoCurva{4, 0, 0.971}, CasoCurva{4, 50, 50.0},
                                           CasoCurva{4, 100, 99.029}, CasoCurva{9, 12.0, 12.0}));

TEST_F(ProcessoTest, CurveActsOnTheRateLimitedValueAndOnlyTheTransferFunctionClamps) {
  p->TipoValvula = Processo::kCurvaS2;
  p->LimiteTaxa = "10";
  Transparente();
  EXPECT_DOUBLE_EQ(Passo(50.0), Processo::CurvaGanho(Processo::kCurvaS2, 1.0));

  p->TipoValvula = Processo::kAberturaRapida;
  p->LimiteTaxa = "0";
  Aplica();
  EXPECT_DOUBLE_EQ(Passo(0.0), 0.0);
  EXPECT_NEAR(sim.memoria.PosicaoAtuador(1), -2.8065, 5e-4);
}

TEST_F(ProcessoTest, ActuatorLagIsBackwardDifference) {
  p->ConstanteTempoAtuador = "1";
  Transparente();
  EXPECT_DOUBLE_EQ(Passo(50.0), 0.1 / 1.1 * 50.0);
  EXPECT_DOUBLE_EQ(sim.memoria.PosicaoAtuador(1), p->Xa);
}

// ---- dead time ----

struct CasoPassos {
  double D, dt;
  int passos;
};

class ProcessoPassosTempoMortoTest : public ::testing::TestWithParam<CasoPassos> {};

TEST_P(ProcessoPassosTempoMortoTest, RoundsHalfToEvenAndStaysInTheRing) {
  const CasoPassos c = GetParam();
  EXPECT_EQ(Processo::PassosTempoMorto(c.D, c.dt), c.passos);
}

INSTANTIATE_TEST_SUITE_P(
    Processo, ProcessoPassosTempoMortoTest,
    ::testing::Values(CasoPassos{2.5, 0.1, 25}, CasoPassos{0.0, 0.1, 0}, CasoPassos{0.04, 0.1, 0},
                      CasoPassos{0.25, 0.5, 0}, CasoPassos{0.75, 0.5, 2},
                      CasoPassos{999.9, 0.1, 9999}, CasoPassos{1000.0, 0.1, 9999},
                      CasoPassos{1e300, 0.1, 9999}, CasoPassos{-1.0, 0.1, 0},
                      CasoPassos{1.0, 0.0, 9999}, CasoPassos{0.0, 0.0, 0},
                      CasoPassos{std::numeric_limits<double>::quiet_NaN(), 0.1, 0}));

TEST_F(ProcessoTest, DeadTimeDelaysByRoundedSteps) {
  p->TempoMorto = "2.5";
  p->SaturadorDesligado = true;
  Transparente();
  for (int i = 1; i <= 60; ++i) {
    const double saida = Passo(i);
    EXPECT_DOUBLE_EQ(saida, i > 25 ? i - 25 : 0.0) << "step " << i;
    EXPECT_DOUBLE_EQ(sim.memoria.PosicaoAtuador(1), i);  // the actuator is not delayed
  }
}

TEST_F(ProcessoTest, DeadTimeFollowsItsExpressionAndIsHeldInsideTheRing) {
  p->TempoMorto = "M02";
  p->SaturadorDesligado = true;
  Transparente();
  sim.memoria.celula[2] = 5000.0;  // 50 000 steps: held at 9 999
  for (int i = 1; i <= 10005; ++i) {
    const double saida = Passo(i);
    if (i >= 9990) {
      EXPECT_DOUBLE_EQ(saida, i > 9999 ? i - 9999 : 0.0) << "step " << i;
    }
  }
  sim.memoria.celula[2] = -3.0;  // negative during a run: no delay
  EXPECT_DOUBLE_EQ(Passo(7.0), 7.0);
  sim.memoria.celula[2] = 0.3;
  EXPECT_DOUBLE_EQ(Passo(8.0), 10004.0);  // three steps back, across the wrap
}

TEST_F(ProcessoTest, ZeroDeadTimeReadsTheValueJustWritten) {
  Transparente();
  EXPECT_DOUBLE_EQ(Passo(33.0), 33.0);
  EXPECT_EQ(p->IndTM, 1);
}

// ---- live and applied parameters ----

TEST_F(ProcessoTest, LiveFieldsActAtOnceAppliedOnesOnlyAfterApply) {
  Transparente();
  p->Ganho = "3";
  p->Histerese = "5";
  p->TipoFuncao = Processo::kIntegrador;
  EXPECT_DOUBLE_EQ(Passo(40.0), 40.0);  // nothing applied yet

  p->Tal1 = "10";  // live: the lag starts at once
  EXPECT_DOUBLE_EQ(Passo(40.0), (19.9 * 40.0 + 0.1 * (40.0 + 40.0)) / 20.1);

  Aplica();
  EXPECT_EQ(p->TextoGanho(), "3");
  EXPECT_EQ(p->TipoFT, Processo::kIntegrador);
  EXPECT_DOUBLE_EQ(p->H, 5.0);
}

TEST_F(ProcessoTest, GainIsEvaluatedEveryStep) {
  p->Ganho = "M02*2";
  Transparente();
  sim.memoria.celula[2] = 1.5;
  EXPECT_DOUBLE_EQ(Passo(10.0), 30.0);
  sim.memoria.celula[2] = 0.5;
  EXPECT_DOUBLE_EQ(Passo(10.0), 10.0);
}

TEST_F(ProcessoTest, OverflowInAStepEndsTheStepWithErro) {
  p->Ganho = "10^400";
  EXPECT_FALSE(p->AtualizaParametros(false));
  EXPECT_THROW(Passo(1.0), Erro);
}

// A finite gain whose product leaves the range is an overflow too: nothing
// infinite reaches the plant.
TEST_F(ProcessoTest, AnOutputBeyondTheRangeIsAnOverflowAndIsNotWritten) {
  p->Ganho = "1E+308";
  Transparente();
  sim.memoria.celula[21] = 7.0;
  sim.memoria.celula[1] = 50.0;
  try {
    p->Calcula();
    FAIL() << "no Erro";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(), kMensagemEstouro);
  }
  EXPECT_EQ(sim.memoria.celula[21], 7.0);
  EXPECT_TRUE(std::isfinite(sim.memoria.PosicaoAtuador(1)));
}

TEST_F(ProcessoTest, LastBlocksWriteM71To74AndTheirActuatorEntry) {
  Processo q(sim, 21);
  q.Tal1 = "0";
  q.ItemEntrada = 4;  // M05
  ASSERT_TRUE(q.AtualizaParametros(true));
  sim.memoria.celula[5] = 12.0;
  q.Calcula();
  EXPECT_DOUBLE_EQ(sim.memoria.celula[71], 12.0);
  EXPECT_DOUBLE_EQ(sim.memoria.PosicaoAtuador(21), 12.0);
  EXPECT_EQ(q.Identidade(), 71);
}

// ---- checks and messages ----

struct CasoVerificacao {
  const char* nome;
  void (*prepara)(Processo&);
  std::vector<std::string> mensagens;
};

class ProcessoVerificacaoTest : public ProcessoTest,
                                public ::testing::WithParamInterface<CasoVerificacao> {};

TEST_P(ProcessoVerificacaoTest, EachFailedCheckGivesItsMessageInOrder) {
  GetParam().prepara(*p);
  EXPECT_FALSE(p->AtualizaParametros(true));
  EXPECT_EQ(mensagens, GetParam().mensagens);
  mensagens.clear();
  EXPECT_FALSE(p->AtualizaParametros(false));
  EXPECT_TRUE(mensagens.empty());
}

const std::string P = "Processo 21";

INSTANTIATE_TEST_SUITE_P(
    Processo, ProcessoVerificacaoTest,
    ::testing::Values(
        CasoVerificacao{"SemEntrada",
                        [](Processo& b) {
                          b.ItemEntrada = -1;
                          b.Ganho = "x";
                        },
                        {P + ": Variável de entrada não informada"}},
        CasoVerificacao{"Ganho", [](Processo& b) { b.Ganho = "2x"; }, {P + ": Ganho inválido"}},
        CasoVerificacao{
            "GanhoEstoura", [](Processo& b) { b.Ganho = "1E400"; }, {P + ": Ganho inválido"}},
        CasoVerificacao{"TempoMortoNegativo",
                        [](Processo& b) { b.TempoMorto = "-0.1"; },
                        {P + ": Tempo Morto inválido"}},
        CasoVerificacao{"TempoMortoTexto",
                        [](Processo& b) { b.TempoMorto = "dois"; },
                        {P + ": Tempo Morto inválido"}},
        CasoVerificacao{"Tal1Tal2",
                        [](Processo& b) {
                          b.Tal1 = "a";
                          b.Tal2 = "b";
                        },
                        {P + ": Tal1 inválido", P + ": Tal2 inválido"}},
        CasoVerificacao{"LagLead",
                        [](Processo& b) {
                          b.TipoFuncao = Processo::kLeadLag;
                          b.Lead = "a";
                          b.Lag = "b";
                          b.Tal1 = "bad, not checked for this type";
                        },
                        {P + ": LAG inválido", P + ": LEAD inválido"}},
        CasoVerificacao{"NCTextoPeriodo",
                        [](Processo& b) {
                          b.TipoFuncao = Processo::kSubamortecido;
                          b.TextoNC = "x";
                          b.TextoPeriodo = "1.2.3";
                        },
                        {P + ": NCn inválido", P + ": Periodo inválido"}},
        CasoVerificacao{"NCZero",
                        [](Processo& b) {
                          b.TipoFuncao = Processo::kSubamortecido;
                          b.TextoNC = "0,0";
                        },
                        {P + ": NCn inválido"}},
        CasoVerificacao{"NumerosDaValvula",
                        [](Processo& b) {
                          b.Histerese = "";
                          b.LimiteTaxa = "q";
                          b.Agarramento = "1e";
                          b.ConstanteTempoAtuador = "M01";
                          b.TextoNC = "x";  // type 0: not read
                        },
                        {P + ": Histerese inválida", P + ": Rate inválido",
                         P + ": Agarramento inválido", P + ": Constante de tempo inválido"}},
        CasoVerificacao{"Todas",
                        [](Processo& b) {
                          b.Ganho = "g";
                          b.TempoMorto = "-1";
                          b.TipoFuncao = Processo::kLeadLag;
                          b.Lag = "?";
                          b.Lead = "?";
                          b.Histerese = "h";
                          b.LimiteTaxa = "r";
                          b.Agarramento = "s";
                          b.ConstanteTempoAtuador = "t";
                        },
                        {P + ": Ganho inválido", P + ": Tempo Morto inválido", P + ": LAG inválido",
                         P + ": LEAD inválido", P + ": Histerese inválida", P + ": Rate inválido",
                         P + ": Agarramento inválido", P + ": Constante de tempo inválido"}}),
    [](const ::testing::TestParamInfo<CasoVerificacao>& info) {
      return std::string(info.param.nome);
    });

TEST_F(ProcessoTest, MessagesNameTheOutputAddress) {
  const std::pair<int, const char*> casos[] = {{20, "Processo 40: Ganho inválido"},
                                               {21, "Processo 71: Ganho inválido"},
                                               {24, "Processo 74: Ganho inválido"}};
  for (const auto& [n, texto] : casos) {
    Processo q(sim, n);
    q.Ganho = "x";
    mensagens.clear();
    EXPECT_FALSE(q.AtualizaParametros(true));
    EXPECT_EQ(mensagens, std::vector<std::string>{texto});
  }
}

TEST_F(ProcessoTest, ValuesReadAreInForceEvenWhenACheckFails) {
  p->ItemEntrada = 6;
  p->Ganho = "bad";
  p->Histerese = "2";
  p->TipoValvula = Processo::kCurvaS1;
  p->ConstanteTempoAtuador = "x";
  EXPECT_FALSE(p->AtualizaParametros(false));
  EXPECT_EQ(p->Entrada, 7);
  EXPECT_EQ(p->TextoGanho(), "bad");
  EXPECT_DOUBLE_EQ(p->H, 2.0);
  EXPECT_EQ(p->TipoCurva, Processo::kCurvaS1);
  EXPECT_DOUBLE_EQ(p->Ta, 0.0);  // no number: the previous value stays
}

TEST_F(ProcessoTest, WithoutInputNothingElseIsRead) {
  p->ItemEntrada = -1;
  p->Ganho = "5";
  p->Histerese = "3";
  EXPECT_FALSE(p->AtualizaParametros(false));
  EXPECT_EQ(p->TextoGanho(), "1");
  EXPECT_DOUBLE_EQ(p->H, 0.0);
  p->ItemEntrada = 99;  // beyond the 99 items of the picker
  EXPECT_FALSE(p->AtualizaParametros(false));
  EXPECT_EQ(p->Entrada, 1);
}

struct CasoNumero {
  const char* texto;
  bool valido;
  double valor;
};

class ProcessoNumeroTest : public ProcessoTest, public ::testing::WithParamInterface<CasoNumero> {};

TEST_P(ProcessoNumeroTest, NumberFieldsAcceptPlainDecimalsWithCommaOrPoint) {
  const CasoNumero c = GetParam();
  p->H = -7.0;
  p->Histerese = c.texto;
  EXPECT_EQ(p->AtualizaParametros(false), c.valido);
  EXPECT_DOUBLE_EQ(p->H, c.valido ? c.valor : -7.0);
}

INSTANTIATE_TEST_SUITE_P(
    Processo, ProcessoNumeroTest,
    ::testing::Values(
        CasoNumero{"2", true, 2.0}, CasoNumero{"2,5", true, 2.5}, CasoNumero{" 1.5 ", true, 1.5},
        CasoNumero{"-1", true, -1.0}, CasoNumero{"+3", true, 3.0}, CasoNumero{"1e1", true, 10.0},
        CasoNumero{"2,5E-1", true, 0.25}, CasoNumero{".5", true, 0.5}, CasoNumero{"5.", true, 5.0},
        CasoNumero{"", false, 0}, CasoNumero{"abc", false, 0}, CasoNumero{"1.2.3", false, 0},
        CasoNumero{"1,2,3", false, 0}, CasoNumero{"1e", false, 0}, CasoNumero{"1E400", false, 0},
        CasoNumero{"1 2", false, 0}, CasoNumero{"2*3", false, 0}, CasoNumero{"-", false, 0}));

// ---- identification ----

TEST_F(ProcessoTest, SuccessfulApplyWritesTheIdentification) {
  Processo q(sim, 22);
  q.Tag = "LT-1";
  q.Descricao = "Nível do tanque";
  ASSERT_TRUE(q.AtualizaParametros(true));
  EXPECT_EQ(sim.memoria.DescricaoEndereco[72], "Nível do tanque");
  EXPECT_EQ(q.Identificacao, "LT-1 Nível do tanque");
  EXPECT_EQ(q.RotuloSaida, "(M72)");
  EXPECT_EQ(q.RotuloPosicaoAtuador, "(M122)");
  EXPECT_EQ(q.Caption, "Nível do tanque");

  q.Descricao = "outra";
  q.Ganho = "?";
  EXPECT_FALSE(q.AtualizaParametros(false));
  EXPECT_EQ(sim.memoria.DescricaoEndereco[72], "Nível do tanque");
  EXPECT_EQ(q.Caption, "Nível do tanque");

  q.CarregaDescricao();
  EXPECT_EQ(q.Descricao, "Nível do tanque");
}

TEST_F(ProcessoTest, DescriptionIsCutTo255Characters) {
  p->Descricao = std::string(250, 'a') + "çççççççççç";
  Aplica();
  EXPECT_EQ(sim.memoria.DescricaoEndereco[21], std::string(250, 'a') + "ççççç");
  EXPECT_EQ(p->RotuloSaida, "(M21)");
  EXPECT_EQ(p->RotuloPosicaoAtuador, "(M101)");
}

}  // namespace
}  // namespace quiv
