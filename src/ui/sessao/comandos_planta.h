// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUndoCommand>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/arquivo/item_tela.h"

namespace quiv {

class SessaoSimulacao;

// The edits of the plant's definition that are not an object's form: the
// comments, the title, the background picture, an object included or
// deleted, a control moved on the picture. Each changes the document through
// the session, announces what changed, and puts back exactly what it found
// when undone.

// A value of the document that redo sets to what the edit made it and undo
// puts back; the subclass says where the value lives and what it announces.
template <class Valor>
class ComandoValor : public QUndoCommand {
 public:
  void redo() override { Poe(depois_); }
  void undo() override { Poe(antes_); }

 protected:
  ComandoValor(const QString& texto, SessaoSimulacao& sessao, Valor antes, Valor depois)
      : QUndoCommand(texto),
        sessao_(sessao),
        antes_(std::move(antes)),
        depois_(std::move(depois)) {}
  virtual void Poe(const Valor& valor) = 0;

  SessaoSimulacao& sessao_;
  Valor antes_;
  Valor depois_;
};

// The comments pane of one language. Typing goes on in one edit: consecutive
// changes of the same language merge.
class ComandoComentarios : public ComandoValor<std::vector<std::string>> {
 public:
  ComandoComentarios(SessaoSimulacao& sessao, bool ingles, std::vector<std::string> linhas);
  int id() const override { return 1; }
  bool mergeWith(const QUndoCommand* outro) override;

 private:
  void Poe(const std::vector<std::string>& linhas) override;
  const bool ingles_;
};

// The title of one language; consecutive changes merge.
class ComandoTitulo : public ComandoValor<TextoBilingue> {
 public:
  ComandoTitulo(SessaoSimulacao& sessao, const std::string& titulo);
  int id() const override { return 2; }
  bool mergeWith(const QUndoCommand* outro) override;

 private:
  void Poe(const TextoBilingue& titulo) override;
};

// The background picture's name.
class ComandoFigura : public ComandoValor<std::string> {
 public:
  ComandoFigura(SessaoSimulacao& sessao, std::string figura);

 private:
  void Poe(const std::string& figura) override;
};

// An include box checked (a new object when the slot is empty, its button
// shown) or cleared (the button hidden; the object stays).
class ComandoInclusao : public QUndoCommand {
 public:
  ComandoInclusao(SessaoSimulacao& sessao, TipoObjeto tipo, int n, bool incluir);
  void redo() override;
  void undo() override;

 private:
  SessaoSimulacao& sessao_;
  const TipoObjeto tipo_;
  const int n_;
  const bool incluir_;
  Posicao posicaoAntes_;
  bool existia_ = false;
};

// The delete mode's click: the object leaves its slot. Undo puts the same
// object back, with the state it had when it was deleted, and its place.
class ComandoExclusao : public QUndoCommand {
 public:
  ComandoExclusao(SessaoSimulacao& sessao, TipoObjeto tipo, int n);
  ~ComandoExclusao() override;
  void redo() override;
  void undo() override;

 private:
  SessaoSimulacao& sessao_;
  const TipoObjeto tipo_;
  const int n_;
  Posicao posicao_;
  std::unique_ptr<Documento> guardado_;  // the deleted object, held in a plant of its own
};

// The configuration dialog's operator panel and linearizer: the data
// entries, switches, push buttons and shapes as configured, the linearizer's
// table and its "Ativar" box. Consecutive changes in the dialog merge until
// it rereads the model.
class ComandoConfiguracao : public QUndoCommand {
 public:
  // `antes`: the document as the dialog last read it; the change is already
  // in the document.
  ComandoConfiguracao(SessaoSimulacao& sessao, const Documento& antes);
  ~ComandoConfiguracao() override;
  void redo() override;
  void undo() override;
  int id() const override { return 3; }
  bool mergeWith(const QUndoCommand* outro) override;

 private:
  // The configured part of a document, kept in a plant of its own.
  struct Configuracao;
  static std::unique_ptr<Configuracao> Le(const Documento& doc);
  void Aplica(const Configuracao& c);

  SessaoSimulacao& sessao_;
  std::unique_ptr<Configuracao> antes_;
  std::unique_ptr<Configuracao> depois_;
  bool feito_ = false;  // the first redo finds the change already made
};

// A control carried from one place to another in the move mode.
class ComandoMovimento : public QUndoCommand {
 public:
  ComandoMovimento(SessaoSimulacao& sessao, const ItemTela& item, Lugar de, Lugar para);
  void redo() override;
  void undo() override;

 private:
  void Coloca(Lugar lugar);
  SessaoSimulacao& sessao_;
  const ItemTela item_;
  const Lugar de_;
  const Lugar para_;
};

}  // namespace quiv
