#include "core/objetos/registrador_xy.h"

#include "core/objetos/controlador.h"
#include "core/nucleo/memoria.h"

namespace quiv {

namespace {

// The item index if the list holds it, otherwise no selection.
int ItemDaLista(int item, bool listaCompleta) {
  const int itens = listaCompleta ? Memoria::kItens : 1;
  return item >= 0 && item < itens ? item : -1;
}

}  // namespace

void RegistradorXY::CompletaListaX() {
  ListaXCompleta = true;
  ItemX = 0;
  Predefinicao = 0;
}

void RegistradorXY::CompletaListaY() {
  ListaYCompleta = true;
  ItemY = 0;
  Predefinicao = 0;
}

void RegistradorXY::AplicaPredefinicao(int item, const Simulacao& simulacao) {
  if (item < 0 || item > 2 * kMalhas) return;
  Predefinicao = item;
  if (item == 0) return;
  const int k = (item + 1) / 2;
  const Controlador* c = ControladorDaMalha(simulacao, k);
  if (!c) return;
  ItemX = ItemDaLista(k - 1, ListaXCompleta);
  const int y = item % 2 == 1 ? c->ItemPV : 99 + k;
  ItemY = ItemDaLista(y, ListaYCompleta);
}

int RegistradorXY::SegundosJanela() const {
  const bool valido = ItemJanela >= 0 && ItemJanela < static_cast<int>(kSegundosJanela.size());
  return kSegundosJanela[static_cast<std::size_t>(valido ? ItemJanela : 0)];
}
}  // namespace quiv
