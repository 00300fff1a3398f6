// SPDX-License-Identifier: GPL-3.0-or-later
// A 4-hour fast simulation at 100 ms (144 000 steps, 14 400 history lines
// written) of the three-loop plant (argument 0) and of the fully populated
// plant (argument 1), with compiled expressions and with every expression
// through the text rewriting. "sim_s/s" is simulated seconds per wall second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/analise/historico_txd.h"
#include "core/analise/simulacao_rapida.h"
#include "core/nucleo/expressao.h"
#include "core/nucleo/simulacao.h"
#include "planta.h"

namespace {

constexpr int kJanela = 14400;
constexpr double kPasso = 0.1;

void Rapida(benchmark::State& state, bool referencia) {
  quiv::Expressao::SomenteReferencia = referencia;
  quiv::Simulacao s;
  s.aleatorio.Semeia(1);
  if (state.range(0) == 0) {
    quiv::bench::MontaPlantaTresMalhas(s);
    state.SetLabel("three loops");
  } else {
    quiv::bench::MontaPlantaCompleta(s);
    state.SetLabel("full plant");
  }
  const std::filesystem::path pasta =
      std::filesystem::temp_directory_path() / ("quiv_bench_rapida_" + std::to_string(getpid()));
  std::filesystem::create_directories(pasta);
  const quiv::OpcoesSimulacaoRapida opcoes{kJanela, kPasso, quiv::SinalTeste::DegrauSP, 10, true};
  for (auto _ : state) {
    quiv::GravadorTxd historico(pasta, "bench", quiv::CabecalhoTxd(s.memoria, kPasso, kJanela));
    benchmark::DoNotOptimize(quiv::SimulacaoRapida(s, opcoes, &historico));
    historico.Fecha();
    state.PauseTiming();
    std::filesystem::remove(historico.Caminho());
    state.ResumeTiming();
  }
  state.counters["sim_s/s"] =
      benchmark::Counter(kJanela, benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove_all(pasta);
  quiv::Expressao::SomenteReferencia = false;
}

void BM_RapidaReferencia(benchmark::State& state) { Rapida(state, true); }
void BM_RapidaCompilada(benchmark::State& state) { Rapida(state, false); }

}  // namespace

BENCHMARK(BM_RapidaReferencia)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapidaCompilada)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
