// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of the fast-simulation page: their series, paging, zoom, the
// tools panel, the history overlay and the export.
#include <qcustomplot.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/analise/janela_simulacao_rapida.h"
#include "ui/comum/exporta_grafico.h"
#include "ui/comum/pilha_zoom.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

constexpr int kSeries = 3;  // PV, SP, MV
const char* const kNomesSeries[kSeries] = {"PV", "SP", "MV"};

QColor Cor(int serie) {
  static const QColor cores[kSeries] = {QColor(Qt::red), QColor(Qt::blue), QColor(0, 128, 0)};
  return cores[serie];
}
// The history drawn over the upper chart: the same hues, lighter.
QColor CorClara(int serie) {
  static const QColor cores[kSeries] = {QColor(255, 165, 165), QColor(150, 170, 255),
                                        QColor(140, 215, 140)};
  return cores[serie];
}

}  // namespace

QWidget* JanelaSimulacaoRapida::CriaNotebook(bool superior) {
  QTabWidget*& notebook = superior ? abasSuperiores_ : abasInferiores_;
  notebook = new QTabWidget(this);
  notebook->setObjectName(superior ? QStringLiteral("TabbedNotebook1")
                                   : QStringLiteral("TabbedNotebook2"));
  notebook->setUsesScrollButtons(true);
  for (int k = 1; k <= kMalhas; ++k) {
    auto* pagina = new QWidget(notebook);
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    Grafico g = CriaGrafico(pagina, k, superior);
    layout->addWidget(g.chart);
    (superior ? superiores_ : inferiores_)[static_cast<std::size_t>(k)] = g;
    notebook->addTab(pagina, superior ? tr("Malha %1").arg(k) : tr("Hist %1").arg(k));
  }
  connect(
      notebook, &QTabWidget::currentChanged, this,
      superior ? &JanelaSimulacaoRapida::MostraMalha : &JanelaSimulacaoRapida::MostraMalhaInferior);
  return notebook;
}

JanelaSimulacaoRapida::Grafico JanelaSimulacaoRapida::CriaGrafico(QWidget* pagina, int k,
                                                                  bool superior) {
  auto* chart = new QCustomPlot(pagina);
  chart->setObjectName((superior ? QStringLiteral("ChartM") : QStringLiteral("ChartH")) +
                       QString::number(k));
  chart->setProperty("malha", k);
  chart->setProperty("superior", superior);
  chart->setBackground(Qt::white);
  chart->setMinimumSize(240, 120);
  chart->xAxis->setLabel(tr("Tempo (s)"));
  for (int s = 0; s < kSeries; ++s) {
    QCPGraph* serie = chart->addGraph();
    serie->setName(QLatin1String(kNomesSeries[s]));
    serie->setPen(QPen(Cor(s), 2));
  }
  chart->xAxis->setRange(0, porPagina_ - 1);
  chart->yAxis->setRange(0, 100);

  Grafico g{chart, new PilhaZoom(*chart)};
  connect(
      g.zoom, &PilhaZoom::Ampliado, this,
      [this, k, superior](const QCPRange& x, const QCPRange& y) { Ampliado(k, superior, x, y); });
  chart->installEventFilter(this);

  // The context menu: undo a zoom, save the chart as a picture or a table.
  auto* desfaz = new QAction(tr("Desfazer Zoom"), chart);
  desfaz->setObjectName(QStringLiteral("DesfazerZoom"));
  connect(desfaz, &QAction::triggered, this, [this, k, superior] { DesfazZoom(k, superior); });
  chart->addAction(desfaz);
  OfereceExportacao(*chart, this, tr("Simulação Rápida"));
  return g;
}

QWidget* JanelaSimulacaoRapida::CriaFerramentas() {
  auto* painelFerramentas = new QGroupBox(this);
  painelFerramentas->setObjectName(QStringLiteral("Panel5"));
  auto* grade = new QGridLayout(painelFerramentas);

  normaliza_ = new QCheckBox(tr("Normalizar"), painelFerramentas);
  normaliza_->setObjectName(QStringLiteral("Normaliza"));
  normaliza_->setChecked(true);

  ocultaCOs_ = new QCheckBox(tr("Ocultar COs"), painelFerramentas);
  ocultaCOs_->setObjectName(QStringLiteral("CheckBox1"));
  ocultaCOs_->setToolTip(tr("Esconde Sinal de Saída do Controlador"));
  connect(ocultaCOs_, &QCheckBox::toggled, this, &JanelaSimulacaoRapida::OcultaCOs);

  replicaZoom_ = new QCheckBox(tr("Replicar Zoom"), painelFerramentas);
  replicaZoom_->setObjectName(QStringLiteral("replicarzoom"));
  replicaZoom_->setChecked(true);
  replicaZoom_->setToolTip(tr("Reproduzir Zoom na Janela Inferior"));

  sobrepor_ = new QCheckBox(tr("Sobrepor Histórico"), painelFerramentas);
  sobrepor_->setObjectName(QStringLiteral("SobreporHistorico"));
  sobrepor_->setToolTip(
      tr("Desenha o histórico inferior sobre o gráfico superior da mesma malha, em cores claras"));
  connect(sobrepor_, &QCheckBox::toggled, this, &JanelaSimulacaoRapida::Sobrepoe);

  tamanhoPagina_ = new QComboBox(painelFerramentas);
  tamanhoPagina_->setObjectName(QStringLiteral("PtsPag"));
  tamanhoPagina_->addItems(
      {tr("15 min"), tr("30 min"), tr("1 hora"), tr("2 horas"), tr("4 horas")});
  tamanhoPagina_->setCurrentIndex(1);
  connect(tamanhoPagina_, &QComboBox::currentIndexChanged, this,
          &JanelaSimulacaoRapida::DefineTamanhoPagina);

  auto* setasPagina = new QWidget(painelFerramentas);
  setasPagina->setObjectName(QStringLiteral("SelPage"));
  auto* setas = new QHBoxLayout(setasPagina);
  setas->setContentsMargins(0, 0, 0, 0);
  setas->setSpacing(0);
  for (bool sobe : {false, true}) {
    auto* seta = new QToolButton(setasPagina);
    seta->setObjectName(sobe ? QStringLiteral("Sobe") : QStringLiteral("Desce"));
    seta->setArrowType(sobe ? Qt::RightArrow : Qt::LeftArrow);
    seta->setToolTip(sobe ? tr("Próxima página") : tr("Página anterior"));
    connect(seta, &QToolButton::clicked, this, [this, sobe] { MudaPagina(sobe); });
    setas->addWidget(seta);
  }
  numeroPagina_ = new QLabel(painelFerramentas);
  numeroPagina_->setObjectName(QStringLiteral("PaginaAtual"));

  auto botao = [painelFerramentas](const char* nome, const QString& texto, const QString& dica) {
    auto* b = new QToolButton(painelFerramentas);
    b->setObjectName(QLatin1String(nome));
    b->setText(texto);
    b->setToolTip(dica);
    return b;
  };
  botaoZoom_ = botao("SpeedButton1", tr("Zoom"),
                     tr("Zoom Window: Clicar e arrastar para baixo e para a direita"));
  connect(botaoZoom_, &QToolButton::clicked, this, &JanelaSimulacaoRapida::ArmaZoom);
  QToolButton* desfaz = botao("SpeedButton2", tr("Desfazer"), tr("Desfazer Zoom"));
  connect(desfaz, &QToolButton::clicked, this, &JanelaSimulacaoRapida::LimpaZooms);
  QToolButton* escala = botao("SpeedButton3", tr("0-100%"), tr("Aplicar Escala 0-100%"));
  connect(escala, &QToolButton::clicked, this, &JanelaSimulacaoRapida::EscalaCheia);

  grade->addWidget(normaliza_, 0, 0);
  grade->addWidget(ocultaCOs_, 0, 1);
  grade->addWidget(replicaZoom_, 1, 0);
  grade->addWidget(sobrepor_, 1, 1);
  auto* rotulo = new QLabel(tr("Pontos por página:"), painelFerramentas);
  rotulo->setBuddy(tamanhoPagina_);
  grade->addWidget(rotulo, 2, 0);
  grade->addWidget(tamanhoPagina_, 2, 1);
  auto* paginas = new QHBoxLayout;
  paginas->addWidget(setasPagina);
  paginas->addWidget(numeroPagina_, 1);
  grade->addWidget(new QLabel(tr("Página:"), painelFerramentas), 3, 0);
  grade->addLayout(paginas, 3, 1);
  auto* zoom = new QHBoxLayout;
  for (QToolButton* b : {botaoZoom_, desfaz, escala}) zoom->addWidget(b);
  zoom->addStretch(1);
  grade->addLayout(zoom, 4, 0, 1, 2);
  return painelFerramentas;
}

QCustomPlot& JanelaSimulacaoRapida::GraficoSuperior(int k) const {
  return *superiores_.at(static_cast<std::size_t>(k)).chart;
}
QCustomPlot& JanelaSimulacaoRapida::GraficoInferior(int k) const {
  return *inferiores_.at(static_cast<std::size_t>(k)).chart;
}

JanelaSimulacaoRapida::Grafico& JanelaSimulacaoRapida::De(int k, bool superior) {
  return (superior ? superiores_ : inferiores_).at(static_cast<std::size_t>(k));
}

int JanelaSimulacaoRapida::MalhaAtual() const { return abasSuperiores_->currentIndex() + 1; }

void JanelaSimulacaoRapida::CarregaSeries(bool superior, const MalhasDesempenho& malhas) {
  QVector<double> chaves;
  for (int k = 1; k <= kMalhas; ++k) {
    // A loop whose controller is gone keeps what it showed.
    if (!sessao_.documento().ControladorDe(k)) continue;
    QCustomPlot& chart = *De(k, superior).chart;
    const MalhaDesempenho& malha = malhas[static_cast<std::size_t>(k)];
    if (!malha.participa) {
      for (int s = 0; s < kSeries; ++s) chart.graph(s)->data()->clear();
    } else {
      const std::vector<double>* series[kSeries] = {&malha.series.PV, &malha.series.SP,
                                                    &malha.series.MV};
      for (int s = 0; s < kSeries; ++s) {
        const std::vector<double>& v = *series[s];
        const auto n = static_cast<qsizetype>(v.size());
        while (chaves.size() < n) chaves.append(static_cast<double>(chaves.size()));
        chart.graph(s)->setData(n == chaves.size() ? chaves : chaves.first(n),
                                QVector<double>(v.begin(), v.end()), true);
      }
    }
    PaginacaoMalha& paginacao = paginacao_[static_cast<std::size_t>(k)];
    paginacao.DefinePaginas(
        PaginasDaSerie(static_cast<std::size_t>(GraficoSuperior(k).graph(0)->dataCount()),
                       porPagina_),
        PaginasDaSerie(static_cast<std::size_t>(GraficoInferior(k).graph(0)->dataCount()),
                       porPagina_));
    paginacao.Primeira();
    MostraPagina(k);
  }
  if (!superior && sobrepor_->isChecked()) Sobrepoe();
}

void JanelaSimulacaoRapida::EixosAutomaticos(QCustomPlot& chart, int pagina) {
  const FaixaX faixa = FaixaDaPagina(pagina, porPagina_);
  const QCPRange x(faixa.minimo, faixa.maximo);
  chart.xAxis->setRange(x);
  bool algum = false;
  QCPRange y;
  for (int s = 0; s < chart.graphCount(); ++s) {
    const QCPGraph* serie = chart.graph(s);
    if (!serie->visible() || serie->data()->isEmpty()) continue;
    bool achou = false;
    const QCPRange r = serie->getValueRange(achou, QCP::sdBoth, x);
    if (!achou) continue;
    if (algum) {
      y.expand(r);
    } else {
      y = r;
      algum = true;
    }
  }
  if (!algum) {
    y = QCPRange(0, 100);
  } else {
    const double margem = y.size() > 1e-9 ? 0.05 * y.size() : 1.0;
    y = QCPRange(y.lower - margem, y.upper + margem);
  }
  chart.yAxis->setRange(y);
  chart.replot(QCustomPlot::rpQueuedReplot);
}

void JanelaSimulacaoRapida::MostraPagina(int k) {
  const PaginacaoMalha& paginacao = paginacao_[static_cast<std::size_t>(k)];
  for (bool superior : {true, false}) {
    Grafico& g = De(k, superior);
    g.zoom->Limpa();
    EixosAutomaticos(*g.chart, superior ? paginacao.PaginaSuperior() : paginacao.PaginaInferior());
  }
  if (k == MalhaAtual()) MostraNumeroPagina();
}

void JanelaSimulacaoRapida::MostraNumeroPagina() {
  if (!numeroPagina_) return;
  numeroPagina_->setText(
      QString::number(paginacao_[static_cast<std::size_t>(MalhaAtual())].Pagina()));
}

void JanelaSimulacaoRapida::DefineTamanhoPagina(int item) {
  porPagina_ = PontosPorPagina(item);
  for (int k = 1; k <= kMalhas; ++k) {
    paginacao_[static_cast<std::size_t>(k)].DefinePaginas(
        PaginasDaSerie(static_cast<std::size_t>(GraficoSuperior(k).graph(0)->dataCount()),
                       porPagina_),
        PaginasDaSerie(static_cast<std::size_t>(GraficoInferior(k).graph(0)->dataCount()),
                       porPagina_));
    MostraPagina(k);
  }
}

void JanelaSimulacaoRapida::MudaPagina(bool sobe) {
  const int k = MalhaAtual();
  PaginacaoMalha& paginacao = paginacao_[static_cast<std::size_t>(k)];
  if (sobe ? paginacao.Sobe() : paginacao.Desce()) MostraPagina(k);
}

void JanelaSimulacaoRapida::ArmaZoom() {
  DesarmaZoom();
  armada_ = MalhaAtual();
  De(armada_, true).zoom->Liga(true);
  De(armada_, false).zoom->Liga(true);
  botaoZoom_->setEnabled(false);
}

void JanelaSimulacaoRapida::DesarmaZoom() {
  if (armada_ != 0) {
    De(armada_, true).zoom->Liga(false);
    De(armada_, false).zoom->Liga(false);
    armada_ = 0;
  }
  botaoZoom_->setEnabled(true);
}

void JanelaSimulacaoRapida::Ampliado(int k, bool superior, const QCPRange& x, const QCPRange& y) {
  if (replicaZoom_->isChecked()) De(k, !superior).zoom->Amplia(x, y);
  DesarmaZoom();
}

void JanelaSimulacaoRapida::DesfazZoom(int k, bool superior) {
  const PaginacaoMalha& paginacao = paginacao_[static_cast<std::size_t>(k)];
  auto desfaz = [&](bool acima) {
    Grafico& g = De(k, acima);
    if (!g.zoom->Desfaz())
      EixosAutomaticos(*g.chart, acima ? paginacao.PaginaSuperior() : paginacao.PaginaInferior());
  };
  desfaz(superior);
  if (replicaZoom_->isChecked()) desfaz(!superior);
}

void JanelaSimulacaoRapida::LimpaZooms() {
  for (int k = 1; k <= kMalhas; ++k) {
    for (bool superior : {true, false}) De(k, superior).zoom->Limpa();
    MostraPagina(k);
  }
}

void JanelaSimulacaoRapida::EscalaCheia() {
  const int k = MalhaAtual();
  for (bool superior : {true, false}) {
    if (!superior && !replicaZoom_->isChecked()) continue;
    QCustomPlot& chart = *De(k, superior).chart;
    chart.yAxis->setRange(0, 100);
    chart.replot(QCustomPlot::rpQueuedReplot);
  }
}

bool JanelaSimulacaoRapida::eventFilter(QObject* objeto, QEvent* evento) {
  auto* chart = qobject_cast<QCustomPlot*>(objeto);
  const bool botao =
      evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonRelease;
  if (botao && chart && chart->property("malha").isValid()) {
    const auto* mouse = static_cast<QMouseEvent*>(evento);
    if (evento->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
      inicioArrasto_ = mouse->position().toPoint();
    } else if (evento->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
      const int k = chart->property("malha").toInt();
      const bool superior = chart->property("superior").toBool();
      const QPoint arrasto = mouse->position().toPoint() - inicioArrasto_;
      // Dragging up and to the left undoes instead of zooming.
      if (De(k, superior).zoom->Ligado() && arrasto.x() < -3 && arrasto.y() < -3) {
        chart->selectionRect()->cancel();
        DesfazZoom(k, superior);
        DesarmaZoom();
      }
    }
  } else if (evento->type() == QEvent::FocusIn) {
    if (auto* seletor = qobject_cast<QComboBox*>(objeto)) PreencheSeletor(seletor);
  }
  return QWidget::eventFilter(objeto, evento);
}

void JanelaSimulacaoRapida::OcultaCOs(bool marcado) {
  // Only ticking acts: the outputs come back with the next run or load.
  if (!marcado) return;
  for (int k = 1; k <= kMalhas; ++k) {
    const PaginacaoMalha& paginacao = paginacao_[static_cast<std::size_t>(k)];
    for (bool superior : {true, false}) {
      Grafico& g = De(k, superior);
      g.chart->graph(2)->data()->clear();
      // The history drawn over the upper chart shares the lower chart's points.
      if (g.zoom->Tamanho() == 0)
        EixosAutomaticos(*g.chart,
                         superior ? paginacao.PaginaSuperior() : paginacao.PaginaInferior());
      else
        g.chart->replot(QCustomPlot::rpQueuedReplot);
    }
  }
}

void JanelaSimulacaoRapida::Sobrepoe() {
  const bool sobrepor = sobrepor_->isChecked();
  for (int k = 1; k <= kMalhas; ++k) {
    QCustomPlot& acima = GraficoSuperior(k);
    const QCustomPlot& abaixo = GraficoInferior(k);
    while (acima.graphCount() > kSeries) acima.removeGraph(acima.graphCount() - 1);
    if (sobrepor) {
      for (int s = 0; s < kSeries; ++s) {
        QCPGraph* serie = acima.addGraph();
        serie->setName(QLatin1String(kNomesSeries[s]) + tr(" (hist)"));
        serie->setPen(QPen(CorClara(s), 2));
        serie->setLayer(QStringLiteral("grid"));  // under the run's own curves
        serie->setData(abaixo.graph(s)->data());
      }
    }
    const PaginacaoMalha& paginacao = paginacao_[static_cast<std::size_t>(k)];
    if (superiores_[static_cast<std::size_t>(k)].zoom->Tamanho() == 0)
      EixosAutomaticos(acima, paginacao.PaginaSuperior());
    else
      acima.replot(QCustomPlot::rpQueuedReplot);
  }
}

}  // namespace quiv
