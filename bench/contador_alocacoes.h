// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace quiv::bench {

// Heap allocations made by this process so far (global operator new).
std::uint64_t Alocacoes();

}  // namespace quiv::bench
