// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "../comum/mesmo_estado.h"
#include "../comum/planta_malha.h"
#include "ambiente_objeto.h"
#include "interacao_roteiro.h"
#include "linhas_arquivo.h"
#include "procura.h"
#include "ui/comum/grafico_tendencia.h"
#include "ui/objetos/janela_controlador.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::Controlador;

namespace {

// The PV of the tests' controller: a cell nothing else writes, with an
// engineering range of 100 … 300 °C.
constexpr int kEnderecoPV = 99;
constexpr int kEnderecoSPR = 98;

using CampoAplicado = double Controlador::*;
const CampoAplicado kCampos[] = {&Controlador::Kc,    &Controlador::Ti,   &Controlador::Td,
                                 &Controlador::a,     &Controlador::tf,   &Controlador::Bias,
                                 &Controlador::COmin, &Controlador::COmax};
enum Campo { kKc, kTi, kTd, kA, kTf, kBias, kCOmin, kCOmax };

void Digita(QLineEdit* e, const QString& texto) {
  e->selectAll();
  if (texto.isEmpty())
    QTest::keyClick(e, Qt::Key_Delete);
  else
    QTest::keyClicks(e, texto);
}

void Move(QWidget* w, QPoint ponto) {
  QMouseEvent evento(QEvent::MouseMove, ponto, w->mapToGlobal(ponto), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
  QCoreApplication::sendEvent(w, &evento);
}

}  // namespace

class TesteJanelaControlador : public QObject, public AmbienteObjeto<quiv::JanelaControlador> {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    pasta_ = std::make_unique<QTemporaryDir>();
    QVERIFY(pasta_->isValid());
    quiv::JanelaControlador::DefinePastaArquivo(QString());
    quiv::Documento& doc = sessao_->documento();
    quiv::teste::IncluiMalha(doc, 1, 50.0);
    quiv::Descritor d;
    d.UnidadeEng = "°C";
    d.UEMin = "100";
    d.UEMax = "300";
    doc.simulacao.memoria.DefineDescritor(kEnderecoPV, d);
    doc.simulacao.memoria.celula[kEnderecoPV] = 40.0;
    Controlador& c = Modelo();
    c.ItemPV = kEnderecoPV - 1;
    QVERIFY(c.AtualizaParametros(true));
    sessao_->MarcaSalvo();
    AbreJanela(1);
  }

  void cleanup() { Encerra(); }

  // Every configuration edit writes its field at once: a live parameter acts
  // at the next cycle, an apply parameter only after Atualizar, which then
  // hands the configuration button back.
  void parametrosVivosEAplicados_data() {
    QTest::addColumn<QString>("edicao");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("vivo");
    QTest::addColumn<int>("campo");
    QTest::addColumn<double>("esperado");
    QTest::newRow("COmax") << "COmaxText"
                           << "40" << true << int(kCOmax) << 40.0;
    QTest::newRow("COmin com endereço") << "COminText"
                                        << "M98+10" << true << int(kCOmin) << 15.0;
    QTest::newRow("feedforward") << "FFwEquation"
                                 << "M98*2" << true << int(kBias) << 10.0;
    QTest::newRow("Kc") << "KpText"
                        << "3" << false << int(kKc) << 3.0;
    QTest::newRow("Ti") << "KiText"
                        << "7" << false << int(kTi) << 7.0;
    QTest::newRow("Td") << "KdText"
                        << "0.5" << false << int(kTd) << 0.5;
    QTest::newRow("a com vírgula") << "aText"
                                   << "0,25" << false << int(kA) << 0.25;
    QTest::newRow("tf") << "tfText"
                        << "2" << false << int(kTf) << 2.0;
    QTest::newRow("Bias") << "BiasText"
                          << "20" << false << int(kBias) << 20.0;
  }
  void parametrosVivosEAplicados() {
    QFETCH(QString, edicao);
    QFETCH(QString, texto);
    QFETCH(bool, vivo);
    QFETCH(int, campo);
    QFETCH(double, esperado);
    const CampoAplicado membro = kCampos[campo];
    Controlador& c = Modelo();
    AbreConfiguracao();
    Celula(kEnderecoSPR) = 5.0;
    // The feed-forward is applied on, its expression is read every cycle.
    Filho<QCheckBox>("FFwSelect")->setChecked(true);
    Clica("btnatualiza");
    QVERIFY(c.FFAtivo);
    sessao_->MarcaSalvo();

    Digita(Filho<QLineEdit>(edicao), texto);
    QVERIFY(Filho<QPushButton>("btnatualiza")->isEnabled());
    QVERIFY(!Filho<QPushButton>("ConfigBTN")->isEnabled());
    QCOMPARE(!sessao_->Salvo(), vivo);  // only a live field reaches the plant before Atualizar
    Ciclo();
    if (vivo) {
      QCOMPARE(c.*membro, esperado);
      return;
    }
    QVERIFY(c.*membro != esperado);

    QSignalSpy atualizaTela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    Clica("btnatualiza");
    QCOMPARE(c.*membro, esperado);
    QVERIFY(!sessao_->Salvo());
    QVERIFY(!Filho<QPushButton>("btnatualiza")->isEnabled());
    QVERIFY(Filho<QPushButton>("ConfigBTN")->isEnabled());
    QCOMPARE(atualizaTela.count(), 1);
  }

  // The radio groups and the P, I, D boxes: the structure waits for
  // Atualizar, the actions act at the next cycle.
  void gruposEAcoes() {
    Controlador& c = Modelo();
    AbreConfiguracao();
    Grupo("Acaogroup")->button(0)->click();
    QCOMPARE(c.ItemAcao, 1);
    Ciclo();
    QVERIFY(!c.AcaoReversa);
    Clica("btnatualiza");
    QCOMPARE(c.ItemAcao, 0);
    QVERIFY(c.AcaoReversa);

    Filho<QCheckBox>("PCHK")->click();
    Ciclo();
    QCOMPARE(c.P, 0.0);
    Filho<QCheckBox>("ICHK")->click();
    const double integral = c.I;
    Ciclo();
    Ciclo();
    QCOMPARE(c.I, integral);

    // Remote set point offered: its picker comes back to M01, enabled.
    auto* spr = Filho<QComboBox>("SPRSelect");
    QVERIFY(!spr->isEnabled());
    spr->setCurrentIndex(40);
    Filho<QCheckBox>("CheckSPR")->click();
    QVERIFY(spr->isEnabled());
    QVERIFY(c.HabilitaSPR);  // read by every step
    QCOMPARE(spr->currentIndex(), 0);
    QVERIFY(spr->currentText().startsWith(QLatin1String("01 ")));
    Filho<QCheckBox>("CheckSPR")->click();
    QVERIFY(!spr->isEnabled());
  }

  // A failed check: its box, in the check's words, naming the controller by
  // number and tag; nothing of the form is applied.
  void falhasDeVerificacao_data() {
    QTest::addColumn<QString>("edicao");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("tag") << "TagText"
                         << ""
                         << ": TAG não informado";
    QTest::newRow("PV") << ""
                        << ""
                        << ": Variável de processo (PV) não informada";
    QTest::newRow("Kc") << "KpText"
                        << "1.2.3"
                        << ": Kp inválido";
    QTest::newRow("Ti") << "KiText"
                        << "dez"
                        << ": Ti inválido";
    QTest::newRow("Td") << "KdText"
                        << "1e"
                        << ": Td inválido";
    QTest::newRow("a") << "aText"
                       << "meio"
                       << ": Fator a inválido";
    QTest::newRow("tf") << "tfText"
                        << "M21"
                        << ": Talf inválido";
    QTest::newRow("bias") << "BiasText"
                          << "50%"
                          << ": Bias inválido";
    QTest::newRow("COmin") << "COminText"
                           << "2#"
                           << ": COmin inválido";
    QTest::newRow("COmax") << "COmaxText"
                           << "1E300*1E300"
                           << ": COmax inválido";
    QTest::newRow("FF") << "FFwEquation"
                        << "2x3"
                        << ": Equação do FF inválida";
    QTest::newRow("início da escala") << "UEMin"
                                      << "zero"
                                      << ": Inicio Escala inválido";
    QTest::newRow("fim da escala") << "UEMax"
                                   << "cem"
                                   << ": Final Escala inválido";
  }
  void falhasDeVerificacao() {
    QFETCH(QString, edicao);
    QFETCH(QString, texto);
    QFETCH(QString, mensagem);
    AbreConfiguracao();
    quiv::Memoria& m = sessao_->documento().simulacao.memoria;
    if (edicao == QLatin1String("UEMin") || edicao == QLatin1String("UEMax")) {
      (edicao == QLatin1String("UEMin") ? m.descritor[kEnderecoPV].UEMin
                                        : m.descritor[kEnderecoPV].UEMax) = texto.toStdString();
      Digita(Filho<QLineEdit>("Descricao"), QStringLiteral("Forno"));
    } else if (edicao.isEmpty()) {
      Filho<QComboBox>("VariavelSelect")->setCurrentIndex(-1);
    } else {
      if (edicao == QLatin1String("FFwEquation")) Filho<QCheckBox>("FFwSelect")->setChecked(true);
      Digita(Filho<QLineEdit>(edicao), texto);
    }
    const bool semTag = edicao == QLatin1String("TagText");
    roteiro_.EsperaInforma(QStringLiteral("Controlador 1") +
                           (semTag ? QString() : QStringLiteral(" (TIC1)")) + mensagem);
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(sessao_->documento());
    Clica("btnatualiza");
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 1);
    QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));
    QVERIFY(Filho<QPushButton>("btnatualiza")->isEnabled());
    QVERIFY(!Filho<QPushButton>("ConfigBTN")->isEnabled());
  }

  // Several failed checks: one box lists them, in the order of the checks.
  void variasFalhasEmOrdem() {
    AbreConfiguracao();
    Digita(Filho<QLineEdit>("BiasText"), QStringLiteral("x"));
    Digita(Filho<QLineEdit>("KpText"), QStringLiteral("y"));
    roteiro_.EsperaInforma(
        QStringLiteral("Controlador 1 (TIC1): Kp inválido\nControlador 1 (TIC1): Bias inválido"));
    Clica("btnatualiza");
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 1);
  }

  // The faceplate in engineering units: read-outs with the decimals of the
  // range, SP typed in °C with its Enter and Esc rules, the arrows.
  void setPointEmUnidadesDeEngenharia() {
    Controlador& c = Modelo();
    Ciclo();
    QCOMPARE(Filho<QLabel>("UnitEngSP")->text(), QStringLiteral("°C"));
    QCOMPARE(Filho<QLineEdit>("PVText")->text(), QStringLiteral("180.0"));
    QCOMPARE(Filho<QProgressBar>("VariavelBar")->value(), 80);
    QCOMPARE(Filho<QLineEdit>("SPText")->text(), QStringLiteral("200.0"));
    auto* sp = Filho<QLineEdit>("SPText");

    Digita(sp, QStringLiteral("250"));
    QTest::keyClick(sp, Qt::Key_Return);
    QCOMPARE(c.SP, 75.0);
    QCOMPARE(sp->text(), QStringLiteral("250.0"));
    QVERIFY(!sessao_->Salvo());
    Ciclo();
    QCOMPARE(Filho<QProgressBar>("SetPointBar")->value(), 150);

    for (const char* invalido : {"350", "abc", "99.9"}) {
      Digita(sp, QLatin1String(invalido));
      QTest::keyClick(sp, Qt::Key_Enter);
      QCOMPARE(c.SP, 75.0);
      QCOMPARE(sp->text(), QStringLiteral("250.0"));
    }
    Digita(sp, QStringLiteral("120"));
    QTest::keyClick(sp, Qt::Key_Escape);
    QCOMPARE(sp->text(), QStringLiteral("250.0"));
    QCOMPARE(c.SP, 75.0);

    Clica("IncrementaSP");
    QCOMPARE(sp->text(), QStringLiteral("252.0"));
    Ciclo();
    QCOMPARE(Celula(quiv::EnderecoSPDaMalha(1)), 76.0);
  }

  // Manual output: typed in %, "Enviar" and Enter take it, Esc and invalid
  // values restore it; back to automatic without a bump.
  void saidaManualEAutoSemSalto() {
    Controlador& c = Modelo();
    Ciclo();
    QSignalSpy atualizaTela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    Clica("AutoManualBTN");
    QCOMPARE(atualizaTela.count(), 1);
    QCOMPARE(Filho<QLabel>("Label2")->text(), QStringLiteral("M"));
    QVERIFY(!Filho<QCheckBox>("MostrarSP")->isChecked());
    QVERIFY(Filho<QToolButton>("IncrementaSaida")->isEnabled());
    auto* mv = Filho<QLineEdit>("MVText");
    auto* enviar = Filho<QPushButton>("Button2");
    QVERIFY(!mv->isReadOnly());

    Digita(mv, QStringLiteral("37.5"));
    QVERIFY(enviar->isEnabled());
    QTest::keyClick(mv, Qt::Key_Return);
    QCOMPARE(c.CO, 37.5);
    QCOMPARE(mv->text(), QStringLiteral("37.50"));
    QVERIFY(!enviar->isEnabled());
    Ciclo();
    QCOMPARE(Celula(1), 37.5);

    Digita(mv, QStringLiteral("150"));
    QTest::keyClick(mv, Qt::Key_Return);
    QCOMPARE(mv->text(), QStringLiteral("37.50"));
    Digita(mv, QStringLiteral("12"));
    QTest::keyClick(mv, Qt::Key_Escape);
    QCOMPARE(mv->text(), QStringLiteral("37.50"));
    QCOMPARE(c.CO, 37.5);

    Clica("IncrementaSaida");
    QCOMPARE(mv->text(), QStringLiteral("38.50"));
    QCOMPARE(Filho<QProgressBar>("SaidaBar")->value(), 77);
    Digita(mv, QStringLiteral("20"));
    QVERIFY(enviar->isEnabled());
    Clica("Button2");
    QCOMPARE(c.CO, 20.0);
    QVERIFY(!enviar->isEnabled());

    for (int i = 0; i < 5; ++i) Ciclo();
    QCOMPARE(c.CO, 20.0);
    Clica("AutoManualBTN");
    QCOMPARE(Filho<QLabel>("Label2")->text(), QStringLiteral("A"));
    QVERIFY(Filho<QCheckBox>("MostrarSP")->isChecked());
    QVERIFY(mv->isReadOnly());
    QVERIFY(!Filho<QToolButton>("IncrementaSaida")->isEnabled());
    Ciclo();
    // Only one cycle's integration: 1.2 · 10 · 0.1 / 25.
    QVERIFY2(qAbs(c.CO - 20.048) < 1e-9, qPrintable(QString::number(c.CO, 'g', 17)));
    QCOMPARE(mv->text(), QStringLiteral("20.05"));
  }

  // Remote set point: L/R only once SPR is applied; in remote the SP follows
  // SPR and its buttons rest; back to local it keeps the last SPR.
  void localRemoto() {
    Controlador& c = Modelo();
    auto* lr = Filho<QPushButton>("LocalRemotoBTN");
    QVERIFY(!lr->isEnabled());
    QVERIFY(!Filho<QProgressBar>("SPRBar")->isVisible());
    QCOMPARE(Filho<QProgressBar>("SetPointBar")->width(), 22);
    AbreConfiguracao();
    Filho<QCheckBox>("CheckSPR")->click();
    Filho<QComboBox>("SPRSelect")->setCurrentIndex(kEnderecoSPR - 1);
    Clica("btnatualiza");
    QVERIFY(lr->isEnabled());
    QVERIFY(Filho<QProgressBar>("SPRBar")->isVisible());
    QCOMPARE(Filho<QProgressBar>("SetPointBar")->width(), 15);

    Celula(kEnderecoSPR) = 25.0;
    Clica("LocalRemotoBTN");
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("R"));
    QVERIFY(!Filho<QToolButton>("IncrementaSP")->isEnabled());
    QVERIFY(Filho<QLineEdit>("SPText")->isReadOnly());
    Ciclo();
    QCOMPARE(c.SP, 25.0);
    QCOMPARE(Filho<QLineEdit>("SPText")->text(), QStringLiteral("150.0"));
    QCOMPARE(Filho<QProgressBar>("SPRBar")->value(), 50);

    Clica("LocalRemotoBTN");
    Celula(kEnderecoSPR) = 60.0;
    Ciclo();
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("L"));
    QCOMPARE(c.SP, 25.0);
    QVERIFY(Filho<QToolButton>("IncrementaSP")->isEnabled());
    QVERIFY(!Filho<QLineEdit>("SPText")->isReadOnly());
  }

  // The three widths: faceplate alone, with the configuration, with the
  // trend; a new controller opens on its configuration.
  void larguras() {
    QVERIFY(janela_->TendenciaVisivel());
    QVERIFY(!janela_->ConfiguracaoVisivel());
    QVERIFY(janela_->width() >= 745);
    const int larga = janela_->width();
    Clica("ConfigBTN");
    QVERIFY(janela_->ConfiguracaoVisivel());
    QVERIFY(!janela_->TendenciaVisivel());
    QCOMPARE(janela_->width(), larga);
    Clica("ConfigBTN");
    QVERIFY(!janela_->ConfiguracaoVisivel());
    QVERIFY(!janela_->TendenciaVisivel());
    QVERIFY(janela_->width() < 600);
    Clica("ConfigBTN");
    QVERIFY(janela_->ConfiguracaoVisivel());
    QVERIFY(janela_->width() >= 745);
    Clica("TrendButton");
    QVERIFY(janela_->TendenciaVisivel());
    Clica("TrendButton");
    QVERIFY(!janela_->TendenciaVisivel());
    QVERIFY(janela_->width() < 600);
    Clica("TrendButton");
    QVERIFY(janela_->TendenciaVisivel());
    QVERIFY(janela_->width() >= 745);
    QCOMPARE(Filho<QLabel>("CoodsText1")->text(), QStringLiteral("Coordenadas 1"));
    QCOMPARE(Filho<QLabel>("CoodsText6")->text(), QStringLiteral("Coordenadas 6"));

    // An edit not applied disables the configuration button; opening the
    // window from the main window gives it back, with the exit button.
    AbreConfiguracao();
    Digita(Filho<QLineEdit>("KpText"), QStringLiteral("2"));
    QVERIFY(!Filho<QPushButton>("ConfigBTN")->isEnabled());
    janela_->Mostra();
    QVERIFY(Filho<QPushButton>("ConfigBTN")->isEnabled());
    QVERIFY(Filho<QPushButton>("SairBTN")->isEnabled());

    // Without a tag the window opens on its configuration.
    sessao_->documento().NovoControlador(2).Tag = "";
    quiv::JanelaControlador segunda(*sessao_, 2);
    segunda.Mostra();
    QVERIFY(segunda.ConfiguracaoVisivel());
    QVERIFY(segunda.findChild<QLineEdit*>(QStringLiteral("TagText"))->text().isEmpty());
    QVERIFY(!segunda.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isEnabled());
  }

  // Sair hides the window; the controller runs on and the main window
  // refreshes its layout; the help button opens the controller's page.
  void sairEAjuda() {
    QSignalSpy atualizaTela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    Clica("SairBTN");
    QVERIFY(!janela_->isVisible());
    QCOMPARE(atualizaTela.count(), 1);
    const int posicao = Modelo().Tendencia.Grafico.Posicao;
    Ciclo();
    QCOMPARE(Modelo().Tendencia.Grafico.Posicao, posicao + 1);

    janela_->Mostra();
    Clica("SpeedButton1");
    QCOMPARE(roteiro_.EnderecosAbertos(),
             QList<QUrl>{quiv::EnderecoAjuda("/simulador/objetos_simulacao/#controlador_PID")});
  }

  // Pause: sampling stops, clicks set the point read-outs in turn; leaving
  // the pause (or closing) gives the captions back.
  void pausaEPontos() {
    for (int i = 0; i < 5; ++i) Ciclo();
    Clica("SpeedButton2");
    QVERIFY(Filho<QWidget>("Panel3")->isVisible());
    const int posicao = Modelo().Tendencia.Grafico.Posicao;
    Ciclo();
    QCOMPARE(Modelo().Tendencia.Grafico.Posicao, posicao);

    auto& grafico = janela_->Grafico();
    const QPoint canto = grafico.Quadro().topLeft();
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier, canto + QPoint(100, 50));
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier, canto + QPoint(300, 200));
    QCOMPARE(Filho<QLabel>("CoodsText1")->text(), QStringLiteral("Ponto 1:  Y=250.0  X=10.0"));
    QCOMPARE(Filho<QLabel>("CoodsText2")->text(), QStringLiteral("Ponto 2:  Y=100.0  X=30.0"));
    QCOMPARE(Filho<QLabel>("CoodsText3")->text(), QStringLiteral("Ponto 3:"));
    QVERIFY(Modelo().Tendencia.Marcadores[0].Visivel);

    Clica("SpeedButton2");
    QVERIFY(!Filho<QWidget>("Panel3")->isVisible());
    QCOMPARE(Filho<QLabel>("CoodsText1")->text(), QStringLiteral("Ponto 1:"));
    Ciclo();
    QCOMPARE(Modelo().Tendencia.Grafico.Posicao, posicao + 1);

    Clica("SpeedButton2");
    janela_->close();
    QVERIFY(!Modelo().Tendencia.Grafico.Pausado);
    janela_->Mostra();
    QVERIFY(!Filho<QToolButton>("SpeedButton2")->isChecked());
    QVERIFY(!Filho<QWidget>("Panel3")->isVisible());
  }

  // Typed scale: Enter takes both edits (°C) and leaves the automatic
  // scale; an unreadable or upside-down scale changes nothing. The
  // automatic box rescales at once.
  void escala() {
    for (int i = 0; i < 3; ++i) Ciclo();
    const auto& g = Modelo().Tendencia.Grafico;
    QCOMPARE(g.RotuloEscala[0], std::string("280"));
    auto* sup = Filho<QLineEdit>("eSupText");
    auto* inf = Filho<QLineEdit>("eInfText");
    QCOMPARE(sup->text(), QStringLiteral("300.0"));
    Digita(sup, QStringLiteral("250"));
    Digita(inf, QStringLiteral("150"));
    QTest::keyClick(inf, Qt::Key_Return);
    QCOMPARE(g.RotuloEscala[0], std::string("240"));
    QCOMPARE(int(g.Pixels1[static_cast<std::size_t>(g.Posicao)]), 60);  // 180 °C
    Digita(sup, QStringLiteral("1,5e3"));
    QTest::keyClick(sup, Qt::Key_Return);
    QCOMPARE(g.RotuloEscala[0], std::string("240"));
    Digita(sup, QStringLiteral("100"));
    QTest::keyClick(sup, Qt::Key_Return);
    QCOMPARE(g.RotuloEscala[0], std::string("240"));

    Filho<QCheckBox>("EscalaAuto")->click();
    QVERIFY(g.EscalaAuto);
    QVERIFY(Filho<QCheckBox>("EscalaAuto")->isChecked());
    QCOMPARE(sup->text(), QString::fromStdString(g.TextoEscalaSup));
    QVERIFY(sup->text() != QStringLiteral("100"));
  }

  // The archive: the folder is asked once for all controllers (a cancel
  // leaves the archive off and asks again next time), the scale, pause, tag and time base are
  // locked while it runs, the rate text blinks, and stopping reports the file, whose lines are the
  // samples taken meanwhile. A second archive takes the next name and
  // continues the time column.
  void arquivo() {
    Controlador& c = Modelo();
    Clica("AutoManualBTN");  // manual: the CO stays where it is put
    c.CO = 30.0;
    auto* caixa = Filho<QCheckBox>("CheckBox1");
    QVERIFY(caixa->isEnabled());
    roteiro_.EsperaPasta(QStringLiteral("Selecione uma pasta"), QString());
    caixa->click();
    QCOMPARE(roteiro_.Pendentes(), 0);
    QVERIFY(!caixa->isChecked());
    QVERIFY(!Modelo().Tendencia.Grafico.Arquivando());
    roteiro_.EsperaPasta(QStringLiteral("Selecione uma pasta"), pasta_->path());
    caixa->click();
    QCOMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.UltimoInicial(), sessao_->PastaDosDialogos());
    QCOMPARE(quiv::JanelaControlador::PastaArquivo(), pasta_->path());
    QVERIFY(caixa->isChecked());
    for (const char* nome : {"eSupText", "eInfText", "SpeedButton2", "TagText", "BaseTempoBox"})
      QVERIFY2(!Filho<QWidget>(nome)->isEnabled(), nome);
    auto* taxa = Filho<QLabel>("Label21");
    QTRY_VERIFY(taxa->isVisible());
    QTRY_VERIFY(!taxa->isVisible());
    for (int i = 0; i < 3; ++i) Ciclo();

    roteiro_.EsperaInforma(QStringLiteral("Data saved: TIC1_1.txt"));
    caixa->click();
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    VerificaArquivoParado({"eSupText", "eInfText", "SpeedButton2", "TagText", "BaseTempoBox"});
    QCOMPARE(Linhas(pasta_->filePath(QStringLiteral("TIC1_1.txt"))),
             (QStringList{"Tempo (0.100 seg);PV;SP;MV", "0.00;40.00;50.00;30.00",
                          "0.10;40.00;50.00;30.00", "0.20;40.00;50.00;30.00"}));

    Filho<QCheckBox>("UsarVirgula")->click();
    Filho<QCheckBox>("UsarUE")->click();
    caixa->click();
    Ciclo();
    roteiro_.EsperaInforma(QStringLiteral("Data saved: TIC1_2.txt"));
    caixa->click();
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(Linhas(pasta_->filePath(QStringLiteral("TIC1_2.txt"))),
             (QStringList{"Tempo (0.100 seg);PV;SP;MV", "0,30;180,00;200,00;30,00"}));
  }

  // An archive that cannot be created is reported and leaves the box clear.
  void arquivoQueFalha() {
    QFile arquivoComum(pasta_->filePath(QStringLiteral("comum")));
    QVERIFY(arquivoComum.open(QIODevice::WriteOnly));
    arquivoComum.close();
    quiv::JanelaControlador::DefinePastaArquivo(pasta_->filePath(QStringLiteral("comum/sub")));
    roteiro_.EsperaInforma(QStringLiteral("TIC1_1.txt"));
    Filho<QCheckBox>("CheckBox1")->click();
    QCOMPARE(roteiro_.Pendentes(), 0);
    QVERIFY(!Filho<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(!Filho<QTimer>("Timer1")->isActive());
    QVERIFY(Filho<QWidget>("TagText")->isEnabled());
  }

  // The pointer over the trend reads the time and every shown pen in its
  // units; the overlay is painted and goes away with the pointer.
  void leituraSobOPonteiro() {
    Controlador& c = Modelo();
    Clica("AutoManualBTN");
    c.CO = 30.0;
    for (int i = 0; i < 10; ++i) Ciclo();
    auto& grafico = janela_->Grafico();
    const QRect quadro = grafico.Quadro();
    const QImage antes = grafico.grab().toImage();
    const QPoint novo(quadro.left() + 1 + 449, quadro.top() + 100);
    Move(&grafico, novo);
    // In manual the SP pen is put away.
    QCOMPARE(grafico.LeituraAtual(), (QStringList{"Tempo: 45.0 s", "PV: 180.0 °C", "CO: 30.00 %"}));
    QVERIFY(grafico.grab().toImage() != antes);

    Filho<QCheckBox>("MostrarSP")->click();
    Move(&grafico, novo);
    QCOMPARE(grafico.LeituraAtual(),
             (QStringList{"Tempo: 45.0 s", "PV: 180.0 °C", "SP: 200.0 °C", "CO: 30.00 %"}));
    Filho<QCheckBox>("MostrarAtuador")->click();
    Filho<QCheckBox>("MostrarPV")->click();
    // The nine-second base: one sample for three cycles, 0.3 s per column.
    Filho<QComboBox>("BaseTempoBox")->setCurrentIndex(1);
    Move(&grafico, quadro.topLeft() + QPoint(100, 30));
    QCOMPARE(grafico.LeituraAtual(),
             (QStringList{"Tempo: 30.0 s", "SP: 100.0 °C", "CO: 0.00 %", "Pos. Atuador: 0.00 %"}));
    Move(&grafico, novo);
    QCOMPARE(grafico.LeituraAtual().last(), QStringLiteral("Pos. Atuador: 1.00 %"));

    Move(&grafico, QPoint(2, 2));
    QVERIFY(grafico.LeituraAtual().isEmpty());
    QCOMPARE(grafico.grab().toImage().size(), antes.size());
  }

  // A deleted controller leaves a window that does nothing and does not
  // fail.
  void controladorExcluido() {
    sessao_->documento().Exclui(quiv::TipoObjeto::Controlador, 1);
    Ciclo();
    for (const char* nome : {"IncrementaSP", "AutoManualBTN", "ConfigBTN", "SpeedButton2"})
      Clica(nome);
    Digita(Filho<QLineEdit>("KpText"), QStringLiteral("5"));
    janela_->Grafico().grab();
    janela_->Mostra();
    QVERIFY(sessao_->documento().ControladorDe(1) == nullptr);
  }

  // QUIV_CAPTURA=folder keeps pictures of the window for a look.
  void capturas() {
    const QString pasta = qEnvironmentVariable("QUIV_CAPTURA");
    if (pasta.isEmpty()) QSKIP("QUIV_CAPTURA not set");
    Controlador& c = Modelo();
    c.Descricao = "Temperatura do forno";
    c.HabilitaSPR = true;
    c.ItemSPR = kEnderecoSPR - 1;
    c.AtualizaParametros(false);
    for (int i = 0; i < 450; ++i) {
      Celula(kEnderecoPV) = 40.0 + 15.0 * std::sin(i / 40.0);
      Celula(kEnderecoSPR) = 45.0;
      if (i == 300) c.SP = 60.0;
      Ciclo();
    }
    janela_->Mostra();
    QCoreApplication::processEvents();
    janela_->grab().save(pasta + QStringLiteral("/tcontrolador-tendencia.png"));
    Filho<QCheckBox>("MostrarAtuador")->click();
    Filho<QCheckBox>("CheckBox2")->click();
    Clica("SpeedButton2");
    auto& grafico = janela_->Grafico();
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier,
                      grafico.Quadro().topLeft() + QPoint(120, 70));
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier,
                      grafico.Quadro().topLeft() + QPoint(330, 110));
    Move(&grafico, grafico.Quadro().topLeft() + QPoint(250, 120));
    janela_->grab().save(pasta + QStringLiteral("/tcontrolador-pausa.png"));
    Clica("SpeedButton2");
    Clica("ConfigBTN");
    janela_->grab().save(pasta + QStringLiteral("/tcontrolador-configuracao.png"));
    Clica("ConfigBTN");
    QCoreApplication::processEvents();
    janela_->grab().save(pasta + QStringLiteral("/tcontrolador-faceplate.png"));
  }

 private:
  Controlador& Modelo() const { return *sessao_->documento().ControladorDe(1); }
  double& Celula(int endereco) const {
    return sessao_->documento().simulacao.memoria.celula[endereco];
  }
  QButtonGroup* Grupo(const char* nome) const {
    return Filho<QButtonGroup>(QLatin1String(nome) + QStringLiteral("Itens"));
  }
  void AbreConfiguracao() {
    if (!janela_->ConfiguracaoVisivel()) Clica("ConfigBTN");
    QVERIFY(janela_->ConfiguracaoVisivel());
  }

  std::unique_ptr<QTemporaryDir> pasta_;
};

int ExecutaTesteJanelaControlador(int argc, char** argv) {
  TesteJanelaControlador teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_controlador.moc"
