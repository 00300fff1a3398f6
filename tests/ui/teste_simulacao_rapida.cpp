// SPDX-License-Identifier: GPL-3.0-or-later
#include <qcustomplot.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "../comum/mesmo_estado.h"
#include "../comum/planta_malha.h"
#include "core/analise/historico_txd.h"
#include "core/analise/simulacao_rapida.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/analise/janela_simulacao_rapida.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

constexpr std::uint64_t kSemente = 7;

// Two loops of the small plant, loop 2's PV in engineering units (m, 0 … 4),
// and controller 3 without a PV: it exists but takes no part.
void MontaPlanta(quiv::Documento& doc) {
  quiv::teste::IncluiMalha(doc, 1, 40.0);
  quiv::teste::IncluiMalha(doc, 2, 60.0);
  quiv::Descritor d;
  d.UnidadeEng = "m";
  d.UEMin = "0";
  d.UEMax = "4";
  doc.simulacao.memoria.DefineDescritor(22, d);
  quiv::Controlador& c3 = doc.NovoControlador(3);
  c3.Tag = "FIC3";
  c3.ItemPV = -1;
  c3.AtualizaParametros(false);
  doc.simulacao.aleatorio.Semeia(kSemente);
}

QVector<double> Valores(const QCustomPlot& g, int serie) {
  QVector<double> v;
  for (const QCPGraphData& p : *g.graph(serie)->data()) v.append(p.value);
  return v;
}

void Evento(QWidget* w, QEvent::Type tipo, QPoint ponto, Qt::MouseButtons botoes) {
  QMouseEvent e(tipo, ponto, w->mapToGlobal(ponto),
                tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, botoes, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// The user enters a control (a click or the Tab key).
void Entra(QWidget* w) {
  QFocusEvent e(QEvent::FocusIn, Qt::MouseFocusReason);
  QCoreApplication::sendEvent(w, &e);
}

void Arrasta(QCustomPlot& g, QPoint de, QPoint ate) {
  Evento(&g, QEvent::MouseButtonPress, de, Qt::LeftButton);
  Evento(&g, QEvent::MouseMove, (de + ate) / 2, Qt::LeftButton);
  Evento(&g, QEvent::MouseMove, ate, Qt::LeftButton);
  Evento(&g, QEvent::MouseButtonRelease, ate, Qt::NoButton);
}

}  // namespace

class TesteSimulacaoRapida : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    roteiro_ = InteracaoRoteiro();
    anterior_ = quiv::Interacao::Instala(&roteiro_);
    pasta_ = std::make_unique<QTemporaryDir>();
    pastaAnterior_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(pasta_->path()));
    sessao_ = std::make_unique<quiv::SessaoSimulacao>();
    sessao_->Temporizador().stop();
    MontaPlanta(sessao_->documento());
    pagina_ = std::make_unique<quiv::JanelaSimulacaoRapida>(*sessao_);
    pagina_->Mostra();
    pagina_->resize(1100, 760);
  }

  void cleanup() {
    pagina_.reset();
    sessao_.reset();
    QDir::setCurrent(pastaAnterior_);
    pasta_.reset();
    quiv::Interacao::Instala(anterior_);
    QCOMPARE(roteiro_.Pendentes(), 0);
  }

  // Opening: loop captions from the controllers' tags, the stem, the help
  // page; the window selects its step; the amplitude shows only for a step.
  void abertura() {
    auto* notebook1 = Filho<QTabWidget>("TabbedNotebook1");
    auto* notebook2 = Filho<QTabWidget>("TabbedNotebook2");
    QCOMPARE(notebook1->tabText(0), QStringLiteral("TIC1"));
    QCOMPARE(notebook1->tabText(2), QStringLiteral("FIC3"));
    QCOMPARE(notebook1->tabText(3), QStringLiteral("Malha 4"));
    QCOMPARE(notebook2->tabText(1), QStringLiteral("TIC2(hist)"));
    QCOMPARE(notebook2->tabText(9), QStringLiteral("Hist 10"));
    QCOMPARE(Filho<QLineEdit>("Edit2")->text(), QStringLiteral("DadosDesempenho"));
    QCOMPARE(Filho<QComboBox>("TACombo")->currentText(), QStringLiteral("500 ms"));
    Filho<QComboBox>("JanelaComboBox")->setCurrentIndex(3);
    emit Filho<QComboBox>("JanelaComboBox")->activated(3);
    QCOMPARE(Filho<QComboBox>("TACombo")->currentText(), QStringLiteral("1 seg"));
    auto* amplitude = Filho<QLineEdit>("SinalTesteValor");
    QVERIFY(!amplitude->isVisible());
    Filho<QComboBox>("SinalTesteCombo")->setCurrentIndex(3);
    QVERIFY(amplitude->isVisible());
    Filho<QComboBox>("SinalTesteCombo")->setCurrentIndex(1);
    QVERIFY(!amplitude->isVisible());
    QTest::mouseClick(Filho<QToolButton>("SpeedButton4"), Qt::LeftButton);
    QCOMPARE(roteiro_.EnderecosAbertos().size(), 1);
    QVERIFY(roteiro_.EnderecosAbertos().at(0).toString().endsWith(
        QStringLiteral("/ferramentas/#simulacao_rapida")));
  }

  // A run from the page charts exactly the core's run on the same plant and
  // seed, and the index panel shows the core's texts with the unit suffix
  // (" %" or the PV's unit); the history file is written, named in the upper
  // selector, and the scan timer runs again afterwards.
  void corridaIgualAoNucleo_data() {
    QTest::addColumn<int>("janela");
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("sinal");
    QTest::addColumn<bool>("normaliza");
    QTest::addColumn<bool>("arquiva");
    QTest::newRow("30 min, 1 s, SP step, %") << 0 << 3 << 2 << true << true;
    QTest::newRow("30 min, 500 ms, load step, units") << 0 << 2 << 3 << false << false;
    QTest::newRow("1 hour, 1 s, no signal") << 1 << 3 << 1 << true << true;
  }
  void corridaIgualAoNucleo() {
    QFETCH(int, janela);
    QFETCH(int, passo);
    QFETCH(int, sinal);
    QFETCH(bool, normaliza);
    QFETCH(bool, arquiva);

    quiv::Documento referencia;
    MontaPlanta(referencia);
    quiv::OpcoesSimulacaoRapida opcoes;
    opcoes.janela = quiv::kJanelasRapida[static_cast<std::size_t>(janela)];
    opcoes.TA = quiv::kPassosRapida[static_cast<std::size_t>(passo)];
    opcoes.sinal = sinal == 2   ? quiv::SinalTeste::DegrauSP
                   : sinal == 3 ? quiv::SinalTeste::DisturbioProcesso
                                : quiv::SinalTeste::Nenhum;
    opcoes.amplitude = 7;
    opcoes.Normaliza = normaliza;
    const quiv::ResultadoSimulacaoRapida esperado =
        quiv::SimulacaoRapida(referencia.simulacao, opcoes);

    Filho<QComboBox>("JanelaComboBox")->setCurrentIndex(janela);
    Filho<QComboBox>("TACombo")->setCurrentIndex(passo);
    Filho<QComboBox>("SinalTesteCombo")->setCurrentIndex(sinal);
    Filho<QLineEdit>("SinalTesteValor")->setText(QStringLiteral("7"));
    Filho<QCheckBox>("Normaliza")->setChecked(normaliza);
    Filho<QCheckBox>("CheckArquivar")->setChecked(arquiva);
    // The run steps a copy: the live plant is paused meanwhile and then goes
    // on, running or stopped as it was, from exactly where it stood.
    const bool rodava = janela % 2 == 0;
    if (rodava) sessao_->Temporizador().start();
    bool parada = false;
    QTimer::singleShot(0, this, [&] { parada = !sessao_->Temporizador().isActive(); });
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(sessao_->documento());
    QTest::mouseClick(Filho<QPushButton>("BTNSimular"), Qt::LeftButton);

    QVERIFY(parada);
    QCOMPARE(sessao_->Temporizador().isActive(), rodava);
    sessao_->Temporizador().stop();
    QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));
    QVERIFY(!sessao_->simulacao().ModoRapido);
    QVERIFY(Filho<QPushButton>("BTNSimular")->isEnabled());
    QCOMPARE(Filho<QProgressBar>("Gauge1")->value(), 100);
    QCOMPARE(QDir().exists(QStringLiteral("DadosDesempenho_1.txd")), arquiva);
    QCOMPARE(Filho<QLabel>("Label5")->text(),
             arquiva ? QStringLiteral("Dados salvos no arquivo") : QString());
    if (arquiva)
      QCOMPARE(Filho<QComboBox>("ComboBox2")->currentText(),
               QStringLiteral("DadosDesempenho_1.txd"));

    auto* notebook = Filho<QTabWidget>("TabbedNotebook1");
    for (int k = 1; k <= 2; ++k) {
      const quiv::MalhaDesempenho& malha = esperado.malhas[static_cast<std::size_t>(k)];
      QVERIFY(malha.participa);
      const QCustomPlot& g = pagina_->GraficoSuperior(k);
      QCOMPARE(g.graph(0)->dataCount(), opcoes.janela);
      QCOMPARE(Valores(g, 0), QVector<double>(malha.series.PV.begin(), malha.series.PV.end()));
      QCOMPARE(Valores(g, 1), QVector<double>(malha.series.SP.begin(), malha.series.SP.end()));
      QCOMPARE(Valores(g, 2), QVector<double>(malha.series.MV.begin(), malha.series.MV.end()));
      QCOMPARE(g.graph(0)->pen().color(), QColor(Qt::red));
      QCOMPARE(g.graph(1)->pen().color(), QColor(Qt::blue));
      QCOMPARE(g.graph(2)->pen().width(), 2);

      notebook->setCurrentIndex(k - 1);
      const quiv::IndicesMalha textos =
          quiv::IndicesMostrados(malha.indices, normaliza, malha.escala.unidade);
      const char* const campos[] = {"varPVmalha", "IEMmalha",   "IEMAmalha",    "ExcMVmalha",
                                    "DevMVmalha", "satMVmalha", "PVminmaxMalha"};
      for (int i = 0; i < quiv::kNumeroIndices; ++i)
        QCOMPARE(Filho<QLineEdit>(campos[i])->text(),
                 QString::fromStdString(textos[static_cast<std::size_t>(i)]));
    }
    QCOMPARE(Filho<QLineEdit>("IEMmalha")->text().endsWith(QLatin1String(normaliza ? " %" : " m")),
             true);
    // Controller 3 exists without a PV: its chart is empty, its row blank.
    QCOMPARE(pagina_->GraficoSuperior(3).graph(0)->dataCount(), 0);
    notebook->setCurrentIndex(2);
    QCOMPARE(Filho<QLineEdit>("varPVmalha")->text(), QString());
  }

  // An amplitude that is not an integer is refused before anything runs.
  void amplitudeNaoInteira_data() {
    QTest::addColumn<QString>("texto");
    QTest::newRow("decimal") << "10.5";
    QTest::newRow("comma") << "10,5";
    QTest::newRow("word") << "dez";
    QTest::newRow("empty") << "";
    QTest::newRow("hexadecimal") << "$10";
  }
  void amplitudeNaoInteira() {
    QFETCH(QString, texto);
    sessao_->Temporizador().start();
    Filho<QComboBox>("SinalTesteCombo")->setCurrentIndex(2);
    Filho<QLineEdit>("SinalTesteValor")->setText(texto);
    roteiro_.EsperaInforma(QStringLiteral("Amplitude do Degrau inválida"));
    QTest::mouseClick(Filho<QPushButton>("BTNSimular"), Qt::LeftButton);
    QCOMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(pagina_->GraficoSuperior(1).graph(0)->dataCount(), 0);
    QCOMPARE(Filho<QProgressBar>("Gauge1")->value(), 0);
    QVERIFY(QDir().entryList({QStringLiteral("*.txd")}, QDir::Files).isEmpty());
    QCOMPARE(sessao_->documento().ControladorDe(1)->SP, 40.0);
    QVERIFY(sessao_->Temporizador().isActive());
  }

  // The same history above and below gives identical columns and curves; a
  // name typed into the upper selector (not chosen) loads nothing; loading
  // below fills the lower notebook and follows the upper notebook's page.
  void historicoAcimaEAbaixo() {
    Simula();
    auto* acima = Filho<QComboBox>("ComboBox2");
    auto* abaixo = Filho<QComboBox>("ComboBox1");
    QCOMPARE(acima->currentText(), QStringLiteral("DadosDesempenho_1.txd"));
    const QVector<double> daCorrida = Valores(pagina_->GraficoSuperior(1), 0);
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(Filho<QProgressBar>("Gauge2")->value(), 0);  // not chosen: nothing
    QCOMPARE(Valores(pagina_->GraficoSuperior(1), 0), daCorrida);

    Entra(acima);  // entering the selectors lists the folder's histories
    Entra(abaixo);
    QCOMPARE(abaixo->count(), 1);
    QCOMPARE(abaixo->itemText(0), QStringLiteral("DadosDesempenho_1"));
    abaixo->setCurrentIndex(0);
    QTest::mouseClick(Filho<QPushButton>("BTNCarregar"), Qt::LeftButton);
    acima->setCurrentIndex(0);
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(Filho<QProgressBar>("Gauge2")->value(), 100);
    QCOMPARE(Filho<QProgressBar>("Gauge3")->value(), 100);
    QVERIFY(Valores(pagina_->GraficoSuperior(1), 0) != daCorrida);  // two decimals now

    auto* notebook1 = Filho<QTabWidget>("TabbedNotebook1");
    auto* notebook2 = Filho<QTabWidget>("TabbedNotebook2");
    const char* const pares[][2] = {{"varPVmalha", "varPVhist"}, {"PVminmaxMalha", "PVminmaxHist"},
                                    {"IEMmalha", "IEMhist"},     {"IEMAmalha", "IEMAhist"},
                                    {"ExcMVmalha", "ExcMVhist"}, {"DevMVmalha", "DevMVhist"},
                                    {"satMVmalha", "SatMVhist"}};
    for (int k = 1; k <= 2; ++k) {
      notebook1->setCurrentIndex(k - 1);
      QCOMPARE(notebook2->currentIndex(), k - 1);
      for (int s = 0; s < 3; ++s)
        QCOMPARE(Valores(pagina_->GraficoSuperior(k), s), Valores(pagina_->GraficoInferior(k), s));
      for (const auto& par : pares) {
        QVERIFY(!Filho<QLineEdit>(par[0])->text().isEmpty());
        QCOMPARE(Filho<QLineEdit>(par[0])->text(), Filho<QLineEdit>(par[1])->text());
      }
    }
    // The lower notebook alone does not move the upper one.
    const QString iemLoop2 = Filho<QLineEdit>("IEMmalha")->text();
    notebook2->setCurrentIndex(0);
    QCOMPARE(notebook1->currentIndex(), 1);
    QCOMPARE(Filho<QLineEdit>("IEMmalha")->text(), iemLoop2);

    // Drawn over the upper chart, lighter, sharing the lower chart's points.
    Filho<QCheckBox>("SobreporHistorico")->setChecked(true);
    QCOMPARE(pagina_->GraficoSuperior(1).graphCount(), 6);
    QCOMPARE(Valores(pagina_->GraficoSuperior(1), 3), Valores(pagina_->GraficoInferior(1), 0));
    QCOMPARE(pagina_->GraficoSuperior(1).graph(5)->name(), QStringLiteral("MV (hist)"));
    Filho<QCheckBox>("SobreporHistorico")->setChecked(false);
    QCOMPARE(pagina_->GraficoSuperior(1).graphCount(), 3);

    // Hiding the outputs empties every MV series; the indices stay.
    const QString excursao = Filho<QLineEdit>("ExcMVhist")->text();
    Filho<QCheckBox>("CheckBox1")->setChecked(true);
    for (int k = 1; k <= 2; ++k) {
      QCOMPARE(pagina_->GraficoSuperior(k).graph(2)->dataCount(), 0);
      QCOMPARE(pagina_->GraficoInferior(k).graph(2)->dataCount(), 0);
      QVERIFY(pagina_->GraficoSuperior(k).graph(0)->dataCount() > 0);
    }
    QCOMPARE(Filho<QLineEdit>("ExcMVhist")->text(), excursao);
  }

  // Paging moves both charts of the current loop and stops at the last page;
  // a zoom on one chart is replicated on the other (or not), switches the
  // mouse zoom off and gives the button back; undo and the 0–100 % scale act
  // on both; "Desfazer Zoom" brings every chart back to its page.
  void paginacaoEZoom() {
    Simula();
    Entra(Filho<QComboBox>("ComboBox1"));
    Filho<QComboBox>("ComboBox1")->setCurrentIndex(0);
    QTest::mouseClick(Filho<QPushButton>("BTNCarregar"), Qt::LeftButton);
    QCustomPlot& acima = pagina_->GraficoSuperior(1);
    QCustomPlot& abaixo = pagina_->GraficoInferior(1);
    QCOMPARE(acima.xAxis->range(), QCPRange(0, 1799));

    Filho<QComboBox>("PtsPag")->setCurrentIndex(0);  // 15 min: two pages of 900
    QCOMPARE(acima.xAxis->range(), QCPRange(0, 899));
    auto* sobe = Filho<QWidget>("SelPage")->findChild<QToolButton*>(QStringLiteral("Sobe"));
    auto* desce = Filho<QWidget>("SelPage")->findChild<QToolButton*>(QStringLiteral("Desce"));
    QTest::mouseClick(sobe, Qt::LeftButton);
    QCOMPARE(acima.xAxis->range(), QCPRange(900, 1799));
    QCOMPARE(abaixo.xAxis->range(), QCPRange(900, 1799));
    QCOMPARE(pagina_->GraficoSuperior(2).xAxis->range(), QCPRange(0, 899));  // other loops stay
    QTest::mouseClick(sobe, Qt::LeftButton);                                 // no third page
    QCOMPARE(acima.xAxis->range(), QCPRange(900, 1799));
    QCOMPARE(Filho<QLabel>("PaginaAtual")->text(), QStringLiteral("2"));
    QTest::mouseClick(desce, Qt::LeftButton);
    QTest::mouseClick(desce, Qt::LeftButton);
    QCOMPARE(acima.xAxis->range(), QCPRange(0, 899));
    QCOMPARE(abaixo.xAxis->range(), QCPRange(0, 899));

    acima.replot();
    abaixo.replot();
    const QRect area = acima.axisRect()->rect();
    const QPoint de = area.topLeft() + QPoint(area.width() / 4, area.height() / 4);
    const QPoint ate = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    const QCPRange paginaY = acima.yAxis->range();
    Arrasta(acima, de, ate);  // not armed: nothing
    QCOMPARE(acima.xAxis->range(), QCPRange(0, 899));

    auto* zoom = Filho<QToolButton>("SpeedButton1");
    for (int vez = 0; vez < 2; ++vez) {  // the button comes back after each zoom
      QTest::mouseClick(zoom, Qt::LeftButton);
      QVERIFY(!zoom->isEnabled());
      Arrasta(vez == 0 ? acima : abaixo, de, ate);
      QVERIFY(zoom->isEnabled());
      QVERIFY(acima.xAxis->range().size() < 899);
      QCOMPARE(abaixo.xAxis->range(), acima.xAxis->range());
      QCOMPARE(abaixo.yAxis->range(), acima.yAxis->range());
    }
    // Up and to the left undoes one zoom, on both charts.
    const QCPRange antes = acima.xAxis->range();
    QTest::mouseClick(zoom, Qt::LeftButton);
    acima.replot();
    Arrasta(acima, ate, de);
    QVERIFY(acima.xAxis->range().size() > antes.size());
    QCOMPARE(abaixo.xAxis->range(), acima.xAxis->range());
    QVERIFY(zoom->isEnabled());
    // The context menu's undo, then nothing left to undo: back to the page.
    acima.findChild<QAction*>(QStringLiteral("DesfazerZoom"))->trigger();
    QCOMPARE(acima.xAxis->range(), QCPRange(0, 899));
    QCOMPARE(abaixo.xAxis->range(), QCPRange(0, 899));
    QCOMPARE(acima.yAxis->range(), paginaY);

    QTest::mouseClick(Filho<QToolButton>("SpeedButton3"), Qt::LeftButton);
    QCOMPARE(acima.yAxis->range(), QCPRange(0, 100));
    QCOMPARE(abaixo.yAxis->range(), QCPRange(0, 100));

    Filho<QCheckBox>("replicarzoom")->setChecked(false);
    QTest::mouseClick(zoom, Qt::LeftButton);
    acima.replot();
    Arrasta(acima, de, ate);
    QVERIFY(acima.xAxis->range().size() < 899);
    QCOMPARE(abaixo.xAxis->range(), QCPRange(0, 899));

    QTest::mouseClick(Filho<QToolButton>("SpeedButton2"), Qt::LeftButton);
    QCOMPARE(acima.xAxis->range(), QCPRange(0, 899));
    QCOMPARE(acima.yAxis->range(), paginaY);
    QCOMPARE(abaixo.yAxis->range(), paginaY);
  }

  // A chart's series exported as a table read back to the plotted values; the
  // picture is written too; a cancelled dialog writes nothing.
  void exportaGrafico() {
    Simula();
    QCustomPlot& g = pagina_->GraficoSuperior(2);
    const QString csv = QDir::current().filePath(QStringLiteral("malha2"));  // extension added
    roteiro_.EsperaSalva(QStringLiteral("Exportar Dados"), csv);
    g.findChild<QAction*>(QStringLiteral("ExportarCsv"))->trigger();
    QFile arquivo(csv + QStringLiteral(".csv"));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QStringList linhas =
        QString::fromUtf8(arquivo.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(linhas.at(0), QStringLiteral("Tempo (s);PV;SP;MV"));
    QCOMPARE(linhas.size(), 1 + g.graph(0)->dataCount());
    QVector<double> pv, sp, mv;
    for (int i = 1; i < linhas.size(); ++i) {
      const QStringList campos = linhas.at(i).split(QLatin1Char(';'));
      QCOMPARE(campos.at(0).toDouble(), static_cast<double>(i - 1));
      pv.append(campos.at(1).toDouble());
      sp.append(campos.at(2).toDouble());
      mv.append(campos.at(3).toDouble());
    }
    for (int i = 0; i < pv.size(); ++i) {
      QVERIFY(qAbs(pv[i] - Valores(g, 0)[i]) <= 1e-12 * qMax(1.0, qAbs(pv[i])));
      QVERIFY(qAbs(sp[i] - Valores(g, 1)[i]) <= 1e-12 * qMax(1.0, qAbs(sp[i])));
      QVERIFY(qAbs(mv[i] - Valores(g, 2)[i]) <= 1e-12 * qMax(1.0, qAbs(mv[i])));
    }

    const QString png = QDir::current().filePath(QStringLiteral("malha2.png"));
    roteiro_.EsperaSalva(QStringLiteral("Salvar Figura"), png);
    g.findChild<QAction*>(QStringLiteral("SalvarPng"))->trigger();
    QVERIFY(!QImage(png).isNull());
    roteiro_.EsperaSalva(QStringLiteral("Salvar Figura"), QString());
    g.findChild<QAction*>(QStringLiteral("SalvarPng"))->trigger();
    QCOMPARE(QDir().entryList({QStringLiteral("*.png")}, QDir::Files).size(), 1);
  }

 private:
  template <typename T>
  T* Filho(const char* nome) const {
    return Procura<T>(*pagina_, nome);
  }

  // A 30-minute run at 1 s with a set-point step, archived.
  void Simula() {
    Filho<QComboBox>("JanelaComboBox")->setCurrentIndex(0);
    Filho<QComboBox>("TACombo")->setCurrentIndex(3);
    Filho<QComboBox>("SinalTesteCombo")->setCurrentIndex(2);
    QTest::mouseClick(Filho<QPushButton>("BTNSimular"), Qt::LeftButton);
    QCOMPARE(pagina_->GraficoSuperior(1).graph(0)->dataCount(), 1800);
  }

  InteracaoRoteiro roteiro_;
  quiv::Interacao* anterior_ = nullptr;
  std::unique_ptr<QTemporaryDir> pasta_;
  QString pastaAnterior_;
  std::unique_ptr<quiv::SessaoSimulacao> sessao_;
  std::unique_ptr<quiv::JanelaSimulacaoRapida> pagina_;
};

int ExecutaTesteSimulacaoRapida(int argc, char** argv) {
  TesteSimulacaoRapida teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_simulacao_rapida.moc"
