// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/comando_resave.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/carrega_simulacao.h"
#include "cli/erro_uso.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"

namespace quiv::cli {

namespace {

constexpr std::string_view kUso = "Usage: quiv-sim resave IN.smp OUT.smp\n";

constexpr std::string_view kAjuda =
    R"(Usage: quiv-sim resave IN.smp OUT.smp

Loads the simulation file IN.smp with the Portuguese interface, exactly as the
program opens it (every included object is created and its parameters are
applied), and saves the simulation to OUT.smp. OUT.smp is written beside its
final name first and renamed into place, so a failed save leaves any earlier
OUT.smp intact.

The texts of failed parameter checks raised while loading are printed on
standard error, one per line, in file order.

Exit status: 0 when the file was loaded and saved; 1 when the load stopped
(for example "'x' is not a valid integer value") or the save failed, with the
message on standard error; 2 for a bad command line or a missing IN.smp.
)";

int Executa(std::span<const std::string_view> argumentos) {
  std::vector<std::string_view> arquivos;
  for (const std::string_view a : argumentos) {
    if (PedeAjuda(a)) {
      std::fwrite(kAjuda.data(), 1, kAjuda.size(), stdout);
      return kSaidaOk;
    }
    arquivos.push_back(a);
  }
  if (arquivos.size() != 2) throw ErroUso("expected IN.smp and OUT.smp");
  const std::filesystem::path entrada{std::string(arquivos[0])};
  const std::filesystem::path saida{std::string(arquivos[1])};

  Documento documento;
  try {
    if (!CarregaSimulacao(documento, entrada, "resave")) return kSaidaUso;
    SalvaSimulacao(documento, saida);
  } catch (const Erro& e) {
    std::fprintf(stderr, "quiv-sim resave: %s\n", e.what());
    return kSaidaFalha;
  }
  return kSaidaOk;
}

}  // namespace

const Comando& ComandoResave() {
  static const Comando comando{"resave", "load a simulation file and save it again", kUso, kAjuda,
                               &Executa};
  return comando;
}

}  // namespace quiv::cli
