// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUndoCommand>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

// How the session reaches an object whose window has a form with
// "Atualizar": its form type, its kind and its slot in the document.
template <class Objeto>
struct Formulario;

template <>
struct Formulario<Processo> {
  using Campos = FormularioProcesso;
  static constexpr TipoObjeto kTipo = TipoObjeto::Processo;
  static Processo* De(const Documento& d, int n) { return d.ProcessoDe(n); }
};
template <>
struct Formulario<Bloco> {
  using Campos = FormularioBloco;
  static constexpr TipoObjeto kTipo = TipoObjeto::Bloco;
  static Bloco* De(const Documento& d, int n) { return d.BlocoDe(n); }
};
template <>
struct Formulario<Controlador> {
  using Campos = FormularioControlador;
  static constexpr TipoObjeto kTipo = TipoObjeto::Controlador;
  static Controlador* De(const Documento& d, int n) { return d.ControladorDe(n); }
};

// "Atualizar Processo 21 (FT-01)": the undo menu's name of an object's apply.
QString TextoAplicacao(TipoObjeto tipo, int numero, std::string_view tag);

// An object's apply as an edit: its form fields replaced and applied, and
// the earlier ones put back by undo. The step state is the running plant's
// and stays as it is.
template <class Objeto>
class ComandoFormulario : public QUndoCommand {
 public:
  using Campos = typename Formulario<Objeto>::Campos;

  ComandoFormulario(SessaoSimulacao& sessao, int n, Campos antes, Campos depois,
                    const QString& texto)
      : QUndoCommand(texto),
        sessao_(sessao),
        n_(n),
        antes_(std::move(antes)),
        depois_(std::move(depois)) {}

  void redo() override { Aplica(depois_); }
  void undo() override { Aplica(antes_); }

 private:
  void Aplica(const Campos& campos) {
    if (Objeto* o = Formulario<Objeto>::De(sessao_.documento(), n_)) {
      static_cast<Campos&>(*o) = campos;
      o->AtualizaParametros(false);
    }
    sessao_.AvisaObjetoAlterado(Formulario<Objeto>::kTipo, n_);
  }

  SessaoSimulacao& sessao_;
  const int n_;
  const Campos antes_;
  const Campos depois_;
};

// An object's "Atualizar", all or nothing: the form is first applied to an
// exact copy of the plant. When every check passes there, the apply runs on
// the live object as one edit on the undo stack; otherwise nothing changes,
// the object runs on with its last valid parameters, and one box lists each
// failed field once. Returns whether the form was applied.
template <class Objeto>
bool AplicaFormulario(SessaoSimulacao& sessao, int n,
                      const typename Formulario<Objeto>::Campos& campos) {
  using Campos = typename Formulario<Objeto>::Campos;
  const Objeto* vivo = Formulario<Objeto>::De(sessao.documento(), n);
  if (!vivo) return false;
  const std::unique_ptr<Documento> copia = CopiaDocumento(sessao.documento());
  std::vector<std::string> falhas;
  copia->simulacao.Mensagem = [&falhas](std::string_view texto) { falhas.emplace_back(texto); };
  Objeto& ensaio = *Formulario<Objeto>::De(*copia, n);
  static_cast<Campos&>(ensaio) = campos;
  if (!ensaio.AtualizaParametros(true)) {
    sessao.InformaFalhas(falhas);
    return false;
  }
  const bool ingles = sessao.IdiomaIngles();
  sessao.Executa(new ComandoFormulario<Objeto>(
      sessao, n, static_cast<const Campos&>(*vivo), campos,
      TextoAplicacao(Formulario<Objeto>::kTipo, n, campos.Tag.Em(ingles))));
  return true;
}

}  // namespace quiv
