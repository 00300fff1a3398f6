// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the gallery card of every shipped example from the program itself:
// the example opened in the main window, its synoptic screen scaled to the
// card's 321 × 193, so a card always shows what opens.
//   cartoes_exemplos FOLDER [NAME...]
// FOLDER holds "examples"; NAMEs pick cards whose file path contains them.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/arquivo/exemplos.h"
#include "ui/principal/janela_principal.h"
#include "ui/principal/tela_sinotica.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

constexpr int kLarguraTela = 1000;  // the part of the screen the pictures use
constexpr int kAlturaTela = 600;

QImage Cartao(const QString& arquivo) {
  quiv::SessaoSimulacao sessao;
  quiv::JanelaPrincipal janela(sessao);
  janela.resize(1400, 900);
  janela.show();
  janela.AbreArquivo(arquivo);
  sessao.Temporizador().stop();
  QApplication::processEvents();
  const QPixmap tela = janela.Tela().grab(QRect(0, 0, kLarguraTela, kAlturaTela));
  return tela.toImage().scaled(321, 193, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: cartoes_exemplos FOLDER [NAME...]\n");
    return 2;
  }
  const std::filesystem::path base = std::filesystem::absolute(argv[1]);
  const std::filesystem::path galeria = base / quiv::kPastaGaleria;
  std::filesystem::create_directories(galeria);
  const QString inicial = QDir::currentPath();
  int feitos = 0;
  for (const quiv::CartaoExemplo& c : quiv::CartoesExemplos()) {
    const std::string arquivo(c.arquivo);
    bool escolhido = argc == 2;
    for (int i = 2; i < argc && !escolhido; ++i)
      escolhido = arquivo.find(argv[i]) != std::string::npos;
    if (!escolhido || !std::filesystem::exists(base / arquivo)) continue;
    const std::filesystem::path destino = galeria / (std::string(c.figura) + ".png");
    if (!Cartao(QString::fromStdString((base / arquivo).string()))
             .save(QString::fromStdString(destino.string()))) {
      std::fprintf(stderr, "cartoes_exemplos: cannot write %s\n", destino.string().c_str());
      return 1;
    }
    QDir::setCurrent(inicial);
    std::printf("%s\n", destino.filename().string().c_str());
    ++feitos;
  }
  return feitos == 0 ? 1 : 0;
}
