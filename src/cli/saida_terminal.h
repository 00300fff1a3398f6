// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "core/analise/indices.h"

namespace quiv::cli {

// "\r" progress on standard error when it is a terminal, as
// "quiv-sim PREFIX NN %"; nothing otherwise, so logs stay clean.
std::function<void(int)> ProgressoTerminal(std::string prefixo);
// Wipes the progress line, when there is one.
void LimpaProgresso(const std::function<void(int)>& progresso);

// One loop's indices on standard output: "ROTULO;I1;...;I7;", the texts as
// the program shows them.
void ImprimeIndices(const std::string& rotulo, const IndicesMalha& indices);

}  // namespace quiv::cli
