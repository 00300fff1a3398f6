// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;

namespace quiv {

class GraficoTendencia;

// A trend's chart with the edits of its scale beside the top and bottom grid
// lines and a label under the upper one (the controller's "Y", the
// recorder's unit). Enter in either edit runs `enter`; what the edits write
// is the owner's.
class GraficoComEscala : public QWidget {
 public:
  GraficoComEscala(QWidget* rotulo, Qt::Alignment alinhamentoRotulo, std::function<void()> enter,
                   QWidget* pai = nullptr);

  GraficoTendencia* Grafico() const { return grafico_; }
  QLineEdit* EscalaSuperior() const { return escalaSuperior_; }
  QLineEdit* EscalaInferior() const { return escalaInferior_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  std::function<void()> enter_;
  QLineEdit* escalaSuperior_ = nullptr;
  QLineEdit* escalaInferior_ = nullptr;
  GraficoTendencia* grafico_ = nullptr;
};

}  // namespace quiv
