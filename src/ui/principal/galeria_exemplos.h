// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>

namespace quiv {

// The examples gallery: one tab per subject, each with its cards in two rows
// of two: title and description at the left of a clickable picture. A click
// on a picture (or Enter on it) asks for the example's file.
class GaleriaExemplos : public QTabWidget {
  Q_OBJECT

 public:
  // `pastaInicial`: where the program started, the base of the example paths.
  // `ingles`: the cards' language.
  GaleriaExemplos(const QString& pastaInicial, bool ingles, QWidget* pai = nullptr);

 signals:
  // The example's file, as the program will open it.
  void ExemploEscolhido(const QString& arquivo);

 private:
  QWidget* CriaAba(int aba, const QString& pastaInicial, bool ingles);
};

}  // namespace quiv
