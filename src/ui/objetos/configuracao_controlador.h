// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "core/objetos/controlador.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace quiv {

class SessaoSimulacao;

// The controller window's configuration panel: every parameter bound to the
// window's draft of the controller's form, the address pickers, the scale
// read from the PV's address, the output limits, the structure, Sintonia and
// Atualizar. The fields every step reads also reach the running controller
// at once. Its texts belong to the controller window's translation context.
class ConfiguracaoControlador : public QWidget {
 public:
  // `rascunho`: the window's draft; `alterado` runs after each edit.
  ConfiguracaoControlador(SessaoSimulacao& sessao, int n, FormularioControlador& rascunho,
                          std::function<void()> alterado, QWidget* pai = nullptr);

  // Every control from the form, with the change handlers muted.
  void Preenche(const FormularioControlador& c);

  QPushButton* BotaoAtualizar() const { return botaoAtualizar_; }
  QPushButton* BotaoSintonia() const { return botaoSintonia_; }
  QLineEdit* EdicaoTag() const { return tag_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  Controlador* modelo() const;
  void Liga();
  // The PV and SPR pickers rebuilt from the current descriptions.
  void PreencheEnderecos(const FormularioControlador& c);
  void HabilitaSetpointRemoto(bool marcado);
  void Alterado() { alterado_(); }

  SessaoSimulacao& sessao_;
  const int n_;
  FormularioControlador& rascunho_;
  std::function<void()> alterado_;
  bool preenchendo_ = false;

  QLineEdit* tag_ = nullptr;
  QLineEdit* descricao_ = nullptr;
  QLineEdit* kp_ = nullptr;
  QLineEdit* ti_ = nullptr;
  QLineEdit* td_ = nullptr;
  QLineEdit* fatorA_ = nullptr;
  QLineEdit* tf_ = nullptr;
  QLineEdit* bias_ = nullptr;
  QCheckBox* acaoP_ = nullptr;
  QCheckBox* acaoI_ = nullptr;
  QCheckBox* acaoD_ = nullptr;
  QLineEdit* inicioEscala_ = nullptr;
  QLineEdit* fimEscala_ = nullptr;
  QLineEdit* unidade_ = nullptr;
  QButtonGroup* grupoAcao_ = nullptr;
  QButtonGroup* grupoEstrutura_ = nullptr;
  QButtonGroup* grupoDerivada_ = nullptr;
  QComboBox* seletorPV_ = nullptr;
  QCheckBox* habilitaSPR_ = nullptr;
  QComboBox* seletorSPR_ = nullptr;
  QCheckBox* habilitaBackMV_ = nullptr;
  QComboBox* enderecoBackMV_ = nullptr;
  QCheckBox* habilitaFF_ = nullptr;
  QLineEdit* equacaoFF_ = nullptr;
  QLineEdit* coMin_ = nullptr;
  QLineEdit* coMax_ = nullptr;
  QPushButton* botaoAtualizar_ = nullptr;
  QPushButton* botaoSintonia_ = nullptr;
};

}  // namespace quiv
