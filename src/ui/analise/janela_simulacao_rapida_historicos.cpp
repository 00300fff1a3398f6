// SPDX-License-Identifier: GPL-3.0-or-later
// History files of the fast-simulation page (the selectors and their loading)
// and the index panel.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "core/analise/historico_txd.h"
#include "core/nucleo/erro.h"
#include "ui/analise/janela_simulacao_rapida.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

std::filesystem::path Caminho(const QString& texto) {
  return std::filesystem::path(texto.toStdU16String());
}

// The rows of the index panel, top to bottom.
struct LinhaIndice {
  Indice indice;
  const char* nomeRotulo;
  const char* rotulo;
  const char* campoMalha;
  const char* campoHist;
};
constexpr LinhaIndice kLinhas[] = {
    {kVariabilidade, "Label16", QT_TRANSLATE_NOOP("quiv::JanelaSimulacaoRapida", "Variabilidade"),
     "varPVmalha", "varPVhist"},
    {kPVMinMax, "LabelPVMinMax", QT_TRANSLATE_NOOP("quiv::JanelaSimulacaoRapida", "PV mín/máx"),
     "PVminmaxMalha", "PVminmaxHist"},
    {kIEM, "Label15", QT_TRANSLATE_NOOP("quiv::JanelaSimulacaoRapida", "IEM"), "IEMmalha",
     "IEMhist"},
    {kIEMA, "Label14", QT_TRANSLATE_NOOP("quiv::JanelaSimulacaoRapida", "IEMA"), "IEMAmalha",
     "IEMAhist"},
    {kExcursaoCO, "Label13", QT_TRANSLATE_NOOP("quiv::JanelaSimulacaoRapida", "Excursão CO"),
     "ExcMVmalha", "ExcMVhist"},
    {kDesvioCO, "Label12", QT_TRANSLATE_NOOP("quiv::JanelaSimulacaoRapida", "Desvio Pad. CO"),
     "DevMVmalha", "DevMVhist"},
    {kSaturacaoCO, "Label11", QT_TRANSLATE_NOOP("quiv::JanelaSimulacaoRapida", "Saturação CO"),
     "satMVmalha", "SatMVhist"},
};

}  // namespace

QWidget* JanelaSimulacaoRapida::CriaSeletor(bool superior) {
  auto* painel = new QWidget(this);
  auto* linha = new QHBoxLayout(painel);
  linha->setContentsMargins(0, 0, 0, 0);
  auto* rotulo = new QLabel(tr("Nome Arquivo:"), painel);
  rotulo->setObjectName(superior ? QStringLiteral("Label2") : QStringLiteral("Label10"));
  auto* seletor = new QComboBox(painel);
  seletor->setObjectName(superior ? QStringLiteral("ComboBox2") : QStringLiteral("ComboBox1"));
  seletor->setMinimumContentsLength(14);
  seletor->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  seletor->installEventFilter(this);
  if (superior) {
    seletor->setEditable(true);
    seletor->setInsertPolicy(QComboBox::NoInsert);
    seletor->lineEdit()->installEventFilter(this);
  }
  rotulo->setBuddy(seletor);
  auto* carregar = new QPushButton(tr("Carregar Histórico"), painel);
  carregar->setObjectName(superior ? QStringLiteral("Button1") : QStringLiteral("BTNCarregar"));
  connect(carregar, &QPushButton::clicked, this, [this, superior] { Carrega(superior); });
  auto* gauge = new QProgressBar(painel);
  gauge->setObjectName(superior ? QStringLiteral("Gauge2") : QStringLiteral("Gauge3"));
  gauge->setRange(0, 100);
  gauge->setValue(0);
  gauge->setTextVisible(false);
  gauge->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: navy; }"));
  linha->addWidget(rotulo);
  linha->addWidget(seletor, 2);
  linha->addWidget(carregar);
  linha->addWidget(gauge, 1);
  (superior ? historicoSuperior_ : historicoInferior_) = seletor;
  (superior ? botaoCarregarSuperior_ : botaoCarregarInferior_) = carregar;
  (superior ? progressoSuperior_ : progressoInferior_) = gauge;
  return painel;
}

QWidget* JanelaSimulacaoRapida::CriaPainelIndices() {
  auto* painelIndices = new QGroupBox(tr("Índices de Desempenho"), this);
  painelIndices->setObjectName(QStringLiteral("Panel4"));
  auto* grade = new QGridLayout(painelIndices);
  grade->setVerticalSpacing(3);
  auto cabecalho = [&](const char* nome, const QString& texto, int linha) {
    auto* l = new QLabel(texto, painelIndices);
    l->setObjectName(QLatin1String(nome));
    l->setAlignment(Qt::AlignCenter);
    grade->addWidget(l, linha, 1, 1, 2);
  };
  cabecalho("Label17", tr("Gráfico       Gráfico"), 0);
  cabecalho("Label18", tr("Superior     Inferior"), 1);
  QFont fixa(QStringLiteral("monospace"));
  fixa.setStyleHint(QFont::TypeWriter);
  const int largura = QFontMetrics(fixa).horizontalAdvance(QStringLiteral("100.00 kgf/cm2")) + 12;
  int linha = 2;
  for (const LinhaIndice& l : kLinhas) {
    auto* rotulo = new QLabel(tr(l.rotulo), painelIndices);
    rotulo->setObjectName(QLatin1String(l.nomeRotulo));
    grade->addWidget(rotulo, linha, 0);
    for (bool superior : {true, false}) {
      auto* campo = new QLineEdit(painelIndices);
      campo->setObjectName(QLatin1String(superior ? l.campoMalha : l.campoHist));
      campo->setReadOnly(true);
      campo->setFont(fixa);
      campo->setAlignment(Qt::AlignRight);
      campo->setMinimumWidth(largura);
      grade->addWidget(campo, linha, superior ? 1 : 2);
      (superior ? malha_ : hist_).campos[static_cast<std::size_t>(l.indice)] = campo;
    }
    ++linha;
  }
  return painelIndices;
}

void JanelaSimulacaoRapida::PreencheSeletor(QComboBox* seletor) {
  // A chosen item stays chosen when it is still there; a typed text stays
  // typed (and not chosen).
  const QString texto = seletor->currentText();
  const bool escolhido = ItemEscolhido(*seletor);
  QStringList nomes;
  for (const std::string& nome : HistoricosDaPasta(std::filesystem::current_path()))
    nomes.append(Texto(nome));
  if (nomes == [seletor] {
        QStringList atuais;
        for (int i = 0; i < seletor->count(); ++i) atuais.append(seletor->itemText(i));
        return atuais;
      }())
    return;
  const QSignalBlocker bloqueio(seletor);
  seletor->clear();
  seletor->addItems(nomes);
  seletor->setCurrentIndex(escolhido ? static_cast<int>(nomes.indexOf(texto)) : -1);
  if (seletor->isEditable()) seletor->setEditText(texto);
}

bool JanelaSimulacaoRapida::ItemEscolhido(const QComboBox& seletor) {
  const int i = seletor.currentIndex();
  return i >= 0 && seletor.currentText() == seletor.itemText(i);
}

void JanelaSimulacaoRapida::Carrega(bool superior) {
  QComboBox* seletor = superior ? historicoSuperior_ : historicoInferior_;
  if (simulando_ || !ItemEscolhido(*seletor)) return;
  (superior ? malha_ : hist_).validos = true;
  QProgressBar* gauge = superior ? progressoSuperior_ : progressoInferior_;
  const bool normaliza = normaliza_->isChecked();
  try {
    const HistoricoLido historico = LeHistoricoTxd(
        std::filesystem::current_path() / Caminho(seletor->currentText() + QStringLiteral(".txd")),
        sessao_.simulacao(), normaliza, [gauge](int percentual) { gauge->setValue(percentual); });
    gauge->setValue(100);
    MostraSeries(superior, historico.malhas, normaliza);
  } catch (const Erro& e) {
    Interacao::Atual().Informa(this, tr("Simulação Rápida"), QString::fromUtf8(e.what()));
  }
}

void JanelaSimulacaoRapida::MostraSeries(bool superior, const MalhasDesempenho& malhas,
                                         bool normaliza) {
  CarregaSeries(superior, malhas);
  GuardaIndices(superior, malhas, normaliza);
  // The first loop is shown; the page change shows its indices when the
  // notebook was elsewhere.
  QTabWidget* notebook = superior ? abasSuperiores_ : abasInferiores_;
  notebook->setCurrentIndex(0);
  MostraIndices(superior, 1);
}

void JanelaSimulacaoRapida::GuardaIndices(bool superior, const MalhasDesempenho& malhas,
                                          bool normaliza) {
  // The unit suffix is fixed now, with the values: ticking Normalizar later
  // does not turn engineering values into percentages.
  ColunaIndices& coluna = superior ? malha_ : hist_;
  for (int k = 1; k <= kMalhas; ++k) {
    const MalhaDesempenho& malha = malhas[static_cast<std::size_t>(k)];
    if (malha.participa)
      coluna.textos[static_cast<std::size_t>(k)] =
          IndicesMostrados(malha.indices, normaliza, malha.escala.unidade);
  }
}

void JanelaSimulacaoRapida::MostraIndices(bool superior, int k) {
  const ColunaIndices& coluna = superior ? malha_ : hist_;
  if (!coluna.validos) return;
  const IndicesMalha& textos = coluna.textos[static_cast<std::size_t>(k)];
  for (std::size_t i = 0; i < coluna.campos.size(); ++i) {
    const QString texto = Texto(textos[i]);
    if (coluna.campos[i]->text() != texto) coluna.campos[i]->setText(texto);
  }
}

void JanelaSimulacaoRapida::MostraMalha(int pagina) {
  if (armada_ != 0) DesarmaZoom();
  MostraIndices(true, pagina + 1);
  // The lower notebook follows the upper one (not the other way round).
  if (abasInferiores_->currentIndex() != pagina)
    abasInferiores_->setCurrentIndex(pagina);
  else
    MostraIndices(false, pagina + 1);
  MostraNumeroPagina();
}

void JanelaSimulacaoRapida::MostraMalhaInferior(int pagina) { MostraIndices(false, pagina + 1); }

}  // namespace quiv
