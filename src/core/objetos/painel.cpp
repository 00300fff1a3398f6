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

}  // namespace quiv
