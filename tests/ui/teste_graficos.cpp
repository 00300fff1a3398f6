// SPDX-License-Identifier: GPL-3.0-or-later
#include <qcustomplot.h>

#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "ui/comum/exporta_grafico.h"
#include "ui/comum/pilha_zoom.h"

namespace {

void Evento(QWidget* w, QEvent::Type tipo, QPoint ponto, Qt::MouseButtons botoes) {
  QMouseEvent e(tipo, ponto, w->mapToGlobal(ponto),
                tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, botoes, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// A drag from `de` to `ate` with the left button.
void Arrasta(QCustomPlot& g, QPoint de, QPoint ate) {
  Evento(&g, QEvent::MouseButtonPress, de, Qt::LeftButton);
  Evento(&g, QEvent::MouseMove, (de + ate) / 2, Qt::LeftButton);
  Evento(&g, QEvent::MouseMove, ate, Qt::LeftButton);
  Evento(&g, QEvent::MouseButtonRelease, ate, Qt::NoButton);
}

}  // namespace

class TesteGraficos : public QObject {
  Q_OBJECT

 private slots:
  // A drag zooms to the rectangle when zoom is on (and not when off); undo
  // walks back; a tied chart follows both ways.
  void zoomComDesfazerEAcompanhamento() {
    QCustomPlot acima;
    QCustomPlot abaixo;
    for (QCustomPlot* g : {&acima, &abaixo}) {
      g->resize(400, 300);
      g->xAxis->setRange(0, 100);
      g->yAxis->setRange(0, 100);
      g->replot();
    }
    quiv::PilhaZoom zoomAcima(acima);
    quiv::PilhaZoom zoomAbaixo(abaixo);
    zoomAcima.Acompanha(zoomAbaixo);

    const QRect area = acima.axisRect()->rect();
    const QPoint de = area.topLeft() + QPoint(area.width() / 4, area.height() / 4);
    const QPoint ate = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    Arrasta(acima, de, ate);
    QCOMPARE(acima.xAxis->range().lower, 0.0);  // zoom off: nothing
    QCOMPARE(zoomAcima.Tamanho(), 0);

    zoomAcima.Liga(true);
    zoomAbaixo.Liga(true);
    Arrasta(acima, de, ate);
    QCOMPARE(zoomAcima.Tamanho(), 1);
    const QCPRange x = acima.xAxis->range();
    QVERIFY(x.lower > 20 && x.lower < 30 && x.upper > 45 && x.upper < 55);
    QVERIFY(acima.yAxis->range().lower > 45 && acima.yAxis->range().upper < 80);
    QCOMPARE(abaixo.xAxis->range(), x);
    QCOMPARE(zoomAbaixo.Tamanho(), 1);

    Arrasta(abaixo, abaixo.axisRect()->rect().topLeft() + QPoint(10, 10),
            abaixo.axisRect()->rect().center());
    QCOMPARE(zoomAcima.Tamanho(), 2);
    QVERIFY(zoomAbaixo.Desfaz());
    QCOMPARE(acima.xAxis->range(), x);
    QCOMPARE(abaixo.xAxis->range(), x);
    QVERIFY(zoomAcima.Desfaz());
    QCOMPARE(acima.xAxis->range(), QCPRange(0, 100));
    QCOMPARE(abaixo.xAxis->range(), QCPRange(0, 100));
    QVERIFY(!zoomAcima.Desfaz());
    QCOMPARE(zoomAbaixo.Tamanho(), 0);
  }

  // The table: x label and series names in the header, rows in x order, an
  // empty cell where a series has no point, repeated x values kept; the file
  // replaces nothing on failure.
  void tabelaCsv() {
    QCustomPlot g;
    g.xAxis->setLabel(QStringLiteral("Tempo (s)"));
    g.addGraph()->setName(QStringLiteral("PV (%)"));
    g.graph(0)->setData({0.0, 0.5, 1.0}, {10.0, 10.25, 11.0}, true);
    g.addGraph()->setName(QStringLiteral("SP; malha 1"));
    g.graph(1)->setData({0.0, 1.0, 1.0}, {50.0, 55.0, 60.0}, true);
    QCOMPARE(quiv::TabelaCsv(g), QStringLiteral("Tempo (s);PV (%);SP, malha 1\r\n"
                                                "0;10;50\r\n"
                                                "0.5;10.25;\r\n"
                                                "1;11;55\r\n"
                                                "1;;60\r\n"));

    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("grafico.csv"));
    QVERIFY(quiv::ExportaCsv(g, arquivo));
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), quiv::TabelaCsv(g));
    QString erro;
    QVERIFY(!quiv::ExportaCsv(g, arquivo + QStringLiteral("/dentro.csv"), &erro));
    QVERIFY(!erro.isEmpty());

    g.resize(300, 200);
    QVERIFY(quiv::ExportaPng(g, pasta.filePath(QStringLiteral("grafico.png"))));
    QImage imagem(pasta.filePath(QStringLiteral("grafico.png")));
    QCOMPARE(imagem.size(), QSize(300, 200));
  }
};

int ExecutaTesteGraficos(int argc, char** argv) {
  TesteGraficos teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_graficos.moc"
