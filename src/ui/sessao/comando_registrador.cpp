// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/comando_registrador.h"

#include "core/arquivo/documento.h"
#include "ui/sessao/comando_formulario.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

ComandoRegistrador::ComandoRegistrador(SessaoSimulacao& sessao, int n, int campo,
                                       std::function<void(Registrador&)> edita)
    : sessao_(sessao), n_(n), campo_(campo), edita_(std::move(edita)) {
  if (const Registrador* r = sessao.documento().RegistradorDe(n)) antes_ = *r;
  depois_ = antes_;
  Nomeia();
}

void ComandoRegistrador::Nomeia() {
  setText(TextoAplicacao(TipoObjeto::Registrador, n_, depois_.Tag.Em(sessao_.IdiomaIngles())));
}

void ComandoRegistrador::redo() {
  if (!edita_) {
    Coloca(depois_);
    return;
  }
  if (Registrador* r = sessao_.documento().RegistradorDe(n_)) {
    edita_(*r);
    depois_ = *r;
    Nomeia();
  }
  edita_ = nullptr;
  if (depois_ == antes_) setObsolete(true);
  sessao_.AvisaObjetoAlterado(TipoObjeto::Registrador, n_);
}

void ComandoRegistrador::undo() { Coloca(antes_); }

void ComandoRegistrador::Coloca(const FormularioRegistrador& campos) {
  if (Registrador* r = sessao_.documento().RegistradorDe(n_)) {
    static_cast<FormularioRegistrador&>(*r) = campos;
    r->AplicaConfiguracao();
  }
  sessao_.AvisaObjetoAlterado(TipoObjeto::Registrador, n_);
}

bool ComandoRegistrador::mergeWith(const QUndoCommand* outro) {
  const auto* seguinte = dynamic_cast<const ComandoRegistrador*>(outro);
  if (!seguinte || seguinte->n_ != n_ || seguinte->campo_ != campo_) return false;
  depois_ = seguinte->depois_;
  setText(seguinte->text());
  setObsolete(depois_ == antes_);
  return true;
}

}  // namespace quiv
