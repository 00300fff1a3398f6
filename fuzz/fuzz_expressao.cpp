// SPDX-License-Identifier: GPL-3.0-or-later
// Differential fuzzing of the evaluator: any text and any cell values must
// give the same bits through the compiled expression as through the text
// rewriting, must end, and must not crash.
//
// Input: up to 8 cell values (8 bytes each, written to M01 … M08 and reused
// for M09 …), a separator 0xFF, then the expression text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/nucleo/erro.h"
#include "core/nucleo/expressao.h"

namespace {

struct Resultado {
  bool estouro = false;
  double valor = 0.0;
  std::string_view erro;
};

template <class F>
Resultado Captura(F f) {
  try {
    const quiv::Avaliacao a = f();
    return {false, a.valor, a.ErroEquacao};
  } catch (const quiv::Erro&) {
    return {true, 0.0, {}};
  }
}

bool Iguais(const Resultado& a, const Resultado& b) {
  return a.estouro == b.estouro && std::memcmp(&a.valor, &b.valor, sizeof a.valor) == 0 &&
         a.erro == b.erro;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const auto* fim = static_cast<const std::uint8_t*>(std::memchr(dados, 0xFF, tamanho));
  const std::size_t corte = fim ? static_cast<std::size_t>(fim - dados) : 0;
  quiv::Memoria m;
  const std::size_t celulas = std::min<std::size_t>(corte / 8, 8);
  for (int k = 1; k <= quiv::Memoria::kEnderecos && celulas > 0; ++k) {
    std::memcpy(&m.celula[k], dados + 8 * ((k - 1) % celulas), 8);
  }
  const std::string texto(reinterpret_cast<const char*>(dados) + (fim ? corte + 1 : 0),
                          tamanho - (fim ? corte + 1 : 0));
  if (texto.size() > 400) return 0;

  quiv::Expressao e(texto);
  const Resultado referencia =
      Captura([&] { return quiv::CalculaEquacao(quiv::SubstituiEnderecos(texto, m)); });
  for (int vez = 0; vez < 2; ++vez) {  // records, then replays
    if (!Iguais(Captura([&] { return e.Avalia(m); }), referencia)) std::abort();
  }
  // Negated cells take the other records.
  for (int k = 1; k <= quiv::Memoria::kEnderecos; ++k) m.celula[k] = -m.celula[k];
  const Resultado negada =
      Captura([&] { return quiv::CalculaEquacao(quiv::SubstituiEnderecos(texto, m)); });
  if (!Iguais(Captura([&] { return e.Avalia(m); }), negada)) std::abort();
  return 0;
}
