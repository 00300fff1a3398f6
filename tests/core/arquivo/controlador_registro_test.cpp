// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"
#include "core/objetos/controlador.h"

namespace quiv {
namespace {

// Controller 3 with every line of its record away from its default.
class RegistroControladorTest : public ::testing::Test {
 protected:
  RegistroControladorTest() {
    c.Tag = "TIC3";
    c.Descricao = "Vazão de vapor";
    c.TextoKp = "2,5";
    c.TextoTi = "30";
    c.TextoTd = "0.5";
    c.TextoBias = "40";
    c.TextoFatorA = "0.8";
    c.TextoTf = "0.2";
    c.TextoCOmin = "M15*0.1";
    c.TextoCOmax = "95";
    c.InicioEscala = "10";
    c.FimEscala = "250";
    c.HabilitaBackMV = true;
    c.ItemPV = 20;
    c.ItemSPR = 64;
    c.ItemBackMV = 33;
    c.EquacaoFF = "M85";
    c.HabilitaSPR = true;
    c.HabilitaFF = false;
    c.ItemAcao = 0;
    c.ItemDerivada = 0;
    c.ItemEstrutura = 0;
    c.Iant = 12.345;
    c.Erroant = -1.5;
    c.PVant = 0.0;
    c.ModoLocal = false;
    c.ModoAuto = true;
    c.SP = 47.125;
    c.CO = 3.0;
  }

  std::vector<std::string> Escreve(const Controlador& k) const {
    smp::Escritor e;
    k.SalvaParametros(e);
    return e.Linhas();
  }

  Simulacao s;
  Controlador c{s, 3};
  Controlador lido{s, 3};
};

const std::vector<std::string> kLinhas = {
    "=====<<<CONTROLADOR:03>>>=====",
    "{C03/01} Tag:TIC3",
    "{C03/02} Desc:Vazão de vapor",
    "{C03/03} Kc:2,5",
    "{C03/04} Ti:30",
    "{C03/05} Td:0.5",
    "{C03/06} Bias:40",
    "{C03/07} Fator a:0.8",
    "{C03/08} Tf Filtro:0.2",
    "{C03/09} COmim:M15*0.1",
    "{C03/10} COMax:95",
    "{C03/11} Escala PVMax:10",
    "{C03/12} Escala PVmin:250",
    "{C03/13} BackMV CK:True",
    "{C03/14} Indice lista PV:20",
    "{C03/15} Indice lista SPR:64",
    "{C03/16} Endereço  BackMV:33",
    "{C03/17} Acao FF:M85",
    "{C03/18} Habilita SPR:True",
    "{C03/19} Habilita FF:False",
    "{C03/20} Tipo acao:0",
    "{C03/21} Derivada na PV:0",
    "{C03/22} Estrutura ISA:0",
    "{C03/23} Iant:12.35",
    "{C03/24} Erroant:-1.50",
    "{C03/25} PVant:0.00",
    "{C03/26} Habilita Modo Remoto:False",
    "{C03/27} Habilita Modo Auto:True",
    "{C03/28} 47.13",
    "{C03/29} 3.00",
};

TEST_F(RegistroControladorTest, WritesHeaderAndTwentyNineLabelledLines) {
  const std::vector<std::string> linhas = Escreve(c);
  ASSERT_EQ(linhas.size(), kLinhas.size());
  for (std::size_t i = 0; i < linhas.size(); ++i) EXPECT_EQ(linhas[i], kLinhas[i]) << "line " << i;
}

TEST_F(RegistroControladorTest, NumberTenAndSpecialValues) {
  Controlador dez{s, 10};
  dez.Tag = "linha\nquebrada";
  dez.Iant = 1e40;  // too wide for fixed notation
  dez.CO = 2.0 / 3.0;
  const std::vector<std::string> linhas = Escreve(dez);
  EXPECT_EQ(linhas[0], "=====<<<CONTROLADOR:10>>>=====");
  EXPECT_EQ(linhas[1], "{C10/01} Tag:linha quebrada");
  EXPECT_EQ(linhas[23], "{C10/23} Iant: 1.00000000000000E+0040");
  EXPECT_EQ(linhas[29], "{C10/29} 0.67");

  smp::Leitor l(linhas);
  lido.LeParametros(l);
  EXPECT_EQ(lido.Tag, "linha quebrada");
  EXPECT_DOUBLE_EQ(lido.Iant, 1e40);
}

TEST_F(RegistroControladorTest, RoundTripRestoresFieldsAndRoundedState) {
  smp::Leitor l(Escreve(c));
  lido.LeParametros(l);
  EXPECT_EQ(l.Posicao(), 30u);
  EXPECT_EQ(Escreve(lido), kLinhas);

  EXPECT_EQ(lido.Tag, "TIC3");
  EXPECT_EQ(lido.Descricao, "Vazão de vapor");
  EXPECT_EQ(lido.InicioEscala, "10");
  EXPECT_EQ(lido.FimEscala, "250");
  EXPECT_EQ(lido.ItemSPR, 64);
  EXPECT_EQ(lido.ItemAcao, 0);
  EXPECT_DOUBLE_EQ(lido.Iant, 12.35);
  EXPECT_DOUBLE_EQ(lido.Erroant, -1.5);
  EXPECT_FALSE(lido.ModoLocal);
  EXPECT_TRUE(lido.ModoAuto);
  // The set point comes back with two decimals, and its edit shows them.
  EXPECT_DOUBLE_EQ(lido.SP, 47.13);
  EXPECT_EQ(lido.TextoSP, "47.13");
  EXPECT_DOUBLE_EQ(lido.CO, 3.0);
  EXPECT_EQ(lido.TextoMV, "3.00");
  EXPECT_FALSE(lido.EnviarHabilitado);  // automatic: "Enviar" stays off
  // Reading applies nothing: that is the caller's next step.
  EXPECT_EQ(lido.Kc, 0.0);
  EXPECT_EQ(lido.EnderecoPV, 1);
}

TEST_F(RegistroControladorTest, LoadedManualControllerOffersToSendItsOutput) {
  c.ModoAuto = false;
  smp::Leitor l(Escreve(c));
  lido.LeParametros(l);
  EXPECT_FALSE(lido.ModoAuto);
  EXPECT_TRUE(lido.EnviarHabilitado);
}

// A steady PID with derivative on the PV, filtered or not, saved and read
// back, keeps its output on the first steps: no derivative kick from a filter
// state that starts at zero.
TEST(RegistroControladorDerivada, SteadyPIDDoesNotKickAfterALoad) {
  for (const char* tf : {"0", "4"}) {
    Simulacao sim;
    sim.dt = 0.5;
    sim.memoria.celula[21] = 60.0;
    auto montado = [&sim, tf] {
      auto k = std::make_unique<Controlador>(sim, 1);
      k->ItemPV = 21 - 1;
      k->TextoKp = "2";
      k->TextoTi = "100";
      k->TextoTd = "25";
      k->TextoTf = tf;
      return k;
    };
    auto antes = montado();
    ASSERT_TRUE(antes->AtualizaParametros(false));
    antes->SP = 60.0;
    antes->AlternaAutoManual();
    for (int i = 0; i < 200; ++i) antes->Calcula();
    const double saida = antes->CO;
    smp::Escritor e;
    antes->SalvaParametros(e);

    auto depois = montado();
    smp::Leitor l(e.Linhas());
    depois->LeParametros(l);
    ASSERT_TRUE(depois->AtualizaParametros(false));
    for (int i = 0; i < 10; ++i) {
      depois->Calcula();
      ASSERT_NEAR(depois->CO, saida, 0.05) << "tf " << tf << ", step " << i;
    }
  }
}

// Tag and description keep both languages through a read and a write; the
// apply shows and describes with the half of the language in force.
TEST_F(RegistroControladorTest, BilingualTextsKeepBothLanguagesAndApplyTheOneInForce) {
  c.Tag = "Nível|Level";
  c.Descricao = "Só português";
  c.EquacaoFF = "a|b";  // a plain text keeps its bar
  c.TextoKp = "2";
  smp::Leitor l(Escreve(c));
  lido.LeParametros(l);
  EXPECT_EQ(lido.Tag, "Nível|Level");
  EXPECT_EQ(lido.Descricao, "Só português");
  EXPECT_EQ(lido.EquacaoFF, "a|b");
  EXPECT_EQ(Escreve(lido), Escreve(c));
  for (const bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    s.IdiomaIngles = ingles;
    ASSERT_TRUE(lido.AtualizaParametros(false));
    EXPECT_EQ(lido.Caption, ingles ? "Level" : "Nível");
    EXPECT_EQ(lido.DescricaoAplicada, "Só português");
    EXPECT_EQ(s.memoria.DescricaoEndereco[3], ingles ? " MV Level" : " MV Nível");
    EXPECT_EQ(s.memoria.DescricaoEndereco[EnderecoSPDaMalha(3)],
              ingles ? " SP Level" : " SP Nível");
  }
  EXPECT_EQ(lido.Tag, "Nível|Level");
}

// A tag with an empty half is no tag in that language.
TEST_F(RegistroControladorTest, TagWithAnEmptyHalfFailsInThatLanguage) {
  c.Tag = "|Level";
  c.TextoKp = "2";
  smp::Leitor l(Escreve(c));
  lido.LeParametros(l);
  s.IdiomaIngles = true;
  EXPECT_TRUE(lido.AtualizaParametros(false));
  s.IdiomaIngles = false;
  std::vector<std::string> mensagens;
  s.Mensagem = [&](std::string_view t) { mensagens.emplace_back(t); };
  EXPECT_FALSE(lido.AtualizaParametros(true));
  EXPECT_EQ(mensagens, std::vector<std::string>{"Controlador 3: TAG não informado"});
  EXPECT_FALSE(lido.Tendencia.ArquivoHabilitado);
}

TEST_F(RegistroControladorTest, ValuesStartAtAFixedCharacterWhateverThePrefixSays) {
  struct Caso {
    std::string linha;
    std::string tag;
  };
  const Caso casos[] = {
      {"{C03/01} Tag:TIC3", "TIC3"},
      {"{C07/99} Xyz:TIC3", "TIC3"},    // numbers and label are never compared
      {"{C3/01} Tag:TIC3", "IC3"},      // lost a character: the value loses one
      {"{C03/01}  Tag:TIC3", ":TIC3"},  // gained one
      {"{C03/01}", ""},                 // shorter than prefix and label
  };
  for (const Caso& caso : casos) {
    std::vector<std::string> linhas = kLinhas;
    linhas[1] = caso.linha;
    smp::Leitor l(linhas);
    lido.LeParametros(l);
    EXPECT_EQ(lido.Tag, caso.tag) << caso.linha;
  }
}

TEST_F(RegistroControladorTest, LenientLinesNeverFail) {
  std::vector<std::string> linhas = kLinhas;
  const std::string prefixo[] = {
      "{C03/20} Tipo acao:", "{C03/21} Derivada na PV:", "{C03/22} Estrutura ISA:"};
  linhas[20] = prefixo[0] + "1abc";
  linhas[21] = prefixo[1] + "zz";
  linhas[22] = prefixo[2] + "-3";
  linhas[13] = "{C03/13} BackMV CK:true";  // only the exact "True" is true
  linhas[23] = "{C03/23} Iant:  -2e1";
  linhas[24] = "{C03/24} Erroant:  5.5xyz";  // what follows the number is ignored
  linhas[28] = "{C03/28} 12,5";              // the decimal separator is always "."
  smp::Leitor l(linhas);
  lido.LeParametros(l);
  EXPECT_EQ(lido.ItemAcao, 1);
  EXPECT_EQ(lido.ItemDerivada, 0);
  EXPECT_EQ(lido.ItemEstrutura, -3);  // item indices are not range-checked
  EXPECT_FALSE(lido.HabilitaBackMV);
  EXPECT_EQ(lido.Iant, -20.0);
  EXPECT_DOUBLE_EQ(lido.Erroant, 5.5);
  EXPECT_EQ(lido.SP, 12.0);
  EXPECT_EQ(lido.TextoSP, "12,5");
}

// The states, set point and output are always written as numbers: a line
// without one, or with one beyond the double range, stops the load there
// instead of reading as 0.
TEST_F(RegistroControladorTest, UnreadableStateStopsTheLoadWithItsText) {
  struct Caso {
    std::size_t linha;  // 23 … 25 states, 28 SP, 29 CO
    std::string rotulo;
    std::string valor;
  };
  const Caso casos[] = {
      {23, "Iant:", ""},
      {24, "Erroant:", "abc"},
      {25, "PVant:", "1E999"},
      // As saved before: the largest double's 15 digits, rounded up beyond it.
      {28, "", " 1.79769313486232E+0308"},
      {29, "", "-"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.linha);
    std::vector<std::string> linhas = kLinhas;
    linhas[caso.linha] =
        smp::PrefixoValor("C03", static_cast<int>(caso.linha)) + caso.rotulo + caso.valor;
    Controlador k{s, 3};
    k.CO = 42.0;
    smp::Leitor l(linhas);
    try {
      k.LeParametros(l);
      ADD_FAILURE() << "'" << caso.valor << "' did not stop the load";
    } catch (const Erro& erro) {
      EXPECT_EQ(std::string(erro.what()), smp::MensagemRealInvalido(caso.valor));
    }
    EXPECT_EQ(l.Posicao(), caso.linha + 1);  // stopped on the bad line
    EXPECT_EQ(k.Tag, "TIC3");                // the lines before it are in
    EXPECT_EQ(k.CO, 42.0);                   // the output, last, is not
  }
}

// A record cut short: its texts and flags read as empty, up to the first
// state, which the file always holds.
TEST_F(RegistroControladorTest, MissingLinesAtTheEndStopAtTheFirstState) {
  std::vector<std::string> linhas(kLinhas.begin(), kLinhas.begin() + 17);  // through line 16
  lido.HabilitaSPR = true;
  lido.ModoAuto = true;
  lido.SP = 80.0;
  smp::Leitor l(linhas);
  EXPECT_THROW(lido.LeParametros(l), Erro);
  EXPECT_EQ(l.Posicao(), 24u);
  EXPECT_EQ(lido.ItemBackMV, 33);
  EXPECT_EQ(lido.EquacaoFF, "");
  EXPECT_FALSE(lido.HabilitaSPR);
  EXPECT_TRUE(lido.ModoAuto);  // not reached
  EXPECT_EQ(lido.SP, 80.0);
}

TEST_F(RegistroControladorTest, MalformedItemIndexStopsTheLoadWithItsText) {
  struct Caso {
    std::size_t linha;  // 14 PV, 15 remote SP, 16 slave MV
    std::string valor;
    std::string mensagem;
  };
  const Caso casos[] = {
      {14, "2O", "'2O' is not a valid integer value"},
      {15, "", "'' is not a valid integer value"},
      {16, "3.0", "'3.0' is not a valid integer value"},
  };
  for (const Caso& caso : casos) {
    std::vector<std::string> linhas = kLinhas;
    const std::string rotulo = caso.linha == 14   ? "Indice lista PV:"
                               : caso.linha == 15 ? "Indice lista SPR:"
                                                  : "Endereço  BackMV:";
    linhas[caso.linha] =
        smp::PrefixoValor("C03", static_cast<int>(caso.linha)) + rotulo + caso.valor;
    Controlador k{s, 3};
    k.ItemSPR = 7;
    smp::Leitor l(linhas);
    try {
      k.LeParametros(l);
      ADD_FAILURE() << "line " << caso.linha << " did not stop the load";
    } catch (const Erro& erro) {
      EXPECT_EQ(std::string(erro.what()), caso.mensagem);
    }
    EXPECT_EQ(l.Posicao(), caso.linha + 1);  // stopped on the bad line
    EXPECT_EQ(k.Tag, "TIC3");                // the lines before it are in
    EXPECT_EQ(k.ItemSPR, 7);                 // the remote SP waits for line 18
  }
}

TEST_F(RegistroControladorTest, TruncatedFileStopsAtTheFirstEmptyItemIndex) {
  std::vector<std::string> linhas(kLinhas.begin(), kLinhas.begin() + 10);
  smp::Leitor l(linhas);
  try {
    lido.LeParametros(l);
    ADD_FAILURE() << "an empty item index did not stop the load";
  } catch (const Erro& erro) {
    EXPECT_EQ(std::string(erro.what()), "'' is not a valid integer value");
  }
  EXPECT_EQ(lido.FimEscala, "");
}

}  // namespace
}  // namespace quiv
