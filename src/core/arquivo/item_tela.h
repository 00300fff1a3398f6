// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/arquivo/posicoes.h"

namespace quiv {

class Documento;

// Something the move mode of the main window can carry: an object's button
// or animated text, an animated shape, a switch, the push-button group or a
// data entry.
struct ItemTela {
  enum class Tipo { Nenhum, Objeto, Forma, Chave, PainelComando, Entrada };
  Tipo tipo = Tipo::Nenhum;
  TipoObjeto objeto = TipoObjeto::Controlador;  // for Tipo::Objeto
  int n = 0;                                    // the object's, shape's, switch's or entry's number

  bool operator==(const ItemTela&) const = default;
};

// A place on the picture: the item's top-left corner, in pixels.
struct Lugar {
  int x = 0;
  int y = 0;
  bool operator==(const Lugar&) const = default;
};

// Where the item stands (a shape: its home top, not where its cell puts a
// rectangle).
Lugar LugarDoItem(const Documento& doc, const ItemTela& item);
// Puts the item down there, as each kind is put down (a shape through
// FormaAnimada::Coloca). Nenhum does nothing.
void ColocaItem(Documento& doc, const ItemTela& item, Lugar lugar);

}  // namespace quiv
