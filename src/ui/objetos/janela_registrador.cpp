// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_registrador.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>
#include <filesystem>
#include <functional>

#include "core/arquivo/documento.h"
#include "core/objetos/registrador.h"
#include "ui/comum/controles.h"
#include "ui/comum/grafico_tendencia.h"
#include "ui/sessao/comando_registrador.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

const QColor kVermelho(255, 0, 0);
const QColor kAzul(0, 0, 255);
const QColor kVerde(0, 128, 0);

// A pen selector: a drop-down list of the addresses, whose descriptions are
// brought up to date each time it opens; the list may be wider than the box.
class SeletorVariavel : public QComboBox {
 public:
  SeletorVariavel(std::function<void()> antes, QWidget* pai)
      : QComboBox(pai), antes_(std::move(antes)) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
  }
  void showPopup() override {
    antes_();
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    QComboBox::showPopup();
  }

 private:
  std::function<void()> antes_;
};

QToolButton* BotaoIcone(QWidget* pai, const char* nome, QStyle::StandardPixmap icone,
                        const QString& dica) {
  auto* b = new QToolButton(pai);
  b->setObjectName(QLatin1String(nome));
  b->setIcon(pai->style()->standardIcon(icone));
  b->setToolTip(dica);
  b->setAutoRaise(false);
  return b;
}

void PoeTexto(QLineEdit* e, std::string_view texto) {
  const QString q = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
  if (e->text() != q) e->setText(q);
}

void PoeTexto(QLabel* l, std::string_view texto) {
  const QString q = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
  if (l->text() != q) l->setText(q);
}

}  // namespace

JanelaRegistrador::JanelaRegistrador(SessaoSimulacao& sessao, int n, QWidget* pai)
    : QWidget(pai, Qt::Window), sessao_(sessao), n_(n) {
  setObjectName(QStringLiteral("TRegistrForm%1").arg(n));
  setWindowTitle(tr("Registrador"));

  auto* raiz = new QHBoxLayout(this);
  raiz->setContentsMargins(6, 6, 6, 6);
  raiz->setSpacing(8);
  auto* areaGrafico = new QWidget(this);
  areaGrafico->setObjectName(QStringLiteral("Panel1"));
  CriaGrafico(areaGrafico);
  raiz->addWidget(areaGrafico, 0);
  Panel2_ = new QFrame(this);
  Panel2_->setObjectName(QStringLiteral("Panel2"));
  CriaConfiguracao(Panel2_);
  raiz->addWidget(Panel2_, 1);
  Liga();

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, [this] {
    if (isVisible() && !sessao_.simulacao().ModoRapido) AtualizaLeituras(false);
  });
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    if (!modelo()) {
      hide();
      return;
    }
    Preenche();
  });
  // An edit of this recorder, or its undo: the window shows the recorder.
  connect(&sessao_, &SessaoSimulacao::ObjetoAlterado, this, [this](TipoObjeto tipo, int n) {
    if (tipo == TipoObjeto::Registrador && n == n_) Preenche();
  });

  Preenche();
  MostraConfiguracao(true);
  resize(std::max(kLarguraConfiguracao - 1, minimumSizeHint().width()),
         std::max(kAltura, minimumSizeHint().height()));
}

JanelaRegistrador::~JanelaRegistrador() = default;

Registrador* JanelaRegistrador::modelo() const { return sessao_.documento().RegistradorDe(n_); }

void JanelaRegistrador::CriaGrafico(QWidget* a) {
  auto* v = new QVBoxLayout(a);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);

  // Titles of the two scales with the pen read-outs between them.
  auto* topo = new QHBoxLayout;
  topo->setSpacing(10);
  TituloPV_ = Rotulo(a, "TituloPV", tr("PV"), kVermelho);
  TituloMV_ = Rotulo(a, "TituloMV", tr("MV(%)"), kVerde);
  for (QLabel* l : {TituloPV_, TituloMV_}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  VermelhoLabel_ = Rotulo(a, "VermelhoLabel", QString(), kVermelho);
  AzulLabel_ = Rotulo(a, "AzulLabel", QString(), kAzul);
  VerdeLabel_ = Rotulo(a, "VerdeLabel", QString(), kVerde);
  topo->addWidget(TituloPV_);
  topo->addSpacing(20);
  for (QLabel* l : {VermelhoLabel_, AzulLabel_, VerdeLabel_}) topo->addWidget(l, 1);
  topo->addWidget(TituloMV_);
  v->addLayout(topo);

  // The chart, with the scale edits beside its top and bottom grid lines and
  // the unit under the upper one.
  auto* grade = new QGridLayout;
  grade->setHorizontalSpacing(2);
  grade->setVerticalSpacing(0);
  eSupText_ = new QLineEdit(QStringLiteral("100"), a);
  eSupText_->setObjectName(QStringLiteral("eSupText"));
  eInfText_ = new QLineEdit(QStringLiteral("0"), a);
  eInfText_->setObjectName(QStringLiteral("eInfText"));
  for (QLineEdit* e : {eSupText_, eInfText_}) {
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0")) + 10);
    e->setAlignment(Qt::AlignRight);
    e->installEventFilter(this);
  }
  Label1_ = Rotulo(a, "Label1", QStringLiteral("%"));
  Label1_->setAlignment(Qt::AlignCenter);
  Image1_ = new GraficoTendencia(a);
  Image1_->setObjectName(QStringLiteral("Image1"));
  Image1_->DefineMargemVertical(eSupText_->sizeHint().height() / 2);
  Image1_->DefineEscalaFixaADireita(kVerde);
  Image1_->DefineFonte([this]() -> const Tendencia* {
    const Registrador* r = modelo();
    return r ? &r->Grafico : nullptr;
  });
  auto* escalaY = new QVBoxLayout;
  escalaY->setSpacing(0);
  escalaY->addWidget(eSupText_);
  escalaY->addWidget(Label1_);
  escalaY->addStretch(1);
  escalaY->addWidget(eInfText_);
  grade->addLayout(escalaY, 0, 0);
  grade->addWidget(Image1_, 0, 1);
  v->addLayout(grade);

  // Time base, scale, line width and the window's buttons.
  auto* controles = new QHBoxLayout;
  controles->setSpacing(6);
  BaseTempoBox_ = new QComboBox(a);
  BaseTempoBox_->setObjectName(QStringLiteral("BaseTempoBox"));
  BaseTempoBox_->addItems({tr("3 segundos"), tr("9 segundos"), tr("1 minuto")});
  controles->addWidget(Rotulo(a, "Label17", tr("Tempo: 1 divisão =")));
  controles->addWidget(BaseTempoBox_);
  controles->addSpacing(6);
  controles->addWidget(Rotulo(a, "StaticText1", tr("Escala")));
  EscalaAuto_ = Caixa(a, "EscalaAuto", tr("Auto"));
  controles->addWidget(EscalaAuto_);
  controles->addSpacing(6);
  CheckBox2_ = Caixa(a, "CheckBox2", tr("Linha Grossa"));
  controles->addWidget(CheckBox2_);
  controles->addStretch(1);
  SpeedButton1_ = BotaoIcone(a, "SpeedButton1", QStyle::SP_MediaPause, tr("Pausar"));
  SpeedButton1_->setCheckable(true);
  ConfBTN_ = BotaoIcone(a, "ConfBTN", QStyle::SP_FileDialogDetailedView, tr("Abrir configuração"));
  SairBTN_ = BotaoIcone(a, "SairBTN", QStyle::SP_DialogCloseButton, tr("Sair"));
  for (QToolButton* b : {SpeedButton1_, ConfBTN_, SairBTN_}) controles->addWidget(b);
  v->addLayout(controles);

  // The archive with its blinking rate text, and the point read-outs of the
  // paused chart.
  auto* baixo = new QHBoxLayout;
  baixo->setSpacing(10);
  auto* arquivo = new QVBoxLayout;
  arquivo->setSpacing(0);
  CheckBox1_ = Caixa(a, "CheckBox1", tr("Arquivar"));
  CheckBox1_->setToolTip(tr("Salvar novos dados em arquivo TXT"));
  CheckBox1_->setEnabled(false);
  Label21_ = Rotulo(a, "Label21", tr("Arquivando: TA=0.1 seg"), QColor(200, 0, 0));
  QSizePolicy guarda = Label21_->sizePolicy();
  guarda.setRetainSizeWhenHidden(true);  // blinking does not move its neighbours
  Label21_->setSizePolicy(guarda);
  Label21_->setMinimumWidth(
      Label21_->fontMetrics().horizontalAdvance(QStringLiteral("Saving 0.334s sampling")));
  Label21_->hide();
  arquivo->addWidget(CheckBox1_);
  arquivo->addWidget(Label21_);
  arquivo->addStretch(1);
  baixo->addLayout(arquivo);

  Panel3_ = new QWidget(a);
  Panel3_->setObjectName(QStringLiteral("Panel3"));
  auto* pontos = new QGridLayout(Panel3_);
  pontos->setContentsMargins(0, 0, 0, 0);
  pontos->setHorizontalSpacing(6);
  pontos->setVerticalSpacing(2);
  for (int k = 0; k < 6; ++k) {
    auto* l = new QLabel(Panel3_);
    l->setObjectName(QStringLiteral("CoodsText%1").arg(k + 1));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(
        l->fontMetrics().horizontalAdvance(QStringLiteral("Y: -0000.0 %  T: 000.0 s")) + 6);
    CoodsText_[static_cast<std::size_t>(k)] = l;
    pontos->addWidget(l, k / 3, k % 3);
  }
  QSizePolicy reserva = Panel3_->sizePolicy();
  reserva.setRetainSizeWhenHidden(true);
  Panel3_->setSizePolicy(reserva);
  Panel3_->hide();
  baixo->addWidget(Panel3_);
  baixo->addStretch(1);
  v->addLayout(baixo);
  v->addStretch(1);

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName(QStringLiteral("Timer1"));
  Timer1_->setInterval(500);
}

void JanelaRegistrador::CriaConfiguracao(QWidget* p) {
  auto* g = new QGridLayout(p);
  g->setContentsMargins(0, 0, 0, 0);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(3);
  int linha = 0;
  TagText_ = new QLineEdit(p);
  TagText_->setObjectName(QStringLiteral("TagText"));
  g->addWidget(Rotulo(p, "RotuloTag", tr("Tag")), linha, 0);
  g->addWidget(TagText_, linha++, 1);
  DescricaoText_ = new QLineEdit(p);
  DescricaoText_->setObjectName(QStringLiteral("DescricaoText"));
  g->addWidget(Rotulo(p, "Label13", tr("   Descrição")), linha++, 0, 1, 2);
  g->addWidget(DescricaoText_, linha++, 0, 1, 2);

  const char* rotulosVariavel[] = {"Label14", "Label15", "Label16"};
  const char* rotulosTexto[] = {"Label18", "Label19", "Label20"};
  for (int k = 0; k < 3; ++k) {
    const auto i = static_cast<std::size_t>(k);
    g->setRowMinimumHeight(linha++, 4);
    auto* seletor = new SeletorVariavel([this] { PreencheSeletores(); }, p);
    seletor->setObjectName(QStringLiteral("Variavel%1Select").arg(k + 1));
    VariavelSelect_[i] = seletor;
    g->addWidget(Rotulo(p, rotulosVariavel[k], tr("Variável %1").arg(k + 1)), linha, 0);
    g->addWidget(seletor, linha++, 1);
    Edit_[i] = new QLineEdit(p);
    Edit_[i]->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
    g->addWidget(Rotulo(p, rotulosTexto[k], tr("Texto %1").arg(k + 1)), linha, 0);
    g->addWidget(Edit_[i], linha++, 1);
  }
  g->setRowMinimumHeight(linha++, 4);
  UsarVirgula_ = Caixa(p, "UsarVirgula", tr("Utilizar ',' como separador decimal"));
  UsarUE_ = Caixa(p, "UsarUE", tr("Salvar valores em Unid. de Eng."));
  g->addWidget(UsarVirgula_, linha++, 0, 1, 2);
  g->addWidget(UsarUE_, linha++, 0, 1, 2);
  g->setRowStretch(linha, 1);
  g->setColumnStretch(1, 1);
}

void JanelaRegistrador::Liga() {
  // The tag, the description, the pens and their texts are the recorder's
  // definition: each change is an edit that can be undone, typing in one
  // field going on as one edit.
  int campos = 0;
  auto texto = [this, &campos](QLineEdit* e, TextoBilingue FormularioRegistrador::*campo) {
    connect(e, &QLineEdit::textEdited, this, [this, campo, c = campos++](const QString& t) {
      if (preenchendo_ || !modelo()) return;
      sessao_.Executa(new ComandoRegistrador(
          sessao_, n_, c,
          [campo, ingles = sessao_.IdiomaIngles(), t = t.toStdString()](Registrador& r) {
            (r.*campo).Edita(ingles, t);
            r.AplicaConfiguracao();
          }));
    });
  };
  texto(TagText_, &FormularioRegistrador::Tag);
  texto(DescricaoText_, &FormularioRegistrador::Descricao);
  texto(Edit_[0], &FormularioRegistrador::NomeVariavel1);
  texto(Edit_[1], &FormularioRegistrador::NomeVariavel2);
  texto(Edit_[2], &FormularioRegistrador::NomeVariavel3);
  auto seletor = [this](QComboBox* c, int FormularioRegistrador::*campo) {
    connect(c, &QComboBox::currentIndexChanged, this, [this, campo](int item) {
      if (preenchendo_ || !modelo()) return;
      sessao_.Executa(new ComandoRegistrador(sessao_, n_, ComandoRegistrador::kSemJuncao,
                                             [campo, item](Registrador& r) {
                                               r.*campo = item;
                                               r.AplicaConfiguracao();
                                             }));
    });
  };
  seletor(VariavelSelect_[0], &FormularioRegistrador::ItemVariavel1);
  seletor(VariavelSelect_[1], &FormularioRegistrador::ItemVariavel2);
  connect(VariavelSelect_[2], &QComboBox::currentIndexChanged, this,
          &JanelaRegistrador::Variavel3SelectChange);
  connect(BaseTempoBox_, &QComboBox::currentIndexChanged, this,
          &JanelaRegistrador::BaseTempoBoxChange);

  // How the chart is drawn and how the archive writes its numbers: the
  // operator's settings of the running recorder, which the simulation file
  // does not keep.
  auto opcao = [this](QCheckBox* caixa, bool Tendencia::*campo) {
    connect(caixa, &QCheckBox::toggled, this, [this, campo](bool marcado) {
      if (preenchendo_) return;
      Opera([campo, marcado](Registrador& r) { r.Grafico.*campo = marcado; });
      Image1_->RedesenhaCurvas();
    });
  };
  opcao(CheckBox2_, &Tendencia::LinhaGrossa);
  opcao(UsarVirgula_, &Tendencia::UsarVirgula);
  opcao(UsarUE_, &Tendencia::UsarUE);
  auto escala = [this](QLineEdit* e, std::string Tendencia::*campo) {
    connect(e, &QLineEdit::textEdited, this, [this, campo](const QString& t) {
      if (preenchendo_) return;
      Opera([campo, t = t.toStdString()](Registrador& r) { r.Grafico.*campo = t; });
    });
  };
  escala(eSupText_, &Tendencia::TextoEscalaSup);
  escala(eInfText_, &Tendencia::TextoEscalaInf);
  connect(EscalaAuto_, &QCheckBox::toggled, this, &JanelaRegistrador::EscalaAutoClick);
  connect(Image1_, &GraficoTendencia::DuploClique, this, &JanelaRegistrador::Image1DblClick);
  connect(Image1_, &GraficoTendencia::Clicado, this, &JanelaRegistrador::Image1MouseDown);
  connect(SpeedButton1_, &QToolButton::clicked, this, &JanelaRegistrador::SpeedButton1Click);
  connect(CheckBox1_, &QCheckBox::clicked, this, &JanelaRegistrador::CheckBox1Click);
  connect(Timer1_, &QTimer::timeout, this, &JanelaRegistrador::Timer1Timer);
  connect(ConfBTN_, &QToolButton::clicked, this, &JanelaRegistrador::ConfBTNClick);
  connect(SairBTN_, &QToolButton::clicked, this, &QWidget::close);
}

bool JanelaRegistrador::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress && (objeto == eSupText_ || objeto == eInfText_)) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      TeclaEscala();
      return true;
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

void JanelaRegistrador::Mostra() {
  const Registrador* r = modelo();
  if (!r) return;
  Preenche();
  MostraConfiguracao(r->Tag.Em(sessao_.IdiomaIngles()).empty());
  SairBTN_->setEnabled(true);
  ConfBTN_->setEnabled(true);
  show();
  raise();
  activateWindow();
}

void JanelaRegistrador::AlternaVisivel() {
  if (isVisible())
    close();
  else
    Mostra();
}

bool JanelaRegistrador::ConfiguracaoVisivel() const { return Panel2_->isVisibleTo(this); }

void JanelaRegistrador::MostraConfiguracao(bool mostrar) {
  Panel2_->setVisible(mostrar);
  SairBTN_->setEnabled(!mostrar);
  layout()->activate();
  const int largura = mostrar ? kLarguraConfiguracao : kLarguraGrafico;
  resize(std::max(largura, minimumSizeHint().width()),
         std::max(height(), std::max(kAltura, minimumSizeHint().height())));
}

void JanelaRegistrador::ConfBTNClick() { MostraConfiguracao(!ConfiguracaoVisivel()); }

void JanelaRegistrador::PreencheSeletores() {
  const Registrador* r = modelo();
  if (!r) return;
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  const Memoria& m = sessao_.simulacao().memoria;
  for (std::size_t i = 0; i < VariavelSelect_.size(); ++i) {
    QComboBox* c = VariavelSelect_[i];
    const auto itens = Registrador::ItensVariaveis(m, i > 0);
    if (c->count() != static_cast<int>(itens.size())) {
      c->clear();
      for (const std::string& s : itens) c->addItem(QString::fromStdString(s));
    } else {
      for (int k = 0; k < c->count(); ++k) {
        const QString s = QString::fromStdString(itens[static_cast<std::size_t>(k)]);
        if (c->itemText(k) != s) c->setItemText(k, s);
      }
    }
  }
  const int itens[] = {r->ItemVariavel1, r->ItemVariavel2, r->ItemVariavel3};
  for (std::size_t i = 0; i < VariavelSelect_.size(); ++i) {
    QComboBox* c = VariavelSelect_[i];
    const int item = itens[i] < c->count() ? itens[i] : -1;
    if (c->currentIndex() != item) c->setCurrentIndex(item);
  }
}

void JanelaRegistrador::Preenche() {
  const Registrador* r = modelo();
  if (!r) return;
  {
    QScopedValueRollback<bool> mudo(preenchendo_, true);
    const bool ingles = sessao_.IdiomaIngles();
    PoeTexto(TagText_, r->Tag.Em(ingles));
    PoeTexto(DescricaoText_, r->Descricao.Em(ingles));
    PoeTexto(Edit_[0], r->NomeVariavel1.Em(ingles));
    PoeTexto(Edit_[1], r->NomeVariavel2.Em(ingles));
    PoeTexto(Edit_[2], r->NomeVariavel3.Em(ingles));
    const Tendencia& g = r->Grafico;
    BaseTempoBox_->setCurrentIndex(g.ItemBaseTempo);
    CheckBox2_->setChecked(g.LinhaGrossa);
    UsarVirgula_->setChecked(g.UsarVirgula);
    UsarUE_->setChecked(g.UsarUE);
  }
  PreencheSeletores();
  aplicado_.valido = false;
  AtualizaLeituras(true);
}

bool JanelaRegistrador::AplicadoMudou(const Registrador& r) {
  const Tendencia& g = r.Grafico;
  const bool ingles = sessao_.IdiomaIngles();
  Aplicado& a = aplicado_;
  if (a.valido && a.legenda == r.Caption && a.unidade == r.Unidade && a.inf == r.FaixaInf &&
      a.sup == r.FaixaSup && a.escalaSup == g.TextoEscalaSup && a.escalaInf == g.TextoEscalaInf &&
      a.taxa == g.TextoTaxa && a.rotulos == g.RotuloEscala &&
      a.nomes[0] == r.NomeVariavel1.Em(ingles) && a.nomes[1] == r.NomeVariavel2.Em(ingles) &&
      a.nomes[2] == r.NomeVariavel3.Em(ingles) && a.pena2 == r.Pen2Ativa() &&
      a.pena3 == r.Pen3Ativa())
    return false;
  a.valido = true;
  a.legenda = r.Caption;
  a.unidade = r.Unidade;
  a.inf = r.FaixaInf;
  a.sup = r.FaixaSup;
  a.escalaSup = g.TextoEscalaSup;
  a.escalaInf = g.TextoEscalaInf;
  a.taxa = g.TextoTaxa;
  a.rotulos = g.RotuloEscala;
  a.nomes = {std::string(r.NomeVariavel1.Em(ingles)), std::string(r.NomeVariavel2.Em(ingles)),
             std::string(r.NomeVariavel3.Em(ingles))};
  a.pena2 = r.Pen2Ativa();
  a.pena3 = r.Pen3Ativa();
  return true;
}

void JanelaRegistrador::AtualizaLeituras(bool tudo) {
  const Registrador* r = modelo();
  if (!r) return;
  const Tendencia& g = r->Grafico;
  PoeTexto(VermelhoLabel_, r->LeituraVariavel1);
  PoeTexto(AzulLabel_, r->LeituraVariavel2);
  PoeTexto(VerdeLabel_, r->LeituraVariavel3);

  // Archive state: the box follows the model (a write error closes the file
  // inside a cycle), the locked controls and the blinking follow the box.
  const bool arquivando = g.Arquivando();
  if (CheckBox1_->isChecked() != arquivando || tudo) {
    {
      const QSignalBlocker mudo(CheckBox1_);
      CheckBox1_->setChecked(arquivando);
    }
    const bool livres = g.ControlesLivres();
    for (QWidget* w : {static_cast<QWidget*>(eSupText_), static_cast<QWidget*>(eInfText_),
                       static_cast<QWidget*>(SpeedButton1_), static_cast<QWidget*>(TagText_),
                       static_cast<QWidget*>(BaseTempoBox_)})
      w->setEnabled(livres);
    if (g.PiscaAtivo() != Timer1_->isActive()) {
      if (g.PiscaAtivo())
        Timer1_->start();
      else
        Timer1_->stop();
    }
    Label21_->setVisible(g.TextoTaxaVisivel());
  }
  CheckBox1_->setEnabled(r->ArquivoHabilitado() || arquivando);

  const bool aplicado = AplicadoMudou(*r);
  if (!tudo && !aplicado) {
    if (g.Posicao != ultimaPosicao_ || g.FaseGrade != ultimaFase_) {
      ultimaPosicao_ = g.Posicao;
      ultimaFase_ = g.FaseGrade;
      Image1_->RedesenhaCurvas();
    }
    return;
  }

  // Everything else changes only through an action or an apply.
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  ultimaPosicao_ = g.Posicao;
  ultimaFase_ = g.FaseGrade;
  // Before its first configuration the recorder's caption and rate text are
  // the ones the window is built with, which the translation knows; the later
  // ones come from the user's texts or read the same in both languages.
  const QString legenda = tr(r->Caption.c_str());
  if (windowTitle() != legenda) setWindowTitle(legenda);
  PoeTexto(eSupText_, g.TextoEscalaSup);
  PoeTexto(eInfText_, g.TextoEscalaInf);
  PoeTexto(Label1_, r->UnidadeEscala);
  const QString taxa = tr(g.TextoTaxa.c_str());
  if (Label21_->text() != taxa) Label21_->setText(taxa);
  EscalaAuto_->setChecked(g.EscalaAuto);
  SpeedButton1_->setChecked(g.Pausado);
  Panel3_->setVisible(g.PainelPontosVisivel());
  for (std::size_t k = 0; k < CoodsText_.size(); ++k) PoeTexto(CoodsText_[k], g.Leituras[k]);

  const bool ingles = sessao_.IdiomaIngles();
  auto nome = [](std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  };
  const QString unidade = QString::fromStdString(r->Unidade);
  Image1_->DefinePenas({
      {1, kVermelho, nome(r->NomeVariavel1.Em(ingles)), unidade, 2, true, true},
      {2, kAzul, nome(r->NomeVariavel2.Em(ingles)), unidade, 2, r->Pen2Ativa(), true},
      {3, kVerde, nome(r->NomeVariavel3.Em(ingles)), QStringLiteral("%"), 2, r->Pen3Ativa(), true},
  });
  Image1_->DefineFaixa({r->FaixaInf, r->FaixaSup});
  Image1_->update();
}

bool JanelaRegistrador::Opera(const std::function<void(Registrador&)>& operacao) {
  if (!modelo()) return false;
  sessao_.Opera([n = n_, &operacao](Documento& d) {
    if (Registrador* r = d.RegistradorDe(n)) operacao(*r);
  });
  return true;
}

void JanelaRegistrador::Variavel3SelectChange(int item) {
  if (preenchendo_ || !modelo()) return;
  // The loop shortcut may move pens 1 and 2 as well.
  sessao_.Executa(new ComandoRegistrador(sessao_, n_, ComandoRegistrador::kSemJuncao,
                                         [item](Registrador& r) { r.EscolheVariavel3(item); }));
}

// The time base is kept in the simulation file, so a chart opens again as it
// was left; it is still the operator's setting of the running recorder (an
// archive samples at the base it started with), never undone.
void JanelaRegistrador::BaseTempoBoxChange(int item) {
  if (preenchendo_) return;
  if (Opera([item](Registrador& r) {
        r.Grafico.ItemBaseTempo = item;
        r.Grafico.AtualizaTextoTaxa();
      }))
    AtualizaLeituras(true);
}

void JanelaRegistrador::EscalaAutoClick(bool marcado) {
  if (preenchendo_) return;
  if (Opera([marcado](Registrador& r) {
        r.Grafico.EscalaAuto = marcado;
        r.AplicaConfiguracao();
      }))
    AtualizaLeituras(true);
}

void JanelaRegistrador::Image1DblClick() {
  if (Opera([](Registrador& r) { r.AplicaConfiguracao(); })) AtualizaLeituras(true);
}

void JanelaRegistrador::TeclaEscala() {
  if (Opera([](Registrador& r) { r.TeclaEscala(Registrador::kEnter); })) AtualizaLeituras(true);
}

void JanelaRegistrador::SpeedButton1Click() {
  if (Opera([](Registrador& r) { r.AlternaPausa(); })) AtualizaLeituras(true);
}

void JanelaRegistrador::Image1MouseDown(int X, int Y) {
  // The point read-outs work only while the chart is paused.
  const Registrador* r = modelo();
  if (!r || !r->Grafico.Pausado) return;
  bool escrito = false;
  Opera([X, Y, &escrito](Registrador& registrador) { escrito = registrador.MarcaPonto(X, Y); });
  if (escrito) AtualizaLeituras(true);
}

void JanelaRegistrador::CheckBox1Click(bool marcado) {
  if (preenchendo_) return;
  if (!modelo()) return;
  QString pasta;
  if (marcado) {
    // The folder is asked each time an archive starts, from the last one
    // used here; cancelling leaves the archive off.
    pasta = Interacao::Atual().EscolhePasta(
        this, tr("Selecione uma pasta"),
        pastaArquivo_.isEmpty() ? sessao_.PastaDosDialogos() : pastaArquivo_);
    if (pasta.isEmpty()) {
      const QSignalBlocker mudo(CheckBox1_);
      CheckBox1_->setChecked(false);
      return;
    }
    pastaArquivo_ = pasta;
  }
  // The recorder may have gone while the dialog was open.
  try {
    if (!Opera([marcado, caminho = std::filesystem::path(pasta.toStdU16String())](Registrador& r) {
          r.Arquiva(marcado, caminho);
        }))
      return;
  } catch (const std::exception& e) {
    Interacao::Atual().Informa(this, QStringLiteral("QUIV"), QString::fromStdString(e.what()));
  }
  AtualizaLeituras(true);
}

void JanelaRegistrador::Timer1Timer() {
  Registrador* r = modelo();
  if (!r) {
    Timer1_->stop();
    return;
  }
  r->Grafico.Pisca();
  Label21_->setVisible(r->Grafico.TextoTaxaVisivel());
}

void JanelaRegistrador::closeEvent(QCloseEvent* evento) {
  // Closing only hides the window: the recorder keeps sampling and archiving,
  // and a paused chart runs again.
  if (const Registrador* r = modelo()) {
    if (r->Grafico.Pausado) Opera([](Registrador& registrador) { registrador.FechaJanela(); });
    AtualizaLeituras(true);
  }
  evento->accept();
  QWidget::closeEvent(evento);
  sessao_.PedeAtualizaTela();
}

}  // namespace quiv
