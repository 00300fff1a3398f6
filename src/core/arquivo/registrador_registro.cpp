#include <array>
#include <string>
#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/objetos/registrador.h"
#include "core/arquivo/valores_smp.h"

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
      TagText,
      DescricaoText,
      std::to_string(Variavel1Select),
      Edit1,
      std::to_string(Variavel2Select),
      Edit2,
      std::to_string(Variavel3Select),
      Edit3,
      std::to_string(BaseTempoBox),
  };
  e.Linha("=====<<<REGISTRADOR:" + std::to_string(NumeroRegistrador()) + ">>>=====");
  for (int kk = 1; kk <= 9; ++kk) {
    const auto i = static_cast<std::size_t>(kk - 1);
    e.Valor(smp::PrefixoValor("R", kk), kRotulos[i], valores[i]);
  }
}

void Registrador::LeParametros(smp::Leitor& l) {
  EscalaSup = 100.0;
  EscalaInf = 0.0;
  Arquivo.TempoArquivo = 0.0;

  l.Linha();
  TagText = l.ValorBilingue(Pular(1));
  DescricaoText = l.ValorBilingue(Pular(2));
  Variavel1Select = smp::LeInteiroEstrito(l.Valor(Pular(3)));
  Edit1 = l.ValorBilingue(Pular(4));
  Variavel2Select = smp::LeInteiroEstrito(l.Valor(Pular(5)));
  Edit2 = l.ValorBilingue(Pular(6));
  Variavel3Select = smp::LeInteiroEstrito(l.Valor(Pular(7)));
  Edit3 = l.ValorBilingue(Pular(8));
  BaseTempoBox = smp::LeInteiroEstrito(l.Valor(Pular(9)));
}

}  // namespace quiv
