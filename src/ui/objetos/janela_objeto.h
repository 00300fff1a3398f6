// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "core/arquivo/posicoes.h"

namespace quiv {

class SessaoSimulacao;

// What every object window shares. It views the object of one kind in slot n
// of the session's document and keeps no pointer to it (the user can delete
// it, a load can replace it). It refills when the session announces the
// object changed or another plant was loaded; closing only hides it (the
// object keeps running) and asks the main window to redraw.
class JanelaObjeto : public QWidget {
  Q_OBJECT

 public:
  int Numero() const { return n_; }
  // Filled from the model, then shown, raised and activated; nothing when
  // the object is gone.
  void Mostra();

 protected:
  JanelaObjeto(SessaoSimulacao& sessao, TipoObjeto tipo, int n, QWidget* pai,
               Qt::WindowFlags estilo = Qt::Tool);

  virtual bool Existe() const = 0;
  // Every control from the model, without writing back or marking anything.
  virtual void Preenche() = 0;
  // An apply of this object, or its undo, announced by the session.
  virtual void ObjetoMudou() { Preenche(); }
  // Another plant: a window whose object is gone hides, the others refill.
  virtual void DocumentoMudou();
  // Closing, before the window goes.
  virtual void AoFechar() {}

  // Opening, before the window fills: what a new look at the object resets.
  virtual void AoAbrir() {}

  void closeEvent(QCloseEvent* evento) override;

  SessaoSimulacao& sessao_;
  const int n_;
  bool preenchendo_ = false;  // the change handlers muted while filling
};

}  // namespace quiv
