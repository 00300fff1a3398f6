// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

namespace quiv {

class Simulacao;

struct PontoXY {
  double x = 0.0;
  double y = 0.0;
};

// The XY recorder's off-line run: round(segundos / 0.1) plant steps of 0.1 s
// (dt is left at 0.1) with ModoRapido set and no displays, each followed by
// one point (M(x), M(y)) appended to `pontos`; x and y are cells 1 … 124.
// `progresso` receives round(100·b/n) each time it changes. ModoRapido is
// cleared also when a step throws.
void RegistraXY(Simulacao& simulacao, int segundos, int x, int y, std::vector<PontoXY>& pontos,
                const std::function<void(int)>& progresso = {});

}  // namespace quiv
