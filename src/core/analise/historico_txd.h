#pragma once

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

// The history file (.txd) of a fast simulation: lines ended by CR LF, every
// field closed by ";", "." as the decimal point.
//
//   header: "01 description;" … "99 description;", then TA with one decimal
//           and the window in whole seconds ("…;0.1;1800;")
//   data:   one line per simulated second, M01 … M99 each with two decimals,
//           padded on the left to five characters (" 7.50;100.00;…")
//
// The file does not say which cells were the loops' PVs: the reader takes
// them from the simulation open when it reads.
namespace quiv {

class Simulacao;

// The number in field n (1-based) of a line: the text after the (n−1)-th ";"
// up to the n-th. Leading blanks are allowed; anything else that is not a
// number (or a missing field) gives nothing.
std::optional<double> CampoTxd(std::string_view linha, int n);

// The value a cell has once written to a history file and read back: two
// decimals. A run records these values, so its series and indices are the
// ones its history file gives back.
double ValorNoHistorico(double x);

// The header line, CR LF included. Line breaks inside a description would
// split the header, so they are written as blanks.
std::string CabecalhoTxd(const Memoria& memoria, double TA, int janela);

// Appends one data line, CR LF included.
void AcrescentaLinhaTxd(const Memoria& memoria, std::string& destino);

// stem + "_" + n + ".txd" in `pasta`, n = 1, 2, … the first that does not
// exist (NomeLivre).
std::filesystem::path NomeHistoricoLivre(const std::filesystem::path& pasta,
                                         std::string_view stem);

// The history selectors' list: the names of the "*.txd" files of `pasta`
// without the extension, in alphabetical order.
std::vector<std::string> HistoricosDaPasta(const std::filesystem::path& pasta);

// Writes one history file while a run goes. The file is created under the
// first free name and never replaces an existing one. Any failure to create
// or write throws Erro with the run-time library's message.
class GravadorTxd {
 public:
  GravadorTxd(const std::filesystem::path& pasta, std::string_view stem,
              const std::string& cabecalho);
  ~GravadorTxd();
  GravadorTxd(const GravadorTxd&) = delete;
  GravadorTxd& operator=(const GravadorTxd&) = delete;

  void EscreveLinha(const Memoria& memoria);
  // Flushes and closes; errors that surface only now are reported here.
  void Fecha();

  const std::filesystem::path& Caminho() const { return caminho_; }

 private:
  void Grava(const char* dados, std::size_t tamanho);

  std::FILE* arquivo_ = nullptr;
  std::filesystem::path caminho_;
  std::vector<char> linha_;
  std::vector<char> buffer_;
};

// A history file read back into the loops of the simulation open now.
struct HistoricoLido {
  MalhasDesempenho malhas;
  int janela = 0;            // seconds announced by the header
  std::size_t linhasLidas = 0;
  std::size_t camposInvalidos = 0;  // fields read as 0 because they hold no number
};

// Loads `arquivo`: for every controller k that exists now and has a PV among
// M01 … M99, the loop's series (MV from field k, PV from the PV's field, SP
// from field 60+k; PV and SP converted with the PV's present descriptor when
// not `normaliza`) and its indices. Reads the data lines the header announces;
// a file that ends early loads the lines it has, and a field that holds no
// number reads as 0 and is counted. The window is the header's last field, so
// descriptions holding ";" do not shift it. `progresso` receives 0 … 100 as
// the lines are read. A file that cannot be opened or read throws Erro.
HistoricoLido LeHistoricoTxd(const std::filesystem::path& arquivo, const Simulacao& simulacao,
                             bool normaliza, const std::function<void(int)>& progresso = {});
// The same from an open stream.
HistoricoLido LeHistoricoTxd(std::istream& entrada, const Simulacao& simulacao, bool normaliza,
                             const std::function<void(int)>& progresso = {});

}  // namespace quiv
