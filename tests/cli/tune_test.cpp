// SPDX-License-Identifier: GPL-3.0-or-later
// quiv-sim tune end to end: a plant saved by the program, tuned by the tool,
// its output checked against the same steps run in process on the same file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/analise/ajuste_controlador.h"
#include "core/analise/ensaio_degrau.h"
#include "core/analise/identificacao.h"
#include "core/analise/regras_sintonia.h"
#include "core/analise/verificacao_sintonia.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "pasta_temporaria.h"
#include "planta_degrau.h"
#include "processo.h"

namespace quiv::teste {
namespace {

namespace fs = std::filesystem;

// What the tool must find for the file: the step test, the fit, the rules
// and the check, run here on the file as the tool loads it.
struct Esperado {
  ResultadoIdentificacao id;
  std::vector<Sintonia> tabela;
  Sintonia escolhida;
  ParametrosControlador parametros;
  ResultadoVerificacao verificacao;
};

Esperado Calcula(const fs::path& arquivo, Regra regra, TipoControlador tipo,
                 std::uint64_t semente) {
  Documento doc;
  EXPECT_TRUE(LeSimulacao(doc, arquivo));
  const FabricaCopia copia = [&doc] { return CopiaSimulacao(doc); };
  OpcoesEnsaio ensaio;
  ensaio.semente = semente;
  Esperado e;
  const ResultadoEnsaio registro = EnsaioDegrau(copia, 1, ensaio);
  e.id = IdentificaModelo(registro);
  e.tabela = TabelaSintonia(e.id.modelo);
  e.escolhida = CalculaSintonia(regra, tipo, e.id.modelo);
  e.parametros = ParaControlador(e.escolhida, *doc.ControladorDe(1));
  OpcoesVerificacao opcoes;
  opcoes.semente = semente;
  opcoes.janela = JanelaVerificacao(e.id.modelo, e.escolhida);
  opcoes.assentamento = -registro.tempo.front();
  e.verificacao = VerificaSintonia(copia, 1, e.parametros, opcoes);
  return e;
}

std::string LinhaIndices(const char* rotulo, const RodadaVerificacao& r) {
  std::string linha = std::string(rotulo) + ";";
  for (const std::string& texto : r.indices) linha += texto + ";";
  return linha + "\n";
}

class Tune : public testing::Test {
 protected:
  void SetUp() override {
    Documento doc;
    doc.Titulo = "Trocador";
    IncluiMalhaPrimeiraOrdem(doc, 1.5, 20.0, 2.0);
    AdicionaRuido(doc, 0.2);
    SalvaSimulacao(doc, pasta / "planta.smp");
  }

  Resultado Executa(std::vector<std::string> argumentos) {
    argumentos.insert(argumentos.begin(), {"tune", "planta.smp"});
    return ExecutaPrograma(QUIV_SIM, argumentos, pasta().string());
  }

  PastaTemporaria pasta;
};

TEST_F(Tune, PrintsTheModelTheRulesAndTheCheckOfTheDefaultRule) {
  const Resultado r = Executa({"--loop", "1"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.erros, "");
  const Esperado e = Calcula(pasta / "planta.smp", Regra::IMC, TipoControlador::PI, 1);

  const ModeloProcesso& m = e.id.modelo;
  EXPECT_NE(r.saida.find("model: first order plus dead time; K = " + TextoSignificativo(m.K) +
                         " %/%; T = " + TextoSignificativo(m.T) +
                         " s; L = " + TextoSignificativo(m.L) + " s; R2 = "),
            std::string::npos)
      << r.saida;
  EXPECT_NE(r.saida.find("(settings for the ISA structure)\n"), std::string::npos);
  // One line per rule and controller, in the table's order.
  std::vector<std::string> linhas;
  for (std::size_t i = 0, j; (j = r.saida.find('\n', i)) != std::string::npos; i = j + 1)
    linhas.push_back(r.saida.substr(i, j - i));
  auto primeira = std::find_if(linhas.begin(), linhas.end(),
                               [](const std::string& l) { return l.starts_with("rule;"); });
  ASSERT_NE(primeira, linhas.end()) << r.saida;
  ASSERT_GT(linhas.end() - primeira, static_cast<long>(e.tabela.size()));
  for (std::size_t i = 0; i < e.tabela.size(); ++i) {
    const Sintonia& s = e.tabela[i];
    const std::string& linha = *(primeira + 1 + static_cast<long>(i));
    std::string resto = ";" + std::string(NomeTipo(s.tipo)) + ";";
    if (s.definida) {
      const ParametrosControlador p = ParaControlador(s, true);
      resto += p.TextoKp + ";" + p.TextoTi + ";" + p.TextoTd + ";" + s.nota;
    } else {
      resto += "not defined;;;" + s.motivo;
    }
    EXPECT_TRUE(linha.starts_with(NomeRegra(s.regra))) << linha;
    EXPECT_TRUE(linha.ends_with(resto)) << linha << " / " << resto;
  }
  const ParametrosControlador& p = e.parametros;
  EXPECT_NE(r.saida.find(
                "chosen: IMC/lambda PI (lambda " + TextoSignificativo(m.T) + " s): Kp " +
                p.TextoKp + ", Ti " + p.TextoTi +
                " s, Td 0 s, reverse action: the output falls when the PV rises (e = SP - PV)\n"),
            std::string::npos)
      << r.saida;
  EXPECT_NE(r.saida.find(LinhaIndices("sp before", e.verificacao.spAntes) +
                         LinhaIndices("sp after", e.verificacao.spDepois) +
                         LinhaIndices("load before", e.verificacao.cargaAntes) +
                         LinhaIndices("load after", e.verificacao.cargaDepois)),
            std::string::npos)
      << r.saida;
  // Nothing written without --apply.
  EXPECT_EQ(std::distance(fs::directory_iterator(pasta()), fs::directory_iterator()), 1);
}

TEST_F(Tune, ApplyWritesTheChosenSettingsIntoACopyOfTheFile) {
  const Resultado r =
      Executa({"--loop", "1", "--rule", "zn-pid", "--apply", "sintonizada.smp", "--seed", "4"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.erros, "quiv-sim tune: settings written to sintonizada.smp\n");
  const Esperado e = Calcula(pasta / "planta.smp", Regra::ZieglerNichols, TipoControlador::PID, 4);
  EXPECT_NE(r.saida.find("chosen: Ziegler-Nichols PID: Kp " + e.parametros.TextoKp + ", Ti " +
                         e.parametros.TextoTi + " s, Td " + e.parametros.TextoTd + " s"),
            std::string::npos)
      << r.saida;

  Documento original, sintonizada;
  ASSERT_TRUE(LeSimulacao(original, pasta / "planta.smp"));
  ASSERT_TRUE(LeSimulacao(sintonizada, pasta / "sintonizada.smp"));
  const Controlador& c = *sintonizada.ControladorDe(1);
  EXPECT_EQ(c.TextoKp, e.parametros.TextoKp);
  EXPECT_EQ(c.TextoTi, e.parametros.TextoTi);
  EXPECT_EQ(c.TextoTd, e.parametros.TextoTd);
  EXPECT_TRUE(c.AcaoD);
  EXPECT_DOUBLE_EQ(c.Kc, std::stod(e.parametros.TextoKp));
  // The rest of the plant is the file's.
  EXPECT_EQ(sintonizada.ProcessoDe(1)->Tal1, original.ProcessoDe(1)->Tal1);
  EXPECT_EQ(std::string(sintonizada.Titulo.Em(false)), "Trocador");
  EXPECT_EQ(sintonizada.ControladorDe(1)->ModoAuto, original.ControladorDe(1)->ModoAuto);
}

struct CasoErro {
  std::vector<std::string> argumentos;
  int status;
  std::string motivo;
};

TEST_F(Tune, RefusalsAndBadCommandLinesSayWhy) {
  Documento pequena;
  IncluiMalhaPrimeiraOrdem(pequena, 0.02, 20.0, 2.0);
  SalvaSimulacao(pequena, pasta / "pequena.smp");
  const std::vector<CasoErro> casos = {
      {{"tune", "planta.smp"}, 2, "no loop given (--loop K)"},
      {{"tune", "--loop", "1"}, 2, "no simulation file given"},
      {{"tune", "planta.smp", "--loop", "11"}, 2, "--loop must lie in 1 ... 10"},
      {{"tune", "planta.smp", "--loop", "x"}, 2, "needs an integer"},
      {{"tune", "planta.smp", "--loop", "1", "--amplitude", "0"}, 2, "non-zero amplitude"},
      {{"tune", "planta.smp", "--loop", "1", "--rule", "pid"}, 2, "--rule takes imc-pi"},
      {{"tune", "planta.smp", "--loop", "1", "--rule", "imc"}, 2, "--rule takes imc-pi"},
      {{"tune", "planta.smp", "--loop", "1", "--lambda", "0"}, 2, "--lambda needs a time"},
      {{"tune", "planta.smp", "--loop", "1", "--step", "0.3"}, 2, "divide one second"},
      {{"tune", "planta.smp", "--loop", "1", "--fast"}, 2, "unknown option '--fast'"},
      {{"tune", "nada.smp", "--loop", "1"}, 2, "File not found"},
      {{"tune", "planta.smp", "--loop", "3"}, 1, "quiv-sim tune: loop 3 has no controller"},
      {{"tune", "planta.smp", "--loop", "1", "--amplitude", "70"},
       1,
       "a step of 70 % from the output's 40 % would leave 0 ... 100 %"},
      {{"tune", "pequena.smp", "--loop", "1"}, 1, "the response is too small to fit"},
  };
  for (const CasoErro& c : casos) {
    const Resultado r = ExecutaPrograma(QUIV_SIM, c.argumentos, pasta().string());
    EXPECT_EQ(r.status, c.status) << c.motivo;
    EXPECT_NE(r.erros.find(c.motivo), std::string::npos) << r.erros;
    EXPECT_EQ(r.saida, "") << c.motivo;
  }
}

TEST_F(Tune, ARuleNotDefinedForTheModelExitsOneAfterTheTable) {
  const Resultado r = Executa({"--loop", "1", "--rule", "simc-pid", "--apply", "x.smp"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.saida.find("SIMC (tau c "), std::string::npos) << r.saida;
  EXPECT_EQ(r.saida.find("chosen:"), std::string::npos) << r.saida;
  EXPECT_NE(r.erros.find("quiv-sim tune: SIMC PID is SIMC adds derivative action only"),
            std::string::npos)
      << r.erros;
  EXPECT_FALSE(fs::exists(pasta / "x.smp"));
}

TEST_F(Tune, LambdaReachesTheRule) {
  const Resultado r = Executa({"--loop", "1", "--lambda", "7.5"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_NE(r.saida.find("IMC/lambda (lambda 7.5 s);PI;"), std::string::npos) << r.saida;
  EXPECT_NE(r.saida.find("chosen: IMC/lambda PI (lambda 7.5 s)"), std::string::npos);
}

TEST_F(Tune, HelpTellsTheRulesAndTheExitStatus) {
  for (const auto& argumentos :
       {std::vector<std::string>{"help", "tune"}, std::vector<std::string>{"tune", "--help"}}) {
    const Resultado r = ExecutaPrograma(QUIV_SIM, argumentos);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.saida.starts_with("Usage: quiv-sim tune FILE.smp --loop K")) << r.saida;
    EXPECT_NE(r.saida.find("itae-load-pi"), std::string::npos);
    EXPECT_NE(r.saida.find("Exit status: 0 done; 1 when the loop cannot be tuned"),
              std::string::npos);
  }
  const Resultado geral = ExecutaPrograma(QUIV_SIM, {"help"});
  EXPECT_NE(geral.saida.find("  tune    tune a loop from a step test"), std::string::npos)
      << geral.saida;
}

}  // namespace
}  // namespace quiv::teste
