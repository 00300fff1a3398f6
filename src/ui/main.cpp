// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStringList>
#include <QTextEdit>
#include <memory>

#include "ui/principal/caixa_sobre.h"
#include "ui/principal/janela_principal.h"
#include "ui/sessao/idioma.h"
#include "ui/sessao/recuperacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

// QUIV_TESTE_COMENTARIO=TEXT, for the recovery test: once started, TEXT is
// typed into the comments pane as a student would, and the main window is
// asked to close, so the program waits at its save question (a modal box)
// with unsaved work, where the test kills it.
void EscreveComentarioDeTeste(quiv::JanelaPrincipal& janela) {
  const QString comentario = qEnvironmentVariable("QUIV_TESTE_COMENTARIO");
  if (comentario.isEmpty()) return;
  if (auto* comentarios = janela.findChild<QTextEdit*>(QStringLiteral("RichEdit1")))
    comentarios->setPlainText(comentario);
  QMetaObject::invokeMethod(&janela, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setOrganizationName(QStringLiteral("QUIV"));
  QApplication::setApplicationName(QStringLiteral("quiv"));
  QApplication::setApplicationVersion(QStringLiteral(QUIV_VERSAO));
  QApplication::setDesktopFileName(QStringLiteral("quiv"));
  QCommandLineParser opcoes;
  opcoes.setApplicationDescription(QStringLiteral("QUIV, process-control trainer"));
  const QCommandLineOption ajuda = opcoes.addHelpOption();
  const QCommandLineOption versao = opcoes.addVersionOption();
  opcoes.addPositionalArgument(QStringLiteral("FILE.smp"), QStringLiteral("simulation to open"));
  // --version and --help answer before the application exists, so they work
  // on a machine without a display; everything else (Qt's own options
  // included) is read once the application has taken its options out.
  QStringList linha;
  for (int i = 0; i < argc; ++i) linha << QString::fromLocal8Bit(argv[i]);
  if (opcoes.parse(linha)) {
    if (opcoes.isSet(versao)) opcoes.showVersion();
    if (opcoes.isSet(ajuda)) {
      QCoreApplication semTela(argc, argv);
      opcoes.showHelp();
    }
  }
  QApplication app(argc, argv);
  opcoes.process(app);

  // The splash shows for three seconds; then the language of this run is
  // decided (asked once, then remembered) before any window is made, so every
  // window takes its texts in that language.
  const QString pastaInicial = QDir::currentPath();
  auto* abertura = new quiv::CaixaSobre(true);
  abertura->show();
  std::unique_ptr<quiv::SessaoSimulacao> sessao;
  std::unique_ptr<quiv::Recuperacao> recuperacao;
  std::unique_ptr<quiv::JanelaPrincipal> janela;
  QObject::connect(abertura, &quiv::CaixaSobre::TempoDecorrido, [&] {
    abertura->hide();
    const bool ingles = quiv::DecideIdioma(quiv::PreferenciasIdioma(pastaInicial), nullptr);
    if (ingles)
      quiv::InstalaIngles();
    else
      quiv::InstalaPortuguesDoQt();
    sessao = std::make_unique<quiv::SessaoSimulacao>();
    sessao->DefineIdiomaIngles(ingles);
    recuperacao = std::make_unique<quiv::Recuperacao>(*sessao);
    janela = std::make_unique<quiv::JanelaPrincipal>(*sessao);
    // Without a window manager "maximised" means nothing: start at the
    // screen's size.
    janela->resize(janela->screen()->availableGeometry().size());
    janela->showMaximized();
    abertura->close();
    abertura->deleteLater();
    // A copy left by a run that ended abnormally is offered first; restored,
    // it takes the place of the file named on the command line and of the
    // gallery. Otherwise "quiv caldeira.smp" opens the file, and without one
    // the examples gallery greets the student.
    const QStringList argumentos = opcoes.positionalArguments();
    if (recuperacao->OfereceAbandonadas(janela.get()))
      janela->MostraSimulacaoRestaurada();
    else if (!argumentos.isEmpty())
      janela->AbreArquivo(QFileInfo(argumentos.first()).absoluteFilePath());
    else
      janela->MostraGaleria();
    EscreveComentarioDeTeste(*janela);
  });
  const int resultado = app.exec();
  janela.reset();
  recuperacao.reset();  // a normal end: the recovery copy goes
  sessao.reset();
  return resultado;
}
