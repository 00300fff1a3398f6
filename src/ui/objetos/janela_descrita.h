// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "ui/comum/texto_qt.h"
#include "ui/objetos/janela_formulario.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"

namespace quiv {

// The form window of a block whose description is its output address's (a
// process or calculation block): the description is read from the address
// whenever the window shows the block's form, and again when the user comes
// back to the window, as the variable list may have changed it. Its buttons
// are Atualizar, help and Sair; Sair is locked while an edit waits.
template <class Objeto>
class JanelaDescrita : public JanelaFormulario<Objeto> {
  using Base = JanelaFormulario<Objeto>;

 public:
  virtual void Sai() { this->close(); }
  void MostraAjuda() { Interacao::Atual().AbreEndereco(EnderecoAjuda(ajuda_)); }

 protected:
  // `ajuda`: the block's page in the help site.
  JanelaDescrita(SessaoSimulacao& sessao, int n, const char* ajuda, QWidget* pai,
                 Qt::WindowFlags estilo = Qt::Tool)
      : Base(sessao, n, pai, estilo), ajuda_(ajuda) {}

  // The raised frame of the block's title and read-outs.
  QFrame* CriaPainelTitulo() {
    auto* painel = new QFrame(this);
    painel->setObjectName(QStringLiteral("Panel1"));
    painel->setFrameShape(QFrame::StyledPanel);
    painel->setFrameShadow(QFrame::Raised);
    return painel;
  }

  // The row of buttons, wired; the texts come in the window's translation.
  QHBoxLayout* CriaBotoes(const QString& atualizar, const QString& ajuda, const QString& sair) {
    botaoAtualizar_ = new QPushButton(atualizar, this);
    botaoAtualizar_->setObjectName(QStringLiteral("btnatualiza"));
    botaoAjuda_ = new QToolButton(this);
    botaoAjuda_->setObjectName(QStringLiteral("SpeedButton1"));
    botaoAjuda_->setText(QStringLiteral("?"));
    botaoAjuda_->setToolTip(ajuda);
    botaoSair_ = new QToolButton(this);
    botaoSair_->setObjectName(QStringLiteral("SairButton"));
    botaoSair_->setIcon(this->style()->standardIcon(QStyle::SP_DialogCloseButton));
    botaoSair_->setToolTip(sair);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(botaoAtualizar_);
    botoes->addStretch(1);
    botoes->addWidget(botaoAjuda_);
    botoes->addWidget(botaoSair_);
    this->DefineBotoes(botaoAtualizar_, botaoSair_);
    QObject::connect(botaoAtualizar_, &QPushButton::clicked, this, [this] { this->Aplica(); });
    QObject::connect(botaoSair_, &QToolButton::clicked, this, [this] { Sai(); });
    QObject::connect(botaoAjuda_, &QToolButton::clicked, this, [this] { MostraAjuda(); });
    return botoes;
  }

  // The controls built and wired: the window shows the block's form with
  // Atualizar disabled, at the size its layout asks.
  void Conclui(QLineEdit* descricao) {
    edicaoDescricao_ = descricao;
    this->Preenche();
    this->Sincronizado();
    this->resize(this->sizeHint());
  }

  // The draft from the block, its description from the output address's,
  // unless an edit waits to be applied.
  void CarregaRascunho(Objeto& o) {
    if (this->EdicaoPendente()) return;
    o.CarregaDescricao();
    this->rascunho_ = o;
  }

  // Another plant: nothing typed here belongs to it.
  void DocumentoMudou() override {
    this->Sincronizado();
    if (this->isVisible() && this->modelo()) this->Preenche();
  }

  void changeEvent(QEvent* evento) override {
    // Coming back to the window shows the output's description as the
    // variable list may have left it, unless an edit waits to be applied.
    if (evento->type() == QEvent::ActivationChange && this->isActiveWindow() && edicaoDescricao_ &&
        !this->EdicaoPendente()) {
      if (Objeto* o = this->modelo()) {
        o->CarregaDescricao();
        this->rascunho_.Descricao = o->Descricao;
        this->preenchendo_ = true;
        edicaoDescricao_->setText(Texto(o->Descricao.Em(this->sessao_.IdiomaIngles())));
        this->preenchendo_ = false;
      }
    }
    QWidget::changeEvent(evento);
  }

  QPushButton* botaoAtualizar_ = nullptr;
  QToolButton* botaoAjuda_ = nullptr;
  QToolButton* botaoSair_ = nullptr;

 private:
  const char* ajuda_;
  QLineEdit* edicaoDescricao_ = nullptr;
};

}  // namespace quiv
