// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace quiv {

class Simulacao;

// Hands out a fresh copy of the plant as it stands, one per off-line run,
// so that tests which step, switch and retune a loop never touch the live
// plant. The copy is made in the file layer, which this one does not see:
// callers pass [&doc] { return CopiaSimulacao(doc); } (arquivo/copia_documento.h).
using FabricaCopia = std::function<std::shared_ptr<Simulacao>()>;

}  // namespace quiv
