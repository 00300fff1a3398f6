// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace quiv {

// A text that may come in both interface languages: "Português|English",
// split at the first bar ("a|b|c" is "a" in Portuguese and "b|c" in
// English). A text without a bar is the same text in both languages.
//
// The whole text is kept as the simulation file or the user gave it, so
// saving writes back both languages, whichever is in force; what a window
// shows, a caption or an address description uses is the half of the
// interface language (Simulacao::IdiomaIngles).
class TextoBilingue {
 public:
  TextoBilingue() = default;
  // A text as the file holds it or as the user typed it (implicit: a field
  // takes a typed text by plain assignment).
  TextoBilingue(std::string texto) : texto_(std::move(texto)) {}
  TextoBilingue(const char* texto) : texto_(texto) {}

  // The half of the given language; a view into this text, valid until it
  // changes.
  std::string_view Em(bool ingles) const;
  // The whole text, as the file stores it.
  const std::string& Completo() const { return texto_; }

  // An edit that shows the half of language `ingles` now holds `mostrado`:
  // the same half changes nothing (the other language stays); any other
  // text replaces the whole text, as typing does.
  void Edita(bool ingles, std::string_view mostrado);

  bool empty() const { return texto_.empty(); }
  void clear() { texto_.clear(); }

  bool operator==(const TextoBilingue&) const = default;

 private:
  std::string texto_;
};

// For test failure messages.
void PrintTo(const TextoBilingue& texto, std::ostream* saida);

}  // namespace quiv
