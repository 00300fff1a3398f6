// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/caixa_sobre.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace quiv {

CaixaSobre::CaixaSobre(bool abertura, QWidget* pai)
    : QWidget(pai, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Sobre"));
  setWindowTitle(tr("Sobre"));
  setAttribute(Qt::WA_DeleteOnClose, !abertura);
  setFixedSize(kLargura, kAltura);

  auto* imagem = new QLabel(this);
  imagem->setObjectName(QStringLiteral("Image1"));
  imagem->setPixmap(Figura(size()));
  imagem->setGeometry(rect());

  botaoFechar_ = new QPushButton(tr("Fechar"), this);
  botaoFechar_->setObjectName(QStringLiteral("BotaoFechar"));
  botaoFechar_->adjustSize();
  botaoFechar_->move(kLargura - botaoFechar_->width() - 16, kAltura - botaoFechar_->height() - 14);
  botaoFechar_->setVisible(!abertura);
  connect(botaoFechar_, &QPushButton::clicked, this, &QWidget::close);

  espera_ = new QTimer(this);
  espera_->setObjectName(QStringLiteral("Timer1"));
  espera_->setSingleShot(true);
  espera_->setInterval(kEsperaMs);
  connect(espera_, &QTimer::timeout, this, [this] {
    botaoFechar_->show();
    emit TempoDecorrido();
  });
  if (abertura) espera_->start();

  // Centred on the window it belongs to, or on the screen at start.
  const QRect area = pai ? pai->window()->geometry()
                         : (screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768));
  move(area.center() - rect().center());
}

QPixmap CaixaSobre::Figura(QSize tamanho) {
  QPixmap figura(tamanho);
  QPainter g(&figura);
  g.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fundo(0, 0, 0, tamanho.height());
  fundo.setColorAt(0, QColor(24, 46, 84));
  fundo.setColorAt(1, QColor(46, 96, 160));
  g.fillRect(figura.rect(), fundo);

  // A closed loop answering a set-point step: the picture of what the program teaches.
  const QRectF grafico(40, 210, tamanho.width() - 80, 150);
  g.setPen(QPen(QColor(255, 255, 255, 60), 1));
  for (int i = 0; i <= 4; ++i) {
    const double y = grafico.top() + i * grafico.height() / 4;
    g.drawLine(QPointF(grafico.left(), y), QPointF(grafico.right(), y));
  }
  QPainterPath sp;
  QPainterPath pv;
  const double degrau = grafico.left() + grafico.width() * 0.15;
  sp.moveTo(grafico.left(), grafico.bottom() - 30);
  sp.lineTo(degrau, grafico.bottom() - 30);
  sp.lineTo(degrau, grafico.top() + 30);
  sp.lineTo(grafico.right(), grafico.top() + 30);
  pv.moveTo(grafico.left(), grafico.bottom() - 30);
  for (double x = degrau; x <= grafico.right(); x += 2) {
    const double t = (x - degrau) / 60.0;
    const double resposta = 1 - std::exp(-0.55 * t) * (std::cos(1.1 * t) + 0.5 * std::sin(1.1 * t));
    pv.lineTo(x, grafico.bottom() - 30 - resposta * (grafico.height() - 60));
  }
  g.setPen(QPen(QColor(120, 180, 255), 2.5));
  g.drawPath(sp);
  g.setPen(QPen(QColor(255, 110, 90), 3));
  g.drawPath(pv);

  QFont nome(QStringLiteral("DejaVu Sans"));
  nome.setPixelSize(72);
  nome.setBold(true);
  g.setFont(nome);
  g.setPen(Qt::white);
  g.drawText(QRect(40, 40, tamanho.width() - 80, 90), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("QUIV"));
  QFont subtitulo(QStringLiteral("DejaVu Sans"));
  subtitulo.setPixelSize(20);
  g.setFont(subtitulo);
  g.drawText(QRect(40, 128, tamanho.width() - 80, 30), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Simulador de Controle de Processos"));
  subtitulo.setPixelSize(15);
  g.setFont(subtitulo);
  g.setPen(QColor(210, 225, 245));
  g.drawText(QRect(40, 158, tamanho.width() - 80, 24), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Process Control Simulator"));
  g.drawText(QRect(40, tamanho.height() - 84, tamanho.width() - 80, 24),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("v " QUIV_VERSAO));
  // The license, and those of the libraries that ship with the program.
  subtitulo.setPixelSize(11);
  g.setFont(subtitulo);
  g.drawText(QRect(40, tamanho.height() - 58, tamanho.width() - 190, 44),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             QStringLiteral("GPL-3.0-or-later. Qt 6 (LGPL-3.0), QCustomPlot (GPL-3.0-or-later)."));
  return figura;
}

}  // namespace quiv
