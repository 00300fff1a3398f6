// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/verificacoes.h"

#include <algorithm>
#include <optional>

#include "core/nucleo/equation.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/expressao.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/mensagens_verificacao.h"
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

Verificacoes::Verificacoes(std::string_view objeto, int numero, std::string_view tag)
    : prefixo_(std::string(objeto) + " " + std::to_string(numero)) {
  if (!tag.empty()) prefixo_ += " (" + std::string(tag) + ")";
}

void Verificacoes::Falha(std::string_view sufixo) {
  if (std::find(falhas_.begin(), falhas_.end(), sufixo) == falhas_.end())
    falhas_.emplace_back(sufixo);
}

bool Verificacoes::Confere(bool ok, std::string_view sufixo) {
  if (!ok) Falha(sufixo);
  return ok;
}

bool Verificacoes::Numero(std::string_view texto, double& destino, std::string_view sufixo) {
  const std::optional<double> v = LeNumero(texto);
  if (v) destino = *v;
  return Confere(v.has_value(), sufixo);
}

bool Verificacoes::Equacao(Expressao& expressao, const Memoria& memoria, std::string_view sufixo,
                           double* valor) {
  return Confere(Avaliavel([&] { return expressao.Avalia(memoria); }, valor), sufixo);
}

bool Verificacoes::Equacao(std::string_view texto, const Memoria& memoria, std::string_view sufixo,
                           double* valor) {
  return Confere(
      Avaliavel([&] { return CalculaEquacao(SubstituiEnderecos(texto, memoria)); }, valor), sufixo);
}

bool EquacaoValida(std::string_view texto, const Memoria& memoria) {
  return Avaliavel([&] { return CalculaEquacao(SubstituiEnderecos(texto, memoria)); }, nullptr);
}

bool Verificacoes::Informa(const Simulacao& simulacao, bool mostra) const {
  if (mostra)
    for (const std::string& sufixo : falhas_)
      simulacao.Informa(MensagemNaLingua(prefixo_ + sufixo, simulacao.IdiomaIngles));
  return Passou();
}

}  // namespace quiv
