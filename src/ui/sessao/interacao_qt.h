// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/sessao/interacao.h"

namespace quiv {

// The modal interactions shown with Qt's own boxes.
class InteracaoQt : public Interacao {
 public:
  void Informa(QWidget* pai, const QString& titulo, const QString& texto) override;
  bool Pergunta(QWidget* pai, const QString& titulo, const QString& texto) override;
  Resposta PerguntaOuCancela(QWidget* pai, const QString& titulo, const QString& texto) override;
  QString AbreArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                      const QString& filtro) override;
  QString SalvaArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                       const QString& filtro) override;
  QString EscolhePasta(QWidget* pai, const QString& titulo, const QString& inicial) override;
  void AbreEndereco(const QUrl& endereco) override;
  bool InternetConectada() override;
};

}  // namespace quiv
