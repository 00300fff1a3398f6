// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/item_tela.h"

#include "core/arquivo/documento.h"

namespace quiv {

Lugar LugarDoItem(const Documento& doc, const ItemTela& item) {
  const Painel& painel = doc.painel;
  switch (item.tipo) {
    case ItemTela::Tipo::Nenhum:
      break;
    case ItemTela::Tipo::Objeto: {
      const Posicao& p = doc.posicoes.De(item.objeto, item.n);
      return {p.Esquerda, p.Topo};
    }
    case ItemTela::Tipo::Forma:
      return {painel.Forma(item.n).Esquerda, painel.Forma(item.n).TopoForma};
    case ItemTela::Tipo::Chave:
      return {painel.Chaves(item.n).Esquerda, painel.Chaves(item.n).Topo};
    case ItemTela::Tipo::PainelComando:
      return {painel.PainelComandoEsquerda, painel.PainelComandoTopo};
    case ItemTela::Tipo::Entrada:
      return {painel.Entrada(item.n).Esquerda, painel.Entrada(item.n).Topo};
  }
  return {};
}

void ColocaItem(Documento& doc, const ItemTela& item, Lugar lugar) {
  Painel& painel = doc.painel;
  switch (item.tipo) {
    case ItemTela::Tipo::Nenhum:
      return;
    case ItemTela::Tipo::Objeto: {
      Posicao& p = doc.posicoes.De(item.objeto, item.n);
      p.Esquerda = lugar.x;
      p.Topo = lugar.y;
      return;
    }
    case ItemTela::Tipo::Forma:
      painel.Forma(item.n).Coloca(lugar.x, lugar.y);
      return;
    case ItemTela::Tipo::Chave:
      painel.Chaves(item.n).Esquerda = lugar.x;
      painel.Chaves(item.n).Topo = lugar.y;
      return;
    case ItemTela::Tipo::PainelComando:
      painel.PainelComandoEsquerda = lugar.x;
      painel.PainelComandoTopo = lugar.y;
      return;
    case ItemTela::Tipo::Entrada:
      painel.Entrada(item.n).Esquerda = lugar.x;
      painel.Entrada(item.n).Topo = lugar.y;
      return;
  }
}

}  // namespace quiv
