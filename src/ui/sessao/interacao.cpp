// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/interacao.h"

#include "ui/sessao/interacao_qt.h"

namespace quiv {

namespace {
Interacao* instalada = nullptr;
}  // namespace

Interacao& Interacao::Atual() {
  static InteracaoQt qt;
  return instalada ? *instalada : qt;
}

Interacao* Interacao::Instala(Interacao* interacao) {
  Interacao* const anterior = instalada;
  instalada = interacao;
  return anterior;
}

}  // namespace quiv
