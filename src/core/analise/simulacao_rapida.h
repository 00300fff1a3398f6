// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/analise/malha_desempenho.h"

namespace quiv {

class GravadorTxd;
class Simulacao;

// The test signal applied once to every controller, a little after 10 % of
// the window.
enum class SinalTeste {
  Nenhum,
  DegrauSP,           // "Degrau no SP": the amplitude added to the set point
  DisturbioProcesso,  // "Distúrbio degrau no processo": added to the output bias
};

// The windows and steps the fast-simulation window offers, item by item; a
// window selects the step at its own position.
inline constexpr std::array<int, 4> kJanelasRapida = {1800, 3600, 7200, 14400};
inline constexpr std::array<double, 4> kPassosRapida = {0.1, 0.2, 0.5, 1.0};

// The options the fast-simulation page opens with: "30 min" and "500 ms".
struct OpcoesSimulacaoRapida {
  int janela = kJanelasRapida[0];  // W, simulated seconds ("30 min")
  double TA = kPassosRapida[2];    // step, s: 1 ms … 1 s, dividing one second ("500 ms")
  SinalTeste sinal = SinalTeste::Nenhum;
  int amplitude = 10;     // % of the test step
  bool Normaliza = true;  // PV and SP in %, otherwise in engineering units
};

struct ResultadoSimulacaoRapida {
  MalhasDesempenho malhas;
  long long passos = 0;       // N
  long long passoTeste = -1;  // the step h at which the test signal was applied
  long long registros = 0;    // records taken (one per simulated second)
};

// Why a run cannot take these options, or nothing when it can: the step
// must lie in 1 ms … 1 s and divide one second (a record is taken every
// simulated second, so 0.3 s is refused), and the window must not be
// negative. The texts are complete sentences, fit for the command line.
std::optional<std::string> ProblemaDasOpcoes(const OpcoesSimulacaoRapida& opcoes);

// Runs the live plant off-line for the window, in N = round(W/TA) steps with
// dt = TA and ModoRapido set: generator, processes, blocks, then the test
// step when due (once, as soon as round-half-even(100·h/N) > 10), then the
// controllers and the active linearizer. Every m = round(1/TA) steps it
// takes a record: a data line into `historico` when given, and one point per
// series of every loop that takes part (controller k exists and has a PV),
// at full precision (the file keeps two decimals; a history loaded back is
// scored on what it holds). Each loop then gets its indices.
//
// The history is finished here: named when the run ends (GravadorTxd::Fecha,
// whose errors end the run too), removed when the run fails, so that no
// file cut short is left to look like a complete run.
//
// The plant is left where the window ended: the test step stays in the
// controllers and dt stays TA; ModoRapido is cleared also when a step throws
// (an Erro from the plant propagates). `progresso` receives
// round(100·h/N) each time it changes. Options ProblemaDasOpcoes refuses
// throw std::invalid_argument with its text before anything runs (the
// history, when given, is removed).
ResultadoSimulacaoRapida SimulacaoRapida(Simulacao& simulacao, const OpcoesSimulacaoRapida& opcoes,
                                         GravadorTxd* historico = nullptr,
                                         const std::function<void(int)>& progresso = {});

}  // namespace quiv
