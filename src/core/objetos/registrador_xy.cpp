// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/registrador_xy.h"

#include "core/nucleo/memoria.h"
#include "core/objetos/controlador.h"
#include "core/objetos/processo.h"

namespace quiv {

namespace {

// The item index if the list holds it, otherwise no selection.
int ItemDaLista(int item, bool listaCompleta) {
  const int itens = listaCompleta ? Memoria::kItens : 1;
  return item >= 0 && item < itens ? item : -1;
}

// The item of the valve that loop k's output drives: the actuator position
// M(100 + n) of the first process block n whose input is M(k); −1 when no
// block takes that output.
int ItemDaValvula(int k, const Simulacao& simulacao) {
  for (int n = 1; n <= decltype(simulacao.processos)::kTamanho; ++n)
    if (const auto* p = dynamic_cast<const Processo*>(simulacao.processos[n]))
      if (p->Entrada == k) return 99 + n;
  return -1;
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
  const int y = item % 2 == 1 ? c->ItemPV : ItemDaValvula(k, simulacao);
  ItemY = ItemDaLista(y, ListaYCompleta);
}

int RegistradorXY::SegundosJanela() const {
  const bool valido = ItemJanela >= 0 && ItemJanela < static_cast<int>(kSegundosJanela.size());
  return kSegundosJanela[static_cast<std::size_t>(valido ? ItemJanela : 0)];
}
}  // namespace quiv
