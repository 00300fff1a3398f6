// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace quiv {

// The program's pseudo-random source: xoshiro256** seeded through splitmix64,
// so a given seed yields the same sequence on every platform. Seeded once per
// run, from the clock unless a seed is given.
class Aleatorio {
 public:
  Aleatorio();  // seeded from the clock
  explicit Aleatorio(std::uint64_t semente);
  virtual ~Aleatorio() = default;

  void Semeia(std::uint64_t semente);
  void SemeiaDoRelogio();

  // Uniform integer in 0 … n−1 (without modulo bias); 0 when n ≤ 1.
  virtual int RandomInt(int n);

 private:
  std::uint64_t Proximo();
  std::array<std::uint64_t, 4> estado_{};
};

}  // namespace quiv
