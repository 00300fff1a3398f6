// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/objetos/tendencia.h"

class QPainter;

namespace quiv {

// The strip chart of a trend (controller faceplate, trend recorder): the last
// 450 samples of up to four traces of a core Tendencia, painted from their
// pixel rows as polylines on a 450 × 200 plot with the grid that scrolls with
// them, the scale marks at the left (the nine engineering marks of the model
// and the fixed 100 … 0 of the chart), the point markers of a paused chart
// and, under the pointer, the time and every shown trace's value in its own
// units.
//
// The chart keeps no pointer to its model: it asks its source for the
// Tendencia at every paint (none: an empty plot), so the object behind it may
// be deleted or replaced at any time.
class GraficoTendencia : public QWidget {
  Q_OBJECT

 public:
  // One trace of the model drawn as a pen.
  struct Pena {
    int Traco = 1;  // 1 … 4: Pixels1 … Pixels4 and Valores1 … Valores4
    QColor Cor;
    QString Nome;     // in the pointer read-out
    QString Unidade;  // of the read-out value
    int Decimais = 2;
    bool Visivel = true;
    // 2 pixels wide while the model's LinhaGrossa is set; 1 otherwise.
    bool SegueLinhaGrossa = true;
  };
  // A point marker: its number and its place inside the plot frame (the
  // coordinates the click gave).
  struct Marcador {
    int Numero = 1;
    QPoint Ponto;
  };
  using Fonte = std::function<const Tendencia*()>;

  static constexpr int kLarguraQuadro = Tendencia::kPontos + 3;  // 453
  static constexpr int kAlturaQuadro = Tendencia::kAltura + 3;   // 203

  explicit GraficoTendencia(QWidget* pai = nullptr);

  void DefineFonte(Fonte fonte);
  void DefinePenas(std::vector<Pena> penas);
  const std::vector<Pena>& Penas() const { return penas_; }
  // Each of these repaints only when the value changes.
  void DefineVisivel(std::size_t pena, bool visivel);
  void DefineUnidade(std::size_t pena, const QString& unidade, int decimais);
  // Engineering range of traces 1 and 2, for their read-out values (their
  // rings hold % of it).
  void DefineFaixa(const Tendencia::Faixa& faixa) { faixa_ = faixa; }
  void DefineMarcadores(const std::vector<Marcador>& marcadores);
  // The fixed 100 … 0 marks of the chart at the right of the plot, in their
  // own colour (a recorder's MV scale), rather than at the left beside the
  // engineering marks.
  void DefineEscalaFixaADireita(const QColor& cor);
  // Room above and below the plot, so that a control beside the chart can be
  // centred on the top or bottom grid line.
  void DefineMargemVertical(int margem);

  // The plot frame (Image1): 453 × 203, the curves' area starting 1 pixel
  // inside it.
  QRect Quadro() const;
  // Time and values of the shown pens at x (this widget's coordinates), one
  // text per line; empty outside the plot or before the first sample.
  QStringList LeituraEm(int x) const;
  // The read-out under the pointer, empty when the pointer is not over the
  // plot.
  QStringList LeituraAtual() const;

  // After a sample: repaints the plot only (the marks did not change).
  void RedesenhaCurvas();
  // After a cycle: the plot is repainted only when the trend took a sample
  // or its grid moved since the last time it was seen here.
  void SegueCurvas(const Tendencia& g);
  // The whole chart repainted, the trend seen as it is now.
  void Redesenha(const Tendencia& g);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // A press inside the plot frame, in its coordinates (the point read-out).
  void Clicado(int X, int Y);
  void DuploClique();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;
  void leaveEvent(QEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  void Medidas();
  void DesenhaEscala(QPainter& g, const Tendencia* t);
  void DesenhaCurvas(QPainter& g, const Tendencia& t);
  void DesenhaLeitura(QPainter& g, const QStringList& linhas) const;
  int AmostraEm(int x) const;  // 0 … 449 (oldest … newest), −1 outside

  Fonte fonte_;
  std::vector<Pena> penas_;
  std::vector<Marcador> marcadores_;
  Tendencia::Faixa faixa_;
  QPolygon pontos_;
  int margemVertical_ = 8;
  int margemEsquerda_ = 0;
  int larguraRotulos_ = 0;
  int larguraPercentuais_ = 0;
  bool percentuaisADireita_ = false;
  QColor corPercentuais_;
  int ultimaPosicao_ = -1;
  int ultimaFase_ = -1;
  int ponteiroX_ = -1;  // over the plot, −1: elsewhere
};

}  // namespace quiv
