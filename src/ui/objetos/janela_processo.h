// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/objetos/processo.h"
#include "ui/objetos/janela_descrita.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace quiv {

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
class JanelaProcesso : public JanelaDescrita<Processo> {
  Q_OBJECT

 public:
  JanelaProcesso(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaProcesso() override;

 private:
  void CriaControles();
  void Conecta();
  void Preenche() override;
  // The address picker rebuilt from the current descriptions, keeping the
  // selection.
  void PreencheEnderecos();
  // The group of the selected transfer-function type shown, the others hidden.
  void MostraGrupoTipo(int tipo);
  void MostraIdentificacao();
  void AtualizaLeituras();

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
};

}  // namespace quiv
