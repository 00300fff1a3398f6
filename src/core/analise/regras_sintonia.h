// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analise/modelo_processo.h"

namespace quiv {

// The tuning rules, each from its published source (see regras_sintonia.cpp).
enum class Regra {
  IMC,             // IMC / lambda, closed-loop time constant λ
  SIMC,            // Skogestad's SIMC, closed-loop time constant τc
  ZieglerNichols,  // the reaction-curve rule
  CohenCoon,
  ITAECarga,  // ITAE-optimal for a load step
  ITAESP,     // ITAE-optimal for a set-point step
};
inline constexpr std::array<Regra, 6> kRegras = {
    Regra::IMC,       Regra::SIMC,      Regra::ZieglerNichols,
    Regra::CohenCoon, Regra::ITAECarga, Regra::ITAESP};

enum class TipoControlador { PI, PID };

struct OpcoesRegras {
  // IMC/lambda's closed-loop time constant (s). Unset: the larger of T and
  // L; for an integrator the larger of 1/|K| (its integration time) and
  // 2·L (λ = L leaves a phase margin near 20°).
  std::optional<double> lambda;
  // SIMC's closed-loop time constant τc (s). Unset: L, the source's choice
  // for fast, robust control.
  std::optional<double> tauC;
};

// Why a rule gives no controller, or the caveat on the one it gives, as a
// code a program can say in its own words (motivo and nota say it in
// English).
enum class Ressalva {
  Nenhuma,
  // no controller
  SemGanho,              // the model has no gain
  SemConstanteDeTempo,   // a first order without a time constant
  SemTempoMorto,         // the rule divides by the dead time
  SemTempoMortoNemTauC,  // SIMC with τc + L = 0
  SemIntegrador,         // the source covers no integrating process
  SoPIIntegrador,        // IMC gives PI only for an integrator
  SimcSemDerivada,       // SIMC's derivative needs a second time constant
  RazaoGrande,           // L/T beyond the ITAE set-point correlation
  SemAjusteUtil,         // the numbers came out unusable
  // caveats on a controller
  LambdaPequeno,      // λ below the 0.8·L the source recommends
  RazaoForaDoAjuste,  // L/T outside the 0.1 … 1 the ITAE correlations were fitted on
};

// One rule's controller, in the ideal (ISA) form the sources state them in:
//   CO = Kc·(e + (1/Ti)·∫e dt + Td·de/dt)
// with Kc > 0 for |K|: the process's sign goes into the controller's
// action, as the controller takes it (AcaoReversa: e = PV − SP, for a PV
// that falls when the output rises).
struct Sintonia {
  Regra regra = Regra::IMC;
  TipoControlador tipo = TipoControlador::PI;
  bool definida = false;
  std::string motivo;  // why the rule gives no controller here, when it does not
  double Kc = 0.0;     // %/%
  double Ti = 0.0;     // s
  double Td = 0.0;     // s; 0 for PI
  bool acaoReversa = false;
  double constante = 0.0;                 // the λ or τc used (s), 0 for the other rules
  std::string nota;                       // a caveat about where the rule was fitted, or empty
  Ressalva ressalva = Ressalva::Nenhuma;  // motivo's or nota's code
};

// The settings of `regra` for `tipo` on `modelo`. A rule the source does not
// define for that model or controller, or a model it cannot use (no gain,
// no dead time where the rule divides by it), gives definida = false and
// the reason.
Sintonia CalculaSintonia(Regra regra, TipoControlador tipo, const ModeloProcesso& modelo,
                         const OpcoesRegras& opcoes = {});

// Every rule, PI then PID, in kRegras order.
std::vector<Sintonia> TabelaSintonia(const ModeloProcesso& modelo, const OpcoesRegras& opcoes = {});

// "IMC/lambda", "SIMC", "Ziegler-Nichols", "Cohen-Coon", "ITAE load",
// "ITAE set point".
std::string_view NomeRegra(Regra regra);
// The short names the command line takes: "imc", "simc", "zn", "cc",
// "itae-load", "itae-sp".
std::string_view ChaveRegra(Regra regra);
std::optional<Regra> RegraDaChave(std::string_view chave);
std::string_view NomeTipo(TipoControlador tipo);  // "PI", "PID"

}  // namespace quiv
