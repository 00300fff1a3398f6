// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a simulation file in the main window with the windows of one subject
// beside it, with the scan cycle running, so the whole screen can be
// photographed (run it under a virtual display and take a screenshot).
//   vitrine FILE.smp [tela|objetos|registrador|rapida|xy [X Y]|sintonia [K]]
// (QUIV_INGLES=1: in English)
//   tela         the main window alone
//   objetos      the first window of each object kind and the signal generator
//   registrador  the first trend recorder and the variable list
//   rapida       two fast runs with a step in the SP, archived in the current
//                folder ("primeira" with the plant as stored, "segunda" with
//                the first controller's gain doubled), the first loaded below
//   xy           the XY recorder, recording cell Y against cell X (files
//                keep no choice; 81 and 21 unless given)
//   sintonia     controller K's window (the first unless given) with its
//                tuning page: the step test run, the first rule checked, the
//                model over the response shown
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/arquivo/documento.h"
#include "ui/objetos/janela_gerador.h"
#include "ui/principal/janela_principal.h"
#include "ui/sessao/idioma.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

using quiv::TipoObjeto;

// Places windows in rows along the bottom of the screen, from the left.
class Fileira {
 public:
  explicit Fileira(QRect tela) : tela_(tela), x_(tela.left() + 10), base_(tela.bottom() - 10) {}

  void Coloca(QWidget* w) {
    if (!w) return;
    w->adjustSize();
    const QSize tamanho = w->frameGeometry().size();
    if (x_ + tamanho.width() > tela_.right()) {
      x_ = tela_.left() + 10;
      base_ -= alturaLinha_ + 10;
      alturaLinha_ = 0;
    }
    w->move(x_, base_ - tamanho.height());
    x_ += tamanho.width() + 10;
    alturaLinha_ = std::max(alturaLinha_, tamanho.height());
  }

  // At the size the window chose for itself.
  void ColocaADireita(QWidget* w) const {
    w->move(tela_.right() - w->frameGeometry().width() - 10, tela_.top() + 40);
  }

 private:
  QRect tela_;
  int x_;
  int base_;
  int alturaLinha_ = 0;
};

template <typename T>
T* Filho(const QWidget& janela, const char* nome) {
  auto* w = janela.findChild<T*>(QLatin1String(nome));
  if (!w) {
    std::fprintf(stderr, "vitrine: no %s\n", nome);
    QApplication::exit(1);
  }
  return w;
}

// The first object of a kind the plant holds, or 0.
int Primeiro(const quiv::Documento& doc, TipoObjeto tipo) {
  for (int n = 1; n <= quiv::Posicoes::Quantidade(tipo); ++n)
    if (doc.Incluido(tipo, n)) return n;
  return 0;
}

void MostraObjetos(quiv::JanelaPrincipal& janela, const quiv::Documento& doc, Fileira& fileira) {
  for (TipoObjeto tipo :
       {TipoObjeto::Controlador, TipoObjeto::Processo, TipoObjeto::Bloco, TipoObjeto::Texto}) {
    if (const int n = Primeiro(doc, tipo)) {
      janela.AbreObjeto(static_cast<int>(tipo), n);
      fileira.Coloca(janela.JanelaDe(static_cast<int>(tipo), n));
    }
  }
  janela.JanelaDoGerador().Mostra();
  janela.JanelaDoGerador().adjustSize();
  fileira.ColocaADireita(&janela.JanelaDoGerador());
}

void MostraRegistrador(quiv::JanelaPrincipal& janela, const quiv::Documento& doc,
                       Fileira& fileira) {
  if (const int n = Primeiro(doc, TipoObjeto::Registrador)) {
    janela.AbreObjeto(static_cast<int>(TipoObjeto::Registrador), n);
    fileira.Coloca(janela.JanelaDe(static_cast<int>(TipoObjeto::Registrador), n));
  }
  Filho<QAction>(janela, "Variveis1")->trigger();
  fileira.ColocaADireita(Filho<QWidget>(janela, "ListaVar")->window());
}

// One run of the fast-simulation page, archived under the given stem.
void Simula(QWidget& pagina, const QString& arquivo) {
  Filho<QLineEdit>(pagina, "Edit2")->setText(arquivo);
  Filho<QPushButton>(pagina, "BTNSimular")->click();
}

void MostraRapida(quiv::JanelaPrincipal& janela, quiv::SessaoSimulacao& sessao, QRect tela) {
  Filho<QAction>(janela, "Dese1")->trigger();
  QWidget& pagina = *Filho<QWidget>(janela, "AboutBox");
  pagina.setGeometry(tela);  // maximised, also without a window manager
  Filho<QComboBox>(pagina, "SinalTesteCombo")->setCurrentIndex(2);  // a step in the SP
  Simula(pagina, QStringLiteral("primeira"));
  quiv::Documento& doc = sessao.documento();
  if (const int n = Primeiro(doc, TipoObjeto::Controlador)) {
    quiv::Controlador& c = *doc.ControladorDe(n);
    c.TextoKp = QString::number(2 * QString::fromStdString(c.TextoKp).toDouble()).toStdString();
    c.AtualizaParametros(false);
  }
  Simula(pagina, QStringLiteral("segunda"));
  // The selector lists the folder's histories when it takes the focus.
  auto* abaixo = Filho<QComboBox>(pagina, "ComboBox1");
  QFocusEvent foco(QEvent::FocusIn);
  QCoreApplication::sendEvent(abaixo, &foco);
  abaixo->setCurrentIndex(abaixo->findText(QStringLiteral("primeira"), Qt::MatchStartsWith));
  Filho<QPushButton>(pagina, "BTNCarregar")->click();
}

void MostraXY(quiv::JanelaPrincipal& janela, quiv::RegistradorXY& modelo, int x, int y) {
  modelo.CompletaListaX();
  modelo.CompletaListaY();
  modelo.ItemX = x - 1;
  modelo.ItemY = y - 1;
  Filho<QAction>(janela, "RegistradorXY1")->trigger();
  QWidget& registrador = *Filho<QWidget>(janela, "RegXY");
  Filho<QPushButton>(registrador, "Button1")->click();
}

void MostraSintonia(quiv::JanelaPrincipal& janela, const quiv::Documento& doc, int k,
                    Fileira& fileira) {
  const int n = k > 0 ? k : Primeiro(doc, TipoObjeto::Controlador);
  janela.AbreObjeto(static_cast<int>(TipoObjeto::Controlador), n);
  QWidget* controlador = janela.JanelaDe(static_cast<int>(TipoObjeto::Controlador), n);
  Filho<QPushButton>(*controlador, "ConfigBTN")->click();
  fileira.Coloca(controlador);
  Filho<QPushButton>(*controlador, "SintoniaBTN")->click();
  QWidget& pagina = *Filho<QWidget>(*controlador, "PaginaSintonia");
  pagina.move(10, 30);
  Filho<QPushButton>(pagina, "EnsaioBTN")->click();
  Filho<QPushButton>(pagina, "VerificarBTN")->click();
  Filho<QTabWidget>(pagina, "Graficos")->setCurrentIndex(0);  // the model over the response
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(
        stderr,
        "usage: vitrine FILE.smp [tela|objetos|registrador|rapida|xy [X Y]|sintonia [K]]\n");
    return 2;
  }
  const QString modo = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("objetos");
  quiv::SessaoSimulacao sessao;
  // QUIV_INGLES=1 shows the English interface.
  if (qEnvironmentVariableIsSet("QUIV_INGLES")) {
    quiv::InstalaIngles();
    sessao.DefineIdiomaIngles(true);
  }
  quiv::JanelaPrincipal janela(sessao);
  const QRect tela = janela.screen()->availableGeometry();
  janela.setGeometry(tela);
  janela.show();
  janela.AbreArquivo(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
  Fileira fileira(tela);

  // Once the main window is up, so the runs show their progress.
  QTimer::singleShot(300, &janela, [&] {
    if (modo == QLatin1String("tela")) return;
    if (modo == QLatin1String("objetos"))
      MostraObjetos(janela, sessao.documento(), fileira);
    else if (modo == QLatin1String("registrador"))
      MostraRegistrador(janela, sessao.documento(), fileira);
    else if (modo == QLatin1String("rapida"))
      MostraRapida(janela, sessao, tela);
    else if (modo == QLatin1String("xy"))
      MostraXY(janela, sessao.documento().registradorXY, argc > 3 ? std::atoi(argv[3]) : 81,
               argc > 4 ? std::atoi(argv[4]) : 21);
    else if (modo == QLatin1String("sintonia"))
      MostraSintonia(janela, sessao.documento(), argc > 3 ? std::atoi(argv[3]) : 0, fileira);
    else {
      std::fprintf(stderr, "vitrine: unknown subject %s\n", qPrintable(modo));
      QApplication::exit(2);
    }
  });
  return app.exec();
}
