// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/item_tela.h"

#include <gtest/gtest.h>

#include "core/arquivo/documento.h"

namespace quiv {
namespace {

// Each kind of item is put down where it is asked and read back from there;
// a shape's rectangle stands on its home top as its cell makes it stand.
TEST(ItemTelaTest, EachKindMovesAndReadsBack) {
  using T = ItemTela::Tipo;
  const ItemTela itens[] = {
      {T::Objeto, TipoObjeto::Controlador, 10}, {T::Objeto, TipoObjeto::Processo, 24},
      {T::Objeto, TipoObjeto::Bloco, 1},        {T::Objeto, TipoObjeto::Registrador, 3},
      {T::Objeto, TipoObjeto::Texto, 20},       {T::Forma, TipoObjeto::Controlador, 5},
      {T::Chave, TipoObjeto::Controlador, 2},   {T::PainelComando, TipoObjeto::Controlador, 0},
      {T::Entrada, TipoObjeto::Controlador, 6},
  };
  for (const ItemTela& item : itens) {
    Documento d;
    const Lugar antes = LugarDoItem(d, item);
    ColocaItem(d, item, {317, 211});
    EXPECT_EQ(LugarDoItem(d, item), (Lugar{317, 211})) << static_cast<int>(item.tipo) << item.n;
    ColocaItem(d, item, antes);
    EXPECT_EQ(LugarDoItem(d, item), antes);
  }
  Documento d;
  FormaAnimada& forma = d.painel.Forma(2);
  forma.TipoForma = FormaAnimada::kRetangulo;
  forma.Prepara();
  d.simulacao.memoria.celula[1] = 40.0;
  ColocaItem(d, {T::Forma, TipoObjeto::Controlador, 2}, {100, 200});
  EXPECT_EQ(forma.TopoForma, 200);
  EXPECT_GT(forma.Topo, 200);
}

TEST(ItemTelaTest, NothingCarriedChangesNothing) {
  Documento d;
  ColocaItem(d, {}, {5, 5});
  EXPECT_EQ(LugarDoItem(d, {}), Lugar{});
}

}  // namespace
}  // namespace quiv
