// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/saida_terminal.h"

#include <unistd.h>

#include <cstdio>

namespace quiv::cli {

std::function<void(int)> ProgressoTerminal(std::string prefixo) {
  if (!isatty(STDERR_FILENO)) return {};
  return [prefixo = std::move(prefixo)](int p) {
    std::fprintf(stderr, "\rquiv-sim %s %3d %%", prefixo.c_str(), p);
  };
}

void LimpaProgresso(const std::function<void(int)>& progresso) {
  if (progresso) std::fputs("\r                                        \r", stderr);
}

void ImprimeIndices(const std::string& rotulo, const IndicesMalha& indices) {
  std::printf("%s;", rotulo.c_str());
  for (const std::string& texto : indices) std::printf("%s;", texto.c_str());
  std::printf("\n");
}

}  // namespace quiv::cli
