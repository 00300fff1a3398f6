// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/comando_run.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/argumento_arquivo.h"
#include "cli/atribuicao.h"
#include "cli/carrega_simulacao.h"
#include "cli/erro_uso.h"
#include "cli/saida_terminal.h"
#include "core/analise/historico_txd.h"
#include "core/analise/simulacao_rapida.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/objetos/controlador.h"

namespace quiv::cli {

namespace {

constexpr std::string_view kUso =
    "Usage: quiv-sim run FILE.smp [--window SECONDS] [--step TA] [--test none|sp|load]\n"
    "                    [--amplitude A] [--engineering] [--stem STEM] [--no-archive]\n"
    "                    [--seed N]\n";

constexpr std::string_view kAjuda =
    R"(Usage: quiv-sim run FILE.smp [--window SECONDS] [--step TA] [--test none|sp|load]
                    [--amplitude A] [--engineering] [--stem STEM] [--no-archive]
                    [--seed N]

Loads the simulation file FILE.smp with the Portuguese interface, exactly as the
program opens it, and runs its fast simulation: the plant is stepped off-line
for the window of simulated time, one record is taken per simulated second, and
the seven performance indices of every loop are computed. A loop is controller
k with the PV chosen in it; its SP is M(60+k) and its output M(k).

Output: for each loop that takes part, in order, one line
  loop K;VARIABILITY;IEM;IEMA;CO TRAVEL;CO STD DEV;CO SATURATION;PV MIN/MAX;
with the index texts as the program shows them (PV and SP in % unless
--engineering). The history file is written into the current directory as
STEM_n.txd with the first n whose file does not exist, once the run has ended;
its name goes to standard error. A run that stops writes no history file.

Options:
  --window SECONDS  simulated window, a whole number of seconds up to 1000000;
                    the program offers 1800 (default), 3600, 7200 and 14400.
  --step TA         simulation step in seconds, 0.001 <= TA <= 1, dividing
                    one second (0.05, 0.1, 0.25 ...); the program offers 0.1,
                    0.2, 0.5 (default) and 1.
  --test none|sp|load
                    test signal, applied once to every controller a little
                    after 10 % of the window: none (default), sp (set-point
                    step; lost by a controller in remote) or load (step
                    disturbance added to the output bias; lost by a
                    controller whose feed-forward sets the bias).
  --amplitude A     step amplitude in %, an integer (default 10).
  --engineering     PV and SP in the PV's engineering units, not in %.
  --stem STEM       stem of the history file name (default: the simulation
                    title, or DadosDesempenho when it is empty).
  --no-archive      write no history file.
  --seed N          seed the random signals with the integer N, so that runs
                    repeat exactly (default: from the clock).
  -h, --help        show this text.

A progress indication goes to standard error when it is a terminal. The texts
of failed parameter checks raised while loading go to standard error too.

Exit status: 0 after a complete run; 1 when the load or the run stopped (for
example a floating-point overflow) or the history file could not be written,
with the message on standard error and no history file left; 2 for a bad
command line or a missing FILE.smp.
)";

struct Pedido {
  std::string arquivo;
  OpcoesSimulacaoRapida opcoes;
  std::optional<std::string> stem;
  bool arquiva = true;
  std::optional<std::uint64_t> semente;
};

template <typename Inteiro>
Inteiro LeInteiro(std::string_view opcao, std::string_view texto) {
  Inteiro valor{};
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (texto.empty() || erro != std::errc() || fim != texto.data() + texto.size())
    throw ErroUso("option " + std::string(opcao) + " needs an integer, not '" + std::string(texto) +
                  "'");
  return valor;
}

double LePasso(std::string_view texto) {
  OpcoesSimulacaoRapida opcoes;
  opcoes.TA = LeNumeroDecimal(texto);
  if (const auto problema = ProblemaDasOpcoes(opcoes))
    throw ErroUso("--step '" + std::string(texto) + "': " + *problema);
  return opcoes.TA;
}

SinalTeste LeSinal(std::string_view texto) {
  if (texto == "none") return SinalTeste::Nenhum;
  if (texto == "sp") return SinalTeste::DegrauSP;
  if (texto == "load") return SinalTeste::DisturbioProcesso;
  throw ErroUso("--test takes none, sp or load, not '" + std::string(texto) + "'");
}

Pedido LeArgumentos(std::span<const std::string_view> argumentos) {
  Pedido pedido;
  std::optional<std::string> arquivo;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string_view a = argumentos[i];
    auto valor = [&]() -> std::string_view {
      if (i + 1 == argumentos.size()) throw ErroUso("option " + std::string(a) + " needs a value");
      return argumentos[++i];
    };
    if (a == "--window") {
      const int w = LeInteiro<int>(a, valor());
      if (w < 1 || w > 1000000) throw ErroUso("--window must lie in 1 ... 1000000 seconds");
      pedido.opcoes.janela = w;
    } else if (a == "--step") {
      pedido.opcoes.TA = LePasso(valor());
    } else if (a == "--test") {
      pedido.opcoes.sinal = LeSinal(valor());
    } else if (a == "--amplitude") {
      pedido.opcoes.amplitude = LeInteiro<int>(a, valor());
    } else if (a == "--engineering") {
      pedido.opcoes.Normaliza = false;
    } else if (a == "--stem") {
      pedido.stem = std::string(valor());
    } else if (a == "--no-archive") {
      pedido.arquiva = false;
    } else if (a == "--seed") {
      pedido.semente = LeInteiro<std::uint64_t>(a, valor());
    } else {
      LeArgumentoArquivo(a, arquivo);
    }
  }
  pedido.arquivo = ArquivoDado(arquivo);
  return pedido;
}

int Executa(std::span<const std::string_view> argumentos) {
  for (const std::string_view a : argumentos) {
    if (PedeAjuda(a)) {
      std::fwrite(kAjuda.data(), 1, kAjuda.size(), stdout);
      return kSaidaOk;
    }
  }
  const Pedido pedido = LeArgumentos(argumentos);
  const std::filesystem::path entrada{pedido.arquivo};

  Documento documento;
  const auto progresso = ProgressoTerminal("run:");
  try {
    if (!CarregaSimulacao(documento, entrada, "run")) return kSaidaUso;
    if (pedido.semente) documento.simulacao.aleatorio.Semeia(*pedido.semente);

    std::unique_ptr<GravadorTxd> historico;
    if (pedido.arquiva) {
      const std::string titulo(documento.Titulo.Em(documento.simulacao.IdiomaIngles));
      const std::string stem =
          pedido.stem.value_or(titulo.empty() ? std::string("DadosDesempenho") : titulo);
      historico = std::make_unique<GravadorTxd>(
          std::filesystem::current_path(), stem,
          CabecalhoTxd(documento.simulacao.memoria, pedido.opcoes.TA, pedido.opcoes.janela));
    }
    // Names the history once the run has ended; a failed run removes it.
    const ResultadoSimulacaoRapida resultado =
        SimulacaoRapida(documento.simulacao, pedido.opcoes, historico.get(), progresso);
    LimpaProgresso(progresso);
    if (historico) {
      std::fprintf(stderr, "quiv-sim run: Dados salvos no arquivo %s\n",
                   historico->Caminho().filename().string().c_str());
    }
    for (int k = 1; k <= kMalhas; ++k) {
      const MalhaDesempenho& malha = resultado.malhas[static_cast<std::size_t>(k)];
      if (!malha.participa) continue;
      ImprimeIndices("loop " + std::to_string(k), malha.indices);
    }
  } catch (const Erro& e) {
    if (progresso) std::fputc('\n', stderr);
    std::fprintf(stderr, "quiv-sim run: %s\n", e.what());
    if (pedido.arquiva) std::fputs("quiv-sim run: no history file was written\n", stderr);
    return kSaidaFalha;
  }
  return kSaidaOk;
}

}  // namespace

const Comando& ComandoRun() {
  static const Comando comando{"run", "run the fast simulation of a simulation file", kUso, kAjuda,
                               &Executa};
  return comando;
}

}  // namespace quiv::cli
