// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/historico_txd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/windows1252.h"
#include "pasta_temporaria.h"
#include "planta_malha.h"

namespace quiv {
namespace {

using teste::PastaTemporaria;

// --- fields -----------------------------------------------------------------

struct CasoCampo {
  std::string linha;
  int n;
  std::optional<double> valor;
};

TEST(CampoTxdTest, ReadsTheTextBetweenSemicolons) {
  const std::string linha = " 7.50; 50.00;100.00;-3.25;";
  const std::vector<CasoCampo> casos = {
      {linha, 1, 7.5},
      {linha, 3, 100.0},
      {linha, 4, -3.25},
      {linha, 5, std::nullopt},  // no fifth ";"
      {linha, 0, std::nullopt},
      {"1e3;", 1, 1000.0},
      {"abc;", 1, std::nullopt},
      {";", 1, std::nullopt},
      {"1,5;", 1, std::nullopt},  // the point is the only decimal separator
      {" 12.5x;", 1, std::nullopt},
      {"12.5", 1, std::nullopt},  // a field must be closed by ";"
      {"inf;nan;", 1, std::nullopt},
  };
  for (const CasoCampo& c : casos)
    EXPECT_EQ(CampoTxd(c.linha, c.n), c.valor) << c.linha << " " << c.n;
}

// --- writing ----------------------------------------------------------------

TEST(CabecalhoTxdTest, NinetyNineDescriptionsThenStepAndWindow) {
  Memoria m;
  m.DescricaoEndereco[1] = "Saída 1";
  m.DescricaoEndereco[5] = "linha\r\nquebrada";
  m.DescricaoEndereco[7] = "Saída Linearizador";
  const std::string cabecalho = CabecalhoTxd(m, 0.1, 1800);
  // Windows-1252, like the simulation file: one byte for "í".
  EXPECT_TRUE(
      cabecalho.starts_with("01 Sa\xED"
                            "da 1;02 ;03 ;04 ;05 linha  quebrada;06 ;"
                            "07 Sa\xED"
                            "da Linearizador;08 ;"))
      << cabecalho;
  EXPECT_TRUE(cabecalho.ends_with(";98 ;99 ;0.1;1800;\r\n"));
  EXPECT_EQ(std::count(cabecalho.begin(), cabecalho.end(), '\n'), 1);
  EXPECT_EQ(CampoTxd(cabecalho, 100), 0.1);
  EXPECT_EQ(CampoTxd(cabecalho, 101), 1800);

  for (const auto& [ta, texto] : std::vector<std::pair<double, std::string>>{
           {0.2, ";0.2;7200;"}, {1.0, ";1.0;7200;"}, {0.05, ";0.05;7200;"}, {0.25, ";0.25;7200;"}})
    EXPECT_NE(CabecalhoTxd(m, ta, 7200).find(texto), std::string::npos) << ta;
}

TEST(LinhaTxdTest, TwoDecimalsPaddedToFiveCharacters) {
  Memoria m;
  m.celula[1] = 7.5;
  m.celula[2] = 50;
  m.celula[3] = 100;
  m.celula[4] = -5;
  m.celula[5] = -0.001;  // rounds to zero: no minus sign
  m.celula[6] = 1234.567;
  m.celula[7] = 0.005;  // half away from zero
  m.celula[99] = 12.345;
  m.celula[100] = 77;  // beyond M99: not in the file
  std::string linha;
  AcrescentaLinhaTxd(m, linha);
  EXPECT_TRUE(linha.starts_with(" 7.50;50.00;100.00;-5.00; 0.00;1234.57; 0.01; 0.00;")) << linha;
  EXPECT_TRUE(linha.ends_with("; 0.00;12.35;\r\n")) << linha;
  EXPECT_EQ(std::count(linha.begin(), linha.end(), ';'), 99);
  EXPECT_EQ(ValorNoHistorico(7.499999), 7.5);
  EXPECT_EQ(ValorNoHistorico(0.005), 0.01);
  EXPECT_EQ(ValorNoHistorico(-0.001), 0.0);
}

// The names of the files in a folder, sorted.
std::vector<std::string> Arquivos(const std::filesystem::path& pasta) {
  std::vector<std::string> nomes;
  for (const auto& e : std::filesystem::directory_iterator(pasta))
    nomes.push_back(e.path().filename().string());
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}

TEST(NomeHistoricoTest, FirstFreeNumberNeverAnExistingFile) {
  PastaTemporaria pasta;
  pasta.Escreve("Caldeira_1.txd", "um");
  pasta.Escreve("Caldeira_2.txd", "dois");
  EXPECT_EQ(NomeHistoricoLivre(pasta(), "Caldeira"), pasta / "Caldeira_3.txd");
  // A title with separators still names a file of this folder.
  EXPECT_EQ(NomeHistoricoLivre(pasta(), "../Sala/2"), pasta / ".._Sala_2_1.txd");
}

// While a run writes, the history is a temporary file the lists do not show;
// it takes the first free name when closed, whichever run closes first.
TEST(GravadorTxdTest, TheHistoryIsNamedWhenClosedNeverReplacingAFile) {
  PastaTemporaria pasta;
  pasta.Escreve("Caldeira_1.txd", "um");
  Memoria m;
  const std::string cabecalho = CabecalhoTxd(m, 1.0, 2);
  GravadorTxd a(pasta(), "Caldeira", cabecalho);
  GravadorTxd b(pasta(), "Caldeira", cabecalho);
  EXPECT_FALSE(a.Nomeado());
  EXPECT_NE(a.Caminho(), b.Caminho());
  EXPECT_EQ(a.Caminho().parent_path(), pasta());
  EXPECT_EQ(HistoricosDaPasta(pasta()), std::vector<std::string>{"Caldeira_1"});

  m.celula[1] = 1;
  a.EscreveLinha(m);
  pasta.Escreve("Caldeira_2.txd", "dois");  // appears while the runs go
  b.Fecha();
  a.Fecha();
  EXPECT_TRUE(a.Nomeado());
  EXPECT_EQ(b.Caminho(), pasta / "Caldeira_3.txd");
  EXPECT_EQ(a.Caminho(), pasta / "Caldeira_4.txd");
  a.Fecha();  // nothing more to do
  a.Descarta();

  std::string esperado = cabecalho;
  AcrescentaLinhaTxd(m, esperado);
  EXPECT_EQ(pasta.Le("Caldeira_4.txd"), esperado);
  EXPECT_EQ(pasta.Le("Caldeira_3.txd"), cabecalho);
  EXPECT_EQ(pasta.Le("Caldeira_1.txd"), "um");
  EXPECT_EQ(pasta.Le("Caldeira_2.txd"), "dois");
  EXPECT_EQ(Arquivos(pasta()), (std::vector<std::string>{"Caldeira_1.txd", "Caldeira_2.txd",
                                                         "Caldeira_3.txd", "Caldeira_4.txd"}));
}

TEST(GravadorTxdTest, AnUnfinishedHistoryIsRemoved) {
  PastaTemporaria pasta;
  Memoria m;
  {
    GravadorTxd g(pasta(), "Caldeira", CabecalhoTxd(m, 1.0, 2));
    g.EscreveLinha(m);
    EXPECT_EQ(Arquivos(pasta()).size(), 1u);
  }  // never closed: a run that stopped
  EXPECT_TRUE(Arquivos(pasta()).empty());

  GravadorTxd g(pasta(), "Caldeira", CabecalhoTxd(m, 1.0, 2));
  g.Descarta();
  EXPECT_TRUE(Arquivos(pasta()).empty());
  EXPECT_THROW(g.EscreveLinha(m), Erro);
  EXPECT_THROW(g.Fecha(), Erro);
  EXPECT_TRUE(Arquivos(pasta()).empty());
}

TEST(NomeHistoricoTest, UncreatableFileSaysWhatWhereAndWhy) {
  PastaTemporaria pasta;
  try {
    GravadorTxd g(pasta / "não existe", "x", "cabeçalho\r\n");
    FAIL() << "created " << g.Caminho();
  } catch (const Erro& e) {
    const std::string mensagem = e.what();
    EXPECT_EQ(mensagem.rfind("cannot create " + (pasta / "não existe").string() + "/", 0), 0u)
        << mensagem;
    EXPECT_TRUE(mensagem.ends_with(": No such file or directory")) << mensagem;
  }
}

TEST(HistoricosDaPastaTest, TxdNamesWithoutExtensionSorted) {
  PastaTemporaria pasta;
  for (const char* nome : {"b_1.txd", "a_2.txd", "a_10.txd", "planta.smp", "txd"})
    pasta.Escreve(nome, "");
  std::filesystem::create_directory(pasta / "pasta.txd");
  EXPECT_EQ(HistoricosDaPasta(pasta()), (std::vector<std::string>{"a_10", "a_2", "b_1"}));
  EXPECT_TRUE(HistoricosDaPasta(pasta / "nenhuma").empty());
}

// --- reading ----------------------------------------------------------------

// Loops 1 and 3 exist (PVs M21 and M23, M23 in kPa over 0 … 200); loop 2 does
// not, whatever a file holds for it.
class LeHistoricoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    teste::IncluiMalha(doc, 1);
    teste::IncluiMalha(doc, 3);
    doc.simulacao.memoria.DefineDescritor(23, {"kPa", "0", "200", "0", "200"});
  }

  // A data line with the given cells, the others 0.
  static std::string Linha(std::initializer_list<std::pair<int, double>> celulas) {
    Memoria m;
    for (const auto& [k, v] : celulas) m.celula[static_cast<std::size_t>(k)] = v;
    std::string linha;
    AcrescentaLinhaTxd(m, linha);
    return linha;
  }

  Documento doc;
  PastaTemporaria pasta;
};

TEST_F(LeHistoricoTest, LoopsOfTheOpenSimulationInPercentOrEngineeringUnits) {
  std::string texto = CabecalhoTxd(doc.simulacao.memoria, 1.0, 3);
  texto += Linha({{1, 40}, {21, 45}, {61, 50}, {3, 10}, {23, 20}, {63, 25}, {2, 99}});
  texto += Linha({{1, 60}, {21, 55}, {61, 50}, {3, 12}, {23, 30}, {63, 25}});
  texto += Linha({{1, 70}, {21, 50}, {61, 50}, {3, 14}, {23, 25}, {63, 25}});
  texto += Linha({{1, 1}});  // beyond the announced window
  pasta.Escreve("h_1.txd", texto);

  const HistoricoLido pct = LeHistoricoTxd(pasta / "h_1.txd", doc.simulacao, true);
  EXPECT_EQ(pct.janela, 3);
  EXPECT_EQ(pct.linhasLidas, 3u);
  EXPECT_EQ(pct.camposInvalidos, 0u);
  const MalhaDesempenho& m1 = pct.malhas[1];
  ASSERT_TRUE(m1.participa);
  EXPECT_EQ(m1.series.MV, (std::vector<double>{40, 60, 70}));
  EXPECT_EQ(m1.series.PV, (std::vector<double>{45, 55, 50}));
  EXPECT_EQ(m1.series.SP, (std::vector<double>{50, 50, 50}));
  EXPECT_EQ(m1.indices, CalculaIndices(m1.series.PV, m1.series.SP, m1.series.MV));
  EXPECT_EQ(m1.escala.unidade, "%");
  EXPECT_FALSE(pct.malhas[2].participa);
  EXPECT_TRUE(pct.malhas[2].series.MV.empty());

  const HistoricoLido eng = LeHistoricoTxd(pasta / "h_1.txd", doc.simulacao, false);
  const MalhaDesempenho& m3 = eng.malhas[3];
  EXPECT_EQ(m3.escala.unidade, "kPa");
  EXPECT_EQ(m3.series.PV, (std::vector<double>{40, 60, 50}));  // 0 + 200·v/100
  EXPECT_EQ(m3.series.SP, (std::vector<double>{50, 50, 50}));
  EXPECT_EQ(m3.series.MV, (std::vector<double>{10, 12, 14}));  // always in %
  EXPECT_EQ(m3.indices[kIEM], " 0.00");
}

TEST_F(LeHistoricoTest, DamagedFileLoadsWhatItCan) {
  Memoria m;
  m.DescricaoEndereco[10] = "vazão; entrada";  // shifts the header's fields by one
  std::string texto = CabecalhoTxd(m, 0.1, 1800);
  texto += Linha({{1, 40}, {21, 45}, {61, 50}});
  std::string ruim = Linha({{1, 41}, {21, 46}, {61, 50}});
  ruim.replace(ruim.find("46.00"), 5, "x6.00");
  texto += ruim;
  texto += " 42.00;";  // a last line cut short, without its end
  pasta.Escreve("h_1.txd", texto);

  std::vector<int> progresso;
  const HistoricoLido lido = LeHistoricoTxd(pasta / "h_1.txd", doc.simulacao, true,
                                            [&](int p) { progresso.push_back(p); });
  EXPECT_EQ(lido.janela, 1800);
  EXPECT_EQ(lido.linhasLidas, 3u);
  const MalhaDesempenho& m1 = lido.malhas[1];
  EXPECT_EQ(m1.series.PV, (std::vector<double>{45, 0, 0}));
  EXPECT_EQ(m1.series.MV, (std::vector<double>{40, 41, 42}));
  // The bad PV, then the short line: PV and SP of loop 1, all three of loop 3.
  EXPECT_EQ(lido.camposInvalidos, 1u + 2u + 3u);
  EXPECT_EQ(progresso, (std::vector<int>{0}));
}

TEST_F(LeHistoricoTest, ShortWindowsAndEmptyFilesDoNotDivideByZero) {
  pasta.Escreve("um.txd", CabecalhoTxd(doc.simulacao.memoria, 1.0, 1) + Linha({{21, 30}}));
  const HistoricoLido um = LeHistoricoTxd(pasta / "um.txd", doc.simulacao, true);
  EXPECT_EQ(um.malhas[1].indices[kVariabilidade], " 0.00");
  EXPECT_EQ(um.malhas[1].indices[kPVMinMax], " 30.0/ 30.0");

  pasta.Escreve("vazio.txd", "");
  const HistoricoLido vazio = LeHistoricoTxd(pasta / "vazio.txd", doc.simulacao, true);
  EXPECT_EQ(vazio.linhasLidas, 0u);
  EXPECT_EQ(vazio.malhas[1].indices[kIEM], " 0.00");

  pasta.Escreve("sem_janela.txd", "01 a;x;y;\r\n" + Linha({{21, 1}}) + Linha({{21, 2}}));
  EXPECT_EQ(LeHistoricoTxd(pasta / "sem_janela.txd", doc.simulacao, true).linhasLidas, 2u);
}

// The window is clamped before it becomes an integer: any number a damaged
// header holds gives 0 … INT_MAX.
TEST_F(LeHistoricoTest, AnyWindowTheHeaderHoldsIsAWholeNumberOfLines) {
  const std::string dados = Linha({{21, 1}}) + Linha({{21, 2}});
  const std::vector<std::pair<std::string, int>> casos = {
      {"b;-1111111711200;", 0},
      {"b;-1e308;", 0},
      {"b;-0.4;", 0},
      {"b;1.6;", 2},
      {"b;1e12;", INT_MAX},
      {"b;1e308;", INT_MAX},
      {"b;2147483648;", INT_MAX},
  };
  for (const auto& [cabecalho, janela] : casos) {
    std::istringstream entrada(cabecalho + "\r\n" + dados);
    const HistoricoLido lido = LeHistoricoTxd(entrada, doc.simulacao, true);
    EXPECT_EQ(lido.janela, janela) << cabecalho;
    EXPECT_EQ(lido.linhasLidas, std::min<std::size_t>(2, static_cast<std::size_t>(janela)))
        << cabecalho;
  }
}

// The descriptions come back as UTF-8 from a Windows-1252 file (as written)
// and from a UTF-8 one; a ";" inside a description does not split it.
TEST_F(LeHistoricoTest, HeaderInWindows1252OrUtf8) {
  Memoria m;
  m.DescricaoEndereco[1] = "Saída Linearizador";
  m.DescricaoEndereco[10] = "vazão; entrada";
  m.DescricaoEndereco[99] = "último";
  const std::string windows1252 = CabecalhoTxd(m, 0.5, 2);
  const std::string utf8 = DeWindows1252(windows1252);
  ASSERT_NE(utf8, windows1252);
  for (const std::string& cabecalho : {windows1252, utf8, "\xEF\xBB\xBF" + utf8}) {
    std::istringstream entrada(cabecalho + Linha({{21, 1}}) + Linha({{21, 2}}));
    const HistoricoLido lido = LeHistoricoTxd(entrada, doc.simulacao, true);
    EXPECT_EQ(lido.janela, 2);
    EXPECT_EQ(lido.linhasLidas, 2u);
    EXPECT_EQ(lido.descricoes[1], "Saída Linearizador");
    EXPECT_EQ(lido.descricoes[2], "");
    EXPECT_EQ(lido.descricoes[10], "vazão; entrada");
    EXPECT_EQ(lido.descricoes[99], "último");
  }

  // A header not in the file's shape gives the descriptions it holds in it.
  std::istringstream curto("01 n\xEDvel;02 b;x;0.5;2;\r\n");
  const HistoricoLido lido = LeHistoricoTxd(curto, doc.simulacao, true);
  EXPECT_EQ(lido.descricoes[1], "nível");
  EXPECT_EQ(lido.descricoes[2], "");  // "02 b;x" is not followed by "03 "
  EXPECT_EQ(lido.janela, 2);
}

// A PV choice the controller refused does not count: the loop is read at the
// PV it applied.
TEST_F(LeHistoricoTest, ARefusedPVChoiceIsReadAtTheAppliedPV) {
  Controlador& c = *doc.ControladorDe(1);
  c.ItemPV = 123;  // M124: no column in the file, and refused by the controller
  EXPECT_FALSE(c.AtualizaParametros(false));
  std::istringstream entrada(CabecalhoTxd(doc.simulacao.memoria, 1.0, 1) +
                             Linha({{21, 33}, {99, 7}}));
  const HistoricoLido lido = LeHistoricoTxd(entrada, doc.simulacao, true);
  ASSERT_TRUE(lido.malhas[1].participa);
  EXPECT_EQ(lido.malhas[1].enderecoPV, 21);
  EXPECT_EQ(lido.malhas[1].series.PV, std::vector<double>{33});
}

TEST_F(LeHistoricoTest, MissingFileSaysWhatWhereAndWhy) {
  try {
    LeHistoricoTxd(pasta / "nada.txd", doc.simulacao, true);
    FAIL();
  } catch (const Erro& e) {
    EXPECT_EQ(e.what(),
              "cannot open " + (pasta / "nada.txd").string() + ": No such file or directory");
  }
}

}  // namespace
}  // namespace quiv
