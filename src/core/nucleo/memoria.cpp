// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/memoria.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace quiv {

namespace {

bool InicioDeCaractere(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Length in bytes of the UTF-8 character that starts at texto[i].
std::size_t TamanhoCaractere(std::string_view texto, std::size_t i) {
  std::size_t j = i + 1;
  while (j < texto.size() && !InicioDeCaractere(texto[j])) ++j;
  return j - i;
}

// How a standard integer conversion reads a short text: leading blanks, an
// optional sign, then digits up to the first other character.
int LeInteiroCurto(std::string_view texto) {
  std::size_t i = 0;
  while (i < texto.size() && texto[i] == ' ') ++i;
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) negativo = texto[i++] == '-';
  int valor = 0;
  while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9')
    valor = valor * 10 + (texto[i++] - '0');
  return negativo ? -valor : valor;
}

// Significant digits of |x| (x finite, non-zero), rounded half away from zero
// to 15 digits, and the decimal exponent of the first one.
void Digitos15(double x, char digitos[15], int& expoente) {
  // 17 significant digits, correctly rounded from the exact binary value. The
  // 16th digit decides the rounding, unless the 17-digit rounding carried
  // into it ("…50" may come from an exact "…49…"): then read the exact digits.
  char texto[800];
  auto r = std::to_chars(texto, texto + sizeof texto, x, std::chars_format::scientific, 16);
  const char* e = static_cast<const char*>(std::memchr(texto, 'e', r.ptr - texto));
  char d[17];
  d[0] = texto[0];
  std::memcpy(d + 1, texto + 2, 16);
  bool acima = d[15] >= '5';
  if (d[15] == '5' && d[16] == '0') {
    r = std::to_chars(texto, texto + sizeof texto, x, std::chars_format::scientific, 766);
    e = static_cast<const char*>(std::memchr(texto, 'e', r.ptr - texto));
    d[0] = texto[0];
    std::memcpy(d + 1, texto + 2, 15);
    acima = d[15] >= '5';
  }
  std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, expoente);
  std::memcpy(digitos, d, 15);
  if (acima) {
    int i = 14;
    while (i >= 0 && digitos[i] == '9') digitos[i--] = '0';
    if (i >= 0) {
      ++digitos[i];
    } else {
      digitos[0] = '1';
      ++expoente;
    }
  }
}

}  // namespace

void Memoria::Reinicia() {
  celula.fill(0.0);
  descritor.fill(Descritor{});
  for (auto& d : DescricaoEndereco) d.clear();
  DescricaoEndereco[11] = "Chave_1";
  DescricaoEndereco[12] = "Chave_2";
  DescricaoEndereco[13] = "Saída Linearizador";
  DescricaoEndereco[14] = "Reservado";
  for (int n = 1; n <= 6; ++n) DescricaoEndereco[14 + n] = "Track " + std::to_string(n);
  for (int n = 1; n <= kAtuadores; ++n)
    DescricaoEndereco[100 + n] = "Posição Atuador " + std::to_string(n);
}

void Memoria::DefineDescricao(int item, std::string_view texto) {
  if (item >= 1 && item <= kItens && item != 100) DescricaoEndereco[item] = CortaTexto(texto);
}

void Memoria::DefineDescritor(int endereco, Descritor d) {
  if (endereco < 1 || endereco > kEnderecos) return;
  for (std::string* s : {&d.UnidadeEng, &d.UEMin, &d.UEMax, &d.LIE, &d.LSE}) *s = CortaTexto(*s);
  descritor[endereco] = std::move(d);
}

std::size_t ContaCaracteres(std::string_view texto) {
  std::size_t n = 0;
  for (char c : texto) n += InicioDeCaractere(c) ? 1 : 0;
  return n;
}

std::string CortaTexto(std::string_view texto, std::size_t maximo) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < maximo && i < texto.size(); ++n) i += TamanhoCaractere(texto, i);
  return std::string(texto.substr(0, i));
}

void EscreveTextoCientifico(double x, char* destino) {
  destino[0] = std::signbit(x) ? '-' : ' ';
  char digitos[15];
  int expoente = 0;
  if (std::isnan(x) || std::isinf(x)) {
    // Not a number of the table; written so that reading it reports an overflow.
    std::memcpy(digitos, "999999999999999", 15);
    expoente = 9999;
  } else if (x == 0.0) {
    std::memset(digitos, '0', 15);
  } else {
    Digitos15(std::fabs(x), digitos, expoente);
  }
  destino[1] = digitos[0];
  destino[2] = '.';
  std::memcpy(destino + 3, digitos + 1, 14);
  destino[17] = 'E';
  destino[18] = expoente < 0 ? '-' : '+';
  int e = std::abs(expoente);
  for (int i = 22; i >= 19; --i, e /= 10) destino[i] = static_cast<char>('0' + e % 10);
}

std::string TextoCientifico(double x) {
  std::string texto(kTamanhoCientifico, ' ');
  EscreveTextoCientifico(x, texto.data());
  return texto;
}

ModeloSubstituicao AnalisaEnderecos(std::string_view texto) {
  std::string t(texto);
  for (char& c : t)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  ModeloSubstituicao modelo;
  TrechoSubstituido trecho;
  std::size_t i = 0;
  for (;;) {
    const std::size_t j = t.find('M', i);
    if (j == std::string::npos) {
      trecho.literal.append(t, i);
      modelo.trechos.push_back(std::move(trecho));
      return modelo;
    }
    trecho.literal.append(t, i, j - i);
    std::size_t fim = j + 1;
    for (int n = 0; n < 2; ++n) {
      if (fim >= t.size()) {
        modelo.textoZero = true;
        modelo.trechos.clear();
        return modelo;
      }
      fim += TamanhoCaractere(t, fim);
    }
    const int endereco = LeInteiroCurto(std::string_view(t).substr(j + 1, fim - j - 1));
    if (endereco >= 1 && endereco <= Memoria::kEnderecos) {
      trecho.endereco = endereco;
      modelo.trechos.push_back(std::move(trecho));
      trecho = {};
    } else {
      trecho.literal += '0';
    }
    i = fim;
  }
}

std::string SubstituiEnderecos(std::string_view texto, const Memoria& memoria) {
  const ModeloSubstituicao modelo = AnalisaEnderecos(texto);
  if (modelo.textoZero) return "0";
  std::string resultado;
  for (const TrechoSubstituido& trecho : modelo.trechos) {
    resultado += trecho.literal;
    if (trecho.endereco != 0) resultado += TextoCientifico(memoria.celula[trecho.endereco]);
  }
  return resultado;
}

std::string VirgulaPonto(std::string_view texto) {
  std::string resultado(texto);
  for (char& c : resultado)
    if (c == ',') c = '.';
  return resultado;
}

std::vector<std::string> ListaEnderecos(const Memoria& memoria) {
  std::vector<std::string> itens;
  itens.reserve(Memoria::kEnderecos);
  for (int k = 1; k <= Memoria::kEnderecos; ++k) {
    char numero[4];
    std::snprintf(numero, sizeof numero, "%02d", k);
    itens.push_back(std::string(numero) + " " + memoria.DescricaoEndereco[k]);
  }
  return itens;
}

int EnderecoDaLista(std::string_view item) { return LeInteiroCurto(item.substr(0, 2)); }

int AtuadorDoEndereco(int endereco) {
  if (endereco >= 21 && endereco <= 40) return endereco - 20;
  if (endereco >= 71 && endereco <= 74) return endereco - 50;
  return 0;
}

}  // namespace quiv
