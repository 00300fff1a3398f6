// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/dialogo_configuracao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/arquivo/copia_documento.h"
#include "core/nucleo/memoria.h"
#include "ui/sessao/comandos_planta.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// Which include box shows which slot: slots primeiro … ultimo of a kind are
// the boxes CheckBox<caixa> … in a row. Listed in the order of the dialog's
// refresh (controllers, recorders, processes, calculation blocks, texts); the
// numbering has gaps and jumps because slots were added to the dialog over
// time.
struct FaixaCaixas {
  TipoObjeto tipo;
  int primeiro;
  int ultimo;
  int caixa;
};
constexpr FaixaCaixas kCaixas[] = {
    {TipoObjeto::Controlador, 1, 10, 1}, {TipoObjeto::Registrador, 1, 10, 11},
    {TipoObjeto::Processo, 1, 10, 21},   {TipoObjeto::Processo, 11, 15, 61},
    {TipoObjeto::Processo, 16, 20, 56},  {TipoObjeto::Processo, 21, 23, 72},
    {TipoObjeto::Processo, 24, 24, 78},  {TipoObjeto::Bloco, 1, 15, 31},
    {TipoObjeto::Bloco, 16, 20, 82},     {TipoObjeto::Bloco, 21, 23, 75},
    {TipoObjeto::Bloco, 24, 24, 79},     {TipoObjeto::Texto, 1, 9, 46},
    {TipoObjeto::Texto, 10, 15, 66},     {TipoObjeto::Texto, 16, 20, 87},
};

}  // namespace

DialogoConfiguracao::DialogoConfiguracao(SessaoSimulacao& sessao, QWidget* pai)
    : QDialog(pai, Qt::Tool), sessao_(sessao) {
  setObjectName(QStringLiteral("ConfigForm"));
  setWindowTitle(tr("Configuração Geral"));
  setModal(false);

  for (const FaixaCaixas& f : kCaixas) {
    for (int n = f.primeiro; n <= f.ultimo; ++n) {
      auto* caixa = new QCheckBox(this);
      caixa->setObjectName(QStringLiteral("CheckBox%1").arg(f.caixa + n - f.primeiro));
      caixas_.push_back({caixa, f.tipo, n});
    }
  }
  for (const CaixaInclusao& c : caixas_)
    connect(c.caixa, &QCheckBox::clicked, this,
            [this, c](bool marcada) { MarcaInclusao(c, marcada); });

  paginas_ = new QTabWidget(this);
  paginas_->setObjectName(QStringLiteral("NoteBook1"));
  paginas_->addTab(CriaPaginaControladores(), tr("Controladores"));
  paginas_->addTab(CriaGradeInclusao(TipoObjeto::Processo, 8, new QWidget), tr("Processos"));
  paginas_->addTab(CriaGradeInclusao(TipoObjeto::Bloco, 8, new QWidget), tr("Blocos de Cálculo"));
  paginas_->addTab(CriaGradeInclusao(TipoObjeto::Registrador, 10, new QWidget),
                   tr("Registradores"));
  paginas_->addTab(CriaGradeInclusao(TipoObjeto::Texto, 10, new QWidget), tr("Textos Animados"));
  paginas_->addTab(CriaPaginaFormas(), tr("Imagens Animadas"));
  paginas_->addTab(CriaPaginaComandos(), tr("Comandos"));
  paginas_->tabBar()->setUsesScrollButtons(false);
  // Any click on the tabs counts as a change of the simulation.
  connect(paginas_->tabBar(), &QTabBar::tabBarClicked, this,
          [this](int) { sessao_.MarcaModificado(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CriaCabecalho());
  layout->addWidget(paginas_, 1);
  layout->addWidget(CriaRodape());

  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, &DialogoConfiguracao::LeModelo);
  connect(&sessao_, &SessaoSimulacao::InclusaoAlterada, this,
          &DialogoConfiguracao::AtualizaInclusao);
  connect(&sessao_, &SessaoSimulacao::ConfiguracaoRestaurada, this, &DialogoConfiguracao::LeModelo);
  connect(&sessao_, &SessaoSimulacao::TituloAlterado, this, [this] {
    const QString titulo = QString::fromUtf8(sessao_.documento().Titulo.Em(ingles()));
    if (titulo == titulo_->text()) return;
    const Preenchendo guarda(preenchendo_);
    titulo_->setText(titulo);
  });
  connect(&sessao_, &SessaoSimulacao::FiguraAlterada, this, [this] {
    const Preenchendo guarda(preenchendo_);
    figura_->setText(QString::fromStdString(sessao_.documento().FiguraFundo));
  });
  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &DialogoConfiguracao::MostraTempoCiclo);

  LeModelo();
  paginas_->setCurrentIndex(0);
}

// --- building ------------------------------------------------------------------

QLabel* DialogoConfiguracao::Rotulo(const QString& nome, const QString& texto) {
  auto* rotulo = new QLabel(texto);
  rotulo->setObjectName(nome);
  return rotulo;
}

QWidget* DialogoConfiguracao::CriaCabecalho() {
  auto* cabecalho = new QWidget;
  auto* grade = new QGridLayout(cabecalho);
  grade->setContentsMargins(0, 0, 0, 0);

  titulo_ = new QLineEdit;
  titulo_->setObjectName(QStringLiteral("Titulo"));
  connect(titulo_, &QLineEdit::textEdited, this, &DialogoConfiguracao::EditaTitulo);
  grade->addWidget(Rotulo(QStringLiteral("Label3"), tr("Título da Simulação:")), 0, 0);
  grade->addWidget(titulo_, 0, 1, 1, 2);

  // The picture is chosen with the button; the edit shows the bare name.
  figura_ = new QLineEdit;
  figura_->setObjectName(QStringLiteral("Edit1"));
  figura_->setReadOnly(true);
  auto* escolheFigura = new QToolButton;
  escolheFigura->setObjectName(QStringLiteral("SpeedButton1"));
  escolheFigura->setText(QStringLiteral("…"));
  escolheFigura->setToolTip(tr("Escolher a figura de fundo"));
  connect(escolheFigura, &QToolButton::clicked, this, &DialogoConfiguracao::EscolheFigura);
  grade->addWidget(Rotulo(QStringLiteral("Label1"), tr("Arquivo de Imagem:")), 1, 0);
  grade->addWidget(figura_, 1, 1);
  grade->addWidget(escolheFigura, 1, 2);
  grade->setColumnStretch(1, 1);
  return cabecalho;
}

QWidget* DialogoConfiguracao::CriaRodape() {
  auto* rodape = new QWidget;
  auto* linha = new QHBoxLayout(rodape);
  linha->setContentsMargins(0, 0, 0, 0);

  // The scan period is fixed at 100 ms; the list shows the periods the
  // program knows, disabled.
  auto* periodos = new QComboBox;
  periodos->setObjectName(QStringLiteral("ComboBox2"));
  periodos->addItems({tr("100 ms"), tr("333 ms"), tr("1 segundo")});
  periodos->setEnabled(false);
  linha->addWidget(periodos);
  linha->addSpacing(12);
  linha->addWidget(Rotulo(QStringLiteral("Label29"), tr("Ciclo Execução: ")));
  tempoCiclo_ = Rotulo(QStringLiteral("Label2"), QString());
  tempoCiclo_->setMinimumWidth(
      tempoCiclo_->fontMetrics().horizontalAdvance(QStringLiteral("00000ms")));
  linha->addWidget(tempoCiclo_);
  linha->addStretch(1);

  auto* sair = new QPushButton(tr("Sair"));
  sair->setObjectName(QStringLiteral("SairButton"));
  // Enter in an edit must not leave the dialog.
  sair->setAutoDefault(false);
  connect(sair, &QPushButton::clicked, this, &DialogoConfiguracao::Sai);
  linha->addWidget(sair);
  return rodape;
}

QWidget* DialogoConfiguracao::CriaGradeInclusao(TipoObjeto tipo, int porColuna, QWidget* pagina) {
  auto* grade = new QGridLayout(pagina);
  grade->setHorizontalSpacing(18);
  int k = 0;
  for (int n = 1; n <= Posicoes::Quantidade(tipo); ++n) {
    for (const CaixaInclusao& c : caixas_) {
      if (c.tipo != tipo || c.n != n) continue;
      grade->addWidget(c.caixa, k % porColuna, k / porColuna);
      ++k;
    }
  }
  grade->setRowStretch(porColuna, 1);
  grade->setColumnStretch(grade->columnCount(), 1);
  return pagina;
}

QWidget* DialogoConfiguracao::CriaPaginaControladores() {
  auto* pagina = new QWidget;
  auto* linha = new QHBoxLayout(pagina);
  auto* pid = new QGroupBox(tr("PID"));
  pid->setObjectName(QStringLiteral("GroupBoxPID"));
  CriaGradeInclusao(TipoObjeto::Controlador, 10, pid);
  linha->addWidget(pid, 1);
  linha->addWidget(CriaLinearizador(), 0, Qt::AlignTop);
  return pagina;
}

QWidget* DialogoConfiguracao::CriaLinearizador() {
  auto* painel = new QFrame;
  painel->setObjectName(QStringLiteral("PainelLinearizador"));
  painel->setFrameShape(QFrame::StyledPanel);
  auto* grade = new QGridLayout(painel);

  QLabel* titulo = Rotulo(QStringLiteral("Label34"), tr("Linearizador"));
  QFont negrito = titulo->font();
  negrito.setBold(true);
  titulo->setFont(negrito);
  grade->addWidget(titulo, 0, 0, 1, 3, Qt::AlignHCenter);

  entradaLinearizador_ = new QComboBox;
  entradaLinearizador_->setObjectName(QStringLiteral("Lin1EndEnt"));
  entradaLinearizador_->setEditable(true);
  entradaLinearizador_->setInsertPolicy(QComboBox::NoInsert);
  entradaLinearizador_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  entradaLinearizador_->setMinimumContentsLength(14);
  entradaLinearizador_->installEventFilter(this);
  entradaLinearizador_->lineEdit()->installEventFilter(this);
  connect(entradaLinearizador_, &QComboBox::currentTextChanged, this, [this](const QString& texto) {
    if (preenchendo_) return;
    sessao_.documento().linearizador().TextoEntrada = texto.toStdString();
    Alterado(false);
  });
  grade->addWidget(Rotulo(QStringLiteral("Label30"), tr("End. Entrada:")), 1, 0);
  grade->addWidget(entradaLinearizador_, 1, 1, 1, 2);

  auto* saidaLinearizador = new QLineEdit(QString::fromLatin1(Linearizador::TextoSaida));
  saidaLinearizador->setObjectName(QStringLiteral("Lin1EndSai"));
  saidaLinearizador->setEnabled(false);
  grade->addWidget(Rotulo(QStringLiteral("Label31"), tr("End.Saída:")), 2, 0);
  grade->addWidget(saidaLinearizador, 2, 1, 1, 2);

  grade->addWidget(Rotulo(QStringLiteral("RotuloMV"), tr("MV")), 3, 1, Qt::AlignHCenter);
  grade->addWidget(Rotulo(QStringLiteral("RotuloPV"), tr("PV")), 3, 2, Qt::AlignHCenter);
  for (int i = 1; i <= Linearizador::kPontos; ++i) {
    grade->addWidget(Rotulo(QStringLiteral("RotuloPonto%1").arg(i), QString::number(i)), 3 + i, 0,
                     Qt::AlignRight);
    for (const bool mv : {true, false}) {
      auto* edit = new QLineEdit;
      edit->setObjectName(QStringLiteral("Lin1%1%2").arg(mv ? "MV" : "PV").arg(i));
      edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
      connect(edit, &QLineEdit::textEdited, this, [this, mv, i](const QString& texto) {
        Linearizador& lin = sessao_.documento().linearizador();
        (mv ? lin.TextoMV : lin.TextoPV)[static_cast<std::size_t>(i)] = texto.toStdString();
        Alterado(false);
      });
      (mv ? mvLinearizador_ : pvLinearizador_)[static_cast<std::size_t>(i)] = edit;
      grade->addWidget(edit, 3 + i, mv ? 1 : 2);
    }
  }

  ativaLinearizador_ = new QCheckBox(tr("Ativar"));
  ativaLinearizador_->setObjectName(QStringLiteral("Lin1Ativar"));
  connect(ativaLinearizador_, &QCheckBox::clicked, this, [this](bool marcada) {
    sessao_.simulacao().LinearizadorAtivo = marcada;
    Alterado(false);
  });
  grade->addWidget(ativaLinearizador_, 4 + Linearizador::kPontos, 1, 1, 2);
  return painel;
}

// --- the model into the controls -------------------------------------------------

void DialogoConfiguracao::LeModelo() {
  const Preenchendo guarda(preenchendo_);
  const Documento& doc = sessao_.documento();
  lido_ = CopiaDocumento(doc);
  titulo_->setText(QString::fromUtf8(doc.Titulo.Em(ingles())));
  figura_->setText(QString::fromStdString(doc.FiguraFundo));
  AtualizaInclusao();
  LeLinearizador();
  LeFormas();
  LeComandos();
  MostraTempoCiclo();
}

void DialogoConfiguracao::AtualizaInclusao() {
  const Preenchendo guarda(preenchendo_);
  const Documento& doc = sessao_.documento();
  for (const CaixaInclusao& c : caixas_) {
    c.caixa->setText(QString::fromStdString(doc.LegendaInclusao(c.tipo, c.n)));
    c.caixa->setChecked(doc.posicoes.De(c.tipo, c.n).Exibido);
  }
}

void DialogoConfiguracao::LeLinearizador() {
  const Linearizador& lin = sessao_.documento().linearizador();
  PreencheEnderecos();
  entradaLinearizador_->setEditText(QString::fromStdString(lin.TextoEntrada));
  for (std::size_t i = 1; i <= Linearizador::kPontos; ++i) {
    mvLinearizador_[i]->setText(QString::fromStdString(lin.TextoMV[i]));
    pvLinearizador_[i]->setText(QString::fromStdString(lin.TextoPV[i]));
  }
  ativaLinearizador_->setChecked(sessao_.simulacao().LinearizadorAtivo);
}

void DialogoConfiguracao::MostraTempoCiclo() {
  tempoCiclo_->setText(QStringLiteral("%1ms").arg(std::llround(sessao_.simulacao().TempoCiclo)));
}

void DialogoConfiguracao::MostraPrimeiraPagina() {
  paginas_->setCurrentIndex(0);
  show();
  raise();
  activateWindow();
}

// --- handlers ----------------------------------------------------------------------

void DialogoConfiguracao::MarcaInclusao(const CaixaInclusao& c, bool marcada) {
  if (preenchendo_) return;
  // Unchecking only hides the object's button; objects are removed in the
  // main window's delete mode.
  sessao_.Executa(new ComandoInclusao(sessao_, c.tipo, c.n, marcada));
}

void DialogoConfiguracao::EditaTitulo(const QString& texto) {
  if (preenchendo_) return;
  sessao_.Executa(new ComandoTitulo(sessao_, texto.toStdString()));
}

void DialogoConfiguracao::EscolheFigura() {
  const QString caminho =
      Interacao::Atual().AbreArquivo(this, tr("Abrir Figura"), sessao_.PastaDosDialogos(),
                                     tr("Arquivos de Imagem (*.bmp *.png);;Todos os Arquivos (*)"));
  if (caminho.isEmpty()) return;
  sessao_.EscolheFigura(caminho);
}

void DialogoConfiguracao::Sai() {
  sessao_.PedeAtualizaTela();
  close();
}

void DialogoConfiguracao::PreencheEnderecos() {
  const Preenchendo guarda(preenchendo_);
  const QString texto = entradaLinearizador_->currentText();
  entradaLinearizador_->clear();
  for (const std::string& item : ListaEnderecos(sessao_.simulacao().memoria))
    entradaLinearizador_->addItem(QString::fromStdString(item));
  entradaLinearizador_->setEditText(texto);
}

bool DialogoConfiguracao::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::FocusIn &&
      (objeto == entradaLinearizador_ || objeto->parent() == entradaLinearizador_))
    PreencheEnderecos();
  return QDialog::eventFilter(objeto, evento);
}

void DialogoConfiguracao::Alterado(bool painel) {
  sessao_.Executa(new ComandoConfiguracao(sessao_, *lido_));
  lido_ = CopiaDocumento(sessao_.documento());
  if (painel) sessao_.AvisaPainelAlterado();
}

bool DialogoConfiguracao::ingles() const { return sessao_.IdiomaIngles(); }

}  // namespace quiv
