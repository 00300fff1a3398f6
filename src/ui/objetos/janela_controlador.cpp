// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_controlador.h"

#include <QCheckBox>
#include <QCloseEvent>
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
    : QWidget(pai, Qt::Window), sessao_(sessao), n_(n) {
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
  Panel2_ = new QWidget;
  Panel2_->setObjectName(QStringLiteral("Panel2"));
  CriaConfiguracao(Panel2_);
  AreaTendencia_ = new QWidget;
  AreaTendencia_->setObjectName(QStringLiteral("AreaTendencia"));
  CriaTendencia(AreaTendencia_);
  areas_->addWidget(Panel2_);
  areas_->addWidget(AreaTendencia_);
  areas_->hide();
  raiz->addWidget(areas_, 1);

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, [this] {
    if (isVisible() && !sessao_.simulacao().ModoRapido) AtualizaLeituras();
  });
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    if (!modelo()) {
      hide();
      return;
    }
    // A load applies what it read: nothing is left to apply.
    btnatualiza_->setEnabled(false);
    ConfigBTN_->setEnabled(true);
    Preenche();
  });
  // An apply of this controller, or its undo: the window shows its form.
  connect(&sessao_, &SessaoSimulacao::ObjetoAlterado, this, [this](TipoObjeto tipo, int n) {
    if (tipo != TipoObjeto::Controlador || n != n_ || !modelo()) return;
    btnatualiza_->setEnabled(false);
    ConfigBTN_->setEnabled(true);
    Preenche();
  });

  Preenche();
  resize(kLarguraJanela, kAlturaJanela);
}

JanelaControlador::~JanelaControlador() = default;

Controlador* JanelaControlador::modelo() const { return sessao_.documento().ControladorDe(n_); }

void JanelaControlador::CriaFaceplate(QWidget* f) {
  auto* v = new QVBoxLayout(f);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);

  DescricaoText_ = Rotulo(f, "DescricaoText", QString());
  DescricaoText_->setAlignment(Qt::AlignCenter);
  DescricaoText_->setWordWrap(true);
  QFont titulo = DescricaoText_->font();
  titulo.setBold(true);
  DescricaoText_->setFont(titulo);
  v->addWidget(DescricaoText_);

  auto* barras = new QHBoxLayout;
  barras->setSpacing(3);
  barras->addStretch(1);
  SPRBar_ = Barra(f, "SPRBar", QColor(0, 0, 255), 6);
  SetPointBar_ = Barra(f, "SetPointBar", QColor(0, 0, 255), 22);
  VariavelBar_ = Barra(f, "VariavelBar", QColor(255, 0, 0), 22);
  SaidaBar_ = Barra(f, "SaidaBar", QColor(0, 160, 0), 22);
  SPRBar_->setToolTip(tr("SPR"));
  for (QProgressBar* b : {SPRBar_, SetPointBar_, VariavelBar_, SaidaBar_}) barras->addWidget(b);
  barras->addSpacing(8);
  barras->addStretch(1);
  v->addLayout(barras, 1);

  auto* leituras = new QGridLayout;
  leituras->setHorizontalSpacing(4);
  leituras->setVerticalSpacing(3);
  SPText_ = new QLineEdit(f);
  SPText_->setObjectName(QStringLiteral("SPText"));
  SPText_->setToolTip(tr("Setpoint"));
  PVText_ = new QLineEdit(f);
  PVText_->setObjectName(QStringLiteral("PVText"));
  PVText_->setToolTip(tr("Process Variable (Variável Controlada)"));
  PVText_->setReadOnly(true);
  MVText_ = new QLineEdit(f);
  MVText_->setObjectName(QStringLiteral("MVText"));
  MVText_->setToolTip(tr("Controller Output (Saída do Controlador)"));
  for (QLineEdit* e : {SPText_, PVText_, MVText_}) {
    e->setAlignment(Qt::AlignRight);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-00000.0000")) + 8);
  }
  leituras->addWidget(Rotulo(f, "Label27", tr("SP:")), 0, 0);
  leituras->addWidget(SPText_, 0, 1);
  leituras->addWidget(Rotulo(f, "Label28", tr("PV:")), 1, 0);
  leituras->addWidget(PVText_, 1, 1);
  UnitEngSP_ = Rotulo(f, "UnitEngSP", QStringLiteral("%"));
  leituras->addWidget(UnitEngSP_, 0, 2, 2, 1, Qt::AlignVCenter);
  leituras->addWidget(Rotulo(f, "Label29", tr("CO:")), 2, 0);
  leituras->addWidget(MVText_, 2, 1);
  leituras->addWidget(Rotulo(f, "UnidEngMV", QStringLiteral("%")), 2, 2);
  leituras->setColumnStretch(1, 1);
  v->addLayout(leituras);

  Button2_ = Botao(f, "Button2", tr("Enviar"));
  Button2_->setEnabled(false);
  v->addWidget(Button2_);

  auto* operador = new QHBoxLayout;
  operador->setSpacing(4);
  auto* GroupBox2 = new QGroupBox(tr("SP"), f);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  auto* g2 = new QGridLayout(GroupBox2);
  g2->setContentsMargins(4, 2, 4, 4);
  g2->setSpacing(2);
  LocalRemotoBTN_ = Botao(GroupBox2, "LocalRemotoBTN", tr("L/R"),
                          tr("Seleciona Origem do SP: L-> Local; R-> Remoto (copia de SPR)"));
  Label1_ = Rotulo(GroupBox2, "Label1", QStringLiteral("L"));
  IncrementaSP_ = Seta(GroupBox2, "IncrementaSP", Qt::UpArrow, tr("SP + 1%"));
  DecrementaSP_ = Seta(GroupBox2, "DecrementaSP", Qt::DownArrow, tr("SP - 1%"));
  g2->addWidget(LocalRemotoBTN_, 0, 0, 1, 2);
  g2->addWidget(Label1_, 0, 2, Qt::AlignCenter);
  g2->addWidget(IncrementaSP_, 1, 0);
  g2->addWidget(DecrementaSP_, 1, 1);
  operador->addWidget(GroupBox2);

  auto* GroupBox3 = new QGroupBox(tr("Saída"), f);
  GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
  auto* g3 = new QGridLayout(GroupBox3);
  g3->setContentsMargins(4, 2, 4, 4);
  g3->setSpacing(2);
  AutoManualBTN_ =
      Botao(GroupBox3, "AutoManualBTN", tr("A/M"),
            tr("Seleciona Modo de Operação do Controlador: A->Modo Automático; M->Modo Manual"));
  Label2_ = Rotulo(GroupBox3, "Label2", QStringLiteral("M"));
  IncrementaSaida_ = Seta(GroupBox3, "IncrementaSaida", Qt::UpArrow, tr("CO + 1%"));
  DecrementaSaida_ = Seta(GroupBox3, "DecrementaSaida", Qt::DownArrow, tr("CO - 1%"));
  g3->addWidget(AutoManualBTN_, 0, 0, 1, 2);
  g3->addWidget(Label2_, 0, 2, Qt::AlignCenter);
  g3->addWidget(IncrementaSaida_, 1, 0);
  g3->addWidget(DecrementaSaida_, 1, 1);
  operador->addWidget(GroupBox3);
  v->addLayout(operador);
  for (QLabel* l : {Label1_, Label2_}) {
    QFont fonte = l->font();
    fonte.setBold(true);
    l->setFont(fonte);
  }

  auto* botoes = new QGridLayout;
  botoes->setSpacing(3);
  ConfigBTN_ = Botao(f, "ConfigBTN", tr("Config."), tr("Exibe/Oculta Configuração do Controlador"));
  TrendButton_ = Botao(f, "TrendButton", tr("Tendência"), tr("Exibe/Oculta Gráficos de Tendência"));
  SpeedButton1_ = Botao(f, "SpeedButton1", tr("Ajuda"), tr("Ajuda"));
  SairBTN_ = Botao(f, "SairBTN", tr("Sair"), tr("Sair"));
  botoes->addWidget(ConfigBTN_, 0, 0);
  botoes->addWidget(TrendButton_, 0, 1);
  botoes->addWidget(SpeedButton1_, 1, 0);
  botoes->addWidget(SairBTN_, 1, 1);
  v->addLayout(botoes);

  // Operator actions.
  connect(IncrementaSP_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::IncrementaSP); });
  connect(DecrementaSP_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::DecrementaSP); });
  connect(IncrementaSaida_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::IncrementaSaida); });
  connect(DecrementaSaida_, &QToolButton::clicked, this,
          [this] { AcaoOperador(&Controlador::DecrementaSaida); });
  connect(Button2_, &QPushButton::clicked, this, [this] { AcaoOperador(&Controlador::Envia); });
  connect(LocalRemotoBTN_, &QPushButton::clicked, this,
          [this] { AcaoOperador(&Controlador::AlternaLocalRemoto); });
  connect(AutoManualBTN_, &QPushButton::clicked, this, [this] {
    AcaoOperador(&Controlador::AlternaAutoManual);
    sessao_.PedeAtualizaTela();  // the button's colour on the main window
  });
  connect(SPText_, &QLineEdit::textEdited, this, [this](const QString& texto) {
    if (Controlador* c = modelo()) {
      c->TextoSP = texto.toStdString();
      ultimoSP_ = c->TextoSP;
    }
  });
  connect(MVText_, &QLineEdit::textEdited, this, [this](const QString& texto) {
    if (Controlador* c = modelo()) {
      c->TextoMV = texto.toStdString();
      ultimoMV_ = c->TextoMV;
      c->TextoMVAlterado();
      Button2_->setEnabled(c->EnviarHabilitado);
    }
  });
  SPText_->installEventFilter(this);
  MVText_->installEventFilter(this);

  connect(ConfigBTN_, &QPushButton::clicked, this, &JanelaControlador::ConfigBTNClick);
  connect(TrendButton_, &QPushButton::clicked, this, &JanelaControlador::TrendButtonClick);
  connect(SpeedButton1_, &QPushButton::clicked, this, &JanelaControlador::SpeedButton1Click);
  connect(SairBTN_, &QPushButton::clicked, this, &JanelaControlador::SairBTNClick);
}

bool JanelaControlador::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const char tecla = Tecla(*static_cast<QKeyEvent*>(evento));
    if (tecla != 0) {
      if (objeto == SPText_) {
        TeclaSP(tecla);
        return true;
      }
      if (objeto == MVText_) {
        TeclaMV(tecla);
        return true;
      }
      if ((objeto == eSupText_ || objeto == eInfText_) && tecla == Controlador::kEnter) {
        TeclaEscala();
        return true;
      }
    }
  }
  if (evento->type() == QEvent::FocusIn && (objeto == VariavelSelect_ || objeto == SPRSelect_)) {
    // VariavelSelectEnter, SPRSelectEnter: the address picker is rebuilt
    // with the descriptions as they are now.
    if (modelo()) PreencheListas(rascunho_);
  }
  return QWidget::eventFilter(objeto, evento);
}

void JanelaControlador::Mostra() {
  if (!modelo()) return;
  Preenche();
  SairBTN_->setEnabled(true);
  ConfigBTN_->setEnabled(true);
  show();
  raise();
  activateWindow();
}

void JanelaControlador::Preenche() {
  const Controlador* c = modelo();
  if (!c) return;
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  aplicado_.valido = false;
  ultimoSP_ = c->TextoSP;
  ultimoPV_ = c->TextoPV;
  ultimoMV_ = c->TextoMV;
  SPText_->setText(QString::fromStdString(c->TextoSP));
  PVText_->setText(QString::fromStdString(c->TextoPV));
  MVText_->setText(QString::fromStdString(c->TextoMV));
  // The configuration shows the window's form: the controller's, unless an
  // edit waits to be applied.
  if (!btnatualiza_->isEnabled()) rascunho_ = *c;
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
  barra(SetPointBar_, c->BarraSP);
  barra(SaidaBar_, c->BarraSaida);
  barra(VariavelBar_, c->BarraPV);
  barra(SPRBar_, c->BarraSPR);
  Sincroniza(SPText_, ultimoSP_, c->TextoSP);
  Sincroniza(PVText_, ultimoPV_, c->TextoPV);
  Sincroniza(MVText_, ultimoMV_, c->TextoMV);
  SPText_->setReadOnly(!c->ModoLocal);
  MVText_->setReadOnly(c->ModoAuto);
  PoeTexto(Label1_, c->TextoLocalRemoto());
  PoeTexto(Label2_, c->TextoAutoManual());
  IncrementaSP_->setEnabled(c->ModoLocal);
  DecrementaSP_->setEnabled(c->ModoLocal);
  IncrementaSaida_->setEnabled(!c->ModoAuto);
  DecrementaSaida_->setEnabled(!c->ModoAuto);
  Button2_->setEnabled(c->EnviarHabilitado);
  LocalRemotoBTN_->setEnabled(c->LocalRemotoHabilitado);
  // With a remote set point the SP gauge narrows to leave room for SPR's.
  SPRBar_->setVisible(c->LocalRemotoHabilitado);
  const int larguraSP = c->LocalRemotoHabilitado ? 15 : 22;
  if (SetPointBar_->width() != larguraSP) SetPointBar_->setFixedWidth(larguraSP);
  if (AplicadoMudou(*c)) {
    setWindowTitle(c->Caption.empty() ? tr("Controlador") : QString::fromStdString(c->Caption));
    DescricaoText_->setText(QString::fromStdString(c->DescricaoAplicada));
    UnitEngSP_->setText(QString::fromStdString(c->UnitEngSP));
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
  MostrarSP_->setChecked(c->Tendencia.MostrarSP);
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
  if (!evento->spontaneous()) FormShow();
}

void JanelaControlador::FormShow() {
  const Controlador* c = modelo();
  const bool semConfiguracao = !c || c->Tag.Em(sessao_.IdiomaIngles()).empty() || c->ItemPV < 0;
  MostraArea(semConfiguracao ? Area::Configuracao : Area::Tendencia);
  resize(width(), std::max(kAlturaJanela, minimumSizeHint().height()));
}

void JanelaControlador::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void JanelaControlador::FormActivate() {
  Controlador* c = modelo();
  if (!c) return;
  if (!c->ModoAuto) c->EnviarHabilitado = true;
  Button2_->setEnabled(c->EnviarHabilitado);
}

void JanelaControlador::MostraArea(Area area) {
  area_ = area;
  if (area == Area::Nenhuma) {
    areas_->hide();
  } else {
    areas_->setCurrentWidget(area == Area::Configuracao ? Panel2_ : AreaTendencia_);
    areas_->show();
  }
  layout()->activate();
  const int largura = area == Area::Nenhuma ? kLarguraFaceplate : kLarguraJanela;
  resize(std::max(largura, minimumSizeHint().width()), height());
  if (area == Area::Tendencia)
    if (const Controlador* c = modelo()) AtualizaTendencia(*c, true);
}

bool JanelaControlador::ConfiguracaoVisivel() const { return Panel2_->isVisibleTo(this); }
bool JanelaControlador::TendenciaVisivel() const { return AreaTendencia_->isVisibleTo(this); }

void JanelaControlador::ConfigBTNClick() {
  // Narrow or showing the trend: the configuration; showing it: faceplate only.
  MostraArea(area_ == Area::Configuracao ? Area::Nenhuma : Area::Configuracao);
}

void JanelaControlador::TrendButtonClick() {
  if (area_ == Area::Nenhuma) {
    if (Controlador* c = modelo()) c->Tendencia.AbreTendencia();
    MostraArea(Area::Tendencia);
  } else if (area_ == Area::Configuracao) {
    MostraArea(Area::Tendencia);
  } else {
    MostraArea(Area::Nenhuma);
  }
}

void JanelaControlador::SairBTNClick() { close(); }

void JanelaControlador::SpeedButton1Click() {
  Interacao::Atual().AbreEndereco(EnderecoAjuda("/simulador/objetos_simulacao/#controlador_PID"));
}

void JanelaControlador::closeEvent(QCloseEvent* evento) {
  // Closing only hides the window: the controller keeps running.
  if (Controlador* c = modelo()) c->Tendencia.FechaJanela();
  if (const Controlador* c = modelo()) AtualizaTendencia(*c, true);
  evento->accept();
  QWidget::closeEvent(evento);
  sessao_.PedeAtualizaTela();
}

}  // namespace quiv
