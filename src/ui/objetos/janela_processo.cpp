// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_processo.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/verificacoes.h"
#include "core/objetos/processo.h"
#include "ui/comum/controles.h"
#include "ui/comum/texto_qt.h"
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
    : JanelaDescrita(sessao, n, "/simulador/objetos_simulacao/#bloco_processo", pai) {
  setObjectName(QStringLiteral("Processo%1").arg(n));
  setWindowTitle(tr("Processo"));
  CriaControles();
  Conecta();
  Conclui(descricao_);
}

JanelaProcesso::~JanelaProcesso() = default;

void JanelaProcesso::CriaControles() {
  auto* principal = new QVBoxLayout(this);

  // Title and read-outs.
  painelTitulo_ = CriaPainelTitulo();
  auto* painel = new QGridLayout(painelTitulo_);
  titulo_ = TituloObjeto(painelTitulo_, "Label9");
  painel->addWidget(titulo_, 0, 0, 1, 6);
  auto leitura = [this](const char* nome) {
    QLabel* l = Rotulo(painelTitulo_, nome, QStringLiteral("0.00"));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-00000.00")));
    return l;
  };
  leituraEntrada_ = leitura("Label36");
  leituraAtuador_ = leitura("Label26");
  leituraSaida_ = leitura("Label12");
  rotuloAtuador_ = Rotulo(painelTitulo_, "Label2", {});
  rotuloSaida_ = Rotulo(painelTitulo_, "Label22", {});
  painel->addWidget(Rotulo(painelTitulo_, "Label40", tr("Entrada (%):")), 1, 0);
  painel->addWidget(leituraEntrada_, 1, 1);
  painel->addWidget(Rotulo(painelTitulo_, "Label25", tr("Posição Atuador(%):")), 1, 2);
  painel->addWidget(leituraAtuador_, 1, 3);
  painel->addWidget(rotuloAtuador_, 1, 4);
  painel->addWidget(Rotulo(painelTitulo_, "Label5", tr("Saída(%):")), 2, 2);
  painel->addWidget(leituraSaida_, 2, 3);
  painel->addWidget(rotuloSaida_, 2, 4);
  painel->setColumnStretch(5, 1);
  principal->addWidget(painelTitulo_);

  auto* colunas = new QHBoxLayout;
  principal->addLayout(colunas);

  // Left: the block's identity, input, gain, dead time and transfer function.
  auto* esquerda = new QVBoxLayout;
  colunas->addLayout(esquerda, 1);
  auto* geral = new QFormLayout;
  esquerda->addLayout(geral);
  tag_ = Edicao(this, "TagText");
  descricao_ = Edicao(this, "DescricaoText");
  entrada_ = new SeletorEndereco(this, [this] { PreencheEnderecos(); });
  entrada_->setObjectName(QStringLiteral("EntradaSelect"));
  entrada_->setToolTip(tr("Seleciona Endereço da Variável de Entrada do Bloco"));
  // Long descriptions widen the list, not the window.
  entrada_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  entrada_->setMinimumContentsLength(22);
  ganho_ = Edicao(this, "GanhoText", tr("Ganho do Processo"));
  tempoMorto_ = Edicao(this, "TempoMorto", tr("Tempo Morto (segundos)"));
  tipoFuncao_ = new QComboBox(this);
  tipoFuncao_->setObjectName(QStringLiteral("ComboBox2"));
  tipoFuncao_->setToolTip(tr("Seleciona Função de Transferência"));
  tipoFuncao_->addItems({tr("Ordem 2 Sobreamortecido"), tr("Ordem 2 Subamortecido"),
                         tr("Filtro LEAD-LAG"), tr("Integrador")});
  geral->addRow(Rotulo(this, "Label3", tr("Tag:")), tag_);
  geral->addRow(Rotulo(this, "Label4", tr("Desc")), descricao_);
  geral->addRow(Rotulo(this, "Label8", tr("Entrada:")), entrada_);
  geral->addRow(Rotulo(this, "Label20", tr("Ganho:")), ganho_);
  geral->addRow(Rotulo(this, "Label15", tr("TM(seg):")), tempoMorto_);
  geral->addRow(Rotulo(this, "Label7", tr("Tipo F.T.:")), tipoFuncao_);

  auto grupo = [this, esquerda](const char* nome, const QString& titulo) {
    auto* g = new QGroupBox(titulo, this);
    g->setObjectName(QString::fromLatin1(nome));
    esquerda->addWidget(g);
    return g;
  };
  // The edits of a group, each on a row of its own after its label, below
  // the rows the group has.
  using Campo = std::tuple<QLineEdit**, const char*, const char*, QString>;
  auto campos = [](QGroupBox* g, std::initializer_list<Campo> linhas) {
    auto* forma = qobject_cast<QFormLayout*>(g->layout());
    if (!forma) forma = new QFormLayout(g);
    for (const auto& [destino, nome, nomeRotulo, rotulo] : linhas) {
      *destino = Edicao(g, nome);
      forma->addRow(Rotulo(g, nomeRotulo, rotulo), *destino);
    }
    return forma;
  };
  grupoSobreamortecido_ = grupo("GroupPVC", tr("Ordem 2 Sobreamortecido"));
  campos(grupoSobreamortecido_, {{&constanteTempo1_, "LText", "Label1", tr("Tal1(seg):")},
                                 {&constanteTempo2_, "Ctext", "Label30", tr("Tal2(seg):")}});
  grupoSubamortecido_ = grupo("GroupOrdem2", tr("Ordem 2 Subamortecido"));
  campos(grupoSubamortecido_, {{&numeroCiclos_, "NCText", "Label33", tr("Num. Ciclos:")},
                               {&periodo_, "PeriodoText", "Label34", tr("Período(seg):")}});
  grupoLeadLag_ = grupo("GroupLEADLAG", tr("Filtro LEAD-LAG"));
  campos(grupoLeadLag_, {{&lead_, "LEAD", "Label28", tr("LEAD(seg):")},
                         {&lag_, "LAG", "Label29", tr("LAG(seg):")}});

  grupoIntegrador_ = grupo("GroupBox2", tr("Processo Integrador"));
  auto* integrador = new QFormLayout(grupoIntegrador_);
  rotuloValorInicial_ = Rotulo(grupoIntegrador_, "Label35", tr("Valor Inicial(%):"));
  valorInicial_ = Edicao(grupoIntegrador_, "ValorInicialText");
  integrador->addRow(rotuloValorInicial_, valorInicial_);
  esquerda->addStretch(1);

  // Right: the nonlinearities of the final control element.
  grupoNaoLinear_ = new QGroupBox(tr("Características Não-Lineares"), this);
  grupoNaoLinear_->setObjectName(QStringLiteral("GroupBox1"));
  auto* naoLinear = new QFormLayout(grupoNaoLinear_);
  curvaGanho_ = new QComboBox(grupoNaoLinear_);
  curvaGanho_->setObjectName(QStringLiteral("ComboBox1"));
  curvaGanho_->addItems({tr("Linear"), tr("Curva Abertura Rápida"), tr("Curva Igual Porcentagem"),
                         tr("Curva S1"), tr("Curva S2")});
  naoLinear->addRow(Rotulo(grupoNaoLinear_, "Label18", tr("Curva de ganho:")), curvaGanho_);
  campos(grupoNaoLinear_, {{&histerese_, "Histerese", "Label14", tr("Histerese:")},
                           {&agarramento_, "valveStext", "Label19", tr("Agarramento:")},
                           {&constanteAtuador_, "tal", "Label21", tr("LAG(seg):")},
                           {&limiteTaxa_, "ratetext", "Label37", tr("Rate(%/seg):")}});
  saturadorDesligado_ = new QCheckBox(tr("Desativar Saturador"), grupoNaoLinear_);
  saturadorDesligado_->setObjectName(QStringLiteral("CheckBox1"));
  naoLinear->addRow(saturadorDesligado_);
  auto* direita = new QVBoxLayout;
  direita->addWidget(grupoNaoLinear_);
  direita->addStretch(1);
  colunas->addLayout(direita, 1);

  principal->addLayout(CriaBotoes(tr("Atualizar"), tr("Ajuda"), tr("Sair")));
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
  LigaBilingue(tag_, &FormularioProcesso::Tag);
  LigaBilingue(descricao_, &FormularioProcesso::Descricao);
  campo(ganho_, &FormularioProcesso::Ganho, false);
  campo(tempoMorto_, &FormularioProcesso::TempoMorto, false);
  campo(constanteTempo1_, &FormularioProcesso::Tal1, true);
  campo(constanteTempo2_, &FormularioProcesso::Tal2, true);
  campo(numeroCiclos_, &FormularioProcesso::TextoNC, false);
  campo(periodo_, &FormularioProcesso::TextoPeriodo, false);
  campo(lead_, &FormularioProcesso::Lead, true);
  campo(lag_, &FormularioProcesso::Lag, true);
  campo(histerese_, &FormularioProcesso::Histerese, false);
  campo(agarramento_, &FormularioProcesso::Agarramento, false);
  campo(constanteAtuador_, &FormularioProcesso::ConstanteTempoAtuador, false);
  campo(limiteTaxa_, &FormularioProcesso::LimiteTaxa, true);
  // The initial value arms the integrator's restart at the next apply.
  connect(valorInicial_, &QLineEdit::textChanged, this, [this](const QString& texto) {
    if (preenchendo_) return;
    rascunho_.ValorInicial = Std(texto);
    sessao_.Opera([n = n_, valor = rascunho_.ValorInicial](Documento& d) {
      if (Processo* p = d.ProcessoDe(n)) p->DefineValorInicial(valor);
    });
    botaoAtualizar_->setEnabled(true);
  });

  connect(entrada_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (preenchendo_) return;
    rascunho_.ItemEntrada = item;
    Alterado();
  });
  connect(tipoFuncao_, &QComboBox::currentIndexChanged, this, [this](int tipo) {
    MostraGrupoTipo(tipo);
    if (preenchendo_) return;
    rascunho_.TipoFuncao = tipo;
    Alterado();
  });
  connect(curvaGanho_, &QComboBox::currentIndexChanged, this, [this](int tipo) {
    if (preenchendo_) return;
    rascunho_.TipoValvula = tipo;
    Alterado();
  });
  connect(saturadorDesligado_, &QCheckBox::toggled, this, [this](bool desligado) {
    if (preenchendo_) return;
    rascunho_.SaturadorDesligado = desligado;
    sessao_.Opera([n = n_, desligado](Documento& d) {
      if (Processo* p = d.ProcessoDe(n)) p->SaturadorDesligado = desligado;
    });
    Alterado();
  });

  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, &JanelaProcesso::AtualizaLeituras);
}

void JanelaProcesso::Preenche() {
  Processo* p = modelo();
  if (!p) return;
  preenchendo_ = true;
  const bool ingles = sessao_.IdiomaIngles();
  CarregaRascunho(*p);
  const auto& f = rascunho_;
  tag_->setText(Texto(f.Tag.Em(ingles)));
  descricao_->setText(Texto(f.Descricao.Em(ingles)));
  PreencheEnderecos();
  entrada_->setCurrentIndex(f.ItemEntrada >= 0 && f.ItemEntrada < entrada_->count() ? f.ItemEntrada
                                                                                    : -1);
  ganho_->setText(Texto(f.Ganho));
  tempoMorto_->setText(Texto(f.TempoMorto));
  tipoFuncao_->setCurrentIndex(
      f.TipoFuncao >= 0 && f.TipoFuncao < tipoFuncao_->count() ? f.TipoFuncao : -1);
  MostraGrupoTipo(f.TipoFuncao);
  constanteTempo1_->setText(Texto(f.Tal1));
  constanteTempo2_->setText(Texto(f.Tal2));
  numeroCiclos_->setText(Texto(f.TextoNC));
  periodo_->setText(Texto(f.TextoPeriodo));
  lead_->setText(Texto(f.Lead));
  lag_->setText(Texto(f.Lag));
  valorInicial_->setText(Texto(f.ValorInicial));
  curvaGanho_->setCurrentIndex(
      f.TipoValvula >= 0 && f.TipoValvula < curvaGanho_->count() ? f.TipoValvula : -1);
  histerese_->setText(Texto(f.Histerese));
  agarramento_->setText(Texto(f.Agarramento));
  constanteAtuador_->setText(Texto(f.ConstanteTempoAtuador));
  limiteTaxa_->setText(Texto(f.LimiteTaxa));
  saturadorDesligado_->setChecked(f.SaturadorDesligado);
  MostraIdentificacao();
  preenchendo_ = false;
  DefineTexto(leituraEntrada_, Texto(TextoFixo(p->X0, 2)));
  DefineTexto(leituraAtuador_, Texto(TextoFixo(p->Xa, 2)));
  DefineTexto(leituraSaida_, Texto(TextoFixo(p->Y2, 2)));
}

void JanelaProcesso::PreencheEnderecos() {
  const std::vector<std::string> itens = ListaEnderecos(sessao_.documento().simulacao.memoria);
  const bool estava = preenchendo_;
  preenchendo_ = true;
  if (entrada_->count() != static_cast<int>(itens.size())) {
    const int item = entrada_->currentIndex();
    entrada_->clear();
    for (const std::string& i : itens) entrada_->addItem(Texto(i));
    entrada_->setCurrentIndex(item < entrada_->count() ? item : -1);
  } else {
    for (int k = 0; k < entrada_->count(); ++k) {
      const QString texto = Texto(itens[static_cast<std::size_t>(k)]);
      if (entrada_->itemText(k) != texto) entrada_->setItemText(k, texto);
    }
  }
  // The open list shows whole descriptions, however narrow the box.
  QAbstractItemView* lista = entrada_->view();
  lista->setMinimumWidth(lista->sizeHintForColumn(0) +
                         lista->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lista));
  preenchendo_ = estava;
}

void JanelaProcesso::MostraGrupoTipo(int tipo) {
  grupoSobreamortecido_->setVisible(tipo == Processo::kSobreamortecido);
  grupoSubamortecido_->setVisible(tipo == Processo::kSubamortecido);
  grupoLeadLag_->setVisible(tipo == Processo::kLeadLag);
  const bool integrador = tipo == Processo::kIntegrador;
  grupoIntegrador_->setVisible(integrador);
  valorInicial_->setVisible(integrador);
  rotuloValorInicial_->setVisible(integrador);
}

void JanelaProcesso::MostraIdentificacao() {
  const Processo* p = modelo();
  if (!p) return;
  DefineTexto(titulo_, Texto(p->Identificacao));
  DefineTexto(rotuloSaida_, Texto(p->RotuloSaida));
  DefineTexto(rotuloAtuador_, Texto(p->RotuloPosicaoAtuador));
  // Before a first apply the block has no description to name the window.
  const QString legenda = p->Caption.empty() ? tr("Processo") : Texto(p->Caption);
  if (windowTitle() != legenda) setWindowTitle(legenda);
}

void JanelaProcesso::AtualizaLeituras() {
  if (!isVisible()) return;
  const Processo* p = modelo();
  if (!p) return;
  DefineTexto(leituraEntrada_, Texto(TextoFixo(p->X0, 2)));
  DefineTexto(leituraAtuador_, Texto(TextoFixo(p->Xa, 2)));
  DefineTexto(leituraSaida_, Texto(TextoFixo(p->Y2, 2)));
}

}  // namespace quiv
