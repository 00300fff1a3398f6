// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/pilha_zoom.h"

namespace quiv {

PilhaZoom::PilhaZoom(QCustomPlot& grafico) : QObject(&grafico), grafico_(grafico) {
  // The drag is read here rather than by the chart's own zoom, so the ranges
  // it replaces can be kept.
  connect(grafico_.selectionRect(), &QCPSelectionRect::accepted, this,
          [this](const QRect& retangulo, QMouseEvent*) { Retangulo(retangulo); });
}

void PilhaZoom::Liga(bool ligado) {
  ligado_ = ligado;
  grafico_.setSelectionRectMode(ligado ? QCP::srmCustom : QCP::srmNone);
}

void PilhaZoom::Retangulo(const QRect& retangulo) {
  if (!ligado_ || retangulo.width() < 3 || retangulo.height() < 3) return;
  QCPAxis* x = grafico_.xAxis;
  QCPAxis* y = grafico_.yAxis;
  const QCPRange faixaX(x->pixelToCoord(retangulo.left()), x->pixelToCoord(retangulo.right()));
  const QCPRange faixaY(y->pixelToCoord(retangulo.bottom()), y->pixelToCoord(retangulo.top()));
  Amplia(faixaX, faixaY);
  emit Ampliado(faixaX, faixaY);
}

void PilhaZoom::Amplia(const QCPRange& x, const QCPRange& y) {
  pilha_.append({grafico_.xAxis->range(), grafico_.yAxis->range()});
  AplicaSemAviso(x, y);
}

bool PilhaZoom::Desfaz() {
  if (pilha_.isEmpty()) return false;
  const auto [x, y] = pilha_.takeLast();
  AplicaSemAviso(x, y);
  if (!propagando_) emit Desfeito();
  return true;
}

void PilhaZoom::AplicaSemAviso(const QCPRange& x, const QCPRange& y) {
  QCPRange faixaX = x;
  QCPRange faixaY = y;
  faixaX.normalize();
  faixaY.normalize();
  grafico_.xAxis->setRange(faixaX);
  grafico_.yAxis->setRange(faixaY);
  grafico_.replot(QCustomPlot::rpQueuedReplot);
}

void PilhaZoom::Acompanha(PilhaZoom& outra) {
  auto liga = [](PilhaZoom& de, PilhaZoom& para) {
    connect(&de, &PilhaZoom::Ampliado, &para,
            [&para](const QCPRange& x, const QCPRange& y) { para.Amplia(x, y); });
    connect(&de, &PilhaZoom::Desfeito, &para, [&para] {
      para.propagando_ = true;
      para.Desfaz();
      para.propagando_ = false;
    });
  };
  liga(*this, outra);
  liga(outra, *this);
}

}  // namespace quiv
