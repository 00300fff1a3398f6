// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/analise/fabrica_copia.h"
#include "core/analise/malha_desempenho.h"
#include "core/analise/recusa_sintonia.h"

namespace quiv {

// An open-loop step test of one loop, off-line on a copy of the plant.
struct OpcoesEnsaio {
  double amplitude = 10.0;        // % added to the output, either sign
  double TA = 0.1;                // s, the step of the run (as the fast simulation takes it)
  double assentamento = 60.0;     // s at least with the output held before the step
  double janelaMaxima = 14400.0;  // s recorded after the step at most
  std::uint64_t semente = 1;      // of the copy's random signals
};

// Why the record stopped.
enum class FimEnsaio {
  Assentou,      // the PV moved and then held still
  FimDaFaixa,    // the PV left 0 … 100 %, where the controller no longer sees it
  JanelaMaxima,  // still moving (or never moved) when the window ran out
};

// What the test recorded, one sample per step of TA: the values at the end
// of each step, when every object has run.
struct ResultadoEnsaio {
  int malha = 0;
  double TA = 0.0;
  double amplitude = 0.0;  // %
  double COinicial = 0.0;  // % held before the step
  double PVinicial = 0.0;  // %, mean over the settling's last minute (at most its half)
  double ruido = 0.0;      // %, the PV's step-to-step noise there (standard deviation)
  bool PVParado = false;   // the PV was at rest before the step (else the bound ran out)
  EscalaPV escala;         // the PV's engineering range and unit
  FimEnsaio fim = FimEnsaio::JanelaMaxima;
  // When the PV began to move (s after the step: the start of the first
  // second whose mean left the baseline); none when it never did.
  std::optional<double> tempoMovimento;

  // Time from the step (s; negative during the settling), PV (% and
  // engineering units) and CO (%). The step is the instant the controller
  // writes the new output: sample `indiceDegrau` is t = 0, whose PV the
  // step has not reached yet.
  std::vector<double> tempo;
  std::vector<double> PV;
  std::vector<double> PVEngenharia;
  std::vector<double> CO;
  std::size_t indiceDegrau = 0;
};

// Why a test cannot take these options, or nothing: the step must be a
// finite, non-zero amplitude of at most 100 %, TA as the fast simulation
// takes it, the settling not negative, the window positive and at most
// 1 000 000 s.
std::optional<std::string> ProblemaDoEnsaio(const OpcoesEnsaio& opcoes);

// Runs the step test of loop `malha` (controller `malha`, its PV and its
// output M(malha)) on a copy from `copia`: seeds the copy's random source,
// puts the controller in manual at its present output, steps the plant
// (ModoRapido, dt = TA, the objects' steps as the fast simulation takes
// them) for the settling time and on until the PV is at rest (its last
// stretch's halves agree within 0.02 %, a quarter of the window at most),
// adds the amplitude to the output and records
// until the PV has held still for a while (the mean of the last quarter of
// the time since it began to move agrees with the quarter before within 1 %
// of the change, plus the noise's share), leaves 0 … 100 % or the window
// runs out.
//
// Refusals throw RecusaSintonia (an Erro) with a sentence fit for the user
// and its code: no controller in
// that slot, a controller without a PV, a step that would take the output
// out of 0 … 100 %. Options ProblemaDoEnsaio refuses throw
// std::invalid_argument. `progresso` hears the share of the longest window
// run (0 … 100), and 100 at the end.
ResultadoEnsaio EnsaioDegrau(const FabricaCopia& copia, int malha, const OpcoesEnsaio& opcoes,
                             const std::function<void(int)>& progresso = {});

}  // namespace quiv
