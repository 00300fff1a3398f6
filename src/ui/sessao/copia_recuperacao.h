// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

namespace quiv {

// One recovery copy on disk: the text a save of the simulation writes, with
// what the start needs to offer it back. The file is a short UTF-8 header,
// an empty line, then the simulation file's bytes:
//
//   QUIV recuperacao 1
//   arquivo <the user's file, UTF-8, percent-encoded; nothing when unsaved>
//   hora <when it was written, ISO 8601 in UTC>
//   sha256 <checksum of the bytes that follow the empty line>
//
// The checksum tells a whole copy from one a disk or a copy tool damaged;
// a copy that matches it is exactly what the writer wrote, so it loads.
struct CopiaRecuperacao {
  QString arquivo;       // absolute; empty for a simulation never saved
  QDateTime hora;        // when the copy was written
  std::string conteudo;  // the simulation file (Windows-1252, CR LF)

  // Writes the copy to `caminho` through a temporary file renamed into
  // place, so a crash while writing leaves the previous copy whole. Returns
  // why it could not, or an empty text.
  QString Grava(const QString& caminho) const;

  // Reads the copy at `caminho`; nothing, with the reason in `erro`, when the
  // file cannot be read, is not a recovery copy or is not whole.
  static std::optional<CopiaRecuperacao> Le(const QString& caminho, QString& erro);
};

}  // namespace quiv
