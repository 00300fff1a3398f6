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
QLineEdit* EdicaoLarga(const QString& nome, int caracteres) {
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

    f.inclui = new QCheckBox(tr("Imagem %1").arg(n));
    f.inclui->setObjectName(prefixo + QStringLiteral("Check"));
    connect(f.inclui, &QCheckBox::clicked, this, [this, n](bool m) { IncluiForma(n, m); });

    f.tipo = new QComboBox;
    f.tipo->setObjectName(prefixo + QStringLiteral("Tipo"));
    f.tipo->addItems({tr("Círculo de Cor Variável"), tr("Retângulo Tamanho Variável")});
    connect(f.tipo, &QComboBox::currentIndexChanged, this,
            [this, n](int indice) { DefineTipoForma(n, indice); });

    f.variavel = new QComboBox;
    f.variavel->setObjectName(prefixo + QStringLiteral("Var"));
    f.variavel->setEditable(true);
    f.variavel->setInsertPolicy(QComboBox::NoInsert);
    f.variavel->addItems(variaveis);
    f.variavel->setMinimumContentsLength(3);
    connect(f.variavel, &QComboBox::currentTextChanged, this,
            [this, n](const QString& texto) { DefineVariavelForma(n, texto); });

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
    f.tamanho = tamanho(QStringLiteral("Tam"), QStringLiteral("Tamanho"), f.leituraTamanho);
    f.largura = tamanho(QStringLiteral("TamW"), QStringLiteral("TamanhoW"), f.leituraLargura);
    connect(f.tamanho, &QSlider::valueChanged, this,
            [this, n](int v) { DefineTamanhoForma(n, v); });
    connect(f.largura, &QSlider::valueChanged, this,
            [this, n](int v) { DefineLarguraForma(n, v); });

    f.corNormal = SeletorCor(prefixo + QStringLiteral("Cor1"));
    f.corLigada = SeletorCor(prefixo + QStringLiteral("Cor2"));
    connect(f.corNormal, &QComboBox::currentIndexChanged, this,
            [this, n](int) { DefineCorForma(n, 1); });
    connect(f.corLigada, &QComboBox::currentIndexChanged, this,
            [this, n](int) { DefineCorForma(n, 2); });

    grade->addWidget(f.inclui, n, 0);
    grade->addWidget(f.tipo, n, 1);
    grade->addWidget(f.variavel, n, 2);
    grade->addWidget(f.tamanho, n, 3);
    grade->addWidget(f.leituraTamanho, n, 4);
    grade->addWidget(Rotulo(prefixo + QStringLiteral("X"), QStringLiteral("X")), n, 5);
    grade->addWidget(f.largura, n, 6);
    grade->addWidget(f.leituraLargura, n, 7);
    grade->addWidget(f.corNormal, n, 8);
    grade->addWidget(f.corLigada, n, 9);
  }
  grade->setRowStretch(Painel::kFormas + 1, 1);
  return pagina;
}

void DialogoConfiguracao::LeFormas() {
  Painel& painel = sessao_.documento().painel;
  for (int n = 1; n <= Painel::kFormas; ++n) {
    const FormaAnimada& forma = painel.Forma(n);
    LinhaForma& f = formas_[static_cast<std::size_t>(n)];
    f.inclui->setChecked(forma.Visivel);
    f.tipo->setCurrentIndex(forma.TipoForma);
    f.variavel->setEditText(QString::fromStdString(forma.Variavel));
    f.tamanho->setValue(forma.Tamanho);
    f.leituraTamanho->setNum(forma.Tamanho);
    f.largura->setValue(forma.TamanhoLargura);
    f.leituraLargura->setNum(forma.TamanhoLargura);
    SelecionaCor(*f.corNormal, forma.CorNormal);
    SelecionaCor(*f.corLigada, forma.CorLigada);
    for (QWidget* w : {static_cast<QWidget*>(f.tipo), static_cast<QWidget*>(f.variavel),
                       static_cast<QWidget*>(f.tamanho), static_cast<QWidget*>(f.leituraTamanho),
                       static_cast<QWidget*>(f.largura), static_cast<QWidget*>(f.leituraLargura),
                       static_cast<QWidget*>(f.corNormal), static_cast<QWidget*>(f.corLigada)})
      w->setEnabled(forma.Visivel);
  }
}

void DialogoConfiguracao::IncluiForma(int n, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.Forma(n).Visivel = marcada;
  const Preenchendo guarda(preenchendo_);
  LeFormas();
  Alterado(true);
}

void DialogoConfiguracao::DefineTipoForma(int n, int indice) {
  if (preenchendo_) return;
  // The new kind takes effect at the next layout refresh.
  sessao_.documento().painel.Forma(n).TipoForma = indice;
  AtualizaInclusao();
  Alterado(true);
}

void DialogoConfiguracao::DefineVariavelForma(int n, const QString& texto) {
  if (preenchendo_) return;
  sessao_.documento().painel.Forma(n).Variavel = texto.toStdString();
  Alterado(true);
}

void DialogoConfiguracao::DefineTamanhoForma(int n, int valor) {
  if (preenchendo_) return;
  formas_[static_cast<std::size_t>(n)].leituraTamanho->setNum(valor);
  sessao_.documento().painel.Forma(n).DefineTamanho(valor);
  Alterado(true);
}

void DialogoConfiguracao::DefineLarguraForma(int n, int valor) {
  if (preenchendo_) return;
  formas_[static_cast<std::size_t>(n)].leituraLargura->setNum(valor);
  sessao_.documento().painel.Forma(n).DefineTamanhoLargura(valor);
  Alterado(true);
}

void DialogoConfiguracao::DefineCorForma(int n, int qual) {
  if (preenchendo_) return;
  const LinhaForma& f = formas_[static_cast<std::size_t>(n)];
  FormaAnimada& forma = sessao_.documento().painel.Forma(n);
  if (qual == 1)
    forma.DefineCorNormal(f.corNormal->currentData().toUInt());
  else
    forma.CorLigada = f.corLigada->currentData().toUInt();
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
    c.inclui = new QCheckBox(tr("Chave %1     Tipo:").arg(s));
    c.inclui->setObjectName(QStringLiteral("Chave%1Check").arg(s));
    c.orientacao = new QComboBox;
    c.orientacao->setObjectName(QStringLiteral("Chave%1Tipo").arg(s));
    c.orientacao->addItems(
        {tr("para esquerda"), tr("para cima"), tr("para direita"), tr("para baixo")});
    connect(c.inclui, &QCheckBox::clicked, this, [this, s](bool) { AtualizaChave(s); });
    connect(c.orientacao, &QComboBox::currentIndexChanged, this,
            [this, s](int) { AtualizaChave(s); });
    grade->addWidget(c.inclui, s - 1, 0);
    grade->addWidget(c.orientacao, s - 1, 1);
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
    l.inclui = new QCheckBox(caixas[b - 1]);
    l.inclui->setObjectName(QStringLiteral("Botao%1_check").arg(b));
    connect(l.inclui, &QCheckBox::clicked, this, [this, b](bool m) { IncluiBotao(b, m); });
    l.nome = EdicaoLarga(QStringLiteral("Edit%1").arg(7 + b), 12);
    l.textoEstado0 = EdicaoLarga(QStringLiteral("Edit%1").arg(2 * b), 18);
    l.textoEstado1 = EdicaoLarga(QStringLiteral("Edit%1").arg(2 * b + 1), 18);
    // The main window's name and state labels of the button follow.
    auto liga = [this, b](QLineEdit* edit, TextoBilingue BotaoComando::*texto) {
      connect(edit, &QLineEdit::textEdited, this, [this, b, texto](const QString& t) {
        if (preenchendo_) return;
        (sessao_.documento().painel.Botao(b).*texto).Edita(ingles(), t.toStdString());
        Alterado(true);
      });
    };
    liga(l.nome, &BotaoComando::Nome);
    liga(l.textoEstado0, &BotaoComando::TextoEstado0);
    liga(l.textoEstado1, &BotaoComando::TextoEstado1);
    grade->addWidget(l.inclui, b - 1, 0);
    grade->addWidget(l.nome, b - 1, 1);
    grade->addWidget(l.textoEstado0, b - 1, 2);
    grade->addWidget(l.textoEstado1, b - 1, 3);
  }
  return painel;
}

QWidget* DialogoConfiguracao::CriaEntradas() {
  QFrame* painel = Moldura(QStringLiteral("PainelEntradas"));
  auto* grade = new QGridLayout(painel);
  for (int n = 1; n <= Painel::kEntradas; ++n) {
    LinhaEntrada& e = entradas_[static_cast<std::size_t>(n)];
    e.inclui = new QCheckBox(tr("Ent%1:").arg(n));
    e.inclui->setObjectName(QStringLiteral("Ent%1Check").arg(n));
    e.nome = EdicaoLarga(QStringLiteral("Ent%1Label").arg(n), 14);
    e.comBarra = new QCheckBox(tr("Com barra"));
    e.comBarra->setObjectName(QStringLiteral("Ent%1Track").arg(n));
    e.comBarra->setToolTip(tr("Mostra a barra deslizante da entrada"));
    connect(e.inclui, &QCheckBox::clicked, this, [this, n](bool m) { IncluiEntrada(n, m); });
    connect(e.nome, &QLineEdit::textEdited, this,
            [this, n](const QString& t) { DefineNomeEntrada(n, t); });
    connect(e.comBarra, &QCheckBox::clicked, this, [this, n](bool m) { DefineBarraEntrada(n, m); });
    grade->addWidget(e.inclui, n - 1, 0);
    grade->addWidget(e.nome, n - 1, 1);
    grade->addWidget(e.comBarra, n - 1, 2);
  }
  grade->setRowStretch(Painel::kEntradas, 1);
  return painel;
}

void DialogoConfiguracao::LeComandos() {
  Painel& painel = sessao_.documento().painel;
  for (int s = 1; s <= Painel::kChaves; ++s) {
    const Chave& chave = painel.Chaves(s);
    LinhaChave& c = chaves_[static_cast<std::size_t>(s)];
    c.inclui->setChecked(chave.Visivel);
    c.orientacao->setCurrentIndex(chave.Orientacao);
    c.orientacao->setEnabled(chave.Visivel);
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
    l.nome->setText(QString::fromUtf8(botao.Nome.Em(ingles())));
    l.textoEstado0->setText(QString::fromUtf8(botao.TextoEstado0.Em(ingles())));
    l.textoEstado1->setText(QString::fromUtf8(botao.TextoEstado1.Em(ingles())));
  }
  AtualizaBotoes();
  for (int n = 1; n <= Painel::kEntradas; ++n) {
    const EntradaDados& entrada = painel.Entrada(n);
    LinhaEntrada& e = entradas_[static_cast<std::size_t>(n)];
    e.inclui->setChecked(entrada.Incluida);
    e.nome->setText(QString::fromUtf8(entrada.Nome.Em(ingles())));
    e.comBarra->setChecked(entrada.ComSlider);
    e.nome->setEnabled(entrada.Incluida);
    e.comBarra->setEnabled(entrada.Incluida);
  }
}

void DialogoConfiguracao::AtualizaBotoes() {
  const Preenchendo guarda(preenchendo_);
  Painel& painel = sessao_.documento().painel;
  for (int b = 1; b <= Painel::kBotoes; ++b) {
    const bool habilitado = painel.Botao(b).Visivel;
    LinhaBotao& l = botoes_[static_cast<std::size_t>(b)];
    l.inclui->setChecked(habilitado);
    // Each button is enabled after the one before it.
    l.inclui->setEnabled(b == 1 || painel.Botao(b - 1).Visivel);
    for (QLineEdit* edit : {l.nome, l.textoEstado0, l.textoEstado1}) edit->setEnabled(habilitado);
  }
}

void DialogoConfiguracao::AtualizaChave(int s) {
  if (preenchendo_) return;
  const LinhaChave& c = chaves_[static_cast<std::size_t>(s)];
  Chave& chave = sessao_.documento().painel.Chaves(s);
  // The cell M(10+s) stays; the pictures show the orientation's picture of it.
  chave.Orientacao = c.orientacao->currentIndex();
  chave.DefineVisivel(c.inclui->isChecked());
  c.orientacao->setEnabled(chave.Visivel);
  Alterado(true);
}

void DialogoConfiguracao::IncluiBotao(int b, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.HabilitaBotao(b, marcada);
  AtualizaBotoes();
  Alterado(true);
}

void DialogoConfiguracao::IncluiEntrada(int n, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.Entrada(n).DefineIncluida(marcada);
  const LinhaEntrada& e = entradas_[static_cast<std::size_t>(n)];
  e.nome->setEnabled(marcada);
  e.comBarra->setEnabled(marcada);
  Alterado(true);
}

void DialogoConfiguracao::DefineNomeEntrada(int n, const QString& texto) {
  if (preenchendo_) return;
  EntradaDados& entrada = sessao_.documento().painel.Entrada(n);
  TextoBilingue nome = entrada.Nome;
  nome.Edita(ingles(), texto.toStdString());
  entrada.DefineNome(std::move(nome));
  Alterado(true);
}

void DialogoConfiguracao::DefineBarraEntrada(int n, bool marcada) {
  if (preenchendo_) return;
  sessao_.documento().painel.Entrada(n).DefineSlider(marcada);
  Alterado(true);
}

}  // namespace quiv
