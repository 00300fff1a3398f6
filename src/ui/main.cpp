#include <QApplication>

#include "ui/sessao/sessao_simulacao.h"
#include "ui/principal/tform1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quiv::SessaoSimulacao sessao;
  quiv::TForm1 janela(sessao);
  janela.showMaximized();
  return app.exec();
}
