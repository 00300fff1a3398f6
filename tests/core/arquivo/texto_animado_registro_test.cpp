// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"
#include "core/objetos/texto_animado.h"

namespace quiv {
namespace {

class RegistroTextoAnimadoTest : public ::testing::Test {
 protected:
  RegistroTextoAnimadoTest() {
    t.Descricao = "Temperatura";
    t.FuncaoTr = "Ligado/Desligado";
    t.CasasDecimais = 3;
    t.Unidade = "°C";
    t.TextoFaixaMax = "150.00";
    t.TextoFaixaMin = "-20";
    t.TextoAlarmeAlto = "140";  // alarms: not stored
    t.TextoAlarmeBaixo = "-10";
    t.Tipo = 1;
    t.ItemVariavel = 20;
  }

  std::vector<std::string> Linhas(const TextoAnimado& texto) {
    smp::Escritor e;
    texto.SalvaParametros(e);
    return e.Linhas();
  }

  Simulacao s;
  TextoAnimado t{s, 4};
};

TEST_F(RegistroTextoAnimadoTest, WritesHeaderAndEightLabelledLines) {
  const std::vector<std::string> esperado = {
      "=====<<<TEXTO ANIMADO:104>>>=====",
      "{T/01} Desc:Temperatura",
      "{T/02} Funcao:Ligado/Desligado",
      "{T/03} Casas Decimais:3",
      "{T/04} Unidade:°C",
      "{T/05} Faixa Max:150.00",
      "{T/06} Faixa Min:-20",
      "{T/07} Tipo:1",
      "{T/08} Variavel:20",
  };
  EXPECT_EQ(Linhas(t), esperado);
}

TEST_F(RegistroTextoAnimadoTest, FreshTextWritesItsDefaults) {
  TextoAnimado novo{s, 20};
  const std::vector<std::string> esperado = {
      "=====<<<TEXTO ANIMADO:120>>>=====",
      "{T/01} Desc:",
      "{T/02} Funcao:<Msg se ON>/<Msg se OFF>",
      "{T/03} Casas Decimais:2",
      "{T/04} Unidade:",
      "{T/05} Faixa Max:100",
      "{T/06} Faixa Min:0",
      "{T/07} Tipo:0",
      "{T/08} Variavel:-1",
  };
  EXPECT_EQ(Linhas(novo), esperado);
}

TEST_F(RegistroTextoAnimadoTest, RoundTripThroughFileBytes) {
  smp::Escritor e;
  t.SalvaParametros(e);
  smp::Leitor l = smp::Leitor::DeConteudo(e.Conteudo());
  TextoAnimado lido{s, 4};
  lido.LeParametros(l);
  EXPECT_EQ(l.Posicao(), 9u);
  EXPECT_EQ(Linhas(lido), Linhas(t));
  EXPECT_EQ(lido.Descricao, t.Descricao);
  EXPECT_EQ(lido.FuncaoTr, t.FuncaoTr);
  EXPECT_EQ(lido.CasasDecimais, 3);
  EXPECT_EQ(lido.Unidade, "°C");
  EXPECT_EQ(lido.TextoFaixaMax, "150.00");
  EXPECT_EQ(lido.TextoFaixaMin, "-20");
  EXPECT_EQ(lido.Tipo, 1);
  EXPECT_EQ(lido.ItemVariavel, 20);
}

TEST_F(RegistroTextoAnimadoTest, AlarmsFollowTheRangeReadAndNothingIsApplied) {
  TextoAnimado lido{s, 4};
  lido.TextoAlarmeAlto = "999";
  lido.TextoAlarmeBaixo = "-999";
  smp::Leitor l(Linhas(t));
  lido.LeParametros(l);
  EXPECT_EQ(lido.TextoAlarmeAlto, "150.00");  // not t's "140": alarms are not stored
  EXPECT_EQ(lido.TextoAlarmeBaixo, "-20");
  EXPECT_EQ(lido.FaixaMax, 100.0);  // applied only by AtualizaParametros
  EXPECT_EQ(lido.FaixaMin, 0.0);
  EXPECT_EQ(lido.Titulo, "");
}

TEST_F(RegistroTextoAnimadoTest, DescriptionAndFunctionAreBilingual) {
  t.Descricao = "Bomba|Pump";
  t.FuncaoTr = "Ligada/Desligada|On/Off";
  t.Unidade = "m|ft";  // plain text: taken whole
  smp::Leitor l(Linhas(t));
  TextoAnimado lido{s, 4};
  lido.LeParametros(l);
  EXPECT_EQ(lido.Descricao, "Bomba|Pump");
  EXPECT_EQ(lido.FuncaoTr, "Ligada/Desligada|On/Off");
  EXPECT_EQ(lido.Unidade, "m|ft");
  EXPECT_EQ(Linhas(lido), Linhas(t));
  // A binary text shows the messages of the language in force.
  lido.Tipo = 1;
  lido.ItemVariavel = 10;  // M11
  for (const bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    s.IdiomaIngles = ingles;
    ASSERT_TRUE(lido.AtualizaParametros(false));
    EXPECT_EQ(lido.Titulo, ingles ? "Pump" : "Bomba");
    s.memoria.celula[11] = 0.0;
    lido.Atualiza();
    EXPECT_EQ(lido.TextoExibido, ingles ? "On" : "Ligada");
    s.memoria.celula[11] = 1.0;
    lido.Atualiza();
    EXPECT_EQ(lido.TextoExibido, ingles ? "Off" : "Desligada");
  }
}

TEST_F(RegistroTextoAnimadoTest, DecimalsAreALenientInteger) {
  const std::vector<std::pair<std::string, int>> casos = {
      {"4", 4}, {"7x", 7}, {"", 0}, {"abc", 0}, {"-1", -1}, {" 5", 5}, {"2.9", 2},
  };
  for (const auto& [valor, esperado] : casos) {
    std::vector<std::string> linhas = Linhas(t);
    linhas[3] = "{T/03} Casas Decimais:" + valor;
    smp::Leitor l(linhas);
    TextoAnimado lido{s, 4};
    lido.LeParametros(l);
    EXPECT_EQ(lido.CasasDecimais, esperado) << "'" << valor << "'";
  }
}

TEST_F(RegistroTextoAnimadoTest, ShiftedLinesGiveShiftedValues) {
  const std::vector<std::pair<std::string, std::string>> casos = {
      {"{T/04} Unidade:kPa", "kPa"},
      {"{T/4} Unidade:kPa", "Pa"},      // lost a character
      {"{T/04}  Unidade:kPa", ":kPa"},  // gained one
      {"{T/04} Unid", ""},              // shorter than prefix and label
  };
  for (const auto& [linha, unidade] : casos) {
    std::vector<std::string> linhas = Linhas(t);
    linhas[4] = linha;
    smp::Leitor l(linhas);
    TextoAnimado lido{s, 4};
    lido.LeParametros(l);
    EXPECT_EQ(lido.Unidade, unidade) << linha;
    EXPECT_EQ(lido.TextoFaixaMax, "150.00");
  }
}

TEST_F(RegistroTextoAnimadoTest, MissingLinesAtTheEndStopAtTheType) {
  std::vector<std::string> linhas = Linhas(t);
  linhas.resize(7);  // through "Faixa Min:"
  smp::Leitor l(linhas);
  TextoAnimado lido{s, 4};
  EXPECT_THROW(
      {
        try {
          lido.LeParametros(l);
        } catch (const Erro& e) {
          EXPECT_STREQ(e.what(), "'' is not a valid integer value");
          throw;
        }
      },
      Erro);
  EXPECT_EQ(lido.TextoFaixaMin, "-20");
  EXPECT_EQ(l.Posicao(), 8u);  // stopped on the type line

  // Missing lines before the integers read as empty texts without error.
  std::vector<std::string> curtas = Linhas(t);
  curtas.resize(3);
  curtas.push_back("{T/03} Casas Decimais:1");
  curtas.push_back("{T/04} Unidade:");
  curtas.push_back("{T/05} Faixa Max:");
  curtas.push_back("{T/06} Faixa Min:");
  curtas.push_back("{T/07} Tipo:2");
  curtas.push_back("{T/08} Variavel:-1");
  smp::Leitor l2(curtas);
  TextoAnimado vazio{s, 4};
  vazio.LeParametros(l2);
  EXPECT_EQ(vazio.TextoFaixaMax, "");
  EXPECT_EQ(vazio.TextoAlarmeAlto, "");
  EXPECT_EQ(vazio.Tipo, 2);
}

TEST_F(RegistroTextoAnimadoTest, MalformedTypeOrVariableStopsWithItsText) {
  const std::vector<std::pair<std::size_t, std::string>> casos = {
      {7, "abc"}, {7, "1.0"}, {8, "12x"}, {8, ""}, {8, "+"},
  };
  for (const auto& [linha, valor] : casos) {
    std::vector<std::string> linhas = Linhas(t);
    linhas[linha] = (linha == 7 ? "{T/07} Tipo:" : "{T/08} Variavel:") + valor;
    smp::Leitor l(linhas);
    TextoAnimado lido{s, 4};
    try {
      lido.LeParametros(l);
      ADD_FAILURE() << "accepted '" << valor << "'";
    } catch (const Erro& e) {
      EXPECT_EQ(std::string(e.what()), "'" + valor + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace quiv
