// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/valores_smp.h"

#include <array>
#include <cctype>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <optional>

#include "core/nucleo/equation.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/texto_citado.h"

namespace quiv::smp {

namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

int Hex(char c) {
  if (Digito(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A whole line as an integer (blanks in front, sign, decimal or "$" hex).
std::optional<std::int64_t> InteiroCompleto(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  bool negativo = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
  if (i >= t.size()) return std::nullopt;
  std::int64_t v = 0;
  if (t[i] == '$') {
    if (++i >= t.size()) return std::nullopt;
    for (; i < t.size(); ++i) {
      const int h = Hex(t[i]);
      if (h < 0 || v > 0xFFFFFFFFll) return std::nullopt;
      v = v * 16 + h;
    }
    if (v > 0xFFFFFFFFll) return std::nullopt;
    v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));  // "$FFFFFFFF" is -1
  } else {
    for (; i < t.size(); ++i) {
      if (!Digito(t[i]) || v > 0x80000000ll) return std::nullopt;
      v = v * 10 + (t[i] - '0');
    }
  }
  v = negativo ? -v : v;
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return v;
}

struct NomeCor {
  const char* nome;
  std::uint32_t valor;
};

constexpr NomeCor kCores[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clDefault", 0x20000000},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
};

// The number at the start of a line, "e" read as "E"; ±infinity beyond the
// double range, 0 without a number.
double ValorReal(std::string_view linha) {
  std::string t(linha);
  for (char& c : t)
    if (c == 'e') c = 'E';
  return ValorNumeroSemVerificar(t);
}

// Whether the line starts with a number's digits, as ValorReal reads it:
// blanks, a sign, blanks, then a digit or a point and a digit.
bool ComecaComNumero(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  while (i < t.size() && t[i] == ' ') ++i;
  if (i < t.size() && t[i] == '.') ++i;
  return i < t.size() && Digito(t[i]);
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> DivideLinhas(std::string_view conteudo) {
  std::vector<std::string> linhas;
  std::string linha;
  for (char c : conteudo) {
    if (c == '\n') {
      linhas.push_back(std::move(linha));
      linha.clear();
    } else if (c != '\r') {
      linha += c;
    }
  }
  if (!linha.empty() || (!conteudo.empty() && conteudo.back() != '\n')) linhas.push_back(linha);
  return linhas;
}

std::string LinhaSegura(std::string_view texto) {
  std::string linha(texto);
  for (char& c : linha)
    if (c == '\r' || c == '\n') c = ' ';
  return linha;
}

std::string MensagemInteiroInvalido(std::string_view linha) {
  return "'" + TextoCitado(linha) + "' is not a valid integer value";
}

std::int32_t LeInteiroEstrito(std::string_view linha) {
  const auto v = InteiroCompleto(linha);
  if (!v) throw Erro(MensagemInteiroInvalido(linha));
  return static_cast<std::int32_t>(*v);
}

std::int32_t LeInteiroTolerante(std::string_view linha) {
  if (const auto v = InteiroCompleto(linha)) return static_cast<std::int32_t>(*v);
  std::size_t i = 0;
  while (i < linha.size() && linha[i] == ' ') ++i;
  bool negativo = false;
  if (i < linha.size() && (linha[i] == '+' || linha[i] == '-')) negativo = linha[i++] == '-';
  std::int64_t v = 0;
  for (; i < linha.size() && Digito(linha[i]) && v <= INT32_MAX; ++i) v = v * 10 + (linha[i] - '0');
  v = std::min<std::int64_t>(v, INT32_MAX);
  return static_cast<std::int32_t>(negativo ? -v : v);
}

double LeReal(std::string_view linha) {
  const double v = ValorReal(linha);
  return std::isfinite(v) ? v : 0.0;
}

std::string MensagemRealInvalido(std::string_view linha) {
  const std::string citado = "'" + TextoCitado(linha) + "'";
  return citado + " não é um número real válido (" + citado +
         " is not a valid floating point value)";
}

double LeRealExigido(std::string_view linha) {
  const double v = ValorReal(linha);
  if (!ComecaComNumero(linha) || !std::isfinite(v)) throw Erro(MensagemRealInvalido(linha));
  return v;
}

std::string RealFixo(double x, int largura, int decimais) {
  if (!(std::fabs(x) < 1e36)) return TextoCientificoLegivel(x);
  return TextoLargura(x, decimais, largura);
}

std::string EscreveCor(std::uint32_t cor) {
  for (const NomeCor& c : kCores)
    if (c.valor == cor) return c.nome;
  char texto[16];
  std::snprintf(texto, sizeof texto, "$%08" PRIX32, cor);
  return texto;
}

std::uint32_t LeCor(std::string_view linha) {
  for (const NomeCor& c : kCores)
    if (IguaisSemCaixa(linha, c.nome)) return c.valor;
  return static_cast<std::uint32_t>(LeInteiroEstrito(linha));
}

}  // namespace quiv::smp
