// SPDX-License-Identifier: GPL-3.0-or-later
// The controller window's trend area: the chart, its pens, time base and
// scale, the pause with the point read-outs, and the data archive.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>
#include <filesystem>

#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"
#include "ui/comum/controles.h"
#include "ui/comum/grafico_tendencia.h"
#include "ui/objetos/janela_controlador.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

QString& PastaArquivoGlobal() {
  static QString pasta;
  return pasta;
}

void PoeTexto(QLineEdit* e, const std::string& texto) {
  const QString q = QString::fromStdString(texto);
  if (e->text() != q) e->setText(q);
}

void PoeTexto(QLabel* l, const std::string& texto) {
  const QString q = QString::fromStdString(texto);
  if (l->text() != q) l->setText(q);
}

}  // namespace

QString JanelaControlador::PastaArquivo() { return PastaArquivoGlobal(); }
void JanelaControlador::DefinePastaArquivo(const QString& pasta) { PastaArquivoGlobal() = pasta; }

void JanelaControlador::CriaTendencia(QWidget* a) {
  auto* v = new QVBoxLayout(a);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);

  // The chart with the scale edits beside its top and bottom grid lines.
  auto* grade = new QGridLayout;
  grade->setHorizontalSpacing(2);
  grade->setVerticalSpacing(0);
  eSupText_ = new QLineEdit(QStringLiteral("100"), a);
  eSupText_->setObjectName(QStringLiteral("eSupText"));
  eInfText_ = new QLineEdit(QStringLiteral("0"), a);
  eInfText_->setObjectName(QStringLiteral("eInfText"));
  for (QLineEdit* e : {eSupText_, eInfText_}) {
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0")) + 10);
    e->setAlignment(Qt::AlignRight);
    e->installEventFilter(this);
  }
  Image1_ = new GraficoTendencia(a);
  Image1_->setObjectName(QStringLiteral("Image1"));
  Image1_->DefineMargemVertical(eSupText_->sizeHint().height() / 2);
  Image1_->DefineFonte([this]() -> const Tendencia* {
    const Controlador* c = modelo();
    return c ? &c->Tendencia.Grafico : nullptr;
  });
  Image1_->DefinePenas({
      {1, QColor(255, 0, 0), tr("PV"), QString(), 2, true, true},
      {2, QColor(0, 0, 255), tr("SP"), QString(), 2, true, true},
      {3, QColor(0, 128, 0), tr("CO"), QStringLiteral("%"), 2, true, true},
      {4, QColor(0, 0, 0), tr("Pos. Atuador"), QStringLiteral("%"), 2, false, false},
  });
  auto* escalaY = new QVBoxLayout;
  escalaY->setSpacing(0);
  escalaY->addWidget(eSupText_);
  escalaY->addWidget(Rotulo(a, "StaticText13", tr("Y")), 0, Qt::AlignCenter);
  escalaY->addStretch(1);
  escalaY->addWidget(eInfText_);
  grade->addLayout(escalaY, 0, 0);
  grade->addWidget(Image1_, 0, 1);
  v->addLayout(grade);

  auto* linhaTempo = new QHBoxLayout;
  linhaTempo->setSpacing(4);
  BaseTempoBox_ = new QComboBox(a);
  BaseTempoBox_->setObjectName(QStringLiteral("BaseTempoBox"));
  BaseTempoBox_->addItems({tr("3 segundos"), tr("9 segundos"), tr("1 minuto")});
  linhaTempo->addWidget(Rotulo(a, "Label17", tr("Tempo de 1 divisão=")));
  linhaTempo->addWidget(BaseTempoBox_);
  linhaTempo->addStretch(1);
  linhaTempo->addWidget(Rotulo(a, "StaticText14", tr("X (segundos)")));
  v->addLayout(linhaTempo);

  auto* penas = new QHBoxLayout;
  penas->setSpacing(8);
  MostrarPV_ = Caixa(a, "MostrarPV", tr("PV"));
  Colore(MostrarPV_, QColor(255, 0, 0));
  MostrarSP_ = Caixa(a, "MostrarSP", tr("SP"));
  Colore(MostrarSP_, QColor(0, 0, 255));
  MostrarCO_ = Caixa(a, "MostrarCO", tr("CO"));
  Colore(MostrarCO_, QColor(0, 128, 0));
  MostrarAtuador_ = Caixa(a, "MostrarAtuador", tr("Pos. Atuador"));
  CheckBox2_ = Caixa(a, "CheckBox2", tr("Linha Grossa"));
  for (QCheckBox* c : {MostrarPV_, MostrarSP_, MostrarCO_, MostrarAtuador_, CheckBox2_})
    penas->addWidget(c);
  penas->addStretch(1);
  v->addLayout(penas);

  auto* controles = new QHBoxLayout;
  controles->setSpacing(6);
  controles->addWidget(Rotulo(a, "StaticText1", tr("Escala")));
  EscalaAuto_ = Caixa(a, "EscalaAuto", tr("Auto"));
  controles->addWidget(EscalaAuto_);
  SpeedButton2_ = new QToolButton(a);
  SpeedButton2_->setObjectName(QStringLiteral("SpeedButton2"));
  SpeedButton2_->setCheckable(true);
  SpeedButton2_->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
  SpeedButton2_->setToolTip(tr("Pausar"));
  controles->addWidget(SpeedButton2_);
  controles->addSpacing(10);
  CheckBox1_ = Caixa(a, "CheckBox1", tr("Arquivar"));
  CheckBox1_->setToolTip(tr("Salvar novos dados em arquivo TXT"));
  CheckBox1_->setEnabled(false);
  controles->addWidget(CheckBox1_);
  Label21_ = Rotulo(a, "Label21", tr("Arquivando: TA=0.1 seg"));
  QPalette vermelho = Label21_->palette();
  vermelho.setColor(QPalette::WindowText, QColor(200, 0, 0));
  Label21_->setPalette(vermelho);
  QSizePolicy guarda = Label21_->sizePolicy();
  guarda.setRetainSizeWhenHidden(true);  // blinking does not move its neighbours
  Label21_->setSizePolicy(guarda);
  Label21_->hide();
  controles->addWidget(Label21_);
  controles->addStretch(1);
  v->addLayout(controles);

  auto* opcoes = new QHBoxLayout;
  opcoes->setSpacing(8);
  UsarVirgula_ = Caixa(a, "UsarVirgula", tr("Utilizar ',' como separador decimal"));
  UsarUE_ = Caixa(a, "UsarUE", tr("Salvar valores em Unid. de Eng."));
  opcoes->addWidget(UsarVirgula_);
  opcoes->addWidget(UsarUE_);
  opcoes->addStretch(1);
  v->addLayout(opcoes);

  Panel3_ = new QWidget(a);
  Panel3_->setObjectName(QStringLiteral("Panel3"));
  auto* pontos = new QGridLayout(Panel3_);
  pontos->setContentsMargins(0, 0, 0, 0);
  pontos->setHorizontalSpacing(12);
  pontos->setVerticalSpacing(1);
  for (int k = 0; k < 6; ++k) {
    CoodsText_[k] = Rotulo(Panel3_, "", tr("Ponto %1:").arg(k + 1));
    CoodsText_[k]->setObjectName(QStringLiteral("CoodsText%1").arg(k + 1));
    CoodsText_[k]->setMinimumWidth(CoodsText_[k]->fontMetrics().horizontalAdvance(
        QStringLiteral("Ponto 6:  Y=-0000.0  X=000.0")));
    pontos->addWidget(CoodsText_[k], k / 3, k % 3);
  }
  QSizePolicy reserva = Panel3_->sizePolicy();
  reserva.setRetainSizeWhenHidden(true);
  Panel3_->setSizePolicy(reserva);
  Panel3_->hide();
  v->addWidget(Panel3_);
  v->addStretch(1);

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName(QStringLiteral("Timer1"));
  Timer1_->setInterval(500);
  connect(Timer1_, &QTimer::timeout, this, &JanelaControlador::Timer1Timer);

  // Pens and the thick line: how the chart is drawn, nothing the simulation
  // keeps.
  auto pena = [this](QCheckBox* caixa, bool TendenciaControlador::*campo, std::size_t indice) {
    connect(caixa, &QCheckBox::toggled, this, [this, campo, indice](bool marcado) {
      if (preenchendo_) return;
      if (Controlador* c = modelo()) c->Tendencia.*campo = marcado;
      Image1_->DefineVisivel(indice, marcado);
    });
  };
  pena(MostrarPV_, &TendenciaControlador::MostrarPV, 0);
  pena(MostrarSP_, &TendenciaControlador::MostrarSP, 1);
  pena(MostrarCO_, &TendenciaControlador::MostrarCO, 2);
  pena(MostrarAtuador_, &TendenciaControlador::MostrarAtuador, 3);
  auto opcao = [this](QCheckBox* caixa, bool Tendencia::*campo) {
    connect(caixa, &QCheckBox::toggled, this, [this, campo](bool marcado) {
      if (preenchendo_) return;
      if (Controlador* c = modelo()) c->Tendencia.Grafico.*campo = marcado;
      Image1_->RedesenhaCurvas();
    });
  };
  opcao(CheckBox2_, &Tendencia::LinhaGrossa);
  opcao(UsarVirgula_, &Tendencia::UsarVirgula);
  opcao(UsarUE_, &Tendencia::UsarUE);
  connect(BaseTempoBox_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (preenchendo_) return;
    Controlador* c = modelo();
    if (!c) return;
    c->Tendencia.Grafico.ItemBaseTempo = item;
    c->Tendencia.Grafico.AtualizaTextoTaxa();
    AtualizaTendencia(*c, true);
  });
  auto escala = [this](QLineEdit* e, std::string Tendencia::*campo) {
    connect(e, &QLineEdit::textChanged, this, [this, campo](const QString& t) {
      if (preenchendo_) return;
      if (Controlador* c = modelo()) c->Tendencia.Grafico.*campo = t.toStdString();
    });
  };
  escala(eSupText_, &Tendencia::TextoEscalaSup);
  escala(eInfText_, &Tendencia::TextoEscalaInf);
  connect(EscalaAuto_, &QCheckBox::toggled, this, [this](bool marcado) {
    if (preenchendo_) return;
    Controlador* c = modelo();
    if (!c) return;
    c->Tendencia.Grafico.EscalaAuto = marcado;
    AplicaSemMensagens();
  });
  connect(Image1_, &GraficoTendencia::DuploClique, this, &JanelaControlador::AplicaSemMensagens);
  connect(Image1_, &GraficoTendencia::Clicado, this, &JanelaControlador::Image1MouseDown);
  connect(SpeedButton2_, &QToolButton::clicked, this, &JanelaControlador::SpeedButton2Click);
  connect(CheckBox1_, &QCheckBox::clicked, this, &JanelaControlador::CheckBox1Click);
}

void JanelaControlador::AtualizaTendencia(const Controlador& c, bool escalaMudou) {
  const TendenciaControlador& t = c.Tendencia;
  const Tendencia& g = t.Grafico;

  // Archive state: the box follows the model (a write error closes the file
  // inside a cycle), the locked controls and the blinking follow the box.
  const bool arquivando = g.Arquivando();
  if (CheckBox1_->isChecked() != arquivando || escalaMudou) {
    QScopedValueRollback<bool> mudo(preenchendo_, true);
    CheckBox1_->setChecked(arquivando);
    const bool livres = g.ControlesLivres();
    for (QWidget* w : {static_cast<QWidget*>(eSupText_), static_cast<QWidget*>(eInfText_),
                       static_cast<QWidget*>(SpeedButton2_), static_cast<QWidget*>(TagText_),
                       static_cast<QWidget*>(BaseTempoBox_)})
      w->setEnabled(livres);
    if (g.PiscaAtivo() != Timer1_->isActive()) {
      if (g.PiscaAtivo())
        Timer1_->start();
      else
        Timer1_->stop();
    }
    Label21_->setVisible(g.TextoTaxaVisivel());
  }
  CheckBox1_->setEnabled(t.ArquivoHabilitado);

  if (!escalaMudou) {
    if (g.Posicao != ultimaPosicao_ || g.FaseGrade != ultimaFase_) {
      ultimaPosicao_ = g.Posicao;
      ultimaFase_ = g.FaseGrade;
      Image1_->RedesenhaCurvas();
    }
    return;
  }

  // Everything else changes only through an action or an apply.
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  ultimaPosicao_ = g.Posicao;
  ultimaFase_ = g.FaseGrade;
  PoeTexto(eSupText_, g.TextoEscalaSup);
  PoeTexto(eInfText_, g.TextoEscalaInf);
  EscalaAuto_->setChecked(g.EscalaAuto);
  MostrarPV_->setChecked(t.MostrarPV);
  MostrarSP_->setChecked(t.MostrarSP);
  MostrarCO_->setChecked(t.MostrarCO);
  MostrarAtuador_->setChecked(t.MostrarAtuador);
  CheckBox2_->setChecked(g.LinhaGrossa);
  UsarVirgula_->setChecked(g.UsarVirgula);
  UsarUE_->setChecked(g.UsarUE);
  BaseTempoBox_->setCurrentIndex(g.ItemBaseTempo);
  // The first rate text is the caption the window is built with, which the
  // translation knows; the later ones read the same in both languages.
  const QString taxa = tr(g.TextoTaxa.c_str());
  if (Label21_->text() != taxa) Label21_->setText(taxa);
  SpeedButton2_->setChecked(g.Pausado);
  Panel3_->setVisible(g.PainelPontosVisivel());
  for (int k = 0; k < 6; ++k) PoeTexto(CoodsText_[k], g.Leituras[static_cast<std::size_t>(k)]);

  const QString unidade = QString::fromStdString(c.UnitEngSP);
  Image1_->DefineUnidade(0, unidade, c.DecimaisLeitura);
  Image1_->DefineUnidade(1, unidade, c.DecimaisLeitura);
  Image1_->DefineFaixa({c.EscalaInicio, c.EscalaFim});
  for (std::size_t i = 0; i < 4; ++i)
    Image1_->DefineVisivel(i, i == 0   ? t.MostrarPV
                              : i == 1 ? t.MostrarSP
                              : i == 2 ? t.MostrarCO
                                       : t.MostrarAtuador);
  std::vector<GraficoTendencia::Marcador> marcadores;
  for (std::size_t k = 0; k < t.Marcadores.size(); ++k)
    if (t.Marcadores[k].Visivel)
      marcadores.push_back({static_cast<int>(k + 1), QPoint(t.Marcadores[k].X, t.Marcadores[k].Y)});
  Image1_->DefineMarcadores(marcadores);
  Image1_->update();
}

void JanelaControlador::TeclaEscala() {
  Controlador* c = modelo();
  if (!c) return;
  c->Tendencia.TeclaEscala(Tendencia::kEnter);
  AtualizaTendencia(*c, true);
}

void JanelaControlador::AplicaSemMensagens() {
  Controlador* c = modelo();
  if (!c) return;
  c->AtualizaParametros(false);
  Preenche();
}

void JanelaControlador::SpeedButton2Click() {
  Controlador* c = modelo();
  if (!c) return;
  c->Tendencia.AlternaPausa();
  AtualizaTendencia(*c, true);
}

void JanelaControlador::Image1MouseDown(int X, int Y) {
  Controlador* c = modelo();
  if (!c) return;
  if (c->Tendencia.MarcaPonto(X, Y)) AtualizaTendencia(*c, true);
}

void JanelaControlador::CheckBox1Click(bool marcado) {
  if (preenchendo_) return;
  if (marcado && PastaArquivo().isEmpty()) {
    // One folder for all controllers, asked the first time; cancelling the
    // dialog leaves the archive off.
    DefinePastaArquivo(Interacao::Atual().EscolhePasta(this, tr("Selecione uma pasta"),
                                                       sessao_.PastaDosDialogos()));
    if (PastaArquivo().isEmpty()) {
      const QSignalBlocker bloqueio(CheckBox1_);
      CheckBox1_->setChecked(false);
      return;
    }
  }
  Controlador* c = modelo();
  if (!c) return;
  try {
    c->Tendencia.Arquiva(marcado, std::filesystem::path(PastaArquivo().toStdU16String()));
  } catch (const std::exception& e) {
    Interacao::Atual().Informa(this, QStringLiteral("QUIV"), QString::fromStdString(e.what()));
  }
  AtualizaTendencia(*c, true);
}

void JanelaControlador::Timer1Timer() {
  Controlador* c = modelo();
  if (!c) {
    Timer1_->stop();
    return;
  }
  c->Tendencia.Grafico.Pisca();
  Label21_->setVisible(c->Tendencia.Grafico.TextoTaxaVisivel());
}

}  // namespace quiv
