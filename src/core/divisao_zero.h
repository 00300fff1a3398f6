#pragma once

namespace quiv {

// Message of a floating-point division by zero (the linearizer on two points
// with the same MV or on a flat segment; a data entry whose range is empty).
inline constexpr const char* kMensagemDivisaoZero =
    "Divisão de ponto flutuante por zero (Floating point division by zero)";

[[noreturn]] void LancaDivisaoZero();

}  // namespace quiv
