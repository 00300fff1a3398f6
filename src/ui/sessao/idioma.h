// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace quiv {

// Where the language choice is kept: "preferences.cfg" in the platform's
// configuration folder; a file of that name in the start folder is read too,
// when the configuration folder has none (it is where older installations
// kept it).
class PreferenciasIdioma {
 public:
  explicit PreferenciasIdioma(QString pastaInicial);

  // The stored choice (true: English), or nothing when no file says it.
  std::optional<bool> Le() const;
  // Writes the choice; the reason it could not, or an empty text.
  QString Grava(bool ingles) const;

  QString Arquivo() const;  // the file written

 private:
  QString pastaInicial_;
};

// Decides the language of this run: the stored choice, or, when there is
// none, the question asked once (and its answer stored). A file that cannot
// be written is reported through the interaction interface; the answer
// still holds for this run.
bool DecideIdioma(const PreferenciasIdioma& preferencias, QWidget* pai);

// Installs the English translation of the interface (true when it was
// found); windows created afterwards show English texts.
bool InstalaIngles();
// Back to the Portuguese texts (for the tests, which switch within one run).
void RemoveIngles();
// Qt's own texts (the Yes and No of a question, the file dialogs' buttons)
// in Portuguese, from the distribution's Qt translations; false when they
// are not installed, and those texts stay in English.
bool InstalaPortuguesDoQt();

}  // namespace quiv
