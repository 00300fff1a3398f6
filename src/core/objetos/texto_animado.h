// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/nucleo/expressao.h"
#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

// The animated text's form fields, as typed: what its window shows and edits,
// what the file stores, what an apply takes over (and undo puts back).
// ItemVariavel is the 0-based item index; −1: none.
struct FormularioTexto {
  int Tipo = 0;           // 0 "Escalar", 1 "Binário", 2 "Equação"
  int ItemVariavel = -1;  // ComboBox1
  // Both may hold both languages; the half of the interface language is
  // shown and evaluated.
  TextoBilingue FuncaoTr = "<Msg se ON>/<Msg se OFF>";
  TextoBilingue Descricao;  // DescricaoText
  std::string Unidade;
  int CasasDecimais = 2;                // 0 … 5; other values are clamped when shown
  std::string TextoFaixaMax = "100";    // Edit1: range max
  std::string TextoFaixaMin = "0";      // Edit4: range min
  std::string TextoAlarmeAlto = "100";  // Edit2: high alarm
  std::string TextoAlarmeBaixo = "0";   // Edit3: low alarm

  bool operator==(const FormularioTexto&) const = default;
};

// Animated text n (1 … 20), identity 100 + n: a live value or a state message
// placed on the main window's picture. It writes no M-address and is not a
// step of the scan cycle: the display refresh calls Atualiza every sixth cycle.
//
// TextoExibido (the text shown, Label1) and its colour, with min, max the
// applied range and d = CasasDecimais; "number text of v" is v with d decimals (half away from
// zero on 15 significant digits), one blank and Unidade:
//
//   Tipo 2 "Equação":  v = min + (max − min)·e/100, e = value of FuncaoTr (live)
//                      TextoExibido = number text of v
//   Tipo 1 "Binário", variable item 1 … 100:
//                      x = cell; FuncaoTr split at its first "/" into A/B
//                      (no "/": A empty, B the whole text)
//                      x = 0: TextoExibido = A, red
//                      x ≠ 0: TextoExibido = B, blue
//   otherwise (Tipo 0, or Tipo 1 on item 101 … 124):
//                      v = min + (max − min)·x/100, x = cell of the variable
//                      AlarmeBaixo = LIE, AlarmeAlto = LSE of the variable,
//                      evaluated as expressions at every refresh
//                      TextoExibido = number text of v
//   colour (number texts): red when v > AlarmeAlto or not v ≥ AlarmeBaixo
//                          (so a NaN is red), else blue.
//
// Items 100 … 124 have cells but no descriptor: they are read from their
// cell (process block n's actuator position in 100 + n; 100 stays 0) and scaled
// with the start descriptor: unit "%", 0 … 100, limits 0 … 100. With no
// variable selected (Tipo 0 or 1) there is nothing to show: TextoExibido is
// empty and blue.
class TextoAnimado : public ObjetoCiclo, public FormularioTexto {
 public:
  // Colours the window maps to its palette (Delphi clBlue / clRed).
  enum class Cor { Azul, Vermelho };

  // What LayoutTipo arranges: which controls the window shows per type.
  struct Layout {
    bool VariavelVisivel;            // ComboBox1: the variable list
    bool EscalaVisivel;              // Panel2: unit, decimals, range, alarms
    int AlturaEscala;                // Panel2's height, when shown
    bool LinhaAlarmeVisivel;         // the alarm row inside Panel2
    bool SomenteLeitura;             // unit, range and alarm edits read-only
    std::string_view LegendaOrigem;  // Label3: what the text is taken from
    bool FuncaoTrVisivel;
    int FuncaoTrEsquerda;  // FuncaoTr's left edge, when shown
    int AlturaJanela;
  };
  // Types other than 1 and 2 are arranged (and refreshed) as type 0.
  static Layout LayoutTipo(int tipo);
  Layout LayoutTipo() const { return LayoutTipo(Tipo); }

  // n: text number 1 … 20.
  TextoAnimado(Simulacao& simulacao, int n);

  int Numero() const { return n_; }
  int Identidade() const { return IdentidadeTexto(n_); }

  // Recomputes TextoExibido and CorTextoExibido (nothing in off-line runs).
  // An overflow in an expression propagates as Erro.
  void Atualiza();
  // The scan cycle refreshes the texts every sixth cycle through this.
  void Calcula() override { Atualiza(); }
  std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const override {
    return CopiaObjeto(*this, destino, n_);
  }
  void AssumeEstado(const ObjetoCiclo& origem) override { AssumeEstadoObjeto(*this, origem); }

  // Takes the window's values over (see the .cpp for the steps). Returns
  // whether every check passed: both range fields are numbers with
  // max ≥ min; types 0 and 1 have a variable; type 2's expression evaluates.
  // No check shows a message, so MostraMensagens changes nothing; on success
  // the window sets its title and asks the main window to redraw its layout.
  bool AtualizaParametros(bool MostraMensagens);

  // The text's record in the simulation file: the header
  // "=====<<<TEXTO ANIMADO:NNN>>>=====" (NNN the identity) and 8 value lines
  // "{T/KK} " + label + value: description and function (bilingual when
  // read), decimals (lenient integer), unit, range max and min, type and
  // variable item (strict integers: a malformed one throws Erro). The alarm
  // texts are not stored: as the range edits are filled they follow them
  // (AlarmeAltoSegueFaixa, AlarmeBaixoSegueFaixa). Reading applies nothing.
  void SalvaParametros(smp::Escritor& e) const;
  void LeParametros(smp::Leitor& l);

  // Handlers whose effect is on the form fields. The window marks the
  // simulation modified after each of them.
  // A variable chosen (ComboBox1Change): fills the scale and alarm edits
  // from it.
  void PreencheEscala();
  // Range max typed (Edit1Change): the high alarm follows it.
  void AlarmeAltoSegueFaixa() { TextoAlarmeAlto = TextoFaixaMax; }
  // Range min typed (Edit4Change): the low alarm follows it.
  void AlarmeBaixoSegueFaixa() { TextoAlarmeBaixo = TextoFaixaMin; }

  // Variable list items: "01   description" … "124   description".
  static std::vector<std::string> ListaVariaveis(const Memoria& memoria);

  // Applied (held) parameters. The alarms are also rewritten by Atualiza.
  double FaixaMax = 100.0;
  double FaixaMin = 0.0;
  double AlarmeAlto = 100.0;
  double AlarmeBaixo = 0.0;

  // Read-outs.
  std::string TextoExibido;         // Label1
  Cor CorTextoExibido = Cor::Azul;  // Label1's colour
  std::string Titulo;               // Label4: Descricao at the last successful apply

  // The variable's item number (1 … 124), or 0 when none is selected.
  int Variavel() const;

  static constexpr double kAlarmeEquacao = 999999.0;

 private:
  // The descriptor of an item; the start descriptor for items beyond M99.
  const Descritor& DescritorDe(int item) const;
  void EscreveNumero(double v);
  double Limite(Expressao& expressao, const std::string& texto);

  Vinculo<Simulacao> simulacao_;
  int n_;
  Expressao funcao_;
  Expressao lie_;
  Expressao lse_;
};

}  // namespace quiv
