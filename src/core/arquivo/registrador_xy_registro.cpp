// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/objetos/registrador_xy.h"

namespace quiv {

void RegistradorXY::SalvaParametros(smp::Escritor& e) const {
  e.Linha("=====<<<REGISTRADOR XY>>>=====");
  for (int kk = 1; kk <= kLinhasRegistro; ++kk) e.Linha(smp::PrefixoValor("X", kk));
}

void RegistradorXY::LeParametros(smp::Leitor& l) {
  for (int i = 0; i <= kLinhasRegistro; ++i) l.Linha();
}

}  // namespace quiv
