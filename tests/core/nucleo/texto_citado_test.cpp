// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/texto_citado.h"

#include <gtest/gtest.h>

#include <string>

namespace quiv {
namespace {

TEST(TextoCitadoTest, ControlCharactersEscapedAndLongTextsCut) {
  const struct {
    std::string texto;
    std::size_t maximo;
    std::string citado;
  } casos[] = {
      {"12ab", 60, "12ab"},
      {"", 60, ""},
      {"a\nb\rc\td", 60, "a\\nb\\rc\\td"},
      {"\x1b[2J\x7f", 60, "\\x1B[2J\\x7F"},
      {"Vazão", 60, "Vazão"},          // accents stay
      {"Vazão de água", 5, "Vazão…"},  // cut by characters, not bytes
      {std::string(100, 'x'), 60, std::string(60, 'x') + "…"},
      {std::string(60, 'x'), 60, std::string(60, 'x')},
  };
  for (const auto& c : casos) EXPECT_EQ(TextoCitado(c.texto, c.maximo), c.citado) << c.texto;
}

}  // namespace
}  // namespace quiv
