// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/registrador.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/nucleo/erro.h"
#include "core/objetos/controlador.h"
#include "pasta_temporaria.h"

namespace quiv {
namespace {

namespace fs = std::filesystem;

// Recorder 1 with pen 1 on M21, pen 2 on M61, pen 3 on M01.
class RegistradorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
    r.ItemVariavel1 = 20;
    r.ItemVariavel2 = 60;
    r.ItemVariavel3 = 0;
  }
  double& M(int k) { return s.memoria.celula[static_cast<std::size_t>(k)]; }
  void Faixa(int endereco, const char* inf, const char* sup, const char* unidade = "UE") {
    Descritor d;
    d.UEMin = inf;
    d.UEMax = sup;
    d.UnidadeEng = unidade;
    s.memoria.DefineDescritor(endereco, d);
  }
  void Amostras(int n) {
    for (int i = 0; i < n; ++i) r.Amostra();
  }
  int Pixel1() const { return r.Grafico.Pixels1[static_cast<std::size_t>(r.Grafico.Posicao)]; }

  Simulacao s;
  Registrador r{s, 1};
  std::vector<std::string> mensagens;
};

// --- pause -----------------------------------------------------------------

TEST_F(RegistradorTest, ClosingTheWindowResumesAndHidesThePointPanel) {
  r.AlternaPausa();
  r.FechaJanela();
  EXPECT_FALSE(r.Grafico.PainelPontosVisivel());
  r.Amostra();
  EXPECT_EQ(r.Grafico.Posicao, 1);
  r.AlternaPausa();  // the next press pauses again
  EXPECT_TRUE(r.Grafico.Pausado);
}

// --- sampling ------------------------------------------------------------

TEST_F(RegistradorTest, LabelsShowEngineeringValuesAndPen3InPercent) {
  Faixa(21, "0", "200", "kPa");
  r.AplicaConfiguracao();
  M(21) = 50;
  M(61) = 2.5;
  M(1) = 37.25;
  r.Amostra();
  EXPECT_EQ(r.LeituraVariavel1, "PV: 100.00 kPa");
  EXPECT_EQ(r.LeituraVariavel2, "SP: 5.00 kPa");
  EXPECT_EQ(r.LeituraVariavel3, "MV: 37.25%");
  EXPECT_EQ(Pixel1(), 100);
  EXPECT_EQ(r.Grafico.Pixels2[1], 5);
  EXPECT_EQ(r.Grafico.Pixels3[1], 74);  // 74.5 rounds to even
  M(1) = 37.75;
  r.Amostra();
  EXPECT_EQ(r.Grafico.Pixels3[2], 76);
  EXPECT_EQ(r.LeituraVariavel3, "MV: 37.75%");
}

TEST_F(RegistradorTest, LabelsFollowAChangedPenTextAndStayInOffLineRuns) {
  M(21) = 10;
  r.Amostra();
  r.NomeVariavel1 = "Nível";
  r.Amostra();
  EXPECT_EQ(r.LeituraVariavel1, "Nível: 10.00 %");
  s.ModoRapido = true;
  M(21) = 20;
  r.Amostra();
  EXPECT_EQ(r.LeituraVariavel1, "Nível: 10.00 %");
  EXPECT_EQ(Pixel1(), 40);
}

struct CasoLimite {
  double valor;
  int pixel;
};

class RegistradorLimiteTest : public RegistradorTest,
                              public ::testing::WithParamInterface<CasoLimite> {};

TEST_P(RegistradorLimiteTest, PositionIsHeldOnTheChartWhenSampledAndWhenRescaled) {
  // Scale 20 … 80 % typed by hand.
  r.Grafico.TextoEscalaSup = "80";
  r.Grafico.TextoEscalaInf = "20";
  r.TeclaEscala(Registrador::kEnter);
  M(21) = GetParam().valor;
  M(61) = GetParam().valor;
  M(1) = GetParam().valor + 30;  // pen 3 ignores the scale
  r.Amostra();
  EXPECT_EQ(Pixel1(), GetParam().pixel);
  EXPECT_EQ(r.Grafico.Pixels2[1], GetParam().pixel);
  r.TeclaEscala(Registrador::kEnter);  // rescale from the stored values
  EXPECT_EQ(r.Grafico.Pixels1[1], GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(Limites, RegistradorLimiteTest,
                         ::testing::Values(CasoLimite{50, 100}, CasoLimite{80, 200},
                                           CasoLimite{95, 200}, CasoLimite{20, 0},
                                           CasoLimite{-5, 0}, CasoLimite{NAN, 0}));

TEST_F(RegistradorTest, PensWithoutVariableRecordNothingVisible) {
  r.Grafico.Pixels2[1] = 77;
  r.Grafico.Pixels3[1] = 66;
  for (const auto& [v1, v2, v3] : {std::tuple{-1, -1, -1}, std::tuple{-1, 124, 124}}) {
    r.ItemVariavel1 = v1;
    r.ItemVariavel2 = v2;
    r.ItemVariavel3 = v3;
    r.Grafico.Posicao = 0;
    M(21) = M(61) = M(1) = 40;
    r.Amostra();
    EXPECT_EQ(r.LeituraVariavel1, "");
    EXPECT_EQ(r.LeituraVariavel2, "");
    EXPECT_EQ(r.LeituraVariavel3, "");
    EXPECT_FALSE(r.Pen2Ativa());
    EXPECT_FALSE(r.Pen3Ativa());
    EXPECT_EQ(r.Grafico.Pixels1[1], 0);
    EXPECT_EQ(r.Grafico.Pixels2[1], 77);
    EXPECT_EQ(r.Grafico.Pixels3[1], 66);
    EXPECT_EQ(r.Grafico.Valores2[1], 0);
    EXPECT_EQ(r.Grafico.Valores3[1], 0);
  }
}

// Pen 3's values are kept as drawn (held in 0 … 100 %) for the read-out
// under the pointer.
TEST_F(RegistradorTest, Pen3KeepsItsDrawnValues) {
  M(1) = 37.5;
  r.Amostra();
  M(1) = 130;
  r.Amostra();
  EXPECT_EQ(r.Grafico.Valores3[1], 37.5);
  EXPECT_EQ(r.Grafico.Valores3[2], 100.0);
  EXPECT_EQ(r.Grafico.Pixels3[1], 75);
}

TEST_F(RegistradorTest, ItemsBeyondM99ReadTheExtraCells) {
  r.ItemVariavel1 = 101;  // cell 102: process 2's actuator position
  r.ItemVariavel3 = 123;  // cell 124
  s.memoria.celula[102] = 42;
  s.memoria.celula[124] = 12;
  r.AplicaConfiguracao();
  r.Amostra();
  EXPECT_EQ(r.Grafico.Valores1[1], 42);
  EXPECT_EQ(r.LeituraVariavel1, "PV: 42.00 %");
  EXPECT_EQ(r.Grafico.Pixels3[1], 24);
}

// --- configuration and scale ---------------------------------------------

TEST_F(RegistradorTest, ApplyWithoutAutoTakesTheFullRange) {
  Faixa(21, "20", "120", "m3/h");
  r.Tag = "FIC1";
  r.Descricao = "Vazão";
  M(21) = 30;
  r.Amostra();
  r.Grafico.ItemBaseTempo = 2;
  r.AplicaConfiguracao();
  EXPECT_DOUBLE_EQ(r.FaixaInf, 20);
  EXPECT_DOUBLE_EQ(r.FaixaSup, 120);
  EXPECT_DOUBLE_EQ(r.Grafico.EscalaInf, 0);
  EXPECT_DOUBLE_EQ(r.Grafico.EscalaSup, 100);
  EXPECT_EQ(r.Grafico.TextoEscalaSup, "120.0");
  EXPECT_EQ(r.Grafico.TextoEscalaInf, "20.0");
  EXPECT_EQ(r.Grafico.RotuloEscala[0], "110");
  EXPECT_EQ(r.Grafico.RotuloEscala[8], "30");
  EXPECT_EQ(r.UnidadeEscala, "m3/h");
  EXPECT_EQ(r.Caption, "FIC1 - Vazão");
  EXPECT_EQ(r.Grafico.TextoTaxa, "Saving 2s sampling");
  EXPECT_EQ(r.Grafico.Pixels1[1], 60);
  EXPECT_TRUE(r.ArquivoHabilitado());
}

TEST_F(RegistradorTest, ScaleTextsArePaddedAndGridLabelsRoundHalfAway) {
  Faixa(21, "0", "5");
  r.AplicaConfiguracao();
  EXPECT_EQ(r.Grafico.TextoEscalaSup, " 5.0");
  EXPECT_EQ(r.Grafico.TextoEscalaInf, " 0.0");
  const std::array<std::string, 9> esperado{" 5", " 4", " 4", " 3", " 3", " 2", " 2", " 1", " 1"};
  EXPECT_EQ(r.Grafico.RotuloEscala, esperado);
}

TEST_F(RegistradorTest, AutoScaleUsesPen1HistoryWithMargins) {
  r.Grafico.EscalaAuto = true;
  for (int i = 0; i < 450; ++i) {
    M(21) = 40 + (i % 21);  // 40 … 60
    r.Amostra();
  }
  M(61) = 80;  // SP outside the band: drawn at the top
  r.Amostra();
  r.AplicaConfiguracao();
  EXPECT_NEAR(r.Grafico.EscalaSup, 66, 1e-9);
  EXPECT_NEAR(r.Grafico.EscalaInf, 36, 1e-9);
  EXPECT_EQ(r.Grafico.TextoEscalaSup, "66.0");
  EXPECT_EQ(r.Grafico.TextoEscalaInf, "36.0");
  EXPECT_EQ(Pixel1(), 2 * (40 + (449 % 21) - 36) * 100 / 30);
  EXPECT_EQ(r.Grafico.Pixels2[static_cast<std::size_t>(r.Grafico.Posicao)], 200);
}

struct CasoDescritor {
  const char* inf;
  const char* sup;
  int item;
  double faixaInf;
  double faixaSup;
  const char* unidade;
};

class RegistradorDescritorTest : public RegistradorTest,
                                 public ::testing::WithParamInterface<CasoDescritor> {};

TEST_P(RegistradorDescritorTest, UnusableRangeFallsBackToPercent) {
  const CasoDescritor c = GetParam();
  Faixa(21, c.inf, c.sup, "bar");
  r.ItemVariavel1 = c.item;
  r.AplicaConfiguracao();
  EXPECT_DOUBLE_EQ(r.FaixaInf, c.faixaInf);
  EXPECT_DOUBLE_EQ(r.FaixaSup, c.faixaSup);
  EXPECT_EQ(r.Unidade, c.unidade);
  EXPECT_TRUE(std::isfinite(r.Grafico.EscalaSup));
  EXPECT_TRUE(std::isfinite(r.Grafico.EscalaInf));
  EXPECT_LT(r.Grafico.EscalaInf, r.Grafico.EscalaSup);
}

INSTANTIATE_TEST_SUITE_P(Descritores, RegistradorDescritorTest,
                         ::testing::Values(CasoDescritor{"10", "30", 20, 10, 30, "bar"},
                                           CasoDescritor{"1,5", "3", 20, 1.5, 3, "bar"},
                                           CasoDescritor{"50", "50", 20, 0, 100, "%"},
                                           CasoDescritor{"abc", "100", 20, 0, 100, "%"},
                                           CasoDescritor{"10", "30", 105, 0, 100, "%"},
                                           CasoDescritor{"10", "30", -1, 0, 100, "%"}));

struct CasoEscalaManual {
  const char* sup;
  const char* inf;
  bool aceita;
};

class RegistradorEscalaManualTest : public RegistradorTest,
                                    public ::testing::WithParamInterface<CasoEscalaManual> {};

TEST_P(RegistradorEscalaManualTest, EnterTakesAValidPairOnly) {
  Faixa(21, "0", "200");
  r.Grafico.EscalaAuto = true;
  M(21) = 50;
  r.Amostra();
  r.AplicaConfiguracao();
  const auto antes = r.Grafico.RotuloEscala;
  r.Grafico.TextoEscalaSup = GetParam().sup;
  r.Grafico.TextoEscalaInf = GetParam().inf;
  r.TeclaEscala('a');
  EXPECT_TRUE(r.Grafico.EscalaAuto);
  r.TeclaEscala(Registrador::kEnter);
  EXPECT_FALSE(r.Grafico.EscalaAuto);
  if (GetParam().aceita) {
    EXPECT_DOUBLE_EQ(r.Grafico.EscalaSup, 80);
    EXPECT_DOUBLE_EQ(r.Grafico.EscalaInf, 20);
    EXPECT_EQ(r.Grafico.Pixels1[1], 100);
    EXPECT_EQ(r.Grafico.RotuloEscala[0], "148");
  } else {
    EXPECT_NEAR(r.Grafico.EscalaSup, 55, 1e-9);
    EXPECT_DOUBLE_EQ(r.Grafico.EscalaInf, 0);
    EXPECT_EQ(r.Grafico.RotuloEscala, antes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entradas, RegistradorEscalaManualTest,
    ::testing::Values(CasoEscalaManual{"160", "40", true}, CasoEscalaManual{" 160 ", "4e1", true},
                      CasoEscalaManual{"40", "160", false}, CasoEscalaManual{"50", "50", false},
                      CasoEscalaManual{"abc", "0", false}, CasoEscalaManual{"100", "", false}));

// --- loop shortcut -------------------------------------------------------

TEST_F(RegistradorTest, Pen3OnAControllerOutputFollowsItsLoop) {
  auto& c =
      static_cast<Controlador&>(s.controladores.Inclui(2, std::make_unique<Controlador>(s, 2)));
  c.ItemPV = 22;
  r.EscolheVariavel3(1);
  EXPECT_EQ(r.ItemVariavel3, 1);
  EXPECT_EQ(r.ItemVariavel2, 61);
  EXPECT_EQ(r.ItemVariavel1, 22);
}

struct CasoAtalho {
  int item;
  const char* texto1;
  const char* texto2;
  int pen1;
  int pen2;
};

class RegistradorAtalhoTest : public RegistradorTest,
                              public ::testing::WithParamInterface<CasoAtalho> {};

TEST_P(RegistradorAtalhoTest, ShortcutNeedsExactTextsAnExistingControllerAndAnOutput) {
  s.controladores.Inclui(2, std::make_unique<Controlador>(s, 2));
  const CasoAtalho c = GetParam();
  r.NomeVariavel1 = c.texto1;
  r.NomeVariavel2 = c.texto2;
  r.EscolheVariavel3(c.item);
  EXPECT_EQ(r.ItemVariavel1, c.pen1);
  EXPECT_EQ(r.ItemVariavel2, c.pen2);
}

// Controller 2 measures item 0 (its default); the fixture starts on 20 and 60.
INSTANTIATE_TEST_SUITE_P(
    Casos, RegistradorAtalhoTest,
    ::testing::Values(CasoAtalho{1, "PV", "SP", 0, 61}, CasoAtalho{1, "pv", "SP ", 20, 60},
                      CasoAtalho{4, "PV", "SP", 20, 64}, CasoAtalho{9, "PV", "SP", 20, 69},
                      CasoAtalho{10, "PV", "SP", 20, 60}, CasoAtalho{-1, "PV", "SP", 20, 60},
                      CasoAtalho{124, "PV", "SP", 20, 60}));

// --- point read-outs -----------------------------------------------------

TEST_F(RegistradorTest, PointReadOutsNeedThePauseAndCycleThroughSixLabels) {
  EXPECT_FALSE(r.MarcaPonto(100, 50));
  r.AlternaPausa();
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(r.MarcaPonto(10 * i, 200 - 20 * i));
  EXPECT_EQ(r.Grafico.Leituras[0], "Y:  0.0 %  T:  0.0 s");
  EXPECT_EQ(r.Grafico.Leituras[5], "Y: 50.0 %  T:  5.0 s");
  EXPECT_TRUE(r.MarcaPonto(100, 50));
  EXPECT_EQ(r.Grafico.Leituras[0], "Y: 75.0 %  T: 10.0 s");
  EXPECT_EQ(r.Grafico.Leituras[1], "Y: 10.0 %  T:  1.0 s");
  EXPECT_EQ(r.Grafico.SlotCoordenada, 2);
}

TEST_F(RegistradorTest, PointTimeFollowsTheTimeBaseAndValueTheScaleTexts) {
  r.AlternaPausa();
  r.Grafico.TextoEscalaSup = "150";
  r.Grafico.TextoEscalaInf = "50";
  const std::array<const char*, 3> esperado{"Y: 125.0 %  T:  1.0 s", "Y: 125.0 %  T:  3.0 s",
                                            "Y: 125.0 %  T: 20.0 s"};
  for (int base = 0; base < 3; ++base) {
    r.Grafico.ItemBaseTempo = base;
    r.Grafico.SlotCoordenada = 1;
    r.MarcaPonto(10, 50);
    EXPECT_EQ(r.Grafico.Leituras[0], esperado[static_cast<std::size_t>(base)]);
  }
  r.Grafico.TextoEscalaSup = "x";
  EXPECT_FALSE(r.MarcaPonto(10, 50));
}

// --- archive -------------------------------------------------------------

class RegistradorArquivoTest : public RegistradorTest {
 protected:
  void SetUp() override {
    RegistradorTest::SetUp();
    r.Tag = "FIC1";
    M(21) = 45.2;
    M(61) = 50;
    M(1) = 37.5;
  }
  static std::string Le(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  teste::PastaTemporaria pastaTemporaria_;
  const fs::path pasta = pastaTemporaria_();
};

TEST_F(RegistradorArquivoTest, WritesHeaderAndRowsIntoTheFirstFreeFile) {
  std::ofstream(pasta / "FIC1_1.txt") << "old";
  r.Arquiva(true, pasta);
  ASSERT_TRUE(r.Grafico.Arquivando());
  EXPECT_FALSE(r.Grafico.ControlesLivres());
  EXPECT_EQ(r.Grafico.Arquivo.Caminho(), pasta / "FIC1_2.txt");
  Amostras(2);
  r.Arquiva(false, pasta);
  EXPECT_FALSE(r.Grafico.Arquivando());
  EXPECT_EQ(Le(pasta / "FIC1_2.txt"),
            "Tempo (0.100 seg);PV;SP;MV\r\n0.00;45.20;50.00;37.50\r\n0.10;45.20;50.00;37.50\r\n");
  EXPECT_EQ(Le(pasta / "FIC1_1.txt"), "old");
  EXPECT_EQ(mensagens, std::vector<std::string>{"Data saved: FIC1_2.txt"});
}

TEST_F(RegistradorArquivoTest, NineSecondBaseAdvancesTheTimeBy0334PerRow) {
  r.Grafico.ItemBaseTempo = 1;
  r.NomeVariavel1 = "Nível";
  r.Arquiva(true, pasta);
  Amostras(9);
  r.Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "FIC1_1.txt"),
            "Tempo (0.334 seg);Nível;SP;MV\r\n0.00;45.20;50.00;37.50\r\n"
            "0.33;45.20;50.00;37.50\r\n0.67;45.20;50.00;37.50\r\n");
  EXPECT_NEAR(r.Grafico.Arquivo.TempoArquivo, 1.002, 1e-12);
}

TEST_F(RegistradorArquivoTest, EngineeringUnitsCommasAndEmptyPens) {
  Faixa(21, "20", "120");
  r.AplicaConfiguracao();
  r.Grafico.UsarUE = true;
  r.Grafico.UsarVirgula = true;
  r.ItemVariavel2 = 124;
  M(1) = 120;  // pen 3 is written held to 100
  r.Arquiva(true, pasta);
  r.Amostra();
  r.ItemVariavel3 = -1;
  r.ItemVariavel1 = -1;
  r.Amostra();
  r.Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "FIC1_1.txt"),
            "Tempo (0.100 seg);PV;SP;MV\r\n0,00;65,20;0,00;100,00\r\n0,10;0,00;0,00;0,00\r\n");
}

TEST_F(RegistradorArquivoTest, TagCharactersThatNoFileNameAcceptsAreReplaced) {
  r.Tag = "../a/b:c*?";
  r.Arquiva(true, pasta);
  r.Arquiva(false, pasta);
  EXPECT_TRUE(fs::exists(pasta / ".._a_b_c___1.txt"));
  EXPECT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()), 1);
}

TEST_F(RegistradorArquivoTest, ReadingFromAFileRestartsTheTimeColumnAndTheScale) {
  r.Arquiva(true, pasta);
  Amostras(3);
  r.Arquiva(false, pasta);
  r.Grafico.EscalaAuto = true;
  r.AposLeitura();
  EXPECT_DOUBLE_EQ(r.Grafico.Arquivo.TempoArquivo, 0);
  r.Arquiva(true, pasta);
  r.Amostra();
  r.Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "FIC1_2.txt"), "Tempo (0.100 seg);PV;SP;MV\r\n0.00;45.20;50.00;37.50\r\n");
}

// --- selectors and identity ----------------------------------------------

TEST_F(RegistradorTest, SelectorItemsAndIdentity) {
  s.memoria.DefineDescricao(7, "Nível");
  const auto itens = Registrador::ItensVariaveis(s.memoria, true);
  ASSERT_EQ(itens.size(), 125u);
  EXPECT_EQ(itens[6], "07   Nível");
  EXPECT_EQ(itens[11], "12   Chave_2");
  EXPECT_EQ(itens[104], "105   Posição Atuador 5");
  EXPECT_EQ(itens[124], "Nenhum");
  EXPECT_EQ(Registrador::ItensVariaveis(s.memoria, false).size(), 124u);
  EXPECT_EQ(r.NumeroRegistrador(), 201);
  EXPECT_EQ(Registrador(s, 10).NumeroRegistrador(), 210);
}

TEST_F(RegistradorTest, TheScanCycleStepsTheRecorderLast) {
  auto& reg =
      static_cast<Registrador&>(s.registradores.Inclui(1, std::make_unique<Registrador>(s, 1)));
  reg.ItemVariavel1 = 20;
  M(21) = 33;
  s.Ciclo(0.0);
  EXPECT_EQ(reg.Grafico.Posicao, 1);
  EXPECT_EQ(reg.Grafico.Valores1[1], 33);
}

}  // namespace
}  // namespace quiv
