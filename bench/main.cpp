// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every benchmark, then prints for each pair "BM_Referencia… / BM_Compilada…"
// (same argument) the ratio of their times side by side.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class ReporterComRazoes : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration) continue;
      // Function and arguments only, so that pairs match whatever their
      // iteration counts; wall time for the runs that asked for it, CPU time
      // (steady on a busy machine) otherwise.
      std::string nome = r.run_name.function_name;
      if (!r.run_name.args.empty()) nome += "/" + r.run_name.args;
      tempos_[nome] =
          r.run_name.time_type.empty() ? r.GetAdjustedCPUTime() : r.GetAdjustedRealTime();
      unidades_[nome] = benchmark::GetTimeUnitString(r.time_unit);
      rotulos_[nome] = r.report_label;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %14s %14s %9s\n", "ratio reference / fast", "reference", "fast", "ratio");
    for (const auto& [nome, tempo] : tempos_) {
      const std::size_t barra = nome.find('/');
      const std::string base = nome.substr(0, barra);
      const std::string arg = barra == std::string::npos ? "" : nome.substr(barra);
      for (const auto& [lento, rapido] : kPares) {
        if (base != lento) continue;
        const auto r = tempos_.find(rapido + arg);
        if (r == tempos_.end()) continue;
        const std::string rotulo = (lento.substr(3) + arg + " " + rotulos_[nome]).substr(0, 40);
        const char* unidade = unidades_[nome].c_str();
        std::printf("%-40s %11.1f %-2s %11.1f %-2s %8.1fx\n", rotulo.c_str(), tempo, unidade,
                    r->second, unidade, tempo / r->second);
      }
    }
  }

 private:
  inline static const std::map<std::string, std::string> kPares = {
      {"BM_Referencia", "BM_Compilada"},
      {"BM_PlantaReferencia", "BM_PlantaCompilada"},
      {"BM_RapidaReferencia", "BM_RapidaCompilada"},
  };
  std::map<std::string, double> tempos_;
  std::map<std::string, std::string> rotulos_;
  std::map<std::string, std::string> unidades_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ReporterComRazoes reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
