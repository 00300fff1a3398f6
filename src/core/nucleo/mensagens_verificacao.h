// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quiv {

// The texts of failed checks are written in Portuguese where they are made;
// an English interface shows them through this one table, so a window never
// shows a Portuguese message in English.
//
// A failed check reads "<kind> <number>[ (<tag>)]: <failure>", for example
// "Processo 21 (FT-01): Ganho inválido" → "Process 21 (FT-01): Invalid gain",
// or "M22: UE max inválido" → "M22: Invalid EU max". The kind and the failure
// are translated; the number and the tag stay. A text the table does not know
// stays as it is.
std::string MensagemEmIngles(std::string_view mensagem);
inline std::string MensagemNaLingua(std::string_view mensagem, bool ingles) {
  return ingles ? MensagemEmIngles(mensagem) : std::string(mensagem);
}
// Whether the table translates this failure text (": Ganho inválido").
bool FalhaTraduzida(std::string_view falha);

}  // namespace quiv
