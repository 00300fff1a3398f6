// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/objetos/registrador_xy.h"

namespace quiv {
namespace {

std::vector<std::string> Escreve(const RegistradorXY& r) {
  smp::Escritor e;
  r.SalvaParametros(e);
  return e.Linhas();
}

const std::vector<std::string> kRegistro = {
    "=====<<<REGISTRADOR XY>>>=====",
    "{X/01} ",
    "{X/02} ",
    "{X/03} ",
    "{X/04} ",
    "{X/05} ",
    "{X/06} ",
    "{X/07} ",
    "{X/08} ",
    "{X/09} ",
    "{X/10} ",
    "{X/11} ",
    "{X/12} ",
    "{X/13} ",
    "{X/14} ",
    "{X/15} ",
    "{X/16} ",
    "{X/17} ",
    "{X/18} ",
};

TEST(RegistroXYTest, WritesHeaderAndEighteenBarePrefixesWhateverTheChoices) {
  RegistradorXY inicial;
  EXPECT_EQ(Escreve(inicial), kRegistro);
  RegistradorXY escolhido;
  escolhido.Predefinicao = 6;
  escolhido.ItemX = 2;
  escolhido.ItemY = 102;
  escolhido.ItemJanela = 2;
  EXPECT_EQ(Escreve(escolhido), kRegistro);
}

TEST(RegistroXYTest, ReadsNineteenLinesAndChangesNothing) {
  struct Caso {
    const char* nome;
    std::vector<std::string> linhas;
  };
  std::vector<std::string> comValores = kRegistro;
  for (std::size_t i = 1; i < comValores.size(); ++i) comValores[i] += "7";
  std::vector<std::string> deslocado(kRegistro.begin(), kRegistro.end() - 1);
  const Caso casos[] = {
      {"as written", kRegistro},
      {"values present", comValores},
      {"one line short", deslocado},
      {"empty file", {}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    std::vector<std::string> linhas = caso.linhas;
    linhas.push_back("seguinte");
    RegistradorXY r;
    r.Predefinicao = 3;
    r.ItemX = 4;
    r.ItemY = 5;
    r.ItemJanela = 1;
    smp::Leitor l(linhas);
    r.LeParametros(l);
    EXPECT_EQ(l.Posicao(), 19u);
    EXPECT_EQ(r.Predefinicao, 3);
    EXPECT_EQ(r.ItemX, 4);
    EXPECT_EQ(r.ItemY, 5);
    EXPECT_EQ(r.ItemJanela, 1);
    // A short record makes the next one start shifted: nothing detects it.
    EXPECT_EQ(l.Linha(), caso.linhas.size() >= 19 ? "seguinte" : "");
  }
}

TEST(RegistroXYTest, RoundTripGivesTheSameLines) {
  RegistradorXY a;
  smp::Leitor l(Escreve(a));
  RegistradorXY b;
  b.LeParametros(l);
  EXPECT_TRUE(l.Fim());
  EXPECT_EQ(Escreve(b), kRegistro);
}

}  // namespace
}  // namespace quiv
