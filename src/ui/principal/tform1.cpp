#include "ui/principal/tform1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

TForm1::TForm1(SessaoSimulacao& sessao, QWidget* pai) : QMainWindow(pai), sessao_(sessao) {
  setWindowTitle(tr("QUIV (v 7.81)"));
  setCentralWidget(new QWidget(this));
  sessao_.DefineJanelaDeMensagens(this);

  Opes1_ = menuBar()->addMenu(tr("Opções"));
  Opes1_->setObjectName(QStringLiteral("Opes1"));

  // The check mark flips with each use, independently of the other stoppers of
  // Timer1 (file reading, fast simulation), which restart it on their own.
  PausarSimulao2_ = Opes1_->addAction(tr("Pausar Simulação"));
  PausarSimulao2_->setObjectName(QStringLiteral("PausarSimulao2"));
  PausarSimulao2_->setCheckable(true);
  connect(PausarSimulao2_, &QAction::triggered, this, &TForm1::PausarSimulao2Click);
}

void TForm1::PausarSimulao2Click() { sessao_.AlternaPausa(); }

}  // namespace quiv
