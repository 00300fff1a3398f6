// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/comando.h"

namespace quiv::cli {

// `quiv-sim resave`: loads a simulation file and writes it again.
const Comando& ComandoResave();

}  // namespace quiv::cli
