// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/comandos_planta.h"

#include <QCoreApplication>

#include "ui/sessao/comando_formulario.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

QString NomeObjeto(TipoObjeto tipo, int n) {
  switch (tipo) {
    case TipoObjeto::Controlador:
      return QCoreApplication::translate("ComandosEdicao", "Controlador %1").arg(n);
    case TipoObjeto::Processo:
      return QCoreApplication::translate("ComandosEdicao", "Processo %1")
          .arg(IdentidadeProcesso(n));
    case TipoObjeto::Registrador:
      return QCoreApplication::translate("ComandosEdicao", "Registrador %1").arg(n);
    case TipoObjeto::Bloco:
      return QCoreApplication::translate("ComandosEdicao", "Bloco %1").arg(IdentidadeBloco(n));
    case TipoObjeto::Texto:
      return QCoreApplication::translate("ComandosEdicao", "Texto Animado %1").arg(n);
  }
  return {};
}

}  // namespace

QString TextoAplicacao(TipoObjeto tipo, int n, std::string_view tag) {
  QString nome = NomeObjeto(tipo, n);
  if (!tag.empty()) nome += QStringLiteral(" (%1)").arg(QString::fromUtf8(tag.data(), tag.size()));
  return QCoreApplication::translate("ComandosEdicao", "Atualizar %1").arg(nome);
}

// --- comments and title ----------------------------------------------------------

ComandoComentarios::ComandoComentarios(SessaoSimulacao& sessao, bool ingles,
                                       std::vector<std::string> linhas)
    : ComandoValor(QCoreApplication::translate("ComandosEdicao", "Comentários"), sessao,
                   sessao.documento().comentarios.Linhas(ingles), std::move(linhas)),
      ingles_(ingles) {}

void ComandoComentarios::Poe(const std::vector<std::string>& linhas) {
  sessao_.documento().comentarios.Linhas(ingles_) = linhas;
  sessao_.AvisaComentariosAlterados();
}

bool ComandoComentarios::mergeWith(const QUndoCommand* outro) {
  const auto* seguinte = static_cast<const ComandoComentarios*>(outro);  // same id()
  if (seguinte->ingles_ != ingles_) return false;
  depois_ = seguinte->depois_;
  return true;
}

namespace {

TextoBilingue Editado(TextoBilingue texto, bool ingles, const std::string& novo) {
  texto.Edita(ingles, novo);
  return texto;
}

}  // namespace

ComandoTitulo::ComandoTitulo(SessaoSimulacao& sessao, const std::string& titulo)
    : ComandoValor(QCoreApplication::translate("ComandosEdicao", "Título"), sessao,
                   sessao.documento().Titulo,
                   Editado(sessao.documento().Titulo, sessao.IdiomaIngles(), titulo)) {}

void ComandoTitulo::Poe(const TextoBilingue& titulo) {
  sessao_.documento().Titulo = titulo;
  sessao_.AvisaTituloAlterado();
}

bool ComandoTitulo::mergeWith(const QUndoCommand* outro) {
  depois_ = static_cast<const ComandoTitulo*>(outro)->depois_;  // same id()
  return true;
}

ComandoFigura::ComandoFigura(SessaoSimulacao& sessao, std::string figura)
    : ComandoValor(QCoreApplication::translate("ComandosEdicao", "Figura de fundo"), sessao,
                   sessao.documento().FiguraFundo, std::move(figura)) {}

void ComandoFigura::Poe(const std::string& figura) {
  sessao_.documento().FiguraFundo = figura;
  sessao_.AvisaFiguraAlterada();
}

// --- objects included, deleted, moved -----------------------------------------------

ComandoInclusao::ComandoInclusao(SessaoSimulacao& sessao, TipoObjeto tipo, int n, bool incluir)
    : QUndoCommand((incluir ? QCoreApplication::translate("ComandosEdicao", "Incluir %1")
                            : QCoreApplication::translate("ComandosEdicao", "Ocultar %1"))
                       .arg(NomeObjeto(tipo, n))),
      sessao_(sessao),
      tipo_(tipo),
      n_(n),
      incluir_(incluir),
      posicaoAntes_(sessao.documento().posicoes.De(tipo, n)),
      existia_(sessao.documento().Incluido(tipo, n)) {}

void ComandoInclusao::redo() {
  Documento& doc = sessao_.documento();
  if (incluir_)
    doc.Inclui(tipo_, n_);
  else
    doc.posicoes.De(tipo_, n_).Exibido = false;
  sessao_.AvisaInclusaoAlterada();
}

void ComandoInclusao::undo() {
  Documento& doc = sessao_.documento();
  if (!existia_) doc.Exclui(tipo_, n_);
  doc.posicoes.De(tipo_, n_) = posicaoAntes_;
  sessao_.AvisaInclusaoAlterada();
}

ComandoExclusao::ComandoExclusao(SessaoSimulacao& sessao, TipoObjeto tipo, int n)
    : QUndoCommand(
          QCoreApplication::translate("ComandosEdicao", "Excluir %1").arg(NomeObjeto(tipo, n))),
      sessao_(sessao),
      tipo_(tipo),
      n_(n) {}

ComandoExclusao::~ComandoExclusao() = default;

void ComandoExclusao::redo() {
  Documento& doc = sessao_.documento();
  posicao_ = doc.posicoes.De(tipo_, n_);
  if (const ObjetoCiclo* objeto = doc.Objeto(tipo_, n_)) {
    guardado_ = std::make_unique<Documento>();
    guardado_->Insere(tipo_, n_, objeto->CopiaPara(guardado_->simulacao));
  }
  doc.Exclui(tipo_, n_);
  sessao_.AvisaInclusaoAlterada();
}

void ComandoExclusao::undo() {
  Documento& doc = sessao_.documento();
  if (guardado_) {
    if (const ObjetoCiclo* objeto = guardado_->Objeto(tipo_, n_))
      doc.Insere(tipo_, n_, objeto->CopiaPara(doc.simulacao));
    guardado_.reset();
  }
  doc.posicoes.De(tipo_, n_) = posicao_;
  sessao_.AvisaInclusaoAlterada();
}

struct ComandoConfiguracao::Configuracao {
  Documento doc;  // only its panel, linearizer and switch are used
};

std::unique_ptr<ComandoConfiguracao::Configuracao> ComandoConfiguracao::Le(const Documento& doc) {
  auto c = std::make_unique<Configuracao>();
  c->doc.painel = doc.painel;
  c->doc.linearizador().AssumeEstado(doc.linearizador());
  c->doc.simulacao.LinearizadorAtivo = doc.simulacao.LinearizadorAtivo;
  return c;
}

ComandoConfiguracao::ComandoConfiguracao(SessaoSimulacao& sessao, const Documento& antes)
    : QUndoCommand(QCoreApplication::translate("ComandosEdicao", "Configuração")),
      sessao_(sessao),
      antes_(Le(antes)),
      depois_(Le(sessao.documento())) {}

ComandoConfiguracao::~ComandoConfiguracao() = default;

void ComandoConfiguracao::Aplica(const Configuracao& c) {
  Documento& doc = sessao_.documento();
  doc.painel = c.doc.painel;
  doc.linearizador().AssumeEstado(c.doc.linearizador());
  doc.simulacao.LinearizadorAtivo = c.doc.simulacao.LinearizadorAtivo;
  sessao_.AvisaConfiguracaoRestaurada();
}

void ComandoConfiguracao::redo() {
  if (feito_) Aplica(*depois_);
  feito_ = true;
}

void ComandoConfiguracao::undo() { Aplica(*antes_); }

bool ComandoConfiguracao::mergeWith(const QUndoCommand* outro) {
  depois_ = Le(sessao_.documento());  // `outro` was made from the document as it is now
  (void)outro;
  return true;
}

ComandoMovimento::ComandoMovimento(SessaoSimulacao& sessao, const ItemTela& item, Lugar de,
                                   Lugar para)
    : QUndoCommand(QCoreApplication::translate("ComandosEdicao", "Mover")),
      sessao_(sessao),
      item_(item),
      de_(de),
      para_(para) {}

void ComandoMovimento::redo() { Coloca(para_); }
void ComandoMovimento::undo() { Coloca(de_); }

void ComandoMovimento::Coloca(Lugar lugar) {
  ColocaItem(sessao_.documento(), item_, lugar);
  sessao_.AvisaPainelAlterado();
}

}  // namespace quiv
