// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/valores_smp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/nucleo/erro.h"

namespace quiv::smp {
namespace {

TEST(ValoresSmpTest, Windows1252RoundTripAndUnmappable) {
  const std::string texto = "Saída Linearizador ç ã É € “aspas” … ™";
  const std::string bytes = ParaWindows1252(texto);
  EXPECT_EQ(bytes.size(), 38u);                            // one byte per character
  EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0xED);   // í
  EXPECT_EQ(static_cast<unsigned char>(bytes[25]), 0x80);  // €
  EXPECT_EQ(DeWindows1252(bytes), texto);
  EXPECT_EQ(ParaWindows1252("a→b😀"), "a?b?");
  EXPECT_EQ(ParaWindows1252("\xFF"), "?");       // malformed UTF-8
  EXPECT_EQ(DeWindows1252("\x81"), "\xC2\x81");  // undefined byte: the C1 control
  EXPECT_EQ(ParaWindows1252("\xC2\x81"), "\x81");
}

TEST(ValoresSmpTest, LinesEndAtLfAndDropEveryCr) {
  struct Caso {
    std::string conteudo;
    std::vector<std::string> linhas;
  };
  const Caso casos[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"x\ry\r\n", {"xy"}},
      {"", {}},
      {"\r\n", {""}},
  };
  for (const auto& c : casos) EXPECT_EQ(DivideLinhas(c.conteudo), c.linhas) << c.conteudo;
  EXPECT_EQ(LinhaSegura("um\r\ndois\nX"), "um  dois X");
}

TEST(ValoresSmpTest, Flags) {
  EXPECT_TRUE(LeFlagMaiuscula("TRUE"));
  EXPECT_FALSE(LeFlagMaiuscula("True"));
  EXPECT_FALSE(LeFlagMaiuscula("TRUE "));
  EXPECT_TRUE(LeFlagMista("True"));
  EXPECT_FALSE(LeFlagMista("TRUE"));
  EXPECT_STREQ(FlagMaiuscula(false), "FALSE");
  EXPECT_STREQ(FlagMista(true), "True");
}

TEST(ValoresSmpTest, StrictAndLenientIntegers) {
  struct Caso {
    const char* linha;
    bool valido;
    std::int32_t estrito;
    std::int32_t tolerante;
  };
  const Caso casos[] = {
      {"12", true, 12, 12},
      {"-7", true, -7, -7},
      {"  5", true, 5, 5},
      {"+3", true, 3, 3},
      {"$1F", true, 31, 31},
      {"$FFFFFFFF", true, -1, -1},
      {"2147483647", true, 2147483647, 2147483647},
      {"2147483648", false, 0, 2147483647},
      {"12abc", false, 0, 12},
      {"-4x", false, 0, -4},
      {"", false, 0, 0},
      {"abc", false, 0, 0},
      {"5 ", false, 0, 5},
      {"1.5", false, 0, 1},
      {"-", false, 0, 0},
      {"$", false, 0, 0},
      {"$G1", false, 0, 0},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(LeInteiroTolerante(c.linha), c.tolerante) << c.linha;
    if (c.valido) {
      EXPECT_EQ(LeInteiroEstrito(c.linha), c.estrito) << c.linha;
    } else {
      try {
        LeInteiroEstrito(c.linha);
        ADD_FAILURE() << "no error for '" << c.linha << "'";
      } catch (const Erro& e) {
        EXPECT_EQ(std::string(e.what()),
                  "'" + std::string(c.linha) + "' is not a valid integer value");
      }
    }
  }
}

TEST(ValoresSmpTest, LenientRealsAndFixedReals) {
  EXPECT_EQ(LeReal(" 5.00000000000000E+0001"), 50.0);
  EXPECT_EQ(LeReal("  -1.5e2"), -150.0);
  EXPECT_EQ(LeReal(""), 0.0);
  EXPECT_EQ(LeReal("abc"), 0.0);
  EXPECT_EQ(LeReal("12,5"), 12.0);  // the decimal separator is always "."
  EXPECT_EQ(LeReal("1E999"), 0.0);
  EXPECT_EQ(RealFixo(3.14159, 8, 2), "    3.14");
  EXPECT_EQ(RealFixo(2.5, 1, 0), "3");
  EXPECT_EQ(RealFixo(-2.5, 1, 0), "-3");
  EXPECT_EQ(RealFixo(0.125, 5, 2), " 0.13");
  EXPECT_EQ(RealFixo(1234.5, 3, 1), "1234.5");
  EXPECT_EQ(RealFixo(1e36, 10, 2), " 1.00000000000000E+0036");
}

// A number the file always writes (a state, a cell's value) is read as
// leniently as any real, but a line without one, or with one beyond the
// double range, is no longer taken for 0.
TEST(ValoresSmpTest, RequiredReals) {
  struct Caso {
    const char* linha;
    std::optional<double> valor;  // none: the load stops
  };
  const Caso casos[] = {
      {" 5.00000000000000E+0001", 50.0},
      {"  -1.5e2", -150.0},
      {"   3.14", 3.14},
      {"-.5", -0.5},
      {"- 2", -2.0},
      {"12,5", 12.0},  // the decimal separator is always "."
      {"7 kg", 7.0},
      {"1E-400", 0.0},  // too small: 0, as the reader of every number gives it
      {" 1.79769313486231E+0308", 1.79769313486231e308},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abc", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"+.E5", std::nullopt},
      {"1E999", std::nullopt},
      {" 1.79769313486232E+0308", std::nullopt},  // just beyond the largest double
      {"-1.79769313486232E+0308", std::nullopt},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.linha);
    if (c.valor) {
      EXPECT_EQ(LeRealExigido(c.linha), *c.valor);
      continue;
    }
    try {
      LeRealExigido(c.linha);
      ADD_FAILURE() << "no error";
    } catch (const Erro& e) {
      EXPECT_EQ(std::string(e.what()), MensagemRealInvalido(c.linha));
    }
  }
  EXPECT_EQ(MensagemRealInvalido("abc"),
            "'abc' não é um número real válido ('abc' is not a valid floating point value)");
}

// What RealFixo writes of a finite number reads back finite, also at the very
// top of the double range.
TEST(ValoresSmpTest, FixedRealsOfExtremeValuesReadBack) {
  constexpr double kMaior = std::numeric_limits<double>::max();
  EXPECT_EQ(RealFixo(kMaior, 4, 2), " 1.79769313486231E+0308");
  EXPECT_EQ(RealFixo(-kMaior, 1, 0), "-1.79769313486231E+0308");
  for (double x : {kMaior, -kMaior, 1e300, std::numeric_limits<double>::min(),
                   -std::numeric_limits<double>::denorm_min()})
    for (int decimais : {0, 2}) {
      const double lido = LeRealExigido(RealFixo(x, 4, decimais));
      EXPECT_TRUE(std::isfinite(lido)) << x;
      EXPECT_NEAR(lido, x, std::fabs(x) * 1e-14 + 0.005) << x;
    }
}

TEST(ValoresSmpTest, ColoursByNameOrNumber) {
  EXPECT_EQ(EscreveCor(0x0000FF), "clRed");
  EXPECT_EQ(EscreveCor(0x80000005), "clWindow");
  EXPECT_EQ(EscreveCor(0x123456), "$00123456");
  EXPECT_EQ(LeCor("clred"), 0x0000FFu);
  EXPECT_EQ(LeCor("CLBTNFACE"), 0x8000000Fu);
  EXPECT_EQ(LeCor("$00123456"), 0x123456u);
  EXPECT_EQ(LeCor("255"), 255u);
  for (std::uint32_t cor : {0x0u, 0xFF00FFu, 0x1FFFFFFFu, 0x00ABCDEFu, 0x8000001Cu})
    EXPECT_EQ(LeCor(EscreveCor(cor)), cor) << cor;
  EXPECT_THROW(LeCor("vermelho"), Erro);
  EXPECT_THROW(LeCor(""), Erro);
}

}  // namespace
}  // namespace quiv::smp
