// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quiv {

// Where the shipped examples are: the first of these folders that holds an
// "examples" folder: the start folder, the program's folder and the three
// above it (a build tree), the data folder beside an installed program
// ("../share/quiv") and the installed data folder. Empty when none does.
QString PastaDosExemplos(const QString& pastaInicial);

// An example's file or picture path ("examples/…") under that folder; under
// the start folder when no folder holds the examples, so opening it reports
// the missing file.
QString CaminhoDoExemplo(const QString& pastaInicial, const QString& relativo);

}  // namespace quiv
