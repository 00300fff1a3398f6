// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/copia_documento.h"

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/linhas_smp.h"

namespace quiv {

std::unique_ptr<Documento> CopiaDocumento(const Documento& original) {
  smp::Escritor escritor;
  EscreveSimulacao(original, escritor);
  auto copia = std::make_unique<Documento>();
  copia->simulacao.IdiomaIngles = original.simulacao.IdiomaIngles;
  // The lines stay in UTF-8: no trip through Windows-1252 to lose a character.
  smp::Leitor leitor(escritor.Linhas());
  LeSimulacao(*copia, leitor, original.Titulo.Em(original.simulacao.IdiomaIngles));
  // The file keeps no cell values: without them the first step would read
  // every input as 0 and kick the whole plant.
  copia->simulacao.memoria.celula = original.simulacao.memoria.celula;
  return copia;
}

std::shared_ptr<Simulacao> CopiaSimulacao(const Documento& original) {
  std::shared_ptr<Documento> copia = CopiaDocumento(original);
  return {copia, &copia->simulacao};
}

}  // namespace quiv
