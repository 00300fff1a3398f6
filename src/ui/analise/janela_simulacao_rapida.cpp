// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analise/janela_simulacao_rapida.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>
#include <memory>

#include "core/analise/historico_txd.h"
#include "core/analise/simulacao_rapida.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/nome_arquivo.h"
#include "ui/comum/texto_qt.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

QProgressBar* Barra(QWidget* pai, const char* nome) {
  auto* barra = new QProgressBar(pai);
  barra->setObjectName(QLatin1String(nome));
  barra->setRange(0, 100);
  barra->setValue(0);
  barra->setTextVisible(false);
  barra->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: navy; }"));
  return barra;
}

}  // namespace

JanelaSimulacaoRapida::JanelaSimulacaoRapida(SessaoSimulacao& sessao, QWidget* pai)
    : QWidget(pai, Qt::Window), sessao_(sessao) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("Simulação Rápida"));

  auto* Panel2 = new QWidget(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(0, 0, 0, 0);
  raiz->addWidget(Panel2);

  auto* vertical = new QVBoxLayout(Panel2);
  vertical->setContentsMargins(6, 6, 6, 6);
  vertical->addWidget(CriaPainelSimulacao());

  auto* corpo = new QHBoxLayout;
  auto* graficos = new QSplitter(Qt::Vertical, Panel2);
  graficos->setChildrenCollapsible(false);
  for (bool superior : {true, false}) {
    auto* metade = new QWidget(graficos);
    auto* coluna = new QVBoxLayout(metade);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(2);
    coluna->addWidget(CriaNotebook(superior), 1);
    coluna->addWidget(CriaSeletor(superior));
    graficos->addWidget(metade);
  }
  corpo->addWidget(graficos, 1);

  auto* lateral = new QVBoxLayout;
  lateral->addWidget(CriaPainelIndices());
  lateral->addWidget(CriaFerramentas());
  lateral->addStretch(1);
  corpo->addLayout(lateral);
  vertical->addLayout(corpo, 1);

  PtsPagChange(PtsPag_->currentIndex());
  resize(950, 650);
  setWindowState(Qt::WindowMaximized);

  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    if (isVisible()) PreencheLegendas();
  });
}

JanelaSimulacaoRapida::~JanelaSimulacaoRapida() = default;

QWidget* JanelaSimulacaoRapida::CriaPainelSimulacao() {
  auto* Panel3 = new QGroupBox(tr("Simulação Rápida"), this);
  Panel3->setObjectName(QStringLiteral("Panel3"));

  JanelaComboBox_ = new QComboBox(Panel3);
  JanelaComboBox_->setObjectName(QStringLiteral("JanelaComboBox"));
  JanelaComboBox_->addItems({tr("30 min"), tr("1 hora"), tr("2 horas"), tr("4 horas")});
  connect(JanelaComboBox_, &QComboBox::activated, this,
          &JanelaSimulacaoRapida::JanelaComboBoxChange);

  TACombo_ = new QComboBox(Panel3);
  TACombo_->setObjectName(QStringLiteral("TACombo"));
  TACombo_->addItems({tr("100 ms"), tr("200 ms"), tr("500 ms"), tr("1 seg")});
  TACombo_->setCurrentIndex(2);

  SinalTesteCombo_ = new QComboBox(Panel3);
  SinalTesteCombo_->setObjectName(QStringLiteral("SinalTesteCombo"));
  SinalTesteCombo_->addItems({tr("Selecione um sinal de teste:"), tr("Nenhum"), tr("Degrau no SP"),
                              tr("Distúrbio degrau no processo")});
  connect(SinalTesteCombo_, &QComboBox::currentIndexChanged, this,
          &JanelaSimulacaoRapida::SinalTesteComboChange);

  SinalTesteTxt_ = new QLabel(tr("Amplitude do Degrau(%):"), Panel3);
  SinalTesteTxt_->setObjectName(QStringLiteral("SinalTesteTxt"));
  SinalTesteValor_ = new QLineEdit(QStringLiteral("10"), Panel3);
  SinalTesteValor_->setObjectName(QStringLiteral("SinalTesteValor"));
  SinalTesteValor_->setToolTip(
      tr("For SP change, the controller L/R switch must be in Local position"));
  SinalTesteValor_->setMaximumWidth(60);
  SinalTesteTxt_->setBuddy(SinalTesteValor_);

  CheckArquivar_ = new QCheckBox(tr("Armazenar Dados"), Panel3);
  CheckArquivar_->setObjectName(QStringLiteral("CheckArquivar"));
  CheckArquivar_->setChecked(true);

  Edit2_ = new QLineEdit(Panel3);
  Edit2_->setObjectName(QStringLiteral("Edit2"));
  Edit2_->setMinimumWidth(160);

  BTNSimular_ = new QPushButton(tr("Simular"), Panel3);
  BTNSimular_->setObjectName(QStringLiteral("BTNSimular"));
  connect(BTNSimular_, &QPushButton::clicked, this, &JanelaSimulacaoRapida::BTNSimularClick);

  Gauge1_ = Barra(Panel3, "Gauge1");
  Label5_ = new QLabel(Panel3);
  Label5_->setObjectName(QStringLiteral("Label5"));

  auto* ajuda = new QToolButton(Panel3);
  ajuda->setObjectName(QStringLiteral("SpeedButton4"));
  ajuda->setText(QStringLiteral("?"));
  ajuda->setToolTip(tr("Ajuda da Simulação Rápida"));
  connect(ajuda, &QToolButton::clicked, this,
          [] { Interacao::Atual().AbreEndereco(EnderecoAjuda("/ferramentas/#simulacao_rapida")); });

  auto rotulo = [&](const char* nome, const QString& texto, QWidget* campo) {
    auto* r = new QLabel(texto, Panel3);
    r->setObjectName(QLatin1String(nome));
    r->setBuddy(campo);
    return r;
  };
  // Two rows of their own, so the columns of one do not widen the other.
  auto* opcoes = new QHBoxLayout;
  opcoes->addWidget(rotulo("Label36", tr("Janela:"), JanelaComboBox_));
  opcoes->addWidget(JanelaComboBox_);
  opcoes->addSpacing(8);
  opcoes->addWidget(rotulo("Label6", tr("Passo:"), TACombo_));
  opcoes->addWidget(TACombo_);
  opcoes->addSpacing(8);
  opcoes->addWidget(SinalTesteCombo_);
  opcoes->addSpacing(8);
  opcoes->addWidget(SinalTesteTxt_);
  opcoes->addWidget(SinalTesteValor_);
  opcoes->addStretch(1);
  opcoes->addWidget(ajuda);
  auto* execucao = new QHBoxLayout;
  execucao->addWidget(CheckArquivar_);
  execucao->addSpacing(8);
  execucao->addWidget(rotulo("Label3", tr("Arquivo:"), Edit2_));
  execucao->addWidget(Edit2_);
  execucao->addSpacing(8);
  execucao->addWidget(BTNSimular_);
  execucao->addWidget(Gauge1_, 1);
  execucao->addWidget(Label5_);
  auto* linhas = new QVBoxLayout(Panel3);
  linhas->addLayout(opcoes);
  linhas->addLayout(execucao);

  SinalTesteComboChange(SinalTesteCombo_->currentIndex());
  return Panel3;
}

void JanelaSimulacaoRapida::PreencheLegendas() {
  const bool ingles = sessao_.IdiomaIngles();
  for (int k = 1; k <= kMalhas; ++k) {
    const Controlador* c = sessao_.documento().ControladorDe(k);
    const QString tag = c ? Texto(c->Tag.Em(ingles)) : QString();
    TabbedNotebook1_->setTabText(k - 1, c ? tag : tr("Malha %1").arg(k));
    TabbedNotebook2_->setTabText(k - 1, c ? tag + QStringLiteral("(hist)") : tr("Hist %1").arg(k));
  }
}

void JanelaSimulacaoRapida::Mostra() {
  PreencheLegendas();
  TabbedNotebook1_->setCurrentIndex(0);
  TabbedNotebook2_->setCurrentIndex(0);
  const std::string titulo(sessao_.documento().Titulo.Em(sessao_.IdiomaIngles()));
  Edit2_->setText(titulo.empty() ? QStringLiteral("DadosDesempenho") : Texto(titulo));
  PreencheSeletor(ComboBox2_);
  PreencheSeletor(ComboBox1_);
  show();
  raise();
  activateWindow();
}

void JanelaSimulacaoRapida::JanelaComboBoxChange(int item) { TACombo_->setCurrentIndex(item); }

void JanelaSimulacaoRapida::SinalTesteComboChange(int item) {
  const bool ativo = item == 2 || item == 3;
  SinalTesteTxt_->setVisible(ativo);
  SinalTesteValor_->setVisible(ativo);
}

bool JanelaSimulacaoRapida::LeAmplitude(int& amplitude) {
  const std::string texto = SinalTesteValor_->text().toStdString();
  // Only decimal digits, as typed; the strict reader below also takes "$" hex.
  if (texto.find('$') == std::string::npos) {
    try {
      amplitude = smp::LeInteiroEstrito(texto);
      return true;
    } catch (const Erro&) {
    }
  }
  Interacao::Atual().Informa(this, tr("Simulação Rápida"),
                             tr("Amplitude do Degrau inválida: \"%1\" não é um número inteiro. "
                                "Digite a amplitude em % como um número inteiro, por exemplo 10.")
                                 .arg(SinalTesteValor_->text()));
  SinalTesteValor_->setFocus();
  SinalTesteValor_->selectAll();
  return false;
}

void JanelaSimulacaoRapida::HabilitaPainel(bool habilitado) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{BTNSimular_, CheckArquivar_, Edit2_, JanelaComboBox_})
    w->setEnabled(habilitado);
}

void JanelaSimulacaoRapida::BTNSimularClick() {
  if (simulando_) return;
  OpcoesSimulacaoRapida opcoes;
  opcoes.janela = kJanelasRapida[static_cast<std::size_t>(JanelaComboBox_->currentIndex())];
  opcoes.TA = kPassosRapida[static_cast<std::size_t>(TACombo_->currentIndex())];
  const int sinal = SinalTesteCombo_->currentIndex();
  opcoes.sinal = sinal == 2   ? SinalTeste::DegrauSP
                 : sinal == 3 ? SinalTeste::DisturbioProcesso
                              : SinalTeste::Nenhum;
  // The amplitude is checked before anything changes, so a typing error never
  // costs a run.
  if (opcoes.sinal != SinalTeste::Nenhum && !LeAmplitude(opcoes.amplitude)) return;
  opcoes.Normaliza = Normaliza_->isChecked();

  malha_.validos = true;
  HabilitaPainel(false);
  simulando_ = true;
  Label5_->clear();
  Gauge1_->setValue(0);

  QString falha;
  try {
    // On a copy: every run starts where the live plant stands, and leaves it there.
    sessao_.RodaNaCopia([&](Documento& copia) {
      std::unique_ptr<GravadorTxd> historico;
      if (CheckArquivar_->isChecked()) {
        historico = std::make_unique<GravadorTxd>(
            std::filesystem::current_path(), Edit2_->text().toStdString(),
            CabecalhoTxd(copia.simulacao.memoria, opcoes.TA, opcoes.janela));
      }
      // Only repaints run during the run, so the page's own controls stay as
      // the run found them.
      auto progresso = [this](int percentual) {
        Gauge1_->setValue(percentual);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      };
      const ResultadoSimulacaoRapida resultado =
          SimulacaoRapida(copia.simulacao, opcoes, historico.get(), progresso);
      Gauge1_->setValue(100);
      if (historico) {
        arquivoTxd_ = Texto(TextoCaminho(historico->Caminho().filename()));
        Label5_->setText(tr("Dados salvos no arquivo"));
      }
      MostraSeries(true, resultado.malhas, opcoes.Normaliza);
    });
    PreencheSeletor(ComboBox2_);
    ComboBox2_->setCurrentIndex(-1);
    ComboBox2_->setEditText(arquivoTxd_);
  } catch (const std::exception& e) {
    falha = QString::fromUtf8(e.what());
  }
  simulando_ = false;
  HabilitaPainel(true);
  if (!falha.isEmpty()) Interacao::Atual().Informa(this, tr("Simulação Rápida"), falha);
}

void JanelaSimulacaoRapida::closeEvent(QCloseEvent* evento) {
  if (simulando_) {
    evento->ignore();
    return;
  }
  evento->accept();
  sessao_.PedeAtualizaTela();
}

}  // namespace quiv
