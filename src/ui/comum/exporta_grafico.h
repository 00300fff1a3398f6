// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCustomPlot;
class QWidget;

namespace quiv {

// A chart as a PNG picture, as it is shown.
bool ExportaPng(QCustomPlot& grafico, const QString& caminho);

// A chart's line series as a table: ";" between columns, "." as the decimal
// point, CR LF at each line's end. The header row names the x axis (its
// label) and each series (its name); then one row per x value of any series,
// in increasing order, with each series' value there or an empty cell. On
// failure returns false and puts the reason in `erro`.
bool ExportaCsv(const QCustomPlot& grafico, const QString& caminho, QString* erro = nullptr);
// The same table as text.
QString TabelaCsv(const QCustomPlot& grafico);

// The chart's right-click menu gains "Salvar Figura (PNG)..." and "Exportar
// Dados (CSV)..." (objectNames SalvarPng and ExportarCsv), after any actions
// it already has. Each asks for a file through the scripted dialogs (in the
// current folder, named after the chart, the extension added when missing)
// and tells a failure in a box titled `titulo`.
void OfereceExportacao(QCustomPlot& grafico, QWidget* janela, const QString& titulo);

}  // namespace quiv
