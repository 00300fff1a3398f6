// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/registra_xy.h"

#include <cmath>
#include <stdexcept>

#include "core/nucleo/memoria.h"
#include "core/nucleo/progresso.h"
#include "core/nucleo/simulacao.h"

namespace quiv {

void RegistraXY(Simulacao& simulacao, int segundos, int x, int y, std::vector<PontoXY>& pontos,
                const std::function<void(int)>& progresso) {
  if (x < 1 || x > Memoria::kItens || y < 1 || y > Memoria::kItens)
    throw std::out_of_range("RegistraXY: cell out of range");
  ModoRapidoAtivo modoRapido(simulacao);
  simulacao.dt = 0.1;
  const auto n = static_cast<long long>(std::nearbyint(segundos / 0.1));
  if (n > 0) pontos.reserve(pontos.size() + static_cast<std::size_t>(n));
  const auto& celula = simulacao.memoria.celula;
  Progresso gauge(progresso, static_cast<double>(n));
  for (long long b = 0; b < n; ++b) {
    gauge(static_cast<double>(b));
    simulacao.PassoObjetos();
    pontos.push_back({celula[static_cast<std::size_t>(x)], celula[static_cast<std::size_t>(y)]});
  }
}

}  // namespace quiv
