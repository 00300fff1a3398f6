// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>
#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/objetos/texto_animado.h"

namespace quiv {

namespace {

// Labels of value lines 01 … 08; part of the format, letter for letter.
constexpr std::array<std::string_view, 8> kRotulos = {
    "Desc:",      "Funcao:",    "Casas Decimais:", "Unidade:",
    "Faixa Max:", "Faixa Min:", "Tipo:",           "Variavel:",
};

// "{T/KK} ", whatever the text's number.
constexpr std::size_t kPrefixo = 7;

std::size_t Pular(int kk) { return kPrefixo + kRotulos[static_cast<std::size_t>(kk - 1)].size(); }

}  // namespace

void TextoAnimado::SalvaParametros(smp::Escritor& e) const {
  const std::array<std::string, 8> valores = {
      Descricao.Completo(),
      FuncaoTr.Completo(),
      std::to_string(CasasDecimais),
      Unidade,
      TextoFaixaMax,
      TextoFaixaMin,
      std::to_string(Tipo),
      std::to_string(ItemVariavel),
  };
  e.Linha("=====<<<TEXTO ANIMADO:" + std::to_string(Identidade()) + ">>>=====");
  for (int kk = 1; kk <= 8; ++kk) {
    const auto i = static_cast<std::size_t>(kk - 1);
    e.Valor(smp::PrefixoValor("T", kk), kRotulos[i], valores[i]);
  }
}

void TextoAnimado::LeParametros(smp::Leitor& l) {
  l.Linha();
  Descricao = l.ValorBilingue(Pular(1));
  FuncaoTr = l.ValorBilingue(Pular(2));
  CasasDecimais = smp::LeInteiroTolerante(l.Valor(Pular(3)));
  Unidade = l.Valor(Pular(4));
  TextoFaixaMax = l.Valor(Pular(5));
  AlarmeAltoSegueFaixa();
  TextoFaixaMin = l.Valor(Pular(6));
  AlarmeBaixoSegueFaixa();
  Tipo = smp::LeInteiroEstrito(l.Valor(Pular(7)));
  ItemVariavel = smp::LeInteiroEstrito(l.Valor(Pular(8)));
}

}  // namespace quiv
