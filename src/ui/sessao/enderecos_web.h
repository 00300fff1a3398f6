// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace quiv {

// The help pages live on the program's website: one base address and a fixed
// path per page ("/video_aulas", "/simulador/objetos_simulacao/#controlador_PID").
inline const char* const kSiteBase = "https://quiv.example.org";

inline QUrl EnderecoAjuda(const char* caminho = "") {
  return QUrl(QString::fromLatin1(kSiteBase) + QString::fromUtf8(caminho));
}

}  // namespace quiv
