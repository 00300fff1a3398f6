// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/lista_variaveis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/arquivo/documento.h"
#include "planta_malha.h"

namespace quiv {
namespace {

using Tabela = ListaVariaveis::Tabela;
using Campo = ListaVariaveis::Campo;
using Resultado = ListaVariaveis::Resultado;

// Every address appears once, in the order of the two tables.
TEST(ListaVariaveisTest, RowsNameEveryAddressOnceInTableOrder) {
  std::set<int> vistos;
  auto endereco = [](Tabela t, int r) { return ListaVariaveis::LinhaDe(t, r).Endereco; };
  for (Tabela t : {Tabela::Processo, Tabela::Controle})
    for (int r = 1; r <= ListaVariaveis::Linhas(t); ++r)
      EXPECT_TRUE(vistos.insert(endereco(t, r)).second) << endereco(t, r);
  EXPECT_EQ(vistos.size(), 48u + 75u);
  EXPECT_EQ(endereco(Tabela::Processo, 1), 21);
  EXPECT_EQ(endereco(Tabela::Processo, 40), 60);
  EXPECT_EQ(endereco(Tabela::Processo, 41), 71);
  EXPECT_EQ(endereco(Tabela::Processo, 48), 78);
  const int controle[][2] = {{1, 15},  {6, 20},  {7, 61},  {16, 70}, {17, 1},   {26, 10},
                             {27, 97}, {29, 99}, {30, 11}, {31, 12}, {32, 13},  {33, 14},
                             {34, 79}, {35, 80}, {36, 81}, {51, 96}, {52, 101}, {75, 124}};
  for (const auto& [r, e] : controle) EXPECT_EQ(endereco(Tabela::Controle, r), e) << r;
  EXPECT_EQ(ListaVariaveis::NomeEndereco(10), "M10");
  EXPECT_EQ(ListaVariaveis::NomeEndereco(7), "M07");
  EXPECT_EQ(ListaVariaveis::NomeEndereco(124), "M124");
}

TEST(ListaVariaveisTest, StartTextsByKindOfRow) {
  Memoria m;
  m.celula[97] = 1.0;
  m.DefineDescricao(101, "Válvula 1");
  using Textos = std::array<std::string, 9>;
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Processo, 1),
            (Textos{"M21", "Variável de Processo", "%", "0", "100", "", "", "", ""}));
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Controle, 3),
            (Textos{"M17", "Entrada de Dados 3", "%", "0", "100", "", "", "", ""}));
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Controle, 27),
            (Textos{"M97", "Comando Botão 1", "", "", "", "", "", "", "1.00"}));
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Controle, 36),
            (Textos{"M81", "Gerador de Sinais", "", "", "", "", "", "", ""}));
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Controle, 52),
            (Textos{"M101", "Var.Manip.(posição real)", "%", "0.0", "100.0", "0.0", "100.0",
                    "Válvula 1", ""}));
  // The English interface: the types in English, the rest as it was.
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Controle, 3, true)[1], "Data Entry 3");
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Controle, 29, true)[1], "Push Button 3");
  EXPECT_EQ(ListaVariaveis::TextosIniciais(m, Tabela::Controle, 52, true)[1], "Actuator Position");
  EXPECT_EQ(ListaVariaveis::TextoValor(-3.456), "-3.46");
  EXPECT_EQ(ListaVariaveis::TextoValor(0.5), "0.50");
}

class ListaVariaveisEdicaoTest : public ::testing::Test {
 protected:
  const Descritor& D(int endereco) const { return m.descritor[static_cast<std::size_t>(endereco)]; }
  Resultado Enter(Tabela t, int r, Campo c, const char* digitado, const char* vizinho = "100") {
    return ListaVariaveis::Confirma(m, t, r, c, digitado, vizinho);
  }
  Memoria m;
};

// UE min above UE max (or UE max below UE min) is refused; equal ends are
// accepted. The process table reads the typed text as a real, the data
// entries, set points and generator rows as its leading integer; the
// neighbour is always a real.
TEST_F(ListaVariaveisEdicaoTest, RangeComparisonByTableAndRow) {
  const std::tuple<Tabela, int, Campo, const char*, const char*, Resultado> casos[] = {
      {Tabela::Processo, 1, Campo::UEMin, "150", "100", Resultado::Recusado},
      {Tabela::Processo, 1, Campo::UEMin, "100.5", "100", Resultado::Recusado},
      {Tabela::Processo, 1, Campo::UEMin, "100", "100", Resultado::Guardado},
      {Tabela::Processo, 1, Campo::UEMax, "-1", "0", Resultado::Recusado},
      {Tabela::Processo, 1, Campo::UEMax, "abc", "0", Resultado::Guardado},  // reads as 0
      {Tabela::Controle, 1, Campo::UEMin, "100.9", "100.5", Resultado::Guardado},
      {Tabela::Controle, 1, Campo::UEMin, "101", "100.5", Resultado::Recusado},
      {Tabela::Controle, 10, Campo::UEMax, "49.9", "49.5", Resultado::Recusado},
      {Tabela::Controle, 40, Campo::UEMin, "7,9", "7.5", Resultado::Guardado},
      {Tabela::Processo, 41, Campo::UEMin, "7,9", "7.5", Resultado::Guardado},
      {Tabela::Processo, 41, Campo::UEMin, "7.9", "7.5", Resultado::Recusado},
  };
  for (const auto& [t, r, c, digitado, vizinho, esperado] : casos)
    EXPECT_EQ(Enter(t, r, c, digitado, vizinho), esperado) << r << " " << digitado;
}

TEST_F(ListaVariaveisEdicaoTest, EnterStoresTheFieldAsTyped) {
  EXPECT_EQ(Enter(Tabela::Processo, 1, Campo::UEMin, "20"), Resultado::Guardado);
  EXPECT_EQ(D(21).UEMin, "20");
  EXPECT_EQ(D(21).LIE, "20");
  EXPECT_EQ(Enter(Tabela::Processo, 1, Campo::UEMax, "250,0", "20"), Resultado::Guardado);
  EXPECT_EQ(D(21).UEMax, "250,0");
  EXPECT_EQ(D(21).LSE, "250,0");
  EXPECT_EQ(Enter(Tabela::Processo, 1, Campo::LSE, "240"), Resultado::Guardado);
  EXPECT_EQ(D(21).LSE, "240");
  EXPECT_EQ(D(21).UEMax, "250,0");
  EXPECT_EQ(Enter(Tabela::Processo, 48, Campo::Unidade, "kg/h"), Resultado::Guardado);
  EXPECT_EQ(D(78).UnidadeEng, "kg/h");
  EXPECT_EQ(Enter(Tabela::Controle, 36, Campo::Descricao, "Degrau"), Resultado::Guardado);
  EXPECT_EQ(m.DescricaoEndereco[81], "Degrau");
  const std::string longo(300, 'x');
  EXPECT_EQ(ListaVariaveis::Confirma(m, Tabela::Processo, 2, Campo::Descricao, longo, ""),
            Resultado::Guardado);
  EXPECT_EQ(m.DescricaoEndereco[22].size(), 255u);
}

// Rows that store nothing keep the typed text in the cell; the actuator
// positions and the type and value columns take no typing.
TEST_F(ListaVariaveisEdicaoTest, RowsAndColumnsThatStoreNothing) {
  const Memoria antes = m;
  EXPECT_EQ(Enter(Tabela::Controle, 1, Campo::Descricao, "Vazão"), Resultado::Mantido);
  EXPECT_EQ(Enter(Tabela::Controle, 17, Campo::Unidade, "kg"), Resultado::Mantido);
  EXPECT_EQ(Enter(Tabela::Controle, 33, Campo::UEMin, "5"), Resultado::Mantido);
  EXPECT_EQ(Enter(Tabela::Controle, 52, Campo::Unidade, "kg"), Resultado::Recusado);
  EXPECT_EQ(Enter(Tabela::Processo, 1, Campo::Valor, "5"), Resultado::Recusado);
  for (int k = 1; k <= Memoria::kEnderecos; ++k) {
    const Descritor& a = antes.descritor[static_cast<std::size_t>(k)];
    EXPECT_EQ(std::tie(D(k).UnidadeEng, D(k).UEMin, D(k).UEMax, D(k).LIE, D(k).LSE),
              std::tie(a.UnidadeEng, a.UEMin, a.UEMax, a.LIE, a.LSE))
        << k;
  }
  EXPECT_EQ(m.DescricaoEndereco, antes.DescricaoEndereco);
  EXPECT_FALSE(ListaVariaveis::Editavel(Tabela::Controle, 75, Campo::Descricao));
  EXPECT_FALSE(ListaVariaveis::Editavel(Tabela::Processo, 5, Campo::Tipo));
  EXPECT_FALSE(ListaVariaveis::Editavel(Tabela::Processo, 5, Campo::Valor));
  EXPECT_TRUE(ListaVariaveis::Editavel(Tabela::Controle, 30, Campo::LIE));
}

// Enter keeps a text for "Atualiza" exactly in the cells where it would be
// stored.
TEST(ListaVariaveisAlteracaoTest, KeptWhereEnterWouldStore) {
  for (Tabela t : {Tabela::Processo, Tabela::Controle})
    for (int r = 1; r <= ListaVariaveis::Linhas(t); ++r)
      for (int c = ListaVariaveis::kPrimeiraColuna; c <= ListaVariaveis::kUltimaColuna; ++c) {
        const Campo campo = static_cast<Campo>(c);
        Memoria m;
        const auto resultado = ListaVariaveis::Confirma(m, t, r, campo, "5", "5");
        EXPECT_EQ(ListaVariaveis::Guardavel(t, r, campo), resultado == Resultado::Guardado)
            << r << " " << c;
      }
}

// "Atualiza" checks each row as it would stand after all the edits, lists a
// failed row once, in the order of the edits, and then stores nothing;
// otherwise each cell's last text is stored in the order of those edits
// (a UE min after a typed LIE writes the LIE over).
TEST(ListaVariaveisAlteracaoTest, RowsCheckedAsTheyWouldStandAllOrNothing) {
  using A = ListaVariaveis::Alteracao;
  struct Caso {
    const char* nome;
    std::vector<A> alteracoes;
    std::vector<std::string> falhas;
  };
  const Caso casos[] = {
      {"min acima", {{Tabela::Processo, 1, Campo::UEMin, "150"}}, {"M21: UE min acima do UE max"}},
      {"a linha como fica",
       {{Tabela::Processo, 1, Campo::UEMin, "150"}, {Tabela::Processo, 1, Campo::UEMax, "200"}},
       {}},
      {"o último texto",
       {{Tabela::Processo, 1, Campo::UEMin, "150"}, {Tabela::Processo, 1, Campo::UEMin, "5"}},
       {}},
      {"uma vez por linha, na ordem",
       {{Tabela::Controle, 36, Campo::UEMax, "-3"},
        {Tabela::Processo, 1, Campo::UEMin, "150"},
        {Tabela::Processo, 1, Campo::UEMax, "-1"},
        {Tabela::Processo, 2, Campo::Unidade, "kg"}},
       {"M81: UE min acima do UE max", "M21: UE min acima do UE max"}},
      {"parte inteira", {{Tabela::Controle, 1, Campo::UEMin, "100.9"}}, {}},
      {"faixa e limites que não são números",
       {{Tabela::Processo, 2, Campo::UEMax, "12o"},
        {Tabela::Processo, 2, Campo::UEMin, "500"},
        {Tabela::Controle, 1, Campo::LIE, ""},
        {Tabela::Processo, 3, Campo::LSE, "1,5e2"},
        {Tabela::Processo, 4, Campo::Unidade, "kg/h"},
        {Tabela::Processo, 1, Campo::UEMin, "150"}},
       {"M22: UE max inválido", "M15: LIE inválido", "M21: UE min acima do UE max"}},
      {"o que não se guarda não conta",
       {{Tabela::Controle, 17, Campo::UEMin, "500"}, {Tabela::Controle, 52, Campo::UEMin, "500"}},
       {}},
  };
  for (const Caso& caso : casos) {
    Memoria m;
    Descritor faixa;
    faixa.UEMax = "100.5";
    m.DefineDescritor(15, faixa);
    const Memoria antes = m;
    EXPECT_EQ(ListaVariaveis::AplicaAlteracoes(m, caso.alteracoes), caso.falhas) << caso.nome;
    if (!caso.falhas.empty()) {
      EXPECT_EQ(m.descritor, antes.descritor) << caso.nome;
      continue;
    }
    for (const A& a : caso.alteracoes) {
      if (!ListaVariaveis::Guardavel(a.tabela, a.linha, a.campo)) {
        const int k = ListaVariaveis::LinhaDe(a.tabela, a.linha).Endereco;
        if (k <= Memoria::kEnderecos) {
          EXPECT_EQ(m.descritor[k], antes.descritor[k]) << caso.nome;
        }
      }
    }
  }
  Memoria m;
  EXPECT_TRUE(ListaVariaveis::AplicaAlteracoes(m, {{Tabela::Processo, 1, Campo::UEMin, "150"},
                                                   {Tabela::Processo, 1, Campo::UEMin, "5"},
                                                   {Tabela::Processo, 1, Campo::LIE, "7"},
                                                   {Tabela::Processo, 1, Campo::UEMax, "300"},
                                                   {Tabela::Processo, 1, Campo::LSE, "250"}})
                  .empty());
  EXPECT_EQ(m.descritor[21], (Descritor{"%", "5", "300", "7", "250"}));
  EXPECT_TRUE(ListaVariaveis::AplicaAlteracoes(m, {{Tabela::Processo, 1, Campo::LIE, "1"},
                                                   {Tabela::Processo, 1, Campo::UEMin, "2"}})
                  .empty());
  EXPECT_EQ(m.descritor[21].LIE, "2");
}

// What "Atualiza" writes can be put back exactly: the descriptors and
// descriptions, the hints, and the forms of the texts and controllers as
// they were, also a form the apply would have written otherwise; the
// objects' applied ranges follow.
TEST(ListaVariaveisAplicaTest, CapturedDescriptorsComeBackExactly) {
  Documento doc;
  Controlador& c = teste::IncluiMalha(doc, 1);
  TextoAnimado& t = doc.NovoTexto(2);
  t.ItemVariavel = 20;
  t.TextoFaixaMin = "0.00";
  doc.simulacao.memoria.DefineDescricao(81, "Carga");
  const ListaVariaveis::Descritores antes = ListaVariaveis::Captura(doc);

  ASSERT_TRUE(ListaVariaveis::AplicaAlteracoes(doc.simulacao.memoria,
                                               {{Tabela::Processo, 1, Campo::UEMax, "300"},
                                                {Tabela::Controle, 1, Campo::Unidade, "kg/h"},
                                                {Tabela::Controle, 36, Campo::Descricao, "Degrau"}})
                  .empty());
  ListaVariaveis::AplicaDescritores(doc);
  const ListaVariaveis::Descritores depois = ListaVariaveis::Captura(doc);
  EXPECT_NE(depois, antes);
  EXPECT_EQ(t.TextoFaixaMin, "0.0");
  EXPECT_EQ(c.EscalaFim, 300.0);

  ListaVariaveis::Restaura(doc, antes);
  EXPECT_EQ(ListaVariaveis::Captura(doc), antes);
  EXPECT_EQ(t.TextoFaixaMin, "0.00");
  EXPECT_EQ(t.FaixaMax, 100.0);
  EXPECT_EQ(c.EscalaFim, 100.0);
  EXPECT_EQ(doc.simulacao.memoria.DescricaoEndereco[81], "Carga");
  ListaVariaveis::Restaura(doc, depois);
  EXPECT_EQ(ListaVariaveis::Captura(doc), depois);
  EXPECT_EQ(c.EscalaFim, 300.0);
  EXPECT_EQ(t.FaixaMax, 300.0);
}

// The refresh shows the tags of existing process and block outputs and
// hands the descriptors on to the objects that show them.
TEST(ListaVariaveisAplicaTest, TagsHintsAndAppliedRanges) {
  Documento doc;
  Controlador& c = teste::IncluiMalha(doc, 1);
  doc.NovoBloco(21).Tag = "FY21";
  EXPECT_EQ(ListaVariaveis::TipoDaLinha(doc, 1), "P1");
  EXPECT_EQ(ListaVariaveis::TipoDaLinha(doc, 45), "FY21");
  // A row whose object does not exist shows its type, never another plant's tag.
  EXPECT_EQ(ListaVariaveis::TipoDaLinha(doc, 2), "Variável de Processo");
  doc.simulacao.IdiomaIngles = true;
  EXPECT_EQ(ListaVariaveis::TipoDaLinha(doc, 2), "Process Variable");

  Memoria& m = doc.simulacao.memoria;
  ListaVariaveis::Confirma(m, Tabela::Processo, 1, Campo::UEMax, "300", "0");
  ListaVariaveis::Confirma(m, Tabela::Processo, 1, Campo::Unidade, "°C", "");
  ListaVariaveis::Confirma(m, Tabela::Controle, 2, Campo::UEMax, "8", "0");
  Registrador& r = doc.NovoRegistrador(1);
  r.ItemVariavel1 = 20;
  EXPECT_EQ(c.EscalaFim, 100.0);

  ListaVariaveis::AplicaDescritores(doc);
  EXPECT_EQ(c.EscalaFim, 300.0);
  EXPECT_EQ(c.UnitEngSP, "°C");
  EXPECT_EQ(r.FaixaSup, 300.0);
  EXPECT_EQ(r.Unidade, "°C");
  EXPECT_EQ(doc.painel.Entrada(2).Dica, "Faixa: de 0.0 a 8 %");
}

}  // namespace
}  // namespace quiv
