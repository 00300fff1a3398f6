// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "core/objetos/gerador.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quiv {

class SessaoSimulacao;

// The signal generator's window: one row per channel M81 … M96 (type, range,
// description or parameter, value, arrows or the 0/1 choice), arranged for
// the row's type.
//
// The type, range, description and value edits go into the window's own
// copy of the rows (a new type writes its captions there); "Atualiza",
// Enter and closing the window hand the rows to the session, which checks
// the changed ones and applies them all or nothing as one edit that can be
// undone (a failed check keeps the window open). A sine's period, read by
// every step, also reaches the running channel as it is typed, whenever it
// evaluates. The arrows and the 0/1 choice move the running channel's value
// at once: operator actions, not undone. A key in an edit enables
// "Atualiza".
class JanelaGerador : public QWidget {
  Q_OBJECT

 public:
  explicit JanelaGerador(SessaoSimulacao& sessao, QWidget* pai = nullptr);

  // Every row from the model, then shown in front.
  void Mostra();
  // Every row from the model (after a load or New replaced the generator).
  void Preenche();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  struct Linha {
    QComboBox* tipo = nullptr;
    QLineEdit* min = nullptr;  // M81 … M90 only
    QLineEdit* max = nullptr;
    QLineEdit* desc = nullptr;
    QLineEdit* valor = nullptr;
    QWidget* setas = nullptr;  // the up/down arrows
    QGroupBox* digital = nullptr;
    QButtonGroup* itensDigitais = nullptr;
  };
  Gerador& gerador() const;
  void CriaLinha(int endereco, QGridLayout* grade, int linha);
  // The row's controls from the window's copy of it.
  void PreencheLinha(int endereco);
  void Arranja(int endereco);
  // The rows to the session; whether they were accepted.
  bool Aplica();
  void AtualizaValores();
  // An operator action on channel `endereco`: the copy takes the value it
  // left in the row.
  void Opera(int endereco, const std::function<void(Gerador&)>& acao);
  // Whether the row's value edit shows the running channel's value: the type
  // takes no typed value and is the channel's own.
  bool ValorDoCanal(int endereco) const;
  Linha& LinhaDe(int endereco) { return linhas_[Indice(endereco)]; }
  FormularioCanal& RascunhoDe(int endereco) { return rascunho_[Indice(endereco)]; }
  static std::size_t Indice(int endereco) {
    return static_cast<std::size_t>(endereco - Gerador::kPrimeiro);
  }

  SessaoSimulacao& sessao_;
  std::array<Linha, Gerador::kCanais> linhas_{};
  Gerador::Formulario rascunho_{};  // the rows as typed, until they are applied
  QPushButton* botaoAtualiza_ = nullptr;
  bool preenchendo_ = false;
};

}  // namespace quiv
