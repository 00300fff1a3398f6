// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quiv {

// The one exception type of the project. It carries the message the user sees.
// Raised for what the platform would report on its own: floating-point overflow
// in an expression, a division by zero in the linearizer, a malformed integer in
// a file, file input/output. The scan cycle lets it end the current cycle.
class Erro : public std::runtime_error {
 public:
  explicit Erro(const std::string& mensagem) : std::runtime_error(mensagem) {}
};

// Message of an arithmetic result beyond the double range.
inline constexpr const char* kMensagemEstouro =
    "Estouro de ponto flutuante: o resultado excede a faixa dos números reais (Floating point "
    "overflow)";

// Message of a floating-point division by zero (the linearizer on two points
// with the same MV or on a flat segment; a data entry whose range is empty).
inline constexpr const char* kMensagemDivisaoZero =
    "Divisão de ponto flutuante por zero (Floating point division by zero)";

[[noreturn]] void LancaEstouro();
[[noreturn]] void LancaDivisaoZero();
// A failed file operation in words, with the path and the system's reason:
// "cannot create /tmp/x/out.smp: Not a directory". `acao` is the verb
// ("create", "write", "read", "replace").
std::string MensagemErroArquivo(int codigo, std::string_view acao,
                                const std::filesystem::path& caminho);
[[noreturn]] void LancaErroArquivo(int codigo, std::string_view acao,
                                   const std::filesystem::path& caminho);

// A value a step is about to write into a cell: ±∞ or NaN would spread
// through the plant and into every record, so it raises the evaluator's
// overflow error instead, before anything is written.
inline double Finito(double v) {
  if (!std::isfinite(v)) LancaEstouro();
  return v;
}

}  // namespace quiv
