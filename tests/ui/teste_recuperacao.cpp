// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "ambiente_janela.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/nucleo/preferencias.h"
#include "core/objetos/processo.h"
#include "planta_tela.h"
#include "procura.h"
#include "ui/principal/janela_principal.h"
#include "ui/sessao/copia_recuperacao.h"
#include "ui/sessao/recuperacao.h"

namespace {

enum class Encerramento { Salvar, Novo, Abrir, Sair };

constexpr int kIntervaloMs = 40;

// Every file in the folder: copies, locks and whatever a write left behind.
QStringList Arquivos(const QString& pasta) {
  return QDir(pasta).entryList(QDir::Files | QDir::Hidden);
}

QByteArray Bytes(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Escreve(const QString& caminho, const QByteArray& bytes) {
  QFile f(caminho);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Bytes(const std::string& texto) {
  return QByteArray(texto.data(), static_cast<qsizetype>(texto.size()));
}

// The test plant as a save writes it; `ganho` is process 1's gain, the
// object parameter a restore must bring back.
std::string TextoDaPlanta(const char* ganho) {
  quiv::Documento doc;
  quiv::teste::MontaPlantaTela(doc);
  doc.ProcessoDe(1)->Ganho = ganho;
  quiv::smp::Escritor escritor;
  quiv::EscreveSimulacao(doc, escritor);
  return escritor.Conteudo();
}

std::string GanhoSalvo(const QString& arquivo) {
  quiv::Documento doc;
  if (!quiv::LeSimulacao(doc, std::filesystem::path(arquivo.toStdU16String()))) return {};
  return doc.ProcessoDe(1) ? doc.ProcessoDe(1)->Ganho : std::string();
}

}  // namespace

Q_DECLARE_METATYPE(Encerramento)

// The recovery copy with the main window: written only while the simulation
// is unsaved, also while a box is open and the plant paused; removed by the
// commands that end the unsaved state and by the program's normal end;
// offered back at start when its program is gone, never while it runs.
class TesteRecuperacao : public QObject, AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    pastaOriginal_ = QDir::currentPath();
    IniciaAmbiente();
    raiz_ = std::make_unique<QTemporaryDir>();
    QVERIFY(raiz_->isValid());
    QDir::setCurrent(raiz_->path());
    pastaCopias_ = raiz_->filePath(QStringLiteral("recuperacao"));
    planta_ = raiz_->filePath(QStringLiteral("planta.smp"));
    QVERIFY(Escreve(planta_, Bytes(TextoDaPlanta("1.5"))));
    janela_ = std::make_unique<quiv::JanelaPrincipal>(*sessao_);
    recuperacao_ = std::make_unique<quiv::Recuperacao>(*sessao_, pastaCopias_);
    recuperacao_->DefineIntervalo(kIntervaloMs);
  }

  void cleanup() {
    recuperacao_.reset();
    janela_.reset();
    EncerraAmbiente();
    QDir::setCurrent(pastaOriginal_);
    raiz_.reset();
  }

  void intervaloPadraoDeDoisMinutos() {
    QCOMPARE(quiv::Recuperacao(*sessao_, pastaCopias_).Intervalo(), 2 * 60 * 1000);
  }

  // Nothing is written while the simulation is saved; an edit brings the
  // copy (with its lock) one interval later, naming the user's file and
  // holding the text a save writes; each way out of the unsaved state
  // removes both, and nothing comes back.
  void copiaSoEnquantoModificada_data() {
    QTest::addColumn<Encerramento>("encerramento");
    QTest::newRow("salvar") << Encerramento::Salvar;
    QTest::newRow("novo") << Encerramento::Novo;
    QTest::newRow("abrir") << Encerramento::Abrir;
    QTest::newRow("sair") << Encerramento::Sair;
  }
  void copiaSoEnquantoModificada() {
    QFETCH(Encerramento, encerramento);
    janela_->AbreArquivo(planta_);
    // The plant stands still, so the copy and a later save see one state.
    sessao_->Temporizador().stop();
    QTest::qWait(4 * kIntervaloMs);
    QCOMPARE(Arquivos(pastaCopias_), QStringList());

    Procura<QTextEdit>(*janela_, "RichEdit1")->setPlainText(QStringLiteral("Vazão em 40 %"));
    QVERIFY(!sessao_->Salvo());
    const QString copia = recuperacao_->ArquivoCopia();
    QTRY_VERIFY(QFile::exists(copia));
    QVERIFY(QFile::exists(copia + QStringLiteral(".lock")));
    QString erro;
    const std::optional<quiv::CopiaRecuperacao> lida = quiv::CopiaRecuperacao::Le(copia, erro);
    QVERIFY2(lida, qPrintable(erro));
    QCOMPARE(lida->arquivo, planta_);
    QVERIFY(qAbs(lida->hora.secsTo(QDateTime::currentDateTime())) < 60);

    switch (encerramento) {
      case Encerramento::Salvar:
        Procura<QAction>(*janela_, "Salvar1")->trigger();
        QCOMPARE(Bytes(planta_), Bytes(lida->conteudo));
        break;
      case Encerramento::Novo:
        roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Salvar"), quiv::Interacao::Resposta::Nao);
        Procura<QAction>(*janela_, "Novo1")->trigger();
        break;
      case Encerramento::Abrir:
        roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Salvar"), quiv::Interacao::Resposta::Nao);
        roteiro_.EsperaAbre(QStringLiteral("Abrir"), planta_);
        Procura<QAction>(*janela_, "Abrir1")->trigger();
        break;
      case Encerramento::Sair:
        roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Salvar"), quiv::Interacao::Resposta::Nao);
        QVERIFY(janela_->close());
        recuperacao_.reset();  // the program's normal end, as main() does it
        break;
    }
    QCOMPARE(Arquivos(pastaCopias_), QStringList());
    QTest::qWait(4 * kIntervaloMs);
    QCOMPARE(Arquivos(pastaCopias_), QStringList());
  }

  // With the plant paused and a box open (its modal loop running), the
  // copy is still written: a crash inside a dialog loses no more than an
  // interval.
  void copiaComCaixaAbertaESimulacaoPausada() {
    Procura<QAction>(*janela_, "Novo1")->trigger();
    QVERIFY(sessao_->Pausada());
    Procura<QTextEdit>(*janela_, "RichEdit1")->setPlainText(QStringLiteral("Anotação"));
    const QString copia = recuperacao_->ArquivoCopia();
    QVERIFY(!QFile::exists(copia));
    roteiro_.DefineConectada(false);
    roteiro_.EsperaInforma(QStringLiteral("internet"),
                           [&copia] { QTRY_VERIFY(QFile::exists(copia)); });
    Procura<QAction>(*janela_, "utorial1")->trigger();
  }

  // A copy without a living program is offered with its file's name (or
  // "sem nome") and its time. Restored, the plant is back as it was, still
  // unsaved, its file the user's (not the copy's, which is gone and in no
  // list), and this program's own copy holds it at once; a save goes to the
  // user's file. Discarded, the copy is gone and nothing changed.
  void ofereceCopiaAbandonada_data() {
    QTest::addColumn<bool>("comArquivo");
    QTest::addColumn<bool>("restaura");
    QTest::newRow("arquivo, restaura") << true << true;
    QTest::newRow("sem nome, restaura") << false << true;
    QTest::newRow("arquivo, descarta") << true << false;
    QTest::newRow("sem nome, descarta") << false << false;
  }
  void ofereceCopiaAbandonada() {
    QFETCH(bool, comArquivo);
    QFETCH(bool, restaura);
    QVERIFY(QDir().mkpath(pastaCopias_));
    const QString deixada = QDir(pastaCopias_).filePath(QStringLiteral("copia-deixada.rec"));
    const quiv::CopiaRecuperacao copia{comArquivo ? planta_ : QString(),
                                       QDateTime(QDate(2024, 5, 7), QTime(9, 41)),
                                       TextoDaPlanta("2.75")};
    QCOMPARE(copia.Grava(deixada), QString());

    roteiro_.EsperaPergunta(
        comArquivo ? QStringLiteral("de \"planta.smp\", gravada em 07/05/2024 às 09:41")
                   : QStringLiteral("de uma simulação sem nome, gravada em 07/05/2024 às 09:41"),
        restaura);
    QCOMPARE(recuperacao_->OfereceAbandonadas(janela_.get()), restaura);
    QVERIFY(!QFile::exists(deixada));
    if (!restaura) {
      QVERIFY(sessao_->Salvo());
      QVERIFY(sessao_->ArquivoAtual().isEmpty());
      QCOMPARE(Arquivos(pastaCopias_), QStringList());
      return;
    }

    janela_->MostraSimulacaoRestaurada();
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Planta de teste"));
    QCOMPARE(sessao_->documento().ProcessoDe(1)->Ganho, std::string("2.75"));
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(sessao_->ArquivoAtual(), comArquivo ? planta_ : QString());
    QVERIFY(!janela_->GaleriaVisivel());
    for (const QString& recente : sessao_->ArquivosRecentes())
      QVERIFY2(!recente.startsWith(pastaCopias_), qPrintable(recente));
    QCOMPARE(Arquivos(pastaCopias_),
             QStringList(
                 {QFileInfo(recuperacao_->ArquivoCopia()).fileName(),
                  QFileInfo(recuperacao_->ArquivoCopia()).fileName() + QStringLiteral(".lock")}));

    QString destino = planta_;
    if (!comArquivo) {
      destino = raiz_->filePath(QStringLiteral("nova.smp"));
      roteiro_.EsperaSalva(QStringLiteral("Salvar"), destino);
    }
    auto* salvar = Procura<QAction>(*janela_, "Salvar1");
    QVERIFY(salvar->isVisible());
    salvar->trigger();
    QVERIFY(sessao_->Salvo());
    QCOMPARE(GanhoSalvo(destino), std::string("2.75"));
    QCOMPARE(Arquivos(pastaCopias_), QStringList());
  }

  // A damaged copy is reported, discarded and not offered; the start goes on.
  void copiaDanificada_data() {
    const QByteArray inteira = [] {
      QTemporaryDir pasta;
      const QString caminho = pasta.filePath(QStringLiteral("c.rec"));
      quiv::CopiaRecuperacao{QString(), QDateTime::currentDateTime(), TextoDaPlanta("2")}.Grava(
          caminho);
      return Bytes(caminho);
    }();
    QByteArray alterada = inteira;
    alterada[alterada.size() - 40] = alterada[alterada.size() - 40] == 'x' ? 'y' : 'x';
    QByteArray semHora = inteira;
    semHora.replace(semHora.indexOf("hora "), 9, "hora onte");

    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("não é uma cópia") << QByteArray("<Controls>\r\nTrue\r\n");
    QTest::newRow("vazia") << QByteArray();
    QTest::newRow("cortada") << inteira.left(inteira.size() - 100);
    QTest::newRow("alterada") << alterada;
    QTest::newRow("hora ilegível") << semHora;
  }
  void copiaDanificada() {
    QFETCH(QByteArray, bytes);
    QVERIFY(QDir().mkpath(pastaCopias_));
    const QString danificada = QDir(pastaCopias_).filePath(QStringLiteral("copia-danificada.rec"));
    QVERIFY(Escreve(danificada, bytes));
    roteiro_.EsperaInforma(QStringLiteral("danificada"));
    QVERIFY(!recuperacao_->OfereceAbandonadas(janela_.get()));
    QCOMPARE(Arquivos(pastaCopias_), QStringList());
    QVERIFY(sessao_->Salvo());
  }

  // The real program, started offscreen with a short interval, given unsaved
  // work and left at its save question (QUIV_TESTE_COMENTARIO): its copy is
  // not offered while it runs; killed with SIGKILL, the copy is offered and
  // brings the work back.
  void copiaDeProgramaMorto() {
    const QString dados = raiz_->filePath(QStringLiteral("dados"));
    const QString trabalho = raiz_->filePath(QStringLiteral("trabalho"));
    QVERIFY(QDir().mkpath(trabalho));
    const QString arquivo = QDir(trabalho).filePath(QStringLiteral("caldeira.smp"));
    QVERIFY(Escreve(arquivo, Bytes(TextoDaPlanta("1.5"))));
    const std::string_view idioma = quiv::LinhaPreferencias(false);
    QVERIFY(Escreve(QDir(trabalho).filePath(QString::fromLatin1(
                        quiv::kArquivoPreferencias.data(),
                        static_cast<qsizetype>(quiv::kArquivoPreferencias.size()))),
                    QByteArray(idioma.data(), static_cast<qsizetype>(idioma.size())) + '\n'));
    const QString comentario = QStringLiteral("Anotação do aluno antes da queda");

    QProcess programa;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), dados);
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), raiz_->filePath(QStringLiteral("config")));
    ambiente.insert(QStringLiteral("QUIV_RECUPERACAO_MS"), QString::number(kIntervaloMs));
    ambiente.insert(QStringLiteral("QUIV_TESTE_COMENTARIO"), comentario);
    programa.setProcessEnvironment(ambiente);
    programa.setWorkingDirectory(trabalho);
    programa.setProcessChannelMode(QProcess::ForwardedChannels);
    programa.start(QStringLiteral(QUIV_PROGRAMA), {arquivo});
    QVERIFY(programa.waitForStarted());

    // Where the program keeps its copies: "recuperacao" in its data folder.
    const QString pasta = QDir(dados).filePath(QStringLiteral("QUIV/quiv/recuperacao"));
    recuperacao_ = std::make_unique<quiv::Recuperacao>(*sessao_, pasta);
    const auto copias = [&pasta] {
      return QDir(pasta).entryList({QStringLiteral("copia-*.rec")}, QDir::Files);
    };
    QTRY_COMPARE_WITH_TIMEOUT(copias().size(), 1, 20000);
    // Still running after its window was told to close: it waits at the save
    // question, and the copy was written while that box was open.
    QCOMPARE(programa.state(), QProcess::Running);

    QVERIFY(!recuperacao_->OfereceAbandonadas(janela_.get()));
    QCOMPARE(copias().size(), 1);

    programa.kill();
    QVERIFY(programa.waitForFinished());
    roteiro_.EsperaPergunta(QStringLiteral("\"caldeira.smp\""), true);
    QVERIFY(recuperacao_->OfereceAbandonadas(janela_.get()));
    QCOMPARE(sessao_->documento().comentarios.Linhas(false),
             std::vector<std::string>{comentario.toStdString()});
    QCOMPARE(sessao_->ArquivoAtual(), arquivo);
    QVERIFY(!sessao_->Salvo());
    // Only this program's copy is left, with its lock; the killed one's lock
    // went with its copy.
    QCOMPARE(copias(), QStringList{QFileInfo(recuperacao_->ArquivoCopia()).fileName()});
    QCOMPARE(Arquivos(pasta).size(), 2);
  }

 private:
  QString pastaOriginal_;
  std::unique_ptr<QTemporaryDir> raiz_;
  QString pastaCopias_;
  QString planta_;
  std::unique_ptr<quiv::JanelaPrincipal> janela_;
  std::unique_ptr<quiv::Recuperacao> recuperacao_;
};

int ExecutaTesteRecuperacao(int argc, char** argv) {
  TesteRecuperacao teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_recuperacao.moc"
