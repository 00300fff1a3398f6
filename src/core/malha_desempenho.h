#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/indices.h"
#include "core/memoria.h"

namespace quiv {

class Controlador;
class Simulacao;

// The three curves of one loop, one point per simulated second: PV and SP in
// % or in engineering units, MV (the controller output) always in %.
struct SeriesMalha {
  std::vector<double> PV;
  std::vector<double> SP;
  std::vector<double> MV;
};

// Loop k of a fast simulation or of a history file: controller k, its PV
// (the cell chosen in its PV selector), its SP M(60+k) and its output M(k).
struct MalhaDesempenho {
  bool participa = false;  // controller k exists and has a PV
  int enderecoPV = 0;      // 1 … 124
  std::string unidade;     // engineering unit of the PV
  SeriesMalha series;
  IndicesMalha indices;    // filled only when the loop took part
};

// Loops 1 … 10; index 0 unused.
using MalhasDesempenho = std::array<MalhaDesempenho, 11>;

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

// Controller k of the plant, or nullptr when slot k is empty.
Controlador* ControladorDaMalha(const Simulacao& simulacao, int k);

// The PV address of controller k (its selector's item index + 1), or 0 when
// the controller does not exist or has no PV chosen.
int EnderecoPVDaMalha(const Simulacao& simulacao, int k);

}  // namespace quiv
