// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_gerador.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/arquivo/documento.h"
#include "core/nucleo/verificacoes.h"
#include "core/objetos/gerador.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/comando_gerador.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

void DefineTexto(QLineEdit* edit, const QString& texto) {
  if (edit->text() != texto) edit->setText(texto);
}

}  // namespace

JanelaGerador::JanelaGerador(SessaoSimulacao& sessao, QWidget* pai)
    : QWidget(pai, Qt::Tool), sessao_(sessao) {
  setObjectName(QStringLiteral("ParmForm"));
  setWindowTitle(tr("Gerador de Sinais"));

  auto* vertical = new QVBoxLayout(this);
  auto* grade = new QGridLayout;
  grade->setHorizontalSpacing(6);
  grade->setVerticalSpacing(3);
  const QStringList cabecalho{QString(),  tr("Tipo"),      tr("Min."),
                              tr("Máx."), tr("Descrição"), tr("Valor")};
  for (int c = 0; c < cabecalho.size(); ++c) {
    auto* titulo = new QLabel(cabecalho.at(c), this);
    QFont negrito = titulo->font();
    negrito.setBold(true);
    titulo->setFont(negrito);
    grade->addWidget(titulo, 0, c);
  }
  for (int endereco = Gerador::kPrimeiro; endereco <= Gerador::kUltimo; ++endereco)
    CriaLinha(endereco, grade, endereco - Gerador::kPrimeiro + 1);
  grade->setColumnStretch(4, 1);
  vertical->addLayout(grade);

  auto* botoes = new QHBoxLayout;
  auto* ajuda = new QToolButton(this);
  ajuda->setObjectName(QStringLiteral("SpeedButton1"));
  ajuda->setText(QStringLiteral("?"));
  ajuda->setToolTip(tr("Ajuda"));
  connect(ajuda, &QToolButton::clicked, this,
          [] { Interacao::Atual().AbreEndereco(EnderecoAjuda("/ferramentas/#gerador_sinais")); });
  botoes->addWidget(ajuda);
  botoes->addStretch(1);
  botaoAtualiza_ = new QPushButton(tr("Atualiza"), this);
  botaoAtualiza_->setObjectName(QStringLiteral("Button1"));
  botaoAtualiza_->setEnabled(false);
  connect(botaoAtualiza_, &QPushButton::clicked, this, &JanelaGerador::Aplica);
  botoes->addWidget(botaoAtualiza_);
  auto* sair = new QPushButton(tr("Sair"), this);
  sair->setObjectName(QStringLiteral("SairButton"));
  connect(sair, &QPushButton::clicked, this, &QWidget::close);
  botoes->addWidget(sair);
  vertical->addLayout(botoes);

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &JanelaGerador::AtualizaValores);
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, &JanelaGerador::Preenche);
  // An apply of the rows, or its undo: the window shows the generator's rows.
  connect(&sessao_, &SessaoSimulacao::GeradorAlterado, this, &JanelaGerador::Preenche);
  Preenche();
}

Gerador& JanelaGerador::gerador() const { return sessao_.documento().gerador(); }

void JanelaGerador::CriaLinha(int endereco, QGridLayout* grade, int linha) {
  Linha& l = LinhaDe(endereco);
  const QString nome = QStringLiteral("M%1").arg(endereco);
  grade->addWidget(new QLabel(QString::number(endereco), this), linha, 0);

  static const char* const kTipos[] = {QT_TR_NOOP("Constante 0-100"),
                                       QT_TR_NOOP("Constante 0-1"),
                                       QT_TR_NOOP("Aleatório Rápido"),
                                       QT_TR_NOOP("Aleatório Médio"),
                                       QT_TR_NOOP("Aleatório Lento"),
                                       QT_TR_NOOP("Sinal Senoidal"),
                                       QT_TR_NOOP("Random Walk"),
                                       QT_TR_NOOP("Equação"),
                                       QT_TR_NOOP("LN()"),
                                       QT_TR_NOOP("Exp()")};
  l.tipo = new QComboBox(this);
  l.tipo->setObjectName(nome + QStringLiteral("Tipo"));
  for (int t = 0; t < Gerador::TiposOferecidos(endereco); ++t) l.tipo->addItem(tr(kTipos[t]));
  connect(l.tipo, &QComboBox::currentIndexChanged, this, [this, endereco](int tipo) {
    if (preenchendo_) return;
    FormularioCanal& linha = RascunhoDe(endereco);
    linha.Tipo = tipo;
    Gerador::LegendasDoTipo(endereco, linha);
    if (ValorDoCanal(endereco)) linha.Valor = gerador().Canal(endereco).Valor();
    PreencheLinha(endereco);
    botaoAtualiza_->setEnabled(true);
  });
  grade->addWidget(l.tipo, linha, 1);

  auto edita = [this, endereco, &nome](const QString& sufixo, auto escreve) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(nome + sufixo);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, endereco, escreve](const QString& texto) {
      escreve(RascunhoDe(endereco), texto.toStdString());
    });
    return edit;
  };
  if (endereco <= Gerador::kUltimoComFaixa) {
    l.min = edita(QStringLiteral("Min"), [](FormularioCanal& c, std::string t) { c.Min = t; });
    l.max = edita(QStringLiteral("Max"), [](FormularioCanal& c, std::string t) { c.Max = t; });
    l.min->setMaximumWidth(70);
    l.max->setMaximumWidth(70);
    grade->addWidget(l.min, linha, 2);
    grade->addWidget(l.max, linha, 3);
  }
  // A sine's period is read by every step: while the row and the channel
  // are both sines, it reaches the channel as typed, whenever it evaluates.
  l.desc = edita(QStringLiteral("Desc"), [this, endereco](FormularioCanal& c, std::string t) {
    const bool ingles = sessao_.IdiomaIngles();
    c.Desc.Edita(ingles, t);
    const int seno = 5;
    if (Gerador::TipoEfetivo(endereco, c.Tipo) == seno && gerador().TipoEfetivo(endereco) == seno &&
        EquacaoValida(t, sessao_.simulacao().memoria))
      sessao_.Opera([endereco, ingles, t](Documento& d) {
        d.gerador().Canal(endereco).Desc.Edita(ingles, t);
      });
  });
  grade->addWidget(l.desc, linha, 4);
  l.valor = edita(QStringLiteral("Valor"), [](FormularioCanal& c, std::string t) { c.Valor = t; });
  grade->addWidget(l.valor, linha, 5);

  l.setas = new QWidget(this);
  l.setas->setObjectName(nome + QStringLiteral("UpDown"));
  auto* setas = new QVBoxLayout(l.setas);
  setas->setContentsMargins(0, 0, 0, 0);
  setas->setSpacing(0);
  for (bool sobe : {true, false}) {
    auto* seta = new QToolButton(l.setas);
    seta->setObjectName(sobe ? QStringLiteral("Sobe") : QStringLiteral("Desce"));
    seta->setArrowType(sobe ? Qt::UpArrow : Qt::DownArrow);
    seta->setFixedSize(18, 11);
    connect(seta, &QToolButton::clicked, this, [this, endereco, sobe] {
      Opera(endereco, [endereco, sobe](Gerador& g) { g.MovePosicao(endereco, sobe); });
    });
    setas->addWidget(seta);
  }
  grade->addWidget(l.setas, linha, 6);

  l.digital = new QGroupBox(this);
  l.digital->setObjectName(nome + QStringLiteral("ValorDig"));
  l.digital->setFlat(true);
  auto* itens = new QHBoxLayout(l.digital);
  itens->setContentsMargins(0, 0, 0, 0);
  l.itensDigitais = new QButtonGroup(l.digital);
  for (int item = 0; item < 2; ++item) {
    auto* radio = new QRadioButton(QString::number(item), l.digital);
    l.itensDigitais->addButton(radio, item);
    itens->addWidget(radio);
  }
  connect(l.itensDigitais, &QButtonGroup::idClicked, this, [this, endereco](int item) {
    Opera(endereco, [endereco, item](Gerador& g) { g.EscolheDigital(endereco, item); });
  });
  grade->addWidget(l.digital, linha, 5);
}

void JanelaGerador::Preenche() {
  rascunho_ = gerador().Linhas();
  for (int endereco = Gerador::kPrimeiro; endereco <= Gerador::kUltimo; ++endereco)
    PreencheLinha(endereco);
  botaoAtualiza_->setEnabled(false);
}

void JanelaGerador::PreencheLinha(int endereco) {
  Linha& l = LinhaDe(endereco);
  const FormularioCanal& linha = RascunhoDe(endereco);
  preenchendo_ = true;
  l.tipo->setCurrentIndex(Gerador::TipoEfetivo(endereco, linha.Tipo));
  if (l.min) DefineTexto(l.min, QString::fromStdString(linha.Min));
  if (l.max) DefineTexto(l.max, QString::fromStdString(linha.Max));
  DefineTexto(l.desc, Texto(linha.Desc.Em(sessao_.IdiomaIngles())));
  DefineTexto(l.valor, QString::fromStdString(linha.Valor));
  const int item = gerador().Canal(endereco).ItemDigital == 1 ? 1 : 0;
  if (QAbstractButton* botao = l.itensDigitais->button(item)) botao->setChecked(true);
  preenchendo_ = false;
  Arranja(endereco);
}

bool JanelaGerador::ValorDoCanal(int endereco) const {
  const int tipo = Gerador::TipoEfetivo(endereco, rascunho_[Indice(endereco)].Tipo);
  return tipo == gerador().TipoEfetivo(endereco) && !Gerador::Arranjo(tipo).ValorHabilitado;
}

void JanelaGerador::Opera(int endereco, const std::function<void(Gerador&)>& acao) {
  sessao_.Opera([&acao](Documento& d) { acao(d.gerador()); });
  RascunhoDe(endereco).Valor = gerador().Canal(endereco).Valor();
  PreencheLinha(endereco);
}

void JanelaGerador::Arranja(int endereco) {
  Linha& l = LinhaDe(endereco);
  const ArranjoCanal a =
      Gerador::Arranjo(Gerador::TipoEfetivo(endereco, RascunhoDe(endereco).Tipo));
  l.setas->setVisible(a.SetasVisiveis);
  if (l.min) {
    l.min->setVisible(a.MinMaxVisiveis);
    l.max->setVisible(a.MinMaxVisiveis);
  }
  l.desc->setMinimumWidth(a.LarguraDesc);
  l.digital->setVisible(a.EscolhaDigitalVisivel);
  l.valor->setVisible(a.ValorVisivel);
  l.valor->setEnabled(a.ValorHabilitado);
  l.valor->setMinimumWidth(a.LarguraValor);
}

bool JanelaGerador::eventFilter(QObject* alvo, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    botaoAtualiza_->setEnabled(true);
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      Aplica();
      return true;
    }
  }
  return QWidget::eventFilter(alvo, evento);
}

bool JanelaGerador::Aplica() {
  // A value the row does not take typed is the one the channel holds now.
  Gerador::Formulario linhas = rascunho_;
  for (int endereco = Gerador::kPrimeiro; endereco <= Gerador::kUltimo; ++endereco)
    if (ValorDoCanal(endereco)) linhas[Indice(endereco)].Valor = gerador().Canal(endereco).Valor();
  if (!AplicaGerador(sessao_, linhas)) return false;
  // Applied (the session's announcement refilled the rows) or nothing to apply.
  Preenche();
  return true;
}

void JanelaGerador::closeEvent(QCloseEvent* evento) {
  // Closing applies what the rows hold; a failed check keeps the window.
  if (Aplica())
    evento->accept();
  else
    evento->ignore();
}

void JanelaGerador::AtualizaValores() {
  if (!isVisible()) return;
  for (int endereco = Gerador::kPrimeiro; endereco <= Gerador::kUltimoComFaixa; ++endereco) {
    const int tipo = gerador().TipoEfetivo(endereco);
    if (tipo >= 2 && tipo <= 6 && ValorDoCanal(endereco)) {
      RascunhoDe(endereco).Valor = gerador().Canal(endereco).Valor();
      DefineTexto(LinhaDe(endereco).valor, QString::fromStdString(RascunhoDe(endereco).Valor));
    }
  }
}

void JanelaGerador::Mostra() {
  // A window still open (perhaps behind another) keeps the rows being typed.
  if (!isVisible()) Preenche();
  show();
  raise();
  activateWindow();
}

}  // namespace quiv
