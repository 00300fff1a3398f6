// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

// The lines of a trend's archive file (CR LF, the last one ended too); none
// when it cannot be read.
inline QStringList Linhas(const QString& caminho) {
  QFile f(caminho);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString texto = QString::fromLatin1(f.readAll());
  if (texto.endsWith(QLatin1String("\r\n"))) texto.chop(2);
  return texto.split(QStringLiteral("\r\n"));
}
