// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "core/nucleo/simulacao.h"

namespace quiv {

// Switch s (1, 2) of the operator panel: writes M(10+s), 0 off and 1 on.
// It is drawn by eight pictures on one spot, Chave s p1 … p8; orientation t
// (0 left, 1 up, 2 right, 3 down; −1 none chosen) uses the pair p(2t+1)
// (off) and p(2t+2) (on).
//
//   click:  M(10+s) := 1 − M(10+s), then both pictures of the pair swap
//           visibility; without an orientation only the cell changes.
class Chave {
 public:
  static constexpr int kFiguras = 8;

  // s: switch number 1, 2.
  Chave(Simulacao& simulacao, int s);

  int Numero() const { return s_; }
  int Endereco() const { return 10 + s_; }
  // Pictures of an orientation, or 0 when t is none of the four.
  static int FiguraDesligada(int tipo) { return OrientacaoValida(tipo) ? 2 * tipo + 1 : 0; }
  static int FiguraLigada(int tipo) { return OrientacaoValida(tipo) ? 2 * tipo + 2 : 0; }
  static bool OrientacaoValida(int tipo) { return tipo >= 0 && tipo <= 3; }

  // Click on any of the eight pictures (Chave s p8Click).
  void Alterna();
  // Enabling, disabling or a new orientation (Orientacao set first): shows,
  // while enabled, the picture of the orientation that matches the cell (on
  // when the cell is not 0) and hides the other seven.
  void DefineVisivel(bool visivel);
  void DefineOrientacao(int tipo);

  int Orientacao = 0;  // ChaveTipo: orientation item index
  bool Visivel = false;
  std::array<bool, kFiguras + 1> Figura{};  // Chave s p1 … p8 visible; index 0 unused

 private:
  void MostraFiguras();

  Vinculo<Simulacao> simulacao_;
  int s_;

 public:
  // Position shared by the eight pictures, pixels (start position by switch
  // number, so declared after s_).
  int Topo = s_ == 1 ? 40 : 96;
  int Esquerda = 1000;
};

}  // namespace quiv
