// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/objetos/bloco.h"
#include "ui/objetos/janela_descrita.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace quiv {

// The window of calculation block n: its function of M-addresses (with an
// optional selector), the optional output limits and the output read-out.
//
// A thin view of the model in the document's slot n, looked up at each use.
// Edits go into the window's own copy of the form; Atualizar hands it to the
// session, which applies it all or nothing as one edit that can be undone.
// The limit switches also reach the running block at once. The window has no close
// box in its frame: it is left through Sair, which is disabled while an edit
// waits to be applied. Closing only hides it; the block keeps running.
class JanelaBloco : public JanelaDescrita<Bloco> {
  Q_OBJECT

 public:
  JanelaBloco(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaBloco() override;

  // Sair drops an edit that waits: the window opens again with the block's
  // form.
  void Sai() override;

 private:
  void CriaControles();
  void Conecta();
  void Preenche() override;
  void MostraIdentificacao();
  void AtualizaLeitura();

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
};

}  // namespace quiv
