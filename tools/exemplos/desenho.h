// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <memory>

namespace quiv::exemplos {

// The process-diagram symbols every example picture is drawn with, so the
// 22 pictures share one look: light vessels with dark outlines, process
// lines with flow arrows, bow-tie valves, ISA instrument bubbles joined to
// their measuring point by dashed signal lines. Coordinates are the picture's
// pixels, which are also the synoptic screen's: an object button placed at
// (x, y) sits where the picture has drawn its instrument.
class Desenho {
 public:
  static constexpr int kLargura = 1000;
  static constexpr int kAltura = 600;

  explicit Desenho(QSize tamanho = {kLargura, kAltura});
  ~Desenho();
  Desenho(const Desenho&) = delete;
  Desenho& operator=(const Desenho&) = delete;

  // The picture; ends the painting, so call it once, at the end.
  QImage Imagem();

  // Process line through the points, with an arrow at the last one
  // (`seta` false: no arrow). `cor` tells the fluid: see the constants.
  void Linha(std::initializer_list<QPoint> pontos, bool seta = true, QColor cor = kProcesso);
  // Dashed instrument signal line (no arrow unless asked).
  void Sinal(std::initializer_list<QPoint> pontos, bool seta = false);

  // Vessels. `nivel` in 0 … 1 fills the lower part with liquid (negative: no
  // liquid drawn).
  void Tanque(QRect r, double nivel = 0.6);                // open-top tank
  void VasoVertical(QRect r, double nivel = -1.0);         // closed, rounded heads
  void VasoHorizontal(QRect r, double nivel = -1.0);       // drum, separator
  void Coluna(QRect r, int pratos = 8);                    // distillation column
  void Reator(QRect r, bool jaqueta, double nivel = 0.6);  // with agitator
  void Trocador(QRect r);                                  // shell and tube, horizontal
  void Forno(QRect r);                                     // fired heater with burner
  void Caldeira(QRect r);                                  // furnace box with drum on top
  void Chamine(QRect r);

  // Line equipment, centred on the point.
  void Valvula(QPoint c, bool vertical = false);  // control valve with actuator
  void ValvulaManual(QPoint c, bool vertical = false);
  void Bomba(QPoint c, bool paraDireita = true);
  void Ventilador(QPoint c);
  void Queimador(QPoint c);
  void Placa(QPoint c, bool vertical = false);  // orifice plate (flow element)
  void Motor(QPoint c, const QString& texto = QStringLiteral("M"));

  // ISA instrument bubble: letters over the loop number, e.g. "FIC", "101".
  // `campo` false draws the board-mounted form (line through the middle).
  void Instrumento(QPoint c, const QString& letras, const QString& numero, bool campo = false);
  // The same with its signal line straight out of the bubble to `ate`, on
  // the bubble's row or column: a transmitter to its line, a controller to
  // its valve.
  void Instrumento(QPoint c, const QString& letras, const QString& numero, QPoint ate,
                   bool campo = false);
  // A function block (square with a symbol), e.g. "Σ", "×", "f(x)", ">", "<".
  void Funcao(QPoint c, const QString& simbolo);

  // Texts: a caption (dark, 13 px), a title (18 px bold), a small note.
  void Texto(QPoint p, const QString& texto, int tamanho = 13, bool negrito = false,
             QColor cor = kTexto);
  // Name of a stream at the end of a line ("Vapor", "Água fria").
  void Corrente(QPoint p, const QString& texto);

  static const QColor kFundo;
  static const QColor kContorno;
  static const QColor kEquipamento;
  static const QColor kLiquido;
  static const QColor kProcesso;  // liquid lines
  static const QColor kGas;       // gas, air, steam
  static const QColor kCombustivel;
  static const QColor kQuente;
  static const QColor kFrio;
  static const QColor kSinal;
  static const QColor kTexto;

 private:
  void Seta(QPointF de, QPointF para, QColor cor);
  // A vessel: the body `forma` filled, its liquid up to `nivel`, `contorno`
  // stroked.
  void Vaso(const QPainterPath& forma, const QPainterPath& contorno, QRect r, double nivel);
  QPen Caneta(QColor cor, double largura) const;

  QImage imagem_;
  std::unique_ptr<QPainter> g_;
};

}  // namespace quiv::exemplos
