#pragma once

#include <array>

#include "core/botao_comando.h"
#include "core/chave.h"
#include "core/entrada_dados.h"
#include "core/forma_animada.h"
#include "core/simulacao.h"

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

  bool PainelComandoVisivel = false;
  int PainelComandoAltura = 0;

  EntradaDados& Entrada(int n) { return entradas_.at(static_cast<std::size_t>(n - 1)); }
  Chave& Chaves(int s) { return chaves_.at(static_cast<std::size_t>(s - 1)); }
  BotaoComando& Botao(int b) { return botoes_.at(static_cast<std::size_t>(b - 1)); }
  FormaAnimada& Forma(int n) { return formas_.at(static_cast<std::size_t>(n - 1)); }

 private:
  std::array<EntradaDados, kEntradas> entradas_;
  std::array<Chave, kChaves> chaves_;
  std::array<BotaoComando, kBotoes> botoes_;
  std::array<FormaAnimada, kFormas> formas_;
};

}  // namespace quiv
