// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog's pages of the operator panel: "Imagens Animadas" (the animated
// shapes) and "Comandos" (switches, push buttons, data entries).

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSlider>
#include <QVBoxLayout>
#include <cstdint>

#include "core/arquivo/valores_smp.h"
#include "ui/principal/dialogo_configuracao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

constexpr int kTamanhoMaximo = FormaAnimada::kTamanhoMaximo;
constexpr int kVariaveis = Memoria::kEnderecos;  // items "1" … "99" of a shape's variable

// The colours the pickers offer (0x00BBGGRR), named as the file names them.
constexpr std::uint32_t kCores[] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
    0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF,
    0xFFFF00, 0xFFFFFF, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0,
};

QIcon Amostra(std::uint32_t cor) {
  QPixmap amostra(16, 16);
  amostra.fill(Qt::transparent);
  // The system colours and the special values have no fixed look.
  if ((cor & 0xFF000000u) == 0) {
    QPainter p(&amostra);
    p.fillRect(1, 1, 14, 14, QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF));
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 15);
  }
  return QIcon(amostra);
}

QString NomeCor(std::uint32_t cor) {
  QString nome = QString::fromStdString(smp::EscreveCor(cor));
  if (nome.startsWith(QLatin1String("cl"))) nome.remove(0, 2);
  return nome;
}

QComboBox* SeletorCor(const QString& nome) {
  auto* combo = new QComboBox;
  combo->setObjectName(nome);
  for (const std::uint32_t cor : kCores) combo->addItem(Amostra(cor), NomeCor(cor), cor);
  return combo;
}

// Selects a colour; one the list lacks (read from a file) joins it.
void SelecionaCor(QComboBox& combo, std::uint32_t cor) {
  int indice = combo.findData(cor);
  if (indice < 0) {
    combo.addItem(Amostra(cor), NomeCor(cor), cor);
    indice = combo.count() - 1;
  }
  combo.setCurrentIndex(indice);
}

QFrame* Moldura(const QString& nome) {
  auto* painel = new QFrame;
  painel->setObjectName(nome);
  painel->setFrameShape(QFrame::StyledPanel);
  return painel;
}

// An edit wide enough for its default text and a little more.
QLineEdit* Edit(const QString& nome, int caracteres) {
  auto* edit = new QLineEdit;
  edit->setObjectName(nome);
  edit->setMinimumWidth(
      edit->fontMetrics().horizontalAdvance(QString(caracteres, QLatin1Char('x'))));
  return edit;
}

}  // namespace

// --- "Imagens Animadas" -------------------------------------------------------------

QWidget* DialogoConfiguracao::CriaPaginaFormas() {
  auto* pagina = new QWidget;
  auto* grade = new QGridLayout(pagina);
  grade->setHorizontalSpacing(8);
  grade->addWidget(Rotulo(QStringLiteral("Label6"), tr("Variável:")), 0, 2);
  grade->addWidget(Rotulo(QStringLiteral("Label7"), tr("Dimensões:")), 0, 3, 1, 5);
  grade->addWidget(Rotulo(QStringLiteral("Label4"), tr("Cores:")), 0, 8, 1, 2);

  QStringList variaveis;
  for (int k = 1; k <= kVariaveis; ++k) variaveis << QString::number(k);

  for (int n = 1; n <= Painel::kFormas; ++n) {
    LinhaForma& f = formas_[static_cast<std::size_t>(n)];
    const QString prefixo = QStringLiteral("Imagem%1").arg(n);

    f.Check = new QCheckBox(tr("Imagem %1").arg(n));
    f.Check->setObjectName(prefixo + QStringLiteral("Check"));
    connect(f.Check, &QCheckBox::clicked, this, [this, n](bool m) { ImagemCheckClick(n, m); });

    f.Tipo = new QComboBox;
    f.Tipo->setObjectName(prefixo + QStringLiteral("Tipo"));
    f.Tipo->addItems({tr("Círculo de Cor Variável"), tr("Retângulo Tamanho Variável")});
    connect(f.Tipo, &QComboBox::currentIndexChanged, this,
            [this, n](int indice) { ImagemTipoChange(n, indice); });

    f.Var = new QComboBox;
    f.Var->setObjectName(prefixo + QStringLiteral("Var"));
    f.Var->setEditable(true);
    f.Var->setInsertPolicy(QComboBox::NoInsert);
    f.Var->addItems(variaveis);
    f.Var->setMinimumContentsLength(3);
    connect(f.Var, &QComboBox::currentTextChanged, this,
            [this, n](const QString& texto) { ImagemVarChange(n, texto); });

    // A size setting and its read-out.
    auto tamanho = [&prefixo](const QString& nome, const QString& nomeLeitura, QLabel*& leitura) {
      auto* slider = new QSlider(Qt::Horizontal);
      slider->setObjectName(prefixo + nome);
      slider->setRange(0, kTamanhoMaximo);
      slider->setSingleStep(2);
      slider->setPageStep(10);
      slider->setMinimumWidth(90);
      leitura = Rotulo(prefixo + nomeLeitura, QString());
      leitura->setMinimumWidth(leitura->fontMetrics().horizontalAdvance(QStringLiteral("3000")));
      leitura->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      return slider;
    };
    f.Tam = tamanho(QStringLiteral("Tam"), QStringLiteral("Tamanho"), f.Tamanho);
    f.TamW = tamanho(QStringLiteral("TamW"), QStringLiteral("TamanhoW"), f.TamanhoW);
    connect(f.Tam, &QSlider::valueChanged, this, [this, n](int v) { ImagemTamChanging(n, v); });
    connect(f.TamW, &QSlider::valueChanged, this, [this, n](int v) { ImagemTamWChanging(n, v); });

    f.Cor1 = SeletorCor(prefixo + QStringLiteral("Cor1"));
    f.Cor2 = SeletorCor(prefixo + QStringLiteral("Cor2"));
    connect(f.Cor1, &QComboBox::currentIndexChanged, this,
            [this, n](int) { ImagemCorChange(n, 1); });
    connect(f.Cor2, &QComboBox::currentIndexChanged, this,
            [this, n](int) { ImagemCorChange(n, 2); });

    grade->addWidget(f.Check, n, 0);
    grade->addWidget(f.Tipo, n, 1);
    grade->addWidget(f.Var, n, 2);
    grade->addWidget(f.Tam, n, 3);
    grade->addWidget(f.Tamanho, n, 4);
    grade->addWidget(Rotulo(prefixo + QStringLiteral("X"), QStringLiteral("X")), n, 5);
    grade->addWidget(f.TamW, n, 6);
    grade->addWidget(f.TamanhoW, n, 7);
    grade->addWidget(f.Cor1, n, 8);
    grade->addWidget(f.Cor2, n, 9);
  }
  grade->setRowStretch(Painel::kFormas + 1, 1);
  return pagina;
}

void DialogoConfiguracao::LeFormas() {
  Painel& painel = sessao_.documento().painel;
  for (int n = 1; n <= Painel::kFormas; ++n) {
    const FormaAnimada& forma = painel.Forma(n);
    LinhaForma& f = formas_[static_cast<std::size_t>(n)];
    f.Check->setChecked(forma.Visivel);
    f.Tipo->setCurrentIndex(forma.TipoForma);
    f.Var->setEditText(QString::fromStdString(forma.Variavel));
    f.Tam->setValue(forma.Tamanho);
    f.Tamanho->setNum(forma.Tamanho);
    f.TamW->setValue(forma.TamanhoLargura);
    f.TamanhoW->setNum(forma.TamanhoLargura);
    SelecionaCor(*f.Cor1, forma.CorNormal);
    SelecionaCor(*f.Cor2, forma.CorLigada);
    for (QWidget* w : {static_cast<QWidget*>(f.Tipo), static_cast<QWidget*>(f.Var),
                       static_cast<QWidget*>(f.Tam), static_cast<QWidget*>(f.Tamanho),
                       static_cast<QWidget*>(f.TamW), static_cast<QWidget*>(f.TamanhoW),
                       static_cast<QWidget*>(f.Cor1), static_cast<QWidget*>(f.Cor2)})
      w->setEnabled(forma.Visivel);
  }
}

void DialogoConfiguracao::ImagemCheckClick(int n, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.Forma(n).Visivel = marcada;
  const Preenchendo guarda(preenchendo_);
  LeFormas();
  Alterado(true);
}

void DialogoConfiguracao::ImagemTipoChange(int n, int indice) {
  if (preenchendo_) return;
  // The new kind takes effect at the next layout refresh.
  sessao_.documento().painel.Forma(n).TipoForma = indice;
  AtualizaInclusao();
  Alterado(true);
}

void DialogoConfiguracao::ImagemVarChange(int n, const QString& texto) {
  if (preenchendo_) return;
  sessao_.documento().painel.Forma(n).Variavel = texto.toStdString();
  Alterado(true);
}

void DialogoConfiguracao::ImagemTamChanging(int n, int valor) {
  if (preenchendo_) return;
  formas_[static_cast<std::size_t>(n)].Tamanho->setNum(valor);
  sessao_.documento().painel.Forma(n).DefineTamanho(valor);
  Alterado(true);
}

void DialogoConfiguracao::ImagemTamWChanging(int n, int valor) {
  if (preenchendo_) return;
  formas_[static_cast<std::size_t>(n)].TamanhoW->setNum(valor);
  sessao_.documento().painel.Forma(n).DefineTamanhoLargura(valor);
  Alterado(true);
}

void DialogoConfiguracao::ImagemCorChange(int n, int qual) {
  if (preenchendo_) return;
  const LinhaForma& f = formas_[static_cast<std::size_t>(n)];
  FormaAnimada& forma = sessao_.documento().painel.Forma(n);
  if (qual == 1)
    forma.DefineCorNormal(f.Cor1->currentData().toUInt());
  else
    forma.CorLigada = f.Cor2->currentData().toUInt();
  Alterado(true);
}

// --- "Comandos" ----------------------------------------------------------------------

QWidget* DialogoConfiguracao::CriaPaginaComandos() {
  auto* pagina = new QWidget;
  auto* grade = new QGridLayout(pagina);
  grade->addWidget(CriaChaves(), 0, 0);
  grade->addWidget(CriaBotoes(), 1, 0);
  grade->addWidget(CriaEntradas(), 0, 1, 2, 1);
  grade->setRowStretch(2, 1);
  grade->setColumnStretch(0, 1);
  return pagina;
}

QWidget* DialogoConfiguracao::CriaChaves() {
  QFrame* painel = Moldura(QStringLiteral("PainelChaves"));
  auto* grade = new QGridLayout(painel);
  for (int s = 1; s <= Painel::kChaves; ++s) {
    LinhaChave& c = chaves_[static_cast<std::size_t>(s)];
    c.Check = new QCheckBox(tr("Chave %1     Tipo:").arg(s));
    c.Check->setObjectName(QStringLiteral("Chave%1Check").arg(s));
    c.Tipo = new QComboBox;
    c.Tipo->setObjectName(QStringLiteral("Chave%1Tipo").arg(s));
    c.Tipo->addItems({tr("para esquerda"), tr("para cima"), tr("para direita"), tr("para baixo")});
    connect(c.Check, &QCheckBox::clicked, this, [this, s](bool) { ChaveChange(s); });
    connect(c.Tipo, &QComboBox::currentIndexChanged, this, [this, s](int) { ChaveChange(s); });
    grade->addWidget(c.Check, s - 1, 0);
    grade->addWidget(c.Tipo, s - 1, 1);
    grade->addWidget(Rotulo(QStringLiteral("Label%1").arg(21 + s), tr("Saída em M%1").arg(10 + s)),
                     s - 1, 2);
  }
  grade->setColumnStretch(3, 1);
  return painel;
}

QWidget* DialogoConfiguracao::CriaBotoes() {
  QFrame* painel = Moldura(QStringLiteral("Panel2"));
  auto* grade = new QGridLayout(painel);
  const QString caixas[] = {tr("Botão 1 (saída em M97)"), tr("Botão 2 (Saída em M98)"),
                            tr("Botão 3 (saída em M99)")};
  for (int b = 1; b <= Painel::kBotoes; ++b) {
    LinhaBotao& l = botoes_[static_cast<std::size_t>(b)];
    l.Check = new QCheckBox(caixas[b - 1]);
    l.Check->setObjectName(QStringLiteral("Botao%1_check").arg(b));
    connect(l.Check, &QCheckBox::clicked, this, [this, b](bool m) { BotaoCheckClick(b, m); });
    l.Nome = Edit(QStringLiteral("Edit%1").arg(7 + b), 12);
    l.Estado0 = Edit(QStringLiteral("Edit%1").arg(2 * b), 18);
    l.Estado1 = Edit(QStringLiteral("Edit%1").arg(2 * b + 1), 18);
    // The main window's name and state labels of the button follow.
    auto liga = [this, b](QLineEdit* edit, TextoBilingue BotaoComando::*texto) {
      connect(edit, &QLineEdit::textEdited, this, [this, b, texto](const QString& t) {
        if (preenchendo_) return;
        (sessao_.documento().painel.Botao(b).*texto).Edita(ingles(), t.toStdString());
        Alterado(true);
      });
    };
    liga(l.Nome, &BotaoComando::Nome);
    liga(l.Estado0, &BotaoComando::TextoEstado0);
    liga(l.Estado1, &BotaoComando::TextoEstado1);
    grade->addWidget(l.Check, b - 1, 0);
    grade->addWidget(l.Nome, b - 1, 1);
    grade->addWidget(l.Estado0, b - 1, 2);
    grade->addWidget(l.Estado1, b - 1, 3);
  }
  return painel;
}

QWidget* DialogoConfiguracao::CriaEntradas() {
  QFrame* painel = Moldura(QStringLiteral("PainelEntradas"));
  auto* grade = new QGridLayout(painel);
  for (int n = 1; n <= Painel::kEntradas; ++n) {
    LinhaEntrada& e = entradas_[static_cast<std::size_t>(n)];
    e.Check = new QCheckBox(tr("Ent%1:").arg(n));
    e.Check->setObjectName(QStringLiteral("Ent%1Check").arg(n));
    e.Label = Edit(QStringLiteral("Ent%1Label").arg(n), 14);
    e.Track = new QCheckBox(tr("Com barra"));
    e.Track->setObjectName(QStringLiteral("Ent%1Track").arg(n));
    e.Track->setToolTip(tr("Mostra a barra deslizante da entrada"));
    connect(e.Check, &QCheckBox::clicked, this, [this, n](bool m) { EntCheckClick(n, m); });
    connect(e.Label, &QLineEdit::textEdited, this,
            [this, n](const QString& t) { EntLabelChange(n, t); });
    connect(e.Track, &QCheckBox::clicked, this, [this, n](bool m) { EntTrackClick(n, m); });
    grade->addWidget(e.Check, n - 1, 0);
    grade->addWidget(e.Label, n - 1, 1);
    grade->addWidget(e.Track, n - 1, 2);
  }
  grade->setRowStretch(Painel::kEntradas, 1);
  return painel;
}

void DialogoConfiguracao::LeComandos() {
  Painel& painel = sessao_.documento().painel;
  for (int s = 1; s <= Painel::kChaves; ++s) {
    const Chave& chave = painel.Chaves(s);
    LinhaChave& c = chaves_[static_cast<std::size_t>(s)];
    c.Check->setChecked(chave.Visivel);
    c.Tipo->setCurrentIndex(chave.Orientacao);
    c.Tipo->setEnabled(chave.Visivel);
  }
  for (int b = 1; b <= Painel::kBotoes; ++b) {
    BotaoComando& botao = painel.Botao(b);
    // A button's name and state texts start as the dialog's own captions;
    // the English interface gives them (and the simulation) its English ones.
    if (ingles()) {
      const BotaoComando inicial(sessao_.simulacao(), b);
      if (botao.Nome == inicial.Nome) botao.Nome = tr("Descrição").toStdString();
      if (botao.TextoEstado0 == inicial.TextoEstado0)
        botao.TextoEstado0 = tr("Texto para M%1=%2").arg(botao.Endereco()).arg(0).toStdString();
      if (botao.TextoEstado1 == inicial.TextoEstado1)
        botao.TextoEstado1 = tr("Texto para M%1=%2").arg(botao.Endereco()).arg(1).toStdString();
    }
    LinhaBotao& l = botoes_[static_cast<std::size_t>(b)];
    l.Nome->setText(QString::fromUtf8(botao.Nome.Em(ingles())));
    l.Estado0->setText(QString::fromUtf8(botao.TextoEstado0.Em(ingles())));
    l.Estado1->setText(QString::fromUtf8(botao.TextoEstado1.Em(ingles())));
  }
  AtualizaBotoes();
  for (int n = 1; n <= Painel::kEntradas; ++n) {
    const EntradaDados& entrada = painel.Entrada(n);
    LinhaEntrada& e = entradas_[static_cast<std::size_t>(n)];
    e.Check->setChecked(entrada.Incluida);
    e.Label->setText(QString::fromUtf8(entrada.Nome.Em(ingles())));
    e.Track->setChecked(entrada.ComSlider);
    e.Label->setEnabled(entrada.Incluida);
    e.Track->setEnabled(entrada.Incluida);
  }
}

void DialogoConfiguracao::AtualizaBotoes() {
  const Preenchendo guarda(preenchendo_);
  Painel& painel = sessao_.documento().painel;
  for (int b = 1; b <= Painel::kBotoes; ++b) {
    const bool habilitado = painel.Botao(b).Visivel;
    LinhaBotao& l = botoes_[static_cast<std::size_t>(b)];
    l.Check->setChecked(habilitado);
    // Each button is enabled after the one before it.
    l.Check->setEnabled(b == 1 || painel.Botao(b - 1).Visivel);
    for (QLineEdit* edit : {l.Nome, l.Estado0, l.Estado1}) edit->setEnabled(habilitado);
  }
}

void DialogoConfiguracao::ChaveChange(int s) {
  if (preenchendo_) return;
  const LinhaChave& c = chaves_[static_cast<std::size_t>(s)];
  Chave& chave = sessao_.documento().painel.Chaves(s);
  // The cell M(10+s) stays; the pictures show the orientation's picture of it.
  chave.Orientacao = c.Tipo->currentIndex();
  chave.DefineVisivel(c.Check->isChecked());
  c.Tipo->setEnabled(chave.Visivel);
  Alterado(true);
}

void DialogoConfiguracao::BotaoCheckClick(int b, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.HabilitaBotao(b, marcada);
  AtualizaBotoes();
  Alterado(true);
}

void DialogoConfiguracao::EntCheckClick(int n, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.Entrada(n).DefineIncluida(marcada);
  const LinhaEntrada& e = entradas_[static_cast<std::size_t>(n)];
  e.Label->setEnabled(marcada);
  e.Track->setEnabled(marcada);
  Alterado(true);
}

void DialogoConfiguracao::EntLabelChange(int n, const QString& texto) {
  if (preenchendo_) return;
  EntradaDados& entrada = sessao_.documento().painel.Entrada(n);
  TextoBilingue nome = entrada.Nome;
  nome.Edita(ingles(), texto.toStdString());
  entrada.DefineNome(std::move(nome));
  Alterado(true);
}

void DialogoConfiguracao::EntTrackClick(int n, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.Entrada(n).DefineSlider(marcada);
  Alterado(true);
}

}  // namespace quiv
