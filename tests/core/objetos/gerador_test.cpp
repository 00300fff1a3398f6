// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/gerador.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <numbers>
#include <string>
#include <vector>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

// A random source that hands out scripted numbers and logs each request.
class Roteiro : public Aleatorio {
 public:
  Roteiro() : Aleatorio(1) {}
  int RandomInt(int n) override {
    pedidos.push_back(n);
    if (numeros.empty()) return 0;
    const int v = numeros.front();
    numeros.pop_front();
    return v;
  }
  std::deque<int> numeros;
  std::vector<int> pedidos;
};

class GeradorTest : public ::testing::Test {
 protected:
  // Sets a channel's row as the user would and applies.
  CanalGerador& Configura(int c, int tipo, std::string min, std::string max, std::string desc,
                          std::string valor = "0") {
    CanalGerador& canal = g.Canal(c);
    canal.Tipo = tipo;
    g.MudaTipo(c);
    canal.Min = std::move(min);
    canal.Max = std::move(max);
    canal.Desc = std::move(desc);
    canal.DefineValor(std::move(valor));
    g.AtualizaParametros();
    return canal;
  }
  double& M(int c) { return s.memoria.celula[c]; }

  Simulacao s;
  Roteiro sorteio;
  Gerador g{s, sorteio};
};

TEST_F(GeradorTest, FastRandomDrawsEveryCycleWithinMinMax) {
  CanalGerador& canal = Configura(81, 2, "40", "60", "Descrição");
  sorteio.numeros = {0, 9999, 5000};
  g.Calcula();
  EXPECT_EQ(M(81), 40);
  EXPECT_EQ(canal.Valor(), "40.00");
  g.Calcula();
  EXPECT_DOUBLE_EQ(M(81), 59.998);
  EXPECT_EQ(canal.Valor(), "60.00");
  // An apply continues from the value shown.
  g.AtualizaParametros();
  EXPECT_EQ(M(81), 60);
  g.Calcula();
  EXPECT_EQ(M(81), 50);
  EXPECT_EQ(sorteio.pedidos, (std::vector<int>{10000, 10000, 10000}));
}

TEST_F(GeradorTest, MediumRandomDrawsAtARatePerSimulatedTime) {
  struct Caso {
    double dt;
    int r;
    bool sorteia;
  };
  // 500·dt/0.1 > r: a new target with probability 1/60 per 0.1 s.
  const Caso casos[] = {{0.1, 499, true},   {0.1, 500, false}, {1.0, 4999, true},
                        {1.0, 5000, false}, {0.05, 249, true}, {0.05, 250, false}};
  for (const Caso& c : casos) {
    s.dt = c.dt;
    CanalGerador& canal = Configura(82, 3, "0", "100", "0");
    canal.Alvo = 7;
    sorteio.numeros = {c.r, 4200};
    sorteio.pedidos.clear();
    g.Calcula();
    EXPECT_EQ(M(82), c.sorteia ? 42 : 7) << c.dt << " " << c.r;
    EXPECT_EQ(sorteio.pedidos.size(), c.sorteia ? 2u : 1u);
  }
}

TEST_F(GeradorTest, MediumRandomFiltersTowardsTheTarget) {
  struct Caso {
    const char* tal;
    double esperado;  // after one step from Filtro 0 towards target 50, dt 0.1
  };
  const Caso casos[] = {{"0", 50},
                        {"-3", 50},
                        {"-0.1", 50},
                        {"1", 1 / 1.1 * 0 + 0.1 / 1.1 * 50},
                        {"0,9", 50}};  // no comma conversion: 0
  for (const Caso& c : casos) {
    CanalGerador& canal = Configura(83, 3, "0", "100", c.tal);
    canal.Filtro = 0;
    sorteio.numeros = {0, 5000};
    g.Calcula();
    EXPECT_DOUBLE_EQ(M(83), c.esperado) << c.tal;
    EXPECT_TRUE(std::isfinite(M(83)));
  }
  // T = 0 holds the target between draws.
  sorteio.numeros = {30000 - 1, 30000 - 1};
  g.Calcula();
  g.Calcula();
  EXPECT_EQ(M(83), 50);
}

TEST_F(GeradorTest, RandomRatesHoldWhenTheStepChanges) {
  Aleatorio real(11);
  Gerador gr{s, real};
  struct Caso {
    int tipo;
    double dt;
    double segundos;
    double periodoMedio;
  };
  const Caso casos[] = {
      {3, 0.1, 60000, 6}, {3, 1.0, 60000, 6}, {4, 0.1, 300000, 100}, {4, 0.5, 300000, 100}};
  for (const Caso& c : casos) {
    s.dt = c.dt;
    CanalGerador& canal = gr.Canal(84);
    canal.Tipo = c.tipo;
    canal.Min = std::string("0");
    canal.Max = std::string("100");
    canal.Desc = std::string("0");
    gr.AtualizaParametros();
    int mudancas = 0;
    double anterior = M(84);
    const int passos = static_cast<int>(c.segundos / c.dt);
    for (int i = 0; i < passos; ++i) {
      gr.Calcula();
      mudancas += M(84) != anterior;
      anterior = M(84);
    }
    const double esperado = c.segundos / c.periodoMedio;
    EXPECT_NEAR(mudancas, esperado, 0.05 * esperado) << c.tipo << " " << c.dt;
  }
}

TEST_F(GeradorTest, SlowRandomHoldsBetweenDraws) {
  Configura(85, 4, "10", "20", "Descrição");
  M(85) = 3;
  sorteio.numeros = {30, 29, 10000 / 2};
  g.Calcula();
  EXPECT_EQ(M(85), 3);
  g.Calcula();
  EXPECT_EQ(M(85), 15);
}

// A range wider than the doubles makes an infinite signal: an overflow,
// raised before the cell is written.
TEST_F(GeradorTest, ASignalBeyondTheRangeIsAnOverflow) {
  Configura(86, 5, "-1E+308", "1E+308", "20");
  M(86) = 3.0;
  EXPECT_THROW(g.Calcula(), Erro);
  EXPECT_EQ(M(86), 3.0);
}

TEST_F(GeradorTest, SineStartsMidwayAndFollowsItsPeriod) {
  CanalGerador& canal = Configura(86, 5, "0", "100", "10*2");
  EXPECT_EQ(canal.ParamDesc, 20);
  std::vector<double> saida;
  for (int i = 0; i < 100; ++i) {
    g.Calcula();
    saida.push_back(M(86));
  }
  EXPECT_NEAR(saida[0], 50 + 50 * std::sin(2 * std::numbers::pi * 0.1 / 20), 1e-12);
  EXPECT_NEAR(saida[49], 100, 1e-9);
  EXPECT_NEAR(saida[99], 50, 1e-9);
  EXPECT_EQ(canal.Valor(), "50.00");
  // The period is read live; one that evaluates to 0 gives 0.
  canal.Desc = std::string("M21");
  M(21) = 0;
  g.Calcula();
  EXPECT_EQ(M(86), 0);
  EXPECT_EQ(canal.Valor(), "0.00");
  M(21) = 40;
  g.Calcula();
  EXPECT_EQ(canal.ParamDesc, 40);
  EXPECT_NEAR(M(86), 50 + 50 * std::sin(2 * std::numbers::pi * canal.TempoSeno / 40), 1e-9);
  // The time accumulator starts again above 1e8 s.
  canal.TempoSeno = 100000000;
  g.Calcula();
  EXPECT_EQ(canal.TempoSeno, 0);
}

TEST_F(GeradorTest, RandomWalkStaysInItsBand) {
  CanalGerador& canal = Configura(87, 6, "50", "1", "10");
  // u = r/5000 − 1: 9999 → +0.9998, 0 → −1, 5000 → 0.
  sorteio.numeros = {9999, 0, 5000};
  g.Calcula();
  EXPECT_DOUBLE_EQ(M(87), 50.9998);
  g.Calcula();
  EXPECT_DOUBLE_EQ(M(87), 49.9998);
  g.Calcula();
  EXPECT_DOUBLE_EQ(M(87), 49.9998);
  canal.ValorRW = 59.5;
  sorteio.numeros = {9999};
  g.Calcula();
  EXPECT_EQ(M(87), 50);

  Aleatorio real(3);
  Gerador gr{s, real};
  CanalGerador& outro = gr.Canal(87);
  outro.Tipo = 6;
  outro.Min = std::string("50");
  outro.Max = std::string("1");
  outro.Desc = std::string("10");
  gr.AtualizaParametros();
  double anterior = 50;
  for (int i = 0; i < 5000; ++i) {
    gr.Calcula();
    EXPECT_TRUE(std::fabs(M(87) - anterior) <= 1 || M(87) == 50) << i;
    EXPECT_GE(M(87), 40);
    EXPECT_LE(M(87), 60);
    anterior = M(87);
  }
}

TEST_F(GeradorTest, ExpressionTypes) {
  struct Caso {
    int tipo;
    const char* expressao;
    double m21;
    double esperado;  // the cell starts at -7
  };
  const Caso casos[] = {
      {7, "M21*2", 3, 6}, {7, "1,5+M21", 1, 2.5}, {7, "2x", 1, 0},  {8, "M21", std::exp(2.0), 2},
      {8, "M21", 0, -7},  {8, "M21-5", 1, -7},    {9, "M21", 0, 1}, {9, "M21/2", 2, std::exp(1.0)},
  };
  for (const Caso& c : casos) {
    Configura(81, c.tipo, "", "", "Descrição", c.expressao);
    M(21) = c.m21;
    M(81) = -7;
    g.Calcula();
    EXPECT_NEAR(M(81), c.esperado, 1e-12) << c.tipo << " " << c.expressao;
  }
  Configura(81, 9, "", "", "", "M21");
  M(21) = 1000;
  M(81) = -7;
  EXPECT_THROW(g.Calcula(), Erro);
  EXPECT_EQ(M(81), -7);
}

TEST_F(GeradorTest, ApplyTakesEachTypesValueOver) {
  struct Caso {
    int endereco;
    int tipo;
    const char* valor;
    int itemDigital;
    double celula;
    const char* valorDepois;
  };
  const Caso casos[] = {
      {81, 0, "2*3+4", 0, 10, "2*3+4"},
      {91, 0, "1,5", 0, 1.5, "1,5"},
      {81, 0, "M21", 0, 0, "M21"},
      {96, 1, "x", 1, 1, "1"},
      {96, 1, "x", 0, 0, "0"},
      {92, 1, "x", 5, 0, "0"},
      {82, 2, "47.53", 0, 47.53, "47.53"},
      {88, 4, "1,5", 0, 1, "1,5"},
      {89, 6, "Valor", 0, 0, "Valor"},
  };
  for (const Caso& c : casos) {
    CanalGerador& canal = g.Canal(c.endereco);
    canal.Tipo = c.tipo;
    canal.DefineValor(c.valor);
    canal.ItemDigital = c.itemDigital;
    M(c.endereco) = -1;
    g.AtualizaParametros();
    EXPECT_EQ(M(c.endereco), c.celula) << c.endereco << " " << c.valor;
    EXPECT_EQ(canal.Valor(), c.valorDepois);
  }
}

TEST_F(GeradorTest, ApplyReadsPlainNumbersAndDescriptions) {
  struct Caso {
    int tipo;
    const char* min;
    const char* max;
    const char* desc;
    double minimo, maximo, param;
    const char* descricao;  // of M82 afterwards
  };
  const Caso casos[] = {
      {2, "10", "1,5", "Ruído", 10, 1, 0, "Ruído"},
      {3, " 2.5E1", "1E400", "7", 25, 0, 7, "Aleatório Médio"},
      {5, "0", "100", "M21*2", 0, 100, 8, "Sinal Senoidal"},
      {6, "abc", "-3", "4x", 0, -3, 4, "Random Walk"},
      {0, "1", "2", "M21*2", 1, 2, 0, "M21*2"},
  };
  s.memoria.celula[21] = 4;
  for (const Caso& c : casos) {
    CanalGerador& canal = g.Canal(82);
    canal.Tipo = c.tipo;
    g.MudaTipo(82);
    canal.Min = c.min;
    canal.Max = c.max;
    canal.Desc = c.desc;
    canal.ValorRW = 99;
    g.AtualizaParametros();
    EXPECT_EQ(canal.Minimo, c.minimo) << c.tipo;
    EXPECT_EQ(canal.Maximo, c.maximo) << c.tipo;
    EXPECT_EQ(canal.ParamDesc, c.param) << c.tipo;
    EXPECT_EQ(canal.ValorRW, c.minimo) << c.tipo;
    EXPECT_EQ(s.memoria.DescricaoEndereco[82], c.descricao) << c.tipo;
  }
}

TEST_F(GeradorTest, ChangingTheTypeClearsTheRangeUntilTheNextApply) {
  CanalGerador& canal = Configura(83, 0, "40", "60", "10");
  canal.Tipo = 2;
  g.MudaTipo(83);
  EXPECT_EQ(canal.Minimo, 0);
  EXPECT_EQ(canal.Maximo, 0);
  EXPECT_EQ(canal.ParamDesc, 0);
  sorteio.numeros = {9999};
  g.Calcula();
  EXPECT_EQ(M(83), 0);
  canal.Min = std::string("40");
  canal.Max = std::string("60");
  g.AtualizaParametros();
  sorteio.numeros = {9999};
  g.Calcula();
  EXPECT_DOUBLE_EQ(M(83), 59.998);
}

// Types by what their row holds.
bool Constante(int tipo) { return tipo == 0 || tipo == 1; }
bool ComFaixa(int tipo) { return tipo >= 2 && tipo <= 6; }
bool Equacao(int tipo) { return tipo >= 7 && tipo <= 9; }
// Types whose description edit holds a parameter: the time constant (3), the
// period (5) and the band (6).
bool DescricaoParametro(int tipo) { return tipo == 3 || tipo == 5 || tipo == 6; }

TEST(ArranjoCanalTest, EachKindOfTypeShowsWhatItUses) {
  const ArranjoCanal padrao;
  for (int tipo = 0; tipo <= 9; ++tipo) {
    const ArranjoCanal a = Gerador::Arranjo(tipo);
    // The 0-100 constant gets the arrows, the 0-1 constant its choice in
    // place of the value edit.
    EXPECT_EQ(a.SetasVisiveis, tipo == 0) << tipo;
    EXPECT_EQ(a.EscolhaDigitalVisivel, tipo == 1) << tipo;
    EXPECT_EQ(a.ValorVisivel, tipo != 1) << tipo;
    // Only the types with a range show Min and Max.
    EXPECT_EQ(a.MinMaxVisiveis, ComFaixa(tipo)) << tipo;
    // The value is typed for the 0-100 constant and the expressions; the
    // other types show their output there.
    EXPECT_EQ(a.ValorHabilitado, tipo == 0 || Equacao(tipo)) << tipo;
    // The range or the expression takes room from the description.
    if (Constante(tipo)) {
      EXPECT_EQ(a.LarguraDesc, padrao.LarguraDesc) << tipo;
    } else {
      EXPECT_LT(a.LarguraDesc, padrao.LarguraDesc) << tipo;
    }
    // An expression's edit is wider, grown to the left.
    if (Equacao(tipo)) {
      EXPECT_GT(a.LarguraValor, padrao.LarguraValor) << tipo;
      EXPECT_LT(a.EsquerdaValor, padrao.EsquerdaValor) << tipo;
      EXPECT_LE(a.EsquerdaValor + a.LarguraValor, padrao.EsquerdaValor + padrao.LarguraValor);
    } else {
      EXPECT_EQ(a.LarguraValor, padrao.LarguraValor) << tipo;
      EXPECT_EQ(a.EsquerdaValor, padrao.EsquerdaValor) << tipo;
    }
  }
  // A type index no channel offers arranges nothing.
  for (const int tipo : {-1, 10}) {
    const ArranjoCanal a = Gerador::Arranjo(tipo);
    EXPECT_FALSE(a.SetasVisiveis || a.MinMaxVisiveis || a.EscolhaDigitalVisivel) << tipo;
    EXPECT_TRUE(a.ValorVisivel) << tipo;
    EXPECT_FALSE(a.ValorHabilitado) << tipo;
  }
}

class GeradorMudaTipoTest : public GeradorTest {
 protected:
  // Channel M84 with texts of its own and a described address, changed to
  // `tipo`.
  CanalGerador& Muda(int tipo, bool carregando) {
    CanalGerador& canal = g.Canal(84);
    canal.Tipo = tipo;
    canal.Min = std::string("m");
    canal.Max = std::string("M");
    canal.Desc = std::string("d");
    canal.DefineValor("v");
    s.memoria.DefineDescricao(84, "antes");
    g.Carregando = carregando;
    g.MudaTipo(84);
    g.Carregando = false;
    return canal;
  }
  const std::string& Descricao() { return s.memoria.DescricaoEndereco[84]; }
};

TEST_F(GeradorMudaTipoTest, EachTypeNamesTheAddressAndCaptionsTheEditsItUses) {
  const CanalGerador novo;
  const std::string rotuloEquacao = Muda(7, false).Valor();
  std::vector<std::string> rotulosParametro;
  for (int tipo = 0; tipo <= 9; ++tipo) {
    const CanalGerador& canal = Muda(tipo, false);
    // The address is named after the type.
    EXPECT_NE(Descricao(), "antes") << tipo;
    EXPECT_FALSE(Descricao().empty()) << tipo;
    // Min and Max get captions where they are shown; elsewhere the texts stay.
    if (ComFaixa(tipo)) {
      EXPECT_NE(canal.Min, "m") << tipo;
      EXPECT_NE(canal.Max, "M") << tipo;
      EXPECT_FALSE(canal.Min.empty() || canal.Max.empty()) << tipo;
    } else {
      EXPECT_EQ(canal.Min, "m") << tipo;
      EXPECT_EQ(canal.Max, "M") << tipo;
    }
    // The description edit names the parameter it holds, or asks for a
    // description as a new row does.
    if (DescricaoParametro(tipo)) {
      EXPECT_NE(canal.Desc, novo.Desc) << tipo;
      rotulosParametro.push_back(canal.Desc.Completo());
    } else {
      EXPECT_EQ(canal.Desc, novo.Desc) << tipo;
    }
    // A typed value gets a caption: the constant's as a new row has it, one
    // for the expression types; the others leave what the edit shows.
    if (tipo == 0) {
      EXPECT_EQ(canal.Valor(), novo.Valor());
    } else if (Equacao(tipo)) {
      EXPECT_NE(canal.Valor(), "v") << tipo;
      EXPECT_EQ(canal.Valor(), rotuloEquacao) << tipo;
    } else {
      EXPECT_EQ(canal.Valor(), "v") << tipo;
    }
  }
  // Each parameter has its own caption.
  ASSERT_EQ(rotulosParametro.size(), 3u);
  EXPECT_NE(rotulosParametro[0], rotulosParametro[1]);
  EXPECT_NE(rotulosParametro[0], rotulosParametro[2]);
  EXPECT_NE(rotulosParametro[1], rotulosParametro[2]);
  // The random walk's range is its start and its step, not a minimum and a
  // maximum like the random types'.
  const std::string minAleatorio = Muda(2, false).Min;
  const std::string maxAleatorio = Muda(2, false).Max;
  EXPECT_NE(Muda(6, false).Min, minAleatorio);
  EXPECT_NE(Muda(6, false).Max, maxAleatorio);
}

// A window's draft of a row takes the captions the channel would.
TEST_F(GeradorMudaTipoTest, ADraftRowTakesTheChannelsCaptions) {
  for (int tipo = -1; tipo <= 10; ++tipo) {
    FormularioCanal linha{tipo, "d", "m", "M", "v"};
    Gerador::LegendasDoTipo(84, linha);
    Muda(tipo, false);
    EXPECT_EQ(linha, g.Linha(84)) << tipo;
  }
}

TEST_F(GeradorMudaTipoTest, ApplyDescribesTheAddressByTheTextUnlessItHoldsAParameter) {
  for (int tipo = 0; tipo <= 9; ++tipo) {
    Muda(tipo, false);
    const std::string nomeTipo = Descricao();
    g.Canal(84).Desc = std::string("Vazão de saída");
    g.AtualizaParametros();
    EXPECT_EQ(Descricao(), DescricaoParametro(tipo) ? nomeTipo : "Vazão de saída") << tipo;
  }
}

TEST_F(GeradorMudaTipoTest, WhileLoadingTheTextsStayAndOnlyRandomTypesNameTheAddress) {
  for (int tipo = 0; tipo <= 9; ++tipo) {
    Muda(tipo, false);
    const std::string nomeTipo = Descricao();
    const CanalGerador& canal = Muda(tipo, true);
    EXPECT_EQ(canal.Min, "m") << tipo;
    EXPECT_EQ(canal.Max, "M") << tipo;
    EXPECT_EQ(canal.Desc, "d") << tipo;
    EXPECT_EQ(canal.Valor(), "v") << tipo;
    // The random and sine types (2 … 5) write their name as outside loading;
    // the others keep the description the file gave the address.
    const bool nomeia = tipo >= 2 && tipo <= 5;
    EXPECT_EQ(Descricao(), nomeia ? nomeTipo : "antes") << tipo;
  }
}

// The window's rows: only the rows that differ from the channels' are
// checked, each field the channel reads for the row's type; a failure
// names the channel and the field and leaves every row as it was; when all
// pass, a new type adapts its channel as MudaTipo does and every channel is
// applied.
TEST_F(GeradorTest, RowsAreCheckedWhereTheyChangedAndTakenAllOrNothing) {
  std::vector<std::string> falhas;
  s.Mensagem = [&falhas](std::string_view t) { falhas.emplace_back(t); };
  // New rows hold captions that read as nothing; untouched, they are not
  // checked.
  EXPECT_TRUE(g.AtualizaFormulario(g.Linhas(), true));
  EXPECT_TRUE(falhas.empty());

  Gerador::Formulario linhas = g.Linhas();
  FormularioCanal& constante = linhas[0];
  FormularioCanal& medio = linhas[84 - Gerador::kPrimeiro];
  FormularioCanal& seno = linhas[85 - Gerador::kPrimeiro];
  constante.Valor = "M15";  // a constant reads no address
  medio.Tipo = 3;
  Gerador::LegendasDoTipo(84, medio);
  medio.Min = "1,5";
  medio.Max = " 20 ";
  seno.Tipo = 5;
  Gerador::LegendasDoTipo(85, seno);
  seno.Min = "0";
  seno.Max = "1e1";
  seno.Desc = std::string("M15*2");
  const Gerador::Formulario antes = g.Linhas();
  EXPECT_FALSE(g.AtualizaFormulario(linhas, true));
  EXPECT_EQ(falhas, (std::vector<std::string>{"Gerador de Sinais M81: Valor inválido",
                                              "Gerador de Sinais M84: Min inválido",
                                              "Gerador de Sinais M84: Tal inválido"}));
  EXPECT_EQ(g.Linhas(), antes);

  falhas.clear();
  constante.Valor = "2*20";
  medio.Min = "10";
  medio.Desc = std::string("5");
  M(15) = 3.0;
  EXPECT_TRUE(g.AtualizaFormulario(linhas, false));
  EXPECT_TRUE(falhas.empty());
  EXPECT_EQ(g.Linhas(), linhas);
  EXPECT_EQ(M(81), 40.0);
  EXPECT_EQ(g.Canal(84).Minimo, 10.0);
  EXPECT_EQ(g.Canal(84).Maximo, 20.0);
  EXPECT_EQ(g.Canal(84).ParamDesc, 5.0);
  EXPECT_EQ(g.Canal(85).ParamDesc, 6.0);
  EXPECT_EQ(s.memoria.DescricaoEndereco[84], "Aleatório Médio");
}

TEST_F(GeradorTest, TypesAChannelDoesNotOfferDoNothing) {
  // M86 offers 0 … 6, M91 only 0 and 1.
  CanalGerador& c86 = g.Canal(86);
  c86.Tipo = 7;
  c86.DefineValor("5");
  CanalGerador& c91 = g.Canal(91);
  c91.Tipo = 2;
  c91.DefineValor("5");
  M(86) = M(91) = -1;
  s.memoria.DefineDescricao(91, "antes");
  g.MudaTipo(91);
  EXPECT_EQ(s.memoria.DescricaoEndereco[91], "antes");
  EXPECT_EQ(c91.Desc, "Descrição");
  g.AtualizaParametros();
  g.Calcula();
  EXPECT_EQ(M(86), -1);
  EXPECT_EQ(M(91), -1);
  EXPECT_EQ(Gerador::TiposOferecidos(85), 10);
  EXPECT_EQ(Gerador::TiposOferecidos(86), 7);
  EXPECT_EQ(Gerador::TiposOferecidos(96), 2);
}

TEST_F(GeradorTest, ArrowsMoveAConstantByWholeUnitsWithin0To100) {
  CanalGerador& canal = Configura(92, 0, "", "", "Descrição", "37.6");
  EXPECT_EQ(canal.Posicao, 38);
  g.MovePosicao(92, true);
  EXPECT_EQ(canal.Valor(), "39");
  EXPECT_EQ(M(92), 39);
  struct Caso {
    const char* valor;
    bool sobe;
    double celula;
  };
  const Caso casos[] = {{"100", true, 100}, {"250", true, 100}, {"0", false, 0},
                        {"-20", false, 0},  {"2.5", true, 4},   {"50", false, 49}};
  for (const Caso& c : casos) {
    canal.DefineValor(c.valor);
    g.AtualizaParametros();
    g.MovePosicao(92, c.sobe);
    EXPECT_EQ(M(92), c.celula) << c.valor;
  }
}

TEST_F(GeradorTest, ZeroOneChoiceApplies) {
  CanalGerador& canal = Configura(95, 1, "", "", "Bomba");
  g.EscolheDigital(95, 1);
  EXPECT_EQ(M(95), 1);
  EXPECT_EQ(canal.Valor(), "1");
  EXPECT_EQ(s.memoria.DescricaoEndereco[95], "Bomba");
  g.EscolheDigital(95, 0);
  EXPECT_EQ(M(95), 0);
}

// The same two decimals as every other two-decimal text (TextoFixo).
TEST(CanalGeradorTest, ShownValuesHaveTwoDecimalsRoundedHalfAway) {
  struct Caso {
    double v;
    const char* texto;
  };
  const Caso casos[] = {{0.125, "0.13"},
                        {-0.125, "-0.13"},
                        {2.675, "2.68"},
                        {1.005, "1.01"},
                        {NAN, "0.00"},
                        {-INFINITY, "0.00"},
                        {59.998, "60.00"},
                        {-0.001, "0.00"},
                        {1234.5, "1234.50"},
                        {0.005, "0.01"},
                        {1e20, "100000000000000000000.00"}};
  for (const Caso& c : casos) {
    CanalGerador canal;
    canal.Mostra(c.v);
    EXPECT_EQ(canal.Valor(), c.texto) << c.v;
  }
}

}  // namespace
}  // namespace quiv
