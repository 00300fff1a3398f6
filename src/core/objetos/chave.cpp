#include "core/objetos/chave.h"

namespace quiv {

Chave::Chave(Simulacao& simulacao, int s) : simulacao_(simulacao), s_(s) {}

void Chave::Click() {
  double& m = simulacao_.memoria.celula[Endereco()];
  m = 1.0 - m;
  if (!TipoValido(ChaveTipo)) return;
  bool& desligada = Figura[FiguraDesligada(ChaveTipo)];
  bool& ligada = Figura[FiguraLigada(ChaveTipo)];
  desligada = !desligada;
  ligada = !ligada;
}

void Chave::DefineVisivel(bool visivel) {
  Visivel = visivel;
  MostraFiguras();
}

void Chave::DefineTipo(int tipo) {
  ChaveTipo = tipo;
  MostraFiguras();
}

void Chave::MostraFiguras() {
  Figura.fill(false);
  if (!Visivel || !TipoValido(ChaveTipo)) return;
  const bool ligada = simulacao_.memoria.celula[Endereco()] != 0.0;
  Figura[ligada ? FiguraLigada(ChaveTipo) : FiguraDesligada(ChaveTipo)] = true;
}

}  // namespace quiv
