// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The program's files keep their texts in Windows-1252; inside the program
// texts are UTF-8.
namespace quiv {

// Converts between Windows-1252 bytes and UTF-8. A character that
// Windows-1252 cannot hold is written as "?"; the five bytes it leaves
// undefined read as the C1 controls of the same number.
std::string ParaWindows1252(std::string_view utf8);
std::string DeWindows1252(std::string_view bytes);

// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool Utf8Valido(std::string_view bytes);

// Text of a file that may be either encoding, as UTF-8: bytes that hold
// non-ASCII characters and are valid UTF-8 are taken as UTF-8, anything else
// as Windows-1252 (a Windows-1252 text with accents is almost never valid
// UTF-8). ASCII is the same in both.
std::string DeWindows1252OuUtf8(std::string_view bytes);

}  // namespace quiv
