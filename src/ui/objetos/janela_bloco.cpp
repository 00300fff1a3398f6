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
  btnatualiza_->setEnabled(false);
  SairButton_->setEnabled(true);
  resize(sizeHint());
}

JanelaBloco::~JanelaBloco() = default;

Bloco* JanelaBloco::modelo() const { return sessao_.documento().BlocoDe(n_); }

void JanelaBloco::CriaControles() {
  auto* principal = new QVBoxLayout(this);

  Panel1_ = new QFrame(this);
  Panel1_->setObjectName(QStringLiteral("Panel1"));
  Panel1_->setFrameShape(QFrame::StyledPanel);
  Panel1_->setFrameShadow(QFrame::Raised);
  auto* painel = new QHBoxLayout(Panel1_);
  Label9_ = TituloObjeto(Panel1_, "Label9");
  Label9_->setMinimumHeight(Label9_->fontMetrics().height());
  painel->addWidget(Label9_);
  principal->addWidget(Panel1_);

  auto* grade = new QGridLayout;
  principal->addLayout(grade);
  TagText_ = Edicao(this, "TagText");
  DescricaoText_ = Edicao(this, "DescricaoText");
  FuncaoTr_ = Edicao(this, "FuncaoTr", tr("Expressão matemática do cálculo"));
  // Room for a selector between two sums and a description of some words.
  FuncaoTr_->setMinimumWidth(FuncaoTr_->fontMetrics().averageCharWidth() * 44);
  Label1_ = Rotulo(this, "Label1", QStringLiteral("="));
  Label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label6_ = Rotulo(this, "Label6", QStringLiteral("0.00"));
  QFont leitura = Label6_->font();
  leitura.setBold(true);
  Label6_->setFont(leitura);
  grade->addWidget(Rotulo(this, "Label3", tr("Tag:")), 0, 0);
  grade->addWidget(TagText_, 0, 1, 1, 2);
  grade->addWidget(Rotulo(this, "Label4", tr("Desc:")), 1, 0);
  grade->addWidget(DescricaoText_, 1, 1, 1, 2);
  grade->addWidget(Rotulo(this, "Label2", tr("Função")), 2, 0);
  grade->addWidget(FuncaoTr_, 2, 1, 1, 2);
  grade->addWidget(Label1_, 3, 0);
  grade->addWidget(Label6_, 3, 1);
  grade->setColumnStretch(2, 1);

  GroupBox1_ = new QGroupBox(tr("Limites:"), this);
  GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
  auto* limites = new QGridLayout(GroupBox1_);
  LimSupCheck_ = new QCheckBox(tr("Max:"), GroupBox1_);
  LimSupCheck_->setObjectName(QStringLiteral("LimSupCheck"));
  LimSupText_ = Edicao(GroupBox1_, "LimSupText", tr("Limite superior para saída"));
  LimInfCheck_ = new QCheckBox(tr("Min:"), GroupBox1_);
  LimInfCheck_->setObjectName(QStringLiteral("LimInfCheck"));
  LimInfText_ = Edicao(GroupBox1_, "LimInfText", tr("Limite inferior para saída"));
  limites->addWidget(LimSupCheck_, 0, 0);
  limites->addWidget(LimSupText_, 0, 1);
  limites->addWidget(LimInfCheck_, 1, 0);
  limites->addWidget(LimInfText_, 1, 1);
  limites->setColumnStretch(1, 1);
  principal->addWidget(GroupBox1_);

  auto* botoes = new QHBoxLayout;
  principal->addLayout(botoes);
  btnatualiza_ = new QPushButton(tr("Atualizar"), this);
  btnatualiza_->setObjectName(QStringLiteral("btnatualiza"));
  SpeedButton1_ = new QToolButton(this);
  SpeedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1_->setText(QStringLiteral("?"));
  SpeedButton1_->setToolTip(tr("Ajuda"));
  SairButton_ = new QToolButton(this);
  SairButton_->setObjectName(QStringLiteral("SairButton"));
  SairButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  SairButton_->setToolTip(tr("Sair"));
  botoes->addWidget(btnatualiza_);
  botoes->addStretch(1);
  botoes->addWidget(SpeedButton1_);
  botoes->addWidget(SairButton_);
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
      TagTextChange();
    });
  };
  campo(TagText_, [this](FormularioBloco& b, const QString& t) {
    b.Tag.Edita(sessao_.IdiomaIngles(), Std(t));
  });
  campo(DescricaoText_, [this](FormularioBloco& b, const QString& t) {
    b.Descricao.Edita(sessao_.IdiomaIngles(), Std(t));
  });
  campo(FuncaoTr_, [](FormularioBloco& b, const QString& t) { b.Funcao = Std(t); });
  campo(LimSupText_, [](FormularioBloco& b, const QString& t) { b.LimiteSuperior = Std(t); });
  campo(LimInfText_, [](FormularioBloco& b, const QString& t) { b.LimiteInferior = Std(t); });

  // The switches are read by every step: they reach the running block at once.
  auto chave = [this](QCheckBox* caixa, bool FormularioBloco::*membro) {
    connect(caixa, &QCheckBox::toggled, this, [this, membro](bool ligado) {
      if (preenchendo_) return;
      rascunho_.*membro = ligado;
      sessao_.Opera([n = n_, membro, ligado](Documento& d) {
        if (Bloco* b = d.BlocoDe(n)) b->*membro = ligado;
      });
      TagTextChange();
    });
  };
  chave(LimSupCheck_, &FormularioBloco::LimiteSuperiorAtivo);
  chave(LimInfCheck_, &FormularioBloco::LimiteInferiorAtivo);

  connect(btnatualiza_, &QPushButton::clicked, this, &JanelaBloco::btnatualizaClick);
  connect(SairButton_, &QToolButton::clicked, this, &JanelaBloco::SairButtonClick);
  connect(SpeedButton1_, &QToolButton::clicked, this, &JanelaBloco::SpeedButton1Click);

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &JanelaBloco::AtualizaLeitura);
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    // Another plant: nothing typed here belongs to it.
    btnatualiza_->setEnabled(false);
    SairButton_->setEnabled(true);
    if (isVisible() && modelo()) Preenche();
  });
  // An apply of this block, or its undo: the window shows the block's form.
  connect(&sessao_, &SessaoSimulacao::ObjetoAlterado, this, [this](TipoObjeto tipo, int n) {
    if (tipo != TipoObjeto::Bloco || n != n_ || !modelo()) return;
    btnatualiza_->setEnabled(false);
    SairButton_->setEnabled(true);
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
  if (!btnatualiza_->isEnabled()) {
    b->LeDescricao();
    rascunho_ = *b;
  }
  const auto& f = rascunho_;
  TagText_->setText(Texto(f.Tag.Em(ingles)));
  DescricaoText_->setText(Texto(f.Descricao.Em(ingles)));
  FuncaoTr_->setText(Texto(f.Funcao));
  LimSupCheck_->setChecked(f.LimiteSuperiorAtivo);
  LimSupText_->setText(Texto(f.LimiteSuperior));
  LimInfCheck_->setChecked(f.LimiteInferiorAtivo);
  LimInfText_->setText(Texto(f.LimiteInferior));
  preenchendo_ = false;
  MostraIdentificacao();
  DefineTexto(Label6_, Texto(TextoFixo(b->Leitura, 2)));
}

void JanelaBloco::MostraIdentificacao() {
  const Bloco* b = modelo();
  if (!b) return;
  DefineTexto(Label9_, Texto(b->Titulo));
  DefineTexto(Label1_, Texto(b->RotuloSaida));
}

void JanelaBloco::AtualizaLeitura() {
  if (!isVisible() || sessao_.simulacao().ModoRapido) return;
  if (const Bloco* b = modelo()) DefineTexto(Label6_, Texto(TextoFixo(b->Leitura, 2)));
}

void JanelaBloco::TagTextChange() {
  btnatualiza_->setEnabled(true);
  SairButton_->setEnabled(false);
}

void JanelaBloco::Mostra() {
  Preenche();
  show();
  raise();
  activateWindow();
}

void JanelaBloco::btnatualizaClick() {
  // All or nothing; on success the session's announcement refills the window.
  if (modelo()) AplicaFormulario<Bloco>(sessao_, n_, rascunho_);
}

void JanelaBloco::SairButtonClick() {
  btnatualiza_->setEnabled(false);
  close();
}

void JanelaBloco::SpeedButton1Click() {
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
  if (evento->type() == QEvent::ActivationChange && isActiveWindow() && btnatualiza_ &&
      !btnatualiza_->isEnabled()) {
    if (Bloco* b = modelo()) {
      b->LeDescricao();
      rascunho_.Descricao = b->Descricao;
      preenchendo_ = true;
      DescricaoText_->setText(Texto(b->Descricao.Em(sessao_.IdiomaIngles())));
      preenchendo_ = false;
    }
  }
  QWidget::changeEvent(evento);
}

}  // namespace quiv
