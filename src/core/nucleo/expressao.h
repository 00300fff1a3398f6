// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/nucleo/equation.h"
#include "core/nucleo/memoria.h"

namespace quiv {

// A compiled, cached form of an expression text for the scan step.
//
// Avalia(memoria) gives exactly the bits of
// CalculaEquacao(SubstituiEnderecos(texto, memoria)), error text and overflow
// included. The text-rewriting evaluator's path through a text depends only on
// the text and on the signs of the numbers written into it (a negative number
// brings a "-" that changes how operands are scanned). So the first evaluation
// with a given pattern of signs runs the rewriting once while recording the
// arithmetic it performs; later evaluations replay that record on the new cell
// values and only check that every sign is still the recorded one. A few
// records are kept per text; a text whose operands mix numbers in ways the
// record cannot express is evaluated by the reference every time.
//
// Once a record exists, evaluating allocates nothing.
class Expressao {
 public:
  Expressao();
  explicit Expressao(std::string_view texto);
  ~Expressao();
  Expressao(Expressao&&) noexcept;
  Expressao& operator=(Expressao&&) noexcept;
  // A copy evaluates exactly as the original; assigning the text a target
  // already has keeps the target's compiled form.
  Expressao(const Expressao& outra);
  Expressao& operator=(const Expressao& outra);

  const std::string& Texto() const { return texto_; }
  // Changes the text; keeps the compiled form when the text is the same.
  void DefineTexto(std::string_view texto) {
    if (!compilada_ || texto != texto_) Compila(texto);
  }

  // Throws Erro on an overflow, as the reference does. Inline for the texts
  // without cells (most parameters), whose value never changes.
  Avaliacao Avalia(const Memoria& memoria) {
    if (constante_ != nullptr && !SomenteReferencia) return *constante_;
    return AvaliaCompilada(memoria);
  }
  double Valor(const Memoria& memoria) { return Avalia(memoria).valor; }

  // For measurements: every Expressao evaluates through the text rewriting,
  // as the reference does.
  static inline bool SomenteReferencia = false;

  struct Compilada;

 private:
  std::string texto_;
  void Compila(std::string_view texto);
  Avaliacao AvaliaCompilada(const Memoria& memoria);

  std::unique_ptr<Compilada> compilada_;
  const Avaliacao* constante_ = nullptr;  // the value of a text without cells
};

}  // namespace quiv
