// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "core/arquivo/arquivo_smp.h"
#include "interacao_roteiro.h"
#include "objeto_teste.h"
#include "planta_tela.h"
#include "procura.h"
#include "ui/comum/lugar_janela.h"
#include "ui/principal/janela_principal.h"
#include "ui/principal/tela_sinotica.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/idioma.h"
#include "ui/sessao/pasta_exemplos.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::TipoObjeto;

namespace {

QByteArray Bytes(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Pressiona(QWidget* w, QPoint ponto = QPoint(3, 3)) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, ponto);
}

// A pointer move over a widget of the synoptic screen, in its coordinates.
void Move(QWidget* w, QPoint ponto) {
  QMouseEvent evento(QEvent::MouseMove, ponto, w->mapToGlobal(ponto), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
  QCoreApplication::sendEvent(w, &evento);
}

}  // namespace

class TesteJanelaPrincipal : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    pastaOriginal_ = QDir::currentPath();
    roteiro_ = InteracaoRoteiro();
    anterior_ = quiv::Interacao::Instala(&roteiro_);
    pasta_ = std::make_unique<QTemporaryDir>();
    QVERIFY(pasta_->isValid());
    QDir::setCurrent(pasta_->path());
    sessao_ = std::make_unique<quiv::SessaoSimulacao>();
    janela_ = std::make_unique<quiv::JanelaPrincipal>(*sessao_);
    janela_->resize(1200, 800);
    janela_->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
  }

  void cleanup() {
    // Closing asks nothing once the simulation counts as saved.
    sessao_->MarcaSalvo();
    janela_.reset();
    sessao_.reset();
    quiv::Interacao::Instala(anterior_);
    QDir::setCurrent(pastaOriginal_);
    QCOMPARE(roteiro_.Pendentes(), 0);
  }

  // At start only "Arquivo" and "Ajuda" are there; New shows the simulation's
  // menus and the save indicator; any change turns the indicator.
  void menusEIndicador() {
    QCOMPARE(janela_->windowTitle(), QStringLiteral("QUIV (v 7.81)"));
    auto* salvar = Acao("Salvar1");
    QVERIFY(!salvar->isVisible());
    for (const char* nome : {"SalvarComo1", "Configurao2", "Dese1", "Variveis1", "RegistradorXY1"})
      QVERIFY2(!Acao(nome)->isVisible(), nome);
    QVERIFY(!janela_->findChild<QMenu*>(QStringLiteral("Opes1"))->menuAction()->isVisible());
    auto* indicador =
        qobject_cast<QToolButton*>(janela_->menuBar()->cornerWidget(Qt::TopLeftCorner));
    QVERIFY(indicador && indicador->defaultAction() == salvar);
    QVERIFY(!indicador->isVisibleTo(janela_.get()));

    Acao("Novo1")->trigger();
    QCOMPARE(janela_->windowTitle(), QStringLiteral("QUIV v 7.81"));
    QVERIFY(salvar->isVisible());
    QVERIFY(indicador->isVisible());
    for (const char* nome : {"SalvarComo1", "Configurao2", "Dese1", "Variveis1", "RegistradorXY1"})
      QVERIFY2(Acao(nome)->isVisible(), nome);
    QVERIFY(janela_->findChild<QMenu*>(QStringLiteral("Opes1"))->menuAction()->isVisible());
    QCOMPARE(salvar->text(), QStringLiteral("Tô salvo!"));
    const QImage salvo = salvar->icon().pixmap(16).toImage();

    sessao_->MarcaModificado();
    QCOMPARE(salvar->text(), QStringLiteral("Salve me!"));
    QVERIFY(salvar->icon().pixmap(16).toImage() != salvo);
    QCOMPARE(Acao("Novo1")->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(Acao("Sair1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  }

  // The pause item stops and restarts the cycles; its check mark follows the
  // timer, also after a load restarts it.
  void pausarSimulacao() {
    int ciclos = 0;
    sessao_->simulacao().processos.Inclui(1,
                                          std::make_unique<ObjetoTeste>([&ciclos] { ++ciclos; }));
    QTRY_VERIFY(ciclos >= 2);
    auto* pausar = Acao("PausarSimulao2");
    pausar->trigger();
    QVERIFY(pausar->isChecked());
    QVERIFY(sessao_->Pausada());
    const int pausado = ciclos;
    QTest::qWait(300);
    QCOMPARE(ciclos, pausado);
    pausar->trigger();
    QVERIFY(!pausar->isChecked());
    QTRY_VERIFY(ciclos > pausado);

    // A load runs the new plant: whether it was running or paused before,
    // the item is clear.
    sessao_->NovaSimulacao();
    const QString arquivo = pasta_->filePath(QStringLiteral("pausa.smp"));
    QVERIFY(sessao_->SalvaSimulacao(arquivo));
    for (bool pausadoAntes : {false, true}) {
      if (pausadoAntes) pausar->trigger();
      QCOMPARE(sessao_->Pausada(), pausadoAntes);
      QVERIFY(sessao_->LeSimulacao(arquivo));
      QVERIFY(!sessao_->Pausada());
      QVERIFY(!pausar->isChecked());
    }
  }

  // Everything placed on the screen is saved, cleared by New and comes back
  // from the file as it was left; the load's progress goes 5 … 100 and
  // closes; Open then Save writes what the core's own round trip writes.
  void salvarNovoAbrir() {
    quiv::Documento& doc = sessao_->documento();
    quiv::teste::MontaPlantaTela(doc);
    QVERIFY(quiv::teste::FiguraPlanta().save(pasta_->filePath(QStringLiteral("fundo.png"))));
    sessao_->MarcaModificado();
    janela_->AtualizaTela();

    const QString escolhido = pasta_->filePath(QStringLiteral("planta"));
    roteiro_.EsperaSalva(QStringLiteral("Salvar Como"), escolhido);
    Acao("SalvarComo1")->setVisible(true);
    Acao("SalvarComo1")->trigger();
    const QString arquivo = escolhido + QStringLiteral(".smp");
    QVERIFY(QFile::exists(arquivo));
    // QUIV_CAPTURA=folder keeps the plant and its picture, for a look at the
    // real window.
    if (const QString captura = qEnvironmentVariable("QUIV_CAPTURA"); !captura.isEmpty()) {
      QFile::copy(arquivo, QDir(captura).filePath(QStringLiteral("planta.smp")));
      QFile::copy(pasta_->filePath(QStringLiteral("fundo.png")),
                  QDir(captura).filePath(QStringLiteral("fundo.png")));
    }
    QCOMPARE(sessao_->ArquivoAtual(), arquivo);
    QVERIFY(sessao_->Salvo());

    Acao("Novo1")->trigger();
    QVERIFY(!doc.Incluido(TipoObjeto::Controlador, 1));
    QVERIFY(!Filho<QPushButton>("Control1")->isVisible());
    QVERIFY(!Filho<QLabel>("Texto3")->isVisible());
    QVERIFY(!Filho<QGroupBox>("PainelComando")->isVisible());
    QVERIFY(!Filho<QLabel>("Image1")->isVisible());
    QCOMPARE(Filho<QPushButton>("Control2")->pos(), QPoint(43, 3));

    QSignalSpy progresso(sessao_.get(), &quiv::SessaoSimulacao::ProgressoLeitura);
    roteiro_.EsperaAbre(QStringLiteral("Abrir"), arquivo);
    Acao("Abrir1")->trigger();
    QList<int> passos;
    for (const auto& p : progresso) passos << p.at(0).toInt();
    QCOMPARE(passos, (QList<int>{5, 10, 25, 45, 60, 70, 85, 90, 95, 100, -1}));
    QVERIFY(!Filho<QGroupBox>("GroupBox1")->isVisible());
    QVERIFY(sessao_->Temporizador().isActive());

    QCOMPARE(janela_->windowTitle(), QStringLiteral("Planta de teste"));
    QVERIFY(sessao_->Salvo());
    QCOMPARE(Acao("Salvar1")->text(), QStringLiteral("Tô salvo!"));
    auto* control1 = Filho<QPushButton>("Control1");
    QVERIFY(control1->isVisible());
    QCOMPARE(control1->pos(), QPoint(300, 200));
    QCOMPARE(control1->text(), QStringLiteral("TIC1"));
    QCOMPARE(control1->size(), QSize(79, 22));
    QCOMPARE(control1->toolTip(), QStringLiteral("Saída em M01"));
    QCOMPARE(Filho<QPushButton>("proce2")->toolTip(), QStringLiteral("Saída em M22"));
    QCOMPARE(control1->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    QCOMPARE(Filho<QPushButton>("Control2")->palette().color(QPalette::ButtonText),
             QColor(Qt::red));
    QVERIFY(Filho<QPushButton>("Bloc1")->isVisible());
    QCOMPARE(Filho<QPushButton>("Reg1")->text(), QStringLiteral("TR-1"));
    QCOMPARE(Filho<QLabel>("Texto3")->pos(), QPoint(150, 250));
    QCOMPARE(Filho<QLabel>("Label3")->pos(), QPoint(150, 237));
    QCOMPARE(Filho<QLabel>("Label3")->text(), QStringLiteral("Nível"));
    QVERIFY(Filho<QLabel>("Texto1")->isVisible());
    QVERIFY(!Filho<QLabel>("Texto2")->isVisible());

    auto* nivel = Filho<QWidget>("Shape2");
    QVERIFY(nivel->isVisible());
    QCOMPARE(nivel->x(), 700);
    QCOMPARE(doc.painel.Forma(2).TopoForma, 320);
    QVERIFY(Filho<QWidget>("Shape1")->isVisible());
    QVERIFY(!Filho<QWidget>("Shape3")->isVisible());
    QVERIFY(Filho<QLabel>("Chave1p3")->isVisible());
    QVERIFY(!Filho<QLabel>("Chave1p4")->isVisible());
    auto* painelComando = Filho<QGroupBox>("PainelComando");
    QVERIFY(painelComando->isVisible());
    QCOMPARE(painelComando->geometry().topLeft(), QPoint(40, 330));
    QCOMPARE(painelComando->height(), 120);
    QCOMPARE(Filho<QLabel>("Botao1_label")->text(), QStringLiteral("Partida"));
    QVERIFY(Filho<QLabel>("Botao2_norm")->isVisible());
    QVERIFY(!Filho<QLabel>("Botao3_norm")->isVisible());
    QVERIFY(Filho<QWidget>("TrackBack1")->isVisible());
    QCOMPARE(Filho<QLabel>("TrackLabel1")->text(), QStringLiteral("Vazão de carga"));
    QCOMPARE(Filho<QSlider>("TrackBar1")->value(), 2500);
    QVERIFY(Filho<QWidget>("TrackBack3")->isVisible());
    QVERIFY(!Filho<QSlider>("TrackBar3")->isVisible());
    QCOMPARE(Filho<QWidget>("TrackBack3")->height(), 28);
    QVERIFY(!Filho<QWidget>("TrackBack2")->isVisible());
    auto* figura = Filho<QLabel>("Image1");
    QVERIFY(figura->isVisible());
    QCOMPARE(figura->size(), QSize(900, 560));
    // Picture and objects keep their places relative to each other on any
    // window size; the picture and what stands on it are centred together.
    QCOMPARE(figura->pos(), QPoint(0, 0));
    auto* rolagem = Filho<QScrollArea>("Rolagem");
    for (QSize tamanho : {QSize(1200, 800), QSize(1600, 1000)}) {
      janela_->resize(tamanho);
      QCoreApplication::processEvents();
      const QPoint canto = figura->mapTo(rolagem->viewport(), QPoint(0, 0));
      QCOMPARE(control1->mapTo(rolagem->viewport(), QPoint(0, 0)) - canto, QPoint(300, 200));
      if (rolagem->viewport()->width() > janela_->Tela().width())
        QVERIFY(qAbs(canto.x() - (rolagem->viewport()->width() - janela_->Tela().width()) / 2) <=
                1);
    }
    auto* comentarios = Filho<QTextEdit>("RichEdit1");
    QVERIFY(comentarios->isVisible());
    QCOMPARE(comentarios->toPlainText(), QStringLiteral("Uma planta\ncom duas malhas"));
    QVERIFY(Acao("Salvar1")->isVisible());

    // Save after Open writes the bytes the core's load and save give.
    Acao("Salvar1")->trigger();
    quiv::Documento referencia;
    QVERIFY(quiv::LeSimulacao(referencia, std::filesystem::path(arquivo.toStdString())));
    const QString copia = pasta_->filePath(QStringLiteral("referencia.smp"));
    quiv::SalvaSimulacao(referencia, std::filesystem::path(copia.toStdString()));
    QCOMPARE(Bytes(arquivo), Bytes(copia));
  }

  // Move mode: a click picks an object up, the pointer carries it by the
  // placement rules, the next click puts it down; a click on the free area
  // ends the mode. Both modes on: moving, nothing deleted.
  void moverObjetos() {
    quiv::Documento& doc = sessao_->documento();
    quiv::teste::MontaPlantaTela(doc);
    doc.simulacao.memoria.celula[21] = 50.0;
    EntradaDados13Letras(doc);
    janela_->AtualizaTela();
    auto* tela = &janela_->Tela();
    auto* mover = Acao("MoverObjetos2");
    auto* excluir = Acao("ExcluirObjetos");
    mover->trigger();
    excluir->trigger();
    QCOMPARE(tela->cursor().shape(), Qt::CrossCursor);

    auto* processo = Filho<QPushButton>("Proce1");
    Pressiona(processo);
    QVERIFY(tela->Arrastando());
    QVERIFY(doc.Incluido(TipoObjeto::Processo, 1));
    Move(tela, QPoint(200, 100));
    QCOMPARE(processo->pos(), QPoint(200, 100));
    QCOMPARE(doc.posicoes.De(TipoObjeto::Processo, 1).Esquerda, 200);
    Move(processo, QPoint(10, 5));  // over the carried button itself
    QCOMPARE(processo->pos(), QPoint(210, 105));
    Pressiona(processo);
    QVERIFY(!tela->Arrastando());
    Move(tela, QPoint(400, 300));
    QCOMPARE(processo->pos(), QPoint(210, 105));
    QCOMPARE(Acao("Salvar1")->text(), QStringLiteral("Salve me!"));

    struct Caso {
      const char* componente;
      QPoint destino;
      const char* outro;
      QPoint esperado;
    };
    const Caso casos[] = {
        {"Texto3", {200, 100}, "Label3", {200, 87}},
        {"Shape2", {300, 100}, "Shape2", {300, 150}},       // a rectangle at 50 %, scale 1
        {"TrackBack1", {10, 10}, "TrackText1", {111, 14}},  // a 13-letter name
        {"Chave1p3", {500, 40}, "Chave1p4", {500, 40}},
        {"Botao1_norm", {60, 420}, "PainelComando", {60, 420}},
    };
    for (const Caso& caso : casos) {
      Pressiona(Filho<QWidget>(caso.componente));
      QVERIFY2(tela->Arrastando(), caso.componente);
      Move(tela, caso.destino);
      Pressiona(Filho<QWidget>(caso.componente));
      QVERIFY2(!tela->Arrastando(), caso.componente);
      QCOMPARE(Filho<QWidget>(caso.outro)->pos(), caso.esperado);
    }
    QCOMPARE(doc.painel.Forma(2).TopoForma, 100);
    // A click in move mode changes no value.
    QCOMPARE(doc.simulacao.memoria.celula[11], 0.0);
    QCOMPARE(doc.simulacao.memoria.celula[97], 0.0);

    // A click on the margin around the screen is a click on the free area.
    auto* margem = Filho<QScrollArea>("Rolagem")->viewport();
    QVERIFY(margem->width() > tela->width());
    Pressiona(margem, QPoint(margem->width() - 2, margem->height() - 2));
    QVERIFY(!mover->isChecked());
    QVERIFY(!excluir->isChecked());
    QVERIFY(!tela->ModoMover() && !tela->ModoExcluir());
    QCOMPARE(tela->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(doc.Incluido(TipoObjeto::Processo, 1));
    QVERIFY(doc.Incluido(TipoObjeto::Texto, 3));
  }

  // Delete mode removes the clicked object with all its effects; the panel
  // controls still act; the cycles go on without the object.
  void excluirObjetos() {
    quiv::Documento& doc = sessao_->documento();
    quiv::teste::MontaPlantaTela(doc);
    janela_->AtualizaTela();
    sessao_->MarcaSalvo();
    QSignalSpy inclusao(sessao_.get(), &quiv::SessaoSimulacao::InclusaoAlterada);
    Acao("ExcluirObjetos")->trigger();

    Pressiona(Filho<QPushButton>("Control1"));
    QVERIFY(!doc.Incluido(TipoObjeto::Controlador, 1));
    QVERIFY(!Filho<QPushButton>("Control1")->isVisible());
    QVERIFY(Filho<QPushButton>("Control1")->text().isEmpty());
    QVERIFY(!doc.posicoes.De(TipoObjeto::Controlador, 1).Exibido);
    QCOMPARE(doc.LegendaInclusao(TipoObjeto::Controlador, 1), std::string("<vago> Controlador 1"));
    QCOMPARE(inclusao.count(), 1);
    QVERIFY(!sessao_->Salvo());

    Pressiona(Filho<QLabel>("Texto3"));
    QVERIFY(!doc.Incluido(TipoObjeto::Texto, 3));
    QVERIFY(!Filho<QLabel>("Texto3")->isVisible());
    QVERIFY(!Filho<QLabel>("Label3")->isVisible());

    Pressiona(Filho<QLabel>("Chave1p3"));  // switches cannot be deleted: they switch
    QCOMPARE(doc.simulacao.memoria.celula[11], 1.0);
    QVERIFY(Filho<QLabel>("Chave1p4")->isVisible());

    janela_->AtualizaTela();
    QVERIFY(!Filho<QPushButton>("Control1")->isVisible());
    QVERIFY(Filho<QPushButton>("Control2")->isVisible());
    sessao_->ExecutaCiclo(1000.0);
    sessao_->ExecutaCiclo(1100.0);
  }

  // The operator panel on screen: switch, latching push button, data entry
  // by slider and by typing (out of range and not a number refused).
  void painelDoOperador() {
    quiv::Documento& doc = sessao_->documento();
    quiv::teste::MontaPlantaTela(doc);
    doc.simulacao.memoria.descritor[15].UEMax = "200";
    janela_->AtualizaTela();
    auto& m = doc.simulacao.memoria.celula;

    Pressiona(Filho<QLabel>("Chave1p3"));
    QCOMPARE(m[11], 1.0);
    QVERIFY(Filho<QLabel>("Chave1p4")->isVisible() && !Filho<QLabel>("Chave1p3")->isVisible());
    Pressiona(Filho<QLabel>("Chave1p4"));
    QCOMPARE(m[11], 0.0);
    QVERIFY(Filho<QLabel>("Chave1p3")->isVisible() && !Filho<QLabel>("Chave1p4")->isVisible());

    Pressiona(Filho<QLabel>("Botao1_norm"));
    QCOMPARE(m[97], 1.0);
    QVERIFY(Filho<QLabel>("botao1_press")->isVisible() &&
            !Filho<QLabel>("Botao1_norm")->isVisible());
    for (int i = 0; i < 6; ++i) sessao_->ExecutaCiclo(1000.0 + 100 * i);
    QCOMPARE(Filho<QLabel>("botao1_texto")->text(), QStringLiteral("Texto para M97=1"));
    Pressiona(Filho<QLabel>("botao1_press"));
    QCOMPARE(m[97], 0.0);

    auto* barra = Filho<QSlider>("TrackBar1");
    auto* valor = Filho<QLineEdit>("TrackText1");
    barra->setValue(2550);
    QCOMPARE(m[15], 25.5);
    QCOMPARE(valor->text(), QStringLiteral("51.00"));
    valor->setFocus();
    valor->selectAll();
    QTest::keyClicks(valor, QStringLiteral("150"));
    QTest::keyClick(valor, Qt::Key_Return);
    QCOMPARE(m[15], 75.0);
    QCOMPARE(barra->value(), 7500);
    QCOMPARE(valor->text(), QStringLiteral("150.00"));
    for (const char* recusado : {"250", "abc"}) {
      valor->selectAll();
      QTest::keyClicks(valor, QLatin1String(recusado));
      QTest::keyClick(valor, Qt::Key_Return);
      QCOMPARE(m[15], 75.0);
      QCOMPARE(valor->text(), QStringLiteral("150.00"));
    }
    valor->selectAll();
    QTest::keyClicks(valor, QStringLiteral("9"));
    QTest::keyClick(valor, Qt::Key_Escape);
    QCOMPARE(valor->text(), QStringLiteral("150.00"));
  }

  // The save question of New and Exit: No goes on without saving; Yes saves
  // under the name typed, as typed; Cancel, or Yes then cancelling the file
  // dialog, stops the command; Yes with a save that fails tells why and
  // stops the command, so nothing is lost.
  void perguntaSalvar_data() {
    QTest::addColumn<int>("resposta");  // quiv::Interacao::Resposta
    QTest::addColumn<QString>("nome");  // "" cancels; "<falha>" a path that cannot be written
    QTest::addColumn<bool>("prossegue");
    using R = quiv::Interacao::Resposta;
    QTest::newRow("no") << int(R::Nao) << QString() << true;
    QTest::newRow("cancel") << int(R::Cancela) << QString() << false;
    QTest::newRow("yes, named") << int(R::Sim) << QStringLiteral("copia") << true;
    QTest::newRow("yes, dialog cancelled") << int(R::Sim) << QString() << false;
    QTest::newRow("yes, save fails") << int(R::Sim) << QStringLiteral("<falha>") << false;
  }
  void perguntaSalvar() {
    QFETCH(int, resposta);
    const auto r = static_cast<quiv::Interacao::Resposta>(resposta);
    const bool sim = r == quiv::Interacao::Resposta::Sim;
    QFETCH(QString, nome);
    QFETCH(bool, prossegue);
    QFile bloqueio(pasta_->filePath(QStringLiteral("arquivo")));
    QVERIFY(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    const QString caminho = nome == QStringLiteral("<falha>")
                                ? pasta_->filePath(QStringLiteral("arquivo/planta.smp"))
                            : nome.isEmpty() ? QString()
                                             : pasta_->filePath(nome);

    for (bool sair : {false, true}) {
      sessao_->MarcaSalvo();
      Acao("Novo1")->trigger();
      quiv::teste::IncluiMalha(sessao_->documento(), 1);
      sessao_->MarcaModificado();
      roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Salvar Alterações em Arquivo?"), r);
      if (sim) roteiro_.EsperaSalva(QStringLiteral("Salvar Como"), caminho);
      if (nome == QStringLiteral("<falha>"))
        roteiro_.EsperaInforma(QStringLiteral("cannot create"));
      if (sair) {
        QCOMPARE(janela_->close(), prossegue);
      } else {
        Acao("Novo1")->trigger();
        QCOMPARE(!sessao_->documento().Incluido(TipoObjeto::Controlador, 1), prossegue);
      }
      QCOMPARE(roteiro_.Pendentes(), 0);
      if (!nome.isEmpty() && nome != QStringLiteral("<falha>")) {
        QVERIFY(QFile::exists(caminho));  // exactly the name typed, no extension added
        QVERIFY(QFile::remove(caminho));
      }
      if (sair && prossegue) {
        janela_->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
      }
    }
  }

  // A file that stops the load: its message names the file and the line; the
  // screen stays usable with what was read.
  void arquivoDanificado() {
    quiv::Documento doc;
    quiv::teste::MontaPlantaTela(doc);
    const QString arquivo = pasta_->filePath(QStringLiteral("danificado.smp"));
    quiv::SalvaSimulacao(doc, std::filesystem::path(arquivo.toStdString()));
    QByteArray bytes = Bytes(arquivo);
    const int tracks = bytes.indexOf("<<Tracks>>\r\n");
    QVERIFY(tracks > 0);
    // Entry 1's top: flag and name come first.
    int linha = tracks;
    for (int i = 0; i < 3; ++i) linha = bytes.indexOf("\r\n", linha) + 2;
    bytes.replace(linha, bytes.indexOf("\r\n", linha) - linha, "12abc");
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    roteiro_.EsperaAbre(QStringLiteral("Abrir"), arquivo);
    roteiro_.EsperaInforma(
        QStringLiteral("'12abc' is not a valid integer value (danificado.smp, line"));
    Acao("Abrir1")->trigger();
    QCOMPARE(roteiro_.Pendentes(), 0);
    QVERIFY(sessao_->Temporizador().isActive());
    QVERIFY(!Filho<QGroupBox>("GroupBox1")->isVisible());
    QVERIFY(Acao("Configurao2")->isVisible());
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Planta de teste"));

    // Parameters that fail their checks: one box each, in file order, after
    // the reading; the load itself completes.
    doc.ControladorDe(1)->TextoKp = "x";
    doc.BlocoDe(1)->Funcao = "7x";
    const QString checagens = pasta_->filePath(QStringLiteral("checagens.smp"));
    quiv::SalvaSimulacao(doc, std::filesystem::path(checagens.toStdString()));
    roteiro_.EsperaInforma(QStringLiteral("Controlador 1 (TIC1): Kp inválido"));
    roteiro_.EsperaInforma(QStringLiteral("Bloco 41 (FY-1): Função inválida"));
    janela_->AbreArquivo(checagens);
    QCOMPARE(roteiro_.Pendentes(), 0);
    QVERIFY(sessao_->Salvo());
    QCOMPARE(sessao_->ArquivoAtual(), checagens);

    // The recent files list holds the files read, newest first, and opens
    // them again.
    auto* recentes = janela_->findChild<QMenu*>(QStringLiteral("Recentes"));
    QVERIFY(recentes && !recentes->actions().isEmpty());
    QCOMPARE(QDir::fromNativeSeparators(recentes->actions().first()->text()), checagens);
    roteiro_.EsperaInforma(QStringLiteral("Controlador 1 (TIC1): Kp inválido"));
    roteiro_.EsperaInforma(QStringLiteral("Bloco 41 (FY-1): Função inválida"));
    recentes->actions().first()->trigger();
    QCOMPARE(roteiro_.Pendentes(), 0);

    // A file that is not there.
    roteiro_.EsperaInforma(QStringLiteral("Arquivo não encontrado"));
    janela_->AbreArquivo(pasta_->filePath(QStringLiteral("nenhum.smp")));
  }

  // Outside the modes an object's button opens its window; deleting the
  // object frees its window; New frees every one.
  void janelasDosObjetos() {
    quiv::teste::MontaPlantaTela(sessao_->documento());
    janela_->AtualizaTela();
    const struct {
      const char* botao;
      TipoObjeto tipo;
      const char* classe;
    } casos[] = {{"Control1", TipoObjeto::Controlador, "quiv::JanelaControlador"},
                 {"Proce1", TipoObjeto::Processo, "quiv::JanelaProcesso"},
                 {"Bloc1", TipoObjeto::Bloco, "quiv::JanelaBloco"},
                 {"Texto1", TipoObjeto::Texto, "quiv::JanelaTextoAnimado"}};
    for (const auto& caso : casos) {
      Pressiona(Filho<QWidget>(caso.botao));
      QWidget* aberta = janela_->JanelaDe(static_cast<int>(caso.tipo), 1);
      QVERIFY2(aberta && aberta->isVisible(), caso.botao);
      QCOMPARE(aberta->metaObject()->className(), caso.classe);
    }
    QPointer<QWidget> processo = janela_->JanelaDe(static_cast<int>(TipoObjeto::Processo), 1);
    Acao("ExcluirObjetos")->trigger();
    Pressiona(Filho<QWidget>("Proce1"));
    QVERIFY(!janela_->JanelaDe(static_cast<int>(TipoObjeto::Processo), 1));
    QTRY_VERIFY(!processo);
    QPointer<QWidget> bloco = janela_->JanelaDe(static_cast<int>(TipoObjeto::Bloco), 1);
    roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Salvar Alterações em Arquivo?"),
                                     quiv::Interacao::Resposta::Nao);
    Acao("Novo1")->trigger();
    QTRY_VERIFY(!bloco);
    QVERIFY(!janela_->JanelaDe(static_cast<int>(TipoObjeto::Texto), 1));
  }

  // An object's window is a tool window of the main window (it stays above
  // it); it opens beside its button the first time and where the user left
  // it afterwards, also once deleted and made anew; another plant forgets
  // the places.
  void janelasNoLugar() {
    quiv::teste::MontaPlantaTela(sessao_->documento());
    janela_->AtualizaTela();
    auto* botao = Filho<QWidget>("Bloc1");
    const QRect ancora(botao->mapToGlobal(QPoint(0, 0)), botao->size());
    Pressiona(botao);
    QPointer<QWidget> bloco = janela_->JanelaDe(static_cast<int>(TipoObjeto::Bloco), 1);
    QVERIFY(bloco && bloco->isVisible());
    QCOMPARE(bloco->windowType(), Qt::Tool);
    QCOMPARE(bloco->parentWidget(), janela_.get());
    const QRect area = bloco->screen()->availableGeometry();
    const QPoint primeiro = bloco->pos();
    QVERIFY2(primeiro.x() > ancora.right() || primeiro.x() + bloco->width() < ancora.left(),
             "beside the button, not over it");
    QVERIFY(area.contains(primeiro));

    const QPoint deixado = area.topLeft() + QPoint(40, 60);
    bloco->move(deixado);
    bloco->close();
    Pressiona(botao);
    QCOMPARE(bloco->pos(), deixado);

    // Deleted and included again: a new window, at the same place.
    bloco->close();
    Acao("ExcluirObjetos")->trigger();
    Pressiona(botao);
    QTRY_VERIFY(!bloco);
    Acao("ExcluirObjetos")->trigger();  // the delete mode ends
    sessao_->Pilha().undo();
    janela_->AtualizaTela();
    botao = Filho<QWidget>("Bloc1");
    QVERIFY(botao->isVisible());
    Pressiona(botao);
    bloco = janela_->JanelaDe(static_cast<int>(TipoObjeto::Bloco), 1);
    QVERIFY(bloco);
    QCOMPARE(bloco->pos(), deixado);

    bloco->close();
    sessao_->NovaSimulacao();
    QVERIFY(!sessao_->LugarJanela(TipoObjeto::Bloco, 1));
  }

  // The comments pane is read until the user chooses to edit it (the Edit
  // menu's item or a double click): keys typed into it before change
  // nothing; another plant is read again.
  void comentariosSoLeitura() {
    Acao("Novo1")->trigger();
    auto* comentarios = Filho<QTextEdit>("RichEdit1");
    QVERIFY(comentarios->isVisible());
    QVERIFY(comentarios->isReadOnly());
    comentarios->setFocus();
    QTest::keyClicks(comentarios, QStringLiteral("planta.smp"));
    QVERIFY(comentarios->toPlainText().isEmpty());
    QVERIFY(sessao_->Salvo());

    QTest::mouseDClick(comentarios->viewport(), Qt::LeftButton);
    QVERIFY(!comentarios->isReadOnly());
    QVERIFY(Acao("EditarComentarios")->isChecked());
    QTest::keyClicks(comentarios, QStringLiteral("Licao"));
    QCOMPARE(sessao_->documento().comentarios.Linhas(false), std::vector<std::string>{"Licao"});
    Acao("EditarComentarios")->trigger();
    QVERIFY(comentarios->isReadOnly());

    Acao("EditarComentarios")->trigger();
    QVERIFY(!comentarios->isReadOnly());
    roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Salvar Alterações em Arquivo?"),
                                     quiv::Interacao::Resposta::Nao);
    Acao("Novo1")->trigger();
    QVERIFY(comentarios->isReadOnly());
    QVERIFY(!Acao("EditarComentarios")->isChecked());
  }

  // Beside the control on its right when the window fits there, on its
  // left otherwise, and always on the screen.
  void lugarAoLado_data() {
    QTest::addColumn<QRect>("ancora");
    QTest::addColumn<QSize>("tamanho");
    QTest::addColumn<QPoint>("esperado");
    QTest::newRow("right") << QRect(100, 200, 80, 20) << QSize(300, 200) << QPoint(188, 200);
    QTest::newRow("left") << QRect(700, 200, 80, 20) << QSize(300, 200) << QPoint(392, 200);
    QTest::newRow("neither: at the right edge")
        << QRect(250, 200, 80, 20) << QSize(700, 200) << QPoint(324, 200);
    QTest::newRow("raised above the bottom")
        << QRect(100, 700, 80, 20) << QSize(300, 200) << QPoint(188, 568);
    QTest::newRow("larger than the screen: its corner on it")
        << QRect(100, 200, 80, 20) << QSize(1200, 900) << QPoint(0, 24);
  }
  void lugarAoLado() {
    QFETCH(QRect, ancora);
    QFETCH(QSize, tamanho);
    QFETCH(QPoint, esperado);
    const QRect area(0, 24, 1024, 744);  // a 1024 × 768 screen under a top panel
    QCOMPARE(quiv::LugarAoLado(ancora, tamanho, area), esperado);
  }

  // The recorder's button shows its window and a second press hides it; the
  // variable list opens from the menu, and its "Atualiza" gives each data
  // entry its range as the hint of its panel and title.
  void registradorEListaDeVariaveis() {
    quiv::teste::MontaPlantaTela(sessao_->documento());
    janela_->AtualizaTela();
    Pressiona(Filho<QWidget>("Reg1"));
    QPointer<QWidget> registrador = janela_->JanelaDe(static_cast<int>(TipoObjeto::Registrador), 1);
    QVERIFY(registrador && registrador->isVisible());
    QCOMPARE(registrador->metaObject()->className(), "quiv::JanelaRegistrador");
    Pressiona(Filho<QWidget>("Reg1"));
    QVERIFY(!registrador->isVisible());
    Pressiona(Filho<QWidget>("Reg1"));
    QVERIFY(registrador->isVisible());

    quiv::Descritor& faixa = sessao_->documento().simulacao.memoria.descritor[15];
    faixa.UEMin = "5";
    faixa.UEMax = "80";
    faixa.UnidadeEng = "m3/h";
    Acao("Variveis1")->trigger();
    auto* lista = Filho<QWidget>("ListaVar")->window();
    QVERIFY(lista->isVisible());
    QVERIFY(lista != janela_.get());
    Procura<QPushButton>(*lista, "SpeedButton1")->click();
    for (const char* nome : {"TrackBack1", "TrackLabel1"})
      QCOMPARE(Filho<QWidget>(nome)->toolTip(), QStringLiteral("Faixa: de 5 a 80 m3/h"));
  }

  // "Exemplos" asks to save, clears the simulation and shows the gallery with
  // only the file menu; a card opens its example without asking, the
  // gallery closes and the save item stays hidden until New.
  void galeriaDeExemplos() {
    Acao("Novo1")->trigger();
    sessao_->documento().Titulo = "Antes";
    sessao_->MarcaModificado();
    roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Salvar Alterações em Arquivo?"),
                                     quiv::Interacao::Resposta::Nao);
    Acao("Exemplos1")->trigger();
    QVERIFY(janela_->GaleriaVisivel());
    QVERIFY(!Filho<QWidget>("RichEdit1")->isVisible());
    QVERIFY(!Filho<QWidget>("Rolagem")->isVisible());
    QCOMPARE(janela_->windowTitle(), QStringLiteral("QUIV v 7.81"));
    for (const char* nome :
         {"Exemplos1", "Configurao2", "Configurao1", "Dese1", "Variveis1", "RegistradorXY1"})
      QVERIFY2(!Acao(nome)->isVisible(), nome);
    QVERIFY(Acao("SalvarComo1")->isVisible());
    QVERIFY(!Filho<QMenu>("Opes1")->menuAction()->isVisible());

    auto* abas = Filho<QTabWidget>("TabbedNotebook1");
    QCOMPARE(abas->count(), 6);
    QCOMPARE(abas->tabText(1), QStringLiteral("Nível (integrador)"));
    auto* cartao = Filho<QToolButton>("sim18");
    QCOMPARE(cartao->toolTip(),
             QStringLiteral(
                 "Resposta de malha de controle de vazão a variação em SP e variação de carga."));
    QCOMPARE(cartao->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(Filho<QLabel>("sim18title")->text(), QStringLiteral("Vazão em Duto"));
    QCOMPARE(Filho<QLabel>("Memo18")->text(),
             QStringLiteral(
                 "Controle retroalimentado\n\nResposta a variação no SP e variação de carga."));
    QCOMPARE(Filho<QLabel>("sim3btitle")->text(),
             QStringLiteral("Razão Ar/Gás com Limites Cruzados"));

    cartao->click();
    QVERIFY(!janela_->GaleriaVisivel());
    QVERIFY(Filho<QWidget>("Rolagem")->isVisible());
    QVERIFY(sessao_->ArquivoAtual().endsWith(QStringLiteral("basic flow loop.smp")));
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Vazão em Duto"));
    QVERIFY(Filho<QLabel>("Image1")->isVisible());  // the picture beside the example
    QVERIFY(Filho<QWidget>("Control1")->isVisible());
    QVERIFY(Acao("Configurao2")->isVisible());
    QVERIFY(!Acao("Salvar1")->isVisible());
    QVERIFY(sessao_->Salvo());
    Acao("Novo1")->trigger();
    QVERIFY(Acao("Salvar1")->isVisible());
  }

  // A card whose file is missing says so and leaves the gallery as it was.
  void exemploAusente() {
    janela_->MostraGaleria();
    roteiro_.EsperaInforma(QStringLiteral("Arquivo não encontrado"));
    janela_->AbreExemplo(pasta_->filePath(QStringLiteral("examples/nenhum/nenhum.smp")));
    QVERIFY(janela_->GaleriaVisivel());
    QVERIFY(!Acao("Configurao2")->isVisible());
    QVERIFY(sessao_->ArquivoAtual().isEmpty());
  }

  // The examples are looked for in the start folder first, then beside the
  // program (here the build tree, whose top holds them).
  void pastaDosExemplos() {
    const QString sem = quiv::PastaDosExemplos(pasta_->path());
    QVERIFY(!sem.isEmpty());
    QVERIFY(sem != QDir(pasta_->path()).absolutePath());
    QVERIFY(QFileInfo::exists(quiv::CaminhoDoExemplo(
        pasta_->path(), QStringLiteral("examples/basic flow loop/basic flow loop.smp"))));
    QVERIFY(QDir(pasta_->path()).mkdir(QStringLiteral("examples")));
    QCOMPARE(quiv::PastaDosExemplos(pasta_->path()), QDir(pasta_->path()).absolutePath());
  }

  // The help menu and the help bar open the website's pages when online;
  // offline they say a connection is needed and open nothing, while the
  // object windows' help buttons open their page without asking.
  void ajudaNaInternet() {
    const QString base = QString::fromLatin1(quiv::kSiteBase);
    const struct {
      const char* item;
      QString endereco;
    } casos[] = {{"utorial1", base},
                 {"VdeoAulas1", base + QStringLiteral("/video_aulas")},
                 {"IntroduoControledeProcessos1", base + QStringLiteral("/aulas")}};
    for (const auto& caso : casos) {
      Acao(caso.item)->trigger();
      QCOMPARE(roteiro_.EnderecosAbertos().last(), QUrl(caso.endereco));
    }
    Pressiona(Filho<QLabel>("Label21"));
    QCOMPARE(roteiro_.EnderecosAbertos().last(), QUrl(base));
    const auto abertos = roteiro_.EnderecosAbertos().size();

    roteiro_.DefineConectada(false);
    roteiro_.EsperaInforma(QStringLiteral("É requerida conexão com internet"));
    Acao("VdeoAulas1")->trigger();
    QCOMPARE(roteiro_.EnderecosAbertos().size(), abertos);
    Acao("Novo1")->trigger();
    Acao("Configurao1")->trigger();
    Filho<QWidget>("ParmForm")
        ->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))
        ->click();
    QCOMPARE(roteiro_.EnderecosAbertos().last(),
             QUrl(base + QStringLiteral("/ferramentas/#gerador_sinais")));
  }

  // "Select Language" stores the other language for the next start and asks
  // for a restart; choosing the running one does nothing; the mark stays on
  // the running language.
  void escolhaDoIdioma() {
    const quiv::PreferenciasIdioma preferencias(pasta_->path());
    QVERIFY(!preferencias.Le().has_value());
    Acao("Portuguese1")->trigger();
    QVERIFY(!preferencias.Le().has_value());
    roteiro_.EsperaInforma(QStringLiteral("Restart the application to use English"));
    Acao("English1")->trigger();
    QCOMPARE(preferencias.Le(), std::optional<bool>(true));
    QVERIFY(Acao("Portuguese1")->isChecked());
    QVERIFY(!Acao("English1")->isChecked());
    QVERIFY(QFile::remove(preferencias.Arquivo()));
  }

  // With no preference the question is asked once and the answer kept; a
  // start folder's file is read when the configuration folder has none, and
  // only "English" in that case chooses English.
  void perguntaDoIdioma() {
    const quiv::PreferenciasIdioma preferencias(pasta_->path());
    roteiro_.EsperaPergunta(QStringLiteral("Do you wish to switch to English?"), true);
    QVERIFY(quiv::DecideIdioma(preferencias, nullptr));
    QVERIFY(quiv::DecideIdioma(preferencias, nullptr));  // no second question
    QVERIFY(QFile::remove(preferencias.Arquivo()));
    for (const auto& [linha, ingles] :
         {std::pair{"<language> english", false}, std::pair{"<language> English", true}}) {
      QFile antigo(pasta_->filePath(QStringLiteral("preferences.cfg")));
      QVERIFY(antigo.open(QIODevice::WriteOnly | QIODevice::Truncate));
      antigo.write(linha);
      antigo.close();
      QCOMPARE(quiv::DecideIdioma(preferencias, nullptr), ingles);
    }
  }

  // "Sobre" shows the about box with its close button, which closes it.
  void caixaSobre() {
    Acao("Sobre3")->trigger();
    auto* sobre = qobject_cast<QWidget*>(janela_->findChild<QWidget*>(QStringLiteral("Sobre")));
    QVERIFY(sobre && sobre->isVisible());
    QCOMPARE(sobre->size(), QSize(602, 452));
    QPointer<QWidget> vigia(sobre);
    auto* fechar = sobre->findChild<QPushButton*>(QStringLiteral("BotaoFechar"));
    QVERIFY(fechar->isVisible());
    fechar->click();
    QTRY_VERIFY(!vigia);
  }

  // The working folder command; the open dialog starts there; a double click
  // on the screen reads "descricao.rtf" of the working folder.
  void pastaCorrenteEDescricao() {
    QDir(pasta_->path()).mkdir(QStringLiteral("aula"));
    const QString aula = pasta_->filePath(QStringLiteral("aula"));
    roteiro_.EsperaPasta(QStringLiteral("Pasta corrente"), aula);
    Acao("Pastacorrente1")->trigger();
    QCOMPARE(QDir::currentPath(), QDir(aula).absolutePath());
    roteiro_.EsperaAbre(QStringLiteral("Abrir"), QString());
    Acao("Abrir1")->trigger();
    QCOMPARE(QDir(roteiro_.UltimoInicial()).absolutePath(), QDir(aula).absolutePath());

    QFile rtf(QDir(aula).filePath(QStringLiteral("descricao.rtf")));
    QVERIFY(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Tanque de \\'e1gua\\par Segunda linha}");
    rtf.close();
    QTest::mouseDClick(&janela_->Tela(), Qt::LeftButton, Qt::NoModifier, QPoint(900, 600));
    QCOMPARE(Filho<QTextEdit>("RichEdit1")->toPlainText(),
             QStringLiteral("Tanque de água\nSegunda linha"));
  }

 private:
  QAction* Acao(const char* nome) const { return Procura<QAction>(*janela_, nome); }
  template <typename T>
  T* Filho(const char* nome) const {
    return Procura<T>(*janela_, nome);
  }
  static void EntradaDados13Letras(quiv::Documento& doc) {
    doc.painel.Entrada(1).DefineNome("Vazão da bomb");  // 13 characters
  }

  InteracaoRoteiro roteiro_;
  quiv::Interacao* anterior_ = nullptr;
  QString pastaOriginal_;
  std::unique_ptr<QTemporaryDir> pasta_;
  std::unique_ptr<quiv::SessaoSimulacao> sessao_;
  std::unique_ptr<quiv::JanelaPrincipal> janela_;
};

int ExecutaTesteJanelaPrincipal(int argc, char** argv) {
  TesteJanelaPrincipal teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_principal.moc"
