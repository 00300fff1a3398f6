// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_controlador.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"
#include "ui/comum/controles.h"
#include "ui/comum/grafico_tendencia.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// Starting sizes of the three arrangements; the layouts may ask for more so
// that no text is cut.
constexpr int kLarguraFaceplate = 204;
constexpr int kLarguraJanela = 745;
constexpr int kAlturaJanela = 359;

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

JanelaControlador::JanelaControlador(SessaoSimulacao& sessao, int n, QWidget* pai)
    : JanelaFormulario(sessao, n, pai) {
  setObjectName(QStringLiteral("TControlador%1").arg(n));
  setWindowTitle(tr("Controlador"));

  auto* raiz = new QHBoxLayout(this);
  raiz->setContentsMargins(6, 6, 6, 6);
  raiz->setSpacing(6);
  auto* faceplate = new QWidget(this);
  faceplate->setObjectName(QStringLiteral("Panel1"));
  CriaFaceplate(faceplate);
  raiz->addWidget(faceplate, 0);

  areas_ = new QStackedWidget(this);
  areaConfiguracao_ = new QWidget;
  areaConfiguracao_->setObjectName(QStringLiteral("Panel2"));
  CriaConfiguracao(areaConfiguracao_);
  areaTendencia_ = new QWidget;
  areaTendencia_->setObjectName(QStringLiteral("AreaTendencia"));
  CriaTendencia(areaTendencia_);
  areas_->addWidget(areaConfiguracao_);
  areas_->addWidget(areaTendencia_);
  areas_->hide();
  raiz->addWidget(areas_, 1);
  DefineBotoes(botaoAtualizar_, botaoConfiguracao_);

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, [this] {
    if (isVisible()) AtualizaLeituras();
  });
  Preenche();
  resize(kLarguraJanela, kAlturaJanela);
}

JanelaControlador::~JanelaControlador() = default;

void JanelaControlador::DocumentoMudou() {
  // A load applies what it read: nothing is left to apply.
  if (modelo()) Sincronizado();
  JanelaFormulario::DocumentoMudou();
}

void JanelaControlador::CriaFaceplate(QWidget* f) {
  auto* v = new QVBoxLayout(f);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);

  descricaoAplicada_ = Rotulo(f, "DescricaoText", QString());
  descricaoAplicada_->setAlignment(Qt::AlignCenter);
  descricaoAplicada_->setWordWrap(true);
  QFont titulo = descricaoAplicada_->font();
  titulo.setBold(true);
  descricaoAplicada_->setFont(titulo);
  v->addWidget(descricaoAplicada_);

  auto* barras = new QHBoxLayout;
  barras->setSpacing(3);
  barras->addStretch(1);
  barraSPR_ = Barra(f, "SPRBar", QColor(0, 0, 255), 6);
  barraSP_ = Barra(f, "SetPointBar", QColor(0, 0, 255), 22);
  barraPV_ = Barra(f, "VariavelBar", QColor(255, 0, 0), 22);
  barraSaida_ = Barra(f, "SaidaBar", QColor(0, 160, 0), 22);
  barraSPR_->setToolTip(tr("SPR"));
  for (QProgressBar* b : {barraSPR_, barraSP_, barraPV_, barraSaida_}) barras->addWidget(b);
  barras->addSpacing(8);
  barras->addStretch(1);
  v->addLayout(barras, 1);

  auto* leituras = new QGridLayout;
  leituras->setHorizontalSpacing(4);
  leituras->setVerticalSpacing(3);
  textoSP_ = new QLineEdit(f);
  textoSP_->setObjectName(QStringLiteral("SPText"));
  textoSP_->setToolTip(tr("Setpoint"));
  textoPV_ = new QLineEdit(f);
  textoPV_->setObjectName(QStringLiteral("PVText"));
  textoPV_->setToolTip(tr("Process Variable (Variável Controlada)"));
  textoPV_->setReadOnly(true);
  textoMV_ = new QLineEdit(f);
  textoMV_->setObjectName(QStringLiteral("MVText"));
  textoMV_->setToolTip(tr("Controller Output (Saída do Controlador)"));
  for (QLineEdit* e : {textoSP_, textoPV_, textoMV_}) {
    e->setAlignment(Qt::AlignRight);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-00000.0000")) + 8);
  }
  leituras->addWidget(Rotulo(f, "Label27", tr("SP:")), 0, 0);
  leituras->addWidget(textoSP_, 0, 1);
  leituras->addWidget(Rotulo(f, "Label28", tr("PV:")), 1, 0);
  leituras->addWidget(textoPV_, 1, 1);
  unidadeSP_ = Rotulo(f, "UnitEngSP", QStringLiteral("%"));
  leituras->addWidget(unidadeSP_, 0, 2, 2, 1, Qt::AlignVCenter);
  leituras->addWidget(Rotulo(f, "Label29", tr("CO:")), 2, 0);
  leituras->addWidget(textoMV_, 2, 1);
  leituras->addWidget(Rotulo(f, "UnidEngMV", QStringLiteral("%")), 2, 2);
  leituras->setColumnStretch(1, 1);
  v->addLayout(leituras);

  botaoEnviar_ = Botao(f, "Button2", tr("Enviar"));
  botaoEnviar_->setEnabled(false);
  v->addWidget(botaoEnviar_);

  auto* operador = new QHBoxLayout;
  operador->setSpacing(4);
  auto* grupoSP = new QGroupBox(tr("SP"), f);
  grupoSP->setObjectName(QStringLiteral("GroupBox2"));
  auto* g2 = new QGridLayout(grupoSP);
  g2->setContentsMargins(4, 2, 4, 4);
  g2->setSpacing(2);
  botaoLocalRemoto_ = Botao(grupoSP, "LocalRemotoBTN", tr("L/R"),
                            tr("Seleciona Origem do SP: L-> Local; R-> Remoto (copia de SPR)"));
  indicadorLocalRemoto_ = Rotulo(grupoSP, "Label1", QStringLiteral("L"));
  incrementaSP_ = Seta(grupoSP, "IncrementaSP", Qt::UpArrow, tr("SP + 1%"));
  decrementaSP_ = Seta(grupoSP, "DecrementaSP", Qt::DownArrow, tr("SP - 1%"));
  g2->addWidget(botaoLocalRemoto_, 0, 0, 1, 2);
  g2->addWidget(indicadorLocalRemoto_, 0, 2, Qt::AlignCenter);
  g2->addWidget(incrementaSP_, 1, 0);
  g2->addWidget(decrementaSP_, 1, 1);
  operador->addWidget(grupoSP);

  auto* grupoSaida = new QGroupBox(tr("Saída"), f);
  grupoSaida->setObjectName(QStringLiteral("GroupBox3"));
  auto* g3 = new QGridLayout(grupoSaida);
  g3->setContentsMargins(4, 2, 4, 4);
  g3->setSpacing(2);
  botaoAutoManual_ =
      Botao(grupoSaida, "AutoManualBTN", tr("A/M"),
            tr("Seleciona Modo de Operação do Controlador: A->Modo Automático; M->Modo Manual"));
  indicadorAutoManual_ = Rotulo(grupoSaida, "Label2", QStringLiteral("M"));
  incrementaSaida_ = Seta(grupoSaida, "IncrementaSaida", Qt::UpArrow, tr("CO + 1%"));
  decrementaSaida_ = Seta(grupoSaida, "DecrementaSaida", Qt::DownArrow, tr("CO - 1%"));
  g3->addWidget(botaoAutoManual_, 0, 0, 1, 2);
  g3->addWidget(indicadorAutoManual_, 0, 2, Qt::AlignCenter);
  g3->addWidget(incrementaSaida_, 1, 0);
  g3->addWidget(decrementaSaida_, 1, 1);
  operador->addWidget(grupoSaida);
  v->addLayout(operador);
  for (QLabel* l : {indicadorLocalRemoto_, indicadorAutoManual_}) {
    QFont fonte = l->font();
    fonte.setBold(true);
    l->setFont(fonte);
  }

  auto* botoes = new QGridLayout;
  botoes->setSpacing(3);
  botaoConfiguracao_ =
      Botao(f, "ConfigBTN", tr("Config."), tr("Exibe/Oculta Configuração do Controlador"));
  botaoTendencia_ =
      Botao(f, "TrendButton", tr("Tendência"), tr("Exibe/Oculta Gráficos de Tendência"));
  botaoAjuda_ = Botao(f, "SpeedButton1", tr("Ajuda"), tr("Ajuda"));
  botaoSair_ = Botao(f, "SairBTN", tr("Sair"), tr("Sair"));
  botoes->addWidget(botaoConfiguracao_, 0, 0);
  botoes->addWidget(botaoTendencia_, 0, 1);
  botoes->addWidget(botaoAjuda_, 1, 0);
  botoes->addWidget(botaoSair_, 1, 1);
  v->addLayout(botoes);

  // Operator actions.
  connect(incrementaSP_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::IncrementaSP); });
  connect(decrementaSP_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::DecrementaSP); });
  connect(incrementaSaida_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::IncrementaSaida); });
  connect(decrementaSaida_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::DecrementaSaida); });
  connect(botaoEnviar_, &QPushButton::clicked, this, [this] { AcaoOperador(&Controlador::Envia); });
  connect(botaoLocalRemoto_, &QPushButton::clicked, this,
          [this] { AcaoOperador(&Controlador::AlternaLocalRemoto); });
  connect(botaoAutoManual_, &QPushButton::clicked, this, [this] {
    AcaoOperador(&Controlador::AlternaAutoManual);
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

  connect(botaoConfiguracao_, &QPushButton::clicked, this, &JanelaControlador::AlternaConfiguracao);
  connect(botaoTendencia_, &QPushButton::clicked, this, &JanelaControlador::AlternaTendencia);
  connect(botaoAjuda_, &QPushButton::clicked, this, &JanelaControlador::MostraAjuda);
  connect(botaoSair_, &QPushButton::clicked, this, &JanelaControlador::Sai);
}

bool JanelaControlador::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const char tecla = Tecla(*static_cast<QKeyEvent*>(evento));
    if (tecla != 0) {
      if (objeto == textoSP_) {
        TeclaSP(tecla);
        return true;
      }
      if (objeto == textoMV_) {
        TeclaMV(tecla);
        return true;
      }
      if ((objeto == escalaSuperior_ || objeto == escalaInferior_) &&
          tecla == Controlador::kEnter) {
        TeclaEscala();
        return true;
      }
    }
  }
  if (evento->type() == QEvent::FocusIn && (objeto == seletorPV_ || objeto == seletorSPR_)) {
    // Entering the PV or SPR picker: the address list is rebuilt
    // with the descriptions as they are now.
    if (modelo()) PreencheEnderecos(rascunho_);
  }
  return QWidget::eventFilter(objeto, evento);
}

void JanelaControlador::Mostra() {
  if (!modelo()) return;
  botaoSair_->setEnabled(true);
  botaoConfiguracao_->setEnabled(true);
  Abre();
}

void JanelaControlador::Preenche() {
  const Controlador* c = modelo();
  if (!c) return;
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  aplicado_.valido = false;
  ultimoSP_ = c->TextoSP;
  ultimoPV_ = c->TextoPV;
  ultimoMV_ = c->TextoMV;
  textoSP_->setText(QString::fromStdString(c->TextoSP));
  textoPV_->setText(QString::fromStdString(c->TextoPV));
  textoMV_->setText(QString::fromStdString(c->TextoMV));
  // The configuration shows the window's form: the controller's, unless an
  // edit waits to be applied.
  CarregaRascunho(*c);
  PreencheConfiguracao(rascunho_);
  AtualizaLeituras();
}

bool JanelaControlador::AplicadoMudou(const Controlador& c) {
  const Tendencia& g = c.Tendencia.Grafico;
  Aplicado& a = aplicado_;
  if (a.valido && a.legenda == c.Caption && a.descricao == c.DescricaoAplicada &&
      a.unidade == c.UnitEngSP && a.decimais == c.DecimaisLeitura &&
      a.escalaSup == g.TextoEscalaSup && a.escalaInf == g.TextoEscalaInf &&
      a.rotulos == g.RotuloEscala)
    return false;
  a = {true,
       c.Caption,
       c.DescricaoAplicada,
       c.UnitEngSP,
       c.DecimaisLeitura,
       g.TextoEscalaSup,
       g.TextoEscalaInf,
       g.RotuloEscala};
  return true;
}

void JanelaControlador::AtualizaLeituras() {
  const Controlador* c = modelo();
  if (!c) return;
  auto barra = [](QProgressBar* b, int v) {
    if (b->value() != v) b->setValue(v);
  };
  barra(barraSP_, c->BarraSP);
  barra(barraSaida_, c->BarraSaida);
  barra(barraPV_, c->BarraPV);
  barra(barraSPR_, c->BarraSPR);
  Sincroniza(textoSP_, ultimoSP_, c->TextoSP);
  Sincroniza(textoPV_, ultimoPV_, c->TextoPV);
  Sincroniza(textoMV_, ultimoMV_, c->TextoMV);
  textoSP_->setReadOnly(!c->ModoLocal);
  textoMV_->setReadOnly(c->ModoAuto);
  PoeTexto(indicadorLocalRemoto_, c->TextoLocalRemoto());
  PoeTexto(indicadorAutoManual_, c->TextoAutoManual());
  incrementaSP_->setEnabled(c->ModoLocal);
  decrementaSP_->setEnabled(c->ModoLocal);
  incrementaSaida_->setEnabled(!c->ModoAuto);
  decrementaSaida_->setEnabled(!c->ModoAuto);
  botaoEnviar_->setEnabled(c->EnviarHabilitado);
  botaoLocalRemoto_->setEnabled(c->LocalRemotoHabilitado);
  // With a remote set point the SP gauge narrows to leave room for SPR's.
  barraSPR_->setVisible(c->LocalRemotoHabilitado);
  const int larguraSP = c->LocalRemotoHabilitado ? 15 : 22;
  if (barraSP_->width() != larguraSP) barraSP_->setFixedWidth(larguraSP);
  if (AplicadoMudou(*c)) {
    setWindowTitle(c->Caption.empty() ? tr("Controlador") : QString::fromStdString(c->Caption));
    descricaoAplicada_->setText(QString::fromStdString(c->DescricaoAplicada));
    unidadeSP_->setText(QString::fromStdString(c->UnitEngSP));
    AtualizaTendencia(*c, true);
  } else {
    AtualizaTendencia(*c, false);
  }
}

void JanelaControlador::AcaoOperador(void (Controlador::*acao)()) {
  Controlador* c = modelo();
  if (!c) return;
  (c->*acao)();
  sessao_.MarcaModificado();
  mostrarSP_->setChecked(c->Tendencia.MostrarSP);
  AtualizaLeituras();
}

void JanelaControlador::TeclaSP(char tecla) {
  Controlador* c = modelo();
  if (!c) return;
  c->TeclaSP(tecla);
  if (tecla == Controlador::kEnter && c->ModoLocal) sessao_.MarcaModificado();
  AtualizaLeituras();
}

void JanelaControlador::TeclaMV(char tecla) {
  Controlador* c = modelo();
  if (!c) return;
  c->TeclaMV(tecla);
  if (tecla == Controlador::kEnter && !c->ModoAuto) sessao_.MarcaModificado();
  AtualizaLeituras();
}

void JanelaControlador::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (!evento->spontaneous()) EscolheAreaInicial();
}

void JanelaControlador::EscolheAreaInicial() {
  const Controlador* c = modelo();
  const bool semConfiguracao = !c || c->Tag.Em(sessao_.IdiomaIngles()).empty() || c->ItemPV < 0;
  MostraArea(semConfiguracao ? Area::Configuracao : Area::Tendencia);
  resize(width(), std::max(kAlturaJanela, minimumSizeHint().height()));
}

void JanelaControlador::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) HabilitaEnvio();
}

void JanelaControlador::HabilitaEnvio() {
  Controlador* c = modelo();
  if (!c) return;
  if (!c->ModoAuto) c->EnviarHabilitado = true;
  botaoEnviar_->setEnabled(c->EnviarHabilitado);
}

void JanelaControlador::MostraArea(Area area) {
  area_ = area;
  if (area == Area::Nenhuma) {
    areas_->hide();
  } else {
    areas_->setCurrentWidget(area == Area::Configuracao ? areaConfiguracao_ : areaTendencia_);
    areas_->show();
  }
  layout()->activate();
  const int largura = area == Area::Nenhuma ? kLarguraFaceplate : kLarguraJanela;
  resize(std::max(largura, minimumSizeHint().width()), height());
  if (area == Area::Tendencia)
    if (const Controlador* c = modelo()) AtualizaTendencia(*c, true);
}

bool JanelaControlador::ConfiguracaoVisivel() const { return areaConfiguracao_->isVisibleTo(this); }
bool JanelaControlador::TendenciaVisivel() const { return areaTendencia_->isVisibleTo(this); }

void JanelaControlador::AlternaConfiguracao() {
  // Narrow or showing the trend: the configuration; showing it: faceplate only.
  MostraArea(area_ == Area::Configuracao ? Area::Nenhuma : Area::Configuracao);
}

void JanelaControlador::AlternaTendencia() {
  if (area_ == Area::Nenhuma) {
    if (Controlador* c = modelo()) c->Tendencia.AbreTendencia();
    MostraArea(Area::Tendencia);
  } else if (area_ == Area::Configuracao) {
    MostraArea(Area::Tendencia);
  } else {
    MostraArea(Area::Nenhuma);
  }
}

void JanelaControlador::Sai() { close(); }

void JanelaControlador::MostraAjuda() {
  Interacao::Atual().AbreEndereco(EnderecoAjuda("/simulador/objetos_simulacao/#controlador_PID"));
}

void JanelaControlador::AoFechar() {
  if (Controlador* c = modelo()) {
    c->Tendencia.FechaJanela();
    AtualizaTendencia(*c, true);
  }
}

}  // namespace quiv
