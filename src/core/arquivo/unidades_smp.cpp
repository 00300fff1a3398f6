// SPDX-License-Identifier: GPL-3.0-or-later
// The engineering-units block of the simulation file.

#include "core/arquivo/unidades_smp.h"

#include <string>

namespace quiv::smp {

namespace {

constexpr std::size_t kPrefixo = 4;  // "M", two digits, ":"

// Reads the field starting at `pos` up to the next ";" (or the end of the
// line) and moves `pos` past the ";".
std::string Campo(std::string_view linha, std::size_t& pos) {
  if (pos >= linha.size()) return {};
  const std::size_t fim = linha.find(';', pos);
  const std::size_t n = (fim == std::string_view::npos ? linha.size() : fim) - pos;
  std::string campo(linha.substr(pos, n));
  pos = fim == std::string_view::npos ? linha.size() : fim + 1;
  return campo;
}

std::string OuPadrao(std::string campo, const char* padrao) {
  return campo.empty() ? std::string(padrao) : campo;
}

}  // namespace

std::string LinhaUnidade(int endereco, const Descritor& d) {
  std::string t = "M" + DoisDigitos(endereco) + ":";
  for (const std::string* s : {&d.UnidadeEng, &d.UEMin, &d.UEMax, &d.LIE, &d.LSE}) {
    t += *s;
    t += ';';
  }
  return t;
}

Descritor LeLinhaUnidade(std::string_view linha) {
  // Skip the prefix by characters, as the writer wrote it.
  const std::size_t inicio = CortaTexto(linha, kPrefixo).size();
  std::size_t pos = inicio;
  Descritor d;
  d.UnidadeEng = Campo(linha, pos);
  d.UEMin = OuPadrao(Campo(linha, pos), "0.00");
  d.UEMax = OuPadrao(Campo(linha, pos), "100.00");
  d.LIE = OuPadrao(Campo(linha, pos), "0.00");
  d.LSE = OuPadrao(Campo(linha, pos), "100.00");
  return d;
}

void SalvaUnidades(const Memoria& memoria, Escritor& e) {
  e.Linha(kCabecalhoUnidades);
  for (int m = kPrimeiroEnderecoUnidades; m <= kUltimoEnderecoUnidades; ++m)
    e.Linha(LinhaUnidade(m, memoria.descritor[m]));
}

void LeUnidades(Memoria& memoria, Leitor& l) {
  for (int m = kPrimeiroEnderecoUnidades; m <= kUltimoEnderecoUnidades; ++m)
    memoria.DefineDescritor(m, LeLinhaUnidade(l.Linha()));
}

void UnidadesPadrao(Memoria& memoria) {
  for (int m = kPrimeiroEnderecoUnidades; m <= kUltimoEnderecoUnidades; ++m)
    memoria.DefineDescritor(m, Descritor{"%", "0.00", "100.00", "0.00", "100.00"});
}

}  // namespace quiv::smp
