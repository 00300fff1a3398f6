// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/identificacao.h"

#include <Eigen/Core>
#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <unsupported/Eigen/NonLinearOptimization>

#include "core/analise/recusa_sintonia.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"

namespace quiv {

namespace {

using Vetor = Eigen::VectorXd;
using Matriz = Eigen::MatrixXd;

// Smallest time constant the fit may reach (s): a step response cannot say
// more than a fraction of its own sampling step.
constexpr double kMenorT = 1e-6;

// The response after the step, as the fit sees it: times from the step and
// the PV less its baseline.
struct Resposta {
  std::span<const double> t;
  std::vector<double> y;
  double amplitude = 0.0;
};

// Residuals and Jacobian of a model's step response against the record, in
// the form Eigen's Levenberg–Marquardt takes. The parameters are (K, T, L)
// for the first order and (K, L) for the integrator; T and L are held at
// their bounds (kMenorT, 0) inside, and the Jacobian says so.
class Residuos {
 public:
  Residuos(const Resposta& r, TipoModelo tipo) : r_(r), tipo_(tipo) {}

  Eigen::Index inputs() const { return tipo_ == TipoModelo::Integrador ? 2 : 3; }
  Eigen::Index values() const { return static_cast<Eigen::Index>(r_.y.size()); }

  ModeloProcesso Modelo(const Vetor& p) const {
    ModeloProcesso m;
    m.tipo = tipo_;
    m.K = p[0];
    if (tipo_ == TipoModelo::Integrador) {
      m.L = std::max(p[1], 0.0);
    } else {
      m.T = std::max(p[1], kMenorT);
      m.L = std::max(p[2], 0.0);
    }
    return m;
  }

  int operator()(const Vetor& p, Vetor& residuo) const {
    ++avaliacoes;
    const ModeloProcesso m = Modelo(p);
    for (Eigen::Index i = 0; i < values(); ++i) {
      const auto k = static_cast<std::size_t>(i);
      residuo[i] = RespostaDegrau(m, r_.amplitude, r_.t[k]) - r_.y[k];
    }
    return 0;
  }

  int df(const Vetor& p, Matriz& jacobiano) const {
    const ModeloProcesso m = Modelo(p);
    const double A = r_.amplitude;
    const bool livreL = tipo_ == TipoModelo::Integrador ? p[1] > 0.0 : p[2] > 0.0;
    const bool livreT = tipo_ == TipoModelo::PrimeiraOrdem && p[1] > kMenorT;
    for (Eigen::Index i = 0; i < values(); ++i) {
      const double s = r_.t[static_cast<std::size_t>(i)] - m.L;
      jacobiano.row(i).setZero();
      if (!(s > 0.0)) continue;
      if (tipo_ == TipoModelo::Integrador) {
        jacobiano(i, 0) = A * s;
        if (livreL) jacobiano(i, 1) = -m.K * A;
      } else {
        const double e = std::exp(-s / m.T);
        jacobiano(i, 0) = A * (1.0 - e);
        if (livreT) jacobiano(i, 1) = -m.K * A * e * s / (m.T * m.T);
        if (livreL) jacobiano(i, 2) = -m.K * A * e / m.T;
      }
    }
    return 0;
  }

  mutable int avaliacoes = 0;

 private:
  const Resposta& r_;
  TipoModelo tipo_;
};

double Media(std::span<const double> v) {
  double soma = 0.0;
  for (const double x : v) soma += x;
  return v.empty() ? 0.0 : soma / static_cast<double>(v.size());
}

// Centred moving average over 2·meia + 1 samples (fewer at the ends), so
// that a noisy response crosses a level once, near where its mean does.
std::vector<double> Suaviza(const std::vector<double>& y, std::size_t meia) {
  if (meia == 0) return y;
  std::vector<double> soma(y.size() + 1, 0.0);
  for (std::size_t i = 0; i < y.size(); ++i) soma[i + 1] = soma[i] + y[i];
  std::vector<double> s(y.size());
  for (std::size_t i = 0; i < y.size(); ++i) {
    const std::size_t a = i >= meia ? i - meia : 0;
    const std::size_t b = std::min(y.size(), i + meia + 1);
    s[i] = (soma[b] - soma[a]) / static_cast<double>(b - a);
  }
  return s;
}

// First time the response, as a share of `variacao`, reaches `fracao`,
// interpolated between samples; the last time when it never does.
double Cruzamento(const Resposta& r, const std::vector<double>& y, double variacao, double fracao) {
  for (std::size_t i = 0; i < y.size(); ++i) {
    const double f = y[i] / variacao;
    if (f < fracao) continue;
    if (i == 0) return r.t[0];
    const double f0 = y[i - 1] / variacao;
    return r.t[i - 1] + (fracao - f0) / (f - f0) * (r.t[i] - r.t[i - 1]);
  }
  return r.t.back();
}

// The two-point method: with t1 and t2 the times of 28.3 % and 63.2 % of
// the change, T = 1.5·(t2 − t1) and L = t2 − T (the first-order response
// reaches them at L + T/3 and L + T).
ModeloProcesso EstimativaPrimeiraOrdem(const Resposta& r, double variacao, double ruido) {
  const std::vector<double> y = Suaviza(r.y, ruido > 0.0 ? r.y.size() / 200 : 0);
  const double t1 = Cruzamento(r, y, variacao, 0.283);
  const double t2 = Cruzamento(r, y, variacao, 0.632);
  ModeloProcesso m;
  m.tipo = TipoModelo::PrimeiraOrdem;
  m.K = variacao / r.amplitude;
  m.T = std::max(1.5 * (t2 - t1), r.t.size() > 1 ? r.t[1] - r.t[0] : kMenorT);
  m.L = std::max(t2 - m.T, 0.0);
  return m;
}

// The straight line through the last half of the record: its slope per %
// of step is K, and where it leaves the baseline is L.
ModeloProcesso EstimativaIntegrador(const Resposta& r) {
  const std::size_t n = r.y.size();
  const std::size_t inicio = n / 2;
  const auto m = static_cast<double>(n - inicio);
  double st = 0.0, sy = 0.0;
  for (std::size_t i = inicio; i < n; ++i) {
    st += r.t[i];
    sy += r.y[i];
  }
  const double tm = st / m, ym = sy / m;
  double stt = 0.0, sty = 0.0;
  for (std::size_t i = inicio; i < n; ++i) {
    stt += (r.t[i] - tm) * (r.t[i] - tm);
    sty += (r.t[i] - tm) * (r.y[i] - ym);
  }
  const double inclinacao = stt > 0.0 ? sty / stt : 0.0;
  ModeloProcesso modelo;
  modelo.tipo = TipoModelo::Integrador;
  modelo.K = inclinacao / r.amplitude;
  modelo.L = inclinacao != 0.0 ? std::max(tm - ym / inclinacao, 0.0) : 0.0;
  return modelo;
}

std::string Texto(double v, int decimais) { return TextoFixo(v, decimais); }

}  // namespace

ResultadoIdentificacao IdentificaModelo(const ResultadoEnsaio& ensaio,
                                        const OpcoesIdentificacao& opcoes) {
  const std::string nome = "loop " + std::to_string(ensaio.malha);
  if (ensaio.PV.size() < ensaio.indiceDegrau + 3)
    throw RecusaSintonia(MotivoRecusa::RegistroCurto,
                         nome + ": the step test recorded too little to fit");

  Resposta r;
  r.amplitude = ensaio.amplitude;
  r.t = std::span<const double>(ensaio.tempo).subspan(ensaio.indiceDegrau);
  r.y.reserve(r.t.size());
  for (std::size_t i = ensaio.indiceDegrau; i < ensaio.PV.size(); ++i)
    r.y.push_back(ensaio.PV[i] - ensaio.PVinicial);

  const bool assentou = ensaio.fim == FimEnsaio::Assentou;
  const TipoModelo tipo = assentou ? TipoModelo::PrimeiraOrdem : TipoModelo::Integrador;
  // The change: where the PV settled (its last tenth), or where it ended.
  const std::size_t cauda = std::max<std::size_t>(1, r.y.size() / (assentou ? 10 : 50));
  const double variacao = Media(std::span<const double>(r.y).last(cauda));

  if (!ensaio.tempoMovimento)
    throw RecusaSintonia(MotivoRecusa::PVParada,
                         nome + ": the PV does not move after a step of " +
                             Texto(ensaio.amplitude, 2) + " % on the output",
                         {ensaio.amplitude, 0.0, 0.0});
  if (std::fabs(variacao) < opcoes.menorResposta)
    throw RecusaSintonia(MotivoRecusa::RespostaPequena,
                         nome + ": the response is too small to fit: the PV moved " +
                             Texto(std::fabs(variacao), 2) + " %, less than " +
                             Texto(opcoes.menorResposta, 2) + " %; try a larger step",
                         {std::fabs(variacao), opcoes.menorResposta, 0.0});

  ResultadoIdentificacao resultado;
  resultado.variacaoPV = variacao;
  resultado.estimativa =
      assentou ? EstimativaPrimeiraOrdem(r, variacao, ensaio.ruido) : EstimativaIntegrador(r);

  Residuos residuos(r, tipo);
  Vetor p(residuos.inputs());
  p[0] = resultado.estimativa.K;
  if (tipo == TipoModelo::Integrador) {
    p[1] = resultado.estimativa.L;
  } else {
    p[1] = resultado.estimativa.T;
    p[2] = resultado.estimativa.L;
  }
  Eigen::LevenbergMarquardt<Residuos> lm(residuos);
  lm.parameters.maxfev = 400;
  lm.minimize(p);
  resultado.modelo = residuos.Modelo(p);
  resultado.avaliacoes = residuos.avaliacoes;

  const double media = Media(r.y);
  double residual = 0.0, total = 0.0;
  for (std::size_t i = 0; i < r.y.size(); ++i) {
    const double e = r.y[i] - RespostaDegrau(resultado.modelo, r.amplitude, r.t[i]);
    residual += e * e;
    total += (r.y[i] - media) * (r.y[i] - media);
  }
  resultado.R2 = total > 0.0 ? 1.0 - residual / total : 0.0;
  if (!(resultado.R2 >= opcoes.menorR2)) {
    std::string texto = nome + ": the " + NomeModelo(tipo) + " model explains only " +
                        Texto(100.0 * std::max(resultado.R2, 0.0), 1) +
                        " % of the response's variance (at least " +
                        Texto(100.0 * opcoes.menorR2, 1) +
                        " % needed): the response is too noisy, or not of that shape";
    if (ensaio.fim == FimEnsaio::FimDaFaixa)
      texto += "; the PV reached the end of its range, try a smaller step";
    throw RecusaSintonia(MotivoRecusa::AjustePobre, texto,
                         {100.0 * std::max(resultado.R2, 0.0), 100.0 * opcoes.menorR2,
                          ensaio.fim == FimEnsaio::FimDaFaixa ? 1.0 : 0.0});
  }

  resultado.curva.reserve(ensaio.tempo.size());
  for (const double t : ensaio.tempo)
    resultado.curva.push_back(ensaio.PVinicial + RespostaDegrau(resultado.modelo, r.amplitude, t));
  return resultado;
}

}  // namespace quiv
