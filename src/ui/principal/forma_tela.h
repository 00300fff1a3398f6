// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace quiv {

// An animated shape on the synoptic screen: a filled ellipse or rectangle.
class FormaTela : public QWidget {
 public:
  explicit FormaTela(QWidget* pai = nullptr);

  // Kind and colour (0x00BBGGRR, the file's colour values).
  void Define(bool elipse, std::uint32_t cor);
  bool Elipse() const { return elipse_; }
  QColor Cor() const { return cor_; }

  // A colour value of the simulation file as a screen colour; the system
  // colours (0x80000000 + index) take the palette's nearest role.
  static QColor CorQt(std::uint32_t cor);

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  bool elipse_ = true;
  QColor cor_ = Qt::red;
};

}  // namespace quiv
