// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>
#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/objetos/registrador.h"

namespace quiv {

namespace {

// Labels of value lines 01 … 09; part of the format, letter for letter.
constexpr std::array<std::string_view, 9> kRotulos = {
    "Tag:",
    "Desc:",
    "Ind Lista Var1:",
    "Desc Var1:",
    "Ind Lista Var2:",
    "Desc Var2:",
    "Ind Lista Var3:",
    "Desc Var3:",
    "Ind Lista Base Tempo:",
};

// "{R/KK} ", whatever the recorder's number.
constexpr std::size_t kPrefixo = 7;

std::size_t Pular(int kk) { return kPrefixo + kRotulos[static_cast<std::size_t>(kk - 1)].size(); }

}  // namespace

void Registrador::SalvaParametros(smp::Escritor& e) const {
  const std::array<std::string, 9> valores = {
      Tag.Completo(),
      Descricao.Completo(),
      std::to_string(ItemVariavel1),
      NomeVariavel1.Completo(),
      std::to_string(ItemVariavel2),
      NomeVariavel2.Completo(),
      std::to_string(ItemVariavel3),
      NomeVariavel3.Completo(),
      std::to_string(Grafico.ItemBaseTempo),
  };
  e.Linha("=====<<<REGISTRADOR:" + std::to_string(NumeroRegistrador()) + ">>>=====");
  for (int kk = 1; kk <= 9; ++kk) {
    const auto i = static_cast<std::size_t>(kk - 1);
    e.Valor(smp::PrefixoValor("R", kk), kRotulos[i], valores[i]);
  }
}

void Registrador::LeParametros(smp::Leitor& l) {
  Grafico.EscalaSup = 100.0;
  Grafico.EscalaInf = 0.0;
  Grafico.Arquivo.TempoArquivo = 0.0;

  l.Linha();
  Tag = l.ValorBilingue(Pular(1));
  Descricao = l.ValorBilingue(Pular(2));
  ItemVariavel1 = smp::LeInteiroEstrito(l.Valor(Pular(3)));
  NomeVariavel1 = l.ValorBilingue(Pular(4));
  ItemVariavel2 = smp::LeInteiroEstrito(l.Valor(Pular(5)));
  NomeVariavel2 = l.ValorBilingue(Pular(6));
  ItemVariavel3 = smp::LeInteiroEstrito(l.Valor(Pular(7)));
  NomeVariavel3 = l.ValorBilingue(Pular(8));
  Grafico.ItemBaseTempo = smp::LeInteiroEstrito(l.Valor(Pular(9)));
}

}  // namespace quiv
