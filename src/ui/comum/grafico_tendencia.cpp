// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comum/grafico_tendencia.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "core/objetos/arquivo_registro.h"

namespace quiv {

namespace {

constexpr int kFolga = 4;  // between the mark columns and the plot

const Tendencia::Pixels& Pixels(const Tendencia& t, int traco) {
  switch (traco) {
    case 1:
      return t.Pixels1;
    case 2:
      return t.Pixels2;
    case 3:
      return t.Pixels3;
    default:
      return t.Pixels4;
  }
}

const Tendencia::Valores& Valores(const Tendencia& t, int traco) {
  switch (traco) {
    case 1:
      return t.Valores1;
    case 2:
      return t.Valores2;
    case 3:
      return t.Valores3;
    default:
      return t.Valores4;
  }
}

}  // namespace

GraficoTendencia::GraficoTendencia(QWidget* pai) : QWidget(pai), pontos_(Tendencia::kPontos) {
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  Medidas();
}

void GraficoTendencia::DefineFonte(Fonte fonte) {
  fonte_ = std::move(fonte);
  update();
}

void GraficoTendencia::DefinePenas(std::vector<Pena> penas) {
  penas_ = std::move(penas);
  update(Quadro());
}

void GraficoTendencia::DefineVisivel(std::size_t pena, bool visivel) {
  if (pena >= penas_.size() || penas_[pena].Visivel == visivel) return;
  penas_[pena].Visivel = visivel;
  update(Quadro());
}

void GraficoTendencia::DefineUnidade(std::size_t pena, const QString& unidade, int decimais) {
  if (pena >= penas_.size()) return;
  Pena& p = penas_[pena];
  if (p.Unidade == unidade && p.Decimais == decimais) return;
  p.Unidade = unidade;
  p.Decimais = decimais;
  if (ponteiroX_ >= 0) update(Quadro());
}

void GraficoTendencia::DefineMarcadores(const std::vector<Marcador>& marcadores) {
  const bool iguais = marcadores.size() == marcadores_.size() &&
                      std::equal(marcadores.begin(), marcadores.end(), marcadores_.begin(),
                                 [](const Marcador& a, const Marcador& b) {
                                   return a.Numero == b.Numero && a.Ponto == b.Ponto;
                                 });
  if (iguais) return;
  marcadores_ = marcadores;
  update();
}

void GraficoTendencia::DefineEscalaFixaADireita(const QColor& cor) {
  percentuaisADireita_ = true;
  corPercentuais_ = cor;
  Medidas();
}

void GraficoTendencia::DefineMargemVertical(int margem) {
  margemVertical_ = margem;
  Medidas();
}

void GraficoTendencia::Medidas() {
  const QFontMetrics fm(font());
  margemVertical_ = std::max(margemVertical_, fm.height() / 2 + 1);
  larguraRotulos_ = std::max(larguraRotulos_, fm.horizontalAdvance(QStringLiteral("-0000")));
  larguraPercentuais_ = fm.horizontalAdvance(QStringLiteral("100"));
  margemEsquerda_ = 2 + larguraRotulos_ + kFolga;
  if (!percentuaisADireita_) margemEsquerda_ += larguraPercentuais_ + kFolga;
  updateGeometry();
  update();
}

QRect GraficoTendencia::Quadro() const {
  return QRect(margemEsquerda_, margemVertical_, kLarguraQuadro, kAlturaQuadro);
}

QSize GraficoTendencia::sizeHint() const {
  const int direita = percentuaisADireita_ ? kFolga + larguraPercentuais_ + 2 : 2;
  return QSize(margemEsquerda_ + kLarguraQuadro + direita, 2 * margemVertical_ + kAlturaQuadro);
}

void GraficoTendencia::RedesenhaCurvas() { update(Quadro()); }

void GraficoTendencia::SegueCurvas(const Tendencia& g) {
  if (g.Posicao == ultimaPosicao_ && g.FaseGrade == ultimaFase_) return;
  ultimaPosicao_ = g.Posicao;
  ultimaFase_ = g.FaseGrade;
  RedesenhaCurvas();
}

void GraficoTendencia::Redesenha(const Tendencia& g) {
  ultimaPosicao_ = g.Posicao;
  ultimaFase_ = g.FaseGrade;
  update();
}

void GraficoTendencia::paintEvent(QPaintEvent* evento) {
  QPainter g(this);
  const Tendencia* t = fonte_ ? fonte_() : nullptr;
  const QRect quadro = Quadro();
  // After a sample only the plot is repainted; the marks are drawn when the
  // margins need it.
  if (!quadro.contains(evento->rect())) DesenhaEscala(g, t);

  g.setPen(palette().color(QPalette::Dark));
  g.setBrush(Qt::NoBrush);
  g.drawRect(quadro.left(), quadro.top(), kLarguraQuadro - 1, kAlturaQuadro - 1);
  const int x0 = quadro.left() + 1;
  const int y0 = quadro.top() + 1;
  g.fillRect(x0, y0, Tendencia::kPontos + 1, Tendencia::kAltura + 1, Qt::white);

  g.setClipRect(x0, y0, Tendencia::kPontos + 1, Tendencia::kAltura + 1);
  g.setPen(QColor(192, 192, 192));
  for (int j = 0; j <= 10; ++j) {
    const int y = y0 + 20 * j;
    g.drawLine(x0, y, x0 + Tendencia::kPontos - 1, y);
  }
  if (t) {
    for (int i = 1; i <= Tendencia::kPontos / Tendencia::kDivisao; ++i) {
      const int x = x0 + t->GradeX(i);
      g.drawLine(x, y0, x, y0 + Tendencia::kAltura);
    }
    DesenhaCurvas(g, *t);
  }
  g.setClipping(false);

  // Point markers: a red dot and its number beside it.
  if (!marcadores_.empty()) {
    g.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics fm(font());
    for (const Marcador& m : marcadores_) {
      const QPoint c = quadro.topLeft() + m.Ponto;
      g.setPen(Qt::NoPen);
      g.setBrush(Qt::red);
      g.drawEllipse(QPointF(c), 3.0, 3.0);
      g.setPen(Qt::black);
      g.drawText(QPoint(c.x() + 5, c.y() - 12 + fm.ascent()), QString::number(m.Numero));
    }
    g.setRenderHint(QPainter::Antialiasing, false);
  }

  if (ponteiroX_ >= 0) {
    const QStringList linhas = LeituraEm(ponteiroX_);
    if (!linhas.isEmpty()) {
      g.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
      g.drawLine(ponteiroX_, y0, ponteiroX_, y0 + Tendencia::kAltura);
      DesenhaLeitura(g, linhas);
    }
  }
}

void GraficoTendencia::DesenhaEscala(QPainter& g, const Tendencia* t) {
  const QRect quadro = Quadro();
  const int y0 = quadro.top() + 1;
  const QFontMetrics fm(font());
  const int h = fm.height();
  const QColor texto = palette().color(QPalette::WindowText);
  g.setPen(percentuaisADireita_ ? corPercentuais_ : texto);
  const int xPercentual = percentuaisADireita_ ? quadro.right() + 1 + kFolga
                                               : quadro.left() - kFolga - larguraPercentuais_;
  for (int j = 0; j <= 10; ++j) {
    const int y = y0 + 20 * j;
    g.drawText(QRect(xPercentual, y - h / 2, larguraPercentuais_, h),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(100 - 10 * j));
  }
  g.setPen(texto);
  if (!t) return;
  int maior = 0;
  for (std::size_t i = 0; i < t->RotuloEscala.size(); ++i) {
    const QString texto = QString::fromStdString(t->RotuloEscala[i]).trimmed();
    maior = std::max(maior, fm.horizontalAdvance(texto));
    const int y = y0 + 20 * static_cast<int>(i + 1);
    g.drawText(QRect(2, y - h / 2, larguraRotulos_, h), Qt::AlignRight | Qt::AlignVCenter, texto);
  }
  if (maior > larguraRotulos_) {
    // A scale with wider marks: the column grows (after this paint), so no
    // mark is cut.
    larguraRotulos_ = maior;
    QMetaObject::invokeMethod(
        this, [this] { Medidas(); }, Qt::QueuedConnection);
  }
}

void GraficoTendencia::DesenhaCurvas(QPainter& g, const Tendencia& t) {
  const QRect quadro = Quadro();
  const int x0 = quadro.left() + 1;
  const int base = quadro.top() + 1 + Tendencia::kAltura;
  for (const Pena& p : penas_) {
    if (!p.Visivel) continue;
    const Tendencia::Pixels& pixels = Pixels(t, p.Traco);
    for (int k = 0; k < Tendencia::kPontos; ++k)
      pontos_.setPoint(k, x0 + k, base - Tendencia::PixelCronologico(pixels, t.Posicao, k));
    g.setPen(QPen(p.Cor, 1));
    g.drawPolyline(pontos_);
    if (p.SegueLinhaGrossa && t.LinhaGrossa) {
      // Two pixels wide: the same line again one pixel right and one pixel
      // down, which looks like a wide pen at half its cost.
      g.translate(1, 0);
      g.drawPolyline(pontos_);
      g.translate(-1, 1);
      g.drawPolyline(pontos_);
      g.translate(0, -1);
    }
  }
}

void GraficoTendencia::DesenhaLeitura(QPainter& g, const QStringList& linhas) const {
  const QRect quadro = Quadro();
  const QFontMetrics fm(font());
  int largura = 0;
  for (const QString& l : linhas) largura = std::max(largura, fm.horizontalAdvance(l));
  const int altura = fm.height() * static_cast<int>(linhas.size());
  QRect caixa(0, 0, largura + 8, altura + 6);
  const int lado = ponteiroX_ + 8 + caixa.width() <= quadro.right() - 1
                       ? ponteiroX_ + 8
                       : ponteiroX_ - 8 - caixa.width();
  caixa.moveTo(std::max(quadro.left() + 2, lado), quadro.top() + 4);
  g.setPen(QColor(120, 120, 120));
  g.setBrush(QColor(255, 255, 240, 235));
  g.drawRect(caixa);
  int y = caixa.top() + 3 + fm.ascent();
  for (qsizetype i = 0; i < linhas.size(); ++i) {
    QColor cor = Qt::black;
    if (i > 0) {
      int visivel = 0;
      for (const Pena& p : penas_) {
        if (!p.Visivel) continue;
        if (++visivel == i) {
          cor = p.Cor;
          break;
        }
      }
    }
    g.setPen(cor);
    g.drawText(caixa.left() + 4, y, linhas[i]);
    y += fm.height();
  }
}

int GraficoTendencia::AmostraEm(int x) const {
  const int k = x - (Quadro().left() + 1);
  return k >= 0 && k < Tendencia::kPontos ? k : -1;
}

QStringList GraficoTendencia::LeituraEm(int x) const {
  const Tendencia* t = fonte_ ? fonte_() : nullptr;
  const int k = AmostraEm(x);
  if (!t || k < 0 || t->Posicao == 0) return {};
  const auto slot = static_cast<std::size_t>((t->Posicao + k) % Tendencia::kPontos + 1);
  // The same time as the point read-out gives for a click at this column.
  const double tempo = (x - Quadro().left()) * DadosBaseTempo(t->ItemBaseTempo).SegundosPorPixel;
  QStringList linhas{tr("Tempo: %1 s").arg(tempo, 0, 'f', 1)};
  for (const Pena& p : penas_) {
    if (!p.Visivel) continue;
    const double r = Valores(*t, p.Traco)[slot];
    const double v = p.Traco <= 2 ? faixa_.Engenharia(r) : r;
    QString linha = QStringLiteral("%1: %2").arg(p.Nome, QString::number(v, 'f', p.Decimais));
    if (!p.Unidade.isEmpty()) linha += QLatin1Char(' ') + p.Unidade;
    linhas.append(linha);
  }
  return linhas;
}

QStringList GraficoTendencia::LeituraAtual() const {
  return ponteiroX_ >= 0 ? LeituraEm(ponteiroX_) : QStringList();
}

void GraficoTendencia::mouseMoveEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  const int x = Quadro().contains(p) && AmostraEm(p.x()) >= 0 ? p.x() : -1;
  if (x != ponteiroX_) {
    ponteiroX_ = x;
    update(Quadro());
  }
  QWidget::mouseMoveEvent(evento);
}

void GraficoTendencia::leaveEvent(QEvent* evento) {
  if (ponteiroX_ >= 0) {
    ponteiroX_ = -1;
    update(Quadro());
  }
  QWidget::leaveEvent(evento);
}

void GraficoTendencia::mousePressEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  const QRect quadro = Quadro();
  if (quadro.contains(p)) emit Clicado(p.x() - quadro.left(), p.y() - quadro.top());
  QWidget::mousePressEvent(evento);
}

void GraficoTendencia::mouseDoubleClickEvent(QMouseEvent* evento) {
  if (Quadro().contains(evento->position().toPoint())) emit DuploClique();
  QWidget::mouseDoubleClickEvent(evento);
}

void GraficoTendencia::changeEvent(QEvent* evento) {
  if (evento->type() == QEvent::FontChange) Medidas();
  QWidget::changeEvent(evento);
}

}  // namespace quiv
