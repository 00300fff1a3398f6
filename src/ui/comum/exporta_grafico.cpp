// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/exporta_grafico.h"

#include <QSaveFile>
#include <map>
#include <qcustomplot.h>
#include <vector>

namespace quiv {

namespace {

QString Numero(double v) { return QString::number(v, 'g', 15); }

// The header's text of a column: semicolons would split it.
QString Cabecalho(QString texto) { return texto.replace(QLatin1Char(';'), QLatin1Char(',')); }

}  // namespace

bool ExportaPng(QCustomPlot& grafico, const QString& caminho) {
  return grafico.savePng(caminho);
}

QString TabelaCsv(const QCustomPlot& grafico) {
  const int series = grafico.graphCount();
  // Each x value holds one row per repeat within a series, so a series that
  // comes back to an x value keeps every point.
  std::map<double, std::vector<std::vector<double>>> linhas;
  for (int s = 0; s < series; ++s) {
    std::map<double, int> vistos;
    for (const QCPGraphData& ponto : *grafico.graph(s)->data()) {
      auto& porX = linhas[ponto.key];
      const int repeticao = vistos[ponto.key]++;
      if (static_cast<int>(porX.size()) <= repeticao)
        porX.resize(static_cast<std::size_t>(repeticao) + 1);
      auto& linha = porX[static_cast<std::size_t>(repeticao)];
      if (linha.empty()) linha.assign(static_cast<std::size_t>(series), qQNaN());
      linha[static_cast<std::size_t>(s)] = ponto.value;
    }
  }
  QString texto = Cabecalho(grafico.xAxis->label().isEmpty() ? QStringLiteral("x")
                                                              : grafico.xAxis->label());
  for (int s = 0; s < series; ++s) texto += QLatin1Char(';') + Cabecalho(grafico.graph(s)->name());
  texto += QStringLiteral("\r\n");
  for (const auto& [x, porX] : linhas) {
    for (const auto& linha : porX) {
      texto += Numero(x);
      for (double v : linha) {
        texto += QLatin1Char(';');
        if (!qIsNaN(v)) texto += Numero(v);
      }
      texto += QStringLiteral("\r\n");
    }
  }
  return texto;
}

bool ExportaCsv(const QCustomPlot& grafico, const QString& caminho, QString* erro) {
  // Written beside the target and moved into place, so a failure leaves a
  // previous file as it was.
  QSaveFile arquivo(caminho);
  if (!arquivo.open(QIODevice::WriteOnly)) {
    if (erro) *erro = arquivo.errorString();
    return false;
  }
  arquivo.write(TabelaCsv(grafico).toUtf8());
  if (!arquivo.commit()) {
    if (erro) *erro = arquivo.errorString();
    return false;
  }
  return true;
}

}  // namespace quiv
