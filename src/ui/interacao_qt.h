#pragma once

#include "ui/interacao.h"

namespace quiv {

// The modal interactions shown with Qt's own boxes.
class InteracaoQt : public Interacao {
 public:
  void Informa(QWidget* pai, const QString& titulo, const QString& texto) override;
  bool Pergunta(QWidget* pai, const QString& titulo, const QString& texto) override;
};

}  // namespace quiv
