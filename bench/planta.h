// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/nucleo/simulacao.h"

namespace quiv::bench {

// A fully populated plant: 10 loops (controller k drives process k, whose
// output feeds process k+10 through a dead time), 4 more processes, 24
// calculation blocks with selectors and limits, all 16 generator channels,
// 10 trend recorders on the loops,
// each object with typical expression parameters over M-addresses. Every
// object is applied, so the plant steps as a loaded simulation would.
void MontaPlantaCompleta(Simulacao& simulacao);

// Three loops on three processes with their recorders, three generator channels.
void MontaPlantaTresMalhas(Simulacao& simulacao);

}  // namespace quiv::bench
