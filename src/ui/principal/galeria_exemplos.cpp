// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/galeria_exemplos.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/arquivo/exemplos.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/pasta_exemplos.h"

namespace quiv {

namespace {

constexpr QSize kFigura(321, 193);
constexpr int kLarguraTexto = 225;

// "sim3a" → "3a": the suffix of the card's title and description names.
QString Sufixo(std::string_view figura) { return Texto(figura.substr(3)); }

// The card picture, or a plain panel when it is missing.
QPixmap FiguraDoCartao(const QString& pastaInicial, const CartaoExemplo& c) {
  QPixmap figura(CaminhoDoExemplo(pastaInicial, Texto(kPastaGaleria) + QLatin1Char('/') +
                                                    Texto(c.figura) + QStringLiteral(".png")));
  if (!figura.isNull())
    return figura.scaled(kFigura, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap vazia(kFigura);
  vazia.fill(QColor(225, 230, 238));
  return vazia;
}

}  // namespace

GaleriaExemplos::GaleriaExemplos(const QString& pastaInicial, bool ingles, QWidget* pai)
    : QTabWidget(pai) {
  setObjectName(QStringLiteral("TabbedNotebook1"));
  for (int aba = 0; aba < kAbasExemplos; ++aba)
    addTab(CriaAba(aba, pastaInicial, ingles), Texto(TituloAbaExemplos(aba, ingles)));
}

QWidget* GaleriaExemplos::CriaAba(int aba, const QString& pastaInicial, bool ingles) {
  // Each tab scrolls when the window is smaller than its cards.
  auto* rolagem = new QScrollArea;
  rolagem->setFrameShape(QFrame::NoFrame);
  rolagem->setWidgetResizable(true);
  auto* pagina = new QWidget;
  auto* grade = new QGridLayout(pagina);
  grade->setContentsMargins(12, 16, 12, 16);
  grade->setHorizontalSpacing(14);
  grade->setVerticalSpacing(24);

  QFont fonteTitulo(QStringLiteral("Arial"));
  fonteTitulo.setPixelSize(19);
  QFont fonteDescricao(QStringLiteral("Arial"));
  fonteDescricao.setPixelSize(16);

  int posicao = 0;
  for (const CartaoExemplo& c : CartoesExemplos()) {
    if (c.aba != aba) continue;
    const int linha = posicao / 2;
    const int coluna = 2 * (posicao % 2);
    ++posicao;

    auto* texto = new QWidget(pagina);
    auto* pilha = new QVBoxLayout(texto);
    pilha->setContentsMargins(0, 0, 0, 0);
    const QString titulo = Texto(ingles ? c.tituloIngles : c.titulo);
    auto* rotulo = new QLabel(titulo, texto);
    rotulo->setObjectName(QStringLiteral("sim%1title").arg(Sufixo(c.figura)));
    rotulo->setFont(fonteTitulo);
    rotulo->setStyleSheet(QStringLiteral("color: navy;"));
    rotulo->setWordWrap(true);
    auto* descricao = new QLabel(Texto(ingles ? c.descricaoIngles : c.descricao), texto);
    descricao->setObjectName(QStringLiteral("Memo%1").arg(Sufixo(c.figura)));
    descricao->setFont(fonteDescricao);
    descricao->setWordWrap(true);
    descricao->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    descricao->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pilha->addWidget(rotulo);
    pilha->addWidget(descricao, 1);
    texto->setFixedWidth(kLarguraTexto);

    auto* figura = new QToolButton(pagina);
    figura->setObjectName(Texto(c.figura));
    figura->setIcon(FiguraDoCartao(pastaInicial, c));
    figura->setIconSize(kFigura);
    figura->setFixedSize(kFigura + QSize(6, 6));
    figura->setAutoRaise(true);
    figura->setCursor(Qt::PointingHandCursor);
    figura->setToolTip(Texto(c.dica));
    figura->setAccessibleName(titulo);
    const QString arquivo = Texto(c.arquivo);
    const QString inicial = pastaInicial;
    connect(figura, &QToolButton::clicked, this, [this, inicial, arquivo] {
      emit ExemploEscolhido(CaminhoDoExemplo(inicial, arquivo));
    });

    grade->addWidget(texto, linha, coluna, Qt::AlignTop);
    grade->addWidget(figura, linha, coluna + 1, Qt::AlignTop | Qt::AlignLeft);
  }
  grade->setColumnStretch(4, 1);
  grade->setRowStretch(2, 1);
  rolagem->setWidget(pagina);
  return rolagem;
}

}  // namespace quiv
