// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ambiente_janela.h"
#include "core/arquivo/documento.h"
#include "core/objetos/texto_animado.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/tform2.h"
#include "ui/principal/tela_sinotica.h"
#include "ui/principal/tform1.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::TipoObjeto;

class TesteTForm2 : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    janela_ = std::make_unique<quiv::TForm1>(*sessao_);
    quiv::Documento& doc = sessao_->documento();
    doc.Inclui(TipoObjeto::Texto, 2);
    quiv::Descritor m21;
    m21.UnidadeEng = "kPa";
    m21.UEMin = "0";
    m21.UEMax = "200";
    m21.LIE = "10";
    m21.LSE = "90";
    doc.simulacao.memoria.DefineDescritor(21, m21);
    janela_->AtualizaTela();
    janela_->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
    // The text's label on the picture opens its window.
    QTest::mouseClick(janela_->findChild<QLabel*>(QStringLiteral("Texto2")), Qt::LeftButton);
    form_ = qobject_cast<quiv::TForm2*>(janela_->JanelaDe(static_cast<int>(TipoObjeto::Texto), 2));
    QVERIFY(form_ && form_->isVisible());
    QCOMPARE(form_->windowTitle(), QStringLiteral("TEXTO"));
  }

  void cleanup() {
    sessao_->MarcaSalvo();
    janela_.reset();
    EncerraAmbiente();
  }

  // The window arranges itself by type.
  void layoutPorTipo_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("variavel");
    QTest::addColumn<bool>("escala");
    QTest::addColumn<bool>("alarmes");
    QTest::addColumn<bool>("funcao");
    QTest::addColumn<QString>("origem");
    QTest::newRow("scalar") << 0 << true << true << true << false << "Variável";
    QTest::newRow("binary") << 1 << true << false << false << true << "<Texto>";
    QTest::newRow("expression") << 2 << false << true << false << true << "Equação";
  }
  void layoutPorTipo() {
    QFETCH(int, tipo);
    QFETCH(bool, variavel);
    QFETCH(bool, escala);
    QFETCH(bool, alarmes);
    QFETCH(bool, funcao);
    QFETCH(QString, origem);
    QTest::mouseClick(Filho<QGroupBox>("Tipo")->findChildren<QRadioButton*>().at(tipo),
                      Qt::LeftButton);
    QCOMPARE(Filho<QComboBox>("ComboBox1")->isVisible(), variavel);
    QCOMPARE(Filho<QGroupBox>("Panel2")->isVisible(), escala);
    QCOMPARE(Filho<QLineEdit>("Edit2")->isVisible(), alarmes);
    QCOMPARE(Filho<QLineEdit>("FuncaoTr")->isVisible(), funcao);
    QCOMPARE(Filho<QLabel>("Label3")->text(), origem);
    if (escala) QCOMPARE(Filho<QLineEdit>("Edit1")->isReadOnly(), tipo == 0);
    QVERIFY(!sessao_->Salvo());
  }

  // A scalar text on M21: choosing the variable fills range, alarms and unit
  // from its descriptor; "Sair" applies; the value shows on the window and on
  // the picture, red beyond the high alarm.
  void escalarNaTelaComAlarme() {
    auto* lista = Filho<QComboBox>("ComboBox1");
    QCOMPARE(lista->count(), 124);
    lista->setCurrentIndex(20);  // M21
    QCOMPARE(Filho<QLineEdit>("Edit1")->text(), QStringLiteral("200"));
    QCOMPARE(Filho<QLineEdit>("Edit2")->text(), QStringLiteral("90.00"));
    QCOMPARE(Filho<QLineEdit>("Unidade")->text(), QStringLiteral("kPa"));
    // keyClicks types ASCII only: the accented text goes in as an edit would
    // take it.
    auto* descricao = Filho<QLineEdit>("DescricaoText");
    descricao->insert(QStringLiteral("Pressão"));
    emit descricao->textEdited(descricao->text());
    QTest::mouseClick(Filho<QPushButton>("SairButton"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());

    auto& m = sessao_->simulacao().memoria.celula;
    auto* naTela = janela_->findChild<QLabel*>(QStringLiteral("Texto2"));
    m[21] = 25.0;
    for (int i = 0; i < 6; ++i) sessao_->Timer1Timer(1000.0 + 100 * i);
    QCOMPARE(naTela->text(), QStringLiteral("50.00 kPa"));
    QCOMPARE(naTela->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(janela_->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Pressão"));
    m[21] = 50.0;
    for (int i = 0; i < 6; ++i) sessao_->Timer1Timer(2000.0 + 100 * i);
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("100.00 kPa"));
    QCOMPARE(naTela->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(Filho<QLabel>("Label4")->text(), QStringLiteral("Pressão"));
  }

  // Typing a range end carries its alarm along; a binary text shows its two
  // messages.
  void faixaLevaAlarmeEBinario() {
    QTest::mouseClick(Filho<QGroupBox>("Tipo")->findChildren<QRadioButton*>().at(2),
                      Qt::LeftButton);
    auto* maximo = Filho<QLineEdit>("Edit1");
    maximo->selectAll();
    QTest::keyClicks(maximo, QStringLiteral("150"));
    QCOMPARE(Filho<QLineEdit>("Edit2")->text(), QStringLiteral("150"));

    QTest::mouseClick(Filho<QGroupBox>("Tipo")->findChildren<QRadioButton*>().at(1),
                      Qt::LeftButton);
    Filho<QComboBox>("ComboBox1")->setCurrentIndex(10);  // M11
    auto* funcao = Filho<QLineEdit>("FuncaoTr");
    funcao->selectAll();
    QTest::keyClicks(funcao, QStringLiteral("Desligado/Ligado"));
    QTest::mouseClick(Filho<QPushButton>("SairButton"), Qt::LeftButton);
    sessao_->simulacao().memoria.celula[11] = -1.0;
    for (int i = 0; i < 6; ++i) sessao_->Timer1Timer(1000.0 + 100 * i);
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("Ligado"));
  }

  // Deleting the text closes its window; New closes every object window.
  void excluirFechaAJanela() {
    janela_->findChild<QAction*>(QStringLiteral("ExcluirObjetos"))->trigger();
    QTest::mouseClick(janela_->findChild<QLabel*>(QStringLiteral("Texto2")), Qt::LeftButton);
    QVERIFY(!janela_->JanelaDe(static_cast<int>(TipoObjeto::Texto), 2));
    QVERIFY(!sessao_->documento().Incluido(TipoObjeto::Texto, 2));
  }

 private:
  template <typename T>
  T* Filho(const char* nome) const {
    return Procura<T>(*form_, nome);
  }

  std::unique_ptr<quiv::TForm1> janela_;
  quiv::TForm2* form_ = nullptr;
};

int ExecutaTesteTForm2(int argc, char** argv) {
  TesteTForm2 teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_tform2.moc"
