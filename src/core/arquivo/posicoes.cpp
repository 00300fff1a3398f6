// SPDX-License-Identifier: GPL-3.0-or-later
// The positions block of the simulation file.

#include "core/arquivo/posicoes.h"

#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"

namespace quiv {

namespace {

constexpr TipoObjeto kOrdem[] = {TipoObjeto::Controlador, TipoObjeto::Processo,
                                 TipoObjeto::Registrador, TipoObjeto::Bloco, TipoObjeto::Texto};

}  // namespace

int Posicoes::LinhasGrupo(TipoObjeto tipo) { return tipo == TipoObjeto::Texto ? 3 : 4; }

const Posicao& Posicoes::De(TipoObjeto tipo, int n) const {
  if (n < 1 || n > Quantidade(tipo)) throw Erro("Posicao: instância fora da faixa");
  const std::size_t i = static_cast<std::size_t>(n - 1);
  switch (tipo) {
    case TipoObjeto::Controlador:
      return controladores_[i];
    case TipoObjeto::Processo:
      return processos_[i];
    case TipoObjeto::Registrador:
      return registradores_[i];
    case TipoObjeto::Bloco:
      return blocos_[i];
    case TipoObjeto::Texto:
      break;
  }
  return textos_[i];
}

Posicao& Posicoes::De(TipoObjeto tipo, int n) {
  return const_cast<Posicao&>(static_cast<const Posicoes&>(*this).De(tipo, n));
}

void Posicoes::SalvaParametros(smp::Escritor& e, const Incluido& incluido) const {
  e.Linha(kCabecalho);
  for (TipoObjeto tipo : kOrdem)
    for (int n = 1; n <= Quantidade(tipo); ++n) {
      if (!incluido(tipo, n)) continue;
      const Posicao& p = De(tipo, n);
      switch (tipo) {
        case TipoObjeto::Controlador:
          e.Linha(p.Legenda.Completo());
          e.Linha(std::to_string(p.Topo));
          e.Linha(std::to_string(p.Esquerda));
          break;
        case TipoObjeto::Texto:
          e.Linha(std::to_string(p.Topo));
          e.Linha(std::to_string(p.Esquerda));
          break;
        default:
          e.Linha(p.Legenda.Completo());
          e.Linha(std::to_string(p.Esquerda));
          e.Linha(std::to_string(p.Topo));
          break;
      }
      e.Linha(smp::FlagMista(p.Exibido));
    }
}

void Posicoes::LeParametros(smp::Leitor& l, const Incluido& incluido) {
  for (TipoObjeto tipo : kOrdem)
    for (int n = 1; n <= Quantidade(tipo); ++n) {
      if (!incluido(tipo, n)) continue;
      Posicao& p = De(tipo, n);
      switch (tipo) {
        case TipoObjeto::Controlador:
          p.Legenda = l.Linha();
          p.Topo = smp::LeInteiroTolerante(l.Linha());
          p.Esquerda = smp::LeInteiroTolerante(l.Linha());
          break;
        case TipoObjeto::Texto:
          p.Topo = smp::LeInteiroTolerante(l.Linha());
          p.Esquerda = smp::LeInteiroTolerante(l.Linha());
          break;
        default:
          p.Legenda = l.Linha();
          p.Esquerda = smp::LeInteiroTolerante(l.Linha());
          p.Topo = smp::LeInteiroTolerante(l.Linha());
          break;
      }
      p.Exibido = smp::LeFlagMista(l.Linha());
    }
}

}  // namespace quiv
