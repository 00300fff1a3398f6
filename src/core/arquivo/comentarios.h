// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/arquivo/linhas_smp.h"

namespace quiv {

// The simulation's comments: the show-comments flag and one text per
// language, each kept as its lines. The comment panel shows the text of the
// user-interface language; both texts are read and saved whichever language
// is in force, so neither is lost by opening and saving in the other.
//
// In the simulation file (the last block):
//   "TRUE" / "FALSE"                 the show-comments flag
//   "<INICIO_COMENTARIOS>"           the Portuguese lines …
//   "<FIM_COMENTARIOS>"
//   "<BEGIN_COMMENTS>"               the English lines …
//   "<END_COMMENTS>"
class Comentarios {
 public:
  static constexpr std::string_view kInicioPortugues = "<INICIO_COMENTARIOS>";
  static constexpr std::string_view kFimPortugues = "<FIM_COMENTARIOS>";
  static constexpr std::string_view kInicioIngles = "<BEGIN_COMMENTS>";
  static constexpr std::string_view kFimIngles = "<END_COMMENTS>";

  // The comment panel's lines in the given language.
  std::vector<std::string>& Linhas(bool ingles) { return ingles ? Ingles : Portugues; }
  const std::vector<std::string>& Linhas(bool ingles) const { return ingles ? Ingles : Portugues; }

  // The flag, then each language's lines between its markers. A line that is
  // itself a closing marker would end the block early on reading, so it is
  // written with a blank after it (a blank the panel does not show).
  void SalvaParametros(smp::Escritor& e) const;

  // Reads the flag and the two blocks. The opening markers are skipped
  // unread; each block's lines are read until its closing marker, and both
  // stop at the end of the file (keeping the lines read so far). The blocks
  // replace both texts.
  void LeParametros(smp::Leitor& l);

  bool Exibir = false;                 // menu item "Exibir comentários"
  std::vector<std::string> Portugues;  // panel lines, Portuguese interface
  std::vector<std::string> Ingles;     // panel lines, English interface
};

}  // namespace quiv
