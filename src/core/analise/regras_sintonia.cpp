// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/regras_sintonia.h"

#include <algorithm>
#include <cmath>

#include "core/nucleo/numero_texto.h"

namespace quiv {

namespace {

// The correlations fitted by least ITAE were fitted on 0.1 ≤ L/T ≤ 1.
constexpr double kMenorRazaoITAE = 0.1;
constexpr double kMaiorRazaoITAE = 1.0;

Sintonia Indefinida(Sintonia s, Ressalva ressalva, std::string motivo) {
  s.definida = false;
  s.ressalva = ressalva;
  s.motivo = std::move(motivo);
  return s;
}

Sintonia Definida(Sintonia s, double Kc, double Ti, double Td) {
  if (!(std::isfinite(Kc) && Kc > 0.0 && std::isfinite(Ti) && Ti > 0.0 && std::isfinite(Td) &&
        Td >= 0.0))
    return Indefinida(std::move(s), Ressalva::SemAjusteUtil,
                      "the rule gives no usable setting for this model");
  s.definida = true;
  s.Kc = Kc;
  s.Ti = Ti;
  s.Td = Td;
  return s;
}

// K, T, L below: the model's gain magnitude |K| (%/%, or %/s per % for the
// integrator), time constant and dead time (s); r = L/T.

Sintonia IMC(Sintonia s, const ModeloProcesso& m, const OpcoesRegras& o) {
  const double K = std::fabs(m.K), T = m.T, L = m.L;
  if (m.tipo == TipoModelo::Integrador) {
    // The integrator's own time scale is 1/K, the time its PV takes to move
    // as far as its input moved: the default mirrors the first order's
    // (the larger of T and L), with 2·L for the dead time's sake.
    const double lambda = o.lambda.value_or(std::max(1.0 / K, 2.0 * L));
    s.constante = lambda;
    if (s.tipo == TipoControlador::PID)
      return Indefinida(std::move(s), Ressalva::SoPIIntegrador,
                        "the source gives PI only for an integrating process");
    // Chien & Fruehauf (1990), "Consider IMC tuning to improve controller
    // performance", Chem. Eng. Prog. 86(10), IMC for K·e^(−Ls)/s:
    //   Kc = (2λ + L) / (K·(λ + L)²),  Ti = 2λ + L
    return Definida(std::move(s), (2.0 * lambda + L) / (K * (lambda + L) * (lambda + L)),
                    2.0 * lambda + L, 0.0);
  }
  const double lambda = o.lambda.value_or(std::max(T, L));
  s.constante = lambda;
  if (s.tipo == TipoControlador::PI) {
    // The lambda rule: IMC with e^(−Ls) ≈ 1 − Ls in the model's inverse, as
    // in Chien & Fruehauf (1990):  Kc = T / (K·(λ + L)),  Ti = T
    return Definida(std::move(s), T / (K * (lambda + L)), T, 0.0);
  }
  // Rivera, Morari & Skogestad (1986), "Internal model control. 4. PID
  // controller design", Ind. Eng. Chem. Process Des. Dev. 25, 252–265,
  // Table 1, first-order Padé for the dead time:
  //   Kc = (2T + L) / (K·(2λ + L)),  Ti = T + L/2,  Td = T·L / (2T + L)
  // (they recommend λ > 0.8·L).
  if (lambda < 0.8 * L) {
    s.ressalva = Ressalva::LambdaPequeno;
    s.nota = "lambda below 0.8 L, less than the source recommends";
  }
  return Definida(std::move(s), (2.0 * T + L) / (K * (2.0 * lambda + L)), T + L / 2.0,
                  T * L / (2.0 * T + L));
}

Sintonia SIMC(Sintonia s, const ModeloProcesso& m, const OpcoesRegras& o) {
  const double K = std::fabs(m.K), T = m.T, L = m.L;
  const double tauC = o.tauC.value_or(L);
  s.constante = tauC;
  if (s.tipo == TipoControlador::PID)
    return Indefinida(std::move(s), Ressalva::SimcSemDerivada,
                      "SIMC adds derivative action only for a second time "
                      "constant, which this model has not");
  if (!(tauC + L > 0.0))
    return Indefinida(std::move(s), Ressalva::SemTempoMortoNemTauC,
                      "needs a dead time or a tau c above 0");
  // Skogestad (2003), "Simple analytic rules for model reduction and PID
  // controller tuning", J. Process Control 13, 291–309, the PI rule and its
  // integrating-process case:
  //   first order:  Kc = T / (K·(τc + L)),  Ti = min(T, 4·(τc + L))
  //   integrator:   Kc = 1 / (K·(τc + L)),  Ti = 4·(τc + L)
  if (m.tipo == TipoModelo::Integrador)
    return Definida(std::move(s), 1.0 / (K * (tauC + L)), 4.0 * (tauC + L), 0.0);
  return Definida(std::move(s), T / (K * (tauC + L)), std::min(T, 4.0 * (tauC + L)), 0.0);
}

Sintonia ZieglerNichols(Sintonia s, const ModeloProcesso& m) {
  const double L = m.L;
  if (!(L > 0.0)) return Indefinida(std::move(s), Ressalva::SemTempoMorto, "needs a dead time");
  // Ziegler & Nichols (1942), "Optimum settings for automatic controllers",
  // Trans. ASME 64, 759–768, from the reaction curve's unit reaction rate R
  // (slope per % of step: K/T for the first order, K for the integrator)
  // and its lag L:
  //   PI:   Kc = 0.9 / (R·L),  Ti = L / 0.3
  //   PID:  Kc = 1.2 / (R·L),  Ti = 2·L,  Td = 0.5·L
  const double R = m.tipo == TipoModelo::Integrador ? std::fabs(m.K) : std::fabs(m.K) / m.T;
  if (s.tipo == TipoControlador::PI) return Definida(std::move(s), 0.9 / (R * L), L / 0.3, 0.0);
  return Definida(std::move(s), 1.2 / (R * L), 2.0 * L, 0.5 * L);
}

Sintonia CohenCoon(Sintonia s, const ModeloProcesso& m) {
  const double K = std::fabs(m.K), T = m.T, L = m.L;
  if (m.tipo == TipoModelo::Integrador)
    return Indefinida(std::move(s), Ressalva::SemIntegrador,
                      "the source covers no integrating process");
  if (!(L > 0.0)) return Indefinida(std::move(s), Ressalva::SemTempoMorto, "needs a dead time");
  const double r = L / T;
  // Cohen & Coon (1953), "Theoretical consideration of retarded control",
  // Trans. ASME 75, 827–834, with r = L/T:
  //   PI:   Kc = (T/(K·L))·(0.9 + r/12),  Ti = L·(30 + 3r) / (9 + 20r)
  //   PID:  Kc = (T/(K·L))·(4/3 + r/4),   Ti = L·(32 + 6r) / (13 + 8r),
  //         Td = 4·L / (11 + 2r)
  if (s.tipo == TipoControlador::PI)
    return Definida(std::move(s), T / (K * L) * (0.9 + r / 12.0),
                    L * (30.0 + 3.0 * r) / (9.0 + 20.0 * r), 0.0);
  return Definida(std::move(s), T / (K * L) * (4.0 / 3.0 + r / 4.0),
                  L * (32.0 + 6.0 * r) / (13.0 + 8.0 * r), 4.0 * L / (11.0 + 2.0 * r));
}

Sintonia ITAE(Sintonia s, const ModeloProcesso& m) {
  const double K = std::fabs(m.K), T = m.T, L = m.L;
  if (m.tipo == TipoModelo::Integrador)
    return Indefinida(std::move(s), Ressalva::SemIntegrador,
                      "the correlation covers no integrating process");
  if (!(L > 0.0)) return Indefinida(std::move(s), Ressalva::SemTempoMorto, "needs a dead time");
  const double r = L / T;
  if (r < kMenorRazaoITAE || r > kMaiorRazaoITAE) {
    s.ressalva = Ressalva::RazaoForaDoAjuste;
    s.nota = "L/T = " + TextoFixo(r, 2) + ", outside 0.1 ... 1 where the correlation was fitted";
  }
  const bool pid = s.tipo == TipoControlador::PID;
  if (s.regra == Regra::ITAECarga) {
    // Lopez, Miller, Smith & Murrill (1967), "Tuning controllers with
    // error-integral criteria", Instrumentation Technology 14, 57–62,
    // ITAE for a load step, Y = A·r^B:
    //   PI:   K·Kc = 0.859·r^−0.977,  T/Ti = 0.674·r^−0.680
    //   PID:  K·Kc = 1.357·r^−0.947,  T/Ti = 0.842·r^−0.738,  Td/T = 0.381·r^0.995
    if (!pid)
      return Definida(std::move(s), 0.859 * std::pow(r, -0.977) / K,
                      T / (0.674 * std::pow(r, -0.680)), 0.0);
    return Definida(std::move(s), 1.357 * std::pow(r, -0.947) / K,
                    T / (0.842 * std::pow(r, -0.738)), T * 0.381 * std::pow(r, 0.995));
  }
  // Rovira, Murrill & Smith (1969), "Tuning controllers for setpoint
  // changes", Instruments & Control Systems 42(12), 67–69, ITAE for a set-
  // point step:
  //   PI:   K·Kc = 0.586·r^−0.916,  T/Ti = 1.03 − 0.165·r
  //   PID:  K·Kc = 0.965·r^−0.85,   T/Ti = 0.796 − 0.1465·r,  Td/T = 0.308·r^0.929
  const double inversoTi = pid ? 0.796 - 0.1465 * r : 1.03 - 0.165 * r;
  if (!(inversoTi > 0.0))
    return Indefinida(std::move(s), Ressalva::RazaoGrande, "L/T too large for the correlation");
  if (!pid) return Definida(std::move(s), 0.586 * std::pow(r, -0.916) / K, T / inversoTi, 0.0);
  return Definida(std::move(s), 0.965 * std::pow(r, -0.85) / K, T / inversoTi,
                  T * 0.308 * std::pow(r, 0.929));
}

}  // namespace

Sintonia CalculaSintonia(Regra regra, TipoControlador tipo, const ModeloProcesso& modelo,
                         const OpcoesRegras& opcoes) {
  Sintonia s;
  s.regra = regra;
  s.tipo = tipo;
  s.acaoReversa = modelo.K < 0.0;
  if (!(std::isfinite(modelo.K) && modelo.K != 0.0))
    return Indefinida(std::move(s), Ressalva::SemGanho, "the model has no gain");
  if (modelo.tipo == TipoModelo::PrimeiraOrdem && !(modelo.T > 0.0))
    return Indefinida(std::move(s), Ressalva::SemConstanteDeTempo,
                      "the model has no time constant");
  switch (regra) {
    case Regra::IMC:
      return IMC(std::move(s), modelo, opcoes);
    case Regra::SIMC:
      return SIMC(std::move(s), modelo, opcoes);
    case Regra::ZieglerNichols:
      return ZieglerNichols(std::move(s), modelo);
    case Regra::CohenCoon:
      return CohenCoon(std::move(s), modelo);
    case Regra::ITAECarga:
    case Regra::ITAESP:
      return ITAE(std::move(s), modelo);
  }
  return Indefinida(std::move(s), Ressalva::SemAjusteUtil, "unknown rule");
}

std::vector<Sintonia> TabelaSintonia(const ModeloProcesso& modelo, const OpcoesRegras& opcoes) {
  std::vector<Sintonia> tabela;
  for (const Regra regra : kRegras) {
    tabela.push_back(CalculaSintonia(regra, TipoControlador::PI, modelo, opcoes));
    tabela.push_back(CalculaSintonia(regra, TipoControlador::PID, modelo, opcoes));
  }
  return tabela;
}

std::string_view NomeRegra(Regra regra) {
  switch (regra) {
    case Regra::IMC:
      return "IMC/lambda";
    case Regra::SIMC:
      return "SIMC";
    case Regra::ZieglerNichols:
      return "Ziegler-Nichols";
    case Regra::CohenCoon:
      return "Cohen-Coon";
    case Regra::ITAECarga:
      return "ITAE load";
    case Regra::ITAESP:
      return "ITAE set point";
  }
  return "";
}

std::string_view ChaveRegra(Regra regra) {
  switch (regra) {
    case Regra::IMC:
      return "imc";
    case Regra::SIMC:
      return "simc";
    case Regra::ZieglerNichols:
      return "zn";
    case Regra::CohenCoon:
      return "cc";
    case Regra::ITAECarga:
      return "itae-load";
    case Regra::ITAESP:
      return "itae-sp";
  }
  return "";
}

std::optional<Regra> RegraDaChave(std::string_view chave) {
  for (const Regra regra : kRegras)
    if (ChaveRegra(regra) == chave) return regra;
  return std::nullopt;
}

std::string_view NomeTipo(TipoControlador tipo) {
  return tipo == TipoControlador::PID ? "PID" : "PI";
}

}  // namespace quiv
