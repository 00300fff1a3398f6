// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ambiente_objeto.h"
#include "core/arquivo/documento.h"
#include "core/objetos/bloco.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/janela_bloco.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::Bloco;

class TesteJanelaBloco : public QObject, public AmbienteObjeto<quiv::JanelaBloco> {
  Q_OBJECT

 private slots:
  void init() { IniciaAmbiente(); }

  void cleanup() { Encerra(); }

  // What the user types is what the next cycle writes: the selector, the
  // limits in their order, a comma as decimal separator.
  void funcaoELimites_data() {
    QTest::addColumn<QString>("funcao");
    QTest::addColumn<double>("m21");
    QTest::addColumn<double>("m22");
    QTest::addColumn<QString>("superior");  // empty: limit off
    QTest::addColumn<QString>("inferior");
    QTest::addColumn<double>("saida");
    QTest::addColumn<QString>("leitura");
    QTest::newRow("maior") << "M21>M22" << 30.0 << 70.0 << ""
                           << "" << 70.0 << "70.00";
    QTest::newRow("maior à esquerda") << "M21>M22" << 80.0 << 70.0 << ""
                                      << "" << 80.0 << "80.00";
    QTest::newRow("menor") << "m21<50" << 80.0 << 0.0 << ""
                           << "" << 50.0 << "50.00";
    QTest::newRow("vírgula") << "M21*0,5+M22" << 30.0 << 1.0 << ""
                             << "" << 16.0 << "16.00";
    QTest::newRow("acima do máximo") << "M21*3" << 60.0 << 0.0 << "105"
                                     << "-5" << 105.0 << "105.00";
    QTest::newRow("abaixo do mínimo") << "0-M21" << 60.0 << 0.0 << "105"
                                      << "-5" << -5.0 << "-5.00";
    QTest::newRow("limite de endereço") << "M21" << 60.0 << 40.0 << "M22"
                                        << "" << 40.0 << "40.00";
    QTest::newRow("mínimo vence") << "M21" << 15.0 << 0.0 << "10"
                                  << "20" << 20.0 << "20.00";
  }
  void funcaoELimites() {
    QFETCH(QString, funcao);
    QFETCH(double, m21);
    QFETCH(double, m22);
    QFETCH(QString, superior);
    QFETCH(QString, inferior);
    QFETCH(double, saida);
    QFETCH(QString, leitura);

    sessao_->documento().NovoBloco(1);
    AbreJanela(1);
    quiv::Memoria& m = sessao_->documento().simulacao.memoria;
    m.celula[21] = m21;
    m.celula[22] = m22;
    Edicao("FuncaoTr")->setText(funcao);
    Caixa("LimSupCheck")->setChecked(!superior.isEmpty());
    if (!superior.isEmpty()) Edicao("LimSupText")->setText(superior);
    Caixa("LimInfCheck")->setChecked(!inferior.isEmpty());
    if (!inferior.isEmpty()) Edicao("LimInfText")->setText(inferior);
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    Ciclo();
    QCOMPARE(m.celula[41], saida);
    QCOMPARE(Rotulo("Label6")->text(), leitura);
  }

  // A limit switch acts at the next cycle; a changed text only after
  // Atualizar.
  void limiteVivoTextoAplicado() {
    sessao_->documento().NovoBloco(1);
    AbreJanela(1);
    quiv::Memoria& m = sessao_->documento().simulacao.memoria;
    m.celula[21] = 200.0;
    Edicao("FuncaoTr")->setText(QStringLiteral("M21"));
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    Ciclo();
    QCOMPARE(m.celula[41], 200.0);

    Caixa("LimSupCheck")->setChecked(true);
    QVERIFY(Botao("btnatualiza")->isEnabled());
    Ciclo();
    QCOMPARE(m.celula[41], 105.0);

    Edicao("LimSupText")->setText(QStringLiteral("90"));
    Edicao("FuncaoTr")->setText(QStringLiteral("M21/2"));
    Ciclo();
    QCOMPARE(m.celula[41], 105.0);
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    Ciclo();
    QCOMPARE(m.celula[41], 90.0);

    Caixa("LimSupCheck")->setChecked(false);
    Ciclo();
    QCOMPARE(m.celula[41], 100.0);
    QCOMPARE(Rotulo("Label6")->text(), QStringLiteral("100.00"));
  }

  // A failed apply takes nothing over: one box lists every failed check in
  // order, naming the block by number and tag; description, title, output
  // label and function stay as they were, and the window stays unapplied.
  void checagensFalhas_data() {
    QTest::addColumn<QString>("funcao");
    QTest::addColumn<QString>("superior");  // empty: limit off
    QTest::addColumn<QString>("inferior");
    QTest::addColumn<QStringList>("mensagens");
    const QString f = QStringLiteral("Bloco 41 (FY): Função inválida");
    const QString sup = QStringLiteral("Bloco 41 (FY): Limite Superior inválido");
    const QString inf = QStringLiteral("Bloco 41 (FY): Limite Inferior inválido");
    QTest::newRow("função") << "2x"
                            << ""
                            << "" << QStringList{f};
    QTest::newRow("dois seletores") << "M21>M22>M23"
                                    << ""
                                    << "" << QStringList{f};
    QTest::newRow("superior") << "M21"
                              << "x"
                              << "" << QStringList{sup};
    QTest::newRow("inferior") << "M21"
                              << ""
                              << "y" << QStringList{inf};
    QTest::newRow("todas") << "M21<2x"
                           << "x"
                           << "y" << QStringList{f, sup, inf};
  }
  void checagensFalhas() {
    QFETCH(QString, funcao);
    QFETCH(QString, superior);
    QFETCH(QString, inferior);
    QFETCH(QStringList, mensagens);

    quiv::Bloco& b = sessao_->documento().NovoBloco(1);
    b.Tag = "FY";
    b.Funcao = "M21";
    b.AtualizaParametros(false);
    AbreJanela(1);
    const QString titulo = Rotulo("Label9")->text();
    const QString saida = Rotulo("Label1")->text();
    Edicao("DescricaoText")->setText(QStringLiteral("Soma"));
    Edicao("FuncaoTr")->setText(funcao);
    Caixa("LimSupCheck")->setChecked(!superior.isEmpty());
    if (!superior.isEmpty()) Edicao("LimSupText")->setText(superior);
    Caixa("LimInfCheck")->setChecked(!inferior.isEmpty());
    if (!inferior.isEmpty()) Edicao("LimInfText")->setText(inferior);
    // A limit switched off is not checked, whatever its text.
    if (superior.isEmpty()) Edicao("LimSupText")->setText(QStringLiteral("z"));

    roteiro_.EsperaInforma(mensagens.join(QLatin1Char('\n')));
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 1);
    QVERIFY(Botao("btnatualiza")->isEnabled());
    QVERIFY(!Botao("SairButton")->isEnabled());
    QCOMPARE(Rotulo("Label9")->text(), titulo);
    QCOMPARE(Rotulo("Label1")->text(), saida);
    QVERIFY(sessao_->documento().simulacao.memoria.DescricaoEndereco[41] != "Soma");
    QCOMPARE(b.Funcao, std::string("M21"));
    QCOMPARE(Edicao("FuncaoTr")->text(), funcao);  // the typing stays, to be mended
  }

  void identificacao_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("saida");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("bloco 1") << 1 << 41 << "M41=";
    QTest::newRow("bloco 20") << 20 << 60 << "M60=";
    QTest::newRow("bloco 21") << 21 << 75 << "M75=";
    QTest::newRow("bloco 24") << 24 << 78 << "M78=";
  }
  void identificacao() {
    QFETCH(int, n);
    QFETCH(int, saida);
    QFETCH(QString, rotulo);
    sessao_->documento().NovoBloco(n);
    AbreJanela(n);
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Bloco de Cálculo"));
    QCOMPARE(Rotulo("Label1")->text(), QStringLiteral("="));
    QVERIFY(!Botao("btnatualiza")->isEnabled());
    sessao_->MarcaSalvo();
    QSignalSpy tela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);

    Edicao("TagText")->setText(QStringLiteral("FY-1"));
    Edicao("DescricaoText")->setText(QStringLiteral("Razão de vazões"));
    Edicao("FuncaoTr")->setText(QStringLiteral("M21/2"));
    QVERIFY(sessao_->Salvo());  // typed, not yet applied
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(tela.count(), 1);
    QCOMPARE(Rotulo("Label9")->text(), QStringLiteral("Razão de vazões"));
    QCOMPARE(Rotulo("Label1")->text(), rotulo);
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Bloco de Cálculo"));
    const quiv::Bloco* b = sessao_->documento().BlocoDe(n);
    QCOMPARE(b->Tag.Completo(), std::string("FY-1"));
    QCOMPARE(sessao_->documento().simulacao.memoria.DescricaoEndereco[saida],
             std::string("Razão de vazões"));
    sessao_->documento().simulacao.memoria.celula[21] = 30.0;
    Ciclo();
    QCOMPARE(sessao_->documento().simulacao.memoria.celula[saida], 15.0);
  }

  // No close box; Sair only once the edits are applied; closing hides the
  // window, asks the layout refresh and leaves the block running.
  void fechar() {
    sessao_->documento().NovoBloco(1);
    AbreJanela(1);
    QVERIFY(!(janela_->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(Botao("SairButton")->isEnabled());
    Edicao("FuncaoTr")->setText(QStringLiteral("M21+1"));
    QVERIFY(!Botao("SairButton")->isEnabled());
    QTest::mouseClick(Botao("SairButton"), Qt::LeftButton);
    QVERIFY(janela_->isVisible());
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    QVERIFY(Botao("SairButton")->isEnabled());

    QSignalSpy tela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    QTest::mouseClick(Botao("SairButton"), Qt::LeftButton);
    QVERIFY(!janela_->isVisible());
    QVERIFY(!Botao("btnatualiza")->isEnabled());
    QCOMPARE(tela.count(), 1);
    sessao_->documento().simulacao.memoria.celula[21] = 4.0;
    Ciclo();
    QCOMPARE(sessao_->documento().simulacao.memoria.celula[41], 5.0);

    // Hidden, the read-out waits; it shows the value when the window opens.
    QCOMPARE(Rotulo("Label6")->text(), QStringLiteral("0.00"));
    janela_->Mostra();
    QCOMPARE(Rotulo("Label6")->text(), QStringLiteral("5.00"));
    QCOMPARE(Edicao("FuncaoTr")->text(), QStringLiteral("M21+1"));
  }

  void ajuda() {
    sessao_->documento().NovoBloco(1);
    AbreJanela(1);
    QTest::mouseClick(Botao("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(roteiro_.EnderecosAbertos(),
             QList<QUrl>{quiv::EnderecoAjuda("/simulador/objetos_simulacao/#bloco_calculo")});
  }

  // A deleted block leaves a window that edits and applies nothing.
  void blocoExcluido() {
    sessao_->documento().NovoBloco(1);
    AbreJanela(1);
    sessao_->documento().Exclui(quiv::TipoObjeto::Bloco, 1);
    Edicao("FuncaoTr")->setText(QStringLiteral("2x"));
    Caixa("LimSupCheck")->setChecked(true);
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    Ciclo();
    janela_->Mostra();
  }

 private:
  QAbstractButton* Botao(const char* nome) const { return Filho<QAbstractButton>(nome); }
  QLabel* Rotulo(const char* nome) const { return Filho<QLabel>(nome); }
  QLineEdit* Edicao(const char* nome) const { return Filho<QLineEdit>(nome); }
  QCheckBox* Caixa(const char* nome) const { return Filho<QCheckBox>(nome); }
};

int ExecutaTesteJanelaBloco(int argc, char** argv) {
  TesteJanelaBloco teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_bloco.moc"
