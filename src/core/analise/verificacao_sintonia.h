// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "core/analise/ajuste_controlador.h"
#include "core/analise/ensaio_degrau.h"
#include "core/analise/fabrica_copia.h"
#include "core/analise/malha_desempenho.h"
#include "core/analise/modelo_processo.h"
#include "core/analise/recusa_sintonia.h"
#include "core/analise/simulacao_rapida.h"

namespace quiv {

struct OpcoesVerificacao {
  int janela = kJanelasRapida[0];  // s; JanelaVerificacao gives one that fits the loop
  double TA = 0.1;                 // s
  int amplitude = 10;              // % of the set-point and of the load step
  std::uint64_t semente = 1;       // of every copy's random signals
  // s each copy runs off-line before the fast simulation, so that a plant
  // that was not at rest (a loop just closed, a ramp ending) has come to rest
  // before the indices count; the step test's settling is a fair measure.
  double assentamento = 0.0;
};

// One fast simulation of the loop: its seven indices and its curves (PV and
// SP in %, one point per simulated second).
struct RodadaVerificacao {
  IndicesMalha indices;
  SeriesMalha series;
};

struct ResultadoVerificacao {
  int janela = 0;  // s
  RodadaVerificacao spAntes, spDepois, cargaAntes, cargaDepois;
};

// The window for a loop of this model under these settings: the first the
// fast-simulation page offers that holds 30 times the dead time plus the
// longer of T and Ti, the last one otherwise.
int JanelaVerificacao(const ModeloProcesso& modelo, const Sintonia& sintonia);

// The check that goes with a step test: its step and seed, the window
// JanelaVerificacao gives, and a settling as long as the test's.
OpcoesVerificacao OpcoesDoEnsaio(const ResultadoEnsaio& ensaio, const ModeloProcesso& modelo,
                                 const Sintonia& sintonia, std::uint64_t semente);

// Four fast simulations (SimulacaoRapida, its test applied to every
// controller) on fresh copies of the plant, with a set-point step and with
// a load step, before and after the settings are applied to controller
// `malha`. Each copy first runs `assentamento` seconds as it stands; then
// the loop is closed if it was in manual (its SP on its PV, so that it
// starts at rest). Settings the
// controller refuses throw Erro; so does a loop without a controller or a
// PV (RecusaSintonia). `progresso` hears 0 … 100 across the four runs.
ResultadoVerificacao VerificaSintonia(const FabricaCopia& copia, int malha,
                                      const ParametrosControlador& parametros,
                                      const OpcoesVerificacao& opcoes,
                                      const std::function<void(int)>& progresso = {});

}  // namespace quiv
