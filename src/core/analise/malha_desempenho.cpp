// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/malha_desempenho.h"

#include "core/nucleo/numero_texto.h"
#include "core/nucleo/simulacao.h"
#include "core/objetos/controlador.h"

namespace quiv {

EscalaPV EscalaDoEndereco(const Memoria& memoria, int endereco) {
  EscalaPV escala;
  if (endereco < 1 || endereco > Memoria::kEnderecos) return escala;
  const Descritor& d = memoria.descritor[static_cast<std::size_t>(endereco)];
  if (const auto v = LeNumero(d.UEMin)) escala.inferior = *v;
  if (const auto v = LeNumero(d.UEMax)) escala.superior = *v;
  escala.unidade = d.UnidadeEng;
  return escala;
}

int EnderecoPVDaMalha(const Simulacao& simulacao, int k) {
  const Controlador* c = ControladorDaMalha(simulacao, k);
  if (!c || c->ItemPV < 0 || c->ItemPV >= Memoria::kItens) return 0;
  return c->EnderecoPV;  // what the controller measures, even if a later choice was refused
}

MalhasDesempenho MalhasParticipantes(const Simulacao& simulacao, int ultimoEndereco,
                                     std::size_t pontos) {
  MalhasDesempenho malhas;
  for (int k = 1; k <= kMalhas; ++k) {
    const int p = EnderecoPVDaMalha(simulacao, k);
    if (p < 1 || p > ultimoEndereco) continue;
    MalhaDesempenho& malha = malhas[static_cast<std::size_t>(k)];
    malha.participa = true;
    malha.enderecoPV = p;
    malha.escala = EscalaDoEndereco(simulacao.memoria, p);
    for (auto* s : {&malha.series.PV, &malha.series.SP, &malha.series.MV}) s->reserve(pontos);
  }
  return malhas;
}

}  // namespace quiv
