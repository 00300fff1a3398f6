// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/objetos/tendencia_controlador.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"
#include "ui/comum/arquivo_tendencia.h"
#include "ui/comum/controles.h"
#include "ui/comum/grafico_com_escala.h"
#include "ui/comum/grafico_tendencia.h"
#include "ui/comum/leituras_pontos.h"
#include "ui/comum/poe_texto.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

QString& PastaArquivoGlobal() {
  static QString pasta;
  return pasta;
}

}  // namespace

QString AreaTendenciaControlador::PastaArquivo() { return PastaArquivoGlobal(); }
void AreaTendenciaControlador::DefinePastaArquivo(const QString& pasta) {
  PastaArquivoGlobal() = pasta;
}

AreaTendenciaControlador::AreaTendenciaControlador(SessaoSimulacao& sessao, int n,
                                                   std::function<void()> reaplica, QWidget* pai)
    : QWidget(pai), sessao_(sessao), n_(n), reaplica_(std::move(reaplica)) {
  setObjectName(QStringLiteral("AreaTendencia"));
  QWidget* a = this;
  auto* v = new QVBoxLayout(a);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);

  auto* quadro = new GraficoComEscala(
      Rotulo(a, "StaticText13", QCoreApplication::translate("quiv::JanelaControlador", "Y")),
      Qt::AlignCenter, [this] { TeclaEscala(); }, a);
  grafico_ = quadro->Grafico();
  escalaSuperior_ = quadro->EscalaSuperior();
  escalaInferior_ = quadro->EscalaInferior();
  grafico_->DefineFonte([this]() -> const Tendencia* {
    const Controlador* c = modelo();
    return c ? &c->Tendencia.Grafico : nullptr;
  });
  grafico_->DefinePenas({
      {1, QColor(255, 0, 0), QCoreApplication::translate("quiv::JanelaControlador", "PV"),
       QString(), 2, true, true},
      {2, QColor(0, 0, 255), QCoreApplication::translate("quiv::JanelaControlador", "SP"),
       QString(), 2, true, true},
      {3, QColor(0, 128, 0), QCoreApplication::translate("quiv::JanelaControlador", "CO"),
       QStringLiteral("%"), 2, true, true},
      {4, QColor(0, 0, 0), QCoreApplication::translate("quiv::JanelaControlador", "Pos. Atuador"),
       QStringLiteral("%"), 2, false, false},
  });
  v->addWidget(quadro);

  auto* linhaTempo = new QHBoxLayout;
  linhaTempo->setSpacing(4);
  baseTempo_ = new QComboBox(a);
  baseTempo_->setObjectName(QStringLiteral("BaseTempoBox"));
  baseTempo_->addItems({QCoreApplication::translate("quiv::JanelaControlador", "3 segundos"),
                        QCoreApplication::translate("quiv::JanelaControlador", "9 segundos"),
                        QCoreApplication::translate("quiv::JanelaControlador", "1 minuto")});
  linhaTempo->addWidget(Rotulo(
      a, "Label17", QCoreApplication::translate("quiv::JanelaControlador", "Tempo de 1 divisão=")));
  linhaTempo->addWidget(baseTempo_);
  linhaTempo->addStretch(1);
  linhaTempo->addWidget(Rotulo(
      a, "StaticText14", QCoreApplication::translate("quiv::JanelaControlador", "X (segundos)")));
  v->addLayout(linhaTempo);

  auto* penas = new QHBoxLayout;
  penas->setSpacing(8);
  mostrarPV_ = Caixa(a, "MostrarPV", QCoreApplication::translate("quiv::JanelaControlador", "PV"));
  Colore(mostrarPV_, QColor(255, 0, 0));
  mostrarSP_ = Caixa(a, "MostrarSP", QCoreApplication::translate("quiv::JanelaControlador", "SP"));
  Colore(mostrarSP_, QColor(0, 0, 255));
  mostrarCO_ = Caixa(a, "MostrarCO", QCoreApplication::translate("quiv::JanelaControlador", "CO"));
  Colore(mostrarCO_, QColor(0, 128, 0));
  mostrarAtuador_ = Caixa(a, "MostrarAtuador",
                          QCoreApplication::translate("quiv::JanelaControlador", "Pos. Atuador"));
  linhaGrossa_ =
      Caixa(a, "CheckBox2", QCoreApplication::translate("quiv::JanelaControlador", "Linha Grossa"));
  for (QCheckBox* c : {mostrarPV_, mostrarSP_, mostrarCO_, mostrarAtuador_, linhaGrossa_})
    penas->addWidget(c);
  penas->addStretch(1);
  v->addLayout(penas);

  auto* controles = new QHBoxLayout;
  controles->setSpacing(6);
  controles->addWidget(
      Rotulo(a, "StaticText1", QCoreApplication::translate("quiv::JanelaControlador", "Escala")));
  escalaAuto_ =
      Caixa(a, "EscalaAuto", QCoreApplication::translate("quiv::JanelaControlador", "Auto"));
  controles->addWidget(escalaAuto_);
  botaoPausa_ = new QToolButton(a);
  botaoPausa_->setObjectName(QStringLiteral("SpeedButton2"));
  botaoPausa_->setCheckable(true);
  botaoPausa_->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
  botaoPausa_->setToolTip(QCoreApplication::translate("quiv::JanelaControlador", "Pausar"));
  controles->addWidget(botaoPausa_);
  controles->addSpacing(10);
  arquivo_ = new ArquivoTendencia(
      a, QCoreApplication::translate("quiv::JanelaControlador", "Arquivar"),
      QCoreApplication::translate("quiv::JanelaControlador", "Salvar novos dados em arquivo TXT"),
      QCoreApplication::translate("quiv::JanelaControlador", "Arquivando: TA=0.1 seg"),
      [this]() -> Tendencia* {
        Controlador* c = modelo();
        return c ? &c->Tendencia.Grafico : nullptr;
      });
  arquivar_ = arquivo_->Caixa();
  taxaArquivo_ = arquivo_->Taxa();
  controles->addWidget(arquivar_);
  controles->addWidget(taxaArquivo_);
  controles->addStretch(1);
  v->addLayout(controles);

  auto* opcoes = new QHBoxLayout;
  opcoes->setSpacing(8);
  usarVirgula_ = Caixa(a, "UsarVirgula",
                       QCoreApplication::translate("quiv::JanelaControlador",
                                                   "Utilizar ',' como separador decimal"));
  usarUE_ = Caixa(
      a, "UsarUE",
      QCoreApplication::translate("quiv::JanelaControlador", "Salvar valores em Unid. de Eng."));
  opcoes->addWidget(usarVirgula_);
  opcoes->addWidget(usarUE_);
  opcoes->addStretch(1);
  v->addLayout(opcoes);

  painelPontos_ = new LeiturasPontos(a, QStringLiteral("Ponto 6:  Y=-0000.0  X=000.0"));
  v->addWidget(painelPontos_);
  v->addStretch(1);

  Liga();
}

Controlador* AreaTendenciaControlador::modelo() const {
  return sessao_.documento().ControladorDe(n_);
}

void AreaTendenciaControlador::MostraSP(bool mostrar) { mostrarSP_->setChecked(mostrar); }

void AreaTendenciaControlador::Liga() {
  // Pens and the thick line: how the chart is drawn, nothing the simulation
  // keeps.
  auto pena = [this](QCheckBox* caixa, bool TendenciaControlador::*campo, std::size_t indice) {
    connect(caixa, &QCheckBox::toggled, this, [this, campo, indice](bool marcado) {
      if (preenchendo_) return;
      if (Controlador* c = modelo()) c->Tendencia.*campo = marcado;
      grafico_->DefineVisivel(indice, marcado);
    });
  };
  pena(mostrarPV_, &TendenciaControlador::MostrarPV, 0);
  pena(mostrarSP_, &TendenciaControlador::MostrarSP, 1);
  pena(mostrarCO_, &TendenciaControlador::MostrarCO, 2);
  pena(mostrarAtuador_, &TendenciaControlador::MostrarAtuador, 3);
  auto opcao = [this](QCheckBox* caixa, bool Tendencia::*campo) {
    connect(caixa, &QCheckBox::toggled, this, [this, campo](bool marcado) {
      if (preenchendo_) return;
      if (Controlador* c = modelo()) c->Tendencia.Grafico.*campo = marcado;
      grafico_->RedesenhaCurvas();
    });
  };
  opcao(linhaGrossa_, &Tendencia::LinhaGrossa);
  opcao(usarVirgula_, &Tendencia::UsarVirgula);
  opcao(usarUE_, &Tendencia::UsarUE);
  connect(baseTempo_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (preenchendo_) return;
    Controlador* c = modelo();
    if (!c) return;
    c->Tendencia.Grafico.ItemBaseTempo = item;
    c->Tendencia.Grafico.AtualizaTextoTaxa();
    Atualiza(*c, true);
  });
  auto escala = [this](QLineEdit* e, std::string Tendencia::*campo) {
    connect(e, &QLineEdit::textChanged, this, [this, campo](const QString& t) {
      if (preenchendo_) return;
      if (Controlador* c = modelo()) c->Tendencia.Grafico.*campo = t.toStdString();
    });
  };
  escala(escalaSuperior_, &Tendencia::TextoEscalaSup);
  escala(escalaInferior_, &Tendencia::TextoEscalaInf);
  connect(escalaAuto_, &QCheckBox::toggled, this, [this](bool marcado) {
    if (preenchendo_) return;
    Controlador* c = modelo();
    if (!c) return;
    c->Tendencia.Grafico.EscalaAuto = marcado;
    reaplica_();
  });
  connect(grafico_, &GraficoTendencia::DuploClique, this, [this] {
    if (modelo()) reaplica_();
  });
  connect(grafico_, &GraficoTendencia::Clicado, this, &AreaTendenciaControlador::MarcaPonto);
  connect(botaoPausa_, &QToolButton::clicked, this, &AreaTendenciaControlador::AlternaPausa);
  connect(arquivar_, &QCheckBox::clicked, this, &AreaTendenciaControlador::Arquiva);
}

void AreaTendenciaControlador::Atualiza(const Controlador& c, bool escalaMudou) {
  const TendenciaControlador& t = c.Tendencia;
  const Tendencia& g = t.Grafico;

  std::vector<QWidget*> travados = {escalaSuperior_, escalaInferior_, botaoPausa_, baseTempo_};
  travados.insert(travados.end(), travadosJunto_.begin(), travadosJunto_.end());
  arquivo_->Segue(g, escalaMudou, travados);
  arquivar_->setEnabled(t.ArquivoHabilitado);

  if (!escalaMudou) {
    grafico_->SegueCurvas(g);
    return;
  }

  // Everything else changes only through an action or an apply.
  QScopedValueRollback<bool> mudo(preenchendo_, true);
  PoeTexto(escalaSuperior_, g.TextoEscalaSup);
  PoeTexto(escalaInferior_, g.TextoEscalaInf);
  escalaAuto_->setChecked(g.EscalaAuto);
  mostrarPV_->setChecked(t.MostrarPV);
  mostrarSP_->setChecked(t.MostrarSP);
  mostrarCO_->setChecked(t.MostrarCO);
  mostrarAtuador_->setChecked(t.MostrarAtuador);
  linhaGrossa_->setChecked(g.LinhaGrossa);
  usarVirgula_->setChecked(g.UsarVirgula);
  usarUE_->setChecked(g.UsarUE);
  baseTempo_->setCurrentIndex(g.ItemBaseTempo);
  // The first rate text is the caption the window is built with, which the
  // translation knows; the later ones read the same in both languages.
  const QString taxa = QCoreApplication::translate("quiv::JanelaControlador", g.TextoTaxa.c_str());
  if (taxaArquivo_->text() != taxa) taxaArquivo_->setText(taxa);
  botaoPausa_->setChecked(g.Pausado);
  painelPontos_->Segue(g);

  const QString unidade = QString::fromStdString(c.UnitEngSP);
  grafico_->DefineUnidade(0, unidade, c.DecimaisLeitura);
  grafico_->DefineUnidade(1, unidade, c.DecimaisLeitura);
  grafico_->DefineFaixa({c.EscalaInicio, c.EscalaFim});
  for (std::size_t i = 0; i < 4; ++i)
    grafico_->DefineVisivel(i, i == 0   ? t.MostrarPV
                               : i == 1 ? t.MostrarSP
                               : i == 2 ? t.MostrarCO
                                        : t.MostrarAtuador);
  std::vector<GraficoTendencia::Marcador> marcadores;
  for (std::size_t k = 0; k < t.Marcadores.size(); ++k)
    if (t.Marcadores[k].Visivel)
      marcadores.push_back({static_cast<int>(k + 1), QPoint(t.Marcadores[k].X, t.Marcadores[k].Y)});
  grafico_->DefineMarcadores(marcadores);
  grafico_->Redesenha(g);
}

void AreaTendenciaControlador::TeclaEscala() {
  Controlador* c = modelo();
  if (!c) return;
  c->Tendencia.TeclaEscala(Tendencia::kEnter);
  Atualiza(*c, true);
}

void AreaTendenciaControlador::AlternaPausa() {
  Controlador* c = modelo();
  if (!c) return;
  c->Tendencia.AlternaPausa();
  Atualiza(*c, true);
}

void AreaTendenciaControlador::MarcaPonto(int X, int Y) {
  Controlador* c = modelo();
  if (!c) return;
  if (c->Tendencia.MarcaPonto(X, Y)) Atualiza(*c, true);
}

void AreaTendenciaControlador::Arquiva(bool marcado) {
  if (preenchendo_) return;
  if (marcado && PastaArquivo().isEmpty()) {
    // One folder for all controllers, asked the first time; cancelling the
    // dialog leaves the archive off.
    DefinePastaArquivo(Interacao::Atual().EscolhePasta(
        this, QCoreApplication::translate("quiv::JanelaControlador", "Selecione uma pasta"),
        sessao_.PastaDosDialogos()));
    if (PastaArquivo().isEmpty()) {
      const QSignalBlocker bloqueio(arquivar_);
      arquivar_->setChecked(false);
      return;
    }
  }
  Controlador* c = modelo();
  if (!c) return;
  try {
    c->Tendencia.Arquiva(marcado, std::filesystem::path(PastaArquivo().toStdU16String()));
  } catch (const std::exception& e) {
    Interacao::Atual().Informa(this, QStringLiteral("QUIV"), QString::fromStdString(e.what()));
  }
  Atualiza(*c, true);
}

}  // namespace quiv
