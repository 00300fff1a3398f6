// SPDX-License-Identifier: GPL-3.0-or-later
#include <qcustomplot.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "../comum/mesmo_estado.h"
#include "../comum/planta_malha.h"
#include "ambiente_janela.h"
#include "core/arquivo/documento.h"
#include "interacao_roteiro.h"
#include "ui/analise/janela_registrador_xy.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

// A channel of the signal generator as a sine between `min` and `max`.
void Seno(quiv::Documento& doc, int endereco, const char* min, const char* max,
          const char* periodo) {
  quiv::CanalGerador& canal = doc.gerador().Canal(endereco);
  canal.Tipo = 5;
  canal.Min = min;
  canal.Max = max;
  canal.Desc = periodo;
  doc.gerador().AtualizaParametros();
}

// Process block 1 fed by the generator's M81, without lag (Tal1 0 passes the
// valve straight to M21), with the given hysteresis.
void ValvulaComHisterese(quiv::Documento& doc, const char* histerese, const char* ganho = "1") {
  quiv::Processo& p = doc.NovoProcesso(1);
  p.ItemEntrada = 80;
  p.Tal1 = "0";
  p.Ganho = ganho;
  p.Histerese = histerese;
  QVERIFY(p.AtualizaParametros(false));
}

void Evento(QWidget* w, QEvent::Type tipo, QPoint ponto, Qt::MouseButtons botoes) {
  QMouseEvent e(tipo, ponto, w->mapToGlobal(ponto),
                tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, botoes, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// A drag with the left button across the given fractions of the plot area.
void Arrasta(QCustomPlot* g, QPointF de, QPointF ate) {
  const QRect area = g->axisRect()->rect();
  auto ponto = [&area](QPointF f) {
    return area.topLeft() +
           QPoint(static_cast<int>(area.width() * f.x()), static_cast<int>(area.height() * f.y()));
  };
  Evento(g, QEvent::MouseButtonPress, ponto(de), Qt::LeftButton);
  Evento(g, QEvent::MouseMove, (ponto(de) + ponto(ate)) / 2, Qt::LeftButton);
  Evento(g, QEvent::MouseMove, ponto(ate), Qt::LeftButton);
  Evento(g, QEvent::MouseButtonRelease, ponto(ate), Qt::NoButton);
}

// The same range but for rounding: the later runs reach the same extremes at
// other instants.
bool Proxima(const QCPRange& a, const QCPRange& b) {
  const double tolerancia = 1e-6 * b.size();
  return std::abs(a.lower - b.lower) < tolerancia && std::abs(a.upper - b.upper) < tolerancia;
}

}  // namespace

class TesteJanelaRegistradorXY : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    janela_ = std::make_unique<quiv::JanelaRegistradorXY>(*sessao_);
    janela_->Mostra();
  }

  void cleanup() {
    janela_.reset();
    EncerraAmbiente();
  }

  // A valve with hysteresis driven by a slow sine: at the same input the
  // position going up lags the one coming down by the hysteresis, so the
  // points draw a loop; without hysteresis they lie on one line. The run
  // holds the scan timer and the button while it lasts, keeps the screen repainting,
  // and gives everything back at its end.
  void registraDesenhaLacoDeHisterese_data() {
    QTest::addColumn<QString>("histerese");
    QTest::addColumn<double>("abertura");
    QTest::newRow("sem histerese") << "0" << 0.0;
    QTest::newRow("histerese 10%") << "10" << 10.0;
  }
  void registraDesenhaLacoDeHisterese() {
    QFETCH(QString, histerese);
    QFETCH(double, abertura);
    quiv::Documento& doc = sessao_->documento();
    Seno(doc, 81, "0", "100", "120");
    ValvulaComHisterese(doc, qPrintable(histerese));
    EscolheVariaveis(80, 20);  // M81 against M21
    sessao_->simulacao().dt = 0.333;
    sessao_->Temporizador().start();
    sessao_->MarcaSalvo();
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(doc);

    bool modoRapido = false;
    bool timerParado = false;
    bool botaoDesligado = false;
    int progresso = -1;
    QTimer::singleShot(0, this, [&] {
      modoRapido = sessao_->simulacao().ModoRapido;
      timerParado = !sessao_->Temporizador().isActive();
      botaoDesligado = !Botao("Button1")->isEnabled();
      progresso = janela_->findChild<QProgressBar*>(QStringLiteral("Gauge1"))->value();
    });
    QVERIFY(Botao("Button1")->isEnabled());
    QTest::mouseClick(Botao("Button1"), Qt::LeftButton);

    // The run steps a copy: the live plant, paused meanwhile, is not moved.
    QVERIFY(!modoRapido);
    QVERIFY(timerParado);
    QVERIFY(botaoDesligado);
    QVERIFY(progresso >= 0 && progresso < 100);
    QVERIFY(sessao_->Temporizador().isActive());
    QVERIFY(Botao("Button1")->isEnabled());
    QCOMPARE(janela_->findChild<QProgressBar*>(QStringLiteral("Gauge1"))->value(), 100);
    QVERIFY(quiv::teste::MesmoEstado(doc, *antes));
    QVERIFY(sessao_->Salvo());

    QCPGraph* serie = Serie();
    QCOMPARE(serie->dataCount(), 6000);
    QCOMPARE(janela_->Pontos().size(), std::size_t{6000});
    // Around half the valve's travel the sine passes five times up and five
    // times down.
    double menor = 1e9;
    double maior = -1e9;
    int perto = 0;
    for (const QCPGraphData& p : *serie->data()) {
      if (p.key < 49.5 || p.key > 50.5) continue;
      ++perto;
      menor = std::min(menor, p.value - p.key);
      maior = std::max(maior, p.value - p.key);
    }
    QVERIFY2(perto >= 10, qPrintable(QString::number(perto)));
    QVERIFY2(std::abs(maior - menor - abertura) < 0.5,
             qPrintable(QStringLiteral("%1 … %2").arg(menor).arg(maior)));
    // The axes follow the points.
    QVERIFY(Grafico()->xAxis->range().contains(0.0) && Grafico()->xAxis->range().contains(100.0));
    // QUIV_CAPTURA=folder keeps the plant, for a look at the real window.
    if (const QString captura = qEnvironmentVariable("QUIV_CAPTURA");
        !captura.isEmpty() && abertura > 0)
      QVERIFY(sessao_->SalvaSimulacao(QDir(captura).filePath(QStringLiteral("histerese.smp"))));
  }

  // Presets fill X with the loop's output and Y with its PV or the position
  // of the valve it drives; a preset whose controller is absent changes
  // nothing; items the lists do not hold yet leave the axis unselected.
  void presetsEnchemXY_data() {
    QTest::addColumn<bool>("listasAbertas");
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("itemX");
    QTest::addColumn<int>("itemY");
    QTest::addColumn<QString>("textoY");
    QTest::newRow("COxPV 3") << true << 5 << 2 << 22 << "23   ";
    QTest::newRow("COxMV 3") << true << 6 << 2 << 102 << "103   ";
    QTest::newRow("COxMV 4 sem controlador") << true << 8 << 0 << 0 << "01   ";
    QTest::newRow("COxPV 1 antes das listas") << false << 1 << 0 << -1 << "";
    QTest::newRow("COxPV 3 antes das listas") << false << 5 << -1 << -1 << "";
  }
  void presetsEnchemXY() {
    QFETCH(bool, listasAbertas);
    QFETCH(int, preset);
    QFETCH(int, itemX);
    QFETCH(int, itemY);
    QFETCH(QString, textoY);
    quiv::teste::IncluiMalha(sessao_->documento(), 1);
    quiv::teste::IncluiMalha(sessao_->documento(), 3);
    QComboBox* x = Combo("ComboX");
    QComboBox* y = Combo("ComboY");
    QComboBox* presets = Combo("Presets");
    QCOMPARE(presets->count(), 21);
    QCOMPARE(presets->itemText(20), QStringLiteral("COxMV [Malha 10]"));
    QCOMPARE(x->count(), 1);
    QCOMPARE(x->currentIndex(), -1);
    QVERIFY(!Botao("Button1")->isEnabled());
    if (listasAbertas) {
      AbreEFecha(x);
      AbreEFecha(y);
      QCOMPARE(y->count(), 124);
      QVERIFY(y->itemText(123).startsWith(QStringLiteral("124   ")));
    }

    presets->setCurrentIndex(preset);
    QCOMPARE(x->currentIndex(), itemX);
    QCOMPARE(y->currentIndex(), itemY);
    if (itemX >= 0) QVERIFY(x->currentText().startsWith(QStringLiteral("0")));
    if (itemY >= 0) QVERIFY2(y->currentText().startsWith(textoY), qPrintable(y->currentText()));
    QCOMPARE(Botao("Button1")->isEnabled(), itemX >= 0 && itemY >= 0);
    QCOMPARE(sessao_->documento().registradorXY.ItemY, itemY);

    // Dropping a list down, even without choosing, puts it back at "01" and
    // the presets at "Seleção Individual".
    AbreEFecha(x);
    QCOMPARE(x->currentIndex(), 0);
    QVERIFY(x->currentText().startsWith(QStringLiteral("01   ")));
    QCOMPARE(presets->currentIndex(), 0);
    QCOMPARE(presets->currentText(), QStringLiteral("Seleção Individual"));
  }

  // Runs add up on the chart (with "30 min" three times the points of
  // "10 min"); "Limpar" empties it.
  void corridasSeSomamELimparEsvazia() {
    Seno(sessao_->documento(), 81, "0", "100", "60");
    EscolheVariaveis(80, 80);
    Clica("Button1");
    QCOMPARE(Serie()->dataCount(), 6000);
    Combo("JanelaComboBox")->setCurrentIndex(1);
    Clica("Button1");
    QCOMPARE(Serie()->dataCount(), 6000 + 18000);
    Clica("SpeedButton4");
    QCOMPARE(Serie()->dataCount(), 0);
    QVERIFY(janela_->Pontos().empty());
    Combo("JanelaComboBox")->setCurrentIndex(0);
    Clica("Button1");
    QCOMPARE(Serie()->dataCount(), 6000);
  }

  // A rectangle drawn with zoom on narrows both axes, two undos bring back
  // the first zoom and then the whole loop; with zoom off a drag does
  // nothing. The 0–100 % scale holds while new points leave it, until the
  // undo makes the axes follow the points again.
  void zoomEDesfazer() {
    quiv::Documento& doc = sessao_->documento();
    Seno(doc, 81, "0", "100", "120");
    ValvulaComHisterese(doc, "10", "2");  // M21 reaches 200
    EscolheVariaveis(80, 20);
    Clica("Button1");
    QCustomPlot* g = Grafico();
    const QCPRange x0 = g->xAxis->range();
    const QCPRange y0 = g->yAxis->range();
    QVERIFY(y0.upper > 170);

    Arrasta(g, {0.25, 0.25}, {0.75, 0.75});
    QCOMPARE(g->xAxis->range(), x0);
    Clica("SpeedButton1");
    QVERIFY(Ferramenta("SpeedButton1")->isChecked());
    Arrasta(g, {0.25, 0.25}, {0.75, 0.75});
    const QCPRange x1 = g->xAxis->range();
    QVERIFY2(x1.lower > x0.lower + 0.2 * x0.size() && x1.upper < x0.upper - 0.2 * x0.size(),
             qPrintable(QStringLiteral("%1 … %2").arg(x1.lower).arg(x1.upper)));
    QVERIFY(g->yAxis->range().size() < 0.6 * y0.size());
    Arrasta(g, {0.1, 0.1}, {0.5, 0.5});
    QVERIFY(g->xAxis->range().size() < 0.5 * x1.size());
    // A new run does not move a zoomed chart.
    const QCPRange x2 = g->xAxis->range();
    Clica("Button1");
    QCOMPARE(g->xAxis->range(), x2);

    Clica("SpeedButton2");
    QCOMPARE(g->xAxis->range(), x1);
    Clica("SpeedButton2");
    QVERIFY(Proxima(g->xAxis->range(), x0));
    QVERIFY(Proxima(g->yAxis->range(), y0));

    Clica("SpeedButton3");
    QCOMPARE(g->xAxis->range(), QCPRange(0, 100));
    QCOMPARE(g->yAxis->range(), QCPRange(0, 100));
    Clica("Button1");
    QCOMPARE(g->yAxis->range(), QCPRange(0, 100));
    Clica("SpeedButton2");
    QVERIFY(Proxima(g->yAxis->range(), y0));
  }

  // The points saved as a table read back to the points on the chart; the
  // picture is the chart; an existing file is replaced only when the user
  // agrees; a file that cannot be written is reported.
  void exportaCsvEPng() {
    quiv::Documento& doc = sessao_->documento();
    Seno(doc, 81, "0", "100", "120");
    ValvulaComHisterese(doc, "10");
    EscolheVariaveis(80, 20);
    Clica("Button1");

    QTemporaryDir pasta;
    const QString csv = pasta.filePath(QStringLiteral("laco"));
    roteiro_.EsperaSalva(QStringLiteral("Exportar Pontos"), csv);
    Clica("ExportaCsvButton");
    QVERIFY(roteiro_.UltimoFiltro().contains(QStringLiteral("*.csv")));
    QFile arquivo(csv + QStringLiteral(".csv"));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QByteArray conteudo = arquivo.readAll();
    arquivo.close();
    QStringList linhas = QString::fromUtf8(conteudo).split(QStringLiteral("\r\n"));
    QCOMPARE(linhas.takeFirst(), QStringLiteral("x;Pontos"));
    QCOMPARE(linhas.takeLast(), QString());
    const QCPGraph* serie = Serie();
    QCOMPARE(linhas.size(), serie->dataCount());
    auto ponto = serie->data()->constBegin();
    for (const QString& linha : linhas) {
      const QStringList campos = linha.split(QLatin1Char(';'));
      QCOMPARE(campos.size(), 2);
      QVERIFY2(std::abs(campos[0].toDouble() - ponto->key) < 1e-12 &&
                   std::abs(campos[1].toDouble() - ponto->value) < 1e-12,
               qPrintable(linha));
      ++ponto;
    }

    roteiro_.EsperaSalva(QStringLiteral("Exportar Pontos"), csv + QStringLiteral(".csv"));
    roteiro_.EsperaPergunta(QStringLiteral("já existe"), false);
    Clica("SpeedButton4");
    Clica("ExportaCsvButton");
    QFile mesmo(csv + QStringLiteral(".csv"));
    QVERIFY(mesmo.open(QIODevice::ReadOnly));
    QCOMPARE(mesmo.readAll(), conteudo);

    const QString png = pasta.filePath(QStringLiteral("laco.png"));
    roteiro_.EsperaSalva(QStringLiteral("Exportar Gráfico"), png);
    Clica("ExportaPngButton");
    QCOMPARE(QImage(png).size(), Grafico()->size());

    roteiro_.EsperaSalva(QStringLiteral("Exportar Pontos"), png + QStringLiteral("/dentro.csv"));
    roteiro_.EsperaInforma(QStringLiteral("Não foi possível gravar"));
    Clica("ExportaCsvButton");
  }

  // A step that overflows ends the run: its message is shown once, the
  // points recorded before it stay, and the plant, timer and button are
  // given back.
  void erroNaCorridaTerminaARegistro() {
    quiv::Documento& doc = sessao_->documento();
    Seno(doc, 82, "0", "1000", "600");
    quiv::CanalGerador& exp = doc.gerador().Canal(81);
    exp.Tipo = 9;
    exp.DefineValor("M82");
    doc.gerador().AtualizaParametros();
    EscolheVariaveis(81, 80);
    sessao_->Temporizador().start();
    roteiro_.EsperaInforma(QStringLiteral("Estouro"));
    Clica("Button1");
    QCOMPARE(roteiro_.Pendentes(), 0);
    const int pontos = Serie()->dataCount();
    QVERIFY2(pontos > 300 && pontos < 500, qPrintable(QString::number(pontos)));
    QVERIFY(!sessao_->simulacao().ModoRapido);
    QVERIFY(sessao_->Temporizador().isActive());
    QVERIFY(Botao("Button1")->isEnabled());
  }

  // Sair hides the window and asks the main window for its layout refresh;
  // the points and choices are there when it is shown again.
  void sairEscondeEGuarda() {
    Seno(sessao_->documento(), 81, "0", "100", "60");
    EscolheVariaveis(80, 80);
    Clica("Button1");
    QSignalSpy tela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    Clica("SairButton");
    QVERIFY(!janela_->isVisible());
    QCOMPARE(tela.count(), 1);
    janela_->Mostra();
    QVERIFY(janela_->isVisible());
    QCOMPARE(Serie()->dataCount(), 6000);
    QCOMPARE(Combo("ComboX")->currentIndex(), 80);
  }

 private:
  QComboBox* Combo(const char* nome) { return janela_->findChild<QComboBox*>(QLatin1String(nome)); }
  QPushButton* Botao(const char* nome) {
    return janela_->findChild<QPushButton*>(QLatin1String(nome));
  }
  QToolButton* Ferramenta(const char* nome) {
    return janela_->findChild<QToolButton*>(QLatin1String(nome));
  }
  QCustomPlot* Grafico() { return janela_->findChild<QCustomPlot*>(QStringLiteral("Chart1")); }
  QCPGraph* Serie() { return Grafico()->graph(0); }
  void Clica(const char* nome) {
    QAbstractButton* b = janela_->findChild<QAbstractButton*>(QLatin1String(nome));
    QVERIFY2(b, nome);
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void AbreEFecha(QComboBox* c) {
    c->showPopup();
    c->hidePopup();
  }
  // Both lists dropped down, then the items chosen.
  void EscolheVariaveis(int itemX, int itemY) {
    AbreEFecha(Combo("ComboX"));
    Combo("ComboX")->setCurrentIndex(itemX);
    AbreEFecha(Combo("ComboY"));
    Combo("ComboY")->setCurrentIndex(itemY);
  }

  std::unique_ptr<quiv::JanelaRegistradorXY> janela_;
};

int ExecutaTesteJanelaRegistradorXY(int argc, char** argv) {
  TesteJanelaRegistradorXY teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_registrador_xy.moc"
