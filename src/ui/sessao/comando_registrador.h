// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <functional>

#include "core/objetos/registrador.h"

namespace quiv {

class SessaoSimulacao;

// A trend recorder's definition as an edit: its tag, description, pens and
// pen texts (FormularioRegistrador). The first redo makes the window's change
// on the recorder; undo and redo then put the form back and reapply the
// configuration, as the window's change did. Consecutive typing in one text
// field of one recorder merges into one command.
class ComandoRegistrador : public QUndoCommand {
 public:
  // What the window changed: the field's number, for the merge (a text field
  // typed into), or kSemJuncao for a choice that stands on its own.
  static constexpr int kSemJuncao = -1;

  // `edita` makes the change on the live recorder and applies it.
  ComandoRegistrador(SessaoSimulacao& sessao, int n, int campo,
                     std::function<void(Registrador&)> edita);
  void redo() override;
  void undo() override;
  int id() const override { return campo_ == kSemJuncao ? -1 : kId; }
  bool mergeWith(const QUndoCommand* outro) override;

 private:
  static constexpr int kId = 11;
  void Coloca(const FormularioRegistrador& campos);
  void Nomeia();

  SessaoSimulacao& sessao_;
  const int n_;
  const int campo_;
  std::function<void(Registrador&)> edita_;  // until the first redo
  FormularioRegistrador antes_;
  FormularioRegistrador depois_;
};

}  // namespace quiv
