// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/comando.h"

namespace quiv::cli {

// `quiv-sim eval`: evaluates one expression over a memory table whose cells are
// all 0 except those given with --set.
const Comando& ComandoEval();

}  // namespace quiv::cli
