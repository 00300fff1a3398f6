// Writes the shipped examples: each plant's simulation file, its background
// picture and its gallery card picture, taken from the plant's own synoptic
// screen so the card always matches what opens.
//   gera_exemplos FOLDER [NAME...]
// FOLDER holds "examples" (the repository's top); NAMEs pick examples whose
// file path contains them (all when none is given).
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/exemplos.h"
#include "exemplo.h"
#include "planta.h"
#include "ui/principal/tela_sinotica.h"
#include "ui/principal/tform1.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

using quiv::exemplos::Exemplo;

const quiv::CartaoExemplo* CartaoDe(const std::string& arquivo) {
  for (const quiv::CartaoExemplo& c : quiv::CartoesExemplos())
    if (c.arquivo == "examples/" + arquivo) return &c;
  return nullptr;
}

// The card: the synoptic screen as the program shows it, scaled to 321 × 193.
QImage Cartao(const QString& arquivo) {
  quiv::SessaoSimulacao sessao;
  sessao.Timer1().stop();
  quiv::TForm1 janela(sessao);
  janela.resize(1400, 900);
  janela.show();
  janela.AbreArquivo(arquivo);
  sessao.Timer1().stop();
  QApplication::processEvents();
  const QPixmap tela = janela.Tela().grab(QRect(0, 0, quiv::exemplos::Desenho::kLargura,
                                                 quiv::exemplos::Desenho::kAltura));
  return tela.toImage().scaled(321, 193, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Gera(const Exemplo& e, const std::filesystem::path& base) {
  const std::filesystem::path arquivo = base / "examples" / e.arquivo;
  const quiv::CartaoExemplo* cartao = CartaoDe(e.arquivo);
  if (!cartao) throw std::runtime_error("no gallery card names " + e.arquivo);
  std::filesystem::create_directories(arquivo.parent_path());

  quiv::Documento doc;
  doc.FiguraFundo = arquivo.stem().string() + ".png";
  e.monta(doc);
  quiv::exemplos::Aquece(doc, e.aquecimento);
  quiv::SalvaSimulacao(doc, arquivo);

  quiv::exemplos::Desenho desenho;
  e.desenha(desenho);
  const QString figura =
      QString::fromStdString((arquivo.parent_path() / doc.FiguraFundo).string());
  if (!desenho.Imagem().save(figura)) throw std::runtime_error("cannot write " + figura.toStdString());

  const std::filesystem::path galeria = base / quiv::kPastaGaleria;
  std::filesystem::create_directories(galeria);
  const QString caminhoCartao =
      QString::fromStdString((galeria / (std::string(cartao->figura) + ".png")).string());
  if (!Cartao(QString::fromStdString(arquivo.string())).save(caminhoCartao))
    throw std::runtime_error("cannot write " + caminhoCartao.toStdString());
  std::printf("%s\n", e.arquivo.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: gera_exemplos FOLDER [NAME...]\n");
    return 2;
  }
  const std::filesystem::path base = std::filesystem::absolute(argv[1]);
  const QString inicial = QDir::currentPath();
  int gerados = 0;
  try {
    for (const Exemplo& e : quiv::exemplos::Registrados()) {
      bool escolhido = argc == 2;
      for (int i = 2; i < argc && !escolhido; ++i)
        escolhido = e.arquivo.find(argv[i]) != std::string::npos;
      if (!escolhido) continue;
      Gera(e, base);
      QDir::setCurrent(inicial);
      ++gerados;
    }
  } catch (const std::exception& erro) {
    std::fprintf(stderr, "gera_exemplos: %s\n", erro.what());
    return 1;
  }
  if (gerados == 0) std::fprintf(stderr, "gera_exemplos: no example matched\n");
  return gerados == 0 ? 1 : 0;
}
