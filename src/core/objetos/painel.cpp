// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/painel.h"

namespace quiv {

Painel::Painel(Simulacao& simulacao)
    : entradas_{EntradaDados{simulacao, 1}, EntradaDados{simulacao, 2}, EntradaDados{simulacao, 3},
                EntradaDados{simulacao, 4}, EntradaDados{simulacao, 5}, EntradaDados{simulacao, 6}},
      chaves_{Chave{simulacao, 1}, Chave{simulacao, 2}},
      botoes_{BotaoComando{simulacao, 1}, BotaoComando{simulacao, 2}, BotaoComando{simulacao, 3}},
      formas_{FormaAnimada{simulacao, 1}, FormaAnimada{simulacao, 2}, FormaAnimada{simulacao, 3},
              FormaAnimada{simulacao, 4}, FormaAnimada{simulacao, 5}} {}

void Painel::AtualizaDisplays() {
  for (BotaoComando& b : botoes_) b.AtualizaTexto();
  for (FormaAnimada& f : formas_) f.Atualiza();
}

int Painel::AlturaPainelComando(int botoesHabilitados) {
  if (botoesHabilitados < 1) return 0;
  if (botoesHabilitados > kBotoes) botoesHabilitados = kBotoes;
  return 20 + 50 * botoesHabilitados;
}

void Painel::DesabilitaBotoes() {
  for (BotaoComando& b : botoes_) {
    b.Solta();
    b.DefineVisivel(false);
  }
  PainelComandoVisivel = false;
  PainelComandoAltura = 0;
}

void Painel::HabilitaBotao(int b, bool habilitado) {
  if (habilitado) {
    Botao(b).DefineVisivel(true);
  } else if (b == 1) {
    DesabilitaBotoes();
    return;
  } else {
    for (int k = b; k <= kBotoes; ++k) {
      Botao(k).Solta();
      Botao(k).DefineVisivel(false);
    }
  }
  AjustaPainelComando();
}

void Painel::AjustaPainelComando() {
  // The buttons enable one after the other, so the group holds those enabled
  // in a row from the first.
  int seguidos = 0;
  while (seguidos < kBotoes && Botao(seguidos + 1).Visivel) ++seguidos;
  PainelComandoVisivel = seguidos > 0;
  PainelComandoAltura = AlturaPainelComando(seguidos);
}

}  // namespace quiv
