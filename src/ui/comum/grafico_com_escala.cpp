// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/grafico_com_escala.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/comum/grafico_tendencia.h"

namespace quiv {

GraficoComEscala::GraficoComEscala(QWidget* rotulo, Qt::Alignment alinhamentoRotulo,
                                   std::function<void()> enter, QWidget* pai)
    : QWidget(pai), enter_(std::move(enter)) {
  auto* grade = new QGridLayout(this);
  grade->setContentsMargins(0, 0, 0, 0);
  grade->setHorizontalSpacing(2);
  grade->setVerticalSpacing(0);
  escalaSuperior_ = new QLineEdit(QStringLiteral("100"), this);
  escalaSuperior_->setObjectName(QStringLiteral("eSupText"));
  escalaInferior_ = new QLineEdit(QStringLiteral("0"), this);
  escalaInferior_->setObjectName(QStringLiteral("eInfText"));
  for (QLineEdit* e : {escalaSuperior_, escalaInferior_}) {
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0")) + 10);
    e->setAlignment(Qt::AlignRight);
    e->installEventFilter(this);
  }
  grafico_ = new GraficoTendencia(this);
  grafico_->setObjectName(QStringLiteral("Image1"));
  // The edits centred on the top and bottom grid lines.
  grafico_->DefineMargemVertical(escalaSuperior_->sizeHint().height() / 2);
  auto* escalaY = new QVBoxLayout;
  escalaY->setSpacing(0);
  escalaY->addWidget(escalaSuperior_);
  escalaY->addWidget(rotulo, 0, alinhamentoRotulo);
  escalaY->addStretch(1);
  escalaY->addWidget(escalaInferior_);
  grade->addLayout(escalaY, 0, 0);
  grade->addWidget(grafico_, 0, 1);
}

bool GraficoComEscala::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress &&
      (objeto == escalaSuperior_ || objeto == escalaInferior_)) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      enter_();
      return true;
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace quiv
