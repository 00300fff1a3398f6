// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>
#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/objetos/bloco.h"

namespace quiv {

namespace {

// Labels of value lines 01 … 07; part of the format, letter for letter.
constexpr std::array<std::string_view, 7> kRotulos = {
    "Tag:", "Desc:", "Funcao:", "Lim Sup:", "Lim Inf:", "Habilita Lim Sup:", "Habilita Lim Inf:",
};

// "{BNN/KK} ": the value starts after these characters plus the label.
constexpr std::size_t kPrefixo = 9;

std::size_t Pular(int kk) { return kPrefixo + kRotulos[static_cast<std::size_t>(kk - 1)].size(); }

}  // namespace

void Bloco::SalvaParametros(smp::Escritor& e) const {
  const std::string nn = smp::DoisDigitos(endereco_);
  const std::string marca = "B" + nn;
  const std::array<std::string, 7> valores = {
      Tag.Completo(),
      Descricao.Completo(),
      Funcao,
      LimiteSuperior,
      LimiteInferior,
      smp::FlagMista(LimiteSuperiorAtivo),
      smp::FlagMista(LimiteInferiorAtivo),
  };
  e.Linha("=====<<<BLOCO CALC:" + nn + ">>>=====");
  for (int kk = 1; kk <= 7; ++kk) {
    const auto i = static_cast<std::size_t>(kk - 1);
    e.Valor(smp::PrefixoValor(marca, kk), kRotulos[i], valores[i]);
  }
}

void Bloco::LeParametros(smp::Leitor& l) {
  l.Linha();
  Tag = l.ValorBilingue(Pular(1));
  Descricao = l.ValorBilingue(Pular(2));
  Funcao = l.Valor(Pular(3));
  LimiteSuperior = l.Valor(Pular(4));
  LimiteInferior = l.Valor(Pular(5));
  LimiteSuperiorAtivo = smp::LeFlagMista(l.Valor(Pular(6)));
  LimiteInferiorAtivo = smp::LeFlagMista(l.Valor(Pular(7)));
}

}  // namespace quiv
