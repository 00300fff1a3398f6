// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/windows1252.h"

#include <array>
#include <optional>

namespace quiv {

namespace {

// Unicode code points of Windows-1252 bytes 0x80 … 0x9F (0 where undefined:
// they stand for the C1 control of the same number).
constexpr std::array<char16_t, 32> kAlto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t PontoDoByte(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F && kAlto[b - 0x80] != 0) return kAlto[b - 0x80];
  return b;
}

std::optional<unsigned char> ByteDoPonto(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < kAlto.size(); ++i) {
    if (kAlto[i] == c) return static_cast<unsigned char>(0x80 + i);
    if (kAlto[i] == 0 && c == 0x80 + i) return static_cast<unsigned char>(c);
  }
  return std::nullopt;
}

void AcrescentaUtf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Next code point of a UTF-8 text; a malformed sequence yields U+FFFD for
// one byte.
char32_t ProximoPonto(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
  if (extra == 0) {
    ++i;
    return b;
  }
  if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t c = b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto seguinte = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((seguinte & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (seguinte & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return c;
}

}  // namespace

std::string ParaWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = ByteDoPonto(ProximoPonto(utf8, i));
    bytes += static_cast<char>(b ? *b : '?');
  }
  return bytes;
}

std::string DeWindows1252(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (char b : bytes) AcrescentaUtf8(utf8, PontoDoByte(static_cast<unsigned char>(b)));
  return utf8;
}

bool Utf8Valido(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t extra = 0;
    char32_t c = 0;
    char32_t menor = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1, c = b & 0x1F, menor = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2, c = b & 0x0F, menor = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3, c = b & 0x07, menor = 0x10000;
    } else {
      return false;  // a continuation byte first, C0, C1 or F5 … FF
    }
    if (bytes.size() - i <= extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto seguinte = static_cast<unsigned char>(bytes[i + k]);
      if ((seguinte & 0xC0) != 0x80) return false;
      c = (c << 6) | (seguinte & 0x3F);
    }
    if (c < menor || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string DeWindows1252OuUtf8(std::string_view bytes) {
  if (Utf8Valido(bytes)) return std::string(bytes);  // ASCII included
  return DeWindows1252(bytes);
}

}  // namespace quiv
