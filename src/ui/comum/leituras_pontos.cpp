// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/leituras_pontos.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/comum/poe_texto.h"

namespace quiv {

LeiturasPontos::LeiturasPontos(QWidget* pai, const QString& amostra) : QWidget(pai) {
  setObjectName(QStringLiteral("Panel3"));
  auto* grade = new QGridLayout(this);
  grade->setContentsMargins(0, 0, 0, 0);
  grade->setHorizontalSpacing(6);
  grade->setVerticalSpacing(2);
  for (int k = 0; k < Tendencia::kLeituras; ++k) {
    auto* l = new QLabel(this);
    l->setObjectName(QStringLiteral("CoodsText%1").arg(k + 1));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(amostra) + 6);
    leituras_[static_cast<std::size_t>(k)] = l;
    grade->addWidget(l, k / 3, k % 3);
  }
  QSizePolicy reserva = sizePolicy();
  reserva.setRetainSizeWhenHidden(true);
  setSizePolicy(reserva);
  hide();
}

void LeiturasPontos::Segue(const Tendencia& g) {
  setVisible(g.PainelPontosVisivel());
  for (std::size_t k = 0; k < leituras_.size(); ++k) PoeTexto(leituras_[k], g.Leituras[k]);
}

}  // namespace quiv
