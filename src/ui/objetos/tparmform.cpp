// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/tparmform.h"
#include "ui/comum/texto_qt.h"

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

#include "core/objetos/gerador.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {


void DefineTexto(QLineEdit* edit, const QString& texto) {
  if (edit->text() != texto) edit->setText(texto);
}

}  // namespace

TParmForm::TParmForm(SessaoSimulacao& sessao, QWidget* pai)
    : QWidget(pai, Qt::Window), sessao_(sessao) {
  setObjectName(QStringLiteral("ParmForm"));
  setWindowTitle(tr("Gerador de Sinais"));

  auto* vertical = new QVBoxLayout(this);
  auto* grade = new QGridLayout;
  grade->setHorizontalSpacing(6);
  grade->setVerticalSpacing(3);
  const QStringList cabecalho{QString(), tr("Tipo"), tr("Min."), tr("Máx."), tr("Descrição"),
                              tr("Valor")};
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
  Button1_ = new QPushButton(tr("Atualiza"), this);
  Button1_->setObjectName(QStringLiteral("Button1"));
  Button1_->setEnabled(false);
  connect(Button1_, &QPushButton::clicked, this, &TParmForm::Button1Click);
  botoes->addWidget(Button1_);
  auto* sair = new QPushButton(tr("Sair"), this);
  sair->setObjectName(QStringLiteral("SairButton"));
  connect(sair, &QPushButton::clicked, this, &QWidget::close);
  botoes->addWidget(sair);
  vertical->addLayout(botoes);

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &TParmForm::AtualizaValores);
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, &TParmForm::Preenche);
  Preenche();
}

Gerador& TParmForm::gerador() const { return sessao_.documento().gerador(); }

void TParmForm::CriaLinha(int endereco, QGridLayout* grade, int linha) {
  Linha& l = LinhaDe(endereco);
  const QString nome = QStringLiteral("M%1").arg(endereco);
  grade->addWidget(new QLabel(QString::number(endereco), this), linha, 0);

  static const char* const kTipos[] = {
      QT_TR_NOOP("Constante 0-100"), QT_TR_NOOP("Constante 0-1"),  QT_TR_NOOP("Aleatório Rápido"),
      QT_TR_NOOP("Aleatório Médio"), QT_TR_NOOP("Aleatório Lento"), QT_TR_NOOP("Sinal Senoidal"),
      QT_TR_NOOP("Random Walk"),     QT_TR_NOOP("Equação"),         QT_TR_NOOP("LN()"),
      QT_TR_NOOP("Exp()")};
  l.tipo = new QComboBox(this);
  l.tipo->setObjectName(nome + QStringLiteral("Tipo"));
  for (int t = 0; t < Gerador::TiposOferecidos(endereco); ++t) l.tipo->addItem(tr(kTipos[t]));
  connect(l.tipo, &QComboBox::currentIndexChanged, this, [this, endereco](int tipo) {
    if (preenchendo_) return;
    gerador().Canal(endereco).Tipo = tipo;
    gerador().MudaTipo(endereco);
    PreencheLinha(endereco);
    sessao_.MarcaModificado();
  });
  grade->addWidget(l.tipo, linha, 1);

  auto edita = [this, endereco, &nome](const QString& sufixo, auto escreve) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(nome + sufixo);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, endereco, escreve](const QString& texto) {
      escreve(gerador().Canal(endereco), texto);
      sessao_.MarcaModificado();
    });
    return edit;
  };
  if (endereco <= Gerador::kUltimoComFaixa) {
    l.min = edita(QStringLiteral("Min"),
                  [](CanalGerador& c, const QString& t) { c.Min = t.toStdString(); });
    l.max = edita(QStringLiteral("Max"),
                  [](CanalGerador& c, const QString& t) { c.Max = t.toStdString(); });
    l.min->setMaximumWidth(70);
    l.max->setMaximumWidth(70);
    grade->addWidget(l.min, linha, 2);
    grade->addWidget(l.max, linha, 3);
  }
  l.desc = edita(QStringLiteral("Desc"), [this](CanalGerador& c, const QString& t) {
    c.Desc.Edita(sessao_.IdiomaIngles(), t.toStdString());
  });
  grade->addWidget(l.desc, linha, 4);
  l.valor = edita(QStringLiteral("Valor"),
                  [](CanalGerador& c, const QString& t) { c.DefineValor(t.toStdString()); });
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
      gerador().MovePosicao(endereco, sobe);
      PreencheLinha(endereco);
      sessao_.MarcaModificado();
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
    gerador().EscolheDigital(endereco, item);
    PreencheLinha(endereco);
    sessao_.MarcaModificado();
  });
  grade->addWidget(l.digital, linha, 5);
}

void TParmForm::Preenche() {
  for (int endereco = Gerador::kPrimeiro; endereco <= Gerador::kUltimo; ++endereco)
    PreencheLinha(endereco);
}

void TParmForm::PreencheLinha(int endereco) {
  Linha& l = LinhaDe(endereco);
  const CanalGerador& canal = gerador().Canal(endereco);
  preenchendo_ = true;
  l.tipo->setCurrentIndex(gerador().TipoEfetivo(endereco));
  if (l.min) DefineTexto(l.min, QString::fromStdString(canal.Min));
  if (l.max) DefineTexto(l.max, QString::fromStdString(canal.Max));
  DefineTexto(l.desc, Texto(canal.Desc.Em(sessao_.IdiomaIngles())));
  DefineTexto(l.valor, QString::fromStdString(canal.Valor()));
  if (QAbstractButton* item = l.itensDigitais->button(canal.ItemDigital == 1 ? 1 : 0))
    item->setChecked(true);
  preenchendo_ = false;
  Arranja(endereco);
}

void TParmForm::Arranja(int endereco) {
  Linha& l = LinhaDe(endereco);
  const ArranjoCanal a = Gerador::Arranjo(gerador().TipoEfetivo(endereco));
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

bool TParmForm::eventFilter(QObject* alvo, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    Button1_->setEnabled(true);
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      Aplica();
      return true;
    }
  }
  return QWidget::eventFilter(alvo, evento);
}

void TParmForm::Aplica() {
  gerador().AtualizaParametros();
  Preenche();
}

void TParmForm::Button1Click() {
  sessao_.MarcaModificado();
  Aplica();
  Button1_->setEnabled(false);
}

void TParmForm::closeEvent(QCloseEvent* evento) {
  // Closing always applies what the rows hold.
  Aplica();
  sessao_.MarcaModificado();
  evento->accept();
}

void TParmForm::AtualizaValores() {
  if (!isVisible() || sessao_.simulacao().ModoRapido) return;
  for (int endereco = Gerador::kPrimeiro; endereco <= Gerador::kUltimoComFaixa; ++endereco) {
    const int tipo = gerador().TipoEfetivo(endereco);
    if (tipo >= 2 && tipo <= 6)
      DefineTexto(LinhaDe(endereco).valor, QString::fromStdString(gerador().Canal(endereco).Valor()));
  }
}

void TParmForm::Mostra() {
  Preenche();
  show();
  raise();
  activateWindow();
}

}  // namespace quiv
