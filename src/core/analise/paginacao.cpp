// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/paginacao.h"

#include <algorithm>

namespace quiv {

int PontosPorPagina(int item) { return 900 << std::clamp(item, 0, 4); }

int PaginasDaSerie(std::size_t pontos, int porPagina) {
  if (porPagina < 1 || pontos == 0) return 1;
  const std::size_t p = static_cast<std::size_t>(porPagina);
  return static_cast<int>((pontos + p - 1) / p);
}

FaixaX FaixaDaPagina(int pagina, int porPagina) {
  const double inicio = static_cast<double>(std::max(pagina, 1) - 1) * porPagina;
  return {inicio, inicio + porPagina - 1};
}

void PaginacaoMalha::DefinePaginas(int paginasSuperior, int paginasInferior) {
  superior_ = std::max(paginasSuperior, 1);
  inferior_ = std::max(paginasInferior, 1);
  pagina_ = std::min(pagina_, std::max(superior_, inferior_));
}

bool PaginacaoMalha::Sobe() {
  if (pagina_ >= std::max(superior_, inferior_)) return false;
  ++pagina_;
  return true;
}

bool PaginacaoMalha::Desce() {
  if (pagina_ <= 1) return false;
  --pagina_;
  return true;
}

}  // namespace quiv
