// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "core/objetos/tendencia.h"

class QCheckBox;
class QLabel;
class QTimer;
class QWidget;

namespace quiv {

// The data archive of a trend window on screen: the Arquivar box, the rate
// text that blinks while saving and its timer. What the box starts or stops
// is the owner's.
class ArquivoTendencia : public QObject {
 public:
  // The trend the archive shows; none once its object is gone.
  using Fonte = std::function<Tendencia*()>;

  ArquivoTendencia(QWidget* pai, const QString& arquivar, const QString& dica, const QString& taxa,
                   Fonte fonte);

  QCheckBox* Caixa() const { return arquivar_; }
  QLabel* Taxa() const { return taxa_; }

  // The box follows the model (a write error closes the file inside a
  // cycle); when it changed, or with `tudo`, the locked controls and the
  // blinking follow the box.
  void Segue(const Tendencia& g, bool tudo, const std::vector<QWidget*>& travados);

 private:
  void Pisca();

  Fonte fonte_;
  QCheckBox* arquivar_ = nullptr;
  QLabel* taxa_ = nullptr;
  QTimer* pisca_ = nullptr;
};

}  // namespace quiv
