// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analise/malha_desempenho.h"
#include "core/nucleo/memoria.h"

// The history file (.txd) of a fast simulation: Windows-1252 text like the
// simulation file, lines ended by CR LF, every field closed by ";", "." as
// the decimal point.
//
//   header: "01 description;" … "99 description;", then TA with one decimal
//           and the window in whole seconds ("…;0.1;1800;")
//   data:   one line per simulated second, M01 … M99 each with two decimals,
//           padded on the left to five characters (" 7.50;100.00;…")
//
// The file does not say which cells were the loops' PVs: the reader takes
// them from the simulation open when it reads. It accepts UTF-8 files too.
namespace quiv {

class Simulacao;

// The number in field n (1-based) of a line: the text after the (n−1)-th ";"
// up to the n-th. Leading blanks are allowed; anything else that is not a
// number (or a missing field) gives nothing.
std::optional<double> CampoTxd(std::string_view linha, int n);

// The value a cell has once written to a history file and read back: two
// decimals.
double ValorNoHistorico(double x);

// The header line as the file holds it: Windows-1252 bytes, CR LF included.
// Line breaks inside a description would split the header, so they are
// written as blanks.
std::string CabecalhoTxd(const Memoria& memoria, double TA, int janela);

// Appends one data line, CR LF included.
void AcrescentaLinhaTxd(const Memoria& memoria, std::string& destino);

// stem + "_" + n + ".txd" in `pasta`, n = 1, 2, … the first that does not
// exist (NomeLivre).
std::filesystem::path NomeHistoricoLivre(const std::filesystem::path& pasta, std::string_view stem);

// The history selectors' list: the names of the "*.txd" files of `pasta`
// without the extension, in alphabetical order.
std::vector<std::string> HistoricosDaPasta(const std::filesystem::path& pasta);

// Writes one history file while a run goes. The lines go to a temporary
// file beside the history ("." + stem + "_n.txd.tmp", which the history
// lists do not show); only Fecha gives it its name, so a run that fails
// half-way leaves no file that looks complete. Any failure to create, write
// or name the file throws Erro with the run-time library's message.
class GravadorTxd {
 public:
  // Creates the temporary file (never replacing a file) and writes the header.
  GravadorTxd(const std::filesystem::path& pasta, std::string_view stem,
              const std::string& cabecalho);
  // Descarta, unless Fecha has named the file.
  ~GravadorTxd();
  GravadorTxd(const GravadorTxd&) = delete;
  GravadorTxd& operator=(const GravadorTxd&) = delete;

  void EscreveLinha(const Memoria& memoria);
  // Flushes and closes, then names the file stem_n.txd with the first n
  // whose file does not exist, never replacing one that appeared meanwhile.
  // Errors that surface only now are reported here, and the temporary file
  // is removed. Once named, further calls do nothing.
  void Fecha();
  // Closes and removes the unfinished file. Nothing once it is named.
  void Descarta() noexcept;

  bool Nomeado() const { return nomeado_; }
  // The history's name once Fecha has given it; the temporary file's before.
  const std::filesystem::path& Caminho() const { return caminho_; }

 private:
  void Grava(const char* dados, std::size_t tamanho);
  void DaNome();

  std::FILE* arquivo_ = nullptr;
  std::filesystem::path pasta_;
  std::string stem_;
  std::filesystem::path caminho_;
  bool nomeado_ = false;
  std::vector<char> linha_;
  std::vector<char> buffer_;
};

// A history file read back into the loops of the simulation open now.
struct HistoricoLido {
  MalhasDesempenho malhas;
  int janela = 0;  // seconds announced by the header (0 … INT_MAX)
  // The header's descriptions of M01 … M99 (index 0 unused), as UTF-8; empty
  // from the first one the header does not hold as "NN text;" on.
  std::array<std::string, Memoria::kEnderecos + 1> descricoes;
  std::size_t linhasLidas = 0;
  std::size_t camposInvalidos = 0;  // fields read as 0 because they hold no number
};

// Loads `arquivo`: for every controller k that exists now and has a PV among
// M01 … M99, the loop's series (MV from field k, PV from the PV's field, SP
// from field 60+k; PV and SP converted with the PV's present descriptor when
// not `normaliza`) and its indices, computed from the values as the file holds
// them. Reads the data lines the header announces (a window that is no
// number: every line; a negative one: none); a file that ends early loads
// the lines it has, and a field that holds no number reads as 0 and is
// counted. The window is the header's last field, so descriptions holding
// ";" do not shift it. The header is read as UTF-8 when it is valid UTF-8
// (after an optional byte-order mark), otherwise as Windows-1252. `progresso` receives 0 … 100 as
// the lines are read. A file that cannot be opened or read throws Erro.
HistoricoLido LeHistoricoTxd(const std::filesystem::path& arquivo, const Simulacao& simulacao,
                             bool normaliza, const std::function<void(int)>& progresso = {});
// The same from an open stream.
HistoricoLido LeHistoricoTxd(std::istream& entrada, const Simulacao& simulacao, bool normaliza,
                             const std::function<void(int)>& progresso = {});

}  // namespace quiv
