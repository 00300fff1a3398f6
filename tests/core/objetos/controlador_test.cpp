// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/controlador.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"

namespace quiv {
namespace {

// Controller 1 measuring M21, in the default configuration once applied:
// Kc 1, Ti 10 s, Td 0, a 1, bias 50, ISA, direct response, D on the PV.
class ControladorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
    c.ItemPV = 20;
  }
  void Aplica() { ASSERT_TRUE(c.AtualizaParametros(true)) << Mensagens(); }
  std::string Mensagens() const {
    std::string t;
    for (const auto& m : mensagens) t += m + "\n";
    return t;
  }
  double& M(int k) { return s.memoria.celula[k]; }
  void Automatico() {
    if (!c.ModoAuto) c.AlternaAutoManual();
  }

  Simulacao s;
  Controlador c{s, 1};
  std::vector<std::string> mensagens;
};

// --- the PID law -----------------------------------------------------------

TEST_F(ControladorTest, SteadyWhenSPEqualsPVAndIntegratesAConstantError) {
  Aplica();
  M(21) = 50;
  c.SP = 50;
  c.CO = 50;
  Automatico();
  for (int i = 0; i < 5; ++i) c.Calcula();
  EXPECT_DOUBLE_EQ(M(1), 50);
  EXPECT_DOUBLE_EQ(c.I, 0);

  c.SP = 60;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.P, 10);
  EXPECT_DOUBLE_EQ(c.I, 0.1);
  EXPECT_DOUBLE_EQ(M(1), 60.1);
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.I, 0.2);
  EXPECT_DOUBLE_EQ(M(1), 60.2);
  EXPECT_DOUBLE_EQ(M(61), 60);
}

TEST_F(ControladorTest, ResponseDirectionSetsTheSignOfTheError) {
  struct Caso {
    int acao;
    double e;
  };
  for (const Caso caso : {Caso{1, 10}, Caso{0, -10}}) {
    Controlador k(s, 2);
    k.ItemPV = 20;
    k.ItemAcao = caso.acao;
    ASSERT_TRUE(k.AtualizaParametros(false));
    M(21) = 40;
    k.SP = 50;
    k.AlternaAutoManual();
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.e, caso.e) << caso.acao;
    EXPECT_DOUBLE_EQ(k.P, caso.e) << caso.acao;
    EXPECT_DOUBLE_EQ(k.I, caso.e * 0.1 / 10) << caso.acao;
  }
}

TEST_F(ControladorTest, ErrorAndPUseThePVAndSPBeforeClamping) {
  c.TextoKp = "0.5";
  Aplica();
  Automatico();
  M(21) = 120;
  c.SP = 130;  // as the fast simulation may write it
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.e, 10);
  EXPECT_DOUBLE_EQ(c.P, 5);
  EXPECT_DOUBLE_EQ(c.SP, 100);
  EXPECT_DOUBLE_EQ(M(61), 100);
  EXPECT_DOUBLE_EQ(c.PV, 100);
  EXPECT_EQ(c.BarraPV, 200);

  M(21) = -5;
  c.SP = 10;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.e, 15);
  EXPECT_DOUBLE_EQ(c.PV, 0);
  M(21) = std::nan("");
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.PV, 0);
}

TEST_F(ControladorTest, ControllerNPublishesToItsOwnAddresses) {
  Controlador k(s, 3);
  k.ItemPV = 20;
  k.TextoTi = "0";
  ASSERT_TRUE(k.AtualizaParametros(false));
  k.AlternaAutoManual();
  M(21) = 42;
  k.SP = 45;
  k.Calcula();
  EXPECT_DOUBLE_EQ(M(3), 53);
  EXPECT_DOUBLE_EQ(M(63), 45);
  EXPECT_DOUBLE_EQ(M(1), 0);
  EXPECT_DOUBLE_EQ(M(61), 0);
}

TEST_F(ControladorTest, SetPointWeightZeroKeepsPOffTheSetPoint) {
  c.TextoFatorA = "0";
  Aplica();
  Automatico();
  M(21) = 50;
  c.SP = 50;
  c.Calcula();
  const double p = c.P;
  c.SP = 70;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.P, p);
  EXPECT_DOUBLE_EQ(c.P, -50);
  EXPECT_DOUBLE_EQ(c.I, 20 * 0.1 / 10);
}

TEST_F(ControladorTest, PAndDAreClampedBeforeTheSum) {
  struct Caso {
    const char* kp;
    double pv, sp;
    double p;
  };
  for (const Caso caso : {Caso{"5", 20, 50, 100}, Caso{"5", 80, 50, -100}, Caso{"2", 20, 50, 60}}) {
    Controlador k(s, 2);
    k.ItemPV = 20;
    k.TextoKp = caso.kp;
    k.TextoTi = "0";
    k.TextoCOmax = "1000";
    k.TextoCOmin = "-1000";
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AlternaAutoManual();
    M(21) = caso.pv;
    k.SP = caso.sp;
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.P, caso.p) << caso.kp << " " << caso.pv;
    EXPECT_DOUBLE_EQ(k.CO, 50 + caso.p) << caso.kp << " " << caso.pv;
  }
}

TEST_F(ControladorTest, PActionOffMakesTheGainOne) {
  c.TextoKp = "4";
  c.AcaoP = false;
  c.ItemEstrutura = 1;
  Aplica();
  Automatico();
  M(21) = 40;
  c.SP = 50;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.P, 0);
  EXPECT_DOUBLE_EQ(c.I, 1 * 10 * 0.1 / 10);
}

TEST_F(ControladorTest, DerivativeOnErrorScalesWithTheStructure) {
  struct Caso {
    int estrutura;
    const char* td;
    double d;
  };
  // SP step of 10 % at dt = 0.1 s, Kc 2.
  for (const Caso caso :
       {Caso{0, "0.01", 1}, Caso{1, "0.01", 2}, Caso{0, "2", 100}, Caso{1, "2", 100}}) {
    Controlador k(s, 2);
    k.ItemPV = 20;
    k.TextoKp = "2";
    k.TextoTd = caso.td;
    k.ItemDerivada = 0;
    k.ItemEstrutura = caso.estrutura;
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AlternaAutoManual();
    M(21) = 50;
    k.SP = 50;
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.D, 0);
    k.SP = 60;
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.D, caso.d) << caso.estrutura << " " << caso.td;
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.D, 0);
  }
}

TEST_F(ControladorTest, DerivativeOnPVFollowsTheFilteredPV) {
  struct Caso {
    int acao;
    const char* tf;
    double pf;  // filtered PV after the PV moved 50 → 52
    double d;
  };
  for (const Caso caso : {Caso{1, "0", 52, -20}, Caso{0, "0", 52, 20}, Caso{1, "0,1", 51, -10},
                          Caso{1, "-0.1", 52, -20}}) {
    Controlador k(s, 2);
    k.ItemPV = 20;
    k.TextoTd = "1";
    k.TextoTf = caso.tf;
    k.ItemEstrutura = 0;
    k.ItemAcao = caso.acao;
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AlternaAutoManual();
    k.SP = 50;
    M(21) = 50;
    for (int i = 0; i < 200; ++i) k.Calcula();
    M(21) = 52;
    k.Calcula();
    EXPECT_NEAR(k.PVfiltro, caso.pf, 1e-9) << caso.acao << " " << caso.tf;
    EXPECT_NEAR(k.D, caso.d, 1e-7) << caso.acao << " " << caso.tf;
    EXPECT_TRUE(std::isfinite(k.CO));
  }
}

TEST_F(ControladorTest, DActionOffFreezesTheFilter) {
  c.TextoTd = "1";
  c.AcaoD = false;
  Aplica();
  M(21) = 30;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.D, 0);
  EXPECT_DOUBLE_EQ(c.PVfiltro, 0);
}

// --- integral, limits and modes ---------------------------------------------

TEST_F(ControladorTest, ResetClampingPutsCOOnTheLimitAndKeepsTheIntegral) {
  c.TextoTi = "0";
  c.TextoCOmax = "70";
  c.TextoCOmin = "30";
  Aplica();
  Automatico();
  M(21) = 20;
  c.SP = 50;  // P = 30, CO would be 80
  c.Calcula();
  EXPECT_EQ(c.CO, 70);
  EXPECT_DOUBLE_EQ(c.I, -10);
  EXPECT_EQ(M(1), 70);
  M(21) = 45;  // P = 5, CO = 50 + 5 − 10
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.I, -10);
  EXPECT_DOUBLE_EQ(c.CO, 45);
  M(21) = 90;  // P = −40, CO would be 0
  c.Calcula();
  EXPECT_EQ(c.CO, 30);
  EXPECT_DOUBLE_EQ(c.I, 20);
}

TEST_F(ControladorTest, OutputLimitsAreLiveExpressions) {
  c.TextoCOmax = "M15";
  Aplica();
  Automatico();
  M(21) = 0;
  c.SP = 100;
  M(15) = 80;
  c.Calcula();
  EXPECT_EQ(c.CO, 80);
  c.TextoCOmax = "M15/2";
  c.Calcula();
  EXPECT_EQ(c.CO, 40);
  EXPECT_EQ(c.COmax, 40);
}

TEST_F(ControladorTest, LimitAboveItsPartnerTakesTheUpperOneFirst) {
  c.TextoCOmin = "80";
  c.TextoCOmax = "20";
  Aplica();
  Automatico();
  M(21) = 50;
  c.SP = 50;
  c.Calcula();
  EXPECT_EQ(c.CO, 20);
}

TEST_F(ControladorTest, ManualTracksTheIntegralForABumplessReturn) {
  Aplica();
  M(21) = 40;
  c.SP = 50;
  c.CO = 35;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.CO, 35);
  EXPECT_DOUBLE_EQ(M(1), 35);
  EXPECT_DOUBLE_EQ(c.I, 35 - 10 - 50);
  EXPECT_DOUBLE_EQ(c.Iant, c.I);
  c.AlternaAutoManual();
  c.Calcula();
  EXPECT_NEAR(c.CO, 35 + 10 * 0.1 / 10, 1e-12);
}

TEST_F(ControladorTest, ManualOutputIsNotHeldByTheLimits) {
  c.TextoCOmax = "60";
  Aplica();
  c.CO = 90;
  c.Calcula();
  EXPECT_DOUBLE_EQ(M(1), 90);
}

TEST_F(ControladorTest, SlaveFeedbackStopsIntegrationNearItsEnds) {
  struct Caso {
    double mv;
    bool integra;
  };
  for (const Caso caso : {Caso{0.1, false}, Caso{0.11, true}, Caso{50, true}, Caso{99.89, true},
                          Caso{99.9, false}, Caso{-3, false}}) {
    Controlador k(s, 2);
    k.ItemPV = 20;
    k.HabilitaBackMV = true;
    k.ItemBackMV = 29;  // M30, read every step
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AlternaAutoManual();
    M(21) = 40;
    k.SP = 50;
    M(30) = caso.mv;
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.I, caso.integra ? 0.1 : 0.0) << caso.mv;
  }
}

TEST_F(ControladorTest, NoIntegrationWithoutTiOrTheIAction) {
  for (int caso = 0; caso < 2; ++caso) {
    Controlador k(s, 2);
    k.ItemPV = 20;
    if (caso == 0)
      k.TextoTi = "0";
    else
      k.AcaoI = false;
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AlternaAutoManual();
    M(21) = 40;
    k.SP = 50;
    for (int i = 0; i < 3; ++i) k.Calcula();
    EXPECT_DOUBLE_EQ(k.I, 0) << caso;
    EXPECT_DOUBLE_EQ(k.CO, 60) << caso;
  }
}

TEST_F(ControladorTest, ParallelStructureIntegratesWithoutTheGain) {
  c.TextoKp = "3";
  c.ItemEstrutura = 0;
  Aplica();
  Automatico();
  M(21) = 45;
  c.SP = 50;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.I, 5 * 0.1 / 10);
  EXPECT_DOUBLE_EQ(c.P, 15);
}

TEST_F(ControladorTest, FeedforwardReplacesTheBiasEveryStep) {
  c.HabilitaFF = true;
  c.EquacaoFF = "M16*2";
  c.TextoTi = "0";
  Aplica();
  Automatico();
  M(21) = 50;
  c.SP = 50;
  M(16) = 10;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.Bias, 20);
  EXPECT_DOUBLE_EQ(M(1), 20);
  c.EquacaoFF = "M16+1";
  c.Calcula();
  EXPECT_DOUBLE_EQ(M(1), 11);
}

TEST_F(ControladorTest, OverflowInALiveExpressionEndsTheStep) {
  Aplica();
  c.TextoCOmax = "1E300*1E300";
  EXPECT_THROW(c.Calcula(), Erro);
}

// --- remote set point ---------------------------------------------------------

TEST_F(ControladorTest, RemoteSetPointCopiesSPR) {
  c.HabilitaSPR = true;
  c.ItemSPR = 44;  // M45
  Aplica();
  EXPECT_TRUE(c.LocalRemotoHabilitado);
  M(45) = 70;
  c.SP = 20;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.SP, 20);
  EXPECT_DOUBLE_EQ(c.SPR, 70);
  EXPECT_EQ(c.BarraSPR, 140);

  c.AlternaLocalRemoto();
  EXPECT_STREQ(c.TextoLocalRemoto(), "R");
  c.Calcula();
  EXPECT_DOUBLE_EQ(M(61), 70);
  EXPECT_EQ(c.TextoSP, "70.0");
  c.IncrementaSP();
  EXPECT_DOUBLE_EQ(c.SP, 70);

  M(45) = 75;
  c.HabilitaSPR = false;  // live: the remote value reads 0
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.SP, 0);

  c.HabilitaSPR = true;
  c.Calcula();
  c.AlternaLocalRemoto();
  M(45) = 10;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.SP, 75);
}

TEST_F(ControladorTest, RemoteButtonNeedsTheAppliedCheck) {
  c.HabilitaSPR = true;
  c.AlternaLocalRemoto();
  EXPECT_TRUE(c.ModoLocal);
  Aplica();
  c.AlternaLocalRemoto();
  EXPECT_FALSE(c.ModoLocal);
  c.HabilitaSPR = false;
  Aplica();
  EXPECT_TRUE(c.ModoLocal);
  EXPECT_FALSE(c.LocalRemotoHabilitado);
}

// --- applying the parameters -------------------------------------------------

TEST_F(ControladorTest, EveryFailedCheckHasItsMessage) {
  struct Caso {
    void (*estraga)(Controlador&);
    const char* mensagem;
  };
  const Caso casos[] = {
      {[](Controlador& k) { k.Tag = ""; }, "Controlador 1: TAG não informado"},
      {[](Controlador& k) { k.ItemPV = -1; },
       "Controlador 1 (PID1): Variável de processo (PV) não informada"},
      {[](Controlador& k) { k.TextoKp = "x"; }, "Controlador 1 (PID1): Kp inválido"},
      {[](Controlador& k) { k.TextoTi = ""; }, "Controlador 1 (PID1): Ti inválido"},
      {[](Controlador& k) { k.TextoTd = "1.2.3"; }, "Controlador 1 (PID1): Td inválido"},
      {[](Controlador& k) { k.TextoFatorA = "M21"; }, "Controlador 1 (PID1): Fator a inválido"},
      {[](Controlador& k) { k.TextoTf = "1e"; }, "Controlador 1 (PID1): Talf inválido"},
      {[](Controlador& k) { k.TextoBias = "1e999"; }, "Controlador 1 (PID1): Bias inválido"},
      {[](Controlador& k) { k.TextoCOmin = "2#"; }, "Controlador 1 (PID1): COmin inválido"},
      {[](Controlador& k) { k.TextoCOmax = "1E300*1E300"; },
       "Controlador 1 (PID1): COmax inválido"},
      {[](Controlador& k) {
         k.HabilitaFF = true;
         k.EquacaoFF = "a";
       },
       "Controlador 1 (PID1): Equação do FF inválida"},
  };
  for (const Caso& caso : casos) {
    Controlador k(s, 1);
    k.ItemPV = 20;
    caso.estraga(k);
    mensagens.clear();
    EXPECT_FALSE(k.AtualizaParametros(true)) << caso.mensagem;
    EXPECT_EQ(mensagens, std::vector<std::string>{caso.mensagem});
    mensagens.clear();
    EXPECT_FALSE(k.AtualizaParametros(false));
    EXPECT_TRUE(mensagens.empty());
  }
}

TEST_F(ControladorTest, ScaleChecksReadTheDescriptorOfThePV) {
  struct Caso {
    const char* minimo;
    const char* maximo;
    std::vector<std::string> mensagens;
  };
  const Caso casos[] = {
      {"baixo", "100", {"Controlador 1 (PID1): Inicio Escala inválido"}},
      {"0", "", {"Controlador 1 (PID1): Final Escala inválido"}},
      {"?",
       "?",
       {"Controlador 1 (PID1): Inicio Escala inválido",
        "Controlador 1 (PID1): Final Escala inválido"}},
  };
  for (const Caso& caso : casos) {
    Descritor d;
    d.UEMin = caso.minimo;
    d.UEMax = caso.maximo;
    s.memoria.DefineDescritor(21, d);
    mensagens.clear();
    EXPECT_FALSE(c.AtualizaParametros(true));
    EXPECT_EQ(mensagens, caso.mensagens);
    EXPECT_EQ(c.InicioEscala, caso.minimo);
  }
}

TEST_F(ControladorTest, FailedChecksComeInOrderAndStopOnlyTheLastStage) {
  c.TextoKp = "2";
  c.TextoTi = "?";
  c.TextoBias = "12,5";
  c.TextoCOmax = "1#";
  c.ItemAcao = 0;
  c.Tag = "FIC-101";
  EXPECT_FALSE(c.AtualizaParametros(true));
  EXPECT_EQ(mensagens, (std::vector<std::string>{"Controlador 1 (FIC-101): Ti inválido",
                                                 "Controlador 1 (FIC-101): COmax inválido"}));
  EXPECT_DOUBLE_EQ(c.Kc, 2);
  EXPECT_DOUBLE_EQ(c.Bias, 12.5);
  EXPECT_FALSE(c.AcaoReversa);
  EXPECT_NE(s.memoria.DescricaoEndereco[1], " MV FIC-101");
}

TEST_F(ControladorTest, TagOrPVMissingSkipsEverythingElse) {
  c.Tag = "";
  c.TextoKp = "x";
  c.TextoTi = "7";
  EXPECT_FALSE(c.AtualizaParametros(true));
  EXPECT_EQ(mensagens, std::vector<std::string>{"Controlador 1: TAG não informado"});
  EXPECT_DOUBLE_EQ(c.Ti, 0);
  EXPECT_EQ(c.UnidEng, "UE");
  mensagens.clear();
  c.Tag = "T";
  c.ItemPV = 99;  // beyond the list
  EXPECT_FALSE(c.AtualizaParametros(true));
  EXPECT_EQ(mensagens,
            std::vector<std::string>{"Controlador 1 (T): Variável de processo (PV) não informada"});
}

TEST_F(ControladorTest, ApplyingSetsAddressesDescriptionsAndReadouts) {
  Descritor d;
  d.UEMin = "0";
  d.UEMax = "200";
  d.UnidadeEng = "kPa";
  s.memoria.DefineDescritor(21, d);
  c.Tag = "PIC-" + std::string(300, 'x');
  c.Descricao = "Pressão";
  c.ItemAcao = 0;
  c.ItemDerivada = 0;
  c.ItemEstrutura = 0;
  c.ItemSPR = 4;
  c.SP = 25;
  Aplica();
  EXPECT_TRUE(mensagens.empty());
  EXPECT_TRUE(c.AcaoReversa);
  EXPECT_FALSE(c.DerivadaNaPV);
  EXPECT_FALSE(c.EstruturaISA);
  EXPECT_EQ(c.EnderecoPV, 21);
  EXPECT_EQ(c.EnderecoSPR, 5);
  EXPECT_EQ(c.UnidEng, "kPa");
  EXPECT_EQ(c.UnitEngSP, "kPa");
  EXPECT_EQ(c.Caption, c.Tag);
  EXPECT_EQ(c.DescricaoAplicada, "Pressão");
  EXPECT_EQ(s.memoria.DescricaoEndereco[1], (" MV " + c.Tag.Completo()).substr(0, 255));
  EXPECT_EQ(s.memoria.DescricaoEndereco[61], (" SP " + c.Tag.Completo()).substr(0, 255));
  EXPECT_EQ(c.DecimaisLeitura, 1);
  EXPECT_EQ(c.TextoSP, "50.0");
}

TEST_F(ControladorTest, ReadoutDecimalsFollowTheScaleSpan) {
  struct Caso {
    const char* inicio;
    const char* fim;
    int decimais;
  };
  const Caso casos[] = {{"0", "0,5", 4},    {"1", "2", 3},    {"0", "9.99", 3},
                        {"0", "10", 2},     {"50", "0", 2},   {"0", "100.00", 1},
                        {"-500", "499", 1}, {"0", "1000", 0}, {"3", "3", 4}};
  for (const Caso& caso : casos) {
    Descritor d;
    d.UEMin = caso.inicio;
    d.UEMax = caso.fim;
    s.memoria.DefineDescritor(21, d);
    Aplica();
    EXPECT_EQ(c.DecimaisLeitura, caso.decimais) << caso.inicio << " " << caso.fim;
  }
}

// --- operator actions ----------------------------------------------------------

TEST_F(ControladorTest, SetPointButtonsStepAndStopAtTheEnds) {
  Aplica();
  c.SP = 99.5;
  c.IncrementaSP();
  EXPECT_DOUBLE_EQ(c.SP, 100);
  EXPECT_EQ(c.BarraSP, 200);
  EXPECT_EQ(c.TextoSP, "100.0");
  c.DecrementaSP();
  EXPECT_DOUBLE_EQ(c.SP, 99);
  c.SP = 0.4;
  c.DecrementaSP();
  EXPECT_DOUBLE_EQ(c.SP, 0);
  EXPECT_EQ(c.TextoSP, "0.0");
}

TEST_F(ControladorTest, TypedSetPointIsInEngineeringUnits) {
  Descritor d;
  d.UEMin = "100";
  d.UEMax = "300";
  s.memoria.DefineDescritor(21, d);
  Aplica();
  struct Caso {
    const char* texto;
    double sp;
    const char* reescrito;
  };
  const Caso casos[] = {{"150", 25, "150.0"}, {" 250,5 ", 75.25, "250.5"}, {"300", 100, "300.0"},
                        {"301", 10, "120.0"}, {"99", 10, "120.0"},         {"abc", 10, "120.0"},
                        {"100", 0, "100.0"}};
  for (const Caso& caso : casos) {
    c.SP = 10;
    c.TextoSP = caso.texto;
    c.TeclaSP(Controlador::kEnter);
    EXPECT_DOUBLE_EQ(c.SP, caso.sp) << caso.texto;
    EXPECT_EQ(c.TextoSP, caso.reescrito) << caso.texto;
  }
  c.SP = 10;
  c.TextoSP = "200";
  c.TeclaSP(Controlador::kEsc);
  EXPECT_EQ(c.TextoSP, "120.0");
  EXPECT_DOUBLE_EQ(c.SP, 10);
}

TEST_F(ControladorTest, TypedSetPointIgnoredOnAFlatScaleOrInRemote) {
  Descritor d;
  d.UEMin = "5";
  d.UEMax = "5";
  s.memoria.DefineDescritor(21, d);
  c.HabilitaSPR = true;
  Aplica();
  c.SP = 10;
  c.TextoSP = "5";
  c.TeclaSP(Controlador::kEnter);
  EXPECT_DOUBLE_EQ(c.SP, 10);
  EXPECT_EQ(c.TextoSP, "5.0000");

  c.AlternaLocalRemoto();
  c.TextoSP = "7";
  c.TeclaSP(Controlador::kEnter);
  c.IncrementaSP();
  c.DecrementaSP();
  EXPECT_EQ(c.TextoSP, "7");
  EXPECT_DOUBLE_EQ(c.SP, 10);
}

TEST_F(ControladorTest, OutputButtonsWorkInManualOnly) {
  Aplica();
  c.CO = 99.5;
  c.TextoMVAlterado();
  EXPECT_TRUE(c.EnviarHabilitado);
  c.IncrementaSaida();
  EXPECT_DOUBLE_EQ(c.CO, 100);
  EXPECT_EQ(c.TextoMV, "100.00");
  EXPECT_EQ(c.BarraSaida, 200);
  EXPECT_FALSE(c.EnviarHabilitado);
  c.CO = 0.25;
  c.DecrementaSaida();
  EXPECT_DOUBLE_EQ(c.CO, 0);
  c.CO = 150;  // left over from automatic with wider limits
  c.DecrementaSaida();
  EXPECT_DOUBLE_EQ(c.CO, 100);

  c.AlternaAutoManual();
  c.IncrementaSaida();
  c.DecrementaSaida();
  EXPECT_DOUBLE_EQ(c.CO, 100);
  c.TextoMV = "20";
  c.TextoMVAlterado();
  c.Envia();
  c.TeclaMV(Controlador::kEnter);
  EXPECT_DOUBLE_EQ(c.CO, 100);
  EXPECT_FALSE(c.EnviarHabilitado);
}

TEST_F(ControladorTest, TypedOutputIsTakenWithinZeroToHundred) {
  Aplica();
  struct Caso {
    const char* texto;
    bool enter;
    double co;
    const char* reescrito;
  };
  const Caso casos[] = {{"42,5", true, 42.5, "42.50"}, {"100", false, 100, "100.00"},
                        {"0", true, 0, "0.00"},        {"100.01", true, 30, "30.00"},
                        {"-1", false, 30, "30.00"},    {"x", true, 30, "30.00"}};
  for (const Caso& caso : casos) {
    c.CO = 30;
    c.TextoMV = caso.texto;
    c.TextoMVAlterado();
    if (caso.enter)
      c.TeclaMV(Controlador::kEnter);
    else
      c.Envia();
    EXPECT_DOUBLE_EQ(c.CO, caso.co) << caso.texto;
    EXPECT_EQ(c.TextoMV, caso.reescrito) << caso.texto;
    EXPECT_FALSE(c.EnviarHabilitado);
  }
  c.TextoMV = "7";
  c.TeclaMV(Controlador::kEsc);
  EXPECT_EQ(c.TextoMV, "30.00");
}

TEST_F(ControladorTest, AutoManualTogglesTheSendButton) {
  EXPECT_FALSE(c.ModoAuto);
  EXPECT_STREQ(c.TextoAutoManual(), "M");
  c.AlternaAutoManual();
  EXPECT_TRUE(c.ModoAuto);
  EXPECT_FALSE(c.EnviarHabilitado);
  EXPECT_STREQ(c.TextoAutoManual(), "A");
  c.TextoMVAlterado();
  EXPECT_FALSE(c.EnviarHabilitado);
  c.AlternaAutoManual();
  EXPECT_TRUE(c.EnviarHabilitado);
}

// --- read-outs -------------------------------------------------------------------

TEST_F(ControladorTest, StepRefreshesReadoutsUnlessOffLine) {
  Descritor d;
  d.UEMin = "0";
  d.UEMax = "50";
  s.memoria.DefineDescritor(21, d);
  c.TextoTi = "0";
  c.SP = 40.25;
  Aplica();
  Automatico();
  M(21) = 33.3333;
  s.ModoRapido = true;
  c.Calcula();
  EXPECT_EQ(c.TextoPV, "");
  EXPECT_EQ(c.BarraPV, 0);
  const double co = M(1);
  EXPECT_NE(co, 0);

  s.ModoRapido = false;
  c.Calcula();
  EXPECT_EQ(c.TextoPV, "16.67");
  EXPECT_EQ(c.TextoMV, TextoFixo(c.CO, 2));
  EXPECT_EQ(c.BarraPV, 67);
  EXPECT_EQ(c.BarraSP, 80);       // Round(80.5), ties to even
  EXPECT_EQ(c.TextoSP, "20.13");  // 20.125 written at apply time; local mode keeps it
}

TEST_F(ControladorTest, ManualStepLeavesTheTypedOutputAlone) {
  Aplica();
  c.TextoMV = "3";
  c.Calcula();
  EXPECT_EQ(c.TextoMV, "3");
  c.AlternaAutoManual();
  c.Calcula();
  EXPECT_EQ(c.TextoMV, TextoFixo(c.CO, 2));
}

}  // namespace
}  // namespace quiv
