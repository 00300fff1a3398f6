// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/unidades_smp.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/memoria.h"

namespace quiv {
namespace {

using Linhas = std::vector<std::string>;

bool Iguais(const Descritor& a, const Descritor& b) {
  return a.UnidadeEng == b.UnidadeEng && a.UEMin == b.UEMin && a.UEMax == b.UEMax &&
         a.LIE == b.LIE && a.LSE == b.LSE;
}

// ---------------------------------------------------------------- units block

class UnidadesSmpTest : public ::testing::Test {
 protected:
  UnidadesSmpTest() {
    m.DefineDescritor(15, {"kg/h", "-5.5", "250", "0", "200"});
    m.DefineDescritor(21, {"%", "0.00", "100.00", "0.00", "100.00"});
    m.DefineDescritor(96, {"°C", "", "", "10", ""});
    m.DefineDescritor(14, {"x", "1", "2", "3", "4"});  // outside the block
    m.DefineDescritor(97, {"y", "1", "2", "3", "4"});  // outside the block
  }
  Linhas Escreve() const {
    smp::Escritor e;
    smp::SalvaUnidades(m, e);
    return e.Linhas();
  }
  Memoria m;
};

TEST_F(UnidadesSmpTest, WritesHeaderAndOneLinePerAddress15To96) {
  const Linhas l = Escreve();
  ASSERT_EQ(l.size(), 83u);
  const struct {
    std::size_t indice;
    const char* linha;
  } casos[] = {
      {0, "<<<Unidades Engenharia>>>"},      {1, "M15:kg/h;-5.5;250;0;200;"},
      {2, "M16:%;0.0;100.00;0.00;100.00;"},  // the address's untouched descriptor
      {7, "M21:%;0.00;100.00;0.00;100.00;"}, {82, "M96:°C;;;10;;"},
  };
  for (const auto& c : casos) EXPECT_EQ(l[c.indice], c.linha) << c.indice;
  for (std::size_t k = 1; k <= 82; ++k)
    EXPECT_EQ(l[k].substr(0, 4), "M" + smp::DoisDigitos(static_cast<int>(14 + k)) + ":");
}

TEST_F(UnidadesSmpTest, FileBytesUseWindows1252AndCrLf) {
  smp::Escritor e;
  smp::SalvaUnidades(m, e);
  const std::string bytes = e.Conteudo();
  EXPECT_NE(bytes.find("M96:\xB0"
                       "C;;;10;;\r\n"),
            std::string::npos);
}

TEST_F(UnidadesSmpTest, RoundTripKeepsDescriptorsAndLeavesOtherAddresses) {
  const Linhas escritas = Escreve();
  Memoria lida;
  lida.DefineDescritor(14, {"a", "b", "c", "d", "e"});
  smp::Leitor l(escritas);
  EXPECT_EQ(l.Linha(), smp::kCabecalhoUnidades);  // the caller takes the header
  smp::LeUnidades(lida, l);
  EXPECT_EQ(l.Posicao(), 83u);
  EXPECT_TRUE(l.Fim());
  // Empty fields of M96 come back with the defaults; everything else as written.
  for (int k = 15; k <= 95; ++k) EXPECT_TRUE(Iguais(lida.descritor[k], m.descritor[k])) << k;
  EXPECT_TRUE(Iguais(lida.descritor[96], {"°C", "0.00", "100.00", "10", "100.00"}));
  EXPECT_EQ(lida.descritor[14].UnidadeEng, "a");
  EXPECT_EQ(lida.descritor[97].UnidadeEng, "%");

  smp::Escritor e2;
  smp::SalvaUnidades(lida, e2);
  Linhas esperadas = escritas;
  esperadas[82] = "M96:°C;0.00;100.00;10;100.00;";
  EXPECT_EQ(e2.Linhas(), esperadas);
}

TEST(UnidadesSmpLinhaTest, ReadsFieldsByPositionWithDefaultsForEmptyOnes) {
  const struct {
    const char* linha;
    Descritor esperado;
  } casos[] = {
      {"M21:%;0.00;100.00;0.00;100.00;", {"%", "0.00", "100.00", "0.00", "100.00"}},
      {"M21:bar;;;;;", {"bar", "0.00", "100.00", "0.00", "100.00"}},
      {"M21:;1;2;3;4;", {"", "1", "2", "3", "4"}},
      // The prefix is skipped by length, never compared.
      {"XYZ:m3;1;2;3;4;", {"m3", "1", "2", "3", "4"}},
      {"Mxx:m3;1;2;3;4;", {"m3", "1", "2", "3", "4"}},
      // The prefix counts characters: an accented letter is one.
      {"Mé1:m3;1;2;3;4;", {"m3", "1", "2", "3", "4"}},
      // Fields missing at the end of the line.
      {"M21:kPa;5", {"kPa", "5", "100.00", "0.00", "100.00"}},
      {"M21:kPa", {"kPa", "0.00", "100.00", "0.00", "100.00"}},
      {"M21:", {"", "0.00", "100.00", "0.00", "100.00"}},
      {"M2", {"", "0.00", "100.00", "0.00", "100.00"}},
      {"", {"", "0.00", "100.00", "0.00", "100.00"}},
      // Malformed numbers are texts here and are kept as they are.
      {"M21:%;1,5;abc;0.00;1e3;", {"%", "1,5", "abc", "0.00", "1e3"}},
      // Whatever follows the fifth field is ignored.
      {"M21:%;1;2;3;4;extra;", {"%", "1", "2", "3", "4"}},
      // Blanks are kept: only an empty field takes the default.
      {"M21: ; ; ; ; ;", {" ", " ", " ", " ", " "}},
  };
  for (const auto& c : casos) {
    const Descritor d = smp::LeLinhaUnidade(c.linha);
    EXPECT_TRUE(Iguais(d, c.esperado)) << c.linha << " -> [" << d.UnidadeEng << "|" << d.UEMin
                                       << "|" << d.UEMax << "|" << d.LIE << "|" << d.LSE << "]";
  }
}

TEST(UnidadesSmpLeituraTest, LinesMissingAtTheEndGiveEmptyUnitAndDefaultRanges) {
  Memoria m;
  smp::Leitor l(Linhas{"M15:t/h;1;2;3;4;", "M16:m;5;6;7;8;"});
  smp::LeUnidades(m, l);
  EXPECT_TRUE(Iguais(m.descritor[15], {"t/h", "1", "2", "3", "4"}));
  EXPECT_TRUE(Iguais(m.descritor[16], {"m", "5", "6", "7", "8"}));
  for (int k = 17; k <= 96; ++k)
    EXPECT_TRUE(Iguais(m.descritor[k], {"", "0.00", "100.00", "0.00", "100.00"})) << k;
}

TEST(UnidadesSmpLeituraTest, LineKIsAddress14PlusKWhateverItsLabel) {
  Memoria m;
  Linhas linhas(82, "M15:;;;;;");
  linhas[0] = "M40:a;;;;;";
  linhas[25] = "M15:z;;;;;";  // position 26 is M40
  smp::Leitor l(linhas);
  smp::LeUnidades(m, l);
  EXPECT_EQ(m.descritor[15].UnidadeEng, "a");
  EXPECT_EQ(m.descritor[40].UnidadeEng, "z");
}

TEST(UnidadesSmpLeituraTest, ReadsExactly82LinesLeavingTheNextBlock) {
  Memoria m;
  Linhas linhas(82, "M15:%;;;;;");
  linhas.push_back("<<Tracks>>");
  smp::Leitor l(linhas);
  smp::LeUnidades(m, l);
  EXPECT_EQ(l.Linha(), "<<Tracks>>");
}

TEST(UnidadesSmpLeituraTest, LongTextsAreCutTo255Characters) {
  Memoria m;
  const std::string longo(300, 'u');
  smp::Leitor l(Linhas{"M15:" + longo + ";1;2;3;4;"});
  smp::LeUnidades(m, l);
  EXPECT_EQ(m.descritor[15].UnidadeEng, std::string(255, 'u'));
  EXPECT_EQ(m.descritor[15].UEMin, "1");
}

TEST(UnidadesSmpPadraoTest, LegacyFileDefaultsOnlyM15ToM96) {
  Memoria m;
  for (int k : {14, 15, 50, 96, 97}) m.DefineDescritor(k, {"x", "1", "2", "3", "4"});
  smp::UnidadesPadrao(m);
  for (int k : {15, 50, 96})
    EXPECT_TRUE(Iguais(m.descritor[k], {"%", "0.00", "100.00", "0.00", "100.00"})) << k;
  EXPECT_EQ(m.descritor[14].UnidadeEng, "x");
  EXPECT_EQ(m.descritor[97].UnidadeEng, "x");
}

}  // namespace
}  // namespace quiv
