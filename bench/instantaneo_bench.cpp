// SPDX-License-Identifier: GPL-3.0-or-later
// An exact copy of a fully populated running plant (what an off-line run and a
// snapshot take) and restoring it into the live plant; each should stay well
// under 1 ms, a hundredth of the scan period.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/arquivo/copia_documento.h"
#include "planta.h"

namespace {

std::unique_ptr<quiv::Documento> PlantaRodando() {
  auto doc = std::make_unique<quiv::Documento>();
  doc->simulacao.aleatorio.Semeia(1);
  quiv::bench::MontaPlantaCompleta(doc->simulacao);
  for (int i = 0; i < 600; ++i) doc->simulacao.Ciclo(100.0 * i);
  return doc;
}

void ParteDoPeriodo(benchmark::State& state) {
  state.counters["pct_of_100ms"] =
      benchmark::Counter(static_cast<double>(state.iterations()) / 1000.0,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CopiaPlanta(benchmark::State& state) {
  const std::unique_ptr<quiv::Documento> doc = PlantaRodando();
  for (auto _ : state) benchmark::DoNotOptimize(quiv::CopiaDocumento(*doc));
  ParteDoPeriodo(state);
}

void BM_RestauraPlanta(benchmark::State& state) {
  const std::unique_ptr<quiv::Documento> doc = PlantaRodando();
  const std::unique_ptr<quiv::Documento> instantaneo = quiv::CopiaDocumento(*doc);
  for (int i = 0; i < 50; ++i) doc->simulacao.Ciclo(60000.0 + 100.0 * i);
  for (auto _ : state) quiv::RestauraDocumento(*doc, *instantaneo);
  ParteDoPeriodo(state);
}

}  // namespace

BENCHMARK(BM_CopiaPlanta)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RestauraPlanta)->Unit(benchmark::kMicrosecond);
