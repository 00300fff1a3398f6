// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_objeto.h"

#include <QCloseEvent>

#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

JanelaObjeto::JanelaObjeto(SessaoSimulacao& sessao, TipoObjeto tipo, int n, QWidget* pai,
                           Qt::WindowFlags estilo)
    : QWidget(pai, estilo), sessao_(sessao), n_(n) {
  connect(&sessao_, &SessaoSimulacao::ObjetoAlterado, this, [this, tipo](TipoObjeto t, int numero) {
    if (t == tipo && numero == n_) ObjetoMudou();
  });
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] { DocumentoMudou(); });
}

void JanelaObjeto::DocumentoMudou() {
  if (!Existe()) {
    hide();
    return;
  }
  Preenche();
}

void JanelaObjeto::Mostra() {
  if (!Existe()) return;
  AoAbrir();
  Preenche();
  show();
  raise();
  activateWindow();
}

void JanelaObjeto::closeEvent(QCloseEvent* evento) {
  AoFechar();
  evento->accept();
  QWidget::closeEvent(evento);
  sessao_.PedeAtualizaTela();
}

}  // namespace quiv
