// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "ambiente_janela.h"
#include "core/arquivo/documento.h"
#include "core/objetos/gerador.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/tparmform.h"
#include "ui/principal/tform1.h"
#include "ui/sessao/sessao_simulacao.h"

class TesteTParmForm : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    janela_ = std::make_unique<quiv::TForm1>(*sessao_);
    Acao("Novo1")->trigger();
    Acao("Configurao1")->trigger();
    form_ = &janela_->ParmForm();
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->windowTitle(), QStringLiteral("Gerador de Sinais"));
  }

  void cleanup() {
    sessao_->MarcaSalvo();
    janela_.reset();
    EncerraAmbiente();
  }

  // Each type arranges its row: arrows for a constant, the 0/1 choice, the
  // range with its captions for the random and sine types, a wide value for
  // an expression; the offered types depend on the channel.
  void tipoArrumaALinha_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("setas");
    QTest::addColumn<bool>("faixa");
    QTest::addColumn<bool>("digital");
    QTest::addColumn<bool>("valorHabilitado");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("desc");
    QTest::newRow("constant") << 0 << true << false << false << true << ""
                              << "Descrição";
    QTest::newRow("on/off") << 1 << false << false << true << false << ""
                            << "Descrição";
    QTest::newRow("medium random") << 3 << false << true << false << false << "Min."
                                   << "Tal(seg)";
    QTest::newRow("sine") << 5 << false << true << false << false << "Min."
                          << "Per (seg)";
    QTest::newRow("random walk") << 6 << false << true << false << false << "Inicial"
                                 << "Faixa";
    QTest::newRow("expression") << 7 << false << false << false << true << ""
                                << "Descrição";
  }
  void tipoArrumaALinha() {
    QFETCH(int, tipo);
    QFETCH(bool, setas);
    QFETCH(bool, faixa);
    QFETCH(bool, digital);
    QFETCH(bool, valorHabilitado);
    QFETCH(QString, min);
    QFETCH(QString, desc);
    Filho<QComboBox>("M81Tipo")->setCurrentIndex(tipo);
    QCOMPARE(sessao_->documento().gerador().Canal(81).Tipo, tipo);
    QCOMPARE(Filho<QWidget>("M81UpDown")->isVisible(), setas);
    QCOMPARE(Filho<QLineEdit>("M81Min")->isVisible(), faixa);
    QCOMPARE(Filho<QGroupBox>("M81ValorDig")->isVisible(), digital);
    QCOMPARE(Filho<QLineEdit>("M81Valor")->isEnabled(), valorHabilitado);
    if (!min.isEmpty()) QCOMPARE(Filho<QLineEdit>("M81Min")->text(), min);
    QCOMPARE(Filho<QLineEdit>("M81Desc")->text(), desc);
    QCOMPARE(sessao_->Salvo(), tipo == 0);  // the start type: no change

    QCOMPARE(Filho<QComboBox>("M81Tipo")->count(), 10);
    QCOMPARE(Filho<QComboBox>("M86Tipo")->count(), 7);
    QCOMPARE(Filho<QComboBox>("M96Tipo")->count(), 2);
    QVERIFY(!form_->findChild<QLineEdit*>(QStringLiteral("M91Min")));
  }

  // A key enables "Atualiza"; Enter applies; "Atualiza" applies, marks the
  // simulation modified and disables itself; the arrows and the 0/1 choice
  // apply at once; closing applies.
  void aplicarPorTeclaBotaoSetasEFechar() {
    auto& m = sessao_->simulacao().memoria.celula;
    auto* valor = Filho<QLineEdit>("M81Valor");
    auto* atualiza = Filho<QPushButton>("Button1");
    QVERIFY(!atualiza->isEnabled());
    valor->setFocus();
    valor->selectAll();
    QTest::keyClicks(valor, QStringLiteral("2*20"));
    QVERIFY(atualiza->isEnabled());
    QCOMPARE(m[81], 0.0);
    QTest::keyClick(valor, Qt::Key_Return);
    QCOMPARE(m[81], 40.0);

    QTest::keyClicks(valor, QStringLiteral("+2"));
    sessao_->MarcaSalvo();
    QTest::mouseClick(atualiza, Qt::LeftButton);
    QCOMPARE(m[81], 42.0);
    QVERIFY(!atualiza->isEnabled());
    QVERIFY(!sessao_->Salvo());

    auto* sobe = Filho<QWidget>("M81UpDown")->findChild<QToolButton*>(QStringLiteral("Sobe"));
    QTest::mouseClick(sobe, Qt::LeftButton);
    QCOMPARE(m[81], 43.0);
    QCOMPARE(valor->text(), QStringLiteral("43"));

    Filho<QComboBox>("M91Tipo")->setCurrentIndex(1);
    auto* um = Filho<QGroupBox>("M91ValorDig")->findChildren<QRadioButton*>().at(1);
    QTest::mouseClick(um, Qt::LeftButton);
    QCOMPARE(m[91], 1.0);

    Filho<QLineEdit>("M82Valor")->setText(QString());
    QTest::keyClicks(Filho<QLineEdit>("M82Valor"), QStringLiteral("7"));
    sessao_->MarcaSalvo();
    form_->close();
    QVERIFY(!form_->isVisible());
    QCOMPARE(m[82], 7.0);
    QVERIFY(!sessao_->Salvo());
  }

  // A random channel shows its value in the row after each cycle; the help
  // button opens the generator's page.
  void valorAleatorioNaLinhaEAjuda() {
    quiv::Gerador& g = sessao_->documento().gerador();
    Filho<QComboBox>("M83Tipo")->setCurrentIndex(2);
    g.Canal(83).Min = "40";
    g.Canal(83).Max = "60";
    g.AtualizaParametros();
    sessao_->Timer1Timer(1000.0);
    const double v = sessao_->simulacao().memoria.celula[83];
    QVERIFY(v >= 40.0 && v < 60.0);
    QCOMPARE(Filho<QLineEdit>("M83Valor")->text(), QString::number(v, 'f', 2));

    QTest::mouseClick(Filho<QToolButton>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(roteiro_.EnderecosAbertos().size(), 1);
    QVERIFY(roteiro_.EnderecosAbertos().first().toString().endsWith(
        QStringLiteral("/ferramentas/#gerador_sinais")));
  }

 private:
  QAction* Acao(const char* nome) const {
    return janela_->findChild<QAction*>(QLatin1String(nome));
  }
  template <typename T>
  T* Filho(const char* nome) const {
    return Procura<T>(*form_, nome);
  }

  std::unique_ptr<quiv::TForm1> janela_;
  quiv::TParmForm* form_ = nullptr;
};

int ExecutaTesteTParmForm(int argc, char** argv) {
  TesteTParmForm teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_tparmform.moc"
