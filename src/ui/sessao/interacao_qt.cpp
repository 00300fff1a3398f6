// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/interacao_qt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QNetworkInformation>

namespace quiv {

namespace {
// A box without an owner window belongs to the active one, so it stays in front
// of the window the user is working in.
QWidget* Dono(QWidget* pai) { return pai ? pai : QApplication::activeWindow(); }
}  // namespace

void InteracaoQt::Informa(QWidget* pai, const QString& titulo, const QString& texto) {
  QMessageBox::information(Dono(pai), titulo, texto, QMessageBox::Ok);
}

bool InteracaoQt::Pergunta(QWidget* pai, const QString& titulo, const QString& texto) {
  return QMessageBox::question(Dono(pai), titulo, texto, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

Interacao::Resposta InteracaoQt::PerguntaOuCancela(QWidget* pai, const QString& titulo,
                                                   const QString& texto) {
  switch (QMessageBox::question(Dono(pai), titulo, texto,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return Resposta::Sim;
    case QMessageBox::No:
      return Resposta::Nao;
    default:
      return Resposta::Cancela;
  }
}

QString InteracaoQt::AbreArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                                 const QString& filtro) {
  return QFileDialog::getOpenFileName(Dono(pai), titulo, inicial, filtro);
}

QString InteracaoQt::SalvaArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                                  const QString& filtro) {
  return QFileDialog::getSaveFileName(Dono(pai), titulo, inicial, filtro, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

QString InteracaoQt::EscolhePasta(QWidget* pai, const QString& titulo, const QString& inicial) {
  return QFileDialog::getExistingDirectory(Dono(pai), titulo, inicial);
}

void InteracaoQt::AbreEndereco(const QUrl& endereco) { QDesktopServices::openUrl(endereco); }

bool InteracaoQt::InternetConectada() {
  // Where the platform has no way to tell (no network-information backend,
  // or it does not know), the browser is let try: refusing would lock the
  // user out of the help on a machine that is online.
  if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) return true;
  const QNetworkInformation* informacao = QNetworkInformation::instance();
  if (!informacao) return true;
  const auto alcance = informacao->reachability();
  return alcance == QNetworkInformation::Reachability::Online ||
         alcance == QNetworkInformation::Reachability::Unknown;
}

}  // namespace quiv
