// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/numero_texto.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/nucleo/arredonda.h"
#include "core/nucleo/equation.h"
#include "core/nucleo/memoria.h"

namespace quiv {

namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

// One unit less in the last of the 15 digits of a scientific text (sign,
// digit, point, 14 digits, exponent), borrowing as far as needed.
void RecuaUltimoDigito(char* texto) {
  for (int i = 16; i >= 1; --i) {
    if (i == 2) continue;  // the point
    if (texto[i] != '0') {
      --texto[i];
      return;
    }
    texto[i] = '9';
  }
}

}  // namespace

void EscreveTextoCientificoLegivel(double x, char* destino) {
  EscreveTextoCientifico(x, destino);
  // Only an exponent of +308 can hold digits beyond the largest double; the
  // text is read back just there.
  if (!std::isfinite(x) || destino[18] != '+' || std::memcmp(destino + 19, "0308", 4) != 0) return;
  const std::string_view texto(destino, kTamanhoCientifico);
  if (std::isinf(ValorNumeroSemVerificar(texto))) RecuaUltimoDigito(destino);
}

std::string TextoCientificoLegivel(double x) {
  std::string texto(kTamanhoCientifico, ' ');
  EscreveTextoCientificoLegivel(x, texto.data());
  return texto;
}

std::optional<double> LeNumero(std::string_view texto) {
  std::string t = VirgulaPonto(texto);
  std::replace(t.begin(), t.end(), 'e', 'E');
  std::size_t inicio = 0;
  std::size_t fim = t.size();
  while (inicio < fim && t[inicio] == ' ') ++inicio;
  while (fim > inicio && t[fim - 1] == ' ') --fim;
  std::size_t i = inicio;
  if (i < fim && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digitos = 0;
  while (i < fim && Digito(t[i])) ++i, ++digitos;
  if (i < fim && t[i] == '.') {
    ++i;
    while (i < fim && Digito(t[i])) ++i, ++digitos;
  }
  if (digitos == 0) return std::nullopt;
  if (i < fim && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < fim && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expoente = 0;
    while (i < fim && Digito(t[i])) ++i, ++expoente;
    if (expoente == 0) return std::nullopt;
  }
  if (i != fim) return std::nullopt;
  const double v = ValorNumeroSemVerificar(std::string_view(t).substr(inicio, fim - inicio));
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::size_t EscreveFixo(double x, int d, char* destino) {
  d = std::clamp(d, 0, 20);
  if (std::isnan(x)) {
    std::memcpy(destino, "NAN", 3);
    return 3;
  }
  if (std::isinf(x)) {
    const char* t = x < 0 ? "-INF" : "INF";
    const std::size_t n = std::strlen(t);
    std::memcpy(destino, t, n);
    return n;
  }
  // |x| ≈ D·10^(E−14), D the 15 significant digits.
  char digitos[15];
  int expoente = 0;
  const double a = std::fabs(x);
  if (a == 0.0) {
    std::memset(digitos, '0', sizeof digitos);
  } else {
    std::uint64_t n15;
    int k;
    if (Digitos15(a, n15, k)) {
      if (n15 == 1000000000000000ull) {  // the rounding carried into a 16th digit
        n15 /= 10;
        --k;
      }
      expoente = 14 - k;
      for (int i = 14; i >= 0; --i, n15 /= 10) digitos[i] = static_cast<char>('0' + n15 % 10);
    } else {
      char cientifico[kTamanhoCientifico];
      EscreveTextoCientificoLegivel(a, cientifico);
      digitos[0] = cientifico[1];
      std::memcpy(digitos + 1, cientifico + 3, 14);
      expoente = ((cientifico[19] - '0') * 10 + (cientifico[20] - '0')) * 100 +
                 (cientifico[21] - '0') * 10 + (cientifico[22] - '0');
      if (cientifico[18] == '-') expoente = -expoente;
    }
  }
  // N = |x|·10^d rounded half away from zero, as decimal digits.
  char n[340];
  int tamanho = 0;
  const int deslocamento = expoente - 14 + d;
  if (deslocamento >= 0) {
    std::memcpy(n, digitos, 15);
    std::memset(n + 15, '0', static_cast<std::size_t>(deslocamento));
    tamanho = 15 + deslocamento;
  } else {
    const int mantidos = 15 + deslocamento;
    if (mantidos >= 0) {
      std::memcpy(n, digitos, static_cast<std::size_t>(mantidos));
      tamanho = mantidos;
      if (digitos[mantidos] >= '5') {
        int i = tamanho - 1;
        while (i >= 0 && n[i] == '9') n[i--] = '0';
        if (i >= 0) {
          ++n[i];
        } else {
          std::memmove(n + 1, n, static_cast<std::size_t>(tamanho));
          n[0] = '1';
          ++tamanho;
        }
      }
    }
  }
  // At least one digit before the point, no needless leading zeros.
  if (tamanho < d + 1) {
    const int falta = d + 1 - tamanho;
    std::memmove(n + falta, n, static_cast<std::size_t>(tamanho));
    std::memset(n, '0', static_cast<std::size_t>(falta));
    tamanho = d + 1;
  }
  int primeiro = 0;
  while (tamanho - primeiro > d + 1 && n[primeiro] == '0') ++primeiro;
  const bool zero = std::all_of(n + primeiro, n + tamanho, [](char c) { return c == '0'; });
  std::size_t k = 0;
  if (x < 0 && !zero) destino[k++] = '-';
  const int inteiros = tamanho - primeiro - d;
  std::memcpy(destino + k, n + primeiro, static_cast<std::size_t>(inteiros));
  k += static_cast<std::size_t>(inteiros);
  if (d > 0) {
    destino[k++] = '.';
    std::memcpy(destino + k, n + tamanho - d, static_cast<std::size_t>(d));
    k += static_cast<std::size_t>(d);
  }
  return k;
}

std::string TextoFixo(double x, int d) {
  char texto[352];
  return std::string(texto, EscreveFixo(x, d, texto));
}

std::string TextoLargura(double x, int d, int largura) {
  std::string texto = TextoFixo(x, d);
  if (static_cast<int>(texto.size()) < largura)
    texto.insert(0, static_cast<std::size_t>(largura) - texto.size(), ' ');
  return texto;
}

}  // namespace quiv
