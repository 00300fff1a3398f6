// SPDX-License-Identifier: GPL-3.0-or-later
// Every card of the examples gallery: its plant, its pictures, a clean load,
// and the golden runs (a set-point step and a load step) that must stay
// stable and keep the indices stored beside the example. Set
// QUIV_GRAVA_ESPERADO=1 to rewrite the stored indices after a deliberate
// change of a plant (then read the diff before committing it).
#include "core/arquivo/exemplos.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ostream>
#include <set>

#include "core/arquivo/copia_documento.h"
#include "exemplo_carregado.h"

namespace quiv {
// A card in a test's name and messages: its picture name ("sim18").
void PrintTo(const CartaoExemplo& c, std::ostream* os) { *os << c.figura; }
}  // namespace quiv

namespace quiv::teste {
namespace {

// Width and height of a PNG file, from its header; {0, 0} when it is none.
std::array<std::uint32_t, 2> TamanhoPng(const std::filesystem::path& arquivo) {
  std::ifstream f(arquivo, std::ios::binary);
  std::array<unsigned char, 24> cabecalho{};
  if (!f.read(reinterpret_cast<char*>(cabecalho.data()), cabecalho.size())) return {0, 0};
  if (cabecalho[1] != 'P' || cabecalho[2] != 'N' || cabecalho[3] != 'G') return {0, 0};
  auto palavra = [&cabecalho](std::size_t i) {
    return std::uint32_t{cabecalho[i]} << 24 | std::uint32_t{cabecalho[i + 1]} << 16 |
           std::uint32_t{cabecalho[i + 2]} << 8 | std::uint32_t{cabecalho[i + 3]};
  };
  return {palavra(16), palavra(20)};
}

bool Grava() { return std::getenv("QUIV_GRAVA_ESPERADO") != nullptr; }

TEST(Galeria, SeisAbasDeDuasLinhasDeDois) {
  std::array<int, kAbasExemplos> porAba{};
  std::set<std::string_view> figuras;
  std::set<std::string_view> arquivos;
  int anterior = 0;
  for (const CartaoExemplo& c : CartoesExemplos()) {
    ASSERT_GE(c.aba, anterior) << c.titulo;  // tab by tab
    anterior = c.aba;
    ++porAba[static_cast<std::size_t>(c.aba)];
    EXPECT_TRUE(figuras.insert(c.figura).second) << c.figura;
    EXPECT_TRUE(arquivos.insert(c.arquivo).second) << c.arquivo;
  }
  EXPECT_EQ(porAba, (std::array<int, kAbasExemplos>{4, 2, 4, 4, 4, 4}));
}

class Exemplo : public ::testing::TestWithParam<CartaoExemplo> {
 protected:
  std::string Arquivo() const { return std::string(GetParam().arquivo); }
  std::filesystem::path Caminho() const { return PastaFonte() / Arquivo(); }
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(Caminho())) << "missing: " << Arquivo();
  }
};

TEST_P(Exemplo, TemFiguraECartao) {
  const ExemploCarregado e = CarregaExemplo(Arquivo());
  ASSERT_TRUE(e.achado);
  ASSERT_FALSE(e.doc->FiguraFundo.empty());
  const auto fundo = TamanhoPng(Caminho().parent_path() / e.doc->FiguraFundo);
  EXPECT_GE(fundo[0], 800u) << e.doc->FiguraFundo;
  EXPECT_GE(fundo[1], 450u) << e.doc->FiguraFundo;
  const auto cartao =
      TamanhoPng(PastaFonte() / kPastaGaleria / (std::string(GetParam().figura) + ".png"));
  EXPECT_EQ(cartao, (std::array<std::uint32_t, 2>{321, 193})) << GetParam().figura;
}

TEST_P(Exemplo, CarregaSemMensagens) {
  const ExemploCarregado e = CarregaExemplo(Arquivo());
  ASSERT_TRUE(e.achado);
  for (const std::string& m : e.mensagens) ADD_FAILURE() << m;
  EXPECT_FALSE(e.doc->Titulo.Completo().empty());
  EXPECT_FALSE(e.doc->comentarios.Portugues.empty());
  EXPECT_FALSE(e.doc->comentarios.Ingles.empty());
}

// An exact copy of the running example goes on exactly as the example does:
// the same cells after every full scan cycle, bit for bit.
TEST_P(Exemplo, CopiaExataAndaJuntoComOriginal) {
  ExemploCarregado e = CarregaExemplo(Arquivo());
  ASSERT_TRUE(e.achado);
  Documento& doc = *e.doc;
  doc.simulacao.aleatorio.Semeia(3);
  auto roda = [](Documento& d, int ciclos, int inicio) {
    std::vector<double> celulas;
    for (int i = 0; i < ciclos; ++i) {
      d.Ciclo(100.0 * (inicio + i));
      celulas.insert(celulas.end(), d.simulacao.memoria.celula.begin(),
                     d.simulacao.memoria.celula.end());
    }
    return celulas;
  };
  roda(doc, 300, 0);
  const std::unique_ptr<Documento> copia = CopiaDocumento(doc);
  const std::vector<double> original = roda(doc, 600, 300);
  const std::vector<double> copiada = roda(*copia, 600, 300);
  ASSERT_EQ(original.size(), copiada.size());
  EXPECT_EQ(std::memcmp(original.data(), copiada.data(), original.size() * sizeof(double)), 0);
}

// Each golden run: stable, and the indices stored beside the example.

void VerificaCorrida(const std::string& arquivo, const char* secao, SinalTeste sinal) {
  Ensaio ensaio = LeEnsaio(arquivo);
  ExemploCarregado e = CarregaExemplo(arquivo);
  ASSERT_TRUE(e.achado);
  const int amplitude = sinal == SinalTeste::DegrauSP ? ensaio.degrauSP : ensaio.degrauCarga;
  const ResultadoSimulacaoRapida r = Roda(*e.doc, sinal, amplitude, ensaio.janela);
  for (const std::string& falha : FalhasDeEstabilidade(*e.doc, r, ensaio)) ADD_FAILURE() << falha;
  const std::vector<std::string> linhas = LinhasIndices(r);
  ASSERT_FALSE(linhas.empty()) << "no loop took part";
  if (Grava()) {
    ensaio.esperado[secao] = linhas;
    GravaEsperado(arquivo, ensaio.esperado);
    return;
  }
  ASSERT_TRUE(ensaio.esperado.count(secao))
      << "no [" << secao << "] in " << ArquivoEsperado(arquivo)
      << "; run with QUIV_GRAVA_ESPERADO=1";
  for (const std::string& d : DiferencasIndices(ensaio.esperado[secao], linhas)) ADD_FAILURE() << d;
}

TEST_P(Exemplo, DegrauNoSPEstavel) { VerificaCorrida(Arquivo(), "sp", SinalTeste::DegrauSP); }
TEST_P(Exemplo, DegrauDeCargaEstavel) {
  VerificaCorrida(Arquivo(), "carga", SinalTeste::DisturbioProcesso);
}

std::string NomeDoCartao(const ::testing::TestParamInfo<CartaoExemplo>& info) {
  return std::string(info.param.figura);
}

INSTANTIATE_TEST_SUITE_P(Galeria, Exemplo, ::testing::ValuesIn(CartoesExemplos()), NomeDoCartao);

}  // namespace
}  // namespace quiv::teste
