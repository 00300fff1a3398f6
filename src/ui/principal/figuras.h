// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace quiv {

// The small pictures of the main window, drawn in code so they scale with the
// screen and need no files: switch levers, push buttons, the save indicator.
namespace figuras {

constexpr int kLadoChave = 40;
constexpr int kLadoBotao = 41;

// A lever switch for orientation t (0 left, 1 up, 2 right, 3 down): off, the
// lever leans back from t; on, it points towards t and glows green.
QPixmap Chave(int orientacao, bool ligada);
// A latching push button, released (raised red cap) or pressed (sunk, lit).
QPixmap Botao(bool pressionado);
// The save indicator: 0 saved (a green tick), 1 unsaved changes (an orange
// disk with a star).
QIcon Salvo(bool salvo);
// The program's icon.
QIcon Programa();

}  // namespace figuras

}  // namespace quiv
