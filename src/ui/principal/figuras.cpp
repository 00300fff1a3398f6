// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/figuras.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace quiv::figuras {

namespace {

QPixmap Vazio(int lado) {
  QPixmap p(lado, lado);
  p.fill(Qt::transparent);
  return p;
}

}  // namespace

QPixmap Chave(int orientacao, bool ligada) {
  QPixmap p = Vazio(kLadoChave);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  const QPointF centro(kLadoChave / 2.0, kLadoChave / 2.0);

  // Base plate.
  g.setPen(QPen(QColor(70, 70, 70), 1));
  g.setBrush(QColor(200, 200, 200));
  g.drawRoundedRect(QRectF(3, 3, kLadoChave - 6, kLadoChave - 6), 5, 5);

  // The lever's angle: orientation 0 points left, 1 up, 2 right, 3 down; off
  // it leans 60 degrees back from that direction.
  static constexpr double kDirecao[4] = {180.0, 90.0, 0.0, 270.0};
  const double direcao = kDirecao[orientacao >= 0 && orientacao <= 3 ? orientacao : 0];
  const double graus = ligada ? direcao : direcao + 120.0;
  const double rad = graus * std::numbers::pi / 180.0;
  const QPointF ponta(centro.x() + 13.0 * std::cos(rad), centro.y() - 13.0 * std::sin(rad));

  g.setPen(QPen(QColor(60, 60, 60), 4, Qt::SolidLine, Qt::RoundCap));
  g.drawLine(centro, ponta);
  g.setPen(QPen(QColor(40, 40, 40), 1));
  g.setBrush(ligada ? QColor(40, 190, 60) : QColor(150, 150, 150));
  g.drawEllipse(ponta, 5, 5);
  g.setBrush(QColor(90, 90, 90));
  g.drawEllipse(centro, 5, 5);
  return p;
}

QPixmap Botao(bool pressionado) {
  QPixmap p = Vazio(kLadoBotao);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  const QRectF aro(2, 2, kLadoBotao - 4, kLadoBotao - 4);
  g.setPen(QPen(QColor(50, 50, 50), 1));
  g.setBrush(QColor(170, 170, 170));
  g.drawEllipse(aro);

  const double recuo = pressionado ? 8.0 : 6.0;
  const QRectF tampa = aro.adjusted(recuo, recuo, -recuo, -recuo);
  QRadialGradient luz(tampa.center() - QPointF(4, 4), tampa.width());
  if (pressionado) {
    luz.setColorAt(0, QColor(120, 255, 120));
    luz.setColorAt(1, QColor(20, 130, 30));
  } else {
    luz.setColorAt(0, QColor(255, 140, 140));
    luz.setColorAt(1, QColor(150, 20, 20));
  }
  if (!pressionado) {
    // A shadow under the raised cap.
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 0, 0, 70));
    g.drawEllipse(tampa.translated(2, 2));
  }
  g.setPen(QPen(QColor(40, 40, 40), 1));
  g.setBrush(luz);
  g.drawEllipse(tampa);
  return p;
}

QIcon Salvo(bool salvo) {
  QPixmap p = Vazio(16);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  if (salvo) {
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(40, 160, 60));
    g.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    g.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPolyline(QPolygonF({QPointF(4, 8.5), QPointF(7, 11.5), QPointF(12, 5)}));
  } else {
    g.setPen(QPen(QColor(120, 60, 0), 1));
    g.setBrush(QColor(240, 140, 20));
    g.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
    g.setBrush(Qt::white);
    g.drawRect(QRectF(4.5, 2, 7, 4));
    g.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(8, 9), QPointF(8, 9));
    g.drawLine(QPointF(8, 12.5), QPointF(8, 12.5));
  }
  return QIcon(p);
}

QIcon Programa() {
  QIcon icone;
  for (int lado : {16, 32, 64, 128}) {
    QPixmap p = Vazio(lado);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(lado / 64.0, lado / 64.0);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(20, 60, 120));
    g.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // A trend settling on its set point.
    g.setPen(QPen(QColor(250, 200, 40), 3, Qt::DashLine));
    g.drawLine(QPointF(10, 26), QPointF(54, 26));
    QPainterPath resposta(QPointF(10, 50));
    resposta.cubicTo(QPointF(22, 50), QPointF(22, 14), QPointF(32, 20));
    resposta.cubicTo(QPointF(40, 25), QPointF(44, 28), QPointF(54, 26));
    g.setPen(QPen(QColor(120, 230, 120), 4, Qt::SolidLine, Qt::RoundCap));
    g.setBrush(Qt::NoBrush);
    g.drawPath(resposta);
    icone.addPixmap(p);
  }
  return icone;
}

}  // namespace quiv::figuras
