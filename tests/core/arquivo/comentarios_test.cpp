// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/comentarios.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"

namespace quiv {
namespace {

using Linhas = std::vector<std::string>;

// ------------------------------------------------------------- comment block

class ComentariosTest : public ::testing::Test {
 protected:
  ComentariosTest() {
    c.Exibir = true;
    c.Portugues = {"Caldeira com três elementos", "", "Ajuste o PID"};
    c.Ingles = {"Three-element boiler", "Tune the PID"};
  }
  Linhas Escreve() const {
    smp::Escritor e;
    c.SalvaParametros(e);
    return e.Linhas();
  }
  Comentarios c;
};

// Both languages are written, whichever is in force: a file opened and saved
// in one language keeps the other's comments.
TEST_F(ComentariosTest, WritesTheLinesOfBothLanguages) {
  EXPECT_EQ(Escreve(), (Linhas{"TRUE", "<INICIO_COMENTARIOS>", "Caldeira com três elementos", "",
                               "Ajuste o PID", "<FIM_COMENTARIOS>", "<BEGIN_COMMENTS>",
                               "Three-element boiler", "Tune the PID", "<END_COMMENTS>"}));
  c.Exibir = false;
  c.Portugues.clear();
  EXPECT_EQ(Escreve(),
            (Linhas{"FALSE", "<INICIO_COMENTARIOS>", "<FIM_COMENTARIOS>", "<BEGIN_COMMENTS>",
                    "Three-element boiler", "Tune the PID", "<END_COMMENTS>"}));
  c.Ingles.clear();
  EXPECT_EQ(Escreve(), (Linhas{"FALSE", "<INICIO_COMENTARIOS>", "<FIM_COMENTARIOS>",
                               "<BEGIN_COMMENTS>", "<END_COMMENTS>"}));
}

TEST_F(ComentariosTest, RoundTripKeepsBothLanguages) {
  const Linhas escritas = Escreve();
  Comentarios lido;
  lido.Portugues = {"velho"};
  lido.Ingles = {"old"};
  smp::Leitor l(escritas);
  lido.LeParametros(l);
  EXPECT_TRUE(l.Fim());
  EXPECT_TRUE(lido.Exibir);
  EXPECT_EQ(lido.Linhas(false), c.Linhas(false));
  EXPECT_EQ(lido.Linhas(true), c.Linhas(true));
  smp::Escritor e2;
  lido.SalvaParametros(e2);
  EXPECT_EQ(e2.Linhas(), escritas);
}

TEST_F(ComentariosTest, AFileWithEnglishCommentsOnlyHasNoneInPortuguese) {
  c.Portugues.clear();
  smp::Leitor l(Escreve());
  Comentarios lido;
  lido.LeParametros(l);
  EXPECT_TRUE(lido.Linhas(false).empty());
  EXPECT_EQ(lido.Linhas(true), c.Linhas(true));
}

TEST(ComentariosLeituraTest, FlagIsTrueOnlyForExactTRUE) {
  for (const char* flag : {"True", "true", "TRUE ", "", "1"}) {
    Comentarios c;
    c.Exibir = true;
    smp::Leitor l(Linhas{flag});
    c.LeParametros(l);
    EXPECT_FALSE(c.Exibir) << flag;
  }
}

TEST(ComentariosLeituraTest, OpeningMarkersAreSkippedUnread) {
  Comentarios c;
  smp::Leitor l(
      Linhas{"TRUE", "anything", "a", "<FIM_COMENTARIOS>", "whatever", "b", "<END_COMMENTS>"});
  c.LeParametros(l);
  EXPECT_EQ(c.Portugues, Linhas{"a"});
  EXPECT_EQ(c.Ingles, Linhas{"b"});
}

TEST(ComentariosLeituraTest, StopsAtTheEndOfTheFile) {
  const struct {
    Linhas arquivo;
    Linhas portugues;
    Linhas ingles;
  } casos[] = {
      {{}, {}, {}},
      {{"TRUE"}, {}, {}},
      {{"TRUE", "<INICIO_COMENTARIOS>"}, {}, {}},
      {{"TRUE", "<INICIO_COMENTARIOS>", "um", "dois"}, {"um", "dois"}, {}},
      {{"TRUE", "<INICIO_COMENTARIOS>", "um", "<FIM_COMENTARIOS>", "<BEGIN_COMMENTS>", "one"},
       {"um"},
       {"one"}},
      // Closing markers compare exactly: a near miss is a comment line.
      {{"TRUE", "<INICIO_COMENTARIOS>", "<fim_comentarios>", "<FIM_COMENTARIOS> "},
       {"<fim_comentarios>", "<FIM_COMENTARIOS> "},
       {}},
  };
  for (const auto& c : casos) {
    Comentarios lido;
    smp::Leitor l(c.arquivo);
    lido.LeParametros(l);
    EXPECT_TRUE(l.Fim());
    EXPECT_EQ(lido.Portugues, c.portugues);
    EXPECT_EQ(lido.Ingles, c.ingles);
  }
}

TEST(ComentariosEscritaTest, ALineEqualToTheClosingMarkerSurvivesTheRoundTrip) {
  Comentarios c;
  c.Portugues = {"antes", "<FIM_COMENTARIOS>", "depois"};
  smp::Escritor e;
  c.SalvaParametros(e);
  smp::Leitor l(e.Linhas());
  Comentarios lido;
  lido.LeParametros(l);
  EXPECT_EQ(lido.Portugues, (Linhas{"antes", "<FIM_COMENTARIOS> ", "depois"}));
  EXPECT_TRUE(lido.Ingles.empty());
}

TEST(ComentariosEscritaTest, ALineBreakInsideALineBecomesABlank) {
  Comentarios c;
  c.Ingles = {"one\ntwo"};
  smp::Escritor e;
  c.SalvaParametros(e);
  EXPECT_EQ(e.Linhas()[4], "one two");
}

}  // namespace
}  // namespace quiv
