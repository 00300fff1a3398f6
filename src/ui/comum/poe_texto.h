// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <string_view>

namespace quiv {

// A model's text (UTF-8) written into a control only when it differs, so
// that filling a window many times costs little and no edit signal fires
// for nothing.
inline void PoeTexto(QLineEdit* e, std::string_view texto) {
  const QString q = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
  if (e->text() != q) e->setText(q);
}

inline void PoeTexto(QLabel* l, std::string_view texto) {
  const QString q = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
  if (l->text() != q) l->setText(q);
}

}  // namespace quiv
