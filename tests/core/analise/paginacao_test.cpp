// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/paginacao.h"

#include <gtest/gtest.h>

namespace quiv {
namespace {

TEST(PaginacaoTest, PointsPerPageAndPageCounts) {
  const int esperados[] = {900, 1800, 3600, 7200, 14400};
  for (int item = 0; item < 5; ++item) EXPECT_EQ(PontosPorPagina(item), esperados[item]);
  EXPECT_EQ(PaginasDaSerie(1800, 900), 2);
  EXPECT_EQ(PaginasDaSerie(1801, 900), 3);
  EXPECT_EQ(PaginasDaSerie(14400, 900), 16);
  EXPECT_EQ(PaginasDaSerie(14400, 14400), 1);
  EXPECT_EQ(PaginasDaSerie(0, 900), 1);
  EXPECT_EQ(FaixaDaPagina(1, 900).minimo, 0);
  EXPECT_EQ(FaixaDaPagina(1, 900).maximo, 899);
  EXPECT_EQ(FaixaDaPagina(3, 1800).minimo, 3600);
}

// Pages the loop reaches pressing "up" until it is refused.
int UltimaAlcancada(PaginacaoMalha& p) {
  while (p.Sobe()) {
  }
  return p.Pagina();
}

TEST(PaginacaoTest, ThirtyMinuteHistoryAtFifteenMinutesStopsAtPageTwo) {
  PaginacaoMalha p;
  p.DefinePaginas(PaginasDaSerie(1800, 900), 1);
  EXPECT_FALSE(p.Desce());
  EXPECT_EQ(UltimaAlcancada(p), 2);
  EXPECT_TRUE(p.Desce());
  EXPECT_FALSE(p.Desce());
}

TEST(PaginacaoTest, FourHourRunReachesItsLastPage) {
  PaginacaoMalha p;
  p.DefinePaginas(PaginasDaSerie(14400, 900), PaginasDaSerie(1800, 900));
  EXPECT_EQ(UltimaAlcancada(p), 16);
  EXPECT_EQ(p.PaginaSuperior(), 16);
  EXPECT_EQ(p.PaginaInferior(), 2);  // the shorter chart stays on its last page
  // A coarser page keeps the charts on a page they both still have.
  p.DefinePaginas(PaginasDaSerie(14400, 3600), PaginasDaSerie(1800, 3600));
  EXPECT_EQ(p.Pagina(), 4);
}

TEST(PaginacaoTest, LowerHistoryAloneCanBePaged) {
  PaginacaoMalha p;
  p.DefinePaginas(PaginasDaSerie(0, 900), PaginasDaSerie(7200, 900));
  EXPECT_EQ(UltimaAlcancada(p), 8);
  EXPECT_EQ(p.PaginaSuperior(), 1);
  p.Primeira();
  EXPECT_EQ(p.PaginaInferior(), 1);
}

}  // namespace
}  // namespace quiv
