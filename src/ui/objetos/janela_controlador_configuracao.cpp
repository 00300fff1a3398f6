// SPDX-License-Identifier: GPL-3.0-or-later
// The controller window's configuration panel: every parameter bound to the
// controller's form fields, the address pickers and Atualizar.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <utility>

#include "core/analise/ajuste_controlador.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/verificacoes.h"
#include "core/objetos/controlador.h"
#include "ui/analise/pagina_sintonia.h"
#include "ui/comum/controles.h"
#include "ui/objetos/janela_controlador.h"
#include "ui/sessao/comando_formulario.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// A radio group of two items, ids 0 and 1 (the item index).
QButtonGroup* Grupo(QWidget* pai, QLayout* destino, const char* nome, const QString& titulo,
                    const QString& item0, const QString& item1, const QString& dica = {}) {
  auto* caixa = new QGroupBox(titulo, pai);
  caixa->setObjectName(QLatin1String(nome));
  if (!dica.isEmpty()) caixa->setToolTip(dica);
  auto* v = new QVBoxLayout(caixa);
  v->setContentsMargins(6, 2, 6, 4);
  v->setSpacing(1);
  auto* grupo = new QButtonGroup(caixa);
  grupo->setObjectName(QLatin1String(nome) + QStringLiteral("Itens"));
  int id = 0;
  for (const QString& texto : {item0, item1}) {
    auto* r = new QRadioButton(texto, caixa);
    r->setObjectName(QLatin1String(nome) + QString::number(id));
    grupo->addButton(r, id++);
    v->addWidget(r);
  }
  destino->addWidget(caixa);
  return grupo;
}

QComboBox* Lista(QWidget* pai, const char* nome, const QString& dica = {}) {
  auto* c = new QComboBox(pai);
  c->setObjectName(QLatin1String(nome));
  if (!dica.isEmpty()) c->setToolTip(dica);
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(12);
  return c;
}

}  // namespace

void JanelaControlador::CriaConfiguracao(QWidget* p) {
  auto* colunas = new QHBoxLayout;
  colunas->setSpacing(6);
  auto* esquerda = new QVBoxLayout;
  auto* direita = new QVBoxLayout;
  esquerda->setSpacing(4);
  direita->setSpacing(4);
  colunas->addLayout(esquerda, 1);
  colunas->addLayout(direita, 1);

  auto* GroupBox1 = new QGroupBox(tr("Identificação"), p);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* g1 = new QGridLayout(GroupBox1);
  g1->setContentsMargins(6, 2, 6, 4);
  g1->setSpacing(3);
  TagText_ = Edicao(GroupBox1, "TagText");
  Descricao_ = Edicao(GroupBox1, "Descricao");
  g1->addWidget(Rotulo(GroupBox1, "Label40", tr("Tag")), 0, 0);
  g1->addWidget(TagText_, 0, 1);
  g1->addWidget(Rotulo(GroupBox1, "Label42", tr("Desc")), 1, 0);
  g1->addWidget(Descricao_, 1, 1);
  esquerda->addWidget(GroupBox1);

  auto* ParametrosGroup = new QGroupBox(tr("Parâmetros"), p);
  ParametrosGroup->setObjectName(QStringLiteral("ParametrosGroup"));
  auto* gp = new QGridLayout(ParametrosGroup);
  gp->setContentsMargins(6, 2, 6, 4);
  gp->setHorizontalSpacing(4);
  gp->setVerticalSpacing(3);
  KpText_ = Edicao(ParametrosGroup, "KpText", tr("Ganho Proporcional (adimensional)"));
  KiText_ = Edicao(ParametrosGroup, "KiText", tr("Tempo Integral (segundos)"));
  KdText_ = Edicao(ParametrosGroup, "KdText", tr("Tempo Derivativo (segundos)"));
  aText_ = Edicao(ParametrosGroup, "aText", tr("Influencia do SP na ação Proporcinal (0 a 1)"));
  tfText_ = Edicao(ParametrosGroup, "tfText", tr("Contante de Tempo do Filtro da ação Derivativa"));
  BiasText_ = Edicao(ParametrosGroup, "BiasText",
                     tr("Valor Constante a ser Somado na Saída do Controlador"));
  gp->addWidget(Rotulo(ParametrosGroup, "Label31", tr("Kc:")), 0, 0);
  gp->addWidget(KpText_, 0, 1);
  gp->addWidget(Rotulo(ParametrosGroup, "Label32", tr("Ti(seg):")), 1, 0);
  gp->addWidget(KiText_, 1, 1);
  gp->addWidget(Rotulo(ParametrosGroup, "Label33", tr("Td(seg):")), 2, 0);
  gp->addWidget(KdText_, 2, 1);
  gp->addWidget(Rotulo(ParametrosGroup, "Label35", tr("Fator SP (a):")), 3, 0);
  gp->addWidget(aText_, 3, 1);
  gp->addWidget(Rotulo(ParametrosGroup, "Label41", tr("Filtro D talF(s):")), 4, 0);
  gp->addWidget(tfText_, 4, 1);
  gp->addWidget(Rotulo(ParametrosGroup, "Label34", tr("Bias(%)")), 5, 0);
  gp->addWidget(BiasText_, 5, 1);
  PCHK_ = Caixa(ParametrosGroup, "PCHK", tr("P"));
  ICHK_ = Caixa(ParametrosGroup, "ICHK", tr("I"));
  DCHK_ = Caixa(ParametrosGroup, "DCHK", tr("D"));
  gp->addWidget(PCHK_, 0, 2);
  gp->addWidget(ICHK_, 1, 2);
  gp->addWidget(DCHK_, 2, 2);
  gp->setColumnStretch(1, 1);
  esquerda->addWidget(ParametrosGroup);
  esquerda->addStretch(1);

  auto* ConfigGroup = new QGroupBox(p);
  ConfigGroup->setObjectName(QStringLiteral("ConfigGroup"));
  auto* gc = new QGridLayout(ConfigGroup);
  gc->setContentsMargins(6, 4, 6, 4);
  gc->setHorizontalSpacing(4);
  gc->setVerticalSpacing(3);
  VariavelSelect_ = Lista(ConfigGroup, "VariavelSelect", tr("Seleciona Variável de Processo"));
  // The English interface translates the hints of the picker and of the
  // expression only; those of their check boxes stay as they are.
  CheckSPR_ =
      Caixa(ConfigGroup, "CheckSPR", tr("SPR"), tr("Endereço para Setpoint Remoto", "CheckSPR"));
  SPRSelect_ = Lista(ConfigGroup, "SPRSelect", tr("Endereço para Setpoint Remoto"));
  BackMVCheck_ = Caixa(ConfigGroup, "BackMVCheck", tr("End. p/ Realim.de MV:"));
  BackMV_ = Lista(ConfigGroup, "BackMV");
  BackMV_->setMinimumContentsLength(3);
  for (int k = 1; k <= Memoria::kEnderecos; ++k)
    BackMV_->addItem(QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
  FFwSelect_ =
      Caixa(ConfigGroup, "FFwSelect", tr("FF"),
            tr("Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)", "FFwSelect"));
  FFwEquation_ = Edicao(ConfigGroup, "FFwEquation",
                        tr("Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)"));
  gc->addWidget(Rotulo(ConfigGroup, "Label36", tr("PV")), 0, 0);
  gc->addWidget(VariavelSelect_, 0, 1, 1, 2);
  gc->addWidget(CheckSPR_, 1, 0);
  gc->addWidget(SPRSelect_, 1, 1, 1, 2);
  gc->addWidget(BackMVCheck_, 2, 0, 1, 2);
  gc->addWidget(BackMV_, 2, 2);
  gc->addWidget(FFwSelect_, 3, 0);
  gc->addWidget(FFwEquation_, 3, 1, 1, 2);
  gc->setColumnStretch(1, 1);
  direita->addWidget(ConfigGroup);

  auto* GroupBox4 = new QGroupBox(tr("Limites de Saída"), p);
  GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
  auto* g4 = new QHBoxLayout(GroupBox4);
  g4->setContentsMargins(6, 2, 6, 4);
  g4->setSpacing(4);
  COminText_ = Edicao(GroupBox4, "COminText", tr("Limite Inferior da CO"));
  COmaxText_ = Edicao(GroupBox4, "COmaxText", tr("Limite Superior da CO"));
  g4->addWidget(Rotulo(GroupBox4, "Label45", tr("CO Min.:")));
  g4->addWidget(COminText_, 1);
  g4->addWidget(Rotulo(GroupBox4, "Label46", tr("CO Max.:")));
  g4->addWidget(COmaxText_, 1);
  direita->addWidget(GroupBox4);

  auto* EscalaGroup = new QGroupBox(tr("Escala"), p);
  EscalaGroup->setObjectName(QStringLiteral("EscalaGroup"));
  auto* ge = new QHBoxLayout(EscalaGroup);
  ge->setContentsMargins(6, 2, 6, 4);
  ge->setSpacing(4);
  InicioEscala_ = Edicao(EscalaGroup, "InicioEscala");
  FimEscala_ = Edicao(EscalaGroup, "FimEscala");
  UnidEng_ = Edicao(EscalaGroup, "UnidEng");
  ge->addWidget(Rotulo(EscalaGroup, "Label37", tr("Início")));
  ge->addWidget(InicioEscala_, 1);
  ge->addWidget(Rotulo(EscalaGroup, "Label38", tr("Final")));
  ge->addWidget(FimEscala_, 1);
  ge->addWidget(Rotulo(EscalaGroup, "Label39", tr("Unid.")));
  ge->addWidget(UnidEng_, 1);
  for (QLineEdit* e : {InicioEscala_, FimEscala_, UnidEng_}) {
    // Copied from the PV address's descriptor when the parameters are applied.
    e->setReadOnly(true);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
  }
  direita->addWidget(EscalaGroup);
  direita->addStretch(1);

  auto* grupos = new QHBoxLayout;
  grupos->setSpacing(6);
  Acaogroup_ = Grupo(p, grupos, "Acaogroup", tr("Tipo Processo"), tr("Resposta Reversa"),
                     tr("Resposta Direta"),
                     tr("Resposta Direta: Aumento na MV causa aumento na PV; Resposta  Reversa: "
                        "Aumento  na MV causa Diminuição da PV"));
  EstruturaGroup_ = Grupo(p, grupos, "EstruturaGroup", tr("Estrutura"), tr("Paralela"),
                          tr("ISA (mista)"), tr("Estrutura ISA: Ganho Kc em Evidência"));
  DerivadaGroup_ =
      Grupo(p, grupos, "DerivadaGroup", tr("Derivada"), tr("Sobre o Erro"), tr("Sobre a PV"));
  btnatualiza_ = new QPushButton(tr("Atualizar"), p);
  btnatualiza_->setObjectName(QStringLiteral("btnatualiza"));
  btnatualiza_->setEnabled(false);
  btnatualiza_->setAutoDefault(false);
  SintoniaBTN_ = new QPushButton(tr("Sintonia..."), p);
  SintoniaBTN_->setObjectName(QStringLiteral("SintoniaBTN"));
  SintoniaBTN_->setToolTip(
      tr("Ensaio em degrau, modelo do processo e ajustes pelas regras de sintonia"));
  SintoniaBTN_->setAutoDefault(false);
  auto* botoes = new QVBoxLayout;
  botoes->setSpacing(6);
  botoes->addStretch(1);
  botoes->addWidget(SintoniaBTN_);
  botoes->addWidget(btnatualiza_);
  grupos->addLayout(botoes);

  auto* v = new QVBoxLayout(p);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(6);
  v->addLayout(colunas, 1);
  v->addLayout(grupos);

  LigaConfiguracao();
}

void JanelaControlador::LigaConfiguracao() {
  // Each edit goes into the window's form; "Atualizar" hands it to the
  // session. The fields every step reads (the output limits, the
  // feed-forward equation, the actions, the remote SP and the slave
  // feedback) also reach the running controller at once, a text only when it
  // evaluates: a typing error never reaches the plant.
  auto vivo = [this](auto FormularioControlador::*campo) {
    sessao_.Opera([n = n_, campo, valor = rascunho_.*campo](Documento& d) {
      if (Controlador* c = d.ControladorDe(n)) c->*campo = valor;
    });
  };
  auto texto = [this, vivo](QLineEdit* e, std::string FormularioControlador::*campo,
                            bool lidoPeloPasso = false) {
    connect(e, &QLineEdit::textChanged, this, [this, vivo, campo, lidoPeloPasso](const QString& t) {
      if (preenchendo_) return;
      rascunho_.*campo = t.toStdString();
      if (lidoPeloPasso && EquacaoValida(rascunho_.*campo, sessao_.simulacao().memoria))
        vivo(campo);
      ConfiguracaoAlterada();
    });
  };
  texto(KpText_, &FormularioControlador::TextoKp);
  texto(KiText_, &FormularioControlador::TextoTi);
  texto(KdText_, &FormularioControlador::TextoTd);
  texto(aText_, &FormularioControlador::TextoFatorA);
  texto(tfText_, &FormularioControlador::TextoTf);
  texto(BiasText_, &FormularioControlador::TextoBias);
  texto(COminText_, &FormularioControlador::TextoCOmin, true);
  texto(COmaxText_, &FormularioControlador::TextoCOmax, true);
  texto(FFwEquation_, &FormularioControlador::EquacaoFF, true);

  auto bilingue = [this](QLineEdit* e, TextoBilingue FormularioControlador::*campo) {
    connect(e, &QLineEdit::textChanged, this, [this, campo](const QString& t) {
      if (preenchendo_) return;
      (rascunho_.*campo).Edita(sessao_.IdiomaIngles(), t.toStdString());
      ConfiguracaoAlterada();
    });
  };
  bilingue(TagText_, &FormularioControlador::Tag);
  bilingue(Descricao_, &FormularioControlador::Descricao);

  auto marca = [this, vivo](QCheckBox* caixa, bool FormularioControlador::*campo,
                            bool lidoPeloPasso) {
    connect(caixa, &QCheckBox::toggled, this, [this, vivo, campo, lidoPeloPasso](bool marcado) {
      if (preenchendo_) return;
      rascunho_.*campo = marcado;
      if (lidoPeloPasso) vivo(campo);
      ConfiguracaoAlterada();
    });
  };
  marca(PCHK_, &FormularioControlador::AcaoP, true);
  marca(ICHK_, &FormularioControlador::AcaoI, true);
  marca(DCHK_, &FormularioControlador::AcaoD, true);
  marca(BackMVCheck_, &FormularioControlador::HabilitaBackMV, true);
  marca(FFwSelect_, &FormularioControlador::HabilitaFF, false);
  connect(CheckSPR_, &QCheckBox::toggled, this, &JanelaControlador::CheckSPRClick);

  auto item = [this, vivo](QComboBox* lista, int FormularioControlador::*campo,
                           bool lidoPeloPasso) {
    connect(lista, &QComboBox::currentIndexChanged, this,
            [this, vivo, campo, lidoPeloPasso](int indice) {
              if (preenchendo_) return;
              rascunho_.*campo = indice;
              if (lidoPeloPasso) vivo(campo);
              ConfiguracaoAlterada();
            });
  };
  item(VariavelSelect_, &FormularioControlador::ItemPV, false);
  item(SPRSelect_, &FormularioControlador::ItemSPR, false);
  item(BackMV_, &FormularioControlador::ItemBackMV, true);
  VariavelSelect_->installEventFilter(this);
  SPRSelect_->installEventFilter(this);

  auto grupo = [this](QButtonGroup* g, int FormularioControlador::*campo) {
    connect(g, &QButtonGroup::idToggled, this, [this, campo](int id, bool marcado) {
      if (preenchendo_ || !marcado) return;
      rascunho_.*campo = id;
      ConfiguracaoAlterada();
    });
  };
  grupo(Acaogroup_, &FormularioControlador::ItemAcao);
  grupo(EstruturaGroup_, &FormularioControlador::ItemEstrutura);
  grupo(DerivadaGroup_, &FormularioControlador::ItemDerivada);

  connect(btnatualiza_, &QPushButton::clicked, this, &JanelaControlador::btnatualizaClick);
  connect(SintoniaBTN_, &QPushButton::clicked, this, &JanelaControlador::SintoniaBTNClick);
}

void JanelaControlador::ConfiguracaoAlterada() {
  btnatualiza_->setEnabled(true);
  ConfigBTN_->setEnabled(false);
}

void JanelaControlador::CheckSPRClick(bool marcado) {
  if (preenchendo_ || !modelo()) return;
  rascunho_.HabilitaSPR = marcado;
  // The step reads whether a remote SP is offered.
  sessao_.Opera([n = n_, marcado](Documento& d) {
    if (Controlador* c = d.ControladorDe(n)) c->HabilitaSPR = marcado;
  });
  SPRSelect_->setEnabled(marcado);
  if (marcado) {
    rascunho_.ItemSPR = 0;
    QScopedValueRollback<bool> mudo(preenchendo_, true);
    SPRSelect_->setCurrentIndex(0);
  }
  ConfiguracaoAlterada();
}

void JanelaControlador::btnatualizaClick() { AplicaConfiguracao(); }

bool JanelaControlador::AplicaConfiguracao() {
  // All or nothing; on success the session's announcement refills the window.
  return modelo() && AplicaFormulario<Controlador>(sessao_, n_, rascunho_);
}

bool JanelaControlador::AplicaSintonia(const ParametrosControlador& parametros) {
  if (!modelo()) return false;
  EscreveSintonia(rascunho_, parametros);
  ConfiguracaoAlterada();
  return AplicaConfiguracao();
}

PaginaSintonia& JanelaControlador::Sintonia() {
  if (!sintonia_)
    sintonia_ = new PaginaSintonia(
        sessao_, n_, [this](const ParametrosControlador& p) { return AplicaSintonia(p); }, this);
  return *sintonia_;
}

void JanelaControlador::SintoniaBTNClick() { Sintonia().Mostra(); }

void JanelaControlador::PreencheListas(const FormularioControlador& c) {
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  QStringList itens;
  for (const std::string& item : ListaEnderecos(sessao_.documento().simulacao.memoria))
    itens.append(QString::fromStdString(item));
  for (QComboBox* lista : {VariavelSelect_, SPRSelect_}) {
    QStringList atuais;
    for (int i = 0; i < lista->count(); ++i) atuais.append(lista->itemText(i));
    if (atuais != itens) {
      lista->clear();
      lista->addItems(itens);
    }
  }
  VariavelSelect_->setCurrentIndex(c.ItemPV < itens.size() ? c.ItemPV : -1);
  SPRSelect_->setCurrentIndex(c.ItemSPR < itens.size() ? c.ItemSPR : -1);
}

void JanelaControlador::PreencheConfiguracao(const FormularioControlador& c) {
  const bool ingles = sessao_.IdiomaIngles();
  auto poe = [](QLineEdit* e, std::string_view texto) {
    const QString q = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
    if (e->text() != q) e->setText(q);
  };
  poe(TagText_, c.Tag.Em(ingles));
  poe(Descricao_, c.Descricao.Em(ingles));
  poe(KpText_, c.TextoKp);
  poe(KiText_, c.TextoTi);
  poe(KdText_, c.TextoTd);
  poe(aText_, c.TextoFatorA);
  poe(tfText_, c.TextoTf);
  poe(BiasText_, c.TextoBias);
  poe(COminText_, c.TextoCOmin);
  poe(COmaxText_, c.TextoCOmax);
  poe(FFwEquation_, c.EquacaoFF);
  poe(InicioEscala_, c.InicioEscala);
  poe(FimEscala_, c.FimEscala);
  poe(UnidEng_, c.UnidEng);
  PCHK_->setChecked(c.AcaoP);
  ICHK_->setChecked(c.AcaoI);
  DCHK_->setChecked(c.AcaoD);
  CheckSPR_->setChecked(c.HabilitaSPR);
  SPRSelect_->setEnabled(c.HabilitaSPR);
  BackMVCheck_->setChecked(c.HabilitaBackMV);
  BackMV_->setCurrentIndex(c.ItemBackMV >= 0 && c.ItemBackMV < BackMV_->count() ? c.ItemBackMV
                                                                                : -1);
  FFwSelect_->setChecked(c.HabilitaFF);
  for (auto [grupo, indice] :
       {std::pair{Acaogroup_, c.ItemAcao}, std::pair{EstruturaGroup_, c.ItemEstrutura},
        std::pair{DerivadaGroup_, c.ItemDerivada}}) {
    if (QAbstractButton* b = grupo->button(indice)) {
      b->setChecked(true);
    } else {
      // No item chosen: neither radio button is set.
      grupo->setExclusive(false);
      for (QAbstractButton* r : grupo->buttons()) r->setChecked(false);
      grupo->setExclusive(true);
    }
  }
  PreencheListas(c);
}

}  // namespace quiv
