// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "core/analise/indices.h"
#include "core/analise/malha_desempenho.h"
#include "core/analise/paginacao.h"

class QCheckBox;
class QComboBox;
class QCPRange;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace quiv {

class PilhaZoom;
class SessaoSimulacao;

// The fast-simulation and comparison page. A run steps the live plant
// off-line for the chosen window, draws PV, SP and MV of every loop in the
// upper notebook, shows the loop's performance indices and can keep the run
// in a history file; a history loaded below (or above) puts an earlier run
// beside it, with its own column of indices. Both notebooks share the paging,
// the zoom (replicated between the two charts of a loop), the 0–100 % scale
// and the hiding of the controller outputs. Any chart exports itself as a
// picture or a table from its context menu, and the lower history can be
// drawn over the upper chart of the same loop in lighter colours.
//
// The page reads the plant through the session every time and keeps no
// pointer to an object of it.
class JanelaSimulacaoRapida : public QWidget {
  Q_OBJECT

 public:
  explicit JanelaSimulacaoRapida(SessaoSimulacao& sessao, QWidget* pai = nullptr);
  ~JanelaSimulacaoRapida() override;

  // Opening the page: loop captions from the controllers' tags, the file
  // stem from the simulation title, the history lists from the working
  // folder; shown maximised, raised and activated.
  void Mostra();

  // Puts loops' series and indices into the upper or the lower charts, as a
  // run or a history load does (PV and SP in % when `normaliza`). Loops whose
  // controller does not exist now keep what they showed.
  void MostraSeries(bool superior, const MalhasDesempenho& malhas, bool normaliza);

  // The charts of loop k (1 … 10): the upper one (a run or a history) and
  // the lower one (a history).
  QCustomPlot& GraficoSuperior(int k) const;
  QCustomPlot& GraficoInferior(int k) const;
  bool Simulando() const { return simulando_; }
  // The name of the last history file written ("Caldeira_3.txd").
  const QString& ArquivoTxd() const { return arquivoTxd_; }

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  struct Grafico {
    QCustomPlot* chart = nullptr;
    PilhaZoom* zoom = nullptr;
  };
  // One column of the index panel and what it shows per loop.
  struct ColunaIndices {
    std::array<QLineEdit*, kNumeroIndices> campos{};
    std::array<IndicesMalha, kMalhas + 1> textos{};  // with their unit suffix
    bool validos = false;
  };

  // Construction (janela_simulacao_rapida.cpp).
  QWidget* CriaPainelSimulacao();
  QWidget* CriaNotebook(bool superior);
  QWidget* CriaSeletor(bool superior);
  QWidget* CriaPainelIndices();
  QWidget* CriaFerramentas();

  // Run panel (janela_simulacao_rapida.cpp).
  void PreencheLegendas();
  void EscolhePassoDaJanela(int item);
  void MostraAmplitude(int item);
  void Simula();
  bool LeAmplitude(int& amplitude);
  void HabilitaPainel(bool habilitado);

  // Charts: data, paging, zoom, export (janela_simulacao_rapida_graficos.cpp).
  Grafico CriaGrafico(QWidget* pagina, int k, bool superior);
  Grafico& De(int k, bool superior);
  int MalhaAtual() const;
  void CarregaSeries(bool superior, const MalhasDesempenho& malhas);
  void MostraPagina(int k);
  void EixosAutomaticos(QCustomPlot& grafico, int pagina);
  void DefineTamanhoPagina(int item);
  void MudaPagina(bool sobe);
  void MostraNumeroPagina();
  void ArmaZoom();
  void DesarmaZoom();
  void LimpaZooms();
  void EscalaCheia();
  void Ampliado(int k, bool superior, const QCPRange& x, const QCPRange& y);
  void DesfazZoom(int k, bool superior);
  void OcultaCOs(bool marcado);
  void Sobrepoe();

  // Histories and indices (janela_simulacao_rapida_historicos.cpp).
  void PreencheSeletor(QComboBox* seletor);
  static bool ItemEscolhido(const QComboBox& seletor);
  void Carrega(bool superior);
  void GuardaIndices(bool superior, const MalhasDesempenho& malhas, bool normaliza);
  void MostraIndices(bool superior, int k);
  void MostraMalha(int pagina);
  void MostraMalhaInferior(int pagina);

  SessaoSimulacao& sessao_;

  // Run panel (Panel3).
  QComboBox* duracao_ = nullptr;
  QComboBox* passo_ = nullptr;
  QComboBox* sinalTeste_ = nullptr;
  QLabel* rotuloAmplitude_ = nullptr;
  QLineEdit* amplitude_ = nullptr;
  QCheckBox* armazenar_ = nullptr;
  QLineEdit* arquivo_ = nullptr;
  QPushButton* botaoSimular_ = nullptr;
  QProgressBar* progresso_ = nullptr;
  QLabel* avisoArquivo_ = nullptr;

  // Notebooks and history selectors.
  QTabWidget* abasSuperiores_ = nullptr;
  QTabWidget* abasInferiores_ = nullptr;
  std::array<Grafico, kMalhas + 1> superiores_{};
  std::array<Grafico, kMalhas + 1> inferiores_{};
  QComboBox* historicoSuperior_ = nullptr;  // upper, accepts typed text
  QPushButton* botaoCarregarSuperior_ = nullptr;
  QProgressBar* progressoSuperior_ = nullptr;
  QComboBox* historicoInferior_ = nullptr;  // lower, pick-only
  QPushButton* botaoCarregarInferior_ = nullptr;
  QProgressBar* progressoInferior_ = nullptr;

  // Tools (Panel5) and indices (Panel4).
  QCheckBox* normaliza_ = nullptr;
  QCheckBox* ocultaCOs_ = nullptr;
  QCheckBox* replicaZoom_ = nullptr;
  QCheckBox* sobrepor_ = nullptr;
  QComboBox* tamanhoPagina_ = nullptr;
  QLabel* numeroPagina_ = nullptr;
  QToolButton* botaoZoom_ = nullptr;
  ColunaIndices malha_;  // left column: upper charts
  ColunaIndices hist_;   // right column: lower charts

  std::array<PaginacaoMalha, kMalhas + 1> paginacao_{};
  int porPagina_ = 1800;
  int armada_ = 0;        // loop whose charts take a mouse zoom; 0: none
  QPoint inicioArrasto_;  // where the last press on a chart was
  bool simulando_ = false;
  QString arquivoTxd_;
};

}  // namespace quiv
