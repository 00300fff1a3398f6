// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quiv {

class Gerador;
class SessaoSimulacao;

// The signal generator's window: one row per channel M81 … M96 (type, range,
// description or parameter, value, arrows or the 0/1 choice), arranged for
// the row's type. A key in an edit enables "Atualiza"; Enter applies; the
// arrows and the 0/1 choice apply at once; closing the window applies.
class TParmForm : public QWidget {
  Q_OBJECT

 public:
  explicit TParmForm(SessaoSimulacao& sessao, QWidget* pai = nullptr);

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
  void PreencheLinha(int endereco);
  void Arranja(int endereco);
  void Aplica();
  void Button1Click();
  void AtualizaValores();
  Linha& LinhaDe(int endereco) { return linhas_[static_cast<std::size_t>(endereco - 81)]; }

  SessaoSimulacao& sessao_;
  std::array<Linha, 16> linhas_{};
  QPushButton* Button1_ = nullptr;
  bool preenchendo_ = false;
};

}  // namespace quiv
