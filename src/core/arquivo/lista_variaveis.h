// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/nucleo/memoria.h"
#include "core/nucleo/texto_bilingue.h"
#include "core/objetos/controlador.h"
#include "core/objetos/painel.h"
#include "core/objetos/texto_animado.h"

namespace quiv {

class Documento;

// The variable list: the M-addresses of the simulation in two tables with
// their descriptors and values, where the user edits the descriptors in
// place.
//
//   Processo (ListaVar), 48 rows:  M21 … M60, M71 … M78 (process and block
//                                  outputs)
//   Controle (ListaVar2), 75 rows: M15 … M20 data entries, M61 … M70 set
//                                  points, M01 … M10 controller outputs,
//                                  M97 … M99 push buttons, M11, M12 switches,
//                                  M13 linearizer, M14, M79, M80 reserved,
//                                  M81 … M96 signal generator, M101 … M124
//                                  actuator positions
//
// Columns: 0 the address, 1 "Tipo", 2 "Unid. Eng", 3 "UE min", 4 "UE max",
// 5 "LIE", 6 "LSE", 7 "Descrição", 8 "Valor". Rows count from 1 (row 0 is
// the header). The tables hold texts only; these functions say what each row
// shows and what an edit of it does.
class ListaVariaveis {
 public:
  enum class Tabela { Processo, Controle };
  // Columns 1 … 8.
  enum class Campo { Tipo = 1, Unidade, UEMin, UEMax, LIE, LSE, Descricao, Valor };
  static constexpr int kPrimeiraColuna = 1;
  static constexpr int kUltimaColuna = 8;

  // What the refresh writes into a row: nothing, the value only, or the
  // descriptor, the description and the value.
  enum class Atualizacao { Nada, Valor, Tudo };
  // How Enter in an editable cell of the row is read.
  enum class Edicao {
    Somente,   // read-only row (M101 … M124: actuator positions)
    Descarta,  // the typed text stays in the cell, nothing is stored
    Real,      // stored; the UE min/max comparison reads the typed text as a real
    Inteiro,   // stored; the comparison reads the typed text's leading integer
  };

  struct Linha {
    int Endereco = 0;    // 1 … 124
    TextoBilingue Tipo;  // column 1 at creation
    Atualizacao Atualiza = Atualizacao::Nada;
    Edicao Edita = Edicao::Descarta;
    bool GuardaDescricao = false;  // Enter in column 7 stores the description
  };

  // The outcome of Enter in a cell.
  enum class Resultado {
    Guardado,  // the typed text was stored; it stays in the cell
    Mantido,   // nothing was stored; the typed text stays in the cell
    Recusado,  // the cell takes back the text it had when it was selected
  };

  static int Linhas(Tabela tabela) { return tabela == Tabela::Processo ? 48 : 75; }
  // Row 1 … Linhas(tabela).
  static Linha LinhaDe(Tabela tabela, int linha);

  // Column 0: "M" and the address in two digits, three from 100 on.
  static std::string NomeEndereco(int endereco);
  // Columns 1 … 8 of a row when the window is created: the type, then
  // "%", "0", "100" for the process variables, data entries, set points and
  // controller outputs; the descriptor defaults and the description for
  // the actuator positions; the value for the push buttons, switches and
  // linearizer; empty elsewhere.
  static std::array<std::string, kUltimaColuna + 1> TextosIniciais(const Memoria& memoria,
                                                                   Tabela tabela, int linha,
                                                                   bool ingles = false);
  // Column 2 … 8 of an address as the refresh writes it: a descriptor
  // field, the description, or the value with 2 decimals in at least 4
  // characters.
  static std::string TextoCampo(const Memoria& memoria, int endereco, Campo campo);
  static std::string TextoValor(double valor);

  // Columns 1 (type) and 8 (value) cannot be selected.
  static bool Selecionavel(Campo campo) { return campo != Campo::Tipo && campo != Campo::Valor; }
  // Whether a cell accepts typing: a selectable column of a row that is not
  // read-only.
  static bool Editavel(Tabela tabela, int linha, Campo campo);

  // A cell's text confirmed with Enter, kept for the next "Atualiza".
  struct Alteracao {
    Tabela tabela = Tabela::Processo;
    int linha = 1;
    Campo campo = Campo::Unidade;
    std::string texto;
  };
  // Whether Enter in the cell keeps its text for "Atualiza" (a field the
  // row stores); otherwise the text only stays in the cell.
  static bool Guardavel(Tabela tabela, int linha, Campo campo);
  // "Atualiza": the edits, all or nothing. A range or limit (UE min, UE
  // max, LIE, LSE) whose last text is no number fails ("M21: UE max
  // inválido"). Each other row is checked as it would
  // stand after all of them (the last text of a cell counts): a UE min
  // typed above the row's UE max, or a UE max typed below its UE min, fails
  // the row, with the comparison of Confirma. Each failed row gives one text
  // ("M21: UE min acima do UE max"), in the order of the
  // edits, and nothing
  // is stored; otherwise every cell's last text is stored as Confirma stores
  // it. Returns the failures.
  static std::vector<std::string> AplicaAlteracoes(Memoria& memoria,
                                                   const std::vector<Alteracao>& alteracoes);

  // Enter in a cell: `digitado` is the typed text, `vizinho` the text of
  // the other range column of the row (column 4 for column 3, column 3 for
  // column 4), always read as a real. A UE min typed above the UE max beside
  // it, or a UE max below the UE min, is refused. Otherwise the field is
  // stored as typed (at most 255 characters): UE min also as LIE, UE max
  // also as LSE. A text that does not begin with a number compares as 0.
  static Resultado Confirma(Memoria& memoria, Tabela tabela, int linha, Campo campo,
                            std::string_view digitado, std::string_view vizinho);

  // Column 1 of Processo row `linha` on refresh: the tag of the object that
  // writes its address (rows 1 … 20 processes 1 … 20, 21 … 40 blocks 1 … 20,
  // 41 … 44 processes 21 … 24, 45 … 48 blocks 21 … 24), in the interface
  // language; the row's type when that object does not exist, so a row
  // never shows a tag of another plant.
  static std::string TipoDaLinha(const Documento& doc, int linha);

  // The hint of data entry n (1 … 6): "Faixa: de " + UEMin + " a " + UEMax +
  // " " + unit of M(14+n).
  static std::string DicaEntrada(const Memoria& memoria, int n);

  // After the tables were refreshed, the descriptors reach the objects: the
  // data entries' hints, then every animated text applied again, every trend
  // recorder's configuration, every controller applied without messages.
  static void AplicaDescritores(Documento& doc);

  // What "Atualiza" writes into the plant: the descriptors and descriptions
  // of the addresses, the data entries' hints, and the forms of the animated
  // texts and controllers (whose apply copies the range texts from the
  // descriptors); none for an object that does not exist.
  struct Descritores {
    std::array<Descritor, Memoria::kEnderecos + 1> descritor;
    std::array<std::string, Memoria::kItens + 1> descricao;
    std::array<std::string, Painel::kEntradas> dica;
    std::array<std::optional<FormularioTexto>, 20> texto;
    std::array<std::optional<FormularioControlador>, 10> controlador;

    bool operator==(const Descritores&) const = default;
  };
  static Descritores Captura(const Documento& doc);
  // Puts them back: the tables and hints, then each text and controller
  // (captured and present) takes its form, is applied again without
  // messages on the restored descriptors and keeps that form exactly; the
  // recorders take their configuration again, and the descriptions, which a
  // controller's apply rewrites, come last. The step state stays as it is.
  static void Restaura(Documento& doc, const Descritores& d);
};

}  // namespace quiv
