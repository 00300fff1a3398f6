// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/analise/indices.h"
#include "core/nucleo/memoria.h"
#include "core/objetos/controlador.h"

namespace quiv {

class Simulacao;

// The three curves of one loop, one point per simulated second: PV and SP in
// % or in engineering units, MV (the controller output) always in %.
struct SeriesMalha {
  std::vector<double> PV;
  std::vector<double> SP;
  std::vector<double> MV;
};

// Engineering range of a PV cell: its descriptor's UEMin and UEMax read as
// plain numbers (a field that is no number keeps 0 or 100). Cells without a
// descriptor (the actuator positions) are in %.
struct EscalaPV {
  double inferior = 0.0;
  double superior = 100.0;
  std::string unidade = "%";

  double Engenharia(double percentual) const {
    return inferior + (superior - inferior) * percentual / 100.0;
  }
};
EscalaPV EscalaDoEndereco(const Memoria& memoria, int endereco);

// Loop k of a fast simulation or of a history file: controller k, its PV
// (the cell chosen in its PV selector), its SP M(60+k) and its output M(k).
struct MalhaDesempenho {
  bool participa = false;  // controller k exists and has a PV
  int enderecoPV = 0;      // 1 … 124
  EscalaPV escala;         // the PV's engineering range and unit
  SeriesMalha series;
  IndicesMalha indices;  // filled only when the loop took part
};

// Loops 1 … kMalhas; index 0 unused.
using MalhasDesempenho = std::array<MalhaDesempenho, kMalhas + 1>;

// The loops that take part, with their PV and its present range: controller
// k exists and its PV is a cell 1 … `ultimoEndereco`. Each series reserves
// room for `pontos` points.
MalhasDesempenho MalhasParticipantes(const Simulacao& simulacao, int ultimoEndereco,
                                     std::size_t pontos);

// The PV address controller k measures (the one its last successful apply
// took over), or 0 when the controller does not exist or has no PV chosen.
int EnderecoPVDaMalha(const Simulacao& simulacao, int k);

}  // namespace quiv
