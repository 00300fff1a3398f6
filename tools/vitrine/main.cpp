// Opens a simulation file in the main window and every object window of its
// first loop beside it, with the scan cycle running, so the whole screen can
// be photographed (run it under a virtual display and take a screenshot).
//   vitrine FILE.smp
#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <algorithm>

#include "core/arquivo/documento.h"
#include "ui/principal/tform1.h"
#include "ui/objetos/tparmform.h"
#include "ui/sessao/sessao_simulacao.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  quiv::SessaoSimulacao sessao;
  quiv::TForm1 janela(sessao);
  const QRect tela = janela.screen()->availableGeometry();
  janela.setGeometry(tela);
  janela.show();
  janela.AbreArquivo(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());

  // Each window of the plant's first objects, placed in a row along the
  // bottom and the right of the screen.
  const quiv::Documento& doc = sessao.documento();
  // Rows from the bottom up, each as high as its tallest window.
  int x = tela.left() + 10;
  int base = tela.bottom() - 10;
  int alturaLinha = 0;
  auto coloca = [&](QWidget* w, bool direita = false) {
    if (!w) return;
    w->adjustSize();
    const QSize tamanho = w->frameGeometry().size();
    if (direita) {
      w->move(tela.right() - tamanho.width() - 10, tela.top() + 40);
      return;
    }
    if (x + tamanho.width() > tela.right()) {
      x = tela.left() + 10;
      base -= alturaLinha + 10;
      alturaLinha = 0;
    }
    w->move(x, base - tamanho.height());
    x += tamanho.width() + 10;
    alturaLinha = std::max(alturaLinha, tamanho.height());
  };
  for (quiv::TipoObjeto tipo : {quiv::TipoObjeto::Controlador, quiv::TipoObjeto::Processo,
                                quiv::TipoObjeto::Bloco, quiv::TipoObjeto::Texto}) {
    for (int n = 1; n <= quiv::Posicoes::Quantidade(tipo); ++n) {
      if (!doc.Incluido(tipo, n)) continue;
      janela.AbreObjeto(static_cast<int>(tipo), n);
      coloca(janela.JanelaDe(static_cast<int>(tipo), n));
      break;
    }
  }
  janela.ParmForm().Mostra();
  coloca(&janela.ParmForm(), true);
  return app.exec();
}
