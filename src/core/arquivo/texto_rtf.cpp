// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/texto_rtf.h"

#include <array>
#include <cctype>
#include <vector>

#include "core/nucleo/windows1252.h"

namespace quiv {

namespace {

// Destinations whose text is not part of the document's readable text.
constexpr std::array<std::string_view, 20> kOcultos{
    "fonttbl",      "colortbl",  "stylesheet",
    "info",         "pict",      "header",
    "footer",       "listtable", "listoverridetable",
    "generator",    "themedata", "colorschememapping",
    "latentstyles", "datastore", "rsidtbl",
    "mmathPr",      "object",    "filetbl",
    "revtbl",       "xmlnstbl"};

bool Oculto(std::string_view palavra) {
  for (std::string_view o : kOcultos)
    if (palavra == o) return true;
  return false;
}

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AcrescentaCodigo(std::string& saida, unsigned codigo) {
  if (codigo < 0x80) {
    saida += static_cast<char>(codigo);
  } else if (codigo < 0x800) {
    saida += static_cast<char>(0xC0 | (codigo >> 6));
    saida += static_cast<char>(0x80 | (codigo & 0x3F));
  } else {
    if (codigo >= 0xD800 && codigo <= 0xDFFF) codigo = 0xFFFD;  // a lone surrogate
    saida += static_cast<char>(0xE0 | (codigo >> 12));
    saida += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
    saida += static_cast<char>(0x80 | (codigo & 0x3F));
  }
}

struct Grupo {
  bool oculto = false;
  int pularAposUnicode = 1;  // \ucN: characters that stand in for a \uN
};

}  // namespace

std::string TextoDoRtf(std::string_view rtf) {
  std::string saida;
  std::string bytes;  // Windows-1252 run not yet converted
  auto descarrega = [&] {
    saida += DeWindows1252(bytes);
    bytes.clear();
  };
  std::vector<Grupo> pilha{Grupo{}};
  int pular = 0;  // characters still to skip after a \uN
  std::size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i];
    Grupo& grupo = pilha.back();
    if (c == '{') {
      if (static_cast<int>(pilha.size()) < kMaiorProfundidadeRtf) pilha.push_back(grupo);
      ++i;
      continue;
    }
    if (c == '}') {
      if (pilha.size() > 1) pilha.pop_back();
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      ++i;
      if (pular > 0) {
        --pular;
      } else if (!grupo.oculto) {
        bytes += c;
      }
      continue;
    }
    // A control word or symbol.
    ++i;
    if (i >= rtf.size()) break;
    const char s = rtf[i];
    if (!std::isalpha(static_cast<unsigned char>(s))) {
      ++i;
      char literal = 0;
      if (s == '\\' || s == '{' || s == '}') {
        literal = s;
      } else if (s == '\'') {
        const int alto = i < rtf.size() ? Hex(rtf[i]) : -1;
        const int baixo = i + 1 < rtf.size() ? Hex(rtf[i + 1]) : -1;
        if (alto >= 0 && baixo >= 0) {
          literal = static_cast<char>(alto * 16 + baixo);
          i += 2;
        } else if (alto >= 0) {
          ++i;  // an escape cut short is dropped whole
        }
      } else if (s == '*') {
        grupo.oculto = true;
      } else if (s == '~') {
        literal = ' ';
      } else if (s == '_') {
        literal = '-';
      } else if (s == '\r' || s == '\n') {
        literal = '\n';  // "\" before a line break is a paragraph
      }
      if (literal != 0) {
        if (pular > 0)
          --pular;
        else if (!grupo.oculto)
          bytes += literal;
      }
      continue;
    }
    const std::size_t inicio = i;
    while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) ++i;
    const std::string_view palavra = rtf.substr(inicio, i - inicio);
    bool temParametro = false;
    bool negativo = false;
    long parametro = 0;
    if (i < rtf.size() && rtf[i] == '-') {
      negativo = true;
      ++i;
    }
    while (i < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[i]))) {
      if (parametro < 1000000) parametro = parametro * 10 + (rtf[i] - '0');
      temParametro = true;
      ++i;
    }
    if (negativo) parametro = -parametro;
    if (i < rtf.size() && rtf[i] == ' ') ++i;  // the delimiter belongs to the word

    if (Oculto(palavra)) {
      grupo.oculto = true;
    } else if (grupo.oculto) {
      // nothing inside a hidden group counts
    } else if (palavra == "par" || palavra == "line") {
      bytes += '\n';
    } else if (palavra == "tab") {
      bytes += '\t';
    } else if (palavra == "uc" && temParametro) {
      grupo.pularAposUnicode = static_cast<int>(parametro < 0 ? 0 : parametro);
    } else if (palavra == "u" && temParametro) {
      descarrega();
      long codigo = parametro < 0 ? parametro + 65536 : parametro;
      if (codigo < 0 || codigo > 0xFFFF) codigo = 0xFFFD;
      AcrescentaCodigo(saida, static_cast<unsigned>(codigo));
      pular = grupo.pularAposUnicode;
    }
  }
  descarrega();
  while (!saida.empty() && (saida.back() == '\n' || saida.back() == ' ')) saida.pop_back();
  return saida;
}

}  // namespace quiv
