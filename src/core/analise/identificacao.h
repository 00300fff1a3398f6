// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "core/analise/ensaio_degrau.h"
#include "core/analise/modelo_processo.h"
#include "core/analise/recusa_sintonia.h"

namespace quiv {

struct OpcoesIdentificacao {
  double menorResposta = 0.5;  // %: a smaller change of the PV is refused as too small
  double menorR2 = 0.9;        // a fit explaining less of the response is refused
};

struct ResultadoIdentificacao {
  ModeloProcesso modelo;      // the least-squares fit
  ModeloProcesso estimativa;  // the graphical estimate it started from
  // Share of the response's variance (after the step, about its mean) the
  // fitted model explains: 1 − Σ residual² / Σ (y − ȳ)².
  double R2 = 0.0;
  double variacaoPV = 0.0;  // %: the settled change, or the change at the record's end
  int avaliacoes = 0;       // evaluations of the model the fit took
  // The fitted model's PV (%), at every time the test recorded: the
  // baseline, then the baseline plus the model's step response.
  std::vector<double> curva;
};

// Fits the step test's response after the step (t ≥ 0, the PV less its
// baseline) to the step response of a first-order-plus-dead-time model when
// the PV settled, of an integrator-plus-dead-time model when it did not (still
// moving at the window's end, or out of its range). Levenberg–Marquardt on
// the residuals at the recorded times, with the dead time a continuous
// shift, started from a graphical estimate: the two-point method (28.3 %
// and 63.2 % of the change) for the first order, the straight line through
// the last half of the record for the integrator.
//
// Refusals throw RecusaSintonia (an Erro) with a sentence fit for the user
// and its code: a PV that does not
// move (the test saw no second's mean leave the baseline), a change smaller than
// `menorResposta`, a fit explaining less than `menorR2` of the variance.
ResultadoIdentificacao IdentificaModelo(const ResultadoEnsaio& ensaio,
                                        const OpcoesIdentificacao& opcoes = {});

}  // namespace quiv
