// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/comando.h"

namespace quiv::cli {

// `quiv-sim run`: the fast simulation of a simulation file, with its
// performance indices and history file.
const Comando& ComandoRun();

}  // namespace quiv::cli
