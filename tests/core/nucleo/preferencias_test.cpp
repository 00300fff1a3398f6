// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/preferencias.h"

#include <gtest/gtest.h>

namespace quiv {
namespace {

TEST(Preferencias, SoEnglishComEssaGrafiaEscolheIngles) {
  const struct {
    std::string_view linha;
    bool ingles;
  } casos[] = {{"<language> English", true},
               {"English", true},
               {"x English y", true},
               {"<language> english", false},
               {"<language> ENGLISH", false},
               {"<language> Portuguese", false},
               {"", false}};
  for (const auto& c : casos) EXPECT_EQ(PreferenciaIngles(c.linha), c.ingles) << c.linha;
}

TEST(Preferencias, LinhaGravadaReleAMesmaEscolha) {
  for (bool ingles : {false, true}) EXPECT_EQ(PreferenciaIngles(LinhaPreferencias(ingles)), ingles);
  EXPECT_EQ(LinhaPreferencias(true), "<language> English");
  EXPECT_EQ(LinhaPreferencias(false), "<language> Portuguese");
}

}  // namespace
}  // namespace quiv
