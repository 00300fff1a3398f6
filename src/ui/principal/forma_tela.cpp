// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/forma_tela.h"

#include <QPainter>
#include <QPalette>

namespace quiv {

FormaTela::FormaTela(QWidget* pai) : QWidget(pai) {}

QColor FormaTela::CorQt(std::uint32_t cor) {
  if (cor & 0x80000000u) {
    const QPalette paleta;
    switch (cor & 0xFFu) {
      case 5:  // window
        return paleta.color(QPalette::Base);
      case 8:   // window text
      case 18:  // button text
        return paleta.color(QPalette::Text);
      case 13:  // highlight
        return paleta.color(QPalette::Highlight);
      default:
        return paleta.color(QPalette::Button);
    }
  }
  return QColor(static_cast<int>(cor & 0xFFu), static_cast<int>((cor >> 8) & 0xFFu),
                static_cast<int>((cor >> 16) & 0xFFu));
}

void FormaTela::Define(bool elipse, std::uint32_t cor) {
  const QColor nova = CorQt(cor);
  if (elipse == elipse_ && nova == cor_) return;
  elipse_ = elipse;
  cor_ = nova;
  update();
}

void FormaTela::paintEvent(QPaintEvent*) {
  QPainter g(this);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(Qt::black, 1));
  g.setBrush(cor_);
  const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (elipse_)
    g.drawEllipse(area);
  else
    g.drawRect(area);
}

}  // namespace quiv
