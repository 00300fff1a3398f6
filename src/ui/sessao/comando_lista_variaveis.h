// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <vector>

#include "core/arquivo/lista_variaveis.h"

namespace quiv {

class SessaoSimulacao;

// The variable list's "Atualiza" as an edit: the descriptors and
// descriptions of the addresses and what handing them on wrote into the
// objects (the data entries' hints, the animated texts' and controllers'
// forms), before and after. Redo and undo put one side back
// (ListaVariaveis::Restaura); the step state stays as it is.
class ComandoListaVariaveis : public QUndoCommand {
 public:
  ComandoListaVariaveis(SessaoSimulacao& sessao, ListaVariaveis::Descritores antes,
                        ListaVariaveis::Descritores depois);
  void redo() override { Aplica(depois_); }
  void undo() override { Aplica(antes_); }

 private:
  void Aplica(const ListaVariaveis::Descritores& d);

  SessaoSimulacao& sessao_;
  const ListaVariaveis::Descritores antes_;
  const ListaVariaveis::Descritores depois_;
};

// "Atualiza", all or nothing: the edits are stored in an exact copy of the
// plant and handed on there. When no row fails, the result reaches the live
// plant as one edit on the undo stack (none when nothing would change);
// otherwise nothing changes and one box lists each failed row once. Returns
// whether the edits were accepted.
bool AtualizaListaVariaveis(SessaoSimulacao& sessao,
                            const std::vector<ListaVariaveis::Alteracao>& alteracoes);

}  // namespace quiv
