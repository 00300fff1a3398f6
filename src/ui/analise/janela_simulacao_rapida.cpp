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

  auto* fundo = new QWidget(this);
  fundo->setObjectName(QStringLiteral("Panel2"));
  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(0, 0, 0, 0);
  raiz->addWidget(fundo);

  auto* vertical = new QVBoxLayout(fundo);
  vertical->setContentsMargins(6, 6, 6, 6);
  vertical->addWidget(CriaPainelSimulacao());

  auto* corpo = new QHBoxLayout;
  auto* graficos = new QSplitter(Qt::Vertical, fundo);
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

  DefineTamanhoPagina(tamanhoPagina_->currentIndex());
  resize(950, 650);
  setWindowState(Qt::WindowMaximized);

  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    if (isVisible()) PreencheLegendas();
  });
}

JanelaSimulacaoRapida::~JanelaSimulacaoRapida() = default;

QWidget* JanelaSimulacaoRapida::CriaPainelSimulacao() {
  auto* painelSimulacao = new QGroupBox(tr("Simulação Rápida"), this);
  painelSimulacao->setObjectName(QStringLiteral("Panel3"));

  duracao_ = new QComboBox(painelSimulacao);
  duracao_->setObjectName(QStringLiteral("JanelaComboBox"));
  duracao_->addItems({tr("30 min"), tr("1 hora"), tr("2 horas"), tr("4 horas")});
  connect(duracao_, &QComboBox::activated, this, &JanelaSimulacaoRapida::EscolhePassoDaJanela);

  passo_ = new QComboBox(painelSimulacao);
  passo_->setObjectName(QStringLiteral("TACombo"));
  passo_->addItems({tr("100 ms"), tr("200 ms"), tr("500 ms"), tr("1 seg")});
  passo_->setCurrentIndex(2);

  sinalTeste_ = new QComboBox(painelSimulacao);
  sinalTeste_->setObjectName(QStringLiteral("SinalTesteCombo"));
  sinalTeste_->addItems({tr("Selecione um sinal de teste:"), tr("Nenhum"), tr("Degrau no SP"),
                         tr("Distúrbio degrau no processo")});
  connect(sinalTeste_, &QComboBox::currentIndexChanged, this,
          &JanelaSimulacaoRapida::MostraAmplitude);

  rotuloAmplitude_ = new QLabel(tr("Amplitude do Degrau(%):"), painelSimulacao);
  rotuloAmplitude_->setObjectName(QStringLiteral("SinalTesteTxt"));
  amplitude_ = new QLineEdit(QStringLiteral("10"), painelSimulacao);
  amplitude_->setObjectName(QStringLiteral("SinalTesteValor"));
  amplitude_->setToolTip(tr("For SP change, the controller L/R switch must be in Local position"));
  amplitude_->setMaximumWidth(60);
  rotuloAmplitude_->setBuddy(amplitude_);

  armazenar_ = new QCheckBox(tr("Armazenar Dados"), painelSimulacao);
  armazenar_->setObjectName(QStringLiteral("CheckArquivar"));
  armazenar_->setChecked(true);

  arquivo_ = new QLineEdit(painelSimulacao);
  arquivo_->setObjectName(QStringLiteral("Edit2"));
  arquivo_->setMinimumWidth(160);

  botaoSimular_ = new QPushButton(tr("Simular"), painelSimulacao);
  botaoSimular_->setObjectName(QStringLiteral("BTNSimular"));
  connect(botaoSimular_, &QPushButton::clicked, this, &JanelaSimulacaoRapida::Simula);

  progresso_ = Barra(painelSimulacao, "Gauge1");
  avisoArquivo_ = new QLabel(painelSimulacao);
  avisoArquivo_->setObjectName(QStringLiteral("Label5"));

  auto* ajuda = new QToolButton(painelSimulacao);
  ajuda->setObjectName(QStringLiteral("SpeedButton4"));
  ajuda->setText(QStringLiteral("?"));
  ajuda->setToolTip(tr("Ajuda da Simulação Rápida"));
  connect(ajuda, &QToolButton::clicked, this,
          [] { Interacao::Atual().AbreEndereco(EnderecoAjuda("/ferramentas/#simulacao_rapida")); });

  auto rotulo = [&](const char* nome, const QString& texto, QWidget* campo) {
    auto* r = new QLabel(texto, painelSimulacao);
    r->setObjectName(QLatin1String(nome));
    r->setBuddy(campo);
    return r;
  };
  // Two rows of their own, so the columns of one do not widen the other.
  auto* opcoes = new QHBoxLayout;
  opcoes->addWidget(rotulo("Label36", tr("Janela:"), duracao_));
  opcoes->addWidget(duracao_);
  opcoes->addSpacing(8);
  opcoes->addWidget(rotulo("Label6", tr("Passo:"), passo_));
  opcoes->addWidget(passo_);
  opcoes->addSpacing(8);
  opcoes->addWidget(sinalTeste_);
  opcoes->addSpacing(8);
  opcoes->addWidget(rotuloAmplitude_);
  opcoes->addWidget(amplitude_);
  opcoes->addStretch(1);
  opcoes->addWidget(ajuda);
  auto* execucao = new QHBoxLayout;
  execucao->addWidget(armazenar_);
  execucao->addSpacing(8);
  execucao->addWidget(rotulo("Label3", tr("Arquivo:"), arquivo_));
  execucao->addWidget(arquivo_);
  execucao->addSpacing(8);
  execucao->addWidget(botaoSimular_);
  execucao->addWidget(progresso_, 1);
  execucao->addWidget(avisoArquivo_);
  auto* linhas = new QVBoxLayout(painelSimulacao);
  linhas->addLayout(opcoes);
  linhas->addLayout(execucao);

  MostraAmplitude(sinalTeste_->currentIndex());
  return painelSimulacao;
}

void JanelaSimulacaoRapida::PreencheLegendas() {
  const bool ingles = sessao_.IdiomaIngles();
  for (int k = 1; k <= kMalhas; ++k) {
    const Controlador* c = sessao_.documento().ControladorDe(k);
    const QString tag = c ? Texto(c->Tag.Em(ingles)) : QString();
    abasSuperiores_->setTabText(k - 1, c ? tag : tr("Malha %1").arg(k));
    abasInferiores_->setTabText(k - 1, c ? tag + QStringLiteral("(hist)") : tr("Hist %1").arg(k));
  }
}

void JanelaSimulacaoRapida::Mostra() {
  PreencheLegendas();
  abasSuperiores_->setCurrentIndex(0);
  abasInferiores_->setCurrentIndex(0);
  const std::string titulo(sessao_.documento().Titulo.Em(sessao_.IdiomaIngles()));
  arquivo_->setText(titulo.empty() ? QStringLiteral("DadosDesempenho") : Texto(titulo));
  PreencheSeletor(historicoSuperior_);
  PreencheSeletor(historicoInferior_);
  show();
  raise();
  activateWindow();
}

void JanelaSimulacaoRapida::EscolhePassoDaJanela(int item) { passo_->setCurrentIndex(item); }

void JanelaSimulacaoRapida::MostraAmplitude(int item) {
  const bool ativo = item == 2 || item == 3;
  rotuloAmplitude_->setVisible(ativo);
  amplitude_->setVisible(ativo);
}

bool JanelaSimulacaoRapida::LeAmplitude(int& amplitude) {
  const std::string texto = amplitude_->text().toStdString();
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
                                 .arg(amplitude_->text()));
  amplitude_->setFocus();
  amplitude_->selectAll();
  return false;
}

void JanelaSimulacaoRapida::HabilitaPainel(bool habilitado) {
  for (QWidget* w : std::initializer_list<QWidget*>{botaoSimular_, armazenar_, arquivo_, duracao_})
    w->setEnabled(habilitado);
}

void JanelaSimulacaoRapida::Simula() {
  if (simulando_) return;
  OpcoesSimulacaoRapida opcoes;
  opcoes.janela = kJanelasRapida[static_cast<std::size_t>(duracao_->currentIndex())];
  opcoes.TA = kPassosRapida[static_cast<std::size_t>(passo_->currentIndex())];
  const int sinal = sinalTeste_->currentIndex();
  opcoes.sinal = sinal == 2   ? SinalTeste::DegrauSP
                 : sinal == 3 ? SinalTeste::DisturbioProcesso
                              : SinalTeste::Nenhum;
  // The amplitude is checked before anything changes, so a typing error never
  // costs a run.
  if (opcoes.sinal != SinalTeste::Nenhum && !LeAmplitude(opcoes.amplitude)) return;
  opcoes.Normaliza = normaliza_->isChecked();

  malha_.validos = true;
  HabilitaPainel(false);
  simulando_ = true;
  avisoArquivo_->clear();
  progresso_->setValue(0);

  QString falha;
  try {
    // On a copy: every run starts where the live plant stands, and leaves it there.
    sessao_.RodaNaCopia([&](Documento& copia) {
      std::unique_ptr<GravadorTxd> historico;
      if (armazenar_->isChecked()) {
        historico = std::make_unique<GravadorTxd>(
            std::filesystem::current_path(), arquivo_->text().toStdString(),
            CabecalhoTxd(copia.simulacao.memoria, opcoes.TA, opcoes.janela));
      }
      // Only repaints run during the run, so the page's own controls stay as
      // the run found them.
      auto progresso = [this](int percentual) {
        progresso_->setValue(percentual);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      };
      const ResultadoSimulacaoRapida resultado =
          SimulacaoRapida(copia.simulacao, opcoes, historico.get(), progresso);
      progresso_->setValue(100);
      if (historico) {
        arquivoTxd_ = Texto(TextoCaminho(historico->Caminho().filename()));
        avisoArquivo_->setText(tr("Dados salvos no arquivo"));
      }
      MostraSeries(true, resultado.malhas, opcoes.Normaliza);
    });
    PreencheSeletor(historicoSuperior_);
    historicoSuperior_->setCurrentIndex(-1);
    historicoSuperior_->setEditText(arquivoTxd_);
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
