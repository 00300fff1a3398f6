// SPDX-License-Identifier: GPL-3.0-or-later
#include "desenho.h"

#include <QFont>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace quiv::exemplos {

namespace {
constexpr int kRaio = 21;  // an instrument bubble's
}  // namespace

const QColor Desenho::kFundo(244, 246, 249);
const QColor Desenho::kContorno(52, 66, 92);
const QColor Desenho::kEquipamento(208, 218, 232);
const QColor Desenho::kLiquido(132, 178, 222);
const QColor Desenho::kProcesso(46, 96, 160);
const QColor Desenho::kGas(120, 130, 145);
const QColor Desenho::kCombustivel(196, 120, 30);
const QColor Desenho::kQuente(196, 58, 48);
const QColor Desenho::kFrio(40, 150, 170);
const QColor Desenho::kSinal(90, 90, 90);
const QColor Desenho::kTexto(30, 36, 48);

Desenho::Desenho(QSize tamanho)
    : imagem_(tamanho, QImage::Format_RGB32), g_(std::make_unique<QPainter>()) {
  imagem_.fill(kFundo);
  g_->begin(&imagem_);
  g_->setRenderHint(QPainter::Antialiasing);
  g_->setRenderHint(QPainter::TextAntialiasing);
}

Desenho::~Desenho() = default;

QImage Desenho::Imagem() {
  if (g_->isActive()) g_->end();
  return imagem_;
}

QPen Desenho::Caneta(QColor cor, double largura) const {
  QPen caneta(cor, largura);
  caneta.setJoinStyle(Qt::RoundJoin);
  caneta.setCapStyle(Qt::FlatCap);
  return caneta;
}

void Desenho::Seta(QPointF de, QPointF para, QColor cor) {
  const QLineF linha(para, de);
  if (linha.length() < 1.0) return;
  const QPointF u = (de - para) / linha.length();
  const QPointF n(-u.y(), u.x());
  const QPolygonF ponta{para, para + 12 * u + 5 * n, para + 12 * u - 5 * n};
  g_->save();
  g_->setPen(Qt::NoPen);
  g_->setBrush(cor);
  g_->drawPolygon(ponta);
  g_->restore();
}

void Desenho::Linha(std::initializer_list<QPoint> pontos, bool seta, QColor cor) {
  const std::vector<QPoint> p(pontos);
  if (p.size() < 2) return;
  g_->save();
  g_->setPen(Caneta(cor, 3.0));
  g_->setBrush(Qt::NoBrush);
  g_->drawPolyline(p.data(), static_cast<int>(p.size()));
  g_->restore();
  if (seta) Seta(p[p.size() - 2], p.back(), cor);
}

void Desenho::Sinal(std::initializer_list<QPoint> pontos, bool seta) {
  const std::vector<QPoint> p(pontos);
  if (p.size() < 2) return;
  g_->save();
  QPen caneta = Caneta(kSinal, 1.3);
  caneta.setStyle(Qt::DashLine);
  g_->setPen(caneta);
  g_->drawPolyline(p.data(), static_cast<int>(p.size()));
  g_->restore();
  if (seta) Seta(p[p.size() - 2], p.back(), kSinal);
}

namespace {

// The liquid of a vessel drawn in the outline `forma` up to `nivel` of r.
void Enche(QPainter& g, const QPainterPath& forma, QRect r, double nivel, QColor cor) {
  if (nivel < 0.0) return;
  const double topo = r.bottom() - std::clamp(nivel, 0.0, 1.0) * r.height();
  QPainterPath liquido;
  liquido.addRect(QRectF(r.left() - 1, topo, r.width() + 2, r.bottom() - topo + 2));
  g.save();
  g.setPen(Qt::NoPen);
  g.setBrush(cor);
  g.drawPath(forma.intersected(liquido));
  g.restore();
}

}  // namespace

void Desenho::Vaso(const QPainterPath& forma, const QPainterPath& contorno, QRect r, double nivel) {
  g_->save();
  g_->setPen(Qt::NoPen);
  g_->setBrush(kEquipamento);
  g_->drawPath(forma);
  Enche(*g_, forma, r, nivel, kLiquido);
  g_->setPen(Caneta(kContorno, 2.5));
  g_->setBrush(Qt::NoBrush);
  g_->drawPath(contorno);
  g_->restore();
}

void Desenho::Tanque(QRect r, double nivel) {
  QPainterPath forma;
  forma.addRect(r);
  // Open at the top: the outline leaves the top edge out.
  QPainterPath contorno;
  contorno.addPolygon(
      QPolygonF(QPolygon{r.topLeft(), r.bottomLeft(), r.bottomRight(), r.topRight()}));
  Vaso(forma, contorno, r, nivel);
}

void Desenho::VasoVertical(QRect r, double nivel) {
  const int raio = std::min(r.width() / 2, r.height() / 4);
  QPainterPath forma;
  forma.addRoundedRect(r, r.width() / 2.0, raio);
  Vaso(forma, forma, r, nivel);
}

void Desenho::VasoHorizontal(QRect r, double nivel) {
  const int raio = std::min(r.height() / 2, r.width() / 4);
  QPainterPath forma;
  forma.addRoundedRect(r, raio, r.height() / 2.0);
  Vaso(forma, forma, r, nivel);
}

void Desenho::Coluna(QRect r, int pratos) {
  VasoVertical(r);
  g_->save();
  g_->setPen(Caneta(kContorno, 1.2));
  const int margem = r.width() / 2;
  const double passo = (r.height() - 2.0 * margem) / (pratos + 1);
  for (int i = 1; i <= pratos; ++i) {
    const int y = static_cast<int>(r.top() + margem + i * passo);
    const bool esquerda = i % 2 == 0;
    g_->drawLine(esquerda ? r.left() + 2 : r.left() + r.width() / 4, y,
                 esquerda ? r.right() - r.width() / 4 : r.right() - 2, y);
  }
  g_->restore();
}

void Desenho::Reator(QRect r, bool jaqueta, double nivel) {
  if (jaqueta) {
    const QRect fora = r.adjusted(-12, r.height() / 5, 12, 12);
    QPainterPath camisa;
    camisa.addRoundedRect(fora, 26, 26);
    g_->save();
    g_->setPen(Caneta(kContorno, 2.0));
    g_->setBrush(QColor(236, 214, 206));
    g_->drawPath(camisa);
    g_->restore();
  }
  VasoVertical(r, nivel);
  // Agitator: motor on top, shaft and blades.
  const int cx = r.center().x();
  Motor(QPoint(cx, r.top() - 18));
  g_->save();
  g_->setPen(Caneta(kContorno, 2.5));
  g_->drawLine(cx, r.top() - 4, cx, r.bottom() - r.height() / 4);
  const int yp = r.bottom() - r.height() / 4;
  g_->setBrush(kContorno);
  g_->drawEllipse(QPointF(cx - 14, yp), 12, 4);
  g_->drawEllipse(QPointF(cx + 14, yp), 12, 4);
  g_->restore();
}

void Desenho::Trocador(QRect r) {
  QPainterPath casco;
  casco.addRoundedRect(r, r.height() / 2.0, r.height() / 2.0);
  g_->save();
  g_->setPen(Caneta(kContorno, 2.5));
  g_->setBrush(kEquipamento);
  g_->drawPath(casco);
  // The tube bundle: a few passes.
  g_->setPen(Caneta(kQuente, 1.6));
  const int passes = 4;
  for (int i = 1; i <= passes; ++i) {
    const int y = r.top() + i * r.height() / (passes + 1);
    g_->drawLine(r.left() + r.height() / 2, y, r.right() - r.height() / 2, y);
  }
  g_->restore();
}

void Desenho::Forno(QRect r) {
  // Box with a tapered stack and a tube coil inside.
  g_->save();
  g_->setPen(Caneta(kContorno, 2.5));
  g_->setBrush(QColor(226, 214, 204));
  g_->drawRect(r);
  const int cx = r.center().x();
  const QPolygon chapeu{QPoint(r.left(), r.top()), QPoint(cx - 18, r.top() - 40),
                        QPoint(cx + 18, r.top() - 40), QPoint(r.right(), r.top())};
  g_->drawPolygon(chapeu);
  g_->drawRect(QRect(cx - 12, r.top() - 90, 24, 50));
  g_->setPen(Caneta(kProcesso, 2.0));
  g_->setBrush(Qt::NoBrush);
  QPainterPath serpentina;
  const int passos = 6;
  const int x0 = r.left() + 20;
  const int x1 = r.right() - 20;
  serpentina.moveTo(x0, r.top() + 20);
  for (int i = 0; i < passos; ++i) {
    const int y = r.top() + 20 + i * (r.height() / 2 - 20) / (passos - 1);
    serpentina.lineTo(i % 2 == 0 ? x1 : x0, y);
    if (i + 1 < passos)
      serpentina.lineTo(i % 2 == 0 ? x1 : x0, y + (r.height() / 2 - 20) / (passos - 1));
  }
  g_->drawPath(serpentina);
  g_->restore();
  Queimador(QPoint(cx, r.bottom() - 16));
}

void Desenho::Caldeira(QRect r) {
  // Furnace box with water-wall tubes, the steam drum above it.
  g_->save();
  g_->setPen(Caneta(kContorno, 2.5));
  g_->setBrush(QColor(226, 214, 204));
  g_->drawRect(r);
  g_->setPen(Caneta(kProcesso, 1.5));
  for (int x = r.left() + 14; x < r.right() - 8; x += 14)
    g_->drawLine(x, r.top() + 8, x, r.bottom() - 40);
  g_->restore();
  Queimador(QPoint(r.center().x(), r.bottom() - 18));
}

void Desenho::Chamine(QRect r) {
  g_->save();
  g_->setPen(Caneta(kContorno, 2.5));
  g_->setBrush(kEquipamento);
  g_->drawRect(r);
  g_->restore();
}

void Desenho::Valvula(QPoint c, bool vertical) {
  g_->save();
  g_->translate(c);
  if (vertical) g_->rotate(90);
  g_->setPen(Caneta(kContorno, 2.0));
  g_->setBrush(Qt::white);
  g_->drawPolygon(QPolygon{QPoint(-13, -8), QPoint(13, 8), QPoint(13, -8), QPoint(-13, 8)});
  // Stem and diaphragm actuator.
  if (vertical) g_->rotate(-90);
  const QPoint topo = vertical ? QPoint(-24, 0) : QPoint(0, -24);
  g_->drawLine(QPoint(0, 0), topo);
  QPainterPath atuador;
  if (vertical) {
    atuador.moveTo(-24, -12);
    atuador.arcTo(QRectF(-36, -12, 24, 24), 90, 180);
    atuador.closeSubpath();
  } else {
    atuador.moveTo(-12, -24);
    atuador.arcTo(QRectF(-12, -36, 24, 24), 180, -180);
    atuador.closeSubpath();
  }
  g_->drawPath(atuador);
  g_->restore();
}

void Desenho::ValvulaManual(QPoint c, bool vertical) {
  g_->save();
  g_->translate(c);
  if (vertical) g_->rotate(90);
  g_->setPen(Caneta(kContorno, 2.0));
  g_->setBrush(Qt::white);
  g_->drawPolygon(QPolygon{QPoint(-10, -7), QPoint(10, 7), QPoint(10, -7), QPoint(-10, 7)});
  g_->drawLine(0, 0, 0, -14);
  g_->drawLine(-7, -14, 7, -14);
  g_->restore();
}

void Desenho::Bomba(QPoint c, bool paraDireita) {
  g_->save();
  g_->translate(c);
  if (!paraDireita) g_->scale(-1, 1);
  g_->setPen(Caneta(kContorno, 2.0));
  g_->setBrush(Qt::white);
  g_->drawEllipse(QPoint(0, 0), 16, 16);
  g_->drawLine(0, -16, 22, -16);
  g_->drawLine(22, -16, 22, -8);
  g_->setBrush(kContorno);
  g_->drawPolygon(QPolygon{QPoint(-8, 10), QPoint(8, 10), QPoint(0, -2)});
  g_->restore();
}

void Desenho::Ventilador(QPoint c) {
  g_->save();
  g_->translate(c);
  g_->setPen(Caneta(kContorno, 2.0));
  g_->setBrush(Qt::white);
  g_->drawEllipse(QPoint(0, 0), 18, 18);
  g_->setBrush(kEquipamento);
  for (int i = 0; i < 4; ++i) {
    g_->rotate(90);
    g_->drawEllipse(QRectF(2, -4, 13, 8));
  }
  g_->restore();
}

void Desenho::Queimador(QPoint c) {
  g_->save();
  g_->translate(c);
  QPainterPath chama;
  chama.moveTo(-12, 10);
  chama.cubicTo(-16, -6, -2, -10, 0, -26);
  chama.cubicTo(4, -12, 16, -6, 12, 10);
  chama.closeSubpath();
  g_->setPen(Caneta(kQuente, 1.5));
  g_->setBrush(QColor(250, 170, 60));
  g_->drawPath(chama);
  g_->setBrush(kContorno);
  g_->setPen(Qt::NoPen);
  g_->drawRect(-16, 10, 32, 6);
  g_->restore();
}

void Desenho::Placa(QPoint c, bool vertical) {
  g_->save();
  g_->setPen(Caneta(kContorno, 2.5));
  if (vertical)
    g_->drawLine(c.x() - 9, c.y(), c.x() + 9, c.y());
  else
    g_->drawLine(c.x(), c.y() - 9, c.x(), c.y() + 9);
  g_->restore();
}

void Desenho::Motor(QPoint c, const QString& texto) {
  g_->save();
  g_->setPen(Caneta(kContorno, 2.0));
  g_->setBrush(Qt::white);
  g_->drawEllipse(c, 13, 13);
  QFont fonte(QStringLiteral("DejaVu Sans"));
  fonte.setPixelSize(12);
  fonte.setBold(true);
  g_->setFont(fonte);
  g_->drawText(QRect(c.x() - 13, c.y() - 13, 26, 26), Qt::AlignCenter, texto);
  g_->restore();
}

void Desenho::Instrumento(QPoint c, const QString& letras, const QString& numero, bool campo) {
  g_->save();
  g_->setPen(Caneta(kContorno, 1.8));
  g_->setBrush(Qt::white);
  g_->drawEllipse(c, kRaio, kRaio);
  if (!campo) g_->drawLine(c.x() - kRaio, c.y(), c.x() + kRaio, c.y());
  QFont fonte(QStringLiteral("DejaVu Sans"));
  fonte.setPixelSize(letras.size() > 3 ? 9 : 11);
  fonte.setBold(true);
  g_->setFont(fonte);
  g_->setPen(kTexto);
  g_->drawText(QRect(c.x() - kRaio, c.y() - kRaio + 3, 2 * kRaio, kRaio - 3),
               Qt::AlignHCenter | Qt::AlignBottom, letras);
  fonte.setBold(false);
  fonte.setPixelSize(10);
  g_->setFont(fonte);
  g_->drawText(QRect(c.x() - kRaio, c.y() + 1, 2 * kRaio, kRaio - 4),
               Qt::AlignHCenter | Qt::AlignTop, numero);
  g_->restore();
}

void Desenho::Instrumento(QPoint c, const QString& letras, const QString& numero, QPoint ate,
                          bool campo) {
  Instrumento(c, letras, numero, campo);
  // Leave the bubble on the side that faces `ate`.
  QPoint borda = c;
  if (ate.x() == c.x())
    borda.ry() += ate.y() > c.y() ? kRaio : -kRaio;
  else
    borda.rx() += ate.x() > c.x() ? kRaio : -kRaio;
  Sinal({borda, ate});
}

void Desenho::Funcao(QPoint c, const QString& simbolo) {
  g_->save();
  g_->setPen(Caneta(kContorno, 1.8));
  g_->setBrush(QColor(255, 250, 232));
  const QRect r(c.x() - 17, c.y() - 17, 34, 34);
  g_->drawRect(r);
  QFont fonte(QStringLiteral("DejaVu Sans"));
  fonte.setPixelSize(simbolo.size() > 2 ? 11 : 16);
  fonte.setBold(true);
  g_->setFont(fonte);
  g_->setPen(kTexto);
  g_->drawText(r, Qt::AlignCenter, simbolo);
  g_->restore();
}

void Desenho::Texto(QPoint p, const QString& texto, int tamanho, bool negrito, QColor cor) {
  g_->save();
  QFont fonte(QStringLiteral("DejaVu Sans"));
  fonte.setPixelSize(tamanho);
  fonte.setBold(negrito);
  g_->setFont(fonte);
  g_->setPen(cor);
  g_->drawText(p, texto);
  g_->restore();
}

void Desenho::Corrente(QPoint p, const QString& texto) {
  Texto(p, texto, 12, false, QColor(70, 80, 100));
}

}  // namespace quiv::exemplos
