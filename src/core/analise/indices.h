// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string>

namespace quiv {

// The seven performance indices of one loop, as the texts the index panel
// shows, in this order.
enum Indice {
  kVariabilidade,  // 3·standard deviation of PV
  kIEM,            // mean of SP − PV
  kIEMA,           // mean of |SP − PV|
  kExcursaoCO,     // Σ |ΔCO| / 100, " %"
  kDesvioCO,       // 3·standard deviation of CO, " %"
  kSaturacaoCO,    // share of CO ≥ 98 or ≤ 2, " %"
  kPVMinMax,       // "min/max", one decimal each
  kNumeroIndices
};
using IndicesMalha = std::array<std::string, kNumeroIndices>;

// The indices of one loop's three series (equal lengths; PV and SP in % or in
// engineering units, CO in %). Numbers are written with two decimals (PV
// min/max with one) and padded on the left to five characters. A standard
// deviation of fewer than two points is 0, and empty series give zeros, so
// a short window never divides by zero.
IndicesMalha CalculaIndices(std::span<const double> PV, std::span<const double> SP,
                            std::span<const double> CO);

// What the index panel appends to variability, IEM and IEMA: " %" for
// normalised values, otherwise a blank and the loop's engineering unit.
std::string SufixoUnidade(bool normaliza, const std::string& unidade);

// The seven texts as the panel shows them, the unit suffix added.
IndicesMalha IndicesMostrados(const IndicesMalha& indices, bool normaliza,
                              const std::string& unidade);

}  // namespace quiv
