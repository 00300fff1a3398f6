// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_processo.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/verificacoes.h"
#include "core/objetos/processo.h"
#include "ui/comum/controles.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/comando_formulario.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

std::string Std(const QString& t) { return t.toStdString(); }

// The address picker: it tells when the user enters it (focus or the list
// opening), so the items can be rebuilt from the current descriptions first.
class SeletorEndereco : public QComboBox {
 public:
  SeletorEndereco(QWidget* pai, std::function<void()> entrou)
      : QComboBox(pai), entrou_(std::move(entrou)) {}

  void showPopup() override {
    entrou_();
    QComboBox::showPopup();
  }

 protected:
  void focusInEvent(QFocusEvent* evento) override {
    entrou_();
    QComboBox::focusInEvent(evento);
  }

 private:
  std::function<void()> entrou_;
};

}  // namespace

JanelaProcesso::JanelaProcesso(SessaoSimulacao& sessao, int n, QWidget* pai)
    : QWidget(pai, Qt::Window), sessao_(sessao), n_(n) {
  setObjectName(QStringLiteral("Processo%1").arg(n));
  setWindowTitle(tr("Processo"));
  CriaControles();
  Conecta();
  Preenche();
  btnatualiza_->setEnabled(false);
  SairButton_->setEnabled(true);
  resize(sizeHint());
}

JanelaProcesso::~JanelaProcesso() = default;

Processo* JanelaProcesso::modelo() const { return sessao_.documento().ProcessoDe(n_); }

void JanelaProcesso::CriaControles() {
  auto* principal = new QVBoxLayout(this);

  // Title and read-outs.
  Panel1_ = new QFrame(this);
  Panel1_->setObjectName(QStringLiteral("Panel1"));
  Panel1_->setFrameShape(QFrame::StyledPanel);
  Panel1_->setFrameShadow(QFrame::Raised);
  auto* painel = new QGridLayout(Panel1_);
  Label9_ = TituloObjeto(Panel1_, "Label9");
  painel->addWidget(Label9_, 0, 0, 1, 6);
  auto leitura = [this](const char* nome) {
    QLabel* l = Rotulo(Panel1_, nome, QStringLiteral("0.00"));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-00000.00")));
    return l;
  };
  Label36_ = leitura("Label36");
  Label26_ = leitura("Label26");
  Label12_ = leitura("Label12");
  Label2_ = Rotulo(Panel1_, "Label2", {});
  Label22_ = Rotulo(Panel1_, "Label22", {});
  painel->addWidget(Rotulo(Panel1_, "Label40", tr("Entrada (%):")), 1, 0);
  painel->addWidget(Label36_, 1, 1);
  painel->addWidget(Rotulo(Panel1_, "Label25", tr("Posição Atuador(%):")), 1, 2);
  painel->addWidget(Label26_, 1, 3);
  painel->addWidget(Label2_, 1, 4);
  painel->addWidget(Rotulo(Panel1_, "Label5", tr("Saída(%):")), 2, 2);
  painel->addWidget(Label12_, 2, 3);
  painel->addWidget(Label22_, 2, 4);
  painel->setColumnStretch(5, 1);
  principal->addWidget(Panel1_);

  auto* colunas = new QHBoxLayout;
  principal->addLayout(colunas);

  // Left: the block's identity, input, gain, dead time and transfer function.
  auto* esquerda = new QVBoxLayout;
  colunas->addLayout(esquerda, 1);
  auto* geral = new QFormLayout;
  esquerda->addLayout(geral);
  TagText_ = Edicao(this, "TagText");
  DescricaoText_ = Edicao(this, "DescricaoText");
  EntradaSelect_ = new SeletorEndereco(this, [this] { EntradaSelectEnter(); });
  EntradaSelect_->setObjectName(QStringLiteral("EntradaSelect"));
  EntradaSelect_->setToolTip(tr("Seleciona Endereço da Variável de Entrada do Bloco"));
  // Long descriptions widen the list, not the window.
  EntradaSelect_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  EntradaSelect_->setMinimumContentsLength(22);
  GanhoText_ = Edicao(this, "GanhoText", tr("Ganho do Processo"));
  TempoMorto_ = Edicao(this, "TempoMorto", tr("Tempo Morto (segundos)"));
  ComboBox2_ = new QComboBox(this);
  ComboBox2_->setObjectName(QStringLiteral("ComboBox2"));
  ComboBox2_->setToolTip(tr("Seleciona Função de Transferência"));
  ComboBox2_->addItems({tr("Ordem 2 Sobreamortecido"), tr("Ordem 2 Subamortecido"),
                        tr("Filtro LEAD-LAG"), tr("Integrador")});
  geral->addRow(Rotulo(this, "Label3", tr("Tag:")), TagText_);
  geral->addRow(Rotulo(this, "Label4", tr("Desc")), DescricaoText_);
  geral->addRow(Rotulo(this, "Label8", tr("Entrada:")), EntradaSelect_);
  geral->addRow(Rotulo(this, "Label20", tr("Ganho:")), GanhoText_);
  geral->addRow(Rotulo(this, "Label15", tr("TM(seg):")), TempoMorto_);
  geral->addRow(Rotulo(this, "Label7", tr("Tipo F.T.:")), ComboBox2_);

  auto grupo = [this, esquerda](const char* nome, const QString& titulo) {
    auto* g = new QGroupBox(titulo, this);
    g->setObjectName(QString::fromLatin1(nome));
    esquerda->addWidget(g);
    return g;
  };
  GroupPVC_ = grupo("GroupPVC", tr("Ordem 2 Sobreamortecido"));
  auto* pvc = new QFormLayout(GroupPVC_);
  LText_ = Edicao(GroupPVC_, "LText");
  Ctext_ = Edicao(GroupPVC_, "Ctext");
  pvc->addRow(Rotulo(GroupPVC_, "Label1", tr("Tal1(seg):")), LText_);
  pvc->addRow(Rotulo(GroupPVC_, "Label30", tr("Tal2(seg):")), Ctext_);

  GroupOrdem2_ = grupo("GroupOrdem2", tr("Ordem 2 Subamortecido"));
  auto* ordem2 = new QFormLayout(GroupOrdem2_);
  NCText_ = Edicao(GroupOrdem2_, "NCText");
  PeriodoText_ = Edicao(GroupOrdem2_, "PeriodoText");
  ordem2->addRow(Rotulo(GroupOrdem2_, "Label33", tr("Num. Ciclos:")), NCText_);
  ordem2->addRow(Rotulo(GroupOrdem2_, "Label34", tr("Período(seg):")), PeriodoText_);

  GroupLEADLAG_ = grupo("GroupLEADLAG", tr("Filtro LEAD-LAG"));
  auto* leadLag = new QFormLayout(GroupLEADLAG_);
  LEAD_ = Edicao(GroupLEADLAG_, "LEAD");
  LAG_ = Edicao(GroupLEADLAG_, "LAG");
  leadLag->addRow(Rotulo(GroupLEADLAG_, "Label28", tr("LEAD(seg):")), LEAD_);
  leadLag->addRow(Rotulo(GroupLEADLAG_, "Label29", tr("LAG(seg):")), LAG_);

  GroupBox2_ = grupo("GroupBox2", tr("Processo Integrador"));
  auto* integrador = new QFormLayout(GroupBox2_);
  Label35_ = Rotulo(GroupBox2_, "Label35", tr("Valor Inicial(%):"));
  ValorInicialText_ = Edicao(GroupBox2_, "ValorInicialText");
  integrador->addRow(Label35_, ValorInicialText_);
  esquerda->addStretch(1);

  // Right: the nonlinearities of the final control element.
  GroupBox1_ = new QGroupBox(tr("Características Não-Lineares"), this);
  GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
  auto* naoLinear = new QFormLayout(GroupBox1_);
  ComboBox1_ = new QComboBox(GroupBox1_);
  ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1_->addItems({tr("Linear"), tr("Curva Abertura Rápida"), tr("Curva Igual Porcentagem"),
                        tr("Curva S1"), tr("Curva S2")});
  Histerese_ = Edicao(GroupBox1_, "Histerese");
  valveStext_ = Edicao(GroupBox1_, "valveStext");
  tal_ = Edicao(GroupBox1_, "tal");
  ratetext_ = Edicao(GroupBox1_, "ratetext");
  CheckBox1_ = new QCheckBox(tr("Desativar Saturador"), GroupBox1_);
  CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
  naoLinear->addRow(Rotulo(GroupBox1_, "Label18", tr("Curva de ganho:")), ComboBox1_);
  naoLinear->addRow(Rotulo(GroupBox1_, "Label14", tr("Histerese:")), Histerese_);
  naoLinear->addRow(Rotulo(GroupBox1_, "Label19", tr("Agarramento:")), valveStext_);
  naoLinear->addRow(Rotulo(GroupBox1_, "Label21", tr("LAG(seg):")), tal_);
  naoLinear->addRow(Rotulo(GroupBox1_, "Label37", tr("Rate(%/seg):")), ratetext_);
  naoLinear->addRow(CheckBox1_);
  auto* direita = new QVBoxLayout;
  direita->addWidget(GroupBox1_);
  direita->addStretch(1);
  colunas->addLayout(direita, 1);

  // Buttons.
  auto* botoes = new QHBoxLayout;
  principal->addLayout(botoes);
  btnatualiza_ = new QPushButton(tr("Atualizar"), this);
  btnatualiza_->setObjectName(QStringLiteral("btnatualiza"));
  SpeedButton1_ = new QToolButton(this);
  SpeedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1_->setText(QStringLiteral("?"));
  SpeedButton1_->setToolTip(tr("Ajuda"));
  SairButton_ = new QToolButton(this);
  SairButton_->setObjectName(QStringLiteral("SairButton"));
  SairButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  SairButton_->setToolTip(tr("Sair"));
  botoes->addWidget(btnatualiza_);
  botoes->addStretch(1);
  botoes->addWidget(SpeedButton1_);
  botoes->addWidget(SairButton_);
}

void JanelaProcesso::Conecta() {
  // Each edit goes into the window's form; "Atualizar" hands it to the
  // session. A live field also reaches the running block at once, as long as
  // its text evaluates: a typing error never reaches the plant.
  auto campo = [this](QLineEdit* edicao, std::string FormularioProcesso::*membro, bool vivo) {
    connect(edicao, &QLineEdit::textChanged, this, [this, membro, vivo](const QString& texto) {
      if (preenchendo_) return;
      rascunho_.*membro = Std(texto);
      if (vivo && EquacaoValida(rascunho_.*membro, sessao_.simulacao().memoria))
        sessao_.Opera([n = n_, membro, valor = rascunho_.*membro](Documento& d) {
          if (Processo* p = d.ProcessoDe(n)) p->*membro = valor;
        });
      Alterado();
    });
  };
  connect(TagText_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (preenchendo_) return;
    rascunho_.Tag.Edita(sessao_.IdiomaIngles(), Std(t));
    Alterado();
  });
  connect(DescricaoText_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (preenchendo_) return;
    rascunho_.Descricao.Edita(sessao_.IdiomaIngles(), Std(t));
    Alterado();
  });
  campo(GanhoText_, &FormularioProcesso::Ganho, false);
  campo(TempoMorto_, &FormularioProcesso::TempoMorto, false);
  campo(LText_, &FormularioProcesso::Tal1, true);
  campo(Ctext_, &FormularioProcesso::Tal2, true);
  campo(NCText_, &FormularioProcesso::TextoNC, false);
  campo(PeriodoText_, &FormularioProcesso::TextoPeriodo, false);
  campo(LEAD_, &FormularioProcesso::Lead, true);
  campo(LAG_, &FormularioProcesso::Lag, true);
  campo(Histerese_, &FormularioProcesso::Histerese, false);
  campo(valveStext_, &FormularioProcesso::Agarramento, false);
  campo(tal_, &FormularioProcesso::ConstanteTempoAtuador, false);
  campo(ratetext_, &FormularioProcesso::LimiteTaxa, true);
  // The initial value arms the integrator's restart at the next apply.
  connect(ValorInicialText_, &QLineEdit::textChanged, this, [this](const QString& texto) {
    if (preenchendo_) return;
    rascunho_.ValorInicial = Std(texto);
    sessao_.Opera([n = n_, valor = rascunho_.ValorInicial](Documento& d) {
      if (Processo* p = d.ProcessoDe(n)) p->DefineValorInicial(valor);
    });
    btnatualiza_->setEnabled(true);
  });

  connect(EntradaSelect_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (preenchendo_) return;
    rascunho_.ItemEntrada = item;
    Alterado();
  });
  connect(ComboBox2_, &QComboBox::currentIndexChanged, this, [this](int tipo) {
    MostraGrupoTipo(tipo);
    if (preenchendo_) return;
    rascunho_.TipoFuncao = tipo;
    Alterado();
  });
  connect(ComboBox1_, &QComboBox::currentIndexChanged, this, [this](int tipo) {
    if (preenchendo_) return;
    rascunho_.TipoValvula = tipo;
    Alterado();
  });
  connect(CheckBox1_, &QCheckBox::toggled, this, [this](bool desligado) {
    if (preenchendo_) return;
    rascunho_.SaturadorDesligado = desligado;
    sessao_.Opera([n = n_, desligado](Documento& d) {
      if (Processo* p = d.ProcessoDe(n)) p->SaturadorDesligado = desligado;
    });
    Alterado();
  });

  connect(btnatualiza_, &QPushButton::clicked, this, &JanelaProcesso::btnatualizaClick);
  connect(SairButton_, &QToolButton::clicked, this, &JanelaProcesso::SairButtonClick);
  connect(SpeedButton1_, &QToolButton::clicked, this, &JanelaProcesso::SpeedButton1Click);

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &JanelaProcesso::AtualizaLeituras);
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    // Another plant: nothing typed here belongs to it.
    btnatualiza_->setEnabled(false);
    SairButton_->setEnabled(true);
    if (isVisible() && modelo()) Preenche();
  });
  // An apply of this block, or its undo: the window shows the block's form.
  connect(&sessao_, &SessaoSimulacao::ObjetoAlterado, this, [this](TipoObjeto tipo, int n) {
    if (tipo != TipoObjeto::Processo || n != n_ || !modelo()) return;
    btnatualiza_->setEnabled(false);
    SairButton_->setEnabled(true);
    Preenche();
  });
}

void JanelaProcesso::Preenche() {
  Processo* p = modelo();
  if (!p) return;
  preenchendo_ = true;
  const bool ingles = sessao_.IdiomaIngles();
  // The window shows its form: the object's, unless an edit waits to be
  // applied.
  if (!btnatualiza_->isEnabled()) {
    p->CarregaDescricao();
    rascunho_ = *p;
  }
  const auto& f = rascunho_;
  TagText_->setText(Texto(f.Tag.Em(ingles)));
  DescricaoText_->setText(Texto(f.Descricao.Em(ingles)));
  EntradaSelectEnter();
  EntradaSelect_->setCurrentIndex(
      f.ItemEntrada >= 0 && f.ItemEntrada < EntradaSelect_->count() ? f.ItemEntrada : -1);
  GanhoText_->setText(Texto(f.Ganho));
  TempoMorto_->setText(Texto(f.TempoMorto));
  ComboBox2_->setCurrentIndex(f.TipoFuncao >= 0 && f.TipoFuncao < ComboBox2_->count() ? f.TipoFuncao
                                                                                      : -1);
  MostraGrupoTipo(f.TipoFuncao);
  LText_->setText(Texto(f.Tal1));
  Ctext_->setText(Texto(f.Tal2));
  NCText_->setText(Texto(f.TextoNC));
  PeriodoText_->setText(Texto(f.TextoPeriodo));
  LEAD_->setText(Texto(f.Lead));
  LAG_->setText(Texto(f.Lag));
  ValorInicialText_->setText(Texto(f.ValorInicial));
  ComboBox1_->setCurrentIndex(
      f.TipoValvula >= 0 && f.TipoValvula < ComboBox1_->count() ? f.TipoValvula : -1);
  Histerese_->setText(Texto(f.Histerese));
  valveStext_->setText(Texto(f.Agarramento));
  tal_->setText(Texto(f.ConstanteTempoAtuador));
  ratetext_->setText(Texto(f.LimiteTaxa));
  CheckBox1_->setChecked(f.SaturadorDesligado);
  MostraIdentificacao();
  preenchendo_ = false;
  DefineTexto(Label36_, Texto(TextoFixo(p->X0, 2)));
  DefineTexto(Label26_, Texto(TextoFixo(p->Xa, 2)));
  DefineTexto(Label12_, Texto(TextoFixo(p->Y2, 2)));
}

void JanelaProcesso::EntradaSelectEnter() {
  const std::vector<std::string> itens = ListaEnderecos(sessao_.documento().simulacao.memoria);
  const bool estava = preenchendo_;
  preenchendo_ = true;
  if (EntradaSelect_->count() != static_cast<int>(itens.size())) {
    const int item = EntradaSelect_->currentIndex();
    EntradaSelect_->clear();
    for (const std::string& i : itens) EntradaSelect_->addItem(Texto(i));
    EntradaSelect_->setCurrentIndex(item < EntradaSelect_->count() ? item : -1);
  } else {
    for (int k = 0; k < EntradaSelect_->count(); ++k) {
      const QString texto = Texto(itens[static_cast<std::size_t>(k)]);
      if (EntradaSelect_->itemText(k) != texto) EntradaSelect_->setItemText(k, texto);
    }
  }
  // The open list shows whole descriptions, however narrow the box.
  QAbstractItemView* lista = EntradaSelect_->view();
  lista->setMinimumWidth(lista->sizeHintForColumn(0) +
                         lista->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lista));
  preenchendo_ = estava;
}

void JanelaProcesso::MostraGrupoTipo(int tipo) {
  GroupPVC_->setVisible(tipo == Processo::kSobreamortecido);
  GroupOrdem2_->setVisible(tipo == Processo::kSubamortecido);
  GroupLEADLAG_->setVisible(tipo == Processo::kLeadLag);
  const bool integrador = tipo == Processo::kIntegrador;
  GroupBox2_->setVisible(integrador);
  ValorInicialText_->setVisible(integrador);
  Label35_->setVisible(integrador);
}

void JanelaProcesso::MostraIdentificacao() {
  const Processo* p = modelo();
  if (!p) return;
  DefineTexto(Label9_, Texto(p->Identificacao));
  DefineTexto(Label22_, Texto(p->RotuloSaida));
  DefineTexto(Label2_, Texto(p->RotuloPosicaoAtuador));
  // Before a first apply the block has no description to name the window.
  const QString legenda = p->Caption.empty() ? tr("Processo") : Texto(p->Caption);
  if (windowTitle() != legenda) setWindowTitle(legenda);
}

void JanelaProcesso::AtualizaLeituras() {
  if (!isVisible() || sessao_.simulacao().ModoRapido) return;
  const Processo* p = modelo();
  if (!p) return;
  DefineTexto(Label36_, Texto(TextoFixo(p->X0, 2)));
  DefineTexto(Label26_, Texto(TextoFixo(p->Xa, 2)));
  DefineTexto(Label12_, Texto(TextoFixo(p->Y2, 2)));
}

void JanelaProcesso::Alterado() {
  btnatualiza_->setEnabled(true);
  SairButton_->setEnabled(false);
}

void JanelaProcesso::Mostra() {
  Preenche();
  show();
  raise();
  activateWindow();
}

void JanelaProcesso::btnatualizaClick() {
  // All or nothing; on success the session's announcement refills the window.
  if (modelo()) AplicaFormulario<Processo>(sessao_, n_, rascunho_);
}

void JanelaProcesso::SairButtonClick() { close(); }

void JanelaProcesso::SpeedButton1Click() {
  Interacao::Atual().AbreEndereco(EnderecoAjuda("/simulador/objetos_simulacao/#bloco_processo"));
}

void JanelaProcesso::closeEvent(QCloseEvent* evento) {
  // Only the window goes; the block keeps running.
  evento->accept();
  QWidget::closeEvent(evento);
  sessao_.PedeAtualizaTela();
}

void JanelaProcesso::changeEvent(QEvent* evento) {
  // Coming back to the window shows the output's description as the variable
  // list may have left it, unless the user has an edit waiting to be applied.
  if (evento->type() == QEvent::ActivationChange && isActiveWindow() && btnatualiza_ &&
      !btnatualiza_->isEnabled()) {
    if (Processo* p = modelo()) {
      p->CarregaDescricao();
      rascunho_.Descricao = p->Descricao;
      preenchendo_ = true;
      DescricaoText_->setText(Texto(p->Descricao.Em(sessao_.IdiomaIngles())));
      preenchendo_ = false;
    }
  }
  QWidget::changeEvent(evento);
}

}  // namespace quiv
