// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/janela_controlador.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <algorithm>

#include "core/analise/ajuste_controlador.h"
#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"
#include "ui/analise/pagina_sintonia.h"
#include "ui/objetos/configuracao_controlador.h"
#include "ui/objetos/faceplate_controlador.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

// Starting sizes of the three arrangements; the layouts may ask for more so
// that no text is cut.
constexpr int kLarguraFaceplate = 204;
constexpr int kLarguraJanela = 745;
constexpr int kAlturaJanela = 359;

}  // namespace

JanelaControlador::JanelaControlador(SessaoSimulacao& sessao, int n, QWidget* pai)
    : JanelaFormulario(sessao, n, pai) {
  setObjectName(QStringLiteral("TControlador%1").arg(n));
  setWindowTitle(tr("Controlador"));

  auto* raiz = new QHBoxLayout(this);
  raiz->setContentsMargins(6, 6, 6, 6);
  raiz->setSpacing(6);
  faceplate_ = new FaceplateControlador(
      sessao_, n_, [this](bool botao) { Operado(botao); }, this);
  raiz->addWidget(faceplate_, 0);

  areas_ = new QStackedWidget(this);
  configuracao_ = new ConfiguracaoControlador(sessao_, n_, rascunho_, [this] { Alterado(); });
  tendencia_ = new AreaTendenciaControlador(sessao_, n_, [this] { AplicaSemMensagens(); });
  // Archiving locks the tag with the chart's scale.
  tendencia_->TravaJunto(configuracao_->EdicaoTag());
  areas_->addWidget(configuracao_);
  areas_->addWidget(tendencia_);
  areas_->hide();
  raiz->addWidget(areas_, 1);
  DefineBotoes(configuracao_->BotaoAtualizar(), faceplate_->BotaoConfiguracao());

  connect(faceplate_->BotaoConfiguracao(), &QPushButton::clicked, this,
          &JanelaControlador::AlternaConfiguracao);
  connect(faceplate_->BotaoTendencia(), &QPushButton::clicked, this,
          &JanelaControlador::AlternaTendencia);
  connect(faceplate_->BotaoAjuda(), &QPushButton::clicked, this, &JanelaControlador::MostraAjuda);
  connect(faceplate_->BotaoSair(), &QPushButton::clicked, this, &QWidget::close);
  connect(configuracao_->BotaoAtualizar(), &QPushButton::clicked, this, [this] { Aplica(); });
  connect(configuracao_->BotaoSintonia(), &QPushButton::clicked, this,
          [this] { Sintonia().Mostra(); });
  connect(&sessao_, &SessaoSimulacao::CicloExecutado, this, [this] {
    if (isVisible()) AtualizaLeituras();
  });

  Preenche();
  resize(kLarguraJanela, kAlturaJanela);
}

JanelaControlador::~JanelaControlador() = default;

void JanelaControlador::DocumentoMudou() {
  // A load applies what it read: nothing is left to apply.
  if (modelo()) Sincronizado();
  JanelaFormulario::DocumentoMudou();
}

void JanelaControlador::AoAbrir() {
  faceplate_->BotaoSair()->setEnabled(true);
  faceplate_->BotaoConfiguracao()->setEnabled(true);
}

void JanelaControlador::Preenche() {
  const Controlador* c = modelo();
  if (!c) return;
  aplicado_.valido = false;
  faceplate_->Preenche(*c);
  // The configuration shows the window's form: the controller's, unless an
  // edit waits to be applied.
  CarregaRascunho(*c);
  configuracao_->Preenche(rascunho_);
  AtualizaLeituras();
}

bool JanelaControlador::AplicadoMudou(const Controlador& c) {
  const Tendencia& g = c.Tendencia.Grafico;
  Aplicado& a = aplicado_;
  if (a.valido && a.legenda == c.Caption && a.descricao == c.DescricaoAplicada &&
      a.unidade == c.UnitEngSP && a.decimais == c.DecimaisLeitura &&
      a.escalaSup == g.TextoEscalaSup && a.escalaInf == g.TextoEscalaInf &&
      a.rotulos == g.RotuloEscala)
    return false;
  a = {true,
       c.Caption,
       c.DescricaoAplicada,
       c.UnitEngSP,
       c.DecimaisLeitura,
       g.TextoEscalaSup,
       g.TextoEscalaInf,
       g.RotuloEscala};
  return true;
}

void JanelaControlador::AtualizaLeituras() {
  const Controlador* c = modelo();
  if (!c) return;
  faceplate_->Atualiza(*c);
  if (AplicadoMudou(*c)) {
    setWindowTitle(c->Caption.empty() ? tr("Controlador") : QString::fromStdString(c->Caption));
    faceplate_->MostraAplicado(*c);
    tendencia_->Atualiza(*c, true);
  } else {
    tendencia_->Atualiza(*c, false);
  }
}

void JanelaControlador::Operado(bool botao) {
  const Controlador* c = modelo();
  if (!c) return;
  if (botao) tendencia_->MostraSP(c->Tendencia.MostrarSP);
  AtualizaLeituras();
}

void JanelaControlador::AplicaSemMensagens() {
  Controlador* c = modelo();
  if (!c) return;
  c->AtualizaParametros(false);
  Preenche();
}

void JanelaControlador::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (!evento->spontaneous()) EscolheAreaInicial();
}

void JanelaControlador::EscolheAreaInicial() {
  const Controlador* c = modelo();
  const bool semConfiguracao = !c || c->Tag.Em(sessao_.IdiomaIngles()).empty() || c->ItemPV < 0;
  MostraArea(semConfiguracao ? Area::Configuracao : Area::Tendencia);
  resize(width(), std::max(kAlturaJanela, minimumSizeHint().height()));
}

void JanelaControlador::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) faceplate_->HabilitaEnvio();
}

void JanelaControlador::MostraArea(Area area) {
  area_ = area;
  if (area == Area::Nenhuma) {
    areas_->hide();
  } else {
    areas_->setCurrentWidget(area == Area::Configuracao ? static_cast<QWidget*>(configuracao_)
                                                        : tendencia_);
    areas_->show();
  }
  layout()->activate();
  const int largura = area == Area::Nenhuma ? kLarguraFaceplate : kLarguraJanela;
  resize(std::max(largura, minimumSizeHint().width()), height());
  if (area == Area::Tendencia)
    if (const Controlador* c = modelo()) tendencia_->Atualiza(*c, true);
}

bool JanelaControlador::ConfiguracaoVisivel() const { return configuracao_->isVisibleTo(this); }
bool JanelaControlador::TendenciaVisivel() const { return tendencia_->isVisibleTo(this); }

void JanelaControlador::AlternaConfiguracao() {
  // Narrow or showing the trend: the configuration; showing it: faceplate only.
  MostraArea(area_ == Area::Configuracao ? Area::Nenhuma : Area::Configuracao);
}

void JanelaControlador::AlternaTendencia() {
  if (area_ == Area::Nenhuma) {
    if (Controlador* c = modelo()) c->Tendencia.AbreTendencia();
    MostraArea(Area::Tendencia);
  } else if (area_ == Area::Configuracao) {
    MostraArea(Area::Tendencia);
  } else {
    MostraArea(Area::Nenhuma);
  }
}

void JanelaControlador::MostraAjuda() {
  Interacao::Atual().AbreEndereco(EnderecoAjuda("/simulador/objetos_simulacao/#controlador_PID"));
}

void JanelaControlador::AoFechar() {
  if (Controlador* c = modelo()) {
    c->Tendencia.FechaJanela();
    tendencia_->Atualiza(*c, true);
  }
}

bool JanelaControlador::AplicaSintonia(const ParametrosControlador& parametros) {
  if (!modelo()) return false;
  EscreveSintonia(rascunho_, parametros);
  Alterado();
  return Aplica();
}

PaginaSintonia& JanelaControlador::Sintonia() {
  if (!sintonia_)
    sintonia_ = new PaginaSintonia(
        sessao_, n_, [this](const ParametrosControlador& p) { return AplicaSintonia(p); }, this);
  return *sintonia_;
}

}  // namespace quiv
