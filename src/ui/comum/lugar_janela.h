// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quiv {

// Where an object's window opens the first time: beside the control that
// opened it (`ancora`, in screen coordinates), on its right when the window
// fits there, otherwise on its left, otherwise as near as it fits, its top
// level with the control's; always wholly inside `area` (the screen's
// available area) when it fits, its title bar inside it when it does not.
// `tamanho` is the window's size with its frame.
QPoint LugarAoLado(const QRect& ancora, const QSize& tamanho, const QRect& area);

}  // namespace quiv
