// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/linhas_smp.h"

#include <gtest/gtest.h>

namespace quiv::smp {
namespace {

TEST(LinhasSmpTest, WrittenFileReadsBackLineByLine) {
  Escritor e;
  e.Linha("Título");
  e.Valor(PrefixoValor("C01", 1), "Tag:", "Nível|Level");
  e.Valor(PrefixoValor("P21", 12), "Entrada:", "multi\nlinha");
  const std::string bytes = e.Conteudo();
  EXPECT_EQ(bytes, "T\xEDtulo\r\n{C01/01} Tag:N\xEDvel|Level\r\n{P21/12} Entrada:multi linha\r\n");

  Leitor l = Leitor::DeConteudo(bytes);
  EXPECT_EQ(l.Linha(), "Título");
  const TextoBilingue tag = l.ValorBilingue(9 + 4);
  EXPECT_EQ(tag, "Nível|Level");  // both languages kept
  EXPECT_EQ(tag.Em(true), "Level");
  EXPECT_EQ(l.Valor(9 + 8), "multi linha");
  EXPECT_TRUE(l.Fim());
  EXPECT_EQ(l.Linha(), "");  // past the end: empty lines, never an error
  EXPECT_EQ(l.Valor(13), "");
  EXPECT_EQ(l.Posicao(), 5u);
}

TEST(LinhasSmpTest, ValuesSkipCharactersNotBytes) {
  Leitor l({"{R/01} Descrição:Vazão", "{R/02} Tag:", "ab"});
  EXPECT_EQ(l.Valor(7 + 10), "Vazão");
  EXPECT_EQ(l.Valor(7 + 4), "");
  EXPECT_EQ(l.Valor(10), "");  // a line shorter than its prefix
  EXPECT_EQ(PrefixoValor("T", 8), "{T/08} ");
  EXPECT_EQ(DoisDigitos(7), "07");
  EXPECT_EQ(DoisDigitos(21), "21");
}

}  // namespace
}  // namespace quiv::smp
