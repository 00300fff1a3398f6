// SPDX-License-Identifier: GPL-3.0-or-later
// The fast-simulation page on screen after a 4-hour run of the full plant
// (10 loops × 3 series × 14 400 points): filling the ten upper charts, a page
// change of the current loop's two charts, and a mouse zoom replicated on
// the lower chart. Each iteration includes the repaint of the charts on
// screen; the target is under 200 ms each.
#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <memory>

#include "core/analise/simulacao_rapida.h"
#include "planta.h"
#include "ui/analise/janela_simulacao_rapida.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

using Relogio = std::chrono::steady_clock;

struct Pagina {
  quiv::SessaoSimulacao sessao;
  quiv::ResultadoSimulacaoRapida corrida;
  std::unique_ptr<quiv::JanelaSimulacaoRapida> janela;

  Pagina() {
    sessao.Temporizador().stop();
    sessao.simulacao().aleatorio.Semeia(1);
    quiv::bench::MontaPlantaCompleta(sessao.simulacao());
    const quiv::OpcoesSimulacaoRapida opcoes{14400, 1.0, quiv::SinalTeste::DegrauSP, 10, true};
    corrida = quiv::SimulacaoRapida(sessao.simulacao(), opcoes);
    janela = std::make_unique<quiv::JanelaSimulacaoRapida>(sessao);
    janela->Mostra();
    janela->setWindowState(Qt::WindowNoState);
    janela->resize(1600, 1000);
    QApplication::processEvents();
  }

  // What the screen shows: the current loop's two charts painted now.
  void Pinta() {
    janela->GraficoSuperior(1).replot(QCustomPlot::rpImmediateRefresh);
    janela->GraficoInferior(1).replot(QCustomPlot::rpImmediateRefresh);
    QApplication::processEvents();
  }

  template <typename T>
  T* Filho(const char* nome) const {
    return janela->findChild<T*>(QLatin1String(nome));
  }
};

void Mouse(QWidget* w, QEvent::Type tipo, QPoint ponto, Qt::MouseButtons botoes) {
  QMouseEvent e(tipo, ponto, w->mapToGlobal(ponto),
                tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, botoes, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

void BM_PreencheGraficos(benchmark::State& state) {
  Pagina p;
  for (auto _ : state) {
    const auto inicio = Relogio::now();
    p.janela->MostraSeries(true, p.corrida.malhas, true);
    p.Pinta();
    state.SetIterationTime(std::chrono::duration<double>(Relogio::now() - inicio).count());
  }
}

void BM_MudaPagina(benchmark::State& state) {
  Pagina p;
  p.janela->MostraSeries(true, p.corrida.malhas, true);
  p.janela->MostraSeries(false, p.corrida.malhas, true);
  p.Filho<QComboBox>("PtsPag")->setCurrentIndex(0);  // 15 min: 16 pages
  p.Pinta();
  auto* sobe = p.Filho<QWidget>("SelPage")->findChild<QToolButton*>(QStringLiteral("Sobe"));
  auto* desce = p.Filho<QWidget>("SelPage")->findChild<QToolButton*>(QStringLiteral("Desce"));
  bool subindo = true;
  int paginas = 0;
  for (auto _ : state) {
    const auto inicio = Relogio::now();
    (subindo ? sobe : desce)->click();
    p.Pinta();
    state.SetIterationTime(std::chrono::duration<double>(Relogio::now() - inicio).count());
    if (++paginas == 15) {
      subindo = !subindo;
      paginas = 0;
    }
  }
}

void BM_Zoom(benchmark::State& state) {
  Pagina p;
  p.janela->MostraSeries(true, p.corrida.malhas, true);
  p.janela->MostraSeries(false, p.corrida.malhas, true);
  p.Filho<QComboBox>("PtsPag")->setCurrentIndex(4);  // 4 horas: every point on the page
  p.Pinta();
  QCustomPlot& grafico = p.janela->GraficoSuperior(1);
  auto* zoom = p.Filho<QToolButton>("SpeedButton1");
  auto* desfaz = p.Filho<QToolButton>("SpeedButton2");
  const QRect area = grafico.axisRect()->rect();
  const QPoint de = area.topLeft() + QPoint(area.width() / 5, area.height() / 5);
  const QPoint ate = area.topLeft() + QPoint(area.width() * 3 / 5, area.height() * 4 / 5);
  for (auto _ : state) {
    zoom->click();
    const auto inicio = Relogio::now();
    Mouse(&grafico, QEvent::MouseButtonPress, de, Qt::LeftButton);
    Mouse(&grafico, QEvent::MouseMove, ate, Qt::LeftButton);
    Mouse(&grafico, QEvent::MouseButtonRelease, ate, Qt::NoButton);
    p.Pinta();
    state.SetIterationTime(std::chrono::duration<double>(Relogio::now() - inicio).count());
    desfaz->click();
    p.Pinta();
  }
}

}  // namespace

BENCHMARK(BM_PreencheGraficos)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_MudaPagina)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Zoom)->Unit(benchmark::kMillisecond)->UseManualTime();
