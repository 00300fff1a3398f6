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
      const std::string nome = r.benchmark_name();
      tempos_[nome] = r.GetAdjustedRealTime();
      rotulos_[nome] = r.report_label;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %14s %14s %9s\n", "ratio reference / fast", "reference ns", "fast ns",
                "ratio");
    for (const auto& [nome, tempo] : tempos_) {
      const std::size_t barra = nome.find('/');
      const std::string base = nome.substr(0, barra);
      const std::string arg = barra == std::string::npos ? "" : nome.substr(barra);
      for (const auto& [lento, rapido] : kPares) {
        if (base != lento) continue;
        const auto r = tempos_.find(rapido + arg);
        if (r == tempos_.end()) continue;
        std::printf("%-40s %14.1f %14.1f %8.1fx\n", (lento.substr(3) + arg + " " + rotulos_[nome]).substr(0, 40).c_str(),
                    tempo, r->second, tempo / r->second);
      }
    }
  }

 private:
  inline static const std::map<std::string, std::string> kPares = {
      {"BM_Referencia", "BM_Compilada"},
  };
  std::map<std::string, double> tempos_;
  std::map<std::string, std::string> rotulos_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ReporterComRazoes reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
