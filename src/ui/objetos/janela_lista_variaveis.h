// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "core/arquivo/lista_variaveis.h"

class QPushButton;
class QTableWidget;
class QToolButton;

namespace quiv {

class SessaoSimulacao;

// The variable list ("Lista de Variáveis"): the M-addresses in two tables,
// process variables (ListaVar) and control signals (ListaVar2), with their
// engineering data and current values, edited in place. One window for the
// whole program; it stays above the main window and opens centred on the
// screen.
//
// Each table's header row is its horizontal header and its address column
// its vertical header, so both stay in view while the rows scroll: the
// table's row r − 1 is the list's row r, its column c − 1 the list's column
// c ("Tipo" … "Valor").
//
// Editing: Enter keeps a cell's text for "Atualiza" when the row stores
// that field (ListaVariaveis::Guardavel), or only leaves it in the cell;
// Escape gives the previous text back; leaving a cell keeps the typed text
// in it without keeping it for "Atualiza", until the next refresh.
// "Atualiza" hands the kept texts to the session, which checks every row
// and stores them, handing the descriptors on to the objects, all or nothing
// as one edit that can be undone; a failed row keeps the texts in their
// cells. The type and value columns take no selection, the actuator
// positions (M101 … M124) no typing.
class JanelaListaVariaveis : public QWidget {
  Q_OBJECT

 public:
  explicit JanelaListaVariaveis(SessaoSimulacao& sessao, QWidget* pai = nullptr);
  ~JanelaListaVariaveis() override;

  // Refreshed, shown, raised and activated (centred on the first show).
  void Mostra();

  // The refresh: both tables from the memory table and the descriptors
  // (the texts kept for "Atualiza" stay in their cells), the process tags
  // and the values. Runs when the window is activated or shown, after
  // "Atualiza", its undo and redo, and after a load.
  void AtualizaLista();

  // Table column of a list column (Tipo … Valor).
  static int Coluna(ListaVariaveis::Campo campo) {
    return static_cast<int>(campo) - ListaVariaveis::kPrimeiraColuna;
  }

 protected:
  void changeEvent(QEvent* evento) override;

 private:
  class EditorCelula;
  using Tabela = ListaVariaveis::Tabela;

  QTableWidget* CriaTabela(Tabela tabela, const char* nome, const std::array<int, 9>& larguras);
  QTableWidget* TabelaDe(Tabela tabela) const;
  // The value column of every row that shows one: after each cycle while
  // shown, and within the refresh.
  void AtualizaValores();
  // Enter in a cell: its text kept for "Atualiza", or only left in the cell.
  void Confirma(Tabela tabela, int linha, int coluna, const QString& digitado);
  // "Atualiza": the kept texts to the session; whether they were accepted.
  bool Aplica();

  SessaoSimulacao& sessao_;
  QTableWidget* tabelaProcesso_ = nullptr;
  QTableWidget* tabelaControle_ = nullptr;
  QPushButton* botaoAtualiza_ = nullptr;
  QPushButton* botaoSair_ = nullptr;
  QToolButton* botaoAjuda_ = nullptr;
  bool centrada_ = false;
  std::vector<ListaVariaveis::Alteracao> alteracoes_;  // kept for "Atualiza", in order
  // Values last written into each table's value column, per row.
  std::array<std::vector<double>, 2> valores_;
  std::array<std::vector<bool>, 2> valorEscrito_;
};

}  // namespace quiv
