#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "objeto_teste.h"
#include "ui/sessao/sessao_simulacao.h"
#include "ui/principal/tform1.h"

class TesteTForm1 : public QObject {
  Q_OBJECT

 private slots:
  // The window as the user first meets it: title, menu, running scan timer;
  // then the pause item stops and restarts the cycles.
  void pausarSimulacaoAlternaTimer1() {
    int ciclos = 0;
    quiv::SessaoSimulacao sessao;
    quiv::TForm1 janela(sessao);
    sessao.simulacao().processos.Inclui(1, std::make_unique<ObjetoTeste>([&ciclos] { ++ciclos; }));
    QSignalSpy avisos(&sessao, &quiv::SessaoSimulacao::CicloExecutado);

    QCOMPARE(janela.windowTitle(), QStringLiteral("QUIV (v 7.81)"));

    auto* const timer1 = sessao.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer1);
    QCOMPARE(timer1->interval(), 100);
    QVERIFY(timer1->isActive());

    auto* const opes1 = janela.findChild<QMenu*>(QStringLiteral("Opes1"));
    QVERIFY(opes1);
    QCOMPARE(opes1->title(), QStringLiteral("Opções"));
    QVERIFY(janela.menuBar()->actions().contains(opes1->menuAction()));
    auto* const pausar = janela.findChild<QAction*>(QStringLiteral("PausarSimulao2"));
    QVERIFY(pausar);
    QVERIFY(opes1->actions().contains(pausar));
    QCOMPARE(pausar->text(), QStringLiteral("Pausar Simulação"));
    QVERIFY(pausar->isCheckable());
    QVERIFY(!pausar->isChecked());

    // Cycles run from the start, each one measured against the time of day and
    // announced to the windows.
    QTRY_VERIFY(ciclos >= 3);
    QCOMPARE(avisos.count(), ciclos);
    QVERIFY(sessao.simulacao().TempoCiclo > 50.0 && sessao.simulacao().TempoCiclo < 60000.0);

    pausar->trigger();
    QVERIFY(pausar->isChecked());
    QVERIFY(!timer1->isActive());
    const int pausado = ciclos;
    QTest::qWait(350);
    QCOMPARE(ciclos, pausado);

    pausar->trigger();
    QVERIFY(!pausar->isChecked());
    QVERIFY(timer1->isActive());
    QTRY_VERIFY(ciclos > pausado);
  }
};

int ExecutaTesteTForm1(int argc, char** argv) {
  TesteTForm1 teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_tform1.moc"
