#include "ui/interacao_qt.h"

#include <QApplication>
#include <QMessageBox>

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

}  // namespace quiv
