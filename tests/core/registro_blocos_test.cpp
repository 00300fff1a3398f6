#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/comentarios.h"
#include "core/erro.h"
#include "core/linhas_smp.h"
#include "core/memoria.h"
#include "core/posicoes.h"
#include "core/unidades_smp.h"

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
      {0, "<<<Unidades Engenharia>>>"},
      {1, "M15:kg/h;-5.5;250;0;200;"},
      {2, "M16:%;0.0;100.00;0.00;100.00;"},  // the address's untouched descriptor
      {7, "M21:%;0.00;100.00;0.00;100.00;"},
      {82, "M96:°C;;;10;;"},
  };
  for (const auto& c : casos) EXPECT_EQ(l[c.indice], c.linha) << c.indice;
  for (std::size_t k = 1; k <= 82; ++k)
    EXPECT_EQ(l[k].substr(0, 4), "M" + smp::DoisDigitos(static_cast<int>(14 + k)) + ":");
}

TEST_F(UnidadesSmpTest, FileBytesUseWindows1252AndCrLf) {
  smp::Escritor e;
  smp::SalvaUnidades(m, e);
  const std::string bytes = e.Conteudo();
  EXPECT_NE(bytes.find("M96:\xB0" "C;;;10;;\r\n"), std::string::npos);
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
    EXPECT_TRUE(Iguais(d, c.esperado))
        << c.linha << " -> [" << d.UnidadeEng << "|" << d.UEMin << "|" << d.UEMax << "|"
        << d.LIE << "|" << d.LSE << "]";
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


// ----------------------------------------------------------- positions block

class PosicoesTest : public ::testing::Test {
 protected:
  PosicoesTest() {
    p.De(TipoObjeto::Controlador, 2) = {"TIC-01", 120, 340, true};
    p.De(TipoObjeto::Processo, 24) = {"Caldeira", 10, 20, false};
    p.De(TipoObjeto::Registrador, 1) = {"TR 1", -5, 7, true};
    p.De(TipoObjeto::Bloco, 3) = {"Soma", 300, 400, true};
    p.De(TipoObjeto::Texto, 20) = {"", 55, 66, true};
    p.De(TipoObjeto::Processo, 1) = {"não incluído", 1, 2, true};  // no group
  }
  static bool Incluido(TipoObjeto t, int n) {
    return (t == TipoObjeto::Controlador && n == 2) || (t == TipoObjeto::Processo && n == 24) ||
           (t == TipoObjeto::Registrador && n == 1) || (t == TipoObjeto::Bloco && n == 3) ||
           (t == TipoObjeto::Texto && n == 20);
  }
  Linhas Escreve() const {
    smp::Escritor e;
    p.SalvaParametros(e, Incluido);
    return e.Linhas();
  }
  Posicoes p;
};

TEST_F(PosicoesTest, WritesGroupsOfIncludedObjectsInKindOrder) {
  EXPECT_EQ(Escreve(), (Linhas{"=====<<<COORDENADAS>>>=====",
                               // controller: caption, Top, Left, shown
                               "TIC-01", "120", "340", "True",
                               // process, recorder, block: caption, Left, Top, shown
                               "Caldeira", "20", "10", "False",
                               "TR 1", "7", "-5", "True",
                               "Soma", "400", "300", "True",
                               // animated text: Top, Left, shown
                               "55", "66", "True"}));
}

TEST_F(PosicoesTest, RoundTripRestoresEveryIncludedGroup) {
  const Linhas escritas = Escreve();
  Posicoes lidas;
  smp::Leitor l(escritas);
  EXPECT_EQ(l.Linha(), Posicoes::kCabecalho);  // skipped by the file reader
  lidas.LeParametros(l, Incluido);
  EXPECT_TRUE(l.Fim());
  for (auto [t, n] : {std::pair{TipoObjeto::Controlador, 2}, {TipoObjeto::Processo, 24},
                      {TipoObjeto::Registrador, 1}, {TipoObjeto::Bloco, 3},
                      {TipoObjeto::Texto, 20}}) {
    const Posicao& a = p.De(t, n);
    const Posicao& b = lidas.De(t, n);
    EXPECT_EQ(b.Legenda, a.Legenda);
    EXPECT_EQ(b.Topo, a.Topo);
    EXPECT_EQ(b.Esquerda, a.Esquerda);
    EXPECT_EQ(b.Exibido, a.Exibido);
  }
  EXPECT_EQ(lidas.De(TipoObjeto::Processo, 1).Legenda, "");  // not included: untouched
  smp::Escritor e2;
  lidas.SalvaParametros(e2, Incluido);
  EXPECT_EQ(e2.Linhas(), escritas);
}

TEST(PosicoesLeituraTest, IntegersAreLenientAndFlagsExact) {
  const struct {
    const char* linha;
    int valor;
  } casos[] = {{"120", 120}, {"-8", -8}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"  42", 42}};
  for (const auto& c : casos) {
    Posicoes p;
    smp::Leitor l(Linhas{"B", c.linha, "7", "true"});
    p.LeParametros(l, [](TipoObjeto t, int n) { return t == TipoObjeto::Processo && n == 5; });
    EXPECT_EQ(p.De(TipoObjeto::Processo, 5).Esquerda, c.valor) << c.linha;
    EXPECT_EQ(p.De(TipoObjeto::Processo, 5).Topo, 7);
    EXPECT_FALSE(p.De(TipoObjeto::Processo, 5).Exibido);  // "true" is not "True"
  }
}

TEST(PosicoesLeituraTest, MissingLinesAtTheEndReadAsEmpty) {
  Posicoes p;
  p.De(TipoObjeto::Texto, 1) = {"", 9, 9, true};
  smp::Leitor l(Linhas{"C1", "10", "20"});
  p.LeParametros(l, [](TipoObjeto t, int n) {
    return (t == TipoObjeto::Controlador && n == 1) || (t == TipoObjeto::Texto && n == 1);
  });
  const Posicao& c = p.De(TipoObjeto::Controlador, 1);
  EXPECT_EQ(c.Topo, 10);
  EXPECT_EQ(c.Esquerda, 20);
  EXPECT_FALSE(c.Exibido);
  const Posicao& t = p.De(TipoObjeto::Texto, 1);
  EXPECT_EQ(t.Topo, 0);
  EXPECT_EQ(t.Esquerda, 0);
  EXPECT_FALSE(t.Exibido);
}

TEST(PosicoesLeituraTest, ShiftedGroupReadsByPositionOnly) {
  // A text group of 3 lines where a 4-line group was expected shifts the next
  // one: the reader never looks at what a line says.
  Posicoes p;
  smp::Leitor l(Linhas{"C", "1", "2", "True", "3", "4", "True"});
  p.LeParametros(l, [](TipoObjeto t, int n) {
    return (t == TipoObjeto::Controlador && n == 1) || (t == TipoObjeto::Bloco && n == 1);
  });
  EXPECT_TRUE(p.De(TipoObjeto::Controlador, 1).Exibido);
  const Posicao& b = p.De(TipoObjeto::Bloco, 1);
  EXPECT_EQ(b.Legenda, "3");
  EXPECT_EQ(b.Esquerda, 4);
  EXPECT_EQ(b.Topo, 0);  // "True" read as an integer
  EXPECT_FALSE(b.Exibido);
}

TEST(PosicoesTabelaTest, CountsGroupSizesAndTitleOffset) {
  EXPECT_EQ(Posicoes::Quantidade(TipoObjeto::Controlador), 10);
  EXPECT_EQ(Posicoes::Quantidade(TipoObjeto::Processo), 24);
  EXPECT_EQ(Posicoes::Quantidade(TipoObjeto::Registrador), 10);
  EXPECT_EQ(Posicoes::Quantidade(TipoObjeto::Bloco), 24);
  EXPECT_EQ(Posicoes::Quantidade(TipoObjeto::Texto), 20);
  EXPECT_EQ(Posicoes::LinhasGrupo(TipoObjeto::Texto), 3);
  EXPECT_EQ(Posicoes::LinhasGrupo(TipoObjeto::Bloco), 4);
  Posicao t{"", 100, 50, true};
  EXPECT_EQ(t.TopoTitulo(), 87);
  Posicoes p;
  EXPECT_THROW(p.De(TipoObjeto::Controlador, 11), Erro);
  EXPECT_THROW(p.De(TipoObjeto::Texto, 0), Erro);
}

TEST(PosicoesEscritaTest, AllIncludedGivesTheFullBlockSize) {
  Posicoes p;
  smp::Escritor e;
  p.SalvaParametros(e, [](TipoObjeto, int) { return true; });
  EXPECT_EQ(e.Linhas().size(), 1u + 4u * (10 + 24 + 10 + 24) + 3u * 20);
}

}  // namespace
}  // namespace quiv
