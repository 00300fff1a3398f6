#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

// Controller 1 measuring M21, in the default configuration once applied:
// Kc 1, Ti 10 s, Td 0, a 1, bias 50, ISA, direct response, D on the PV.
class ControladorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
    c.VariavelSelect = 20;
  }
  void Aplica() { ASSERT_TRUE(c.AtualizaParametros(true)) << Mensagens(); }
  std::string Mensagens() const {
    std::string t;
    for (const auto& m : mensagens) t += m + "\n";
    return t;
  }
  double& M(int k) { return s.memoria.celula[k]; }
  void Automatico() {
    if (!c.ModoAuto) c.AutoManualBTNClick();
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
    k.VariavelSelect = 20;
    k.Acaogroup = caso.acao;
    ASSERT_TRUE(k.AtualizaParametros(false));
    M(21) = 40;
    k.SP = 50;
    k.AutoManualBTNClick();
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.e, caso.e) << caso.acao;
    EXPECT_DOUBLE_EQ(k.P, caso.e) << caso.acao;
    EXPECT_DOUBLE_EQ(k.I, caso.e * 0.1 / 10) << caso.acao;
  }
}

TEST_F(ControladorTest, ErrorAndPUseThePVAndSPBeforeClamping) {
  c.KpText = "0.5";
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
  EXPECT_EQ(c.VariavelBar, 200);

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
  k.VariavelSelect = 20;
  k.KiText = "0";
  ASSERT_TRUE(k.AtualizaParametros(false));
  k.AutoManualBTNClick();
  M(21) = 42;
  k.SP = 45;
  k.Calcula();
  EXPECT_DOUBLE_EQ(M(3), 53);
  EXPECT_DOUBLE_EQ(M(63), 45);
  EXPECT_DOUBLE_EQ(M(1), 0);
  EXPECT_DOUBLE_EQ(M(61), 0);
}

TEST_F(ControladorTest, SetPointWeightZeroKeepsPOffTheSetPoint) {
  c.aText = "0";
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
    k.VariavelSelect = 20;
    k.KpText = caso.kp;
    k.KiText = "0";
    k.COmaxText = "1000";
    k.COminText = "-1000";
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AutoManualBTNClick();
    M(21) = caso.pv;
    k.SP = caso.sp;
    k.Calcula();
    EXPECT_DOUBLE_EQ(k.P, caso.p) << caso.kp << " " << caso.pv;
    EXPECT_DOUBLE_EQ(k.CO, 50 + caso.p) << caso.kp << " " << caso.pv;
  }
}

TEST_F(ControladorTest, PActionOffMakesTheGainOne) {
  c.KpText = "4";
  c.PCHK = false;
  c.EstruturaGroup = 1;
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
    k.VariavelSelect = 20;
    k.KpText = "2";
    k.KdText = caso.td;
    k.DerivadaGroup = 0;
    k.EstruturaGroup = caso.estrutura;
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AutoManualBTNClick();
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
    k.VariavelSelect = 20;
    k.KdText = "1";
    k.tfText = caso.tf;
    k.EstruturaGroup = 0;
    k.Acaogroup = caso.acao;
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AutoManualBTNClick();
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
  c.KdText = "1";
  c.DCHK = false;
  Aplica();
  M(21) = 30;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.D, 0);
  EXPECT_DOUBLE_EQ(c.PVfiltro, 0);
}

// --- integral, limits and modes ---------------------------------------------

TEST_F(ControladorTest, ResetClampingPutsCOOnTheLimitAndKeepsTheIntegral) {
  c.KiText = "0";
  c.COmaxText = "70";
  c.COminText = "30";
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
  c.COmaxText = "M15";
  Aplica();
  Automatico();
  M(21) = 0;
  c.SP = 100;
  M(15) = 80;
  c.Calcula();
  EXPECT_EQ(c.CO, 80);
  c.COmaxText = "M15/2";
  c.Calcula();
  EXPECT_EQ(c.CO, 40);
  EXPECT_EQ(c.COmax, 40);
}

TEST_F(ControladorTest, LimitAboveItsPartnerTakesTheUpperOneFirst) {
  c.COminText = "80";
  c.COmaxText = "20";
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
  c.AutoManualBTNClick();
  c.Calcula();
  EXPECT_NEAR(c.CO, 35 + 10 * 0.1 / 10, 1e-12);
}

TEST_F(ControladorTest, ManualOutputIsNotHeldByTheLimits) {
  c.COmaxText = "60";
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
    k.VariavelSelect = 20;
    k.BackMVCheck = true;
    k.BackMV = 29;  // M30, read every step
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AutoManualBTNClick();
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
    k.VariavelSelect = 20;
    if (caso == 0)
      k.KiText = "0";
    else
      k.ICHK = false;
    ASSERT_TRUE(k.AtualizaParametros(false));
    k.AutoManualBTNClick();
    M(21) = 40;
    k.SP = 50;
    for (int i = 0; i < 3; ++i) k.Calcula();
    EXPECT_DOUBLE_EQ(k.I, 0) << caso;
    EXPECT_DOUBLE_EQ(k.CO, 60) << caso;
  }
}

TEST_F(ControladorTest, ParallelStructureIntegratesWithoutTheGain) {
  c.KpText = "3";
  c.EstruturaGroup = 0;
  Aplica();
  Automatico();
  M(21) = 45;
  c.SP = 50;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.I, 5 * 0.1 / 10);
  EXPECT_DOUBLE_EQ(c.P, 15);
}

TEST_F(ControladorTest, FeedforwardReplacesTheBiasEveryStep) {
  c.FFwSelect = true;
  c.FFwEquation = "M16*2";
  c.KiText = "0";
  Aplica();
  Automatico();
  M(21) = 50;
  c.SP = 50;
  M(16) = 10;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.Bias, 20);
  EXPECT_DOUBLE_EQ(M(1), 20);
  c.FFwEquation = "M16+1";
  c.Calcula();
  EXPECT_DOUBLE_EQ(M(1), 11);
}

TEST_F(ControladorTest, OverflowInALiveExpressionEndsTheStep) {
  Aplica();
  c.COmaxText = "1E300*1E300";
  EXPECT_THROW(c.Calcula(), Erro);
}

// --- remote set point ---------------------------------------------------------

TEST_F(ControladorTest, RemoteSetPointCopiesSPR) {
  c.CheckSPR = true;
  c.SPRSelect = 44;  // M45
  Aplica();
  EXPECT_TRUE(c.LocalRemotoHabilitado);
  M(45) = 70;
  c.SP = 20;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.SP, 20);
  EXPECT_DOUBLE_EQ(c.SPR, 70);
  EXPECT_EQ(c.SPRBar, 140);

  c.LocalRemotoBTNClick();
  EXPECT_STREQ(c.Label1(), "R");
  c.Calcula();
  EXPECT_DOUBLE_EQ(M(61), 70);
  EXPECT_EQ(c.SPText, "70.0");
  c.IncrementaSPClick();
  EXPECT_DOUBLE_EQ(c.SP, 70);

  M(45) = 75;
  c.CheckSPR = false;  // live: the remote value reads 0
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.SP, 0);

  c.CheckSPR = true;
  c.Calcula();
  c.LocalRemotoBTNClick();
  M(45) = 10;
  c.Calcula();
  EXPECT_DOUBLE_EQ(c.SP, 75);
}

TEST_F(ControladorTest, RemoteButtonNeedsTheAppliedCheck) {
  c.CheckSPR = true;
  c.LocalRemotoBTNClick();
  EXPECT_TRUE(c.ModoLocal);
  Aplica();
  c.LocalRemotoBTNClick();
  EXPECT_FALSE(c.ModoLocal);
  c.CheckSPR = false;
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
      {[](Controlador& k) { k.TagText = ""; }, "Controlador 1: TAG não informado"},
      {[](Controlador& k) { k.VariavelSelect = -1; },
       "Controlador 1: Variável de processo (PV) não informada"},
      {[](Controlador& k) { k.KpText = "x"; }, "Controlador 1: Kp inválido"},
      {[](Controlador& k) { k.KiText = ""; }, "Controlador 1: Ti inválido"},
      {[](Controlador& k) { k.KdText = "1.2.3"; }, "Controlador 1: Td inválido"},
      {[](Controlador& k) { k.aText = "M21"; }, "Controlador 1: Fator a inválido"},
      {[](Controlador& k) { k.tfText = "1e"; }, "Controlador 1: Talf inválido"},
      {[](Controlador& k) { k.BiasText = "1e999"; }, "Controlador 1: Bias inválido"},
      {[](Controlador& k) { k.COminText = "2#"; }, "Controlador 1: COmin inválido"},
      {[](Controlador& k) { k.COmaxText = "1E300*1E300"; }, "Controlador 1: COmax inválido"},
      {[](Controlador& k) {
         k.FFwSelect = true;
         k.FFwEquation = "a";
       },
       "Controlador 1: Equação do FF inválida"},
  };
  for (const Caso& caso : casos) {
    Controlador k(s, 1);
    k.VariavelSelect = 20;
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
      {"baixo", "100", {"Controlador 1: Inicio Escala inválido"}},
      {"0", "", {"Controlador 1: Final Escala inválido"}},
      {"?", "?", {"Controlador 1: Inicio Escala inválido", "Controlador 1: Final Escala inválido"}},
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
  c.KpText = "2";
  c.KiText = "?";
  c.BiasText = "12,5";
  c.COmaxText = "1#";
  c.Acaogroup = 0;
  c.TagText = "FIC-101";
  EXPECT_FALSE(c.AtualizaParametros(true));
  EXPECT_EQ(mensagens, (std::vector<std::string>{"Controlador 1: Ti inválido",
                                                 "Controlador 1: COmax inválido"}));
  EXPECT_DOUBLE_EQ(c.Kc, 2);
  EXPECT_DOUBLE_EQ(c.Bias, 12.5);
  EXPECT_FALSE(c.AcaoReversa);
  EXPECT_NE(s.memoria.DescricaoEndereco[1], " MV FIC-101");
}

TEST_F(ControladorTest, TagOrPVMissingSkipsEverythingElse) {
  c.TagText = "";
  c.KpText = "x";
  c.KiText = "7";
  EXPECT_FALSE(c.AtualizaParametros(true));
  EXPECT_EQ(mensagens, std::vector<std::string>{"Controlador 1: TAG não informado"});
  EXPECT_DOUBLE_EQ(c.Ti, 0);
  EXPECT_EQ(c.UnidEng, "UE");
  mensagens.clear();
  c.TagText = "T";
  c.VariavelSelect = 99;  // beyond the list
  EXPECT_FALSE(c.AtualizaParametros(true));
  EXPECT_EQ(mensagens,
            std::vector<std::string>{"Controlador 1: Variável de processo (PV) não informada"});
}

TEST_F(ControladorTest, ApplyingSetsAddressesDescriptionsAndReadouts) {
  Descritor d;
  d.UEMin = "0";
  d.UEMax = "200";
  d.UnidadeEng = "kPa";
  s.memoria.DefineDescritor(21, d);
  c.TagText = "PIC-" + std::string(300, 'x');
  c.Descricao = "Pressão";
  c.Acaogroup = 0;
  c.DerivadaGroup = 0;
  c.EstruturaGroup = 0;
  c.SPRSelect = 4;
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
  EXPECT_EQ(c.Caption, c.TagText);
  EXPECT_EQ(c.DescricaoText, "Pressão");
  EXPECT_EQ(s.memoria.DescricaoEndereco[1], (" MV " + c.TagText).substr(0, 255));
  EXPECT_EQ(s.memoria.DescricaoEndereco[61], (" SP " + c.TagText).substr(0, 255));
  EXPECT_EQ(c.DecimaisLeitura, 1);
  EXPECT_EQ(c.SPText, "50.0");
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
  c.IncrementaSPClick();
  EXPECT_DOUBLE_EQ(c.SP, 100);
  EXPECT_EQ(c.SetPointBar, 200);
  EXPECT_EQ(c.SPText, "100.0");
  c.DecrementaSPClick();
  EXPECT_DOUBLE_EQ(c.SP, 99);
  c.SP = 0.4;
  c.DecrementaSPClick();
  EXPECT_DOUBLE_EQ(c.SP, 0);
  EXPECT_EQ(c.SPText, "0.0");
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
    c.SPText = caso.texto;
    c.SPTextKeyPress(Controlador::kEnter);
    EXPECT_DOUBLE_EQ(c.SP, caso.sp) << caso.texto;
    EXPECT_EQ(c.SPText, caso.reescrito) << caso.texto;
  }
  c.SP = 10;
  c.SPText = "200";
  c.SPTextKeyPress(Controlador::kEsc);
  EXPECT_EQ(c.SPText, "120.0");
  EXPECT_DOUBLE_EQ(c.SP, 10);
}

TEST_F(ControladorTest, TypedSetPointIgnoredOnAFlatScaleOrInRemote) {
  Descritor d;
  d.UEMin = "5";
  d.UEMax = "5";
  s.memoria.DefineDescritor(21, d);
  c.CheckSPR = true;
  Aplica();
  c.SP = 10;
  c.SPText = "5";
  c.SPTextKeyPress(Controlador::kEnter);
  EXPECT_DOUBLE_EQ(c.SP, 10);
  EXPECT_EQ(c.SPText, "5.0000");

  c.LocalRemotoBTNClick();
  c.SPText = "7";
  c.SPTextKeyPress(Controlador::kEnter);
  c.IncrementaSPClick();
  c.DecrementaSPClick();
  EXPECT_EQ(c.SPText, "7");
  EXPECT_DOUBLE_EQ(c.SP, 10);
}

TEST_F(ControladorTest, OutputButtonsWorkInManualOnly) {
  Aplica();
  c.CO = 99.5;
  c.MVTextChange();
  EXPECT_TRUE(c.Button2Habilitado);
  c.IncrementaSaidaClick();
  EXPECT_DOUBLE_EQ(c.CO, 100);
  EXPECT_EQ(c.MVText, "100.00");
  EXPECT_EQ(c.SaidaBar, 200);
  EXPECT_FALSE(c.Button2Habilitado);
  c.CO = 0.25;
  c.DecrementaSaidaClick();
  EXPECT_DOUBLE_EQ(c.CO, 0);
  c.CO = 150;  // left over from automatic with wider limits
  c.DecrementaSaidaClick();
  EXPECT_DOUBLE_EQ(c.CO, 100);

  c.AutoManualBTNClick();
  c.IncrementaSaidaClick();
  c.DecrementaSaidaClick();
  EXPECT_DOUBLE_EQ(c.CO, 100);
  c.MVText = "20";
  c.MVTextChange();
  c.Button2Click();
  c.MVTextKeyPress(Controlador::kEnter);
  EXPECT_DOUBLE_EQ(c.CO, 100);
  EXPECT_FALSE(c.Button2Habilitado);
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
    c.MVText = caso.texto;
    c.MVTextChange();
    if (caso.enter)
      c.MVTextKeyPress(Controlador::kEnter);
    else
      c.Button2Click();
    EXPECT_DOUBLE_EQ(c.CO, caso.co) << caso.texto;
    EXPECT_EQ(c.MVText, caso.reescrito) << caso.texto;
    EXPECT_FALSE(c.Button2Habilitado);
  }
  c.MVText = "7";
  c.MVTextKeyPress(Controlador::kEsc);
  EXPECT_EQ(c.MVText, "30.00");
}

TEST_F(ControladorTest, AutoManualTogglesTheSendButton) {
  EXPECT_FALSE(c.ModoAuto);
  EXPECT_STREQ(c.Label2(), "M");
  c.AutoManualBTNClick();
  EXPECT_TRUE(c.ModoAuto);
  EXPECT_FALSE(c.Button2Habilitado);
  EXPECT_STREQ(c.Label2(), "A");
  c.MVTextChange();
  EXPECT_FALSE(c.Button2Habilitado);
  c.AutoManualBTNClick();
  EXPECT_TRUE(c.Button2Habilitado);
}

// --- read-outs -------------------------------------------------------------------

TEST_F(ControladorTest, StepRefreshesReadoutsUnlessOffLine) {
  Descritor d;
  d.UEMin = "0";
  d.UEMax = "50";
  s.memoria.DefineDescritor(21, d);
  c.KiText = "0";
  c.SP = 40.25;
  Aplica();
  Automatico();
  M(21) = 33.3333;
  s.ModoRapido = true;
  c.Calcula();
  EXPECT_EQ(c.PVText, "");
  EXPECT_EQ(c.VariavelBar, 0);
  const double co = M(1);
  EXPECT_NE(co, 0);

  s.ModoRapido = false;
  c.Calcula();
  EXPECT_EQ(c.PVText, "16.67");
  EXPECT_EQ(c.MVText, TextoFixo(c.CO, 2));
  EXPECT_EQ(c.VariavelBar, 67);
  EXPECT_EQ(c.SetPointBar, 80);  // Round(80.5), ties to even
  EXPECT_EQ(c.SPText, "20.13");  // 20.125 written at apply time; local mode keeps it
}

TEST_F(ControladorTest, ManualStepLeavesTheTypedOutputAlone) {
  Aplica();
  c.MVText = "3";
  c.Calcula();
  EXPECT_EQ(c.MVText, "3");
  c.AutoManualBTNClick();
  c.Calcula();
  EXPECT_EQ(c.MVText, TextoFixo(c.CO, 2));
}

}  // namespace
}  // namespace quiv
