// SPDX-License-Identifier: GPL-3.0-or-later
// An exact copy of a fully populated running plant (what an off-line run and a
// snapshot take) and restoring it into the live plant; each should stay well
// under 1 ms, a hundredth of the scan period.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "core/arquivo/copia_documento.h"
#include "planta.h"

namespace {

std::unique_ptr<quiv::Documento> PlantaRodando() {
  auto doc = std::make_unique<quiv::Documento>();
  doc->simulacao.aleatorio.Semeia(1);
  quiv::bench::MontaPlantaCompleta(doc->simulacao);
  for (int i = 0; i < 600; ++i) doc->Ciclo(100.0 * i);
  return doc;
}

// The share of the 100 ms scan period one iteration took, in %, from the
// time measured around the loop.
void ParteDoPeriodo(benchmark::State& state, std::chrono::steady_clock::time_point inicio) {
  const std::chrono::duration<double, std::milli> decorrido =
      std::chrono::steady_clock::now() - inicio;
  state.counters["pct_of_100ms"] =
      100.0 * decorrido.count() / static_cast<double>(state.iterations()) / 100.0;
}

void BM_CopiaPlanta(benchmark::State& state) {
  const std::unique_ptr<quiv::Documento> doc = PlantaRodando();
  const auto inicio = std::chrono::steady_clock::now();
  for (auto _ : state) benchmark::DoNotOptimize(quiv::CopiaDocumento(*doc));
  ParteDoPeriodo(state, inicio);
}

void BM_RestauraPlanta(benchmark::State& state) {
  const std::unique_ptr<quiv::Documento> doc = PlantaRodando();
  const std::unique_ptr<quiv::Documento> instantaneo = quiv::CopiaDocumento(*doc);
  for (int i = 0; i < 50; ++i) doc->Ciclo(60000.0 + 100.0 * i);
  const auto inicio = std::chrono::steady_clock::now();
  for (auto _ : state) quiv::RestauraDocumento(*doc, *instantaneo);
  ParteDoPeriodo(state, inicio);
}

}  // namespace

BENCHMARK(BM_CopiaPlanta)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RestauraPlanta)->Unit(benchmark::kMicrosecond);
