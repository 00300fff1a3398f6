// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

#include "core/arquivo/documento.h"

namespace quiv::cli {

// Loads a simulation file as the program opens it, with the Portuguese
// interface; the texts of failed parameter checks go to standard error, one
// per line. A missing file is reported there as "quiv-sim COMMAND: FILE:
// Arquivo não encontrado" and gives false. A load that stops throws Erro.
bool CarregaSimulacao(Documento& documento, const std::filesystem::path& arquivo,
                      std::string_view comando);

}  // namespace quiv::cli
