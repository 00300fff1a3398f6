// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace quiv::cli {

// Exit statuses shared by every command.
inline constexpr int kSaidaOk = 0;
inline constexpr int kSaidaFalha = 1;  // the simulation itself failed (e.g. an overflow)
inline constexpr int kSaidaUso = 2;    // the command line was wrong

// One subcommand of quiv-sim. The dispatcher lists `resumo` in the general help,
// prints `ajuda` for `help NAME` and `NAME --help`, and prints `uso` after a
// usage error.
struct Comando {
  std::string_view nome;
  std::string_view resumo;  // one line, no newline
  std::string_view uso;     // synopsis lines, each ending in a newline
  std::string_view ajuda;   // full help text, ending in a newline
  // Receives the arguments after the command name. Throws ErroUso for a bad
  // command line; returns the exit status otherwise.
  int (*executa)(std::span<const std::string_view> argumentos);
};

// True for the arguments that ask a command for its help.
constexpr bool PedeAjuda(std::string_view argumento) {
  return argumento == "--help" || argumento == "-h";
}

}  // namespace quiv::cli
