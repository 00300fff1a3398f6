// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_bloco.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <string_view>

#include "core/arquivo/documento.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/bloco.h"
#include "ui/comum/controles.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/comando_formulario.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

std::string Std(const QString& t) { return t.toStdString(); }

}  // namespace

// Title only, no close box: the window is left through Sair.
JanelaBloco::JanelaBloco(SessaoSimulacao& sessao, int n, QWidget* pai)
    : QWidget(pai, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sessao_(sessao),
      n_(n) {
  setObjectName(QStringLiteral("Bloco%1").arg(n));
  setWindowTitle(tr("Bloco de Cálculo"));
  CriaControles();
  Conecta();
  Preenche();
  botaoAtualizar_->setEnabled(false);
  botaoSair_->setEnabled(true);
  resize(sizeHint());
}

JanelaBloco::~JanelaBloco() = default;

Bloco* JanelaBloco::modelo() const { return sessao_.documento().BlocoDe(n_); }

void JanelaBloco::CriaControles() {
  auto* principal = new QVBoxLayout(this);

  painelTitulo_ = new QFrame(this);
  painelTitulo_->setObjectName(QStringLiteral("Panel1"));
  painelTitulo_->setFrameShape(QFrame::StyledPanel);
  painelTitulo_->setFrameShadow(QFrame::Raised);
  auto* painel = new QHBoxLayout(painelTitulo_);
  titulo_ = TituloObjeto(painelTitulo_, "Label9");
  titulo_->setMinimumHeight(titulo_->fontMetrics().height());
  painel->addWidget(titulo_);
  principal->addWidget(painelTitulo_);

  auto* grade = new QGridLayout;
  principal->addLayout(grade);
  tag_ = Edicao(this, "TagText");
  descricao_ = Edicao(this, "DescricaoText");
  funcao_ = Edicao(this, "FuncaoTr", tr("Expressão matemática do cálculo"));
  // Room for a selector between two sums and a description of some words.
  funcao_->setMinimumWidth(funcao_->fontMetrics().averageCharWidth() * 44);
  rotuloSaida_ = Rotulo(this, "Label1", QStringLiteral("="));
  rotuloSaida_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  leitura_ = Rotulo(this, "Label6", QStringLiteral("0.00"));
  QFont leitura = leitura_->font();
  leitura.setBold(true);
  leitura_->setFont(leitura);
  grade->addWidget(Rotulo(this, "Label3", tr("Tag:")), 0, 0);
  grade->addWidget(tag_, 0, 1, 1, 2);
  grade->addWidget(Rotulo(this, "Label4", tr("Desc:")), 1, 0);
  grade->addWidget(descricao_, 1, 1, 1, 2);
  grade->addWidget(Rotulo(this, "Label2", tr("Função")), 2, 0);
  grade->addWidget(funcao_, 2, 1, 1, 2);
  grade->addWidget(rotuloSaida_, 3, 0);
  grade->addWidget(leitura_, 3, 1);
  grade->setColumnStretch(2, 1);

  grupoLimites_ = new QGroupBox(tr("Limites:"), this);
  grupoLimites_->setObjectName(QStringLiteral("GroupBox1"));
  auto* limites = new QGridLayout(grupoLimites_);
  limiteSuperiorAtivo_ = new QCheckBox(tr("Max:"), grupoLimites_);
  limiteSuperiorAtivo_->setObjectName(QStringLiteral("LimSupCheck"));
  limiteSuperior_ = Edicao(grupoLimites_, "LimSupText", tr("Limite superior para saída"));
  limiteInferiorAtivo_ = new QCheckBox(tr("Min:"), grupoLimites_);
  limiteInferiorAtivo_->setObjectName(QStringLiteral("LimInfCheck"));
  limiteInferior_ = Edicao(grupoLimites_, "LimInfText", tr("Limite inferior para saída"));
  limites->addWidget(limiteSuperiorAtivo_, 0, 0);
  limites->addWidget(limiteSuperior_, 0, 1);
  limites->addWidget(limiteInferiorAtivo_, 1, 0);
  limites->addWidget(limiteInferior_, 1, 1);
  limites->setColumnStretch(1, 1);
  principal->addWidget(grupoLimites_);

  auto* botoes = new QHBoxLayout;
  principal->addLayout(botoes);
  botaoAtualizar_ = new QPushButton(tr("Atualizar"), this);
  botaoAtualizar_->setObjectName(QStringLiteral("btnatualiza"));
  botaoAjuda_ = new QToolButton(this);
  botaoAjuda_->setObjectName(QStringLiteral("SpeedButton1"));
  botaoAjuda_->setText(QStringLiteral("?"));
  botaoAjuda_->setToolTip(tr("Ajuda"));
  botaoSair_ = new QToolButton(this);
  botaoSair_->setObjectName(QStringLiteral("SairButton"));
  botaoSair_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  botaoSair_->setToolTip(tr("Sair"));
  botoes->addWidget(botaoAtualizar_);
  botoes->addStretch(1);
  botoes->addWidget(botaoAjuda_);
  botoes->addWidget(botaoSair_);
  principal->addStretch(1);
}

void JanelaBloco::Conecta() {
  // Each edit goes into the window's form; "Atualizar" hands it to the
  // session.
  auto campo = [this](QLineEdit* edicao,
                      std::function<void(FormularioBloco&, const QString&)> escreve) {
    connect(edicao, &QLineEdit::textChanged, this, [this, escreve](const QString& texto) {
      if (preenchendo_) return;
      escreve(rascunho_, texto);
      Alterado();
    });
  };
  campo(tag_, [this](FormularioBloco& b, const QString& t) {
    b.Tag.Edita(sessao_.IdiomaIngles(), Std(t));
  });
  campo(descricao_, [this](FormularioBloco& b, const QString& t) {
    b.Descricao.Edita(sessao_.IdiomaIngles(), Std(t));
  });
  campo(funcao_, [](FormularioBloco& b, const QString& t) { b.Funcao = Std(t); });
  campo(limiteSuperior_, [](FormularioBloco& b, const QString& t) { b.LimiteSuperior = Std(t); });
  campo(limiteInferior_, [](FormularioBloco& b, const QString& t) { b.LimiteInferior = Std(t); });

  // The switches are read by every step: they reach the running block at once.
  auto chave = [this](QCheckBox* caixa, bool FormularioBloco::*membro) {
    connect(caixa, &QCheckBox::toggled, this, [this, membro](bool ligado) {
      if (preenchendo_) return;
      rascunho_.*membro = ligado;
      sessao_.Opera([n = n_, membro, ligado](Documento& d) {
        if (Bloco* b = d.BlocoDe(n)) b->*membro = ligado;
      });
      Alterado();
    });
  };
  chave(limiteSuperiorAtivo_, &FormularioBloco::LimiteSuperiorAtivo);
  chave(limiteInferiorAtivo_, &FormularioBloco::LimiteInferiorAtivo);

  connect(botaoAtualizar_, &QPushButton::clicked, this, &JanelaBloco::Aplica);
  connect(botaoSair_, &QToolButton::clicked, this, &JanelaBloco::Sai);
  connect(botaoAjuda_, &QToolButton::clicked, this, &JanelaBloco::MostraAjuda);

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &JanelaBloco::AtualizaLeitura);
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    // Another plant: nothing typed here belongs to it.
    botaoAtualizar_->setEnabled(false);
    botaoSair_->setEnabled(true);
    if (isVisible() && modelo()) Preenche();
  });
  // An apply of this block, or its undo: the window shows the block's form.
  connect(&sessao_, &SessaoSimulacao::ObjetoAlterado, this, [this](TipoObjeto tipo, int n) {
    if (tipo != TipoObjeto::Bloco || n != n_ || !modelo()) return;
    botaoAtualizar_->setEnabled(false);
    botaoSair_->setEnabled(true);
    Preenche();
  });
}

void JanelaBloco::Preenche() {
  Bloco* b = modelo();
  if (!b) return;
  preenchendo_ = true;
  const bool ingles = sessao_.IdiomaIngles();
  // The window shows its form: the object's, unless an edit waits to be
  // applied.
  if (!botaoAtualizar_->isEnabled()) {
    b->CarregaDescricao();
    rascunho_ = *b;
  }
  const auto& f = rascunho_;
  tag_->setText(Texto(f.Tag.Em(ingles)));
  descricao_->setText(Texto(f.Descricao.Em(ingles)));
  funcao_->setText(Texto(f.Funcao));
  limiteSuperiorAtivo_->setChecked(f.LimiteSuperiorAtivo);
  limiteSuperior_->setText(Texto(f.LimiteSuperior));
  limiteInferiorAtivo_->setChecked(f.LimiteInferiorAtivo);
  limiteInferior_->setText(Texto(f.LimiteInferior));
  preenchendo_ = false;
  MostraIdentificacao();
  DefineTexto(leitura_, Texto(TextoFixo(b->Leitura, 2)));
}

void JanelaBloco::MostraIdentificacao() {
  const Bloco* b = modelo();
  if (!b) return;
  DefineTexto(titulo_, Texto(b->Titulo));
  DefineTexto(rotuloSaida_, Texto(b->RotuloSaida));
}

void JanelaBloco::AtualizaLeitura() {
  if (!isVisible()) return;
  if (const Bloco* b = modelo()) DefineTexto(leitura_, Texto(TextoFixo(b->Leitura, 2)));
}

void JanelaBloco::Alterado() {
  botaoAtualizar_->setEnabled(true);
  botaoSair_->setEnabled(false);
}

void JanelaBloco::Mostra() {
  Preenche();
  show();
  raise();
  activateWindow();
}

void JanelaBloco::Aplica() {
  // All or nothing; on success the session's announcement refills the window.
  if (modelo()) AplicaFormulario<Bloco>(sessao_, n_, rascunho_);
}

void JanelaBloco::Sai() {
  botaoAtualizar_->setEnabled(false);
  close();
}

void JanelaBloco::MostraAjuda() {
  Interacao::Atual().AbreEndereco(EnderecoAjuda("/simulador/objetos_simulacao/#bloco_calculo"));
}

void JanelaBloco::closeEvent(QCloseEvent* evento) {
  // Only the window goes; the block keeps running.
  evento->accept();
  QWidget::closeEvent(evento);
  sessao_.PedeAtualizaTela();
}

void JanelaBloco::changeEvent(QEvent* evento) {
  // Coming back to the window shows the output's description as the variable
  // list may have left it, unless the user has an edit waiting to be applied.
  if (evento->type() == QEvent::ActivationChange && isActiveWindow() && botaoAtualizar_ &&
      !botaoAtualizar_->isEnabled()) {
    if (Bloco* b = modelo()) {
      b->CarregaDescricao();
      rascunho_.Descricao = b->Descricao;
      preenchendo_ = true;
      descricao_->setText(Texto(b->Descricao.Em(sessao_.IdiomaIngles())));
      preenchendo_ = false;
    }
  }
  QWidget::changeEvent(evento);
}

}  // namespace quiv
