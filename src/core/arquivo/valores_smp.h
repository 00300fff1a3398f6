// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/nucleo/windows1252.h"

// The value encodings of the simulation file (.smp), and its text: Windows-1252
// bytes in the file, UTF-8 inside the program, lines ended by CR LF.
namespace quiv::smp {

// Converts between the file's Windows-1252 bytes and UTF-8.
using quiv::DeWindows1252;
using quiv::ParaWindows1252;

// Splits file contents into lines: LF ends a line, a CR before it is dropped,
// and so is a CR standing alone inside a line. A last line without LF counts;
// an empty file has no line.
std::vector<std::string> DivideLinhas(std::string_view conteudo);

// One line as written: a text with a line break would shift every following
// line of the positional reader, so breaks become blanks.
std::string LinhaSegura(std::string_view texto);

// Flags: "TRUE"/"FALSE" (upper case) and "True"/"False" (mixed case). Any
// line but the exact true text reads as false.
inline const char* FlagMaiuscula(bool v) { return v ? "TRUE" : "FALSE"; }
inline const char* FlagMista(bool v) { return v ? "True" : "False"; }
inline bool LeFlagMaiuscula(std::string_view linha) { return linha == "TRUE"; }
inline bool LeFlagMista(std::string_view linha) { return linha == "True"; }

// The load-stopping message of a malformed strict integer or colour.
std::string MensagemInteiroInvalido(std::string_view linha);

// Strict integer: optional leading blanks, an optional sign, then decimal
// digits, or "$" and hexadecimal digits; within 32 bits. Anything else throws
// Erro with MensagemInteiroInvalido.
std::int32_t LeInteiroEstrito(std::string_view linha);
// Lenient integer: a well-formed integer reads as itself; anything else as
// the value of its leading sign and digits (0 when there are none). Never fails.
std::int32_t LeInteiroTolerante(std::string_view linha);

// Lenient real: blanks, sign, digits, "." and digits, "E"/"e", sign and
// digits, decimal point always "."; what does not fit ends the number. Never
// fails: an empty or malformed line, or a number beyond the double range,
// reads as 0.
double LeReal(std::string_view linha);

// The load-stopping message of a line without the number the file requires
// there, in both languages.
std::string MensagemRealInvalido(std::string_view linha);

// Required real, for the values the file always writes as numbers (states,
// cell values): read as LeReal, what follows the number ignored, but a line
// with no number at its start (an empty line included) or with a number
// beyond the double range throws Erro with MensagemRealInvalido instead of
// reading as 0.
double LeRealExigido(std::string_view linha);

// Real in w:d form: d decimals rounded half away from zero, right-aligned in
// at least w characters; a magnitude of 1e36 or more falls back to the
// 23-character scientific text. Either text reads back finite for every
// finite x (see TextoCientificoLegivel).
std::string RealFixo(double x, int largura, int decimais);

// Colour 0x00BBGGRR: its name when it has one, otherwise "$" and 8 upper-case
// hexadecimal digits. Read: a name (any case) or an integer (decimal or "$"
// hexadecimal); anything else throws Erro with MensagemInteiroInvalido.
std::string EscreveCor(std::uint32_t cor);
std::uint32_t LeCor(std::string_view linha);

}  // namespace quiv::smp
