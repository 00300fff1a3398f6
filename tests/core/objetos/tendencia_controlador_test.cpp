// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/tendencia_controlador.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"
#include "pasta_temporaria.h"

namespace quiv {
namespace {

namespace fs = std::filesystem;

// Controller 1 measuring M21 (actuator of process 1) on the default 0 … 100
// range, applied, in manual.
class TendenciaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
    c.ItemPV = 20;
    Aplica();
  }
  void Aplica() { ASSERT_TRUE(c.AtualizaParametros(true)); }
  void Faixa(const char* inicio, const char* fim) {
    s.memoria.descritor[21].UEMin = inicio;
    s.memoria.descritor[21].UEMax = fim;
    Aplica();
  }
  // One sample of the given values (%), taken directly.
  void Amostra(double pv, double sp, double co) {
    c.PV = pv;
    c.SP = sp;
    c.CO = co;
    t.Amostra();
  }
  void Amostras(int n) {
    for (int i = 0; i < n; ++i) t.Amostra();
  }
  int Pix(const Tendencia::Pixels& p) const {
    return p[static_cast<std::size_t>(t.Grafico.Posicao)];
  }

  Simulacao s;
  Controlador c{s, 1};
  TendenciaControlador& t = c.Tendencia;
  std::vector<std::string> mensagens;
};

// --- sampling ------------------------------------------------------------

TEST_F(TendenciaTest, ChangingTheTimeBaseKeepsTheRing) {
  Amostra(30, 40, 50);
  t.Grafico.ItemBaseTempo = 2;
  Amostras(20);
  EXPECT_EQ(t.Grafico.Posicao, 2);
  EXPECT_DOUBLE_EQ(t.ValoresPV()[1], 30);
  EXPECT_EQ(t.PixelsCO()[1], 100);
}

TEST_F(TendenciaTest, TheControllerStepSamplesAlsoOffLineButSkipsItsReadOuts) {
  s.memoria.celula[21] = 45.2;
  s.memoria.PosicaoAtuador(1) = 30;
  c.SP = 50;
  c.CO = 37.5;
  s.ModoRapido = true;
  c.Calcula();
  EXPECT_EQ(t.Grafico.Posicao, 1);
  EXPECT_DOUBLE_EQ(t.ValoresPV()[1], 45.2);
  EXPECT_DOUBLE_EQ(t.ValoresSP()[1], 50);
  EXPECT_EQ(t.PixelsPV()[1], 90);
  EXPECT_EQ(t.PixelsSP()[1], 100);
  EXPECT_EQ(t.PixelsCO()[1], 75);
  EXPECT_EQ(t.PixelsAtuador()[1], 60);
  EXPECT_DOUBLE_EQ(t.ValoresCO()[1], 37.5);
  EXPECT_DOUBLE_EQ(t.ValoresAtuador()[1], 30);
  EXPECT_EQ(c.BarraPV, 0);
  EXPECT_TRUE(c.TextoPV.empty());

  s.ModoRapido = false;
  c.Calcula();
  EXPECT_EQ(t.Grafico.Posicao, 2);
  EXPECT_EQ(c.BarraPV, 90);
}

TEST_F(TendenciaTest, ActuatorOfAnAddressThatNoProcessOwnsIsOnePercent) {
  s.memoria.PosicaoAtuador(1) = 30;
  s.memoria.PosicaoAtuador(21) = 80;
  c.ItemPV = 4;  // M05
  Aplica();
  Amostra(50, 50, 50);
  EXPECT_EQ(Pix(t.PixelsAtuador()), 2);
  c.ItemPV = 70;  // M71: process 21
  Aplica();
  Amostra(50, 50, 50);
  EXPECT_EQ(Pix(t.PixelsAtuador()), 160);
}

struct CasoPixel {
  double valor;
  int pixel;
};

class TendenciaPixelTest : public TendenciaTest, public ::testing::WithParamInterface<CasoPixel> {};

// CO and actuator share the 0 … 100 % rule: Round(2·v), ties to even, held
// in 0 … 200.
TEST_P(TendenciaPixelTest, COAndActuatorAreHeldOnThePlot) {
  const CasoPixel caso = GetParam();
  s.memoria.PosicaoAtuador(1) = caso.valor;
  Amostra(50, 50, caso.valor);
  EXPECT_EQ(Pix(t.PixelsCO()), caso.pixel);
  EXPECT_EQ(Pix(t.PixelsAtuador()), caso.pixel);
  // The CO is kept held like its pixels; the actuator as it was read.
  EXPECT_DOUBLE_EQ(t.ValoresCO()[static_cast<std::size_t>(t.Grafico.Posicao)],
                   Limita0a100(caso.valor));
}

INSTANTIATE_TEST_SUITE_P(Limites, TendenciaPixelTest,
                         ::testing::Values(CasoPixel{-5, 0}, CasoPixel{0.25, 0}, CasoPixel{0.75, 2},
                                           CasoPixel{37.3, 75}, CasoPixel{100.2, 200},
                                           CasoPixel{1e300, 200}, CasoPixel{std::nan(""), 0}));

// --- scale ---------------------------------------------------------------

TEST_F(TendenciaTest, ManualRescaleTakesTheEngineeringRange) {
  Amostra(50, 25, 0);
  Faixa("20", "120");
  EXPECT_EQ(t.Grafico.TextoEscalaSup, "120.0");
  EXPECT_EQ(t.Grafico.TextoEscalaInf, "20.0");
  EXPECT_EQ(t.Grafico.RotuloEscala,
            (std::array<std::string, 9>{"110", "100", "90", "80", "70", "60", "50", "40", "30"}));
  EXPECT_DOUBLE_EQ(t.Grafico.EscalaSup, 100);
  EXPECT_DOUBLE_EQ(t.Grafico.EscalaInf, 0);
  EXPECT_EQ(t.PixelsPV()[1], 100);
  EXPECT_EQ(t.PixelsSP()[1], 50);
  EXPECT_EQ(t.Grafico.TextoTaxa, "Saving 0.1s sampling");
}

TEST_F(TendenciaTest, ScaleTextsArePaddedToTheirWidths) {
  Faixa("0", "5");
  EXPECT_EQ(t.Grafico.TextoEscalaSup, " 5.0");
  EXPECT_EQ(t.Grafico.TextoEscalaInf, " 0.0");
  EXPECT_EQ(t.Grafico.RotuloEscala[0], " 5");  // 4.5 rounds half away from zero
  EXPECT_EQ(t.Grafico.RotuloEscala[8], " 1");  // 0.5
}

TEST_F(TendenciaTest, AutoScaleSpansTheRingWithMarginsAndClipsTheSP) {
  for (int i = 0; i < 450; ++i) Amostra(i % 2 ? 40 : 60, i % 2 ? 80 : 20, 0);
  t.Grafico.EscalaAuto = true;
  c.AtualizaParametros(false);
  EXPECT_EQ(t.Grafico.TextoEscalaSup, "66.0");
  EXPECT_EQ(t.Grafico.TextoEscalaInf, "36.0");
  EXPECT_NEAR(t.Grafico.EscalaSup, 66, 1e-12);
  EXPECT_NEAR(t.Grafico.EscalaInf, 36, 1e-12);
  EXPECT_EQ(t.Grafico.RotuloEscala[0], "63");
  EXPECT_EQ(t.Grafico.RotuloEscala[8], "39");
  EXPECT_EQ(t.PixelsPV()[1], 160);  // 60: (60 − 36)/30 = 80 %
  EXPECT_EQ(t.PixelsPV()[2], 27);   // 40: 13.3 %
  EXPECT_EQ(t.PixelsSP()[1], 0);
  EXPECT_EQ(t.PixelsSP()[2], 200);
  // New samples use the new scale.
  Amostra(51, 51, 0);
  EXPECT_EQ(Pix(t.PixelsPV()), 100);
}

TEST_F(TendenciaTest, ARangeWithoutSpanLeavesThePlotOnPercent) {
  Faixa("50", "50");
  EXPECT_TRUE(std::isfinite(t.Grafico.EscalaSup));
  EXPECT_DOUBLE_EQ(t.Grafico.EscalaSup, 100);
  EXPECT_DOUBLE_EQ(t.Grafico.EscalaInf, 0);
  Amostra(30, 30, 0);
  EXPECT_EQ(Pix(t.PixelsPV()), 60);
}

struct CasoEscala {
  const char* sup;
  const char* inf;
  bool aceita;
};

class TendenciaEscalaTest : public TendenciaTest,
                            public ::testing::WithParamInterface<CasoEscala> {};

// Range 20 … 120: typed 70 … 120 is 50 … 100 %.
TEST_P(TendenciaEscalaTest, EnterTakesAValidPlainPairOnly) {
  const CasoEscala caso = GetParam();
  Faixa("20", "120");
  Amostra(75, 40, 0);
  t.Grafico.EscalaAuto = true;
  t.Grafico.TextoEscalaSup = caso.sup;
  t.Grafico.TextoEscalaInf = caso.inf;
  EXPECT_FALSE(t.TeclaEscala('a'));
  EXPECT_TRUE(t.Grafico.EscalaAuto);
  EXPECT_EQ(t.TeclaEscala(TendenciaControlador::kEnter), caso.aceita);
  EXPECT_FALSE(t.Grafico.EscalaAuto);
  if (caso.aceita) {
    EXPECT_DOUBLE_EQ(t.Grafico.EscalaSup, 100);
    EXPECT_DOUBLE_EQ(t.Grafico.EscalaInf, 50);
    EXPECT_EQ(t.PixelsPV()[1], 100);
    EXPECT_EQ(t.PixelsSP()[1], 0);
    EXPECT_EQ(t.Grafico.RotuloEscala[0], "115");
  } else {
    EXPECT_DOUBLE_EQ(t.Grafico.EscalaSup, 100);
    EXPECT_DOUBLE_EQ(t.Grafico.EscalaInf, 0);
    EXPECT_EQ(t.PixelsPV()[1], 150);
    EXPECT_EQ(t.Grafico.RotuloEscala[0], "110");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entradas, TendenciaEscalaTest,
    ::testing::Values(CasoEscala{"120", "70", true}, CasoEscala{" 120.0", "7e1", true},
                      CasoEscala{"120,0", "70", false}, CasoEscala{"120", "70,0", false},
                      CasoEscala{"70", "70", false}, CasoEscala{"70", "120", false},
                      CasoEscala{"x", "70", false}, CasoEscala{"120", "", false}));

// --- pause and point read-outs -----------------------------------------------

struct CasoPonto {
  int base;
  int X;
  int Y;
  const char* texto;
};

class TendenciaPontoTest : public TendenciaTest, public ::testing::WithParamInterface<CasoPonto> {};

TEST_P(TendenciaPontoTest, ValueFromTheScaleTextsAndTimeFromTheBase) {
  const CasoPonto caso = GetParam();
  t.Grafico.ItemBaseTempo = caso.base;
  t.Grafico.TextoEscalaSup = "150";
  t.Grafico.TextoEscalaInf = "50";
  t.AlternaPausa();
  ASSERT_TRUE(t.MarcaPonto(caso.X, caso.Y));
  EXPECT_EQ(t.Grafico.Leituras[0], caso.texto);
  EXPECT_TRUE(t.Marcadores[0].Visivel);
  EXPECT_EQ(t.Marcadores[0].X, caso.X);
  EXPECT_EQ(t.Marcadores[0].Y, caso.Y);
}

INSTANTIATE_TEST_SUITE_P(Pontos, TendenciaPontoTest,
                         ::testing::Values(CasoPonto{0, 100, 50, "Ponto 1:  Y=125.0  X=10.0"},
                                           CasoPonto{1, 100, 50, "Ponto 1:  Y=125.0  X=30.0"},
                                           CasoPonto{2, 100, 50, "Ponto 1:  Y=125.0  X=200.0"},
                                           CasoPonto{0, 3, 199, "Ponto 1:  Y=50.5  X= 0.3"},
                                           CasoPonto{0, 0, 200, "Ponto 1:  Y=50.0  X= 0.0"}));

TEST_F(TendenciaTest, PointsNeedThePauseAndCycleThroughSixSlots) {
  EXPECT_FALSE(t.MarcaPonto(10, 10));
  EXPECT_EQ(t.Grafico.Leituras[0], "Ponto 1:");
  t.AlternaPausa();
  for (int k = 0; k < 7; ++k) ASSERT_TRUE(t.MarcaPonto(10 * k, 100));
  EXPECT_EQ(t.Grafico.Leituras[0], "Ponto 1:  Y=50.0  X= 6.0");
  EXPECT_EQ(t.Grafico.Leituras[5], "Ponto 6:  Y=50.0  X= 5.0");
  EXPECT_EQ(t.Grafico.SlotCoordenada, 2);
  t.Grafico.TextoEscalaSup = "1,5";
  EXPECT_FALSE(t.MarcaPonto(10, 10));

  // Leaving the pause resets the texts; the markers stay.
  t.AlternaPausa();
  EXPECT_FALSE(t.Grafico.PainelPontosVisivel());
  EXPECT_EQ(t.Grafico.Leituras[5], "Ponto 6:");
  EXPECT_TRUE(t.Marcadores[5].Visivel);
}

TEST_F(TendenciaTest, OpeningTheTrendAndClosingTheWindowResetTheReadOuts) {
  t.AlternaPausa();
  t.MarcaPonto(10, 10);
  t.AbreTendencia();
  EXPECT_EQ(t.Grafico.SlotCoordenada, 1);
  EXPECT_EQ(t.Grafico.Leituras[0], "Coordenadas 1");
  EXPECT_EQ(t.Grafico.Leituras[5], "Coordenadas 6");
  t.FechaJanela();
  EXPECT_FALSE(t.Grafico.Pausado);
  EXPECT_FALSE(t.Grafico.PainelPontosVisivel());
  EXPECT_EQ(t.Grafico.Leituras[0], "Ponto 1:");
}

TEST_F(TendenciaTest, SwitchingAutoManualShowsTheSPOnlyInAutomatic) {
  c.AlternaAutoManual();
  EXPECT_TRUE(t.MostrarSP);
  c.AlternaAutoManual();
  EXPECT_FALSE(t.MostrarSP);
}

TEST_F(TendenciaTest, ArchiveBoxFollowsTheTagWhateverTheApplyResult) {
  EXPECT_TRUE(t.ArquivoHabilitado);
  c.Tag.clear();
  EXPECT_FALSE(c.AtualizaParametros(false));
  EXPECT_FALSE(t.ArquivoHabilitado);
  c.Tag = "TIC";
  c.TextoKp = "x";
  EXPECT_FALSE(c.AtualizaParametros(false));
  EXPECT_TRUE(t.ArquivoHabilitado);
}

TEST_F(TendenciaTest, RateTextFollowsTheTimeBase) {
  const char* textos[] = {"Saving 0.1s sampling", "Saving 0.334s sampling", "Saving 2s sampling"};
  for (int b = 0; b < 3; ++b) {
    t.Grafico.ItemBaseTempo = b;
    t.Grafico.AtualizaTextoTaxa();
    EXPECT_EQ(t.Grafico.TextoTaxa, textos[b]);
  }
  t.Grafico.ItemBaseTempo = 0;
  c.AtualizaParametros(false);
  EXPECT_EQ(t.Grafico.TextoTaxa, textos[0]);
}

// --- archive -------------------------------------------------------------

class TendenciaArquivoTest : public TendenciaTest {
 protected:
  void SetUp() override {
    TendenciaTest::SetUp();
    c.Tag = "TIC1";
  }
  static std::string Le(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  teste::PastaTemporaria pastaTemporaria_;
  const fs::path pasta = pastaTemporaria_();
};

TEST_F(TendenciaArquivoTest, WritesHeaderAndRowsIntoTheFirstFreeFile) {
  std::ofstream(pasta / "TIC1_1.txt") << "old";
  t.Arquiva(true, pasta);
  ASSERT_TRUE(t.Grafico.Arquivando());
  EXPECT_FALSE(t.Grafico.ControlesLivres());
  EXPECT_TRUE(t.Grafico.PiscaAtivo());
  EXPECT_FALSE(t.Grafico.TextoTaxaVisivel());
  t.Grafico.Pisca();
  EXPECT_TRUE(t.Grafico.TextoTaxaVisivel());
  Amostra(45.2, 50, 37.5);
  Amostra(45.2, 50, -3);  // CO written as held on the plot
  t.Arquiva(false, pasta);
  EXPECT_FALSE(t.Grafico.Arquivando());
  EXPECT_TRUE(t.Grafico.ControlesLivres());
  EXPECT_FALSE(t.Grafico.TextoTaxaVisivel());
  EXPECT_EQ(Le(pasta / "TIC1_2.txt"),
            "Tempo (0.100 seg);PV;SP;MV\r\n0.00;45.20;50.00;37.50\r\n0.10;45.20;50.00;0.00\r\n");
  EXPECT_EQ(Le(pasta / "TIC1_1.txt"), "old");
  EXPECT_EQ(mensagens, std::vector<std::string>{"Data saved: TIC1_2.txt"});
}

TEST_F(TendenciaArquivoTest, NineSecondBaseAdvancesTheTimeBy0334WhileThePointsUse03) {
  t.Grafico.ItemBaseTempo = 1;
  t.Arquiva(true, pasta);
  c.PV = 10;
  Amostras(9);
  t.Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "TIC1_1.txt"),
            "Tempo (0.334 seg);PV;SP;MV\r\n0.00;10.00;0.00;0.00\r\n"
            "0.33;10.00;0.00;0.00\r\n0.67;10.00;0.00;0.00\r\n");
  EXPECT_NEAR(t.Grafico.Arquivo.TempoArquivo, 1.002, 1e-12);
  t.AlternaPausa();
  t.MarcaPonto(10, 0);
  EXPECT_EQ(t.Grafico.Leituras[0], "Ponto 1:  Y=100.0  X= 3.0");
}

TEST_F(TendenciaArquivoTest, OneMinuteBaseHeader) {
  t.Grafico.ItemBaseTempo = 2;
  t.Arquiva(true, pasta);
  Amostras(40);
  t.Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "TIC1_1.txt"),
            "Tempo (2 seg);PV;SP;MV\r\n0.00;0.00;0.00;0.00\r\n2.00;0.00;0.00;0.00\r\n");
}

TEST_F(TendenciaArquivoTest, EngineeringUnitsAndDecimalComma) {
  t.Grafico.UsarUE = true;
  t.Grafico.UsarVirgula = true;
  t.Arquiva(true, pasta);
  t.Grafico.Arquivo.TempoArquivo = 12.3;
  Amostra(55, 50, 47.25);
  Faixa("20", "120");
  Amostra(50, 100, 0);
  t.Grafico.UsarUE = false;
  Amostra(50, 100, 0);
  t.Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "TIC1_1.txt"),
            "Tempo (0.100 seg);PV;SP;MV\r\n12,30;55,00;50,00;47,25\r\n"
            "12,40;70,00;120,00;0,00\r\n12,50;50,00;100,00;0,00\r\n");
}

TEST_F(TendenciaArquivoTest, TheControllerStepWritesTheRow) {
  s.memoria.celula[21] = 40;
  c.SP = 60;
  c.CO = 55;
  t.Arquiva(true, pasta);
  s.ModoRapido = true;
  c.Calcula();
  t.Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "TIC1_1.txt"), "Tempo (0.100 seg);PV;SP;MV\r\n0.00;40.00;60.00;55.00\r\n");
}

}  // namespace
}  // namespace quiv
