// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/objetos/bloco.h"

namespace quiv {
namespace {

class RegistroBlocoTest : public ::testing::Test {
 protected:
  RegistroBlocoTest() {
    b.Tag = "FY-01";
    b.Descricao = "Seletor de vazão";
    b.Funcao = "M21>M22*0.5";
    b.LimiteSuperior = "95";
    b.LimiteInferior = "-2.5";
    b.LimiteSuperiorAtivo = true;
    b.LimiteInferiorAtivo = false;
  }

  std::vector<std::string> Linhas(const Bloco& bloco) {
    smp::Escritor e;
    bloco.SalvaParametros(e);
    return e.Linhas();
  }

  Simulacao s;
  Bloco b{s, 1};
};

TEST_F(RegistroBlocoTest, WritesHeaderAndSevenLabelledLines) {
  const std::vector<std::string> esperado = {
      "=====<<<BLOCO CALC:41>>>=====",
      "{B41/01} Tag:FY-01",
      "{B41/02} Desc:Seletor de vazão",
      "{B41/03} Funcao:M21>M22*0.5",
      "{B41/04} Lim Sup:95",
      "{B41/05} Lim Inf:-2.5",
      "{B41/06} Habilita Lim Sup:True",
      "{B41/07} Habilita Lim Inf:False",
  };
  EXPECT_EQ(Linhas(b), esperado);
}

TEST_F(RegistroBlocoTest, HeaderAndPrefixCarryTheOutputAddress) {
  const std::vector<std::pair<int, std::string>> casos = {{20, "60"}, {21, "75"}, {24, "78"}};
  for (const auto& [n, nn] : casos) {
    Bloco outro{s, n};
    const std::vector<std::string> linhas = Linhas(outro);
    ASSERT_EQ(linhas.size(), 8u);
    EXPECT_EQ(linhas[0], "=====<<<BLOCO CALC:" + nn + ">>>=====");
    EXPECT_EQ(linhas[7], "{B" + nn + "/07} Habilita Lim Inf:False");
  }
}

TEST_F(RegistroBlocoTest, RoundTripThroughFileBytes) {
  smp::Escritor e;
  b.SalvaParametros(e);
  smp::Leitor l = smp::Leitor::DeConteudo(e.Conteudo());
  Bloco lido{s, 1};
  lido.LeParametros(l);
  EXPECT_EQ(l.Posicao(), 8u);
  EXPECT_EQ(Linhas(lido), Linhas(b));
  EXPECT_EQ(lido.Tag, b.Tag);
  EXPECT_EQ(lido.Descricao, b.Descricao);
  EXPECT_EQ(lido.Funcao, b.Funcao);
  EXPECT_EQ(lido.LimiteSuperior, b.LimiteSuperior);
  EXPECT_EQ(lido.LimiteInferior, b.LimiteInferior);
  EXPECT_TRUE(lido.LimiteSuperiorAtivo);
  EXPECT_FALSE(lido.LimiteInferiorAtivo);
}

TEST_F(RegistroBlocoTest, ReadingTakesPositionNotNumbersAndAppliesNothing) {
  // Another block's record read into block 1: the prefix digits are not
  // compared, and the function read takes effect only when applied.
  s.memoria.celula[21] = 3.0;
  b.Funcao = "M21";
  ASSERT_TRUE(b.AtualizaParametros(false));
  Bloco outro{s, 21};
  outro.Funcao = "7";
  smp::Leitor l(Linhas(outro));
  b.LeParametros(l);
  EXPECT_EQ(b.Funcao, "7");
  EXPECT_EQ(b.ValorFuncao(), 3.0);
  ASSERT_TRUE(b.AtualizaParametros(false));
  EXPECT_EQ(b.ValorFuncao(), 7.0);
}

TEST_F(RegistroBlocoTest, BilingualTextsKeepBothLanguagesAndApplyTheOneInForce) {
  b.Tag = "Seletor|Selector";
  b.Descricao = "Vazão|Flow|x";
  b.Funcao = "M21|M22";  // plain text: taken whole
  smp::Leitor l(Linhas(b));
  Bloco lido{s, 1};
  lido.LeParametros(l);
  EXPECT_EQ(lido.Tag, "Seletor|Selector");
  EXPECT_EQ(lido.Descricao, "Vazão|Flow|x");
  EXPECT_EQ(lido.Funcao, "M21|M22");
  EXPECT_EQ(Linhas(lido), Linhas(b));
  for (const bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    s.IdiomaIngles = ingles;
    lido.AtualizaParametros(false);
    // Split at the first bar: the English half keeps the rest.
    EXPECT_EQ(s.memoria.DescricaoEndereco[41], ingles ? "Flow|x" : "Vazão");
    EXPECT_EQ(lido.Titulo, ingles ? "Flow|x" : "Vazão");
    lido.CarregaDescricao();
    EXPECT_EQ(lido.Descricao, "Vazão|Flow|x");
  }
}

TEST_F(RegistroBlocoTest, ShiftedLinesGiveShiftedValues) {
  struct Caso {
    std::string linha3;
    std::string linha6;
    std::string funcao;
    bool limSup;
  };
  const std::vector<Caso> casos = {
      {"{B41/03} Funcao:M21", "{B41/06} Habilita Lim Sup:True", "M21", true},
      {"{B41/03}Funcao:M21", "{B41/06}Habilita Lim Sup:True", "21", false},        // lost one
      {"{B41/03}  Funcao:M21", "{B41/06} Habilita Lim Sup: True", ":M21", false},  // gained
      {"{B1/03} Funcao:M21", "{B1/06} Habilita Lim Sup:True", "21", false},
      {"{B41/03} Func", "{B41/06} Habilita", "", false},  // shorter than prefix and label
  };
  for (const Caso& c : casos) {
    smp::Leitor l({"=====<<<BLOCO CALC:41>>>=====", "{B41/01} Tag:", "{B41/02} Desc:", c.linha3,
                   "{B41/04} Lim Sup:", "{B41/05} Lim Inf:", c.linha6,
                   "{B41/07} Habilita Lim Inf:True"});
    Bloco lido{s, 1};
    lido.LeParametros(l);
    EXPECT_EQ(lido.Funcao, c.funcao) << c.linha3;
    EXPECT_EQ(lido.LimiteSuperiorAtivo, c.limSup) << c.linha6;
    EXPECT_TRUE(lido.LimiteInferiorAtivo);
  }
}

TEST_F(RegistroBlocoTest, MissingLinesAtTheEndReadAsEmpty) {
  std::vector<std::string> linhas = Linhas(b);
  linhas.resize(4);  // header, tag, description, function
  smp::Leitor l(linhas);
  Bloco lido{s, 1};
  lido.LimiteSuperiorAtivo = true;
  lido.LeParametros(l);
  EXPECT_EQ(lido.Funcao, "M21>M22*0.5");
  EXPECT_EQ(lido.LimiteSuperior, "");
  EXPECT_EQ(lido.LimiteInferior, "");
  EXPECT_FALSE(lido.LimiteSuperiorAtivo);
  EXPECT_FALSE(lido.LimiteInferiorAtivo);
  EXPECT_EQ(l.Posicao(), 8u);
  // A second record past the end reads as empty too.
  Bloco seguinte{s, 2};
  seguinte.LeParametros(l);
  EXPECT_EQ(seguinte.LimiteSuperior, "");
  EXPECT_TRUE(l.Fim());
}

TEST_F(RegistroBlocoTest, ShortRecordShiftsTheNextOne) {
  std::vector<std::string> linhas = Linhas(b);
  linhas.pop_back();  // the first record loses its last line
  Bloco segundo{s, 2};
  segundo.Tag = "FY-02";
  const std::vector<std::string> outras = Linhas(segundo);
  linhas.insert(linhas.end(), outras.begin(), outras.end());
  smp::Leitor l(linhas);
  Bloco a{s, 1};
  Bloco c{s, 2};
  a.LeParametros(l);
  c.LeParametros(l);
  EXPECT_FALSE(a.LimiteInferiorAtivo);  // the next header read as a flag
  // Its tag line was taken as the header, so every value comes one line
  // early and is cut at the wrong label length.
  EXPECT_EQ(c.Tag, ":");              // from "{B42/02} Desc:"
  EXPECT_EQ(c.Funcao, ":105");        // from "{B42/04} Lim Sup:105"
  EXPECT_EQ(c.LimiteSuperior, "-5");  // from "{B42/05} Lim Inf:-5"
  EXPECT_FALSE(c.LimiteSuperiorAtivo);
}

}  // namespace
}  // namespace quiv
