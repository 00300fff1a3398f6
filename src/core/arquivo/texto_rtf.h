// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quiv {

// The readable text of a rich-text (RTF) document, as UTF-8 lines joined by
// "\n": paragraphs and line breaks become new lines, tabs stay, the font,
// colour and style tables, pictures, document information and every
// ignorable destination ("{\*\...}") are left out, "\'hh" escapes are
// Windows-1252 and "\uN" escapes Unicode. Formatting is dropped. Groups
// nested deeper than kMaiorProfundidade and unbalanced braces are tolerated;
// the text read up to there is kept.
inline constexpr int kMaiorProfundidadeRtf = 256;
std::string TextoDoRtf(std::string_view rtf);

}  // namespace quiv
