// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "../comum/mesmo_estado.h"
#include "ambiente_objeto.h"
#include "core/arquivo/documento.h"
#include "core/objetos/processo.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/janela_processo.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::Processo;

namespace {

// Block 1 fed by M15; Tal1 0 passes its input straight through, so any
// parameter shows at the first step.
void Configura(Processo& p, int tipo) {
  p.ItemEntrada = 14;
  p.Tal1 = "0";
  p.TipoFuncao = tipo;
  QVERIFY(p.AtualizaParametros(false));
}

// Sets a control as the user would: "name=text" for an edit, the item index
// for a combo box, "1"/"0" for a check box.
void Edita(QWidget* janela, const QString& campo) {
  const QString nome = campo.section(QLatin1Char('='), 0, 0);
  const QString valor = campo.section(QLatin1Char('='), 1);
  QWidget* w = janela->findChild<QWidget*>(nome);
  QVERIFY2(w, qPrintable(nome));
  if (auto* e = qobject_cast<QLineEdit*>(w))
    e->setText(valor);
  else if (auto* c = qobject_cast<QComboBox*>(w))
    c->setCurrentIndex(valor.toInt());
  else if (auto* b = qobject_cast<QCheckBox*>(w))
    b->setChecked(valor == QLatin1String("1"));
  else
    QFAIL(qPrintable(nome));
}

}  // namespace

class TesteJanelaProcesso : public QObject, public AmbienteObjeto<quiv::JanelaProcesso> {
  Q_OBJECT

 private slots:
  void init() { IniciaAmbiente(); }

  void cleanup() { Encerra(); }

  // Live parameters act at the next cycle; the others only after Atualizar.
  // A second plant, configured alike and never edited, shows what the block
  // would have done without the edit.
  void parametroVivoOuAplicado_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<double>("entrada");
    QTest::addColumn<bool>("vivo");
    QTest::addColumn<bool>("bloqueiaSair");
    QTest::newRow("Tal1") << 0 << "LText=10" << 60.0 << true << true;
    QTest::newRow("Tal2") << 0 << "Ctext=5" << 60.0 << true << true;
    QTest::newRow("LEAD") << 2 << "LEAD=3" << 60.0 << true << true;
    QTest::newRow("LAG") << 2 << "LAG=4" << 60.0 << true << true;
    QTest::newRow("rate") << 0 << "ratetext=1" << 60.0 << true << true;
    QTest::newRow("saturador") << 0 << "CheckBox1=1" << 150.0 << true << true;
    QTest::newRow("ganho") << 0 << "GanhoText=2" << 60.0 << false << true;
    QTest::newRow("tempo morto") << 0 << "TempoMorto=0.5" << 60.0 << false << true;
    QTest::newRow("tipo F.T.") << 0 << "ComboBox2=3" << 60.0 << false << true;
    QTest::newRow("NC") << 1 << "NCText=3" << 60.0 << false << true;
    QTest::newRow("período") << 1 << "PeriodoText=20" << 60.0 << false << true;
    QTest::newRow("entrada") << 0 << "EntradaSelect=15" << 60.0 << false << true;
    QTest::newRow("curva") << 0 << "ComboBox1=2" << 60.0 << false << true;
    QTest::newRow("histerese") << 0 << "Histerese=5" << 60.0 << false << true;
    QTest::newRow("atuador") << 0 << "tal=3" << 60.0 << false << true;
    QTest::newRow("valor inicial") << 3 << "ValorInicialText=40" << 60.0 << false << false;
  }
  void parametroVivoOuAplicado() {
    QFETCH(int, tipo);
    QFETCH(QString, campo);
    QFETCH(double, entrada);
    QFETCH(bool, vivo);
    QFETCH(bool, bloqueiaSair);

    quiv::Documento& doc = sessao_->documento();
    Configura(doc.NovoProcesso(1), tipo);
    quiv::Documento referencia;
    Configura(referencia.NovoProcesso(1), tipo);
    for (quiv::Documento* d : {&doc, &referencia}) {
      d->simulacao.memoria.celula[15] = entrada;
      d->simulacao.memoria.celula[16] = 30.0;
    }
    AbreJanela(1);
    sessao_->MarcaSalvo();

    Edita(janela_.get(), campo);
    QCOMPARE(Botao("btnatualiza")->isEnabled(), true);
    QCOMPARE(Botao("SairButton")->isEnabled(), !bloqueiaSair);
    // A live field reaches the running block (an operator action), and the
    // initial value arms the integrator's restart; the others wait in the
    // window's form.
    QCOMPARE(!sessao_->Salvo(), vivo || campo.startsWith(QStringLiteral("ValorInicialText")));
    Ciclo(referencia);
    const double sem = referencia.ProcessoDe(1)->Y2;
    Ciclo();
    const double com = doc.ProcessoDe(1)->Y2;
    if (vivo)
      QVERIFY2(com != sem, qPrintable(QStringLiteral("%1 = %2").arg(com).arg(sem)));
    else
      QCOMPARE(com, sem);

    QSignalSpy tela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    QCOMPARE(tela.count(), 1);
    QVERIFY(!sessao_->Salvo());
    QVERIFY(!Botao("btnatualiza")->isEnabled());
    QVERIFY(Botao("SairButton")->isEnabled());
    // The input moves, so that the hysteresis has something to hold back.
    for (quiv::Documento* d : {&doc, &referencia}) d->simulacao.memoria.celula[15] += 10.0;
    Ciclo(referencia);
    Ciclo();
    QVERIFY2(doc.ProcessoDe(1)->Y2 != referencia.ProcessoDe(1)->Y2,
             qPrintable(QString::number(doc.ProcessoDe(1)->Y2)));
  }

  // A failed apply changes nothing of the block, which runs on as it was,
  // also when a live field holds the error: one box lists every failed
  // check once, in the order of the checks, naming the block by number and
  // tag; the window stays unapplied and keeps its identification.
  void checagensFalhas_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QStringList>("campos");
    QTest::addColumn<QStringList>("mensagens");
    const QString P = QStringLiteral("Processo 21 (LT-1)");
    auto caso = [&P](const char* nome, int tipo, QStringList campos, QStringList sufixos) {
      for (QString& s : sufixos) s.prepend(P);
      QTest::newRow(nome) << tipo << campos << sufixos;
    };
    caso("sem entrada", 0, {"EntradaSelect=-1", "GanhoText=2x"},
         {": Variável de entrada não informada"});
    caso("ganho", 0, {"GanhoText=2x"}, {": Ganho inválido"});
    caso("tempo morto negativo", 0, {"TempoMorto=-1"}, {": Tempo Morto inválido"});
    caso("tempo morto", 0, {"TempoMorto=a"}, {": Tempo Morto inválido"});
    caso("Tal1 e Tal2", 0, {"LText=x", "Ctext=y"}, {": Tal1 inválido", ": Tal2 inválido"});
    caso("LAG e LEAD", 2, {"LEAD=x", "LAG=y"}, {": LAG inválido", ": LEAD inválido"});
    caso("NC zero", 1, {"NCText=0"}, {": NCn inválido"});
    caso("NC e período", 1, {"NCText=um", "PeriodoText=p"},
         {": NCn inválido", ": Periodo inválido"});
    caso("não lineares", 0, {"tal=t", "valveStext=s", "ratetext=r", "Histerese=h"},
         {": Histerese inválida", ": Rate inválido", ": Agarramento inválido",
          ": Constante de tempo inválido"});
    caso("grupo oculto não conta", 1, {"LText=x", "GanhoText=2x"}, {": Ganho inválido"});
  }
  void checagensFalhas() {
    QFETCH(int, tipo);
    QFETCH(QStringList, campos);
    QFETCH(QStringList, mensagens);

    Processo& p = sessao_->documento().NovoProcesso(1);
    p.Tag = "LT-1";
    p.Descricao = "Nível";
    Configura(p, tipo);
    AbreJanela(1);
    const QString titulo = Rotulo("Label9")->text();
    QCOMPARE(titulo, QStringLiteral("LT-1 Nível"));

    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(sessao_->documento());
    for (const QString& campo : campos) Edita(janela_.get(), campo);
    roteiro_.EsperaInforma(mensagens.join(QLatin1Char('\n')));
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 1);
    QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));
    QVERIFY(sessao_->Salvo());
    // Closed and opened again, the window still holds what was typed.
    janela_->close();
    janela_->Mostra();
    QVERIFY(Botao("btnatualiza")->isEnabled());
    for (const QString& campo : campos) {
      const QStringList nomeValor = campo.split(QLatin1Char('='));
      if (auto* e = janela_->findChild<QLineEdit*>(nomeValor[0])) QCOMPARE(e->text(), nomeValor[1]);
    }
    QVERIFY(Botao("btnatualiza")->isEnabled());
    QVERIFY(!Botao("SairButton")->isEnabled());
    QCOMPARE(Rotulo("Label9")->text(), titulo);
  }

  // The group of the selected transfer-function type is the only one shown,
  // whether the user picks it or the model holds it when the window opens.
  void gruposPorTipo_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("grupo");
    QTest::newRow("sobreamortecido") << 0 << "GroupPVC";
    QTest::newRow("subamortecido") << 1 << "GroupOrdem2";
    QTest::newRow("lead-lag") << 2 << "GroupLEADLAG";
    QTest::newRow("integrador") << 3 << "GroupBox2";
  }
  void gruposPorTipo() {
    QFETCH(int, tipo);
    QFETCH(QString, grupo);
    const QStringList grupos = {"GroupPVC", "GroupOrdem2", "GroupLEADLAG", "GroupBox2"};

    Processo& p = sessao_->documento().NovoProcesso(1);
    AbreJanela(1);
    auto confere = [&] {
      for (const QString& g : grupos) {
        auto* caixa = janela_->findChild<QGroupBox*>(g);
        QVERIFY(caixa);
        QCOMPARE(caixa->isVisibleTo(janela_.get()), g == grupo);
      }
      for (const char* nome : {"ValorInicialText", "Label35"})
        QCOMPARE(
            janela_->findChild<QWidget*>(QString::fromLatin1(nome))->isVisibleTo(janela_.get()),
            tipo == Processo::kIntegrador);
    };
    // Picked by the user: another type first, so the pick is a change.
    Edita(janela_.get(), QStringLiteral("ComboBox2=%1").arg((tipo + 1) % 4));
    Edita(janela_.get(), QStringLiteral("ComboBox2=%1").arg(tipo));
    confere();
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    QCOMPARE(p.TipoFuncao, tipo);
    confere();
    // Held by the model when the window opens again.
    janela_->close();
    p.TipoFuncao = (tipo + 2) % 4;
    janela_->Mostra();
    p.TipoFuncao = tipo;
    janela_->Mostra();
    confere();
  }

  // Entering the picker rebuilds it from the current descriptions and keeps
  // the selection; that is no edit of the block.
  void seletorDeEnderecos() {
    Processo& p = sessao_->documento().NovoProcesso(1);
    Configura(p, 0);
    quiv::Memoria& m = sessao_->documento().simulacao.memoria;
    m.DefineDescricao(21, "Nível do tanque");
    AbreJanela(1);
    sessao_->MarcaSalvo();
    auto* seletor = janela_->findChild<QComboBox*>(QStringLiteral("EntradaSelect"));
    QCOMPARE(seletor->count(), 99);
    QCOMPARE(seletor->itemText(0), QStringLiteral("01 "));
    QCOMPARE(seletor->itemText(20), QStringLiteral("21 Nível do tanque"));
    QCOMPARE(seletor->itemText(98), QStringLiteral("99 "));
    QCOMPARE(seletor->currentText(), QStringLiteral("15 Track 1"));

    m.DefineDescricao(15, "Vazão de carga");
    m.DefineDescricao(1, "Saída TIC-1");
    QCOMPARE(seletor->itemText(14), QStringLiteral("15 Track 1"));
    QFocusEvent foco(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(seletor, &foco);
    QCOMPARE(seletor->count(), 99);
    QCOMPARE(seletor->itemText(0), QStringLiteral("01 Saída TIC-1"));
    QCOMPARE(seletor->currentIndex(), 14);
    QCOMPARE(seletor->currentText(), QStringLiteral("15 Vazão de carga"));

    m.DefineDescricao(15, "Carga");
    seletor->showPopup();
    QCOMPARE(seletor->itemText(14), QStringLiteral("15 Carga"));
    seletor->hidePopup();

    QVERIFY(!Botao("btnatualiza")->isEnabled());
    QVERIFY(sessao_->Salvo());
    QCOMPARE(p.ItemEntrada, 14);
  }

  // Apply names the block: title, address labels, caption and the output's
  // description; the description edit reads it back.
  void identificacao_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("saida");
    QTest::addColumn<QString>("saidaRotulo");
    QTest::addColumn<QString>("atuadorRotulo");
    QTest::newRow("bloco 1") << 1 << 21 << "(M21)"
                             << "(M101)";
    QTest::newRow("bloco 20") << 20 << 40 << "(M40)"
                              << "(M120)";
    QTest::newRow("bloco 21") << 21 << 71 << "(M71)"
                              << "(M121)";
  }
  void identificacao() {
    QFETCH(int, n);
    QFETCH(int, saida);
    QFETCH(QString, saidaRotulo);
    QFETCH(QString, atuadorRotulo);
    sessao_->documento().NovoProcesso(n);
    AbreJanela(n);
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Processo"));
    Edita(janela_.get(), QStringLiteral("TagText=LT-1"));
    Edita(janela_.get(), QStringLiteral("DescricaoText=Nível do tanque"));
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    QCOMPARE(Rotulo("Label9")->text(), QStringLiteral("LT-1 Nível do tanque"));
    QCOMPARE(Rotulo("Label22")->text(), saidaRotulo);
    QCOMPARE(Rotulo("Label2")->text(), atuadorRotulo);
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Nível do tanque"));
    QCOMPARE(sessao_->documento().simulacao.memoria.DescricaoEndereco[saida],
             std::string("Nível do tanque"));

    // The variable list renames the output: the window shows it when it
    // opens again.
    janela_->close();
    sessao_->documento().simulacao.memoria.DefineDescricao(saida, "Nível");
    janela_->Mostra();
    QCOMPARE(janela_->findChild<QLineEdit*>(QStringLiteral("DescricaoText"))->text(),
             QStringLiteral("Nível"));
    QVERIFY(!Botao("btnatualiza")->isEnabled());
  }

  // The read-outs follow each cycle with two decimals, but not the cycles
  // of an off-line run.
  void leituras() {
    Processo& p = sessao_->documento().NovoProcesso(1);
    Configura(p, 0);
    p.TempoMorto = "0.1";
    p.ConstanteTempoAtuador = "0";
    p.Ganho = "2";
    QVERIFY(p.AtualizaParametros(false));
    AbreJanela(1);
    quiv::Memoria& m = sessao_->documento().simulacao.memoria;
    m.celula[15] = 12.344;
    Ciclo();
    m.celula[15] = 33.336;
    Ciclo();
    QCOMPARE(Rotulo("Label36")->text(), QStringLiteral("33.34"));
    QCOMPARE(Rotulo("Label26")->text(), QStringLiteral("33.34"));
    QCOMPARE(Rotulo("Label12")->text(), QStringLiteral("24.69"));  // delayed one step

    m.celula[15] = 70.0;
    Ciclo();
    QCOMPARE(Rotulo("Label36")->text(), QStringLiteral("70.00"));
    QCOMPARE(Rotulo("Label12")->text(), QStringLiteral("66.67"));
    Ciclo();
    QCOMPARE(Rotulo("Label12")->text(), QStringLiteral("140.00"));
  }

  // Closing, by the frame or by Sair, hides the window and asks the main
  // window's layout refresh; the block keeps running.
  void fechar() {
    Processo& p = sessao_->documento().NovoProcesso(1);
    Configura(p, 0);
    AbreJanela(1);
    QSignalSpy tela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    QVERIFY(janela_->close());
    QVERIFY(!janela_->isVisible());
    QCOMPARE(tela.count(), 1);
    sessao_->documento().simulacao.memoria.celula[15] = 42.0;
    Ciclo();
    QCOMPARE(sessao_->documento().simulacao.memoria.celula[21], 42.0);

    janela_->Mostra();
    QVERIFY(janela_->isVisible());
    QCOMPARE(Rotulo("Label12")->text(), QStringLiteral("42.00"));
    QTest::mouseClick(Botao("SairButton"), Qt::LeftButton);
    QVERIFY(!janela_->isVisible());
    QCOMPARE(tela.count(), 2);
  }

  void ajuda() {
    sessao_->documento().NovoProcesso(1);
    AbreJanela(1);
    QTest::mouseClick(Botao("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(roteiro_.EnderecosAbertos(),
             QList<QUrl>{quiv::EnderecoAjuda("/simulador/objetos_simulacao/#bloco_processo")});
  }

  // A deleted block leaves a window that edits and applies nothing.
  void blocoExcluido() {
    sessao_->documento().NovoProcesso(1);
    AbreJanela(1);
    sessao_->documento().Exclui(quiv::TipoObjeto::Processo, 1);
    Edita(janela_.get(), QStringLiteral("GanhoText=2x"));
    QTest::mouseClick(Botao("btnatualiza"), Qt::LeftButton);
    Ciclo();
    janela_->Mostra();
    QVERIFY(janela_->close());
  }

 private:
  using AmbienteObjeto::Ciclo;
  void Ciclo(quiv::Documento& d) { d.simulacao.PassoObjetos(); }
  QAbstractButton* Botao(const char* nome) const { return Filho<QAbstractButton>(nome); }
  QLabel* Rotulo(const char* nome) const { return Filho<QLabel>(nome); }
};

int ExecutaTesteJanelaProcesso(int argc, char** argv) {
  TesteJanelaProcesso teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_processo.moc"
