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
  void Aplica();
  void Sai();
  void MostraAjuda();

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
  void PreencheEnderecos();
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

  QFrame* painelTitulo_ = nullptr;
  QLabel* titulo_ = nullptr;
  QLabel* leituraEntrada_ = nullptr;
  QLabel* leituraAtuador_ = nullptr;
  QLabel* rotuloAtuador_ = nullptr;
  QLabel* leituraSaida_ = nullptr;
  QLabel* rotuloSaida_ = nullptr;

  QLineEdit* tag_ = nullptr;
  QLineEdit* descricao_ = nullptr;
  QComboBox* entrada_ = nullptr;
  QLineEdit* ganho_ = nullptr;
  QLineEdit* tempoMorto_ = nullptr;
  QComboBox* tipoFuncao_ = nullptr;

  QGroupBox* grupoSobreamortecido_ = nullptr;
  QLineEdit* constanteTempo1_ = nullptr;
  QLineEdit* constanteTempo2_ = nullptr;
  QGroupBox* grupoSubamortecido_ = nullptr;
  QLineEdit* numeroCiclos_ = nullptr;
  QLineEdit* periodo_ = nullptr;
  QGroupBox* grupoLeadLag_ = nullptr;
  QLineEdit* lead_ = nullptr;
  QLineEdit* lag_ = nullptr;
  QGroupBox* grupoIntegrador_ = nullptr;
  QLabel* rotuloValorInicial_ = nullptr;
  QLineEdit* valorInicial_ = nullptr;

  QGroupBox* grupoNaoLinear_ = nullptr;
  QComboBox* curvaGanho_ = nullptr;
  QLineEdit* histerese_ = nullptr;
  QLineEdit* agarramento_ = nullptr;
  QLineEdit* constanteAtuador_ = nullptr;
  QLineEdit* limiteTaxa_ = nullptr;
  QCheckBox* saturadorDesligado_ = nullptr;

  QPushButton* botaoAtualizar_ = nullptr;
  QToolButton* botaoAjuda_ = nullptr;
  QToolButton* botaoSair_ = nullptr;
};

}  // namespace quiv
