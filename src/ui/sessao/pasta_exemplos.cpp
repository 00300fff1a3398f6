// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/pasta_exemplos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace quiv {

QString PastaDosExemplos(const QString& pastaInicial) {
  QStringList candidatas{pastaInicial};
  QDir programa(QCoreApplication::applicationDirPath());
  candidatas << programa.absolutePath();
  for (int acima = 0; acima < 3 && programa.cdUp(); ++acima) candidatas << programa.absolutePath();
  candidatas
      << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/quiv"));
#ifdef QUIV_PASTA_DADOS
  candidatas << QStringLiteral(QUIV_PASTA_DADOS);
#endif
  for (const QString& pasta : std::as_const(candidatas)) {
    if (!pasta.isEmpty() && QFileInfo(QDir(pasta).filePath(QStringLiteral("examples"))).isDir())
      return QDir(pasta).absolutePath();
  }
  return {};
}

QString CaminhoDoExemplo(const QString& pastaInicial, const QString& relativo) {
  const QString pasta = PastaDosExemplos(pastaInicial);
  return QDir(pasta.isEmpty() ? pastaInicial : pasta).filePath(relativo);
}

}  // namespace quiv
