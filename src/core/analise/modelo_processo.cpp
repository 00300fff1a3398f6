// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/modelo_processo.h"

#include <cmath>

namespace quiv {

double RespostaDegrau(const ModeloProcesso& modelo, double amplitude, double t) {
  const double s = t - modelo.L;
  if (!(s > 0.0)) return 0.0;
  if (modelo.tipo == TipoModelo::Integrador) return modelo.K * amplitude * s;
  if (!(modelo.T > 0.0)) return modelo.K * amplitude;
  return modelo.K * amplitude * -std::expm1(-s / modelo.T);
}

std::vector<double> RespostaDegrau(const ModeloProcesso& modelo, double amplitude,
                                   std::span<const double> tempos) {
  std::vector<double> y;
  y.reserve(tempos.size());
  for (const double t : tempos) y.push_back(RespostaDegrau(modelo, amplitude, t));
  return y;
}

std::string NomeModelo(TipoModelo tipo) {
  return tipo == TipoModelo::Integrador ? "integrator plus dead time"
                                        : "first order plus dead time";
}

}  // namespace quiv
