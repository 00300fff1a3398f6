// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/posicoes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"

namespace quiv {
namespace {

using Linhas = std::vector<std::string>;

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
                               "Caldeira", "20", "10", "False", "TR 1", "7", "-5", "True", "Soma",
                               "400", "300", "True",
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
  for (auto [t, n] : {std::pair{TipoObjeto::Controlador, 2},
                      {TipoObjeto::Processo, 24},
                      {TipoObjeto::Registrador, 1},
                      {TipoObjeto::Bloco, 3},
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
