// SPDX-License-Identifier: GPL-3.0-or-later
#include "contador_alocacoes.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::uint64_t> alocacoes{0};
}

namespace quiv::bench {
std::uint64_t Alocacoes() { return alocacoes.load(std::memory_order_relaxed); }
}  // namespace quiv::bench

void* operator new(std::size_t tamanho) {
  alocacoes.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(tamanho ? tamanho : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
