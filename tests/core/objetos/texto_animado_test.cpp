// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/texto_animado.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

using Cor = TextoAnimado::Cor;

class TextoAnimadoTest : public ::testing::Test {
 protected:
  TextoAnimadoTest() {
    s.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
  }

  // Selects item `item` (1 … 124) for the given type and applies.
  bool Aplica(int tipo, int item) {
    t.Tipo = tipo;
    t.ItemVariavel = item - 1;
    return t.AtualizaParametros(true);
  }

  Simulacao s;
  TextoAnimado t{s, 3};
  std::vector<std::string> mensagens;
};

TEST_F(TextoAnimadoTest, IdentityIsOneHundredPlusN) { EXPECT_EQ(t.Identidade(), 103); }

TEST_F(TextoAnimadoTest, ScalarShowsEngineeringValueAndLimitColour) {
  struct Caso {
    const char* ueMin;
    const char* ueMax;
    const char* lie;
    const char* lse;
    double m21;
    const char* texto;
    Cor cor;
  };
  const Caso casos[] = {
      {"0", "200", "0", "90", 50, "100.00 kPa", Cor::Vermelho},
      {"0", "200", "0", "200", 50, "100.00 kPa", Cor::Azul},
      {"0", "200", "0", "100", 50, "100.00 kPa", Cor::Azul},  // on the limit: normal
      {"0", "200", "100", "200", 50, "100.00 kPa", Cor::Azul},
      {"0", "200", "100.01", "200", 50, "100.00 kPa", Cor::Vermelho},
      {"-50", "150", "-10", "10", 25, "0.00 kPa", Cor::Azul},  // min + (max−min)·x/100
      {"-50", "150", "-10", "10", 0, "-50.00 kPa", Cor::Vermelho},
      {"0", "100", "M22", "100", 40, "40.00 kPa", Cor::Vermelho},  // limit as expression: 60
      {"0", "100", "M22-30", "M22+30", 40, "40.00 kPa", Cor::Azul},
      {"1,5", "3,5", "0", "10", 50, "2.50 kPa", Cor::Azul},  // comma in the scale
  };
  for (const Caso& c : casos) {
    s.memoria.descritor[21] = {"kPa", c.ueMin, c.ueMax, c.lie, c.lse};
    s.memoria.celula[21] = c.m21;
    s.memoria.celula[22] = 60;
    ASSERT_TRUE(Aplica(0, 21)) << c.ueMin << " " << c.ueMax;
    t.Atualiza();
    EXPECT_EQ(t.TextoExibido, c.texto) << c.lie << " " << c.lse << " " << c.m21;
    EXPECT_EQ(t.CorTextoExibido, c.cor) << c.lie << " " << c.lse << " " << c.m21;
  }
}

TEST_F(TextoAnimadoTest, LimitsFollowTheVariableListWithoutApplying) {
  s.memoria.celula[21] = 50;
  ASSERT_TRUE(Aplica(0, 21));
  t.Atualiza();
  EXPECT_EQ(t.CorTextoExibido, Cor::Azul);
  s.memoria.descritor[21].LSE = "45";
  t.Atualiza();
  EXPECT_EQ(t.CorTextoExibido, Cor::Vermelho);
  s.memoria.descritor[21].LSE = "100";
  s.memoria.descritor[21].LIE = "50,5";
  t.Atualiza();
  EXPECT_EQ(t.CorTextoExibido, Cor::Vermelho);
}

TEST_F(TextoAnimadoTest, DecimalsRoundHalfAwayAndAreHeldInZeroToFive) {
  struct Caso {
    int casas;
    double valor;
    const char* texto;
  };
  const Caso casos[] = {
      {2, 0.125, "0.13 %"},        {2, -0.125, "-0.13 %"}, {0, 2.5, "3 %"},
      {0, -2.5, "-3 %"},           {1, 99.95, "100.0 %"},  {5, 1.0 / 3.0, "0.33333 %"},
      {9, 1.0 / 3.0, "0.33333 %"}, {-1, 7.5, "8 %"},
  };
  ASSERT_TRUE(Aplica(0, 30));
  for (const Caso& c : casos) {
    t.CasasDecimais = c.casas;
    s.memoria.celula[30] = c.valor;
    t.Atualiza();
    EXPECT_EQ(t.TextoExibido, c.texto) << c.casas << " " << c.valor;
  }
}

TEST_F(TextoAnimadoTest, BinaryChoosesTextByZero) {
  struct Caso {
    const char* funcao;
    double x;
    const char* texto;
    Cor cor;
  };
  const Caso casos[] = {
      {"Desligado/Ligado", 0, "Desligado", Cor::Vermelho},
      {"Desligado/Ligado", -0.0, "Desligado", Cor::Vermelho},
      {"Desligado/Ligado", 1, "Ligado", Cor::Azul},
      {"Desligado/Ligado", -3, "Ligado", Cor::Azul},
      {"Desligado/Ligado", 1e-300, "Ligado", Cor::Azul},
      {"Alarme", 0, "", Cor::Vermelho},
      {"Alarme", 1, "Alarme", Cor::Azul},
      {"a/b/c", 0, "a", Cor::Vermelho},
      {"a/b/c", 1, "b/c", Cor::Azul},
      {"/", 1, "", Cor::Azul},
  };
  ASSERT_TRUE(Aplica(1, 11));
  for (const Caso& c : casos) {
    t.FuncaoTr = c.funcao;  // live: no apply needed
    s.memoria.celula[11] = c.x;
    t.Atualiza();
    EXPECT_EQ(t.TextoExibido, c.texto) << c.funcao << " " << c.x;
    EXPECT_EQ(t.CorTextoExibido, c.cor) << c.funcao << " " << c.x;
  }
}

TEST_F(TextoAnimadoTest, EquationScalesItsValueAndAlarmsOnlyBeyondAMillion) {
  t.FuncaoTr = "M21*2";
  t.TextoFaixaMax = "100";
  t.TextoFaixaMin = "0";
  ASSERT_TRUE(Aplica(2, 0));
  struct Caso {
    double m21;
    const char* texto;
    Cor cor;
  };
  const Caso casos[] = {
      {20, "40.00 ", Cor::Azul},
      {-499999.5, "-999999.00 ", Cor::Azul},
      {499999.5, "999999.00 ", Cor::Azul},
      {500000, "1000000.00 ", Cor::Vermelho},
      {-500000, "-1000000.00 ", Cor::Vermelho},
  };
  for (const Caso& c : casos) {
    s.memoria.celula[21] = c.m21;
    t.Atualiza();
    EXPECT_EQ(t.TextoExibido, c.texto) << c.m21;
    EXPECT_EQ(t.CorTextoExibido, c.cor) << c.m21;
  }
}

TEST_F(TextoAnimadoTest, EquationTextIsLiveAndScaledByTheAppliedRange) {
  t.FuncaoTr = "50";
  t.TextoFaixaMax = "300";
  t.TextoFaixaMin = "100";
  t.Unidade = "m";
  ASSERT_TRUE(Aplica(2, 0));
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "200.00 m");
  t.FuncaoTr = "M21*0,5";  // not applied, still used
  s.memoria.celula[21] = 50;
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "150.00 m");
  t.TextoFaixaMax = "500";  // not applied: the held range stays
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "150.00 m");
  t.FuncaoTr = "abc";  // inconsistent: evaluates to 0, the range minimum
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "100.00 m");
}

TEST_F(TextoAnimadoTest, ItemsBeyondM99UseTheStartDescriptor) {
  s.memoria.celula[103] = 55.5;  // process block 3's actuator position
  ASSERT_TRUE(Aplica(0, 103));
  EXPECT_EQ(t.TextoFaixaMin, "0.0");
  EXPECT_EQ(t.TextoFaixaMax, "100.00");
  EXPECT_EQ(t.TextoAlarmeBaixo, "0.00");
  EXPECT_EQ(t.TextoAlarmeAlto, "100.00");
  EXPECT_EQ(t.Unidade, "%");
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "55.50 %");
  EXPECT_EQ(t.CorTextoExibido, Cor::Azul);

  // A binary text on an item beyond 100 shows the number instead.
  t.FuncaoTr = "A/B";
  ASSERT_TRUE(Aplica(1, 124));
  s.memoria.celula[124] = 0;
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "0.00 %");
  // Item 100 is among the first hundred: binary, and its cell stays 0.
  ASSERT_TRUE(Aplica(1, 100));
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "A");
  EXPECT_EQ(t.CorTextoExibido, Cor::Vermelho);
}

TEST_F(TextoAnimadoTest, NoVariableShowsNothing) {
  for (const int tipo : {0, 1}) {
    t.TextoExibido = "old";
    t.CorTextoExibido = Cor::Vermelho;
    EXPECT_FALSE(Aplica(tipo, 0));
    t.Atualiza();
    EXPECT_EQ(t.TextoExibido, "") << tipo;
    EXPECT_EQ(t.CorTextoExibido, Cor::Azul) << tipo;
  }
}

TEST_F(TextoAnimadoTest, OffLineRunsLeaveTheTextAlone) {
  ASSERT_TRUE(Aplica(0, 21));
  s.memoria.celula[21] = 10;
  t.Atualiza();
  s.ModoRapido = true;
  s.memoria.celula[21] = 20;
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "10.00 %");
}

TEST_F(TextoAnimadoTest, OverflowInALimitPropagates) {
  ASSERT_TRUE(Aplica(0, 21));
  s.memoria.descritor[21].LSE = "1E300*1E300";
  EXPECT_THROW(t.Atualiza(), Erro);
}

// Each failed check is named once, in check order; the range of a scalar
// text comes from its variable, so it fails as the variable's range.
TEST_F(TextoAnimadoTest, ApplyChecks) {
  using C = TextoAnimado::Checagem;
  struct Caso {
    int tipo;
    int item;
    const char* faixaMax;
    const char* faixaMin;
    const char* funcao;
    std::vector<C> falhas;
  };
  const Caso casos[] = {
      {1, 11, "100", "0", "", {}},
      {1, 11, " 1,5 ", "-2", "", {}},
      {1, 11, "10", "10", "", {}},                   // max = min is allowed
      {1, 11, "10", "20", "", {C::FaixaInvertida}},  // max < min
      {1, 11, "abc", "0", "", {C::FaixaMax}},        // max not a number
      {1, 11, "100", "", "", {C::FaixaMin}},         // min not a number
      {1, 11, "100", "1e", "", {C::FaixaMin}},
      {1, 11, "x", "y", "", {C::FaixaMax, C::FaixaMin}},  // both, each once
      {1, 0, "100", "0", "", {C::Variavel}},              // no variable
      {2, 0, "100", "0", "M21+1", {}},                    // the equation needs no variable
      {2, 0, "100", "0", "M21+X", {C::Equacao}},
      {2, 0, "0", "100", "1", {C::FaixaInvertida}},
      {2, 0, "a", "0", "M21+Y", {C::FaixaMax, C::Equacao}},
      {0, 0, "100", "0", "", {C::Variavel}},
      {1, 0, "0", "1", "", {C::FaixaInvertida, C::Variavel}},
  };
  for (const Caso& c : casos) {
    t.TextoFaixaMax = c.faixaMax;
    t.TextoFaixaMin = c.faixaMin;
    t.FuncaoTr = c.funcao;
    t.Descricao = "Nível";
    t.Titulo = "antes";
    t.Tipo = c.tipo;
    t.ItemVariavel = c.item - 1;
    EXPECT_EQ(t.AplicaChecando(), c.falhas) << c.tipo << " " << c.faixaMax << " " << c.faixaMin;
    EXPECT_EQ(t.Titulo, c.falhas.empty() ? "Nível" : "antes");
    EXPECT_EQ(Aplica(c.tipo, c.item), c.falhas.empty());
  }
  EXPECT_TRUE(mensagens.empty());
}

TEST_F(TextoAnimadoTest, ScalarChecksTheVariablesScale) {
  using C = TextoAnimado::Checagem;
  struct Caso {
    const char* ueMin;
    const char* ueMax;
    std::vector<C> falhas;
  };
  const Caso casos[] = {
      {"0", "100", {}}, {"50", "10", {C::FaixaVariavel}}, {"0", "M22", {C::FaixaVariavel}}};
  for (const Caso& c : casos) {
    s.memoria.descritor[25].UEMin = c.ueMin;
    s.memoria.descritor[25].UEMax = c.ueMax;
    EXPECT_EQ(Aplica(0, 25), c.falhas.empty()) << c.ueMin << " " << c.ueMax;
    EXPECT_EQ(t.AplicaChecando(), c.falhas) << c.ueMin << " " << c.ueMax;
  }
}

TEST_F(TextoAnimadoTest, ValuesThatReadAreKeptEvenWhenApplyFails) {
  t.TextoFaixaMax = "200";
  t.TextoFaixaMin = "x";
  EXPECT_FALSE(Aplica(1, 101));
  s.memoria.celula[101] = 50;
  t.Atualiza();
  EXPECT_EQ(t.TextoExibido, "100.00 ");  // new max, previous min 0
}

TEST_F(TextoAnimadoTest, EquationApplyOverridesTheAlarmEdits) {
  t.TextoAlarmeAlto = "10";
  t.TextoAlarmeBaixo = "5";
  t.FuncaoTr = "M21";
  ASSERT_TRUE(Aplica(2, 0));
  EXPECT_EQ(t.AlarmeAlto, 999999.0);
  EXPECT_EQ(t.AlarmeBaixo, -999999.0);
  s.memoria.celula[21] = 50;
  t.Atualiza();
  EXPECT_EQ(t.CorTextoExibido, Cor::Azul);
}

TEST_F(TextoAnimadoTest, ScalarApplyWritesTheScaleEdits) {
  s.memoria.descritor[21] = {"bar", "-1", "9", "M22/3", "7,256"};
  s.memoria.celula[22] = 1;
  ASSERT_TRUE(Aplica(0, 21));
  EXPECT_EQ(t.TextoFaixaMin, "-1");
  EXPECT_EQ(t.TextoFaixaMax, "9");
  EXPECT_EQ(t.TextoAlarmeBaixo, "0.33");
  EXPECT_EQ(t.TextoAlarmeAlto, "7.26");
  EXPECT_EQ(t.Unidade, "bar");
}

TEST_F(TextoAnimadoTest, VariableChangeFillsTheScale) {
  struct Caso {
    int tipo;
    int item;
    const char* faixaMin;
    const char* faixaMax;
    const char* alarmeBaixo;
    const char* alarmeAlto;
    const char* unidade;
  };
  const Caso casos[] = {
      {0, 5, "0.00", "80", "12.00", "45.50", "kg"},  // controller outputs start at 0.00
      {0, 21, "10", "80", "12.00", "45.50", "kg"},
      {0, 110, "0.0", "100.00", "0.00", "100.00", "%"},
      {2, 21, "0.00", "100.00", "0.00", "100.00", "u"},
      {1, 21, "e4", "e1", "e3", "e2", "u"},  // binary: untouched
      {0, 0, "e4", "e1", "e3", "e2", "u"},
  };
  for (const Caso& c : casos) {
    if (c.item >= 1 && c.item <= 99) s.memoria.descritor[c.item] = {"kg", "10", "80", "12", "45.5"};
    t.TextoFaixaMin = "e4";
    t.TextoFaixaMax = "e1";
    t.TextoAlarmeBaixo = "e3";
    t.TextoAlarmeAlto = "e2";
    t.Unidade = "u";
    t.Tipo = c.tipo;
    t.ItemVariavel = c.item - 1;
    t.PreencheEscala();
    EXPECT_EQ(t.TextoFaixaMin, c.faixaMin) << c.tipo << " " << c.item;
    EXPECT_EQ(t.TextoFaixaMax, c.faixaMax) << c.tipo << " " << c.item;
    EXPECT_EQ(t.TextoAlarmeBaixo, c.alarmeBaixo) << c.tipo << " " << c.item;
    EXPECT_EQ(t.TextoAlarmeAlto, c.alarmeAlto) << c.tipo << " " << c.item;
    EXPECT_EQ(t.Unidade, c.unidade) << c.tipo << " " << c.item;
  }
}

TEST_F(TextoAnimadoTest, RangeEditsCarryTheAlarmEdits) {
  t.TextoFaixaMax = "250";
  t.AlarmeAltoSegueFaixa();
  t.TextoFaixaMin = "-5";
  t.AlarmeBaixoSegueFaixa();
  EXPECT_EQ(t.TextoAlarmeAlto, "250");
  EXPECT_EQ(t.TextoAlarmeBaixo, "-5");
}

TEST(TextoAnimadoLayout, ControlsPerType) {
  struct Caso {
    int tipo;
    bool variavel, escala;
    int alturaEscala;
    bool alarmes, leitura;
    const char* legenda;
    bool funcao;
    int esquerda, altura;
  };
  const Caso casos[] = {
      {0, true, true, 89, true, true, "Variável", false, 115, 271},
      {1, true, false, 89, true, true, "<Texto>", true, 115, 173},
      {2, false, true, 61, false, false, "Equação", true, 67, 239},
      {7, true, true, 89, true, true, "Variável", false, 115, 271},
  };
  for (const Caso& c : casos) {
    const auto l = TextoAnimado::LayoutTipo(c.tipo);
    EXPECT_EQ(l.VariavelVisivel, c.variavel) << c.tipo;
    EXPECT_EQ(l.EscalaVisivel, c.escala) << c.tipo;
    if (c.escala) {
      EXPECT_EQ(l.AlturaEscala, c.alturaEscala) << c.tipo;
      EXPECT_EQ(l.LinhaAlarmeVisivel, c.alarmes) << c.tipo;
      EXPECT_EQ(l.SomenteLeitura, c.leitura) << c.tipo;
    }
    EXPECT_EQ(l.LegendaOrigem, c.legenda) << c.tipo;
    EXPECT_EQ(l.FuncaoTrVisivel, c.funcao) << c.tipo;
    if (c.funcao) {
      EXPECT_EQ(l.FuncaoTrEsquerda, c.esquerda) << c.tipo;
    }
    EXPECT_EQ(l.AlturaJanela, c.altura) << c.tipo;
  }
}

TEST(TextoAnimadoLista, OneHundredTwentyFourItemsWithTwoDigitsAtLeast) {
  Memoria m;
  m.DefineDescricao(21, "Nível T1");
  const auto lista = TextoAnimado::ListaVariaveis(m);
  ASSERT_EQ(lista.size(), 124u);
  EXPECT_EQ(lista[0], "01   ");
  EXPECT_EQ(lista[10], "11   Chave_1");
  EXPECT_EQ(lista[20], "21   Nível T1");
  EXPECT_EQ(lista[99], "100   ");
  EXPECT_EQ(lista[100], "101   Posição Atuador 1");
  EXPECT_EQ(lista[123], "124   Posição Atuador 24");
}

}  // namespace
}  // namespace quiv
