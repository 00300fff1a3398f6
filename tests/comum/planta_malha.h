// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"
#include "core/objetos/processo.h"

namespace quiv::teste {

// Loop k of a small plant: process k (gain 1.5, lag 20 s) fed by M(k), and
// controller k measuring its output M(20+k), in automatic at set point `sp`.
inline Controlador& IncluiMalha(Documento& doc, int k, double sp = 50.0) {
  Processo& p = doc.NovoProcesso(k);
  p.Tag = "P" + std::to_string(k);
  p.ItemEntrada = k - 1;
  p.Ganho = "1.5";
  p.Tal1 = "20";
  p.AtualizaParametros(false);
  Controlador& c = doc.NovoControlador(k);
  c.Tag = "TIC" + std::to_string(k);
  c.ItemPV = 20 + k - 1;
  c.TextoKp = "1.2";
  c.TextoTi = "25";
  c.AtualizaParametros(false);
  c.SP = sp;
  if (!c.ModoAuto) c.AlternaAutoManual();
  return c;
}

}  // namespace quiv::teste
