// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <vector>

namespace quiv {

// The two models a step test is fitted to, with the controller output and
// the PV both in % of their ranges:
//
//   first order plus dead time   G(s) = K·e^(−L·s) / (T·s + 1)
//   integrator plus dead time    G(s) = K·e^(−L·s) / s
//
// K is in %/% for the first and in %/s per % for the second (the PV's
// slope per % of output); T and L in seconds.
enum class TipoModelo { PrimeiraOrdem, Integrador };

struct ModeloProcesso {
  TipoModelo tipo = TipoModelo::PrimeiraOrdem;
  double K = 0.0;
  double T = 0.0;  // first order only
  double L = 0.0;
};

// The model's response to a step of `amplitude` (%) in its input at t = 0,
// as the PV's change (%) at time t (s). The dead time is a continuous
// shift: nothing moves until t > L.
double RespostaDegrau(const ModeloProcesso& modelo, double amplitude, double t);

// The same at every time of `tempos`: the curve drawn over a recorded response.
std::vector<double> RespostaDegrau(const ModeloProcesso& modelo, double amplitude,
                                   std::span<const double> tempos);

// "first order plus dead time" / "integrator plus dead time".
std::string NomeModelo(TipoModelo tipo);

}  // namespace quiv
