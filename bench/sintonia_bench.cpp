// SPDX-License-Identifier: GPL-3.0-or-later
// Tuning one loop from its step test: the copy of the plant through the
// file's text, the step test (60 s of settling or more, then the response at
// 0.1 s until it settles), the least-squares fit and the table of rules, for
// loop 1 of the three-loop plant (argument 0) and of the fully populated
// plant (argument 1). "test_s" is the simulated time the test took.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/analise/ensaio_degrau.h"
#include "core/analise/identificacao.h"
#include "core/analise/regras_sintonia.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "planta.h"

namespace {

void BM_Sintonia(benchmark::State& state) {
  auto doc = std::make_unique<quiv::Documento>();
  if (state.range(0) == 0) {
    quiv::bench::MontaPlantaTresMalhas(doc->simulacao);
    state.SetLabel("three loops");
  } else {
    quiv::bench::MontaPlantaCompleta(doc->simulacao);
    state.SetLabel("full plant");
  }
  const quiv::FabricaCopia copia = [&doc] { return quiv::CopiaSimulacao(*doc); };
  double simulado = 0.0, r2 = 0.0;
  for (auto _ : state) {
    const quiv::ResultadoEnsaio ensaio = quiv::EnsaioDegrau(copia, 1, {});
    const quiv::ResultadoIdentificacao id = quiv::IdentificaModelo(ensaio);
    benchmark::DoNotOptimize(quiv::TabelaSintonia(id.modelo));
    simulado = static_cast<double>(ensaio.PV.size()) * ensaio.TA;
    r2 = id.R2;
  }
  state.counters["test_s"] = simulado;
  state.counters["R2"] = r2;
}

}  // namespace

BENCHMARK(BM_Sintonia)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
