// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

namespace quiv {

// A core text (UTF-8) as a Qt text.
inline QString Texto(std::string_view t) {
  return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace quiv
