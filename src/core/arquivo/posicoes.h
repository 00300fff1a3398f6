// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/simulacao.h"

namespace quiv {

// Object kinds that have a place on the main window, in the order their
// position groups follow one another in the simulation file.
enum class TipoObjeto { Controlador, Processo, Registrador, Bloco, Texto };

// Where an object sits on the main window. Controllers, processes, recorders
// and calculation blocks are buttons with a caption; animated texts are a
// label (their title label sits at the same left, 13 pixels higher).
struct Posicao {
  // The button's caption (not used by animated texts): the object's tag,
  // both languages kept; the button shows the half of the interface language.
  TextoBilingue Legenda;
  int Topo = 0;
  int Esquerda = 0;
  // Shown on the main window: the object's inclusion check box of the
  // configuration dialog, from which the window shows or hides the button.
  bool Exibido = false;

  static constexpr int kAlturaTitulo = 13;
  // Top of an animated text's title label.
  int TopoTitulo() const { return Topo - kAlturaTitulo; }
};

// The positions block of the simulation file:
//   "=====<<<COORDENADAS>>>====="
//   then one group per included object: controllers 1 … 10, processes 1 … 24,
//   trend recorders 1 … 10, calculation blocks 1 … 24, animated texts 1 … 20.
//     controller:                    caption, Top,  Left, shown ("True"/"False")
//     process, recorder, calc block: caption, Left, Top,  shown
//     animated text:                 Top,  Left, shown
// Integers are read leniently (leading digits, else 0); captions as text. The
// captions read are replaced by the tags at the end of a load
// (Documento::AtualizaLegendas).
class Posicoes {
 public:
  static constexpr std::string_view kCabecalho = "=====<<<COORDENADAS>>>=====";

  // Number of instances of a kind: 10, 24, 10, 24, 20.
  static constexpr int Quantidade(TipoObjeto tipo) {
    switch (tipo) {
      case TipoObjeto::Controlador:
        return Simulacao::kControladores;
      case TipoObjeto::Registrador:
        return Simulacao::kRegistradores;
      case TipoObjeto::Processo:
        return Simulacao::kProcessos;
      case TipoObjeto::Bloco:
        return Simulacao::kBlocos;
      case TipoObjeto::Texto:
        return Simulacao::kTextos;
    }
    return 0;
  }
  // Lines of one group: 4, or 3 for animated texts.
  static int LinhasGrupo(TipoObjeto tipo);

  // Position of instance `n` (1 … Quantidade(tipo)). Out of range throws Erro.
  Posicao& De(TipoObjeto tipo, int n);
  const Posicao& De(TipoObjeto tipo, int n) const;

  // Which objects exist (their inclusion lines of the object blocks): only
  // these have a group in the file.
  using Incluido = std::function<bool(TipoObjeto tipo, int n)>;

  // The header and the groups of the included objects.
  void SalvaParametros(smp::Escritor& e, const Incluido& incluido) const;
  // The caller skips the header; this reads the groups of the included
  // objects. Lines missing at the end read as empty (caption empty, 0, not
  // shown).
  void LeParametros(smp::Leitor& l, const Incluido& incluido);

 private:
  std::array<Posicao, Simulacao::kControladores> controladores_{};
  std::array<Posicao, Simulacao::kProcessos> processos_{};
  std::array<Posicao, Simulacao::kRegistradores> registradores_{};
  std::array<Posicao, Simulacao::kBlocos> blocos_{};
  std::array<Posicao, Simulacao::kTextos> textos_{};
};

}  // namespace quiv
