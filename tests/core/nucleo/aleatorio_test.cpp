// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/aleatorio.h"

#include <gtest/gtest.h>

#include <vector>

namespace quiv {
namespace {

TEST(AleatorioTest, SeededSequencesRepeatAndStayInRange) {
  Aleatorio a(42), b(42), c(43);
  bool diferente = false;
  for (int i = 0; i < 1000; ++i) {
    const int x = a.RandomInt(10000);
    EXPECT_EQ(x, b.RandomInt(10000));
    diferente |= x != c.RandomInt(10000);
    EXPECT_GE(x, 0);
    EXPECT_LT(x, 10000);
  }
  EXPECT_TRUE(diferente);
  EXPECT_EQ(a.RandomInt(1), 0);
  EXPECT_EQ(a.RandomInt(0), 0);
  a.Semeia(42);
  b.Semeia(42);
  EXPECT_EQ(a.RandomInt(30000), b.RandomInt(30000));
}

TEST(AleatorioTest, Uniform) {
  Aleatorio a(5);
  std::vector<int> contagem(10);
  const int n = 200000;
  for (int i = 0; i < n; ++i) ++contagem[a.RandomInt(10)];
  for (int k : contagem) EXPECT_NEAR(k, n / 10, n / 10 * 0.03);
}

}  // namespace
}  // namespace quiv
