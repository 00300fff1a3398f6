// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "core/objetos/tendencia.h"

class QLabel;

namespace quiv {

// The read-outs of the points marked on a paused trend, three to a row.
// Hidden while the trend runs, yet its room is kept so the chart above
// does not jump when the trend pauses.
class LeiturasPontos : public QWidget {
 public:
  // `amostra` is the longest read-out expected, which sets each label's width.
  LeiturasPontos(QWidget* pai, const QString& amostra);

  void Segue(const Tendencia& g);

 private:
  std::array<QLabel*, Tendencia::kLeituras> leituras_{};
};

}  // namespace quiv
