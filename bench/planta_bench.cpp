// SPDX-License-Identifier: GPL-3.0-or-later
// One full scan cycle (objects, then recorders) of a fully populated plant, with compiled
// expressions and with every expression through the text rewriting.
#include <benchmark/benchmark.h>

#include "contador_alocacoes.h"
#include "core/nucleo/expressao.h"
#include "planta.h"

namespace {

void PassoPlanta(benchmark::State& state, bool referencia) {
  quiv::Expressao::SomenteReferencia = referencia;
  quiv::Simulacao s;
  s.aleatorio.Semeia(1);
  quiv::bench::MontaPlantaCompleta(s);
  for (int i = 0; i < 600; ++i) s.Ciclo(100.0 * i);  // steady state: records made, buffers warm
  const std::uint64_t antes = quiv::bench::Alocacoes();
  double agora = 60000.0;
  for (auto _ : state) s.Ciclo(agora += 100.0);
  state.counters["allocs/iter"] = benchmark::Counter(
      static_cast<double>(quiv::bench::Alocacoes() - antes), benchmark::Counter::kAvgIterations);
  quiv::Expressao::SomenteReferencia = false;
}

void BM_PlantaReferencia(benchmark::State& state) { PassoPlanta(state, true); }
void BM_PlantaCompilada(benchmark::State& state) { PassoPlanta(state, false); }

}  // namespace

BENCHMARK(BM_PlantaReferencia)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlantaCompilada)->Unit(benchmark::kMicrosecond);
