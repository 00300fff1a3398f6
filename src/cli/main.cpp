// SPDX-License-Identifier: GPL-3.0-or-later
// quiv-sim: the headless command-line tool over the simulation core.
//
// The first argument names a command; each command reads the rest of the line
// itself. Usage errors are reported here, uniformly: one line with the reason
// and the usage of the command on standard error, exit status 2.

#include <array>
#include <cstdio>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/comando.h"
#include "cli/comando_eval.h"
#include "cli/comando_resave.h"
#include "cli/comando_run.h"
#include "cli/comando_tune.h"
#include "cli/erro_uso.h"

namespace quiv::cli {
namespace {

constexpr std::string_view kUsoGeral =
    "Usage: quiv-sim COMMAND [ARGUMENTS]...\n"
    "       quiv-sim help [COMMAND]\n"
    "       quiv-sim --help | --version\n";

const auto& Comandos() {
  static const std::array<const Comando*, 4> comandos{&ComandoEval(), &ComandoResave(),
                                                      &ComandoRun(), &ComandoTune()};
  return comandos;
}

const Comando* ProcuraComando(std::string_view nome) {
  for (const Comando* c : Comandos()) {
    if (c->nome == nome) return c;
  }
  return nullptr;
}

void Escreve(std::FILE* destino, std::string_view texto) {
  std::fwrite(texto.data(), 1, texto.size(), destino);
}

void AjudaGeral() {
  Escreve(stdout,
          "quiv-sim - the command-line tool of QUIV, the process-control teaching simulator.\n\n");
  Escreve(stdout, kUsoGeral);
  Escreve(stdout, "\nCommands:\n");
  for (const Comando* c : Comandos()) {
    std::printf("  %-6.*s  %.*s\n", static_cast<int>(c->nome.size()), c->nome.data(),
                static_cast<int>(c->resumo.size()), c->resumo.data());
  }
  Escreve(stdout,
          "  help    show this text, or the help of one command\n"
          "\n"
          "Run 'quiv-sim help COMMAND' or 'quiv-sim COMMAND --help' for the details of a\n"
          "command.\n"
          "\n"
          "Exit status: 0 on success; 1 when the simulation itself fails (for example a\n"
          "floating-point overflow), with the message on standard error; 2 for a bad\n"
          "command line.\n");
}

// `comando` is null for a mistake made before a command was chosen.
int ErroDeUso(const Comando* comando, const std::string& motivo) {
  if (comando) {
    std::fprintf(stderr, "quiv-sim %.*s: %s\n", static_cast<int>(comando->nome.size()),
                 comando->nome.data(), motivo.c_str());
    Escreve(stderr, comando->uso);
    std::fprintf(stderr, "Run 'quiv-sim %.*s --help' for more.\n",
                 static_cast<int>(comando->nome.size()), comando->nome.data());
  } else {
    std::fprintf(stderr, "quiv-sim: %s\n", motivo.c_str());
    Escreve(stderr, kUsoGeral);
    Escreve(stderr, "Run 'quiv-sim --help' for more.\n");
  }
  return kSaidaUso;
}

int Help(std::span<const std::string_view> argumentos) {
  if (argumentos.empty()) {
    AjudaGeral();
    return kSaidaOk;
  }
  if (argumentos.size() > 1) return ErroDeUso(nullptr, "help takes at most one command name");
  const Comando* comando = ProcuraComando(argumentos[0]);
  if (!comando) {
    return ErroDeUso(nullptr, "unknown command '" + std::string(argumentos[0]) + "'");
  }
  Escreve(stdout, comando->ajuda);
  return kSaidaOk;
}

int Despacha(std::span<const std::string_view> argumentos) {
  if (argumentos.empty()) return ErroDeUso(nullptr, "no command given");
  const std::string_view nome = argumentos[0];
  const auto resto = argumentos.subspan(1);
  if (PedeAjuda(nome)) return Help({});
  if (nome == "help") return Help(resto);
  if (nome == "--version") {
    std::printf("quiv-sim %s\n", QUIV_VERSAO);
    return kSaidaOk;
  }
  const Comando* comando = ProcuraComando(nome);
  if (!comando) return ErroDeUso(nullptr, "unknown command '" + std::string(nome) + "'");
  try {
    return comando->executa(resto);
  } catch (const ErroUso& e) {
    return ErroDeUso(comando, e.what());
  }
}

}  // namespace
}  // namespace quiv::cli

int main(int argc, char** argv) {
  const std::vector<std::string_view> argumentos(argv + 1, argv + argc);
  int status = quiv::cli::kSaidaFalha;
  try {
    status = quiv::cli::Despacha(argumentos);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quiv-sim: %s\n", e.what());
    return quiv::cli::kSaidaFalha;
  }
  // A full disk or a closed pipe must not pass for success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "quiv-sim: cannot write the output\n");
    return quiv::cli::kSaidaFalha;
  }
  return status;
}
