// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/texto_bilingue.h"

#include <gtest/gtest.h>

#include <string>

namespace quiv {
namespace {

TEST(TextoBilingueTest, EachLanguageTakesItsHalfOfTheFirstBar) {
  struct Caso {
    const char* texto;
    const char* portugues;
    const char* ingles;
  };
  // Only the first bar splits; a text without one serves both languages.
  const Caso casos[] = {
      {"Nível|Level", "Nível", "Level"}, {"a|b|c", "a", "b|c"},   {"Nível", "Nível", "Nível"},
      {"|Level", "", "Level"},           {"Nível|", "Nível", ""}, {"", "", ""},
  };
  for (const Caso& c : casos) {
    const TextoBilingue t = c.texto;
    EXPECT_EQ(t.Em(false), c.portugues) << c.texto;
    EXPECT_EQ(t.Em(true), c.ingles) << c.texto;
    EXPECT_EQ(t.Completo(), c.texto);  // the whole text is what is stored
  }
}

TEST(TextoBilingueTest, EditingKeepsTheOtherLanguageUnlessTheTextChanges) {
  TextoBilingue t = "Malha|Loop";
  t.Edita(false, "Malha");
  EXPECT_EQ(t, "Malha|Loop");
  t.Edita(true, "Loop");
  EXPECT_EQ(t, "Malha|Loop");
  // A different text replaces both languages, as typing does.
  t.Edita(true, "Control loop");
  EXPECT_EQ(t, "Control loop");
  EXPECT_EQ(t.Em(false), "Control loop");
  t.Edita(false, "");
  EXPECT_TRUE(t.empty());
}

TEST(TextoBilingueTest, AssigningATypedTextReplacesTheStoredOne) {
  TextoBilingue t = "Malha|Loop";
  t = std::string("Nova");
  EXPECT_EQ(t.Em(true), "Nova");
  t = "Nova|New";
  EXPECT_EQ(t.Em(true), "New");
  t.clear();
  EXPECT_EQ(t, "");
}

}  // namespace
}  // namespace quiv
