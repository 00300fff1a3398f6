// SPDX-License-Identifier: GPL-3.0-or-later
// The scan cycle with all ten controller windows open on a fully populated
// plant: their read-outs refreshed after each cycle and the repaint that
// follows (faceplate gauges and texts, the trend's curves); the same with the
// ten trend recorders and the variable list open instead. Beside them the
// same cycle with no window. Each run reports its share of the 100 ms period.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <memory>
#include <vector>

#include "core/objetos/controlador.h"
#include "planta.h"
#include "ui/objetos/janela_controlador.h"
#include "ui/objetos/janela_lista_variaveis.h"
#include "ui/objetos/janela_registrador.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

constexpr double kPeriodoMs = 100.0;

enum class Janelas { Nenhuma, Tendencia, Configuracao, Registradores };

void Ciclos(benchmark::State& state, Janelas janelas) {
  quiv::SessaoSimulacao sessao;
  sessao.Temporizador().stop();  // the benchmark runs the cycles itself
  sessao.simulacao().aleatorio.Semeia(1);
  quiv::bench::MontaPlantaCompleta(sessao.simulacao());
  std::vector<std::unique_ptr<QWidget>> abertas;
  if (janelas == Janelas::Registradores) {
    for (int n = 1; n <= 10; ++n) {
      auto janela = std::make_unique<quiv::JanelaRegistrador>(sessao, n);
      janela->Mostra();
      abertas.push_back(std::move(janela));
    }
    auto lista = std::make_unique<quiv::JanelaListaVariaveis>(sessao);
    lista->Mostra();
    abertas.push_back(std::move(lista));
    QApplication::processEvents();
  } else if (janelas != Janelas::Nenhuma) {
    for (int n = 1; n <= quiv::kMalhas; ++n) {
      auto janela = std::make_unique<quiv::JanelaControlador>(sessao, n);
      janela->Mostra();  // opens on the trend: the controller has its tag and PV
      if (janela->TendenciaVisivel() && janelas == Janelas::Configuracao)
        janela->findChild<QPushButton*>(QStringLiteral("ConfigBTN"))->click();
      // The thick line and every pen: the most the trend draws.
      if (quiv::Controlador* c = sessao.documento().ControladorDe(n)) {
        c->Tendencia.Grafico.LinhaGrossa = true;
        c->Tendencia.MostrarAtuador = true;
      }
      janela->Mostra();
      abertas.push_back(std::move(janela));
    }
    QApplication::processEvents();
  }
  double agora = 0.0;
  for (int i = 0; i < 600; ++i) {  // steady state, rings full
    sessao.ExecutaCiclo(agora += kPeriodoMs);
    QApplication::processEvents();
  }

  const auto inicio = std::chrono::steady_clock::now();
  for (auto _ : state) {
    sessao.ExecutaCiclo(agora += kPeriodoMs);
    QApplication::processEvents();  // the repaint the cycle asked for
  }
  const std::chrono::duration<double, std::milli> decorrido =
      std::chrono::steady_clock::now() - inicio;
  state.counters["pct_of_100ms"] =
      100.0 * decorrido.count() / static_cast<double>(state.iterations()) / kPeriodoMs;
}

void BM_CicloSemJanelas(benchmark::State& state) { Ciclos(state, Janelas::Nenhuma); }
void BM_DezControladoresComTendencia(benchmark::State& state) { Ciclos(state, Janelas::Tendencia); }
void BM_DezControladoresComConfiguracao(benchmark::State& state) {
  Ciclos(state, Janelas::Configuracao);
}
void BM_DezRegistradoresEListaDeVariaveis(benchmark::State& state) {
  Ciclos(state, Janelas::Registradores);
}

}  // namespace

BENCHMARK(BM_CicloSemJanelas)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DezControladoresComTendencia)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DezControladoresComConfiguracao)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DezRegistradoresEListaDeVariaveis)->Unit(benchmark::kMicrosecond)->UseRealTime();
