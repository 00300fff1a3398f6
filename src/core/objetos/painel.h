// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "core/nucleo/simulacao.h"
#include "core/objetos/botao_comando.h"
#include "core/objetos/chave.h"
#include "core/objetos/entrada_dados.h"
#include "core/objetos/forma_animada.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

// The operator panel on the main window: six data entries (M15 … M20), two
// switches (M11, M12), three latching push buttons (M97 … M99) in the group
// PainelComando, and five animated shapes. The linearizer (M13) is the
// plant's own stepped object, Simulacao::linearizador. Controls are reached
// by their number (from 1).
class Painel {
 public:
  static constexpr int kEntradas = 6;
  static constexpr int kChaves = 2;
  static constexpr int kBotoes = 3;
  static constexpr int kFormas = 5;

  explicit Painel(Simulacao& simulacao);

  // Every sixth scan cycle: the push buttons' state texts and the visible
  // shapes. An Erro of a shape (its variable names no cell) propagates after
  // the buttons are refreshed.
  void AtualizaDisplays();
  // Height of PainelComando for 1, 2 or 3 enabled buttons (70, 120, 170);
  // 0 for none.
  static int AlturaPainelComando(int botoesHabilitados);
  // The first button disabled: all three buttons and the group hide, and
  // M97 … M99 become 0.
  void DesabilitaBotoes();
  // A push button's enable box (Botao b _check). Enabling shows button b;
  // disabling hides it and the buttons after it and puts their cells to 0.
  // The group shows while the first button is enabled, 70, 120 or 170
  // pixels high for the buttons enabled one after the other from the first.
  void HabilitaBotao(int b, bool habilitado);
  // The group's visibility and height from the enabled buttons (the layout
  // refresh, and the end of HabilitaBotao).
  void AjustaPainelComando();

  bool PainelComandoVisivel = false;
  int PainelComandoAltura = 0;
  int PainelComandoTopo = 120;
  int PainelComandoEsquerda = 24;

  // The panel's blocks of the simulation file, one writer and one reader per
  // block. Each reader reads exactly the lines its writer wrote and stops the
  // load with Erro on a malformed strict integer or colour; what it read up to
  // there stays in place.
  //
  // Data entries: "<<Tracks>>" and six groups of six lines (included, name,
  // Top, Left strict, value scientific, slider shown). LeEntradas reads the
  // 36 group lines only: the file reader has already taken the header line,
  // which tells whether the block is there at all.
  void SalvaEntradas(smp::Escritor& e) const;
  void LeEntradas(smp::Leitor& l);
  // Shapes 1 … 5, nine lines each: home top, left, shown, kind, variable item
  // index, height and width settings, the two colours.
  void SalvaFormas(smp::Escritor& e) const;
  void LeFormas(smp::Leitor& l);
  // Switches 1, 2, five lines each: top, left, included, orientation, cell.
  void SalvaChaves(smp::Escritor& e) const;
  void LeChaves(smp::Leitor& l);
  // PainelComando: top, then left.
  void SalvaPainelComando(smp::Escritor& e) const;
  void LePainelComando(smp::Leitor& l);
  // Push buttons 1 … 3, five lines each: included, state-0 text, state-1
  // text, name, cell.
  void SalvaBotoes(smp::Escritor& e) const;
  void LeBotoes(smp::Leitor& l);

  EntradaDados& Entrada(int n) { return entradas_.at(static_cast<std::size_t>(n - 1)); }
  const EntradaDados& Entrada(int n) const { return entradas_.at(static_cast<std::size_t>(n - 1)); }
  Chave& Chaves(int s) { return chaves_.at(static_cast<std::size_t>(s - 1)); }
  const Chave& Chaves(int s) const { return chaves_.at(static_cast<std::size_t>(s - 1)); }
  BotaoComando& Botao(int b) { return botoes_.at(static_cast<std::size_t>(b - 1)); }
  FormaAnimada& Forma(int n) { return formas_.at(static_cast<std::size_t>(n - 1)); }
  const FormaAnimada& Forma(int n) const { return formas_.at(static_cast<std::size_t>(n - 1)); }

 private:
  // The cells of the run the controls belong to.
  Memoria& memoria() const { return entradas_[0].simulacao_->memoria; }

  std::array<EntradaDados, kEntradas> entradas_;
  std::array<Chave, kChaves> chaves_;
  std::array<BotaoComando, kBotoes> botoes_;
  std::array<FormaAnimada, kFormas> formas_;
};

}  // namespace quiv
