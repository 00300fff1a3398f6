// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/texto_rtf.h"

#include <gtest/gtest.h>

#include <string>

namespace quiv {
namespace {

struct CasoRtf {
  const char* nome;
  std::string rtf;
  std::string texto;
};

class TextoRtfTest : public ::testing::TestWithParam<CasoRtf> {};

TEST_P(TextoRtfTest, ReadableText) { EXPECT_EQ(TextoDoRtf(GetParam().rtf), GetParam().texto); }

INSTANTIATE_TEST_SUITE_P(
    Casos, TextoRtfTest,
    ::testing::Values(
        CasoRtf{"tables_left_out",
                "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0"
                "\\blue0;}{\\*\\generator Riched20;}\\viewkind4\\pard\\f0\\fs20 Caldeira\\par}",
                "Caldeira"},
        CasoRtf{"paragraphs_lines_tabs", "{\\rtf1 Um\\par Dois\\line Tr\\'eas\\tab fim\\par\\par}",
                "Um\nDois\nTrês\tfim"},
        CasoRtf{"escaped_braces_and_backslash", "{\\rtf1 a\\{b\\}c\\\\d}", "a{b}c\\d"},
        CasoRtf{"unicode_with_fallback", "{\\rtf1\\uc1 n\\u237?vel \\u-3913?}",
                "n\xC3\xADvel \xEF\x82\xB7"},
        CasoRtf{"formatting_dropped", "{\\rtf1 {\\b negrito} e {\\i it\\'e1lico}}",
                "negrito e itálico"},
        CasoRtf{"ignorable_destination_and_picture",
                "{\\rtf1 A{\\*\\panose 0204}{\\pict\\pngblip 89504e47}B}", "AB"},
        CasoRtf{"unbalanced_and_cut", "{\\rtf1 {{texto\\par}}}} sobra {\\'4", "texto\n sobra"},
        CasoRtf{"plain_text", "sem formatacao", "sem formatacao"}),
    [](const ::testing::TestParamInfo<CasoRtf>& info) { return std::string(info.param.nome); });

TEST(TextoRtfProfundidadeTest, DeepNestingIsBounded) {
  const std::string rtf = std::string(100000, '{') + "x" + std::string(100000, '}');
  EXPECT_EQ(TextoDoRtf(rtf), "x");
}

}  // namespace
}  // namespace quiv
