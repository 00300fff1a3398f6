// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/memoria.h"

// The engineering-units block of the simulation file: the descriptors
// (unit, engineering range, limits) of the data addresses M15 … M96.
//
//   "<<<Unidades Engenharia>>>"
//   "M15:" unit ";" UEMin ";" UEMax ";" LIE ";" LSE ";"     one line per
//   …                                                       address, 82 in all
//   "M96:…"
//
// The descriptions are not stored here, nor the descriptors of M01 … M14 and
// M97 … M99.
namespace quiv::smp {

inline constexpr std::string_view kCabecalhoUnidades = "<<<Unidades Engenharia>>>";
inline constexpr int kPrimeiroEnderecoUnidades = 15;
inline constexpr int kUltimoEnderecoUnidades = 96;
inline constexpr int kLinhasUnidades = kUltimoEnderecoUnidades - kPrimeiroEnderecoUnidades + 1;

// The header and the 82 address lines.
void SalvaUnidades(const Memoria& memoria, Escritor& e);

// Older files lack this block, so the caller reads the line in hand and
// recognises the header itself (exactly kCabecalhoUnidades); this function
// reads just the 82 address lines that follow it. Line k (1 … 82) is always
// address 14 + k: its first four characters ("Mnn:") are skipped by length,
// never compared. Then come the unit and four fields, each ending at the next
// ";" (or at the end of the line). An empty unit stays empty; an empty UEMin
// or LIE becomes "0.00", an empty UEMax or LSE "100.00". Lines missing at the
// end of the file read as empty, giving an empty unit and the default ranges.
void LeUnidades(Memoria& memoria, Leitor& l);

// A file without the block: M15 … M96 get unit "%", range 0.00 … 100.00 and
// limits 0.00 … 100.00.
void UnidadesPadrao(Memoria& memoria);

// One address line as written (without the line end).
std::string LinhaUnidade(int endereco, const Descritor& d);
// The descriptor read from one address line.
Descritor LeLinhaUnidade(std::string_view linha);

}  // namespace quiv::smp
