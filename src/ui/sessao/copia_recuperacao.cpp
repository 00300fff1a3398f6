// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/copia_recuperacao.h"

#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <QSaveFile>

#include "core/arquivo/arquivo_smp.h"

namespace quiv {

namespace {

const QByteArray kAssinatura = QByteArrayLiteral("QUIV recuperacao 1");
// The header's few lines and a path fit in far less.
constexpr qint64 kMaiorCabecalho = 64 << 10;

QByteArray Soma(const std::string& conteudo) {
  return QCryptographicHash::hash(
             QByteArrayView(conteudo.data(), static_cast<qsizetype>(conteudo.size())),
             QCryptographicHash::Sha256)
      .toHex();
}

}  // namespace

QString CopiaRecuperacao::Grava(const QString& caminho) const {
  QByteArray cabecalho = kAssinatura + '\n';
  cabecalho += "arquivo " + arquivo.toUtf8().toPercentEncoding("/") + '\n';
  cabecalho += "hora " + hora.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
  cabecalho += "sha256 " + Soma(conteudo) + "\n\n";

  QSaveFile saida(caminho);
  if (!saida.open(QIODevice::WriteOnly))
    return saida.errorString() + QStringLiteral(": ") + caminho;
  saida.write(cabecalho);
  saida.write(conteudo.data(), static_cast<qint64>(conteudo.size()));
  if (!saida.commit()) return saida.errorString() + QStringLiteral(": ") + caminho;
  return {};
}

std::optional<CopiaRecuperacao> CopiaRecuperacao::Le(const QString& caminho, QString& erro) {
  QFile entrada(caminho);
  if (!entrada.open(QIODevice::ReadOnly)) {
    erro = entrada.errorString() + QStringLiteral(": ") + caminho;
    return std::nullopt;
  }
  const QByteArray bytes =
      entrada.read(static_cast<qint64>(kMaiorArquivoSmp) + kMaiorCabecalho + 1);
  const auto naoCopia = [&erro, &caminho] {
    erro = caminho + QStringLiteral(": not a recovery copy of this program");
    return std::nullopt;
  };
  const qsizetype fimCabecalho = bytes.indexOf("\n\n");
  if (fimCabecalho < 0 || fimCabecalho > kMaiorCabecalho) return naoCopia();
  const QList<QByteArray> linhas = bytes.left(fimCabecalho).split('\n');
  if (linhas.size() != 4 || linhas[0] != kAssinatura || !linhas[1].startsWith("arquivo ") ||
      !linhas[2].startsWith("hora ") || !linhas[3].startsWith("sha256 "))
    return naoCopia();

  CopiaRecuperacao copia;
  copia.arquivo = QString::fromUtf8(QByteArray::fromPercentEncoding(linhas[1].mid(8)));
  copia.hora = QDateTime::fromString(QString::fromLatin1(linhas[2].mid(5)), Qt::ISODateWithMs);
  const QByteArray resto = bytes.mid(fimCabecalho + 2);
  copia.conteudo.assign(resto.constData(), static_cast<std::size_t>(resto.size()));
  if (!copia.hora.isValid() || Soma(copia.conteudo) != linhas[3].mid(7)) {
    erro = caminho + QStringLiteral(": the copy is incomplete or damaged");
    return std::nullopt;
  }
  return copia;
}

}  // namespace quiv
