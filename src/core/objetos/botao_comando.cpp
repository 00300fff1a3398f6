#include "core/objetos/botao_comando.h"

namespace quiv {

BotaoComando::BotaoComando(Simulacao& simulacao, int b)
    : TextoEstado0("Texto para M" + std::to_string(96 + b) + "=0"),
      TextoEstado1("Texto para M" + std::to_string(96 + b) + "=1"),
      simulacao_(simulacao),
      b_(b) {}

void BotaoComando::NormClick() {
  simulacao_.memoria.celula[Endereco()] = 1.0;
  NormVisivel = false;
  PressVisivel = true;
}

void BotaoComando::PressClick() {
  simulacao_.memoria.celula[Endereco()] = 0.0;
  NormVisivel = true;
  PressVisivel = false;
}

void BotaoComando::AtualizaTexto() {
  if (!Visivel) return;
  const std::string& novo =
      simulacao_.memoria.celula[Endereco()] != 0.0 ? TextoEstado1 : TextoEstado0;
  if (Texto != novo) Texto = novo;
}

void BotaoComando::DefineVisivel(bool visivel) {
  Visivel = visivel;
  const bool pressionado = simulacao_.memoria.celula[Endereco()] != 0.0;
  NormVisivel = visivel && !pressionado;
  PressVisivel = visivel && pressionado;
}

}  // namespace quiv
