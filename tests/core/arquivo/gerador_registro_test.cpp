// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"
#include "core/objetos/gerador.h"

namespace quiv {
namespace {

std::vector<std::string> Escreve(const Gerador& g) {
  smp::Escritor e;
  g.SalvaParametros(e);
  return e.Linhas();
}

class RegistroGeradorTest : public ::testing::Test {
 protected:
  // A generator with a row of each kind that the record treats apart.
  void Preenche(Gerador& g) {
    CanalGerador& m81 = g.Canal(81);  // constant 0-100
    m81.Tipo = 0;
    m81.Desc = "Vazão de carga";
    m81.DefineValor("42");

    CanalGerador& m82 = g.Canal(82);  // constant 0-1 at 1
    m82.Tipo = 1;
    m82.ItemDigital = 1;

    CanalGerador& m83 = g.Canal(83);  // medium random, value shown by the step
    m83.Tipo = 3;
    m83.Min = "10";
    m83.Max = "20";
    m83.Desc = "5";

    CanalGerador& m84 = g.Canal(84);  // a description with a line break
    m84.Desc = "a\nb";

    CanalGerador& m86 = g.Canal(86);  // sine
    m86.Tipo = 5;
    m86.Min = "0";
    m86.Max = "50";
    m86.Desc = "60";
    m86.DefineValor("25");

    CanalGerador& m96 = g.Canal(96);  // constant 0-1 at 0, bilingual description
    m96.Tipo = 1;
    m96.Desc = "Válvula";

    g.AtualizaParametros();
    m83.Mostra(12.345);  // as a step would show its filtered value
  }

  Simulacao s;
  Gerador g{s};
};

TEST_F(RegistroGeradorTest, WritesHeaderThenFiveUnlabelledLinesPerChannel) {
  Preenche(g);
  const std::vector<std::string> linhas = Escreve(g);
  ASSERT_EQ(linhas.size(), 81u);
  // Left as written: the accented texts make the formatter realign it on every run.
  // clang-format off
  const std::vector<std::pair<int, std::string>> esperadas = {
      {0, "<Parametros>"},
      {1, "{P/01} 0"},
      {2, "{P/02} Vazão de carga"},
      {3, "{P/03} Min."},
      {4, "{P/04} Máx."},
      {5, "{P/05} 42"},
      {6, "{P/06} 1"},
      {10, "{P/10} 1"},  // type 1: the apply wrote the choice into the value
      {11, "{P/11} 3"},
      {12, "{P/12} 5"},
      {13, "{P/13} 10"},
      {14, "{P/14} 20"},
      {15, "{P/15} 12.35"},  // the shown value, two decimals, half away from zero
      {17, "{P/17} a b"},    // a line break becomes a blank
      {26, "{P/26} 5"},
      {28, "{P/28} 0"},
      {29, "{P/29} 50"},
      {30, "{P/30} 25"},
      {46, "{P/46} 0"},  // M90, last channel with a range
      {48, "{P/48} Min."},
      {51, "{P/51} 0"},  // M91: no range
      {52, "{P/52} Descrição"},
      {53, "{P/53} /"},
      {54, "{P/54} /"},
      {55, "{P/55} Valor"},
      {76, "{P/76} 1"},
      {77, "{P/77} Válvula"},
      {78, "{P/78} /"},
      {79, "{P/79} /"},
      {80, "{P/80} 0"},
  };
  // clang-format on
  for (const auto& [i, texto] : esperadas) EXPECT_EQ(linhas[i], texto) << "line " << i;
}

TEST_F(RegistroGeradorTest, RoundTripKeepsTextsStateAndAppliesAfterArranging) {
  Preenche(g);
  const std::vector<std::string> escritas = Escreve(g);

  Simulacao s2;
  Gerador g2{s2};
  smp::Leitor l(escritas);
  g2.LeParametros(l);
  EXPECT_EQ(l.Posicao(), 81u);
  EXPECT_FALSE(g2.Carregando);
  EXPECT_EQ(Escreve(g2), escritas);

  for (int c = Gerador::kPrimeiro; c <= Gerador::kUltimo; ++c) {
    SCOPED_TRACE(c);
    const CanalGerador& a = g.Canal(c);
    const CanalGerador& b = g2.Canal(c);
    EXPECT_EQ(b.Tipo, a.Tipo);
    EXPECT_EQ(b.Desc, c == 84 ? "a b" : a.Desc);
    EXPECT_EQ(b.Valor(), a.Valor());
    EXPECT_EQ(b.ItemDigital, a.ItemDigital);
    if (c <= Gerador::kUltimoComFaixa) {
      EXPECT_EQ(b.Min, a.Min);
      EXPECT_EQ(b.Max, a.Max);
    }
  }

  // The 0/1 choice comes from the value line of type-1 rows.
  EXPECT_EQ(g2.Canal(82).ItemDigital, 1);
  EXPECT_EQ(s2.memoria.celula[82], 1.0);
  EXPECT_EQ(g2.Canal(96).ItemDigital, 0);
  // The medium random signal resumes from the saved (rounded) value.
  EXPECT_DOUBLE_EQ(g2.Canal(83).Filtro, 12.35);
  EXPECT_DOUBLE_EQ(s2.memoria.celula[83], 12.35);
  // Applied after the arranging, which clears the held numbers.
  EXPECT_EQ(g2.Canal(83).Minimo, 10.0);
  EXPECT_EQ(g2.Canal(83).Maximo, 20.0);
  EXPECT_EQ(g2.Canal(83).ParamDesc, 5.0);
  EXPECT_EQ(g2.Canal(86).ParamDesc, 60.0);
  EXPECT_EQ(g2.Canal(86).Maximo, 50.0);
  EXPECT_EQ(s2.memoria.celula[81], 42.0);
  EXPECT_EQ(g2.Canal(81).Posicao, 42);
  // Descriptions of the addresses: the row's text, or while loading the type
  // name for the types whose edit holds a parameter.
  EXPECT_EQ(s2.memoria.DescricaoEndereco[81], "Vazão de carga");
  EXPECT_EQ(s2.memoria.DescricaoEndereco[83], "Aleatório Médio");
  EXPECT_EQ(s2.memoria.DescricaoEndereco[86], "Sinal Senoidal");
}

TEST_F(RegistroGeradorTest, LoadingKeepsTheTextsTheTypeWouldReplace) {
  // Without the loading flag, arranging a random-walk row would write
  // "Inicial", "Ganho" and "Faixa" over the texts just read.
  CanalGerador& m85 = g.Canal(85);
  m85.Tipo = 6;
  m85.Min = "30";
  m85.Max = "0.5";
  m85.Desc = "4";
  m85.DefineValor("30");
  g.Canal(84).Tipo = 7;
  g.Canal(84).DefineValor("M1*2");

  Simulacao s2;
  Gerador g2{s2};
  smp::Leitor l(Escreve(g));
  g2.LeParametros(l);
  EXPECT_EQ(g2.Canal(85).Min, "30");
  EXPECT_EQ(g2.Canal(85).Max, "0.5");
  EXPECT_EQ(g2.Canal(85).Desc, "4");
  EXPECT_EQ(g2.Canal(85).ValorRW, 30.0);
  EXPECT_EQ(g2.Canal(85).ParamDesc, 4.0);
  EXPECT_EQ(g2.Canal(84).Valor(), "M1*2");
  EXPECT_EQ(g2.Canal(84).ExpressaoCanal, "M1*2");
}

TEST_F(RegistroGeradorTest, FilteredValueOnlyForMediumRandomOnRangedChannels) {
  struct Caso {
    int canal;
    int tipo;
    double filtro;
  };
  const Caso casos[] = {{81, 3, 7.25}, {90, 3, 7.25}, {83, 2, 0.0}, {91, 3, 0.0}};
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.canal);
    Simulacao s1;
    Gerador g1{s1};
    g1.Canal(caso.canal).Tipo = caso.tipo;
    g1.Canal(caso.canal).DefineValor("7.25");
    Simulacao s2;
    Gerador g2{s2};
    smp::Leitor l(Escreve(g1));
    g2.LeParametros(l);
    EXPECT_EQ(g2.Canal(caso.canal).Filtro, caso.filtro);
    EXPECT_EQ(g2.Canal(caso.canal).Tipo, caso.tipo);
  }
}

TEST_F(RegistroGeradorTest, DescriptionKeepsBothLanguagesAndDescribesInTheOneInForce) {
  g.Canal(96).Desc = "Válvula|Valve";
  g.Canal(81).Desc = "Nível";
  for (const bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    Simulacao s2;
    s2.IdiomaIngles = ingles;
    Gerador g2{s2};
    smp::Leitor l(Escreve(g));
    g2.LeParametros(l);  // applies itself
    EXPECT_EQ(g2.Canal(96).Desc, "Válvula|Valve");
    EXPECT_EQ(g2.Canal(81).Desc, "Nível");
    EXPECT_EQ(s2.memoria.DescricaoEndereco[96], ingles ? "Valve" : "Válvula");
    EXPECT_EQ(Escreve(g2), Escreve(g));
  }
}

// Line 11 is M83's type (lenient), line 12 its description.
TEST_F(RegistroGeradorTest, ValuesAreCutAtAFixedWidthWhateverThePrefixSays) {
  struct Caso {
    const char* tipo;
    const char* desc;
    int tipoLido;
    std::string descLida;
  };
  const Caso casos[] = {
      {"{P/11} 3", "{P/12} x", 3, "x"},
      {"{Z/99} 4", "{Q/01} Nome", 4, "Nome"},  // prefix not compared
      {"{P/11}  2", "{P/12}  x", 2, " x"},     // gained a blank
      {"{P/11}2", "{P/12}x", 0, ""},           // lost a character
      {"{P/011} 3", "{P/012} y", 3, " y"},     // gained a digit
      {"", "", 0, ""},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.tipo);
    std::vector<std::string> linhas = Escreve(g);
    linhas[11] = caso.tipo;
    linhas[12] = caso.desc;
    Simulacao s2;
    Gerador g2{s2};
    smp::Leitor l(linhas);
    g2.LeParametros(l);
    EXPECT_EQ(g2.Canal(83).Tipo, caso.tipoLido);
    EXPECT_EQ(g2.Canal(83).Desc, caso.descLida);
  }
}

TEST_F(RegistroGeradorTest, TypeIndexIsStoredWithoutRangeCheck) {
  std::vector<std::string> linhas = Escreve(g);
  linhas[1] = "{P/01} 12";  // M81 offers 0 … 9
  linhas[51] = "{P/51} 5";  // M91 offers 0 and 1
  Simulacao s2;
  Gerador g2{s2};
  smp::Leitor l(linhas);
  g2.LeParametros(l);
  EXPECT_EQ(g2.Canal(81).Tipo, 12);
  EXPECT_EQ(g2.TipoEfetivo(81), -1);
  EXPECT_EQ(g2.Canal(91).Tipo, 5);
  EXPECT_EQ(g2.TipoEfetivo(91), -1);
  EXPECT_EQ(Escreve(g2), linhas);
  g2.Calcula();  // a type not offered steps nothing
}

TEST_F(RegistroGeradorTest, MissingLinesAtTheEndReadAsEmpty) {
  Preenche(g);
  std::vector<std::string> linhas = Escreve(g);
  linhas.resize(13);  // header, M81, M82 and M83's type and description
  Simulacao s2;
  Gerador g2{s2};
  smp::Leitor l(linhas);
  g2.LeParametros(l);
  EXPECT_TRUE(l.Fim());
  EXPECT_EQ(l.Posicao(), 81u);
  EXPECT_FALSE(g2.Carregando);
  EXPECT_EQ(g2.Canal(83).Tipo, 3);
  EXPECT_EQ(g2.Canal(83).Desc, "5");
  EXPECT_EQ(g2.Canal(83).Min, "");
  EXPECT_EQ(g2.Canal(83).Filtro, 0.0);
  for (int c = 84; c <= Gerador::kUltimo; ++c) {
    EXPECT_EQ(g2.Canal(c).Tipo, 0) << c;
    EXPECT_EQ(g2.Canal(c).Desc, "") << c;
    EXPECT_EQ(g2.Canal(c).Valor(), "") << c;
  }
  EXPECT_EQ(l.Linha(), "");
}

TEST_F(RegistroGeradorTest, ReadsExactlyItsLinesAndLeavesTheNextRecord) {
  std::vector<std::string> linhas = Escreve(g);
  linhas.push_back("=====<<<REGISTRADOR XY>>>=====");
  Simulacao s2;
  Gerador g2{s2};
  smp::Leitor l(linhas);
  g2.LeParametros(l);
  EXPECT_EQ(l.Linha(), "=====<<<REGISTRADOR XY>>>=====");
}

TEST_F(RegistroGeradorTest, MalformedStrictIntegerStopsTheLoad) {
  struct Caso {
    int linha;
    const char* texto;
    int tipo;              // written on the channel's type line first (-1: as is)
    const char* mensagem;  // nullptr: reads without error
  };
  const Caso casos[] = {
      {1, "{P/01} x1", -1, "'x1' is not a valid integer value"},  // M81 type, strict
      {6, "{P/06} ", -1, "'' is not a valid integer value"},      // M82 type, strict
      {6, "{P/06} 1.0", -1, "'1.0' is not a valid integer value"},
      {11, "{P/11} x", -1, nullptr},                                    // M83 type, lenient
      {15, "{P/15} Valor", 1, "'Valor' is not a valid integer value"},  // 0/1 choice
      {80, "{P/80} sim", 1, "'sim' is not a valid integer value"},
      {15, "{P/15} Valor", 0, nullptr},  // other types keep any value text
      {15, "{P/15} abc", 3, nullptr},    // the filtered value is lenient
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.texto);
    std::vector<std::string> linhas = Escreve(g);
    linhas[caso.linha] = caso.texto;
    if (caso.tipo >= 0) {
      const int linhaTipo = caso.linha - 4;
      linhas[linhaTipo] = smp::PrefixoValor("P", linhaTipo) + std::to_string(caso.tipo);
    }
    Simulacao s2;
    Gerador g2{s2};
    smp::Leitor l(linhas);
    if (caso.mensagem) {
      try {
        g2.LeParametros(l);
        ADD_FAILURE() << "no error";
      } catch (const Erro& e) {
        EXPECT_STREQ(e.what(), caso.mensagem);
      }
      EXPECT_FALSE(g2.Carregando);
    } else {
      EXPECT_NO_THROW(g2.LeParametros(l));
    }
  }
}

}  // namespace
}  // namespace quiv
