// SPDX-License-Identifier: GPL-3.0-or-later
// The reference text-rewriting evaluator against the compiled expressions, on
// typical parameter texts with live cell values.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "contador_alocacoes.h"
#include "core/nucleo/expressao.h"

namespace {

const std::vector<std::string>& Textos() {
  static const std::vector<std::string> textos = {
      "50",
      "M21",
      "M21*0.5+M15",
      "(M21-M22)*0.5",
      "100-M41",
      "2*M01+M02/3-M81^2",
      "(M21-M61)*1.5+(M22-M62)/2.5+M15*0.25-M81^2+M01/4+3.75*M97",  // 60 characters
  };
  return textos;
}

quiv::Memoria Planta() {
  quiv::Memoria m;
  const double valores[][2] = {{1, 42.5},  {2, 37.25}, {15, 12.0}, {21, 55.125}, {22, 48.0},
                               {41, 20.5}, {61, 50.0}, {62, 45.0}, {81, 1.75},   {97, 1.0}};
  for (auto [k, v] : valores) m.celula[static_cast<int>(k)] = v;
  return m;
}

// Cells drift a little each iteration, as in a running plant, so neither side
// can reuse a previous result.
void Avanca(quiv::Memoria& m) {
  for (int k : {1, 2, 15, 21, 22, 41, 81}) m.celula[k] += 1e-7;
}

void BM_Referencia(benchmark::State& state) {
  const std::string& texto = Textos()[static_cast<std::size_t>(state.range(0))];
  quiv::Memoria m = Planta();
  for (auto _ : state) {
    Avanca(m);
    benchmark::DoNotOptimize(quiv::CalculaEquacao(quiv::SubstituiEnderecos(texto, m)).valor);
  }
  state.SetLabel(texto);
}

void BM_Compilada(benchmark::State& state) {
  const std::string& texto = Textos()[static_cast<std::size_t>(state.range(0))];
  quiv::Memoria m = Planta();
  quiv::Expressao e(texto);
  e.Avalia(m);  // records once
  const std::uint64_t antes = quiv::bench::Alocacoes();
  for (auto _ : state) {
    Avanca(m);
    benchmark::DoNotOptimize(e.Avalia(m).valor);
  }
  state.counters["allocs/iter"] = benchmark::Counter(
      static_cast<double>(quiv::bench::Alocacoes() - antes), benchmark::Counter::kAvgIterations);
  state.SetLabel(texto);
}

}  // namespace

BENCHMARK(BM_Referencia)->DenseRange(0, 6);
BENCHMARK(BM_Compilada)->DenseRange(0, 6);
