// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../comum/mesmo_estado.h"
#include "../comum/planta_malha.h"
#include "ambiente_objeto.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/linhas_smp.h"
#include "interacao_roteiro.h"
#include "linhas_arquivo.h"
#include "procura.h"
#include "ui/comum/grafico_tendencia.h"
#include "ui/objetos/janela_registrador.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::Registrador;

namespace {

// Cells nothing in the tests' plant writes: pens 1, 2, 3. Pen 1's range is
// 0 … 200 °C.
constexpr int kCelula1 = 79;
constexpr int kCelula2 = 80;
constexpr int kCelula3 = 14;

const QColor kVermelho(255, 0, 0);
const QColor kAzul(0, 0, 255);
const QColor kVerde(0, 128, 0);

void Digita(QLineEdit* e, const QString& texto) {
  e->selectAll();
  QTest::keyClicks(e, texto);
}

std::vector<std::string> LinhasArquivo(const quiv::Documento& doc) {
  return quiv::teste::LinhasDoArquivo(doc);
}

// Pixels of one colour inside the chart's plot.
int Conta(const quiv::GraficoTendencia& grafico, const QColor& cor) {
  const QImage imagem = const_cast<quiv::GraficoTendencia&>(grafico).grab().toImage();
  const QRect quadro = grafico.Quadro().adjusted(1, 1, -1, -1);
  int n = 0;
  for (int y = quadro.top(); y <= quadro.bottom(); ++y)
    for (int x = quadro.left(); x <= quadro.right(); ++x)
      if (imagem.pixelColor(x, y) == cor) ++n;
  return n;
}

}  // namespace

class TesteJanelaRegistrador : public QObject, public AmbienteObjeto<quiv::JanelaRegistrador> {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    pasta_ = std::make_unique<QTemporaryDir>();
    QVERIFY(pasta_->isValid());
    quiv::Documento& doc = sessao_->documento();
    quiv::teste::IncluiMalha(doc, 1, 50.0);
    quiv::Descritor d;
    d.UnidadeEng = "°C";
    d.UEMin = "0";
    d.UEMax = "200";
    doc.simulacao.memoria.DefineDescritor(kCelula1, d);
    Celula(kCelula1) = 40.0;
    Celula(kCelula2) = 50.0;
    Celula(kCelula3) = 30.0;
    Registrador& r = doc.NovoRegistrador(1);
    r.Tag = "TR1";
    r.Descricao = "Forno";
    r.ItemVariavel1 = kCelula1 - 1;
    r.ItemVariavel2 = kCelula2 - 1;
    r.ItemVariavel3 = kCelula3 - 1;
    r.AplicaConfiguracao();
    sessao_->MarcaSalvo();
    AbreJanela(1);
  }

  void cleanup() { Encerra(); }

  // Each cycle samples the three pens into the chart's rings and draws
  // them; the read-outs show pens 1 and 2 in pen 1's units, pen 3 in %. A
  // pen set to "Nenhum" shows no read-out and draws nothing.
  void amostraEDesenha() {
    const Registrador& r = Modelo();
    for (int i = 0; i < 5; ++i) Ciclo();
    const auto& g = r.Grafico;
    QCOMPARE(g.Posicao, 5);
    const auto k = static_cast<std::size_t>(g.Posicao);
    QCOMPARE(int(g.Pixels1[k]), 80);
    QCOMPARE(int(g.Pixels2[k]), 100);
    QCOMPARE(int(g.Pixels3[k]), 60);
    QCOMPARE(Filho<QLabel>("VermelhoLabel")->text(), QStringLiteral("PV: 80.00 °C"));
    QCOMPARE(Filho<QLabel>("AzulLabel")->text(), QStringLiteral("SP: 100.00 °C"));
    QCOMPARE(Filho<QLabel>("VerdeLabel")->text(), QStringLiteral("MV: 30.00%"));
    QCOMPARE(windowTitle(), QStringLiteral("TR1 - Forno"));

    // The newest sample at the right edge, at its height above the bottom.
    auto& grafico = janela_->Grafico();
    const QImage imagem = grafico.grab().toImage();
    const QPoint base = grafico.Quadro().topLeft() + QPoint(1 + 449, 1 + 200);
    QCOMPARE(imagem.pixelColor(base - QPoint(0, 80)), kVermelho);
    QCOMPARE(imagem.pixelColor(base - QPoint(0, 100)), kAzul);
    QCOMPARE(imagem.pixelColor(base - QPoint(0, 60)), kVerde);
    QVERIFY(Conta(grafico, kAzul) > 0);
    // The fixed MV scale, in green, at the right of the plot.
    int verdes = 0;
    for (int x = grafico.Quadro().right() + 1; x < imagem.width(); ++x)
      for (int y = 0; y < imagem.height(); ++y) {
        const QColor c = imagem.pixelColor(x, y);
        if (c.green() > 60 && c.red() < 60 && c.blue() < 60) ++verdes;
      }
    QVERIFY(verdes > 20);

    for (const char* nome : {"Variavel2Select", "Variavel3Select"})
      Filho<QComboBox>(nome)->setCurrentIndex(Registrador::kItemNenhum);
    QVERIFY(!r.Pen2Ativa());
    QVERIFY(!r.Pen3Ativa());
    QVERIFY(!sessao_->Salvo());
    Ciclo();
    QCOMPARE(Filho<QLabel>("AzulLabel")->text(), QString());
    QCOMPARE(Filho<QLabel>("VerdeLabel")->text(), QString());
    QCOMPARE(Conta(grafico, kAzul), 0);
    QCOMPARE(Conta(grafico, kVerde), 0);
    QVERIFY(Conta(grafico, kVermelho) > 0);
    QCOMPARE(Filho<QComboBox>("Variavel2Select")->currentText(), QStringLiteral("Nenhum"));
    QCOMPARE(Filho<QComboBox>("Variavel1Select")->count(), Registrador::kItens);
  }

  // Pen 3 on a controller output: pen 2 follows to that loop's SP when its
  // text is "SP", pen 1 to its PV when its text is "PV" and the controller
  // exists.
  void atalhoDaMalha_data() {
    QTest::addColumn<int>("item3");
    QTest::addColumn<QString>("texto1");
    QTest::addColumn<QString>("texto2");
    QTest::addColumn<int>("item1");
    QTest::addColumn<int>("item2");
    const int antes1 = kCelula1 - 1;
    const int antes2 = kCelula2 - 1;
    QTest::newRow("malha 1") << 0 << "PV"
                             << "SP" << 20 << 60;
    QTest::newRow("texto 2 não é SP") << 0 << "PV"
                                      << "Ref" << 20 << antes2;
    QTest::newRow("texto 1 não é PV") << 0 << "TI"
                                      << "SP" << antes1 << 60;
    QTest::newRow("malha 3 sem controlador") << 2 << "PV"
                                             << "SP" << antes1 << 62;
    QTest::newRow("não é saída de malha") << 12 << "PV"
                                          << "SP" << antes1 << antes2;
  }
  void atalhoDaMalha() {
    QFETCH(int, item3);
    QFETCH(QString, texto1);
    QFETCH(QString, texto2);
    QFETCH(int, item1);
    QFETCH(int, item2);
    AbreConfiguracao();
    Digita(Filho<QLineEdit>("Edit1"), texto1);
    Digita(Filho<QLineEdit>("Edit2"), texto2);
    sessao_->MarcaSalvo();
    Filho<QComboBox>("Variavel3Select")->setCurrentIndex(item3);
    const Registrador& r = Modelo();
    QCOMPARE(r.ItemVariavel3, item3);
    QCOMPARE(r.ItemVariavel1, item1);
    QCOMPARE(r.ItemVariavel2, item2);
    QCOMPARE(Filho<QComboBox>("Variavel1Select")->currentIndex(), item1);
    QCOMPARE(Filho<QComboBox>("Variavel2Select")->currentIndex(), item2);
    QVERIFY(!sessao_->Salvo());
  }

  // Typed scale (°C, a decimal comma allowed): Enter takes both edits and
  // leaves the automatic scale; a bottom not below the top changes nothing.
  // The automatic box scales to pen 1's history.
  void escalaManualEAutomatica() {
    for (int i = 0; i < 3; ++i) Ciclo();
    const auto& g = Modelo().Grafico;
    auto* sup = Filho<QLineEdit>("eSupText");
    auto* inf = Filho<QLineEdit>("eInfText");
    QCOMPARE(sup->text(), QStringLiteral("200.0"));
    QCOMPARE(inf->text(), QStringLiteral(" 0.0"));
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("°C"));
    QCOMPARE(g.RotuloEscala[0], std::string("180"));

    Digita(sup, QStringLiteral("150"));
    Digita(inf, QStringLiteral("50"));
    QTest::keyClick(inf, Qt::Key_Return);
    QCOMPARE(g.RotuloEscala[0], std::string("140"));
    QCOMPARE(int(g.Pixels1[static_cast<std::size_t>(g.Posicao)]), 60);  // 80 °C
    Digita(inf, QStringLiteral("160"));
    QTest::keyClick(inf, Qt::Key_Return);
    QCOMPARE(g.RotuloEscala[0], std::string("140"));
    Digita(inf, QStringLiteral("5,0e1"));
    Digita(sup, QStringLiteral("180"));
    QTest::keyClick(sup, Qt::Key_Return);
    QCOMPARE(g.RotuloEscala[0], std::string("167"));
    Ciclo();
    QCOMPARE(int(g.Pixels1[static_cast<std::size_t>(g.Posicao)]), 46);  // 30/130 of 200

    Filho<QCheckBox>("EscalaAuto")->click();
    QVERIFY(g.EscalaAuto);
    // Slots never written hold 0: 0 … 1.1 × 40 % of 0 … 200 °C.
    QCOMPARE(sup->text(), QStringLiteral("88.0"));
    QCOMPARE(inf->text(), QStringLiteral(" 0.0"));
    Digita(sup, QStringLiteral("100"));
    QTest::keyClick(sup, Qt::Key_Return);
    QVERIFY(!Filho<QCheckBox>("EscalaAuto")->isChecked());
  }

  // The pause stops sampling and shows the point panel; presses on the
  // chart fill the six read-outs in turn, the seventh overwrites the first.
  // Closing the window resumes.
  void pausaELeituras() {
    for (int i = 0; i < 3; ++i) Ciclo();
    auto& grafico = janela_->Grafico();
    const QPoint canto = grafico.Quadro().topLeft();
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier, canto + QPoint(100, 50));
    QCOMPARE(Filho<QLabel>("CoodsText1")->text(), QString());  // not paused: nothing

    Clica("SpeedButton1");
    QVERIFY(Filho<QWidget>("Panel3")->isVisible());
    const int posicao = Modelo().Grafico.Posicao;
    Ciclo();
    QCOMPARE(Modelo().Grafico.Posicao, posicao);
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier, canto + QPoint(100, 50));
    QCOMPARE(Filho<QLabel>("CoodsText1")->text(), QStringLiteral("Y: 150.0 %  T: 10.0 s"));
    for (int k = 2; k <= 6; ++k)
      QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier, canto + QPoint(20 * k, 200));
    QCOMPARE(Filho<QLabel>("CoodsText6")->text(), QStringLiteral("Y:  0.0 %  T: 12.0 s"));
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier, canto + QPoint(300, 0));
    QCOMPARE(Filho<QLabel>("CoodsText1")->text(), QStringLiteral("Y: 200.0 %  T: 30.0 s"));

    // The nine-second base reads 0.3 s per pixel.
    Filho<QComboBox>("BaseTempoBox")->setCurrentIndex(1);
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier, canto + QPoint(100, 100));
    QCOMPARE(Filho<QLabel>("CoodsText2")->text(), QStringLiteral("Y: 100.0 %  T: 30.0 s"));

    janela_->close();
    QVERIFY(!Modelo().Grafico.Pausado);
    janela_->Mostra();
    QVERIFY(!Filho<QToolButton>("SpeedButton1")->isChecked());
    QVERIFY(!Filho<QWidget>("Panel3")->isVisible());
    for (int i = 0; i < 3; ++i) Ciclo();
    QCOMPARE(Modelo().Grafico.Posicao, posicao + 1);
  }

  // The archive: a cancelled folder dialog leaves it off (asked once, not
  // again); a chosen folder starts it with the scale, pause, tag and time
  // base locked and the rate text blinking; stopping reports the file, whose
  // rows are the samples meanwhile. A second archive takes the next name,
  // continues the time column and writes engineering units with commas.
  void arquivo() {
    auto* caixa = Filho<QCheckBox>("CheckBox1");
    QVERIFY(caixa->isEnabled());
    roteiro_.EsperaPasta(QStringLiteral("Selecione uma pasta"), QString());
    caixa->click();
    QCOMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 1);
    QVERIFY(!caixa->isChecked());
    QVERIFY(!Modelo().Grafico.Arquivando());

    roteiro_.EsperaPasta(QStringLiteral("Selecione uma pasta"), pasta_->path());
    caixa->click();
    QCOMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.UltimoInicial(), sessao_->PastaDosDialogos());
    QVERIFY(caixa->isChecked());
    for (const char* nome : {"eSupText", "eInfText", "SpeedButton1", "TagText", "BaseTempoBox"})
      QVERIFY2(!Filho<QWidget>(nome)->isEnabled(), nome);
    auto* taxa = Filho<QLabel>("Label21");
    QCOMPARE(taxa->text(), QStringLiteral("Saving 0.1s sampling"));
    QTRY_VERIFY(taxa->isVisible());
    QTRY_VERIFY(!taxa->isVisible());
    for (int i = 0; i < 2; ++i) Ciclo();
    janela_->close();  // hidden, it goes on archiving
    Ciclo();
    janela_->Mostra();

    roteiro_.EsperaInforma(QStringLiteral("Data saved: TR1_1.txt"));
    caixa->click();
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    VerificaArquivoParado({"eSupText", "eInfText", "SpeedButton1", "TagText", "BaseTempoBox"});
    QCOMPARE(Linhas(pasta_->filePath(QStringLiteral("TR1_1.txt"))),
             (QStringList{"Tempo (0.100 seg);PV;SP;MV", "0.00;40.00;50.00;30.00",
                          "0.10;40.00;50.00;30.00", "0.20;40.00;50.00;30.00"}));

    AbreConfiguracao();
    Filho<QCheckBox>("UsarVirgula")->click();
    Filho<QCheckBox>("UsarUE")->click();
    roteiro_.EsperaPasta(QStringLiteral("Selecione uma pasta"), pasta_->path());
    caixa->click();
    QCOMPARE(roteiro_.UltimoInicial(), pasta_->path());
    Ciclo();
    roteiro_.EsperaInforma(QStringLiteral("Data saved: TR1_2.txt"));
    caixa->click();
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(Linhas(pasta_->filePath(QStringLiteral("TR1_2.txt"))),
             (QStringList{"Tempo (0.100 seg);PV;SP;MV", "0,30;80,00;100,00;30,00"}));
  }

  // Without a tag there is no archive; editing the tag or the description
  // applies at once: caption, archive box, modified mark.
  void tagEDescricao() {
    AbreConfiguracao();
    auto* tag = Filho<QLineEdit>("TagText");
    tag->selectAll();
    QTest::keyClick(tag, Qt::Key_Delete);
    QVERIFY(!Filho<QCheckBox>("CheckBox1")->isEnabled());
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(windowTitle(), QStringLiteral(" - Forno"));
    Digita(tag, QStringLiteral("TR9"));
    Digita(Filho<QLineEdit>("DescricaoText"), QStringLiteral("Caldeira"));
    QCOMPARE(windowTitle(), QStringLiteral("TR9 - Caldeira"));
    QCOMPARE(Modelo().Tag.Completo(), std::string("TR9"));
    QVERIFY(Filho<QCheckBox>("CheckBox1")->isEnabled());
  }

  // Each change of the recorder's definition is one edit (typing in one
  // field merges, the loop shortcut of pen 3 moves three pens at once); undo
  // and redo walk back and forth through exactly the files each step had,
  // the window showing each, and the save indicator comes back to saved.
  void desfazerERefazerDevolvemCadaArquivo() {
    AbreConfiguracao();
    const quiv::Documento& doc = sessao_->documento();
    std::vector<std::vector<std::string>> arquivos{LinhasArquivo(doc)};
    auto passo = [&] {
      arquivos.push_back(LinhasArquivo(doc));
      QVERIFY(arquivos.back() != arquivos[arquivos.size() - 2]);
      QCOMPARE(sessao_->Pilha().count(), static_cast<int>(arquivos.size()) - 1);
    };
    Digita(Filho<QLineEdit>("TagText"), QStringLiteral("TIC9"));
    passo();
    Digita(Filho<QLineEdit>("DescricaoText"), QStringLiteral("Caldeira"));
    passo();
    Digita(Filho<QLineEdit>("Edit2"), QStringLiteral("Ref"));
    passo();
    Filho<QComboBox>("Variavel2Select")->setCurrentIndex(30);
    passo();
    Digita(Filho<QLineEdit>("Edit2"), QStringLiteral("SP"));
    passo();
    Filho<QComboBox>("Variavel3Select")->setCurrentIndex(0);  // loop 1: pens 1 and 2 follow
    QCOMPARE(Modelo().ItemVariavel2, 60);
    passo();
    QCOMPARE(windowTitle(), QStringLiteral("TIC9 - Caldeira"));

    for (std::size_t i = arquivos.size() - 1; i > 0; --i) {
      sessao_->Pilha().undo();
      QCOMPARE(LinhasArquivo(doc), arquivos[i - 1]);
    }
    QCOMPARE(Filho<QLineEdit>("TagText")->text(), QStringLiteral("TR1"));
    QCOMPARE(Filho<QComboBox>("Variavel3Select")->currentIndex(), kCelula3 - 1);
    QCOMPARE(windowTitle(), QStringLiteral("TR1 - Forno"));
    QVERIFY(sessao_->Salvo());
    for (std::size_t i = 1; i < arquivos.size(); ++i) {
      sessao_->Pilha().redo();
      QCOMPARE(LinhasArquivo(doc), arquivos[i]);
    }
    QCOMPARE(Filho<QLineEdit>("TagText")->text(), QStringLiteral("TIC9"));
    QCOMPARE(Filho<QComboBox>("Variavel1Select")->currentIndex(), Modelo().ItemVariavel1);
    QVERIFY(!sessao_->Salvo());
  }

  // The time base, the scale, the pause, the line and the archive's number
  // format are the operator's settings of the running recorder: no edit on
  // the stack (the time base, which the file keeps, leaves the simulation
  // modified), and undoing a definition edit leaves them as they are.
  void ajustesDoOperadorNaoSaoDesfeitos() {
    AbreConfiguracao();
    Digita(Filho<QLineEdit>("TagText"), QStringLiteral("TR2"));
    QCOMPARE(sessao_->Pilha().count(), 1);
    Filho<QComboBox>("BaseTempoBox")->setCurrentIndex(2);
    Digita(Filho<QLineEdit>("eSupText"), QStringLiteral("150"));
    QTest::keyClick(Filho<QLineEdit>("eSupText"), Qt::Key_Return);
    Clica("SpeedButton1");
    for (const char* nome : {"CheckBox2", "UsarVirgula", "UsarUE"}) Filho<QCheckBox>(nome)->click();
    QCOMPARE(sessao_->Pilha().count(), 1);

    sessao_->Pilha().undo();
    QCOMPARE(Modelo().Tag.Completo(), std::string("TR1"));
    const auto& g = Modelo().Grafico;
    QCOMPARE(g.ItemBaseTempo, 2);
    QVERIFY(g.Pausado);
    QVERIFY(g.LinhaGrossa && g.UsarVirgula && g.UsarUE);
    QCOMPARE(Filho<QComboBox>("BaseTempoBox")->currentIndex(), 2);
    QVERIFY(Filho<QToolButton>("SpeedButton1")->isChecked());
    QVERIFY(!sessao_->Salvo());
    const std::vector<std::string> linhas = LinhasArquivo(sessao_->documento());
    QVERIFY(std::find(linhas.begin(), linhas.end(), "{R/09} Ind Lista Base Tempo:2") !=
            linhas.end());
  }

  // The configuration area widens the window and takes the exit button
  // away; a recorder without a tag opens with it, one with a tag without.
  // The main window's button toggles the window; closing hides it, asks
  // for the layout refresh, and the recorder samples on.
  void configuracaoEVisibilidade() {
    QVERIFY(!janela_->ConfiguracaoVisivel());
    QCOMPARE(janela_->width(), std::max(quiv::JanelaRegistrador::kLarguraGrafico,
                                        janela_->minimumSizeHint().width()));
    QVERIFY(Filho<QToolButton>("SairBTN")->isEnabled());
    Clica("ConfBTN");
    QVERIFY(janela_->ConfiguracaoVisivel());
    QVERIFY(!Filho<QToolButton>("SairBTN")->isEnabled());
    QVERIFY(janela_->width() >= quiv::JanelaRegistrador::kLarguraConfiguracao);
    Clica("ConfBTN");
    QVERIFY(!janela_->ConfiguracaoVisivel());
    QVERIFY(Filho<QToolButton>("SairBTN")->isEnabled());

    QSignalSpy atualizaTela(sessao_.get(), &quiv::SessaoSimulacao::AtualizaTelaPedida);
    Clica("SairBTN");
    QVERIFY(!janela_->isVisible());
    QCOMPARE(atualizaTela.count(), 1);
    const int posicao = Modelo().Grafico.Posicao;
    Ciclo();
    QCOMPARE(Modelo().Grafico.Posicao, posicao + 1);
    janela_->AlternaVisivel();
    QVERIFY(janela_->isVisible());
    janela_->AlternaVisivel();
    QVERIFY(!janela_->isVisible());

    Modelo().Tag = "";
    janela_->AlternaVisivel();
    QVERIFY(janela_->ConfiguracaoVisivel());
    QVERIFY(Filho<QToolButton>("SairBTN")->isEnabled());
    QVERIFY(Filho<QToolButton>("ConfBTN")->isEnabled());
  }

  // An apply from elsewhere (the variable list's refresh) reaches the
  // window at the next cycle: unit, scale, read-outs.
  void aplicacaoDeFora() {
    quiv::Descritor d;
    d.UnidadeEng = "bar";
    d.UEMin = "0";
    d.UEMax = "10";
    sessao_->documento().simulacao.memoria.DefineDescritor(kCelula1, d);
    Modelo().AplicaConfiguracao();
    Ciclo();
    QCOMPARE(Filho<QLineEdit>("eSupText")->text(), QStringLiteral("10.0"));
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("bar"));
    QCOMPARE(Filho<QLabel>("VermelhoLabel")->text(), QStringLiteral("PV: 4.00 bar"));
  }

  // A deleted recorder leaves a window that does nothing and does not fail.
  void registradorExcluido() {
    sessao_->documento().Exclui(quiv::TipoObjeto::Registrador, 1);
    Ciclo();
    for (const char* nome : {"SpeedButton1", "ConfBTN", "CheckBox1"}) Clica(nome);
    Filho<QComboBox>("Variavel3Select")->setCurrentIndex(3);
    Digita(Filho<QLineEdit>("TagText"), QStringLiteral("X"));
    janela_->Grafico().grab();
    janela_->Mostra();
    janela_->AlternaVisivel();
    QVERIFY(sessao_->documento().RegistradorDe(1) == nullptr);
  }

  // QUIV_CAPTURA=folder keeps pictures of the window for a look.
  void capturas() {
    const QString pasta = qEnvironmentVariable("QUIV_CAPTURA");
    if (pasta.isEmpty()) QSKIP("QUIV_CAPTURA not set");
    quiv::Documento& doc = sessao_->documento();
    quiv::Descritor d;
    d.UnidadeEng = "°C";
    d.UEMin = "20";
    d.UEMax = "220";
    doc.simulacao.memoria.DefineDescritor(21, d);
    doc.simulacao.memoria.DefineDescricao(21, "Temperatura do forno");
    doc.simulacao.memoria.DefineDescricao(61, "SP do forno");
    doc.simulacao.memoria.DefineDescricao(1, "Saída TIC1");
    Filho<QComboBox>("Variavel3Select")->setCurrentIndex(0);  // loop 1
    for (int i = 0; i < 450; ++i) {
      if (i == 200) doc.ControladorDe(1)->SP = 65.0;
      Ciclo();
    }
    janela_->Mostra();
    QCoreApplication::processEvents();
    janela_->grab().save(pasta + QStringLiteral("/tregistrform-grafico.png"));
    Clica("SpeedButton1");
    auto& grafico = janela_->Grafico();
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier,
                      grafico.Quadro().topLeft() + QPoint(120, 70));
    QTest::mouseClick(&grafico, Qt::LeftButton, Qt::NoModifier,
                      grafico.Quadro().topLeft() + QPoint(330, 110));
    Filho<QCheckBox>("CheckBox2")->click();
    janela_->grab().save(pasta + QStringLiteral("/tregistrform-pausa.png"));
    Clica("SpeedButton1");
    Clica("ConfBTN");
    QCoreApplication::processEvents();
    janela_->grab().save(pasta + QStringLiteral("/tregistrform-configuracao.png"));
  }

 private:
  Registrador& Modelo() const { return *sessao_->documento().RegistradorDe(1); }
  double& Celula(int endereco) const {
    return sessao_->documento().simulacao.memoria.celula[static_cast<std::size_t>(endereco)];
  }
  QString windowTitle() const { return janela_->windowTitle(); }
  void AbreConfiguracao() {
    if (!janela_->ConfiguracaoVisivel()) Clica("ConfBTN");
    QVERIFY(janela_->ConfiguracaoVisivel());
  }

  std::unique_ptr<QTemporaryDir> pasta_;
};

int ExecutaTesteJanelaRegistrador(int argc, char** argv) {
  TesteJanelaRegistrador teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_registrador.moc"
