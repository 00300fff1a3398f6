#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QStringList>

#include "ui/principal/tform1.h"
#include "ui/sessao/sessao_simulacao.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("QUIV"));
  QApplication::setApplicationName(QStringLiteral("quiv"));
  QApplication::setApplicationVersion(QStringLiteral(QUIV_VERSAO));
  QApplication::setDesktopFileName(QStringLiteral("quiv"));

  quiv::SessaoSimulacao sessao;
  quiv::TForm1 janela(sessao);
  // Without a window manager "maximised" means nothing: start at the screen's
  // size.
  janela.resize(janela.screen()->availableGeometry().size());
  janela.showMaximized();
  // "quiv caldeira.smp" opens the file once the window is on screen.
  const QStringList argumentos = QApplication::arguments();
  // Otherwise the examples gallery greets the student.
  if (argumentos.size() > 1)
    janela.AbreArquivo(QFileInfo(argumentos.at(1)).absoluteFilePath());
  else
    janela.MostraGaleria();
  return app.exec();
}
