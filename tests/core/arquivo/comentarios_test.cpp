#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/comentarios.h"
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
  Linhas Escreve(bool ingles) const {
    smp::Escritor e;
    c.SalvaParametros(e, ingles);
    return e.Linhas();
  }
  Comentarios c;
};

TEST_F(ComentariosTest, WritesOnlyTheLinesOfTheLanguageInForce) {
  EXPECT_EQ(Escreve(false),
            (Linhas{"TRUE", "<INICIO_COMENTARIOS>", "Caldeira com três elementos", "",
                    "Ajuste o PID", "<FIM_COMENTARIOS>", "<BEGIN_COMMENTS>",
                    "<END_COMMENTS>"}));
  EXPECT_EQ(Escreve(true),
            (Linhas{"TRUE", "<INICIO_COMENTARIOS>", "<FIM_COMENTARIOS>", "<BEGIN_COMMENTS>",
                    "Three-element boiler", "Tune the PID", "<END_COMMENTS>"}));
  c.Exibir = false;
  c.Portugues.clear();
  EXPECT_EQ(Escreve(false), (Linhas{"FALSE", "<INICIO_COMENTARIOS>", "<FIM_COMENTARIOS>",
                                    "<BEGIN_COMMENTS>", "<END_COMMENTS>"}));
}

TEST_F(ComentariosTest, RoundTripInEachLanguage) {
  for (bool ingles : {false, true}) {
    const Linhas escritas = Escreve(ingles);
    Comentarios lido;
    lido.Portugues = {"velho"};
    lido.Ingles = {"old"};
    smp::Leitor l(escritas, ingles);
    lido.LeParametros(l);
    EXPECT_TRUE(l.Fim());
    EXPECT_TRUE(lido.Exibir);
    EXPECT_EQ(lido.Linhas(ingles), c.Linhas(ingles)) << ingles;
    EXPECT_TRUE(lido.Linhas(!ingles).empty()) << ingles;
    smp::Escritor e2;
    lido.SalvaParametros(e2, ingles);
    EXPECT_EQ(e2.Linhas(), escritas);
  }
}

TEST_F(ComentariosTest, FileSavedInEnglishShowsNoCommentsInPortuguese) {
  smp::Leitor l(Escreve(true), false);
  Comentarios lido;
  lido.LeParametros(l);
  EXPECT_TRUE(lido.Linhas(false).empty());
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
  smp::Leitor l(Linhas{"TRUE", "anything", "a", "<FIM_COMENTARIOS>", "whatever", "b",
                       "<END_COMMENTS>"});
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
  c.SalvaParametros(e, false);
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
  c.SalvaParametros(e, true);
  EXPECT_EQ(e.Linhas()[4], "one two");
}

}  // namespace
}  // namespace quiv
