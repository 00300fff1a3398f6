// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "core/nucleo/simulacao.h"

namespace quiv {

// Animated shape n (1 … 5) on the picture, driven by cell c = M[Imagem n Var].
//
//   kind 0, circle:     fill := Cor2 when c ≠ 0, else Cor1
//   kind 1, rectangle:  a level growing upwards from a fixed base, with
//                       EscalaForma = Tam/50 pixels per percent:
//                       top    := round((100 − c)·EscalaForma + TopoForma)
//                       height := round(c·EscalaForma)
//                       (halves to even; results held within ±1 000 000 px)
//
// Colours are 0x00BBGGRR values. The variable text must be a whole number
// 1 … 99; any other text raises Erro "'<text>' is not a valid integer value"
// at each refresh.
class FormaAnimada {
 public:
  static constexpr std::uint32_t kVermelho = 0x0000FF;
  static constexpr std::uint32_t kLima = 0x00FF00;
  static constexpr int kCirculo = 0;
  static constexpr int kRetangulo = 1;
  static constexpr int kLadoInicial = 65;
  // The size settings' largest value, in pixels.
  static constexpr int kTamanhoMaximo = 300;
  // Start places: one column at the right of the picture.
  static constexpr int kEsquerdaInicial = 984;
  static constexpr int kToposIniciais[5] = {304, 352, 400, 448, 488};

  // n: shape number 1 … 5.
  FormaAnimada(Simulacao& simulacao, int n);

  int Numero() const { return n_; }
  // The cell named by Variavel; throws Erro when it names none.
  int Endereco() const;

  // Every sixth scan cycle, while visible.
  void Atualiza();
  // Layout refresh: colour CorNormal; a circle takes TamanhoLargura ×
  // Tamanho, a rectangle the width TamanhoLargura and the scale Tamanho/50.
  void Prepara();
  // Put down on the main window with its top-left corner at (x, y): y is the
  // new home top; a rectangle stands on it as the cell makes it stand, top
  // round((100 − c)·EscalaForma + y). A variable that names no cell places
  // the rectangle as if the cell were 100 (the next refresh reports it).
  void Coloca(int x, int y);
  // Dialog changes that act at once.
  void DefineTamanho(int tam);              // circle: height; rectangle: EscalaForma
  void DefineTamanhoLargura(int tamW);      // width
  void DefineCorNormal(std::uint32_t cor);  // the fill colour follows at once

  // Settings from the configuration dialog.
  int TipoForma = kCirculo;             // ImagemTipo
  std::string Variavel = "1";           // ImagemVar: the cell's number, as typed
  std::uint32_t CorNormal = kVermelho;  // ImagemCor1: circle at 0, rectangle
  std::uint32_t CorLigada = kLima;      // ImagemCor2: circle not at 0
  int Tamanho = 50;                     // ImagemTam: 0 … 300
  int TamanhoLargura = 50;              // ImagemTamW: 0 … 300

  double EscalaForma = 1.0;  // pixels per percent (rectangle)
  int TopoForma;             // home top, pixels; starts at the shape's place

  // The shape control, as the window shows it.
  bool Visivel = false;
  bool Elipse = true;
  std::uint32_t Cor = kVermelho;
  int Topo;
  int Esquerda = kEsquerdaInicial;
  int Largura = kLadoInicial;
  int Altura = kLadoInicial;

 private:
  Vinculo<Simulacao> simulacao_;
  int n_;
  // The last variable text read and its cell, so a refresh reads no text
  // while the setting stays.
  mutable std::string varLida_;
  mutable int enderecoLido_ = 0;
};

}  // namespace quiv
