// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/configuracao_controlador.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

#include "core/arquivo/documento.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/verificacoes.h"
#include "core/objetos/controlador.h"
#include "ui/comum/controles.h"
#include "ui/comum/poe_texto.h"
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

// A text marked with QT_TRANSLATE_NOOP in the controller window's context.
QString Tr(const char* texto) {
  return QCoreApplication::translate("quiv::JanelaControlador", texto);
}

// An edit with its label: the object names of both, the label and the hint,
// untranslated (QT_TRANSLATE_NOOP in the controller window's context).
struct CampoRotulado {
  QLineEdit** destino;
  const char* nome;
  const char* nomeRotulo;
  const char* rotulo;
  const char* dica = nullptr;
};

QLineEdit* NovaEdicao(QWidget* pai, const CampoRotulado& c) {
  return Edicao(pai, c.nome, c.dica ? Tr(c.dica) : QString());
}

// Each edit in a row of its own, its label on the left.
void EmLinhas(QGridLayout* grade, QWidget* pai, std::initializer_list<CampoRotulado> campos) {
  int linha = 0;
  for (const CampoRotulado& c : campos) {
    *c.destino = NovaEdicao(pai, c);
    grade->addWidget(Rotulo(pai, c.nomeRotulo, Tr(c.rotulo)), linha, 0);
    grade->addWidget(*c.destino, linha++, 1);
  }
}

// The edits side by side, each after its label.
void LadoALado(QHBoxLayout* fila, QWidget* pai, std::initializer_list<CampoRotulado> campos) {
  for (const CampoRotulado& c : campos) {
    *c.destino = NovaEdicao(pai, c);
    fila->addWidget(Rotulo(pai, c.nomeRotulo, Tr(c.rotulo)));
    fila->addWidget(*c.destino, 1);
  }
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

ConfiguracaoControlador::ConfiguracaoControlador(SessaoSimulacao& sessao, int n,
                                                 FormularioControlador& rascunho,
                                                 std::function<void()> alterado, QWidget* pai)
    : QWidget(pai), sessao_(sessao), n_(n), rascunho_(rascunho), alterado_(std::move(alterado)) {
  setObjectName(QStringLiteral("Panel2"));
  QWidget* p = this;
  auto* colunas = new QHBoxLayout;
  colunas->setSpacing(6);
  auto* esquerda = new QVBoxLayout;
  auto* direita = new QVBoxLayout;
  esquerda->setSpacing(4);
  direita->setSpacing(4);
  colunas->addLayout(esquerda, 1);
  colunas->addLayout(direita, 1);

  auto* grupoIdentificacao =
      new QGroupBox(QCoreApplication::translate("quiv::JanelaControlador", "Identificação"), p);
  grupoIdentificacao->setObjectName(QStringLiteral("GroupBox1"));
  auto* g1 = new QGridLayout(grupoIdentificacao);
  g1->setContentsMargins(6, 2, 6, 4);
  g1->setSpacing(3);
  EmLinhas(g1, grupoIdentificacao,
           {{&tag_, "TagText", "Label40", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Tag")},
            {&descricao_, "Descricao", "Label42",
             QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Desc")}});
  esquerda->addWidget(grupoIdentificacao);

  auto* grupoParametros =
      new QGroupBox(QCoreApplication::translate("quiv::JanelaControlador", "Parâmetros"), p);
  grupoParametros->setObjectName(QStringLiteral("ParametrosGroup"));
  auto* gp = new QGridLayout(grupoParametros);
  gp->setContentsMargins(6, 2, 6, 4);
  gp->setHorizontalSpacing(4);
  gp->setVerticalSpacing(3);
  EmLinhas(
      gp, grupoParametros,
      {{&kp_, "KpText", "Label31", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Kc:"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Ganho Proporcional (adimensional)")},
       {&ti_, "KiText", "Label32", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Ti(seg):"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Tempo Integral (segundos)")},
       {&td_, "KdText", "Label33", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Td(seg):"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Tempo Derivativo (segundos)")},
       {&fatorA_, "aText", "Label35", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Fator SP (a):"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador",
                          "Influencia do SP na ação Proporcinal (0 a 1)")},
       {&tf_, "tfText", "Label41",
        QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Filtro D talF(s):"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador",
                          "Contante de Tempo do Filtro da ação Derivativa")},
       {&bias_, "BiasText", "Label34", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Bias(%)"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador",
                          "Valor Constante a ser Somado na Saída do Controlador")}});
  acaoP_ =
      Caixa(grupoParametros, "PCHK", QCoreApplication::translate("quiv::JanelaControlador", "P"));
  acaoI_ =
      Caixa(grupoParametros, "ICHK", QCoreApplication::translate("quiv::JanelaControlador", "I"));
  acaoD_ =
      Caixa(grupoParametros, "DCHK", QCoreApplication::translate("quiv::JanelaControlador", "D"));
  gp->addWidget(acaoP_, 0, 2);
  gp->addWidget(acaoI_, 1, 2);
  gp->addWidget(acaoD_, 2, 2);
  gp->setColumnStretch(1, 1);
  esquerda->addWidget(grupoParametros);
  esquerda->addStretch(1);

  auto* grupoEnderecos = new QGroupBox(p);
  grupoEnderecos->setObjectName(QStringLiteral("ConfigGroup"));
  auto* gc = new QGridLayout(grupoEnderecos);
  gc->setContentsMargins(6, 4, 6, 4);
  gc->setHorizontalSpacing(4);
  gc->setVerticalSpacing(3);
  seletorPV_ = Lista(
      grupoEnderecos, "VariavelSelect",
      QCoreApplication::translate("quiv::JanelaControlador", "Seleciona Variável de Processo"));
  // The English interface translates the hints of the picker and of the
  // expression only; those of their check boxes stay as they are.
  habilitaSPR_ = Caixa(grupoEnderecos, "CheckSPR",
                       QCoreApplication::translate("quiv::JanelaControlador", "SPR"),
                       QCoreApplication::translate("quiv::JanelaControlador",
                                                   "Endereço para Setpoint Remoto", "CheckSPR"));
  seletorSPR_ = Lista(
      grupoEnderecos, "SPRSelect",
      QCoreApplication::translate("quiv::JanelaControlador", "Endereço para Setpoint Remoto"));
  habilitaBackMV_ =
      Caixa(grupoEnderecos, "BackMVCheck",
            QCoreApplication::translate("quiv::JanelaControlador", "End. p/ Realim.de MV:"));
  enderecoBackMV_ = Lista(grupoEnderecos, "BackMV");
  enderecoBackMV_->setMinimumContentsLength(3);
  for (int k = 1; k <= Memoria::kEnderecos; ++k)
    enderecoBackMV_->addItem(QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
  habilitaFF_ = Caixa(
      grupoEnderecos, "FFwSelect", QCoreApplication::translate("quiv::JanelaControlador", "FF"),
      QCoreApplication::translate(
          "quiv::JanelaControlador",
          "Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)", "FFwSelect"));
  equacaoFF_ = Edicao(grupoEnderecos, "FFwEquation",
                      QCoreApplication::translate(
                          "quiv::JanelaControlador",
                          "Adiciona Expressão para Cálculo do Bias Dinâmico (ação FeedForward)"));
  gc->addWidget(Rotulo(grupoEnderecos, "Label36",
                       QCoreApplication::translate("quiv::JanelaControlador", "PV")),
                0, 0);
  gc->addWidget(seletorPV_, 0, 1, 1, 2);
  gc->addWidget(habilitaSPR_, 1, 0);
  gc->addWidget(seletorSPR_, 1, 1, 1, 2);
  gc->addWidget(habilitaBackMV_, 2, 0, 1, 2);
  gc->addWidget(enderecoBackMV_, 2, 2);
  gc->addWidget(habilitaFF_, 3, 0);
  gc->addWidget(equacaoFF_, 3, 1, 1, 2);
  gc->setColumnStretch(1, 1);
  direita->addWidget(grupoEnderecos);

  auto* grupoLimites =
      new QGroupBox(QCoreApplication::translate("quiv::JanelaControlador", "Limites de Saída"), p);
  grupoLimites->setObjectName(QStringLiteral("GroupBox4"));
  auto* g4 = new QHBoxLayout(grupoLimites);
  g4->setContentsMargins(6, 2, 6, 4);
  g4->setSpacing(4);
  LadoALado(
      g4, grupoLimites,
      {{&coMin_, "COminText", "Label45", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "CO Min.:"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Limite Inferior da CO")},
       {&coMax_, "COmaxText", "Label46", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "CO Max.:"),
        QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Limite Superior da CO")}});
  direita->addWidget(grupoLimites);

  auto* grupoEscala =
      new QGroupBox(QCoreApplication::translate("quiv::JanelaControlador", "Escala"), p);
  grupoEscala->setObjectName(QStringLiteral("EscalaGroup"));
  auto* ge = new QHBoxLayout(grupoEscala);
  ge->setContentsMargins(6, 2, 6, 4);
  ge->setSpacing(4);
  LadoALado(
      ge, grupoEscala,
      {{&inicioEscala_, "InicioEscala", "Label37",
        QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Início")},
       {&fimEscala_, "FimEscala", "Label38", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Final")},
       {&unidade_, "UnidEng", "Label39", QT_TRANSLATE_NOOP("quiv::JanelaControlador", "Unid.")}});
  for (QLineEdit* e : {inicioEscala_, fimEscala_, unidade_}) {
    // Copied from the PV address's descriptor when the parameters are applied.
    e->setReadOnly(true);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
  }
  direita->addWidget(grupoEscala);
  direita->addStretch(1);

  auto* grupos = new QHBoxLayout;
  grupos->setSpacing(6);
  grupoAcao_ = Grupo(p, grupos, "Acaogroup",
                     QCoreApplication::translate("quiv::JanelaControlador", "Tipo Processo"),
                     QCoreApplication::translate("quiv::JanelaControlador", "Resposta Reversa"),
                     QCoreApplication::translate("quiv::JanelaControlador", "Resposta Direta"),
                     QCoreApplication::translate(
                         "quiv::JanelaControlador",
                         "Resposta Direta: Aumento na MV causa aumento na PV; Resposta  Reversa: "
                         "Aumento  na MV causa Diminuição da PV"));
  grupoEstrutura_ = Grupo(p, grupos, "EstruturaGroup",
                          QCoreApplication::translate("quiv::JanelaControlador", "Estrutura"),
                          QCoreApplication::translate("quiv::JanelaControlador", "Paralela"),
                          QCoreApplication::translate("quiv::JanelaControlador", "ISA (mista)"),
                          QCoreApplication::translate("quiv::JanelaControlador",
                                                      "Estrutura ISA: Ganho Kc em Evidência"));
  grupoDerivada_ = Grupo(p, grupos, "DerivadaGroup",
                         QCoreApplication::translate("quiv::JanelaControlador", "Derivada"),
                         QCoreApplication::translate("quiv::JanelaControlador", "Sobre o Erro"),
                         QCoreApplication::translate("quiv::JanelaControlador", "Sobre a PV"));
  botaoAtualizar_ =
      new QPushButton(QCoreApplication::translate("quiv::JanelaControlador", "Atualizar"), p);
  botaoAtualizar_->setObjectName(QStringLiteral("btnatualiza"));
  botaoAtualizar_->setEnabled(false);
  botaoAtualizar_->setAutoDefault(false);
  botaoSintonia_ =
      new QPushButton(QCoreApplication::translate("quiv::JanelaControlador", "Sintonia..."), p);
  botaoSintonia_->setObjectName(QStringLiteral("SintoniaBTN"));
  botaoSintonia_->setToolTip(QCoreApplication::translate(
      "quiv::JanelaControlador",
      "Ensaio em degrau, modelo do processo e ajustes pelas regras de sintonia"));
  botaoSintonia_->setAutoDefault(false);
  auto* botoes = new QVBoxLayout;
  botoes->setSpacing(6);
  botoes->addStretch(1);
  botoes->addWidget(botaoSintonia_);
  botoes->addWidget(botaoAtualizar_);
  grupos->addLayout(botoes);

  auto* v = new QVBoxLayout(p);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(6);
  v->addLayout(colunas, 1);
  v->addLayout(grupos);

  Liga();
}

Controlador* ConfiguracaoControlador::modelo() const {
  return sessao_.documento().ControladorDe(n_);
}

bool ConfiguracaoControlador::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::FocusIn && (objeto == seletorPV_ || objeto == seletorSPR_)) {
    // Entering the PV or SPR picker: the address list is rebuilt
    // with the descriptions as they are now.
    if (modelo()) PreencheEnderecos(rascunho_);
  }
  return QWidget::eventFilter(objeto, evento);
}

void ConfiguracaoControlador::Liga() {
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
      Alterado();
    });
  };
  texto(kp_, &FormularioControlador::TextoKp);
  texto(ti_, &FormularioControlador::TextoTi);
  texto(td_, &FormularioControlador::TextoTd);
  texto(fatorA_, &FormularioControlador::TextoFatorA);
  texto(tf_, &FormularioControlador::TextoTf);
  texto(bias_, &FormularioControlador::TextoBias);
  texto(coMin_, &FormularioControlador::TextoCOmin, true);
  texto(coMax_, &FormularioControlador::TextoCOmax, true);
  texto(equacaoFF_, &FormularioControlador::EquacaoFF, true);

  auto bilingue = [this](QLineEdit* e, TextoBilingue FormularioControlador::*campo) {
    connect(e, &QLineEdit::textChanged, this, [this, campo](const QString& t) {
      if (preenchendo_) return;
      (rascunho_.*campo).Edita(sessao_.IdiomaIngles(), t.toStdString());
      Alterado();
    });
  };
  bilingue(tag_, &FormularioControlador::Tag);
  bilingue(descricao_, &FormularioControlador::Descricao);

  auto marca = [this, vivo](QCheckBox* caixa, bool FormularioControlador::*campo,
                            bool lidoPeloPasso) {
    connect(caixa, &QCheckBox::toggled, this, [this, vivo, campo, lidoPeloPasso](bool marcado) {
      if (preenchendo_) return;
      rascunho_.*campo = marcado;
      if (lidoPeloPasso) vivo(campo);
      Alterado();
    });
  };
  marca(acaoP_, &FormularioControlador::AcaoP, true);
  marca(acaoI_, &FormularioControlador::AcaoI, true);
  marca(acaoD_, &FormularioControlador::AcaoD, true);
  marca(habilitaBackMV_, &FormularioControlador::HabilitaBackMV, true);
  marca(habilitaFF_, &FormularioControlador::HabilitaFF, false);
  connect(habilitaSPR_, &QCheckBox::toggled, this,
          &ConfiguracaoControlador::HabilitaSetpointRemoto);

  auto item = [this, vivo](QComboBox* lista, int FormularioControlador::*campo,
                           bool lidoPeloPasso) {
    connect(lista, &QComboBox::currentIndexChanged, this,
            [this, vivo, campo, lidoPeloPasso](int indice) {
              if (preenchendo_) return;
              rascunho_.*campo = indice;
              if (lidoPeloPasso) vivo(campo);
              Alterado();
            });
  };
  item(seletorPV_, &FormularioControlador::ItemPV, false);
  item(seletorSPR_, &FormularioControlador::ItemSPR, false);
  item(enderecoBackMV_, &FormularioControlador::ItemBackMV, true);
  seletorPV_->installEventFilter(this);
  seletorSPR_->installEventFilter(this);

  auto grupo = [this](QButtonGroup* g, int FormularioControlador::*campo) {
    connect(g, &QButtonGroup::idToggled, this, [this, campo](int id, bool marcado) {
      if (preenchendo_ || !marcado) return;
      rascunho_.*campo = id;
      Alterado();
    });
  };
  grupo(grupoAcao_, &FormularioControlador::ItemAcao);
  grupo(grupoEstrutura_, &FormularioControlador::ItemEstrutura);
  grupo(grupoDerivada_, &FormularioControlador::ItemDerivada);
}

void ConfiguracaoControlador::HabilitaSetpointRemoto(bool marcado) {
  if (preenchendo_ || !modelo()) return;
  rascunho_.HabilitaSPR = marcado;
  // The step reads whether a remote SP is offered.
  sessao_.Opera([n = n_, marcado](Documento& d) {
    if (Controlador* c = d.ControladorDe(n)) c->HabilitaSPR = marcado;
  });
  seletorSPR_->setEnabled(marcado);
  if (marcado) {
    rascunho_.ItemSPR = 0;
    QScopedValueRollback<bool> mudo(preenchendo_, true);
    seletorSPR_->setCurrentIndex(0);
  }
  Alterado();
}

void ConfiguracaoControlador::PreencheEnderecos(const FormularioControlador& c) {
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  QStringList itens;
  for (const std::string& item : ListaEnderecos(sessao_.documento().simulacao.memoria))
    itens.append(QString::fromStdString(item));
  for (QComboBox* lista : {seletorPV_, seletorSPR_}) {
    QStringList atuais;
    for (int i = 0; i < lista->count(); ++i) atuais.append(lista->itemText(i));
    if (atuais != itens) {
      lista->clear();
      lista->addItems(itens);
    }
  }
  seletorPV_->setCurrentIndex(c.ItemPV < itens.size() ? c.ItemPV : -1);
  seletorSPR_->setCurrentIndex(c.ItemSPR < itens.size() ? c.ItemSPR : -1);
}

void ConfiguracaoControlador::Preenche(const FormularioControlador& c) {
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  const bool ingles = sessao_.IdiomaIngles();
  PoeTexto(tag_, c.Tag.Em(ingles));
  PoeTexto(descricao_, c.Descricao.Em(ingles));
  PoeTexto(kp_, c.TextoKp);
  PoeTexto(ti_, c.TextoTi);
  PoeTexto(td_, c.TextoTd);
  PoeTexto(fatorA_, c.TextoFatorA);
  PoeTexto(tf_, c.TextoTf);
  PoeTexto(bias_, c.TextoBias);
  PoeTexto(coMin_, c.TextoCOmin);
  PoeTexto(coMax_, c.TextoCOmax);
  PoeTexto(equacaoFF_, c.EquacaoFF);
  PoeTexto(inicioEscala_, c.InicioEscala);
  PoeTexto(fimEscala_, c.FimEscala);
  PoeTexto(unidade_, c.UnidEng);
  acaoP_->setChecked(c.AcaoP);
  acaoI_->setChecked(c.AcaoI);
  acaoD_->setChecked(c.AcaoD);
  habilitaSPR_->setChecked(c.HabilitaSPR);
  seletorSPR_->setEnabled(c.HabilitaSPR);
  habilitaBackMV_->setChecked(c.HabilitaBackMV);
  enderecoBackMV_->setCurrentIndex(
      c.ItemBackMV >= 0 && c.ItemBackMV < enderecoBackMV_->count() ? c.ItemBackMV : -1);
  habilitaFF_->setChecked(c.HabilitaFF);
  for (auto [grupo, indice] :
       {std::pair{grupoAcao_, c.ItemAcao}, std::pair{grupoEstrutura_, c.ItemEstrutura},
        std::pair{grupoDerivada_, c.ItemDerivada}}) {
    if (QAbstractButton* b = grupo->button(indice)) {
      b->setChecked(true);
    } else {
      // No item chosen: neither radio button is set.
      grupo->setExclusive(false);
      for (QAbstractButton* r : grupo->buttons()) r->setChecked(false);
      grupo->setExclusive(true);
    }
  }
  PreencheEnderecos(c);
}

}  // namespace quiv
