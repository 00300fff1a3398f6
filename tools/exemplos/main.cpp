// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped examples: each plant's simulation file and its
// background picture (the gallery cards are taken afterwards from the
// program's screen by cartoes_exemplos).
//   gera_exemplos FOLDER [NAME...]
// FOLDER holds "examples" (the repository's top); NAMEs pick examples whose
// file path contains them (all when none is given).
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/exemplos.h"
#include "exemplo.h"
#include "planta.h"

namespace {

using quiv::exemplos::Exemplo;

const quiv::CartaoExemplo* CartaoDe(const std::string& arquivo) {
  for (const quiv::CartaoExemplo& c : quiv::CartoesExemplos())
    if (c.arquivo == "examples/" + arquivo) return &c;
  return nullptr;
}

void Gera(const Exemplo& e, const std::filesystem::path& base) {
  const std::filesystem::path arquivo = base / "examples" / e.arquivo;
  if (!CartaoDe(e.arquivo)) throw std::runtime_error("no gallery card names " + e.arquivo);
  std::filesystem::create_directories(arquivo.parent_path());

  quiv::Documento doc;
  doc.FiguraFundo = arquivo.stem().string() + ".png";
  e.monta(doc);
  // A fixed seed: regenerating an example gives the same file.
  doc.simulacao.aleatorio.Semeia(1);
  quiv::exemplos::Aquece(doc, e.aquecimento);
  quiv::SalvaSimulacao(doc, arquivo);

  quiv::exemplos::Desenho desenho;
  e.desenha(desenho);
  const QString figura = QString::fromStdString((arquivo.parent_path() / doc.FiguraFundo).string());
  if (!desenho.Imagem().save(figura))
    throw std::runtime_error("cannot write " + figura.toStdString());
  std::printf("%s\n", e.arquivo.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: gera_exemplos FOLDER [NAME...]\n");
    return 2;
  }
  const std::filesystem::path base = std::filesystem::absolute(argv[1]);
  int gerados = 0;
  try {
    for (const Exemplo& e : quiv::exemplos::Registrados()) {
      bool escolhido = argc == 2;
      for (int i = 2; i < argc && !escolhido; ++i)
        escolhido = e.arquivo.find(argv[i]) != std::string::npos;
      if (!escolhido) continue;
      Gera(e, base);
      ++gerados;
    }
  } catch (const std::exception& erro) {
    std::fprintf(stderr, "gera_exemplos: %s\n", erro.what());
    return 1;
  }
  if (gerados == 0) std::fprintf(stderr, "gera_exemplos: no example matched\n");
  return gerados == 0 ? 1 : 0;
}
