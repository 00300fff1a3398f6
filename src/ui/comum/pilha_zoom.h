// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qcustomplot.h>

#include <QObject>
#include <QVector>

namespace quiv {

// Rubber-band zoom on a chart with its own undo stack: each zoom pushes the
// ranges it replaced and Desfaz brings back the last ones. Two charts that
// must move together (the upper and lower chart of a loop) are tied with
// Acompanha: a zoom or an undo on either happens on both.
class PilhaZoom : public QObject {
  Q_OBJECT

 public:
  explicit PilhaZoom(QCustomPlot& grafico);

  // Rubber-band zoom by mouse drag, on or off.
  void Liga(bool ligado);
  bool Ligado() const { return ligado_; }

  // Zooms to these ranges, as a drag would (the current ranges are pushed).
  void Amplia(const QCPRange& x, const QCPRange& y);
  // Back to the ranges before the last zoom; false when there is none.
  bool Desfaz();
  // Forgets every zoom (new data, a new page).
  void Limpa() { pilha_.clear(); }
  int Tamanho() const { return static_cast<int>(pilha_.size()); }

  // Ties another chart's stack to this one, both ways.
  void Acompanha(PilhaZoom& outra);

 signals:
  void Ampliado(const QCPRange& x, const QCPRange& y);
  void Desfeito();

 private:
  void Retangulo(const QRect& retangulo);
  void AplicaSemAviso(const QCPRange& x, const QCPRange& y);

  QCustomPlot& grafico_;
  bool ligado_ = false;
  bool propagando_ = false;
  QVector<QPair<QCPRange, QCPRange>> pilha_;
};

}  // namespace quiv
