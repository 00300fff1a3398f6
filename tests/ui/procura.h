// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The child of `raiz` with that objectName. A test can do nothing useful
// without it, so a missing one stops the run at once, naming what is
// missing.
template <typename T>
T* Procura(const QObject& raiz, const QString& nome) {
  T* filho = raiz.findChild<T*>(nome);
  if (!filho) qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(nome));
  return filho;
}

template <typename T>
T* Procura(const QObject& raiz, const char* nome) {
  return Procura<T>(raiz, QString::fromLatin1(nome));
}
