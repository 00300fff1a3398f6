// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace quiv::teste {

// What a finished program left behind.
struct Resultado {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string saida;
  std::string erros;
};

// Runs `programa` with `argumentos` (no shell in between, so every argument
// arrives exactly as given), standard input empty, in the folder `pasta`
// (empty: the current one), and collects both outputs.
Resultado ExecutaPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                          const std::string& pasta = {});

}  // namespace quiv::teste
