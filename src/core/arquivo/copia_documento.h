// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "core/arquivo/documento.h"

namespace quiv {

// A second document holding the same plant, for an off-line run that must
// not disturb the live one. A document cannot be copied (its objects keep a
// reference to its plant), so the copy is what saving and opening again
// would give: EscreveSimulacao's lines read back by LeSimulacao, in the
// original's interface language, with the checks' messages dropped, and
// then the memory table's values, which the file does not keep. The objects'
// state comes back as the file keeps it (SP, CO and the process states with
// two decimals; a process's dead-time ring filled with its output Y2), so a
// run on the copy starts near, not exactly at, where the live plant stands.
std::unique_ptr<Documento> CopiaDocumento(const Documento& original);

// The copy's plant, owning its document: what the off-line analyses take
// as their fresh plant (see FabricaCopia in analise/fabrica_copia.h).
std::shared_ptr<Simulacao> CopiaSimulacao(const Documento& original);

}  // namespace quiv
