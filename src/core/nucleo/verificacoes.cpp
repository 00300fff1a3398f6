// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/verificacoes.h"

#include <optional>

#include "core/nucleo/equation.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/expressao.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/simulacao.h"

namespace quiv {

namespace {

// The evaluator's error or an overflow fails the check.
template <typename Avalia>
bool Avaliavel(Avalia avalia, double* valor) {
  try {
    const Avaliacao a = avalia();
    if (valor) *valor = a.valor;
    return a.ErroEquacao.empty();
  } catch (const Erro&) {
    return false;
  }
}

}  // namespace

bool Verificacoes::Confere(bool ok, std::string_view sufixo) {
  if (!ok) Falha(sufixo);
  return ok;
}

bool Verificacoes::Numero(std::string_view texto, double& destino, std::string_view sufixo) {
  const std::optional<double> v = LeNumero(texto);
  if (v) destino = *v;
  return Confere(v.has_value(), sufixo);
}

bool Verificacoes::Equacao(Expressao& expressao, const Memoria& memoria,
                             std::string_view sufixo, double* valor) {
  return Confere(Avaliavel([&] { return expressao.Avalia(memoria); }, valor), sufixo);
}

bool Verificacoes::Equacao(std::string_view texto, const Memoria& memoria,
                             std::string_view sufixo, double* valor) {
  return Confere(
      Avaliavel([&] { return CalculaEquacao(SubstituiEnderecos(texto, memoria)); },
                valor),
      sufixo);
}

bool Verificacoes::Informa(const Simulacao& simulacao, bool mostra) const {
  if (mostra)
    for (const std::string& sufixo : falhas_) simulacao.Informa(prefixo_ + sufixo);
  return Passou();
}

}  // namespace quiv
