// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

#include "core/objetos/texto_animado.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace quiv {

class SessaoSimulacao;

// The window of animated text n ("TEXTO"): type, variable or expression,
// description, unit, decimals, range and alarms; arranged by type. "Sair"
// applies and hides; the window has no close button of its own.
//
// Edits go into the window's own copy of the form, which is tried on an exact
// copy of the plant at every edit: a form that passes every check reaches the
// text at once, as one edit that can be undone (the edits of one visit merge);
// one that fails stays in the window, and the text runs on with its last
// valid form. "Sair" with such a form lists its failed fields in one box and
// keeps the window open.
class JanelaTextoAnimado : public QWidget {
  Q_OBJECT

 public:
  JanelaTextoAnimado(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);

  int Numero() const { return n_; }
  // Every control from the model, then shown in front.
  void Mostra();
  // The window's form and every control from the model.
  void Preenche();

 private:
  TextoAnimado* modelo() const;
  // Every control from the window's form.
  void MostraRascunho();
  void LayoutTipo();
  void AtualizaResultado();
  void Sai();
  void PreencheVariaveis();
  // The window's form changed (and then `edita` run on it, as the text's
  // handler, on a copy of the text): tried on a copy of the plant, applied
  // when it passes and changes the text. Returns the texts of the failed
  // checks.
  QStringList Edita(const std::function<void(TextoAnimado&)>& edita = {});
  // "Texto Animado 2 (Nível): Equação inválida", named by the form's
  // description.
  QString TextoFalha(TextoAnimado::Checagem checagem) const;
  QString NomeTexto() const;

  SessaoSimulacao& sessao_;
  int n_;
  int visita_;  // the edits of one visit merge
  bool preenchendo_ = false;
  FormularioTexto rascunho_;  // the form as typed
  QButtonGroup* tipos_ = nullptr;
  QLabel* legendaOrigem_ = nullptr;
  QComboBox* variavel_ = nullptr;
  QLineEdit* funcaoTr_ = nullptr;
  QLineEdit* descricao_ = nullptr;
  QGroupBox* grupoEscala_ = nullptr;
  QLineEdit* unidade_ = nullptr;
  QSpinBox* casasDecimais_ = nullptr;
  QLineEdit* faixaMax_ = nullptr;
  QLineEdit* faixaMin_ = nullptr;
  QLineEdit* alarmeAlto_ = nullptr;
  QLineEdit* alarmeBaixo_ = nullptr;
  QWidget* linhaAlarme_ = nullptr;
  QLabel* textoExibido_ = nullptr;
  QLabel* titulo_ = nullptr;
};

}  // namespace quiv
