// SPDX-License-Identifier: GPL-3.0-or-later
#include <qcustomplot.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "../comum/mesmo_estado.h"
#include "../comum/planta_degrau.h"
#include "ambiente_janela.h"
#include "core/analise/ajuste_controlador.h"
#include "core/analise/ensaio_degrau.h"
#include "core/analise/identificacao.h"
#include "core/analise/verificacao_sintonia.h"
#include "core/arquivo/copia_documento.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/analise/pagina_sintonia.h"
#include "ui/objetos/janela_controlador.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::Controlador;
using quiv::PaginaSintonia;

namespace {

// The loop's process: exactly 1.5·e^(−5 s)/(20 s + 1).
constexpr double kK = 1.5;
constexpr double kT = 20.0;
constexpr double kL = 5.0;
constexpr int kColunaNota = 5;

void Digita(QLineEdit* e, const QString& texto) {
  e->selectAll();
  if (texto.isEmpty())
    QTest::keyClick(e, Qt::Key_Delete);
  else
    QTest::keyClicks(e, texto);
}

bool Perto(double valor, double esperado, double relativa) {
  return std::fabs(valor - esperado) <= relativa * std::fabs(esperado);
}

}  // namespace

class TesteSintonia : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    quiv::teste::IncluiMalhaPrimeiraOrdem(sessao_->documento(), kK, kT, kL, 40.0);
    sessao_->MarcaSalvo();
    janela_ = std::make_unique<quiv::JanelaControlador>(*sessao_, 1);
    janela_->Mostra();
    QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
    Botao(*janela_, "ConfigBTN")->click();
    Botao(*janela_, "SintoniaBTN")->click();
    pagina_ = janela_->findChild<PaginaSintonia*>(QStringLiteral("PaginaSintonia"));
    QVERIFY(pagina_);
    QVERIFY(pagina_->isVisible());
  }

  void cleanup() {
    pagina_ = nullptr;
    janela_.reset();
    EncerraAmbiente();
  }

  // Test, model, rules, check and apply, as a student goes through them: the
  // live plant is untouched until "Aplicar", which goes through the
  // controller's own apply.
  void ensaioVerificacaoEAplicacao() {
    const Controlador& c = Modelo();
    const bool autoAntes = c.ModoAuto;
    const double coAntes = c.CO;
    const std::string kpAntes = c.TextoKp;
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(sessao_->documento());
    sessao_->Temporizador().start();
    bool parada = false;
    QTimer::singleShot(0, this, [&] { parada = !sessao_->Temporizador().isActive(); });

    Botao(*pagina_, "EnsaioBTN")->click();
    QVERIFY(parada);  // the live plant waits while the test steps its copies
    QVERIFY(sessao_->Temporizador().isActive());
    sessao_->Temporizador().stop();
    QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));
    QCOMPARE(c.ModoAuto, autoAntes);
    QCOMPARE(c.CO, coAntes);
    QCOMPARE(c.TextoKp, kpAntes);
    QVERIFY(sessao_->Salvo());
    QCOMPARE(pagina_->findChild<QProgressBar*>(QStringLiteral("Progresso"))->value(), 100);

    // The fitted model is drawn over the recorded response and meets it.
    auto* grafico = pagina_->findChild<QCustomPlot*>(QStringLiteral("GraficoResposta"));
    QVERIFY(grafico->graph(0)->dataCount() > 100);
    QCOMPARE(grafico->graph(1)->dataCount(), grafico->graph(0)->dataCount());
    const double pvFinal = (grafico->graph(0)->data()->end() - 1)->value;
    const double modeloFinal = (grafico->graph(1)->data()->end() - 1)->value;
    QVERIFY2(std::fabs(pvFinal - modeloFinal) < 0.2,
             qPrintable(QStringLiteral("%1 / %2").arg(pvFinal).arg(modeloFinal)));
    QVERIFY(Texto("ModeloText").contains(QStringLiteral("primeira ordem com tempo morto")));

    // Twelve rows, IMC PI chosen, with the setting the exact model gives:
    // Kc = T / (K·(λ + L)), λ = max(T, L).
    auto* tabela = Tabela("TabelaRegras");
    QCOMPARE(tabela->rowCount(), 12);
    const std::optional<quiv::Sintonia> escolhida = pagina_->Escolhida();
    QVERIFY(escolhida);
    QCOMPARE(escolhida->regra, quiv::Regra::IMC);
    QCOMPARE(escolhida->tipo, quiv::TipoControlador::PI);
    const int linha = tabela->currentRow();
    QVERIFY2(Perto(tabela->item(linha, 2)->text().toDouble(), kT / (kK * (kT + kL)), 0.03),
             qPrintable(tabela->item(linha, 2)->text()));
    QVERIFY(Perto(tabela->item(linha, 3)->text().toDouble(), kT, 0.03));

    // The check shows what the core's check of the same test gives.
    Botao(*pagina_, "VerificarBTN")->click();
    const quiv::ResultadoVerificacao esperado = VerificacaoDoNucleo(*escolhida);
    const quiv::RodadaVerificacao* rodadas[] = {&esperado.spAntes, &esperado.spDepois,
                                                &esperado.cargaAntes, &esperado.cargaDepois};
    auto* indices = Tabela("TabelaIndices");
    for (int j = 0; j < 4; ++j) {
      const quiv::IndicesMalha textos = quiv::IndicesMostrados(rodadas[j]->indices, true, {});
      for (int i = 0; i < quiv::kNumeroIndices; ++i)
        QCOMPARE(indices->item(i, j)->text(),
                 QString::fromStdString(textos[static_cast<std::size_t>(i)]).trimmed());
    }
    auto* verificacao = pagina_->findChild<QCustomPlot*>(QStringLiteral("GraficoVerificacao"));
    QCOMPARE(verificacao->graph(2)->dataCount(), esperado.janela);
    QVERIFY(sessao_->Salvo());
    QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));

    // Apply: the controller's fields, its applied gain, the window's form
    // and the save state all follow.
    const QString kp = tabela->item(linha, 2)->text();
    Botao(*pagina_, "AplicarBTN")->click();
    QCOMPARE(QString::fromStdString(c.TextoKp), kp);
    QVERIFY(std::fabs(c.Kc - kp.toDouble()) < 1e-9);
    QCOMPARE(c.ItemAcao, 1);  // the process rises with the output
    QVERIFY(!c.AcaoD);
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(janela_->findChild<QLineEdit*>(QStringLiteral("KpText"))->text(), kp);
    QVERIFY(!Botao(*janela_, "btnatualiza")->isEnabled());
    QVERIFY(Texto("EstadoAplicacao").contains(kp));
  }

  // What the page refuses before a run, and runs the core refuses: a box
  // that says why, and nothing to check or apply.
  void recusas_data() {
    QTest::addColumn<QString>("amplitude");
    QTest::addColumn<double>("co");
    QTest::addColumn<int>("itemPV");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<bool>("registrou");
    const QString invalido = QStringLiteral("Degrau na saída inválido");
    QTest::newRow("not a number") << "abc" << 40.0 << 20 << invalido << false;
    QTest::newRow("zero") << "0" << 40.0 << 20 << invalido << false;
    QTest::newRow("above 100") << "120" << 40.0 << 20 << invalido << false;
    QTest::newRow("output would leave its range")
        << "10" << 95.0 << 20 << QStringLiteral("O ensaio não pôde ser feito") << false;
    QTest::newRow("PV that does not move")
        << "10" << 40.0 << 98 << QStringLiteral("Não foi possível ajustar um modelo") << true;
  }
  void recusas() {
    QFETCH(QString, amplitude);
    QFETCH(double, co);
    QFETCH(int, itemPV);
    QFETCH(QString, mensagem);
    QFETCH(bool, registrou);
    Controlador& c = Modelo();
    c.CO = co;
    c.ItemPV = itemPV;
    QVERIFY(c.AtualizaParametros(false));
    Digita(pagina_->findChild<QLineEdit*>(QStringLiteral("AmplitudeEdit")), amplitude);
    roteiro_.EsperaInforma(mensagem);
    Botao(*pagina_, "EnsaioBTN")->click();
    QCOMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(Tabela("TabelaRegras")->rowCount(), 0);
    QVERIFY(!Botao(*pagina_, "VerificarBTN")->isEnabled());
    QVERIFY(!Botao(*pagina_, "AplicarBTN")->isEnabled());
    QVERIFY(Botao(*pagina_, "EnsaioBTN")->isEnabled());
    auto* grafico = pagina_->findChild<QCustomPlot*>(QStringLiteral("GraficoResposta"));
    QCOMPARE(grafico->graph(0)->dataCount() > 0, registrou);
    QCOMPARE(c.CO, co);
  }

  // λ retunes the IMC rows; a λ that is no positive time is refused, and an
  // empty field goes back to the default.
  void lambda() {
    Botao(*pagina_, "EnsaioBTN")->click();
    auto* campo = pagina_->findChild<QLineEdit*>(QStringLiteral("LambdaEdit"));
    auto kpDoImc = [this] { return Tabela("TabelaRegras")->item(0, 2)->text().toDouble(); };
    const double padrao = kpDoImc();

    Digita(campo, QStringLiteral("10"));
    pagina_->DefineLambda();
    QVERIFY2(Perto(kpDoImc(), kT / (kK * (10.0 + kL)), 0.03),
             qPrintable(QString::number(kpDoImc())));
    QVERIFY(Tabela("TabelaRegras")->item(0, 0)->text().contains(QStringLiteral("λ = 10 s")));
    QCOMPARE(pagina_->Escolhida()->regra, quiv::Regra::IMC);  // the choice survives

    Digita(campo, QStringLiteral("-1"));
    roteiro_.EsperaInforma(QStringLiteral("λ inválido"));
    pagina_->DefineLambda();
    QVERIFY(Perto(kpDoImc(), kT / (kK * (10.0 + kL)), 0.03));

    Digita(campo, QString());
    pagina_->DefineLambda();
    QCOMPARE(kpDoImc(), padrao);
  }

  // The structure the controller has when the settings are applied decides
  // how they are written: in parallel the integral time is Ti/Kc.
  void aplicaNaEstruturaAtual() {
    Botao(*pagina_, "EnsaioBTN")->click();
    QVERIFY(pagina_->Escolhe(quiv::Regra::ZieglerNichols, quiv::TipoControlador::PID));
    const quiv::Sintonia s = *pagina_->Escolhida();
    Controlador& c = Modelo();
    c.ItemEstrutura = 0;
    QVERIFY(c.AtualizaParametros(false));
    Botao(*pagina_, "AplicarBTN")->click();
    QCOMPARE(c.ItemEstrutura, 0);
    QCOMPARE(c.TextoTi, quiv::TextoSignificativo(s.Ti / s.Kc));
    QCOMPARE(c.TextoTd, quiv::TextoSignificativo(s.Kc * s.Td));
    QVERIFY(c.AcaoD);
  }

  // A rule the model does not allow cannot be chosen.
  void regraIndefinidaNaoSeEscolhe() {
    Botao(*pagina_, "EnsaioBTN")->click();
    QVERIFY(!pagina_->Escolhe(quiv::Regra::SIMC, quiv::TipoControlador::PID));
    QCOMPARE(pagina_->Escolhida()->regra, quiv::Regra::IMC);
    auto* tabela = Tabela("TabelaRegras");
    const int linha = 3;  // SIMC PID
    QCOMPARE(tabela->item(linha, 2)->text(), QStringLiteral("não definida"));
    QVERIFY(!(tabela->item(linha, 0)->flags() & Qt::ItemIsSelectable));
  }

  // A PV that keeps moving is fitted as an integrator: the page says so, and
  // the rules written for self-regulating processes give no controller.
  void processoIntegrador() {
    janela_.reset();
    sessao_ = std::make_unique<quiv::SessaoSimulacao>();
    sessao_->Temporizador().stop();
    quiv::teste::IncluiMalhaIntegradora(sessao_->documento(), 0.02, 4.0);
    janela_ = std::make_unique<quiv::JanelaControlador>(*sessao_, 1);
    janela_->Mostra();
    Botao(*janela_, "SintoniaBTN")->click();
    pagina_ = janela_->findChild<PaginaSintonia*>(QStringLiteral("PaginaSintonia"));
    Botao(*pagina_, "EnsaioBTN")->click();
    QVERIFY2(Texto("ModeloText").contains(QStringLiteral("integrador com tempo morto")),
             qPrintable(Texto("ModeloText")));
    QCOMPARE(pagina_->Escolhida()->regra, quiv::Regra::IMC);
    auto* tabela = Tabela("TabelaRegras");
    for (const int linha : {6, 7, 8, 9, 10, 11}) {  // Cohen-Coon and both ITAE
      QCOMPARE(tabela->item(linha, 2)->text(), QStringLiteral("não definida"));
      QVERIFY(!tabela->item(linha, kColunaNota)->text().isEmpty());
    }
  }

  // The recorded response and the fitted model leave as a table, one row per
  // sample, from the chart's right-click menu.
  void exportaResposta() {
    Botao(*pagina_, "EnsaioBTN")->click();
    QTemporaryDir pasta;
    auto* grafico = pagina_->findChild<QCustomPlot*>(QStringLiteral("GraficoResposta"));
    const QString destino = pasta.filePath(QStringLiteral("resposta"));  // extension added
    roteiro_.EsperaSalva(QStringLiteral("Exportar Dados"), destino);
    grafico->findChild<QAction*>(QStringLiteral("ExportarCsv"))->trigger();
    QFile arquivo(destino + QStringLiteral(".csv"));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QStringList linhas =
        QString::fromUtf8(arquivo.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(linhas.first(),
             QStringLiteral("Tempo após o degrau (s);PV registrada;Modelo ajustado;Saída (CO)"));
    QCOMPARE(linhas.size(), 1 + grafico->graph(0)->dataCount());
  }

  // A new plant in the session makes the test meaningless: it is forgotten.
  void novaSimulacaoLimpa() {
    Botao(*pagina_, "EnsaioBTN")->click();
    QCOMPARE(Tabela("TabelaRegras")->rowCount(), 12);
    sessao_->NovaSimulacao();
    QCOMPARE(Tabela("TabelaRegras")->rowCount(), 0);
    QVERIFY(!Botao(*pagina_, "AplicarBTN")->isEnabled());
    QVERIFY(!pagina_->Escolhida());
  }

 private:
  Controlador& Modelo() { return *sessao_->documento().ControladorDe(1); }

  static QPushButton* Botao(QWidget& w, const char* nome) { return Procura<QPushButton>(w, nome); }
  QTableWidget* Tabela(const char* nome) {
    return pagina_->findChild<QTableWidget*>(QLatin1String(nome));
  }
  QString Texto(const char* nome) {
    return pagina_->findChild<QLabel*>(QLatin1String(nome))->text();
  }

  // The test, the fit and the check of the same settings, straight from the
  // core, on the live plant as it stands.
  quiv::ResultadoVerificacao VerificacaoDoNucleo(const quiv::Sintonia& s) {
    const std::shared_ptr<const quiv::Documento> base = quiv::CopiaDocumento(sessao_->documento());
    const quiv::FabricaCopia copia = [base] { return quiv::CopiaSimulacao(*base); };
    const quiv::ResultadoEnsaio ensaio = quiv::EnsaioDegrau(copia, 1, {});
    const quiv::ResultadoIdentificacao id = quiv::IdentificaModelo(ensaio);
    return quiv::VerificaSintonia(copia, 1, quiv::ParaControlador(s, Modelo()),
                                  quiv::OpcoesDoEnsaio(ensaio, id.modelo, s, 1));
  }

  std::unique_ptr<quiv::JanelaControlador> janela_;
  PaginaSintonia* pagina_ = nullptr;
};

int ExecutaTesteSintonia(int argc, char** argv) {
  TesteSintonia teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_sintonia.moc"
