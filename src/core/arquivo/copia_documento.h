// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "core/arquivo/documento.h"

namespace quiv {

// Exact, in-memory copies of a running plant: what an off-line run works on
// (so the live plant is never moved by it) and what a snapshot keeps.
//
// A copy holds the same objects with their whole state, bit for bit: every
// cell, the dead-time rings, filters, integrators, valve states, the trend
// and recorder rings, the random source, the operator panel, the XY
// recorder's choices, the places on the main window, comments, title and
// picture name, the step and the cycle counters and clock. It never goes
// through the file's text. The plant's callbacks (messages, displays) and
// the objects' open sample archives are not part of it: a copy has none.
std::unique_ptr<Documento> CopiaDocumento(const Documento& original);

// The copy's plant, owning its document: what the off-line analyses take
// as their fresh plant (see FabricaCopia in analise/fabrica_copia.h).
std::shared_ptr<Simulacao> CopiaSimulacao(const Documento& original);

// The document takes over the whole state of `instantaneo` (a copy made
// earlier), keeping its own objects, so windows that point at them still
// do; the callbacks and open archives stay as they are. Throws Erro, with
// the reason and changing nothing, when the two do not hold the same kinds
// of objects in the same slots (one was added, deleted or retyped since).
void RestauraDocumento(Documento& destino, const Documento& instantaneo);

}  // namespace quiv
