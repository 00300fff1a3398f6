// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/comando.h"

namespace quiv::cli {

// `quiv-sim tune`: the step test of one loop, the model fitted to it, the
// tuning rules' settings and the chosen one's before/after indices.
const Comando& ComandoTune();

}  // namespace quiv::cli
