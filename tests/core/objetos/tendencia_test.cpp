// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/tendencia.h"

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
#include "core/objetos/registrador.h"
#include "pasta_temporaria.h"

namespace quiv {
namespace {

namespace fs = std::filesystem;

// The chart's behaviour is the same whichever object owns it: every test here
// runs once on a controller faceplate trend and once on a recorder.
enum class Dono { Faceplate, Registrador };

std::string NomeDono(const ::testing::TestParamInfo<Dono>& info) {
  return info.param == Dono::Faceplate ? "Faceplate" : "Registrador";
}

// Controller 1 measuring M21, applied, in manual; or recorder 1 with pens
// 1 … 3 on M21, M61 and M01. Both on the default 0 … 100 % range.
class TendenciaDonoTest : public ::testing::TestWithParam<Dono> {
 protected:
  void SetUp() override {
    s.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
    if (GetParam() == Dono::Faceplate) {
      c = std::make_unique<Controlador>(s, 1);
      c->ItemPV = 20;
      ASSERT_TRUE(c->AtualizaParametros(false));
    } else {
      r = std::make_unique<Registrador>(s, 1);
      r->ItemVariavel1 = 20;
      r->ItemVariavel2 = 60;
      r->ItemVariavel3 = 0;
    }
  }
  Tendencia& g() { return c ? c->Tendencia.Grafico : r->Grafico; }
  // The values the next sample takes (%): PV, SP and output, or pens 1 … 3.
  void Valores(double v1, double v2, double v3) {
    if (c) {
      c->PV = v1;
      c->SP = v2;
      c->CO = v3;
    } else {
      s.memoria.celula[21] = v1;
      s.memoria.celula[61] = v2;
      s.memoria.celula[1] = v3;
    }
  }
  void Amostra() {
    if (c)
      c->Tendencia.Amostra();
    else
      r->Amostra();
  }
  void Amostras(int n) {
    for (int i = 0; i < n; ++i) Amostra();
  }
  void Reescala() {
    if (c)
      c->Tendencia.Reescala();
    else
      r->AplicaConfiguracao();
  }
  void AlternaPausa() {
    if (c)
      c->Tendencia.AlternaPausa();
    else
      r->AlternaPausa();
  }
  void DefineTag(const std::string& tag) {
    if (c)
      c->Tag = tag;
    else
      r->Tag = tag;
  }
  void Arquiva(bool ligar, const fs::path& pasta) {
    if (c)
      c->Tendencia.Arquiva(ligar, pasta);
    else
      r->Arquiva(ligar, pasta);
  }

  Simulacao s;
  std::unique_ptr<Controlador> c;
  std::unique_ptr<Registrador> r;
  std::vector<std::string> mensagens;
};

INSTANTIATE_TEST_SUITE_P(Donos, TendenciaDonoTest,
                         ::testing::Values(Dono::Faceplate, Dono::Registrador), NomeDono);

// --- sampling ------------------------------------------------------------

struct CasoBase {
  int base;
  int chamadas;
  int amostras;
  int conta;  // ContaBase afterwards
};

TEST_P(TendenciaDonoTest, SamplesEveryNthStep) {
  const CasoBase casos[] = {{0, 1, 1, 0},   {0, 5, 5, 0},  {0, 60, 60, 0}, {1, 2, 0, 2},
                            {1, 3, 1, 0},   {1, 9, 3, 0},  {1, 10, 3, 1},  {1, 60, 20, 0},
                            {2, 19, 0, 19}, {2, 20, 1, 0}, {2, 40, 2, 0},  {2, 60, 3, 0},
                            {7, 3, 3, 0}};
  for (const CasoBase& caso : casos) {
    g().Posicao = 0;
    g().FaseGrade = 0;
    g().ContaBase = 0;
    g().ItemBaseTempo = caso.base;
    Amostras(caso.chamadas);
    EXPECT_EQ(g().Posicao, caso.amostras) << caso.base << " " << caso.chamadas;
    EXPECT_EQ(g().FaseGrade, caso.amostras % Tendencia::kDivisao)
        << caso.base << " " << caso.chamadas;
    EXPECT_EQ(g().ContaBase, caso.conta) << caso.base << " " << caso.chamadas;
  }
}

TEST_P(TendenciaDonoTest, PauseCountsStepsButTakesNoSample) {
  g().ItemBaseTempo = 1;
  AlternaPausa();
  EXPECT_TRUE(g().PainelPontosVisivel());
  Amostras(5);
  EXPECT_EQ(g().Posicao, 0);
  EXPECT_EQ(g().ContaBase, 5);
  // Steps counted during the pause make the first one after it sample.
  AlternaPausa();
  EXPECT_FALSE(g().PainelPontosVisivel());
  Amostra();
  EXPECT_EQ(g().Posicao, 1);
}

TEST_P(TendenciaDonoTest, RingWrapsAfter450SamplesAndTheGridScrolls) {
  for (int i = 1; i <= 450; ++i) {
    Valores(i % 100, 0, 0);
    Amostra();
  }
  EXPECT_EQ(g().Posicao, 450);
  EXPECT_EQ(g().FaseGrade, 0);
  EXPECT_EQ(Tendencia::PixelCronologico(g().Pixels1, g().Posicao, 0), 2);
  Valores(99, 0, 0);
  Amostra();
  EXPECT_EQ(g().Posicao, 1);
  EXPECT_EQ(g().FaseGrade, 1);
  EXPECT_DOUBLE_EQ(g().Valores1[1], 99);
  // The oldest sample is now the second one, the newest the 451st.
  EXPECT_EQ(Tendencia::PixelCronologico(g().Pixels1, g().Posicao, 0), 4);
  EXPECT_EQ(Tendencia::PixelCronologico(g().Pixels1, g().Posicao, 449), 198);
  EXPECT_EQ(g().GradeX(1), 28);
  EXPECT_EQ(g().GradeX(15), 448);
}

// --- automatic scale -----------------------------------------------------

TEST_P(TendenciaDonoTest, AutoScaleCountsUnwrittenSlotsAsZero) {
  Valores(50, 50, 0);
  Amostra();
  g().EscalaAuto = true;
  Reescala();
  EXPECT_EQ(g().TextoEscalaSup, "55.0");
  EXPECT_EQ(g().TextoEscalaInf, " 0.0");
  EXPECT_NEAR(g().EscalaSup, 55, 1e-9);
  EXPECT_DOUBLE_EQ(g().EscalaInf, 0);
}

TEST_P(TendenciaDonoTest, AutoScaleOfAnAllZeroRingKeepsTheFullRange) {
  g().EscalaAuto = true;
  Reescala();
  EXPECT_EQ(g().TextoEscalaSup, "100.0");
  EXPECT_EQ(g().TextoEscalaInf, " 0.0");
  EXPECT_DOUBLE_EQ(g().EscalaSup, 100);
  EXPECT_DOUBLE_EQ(g().EscalaInf, 0);
  Valores(30, 30, 0);
  Amostra();
  EXPECT_EQ(g().Pixels1[static_cast<std::size_t>(g().Posicao)], 60);
}

// A NaN sample takes part in neither the minimum nor the maximum.
TEST_P(TendenciaDonoTest, AutoScaleLeavesNaNSamplesOut) {
  for (int i = 0; i < Tendencia::kPontos; ++i) {
    Valores(i == 7 ? std::nan("") : i % 2 ? 40 : 60, 50, 0);
    Amostra();
  }
  g().EscalaAuto = true;
  Reescala();
  EXPECT_NEAR(g().EscalaSup, 66, 1e-9);
  EXPECT_NEAR(g().EscalaInf, 36, 1e-9);
  EXPECT_EQ(g().TextoEscalaSup, "66.0");
  EXPECT_EQ(g().TextoEscalaInf, "36.0");
  EXPECT_EQ(g().Pixels1[1], 160);  // 60: (60 − 36)/30 = 80 %
  EXPECT_EQ(g().Pixels1[8], 0);    // the NaN sample
}

// --- archive -------------------------------------------------------------

class TendenciaArquivoDonoTest : public TendenciaDonoTest {
 protected:
  void SetUp() override {
    TendenciaDonoTest::SetUp();
    DefineTag("TIC1");
    Valores(45.2, 50, 37.5);
  }
  static std::string Le(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  teste::PastaTemporaria pastaTemporaria_;
  const fs::path pasta = pastaTemporaria_();
};

INSTANTIATE_TEST_SUITE_P(Donos, TendenciaArquivoDonoTest,
                         ::testing::Values(Dono::Faceplate, Dono::Registrador), NomeDono);

TEST_P(TendenciaArquivoDonoTest, ASecondArchiveContinuesTheTimeColumn) {
  Arquiva(true, pasta);
  EXPECT_TRUE(g().Arquivando());
  EXPECT_FALSE(g().ControlesLivres());
  Amostras(3);
  Arquiva(false, pasta);
  EXPECT_TRUE(g().ControlesLivres());
  Arquiva(true, pasta);
  Amostra();
  Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "TIC1_2.txt"), "Tempo (0.100 seg);PV;SP;MV\r\n0.30;45.20;50.00;37.50\r\n");
  EXPECT_EQ(mensagens,
            (std::vector<std::string>{"Data saved: TIC1_1.txt", "Data saved: TIC1_2.txt"}));
}

TEST_P(TendenciaArquivoDonoTest, PauseWritesNoRows) {
  Arquiva(true, pasta);
  AlternaPausa();
  Amostras(3);
  Arquiva(false, pasta);
  EXPECT_EQ(Le(pasta / "TIC1_1.txt"), "Tempo (0.100 seg);PV;SP;MV\r\n");
}

TEST_P(TendenciaArquivoDonoTest, EmptyTagStartsNothing) {
  DefineTag("");
  if (r) {
    EXPECT_FALSE(r->ArquivoHabilitado());
  }
  Arquiva(true, pasta);
  EXPECT_FALSE(g().Arquivando());
  EXPECT_TRUE(fs::is_empty(pasta));
  Arquiva(false, pasta);
  EXPECT_TRUE(mensagens.empty());
}

TEST_P(TendenciaArquivoDonoTest, ACreationFailureRaisesAnInputOutputErrorAndLeavesTheArchiveOff) {
  std::ofstream(pasta / "arquivo") << "x";
  try {
    Arquiva(true, pasta / "arquivo" / "sub");
    FAIL() << "no error";
  } catch (const Erro& e) {
    EXPECT_NE(std::string(e.what()).find("Erro de entrada/saída: não foi possível criar o arquivo"),
              std::string::npos)
        << e.what();
    EXPECT_NE(std::string(e.what()).find("TIC1_1.txt"), std::string::npos) << e.what();
    // The system's reason, in words.
    EXPECT_NE(std::string(e.what()).find("cannot create the file: Not a directory)"),
              std::string::npos)
        << e.what();
  }
  EXPECT_FALSE(g().Arquivando());
  EXPECT_TRUE(g().ControlesLivres());
  Amostra();
}

// --- the chart alone -----------------------------------------------------

TEST(GraficoTendenciaTest, PointsCycleThroughSixSlotsWhilePausedOnly) {
  Tendencia t(Tendencia::Regras{});
  EXPECT_FALSE(t.MarcaPonto(10, 10));
  t.AlternaPausa();
  for (int k = 1; k <= 7; ++k) {
    const auto ponto = t.MarcaPonto(10 * k, 100);
    ASSERT_TRUE(ponto);
    EXPECT_EQ(ponto->Numero, (k - 1) % 6 + 1);
    EXPECT_DOUBLE_EQ(ponto->Valor, 50);
    EXPECT_NEAR(ponto->Tempo, k, 1e-12);
  }
  EXPECT_EQ(t.SlotCoordenada, 2);
}

TEST(GraficoTendenciaTest, ACommaInAScaleTextReadsOnlyWhereTheOwnerTakesIt) {
  for (const bool virgula : {false, true}) {
    Tendencia t(Tendencia::Regras{.VirgulaNasEscalas = virgula});
    t.TextoEscalaSup = "1,5";
    t.TextoEscalaInf = "0";
    t.AlternaPausa();
    EXPECT_EQ(t.MarcaPonto(0, 0).has_value(), virgula);
    EXPECT_EQ(t.TeclaEscala(Tendencia::kEnter, Tendencia::Faixa{}), virgula);
  }
}

}  // namespace
}  // namespace quiv
