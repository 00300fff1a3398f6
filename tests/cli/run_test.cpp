// SPDX-License-Identifier: GPL-3.0-or-later
// quiv-sim run end to end: a plant saved by the program, run by the tool, its
// output compared with the fast simulation of the same file in process.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/analise/historico_txd.h"
#include "core/analise/simulacao_rapida.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/documento.h"
#include "core/objetos/bloco.h"
#include "core/objetos/gerador.h"
#include "pasta_temporaria.h"
#include "planta_malha.h"
#include "processo.h"

namespace quiv::teste {
namespace {

namespace fs = std::filesystem;

// Loop 1 on a process; loop 2 measures the fast random channel M81, so its
// indices depend on the seed.
void MontaPlanta(Documento& doc) {
  doc.Titulo = "Caldeira";
  IncluiMalha(doc, 1);
  Controlador& c2 = IncluiMalha(doc, 2, 45);
  c2.ItemPV = 80;
  c2.AtualizaParametros(false);
  CanalGerador& canal = doc.gerador().Canal(81);
  canal.Tipo = 2;
  canal.Min = "40";
  canal.Max = "60";
  doc.gerador().AtualizaParametros();
}

// The lines `run` must print: the fast simulation of the file, in process.
std::string Esperado(const fs::path& arquivo, const OpcoesSimulacaoRapida& opcoes,
                     std::uint64_t semente) {
  Documento doc;
  EXPECT_TRUE(LeSimulacao(doc, arquivo));
  doc.simulacao.aleatorio.Semeia(semente);
  const ResultadoSimulacaoRapida r = SimulacaoRapida(doc.simulacao, opcoes);
  std::string saida;
  for (int k = 1; k <= 10; ++k) {
    const MalhaDesempenho& m = r.malhas[static_cast<std::size_t>(k)];
    if (!m.participa) continue;
    saida += "loop " + std::to_string(k) + ";";
    for (const std::string& texto : m.indices) saida += texto + ";";
    saida += "\n";
  }
  return saida;
}

class Run : public testing::Test {
 protected:
  void SetUp() override {
    Documento doc;
    MontaPlanta(doc);
    SalvaSimulacao(doc, pasta / "planta.smp");
  }

  Resultado Executa(std::vector<std::string> argumentos) {
    argumentos.insert(argumentos.begin(), {"run", "planta.smp"});
    return ExecutaPrograma(QUIV_SIM, argumentos, pasta().string());
  }

  std::vector<std::string> Historicos() const { return HistoricosDaPasta(pasta()); }

  PastaTemporaria pasta;
};

TEST_F(Run, DefaultsPrintOneLinePerLoopAndWriteTheHistoryUnderTheTitle) {
  const Resultado r = Executa({"--seed", "7"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, Esperado(pasta / "planta.smp", {}, 7));
  EXPECT_EQ(r.saida, Esperado(pasta / "planta.smp", {1800, 0.5, SinalTeste::Nenhum, 10, true}, 7));
  EXPECT_TRUE(r.saida.starts_with("loop 1;")) << r.saida;
  EXPECT_NE(r.saida.find("\nloop 2;"), std::string::npos) << r.saida;
  EXPECT_EQ(std::count(r.saida.begin(), r.saida.end(), ';'), 2 * 8);
  EXPECT_EQ(r.erros, "quiv-sim run: Dados salvos no arquivo Caldeira_1.txd\n");

  const std::string historico = pasta.Le("Caldeira_1.txd");
  EXPECT_EQ(std::count(historico.begin(), historico.end(), '\n'), 1801);
  EXPECT_NE(historico.find(";0.5;1800;\r\n"), std::string::npos);

  // The same seed repeats the run exactly; the next file takes the next number.
  const Resultado outra = Executa({"--seed", "7"});
  EXPECT_EQ(outra.saida, r.saida);
  EXPECT_EQ(pasta.Le("Caldeira_2.txd"), historico);
  EXPECT_NE(Executa({"--seed", "8", "--no-archive"}).saida, r.saida);
}

TEST_F(Run, OptionsReachTheRun) {
  const Resultado r = Executa({"--window", "3600", "--step", "0.2", "--test", "sp", "--amplitude",
                               "5", "--engineering", "--stem", "Estudo", "--seed", "3"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida,
            Esperado(pasta / "planta.smp", {3600, 0.2, SinalTeste::DegrauSP, 5, false}, 3));
  EXPECT_EQ(Historicos(), (std::vector<std::string>{"Estudo_1"}));
  const std::string historico = pasta.Le("Estudo_1.txd");
  EXPECT_EQ(std::count(historico.begin(), historico.end(), '\n'), 3601);
  EXPECT_NE(historico.find(";0.2;3600;\r\n"), std::string::npos);

  const Resultado carga =
      Executa({"--test", "load", "--amplitude", "-10", "--no-archive", "--seed", "3"});
  EXPECT_EQ(carga.saida, Esperado(pasta / "planta.smp",
                                  {1800, 0.5, SinalTeste::DisturbioProcesso, -10, true}, 3));
  EXPECT_EQ(carga.erros, "");
  EXPECT_EQ(Historicos(), (std::vector<std::string>{"Estudo_1"}));
}

// An overflow anywhere in a step, in an expression or in a product the
// evaluator never sees (a process gain of 1e308), ends the run: exit 1 and
// no history that would look complete.
TEST_F(Run, FailingRunExitsOneAndLeavesNoHistory) {
  const struct {
    const char* nome;
    std::function<void(Documento&)> estraga;
  } casos[] = {
      {"block expression",
       [](Documento& doc) {
         Bloco& b = doc.NovoBloco(1);
         b.Tag = "B1";
         b.Funcao = "M21^400";
         b.AtualizaParametros(false);
       }},
      {"process gain",
       [](Documento& doc) {
         Processo& p = *doc.ProcessoDe(1);
         p.Ganho = "1E+308";
         p.AtualizaParametros(false);
       }},
  };
  for (const auto& caso : casos) {
    Documento doc;
    MontaPlanta(doc);
    caso.estraga(doc);
    SalvaSimulacao(doc, pasta / "planta.smp");
    const Resultado r = Executa({});
    EXPECT_EQ(r.status, 1) << caso.nome;
    EXPECT_NE(r.erros.find("Floating point overflow"), std::string::npos) << r.erros;
    EXPECT_NE(r.erros.find("quiv-sim run: no history file was written\n"), std::string::npos)
        << r.erros;
    EXPECT_EQ(r.saida, "") << caso.nome;
    // Neither a history cut short nor its temporary file.
    std::vector<std::string> arquivos;
    for (const auto& e : fs::directory_iterator(pasta())) arquivos.push_back(e.path().filename());
    EXPECT_EQ(arquivos, std::vector<std::string>{"planta.smp"}) << caso.nome;
  }
}

struct CasoUso {
  std::vector<std::string> argumentos;
  std::string motivo;
};

TEST_F(Run, BadCommandLinesExitTwoAndWriteNothing) {
  const std::vector<CasoUso> casos = {
      {{"run"}, "no simulation file given"},
      {{"run", "planta.smp", "outra.smp"}, "more than one simulation file"},
      {{"run", "planta.smp", "--test", "ramp"}, "--test takes none, sp or load"},
      {{"run", "planta.smp", "--step", "0.3"}, "divide one second"},
      {{"run", "planta.smp", "--step", "0"}, "must lie in 0.001 ... 1 s"},
      {{"run", "planta.smp", "--step", "2"}, "must lie in 0.001 ... 1 s"},
      {{"run", "planta.smp", "--step", "0.0005"}, "must lie in 0.001 ... 1 s"},
      {{"run", "planta.smp", "--window", "0"}, "--window must lie in"},
      {{"run", "planta.smp", "--window", "90.5"}, "needs an integer"},
      {{"run", "planta.smp", "--amplitude", "1.5"}, "needs an integer"},
      {{"run", "planta.smp", "--seed", "-1"}, "needs an integer"},
      {{"run", "planta.smp", "--stem"}, "needs a value"},
      {{"run", "planta.smp", "--fast"}, "unknown option '--fast'"},
      {{"run", "nada.smp"}, "File not found"},
  };
  for (const CasoUso& c : casos) {
    const Resultado r = ExecutaPrograma(QUIV_SIM, c.argumentos, pasta().string());
    EXPECT_EQ(r.status, 2) << c.argumentos.back();
    EXPECT_NE(r.erros.find(c.motivo), std::string::npos) << r.erros;
    EXPECT_EQ(r.saida, "");
  }
  EXPECT_TRUE(Historicos().empty());

  const Resultado ajuda = ExecutaPrograma(QUIV_SIM, {"run", "--help"});
  EXPECT_EQ(ajuda.status, 0);
  EXPECT_TRUE(ajuda.saida.starts_with("Usage: quiv-sim run FILE.smp")) << ajuda.saida;
  EXPECT_NE(ajuda.saida.find("0.2, 0.5 (default) and 1."), std::string::npos) << ajuda.saida;
}

}  // namespace
}  // namespace quiv::teste
