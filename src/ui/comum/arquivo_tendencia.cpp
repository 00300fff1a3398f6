// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/arquivo_tendencia.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

#include "ui/comum/controles.h"

namespace quiv {

ArquivoTendencia::ArquivoTendencia(QWidget* pai, const QString& arquivar, const QString& dica,
                                   const QString& taxa, Fonte fonte)
    : QObject(pai), fonte_(std::move(fonte)) {
  arquivar_ = quiv::Caixa(pai, "CheckBox1", arquivar);
  arquivar_->setToolTip(dica);
  arquivar_->setEnabled(false);
  taxa_ = Rotulo(pai, "Label21", taxa, QColor(200, 0, 0));
  QSizePolicy guarda = taxa_->sizePolicy();
  guarda.setRetainSizeWhenHidden(true);  // blinking does not move its neighbours
  taxa_->setSizePolicy(guarda);
  taxa_->hide();
  pisca_ = new QTimer(pai);
  pisca_->setObjectName(QStringLiteral("Timer1"));
  pisca_->setInterval(500);
  connect(pisca_, &QTimer::timeout, this, &ArquivoTendencia::Pisca);
}

void ArquivoTendencia::Segue(const Tendencia& g, bool tudo, const std::vector<QWidget*>& travados) {
  const bool arquivando = g.Arquivando();
  if (arquivar_->isChecked() == arquivando && !tudo) return;
  {
    const QSignalBlocker mudo(arquivar_);
    arquivar_->setChecked(arquivando);
  }
  const bool livres = g.ControlesLivres();
  for (QWidget* w : travados) w->setEnabled(livres);
  if (g.PiscaAtivo() != pisca_->isActive()) {
    if (g.PiscaAtivo())
      pisca_->start();
    else
      pisca_->stop();
  }
  taxa_->setVisible(g.TextoTaxaVisivel());
}

void ArquivoTendencia::Pisca() {
  Tendencia* g = fonte_();
  if (!g) {
    pisca_->stop();
    return;
  }
  g->Pisca();
  taxa_->setVisible(g->TextoTaxaVisivel());
}

}  // namespace quiv
