// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/erro_uso.h"

namespace quiv::cli {

// An argument no option of the command took: the simulation file, given
// once. Anything else that looks like an option, or a second file, is an
// ErroUso.
inline void LeArgumentoArquivo(std::string_view argumento, std::optional<std::string>& arquivo) {
  if (argumento.starts_with("-") && argumento.size() > 1)
    throw ErroUso("unknown option '" + std::string(argumento) + "'");
  if (arquivo) throw ErroUso("more than one simulation file given");
  arquivo = std::string(argumento);
}

// The simulation file the command line gave; an ErroUso when it gave none.
inline std::string ArquivoDado(const std::optional<std::string>& arquivo) {
  if (!arquivo) throw ErroUso("no simulation file given");
  return *arquivo;
}

}  // namespace quiv::cli
