// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quiv {

// The small factories the windows build their controls with. Each control
// gets its component name as objectName, the name tests and tools find it
// by; a tip is set only when there is one.
QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, const QColor& cor = {});
QLineEdit* Edicao(QWidget* pai, const char* nome, const QString& dica = {});
// Never the dialog's default button: Enter belongs to the edits.
QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto, const QString& dica = {});
QCheckBox* Caixa(QWidget* pai, const char* nome, const QString& texto, const QString& dica = {});
// An object window's title bar: bold, navy, centred.
QLabel* TituloObjeto(QWidget* pai, const char* nome);
// The text colour of a label or check box; an invalid colour leaves it.
void Colore(QWidget* controle, const QColor& cor);

// Read-outs change their text only when it differs, so many open windows
// cost little per cycle.
void DefineTexto(QLabel* rotulo, const QString& texto);

}  // namespace quiv
