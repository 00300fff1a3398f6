// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_bloco.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <string_view>

#include "core/arquivo/documento.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/bloco.h"
#include "ui/comum/controles.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

std::string Std(const QString& t) { return t.toStdString(); }

}  // namespace

// Title only, no close box: the window is left through Sair.
JanelaBloco::JanelaBloco(SessaoSimulacao& sessao, int n, QWidget* pai)
    : JanelaDescrita(sessao, n, "/simulador/objetos_simulacao/#bloco_calculo", pai,
                     Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Bloco%1").arg(n));
  setWindowTitle(tr("Bloco de Cálculo"));
  CriaControles();
  Conecta();
  Conclui(descricao_);
}

JanelaBloco::~JanelaBloco() = default;

void JanelaBloco::CriaControles() {
  auto* principal = new QVBoxLayout(this);

  painelTitulo_ = CriaPainelTitulo();
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

  principal->addLayout(CriaBotoes(tr("Atualizar"), tr("Ajuda"), tr("Sair")));
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
  LigaBilingue(tag_, &FormularioBloco::Tag);
  LigaBilingue(descricao_, &FormularioBloco::Descricao);
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

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &JanelaBloco::AtualizaLeitura);
}

void JanelaBloco::Preenche() {
  Bloco* b = modelo();
  if (!b) return;
  preenchendo_ = true;
  const bool ingles = sessao_.IdiomaIngles();
  CarregaRascunho(*b);
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

void JanelaBloco::Sai() {
  botaoAtualizar_->setEnabled(false);
  close();
}

}  // namespace quiv
