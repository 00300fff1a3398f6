// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/copia_documento.h"

namespace quiv {

namespace {

// What the document holds besides its plant.
void CopiaArredores(Documento& destino, const Documento& origem) {
  destino.painel = origem.painel;
  destino.registradorXY = origem.registradorXY;
  destino.posicoes = origem.posicoes;
  destino.comentarios = origem.comentarios;
  destino.Titulo = origem.Titulo;
  destino.FiguraFundo = origem.FiguraFundo;
}

}  // namespace

std::unique_ptr<Documento> CopiaDocumento(const Documento& original) {
  auto copia = std::make_unique<Documento>();
  copia->simulacao.CopiaDe(original.simulacao);
  CopiaArredores(*copia, original);
  return copia;
}

std::shared_ptr<Simulacao> CopiaSimulacao(const Documento& original) {
  std::shared_ptr<Documento> copia = CopiaDocumento(original);
  return {copia, &copia->simulacao};
}

void RestauraDocumento(Documento& destino, const Documento& instantaneo) {
  destino.simulacao.AssumeEstado(instantaneo.simulacao);  // throws before changing anything
  CopiaArredores(destino, instantaneo);
}

}  // namespace quiv
