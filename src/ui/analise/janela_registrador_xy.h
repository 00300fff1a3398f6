// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "core/analise/registra_xy.h"

class QComboBox;
class QCustomPlot;
class QCPGraph;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace quiv {

class PilhaZoom;
class RegistradorXY;
class SessaoSimulacao;

// The XY recorder: one memory cell plotted against another over an off-line
// run of the plant (10 min, 30 min or 1 hour of simulated time, one point per
// 0.1 s step). The window exists once for the whole program and is only
// shown and hidden. Its choices live in the document's RegistradorXY; the
// points live on the chart and pile up over runs until cleared.
//
// The run occupies the user-interface thread. The scan timer is stopped while it
// lasts; the progress bar and the screen are repainted as the percentage
// moves, but no user input is taken until the run is over, so nothing can
// change or replace the plant underneath it.
class JanelaRegistradorXY : public QWidget {
  Q_OBJECT

 public:
  explicit JanelaRegistradorXY(SessaoSimulacao& sessao, QWidget* pai = nullptr);
  ~JanelaRegistradorXY() override;

  // Every control from the model, then shown, raised and activated.
  void Mostra();

  // "Registra": the off-line run with the chosen window and variables; does
  // nothing while either variable has no selection.
  void Registra();

  // The points on the chart, in the order they were recorded.
  const std::vector<PontoXY>& Pontos() const { return pontos_; }

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  RegistradorXY& modelo() const;
  void CriaControles();
  // Every control from the model, without writing back.
  void Preenche();
  // A variable list as the model holds it: the single item "01" before its
  // first drop-down, afterwards the 124 cells with their descriptions.
  void PreencheLista(QComboBox* combo, bool completa, int item);
  void CompletaLista(bool eixoX);
  void AplicaPredefinicao(int item);
  void HabilitaRegistra();

  // The series reloaded from pontos_ and, with automatic axes, the axes
  // fitted to it.
  void MostraPontos();
  void AjustaEixos();
  void Limpa();                // Limpar
  void EscalaCheia();          // 0–100 %
  void LigaZoom(bool ligado);  // zoom window
  void DesfazZoom();           // undo zoom
  void ExportaImagem();
  void ExportaTabela();
  // The export's file name from the save dialog, with `extensao` added when
  // the user typed none; empty when cancelled or an existing file is kept.
  QString EscolheArquivo(const QString& titulo, const QString& sugestao, const QString& filtro,
                         const QString& extensao);

  SessaoSimulacao& sessao_;
  bool preenchendo_ = false;
  bool registrando_ = false;
  // Axes follow the points; off after a zoom or the 0–100 % scale.
  bool eixosAutomaticos_ = true;
  std::vector<PontoXY> pontos_;

  QComboBox* predefinicoes_ = nullptr;
  QComboBox* variavelX_ = nullptr;
  QComboBox* variavelY_ = nullptr;
  QLabel* rotuloDuracao_ = nullptr;
  QComboBox* duracao_ = nullptr;
  QPushButton* botaoRegistra_ = nullptr;
  QProgressBar* progresso_ = nullptr;
  QCustomPlot* grafico_ = nullptr;
  QCPGraph* serie_ = nullptr;
  PilhaZoom* zoom_ = nullptr;
  QToolButton* botaoLimpar_ = nullptr;
  QToolButton* botaoEscala_ = nullptr;
  QToolButton* botaoZoom_ = nullptr;
  QToolButton* botaoDesfazZoom_ = nullptr;
  QToolButton* botaoPng_ = nullptr;
  QToolButton* botaoCsv_ = nullptr;
  QPushButton* botaoSair_ = nullptr;
};

}  // namespace quiv
