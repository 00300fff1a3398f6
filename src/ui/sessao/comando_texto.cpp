// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/comando_texto.h"

#include "core/arquivo/documento.h"
#include "ui/sessao/comando_formulario.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

ComandoTexto::Estado ComandoTexto::Estado::De(const TextoAnimado& t) {
  return {t, t.FaixaMax, t.FaixaMin, t.AlarmeAlto, t.AlarmeBaixo, t.Titulo};
}

bool ComandoTexto::Estado::Mesmo(const Estado& outro) const {
  return campos == outro.campos && FaixaMax == outro.FaixaMax && FaixaMin == outro.FaixaMin &&
         Titulo == outro.Titulo;
}

ComandoTexto::ComandoTexto(SessaoSimulacao& sessao, int n, int visita,
                           const FormularioTexto& campos)
    : sessao_(sessao), n_(n), visita_(visita), campos_(campos) {
  if (const TextoAnimado* t = sessao.documento().TextoDe(n)) antes_ = Estado::De(*t);
  depois_ = antes_;
  depois_.campos = campos;
  Nomeia();
}

void ComandoTexto::Nomeia() {
  setText(
      TextoAplicacao(TipoObjeto::Texto, n_, depois_.campos.Descricao.Em(sessao_.IdiomaIngles())));
}

void ComandoTexto::redo() {
  if (feito_) {
    Coloca(depois_);
    return;
  }
  feito_ = true;
  if (TextoAnimado* t = sessao_.documento().TextoDe(n_)) {
    static_cast<FormularioTexto&>(*t) = campos_;
    t->AtualizaParametros(false);
    depois_ = Estado::De(*t);
    Nomeia();
  }
  if (depois_.Mesmo(antes_)) setObsolete(true);
  sessao_.AvisaObjetoAlterado(TipoObjeto::Texto, n_);
}

void ComandoTexto::undo() { Coloca(antes_); }

void ComandoTexto::Coloca(const Estado& estado) {
  if (TextoAnimado* t = sessao_.documento().TextoDe(n_)) {
    static_cast<FormularioTexto&>(*t) = estado.campos;
    t->FaixaMax = estado.FaixaMax;
    t->FaixaMin = estado.FaixaMin;
    t->AlarmeAlto = estado.AlarmeAlto;
    t->AlarmeBaixo = estado.AlarmeBaixo;
    t->Titulo = estado.Titulo;
  }
  sessao_.AvisaObjetoAlterado(TipoObjeto::Texto, n_);
}

bool ComandoTexto::mergeWith(const QUndoCommand* outro) {
  const auto* seguinte = dynamic_cast<const ComandoTexto*>(outro);
  if (!seguinte || seguinte->n_ != n_ || seguinte->visita_ != visita_) return false;
  depois_ = seguinte->depois_;
  setText(seguinte->text());
  setObsolete(depois_.Mesmo(antes_));
  return true;
}

}  // namespace quiv
