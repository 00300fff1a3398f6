// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "core/objetos/processo.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quiv {

class SessaoSimulacao;

// The window of process block n: its parameters, the transfer function of the
// chosen type, the nonlinearities of the final control element and the
// read-outs of input, actuator position and output.
//
// A thin view of the model in the document's slot n, looked up at each use
// (the user can delete the block, a load can replace it). Edits go into the
// window's own copy of the form; Atualizar hands it to the session, which
// applies it all or nothing as one edit that can be undone. The live fields
// (the time constants of the overdamped and lead-lag forms, the rate limit,
// the saturator switch) also reach the running block at once whenever their
// text evaluates. Closing only hides the window; the block keeps running.
class JanelaProcesso : public QWidget {
  Q_OBJECT

 public:
  JanelaProcesso(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaProcesso() override;

  int Numero() const { return n_; }

  // Refills every control from the model (the description from the output
  // address's), then shows, raises and activates the window.
  void Mostra();

  // Atualizar: the form goes to the session's all-or-nothing apply; on
  // success the window shows the block's form again with Atualizar disabled
  // and Sair enabled.
  void btnatualizaClick();
  void SairButtonClick();
  void SpeedButton1Click();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  Processo* modelo() const;
  void CriaControles();
  void Conecta();
  // Every control from the model, without writing back or marking anything.
  void Preenche();
  // The address picker rebuilt from the current descriptions, keeping the
  // selection.
  void EntradaSelectEnter();
  // The group of the selected transfer-function type shown, the others hidden.
  void MostraGrupoTipo(int tipo);
  void MostraIdentificacao();
  void AtualizaLeituras();
  // A parameter changed: Atualizar enabled, Sair disabled until it is applied.
  void Alterado();

  SessaoSimulacao& sessao_;
  const int n_;
  bool preenchendo_ = false;
  FormularioProcesso rascunho_;  // the form as typed, until it is applied

  QFrame* Panel1_ = nullptr;
  QLabel* Label9_ = nullptr;
  QLabel* Label36_ = nullptr;
  QLabel* Label26_ = nullptr;
  QLabel* Label2_ = nullptr;
  QLabel* Label12_ = nullptr;
  QLabel* Label22_ = nullptr;

  QLineEdit* TagText_ = nullptr;
  QLineEdit* DescricaoText_ = nullptr;
  QComboBox* EntradaSelect_ = nullptr;
  QLineEdit* GanhoText_ = nullptr;
  QLineEdit* TempoMorto_ = nullptr;
  QComboBox* ComboBox2_ = nullptr;

  QGroupBox* GroupPVC_ = nullptr;
  QLineEdit* LText_ = nullptr;
  QLineEdit* Ctext_ = nullptr;
  QGroupBox* GroupOrdem2_ = nullptr;
  QLineEdit* NCText_ = nullptr;
  QLineEdit* PeriodoText_ = nullptr;
  QGroupBox* GroupLEADLAG_ = nullptr;
  QLineEdit* LEAD_ = nullptr;
  QLineEdit* LAG_ = nullptr;
  QGroupBox* GroupBox2_ = nullptr;
  QLabel* Label35_ = nullptr;
  QLineEdit* ValorInicialText_ = nullptr;

  QGroupBox* GroupBox1_ = nullptr;
  QComboBox* ComboBox1_ = nullptr;
  QLineEdit* Histerese_ = nullptr;
  QLineEdit* valveStext_ = nullptr;
  QLineEdit* tal_ = nullptr;
  QLineEdit* ratetext_ = nullptr;
  QCheckBox* CheckBox1_ = nullptr;

  QPushButton* btnatualiza_ = nullptr;
  QToolButton* SpeedButton1_ = nullptr;
  QToolButton* SairButton_ = nullptr;
};

}  // namespace quiv
