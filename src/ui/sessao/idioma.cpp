// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/idioma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "core/nucleo/preferencias.h"
#include "ui/sessao/interacao.h"

namespace quiv {

namespace {

QString NomeArquivo() {
  return QString::fromLatin1(kArquivoPreferencias.data(), kArquivoPreferencias.size());
}

std::optional<bool> LeDe(const QString& caminho) {
  QFile f(caminho);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  const QByteArray linha = f.readLine(4096);
  return PreferenciaIngles(
      std::string_view(linha.constData(), static_cast<std::size_t>(linha.size())));
}

}  // namespace

PreferenciasIdioma::PreferenciasIdioma(QString pastaInicial)
    : pastaInicial_(std::move(pastaInicial)) {}

QString PreferenciasIdioma::Arquivo() const {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
      .filePath(NomeArquivo());
}

std::optional<bool> PreferenciasIdioma::Le() const {
  if (auto escolha = LeDe(Arquivo())) return escolha;
  return LeDe(QDir(pastaInicial_).filePath(NomeArquivo()));
}

QString PreferenciasIdioma::Grava(bool ingles) const {
  const QString arquivo = Arquivo();
  QDir().mkpath(QFileInfo(arquivo).absolutePath());
  QFile f(arquivo);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
    return f.errorString() + QStringLiteral(": ") + arquivo;
  const std::string_view linha = LinhaPreferencias(ingles);
  f.write(linha.data(), static_cast<qint64>(linha.size()));
  f.write("\n");
  if (!f.flush()) return f.errorString() + QStringLiteral(": ") + arquivo;
  return {};
}

bool DecideIdioma(const PreferenciasIdioma& preferencias, QWidget* pai) {
  if (const std::optional<bool> escolha = preferencias.Le()) return *escolha;
  const bool ingles = Interacao::Atual().Pergunta(
      pai, QStringLiteral("QUIV"),
      QStringLiteral("Portuguese is the current language. Do you wish to switch to English? "
                     "(Mudar para inglês?)"));
  if (const QString erro = preferencias.Grava(ingles); !erro.isEmpty())
    Interacao::Atual().Informa(pai, QStringLiteral("QUIV"), erro);
  return ingles;
}

namespace {
QTranslator& Traducao() {
  static QTranslator traducao;
  return traducao;
}
}  // namespace

bool InstalaIngles() {
  QTranslator& traducao = Traducao();
  if (traducao.isEmpty() && !traducao.load(QStringLiteral(":/i18n/quiv_en.qm"))) return false;
  return QCoreApplication::installTranslator(&traducao);
}

void RemoveIngles() { QCoreApplication::removeTranslator(&Traducao()); }

bool InstalaPortuguesDoQt() {
  static QTranslator qt;
  const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (qt.isEmpty() && !qt.load(QStringLiteral("qtbase_pt_BR"), pasta) &&
      !qt.load(QStringLiteral("qtbase_pt"), pasta))
    return false;
  return QCoreApplication::installTranslator(&qt);
}

}  // namespace quiv
