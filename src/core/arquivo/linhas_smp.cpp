// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/linhas_smp.h"

#include "core/arquivo/valores_smp.h"
#include "core/nucleo/memoria.h"

namespace quiv::smp {

void Escritor::Linha(std::string_view texto) { linhas_.push_back(LinhaSegura(texto)); }

void Escritor::Valor(std::string_view prefixo, std::string_view rotulo, std::string_view valor) {
  std::string linha(prefixo);
  linha += rotulo;
  linha += valor;
  Linha(linha);
}

std::string Escritor::Conteudo() const {
  std::string bytes;
  for (const std::string& linha : linhas_) {
    bytes += ParaWindows1252(linha);
    bytes += "\r\n";
  }
  return bytes;
}

Leitor Leitor::DeConteudo(std::string_view bytes) {
  std::vector<std::string> linhas = DivideLinhas(bytes);
  for (std::string& linha : linhas) linha = DeWindows1252(linha);
  return Leitor(std::move(linhas));
}

std::string Leitor::Linha() {
  const std::size_t i = posicao_++;
  return i < linhas_.size() ? linhas_[i] : std::string();
}

std::string Leitor::Valor(std::size_t pular) {
  const std::string linha = Linha();
  const std::size_t inicio = CortaTexto(linha, pular).size();
  return linha.substr(inicio);
}

TextoBilingue Leitor::ValorBilingue(std::size_t pular) { return TextoBilingue(Valor(pular)); }

std::string DoisDigitos(int n) {
  std::string t = std::to_string(n);
  return n >= 0 && n < 10 ? "0" + t : t;
}

std::string PrefixoValor(std::string_view marca, int kk) {
  return "{" + std::string(marca) + "/" + DoisDigitos(kk) + "} ";
}

}  // namespace quiv::smp
