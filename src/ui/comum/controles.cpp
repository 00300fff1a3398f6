// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/controles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quiv {

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, const QColor& cor) {
  auto* l = new QLabel(texto, pai);
  l->setObjectName(QLatin1String(nome));
  Colore(l, cor);
  return l;
}

QLineEdit* Edicao(QWidget* pai, const char* nome, const QString& dica) {
  auto* e = new QLineEdit(pai);
  e->setObjectName(QLatin1String(nome));
  if (!dica.isEmpty()) e->setToolTip(dica);
  return e;
}

QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto, const QString& dica) {
  auto* b = new QPushButton(texto, pai);
  b->setObjectName(QLatin1String(nome));
  if (!dica.isEmpty()) b->setToolTip(dica);
  b->setAutoDefault(false);
  return b;
}

QCheckBox* Caixa(QWidget* pai, const char* nome, const QString& texto, const QString& dica) {
  auto* c = new QCheckBox(texto, pai);
  c->setObjectName(QLatin1String(nome));
  if (!dica.isEmpty()) c->setToolTip(dica);
  return c;
}

QLabel* TituloObjeto(QWidget* pai, const char* nome) {
  QLabel* l = Rotulo(pai, nome, {}, QColor(0, 0, 128));
  QFont negrito = l->font();
  negrito.setBold(true);
  l->setFont(negrito);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

void Colore(QWidget* controle, const QColor& cor) {
  if (!cor.isValid()) return;
  QPalette p = controle->palette();
  p.setColor(QPalette::WindowText, cor);
  controle->setPalette(p);
}

void DefineTexto(QLabel* rotulo, const QString& texto) {
  if (rotulo->text() != texto) rotulo->setText(texto);
}

}  // namespace quiv
