// SPDX-License-Identifier: GPL-3.0-or-later
// quiv-sim resave end to end: a plant written by the core, loaded and saved
// again by the tool.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"
#include "core/objetos/processo.h"
#include "processo.h"

namespace quiv::teste {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& arquivo) {
  std::ifstream f(arquivo, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

class Resave : public testing::Test {
 protected:
  void SetUp() override {
    pasta_ = fs::temp_directory_path() /
             ("quiv_resave_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              "_" + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(pasta_);
    fs::create_directories(pasta_);
  }
  void TearDown() override { fs::remove_all(pasta_); }

  // A one-loop plant; `kp` is the controller's gain text. The buttons carry
  // their tags as captions, as the program saves them.
  fs::path Planta(const std::string& kp) {
    Documento doc;
    MontaPlanta(doc, kp);
    doc.AtualizaLegendas();
    const fs::path arquivo = pasta_ / "planta.smp";
    SalvaSimulacao(doc, arquivo);
    return arquivo;
  }

  static void MontaPlanta(Documento& doc, const std::string& kp) {
    doc.Titulo = "Malha de nível";
    Processo& p = doc.NovoProcesso(1);
    p.Tag = "LT-01";
    p.AtualizaParametros(false);
    Controlador& c = doc.NovoControlador(1);
    c.Tag = "LIC-01";
    c.ItemPV = 20;
    c.TextoKp = kp;
    c.AtualizaParametros(false);
  }

  fs::path pasta_;
};

TEST_F(Resave, WritesTheSameBytesBack) {
  const fs::path entrada = Planta("2.5");
  const fs::path saida = pasta_ / "copia.smp";
  const Resultado r = ExecutaPrograma(QUIV_SIM, {"resave", entrada.string(), saida.string()});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.erros, "");
  EXPECT_EQ(Bytes(saida), Bytes(entrada));
}

// The tool loads with the Portuguese interface, yet a file in both languages
// keeps its English texts and comments; the button captions become the tags.
TEST_F(Resave, KeepsBothLanguagesAndWritesTheTagsAsCaptions) {
  Documento doc;
  MontaPlanta(doc, "2.5");
  doc.Titulo = "Malha de nível|Level loop";
  doc.ControladorDe(1)->Tag = "LIC-01|LC-01";
  doc.ProcessoDe(1)->Descricao = "Tanque|Tank";
  doc.comentarios.Portugues = {"Ajuste o PID"};
  doc.comentarios.Ingles = {"Tune the PID"};
  doc.posicoes.De(TipoObjeto::Controlador, 1).Legenda = "velha";
  const fs::path entrada = pasta_ / "bilingue.smp";
  SalvaSimulacao(doc, entrada);
  doc.AtualizaLegendas();
  const fs::path esperado = pasta_ / "esperado.smp";
  SalvaSimulacao(doc, esperado);
  ASSERT_NE(Bytes(entrada), Bytes(esperado));

  const fs::path saida = pasta_ / "copia.smp";
  const Resultado r = ExecutaPrograma(QUIV_SIM, {"resave", entrada.string(), saida.string()});
  EXPECT_EQ(r.status, 0) << r.erros;
  const std::string bytes = Bytes(saida);
  EXPECT_EQ(bytes, Bytes(esperado));
  for (const char* texto : {"Malha de n\xEDvel|Level loop\r\n", "Tag:LIC-01|LC-01\r\n",
                            "<COORDENADAS>>>=====\r\nLIC-01|LC-01\r\n",
                            "<BEGIN_COMMENTS>\r\nTune the PID\r\n<END_COMMENTS>"})
    EXPECT_NE(bytes.find(texto), std::string::npos) << texto;
}

TEST_F(Resave, FailedChecksGoToStandardErrorOnePerLine) {
  const fs::path entrada = Planta("abc");
  const Resultado r =
      ExecutaPrograma(QUIV_SIM, {"resave", entrada.string(), (pasta_ / "x.smp").string()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.erros, "Controller 1 (LIC-01): Invalid Kp\n");
}

TEST_F(Resave, StoppedLoadExitsOneMissingInputExitsTwo) {
  const fs::path entrada = Planta("1");
  std::string bytes = Bytes(entrada);
  // The first line of the data-entry block after "<<Tracks>>" holds a strict integer two
  // lines down: damage the block's Top of entry 1.
  const std::size_t tracks = bytes.find("<<Tracks>>\r\n");
  ASSERT_NE(tracks, std::string::npos);
  std::size_t linha = tracks;
  for (int i = 0; i < 3; ++i) linha = bytes.find("\r\n", linha) + 2;
  bytes.replace(linha, bytes.find("\r\n", linha) - linha, "12ab");
  std::ofstream(entrada, std::ios::binary) << bytes;

  const Resultado parou =
      ExecutaPrograma(QUIV_SIM, {"resave", entrada.string(), (pasta_ / "y.smp").string()});
  EXPECT_EQ(parou.status, 1);
  EXPECT_NE(parou.erros.find("'12ab' is not a valid integer value"), std::string::npos)
      << parou.erros;
  EXPECT_FALSE(fs::exists(pasta_ / "y.smp"));

  const Resultado falta = ExecutaPrograma(
      QUIV_SIM, {"resave", (pasta_ / "nada.smp").string(), (pasta_ / "z.smp").string()});
  EXPECT_EQ(falta.status, 2);
  EXPECT_NE(falta.erros.find("File not found"), std::string::npos) << falta.erros;
}

// An empty input says so instead of naming a line it does not have; a state
// that is no number stops the load and says where. Nothing is written.
TEST_F(Resave, EmptyFileAndUnreadableNumberStopTheLoad) {
  const fs::path vazio = pasta_ / "vazio.smp";
  std::ofstream(vazio, std::ios::binary) << "";
  const Resultado r =
      ExecutaPrograma(QUIV_SIM, {"resave", vazio.string(), (pasta_ / "a.smp").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.erros, "quiv-sim resave: vazio.smp: o arquivo está vazio\n");
  EXPECT_FALSE(fs::exists(pasta_ / "a.smp"));

  const fs::path entrada = Planta("1");
  std::string bytes = Bytes(entrada);
  const std::string iant = "{C01/23} Iant:0.00\r\n";
  const std::size_t i = bytes.find(iant);
  ASSERT_NE(i, std::string::npos);
  bytes.replace(i, iant.size(), "{C01/23} Iant:nada\r\n");
  std::ofstream(entrada, std::ios::binary) << bytes;
  const Resultado parou =
      ExecutaPrograma(QUIV_SIM, {"resave", entrada.string(), (pasta_ / "b.smp").string()});
  EXPECT_EQ(parou.status, 1);
  EXPECT_NE(parou.erros.find("'nada' não é um número real válido ('nada' is not a valid floating "
                             "point value) (planta.smp, line "),
            std::string::npos)
      << parou.erros;
  EXPECT_NE(parou.erros.find(", {C01/23} Iant:)"), std::string::npos) << parou.erros;
  EXPECT_FALSE(fs::exists(pasta_ / "b.smp"));
}

}  // namespace
}  // namespace quiv::teste
