// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/nucleo/texto_bilingue.h"

// Line-by-line access to a simulation file. The format is positional: a
// line's meaning comes from its place, so the reader never fails on a missing
// line (past the end every line reads as empty) and never compares labels.
namespace quiv::smp {

// Builds a file: one UTF-8 line at a time, written out as Windows-1252 with
// CR LF.
class Escritor {
 public:
  // A line as it stands; a line break inside it becomes a blank.
  void Linha(std::string_view texto);
  // A record's value line: prefix (e.g. "{C01/03} "), label and value.
  void Valor(std::string_view prefixo, std::string_view rotulo, std::string_view valor);

  const std::vector<std::string>& Linhas() const { return linhas_; }
  // The file's bytes.
  std::string Conteudo() const;

 private:
  std::vector<std::string> linhas_;
};

// Reads a file's lines in order.
class Leitor {
 public:
  explicit Leitor(std::vector<std::string> linhasUtf8) : linhas_(std::move(linhasUtf8)) {}
  // From the file's bytes (Windows-1252).
  static Leitor DeConteudo(std::string_view bytes);

  // The next line; past the end, an empty line.
  std::string Linha();
  // The next line without its first `pular` characters (prefix and label
  // length, as the writer wrote them); characters, not bytes.
  std::string Valor(std::size_t pular);
  // The same, as a bilingual text: both languages are kept.
  TextoBilingue ValorBilingue(std::size_t pular);

  bool Fim() const { return posicao_ >= linhas_.size(); }
  std::size_t Posicao() const { return posicao_; }  // lines read so far
  // The line read last (its number is Posicao()); empty before the first
  // and past the end.
  std::string_view UltimaLinha() const {
    return posicao_ >= 1 && posicao_ <= linhas_.size() ? std::string_view(linhas_[posicao_ - 1])
                                                       : std::string_view();
  }

 private:
  std::vector<std::string> linhas_;
  std::size_t posicao_ = 0;
};

// Prefix of value line kk of a record: "{" + marca + "/" + two-digit kk + "} ",
// e.g. PrefixoValor("C01", 3) is "{C01/03} ".
std::string PrefixoValor(std::string_view marca, int kk);
// An identity number written with at least two digits ("01").
std::string DoisDigitos(int n);

}  // namespace quiv::smp
