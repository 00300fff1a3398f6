// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/atribuicao.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "cli/erro_uso.h"
#include "core/nucleo/memoria.h"

namespace quiv::cli {

namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

std::string Citado(std::string_view texto) {
  std::string citado = "'";
  citado.append(texto).push_back('\'');
  return citado;
}

}  // namespace

double LeNumeroDecimal(std::string_view texto) {
  // The grammar is checked here rather than left to strtod, which would also
  // take blanks, hexadecimal, "inf" and "nan".
  std::string numero;
  std::size_t i = 0;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
    numero += texto[i++];
  }
  int digitos = 0;
  bool separador = false;
  for (; i < texto.size(); ++i) {
    const char c = texto[i];
    if (Digito(c)) {
      ++digitos;
      numero += c;
    } else if ((c == '.' || c == ',') && !separador) {
      separador = true;
      numero += '.';
    } else {
      break;
    }
  }
  bool valido = digitos > 0;
  if (valido && i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
    numero += texto[i++];
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) numero += texto[i++];
    int digitosExpoente = 0;
    for (; i < texto.size() && Digito(texto[i]); ++i, ++digitosExpoente) numero += texto[i];
    valido = digitosExpoente > 0;
  }
  if (!valido || i != texto.size()) {
    throw ErroUso("value " + Citado(texto) + " is not a decimal number");
  }
  // The program never changes the C locale, so strtod reads "." as the point.
  const double valor = std::strtod(numero.c_str(), nullptr);
  if (!std::isfinite(valor)) {
    throw ErroUso("value " + Citado(texto) + " is beyond the range of a double");
  }
  return valor;
}

Atribuicao LeAtribuicao(std::string_view texto) {
  const std::string formato = "expected Mk=VALUE (k = 1 ... 99), got " + Citado(texto);
  const std::size_t igual = texto.find('=');
  if (igual == std::string_view::npos) throw ErroUso(formato);
  const std::string_view nome = texto.substr(0, igual);
  if (nome.size() < 2 || (nome[0] != 'M' && nome[0] != 'm')) throw ErroUso(formato);

  const std::string_view digitos = nome.substr(1);
  int endereco = 0;
  for (const char c : digitos) {
    if (!Digito(c)) throw ErroUso(formato);
    if (endereco < 1000) endereco = endereco * 10 + (c - '0');
  }
  if (digitos.size() > 2 || endereco < 1 || endereco > Memoria::kEnderecos) {
    throw ErroUso("address " + Citado(nome) + " is outside M01 ... M99");
  }
  return {endereco, LeNumeroDecimal(texto.substr(igual + 1))};
}

}  // namespace quiv::cli
