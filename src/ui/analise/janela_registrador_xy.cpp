// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analise/janela_registrador_xy.h"

#include <qcustomplot.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <functional>

#include "core/objetos/registrador_xy.h"
#include "ui/comum/exporta_grafico.h"
#include "ui/comum/pilha_zoom.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// A variable list that tells the window just before it drops down, so the
// window can fill it with the cells' current descriptions.
class ListaVariaveis : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> AoAbrir;

  void showPopup() override {
    if (AoAbrir) AoAbrir();
    QComboBox::showPopup();
  }
};

enum class Figura { Limpar, Escala, Zoom, DesfazZoom, Png, Csv };

// The chart buttons' pictures, drawn in code so they scale with the screen.
QIcon Icone(Figura figura) {
  constexpr int kLado = 40;
  QPixmap pixmap(kLado, kLado);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor tinta(40, 40, 60);
  auto lupa = [&p, &tinta] {
    p.setPen(QPen(tinta, 3.5));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QRectF(5, 5, 21, 21));
    p.setPen(QPen(tinta, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 25), QPointF(35, 35));
  };
  switch (figura) {
    case Figura::Limpar: {
      // Scattered dots struck out.
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 0, 0));
      for (const QPointF c : {QPointF(9, 28), QPointF(15, 20), QPointF(22, 14), QPointF(30, 9)})
        p.drawEllipse(c, 3, 3);
      p.setPen(QPen(tinta, 4.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(8, 8), QPointF(32, 32));
      p.drawLine(QPointF(32, 8), QPointF(8, 32));
      break;
    }
    case Figura::Escala: {
      p.setPen(QPen(tinta, 3));
      p.drawLine(QPointF(6, 3), QPointF(6, 34));
      p.drawLine(QPointF(6, 34), QPointF(37, 34));
      QFont fonte = p.font();
      fonte.setPixelSize(20);
      fonte.setBold(true);
      p.setFont(fonte);
      p.setPen(QColor(0, 0, 128));
      p.drawText(QRectF(9, 2, 30, 30), Qt::AlignCenter, QStringLiteral("%"));
      break;
    }
    case Figura::Zoom:
      p.setPen(QPen(QColor(0, 0, 128), 2, Qt::DashLine));
      p.drawRect(QRectF(2, 2, 20, 16));
      lupa();
      p.setPen(QPen(tinta, 3));
      p.drawLine(QPointF(15.5, 10), QPointF(15.5, 21));
      p.drawLine(QPointF(10, 15.5), QPointF(21, 15.5));
      break;
    case Figura::DesfazZoom:
      lupa();
      p.setPen(QPen(tinta, 3));
      p.drawLine(QPointF(10, 15.5), QPointF(21, 15.5));
      break;
    case Figura::Png: {
      p.setPen(QPen(tinta, 2.5));
      p.setBrush(QColor(235, 245, 255));
      p.drawRect(QRectF(3, 7, 34, 26));
      QPainterPath serra;
      serra.moveTo(5, 31);
      serra.lineTo(15, 17);
      serra.lineTo(22, 25);
      serra.lineTo(27, 19);
      serra.lineTo(35, 31);
      serra.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 130, 60));
      p.drawPath(serra);
      p.setBrush(QColor(230, 170, 0));
      p.drawEllipse(QPointF(29, 13), 3, 3);
      break;
    }
    case Figura::Csv: {
      p.setPen(QPen(tinta, 2.5));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 5, 32, 30));
      p.fillRect(QRectF(5.25, 6.25, 29.5, 8), QColor(200, 215, 240));
      p.setPen(QPen(tinta, 1.8));
      for (const double y : {15.0, 22.0, 29.0}) p.drawLine(QPointF(4, y), QPointF(36, y));
      p.drawLine(QPointF(16, 5), QPointF(16, 35));
      break;
    }
  }
  p.end();
  return QIcon(pixmap);
}

QToolButton* BotaoGrafico(QWidget* pai, const char* nome, Figura figura, const QString& dica) {
  auto* b = new QToolButton(pai);
  b->setObjectName(QLatin1String(nome));
  b->setIcon(Icone(figura));
  b->setIconSize(QSize(20, 20));
  b->setToolTip(dica);
  b->setAccessibleName(dica);
  return b;
}

// A list item: the cell's number (two digits at least), three blanks and its
// description.
QString ItemVariavel(int celula, const std::string& descricao) {
  return QStringLiteral("%1   %2")
      .arg(celula, 2, 10, QLatin1Char('0'))
      .arg(QString::fromUtf8(descricao.data(), static_cast<qsizetype>(descricao.size())));
}

}  // namespace

JanelaRegistradorXY::JanelaRegistradorXY(SessaoSimulacao& sessao, QWidget* pai)
    : QWidget(pai, Qt::Window), sessao_(sessao) {
  setObjectName(QStringLiteral("RegXY"));
  // The caption stays Portuguese in both languages.
  setWindowTitle(tr("Registrador XY"));
  CriaControles();
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, &JanelaRegistradorXY::Preenche);
  Preenche();
  resize(860, 560);
}

JanelaRegistradorXY::~JanelaRegistradorXY() = default;

RegistradorXY& JanelaRegistradorXY::modelo() const { return sessao_.documento().registradorXY; }

void JanelaRegistradorXY::CriaControles() {
  auto* vertical = new QVBoxLayout(this);

  // Variables, window of simulated time and the run.
  auto* escolhas = new QHBoxLayout;
  auto rotulo = [this, escolhas](const char* nome, const QString& texto) {
    auto* l = new QLabel(texto, this);
    l->setObjectName(QLatin1String(nome));
    escolhas->addWidget(l);
    return l;
  };
  // "Presets:", "var X:", "var Y:", the presets and the window items stay
  // Portuguese in both languages.
  rotulo("LabelPresets", QStringLiteral("Presets:"));
  predefinicoes_ = new QComboBox(this);
  predefinicoes_->setObjectName(QStringLiteral("Presets"));
  predefinicoes_->setToolTip(tr("Pares de variáveis pré-selecionadas"));
  predefinicoes_->addItem(tr("Seleção Individual"));
  for (int k = 1; k <= 10; ++k) {
    predefinicoes_->addItem(tr("COxPV [Malha %1]").arg(k));
    predefinicoes_->addItem(tr("COxMV [Malha %1]").arg(k));
  }
  escolhas->addWidget(predefinicoes_);
  escolhas->addSpacing(8);

  auto lista = [this, escolhas](const char* nome, const QString& dica, bool eixoX) {
    auto* c = new ListaVariaveis(this);
    c->setObjectName(QLatin1String(nome));
    c->setToolTip(dica);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(14);
    c->AoAbrir = [this, eixoX] { CompletaLista(eixoX); };
    escolhas->addWidget(c, 1);
    return c;
  };
  rotulo("LabelX", QStringLiteral("var X:"));
  variavelX_ = lista("ComboX", tr("Variável do eixo X"), true);
  escolhas->addSpacing(8);
  rotulo("LabelY", QStringLiteral("var Y:"));
  variavelY_ = lista("ComboY", tr("Variável do eixo vertical"), false);
  escolhas->addSpacing(8);

  rotuloDuracao_ = rotulo("Label36", tr("Janela:"));
  duracao_ = new QComboBox(this);
  duracao_->setObjectName(QStringLiteral("JanelaComboBox"));
  duracao_->addItems({tr("10 min"), tr("30 min"), tr("1 hora")});
  escolhas->addWidget(duracao_);
  escolhas->addSpacing(8);
  botaoRegistra_ = new QPushButton(tr("Registra"), this);
  botaoRegistra_->setObjectName(QStringLiteral("Button1"));
  escolhas->addWidget(botaoRegistra_);
  vertical->addLayout(escolhas);

  progresso_ = new QProgressBar(this);
  progresso_->setObjectName(QStringLiteral("Gauge1"));
  progresso_->setRange(0, 100);
  progresso_->setValue(0);
  QPalette azul = progresso_->palette();
  azul.setColor(QPalette::Highlight, QColor(0, 0, 128));
  progresso_->setPalette(azul);
  vertical->addWidget(progresso_);

  grafico_ = new QCustomPlot(this);
  grafico_->setObjectName(QStringLiteral("Chart1"));
  grafico_->setBackground(Qt::white);
  grafico_->setMinimumSize(320, 240);
  grafico_->legend->setVisible(false);
  grafico_->setNotAntialiasedElements(QCP::aeScatters);
  grafico_->xAxis->setRange(0, 100);
  grafico_->yAxis->setRange(0, 100);
  serie_ = grafico_->addGraph();
  serie_->setName(tr("Pontos"));
  serie_->setLineStyle(QCPGraph::lsNone);
  serie_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDot, QPen(Qt::red, 1), Qt::red, 1));
  zoom_ = new PilhaZoom(*grafico_);
  vertical->addWidget(grafico_, 1);

  auto* botoes = new QHBoxLayout;
  botaoLimpar_ = BotaoGrafico(this, "SpeedButton4", Figura::Limpar, tr("Limpar"));
  botaoEscala_ = BotaoGrafico(this, "SpeedButton3", Figura::Escala, tr("Aplicar Escala 0-100%"));
  botaoZoom_ = BotaoGrafico(this, "SpeedButton1", Figura::Zoom,
                            tr("Zoom Window: Clicar e arrastar para baixo e para a direita"));
  botaoZoom_->setCheckable(true);
  botaoDesfazZoom_ = BotaoGrafico(this, "SpeedButton2", Figura::DesfazZoom, tr("Desfazer Zoom"));
  botaoPng_ =
      BotaoGrafico(this, "ExportaPngButton", Figura::Png, tr("Exportar o gráfico como imagem PNG"));
  botaoCsv_ =
      BotaoGrafico(this, "ExportaCsvButton", Figura::Csv, tr("Exportar os pontos como tabela CSV"));
  for (QToolButton* b : {botaoLimpar_, botaoEscala_, botaoZoom_, botaoDesfazZoom_})
    botoes->addWidget(b);
  auto* separador = new QFrame(this);
  separador->setFrameShape(QFrame::VLine);
  separador->setFrameShadow(QFrame::Sunken);
  botoes->addWidget(separador);
  botoes->addWidget(botaoPng_);
  botoes->addWidget(botaoCsv_);
  botoes->addStretch(1);
  botaoSair_ = new QPushButton(tr("Sair"), this);
  botaoSair_->setObjectName(QStringLiteral("SairButton"));
  botoes->addWidget(botaoSair_);
  vertical->addLayout(botoes);

  connect(predefinicoes_, &QComboBox::currentIndexChanged, this,
          &JanelaRegistradorXY::AplicaPredefinicao);
  connect(variavelX_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (preenchendo_) return;
    modelo().ItemX = item;
    HabilitaRegistra();
  });
  connect(variavelY_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (preenchendo_) return;
    modelo().ItemY = item;
    HabilitaRegistra();
  });
  connect(duracao_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (!preenchendo_) modelo().ItemJanela = item;
  });
  connect(botaoRegistra_, &QPushButton::clicked, this, &JanelaRegistradorXY::Registra);
  connect(botaoLimpar_, &QToolButton::clicked, this, &JanelaRegistradorXY::Limpa);
  connect(botaoEscala_, &QToolButton::clicked, this, &JanelaRegistradorXY::EscalaCheia);
  connect(botaoZoom_, &QToolButton::toggled, this, &JanelaRegistradorXY::LigaZoom);
  connect(botaoDesfazZoom_, &QToolButton::clicked, this, &JanelaRegistradorXY::DesfazZoom);
  connect(botaoPng_, &QToolButton::clicked, this, &JanelaRegistradorXY::ExportaImagem);
  connect(botaoCsv_, &QToolButton::clicked, this, &JanelaRegistradorXY::ExportaTabela);
  connect(botaoSair_, &QPushButton::clicked, this, &QWidget::close);
  // A rectangle drawn with the mouse fixes the axes until the zoom is undone.
  connect(zoom_, &PilhaZoom::Ampliado, this, [this] { eixosAutomaticos_ = false; });
}

void JanelaRegistradorXY::Preenche() {
  const RegistradorXY& m = modelo();
  preenchendo_ = true;
  predefinicoes_->setCurrentIndex(m.Predefinicao);
  PreencheLista(variavelX_, m.ListaXCompleta, m.ItemX);
  PreencheLista(variavelY_, m.ListaYCompleta, m.ItemY);
  duracao_->setCurrentIndex(m.ItemJanela);
  preenchendo_ = false;
  HabilitaRegistra();
}

void JanelaRegistradorXY::PreencheLista(QComboBox* combo, bool completa, int item) {
  QStringList itens;
  if (completa) {
    const Memoria& memoria = sessao_.simulacao().memoria;
    itens.reserve(Memoria::kItens);
    for (int celula = 1; celula <= Memoria::kItens; ++celula)
      itens.append(
          ItemVariavel(celula, memoria.DescricaoEndereco[static_cast<std::size_t>(celula)]));
  } else {
    itens.append(QStringLiteral("01"));
  }
  bool iguais = combo->count() == itens.size();
  for (int i = 0; iguais && i < itens.size(); ++i) iguais = combo->itemText(i) == itens.at(i);
  if (!iguais) {
    combo->clear();
    combo->addItems(itens);
  }
  combo->setCurrentIndex(item >= 0 && item < combo->count() ? item : -1);
}

void JanelaRegistradorXY::CompletaLista(bool eixoX) {
  RegistradorXY& m = modelo();
  if (eixoX)
    m.CompletaListaX();
  else
    m.CompletaListaY();
  Preenche();
  // The open list is wide enough for the descriptions, whatever the width of
  // the closed box.
  QComboBox* combo = eixoX ? variavelX_ : variavelY_;
  QAbstractItemView* vista = combo->view();
  vista->setMinimumWidth(std::max(160, vista->sizeHintForColumn(0) + 2 * vista->frameWidth() +
                                           style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
}

void JanelaRegistradorXY::AplicaPredefinicao(int item) {
  if (preenchendo_) return;
  modelo().AplicaPredefinicao(item, sessao_.simulacao());
  Preenche();
}

void JanelaRegistradorXY::HabilitaRegistra() {
  botaoRegistra_->setEnabled(!registrando_ && modelo().PodeRegistrar());
}

void JanelaRegistradorXY::Registra() {
  const RegistradorXY& m = modelo();
  if (registrando_ || !m.PodeRegistrar()) return;
  const int segundos = m.SegundosJanela();
  const int x = m.ItemX + 1;
  const int y = m.ItemY + 1;

  registrando_ = true;
  HabilitaRegistra();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // The bar moves at most 101 times; each time the screen is repainted, but
  // no click or key is taken until the run is over.
  const std::function<void(int)> progresso = [this](int percentual) {
    progresso_->setValue(percentual);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  std::vector<PontoXY> novos;
  QString erro;
  try {
    // On a copy, so the live plant goes on from where the run began.
    sessao_.RodaNaCopia(
        [&](Documento& copia) { RegistraXY(copia.simulacao, segundos, x, y, novos, progresso); });
  } catch (const std::exception& e) {
    erro = QString::fromStdString(e.what());
  }
  QApplication::restoreOverrideCursor();
  registrando_ = false;

  // Points recorded before an error stay, as they would on a chart fed step
  // by step.
  pontos_.insert(pontos_.end(), novos.begin(), novos.end());
  MostraPontos();
  HabilitaRegistra();
  if (!erro.isEmpty()) Interacao::Atual().Informa(this, QStringLiteral("QUIV"), erro);
}

void JanelaRegistradorXY::MostraPontos() {
  // The series keeps its points in x order (a point series draws no line);
  // points at the same x keep the order they were recorded in.
  std::vector<PontoXY> ordenados = pontos_;
  std::stable_sort(ordenados.begin(), ordenados.end(),
                   [](const PontoXY& a, const PontoXY& b) { return a.x < b.x; });
  QVector<double> xs;
  QVector<double> ys;
  xs.reserve(static_cast<qsizetype>(ordenados.size()));
  ys.reserve(static_cast<qsizetype>(ordenados.size()));
  for (const PontoXY& p : ordenados) {
    xs.append(p.x);
    ys.append(p.y);
  }
  serie_->setData(xs, ys, true);
  if (eixosAutomaticos_) AjustaEixos();
  grafico_->replot();
}

void JanelaRegistradorXY::AjustaEixos() {
  if (pontos_.empty()) return;
  auto faixa = [this](double PontoXY::*campo) {
    const auto [menor, maior] = std::minmax_element(
        pontos_.begin(), pontos_.end(),
        [campo](const PontoXY& a, const PontoXY& b) { return a.*campo < b.*campo; });
    double inicio = (*menor).*campo;
    double fim = (*maior).*campo;
    // A little room around the points; a constant variable gets a band of
    // its own size around it.
    const double folga = fim > inicio ? 0.03 * (fim - inicio) : std::max(1.0, 0.05 * std::abs(fim));
    return QCPRange(inicio - folga, fim + folga);
  };
  grafico_->xAxis->setRange(faixa(&PontoXY::x));
  grafico_->yAxis->setRange(faixa(&PontoXY::y));
}

void JanelaRegistradorXY::Limpa() {
  pontos_.clear();
  MostraPontos();
}

void JanelaRegistradorXY::EscalaCheia() {
  eixosAutomaticos_ = false;
  grafico_->xAxis->setRange(0, 100);
  grafico_->yAxis->setRange(0, 100);
  grafico_->replot();
}

void JanelaRegistradorXY::LigaZoom(bool ligado) { zoom_->Liga(ligado); }

void JanelaRegistradorXY::DesfazZoom() {
  // Each click goes back one zoom; once none is left the axes follow the
  // points again.
  if (zoom_->Tamanho() > 0) zoom_->Desfaz();
  if (zoom_->Tamanho() == 0) {
    eixosAutomaticos_ = true;
    AjustaEixos();
  }
  grafico_->replot();
}

QString JanelaRegistradorXY::EscolheArquivo(const QString& titulo, const QString& sugestao,
                                            const QString& filtro, const QString& extensao) {
  const QString inicial = QDir(sessao_.PastaDosDialogos()).filePath(sugestao);
  QString nome = Interacao::Atual().SalvaArquivo(this, titulo, inicial, filtro);
  if (nome.isEmpty()) return {};
  if (QFileInfo(nome).suffix().isEmpty()) nome += QLatin1Char('.') + extensao;
  if (QFileInfo::exists(nome) &&
      !Interacao::Atual().Pergunta(
          this, QStringLiteral("QUIV"),
          tr("O arquivo %1 já existe. Substituir?").arg(QDir::toNativeSeparators(nome))))
    return {};
  return nome;
}

void JanelaRegistradorXY::ExportaImagem() {
  const QString nome =
      EscolheArquivo(tr("Exportar Gráfico"), QStringLiteral("registrador_xy.png"),
                     tr("Imagens PNG (*.png);;Todos os Arquivos (*)"), QStringLiteral("png"));
  if (nome.isEmpty()) return;
  if (!ExportaPng(*grafico_, nome))
    Interacao::Atual().Informa(
        this, QStringLiteral("QUIV"),
        tr("Não foi possível gravar o arquivo %1").arg(QDir::toNativeSeparators(nome)));
}

void JanelaRegistradorXY::ExportaTabela() {
  const QString nome =
      EscolheArquivo(tr("Exportar Pontos"), QStringLiteral("registrador_xy.csv"),
                     tr("Tabelas CSV (*.csv);;Todos os Arquivos (*)"), QStringLiteral("csv"));
  if (nome.isEmpty()) return;
  QString erro;
  if (!ExportaCsv(*grafico_, nome, &erro))
    Interacao::Atual().Informa(
        this, QStringLiteral("QUIV"),
        tr("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(nome), erro));
}

void JanelaRegistradorXY::Mostra() {
  Preenche();
  show();
  raise();
  activateWindow();
}

void JanelaRegistradorXY::closeEvent(QCloseEvent* evento) {
  // Only the window goes; the points and the choices stay for the next time.
  evento->accept();
  QWidget::closeEvent(evento);
  sessao_.PedeAtualizaTela();
}

}  // namespace quiv
