// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/aleatorio.h"

#include <chrono>

namespace quiv {

namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

std::uint64_t Rotaciona(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Aleatorio::Aleatorio() { SemeiaDoRelogio(); }
Aleatorio::Aleatorio(std::uint64_t semente) { Semeia(semente); }

void Aleatorio::Semeia(std::uint64_t semente) {
  for (std::uint64_t& s : estado_) s = SplitMix64(semente);
}

void Aleatorio::SemeiaDoRelogio() {
  Semeia(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

std::uint64_t Aleatorio::Proximo() {
  const std::uint64_t resultado = Rotaciona(estado_[1] * 5, 7) * 9;
  const std::uint64_t t = estado_[1] << 17;
  estado_[2] ^= estado_[0];
  estado_[3] ^= estado_[1];
  estado_[1] ^= estado_[2];
  estado_[0] ^= estado_[3];
  estado_[2] ^= t;
  estado_[3] = Rotaciona(estado_[3], 45);
  return resultado;
}

int Aleatorio::RandomInt(int n) {
  if (n <= 1) return 0;
  const auto faixa = static_cast<std::uint64_t>(n);
  // Draws below `limite` would favour the low results; they are redrawn.
  const std::uint64_t limite = (0 - faixa) % faixa;
  for (;;) {
    const std::uint64_t x = Proximo();
    if (x >= limite) return static_cast<int>(x % faixa);
  }
}

}  // namespace quiv
