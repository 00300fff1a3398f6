// SPDX-License-Identifier: GPL-3.0-or-later
// The scan cycle as the main window runs it: every object of a fully
// populated plant included and shown, the 20 animated texts and 5 shapes
// refreshing every sixth cycle, the operator panel on screen, and the
// repaint that follows each cycle. Beside it the same cycle without a window.
// Each run reports its share of the 100 ms period.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <memory>
#include <string>

#include "core/arquivo/documento.h"
#include "core/objetos/texto_animado.h"
#include "planta.h"
#include "ui/principal/janela_principal.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

constexpr double kPeriodoMs = 100.0;

// Everything the synoptic screen can show, on top of the full plant.
void MontaTelaCompleta(quiv::Documento& doc) {
  quiv::bench::MontaPlantaCompleta(doc.simulacao);
  for (int n = 1; n <= 20; ++n) {
    quiv::TextoAnimado& t = doc.NovoTexto(n);
    t.Descricao = "Texto " + std::to_string(n);
    t.ItemVariavel = 20 + (n - 1) % 20;
    t.AtualizaParametros(false);
  }
  for (quiv::TipoObjeto tipo :
       {quiv::TipoObjeto::Controlador, quiv::TipoObjeto::Processo, quiv::TipoObjeto::Bloco,
        quiv::TipoObjeto::Registrador, quiv::TipoObjeto::Texto}) {
    for (int n = 1; n <= quiv::Posicoes::Quantidade(tipo); ++n) {
      quiv::Posicao& p = doc.posicoes.De(tipo, n);
      p.Exibido = doc.Incluido(tipo, n);
      p.Esquerda = 20 + 90 * ((n - 1) % 12);
      p.Topo = 30 * static_cast<int>(tipo) * 3 + 30 * ((n - 1) / 12);
    }
  }
  quiv::Painel& painel = doc.painel;
  for (int n = 1; n <= quiv::Painel::kFormas; ++n) {
    quiv::FormaAnimada& f = painel.Forma(n);
    f.Visivel = true;
    f.TipoForma = n % 2;
    f.Variavel = std::to_string(20 + n);
  }
  for (int s = 1; s <= quiv::Painel::kChaves; ++s) painel.Chaves(s).DefineVisivel(true);
  for (int b = 1; b <= quiv::Painel::kBotoes; ++b) painel.HabilitaBotao(b, true);
  for (int n = 1; n <= quiv::Painel::kEntradas; ++n) {
    painel.Entrada(n).Incluida = true;
    painel.Entrada(n).Visivel = true;
    painel.Entrada(n).DefineNome("Entrada " + std::to_string(n));
  }
}

void Ciclos(benchmark::State& state, bool naTela) {
  quiv::SessaoSimulacao sessao;
  sessao.Temporizador().stop();  // the benchmark runs the cycles itself
  sessao.simulacao().aleatorio.Semeia(1);
  MontaTelaCompleta(sessao.documento());
  std::unique_ptr<quiv::JanelaPrincipal> janela;
  if (naTela) {
    janela = std::make_unique<quiv::JanelaPrincipal>(sessao);
    janela->resize(1600, 1000);
    janela->AtualizaTela();
    janela->show();
    QApplication::processEvents();
  }
  double agora = 0.0;
  for (int i = 0; i < 600; ++i) sessao.ExecutaCiclo(agora += kPeriodoMs);  // steady state
  QApplication::processEvents();

  const auto inicio = std::chrono::steady_clock::now();
  for (auto _ : state) {
    sessao.ExecutaCiclo(agora += kPeriodoMs);
    if (naTela) QApplication::processEvents();  // the repaint the cycle asked for
  }
  const std::chrono::duration<double, std::milli> decorrido =
      std::chrono::steady_clock::now() - inicio;
  state.counters["pct_of_100ms"] =
      100.0 * decorrido.count() / static_cast<double>(state.iterations()) / kPeriodoMs;
}

void BM_CicloSemTela(benchmark::State& state) { Ciclos(state, false); }
void BM_CicloNaTela(benchmark::State& state) { Ciclos(state, true); }

}  // namespace

BENCHMARK(BM_CicloSemTela)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_CicloNaTela)->Unit(benchmark::kMicrosecond)->UseRealTime();
