// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPushButton;
class QTimer;

namespace quiv {

// The about box: a borderless window on top of the others, showing the
// program's picture and a close button. At start it is the splash: the
// button hidden until its timer (3 s) fires, when the program decides its
// language and opens the main window.
class CaixaSobre : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLargura = 602;
  static constexpr int kAltura = 452;
  static constexpr int kEsperaMs = 3000;

  // `abertura`: the splash (timer running, button hidden); otherwise the
  // about box (button shown).
  explicit CaixaSobre(bool abertura, QWidget* pai = nullptr);

  // The picture, drawn for this program: name, version and a trend.
  static QPixmap Figura(QSize tamanho);

 signals:
  void TempoDecorrido();

 private:
  QPushButton* botaoFechar_ = nullptr;
  QTimer* espera_ = nullptr;
};

}  // namespace quiv
