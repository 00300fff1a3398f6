// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quiv {

class Expressao;
struct Memoria;
class Simulacao;

// The checks of one apply (AtualizaParametros), in the order they were made.
// An object takes its form fields over through it, then reports: each failed
// check reaches the simulation's message sink as prefix + suffix, for example
// "Processo 21" + ": Ganho inválido", in the plant's interface language
// (MensagemEmIngles translates; every failure text needs its line there). A value that overflows
// while it is being checked is a failed check, never an escaping error, so one bad field cannot end
// an apply half-way.
class Verificacoes {
 public:
  explicit Verificacoes(std::string prefixo) : prefixo_(std::move(prefixo)) {}
  // The object named by kind, number and tag: "Processo 21 (FT-01)", or
  // "Processo 21" while the tag is empty.
  Verificacoes(std::string_view objeto, int numero, std::string_view tag);

  // Records `sufixo` as failed unless `ok`; returns ok.
  bool Confere(bool ok, std::string_view sufixo);
  // A field that fails two checks is listed once.
  void Falha(std::string_view sufixo);

  // A plain number: `destino` takes the value read when the text is one.
  bool Numero(std::string_view texto, double& destino, std::string_view sufixo);
  // An expression on the present cells: passes when it evaluates without the
  // evaluator's error; `valor`, when given, takes the value.
  bool Equacao(Expressao& expressao, const Memoria& memoria, std::string_view sufixo,
               double* valor = nullptr);
  bool Equacao(std::string_view texto, const Memoria& memoria, std::string_view sufixo,
               double* valor = nullptr);

  bool Passou() const { return falhas_.empty(); }

  // Hands the text of each failed check to the simulation's sink when
  // `mostra`; returns Passou().
  bool Informa(const Simulacao& simulacao, bool mostra) const;

 private:
  std::string prefixo_;
  std::vector<std::string> falhas_;  // suffixes, in check order
};

// Whether an expression evaluates on the present cells without the
// evaluator's error or an overflow: the check a live field's text passes
// before the running plant reads it.
bool EquacaoValida(std::string_view texto, const Memoria& memoria);

}  // namespace quiv
