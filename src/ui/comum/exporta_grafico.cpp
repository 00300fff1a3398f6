// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/exporta_grafico.h"

#include <qcustomplot.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <map>
#include <vector>

#include "ui/sessao/interacao.h"

namespace quiv {

namespace {

QString Numero(double v) { return QString::number(v, 'g', 15); }

// The header's text of a column: semicolons would split it.
QString Cabecalho(QString texto) { return texto.replace(QLatin1Char(';'), QLatin1Char(',')); }

}  // namespace

bool ExportaPng(QCustomPlot& grafico, const QString& caminho) { return grafico.savePng(caminho); }

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
  QString texto =
      Cabecalho(grafico.xAxis->label().isEmpty() ? QStringLiteral("x") : grafico.xAxis->label());
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

namespace {

QString Traduz(const char* texto) {
  return QCoreApplication::translate("quiv::ExportaGrafico", texto);
}

// A file name from the save dialog, with the extension added when missing;
// empty when the user cancels.
QString Destino(QWidget* janela, const QCustomPlot& grafico, const char* titulo, const char* filtro,
                const QString& extensao) {
  QString caminho = Interacao::Atual().SalvaArquivo(
      janela, Traduz(titulo), QDir::current().filePath(grafico.objectName() + extensao),
      Traduz(filtro));
  if (!caminho.isEmpty() && !caminho.endsWith(extensao, Qt::CaseInsensitive)) caminho += extensao;
  return caminho;
}

}  // namespace

void OfereceExportacao(QCustomPlot& grafico, QWidget* janela, const QString& titulo) {
  grafico.setContextMenuPolicy(Qt::ActionsContextMenu);
  auto acao = [&grafico](const char* texto, const char* nome, auto executa) {
    auto* a = new QAction(Traduz(texto), &grafico);
    a->setObjectName(QLatin1String(nome));
    QObject::connect(a, &QAction::triggered, &grafico, executa);
    grafico.addAction(a);
  };
  QCustomPlot* g = &grafico;
  acao(QT_TRANSLATE_NOOP("quiv::ExportaGrafico", "Salvar Figura (PNG)..."), "SalvarPng",
       [g, janela, titulo] {
         const QString caminho = Destino(
             janela, *g, QT_TRANSLATE_NOOP("quiv::ExportaGrafico", "Salvar Figura do Gráfico"),
             QT_TRANSLATE_NOOP("quiv::ExportaGrafico", "Figura PNG (*.png)"),
             QStringLiteral(".png"));
         if (!caminho.isEmpty() && !ExportaPng(*g, caminho))
           Interacao::Atual().Informa(
               janela, titulo,
               Traduz(QT_TRANSLATE_NOOP("quiv::ExportaGrafico",
                                        "Não foi possível salvar a figura em %1"))
                   .arg(caminho));
       });
  acao(QT_TRANSLATE_NOOP("quiv::ExportaGrafico", "Exportar Dados (CSV)..."), "ExportarCsv",
       [g, janela, titulo] {
         const QString caminho = Destino(
             janela, *g, QT_TRANSLATE_NOOP("quiv::ExportaGrafico", "Exportar Dados do Gráfico"),
             QT_TRANSLATE_NOOP("quiv::ExportaGrafico", "Tabela CSV (*.csv)"),
             QStringLiteral(".csv"));
         QString erro;
         if (!caminho.isEmpty() && !ExportaCsv(*g, caminho, &erro))
           Interacao::Atual().Informa(
               janela, titulo,
               Traduz(QT_TRANSLATE_NOOP("quiv::ExportaGrafico",
                                        "Não foi possível salvar os dados em %1: %2"))
                   .arg(caminho, erro));
       });
}

}  // namespace quiv
