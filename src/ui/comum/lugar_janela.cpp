// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/lugar_janela.h"

#include <algorithm>

namespace quiv {

QPoint LugarAoLado(const QRect& ancora, const QSize& tamanho, const QRect& area) {
  constexpr int kFolga = 8;
  int x = ancora.right() + 1 + kFolga;
  if (x + tamanho.width() > area.right() + 1) {
    const int aEsquerda = ancora.left() - kFolga - tamanho.width();
    x = aEsquerda >= area.left() ? aEsquerda : area.right() + 1 - tamanho.width();
  }
  int y = ancora.top();
  if (y + tamanho.height() > area.bottom() + 1) y = area.bottom() + 1 - tamanho.height();
  // Too large for the screen: the top left corner stays on it, so the title
  // bar can still be taken.
  x = std::max(x, area.left());
  y = std::max(y, area.top());
  return {x, y};
}

}  // namespace quiv
