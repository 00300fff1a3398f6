// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/arredonda.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/nucleo/memoria.h"

// The 15-significant-digit rounding of the evaluator and its scientific text.
namespace quiv {
namespace {

struct CasoCientifico {
  double x;
  const char* texto;
};

TEST(TextoCientificoTest, FixedShapeAndHalfAwayRounding) {
  const CasoCientifico casos[] = {
      {0.0, " 0.00000000000000E+0000"},
      {-0.0, "-0.00000000000000E+0000"},
      {50.0, " 5.00000000000000E+0001"},
      {-0.125, "-1.25000000000000E-0001"},
      {1.23456789012345678, " 1.23456789012346E+0000"},
      // Exact ties on the 16th digit go away from zero.
      {1234567890123445.0, " 1.23456789012345E+0015"},
      {-1234567890123445.0, "-1.23456789012345E+0015"},
      {1234567890123455.0, " 1.23456789012346E+0015"},
      {999999999999999.5, " 1.00000000000000E+0015"},
      {0.1, " 1.00000000000000E-0001"},
      {1e300, " 1.00000000000000E+0300"},
      {std::numeric_limits<double>::max(), " 1.79769313486232E+0308"},
      {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-0324"},
  };
  for (const auto& c : casos) EXPECT_EQ(TextoCientifico(c.x), c.texto) << c.x;
}

// Digits just below a half that round up at 17 digits must still round down:
// 0.30000000000000004 has exact digits 3000000000000000444…
TEST(TextoCientificoTest, ExactDigitsDecideNearHalves) {
  EXPECT_EQ(TextoCientifico(0.1 + 0.2), " 3.00000000000000E-0001");
  // 2^-1 * (1 + k·2^-52) values near a 15-digit half, checked against the
  // exact decimal expansion printed with many digits.
  std::mt19937_64 gerador(7);
  for (int i = 0; i < 20000; ++i) {
    const double x = std::ldexp(static_cast<double>(gerador() >> 11),
                                -52 + static_cast<int>(gerador() % 120) - 60);
    char exato[900];
    std::snprintf(exato, sizeof exato, "%.60e", x);
    // Round the exact digits by hand, half away from zero.
    std::string d(1, exato[0]);
    d.append(exato + 2, 14);
    const bool acima = exato[16] >= '5';
    int expoente = std::atoi(std::strchr(exato, 'e') + 1);
    if (acima) {
      int k = 14;
      while (k >= 0 && d[k] == '9') d[k--] = '0';
      if (k >= 0)
        ++d[k];
      else {
        d[0] = '1';
        ++expoente;
      }
    }
    char esperado[40];
    std::snprintf(esperado, sizeof esperado, " %c.%sE%c%04d", d[0], d.substr(1).c_str(),
                  expoente < 0 ? '-' : '+', std::abs(expoente));
    ASSERT_EQ(TextoCientifico(x), esperado) << exato;
  }
}

TEST(Arredonda15Test, AgreesWithTheTextOverTheWholeRange) {
  std::mt19937_64 gerador(11);
  for (int i = 0; i < 200000; ++i) {
    double x;
    switch (i % 4) {
      case 0: {  // any bit pattern
        std::uint64_t bits = gerador();
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) continue;
        break;
      }
      case 1:  // plant-like values
        x = std::uniform_real_distribution<double>(-200.0, 200.0)(gerador);
        break;
      case 2:  // short decimals and their neighbours
        x = std::nextafter(static_cast<double>(gerador() % 2000000) / 1000.0,
                           (gerador() & 1) ? 1e9 : -1e9);
        break;
      default:  // halves of 15-digit grids
        x = (static_cast<double>(gerador() % 900000000000000 + 100000000000000) + 0.5) *
            std::pow(10.0, static_cast<int>(gerador() % 40) - 20);
        break;
    }
    const double rapido = Arredonda15(x);
    const double texto = Arredonda15PeloTexto(x);
    ASSERT_EQ(std::memcmp(&rapido, &texto, sizeof x), 0) << std::hexfloat << x;
  }
  EXPECT_TRUE(std::signbit(Arredonda15(-0.0)));
  EXPECT_TRUE(std::isinf(Arredonda15(std::numeric_limits<double>::max())));
}

}  // namespace
}  // namespace quiv
