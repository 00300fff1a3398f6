// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"
#include "core/objetos/registrador.h"

namespace quiv {
namespace {

class RegistroRegistradorTest : public ::testing::Test {
 protected:
  RegistroRegistradorTest() {
    r.Tag = "TR-01";
    r.Descricao = "Nível do tanque";
    r.ItemVariavel1 = 20;  // M21
    r.NomeVariavel1 = "Nível";
    r.ItemVariavel2 = 60;  // M61
    r.NomeVariavel2 = "SP";
    r.ItemVariavel3 = Registrador::kItemNenhum;
    r.NomeVariavel3 = "MV";
    r.Grafico.ItemBaseTempo = 2;
  }

  std::vector<std::string> Linhas(const Registrador& registrador) {
    smp::Escritor e;
    registrador.SalvaParametros(e);
    return e.Linhas();
  }

  Simulacao s;
  Registrador r{s, 3};
};

TEST_F(RegistroRegistradorTest, WritesHeaderAndNineLabelledLines) {
  const std::vector<std::string> esperado = {
      "=====<<<REGISTRADOR:203>>>=====",
      "{R/01} Tag:TR-01",
      "{R/02} Desc:Nível do tanque",
      "{R/03} Ind Lista Var1:20",
      "{R/04} Desc Var1:Nível",
      "{R/05} Ind Lista Var2:60",
      "{R/06} Desc Var2:SP",
      "{R/07} Ind Lista Var3:124",
      "{R/08} Desc Var3:MV",
      "{R/09} Ind Lista Base Tempo:2",
  };
  EXPECT_EQ(Linhas(r), esperado);
}

TEST_F(RegistroRegistradorTest, TwoRecordersDifferOnlyInTheHeader) {
  Registrador primeiro{s, 1};
  Registrador ultimo{s, 10};
  const std::vector<std::string> a = Linhas(primeiro);
  const std::vector<std::string> b = Linhas(ultimo);
  EXPECT_EQ(a[0], "=====<<<REGISTRADOR:201>>>=====");
  EXPECT_EQ(b[0], "=====<<<REGISTRADOR:210>>>=====");
  EXPECT_EQ(std::vector<std::string>(a.begin() + 1, a.end()),
            std::vector<std::string>(b.begin() + 1, b.end()));
  EXPECT_EQ(a[3], "{R/03} Ind Lista Var1:-1");  // no variable chosen
}

TEST_F(RegistroRegistradorTest, RoundTripThroughFileBytes) {
  r.ItemVariavel2 = -1;
  smp::Escritor e;
  r.SalvaParametros(e);
  smp::Leitor l = smp::Leitor::DeConteudo(e.Conteudo());
  Registrador lido{s, 3};
  lido.LeParametros(l);
  EXPECT_EQ(l.Posicao(), 10u);
  EXPECT_EQ(Linhas(lido), Linhas(r));
  EXPECT_EQ(lido.Tag, r.Tag);
  EXPECT_EQ(lido.Descricao, r.Descricao);
  EXPECT_EQ(lido.ItemVariavel1, 20);
  EXPECT_EQ(lido.NomeVariavel1, "Nível");
  EXPECT_EQ(lido.ItemVariavel2, -1);
  EXPECT_EQ(lido.NomeVariavel2, "SP");
  EXPECT_EQ(lido.ItemVariavel3, Registrador::kItemNenhum);
  EXPECT_EQ(lido.NomeVariavel3, "MV");
  EXPECT_EQ(lido.Grafico.ItemBaseTempo, 2);
}

TEST_F(RegistroRegistradorTest, ReadingResetsScaleAndArchiveClockFirst) {
  Registrador lido{s, 3};
  lido.Grafico.EscalaSup = 80.0;
  lido.Grafico.EscalaInf = 20.0;
  lido.Grafico.Arquivo.TempoArquivo = 123.4;
  smp::Leitor l(Linhas(r));
  lido.LeParametros(l);
  EXPECT_EQ(lido.Grafico.EscalaSup, 100.0);
  EXPECT_EQ(lido.Grafico.EscalaInf, 0.0);
  EXPECT_EQ(lido.Grafico.Arquivo.TempoArquivo, 0.0);
}

TEST_F(RegistroRegistradorTest, TextsAreBilingualIndicesAreNot) {
  r.Tag = "Nível|Level";
  r.Descricao = "Tanque|Tank";
  r.NomeVariavel1 = "Vazão|Flow";
  r.NomeVariavel2 = "Ref.|Set";
  r.NomeVariavel3 = "Saída|Output";
  smp::Leitor l(Linhas(r));
  Registrador lido{s, 3};
  lido.LeParametros(l);
  EXPECT_EQ(lido.Tag, "Nível|Level");
  EXPECT_EQ(lido.Descricao, "Tanque|Tank");
  EXPECT_EQ(lido.NomeVariavel1, "Vazão|Flow");
  EXPECT_EQ(lido.NomeVariavel2, "Ref.|Set");
  EXPECT_EQ(lido.NomeVariavel3, "Saída|Output");
  EXPECT_EQ(lido.ItemVariavel1, 20);
  EXPECT_EQ(Linhas(lido), Linhas(r));
  for (const bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    s.IdiomaIngles = ingles;
    lido.AposLeitura();
    EXPECT_EQ(lido.Caption, ingles ? "Level - Tank" : "Nível - Tanque");
  }
}

TEST_F(RegistroRegistradorTest, ShiftedLinesGiveShiftedValues) {
  // Cut at 7 + label length whatever the prefix says; an index shifted into
  // a malformed text stops the load.
  struct Caso {
    std::string linha;
    int item;          // when read
    std::string erro;  // when it stops
  };
  const std::vector<Caso> casos = {
      {"{R/03} Ind Lista Var1:42", 42, ""},
      {"{R/3} Ind Lista Var1:42", 2, ""},     // lost a character
      {"{R/03} Ind Lista Var1: 42", 42, ""},  // a leading blank is allowed
      {"{R/03}  Ind Lista Var1:42", 0, "':42' is not a valid integer value"},  // gained one
  };
  for (const Caso& c : casos) {
    std::vector<std::string> linhas = Linhas(r);
    linhas[3] = c.linha;
    smp::Leitor l(linhas);
    Registrador lido{s, 3};
    if (c.erro.empty()) {
      lido.LeParametros(l);
      EXPECT_EQ(lido.ItemVariavel1, c.item) << c.linha;
      EXPECT_EQ(lido.Grafico.ItemBaseTempo, 2);
    } else {
      try {
        lido.LeParametros(l);
        ADD_FAILURE() << "accepted " << c.linha;
      } catch (const Erro& e) {
        EXPECT_EQ(std::string(e.what()), c.erro);
      }
    }
  }
}

TEST_F(RegistroRegistradorTest, MissingLinesAtTheEndStopAtTheFirstIndex) {
  // Past the end every line is empty, and an empty strict integer stops the
  // load; texts before it are already read.
  std::vector<std::string> linhas = Linhas(r);
  linhas.resize(3);
  smp::Leitor l(linhas);
  Registrador lido{s, 3};
  try {
    lido.LeParametros(l);
    FAIL() << "an empty index must stop the load";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_EQ(lido.Tag, "TR-01");
  EXPECT_EQ(lido.Descricao, "Nível do tanque");
}

TEST_F(RegistroRegistradorTest, MalformedIndexStopsWithItsText) {
  struct Caso {
    std::size_t linha;  // 3, 5, 7 or 9
    std::string valor;
  };
  const std::vector<Caso> casos = {
      {3, "abc"}, {5, "1.5"}, {7, "12x"}, {9, ""}, {9, "--1"}, {3, "2 "},
  };
  const std::vector<std::string> rotulos = {"", "",
                                            "", "{R/03} Ind Lista Var1:",
                                            "", "{R/05} Ind Lista Var2:",
                                            "", "{R/07} Ind Lista Var3:",
                                            "", "{R/09} Ind Lista Base Tempo:"};
  for (const Caso& c : casos) {
    std::vector<std::string> linhas = Linhas(r);
    linhas[c.linha] = rotulos[c.linha] + c.valor;
    smp::Leitor l(linhas);
    Registrador lido{s, 3};
    try {
      lido.LeParametros(l);
      ADD_FAILURE() << "accepted '" << c.valor << "'";
    } catch (const Erro& e) {
      EXPECT_EQ(std::string(e.what()), "'" + c.valor + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace quiv
