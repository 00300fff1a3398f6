// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "core/objetos/bloco.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quiv {

class SessaoSimulacao;

// The window of calculation block n: its function of M-addresses (with an
// optional selector), the optional output limits and the output read-out.
//
// A thin view of the model in the document's slot n, looked up at each use.
// Edits go into the window's own copy of the form; Atualizar hands it to the
// session, which applies it all or nothing as one edit that can be undone.
// The limit switches also reach the running block at once. The window has no close
// box in its frame: it is left through Sair, which is disabled while an edit
// waits to be applied. Closing only hides it; the block keeps running.
class JanelaBloco : public QWidget {
  Q_OBJECT

 public:
  JanelaBloco(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaBloco() override;

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
  Bloco* modelo() const;
  void CriaControles();
  void Conecta();
  // Every control from the model, without writing back or marking anything.
  void Preenche();
  void MostraIdentificacao();
  void AtualizaLeitura();
  // Any edit or switch: Atualizar enabled, Sair disabled.
  void Alterado();

  SessaoSimulacao& sessao_;
  const int n_;
  bool preenchendo_ = false;
  FormularioBloco rascunho_;  // the form as typed, until it is applied

  QFrame* painelTitulo_ = nullptr;
  QLabel* titulo_ = nullptr;
  QLineEdit* tag_ = nullptr;
  QLineEdit* descricao_ = nullptr;
  QLineEdit* funcao_ = nullptr;
  QLabel* rotuloSaida_ = nullptr;
  QLabel* leitura_ = nullptr;
  QGroupBox* grupoLimites_ = nullptr;
  QCheckBox* limiteSuperiorAtivo_ = nullptr;
  QLineEdit* limiteSuperior_ = nullptr;
  QCheckBox* limiteInferiorAtivo_ = nullptr;
  QLineEdit* limiteInferior_ = nullptr;
  QPushButton* botaoAtualizar_ = nullptr;
  QToolButton* botaoAjuda_ = nullptr;
  QToolButton* botaoSair_ = nullptr;
};

}  // namespace quiv
