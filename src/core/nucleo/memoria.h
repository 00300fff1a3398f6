// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quiv {

// Engineering view of one M-address. The texts are kept as typed; each user
// converts them itself (some as expressions, some as plain numbers).
struct Descritor {
  std::string UnidadeEng = "%";
  std::string UEMin = "0.0";
  std::string UEMax = "100.00";
  std::string LIE = "0.00";
  std::string LSE = "100.00";

  bool operator==(const Descritor&) const = default;
};

// The global tables through which every object exchanges values.
//
// Cells 1 … 99 are M01 … M99, the only cells expressions can reach (a
// reference has two digits). Cells 101 … 124 hold the actuator positions of
// process blocks 1 … 24 (PosicaoAtuador), the items "M101" … "M124" that the
// descriptions, the variable list, recorders, the XY recorder ("CO x MV") and
// animated texts name, so those picks show the real valve positions. Cell 100
// is never written. The controllers publish nothing there: their PV already
// has its own address, and writing it over the valve positions would show a
// PV under an actuator's name.
struct Memoria {
  static constexpr int kEnderecos = 99;              // M01 … M99
  static constexpr int kItens = 124;                 // items a picker may offer
  static constexpr int kAtuadores = 24;              // process blocks
  static constexpr std::size_t kTamanhoTexto = 255;  // characters per stored text

  Memoria() { Reinicia(); }

  // Start values: all cells 0, default descriptors and descriptions.
  void Reinicia();

  // Stores a text cut to its first 255 characters.
  void DefineDescricao(int item, std::string_view texto);
  void DefineDescritor(int endereco, Descritor d);

  std::array<double, kItens + 1> celula{};                  // index 0 unused
  std::array<Descritor, kEnderecos + 1> descritor{};        // index 0 unused
  std::array<std::string, kItens + 1> DescricaoEndereco{};  // 0 and 100 unused

  // Actuator position of process block n (1 … 24), in %: cell 100 + n.
  double& PosicaoAtuador(int n) { return celula[100 + n]; }
  double PosicaoAtuador(int n) const { return celula[100 + n]; }
};

// Characters (not bytes) of a UTF-8 text.
std::size_t ContaCaracteres(std::string_view texto);

// Cuts a UTF-8 text to at most `maximo` characters (not bytes).
std::string CortaTexto(std::string_view texto, std::size_t maximo = Memoria::kTamanhoTexto);

// The 23-character number text written back into expression texts: sign
// (blank or "-", also for -0), 15 significant digits rounded half away from
// zero, "E", exponent sign and 4 exponent digits.
std::string TextoCientifico(double x);
// Writes the same 23 characters into `destino` without allocating.
void EscreveTextoCientifico(double x, char* destino);
inline constexpr std::size_t kTamanhoCientifico = 23;

// Replaces every M-address reference by the referenced cell as TextoCientifico.
std::string SubstituiEnderecos(std::string_view texto, const Memoria& memoria);

// The shape of a substitution, which depends on the text alone: literal pieces
// (upper-cased, unusable references already written as "0"), each followed by
// the cell it references (endereco 0: none). `textoZero`: the whole text
// becomes "0" (an M with fewer than two characters after it).
struct TrechoSubstituido {
  std::string literal;
  int endereco = 0;
};
struct ModeloSubstituicao {
  bool textoZero = false;
  std::vector<TrechoSubstituido> trechos;
};
ModeloSubstituicao AnalisaEnderecos(std::string_view texto);

// Every comma becomes a point.
std::string VirgulaPonto(std::string_view texto);

// Address picker items: "01 description" … "99 description".
std::vector<std::string> ListaEnderecos(const Memoria& memoria);
// The address named by a picker text: its first two characters read as an
// integer (0 when they are not a number).
int EnderecoDaLista(std::string_view item);

// Actuator position entry (1 … 24) owned by an M-address, or 0 when the address
// is not a process output.
int AtuadorDoEndereco(int endereco);

}  // namespace quiv
