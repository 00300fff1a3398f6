// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <array>
#include <string>
#include <vector>

#include "core/objetos/gerador.h"

namespace quiv {

class Documento;
class SessaoSimulacao;

// The signal generator's "Atualiza" as an edit. It holds the rows it
// changed and the descriptions of M81 … M96 (an apply writes them), before
// and after; redo and undo put one side of those in place and apply the
// generator. The rows it did not change, and the values the arrows and the
// 0/1 choice moved (operator actions), stay as they are.
class ComandoGerador : public QUndoCommand {
 public:
  struct Estado {
    Gerador::Formulario linhas;
    std::array<std::string, Gerador::kCanais> descricoes;

    static Estado De(const Documento& doc);
    bool operator==(const Estado&) const = default;
  };

  ComandoGerador(SessaoSimulacao& sessao, Estado antes, Estado depois);
  void redo() override { Aplica(depois_); }
  void undo() override { Aplica(antes_); }

 private:
  void Aplica(const Estado& estado);

  SessaoSimulacao& sessao_;
  const Estado antes_;
  const Estado depois_;
  std::vector<int> linhas_;      // channels whose row changed
  std::vector<int> descricoes_;  // channels whose description changed
};

// The generator's "Atualiza", all or nothing: the rows are first applied to
// an exact copy of the plant. When every check passes there, they reach the
// live generator as one edit on the undo stack (none when nothing would
// change); otherwise nothing changes and one box lists each failed field
// once. Returns whether the rows were accepted.
bool AplicaGerador(SessaoSimulacao& sessao, const Gerador::Formulario& linhas);

}  // namespace quiv
