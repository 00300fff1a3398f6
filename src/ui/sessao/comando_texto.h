// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <string>

#include "core/objetos/texto_animado.h"

namespace quiv {

class SessaoSimulacao;

// An animated text's form as an edit: the text takes a form over and applies
// it (the window has tried it on an exact copy of the plant first, so every
// check passes). Undo puts the text back exactly as it stood: its form and
// what its apply holds (range, alarms, title), so a text whose form never
// passed comes back unapplied, as it was.
//
// The window applies at every edit; the edits of one visit of the window
// (from opening it to its "Sair") merge into one command, which drops out of
// the stack when the text ends as it began.
class ComandoTexto : public QUndoCommand {
 public:
  // What an edit changes of the text and undo puts back.
  struct Estado {
    FormularioTexto campos;
    double FaixaMax = 0.0;
    double FaixaMin = 0.0;
    double AlarmeAlto = 0.0;
    double AlarmeBaixo = 0.0;
    std::string Titulo;

    static Estado De(const TextoAnimado& t);
    // The same but for the alarms, which a scalar text rereads from its
    // variable at every refresh.
    bool Mesmo(const Estado& outro) const;
  };

  // `visita` tells the visits of the text's window apart.
  ComandoTexto(SessaoSimulacao& sessao, int n, int visita, const FormularioTexto& campos);
  void redo() override;
  void undo() override;
  int id() const override { return kId; }
  bool mergeWith(const QUndoCommand* outro) override;

 private:
  static constexpr int kId = 10;
  void Coloca(const Estado& estado);
  void Nomeia();

  SessaoSimulacao& sessao_;
  const int n_;
  const int visita_;
  const FormularioTexto campos_;
  Estado antes_;
  Estado depois_;
  bool feito_ = false;  // the first redo applies the form, later ones put depois_ back
};

}  // namespace quiv
