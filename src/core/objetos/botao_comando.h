// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"

namespace quiv {

// Latching push button b (1 … 3) of the operator panel: writes M(96+b).
// A click on the released picture presses it (cell 1), a click on the pressed
// picture releases it (cell 0); it stays as left until clicked again. Every
// sixth scan cycle the state label shows the state-1 text when the cell is
// not 0, else the state-0 text.
class BotaoComando {
 public:
  // b: button number 1 … 3.
  BotaoComando(Simulacao& simulacao, int b);

  int Numero() const { return b_; }
  int Endereco() const { return 96 + b_; }

  void Pressiona();  // click on the released picture (Botao b _normClick)
  void Solta();      // click on the pressed picture (botao b _pressClick)
  // State label refresh; does nothing while the name label is hidden. Writes
  // the label only when its text changes.
  void AtualizaTexto();
  // Enabling or disabling: the name label follows, and while enabled the
  // picture that matches the cell shows.
  void DefineVisivel(bool visivel);

  // Texts from the configuration dialog; each may hold both languages, the
  // label shows the half of the interface language.
  TextoBilingue Nome;          // Botao b _label; "Descrição" until named
  TextoBilingue TextoEstado0;  // "Texto para M97=0" …
  TextoBilingue TextoEstado1;  // "Texto para M97=1" …
  // Controls, as the window shows them.
  bool Visivel = false;                   // the name label
  bool FiguraSoltaVisivel = false;        // Botao b _norm
  bool FiguraPressionadaVisivel = false;  // botao b _press
  std::string TextoEstado;                // botao b _texto: the state text shown

 private:
  Vinculo<Simulacao> simulacao_;
  int b_;
};

}  // namespace quiv
