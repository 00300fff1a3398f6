// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analise/pagina_sintonia.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/analise/recusa_sintonia.h"
#include "core/analise/verificacao_sintonia.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"
#include "ui/comum/controles.h"
#include "ui/comum/exporta_grafico.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// The index rows, in the order of the core's index array.
const char* const kRotulosIndices[kNumeroIndices] = {
    QT_TRANSLATE_NOOP("quiv::PaginaSintonia", "Variabilidade"),
    QT_TRANSLATE_NOOP("quiv::PaginaSintonia", "IEM"),
    QT_TRANSLATE_NOOP("quiv::PaginaSintonia", "IEMA"),
    QT_TRANSLATE_NOOP("quiv::PaginaSintonia", "Excursão CO"),
    QT_TRANSLATE_NOOP("quiv::PaginaSintonia", "Desvio Pad. CO"),
    QT_TRANSLATE_NOOP("quiv::PaginaSintonia", "Saturação CO"),
    QT_TRANSLATE_NOOP("quiv::PaginaSintonia", "PV mín/máx"),
};

enum ColunaRegra { kColRegra, kColTipo, kColKp, kColTi, kColTd, kColNota, kColunasRegra };

QString Numero(double v) { return Texto(TextoSignificativo(v)); }

QCustomPlot* Grafico(QWidget* pai, const char* nome, const QString& eixoX) {
  auto* g = new QCustomPlot(pai);
  g->setObjectName(QLatin1String(nome));
  g->setBackground(Qt::white);
  g->setMinimumSize(420, 260);
  g->xAxis->setLabel(eixoX);
  g->yAxis->setLabel(QStringLiteral("%"));
  g->legend->setVisible(true);
  g->legend->setFont(QApplication::font());
  g->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignBottom | Qt::AlignRight);
  g->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  return g;
}

QCPGraph* Serie(QCustomPlot& g, const QString& nome, const QPen& caneta) {
  QCPGraph* s = g.addGraph();
  s->setName(nome);
  s->setPen(caneta);
  return s;
}

// Every series of the chart emptied.
void Esvazia(QCustomPlot& g) {
  for (int s = 0; s < g.graphCount(); ++s) g.graph(s)->data()->clear();
  g.replot(QCustomPlot::rpQueuedReplot);
}

QVector<double> Vetor(const std::vector<double>& v, std::size_t inicio = 0) {
  return QVector<double>(v.begin() + static_cast<std::ptrdiff_t>(std::min(inicio, v.size())),
                         v.end());
}

QVector<double> Segundos(std::size_t n) {
  QVector<double> t(static_cast<qsizetype>(n));
  for (std::size_t i = 0; i < n; ++i) t[static_cast<qsizetype>(i)] = static_cast<double>(i);
  return t;
}

}  // namespace

PaginaSintonia::PaginaSintonia(SessaoSimulacao& sessao, int n, Aplicador aplica, QWidget* pai)
    : QWidget(pai, Qt::Window), sessao_(sessao), n_(n), aplica_(std::move(aplica)) {
  setObjectName(QStringLiteral("PaginaSintonia"));
  auto* vertical = new QVBoxLayout(this);
  vertical->addWidget(CriaPainelEnsaio());
  auto* meio = new QHBoxLayout;
  meio->addWidget(CriaGraficos(), 1);
  meio->addWidget(CriaPainelIndices());
  vertical->addLayout(meio, 1);
  vertical->addWidget(CriaPainelRegras());
  Limpa();
  resize(1150, 840);

  // A plant loaded in the session's place makes the test meaningless.
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    Limpa();
    AtualizaTitulo();
  });
}

PaginaSintonia::~PaginaSintonia() {
  // QWidget's destructor hides the page, which takes the focus from the lambda
  // field: its editingFinished must not reach a page that is already gone.
  lambda_->disconnect(this);
}

QWidget* PaginaSintonia::CriaPainelEnsaio() {
  auto* painel = new QGroupBox(tr("Ensaio em degrau (malha aberta, numa cópia da planta)"), this);
  painel->setObjectName(QStringLiteral("PainelEnsaio"));
  auto* rotulo = new QLabel(tr("Degrau na saída (%):"), painel);
  amplitude_ = new QLineEdit(QStringLiteral("10"), painel);
  amplitude_->setObjectName(QStringLiteral("AmplitudeEdit"));
  amplitude_->setToolTip(
      tr("Quanto a saída do controlador muda no ensaio, em %; negativo para descer"));
  amplitude_->setMaximumWidth(70);
  rotulo->setBuddy(amplitude_);
  botaoEnsaio_ = Botao(painel, "EnsaioBTN", tr("Executar Ensaio"),
                       tr("Controlador em manual, espera a PV parar, aplica o degrau na saída e "
                          "registra a resposta"));
  progresso_ = new QProgressBar(painel);
  progresso_->setObjectName(QStringLiteral("Progresso"));
  progresso_->setRange(0, 100);
  progresso_->setValue(0);
  estadoEnsaio_ = new QLabel(painel);
  estadoEnsaio_->setObjectName(QStringLiteral("EstadoEnsaio"));
  estadoEnsaio_->setWordWrap(true);

  auto* linha = new QHBoxLayout;
  linha->addWidget(rotulo);
  linha->addWidget(amplitude_);
  linha->addWidget(botaoEnsaio_);
  linha->addWidget(progresso_, 1);
  auto* v = new QVBoxLayout(painel);
  v->addLayout(linha);
  v->addWidget(estadoEnsaio_);
  connect(botaoEnsaio_, &QPushButton::clicked, this, &PaginaSintonia::ExecutaEnsaio);
  connect(amplitude_, &QLineEdit::returnPressed, this, &PaginaSintonia::ExecutaEnsaio);
  return painel;
}

QWidget* PaginaSintonia::CriaGraficos() {
  auto* area = new QWidget(this);
  graficos_ = new QTabWidget(area);
  graficos_->setObjectName(QStringLiteral("Graficos"));
  graficoResposta_ = Grafico(graficos_, "GraficoResposta", tr("Tempo após o degrau (s)"));
  Serie(*graficoResposta_, tr("PV registrada"), QPen(Qt::red, 2));
  QPen tracejada(Qt::black, 2);
  tracejada.setStyle(Qt::DashLine);
  Serie(*graficoResposta_, tr("Modelo ajustado"), tracejada);
  Serie(*graficoResposta_, tr("Saída (CO)"), QPen(QColor(0, 128, 0), 2));
  graficos_->addTab(graficoResposta_, tr("Resposta ao degrau"));

  graficoVerificacao_ =
      Grafico(graficos_, "GraficoVerificacao", tr("Tempo (s), degrau no SP a 10 % da janela"));
  Serie(*graficoVerificacao_, tr("SP"), QPen(Qt::blue, 1));
  Serie(*graficoVerificacao_, tr("PV antes"), QPen(QColor(160, 160, 160), 2));
  Serie(*graficoVerificacao_, tr("PV depois"), QPen(Qt::red, 2));
  graficos_->addTab(graficoVerificacao_, tr("Verificação (degrau no SP)"));
  for (QCustomPlot* g : {graficoResposta_, graficoVerificacao_})
    OfereceExportacao(*g, this, tr("Sintonia da malha %1").arg(n_));

  textoModelo_ = new QLabel(area);
  textoModelo_->setObjectName(QStringLiteral("ModeloText"));
  textoModelo_->setWordWrap(true);
  textoModelo_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* v = new QVBoxLayout(area);
  v->setContentsMargins(0, 0, 0, 0);
  v->addWidget(graficos_, 1);
  v->addWidget(textoModelo_);
  return area;
}

QWidget* PaginaSintonia::CriaPainelIndices() {
  auto* painel = new QGroupBox(tr("Índices da malha, antes e depois"), this);
  painel->setObjectName(QStringLiteral("PainelIndices"));
  tabelaIndices_ = new QTableWidget(kNumeroIndices, 4, painel);
  tabelaIndices_->setObjectName(QStringLiteral("TabelaIndices"));
  tabelaIndices_->setHorizontalHeaderLabels(
      {tr("SP antes"), tr("SP depois"), tr("Carga antes"), tr("Carga depois")});
  QStringList linhas;
  for (const char* rotulo : kRotulosIndices) linhas << tr(rotulo);
  tabelaIndices_->setVerticalHeaderLabels(linhas);
  tabelaIndices_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelaIndices_->setSelectionMode(QAbstractItemView::NoSelection);
  tabelaIndices_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tabelaIndices_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tabelaIndices_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  tabelaIndices_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tabelaIndices_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* explicacao = new QLabel(
      tr("Simulação rápida com degrau de 10 % no SP e com distúrbio degrau de 10 % na carga, "
         "com os ajustes atuais (antes) e com os escolhidos (depois)."),
      painel);
  explicacao->setWordWrap(true);
  explicacao->setMaximumWidth(420);
  avisoVerificacao_ = new QLabel(painel);
  avisoVerificacao_->setObjectName(QStringLiteral("AvisoVerificacao"));
  avisoVerificacao_->setWordWrap(true);
  avisoVerificacao_->setMaximumWidth(420);
  avisoVerificacao_->setStyleSheet(QStringLiteral("color: #a05000;"));
  estadoAplicacao_ = new QLabel(painel);
  estadoAplicacao_->setObjectName(QStringLiteral("EstadoAplicacao"));
  estadoAplicacao_->setWordWrap(true);
  estadoAplicacao_->setMaximumWidth(420);

  auto* v = new QVBoxLayout(painel);
  v->addWidget(tabelaIndices_);
  v->addWidget(explicacao);
  v->addWidget(avisoVerificacao_);
  v->addWidget(estadoAplicacao_);
  v->addStretch(1);
  return painel;
}

QWidget* PaginaSintonia::CriaPainelRegras() {
  auto* painel = new QGroupBox(tr("Regras de sintonia"), this);
  painel->setObjectName(QStringLiteral("PainelRegras"));
  auto* rotulo = new QLabel(tr("Constante de tempo de malha fechada λ do IMC (s):"), painel);
  lambda_ = new QLineEdit(painel);
  lambda_->setObjectName(QStringLiteral("LambdaEdit"));
  lambda_->setToolTip(
      tr("Vazio: a maior entre a constante de tempo e o tempo morto (para processo "
         "integrador, a maior entre 1/K e 2 L). Menor: malha mais rápida e menos robusta."));
  lambda_->setMaximumWidth(90);
  rotulo->setBuddy(lambda_);
  botaoVerificar_ = Botao(painel, "VerificarBTN", tr("Verificar"),
                          tr("Compara os índices da malha antes e depois dos ajustes escolhidos"));
  botaoAplicar_ = Botao(painel, "AplicarBTN", tr("Aplicar"),
                        tr("Escreve os ajustes escolhidos no controlador e os aplica"));
  botaoFechar_ = Botao(painel, "FecharBTN", tr("Fechar"), tr("Fechar"));

  tabelaRegras_ = new QTableWidget(0, kColunasRegra, painel);
  tabelaRegras_->setObjectName(QStringLiteral("TabelaRegras"));
  tabelaRegras_->setHorizontalHeaderLabels(
      {tr("Regra"), tr("Controlador"), tr("Kp"), tr("Ti (s)"), tr("Td (s)"), tr("Observação")});
  tabelaRegras_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelaRegras_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelaRegras_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelaRegras_->verticalHeader()->setVisible(false);
  tabelaRegras_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tabelaRegras_->horizontalHeader()->setStretchLastSection(true);
  // All twelve rows in sight: the student compares the rules at a glance.
  const int altura = tabelaRegras_->fontMetrics().height() + 8;
  tabelaRegras_->verticalHeader()->setDefaultSectionSize(altura);
  tabelaRegras_->setMinimumHeight(13 * altura + 2 * tabelaRegras_->frameWidth() + 4);

  auto* linha = new QHBoxLayout;
  linha->addWidget(rotulo);
  linha->addWidget(lambda_);
  linha->addStretch(1);
  linha->addWidget(botaoVerificar_);
  linha->addWidget(botaoAplicar_);
  linha->addWidget(botaoFechar_);
  auto* v = new QVBoxLayout(painel);
  v->addWidget(tabelaRegras_, 1);
  v->addLayout(linha);

  connect(lambda_, &QLineEdit::editingFinished, this, &PaginaSintonia::DefineLambda);
  connect(botaoVerificar_, &QPushButton::clicked, this, &PaginaSintonia::Verifica);
  connect(botaoAplicar_, &QPushButton::clicked, this, &PaginaSintonia::Aplica);
  connect(botaoFechar_, &QPushButton::clicked, this, &QWidget::close);
  connect(tabelaRegras_, &QTableWidget::itemSelectionChanged, this, [this] {
    LimpaIndices();
    HabilitaBotoes();
  });
  return painel;
}

void PaginaSintonia::AtualizaTitulo() {
  const Controlador* c = sessao_.documento().ControladorDe(n_);
  const QString tag = c ? Texto(c->Tag.Em(sessao_.IdiomaIngles())) : QString();
  setWindowTitle(tag.isEmpty() ? tr("Sintonia da malha %1").arg(n_)
                               : tr("Sintonia da malha %1 - %2").arg(n_).arg(tag));
}

void PaginaSintonia::Mostra() {
  AtualizaTitulo();
  show();
  raise();
  activateWindow();
}

void PaginaSintonia::closeEvent(QCloseEvent* evento) {
  if (ocupado_) {
    evento->ignore();
    return;
  }
  QWidget::closeEvent(evento);
}

void PaginaSintonia::Limpa() {
  base_.reset();
  ensaio_.reset();
  modelo_.reset();
  tabela_.clear();
  tabelaRegras_->setRowCount(0);
  Esvazia(*graficoResposta_);
  estadoEnsaio_->setText(
      tr("Execute o ensaio: a planta é copiada como está, e a planta em operação não é "
         "perturbada."));
  textoModelo_->clear();
  estadoAplicacao_->clear();
  progresso_->setValue(0);
  LimpaIndices();
  HabilitaBotoes();
}

void PaginaSintonia::LimpaIndices() {
  avisoVerificacao_->clear();
  for (int i = 0; i < tabelaIndices_->rowCount(); ++i)
    for (int j = 0; j < tabelaIndices_->columnCount(); ++j)
      tabelaIndices_->setItem(i, j, new QTableWidgetItem(QString()));
  Esvazia(*graficoVerificacao_);
}

void PaginaSintonia::HabilitaBotoes() {
  const bool escolhida = Escolhida().has_value();
  botaoEnsaio_->setEnabled(!ocupado_);
  amplitude_->setEnabled(!ocupado_);
  lambda_->setEnabled(!ocupado_ && modelo_.has_value());
  botaoVerificar_->setEnabled(!ocupado_ && escolhida);
  botaoAplicar_->setEnabled(!ocupado_ && escolhida);
  botaoFechar_->setEnabled(!ocupado_);
}

void PaginaSintonia::Informa(const QString& texto) {
  Interacao::Atual().Informa(this, windowTitle(), texto);
}

std::function<void(int)> PaginaSintonia::Progresso() {
  return [this](int percentual) {
    if (percentual == progresso_->value()) return;
    progresso_->setValue(percentual);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}

FabricaCopia PaginaSintonia::Copia() const {
  const std::shared_ptr<const Documento> base = base_;
  return [base] { return CopiaSimulacao(*base); };
}

QString PaginaSintonia::Ocupa(const std::function<void()>& trabalho) {
  ocupado_ = true;
  HabilitaBotoes();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QString erro;
  try {
    // The live plant waits, untouched, while its copies are stepped.
    sessao_.RodaPausada(trabalho);
  } catch (const RecusaSintonia& e) {
    erro = TextoRecusa(e);
  } catch (const Erro& e) {
    erro = Texto(e.what());
  }
  QApplication::restoreOverrideCursor();
  ocupado_ = false;
  HabilitaBotoes();
  return erro;
}

void PaginaSintonia::ExecutaEnsaio() {
  if (ocupado_) return;
  OpcoesEnsaio opcoes;
  const std::optional<double> amplitude = LeNumero(amplitude_->text().toStdString());
  opcoes.amplitude = amplitude.value_or(std::nan(""));
  if (const auto problema = ProblemaDoEnsaio(opcoes); problema || !amplitude) {
    Informa(tr("Degrau na saída inválido: \"%1\". Digite em % um número diferente de zero, "
               "de -100 a 100, por exemplo 10.")
                .arg(amplitude_->text()));
    amplitude_->setFocus();
    amplitude_->selectAll();
    return;
  }
  Limpa();
  const QString erro = Ocupa([this, &opcoes] {
    base_ = CopiaDocumento(sessao_.documento());
    ensaio_ = EnsaioDegrau(Copia(), n_, opcoes, Progresso());
    modelo_ = IdentificaModelo(*ensaio_);
  });
  if (!erro.isEmpty()) {
    const bool registrou = ensaio_.has_value();
    modelo_.reset();
    if (registrou) MostraEnsaio();  // what was recorded shows why the fit was refused
    HabilitaBotoes();
    Informa((registrou ? tr("Não foi possível ajustar um modelo à resposta: %1")
                       : tr("O ensaio não pôde ser feito: %1"))
                .arg(erro));
    return;
  }
  MostraEnsaio();
  PreencheTabela();
  Escolhe(Regra::IMC, TipoControlador::PI);
  HabilitaBotoes();
}

void PaginaSintonia::MostraEnsaio() {
  const ResultadoEnsaio& e = *ensaio_;
  QCustomPlot& g = *graficoResposta_;
  // From a little before the step: the whole settling would squeeze the
  // response into the chart's right end.
  const double fim = e.tempo.back();
  const double inicio = std::max(e.tempo.front(), -0.2 * std::max(fim, 1.0));
  std::size_t primeiro = 0;
  while (primeiro < e.tempo.size() && e.tempo[primeiro] < inicio) ++primeiro;
  const QVector<double> t = Vetor(e.tempo, primeiro);
  g.graph(0)->setData(t, Vetor(e.PV, primeiro), true);
  g.graph(2)->setData(t, Vetor(e.CO, primeiro), true);
  if (modelo_) g.graph(1)->setData(t, Vetor(modelo_->curva, primeiro), true);
  g.xAxis->setRange(inicio, fim);
  g.rescaleAxes(true);
  g.xAxis->setRange(inicio, fim);
  const QCPRange y = g.yAxis->range();
  const double margem = std::max(0.05 * y.size(), 0.5);
  g.yAxis->setRange(y.lower - margem, y.upper + margem);
  g.replot(QCustomPlot::rpQueuedReplot);
  graficos_->setCurrentWidget(graficoResposta_);

  const QString fimTexto = e.fim == FimEnsaio::Assentou     ? tr("a PV assentou")
                           : e.fim == FimEnsaio::FimDaFaixa ? tr("a PV chegou ao fim da faixa")
                                                            : tr("a PV ainda se movia");
  estadoEnsaio_->setText(tr("Saída de %1 para %2 %, passo de %3 s; %4 s registrados após o "
                            "degrau, %5.")
                             .arg(Texto(TextoFixo(e.COinicial, 2)))
                             .arg(Texto(TextoFixo(e.COinicial + e.amplitude, 2)))
                             .arg(Numero(e.TA))
                             .arg(Numero(fim))
                             .arg(fimTexto));
  if (!modelo_) {
    textoModelo_->clear();
    return;
  }
  const ModeloProcesso& m = modelo_->modelo;
  const QString r2 = Texto(TextoFixo(modelo_->R2, 4));
  textoModelo_->setText(
      m.tipo == TipoModelo::Integrador
          ? tr("Modelo: integrador com tempo morto, K·e^(−L·s)/s: K = %1 %/s por %, "
               "L = %2 s; o modelo explica R² = %3 da variância da resposta.")
                .arg(Numero(m.K), Numero(m.L), r2)
          : tr("Modelo: primeira ordem com tempo morto, K·e^(−L·s)/(T·s + 1): K = %1 %/%, "
               "T = %2 s, L = %3 s; o modelo explica R² = %4 da variância da resposta.")
                .arg(Numero(m.K), Numero(m.T), Numero(m.L), r2));
}

void PaginaSintonia::PreencheTabela() {
  const std::optional<Sintonia> antes = Escolhida();
  tabela_ = TabelaSintonia(modelo_->modelo, regras_);
  const Controlador* c = sessao_.documento().ControladorDe(n_);
  const bool isa = !c || c->ItemEstrutura == 1;
  tabelaRegras_->setHorizontalHeaderItem(
      kColNota, new QTableWidgetItem(isa ? tr("Observação (estrutura ISA)")
                                         : tr("Observação (estrutura paralela)")));
  tabelaRegras_->setRowCount(static_cast<int>(tabela_.size()));
  for (int i = 0; i < static_cast<int>(tabela_.size()); ++i) {
    const Sintonia& s = tabela_[static_cast<std::size_t>(i)];
    QString regra = NomeRegraTela(s.regra);
    if (s.regra == Regra::IMC) regra += tr(" (λ = %1 s)").arg(Numero(s.constante));
    if (s.regra == Regra::SIMC) regra += tr(" (τc = %1 s)").arg(Numero(s.constante));
    QStringList celulas{regra, Texto(NomeTipo(s.tipo))};
    if (s.definida) {
      const ParametrosControlador p = ParaControlador(s, isa);
      celulas << Texto(p.TextoKp) << Texto(p.TextoTi) << Texto(p.TextoTd)
              << TextoRessalva(s, modelo_->modelo);
    } else {
      celulas << tr("não definida") << QString() << QString() << TextoRessalva(s, modelo_->modelo);
    }
    for (int j = 0; j < kColunasRegra; ++j) {
      auto* item = new QTableWidgetItem(celulas[j]);
      item->setToolTip(celulas[kColNota]);
      if (!s.definida) item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
      tabelaRegras_->setItem(i, j, item);
    }
  }
  if (antes) Escolhe(antes->regra, antes->tipo);
}

std::optional<Sintonia> PaginaSintonia::Escolhida() const {
  const QList<QTableWidgetItem*> itens = tabelaRegras_->selectedItems();
  if (itens.isEmpty()) return std::nullopt;
  const int linha = itens.first()->row();
  if (linha < 0 || linha >= static_cast<int>(tabela_.size())) return std::nullopt;
  const Sintonia& s = tabela_[static_cast<std::size_t>(linha)];
  if (!s.definida) return std::nullopt;
  return s;
}

bool PaginaSintonia::Escolhe(Regra regra, TipoControlador tipo) {
  for (int i = 0; i < static_cast<int>(tabela_.size()); ++i) {
    const Sintonia& s = tabela_[static_cast<std::size_t>(i)];
    if (s.regra != regra || s.tipo != tipo) continue;
    if (!s.definida) return false;
    tabelaRegras_->selectRow(i);
    return true;
  }
  return false;
}

void PaginaSintonia::DefineLambda() {
  if (!modelo_) return;
  const QString texto = lambda_->text().trimmed();
  std::optional<double> lambda;
  if (!texto.isEmpty()) {
    const std::optional<double> v = LeNumero(texto.toStdString());
    if (!v || !(*v > 0.0)) {
      Informa(tr("λ inválido: \"%1\". Digite um tempo em segundos maior que zero, ou deixe "
                 "vazio para o valor sugerido.")
                  .arg(texto));
      lambda_->setFocus();
      lambda_->selectAll();
      return;
    }
    lambda = *v;
  }
  if (lambda == regras_.lambda) return;
  regras_.lambda = lambda;
  PreencheTabela();
  LimpaIndices();
}

void PaginaSintonia::Verifica() {
  const std::optional<Sintonia> s = Escolhida();
  if (ocupado_ || !s || !base_ || !ensaio_ || !modelo_) return;
  const Controlador* c = base_->ControladorDe(n_);
  if (!c) return;
  const ParametrosControlador p = ParaControlador(*s, *c);
  std::optional<ResultadoVerificacao> v;
  const QString erro = Ocupa([&] {
    v = VerificaSintonia(Copia(), n_, p, OpcoesDoEnsaio(*ensaio_, modelo_->modelo, *s, 1),
                         Progresso());
  });
  if (!v) {
    Informa(tr("A verificação não pôde ser feita: %1").arg(erro));
    return;
  }
  const RodadaVerificacao* rodadas[] = {&v->spAntes, &v->spDepois, &v->cargaAntes, &v->cargaDepois};
  for (int j = 0; j < 4; ++j) {
    const IndicesMalha mostrados = IndicesMostrados(rodadas[j]->indices, true, {});
    for (int i = 0; i < kNumeroIndices; ++i) {
      auto* item = new QTableWidgetItem(Texto(mostrados[static_cast<std::size_t>(i)]).trimmed());
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      tabelaIndices_->setItem(i, j, item);
    }
  }
  // The fast simulation's test signals reach some controllers not at all.
  QStringList avisos;
  if (c->HabilitaFF)
    avisos << tr(
        "A compensação direta deste controlador define o seu bias: o distúrbio de "
        "carga não age sobre ele.");
  if (!c->ModoLocal)
    avisos << tr("O controlador está em remoto: o degrau no SP não age sobre ele.");
  avisoVerificacao_->setText(avisos.join(QLatin1Char(' ')));
  QCustomPlot& g = *graficoVerificacao_;
  const SeriesMalha& antes = v->spAntes.series;
  const SeriesMalha& depois = v->spDepois.series;
  g.graph(0)->setData(Segundos(antes.SP.size()), Vetor(antes.SP), true);
  g.graph(1)->setData(Segundos(antes.PV.size()), Vetor(antes.PV), true);
  g.graph(2)->setData(Segundos(depois.PV.size()), Vetor(depois.PV), true);
  g.rescaleAxes();
  const QCPRange y = g.yAxis->range();
  const double margem = std::max(0.05 * y.size(), 0.5);
  g.yAxis->setRange(y.lower - margem, y.upper + margem);
  // The window holds thirty answers of the loop: the chart opens on the step
  // and a dozen answers after it (drag or wheel for the rest).
  std::size_t degrau = 0;
  while (degrau < antes.SP.size() && antes.SP[degrau] == antes.SP.front()) ++degrau;
  const ModeloProcesso& m = modelo_->modelo;
  const double resposta = m.L + std::max(m.tipo == TipoModelo::PrimeiraOrdem ? m.T : 0.0, s->Ti);
  if (degrau < antes.SP.size() && resposta > 0.0)
    g.xAxis->setRange(std::max(0.0, static_cast<double>(degrau) - 2.0 * resposta),
                      std::min(static_cast<double>(antes.SP.size()),
                               static_cast<double>(degrau) + 12.0 * resposta));
  g.replot(QCustomPlot::rpQueuedReplot);
  graficos_->setCurrentWidget(graficoVerificacao_);
}

void PaginaSintonia::Aplica() {
  const std::optional<Sintonia> s = Escolhida();
  if (ocupado_ || !s) return;
  const Controlador* c = sessao_.documento().ControladorDe(n_);
  if (!c) {
    Informa(tr("O controlador %1 não existe mais.").arg(n_));
    return;
  }
  // The structure the controller has now: the user may have switched it
  // since the test.
  const ParametrosControlador p = ParaControlador(*s, *c);
  if (!aplica_ || !aplica_(p)) {
    estadoAplicacao_->setText(tr("O controlador recusou os ajustes."));
    return;
  }
  estadoAplicacao_->setText(
      tr("Aplicado ao controlador: Kp = %1, Ti = %2 s, Td = %3 s, processo de resposta %4.")
          .arg(Texto(p.TextoKp), Texto(p.TextoTi), Texto(p.TextoTd),
               p.acaoReversa ? tr("reversa") : tr("direta")));
}

QString PaginaSintonia::NomeRegraTela(Regra regra) {
  switch (regra) {
    case Regra::IMC:
      return tr("IMC/lambda");
    case Regra::SIMC:
      return tr("SIMC");
    case Regra::ZieglerNichols:
      return tr("Ziegler-Nichols");
    case Regra::CohenCoon:
      return tr("Cohen-Coon");
    case Regra::ITAECarga:
      return tr("ITAE carga");
    case Regra::ITAESP:
      return tr("ITAE SP");
  }
  return {};
}

QString PaginaSintonia::TextoRessalva(const Sintonia& s, const ModeloProcesso& modelo) {
  switch (s.ressalva) {
    case Ressalva::Nenhuma:
      return {};
    case Ressalva::SemGanho:
      return tr("o modelo não tem ganho");
    case Ressalva::SemConstanteDeTempo:
      return tr("o modelo não tem constante de tempo");
    case Ressalva::SemTempoMorto:
      return tr("a regra precisa de tempo morto");
    case Ressalva::SemTempoMortoNemTauC:
      return tr("a regra precisa de tempo morto ou de τc maior que zero");
    case Ressalva::SemIntegrador:
      return tr("a fonte não trata processo integrador");
    case Ressalva::SoPIIntegrador:
      return tr("para processo integrador a fonte dá só PI");
    case Ressalva::SimcSemDerivada:
      return tr(
          "o SIMC só usa derivada com uma segunda constante de tempo, que este modelo não "
          "tem");
    case Ressalva::RazaoGrande:
      return tr("L/T grande demais para a correlação");
    case Ressalva::SemAjusteUtil:
      return tr("a regra não dá ajuste utilizável para este modelo");
    case Ressalva::LambdaPequeno:
      return tr("λ abaixo de 0,8 L, menos que o recomendado pela fonte");
    case Ressalva::RazaoForaDoAjuste:
      return tr("L/T = %1, fora de 0,1 ... 1, onde a correlação foi ajustada")
          .arg(Texto(TextoFixo(modelo.T > 0.0 ? modelo.L / modelo.T : 0.0, 2)));
  }
  return Texto(s.definida ? s.nota : s.motivo);
}

QString PaginaSintonia::TextoRecusa(const RecusaSintonia& r) {
  auto numero = [&r](std::size_t i) { return Texto(TextoFixo(r.Valor(i), 2)); };
  switch (r.Motivo()) {
    case MotivoRecusa::SemControlador:
      return tr("a malha não tem controlador.");
    case MotivoRecusa::SemPV:
      return tr("o controlador não tem variável de processo escolhida.");
    case MotivoRecusa::DegrauForaDaFaixa:
      return tr("um degrau de %1 % a partir da saída em %2 % sairia de 0 ... 100 %. Use um degrau "
                "menor ou de sinal contrário.")
          .arg(numero(0), numero(1));
    case MotivoRecusa::RegistroCurto:
      return tr("o ensaio registrou pouco demais para o ajuste.");
    case MotivoRecusa::PVParada:
      return tr("a PV não se moveu após o degrau de %1 % na saída.").arg(numero(0));
    case MotivoRecusa::RespostaPequena:
      return tr("a resposta é pequena demais: a PV variou %1 %, menos que %2 %. Use um degrau "
                "maior.")
          .arg(numero(0), numero(1));
    case MotivoRecusa::AjustePobre: {
      QString texto = tr("o modelo explica só %1 % da variância da resposta (o mínimo é %2 %): a "
                         "resposta tem ruído demais ou não tem esta forma.")
                          .arg(Texto(TextoFixo(r.Valor(0), 1)), Texto(TextoFixo(r.Valor(1), 1)));
      if (r.Valor(2) != 0.0) texto += tr(" A PV chegou ao fim da faixa: use um degrau menor.");
      return texto;
    }
    case MotivoRecusa::ControladorRecusou:
      return tr("o controlador recusou os ajustes.");
  }
  return Texto(r.what());
}

}  // namespace quiv
