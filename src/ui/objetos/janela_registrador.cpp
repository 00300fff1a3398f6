// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_registrador.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>
#include <filesystem>
#include <functional>

#include "core/arquivo/documento.h"
#include "core/objetos/registrador.h"
#include "ui/comum/arquivo_tendencia.h"
#include "ui/comum/controles.h"
#include "ui/comum/grafico_com_escala.h"
#include "ui/comum/grafico_tendencia.h"
#include "ui/comum/leituras_pontos.h"
#include "ui/comum/lista_renovada.h"
#include "ui/comum/poe_texto.h"
#include "ui/sessao/comando_registrador.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

const QColor kVermelho(255, 0, 0);
const QColor kAzul(0, 0, 255);
const QColor kVerde(0, 128, 0);

QToolButton* BotaoIcone(QWidget* pai, const char* nome, QStyle::StandardPixmap icone,
                        const QString& dica) {
  auto* b = new QToolButton(pai);
  b->setObjectName(QLatin1String(nome));
  b->setIcon(pai->style()->standardIcon(icone));
  b->setToolTip(dica);
  b->setAutoRaise(false);
  return b;
}

}  // namespace

JanelaRegistrador::JanelaRegistrador(SessaoSimulacao& sessao, int n, QWidget* pai)
    : JanelaObjeto(sessao, TipoObjeto::Registrador, n, pai) {
  setObjectName(QStringLiteral("TRegistrForm%1").arg(n));
  setWindowTitle(tr("Registrador"));

  auto* raiz = new QHBoxLayout(this);
  raiz->setContentsMargins(6, 6, 6, 6);
  raiz->setSpacing(8);
  auto* areaGrafico = new QWidget(this);
  areaGrafico->setObjectName(QStringLiteral("Panel1"));
  CriaGrafico(areaGrafico);
  raiz->addWidget(areaGrafico, 0);
  areaConfiguracao_ = new QFrame(this);
  areaConfiguracao_->setObjectName(QStringLiteral("Panel2"));
  CriaConfiguracao(areaConfiguracao_);
  raiz->addWidget(areaConfiguracao_, 1);
  Liga();

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, [this] {
    if (isVisible()) AtualizaLeituras(false);
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
  tituloPV_ = Rotulo(a, "TituloPV", tr("PV"), kVermelho);
  tituloMV_ = Rotulo(a, "TituloMV", tr("MV(%)"), kVerde);
  for (QLabel* l : {tituloPV_, tituloMV_}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  leituraVermelha_ = Rotulo(a, "VermelhoLabel", QString(), kVermelho);
  leituraAzul_ = Rotulo(a, "AzulLabel", QString(), kAzul);
  leituraVerde_ = Rotulo(a, "VerdeLabel", QString(), kVerde);
  topo->addWidget(tituloPV_);
  topo->addSpacing(20);
  for (QLabel* l : {leituraVermelha_, leituraAzul_, leituraVerde_}) topo->addWidget(l, 1);
  topo->addWidget(tituloMV_);
  v->addLayout(topo);

  // The chart, with the unit under the upper scale edit.
  unidadeEscala_ = Rotulo(a, "Label1", QStringLiteral("%"));
  unidadeEscala_->setAlignment(Qt::AlignCenter);
  auto* quadro = new GraficoComEscala(
      unidadeEscala_, {}, [this] { TeclaEscala(); }, a);
  grafico_ = quadro->Grafico();
  escalaSuperior_ = quadro->EscalaSuperior();
  escalaInferior_ = quadro->EscalaInferior();
  grafico_->DefineEscalaFixaADireita(kVerde);
  grafico_->DefineFonte([this]() -> const Tendencia* {
    const Registrador* r = modelo();
    return r ? &r->Grafico : nullptr;
  });
  v->addWidget(quadro);

  // Time base, scale, line width and the window's buttons.
  auto* controles = new QHBoxLayout;
  controles->setSpacing(6);
  baseTempo_ = new QComboBox(a);
  baseTempo_->setObjectName(QStringLiteral("BaseTempoBox"));
  baseTempo_->addItems({tr("3 segundos"), tr("9 segundos"), tr("1 minuto")});
  controles->addWidget(Rotulo(a, "Label17", tr("Tempo: 1 divisão =")));
  controles->addWidget(baseTempo_);
  controles->addSpacing(6);
  controles->addWidget(Rotulo(a, "StaticText1", tr("Escala")));
  escalaAuto_ = Caixa(a, "EscalaAuto", tr("Auto"));
  controles->addWidget(escalaAuto_);
  controles->addSpacing(6);
  linhaGrossa_ = Caixa(a, "CheckBox2", tr("Linha Grossa"));
  controles->addWidget(linhaGrossa_);
  controles->addStretch(1);
  botaoPausa_ = BotaoIcone(a, "SpeedButton1", QStyle::SP_MediaPause, tr("Pausar"));
  botaoPausa_->setCheckable(true);
  botaoConfiguracao_ =
      BotaoIcone(a, "ConfBTN", QStyle::SP_FileDialogDetailedView, tr("Abrir configuração"));
  botaoSair_ = BotaoIcone(a, "SairBTN", QStyle::SP_DialogCloseButton, tr("Sair"));
  for (QToolButton* b : {botaoPausa_, botaoConfiguracao_, botaoSair_}) controles->addWidget(b);
  v->addLayout(controles);

  // The archive with its blinking rate text, and the point read-outs of the
  // paused chart.
  auto* baixo = new QHBoxLayout;
  baixo->setSpacing(10);
  auto* arquivo = new QVBoxLayout;
  arquivo->setSpacing(0);
  arquivo_ = new ArquivoTendencia(a, tr("Arquivar"), tr("Salvar novos dados em arquivo TXT"),
                                  tr("Arquivando: TA=0.1 seg"), [this]() -> Tendencia* {
                                    Registrador* r = modelo();
                                    return r ? &r->Grafico : nullptr;
                                  });
  arquivar_ = arquivo_->Caixa();
  taxaArquivo_ = arquivo_->Taxa();
  taxaArquivo_->setMinimumWidth(
      taxaArquivo_->fontMetrics().horizontalAdvance(QStringLiteral("Saving 0.334s sampling")));
  arquivo->addWidget(arquivar_);
  arquivo->addWidget(taxaArquivo_);
  arquivo->addStretch(1);
  baixo->addLayout(arquivo);

  painelPontos_ = new LeiturasPontos(a, QStringLiteral("Y: -0000.0 %  T: 000.0 s"));
  baixo->addWidget(painelPontos_);
  baixo->addStretch(1);
  v->addLayout(baixo);
  v->addStretch(1);
}

void JanelaRegistrador::CriaConfiguracao(QWidget* p) {
  auto* g = new QGridLayout(p);
  g->setContentsMargins(0, 0, 0, 0);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(3);
  int linha = 0;
  tag_ = new QLineEdit(p);
  tag_->setObjectName(QStringLiteral("TagText"));
  g->addWidget(Rotulo(p, "RotuloTag", tr("Tag")), linha, 0);
  g->addWidget(tag_, linha++, 1);
  descricao_ = new QLineEdit(p);
  descricao_->setObjectName(QStringLiteral("DescricaoText"));
  g->addWidget(Rotulo(p, "Label13", tr("   Descrição")), linha++, 0, 1, 2);
  g->addWidget(descricao_, linha++, 0, 1, 2);

  const char* rotulosVariavel[] = {"Label14", "Label15", "Label16"};
  const char* rotulosTexto[] = {"Label18", "Label19", "Label20"};
  for (int k = 0; k < 3; ++k) {
    const auto i = static_cast<std::size_t>(k);
    g->setRowMinimumHeight(linha++, 4);
    auto* seletor = new ListaRenovada([this] { PreencheSeletores(); }, p);
    seletor->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    seletor->setMinimumContentsLength(8);
    seletor->setObjectName(QStringLiteral("Variavel%1Select").arg(k + 1));
    seletoresVariavel_[i] = seletor;
    g->addWidget(Rotulo(p, rotulosVariavel[k], tr("Variável %1").arg(k + 1)), linha, 0);
    g->addWidget(seletor, linha++, 1);
    nomesVariavel_[i] = new QLineEdit(p);
    nomesVariavel_[i]->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
    g->addWidget(Rotulo(p, rotulosTexto[k], tr("Texto %1").arg(k + 1)), linha, 0);
    g->addWidget(nomesVariavel_[i], linha++, 1);
  }
  g->setRowMinimumHeight(linha++, 4);
  usarVirgula_ = Caixa(p, "UsarVirgula", tr("Utilizar ',' como separador decimal"));
  usarUE_ = Caixa(p, "UsarUE", tr("Salvar valores em Unid. de Eng."));
  g->addWidget(usarVirgula_, linha++, 0, 1, 2);
  g->addWidget(usarUE_, linha++, 0, 1, 2);
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
  texto(tag_, &FormularioRegistrador::Tag);
  texto(descricao_, &FormularioRegistrador::Descricao);
  texto(nomesVariavel_[0], &FormularioRegistrador::NomeVariavel1);
  texto(nomesVariavel_[1], &FormularioRegistrador::NomeVariavel2);
  texto(nomesVariavel_[2], &FormularioRegistrador::NomeVariavel3);
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
  seletor(seletoresVariavel_[0], &FormularioRegistrador::ItemVariavel1);
  seletor(seletoresVariavel_[1], &FormularioRegistrador::ItemVariavel2);
  connect(seletoresVariavel_[2], &QComboBox::currentIndexChanged, this,
          &JanelaRegistrador::EscolheVariavel3);
  connect(baseTempo_, &QComboBox::currentIndexChanged, this, &JanelaRegistrador::DefineBaseTempo);

  // How the chart is drawn and how the archive writes its numbers: the
  // operator's settings of the running recorder, which the simulation file
  // does not keep.
  auto opcao = [this](QCheckBox* caixa, bool Tendencia::*campo) {
    connect(caixa, &QCheckBox::toggled, this, [this, campo](bool marcado) {
      if (preenchendo_) return;
      Opera([campo, marcado](Registrador& r) { r.Grafico.*campo = marcado; });
      grafico_->RedesenhaCurvas();
    });
  };
  opcao(linhaGrossa_, &Tendencia::LinhaGrossa);
  opcao(usarVirgula_, &Tendencia::UsarVirgula);
  opcao(usarUE_, &Tendencia::UsarUE);
  auto escala = [this](QLineEdit* e, std::string Tendencia::*campo) {
    connect(e, &QLineEdit::textEdited, this, [this, campo](const QString& t) {
      if (preenchendo_) return;
      Opera([campo, t = t.toStdString()](Registrador& r) { r.Grafico.*campo = t; });
    });
  };
  escala(escalaSuperior_, &Tendencia::TextoEscalaSup);
  escala(escalaInferior_, &Tendencia::TextoEscalaInf);
  connect(escalaAuto_, &QCheckBox::toggled, this, &JanelaRegistrador::DefineEscalaAuto);
  connect(grafico_, &GraficoTendencia::DuploClique, this, &JanelaRegistrador::ReaplicaConfiguracao);
  connect(grafico_, &GraficoTendencia::Clicado, this, &JanelaRegistrador::MarcaPonto);
  connect(botaoPausa_, &QToolButton::clicked, this, &JanelaRegistrador::AlternaPausa);
  connect(arquivar_, &QCheckBox::clicked, this, &JanelaRegistrador::Arquiva);
  connect(botaoConfiguracao_, &QToolButton::clicked, this, &JanelaRegistrador::AlternaConfiguracao);
  connect(botaoSair_, &QToolButton::clicked, this, &QWidget::close);
}

void JanelaRegistrador::AoAbrir() {
  MostraConfiguracao(modelo()->Tag.Em(sessao_.IdiomaIngles()).empty());
  botaoSair_->setEnabled(true);
  botaoConfiguracao_->setEnabled(true);
}

void JanelaRegistrador::AlternaVisivel() {
  if (isVisible())
    close();
  else
    Mostra();
}

bool JanelaRegistrador::ConfiguracaoVisivel() const { return areaConfiguracao_->isVisibleTo(this); }

void JanelaRegistrador::MostraConfiguracao(bool mostrar) {
  areaConfiguracao_->setVisible(mostrar);
  botaoSair_->setEnabled(!mostrar);
  layout()->activate();
  const int largura = mostrar ? kLarguraConfiguracao : kLarguraGrafico;
  resize(std::max(largura, minimumSizeHint().width()),
         std::max(height(), std::max(kAltura, minimumSizeHint().height())));
}

void JanelaRegistrador::AlternaConfiguracao() { MostraConfiguracao(!ConfiguracaoVisivel()); }

void JanelaRegistrador::PreencheSeletores() {
  const Registrador* r = modelo();
  if (!r) return;
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  const Memoria& m = sessao_.simulacao().memoria;
  for (std::size_t i = 0; i < seletoresVariavel_.size(); ++i) {
    QComboBox* c = seletoresVariavel_[i];
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
  for (std::size_t i = 0; i < seletoresVariavel_.size(); ++i) {
    QComboBox* c = seletoresVariavel_[i];
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
    PoeTexto(tag_, r->Tag.Em(ingles));
    PoeTexto(descricao_, r->Descricao.Em(ingles));
    PoeTexto(nomesVariavel_[0], r->NomeVariavel1.Em(ingles));
    PoeTexto(nomesVariavel_[1], r->NomeVariavel2.Em(ingles));
    PoeTexto(nomesVariavel_[2], r->NomeVariavel3.Em(ingles));
    const Tendencia& g = r->Grafico;
    baseTempo_->setCurrentIndex(g.ItemBaseTempo);
    linhaGrossa_->setChecked(g.LinhaGrossa);
    usarVirgula_->setChecked(g.UsarVirgula);
    usarUE_->setChecked(g.UsarUE);
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
  PoeTexto(leituraVermelha_, r->LeituraVariavel1);
  PoeTexto(leituraAzul_, r->LeituraVariavel2);
  PoeTexto(leituraVerde_, r->LeituraVariavel3);

  arquivo_->Segue(g, tudo, {escalaSuperior_, escalaInferior_, botaoPausa_, tag_, baseTempo_});
  const bool arquivando = g.Arquivando();
  arquivar_->setEnabled(r->ArquivoHabilitado() || arquivando);

  const bool aplicado = AplicadoMudou(*r);
  if (!tudo && !aplicado) {
    grafico_->SegueCurvas(g);
    return;
  }

  // Everything else changes only through an action or an apply.
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  // Before its first configuration the recorder's caption and rate text are
  // the ones the window is built with, which the translation knows; the later
  // ones come from the user's texts or read the same in both languages.
  const QString legenda = tr(r->Caption.c_str());
  if (windowTitle() != legenda) setWindowTitle(legenda);
  PoeTexto(escalaSuperior_, g.TextoEscalaSup);
  PoeTexto(escalaInferior_, g.TextoEscalaInf);
  PoeTexto(unidadeEscala_, r->UnidadeEscala);
  const QString taxa = tr(g.TextoTaxa.c_str());
  if (taxaArquivo_->text() != taxa) taxaArquivo_->setText(taxa);
  escalaAuto_->setChecked(g.EscalaAuto);
  botaoPausa_->setChecked(g.Pausado);
  painelPontos_->Segue(g);

  const bool ingles = sessao_.IdiomaIngles();
  auto nome = [](std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  };
  const QString unidade = QString::fromStdString(r->Unidade);
  grafico_->DefinePenas({
      {1, kVermelho, nome(r->NomeVariavel1.Em(ingles)), unidade, 2, true, true},
      {2, kAzul, nome(r->NomeVariavel2.Em(ingles)), unidade, 2, r->Pen2Ativa(), true},
      {3, kVerde, nome(r->NomeVariavel3.Em(ingles)), QStringLiteral("%"), 2, r->Pen3Ativa(), true},
  });
  grafico_->DefineFaixa({r->FaixaInf, r->FaixaSup});
  grafico_->Redesenha(g);
}

bool JanelaRegistrador::Opera(const std::function<void(Registrador&)>& operacao) {
  if (!modelo()) return false;
  sessao_.Opera([n = n_, &operacao](Documento& d) {
    if (Registrador* r = d.RegistradorDe(n)) operacao(*r);
  });
  return true;
}

void JanelaRegistrador::EscolheVariavel3(int item) {
  if (preenchendo_ || !modelo()) return;
  // The loop shortcut may move pens 1 and 2 as well.
  sessao_.Executa(new ComandoRegistrador(sessao_, n_, ComandoRegistrador::kSemJuncao,
                                         [item](Registrador& r) { r.EscolheVariavel3(item); }));
}

// The time base is kept in the simulation file, so a chart opens again as it
// was left; it is still the operator's setting of the running recorder (an
// archive samples at the base it started with), never undone.
void JanelaRegistrador::DefineBaseTempo(int item) {
  if (preenchendo_) return;
  if (Opera([item](Registrador& r) {
        r.Grafico.ItemBaseTempo = item;
        r.Grafico.AtualizaTextoTaxa();
      }))
    AtualizaLeituras(true);
}

void JanelaRegistrador::DefineEscalaAuto(bool marcado) {
  if (preenchendo_) return;
  if (Opera([marcado](Registrador& r) {
        r.Grafico.EscalaAuto = marcado;
        r.AplicaConfiguracao();
      }))
    AtualizaLeituras(true);
}

void JanelaRegistrador::ReaplicaConfiguracao() {
  if (Opera([](Registrador& r) { r.AplicaConfiguracao(); })) AtualizaLeituras(true);
}

void JanelaRegistrador::TeclaEscala() {
  if (Opera([](Registrador& r) { r.TeclaEscala(Registrador::kEnter); })) AtualizaLeituras(true);
}

void JanelaRegistrador::AlternaPausa() {
  if (Opera([](Registrador& r) { r.AlternaPausa(); })) AtualizaLeituras(true);
}

void JanelaRegistrador::MarcaPonto(int X, int Y) {
  // The point read-outs work only while the chart is paused.
  const Registrador* r = modelo();
  if (!r || !r->Grafico.Pausado) return;
  bool escrito = false;
  Opera([X, Y, &escrito](Registrador& registrador) { escrito = registrador.MarcaPonto(X, Y); });
  if (escrito) AtualizaLeituras(true);
}

void JanelaRegistrador::Arquiva(bool marcado) {
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
      const QSignalBlocker mudo(arquivar_);
      arquivar_->setChecked(false);
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

void JanelaRegistrador::AoFechar() {
  // The recorder keeps sampling and archiving, and a paused chart runs again.
  if (const Registrador* r = modelo()) {
    if (r->Grafico.Pausado) Opera([](Registrador& registrador) { registrador.FechaJanela(); });
    AtualizaLeituras(true);
  }
}

}  // namespace quiv
