// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/botao_comando.h"

namespace quiv {

BotaoComando::BotaoComando(Simulacao& simulacao, int b)
    : Nome("Descrição"),
      TextoEstado0("Texto para M" + std::to_string(96 + b) + "=0"),
      TextoEstado1("Texto para M" + std::to_string(96 + b) + "=1"),
      simulacao_(simulacao),
      b_(b) {}

void BotaoComando::Pressiona() {
  simulacao_->memoria.celula[Endereco()] = 1.0;
  FiguraSoltaVisivel = false;
  FiguraPressionadaVisivel = true;
}

void BotaoComando::Solta() {
  simulacao_->memoria.celula[Endereco()] = 0.0;
  FiguraSoltaVisivel = true;
  FiguraPressionadaVisivel = false;
}

void BotaoComando::AtualizaTexto() {
  if (!Visivel) return;
  const TextoBilingue& texto =
      simulacao_->memoria.celula[Endereco()] != 0.0 ? TextoEstado1 : TextoEstado0;
  const std::string_view novo = texto.Em(simulacao_->IdiomaIngles);
  if (TextoEstado != novo) TextoEstado = novo;
}

void BotaoComando::DefineVisivel(bool visivel) {
  Visivel = visivel;
  const bool pressionado = simulacao_->memoria.celula[Endereco()] != 0.0;
  FiguraSoltaVisivel = visivel && !pressionado;
  FiguraPressionadaVisivel = visivel && pressionado;
}

}  // namespace quiv
