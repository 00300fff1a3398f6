// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/forma_animada.h"

#include <algorithm>
#include <cmath>

#include "core/nucleo/erro.h"
#include "core/nucleo/texto_citado.h"

namespace quiv {

namespace {

// A strict whole number: leading blanks, an optional sign, digits to the end.
// 0 when the text is none or lies outside 1 … 99.
int LeEndereco(const std::string& texto) {
  std::size_t i = 0;
  while (i < texto.size() && texto[i] == ' ') ++i;
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) negativo = texto[i++] == '-';
  if (i == texto.size()) return 0;
  int valor = 0;
  for (; i < texto.size(); ++i) {
    if (texto[i] < '0' || texto[i] > '9') return 0;
    valor = valor * 10 + (texto[i] - '0');
    if (valor > Memoria::kEnderecos) return 0;
  }
  return negativo ? 0 : valor;
}

// Pixels, rounded halves to even and held where an int and any screen are safe.
int Pixels(double x) {
  constexpr double kLimite = 1000000.0;
  if (std::isnan(x)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(x, -kLimite, kLimite)));
}

}  // namespace

FormaAnimada::FormaAnimada(Simulacao& simulacao, int n)
    : TopoForma(kToposIniciais[n >= 1 && n <= 5 ? n - 1 : 0]),
      Topo(TopoForma),
      simulacao_(simulacao),
      n_(n) {}

int FormaAnimada::Endereco() const {
  if (enderecoLido_ == 0 || Variavel != varLida_) {
    const int endereco = LeEndereco(Variavel);
    if (endereco == 0) throw Erro("'" + TextoCitado(Variavel) + "' is not a valid integer value");
    varLida_ = Variavel;
    enderecoLido_ = endereco;
  }
  return enderecoLido_;
}

void FormaAnimada::Atualiza() {
  if (!Visivel) return;
  const double c = simulacao_->memoria.celula[Endereco()];
  if (TipoForma == kCirculo) {
    Cor = c != 0.0 ? CorLigada : CorNormal;
  } else if (TipoForma == kRetangulo) {
    Topo = Pixels((100.0 - c) * EscalaForma + TopoForma);
    Altura = Pixels(c * EscalaForma);
  }
}

void FormaAnimada::Prepara() {
  Cor = CorNormal;
  if (TipoForma == kCirculo) {
    Elipse = true;
    Largura = TamanhoLargura;
    Altura = Tamanho;
  } else if (TipoForma == kRetangulo) {
    Elipse = false;
    Largura = TamanhoLargura;
    EscalaForma = Tamanho / 50.0;
  }
}

void FormaAnimada::Coloca(int x, int y) {
  Esquerda = x;
  TopoForma = y;
  Topo = y;
  if (TipoForma != kRetangulo) return;
  const int endereco = LeEndereco(Variavel);
  const double c = endereco != 0 ? simulacao_->memoria.celula[endereco] : 100.0;
  Topo = Pixels((100.0 - c) * EscalaForma + y);
}

void FormaAnimada::DefineTamanho(int tam) {
  Tamanho = tam;
  if (TipoForma == kCirculo)
    Altura = tam;
  else if (TipoForma == kRetangulo)
    EscalaForma = tam / 50.0;
}

void FormaAnimada::DefineTamanhoLargura(int tamW) {
  TamanhoLargura = tamW;
  Largura = tamW;
}

void FormaAnimada::DefineCorNormal(std::uint32_t cor) {
  CorNormal = cor;
  Cor = cor;
}

}  // namespace quiv
