// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quiv {

// A text from a file or the command line made safe to quote in a message:
// control characters are written as \n, \r, \t or \xNN, so a damaged file
// cannot move the cursor or repaint a terminal, and a text longer than
// `maximo` characters is cut there and ends with "…".
std::string TextoCitado(std::string_view texto, std::size_t maximo = 60);

}  // namespace quiv
