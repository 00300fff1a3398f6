// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/faceplate_controlador.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"
#include "ui/comum/controles.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// Gauges of range 0 … 200 (Round(2·value)).
QProgressBar* Barra(QWidget* pai, const char* nome, const QColor& cor, int largura) {
  auto* b = new QProgressBar(pai);
  b->setObjectName(QLatin1String(nome));
  b->setOrientation(Qt::Vertical);
  b->setRange(0, 200);
  b->setValue(0);
  b->setTextVisible(false);
  b->setFixedWidth(largura);
  b->setMinimumHeight(110);
  QPalette p = b->palette();
  p.setColor(QPalette::Highlight, cor);
  b->setPalette(p);
  return b;
}

QToolButton* Seta(QWidget* pai, const char* nome, Qt::ArrowType seta, const QString& dica) {
  auto* b = new QToolButton(pai);
  b->setObjectName(QLatin1String(nome));
  b->setArrowType(seta);
  b->setToolTip(dica);
  b->setAutoRepeat(true);
  return b;
}

// A group of the operator's controls: the mode button with its state letter
// beside it, and below them the arrows that step the value.
QGroupBox* GrupoModo(QWidget* pai, const char* nome, const QString& titulo, QPushButton* modo,
                     QLabel* letra, QToolButton* sobe, QToolButton* desce) {
  auto* grupo = new QGroupBox(titulo, pai);
  grupo->setObjectName(QLatin1String(nome));
  auto* grade = new QGridLayout(grupo);
  grade->setContentsMargins(4, 2, 4, 4);
  grade->setSpacing(2);
  grade->addWidget(modo, 0, 0, 1, 2);
  grade->addWidget(letra, 0, 2, Qt::AlignCenter);
  grade->addWidget(sobe, 1, 0);
  grade->addWidget(desce, 1, 1);
  return grupo;
}

// Writes a read-out only when its text changed since it was last written.
void Sincroniza(QLineEdit* e, std::string& mostrado, const std::string& texto) {
  if (mostrado == texto) return;
  mostrado = texto;
  e->setText(QString::fromStdString(texto));
}

void PoeTexto(QLabel* l, const char* texto) {
  if (l->text() != QLatin1String(texto)) l->setText(QString::fromLatin1(texto));
}

char Tecla(const QKeyEvent& k) {
  if (k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter) return Controlador::kEnter;
  if (k.key() == Qt::Key_Escape) return Controlador::kEsc;
  return 0;
}

}  // namespace

FaceplateControlador::FaceplateControlador(SessaoSimulacao& sessao, int n,
                                           std::function<void(bool)> operado, QWidget* pai)
    : QWidget(pai), sessao_(sessao), n_(n), operado_(std::move(operado)) {
  setObjectName(QStringLiteral("Panel1"));

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);

  descricaoAplicada_ = Rotulo(this, "DescricaoText", QString());
  descricaoAplicada_->setAlignment(Qt::AlignCenter);
  descricaoAplicada_->setWordWrap(true);
  QFont titulo = descricaoAplicada_->font();
  titulo.setBold(true);
  descricaoAplicada_->setFont(titulo);
  v->addWidget(descricaoAplicada_);

  auto* barras = new QHBoxLayout;
  barras->setSpacing(3);
  barras->addStretch(1);
  barraSPR_ = Barra(this, "SPRBar", QColor(0, 0, 255), 6);
  barraSP_ = Barra(this, "SetPointBar", QColor(0, 0, 255), 22);
  barraPV_ = Barra(this, "VariavelBar", QColor(255, 0, 0), 22);
  barraSaida_ = Barra(this, "SaidaBar", QColor(0, 160, 0), 22);
  barraSPR_->setToolTip(QCoreApplication::translate("quiv::JanelaControlador", "SPR"));
  for (QProgressBar* b : {barraSPR_, barraSP_, barraPV_, barraSaida_}) barras->addWidget(b);
  barras->addSpacing(8);
  barras->addStretch(1);
  v->addLayout(barras, 1);

  auto* leituras = new QGridLayout;
  leituras->setHorizontalSpacing(4);
  leituras->setVerticalSpacing(3);
  textoSP_ = new QLineEdit(this);
  textoSP_->setObjectName(QStringLiteral("SPText"));
  textoSP_->setToolTip(QCoreApplication::translate("quiv::JanelaControlador", "Setpoint"));
  textoPV_ = new QLineEdit(this);
  textoPV_->setObjectName(QStringLiteral("PVText"));
  textoPV_->setToolTip(QCoreApplication::translate("quiv::JanelaControlador",
                                                   "Process Variable (Variável Controlada)"));
  textoPV_->setReadOnly(true);
  textoMV_ = new QLineEdit(this);
  textoMV_->setObjectName(QStringLiteral("MVText"));
  textoMV_->setToolTip(QCoreApplication::translate("quiv::JanelaControlador",
                                                   "Controller Output (Saída do Controlador)"));
  for (QLineEdit* e : {textoSP_, textoPV_, textoMV_}) {
    e->setAlignment(Qt::AlignRight);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-00000.0000")) + 8);
  }
  leituras->addWidget(
      Rotulo(this, "Label27", QCoreApplication::translate("quiv::JanelaControlador", "SP:")), 0, 0);
  leituras->addWidget(textoSP_, 0, 1);
  leituras->addWidget(
      Rotulo(this, "Label28", QCoreApplication::translate("quiv::JanelaControlador", "PV:")), 1, 0);
  leituras->addWidget(textoPV_, 1, 1);
  unidadeSP_ = Rotulo(this, "UnitEngSP", QStringLiteral("%"));
  leituras->addWidget(unidadeSP_, 0, 2, 2, 1, Qt::AlignVCenter);
  leituras->addWidget(
      Rotulo(this, "Label29", QCoreApplication::translate("quiv::JanelaControlador", "CO:")), 2, 0);
  leituras->addWidget(textoMV_, 2, 1);
  leituras->addWidget(Rotulo(this, "UnidEngMV", QStringLiteral("%")), 2, 2);
  leituras->setColumnStretch(1, 1);
  v->addLayout(leituras);

  botaoEnviar_ =
      Botao(this, "Button2", QCoreApplication::translate("quiv::JanelaControlador", "Enviar"));
  botaoEnviar_->setEnabled(false);
  v->addWidget(botaoEnviar_);

  auto* operador = new QHBoxLayout;
  operador->setSpacing(4);
  botaoLocalRemoto_ = Botao(
      this, "LocalRemotoBTN", QCoreApplication::translate("quiv::JanelaControlador", "L/R"),
      QCoreApplication::translate("quiv::JanelaControlador",
                                  "Seleciona Origem do SP: L-> Local; R-> Remoto (copia de SPR)"));
  indicadorLocalRemoto_ = Rotulo(this, "Label1", QStringLiteral("L"));
  incrementaSP_ = Seta(this, "IncrementaSP", Qt::UpArrow,
                       QCoreApplication::translate("quiv::JanelaControlador", "SP + 1%"));
  decrementaSP_ = Seta(this, "DecrementaSP", Qt::DownArrow,
                       QCoreApplication::translate("quiv::JanelaControlador", "SP - 1%"));
  operador->addWidget(
      GrupoModo(this, "GroupBox2", QCoreApplication::translate("quiv::JanelaControlador", "SP"),
                botaoLocalRemoto_, indicadorLocalRemoto_, incrementaSP_, decrementaSP_));

  botaoAutoManual_ =
      Botao(this, "AutoManualBTN", QCoreApplication::translate("quiv::JanelaControlador", "A/M"),
            QCoreApplication::translate(
                "quiv::JanelaControlador",
                "Seleciona Modo de Operação do Controlador: A->Modo Automático; M->Modo Manual"));
  indicadorAutoManual_ = Rotulo(this, "Label2", QStringLiteral("M"));
  incrementaSaida_ = Seta(this, "IncrementaSaida", Qt::UpArrow,
                          QCoreApplication::translate("quiv::JanelaControlador", "CO + 1%"));
  decrementaSaida_ = Seta(this, "DecrementaSaida", Qt::DownArrow,
                          QCoreApplication::translate("quiv::JanelaControlador", "CO - 1%"));
  operador->addWidget(
      GrupoModo(this, "GroupBox3", QCoreApplication::translate("quiv::JanelaControlador", "Saída"),
                botaoAutoManual_, indicadorAutoManual_, incrementaSaida_, decrementaSaida_));
  v->addLayout(operador);
  for (QLabel* l : {indicadorLocalRemoto_, indicadorAutoManual_}) {
    QFont fonte = l->font();
    fonte.setBold(true);
    l->setFont(fonte);
  }

  auto* botoes = new QGridLayout;
  botoes->setSpacing(3);
  botaoConfiguracao_ =
      Botao(this, "ConfigBTN", QCoreApplication::translate("quiv::JanelaControlador", "Config."),
            QCoreApplication::translate("quiv::JanelaControlador",
                                        "Exibe/Oculta Configuração do Controlador"));
  botaoTendencia_ = Botao(
      this, "TrendButton", QCoreApplication::translate("quiv::JanelaControlador", "Tendência"),
      QCoreApplication::translate("quiv::JanelaControlador", "Exibe/Oculta Gráficos de Tendência"));
  botaoAjuda_ =
      Botao(this, "SpeedButton1", QCoreApplication::translate("quiv::JanelaControlador", "Ajuda"),
            QCoreApplication::translate("quiv::JanelaControlador", "Ajuda"));
  botaoSair_ =
      Botao(this, "SairBTN", QCoreApplication::translate("quiv::JanelaControlador", "Sair"),
            QCoreApplication::translate("quiv::JanelaControlador", "Sair"));
  botoes->addWidget(botaoConfiguracao_, 0, 0);
  botoes->addWidget(botaoTendencia_, 0, 1);
  botoes->addWidget(botaoAjuda_, 1, 0);
  botoes->addWidget(botaoSair_, 1, 1);
  v->addLayout(botoes);

  // Operator actions.
  connect(incrementaSP_, &QToolButton::clicked, this, [this] { Acao(&Controlador::IncrementaSP); });
  connect(decrementaSP_, &QToolButton::clicked, this, [this] { Acao(&Controlador::DecrementaSP); });
  connect(incrementaSaida_, &QToolButton::clicked, this,
          [this] { Acao(&Controlador::IncrementaSaida); });
  connect(decrementaSaida_, &QToolButton::clicked, this,
          [this] { Acao(&Controlador::DecrementaSaida); });
  connect(botaoEnviar_, &QPushButton::clicked, this, [this] { Acao(&Controlador::Envia); });
  connect(botaoLocalRemoto_, &QPushButton::clicked, this,
          [this] { Acao(&Controlador::AlternaLocalRemoto); });
  connect(botaoAutoManual_, &QPushButton::clicked, this, [this] {
    Acao(&Controlador::AlternaAutoManual);
    sessao_.PedeAtualizaTela();  // the button's colour on the main window
  });
  connect(textoSP_, &QLineEdit::textEdited, this, [this](const QString& texto) {
    if (Controlador* c = modelo()) {
      c->TextoSP = texto.toStdString();
      ultimoSP_ = c->TextoSP;
    }
  });
  connect(textoMV_, &QLineEdit::textEdited, this, [this](const QString& texto) {
    if (Controlador* c = modelo()) {
      c->TextoMV = texto.toStdString();
      ultimoMV_ = c->TextoMV;
      c->TextoMVAlterado();
      botaoEnviar_->setEnabled(c->EnviarHabilitado);
    }
  });
  textoSP_->installEventFilter(this);
  textoMV_->installEventFilter(this);
}

Controlador* FaceplateControlador::modelo() const { return sessao_.documento().ControladorDe(n_); }

bool FaceplateControlador::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const char tecla = Tecla(*static_cast<QKeyEvent*>(evento));
    if (tecla != 0 && objeto == textoSP_) {
      TeclaSP(tecla);
      return true;
    }
    if (tecla != 0 && objeto == textoMV_) {
      TeclaMV(tecla);
      return true;
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

void FaceplateControlador::Preenche(const Controlador& c) {
  ultimoSP_ = c.TextoSP;
  ultimoPV_ = c.TextoPV;
  ultimoMV_ = c.TextoMV;
  textoSP_->setText(QString::fromStdString(c.TextoSP));
  textoPV_->setText(QString::fromStdString(c.TextoPV));
  textoMV_->setText(QString::fromStdString(c.TextoMV));
}

void FaceplateControlador::Atualiza(const Controlador& c) {
  auto barra = [](QProgressBar* b, int v) {
    if (b->value() != v) b->setValue(v);
  };
  barra(barraSP_, c.BarraSP);
  barra(barraSaida_, c.BarraSaida);
  barra(barraPV_, c.BarraPV);
  barra(barraSPR_, c.BarraSPR);
  Sincroniza(textoSP_, ultimoSP_, c.TextoSP);
  Sincroniza(textoPV_, ultimoPV_, c.TextoPV);
  Sincroniza(textoMV_, ultimoMV_, c.TextoMV);
  textoSP_->setReadOnly(!c.ModoLocal);
  textoMV_->setReadOnly(c.ModoAuto);
  PoeTexto(indicadorLocalRemoto_, c.TextoLocalRemoto());
  PoeTexto(indicadorAutoManual_, c.TextoAutoManual());
  incrementaSP_->setEnabled(c.ModoLocal);
  decrementaSP_->setEnabled(c.ModoLocal);
  incrementaSaida_->setEnabled(!c.ModoAuto);
  decrementaSaida_->setEnabled(!c.ModoAuto);
  botaoEnviar_->setEnabled(c.EnviarHabilitado);
  botaoLocalRemoto_->setEnabled(c.LocalRemotoHabilitado);
  // With a remote set point the SP gauge narrows to leave room for SPR's.
  barraSPR_->setVisible(c.LocalRemotoHabilitado);
  const int larguraSP = c.LocalRemotoHabilitado ? 15 : 22;
  if (barraSP_->width() != larguraSP) barraSP_->setFixedWidth(larguraSP);
}

void FaceplateControlador::MostraAplicado(const Controlador& c) {
  descricaoAplicada_->setText(QString::fromStdString(c.DescricaoAplicada));
  unidadeSP_->setText(QString::fromStdString(c.UnitEngSP));
}

void FaceplateControlador::HabilitaEnvio() {
  Controlador* c = modelo();
  if (!c) return;
  if (!c->ModoAuto) c->EnviarHabilitado = true;
  botaoEnviar_->setEnabled(c->EnviarHabilitado);
}

void FaceplateControlador::Acao(void (Controlador::*acao)()) {
  Controlador* c = modelo();
  if (!c) return;
  sessao_.Opera([c, acao](Documento&) { (c->*acao)(); });
  operado_(true);
}

void FaceplateControlador::TeclaSP(char tecla) {
  Controlador* c = modelo();
  if (!c) return;
  // Only a set point entered in local mode is an operator action that counts.
  if (tecla == Controlador::kEnter && c->ModoLocal)
    sessao_.Opera([c, tecla](Documento&) { c->TeclaSP(tecla); });
  else
    c->TeclaSP(tecla);
  operado_(false);
}

void FaceplateControlador::TeclaMV(char tecla) {
  Controlador* c = modelo();
  if (!c) return;
  // Only an output entered in manual is an operator action that counts.
  if (tecla == Controlador::kEnter && !c->ModoAuto)
    sessao_.Opera([c, tecla](Documento&) { c->TeclaMV(tecla); });
  else
    c->TeclaMV(tecla);
  operado_(false);
}

}  // namespace quiv
