// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace quiv {

// Every modal interaction with the user (information box, Yes/No question,
// file and folder dialogs and, later, the browser and the internet check)
// goes through this interface, so that tests can replace it with a script and
// no test ever waits on a box.
class Interacao {
 public:
  virtual ~Interacao() = default;

  // Information box with an OK button; returns when the user acknowledges it.
  virtual void Informa(QWidget* pai, const QString& titulo, const QString& texto) = 0;
  // Confirmation box with Yes and No; true for Yes.
  virtual bool Pergunta(QWidget* pai, const QString& titulo, const QString& texto) = 0;
  // A question with Yes, No and Cancel (also Escape or the close box):
  // Cancel keeps everything as it was.
  enum class Resposta { Sim, Nao, Cancela };
  virtual Resposta PerguntaOuCancela(QWidget* pai, const QString& titulo, const QString& texto) = 0;

  // File dialogs. `filtro` uses Qt's form ("Arquivos de Simulação (*.smp);;
  // Todos os Arquivos (*)"); `inicial` is the folder, or a file in it, the
  // dialog opens at. Each returns the chosen path, or an empty text when the
  // user cancels.
  virtual QString AbreArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                              const QString& filtro) = 0;
  // The save dialog adds no extension and does not ask about overwriting:
  // the caller decides both.
  virtual QString SalvaArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                               const QString& filtro) = 0;
  virtual QString EscolhePasta(QWidget* pai, const QString& titulo, const QString& inicial) = 0;
  // Opens a web address in the user's browser; a browser that fails to open
  // is not reported.
  virtual void AbreEndereco(const QUrl& endereco) = 0;
  // Whether the computer is online, as the platform tells it.
  virtual bool InternetConectada() = 0;

  // The implementation in use: the installed one, otherwise the Qt boxes.
  static Interacao& Atual();
  // Installs an implementation (not owned; nullptr restores the Qt boxes) and
  // returns the one installed before.
  static Interacao* Instala(Interacao* interacao);
};

}  // namespace quiv
