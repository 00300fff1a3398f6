// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/windows1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quiv {
namespace {

TEST(Windows1252Test, ValidUtf8) {
  struct Caso {
    std::string bytes;
    bool valido;
  };
  const std::vector<Caso> casos = {
      {"", true},
      {"ASCII;0.1;1800;", true},
      {"Sa\xC3\xAD"
       "da",
       true},                      // í
      {"\xE2\x82\xAC", true},      // €
      {"\xF0\x9F\x98\x80", true},  // U+1F600
      {"Sa\xED"
       "da",
       false},                      // í in Windows-1252
      {"\xC3", false},              // cut short
      {"\xC0\xAF", false},          // overlong "/"
      {"\xE0\x80\xAF", false},      // overlong "/"
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
      {"\x80", false},              // a continuation byte alone
      {"\xC3\xA9\xE9", false},      // é in UTF-8, then in Windows-1252
  };
  for (const Caso& c : casos) EXPECT_EQ(Utf8Valido(c.bytes), c.valido) << c.bytes;
}

TEST(Windows1252Test, EitherEncodingReadsAsUtf8) {
  const std::string texto = "Saída Linearizador – ação €";
  EXPECT_EQ(DeWindows1252OuUtf8(ParaWindows1252(texto)), texto);
  EXPECT_EQ(DeWindows1252OuUtf8(texto), texto);
  EXPECT_EQ(DeWindows1252OuUtf8("01 nivel;"), "01 nivel;");
  // Windows-1252 bytes that happen to form no valid UTF-8 sequence stay theirs.
  EXPECT_EQ(DeWindows1252OuUtf8("\xC3\xA9\xE9"), "Ã©é");
}

}  // namespace
}  // namespace quiv
