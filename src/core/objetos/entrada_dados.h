// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/nucleo/numero_texto.h"
#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"

namespace quiv {

// Data entry n (1 … 6) of the operator panel: a slider and a value box that
// write M(14+n). The slider has positions P = 0 … 10000 (hundredths of a
// percent); the cell always holds P/100, a percentage with two decimals.
//
// Engineering range: lo = UEMin and hi = UEMax of the descriptor of M(14+n),
// read as plain numbers (no expressions; a comma counts as the point). A text
// that is no number counts as the default range's end: 0 for lo, 100 for hi.
//
//   slider:        box := lo + (hi − lo)·(P/100)/100, 2 decimals, width ≥ 4
//                  M(14+n) := P/100
//   typed v:       refused (box back to the slider's value) unless lo ≤ v ≤ hi
//                  pct := (v − lo)·100/(hi − lo);  M(14+n) := pct
//                  P := round(pct·100) (halves to even), then the slider step,
//                  so the cell ends on 0.01 % and the box on the slider's value
//
// lo = hi makes the typed value (which can then only be v = lo) divide by zero:
// that raises Erro instead of writing a NaN into the plant; the slider still
// works. The model holds the controls' state; the window mirrors it.
class EntradaDados {
 public:
  static constexpr char kEnter = '\r';
  static constexpr char kEsc = '\x1b';
  static constexpr int kPosicaoMaxima = 10000;
  static constexpr int kAlturaComSlider = 60;
  static constexpr int kAlturaSemSlider = 28;

  // n: entry number 1 … 6.
  EntradaDados(Simulacao& simulacao, int n);

  int Numero() const { return n_; }
  int Endereco() const { return 14 + n_; }

  double Minimo() const;  // lo
  double Maximo() const;  // hi
  // Engineering value of a percentage: lo + (hi − lo)·pct/100.
  double Engenharia(double pct) const;

  // Slider change (TrackBar n Change): takes the slider's Posicao.
  void AplicaPosicao();
  // Moves the slider (held in 0 … 10000) and runs the slider change.
  void DefinePosicao(int posicao);
  // Key in the value box (TrackText n KeyPress): kEnter takes TextoValor,
  // kEsc restores it; other keys are the box's own editing and change
  // nothing here.
  void TeclaValor(char tecla);
  // Layout refresh: the box shows the engineering value of the cell, 2
  // decimals, width ≥ 5.
  void AtualizaValor();
  // Name from the configuration dialog (Ent n Label), which may hold both
  // languages: the label, the address's description (first 255 characters)
  // and the widths that fit the name follow the half of the interface
  // language.
  void DefineNome(TextoBilingue nome);
  // Ent n check: the entry's four controls show exactly while it is included.
  void DefineIncluida(bool incluida);
  // Ent n track: with slider the background is 60 high, without it 28.
  void DefineSlider(bool comSlider);

  // Controls, as the window shows them. All hidden until the entry is enabled.
  bool Visivel = false;
  bool ComSlider = true;
  int Posicao = 0;         // TrackBar: slider position
  std::string TextoValor;  // TrackText: value box, engineering units
  TextoBilingue Nome;      // TrackLabel shows its half of the interface language
  // Hint of TrackBack and TrackLabel: the range, as the variable list's
  // refresh last wrote it ("Faixa: de 0 a 100 %"); empty until then.
  std::string Dica;
  // Geometry in pixels. The value box's left edge is TrackBack's left plus
  // DeslocamentoTexto. Names of up to 6 characters use the sizes of a
  // 6-character name, so shortening a long name restores them.
  int LarguraFundo = 117;              // TrackBack width
  int AlturaFundo = kAlturaComSlider;  // TrackBack height
  int LarguraSlider = 105;             // TrackBar width
  int DeslocamentoTexto = 52;

 private:
  std::string TextoPosicao() const;  // the slider's value, width ≥ 4
  double Celula() const { return simulacao_->memoria.celula[Endereco()]; }
  friend class Painel;  // the panel's file blocks reach the cells through it

  Vinculo<Simulacao> simulacao_;
  int n_;

 public:
  // Ent n check of the configuration dialog (entry included).
  bool Incluida = false;  // EntCheck
  // Position of TrackBack (the other three controls follow it), pixels; the
  // start position depends on the number, so these come after n_.
  int Topo = 122 + 64 * (n_ - 1);
  int Esquerda = 844;
};

}  // namespace quiv
