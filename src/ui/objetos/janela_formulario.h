// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QLineEdit>

#include "core/nucleo/texto_bilingue.h"
#include "ui/objetos/janela_objeto.h"
#include "ui/sessao/comando_formulario.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

// An object window with a form and "Atualizar": edits go into the window's
// own copy of the form (the draft); Atualizar hands it to the session, which
// applies it all or nothing as one edit that can be undone. While an edit
// waits, Atualizar is enabled and the window's way out (Sair, Config.) is
// not.
template <class Objeto>
class JanelaFormulario : public JanelaObjeto {
 public:
  using Campos = typename Formulario<Objeto>::Campos;

  // All or nothing; on success the session's announcement refills the window.
  bool Aplica() { return modelo() && AplicaFormulario<Objeto>(sessao_, n_, rascunho_); }

 protected:
  JanelaFormulario(SessaoSimulacao& sessao, int n, QWidget* pai, Qt::WindowFlags estilo = Qt::Tool)
      : JanelaObjeto(sessao, Formulario<Objeto>::kTipo, n, pai, estilo) {}

  Objeto* modelo() const { return Formulario<Objeto>::De(sessao_.documento(), n_); }
  bool Existe() const override { return modelo() != nullptr; }

  // Atualizar, and the button it locks while an edit waits.
  void DefineBotoes(QAbstractButton* atualizar, QAbstractButton* saida) {
    atualizar_ = atualizar;
    saida_ = saida;
  }
  bool EdicaoPendente() const { return atualizar_->isEnabled(); }
  // An edit: Atualizar enabled, the way out locked until it is applied.
  void Alterado() {
    atualizar_->setEnabled(true);
    saida_->setEnabled(false);
  }
  // The window shows the object's form again: nothing waits to be applied.
  void Sincronizado() {
    atualizar_->setEnabled(false);
    saida_->setEnabled(true);
  }
  // The draft from the object, unless an edit waits to be applied.
  void CarregaRascunho(const Objeto& o) {
    if (!EdicaoPendente()) rascunho_ = o;
  }
  // A text of both languages typed into the draft in the interface's one.
  void LigaBilingue(QLineEdit* edicao, TextoBilingue Campos::*campo) {
    connect(edicao, &QLineEdit::textChanged, this, [this, campo](const QString& texto) {
      if (preenchendo_) return;
      (rascunho_.*campo).Edita(sessao_.IdiomaIngles(), texto.toStdString());
      Alterado();
    });
  }

  void ObjetoMudou() override {
    if (!modelo()) return;
    Sincronizado();
    Preenche();
  }

  Campos rascunho_;  // the form as typed, until it is applied

 private:
  QAbstractButton* atualizar_ = nullptr;
  QAbstractButton* saida_ = nullptr;
};

}  // namespace quiv
