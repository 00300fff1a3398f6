// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/chave.h"

namespace quiv {

Chave::Chave(Simulacao& simulacao, int s) : simulacao_(simulacao), s_(s) {}

void Chave::Alterna() {
  double& m = simulacao_->memoria.celula[Endereco()];
  m = 1.0 - m;
  if (!OrientacaoValida(Orientacao)) return;
  bool& desligada = Figura[FiguraDesligada(Orientacao)];
  bool& ligada = Figura[FiguraLigada(Orientacao)];
  desligada = !desligada;
  ligada = !ligada;
}

void Chave::DefineVisivel(bool visivel) {
  Visivel = visivel;
  MostraFiguras();
}

void Chave::DefineOrientacao(int tipo) {
  Orientacao = tipo;
  MostraFiguras();
}

void Chave::MostraFiguras() {
  Figura.fill(false);
  if (!Visivel || !OrientacaoValida(Orientacao)) return;
  const bool ligada = simulacao_->memoria.celula[Endereco()] != 0.0;
  Figura[ligada ? FiguraLigada(Orientacao) : FiguraDesligada(Orientacao)] = true;
}

}  // namespace quiv
