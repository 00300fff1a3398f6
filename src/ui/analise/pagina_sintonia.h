// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/analise/ajuste_controlador.h"
#include "core/analise/ensaio_degrau.h"
#include "core/analise/fabrica_copia.h"
#include "core/analise/identificacao.h"
#include "core/analise/regras_sintonia.h"

class QCustomPlot;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace quiv {

class Documento;
class SessaoSimulacao;

// The tuning page of loop n, opened from its controller's window: a step
// test of the process on a copy of the plant, the model fitted to it drawn
// over the response, the settings of every tuning rule for this controller,
// a check of the chosen settings (set-point and load steps, before and
// after, the seven indices side by side) and their apply.
//
// The live plant is never touched until "Aplicar": the test and the check
// run on copies of the plant as it stood when the test began. Runs occupy
// the user-interface thread with the progress bar moving and no user input
// taken, as the fast simulation does; the plant's scan goes on meanwhile.
class PaginaSintonia : public QWidget {
  Q_OBJECT

 public:
  // `aplica` types the settings into the controller and applies them as
  // its window's apply does (checks, messages, the simulation marked
  // modified); it tells whether the controller took them.
  using Aplicador = std::function<bool(const ParametrosControlador&)>;

  PaginaSintonia(SessaoSimulacao& sessao, int n, Aplicador aplica, QWidget* pai = nullptr);
  ~PaginaSintonia() override;

  // Shown, raised and activated, the caption refreshed from the controller.
  void Mostra();

  // The rule and controller chosen in the table, when a defined one is.
  std::optional<Sintonia> Escolhida() const;
  // Chooses a row of the table; false when that rule gives no settings.
  bool Escolhe(Regra regra, TipoControlador tipo);

  // Handlers, public for the tests as the buttons call them.
  void ExecutaEnsaio();
  void Verifica();
  void Aplica();
  void DefineLambda();

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  QWidget* CriaPainelEnsaio();
  QWidget* CriaGraficos();
  QWidget* CriaPainelRegras();
  QWidget* CriaPainelIndices();

  void AtualizaTitulo();
  // Forgets the test and everything after it (a new plant, a failed test).
  void Limpa();
  void HabilitaBotoes();
  void MostraEnsaio();
  void PreencheTabela();
  void LimpaIndices();
  void Informa(const QString& texto);
  std::function<void(int)> Progresso();
  // Copies of the plant as it stood when the test began.
  FabricaCopia Copia() const;
  // Runs an off-line job with the page busy (buttons off, wait cursor, the
  // bar moving, no user input taken); the refusal in this program's words,
  // or empty.
  QString Ocupa(const std::function<void()>& trabalho);

  // The core's names and reasons in this program's words.
  static QString NomeRegraTela(Regra regra);
  static QString TextoRessalva(const Sintonia& sintonia, const ModeloProcesso& modelo);
  static QString TextoRecusa(const class RecusaSintonia& recusa);

  SessaoSimulacao& sessao_;
  const int n_;
  Aplicador aplica_;
  bool ocupado_ = false;

  // The plant as it stood when the test began: every off-line run copies it.
  std::shared_ptr<const Documento> base_;
  std::optional<ResultadoEnsaio> ensaio_;
  std::optional<ResultadoIdentificacao> modelo_;
  OpcoesRegras regras_;
  std::vector<Sintonia> tabela_;

  QLineEdit* amplitude_ = nullptr;
  QPushButton* botaoEnsaio_ = nullptr;
  QProgressBar* progresso_ = nullptr;
  QLabel* estadoEnsaio_ = nullptr;
  QTabWidget* graficos_ = nullptr;
  QCustomPlot* graficoResposta_ = nullptr;
  QCustomPlot* graficoVerificacao_ = nullptr;
  QLabel* textoModelo_ = nullptr;
  QLineEdit* lambda_ = nullptr;
  QTableWidget* tabelaRegras_ = nullptr;
  QPushButton* botaoVerificar_ = nullptr;
  QPushButton* botaoAplicar_ = nullptr;
  QPushButton* botaoFechar_ = nullptr;
  QTableWidget* tabelaIndices_ = nullptr;
  QLabel* avisoVerificacao_ = nullptr;
  QLabel* estadoAplicacao_ = nullptr;
};

}  // namespace quiv
