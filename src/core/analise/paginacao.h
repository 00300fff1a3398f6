// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace quiv {

// Paging of the fast-simulation charts: one point per simulated second, a
// page of `PtsPag` points.

// Points per page of PtsPag item i ("15 min" … "4 horas"): 900·2^i.
int PontosPorPagina(int item);

// Pages a series of `pontos` points fills; an empty series has one page.
int PaginasDaSerie(std::size_t pontos, int porPagina);

// The X range (point positions) page p (from 1) shows.
struct FaixaX {
  double minimo = 0.0;
  double maximo = 0.0;
};
FaixaX FaixaDaPagina(int pagina, int porPagina);

// The page shown by one loop's two charts, the upper (run or history) and
// the lower (history). Both move together; a chart whose series is shorter
// stays on its own last page. "Up" is refused when neither chart has a
// further page, "down" on page 1.
class PaginacaoMalha {
 public:
  // New page counts (after a run, a load or a PtsPag change); the page is
  // kept where both charts still have it.
  void DefinePaginas(int paginasSuperior, int paginasInferior);
  bool Sobe();
  bool Desce();
  void Primeira() { pagina_ = 1; }

  int Pagina() const { return pagina_; }
  int PaginaSuperior() const { return pagina_ < superior_ ? pagina_ : superior_; }
  int PaginaInferior() const { return pagina_ < inferior_ ? pagina_ : inferior_; }

 private:
  int pagina_ = 1;
  int superior_ = 1;
  int inferior_ = 1;
};

}  // namespace quiv
