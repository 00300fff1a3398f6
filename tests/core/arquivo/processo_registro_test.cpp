// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"
#include "core/objetos/processo.h"

namespace quiv {
namespace {

// Process block 1 (identity 21) with every line of its record away from its
// default.
class RegistroProcessoTest : public ::testing::Test {
 protected:
  RegistroProcessoTest() {
    Processo& k = *p;
    k.Tag = "FV-01";
    k.Descricao = "Válvula de vapor";
    k.ItemEntrada = 0;
    k.Tal1 = "10";
    k.Tal2 = "2,5";
    k.SaturadorDesligado = true;
    k.Histerese = "1";
    k.TempoMorto = "M85*2";
    k.Ganho = "1.5";
    k.TipoValvula = 2;
    k.Agarramento = "0.5";
    k.LimiteTaxa = "3";
    k.ConstanteTempoAtuador = "4";
    k.TipoFuncao = 1;
    k.TextoNC = "3";
    k.TextoPeriodo = "20";
    k.Lead = "5";
    k.Lag = "6";
    k.X0 = 50.0;
    k.Y2 = 33.333;
    k.Y0old = -0.5;
    k.Y1old = 2.675;  // 2.67499… in binary: rounded on its 15 significant digits
    k.Y1old2 = 100.0;
    k.x5old = 0.0;
    k.IntAc1 = 1234.5678;
    k.IntAc2 = 7.0;
  }

  std::vector<std::string> Escreve(const Processo& k) const {
    smp::Escritor e;
    k.SalvaParametros(e);
    return e.Linhas();
  }
  // The record with line kk's value replaced.
  std::vector<std::string> ComValor(int kk, const std::string& rotulo,
                                    const std::string& valor) const;

  Simulacao sim;
  std::unique_ptr<Processo> p = std::make_unique<Processo>(sim, 1);
  std::unique_ptr<Processo> lido = std::make_unique<Processo>(sim, 1);
};

const std::vector<std::string> kLinhas = {
    "=====<<<PROCESSO:21>>>=====",
    "{P21/01} Tag:FV-01",
    "{P21/02} Desc:Válvula de vapor",
    "{P21/03} Indice lista PV:0",
    "{P21/04} Tal 1:10",
    "{P21/05} Tal 2:2,5",
    "{P21/06} Habilita Desat Sat:True",
    "{P21/07} Histerese:1",
    "{P21/08} Tempo Morto:M85*2",
    "{P21/09} Ganho:1.5",
    "{P21/10} Tipo Valv:2",
    "{P21/11} Agarramento:0.5",
    "{P21/12} RateLimiter:3",
    "{P21/13} Const. Tempo Atuador:4",
    "{P21/14} Tipo FT:1",
    "{P21/15} Num.Ciclos:3x20",
    "{P21/16} Lead:5",
    "{P21/17} Lag:6",
    "{P21/18} X0:50.00",
    "{P21/19} Y2:33.33",
    "{P21/20} Y0old:-0.50",
    "{P21/21} Y1old:2.68",
    "{P21/22} Y1old2:100.00",
    "{P21/23} x5old:0.00",
    "{P21/24} IntAc1:1234.57",
    "{P21/25} IntAc2:7.00",
};

std::vector<std::string> RegistroProcessoTest::ComValor(int kk, const std::string& rotulo,
                                                        const std::string& valor) const {
  std::vector<std::string> linhas = kLinhas;
  linhas[kk] = smp::PrefixoValor("P21", kk) + rotulo + valor;
  return linhas;
}

TEST_F(RegistroProcessoTest, WritesHeaderAndTwentyFiveLabelledLines) {
  const std::vector<std::string> linhas = Escreve(*p);
  ASSERT_EQ(linhas.size(), kLinhas.size());
  for (std::size_t i = 0; i < linhas.size(); ++i) EXPECT_EQ(linhas[i], kLinhas[i]) << "line " << i;
}

TEST_F(RegistroProcessoTest, HeaderAndPrefixCarryTheIdentity) {
  Processo bloco24(sim, 24);
  const std::vector<std::string> linhas = Escreve(bloco24);
  EXPECT_EQ(linhas[0], "=====<<<PROCESSO:74>>>=====");
  EXPECT_EQ(linhas[3], "{P74/03} Indice lista PV:0");
  EXPECT_EQ(linhas[15], "{P74/15} Num.Ciclos:1x10");
}

TEST_F(RegistroProcessoTest, RoundTripRestoresFieldsAndRoundedState) {
  smp::Leitor l(Escreve(*p));
  lido->LeParametros(l);
  EXPECT_EQ(l.Posicao(), 26u);
  EXPECT_EQ(Escreve(*lido), kLinhas);

  EXPECT_EQ(lido->Descricao, "Válvula de vapor");
  EXPECT_EQ(lido->Tal2, "2,5");
  EXPECT_TRUE(lido->SaturadorDesligado);
  EXPECT_EQ(lido->TempoMorto, "M85*2");
  EXPECT_EQ(lido->TipoValvula, 2);
  EXPECT_EQ(lido->TipoFuncao, 1);
  EXPECT_EQ(lido->TextoNC, "3");
  EXPECT_EQ(lido->TextoPeriodo, "20");
  EXPECT_DOUBLE_EQ(lido->X0, 50.0);
  EXPECT_DOUBLE_EQ(lido->Y2, 33.33);
  EXPECT_DOUBLE_EQ(lido->Y0old, -0.5);
  EXPECT_DOUBLE_EQ(lido->Y1old, 2.68);
  EXPECT_DOUBLE_EQ(lido->IntAc1, 1234.57);
  // Reading applies nothing: that is the caller's next step.
  EXPECT_EQ(lido->TipoFT, Processo::kSobreamortecido);
  EXPECT_EQ(lido->TipoCurva, Processo::kLinear);
  EXPECT_EQ(lido->TextoTempoMorto(), "0");
}

TEST_F(RegistroProcessoTest, BilingualTextsKeepBothLanguagesAndApplyTheOneInForce) {
  p->Tag = "Nível|Level";
  p->Descricao = "Válvula|Valve";
  p->Ganho = "M15|2";  // a plain text keeps its bar
  smp::Leitor l(Escreve(*p));
  lido->LeParametros(l);
  EXPECT_EQ(lido->Tag, "Nível|Level");
  EXPECT_EQ(lido->Descricao, "Válvula|Valve");
  EXPECT_EQ(lido->Ganho, "M15|2");
  EXPECT_EQ(Escreve(*lido), Escreve(*p));

  lido->Ganho = "2";
  for (const bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    sim.IdiomaIngles = ingles;
    ASSERT_TRUE(lido->AtualizaParametros(false));
    EXPECT_EQ(sim.memoria.DescricaoEndereco[21], ingles ? "Valve" : "Válvula");
    EXPECT_EQ(lido->Identificacao, ingles ? "Level Valve" : "Nível Válvula");
    EXPECT_EQ(lido->Caption, ingles ? "Valve" : "Válvula");
    // The window showing the address's description keeps both languages.
    lido->CarregaDescricao();
    EXPECT_EQ(lido->Descricao, "Válvula|Valve");
  }
  // A description changed elsewhere replaces both.
  sim.memoria.DefineDescricao(21, "Outra");
  lido->CarregaDescricao();
  EXPECT_EQ(lido->Descricao, "Outra");
}

TEST_F(RegistroProcessoTest, CycleCountAndPeriodSplitAtTheFirstX) {
  struct Caso {
    std::string valor;
    std::string nc;
    std::string periodo;
  };
  const Caso casos[] = {
      {"3x20", "3", "20"},        {"1x2x3", "1", "2x3"}, {"x", "", ""},
      {"7", "7", "antigo"},        // without "x" the period stays as it was
      {"3X20", "3X20", "antigo"},  // only the lower-case letter separates
      {"", "", "antigo"},
  };
  for (const Caso& caso : casos) {
    lido->TextoPeriodo = "antigo";
    smp::Leitor l(ComValor(15, "Num.Ciclos:", caso.valor));
    lido->LeParametros(l);
    EXPECT_EQ(lido->TextoNC, caso.nc) << caso.valor;
    EXPECT_EQ(lido->TextoPeriodo, caso.periodo) << caso.valor;
  }
}

// The ring holds the final element's position, here an equal-percentage
// valve at the saved 50 %, not the process output 33.33.
TEST_F(RegistroProcessoTest, LoadFillsTheWholeDeadTimeRingWithTheValvePosition) {
  lido->BufTM.fill(-1.0);
  smp::Leitor l(Escreve(*p));
  lido->LeParametros(l);
  const double posicao = Processo::CurvaGanho(Processo::kIgualPorcentagem, 50.0);
  EXPECT_DOUBLE_EQ(lido->Xa, posicao);
  EXPECT_DOUBLE_EQ(lido->BufTM[1], posicao);
  EXPECT_DOUBLE_EQ(lido->BufTM[1001], posicao);
  EXPECT_DOUBLE_EQ(lido->BufTM[Processo::kTamanhoBuffer], posicao);
  EXPECT_EQ(lido->IndTM, 0);
}

// A steady process with a dead time, saved and read back, goes on with its
// output: the delay hands out neither zeros nor the output for its first dead
// time, whatever the gain, the valve curve or an integrator make of the input.
TEST(RegistroProcessoTempoMorto, SteadyProcessStaysSteadyAfterALoad) {
  const struct {
    const char* nome;
    double entrada;
    void (*ajusta)(Processo&);
  } casos[] = {
      {"unit gain", 40.0, [](Processo&) {}},
      {"gain 1.5", 40.0, [](Processo& q) { q.Ganho = "1.5"; }},
      {"equal-percentage valve", 40.0,
       [](Processo& q) { q.TipoValvula = Processo::kIgualPorcentagem; }},
      {"integrator at rest", 0.0,
       [](Processo& q) {
         q.TipoFuncao = Processo::kIntegrador;
         q.DefineValorInicial("50");
       }},
  };
  for (const auto& caso : casos) {
    for (double dt : {0.1, 0.5}) {
      SCOPED_TRACE(std::string(caso.nome) + ", dt " + std::to_string(dt));
      Simulacao sim;
      sim.dt = dt;
      sim.memoria.celula[15] = caso.entrada;
      auto montado = [&sim, &caso] {
        auto q = std::make_unique<Processo>(sim, 1);
        q->ItemEntrada = 15 - 1;
        q->Tal1 = "0";
        q->TempoMorto = "60";
        caso.ajusta(*q);
        return q;
      };
      auto antes = montado();
      ASSERT_TRUE(antes->AtualizaParametros(false));
      for (int i = 0; i < static_cast<int>(120 / dt); ++i) antes->Calcula();
      const double saida = antes->Y2;
      smp::Escritor e;
      antes->SalvaParametros(e);

      auto depois = montado();
      smp::Leitor l(e.Linhas());
      depois->LeParametros(l);
      ASSERT_TRUE(depois->AtualizaParametros(false));
      for (int i = 0; i < static_cast<int>(90 / dt); ++i) {
        depois->Calcula();
        ASSERT_NEAR(depois->Y2, saida, 1e-9) << "step " << i;
      }
    }
  }
}

// A steady final element with a rate limit, stiction or an actuator lag,
// saved and read back, stays where it was instead of starting from zero.
// (Where a backlash rests inside its band is not in the file: it resumes at
// the input.)
TEST(RegistroProcessoElementoFinal, ResumesAtTheSavedInput) {
  const struct {
    const char* nome;
    void (*ajusta)(Processo&);
  } casos[] = {
      {"rate limit", [](Processo& p) { p.LimiteTaxa = "1"; }},
      {"stiction", [](Processo& p) { p.Agarramento = "2"; }},
      {"actuator lag", [](Processo& p) { p.ConstanteTempoAtuador = "5"; }},
      {"equal percentage", [](Processo& p) { p.TipoValvula = Processo::kIgualPorcentagem; }}};
  for (const auto& caso : casos) {
    Simulacao sim;
    sim.dt = 0.5;
    sim.memoria.celula[15] = 60.0;
    auto montado = [&sim, &caso] {
      auto q = std::make_unique<Processo>(sim, 1);
      q->ItemEntrada = 15 - 1;
      q->Tal1 = "0";
      caso.ajusta(*q);
      return q;
    };
    auto antes = montado();
    ASSERT_TRUE(antes->AtualizaParametros(false));
    for (int i = 0; i < 400; ++i) antes->Calcula();
    const double saida = antes->Y2;
    smp::Escritor e;
    antes->SalvaParametros(e);
    auto depois = montado();
    smp::Leitor l(e.Linhas());
    depois->LeParametros(l);
    ASSERT_TRUE(depois->AtualizaParametros(false));
    for (int i = 0; i < 20; ++i) {
      depois->Calcula();
      ASSERT_NEAR(depois->Y2, saida, 0.01) << caso.nome << ", step " << i;
    }
  }
}

TEST_F(RegistroProcessoTest, ValuesStartAtAFixedCharacterWhateverThePrefixSays) {
  struct Caso {
    std::string linha;
    std::string tag;
  };
  const Caso casos[] = {
      {"{P21/01} Tag:FV-01", "FV-01"},
      {"{P99/42} Xyz:FV-01", "FV-01"},    // numbers and label are never compared
      {"{P1/01} Tag:FV-01", "V-01"},      // lost a character
      {"{P21/01} Tag: FV-01", " FV-01"},  // gained one after the label
      {"{P21/01} Ta", ""},                // shorter than prefix and label
  };
  for (const Caso& caso : casos) {
    std::vector<std::string> linhas = kLinhas;
    linhas[1] = caso.linha;
    smp::Leitor l(linhas);
    lido->LeParametros(l);
    EXPECT_EQ(lido->Tag, caso.tag) << caso.linha;
  }
}

TEST_F(RegistroProcessoTest, LenientLinesNeverFail) {
  std::vector<std::string> linhas = kLinhas;
  linhas[6] = "{P21/06} Habilita Desat Sat:TRUE";  // only the exact "True" is true
  linhas[18] = "{P21/18} X0: .5";
  linhas[19] = "{P21/19} Y2:  12.5abc";  // what follows the number is ignored
  linhas[25] = "{P21/25} IntAc2:-1e2";
  smp::Leitor l(linhas);
  lido->LeParametros(l);
  EXPECT_FALSE(lido->SaturadorDesligado);
  EXPECT_EQ(lido->X0, 0.5);
  EXPECT_DOUBLE_EQ(lido->Y2, 12.5);
  EXPECT_DOUBLE_EQ(lido->BufTM[500], lido->Xa);
  EXPECT_DOUBLE_EQ(lido->IntAc2, -100.0);
}

TEST_F(RegistroProcessoTest, ItemIndicesAreNotRangeChecked) {
  smp::Leitor l(ComValor(14, "Tipo FT:", "9"));
  lido->LeParametros(l);
  EXPECT_EQ(lido->TipoFuncao, 9);
}

// A record cut short: its texts read as empty, up to the first state, which
// the file always holds.
TEST_F(RegistroProcessoTest, MissingLinesAtTheEndStopAtTheFirstState) {
  std::vector<std::string> linhas(kLinhas.begin(), kLinhas.begin() + 15);  // through line 14
  lido->TextoNC = "5";
  lido->TextoPeriodo = "30";
  lido->X0 = 9.0;
  smp::Leitor l(linhas);
  EXPECT_THROW(lido->LeParametros(l), Erro);
  EXPECT_EQ(l.Posicao(), 19u);
  EXPECT_EQ(lido->TipoFuncao, 1);
  EXPECT_EQ(lido->TextoNC, "");
  EXPECT_EQ(lido->TextoPeriodo, "30");
  EXPECT_EQ(lido->Lag, "");
  EXPECT_EQ(lido->X0, 9.0);
}

// The states are always written as numbers: a line without one, or with one
// beyond the double range, stops the load there instead of reading as 0.
TEST_F(RegistroProcessoTest, UnreadableStateStopsTheLoadWithItsText) {
  struct Caso {
    int linha;
    std::string rotulo;
    std::string valor;
  };
  const Caso casos[] = {
      {18, "X0:", ""},
      {19, "Y2:", "x1"},
      {22, "Y1old2:", "-1E400"},
      {25, "IntAc2:", "-1.79769313486232E+0308"},  // beyond the largest double
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.linha);
    Processo k(sim, 1);
    k.IntAc2 = 3.0;
    smp::Leitor l(ComValor(caso.linha, caso.rotulo, caso.valor));
    try {
      k.LeParametros(l);
      ADD_FAILURE() << "'" << caso.valor << "' did not stop the load";
    } catch (const Erro& erro) {
      EXPECT_EQ(std::string(erro.what()), smp::MensagemRealInvalido(caso.valor));
    }
    EXPECT_EQ(l.Posicao(), static_cast<std::size_t>(caso.linha) + 1);
    EXPECT_EQ(k.Lag, "6");     // the lines before it are in
    EXPECT_EQ(k.IntAc2, 3.0);  // the last one is not
  }
}

TEST_F(RegistroProcessoTest, MalformedItemIndexStopsTheLoadWithItsText) {
  struct Caso {
    int linha;  // 3 input, 10 curve, 14 transfer function
    std::string rotulo;
    std::string valor;
    std::string mensagem;
  };
  const Caso casos[] = {
      {3, "Indice lista PV:", "M21", "'M21' is not a valid integer value"},
      {10, "Tipo Valv:", "", "'' is not a valid integer value"},
      {14, "Tipo FT:", "1.0", "'1.0' is not a valid integer value"},
  };
  for (const Caso& caso : casos) {
    Processo k(sim, 1);
    smp::Leitor l(ComValor(caso.linha, caso.rotulo, caso.valor));
    try {
      k.LeParametros(l);
      ADD_FAILURE() << "line " << caso.linha << " did not stop the load";
    } catch (const Erro& erro) {
      EXPECT_EQ(std::string(erro.what()), caso.mensagem);
    }
    EXPECT_EQ(l.Posicao(), static_cast<std::size_t>(caso.linha) + 1);
    EXPECT_EQ(k.Tag, "FV-01");  // the lines before it are in
    EXPECT_EQ(k.Lag, "0");      // the ones after it are not
  }
}

TEST_F(RegistroProcessoTest, TruncatedRecordStopsAtTheFirstEmptyItemIndex) {
  std::vector<std::string> linhas(kLinhas.begin(), kLinhas.begin() + 3);
  smp::Leitor l(linhas);
  try {
    lido->LeParametros(l);
    ADD_FAILURE() << "an empty item index did not stop the load";
  } catch (const Erro& erro) {
    EXPECT_EQ(std::string(erro.what()), "'' is not a valid integer value");
  }
  EXPECT_EQ(lido->Descricao, "Válvula de vapor");
}

}  // namespace
}  // namespace quiv
