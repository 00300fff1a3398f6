// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quiv {

// The language preference file: one line, "<language> English" or
// "<language> Portuguese". A first line that holds "English" (in that case,
// anywhere) chooses English; anything else, Portuguese.
inline constexpr std::string_view kArquivoPreferencias = "preferences.cfg";

bool PreferenciaIngles(std::string_view primeiraLinha);
std::string_view LinhaPreferencias(bool ingles);

}  // namespace quiv
