// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_lista_variaveis.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "core/arquivo/documento.h"
#include "ui/sessao/comando_lista_variaveis.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

using Campo = ListaVariaveis::Campo;
using Atualizacao = ListaVariaveis::Atualizacao;

constexpr int kLargura = 905;
constexpr int kAltura = 672;
constexpr int kAlturaLinha = 18;

constexpr std::array<int, 9> kLargurasListaVar = {64, 130, 73, 69, 67, 70, 70, 196, 64};
constexpr std::array<int, 9> kLargurasListaVar2 = {64, 130, 73, 69, 68, 70, 68, 198, 64};

QString Texto(const std::string& s) { return QString::fromStdString(s); }

void PoeTexto(QTableWidgetItem* item, const QString& texto) {
  if (item->text() != texto) item->setText(texto);
}

QLabel* Titulo(QWidget* pai, const char* nome, const QString& texto) {
  auto* l = new QLabel(texto, pai);
  l->setObjectName(QLatin1String(nome));
  QFont f = l->font();
  f.setPixelSize(19);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 255));
  l->setPalette(p);
  return l;
}

}  // namespace

// The cell editor: Enter hands the typed text to the window, which stores
// it or puts the previous text back; Escape closes the editor without
// changing the cell (the previous text stays); leaving the cell otherwise
// keeps the typed text in it.
class JanelaListaVariaveis::EditorCelula : public QStyledItemDelegate {
 public:
  using Enter = std::function<void(int linha, int coluna, const QString& digitado)>;

  EditorCelula(Enter enter, QObject* pai) : QStyledItemDelegate(pai), enter_(std::move(enter)) {}

  QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao,
                        const QModelIndex& indice) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(pai, opcao, indice);
    editor->setProperty("linha", indice.row());
    editor->setProperty("coluna", indice.column());
    return editor;
  }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() == QEvent::KeyPress) {
      const int tecla = static_cast<QKeyEvent*>(evento)->key();
      auto* editor = qobject_cast<QLineEdit*>(objeto);
      if (editor && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
        const QString digitado = editor->text();
        const int linha = editor->property("linha").toInt();
        const int coluna = editor->property("coluna").toInt();
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        enter_(linha, coluna, digitado);
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(objeto, evento);
  }

 private:
  Enter enter_;
};

JanelaListaVariaveis::JanelaListaVariaveis(SessaoSimulacao& sessao, QWidget* pai)
    : QWidget(pai, Qt::Tool), sessao_(sessao) {
  setObjectName(QStringLiteral("TDialogos"));
  setWindowTitle(tr("Lista de Variáveis"));

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(8, 6, 8, 8);
  v->setSpacing(4);
  v->addWidget(Titulo(this, "StaticText1", tr("Variáveis de Processo")));
  tabelaProcesso_ = CriaTabela(Tabela::Processo, "ListaVar", kLargurasListaVar);
  v->addWidget(tabelaProcesso_, 1);
  v->addWidget(Titulo(this, "StaticText2", tr("Sinais de Controle")));
  tabelaControle_ = CriaTabela(Tabela::Controle, "ListaVar2", kLargurasListaVar2);
  v->addWidget(tabelaControle_, 1);

  auto* botoes = new QHBoxLayout;
  botoes->setSpacing(8);
  botaoAtualiza_ = new QPushButton(tr("Atualiza"), this);
  botaoAtualiza_->setObjectName(QStringLiteral("SpeedButton1"));
  botaoSair_ = new QPushButton(tr("Sair"), this);
  botaoSair_->setObjectName(QStringLiteral("SpeedButton2"));
  botaoAjuda_ = new QToolButton(this);
  botaoAjuda_->setObjectName(QStringLiteral("SpeedButton3"));
  botaoAjuda_->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  botaoAjuda_->setToolTip(tr("Ajuda"));
  for (QPushButton* b : {botaoAtualiza_, botaoSair_}) {
    b->setAutoDefault(false);
    b->setMinimumWidth(90);
  }
  botoes->addWidget(botaoAtualiza_);
  botoes->addWidget(botaoSair_);
  botoes->addStretch(1);
  botoes->addWidget(botaoAjuda_);
  v->addLayout(botoes);

  connect(botaoAtualiza_, &QPushButton::clicked, this, &JanelaListaVariaveis::Aplica);
  connect(botaoSair_, &QPushButton::clicked, this, [this] {
    if (Aplica()) close();
  });
  connect(botaoAjuda_, &QToolButton::clicked, this,
          [] { Interacao::Atual().AbreEndereco(EnderecoAjuda("/ferramentas/#mapa_variaveis")); });
  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, [this] {
    if (isVisible()) AtualizaValores();
  });
  // A load (or New) replaced the descriptors: the list drops what it kept,
  // hands them on, as the file reader's refresh after the units block did,
  // and shows them.
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    alteracoes_.clear();
    ListaVariaveis::AplicaDescritores(sessao_.documento());
    AtualizaLista();
    sessao_.AvisaPainelAlterado();
  });
  connect(&sessao_, &SessaoSimulacao::DescritoresAlterados, this,
          &JanelaListaVariaveis::AtualizaLista);

  resize(std::max(kLargura, minimumSizeHint().width()), kAltura);
}

JanelaListaVariaveis::~JanelaListaVariaveis() = default;

QTableWidget* JanelaListaVariaveis::TabelaDe(Tabela tabela) const {
  return tabela == Tabela::Processo ? tabelaProcesso_ : tabelaControle_;
}

QTableWidget* JanelaListaVariaveis::CriaTabela(Tabela tabela, const char* nome,
                                               const std::array<int, 9>& larguras) {
  const int linhas = ListaVariaveis::Linhas(tabela);
  const int colunas = ListaVariaveis::kUltimaColuna;
  auto* t = new QTableWidget(linhas, colunas, this);
  t->setObjectName(QLatin1String(nome));
  t->setHorizontalHeaderLabels({tr("Tipo"), tr("Unid. Eng"), tr("UE min"), tr("UE max"), tr("LIE"),
                                tr("LSE"), tr("Descrição"), tr("Valor (%)")});
  t->horizontalHeaderItem(Coluna(Campo::Valor))
      ->setToolTip(tr("O valor atual do endereço, em % da sua faixa; botões e chaves: 0 ou 1"));
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setSelectionBehavior(QAbstractItemView::SelectItems);
  t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                     QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  t->setItemDelegate(new EditorCelula(
      [this, tabela](int linha, int coluna, const QString& digitado) {
        Confirma(tabela, linha + 1, coluna, digitado);
      },
      t));
  t->setWordWrap(false);
  t->horizontalHeader()->setHighlightSections(false);
  t->verticalHeader()->setHighlightSections(false);
  t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  t->verticalHeader()->setDefaultSectionSize(std::max(kAlturaLinha, t->fontMetrics().height() + 4));
  t->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  const Memoria& m = sessao_.simulacao().memoria;
  QStringList enderecos;
  for (int r = 1; r <= linhas; ++r) {
    const auto textos = ListaVariaveis::TextosIniciais(m, tabela, r, sessao_.IdiomaIngles());
    enderecos.append(Texto(textos[0]));
    for (int c = 0; c < colunas; ++c) {
      const Campo campo = static_cast<Campo>(c + ListaVariaveis::kPrimeiraColuna);
      auto* item = new QTableWidgetItem(Texto(textos[static_cast<std::size_t>(c + 1)]));
      Qt::ItemFlags flags = Qt::ItemIsEnabled;
      if (ListaVariaveis::Selecionavel(campo)) flags |= Qt::ItemIsSelectable;
      if (ListaVariaveis::Editavel(tabela, r, campo)) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
      if (campo == Campo::Valor) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      t->setItem(r - 1, c, item);
    }
  }
  t->setVerticalHeaderLabels(enderecos);
  t->verticalHeader()->setFixedWidth(
      std::max(larguras[0], t->verticalHeader()->sizeHint().width()));
  // The starting widths, widened where a text would be cut.
  for (int c = 0; c < colunas; ++c) {
    t->resizeColumnToContents(c);
    t->setColumnWidth(c, std::max(larguras[static_cast<std::size_t>(c + 1)], t->columnWidth(c)));
  }

  const auto k = static_cast<std::size_t>(tabela == Tabela::Processo ? 0 : 1);
  valores_[k].assign(static_cast<std::size_t>(linhas), 0.0);
  valorEscrito_[k].assign(static_cast<std::size_t>(linhas), false);
  return t;
}

void JanelaListaVariaveis::Mostra() {
  AtualizaLista();
  if (!centrada_) {
    centrada_ = true;
    if (const QScreen* tela = screen()) {
      QRect area = geometry();
      area.moveCenter(tela->availableGeometry().center());
      move(area.topLeft());
    }
  }
  show();
  raise();
  activateWindow();
}

void JanelaListaVariaveis::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) AtualizaLista();
}

void JanelaListaVariaveis::AtualizaValores() {
  const Memoria& m = sessao_.simulacao().memoria;
  const int coluna = Coluna(Campo::Valor);
  for (Tabela tabela : {Tabela::Processo, Tabela::Controle}) {
    QTableWidget* t = TabelaDe(tabela);
    const auto k = static_cast<std::size_t>(tabela == Tabela::Processo ? 0 : 1);
    for (int r = 1; r <= ListaVariaveis::Linhas(tabela); ++r) {
      const ListaVariaveis::Linha linha = ListaVariaveis::LinhaDe(tabela, r);
      if (linha.Atualiza == Atualizacao::Nada) continue;
      const double valor = m.celula[static_cast<std::size_t>(linha.Endereco)];
      const auto i = static_cast<std::size_t>(r - 1);
      if (valorEscrito_[k][i] && valores_[k][i] == valor) continue;
      valorEscrito_[k][i] = true;
      valores_[k][i] = valor;
      PoeTexto(t->item(r - 1, coluna), Texto(ListaVariaveis::TextoValor(valor)));
    }
  }
}

void JanelaListaVariaveis::AtualizaLista() {
  const Documento& doc = sessao_.documento();
  const Memoria& m = doc.simulacao.memoria;
  for (Tabela tabela : {Tabela::Processo, Tabela::Controle}) {
    QTableWidget* t = TabelaDe(tabela);
    for (int r = 1; r <= ListaVariaveis::Linhas(tabela); ++r) {
      const ListaVariaveis::Linha linha = ListaVariaveis::LinhaDe(tabela, r);
      if (linha.Atualiza != Atualizacao::Tudo) continue;
      for (Campo campo :
           {Campo::Unidade, Campo::UEMin, Campo::UEMax, Campo::LIE, Campo::LSE, Campo::Descricao})
        PoeTexto(t->item(r - 1, Coluna(campo)),
                 Texto(ListaVariaveis::TextoCampo(m, linha.Endereco, campo)));
    }
  }
  for (const ListaVariaveis::Alteracao& a : alteracoes_)
    PoeTexto(TabelaDe(a.tabela)->item(a.linha - 1, Coluna(a.campo)), Texto(a.texto));
  for (int r = 1; r <= ListaVariaveis::Linhas(Tabela::Processo); ++r)
    PoeTexto(tabelaProcesso_->item(r - 1, Coluna(Campo::Tipo)),
             Texto(ListaVariaveis::TipoDaLinha(doc, r)));
  for (auto& escritos : valorEscrito_) escritos.assign(escritos.size(), false);
  AtualizaValores();
}

bool JanelaListaVariaveis::Aplica() {
  if (!AtualizaListaVariaveis(sessao_, alteracoes_)) return false;
  alteracoes_.clear();
  AtualizaLista();
  return true;
}

void JanelaListaVariaveis::Confirma(Tabela tabela, int linha, int coluna, const QString& digitado) {
  QTableWidget* t = TabelaDe(tabela);
  QTableWidgetItem* item = t->item(linha - 1, coluna);
  if (!item) return;
  const Campo campo = static_cast<Campo>(coluna + ListaVariaveis::kPrimeiraColuna);
  if (!ListaVariaveis::Editavel(tabela, linha, campo)) return;
  item->setText(digitado);
  if (!ListaVariaveis::Guardavel(tabela, linha, campo)) return;
  std::erase_if(alteracoes_, [&](const ListaVariaveis::Alteracao& a) {
    return a.tabela == tabela && a.linha == linha && a.campo == campo;
  });
  alteracoes_.push_back({tabela, linha, campo, digitado.toStdString()});
}

}  // namespace quiv
