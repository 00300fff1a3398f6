// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/ensaio_degrau.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/analise/recusa_sintonia.h"
#include "core/analise/simulacao_rapida.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/progresso.h"
#include "core/nucleo/simulacao.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

constexpr double kMaiorJanela = 1000000.0;  // s, as the command line's run takes
// The PV has begun to move once a second's mean leaves the baseline by this
// much (%), or by five standard deviations of such a mean when that is more.
constexpr double kMenorMovimento = 0.05;
// The record stops when the last quarter of the time since the PV began to
// move differs from the quarter before it by no more than this share of the
// change (and the noise).
constexpr double kToleranciaAssentado = 0.01;
constexpr double kFolgaRuido = 0.02;
// Before the step: the PV is at rest when two halves of its last stretch (the
// last half of the settling, within kTrechoParado … kMaiorTrechoParado s) differ by no more than
// kDerivaParado (%); the settling may go on for kAssentamentoExtra of the
// test window beyond the time asked. The baseline is the mean of the last
// kTrechoBase s (or half the settling, if shorter).
constexpr double kTrechoParado = 20.0;
constexpr double kMaiorTrechoParado = 300.0;
constexpr double kDerivaParado = 0.02;
constexpr double kAssentamentoExtra = 0.25;
constexpr double kTrechoBase = 60.0;
// Fewest samples in each quarter before a verdict: a few steps tell nothing.
constexpr std::size_t kMenorTrecho = 10;

std::string Texto(double v) {
  std::string t = TextoFixo(v, 2);
  if (t.find('.') != std::string::npos) {
    while (t.back() == '0') t.pop_back();
    if (t.back() == '.') t.pop_back();
  }
  return t;
}

double Media(const std::vector<double>& v, std::size_t inicio, std::size_t fim) {
  double soma = 0.0;
  for (std::size_t i = inicio; i < fim; ++i) soma += v[i];
  return soma / static_cast<double>(fim - inicio);
}

// The standard deviation of the sample-to-sample noise of v[inicio, fim),
// from successive differences, so that a slow drift does not pass for noise:
// for white noise Var(Δv) = 2σ².
double Ruido(const std::vector<double>& v, std::size_t inicio, std::size_t fim) {
  if (fim - inicio < 2) return 0.0;
  double soma = 0.0;
  for (std::size_t i = inicio + 1; i < fim; ++i) soma += (v[i] - v[i - 1]) * (v[i] - v[i - 1]);
  return std::sqrt(soma / (2.0 * static_cast<double>(fim - inicio - 1)));
}

// Whether the PV held still over the last half of the settling so far (at
// least kTrechoParado s, at most kMaiorTrechoParado s): the means of that stretch's two halves
// agree within kDerivaParado, plus what the noise allows.
bool Parado(const std::vector<double>& pv, long long porSegundo) {
  const std::size_t n = pv.size();
  const auto segundos = [&](double t) {
    return static_cast<std::size_t>(t * static_cast<double>(porSegundo));
  };
  const std::size_t trecho =
      std::max(segundos(kTrechoParado), std::min(n / 2, segundos(kMaiorTrechoParado))) / 2;
  if (2 * trecho > n || trecho == 0) return false;
  const double anterior = Media(pv, n - 2 * trecho, n - trecho);
  const double ultimo = Media(pv, n - trecho, n);
  const double folga =
      3.0 * Ruido(pv, n - 2 * trecho, n) * std::sqrt(2.0 / static_cast<double>(trecho));
  return std::fabs(ultimo - anterior) <= kDerivaParado + folga;
}

// Decides, once per simulated second, whether the PV has begun to move (the
// second's mean leaves the baseline) and whether it has settled since: the
// mean of the last quarter of the time since it began to move against the
// quarter before, on running sums.
class Assentamento {
 public:
  Assentamento(double base, double ruido, std::size_t porSegundo)
      : base_(base), ruido_(ruido), porSegundo_(porSegundo) {
    limiar_ = std::max(kMenorMovimento, 5.0 * ruido / std::sqrt(static_cast<double>(porSegundo)));
  }

  void Amostra(double pv) { soma_.push_back(soma_.back() + pv); }

  // Once per simulated second.
  bool Assentou() {
    const std::size_t n = soma_.size() - 1;  // samples taken
    if (!Moveu()) {
      if (n < porSegundo_ || std::fabs(Media(n - porSegundo_, n) - base_) <= limiar_) return false;
      inicio_ = n - porSegundo_;
    }
    const std::size_t trecho = (n - inicio_) / 4;
    if (trecho < kMenorTrecho) return false;
    const double ultimo = Media(n - trecho, n);
    const double anterior = Media(n - 2 * trecho, n - trecho);
    const double mudanca = std::fabs(ultimo - base_);
    if (mudanca <= limiar_) return false;
    // The quarters' means must be long enough for the noise to hide no
    // more than a trend of kFolgaRuido of the change.
    const double folgaRuido = 3.0 * ruido_ * std::sqrt(2.0 / static_cast<double>(trecho));
    if (folgaRuido > kFolgaRuido * mudanca) return false;
    return std::fabs(ultimo - anterior) <= kToleranciaAssentado * mudanca + folgaRuido;
  }

  // The time the PV began to move, in samples after the step.
  std::optional<std::size_t> Inicio() const {
    if (!Moveu()) return std::nullopt;
    return inicio_;
  }

  bool Moveu() const { return inicio_ != kSemInicio; }

 private:
  // Mean of samples [i, j) of the record after the step.
  double Media(std::size_t i, std::size_t j) const {
    return (soma_[j] - soma_[i]) / static_cast<double>(j - i);
  }

  static constexpr std::size_t kSemInicio = static_cast<std::size_t>(-1);
  double base_;
  double ruido_;
  std::size_t porSegundo_;
  double limiar_;
  std::vector<double> soma_{0.0};
  std::size_t inicio_ = kSemInicio;  // the sample at which the PV began to move
};

}  // namespace

std::optional<std::string> ProblemaDoEnsaio(const OpcoesEnsaio& opcoes) {
  const double a = opcoes.amplitude;
  if (!std::isfinite(a) || a == 0.0 || std::fabs(a) > 100.0)
    return "the step must be a non-zero amplitude of at most 100 %, not " + Texto(a) + " %";
  OpcoesSimulacaoRapida rapida;
  rapida.TA = opcoes.TA;
  if (auto problema = ProblemaDasOpcoes(rapida)) return problema;
  if (!(opcoes.assentamento >= 0.0 && opcoes.assentamento <= kMaiorJanela))
    return "the settling time must lie in 0 ... 1000000 s, not " + Texto(opcoes.assentamento) +
           " s";
  if (!(opcoes.janelaMaxima > 0.0 && opcoes.janelaMaxima <= kMaiorJanela))
    return "the test window must lie in 0 ... 1000000 s, not " + Texto(opcoes.janelaMaxima) + " s";
  return std::nullopt;
}

ResultadoEnsaio EnsaioDegrau(const FabricaCopia& copia, int malha, const OpcoesEnsaio& opcoes,
                             const std::function<void(int)>& progresso) {
  if (const auto problema = ProblemaDoEnsaio(opcoes)) throw std::invalid_argument(*problema);
  const std::shared_ptr<Simulacao> planta = copia();
  Simulacao& s = *planta;
  const std::string nome = "loop " + std::to_string(malha);
  Controlador* c = malha >= 1 && malha <= kMalhas ? ControladorDaMalha(s, malha) : nullptr;
  if (!c) throw RecusaSintonia(MotivoRecusa::SemControlador, nome + " has no controller");
  const int enderecoPV = EnderecoPVDaMalha(s, malha);
  if (enderecoPV < 1 || enderecoPV > Memoria::kEnderecos)
    throw RecusaSintonia(MotivoRecusa::SemPV,
                         nome + ": the controller has no process variable chosen");
  const double coInicial = c->CO;
  const double coFinal = coInicial + opcoes.amplitude;
  if (!(coFinal >= 0.0 && coFinal <= 100.0))
    throw RecusaSintonia(MotivoRecusa::DegrauForaDaFaixa,
                         nome + ": a step of " + Texto(opcoes.amplitude) + " % from the output's " +
                             Texto(coInicial) + " % would leave 0 ... 100 %",
                         {opcoes.amplitude, coInicial, 0.0});

  s.aleatorio.Semeia(opcoes.semente);
  if (c->ModoAuto) c->AlternaAutoManual();  // manual keeps CO where automatic left it

  ResultadoEnsaio r;
  r.malha = malha;
  r.TA = opcoes.TA;
  r.amplitude = opcoes.amplitude;
  r.COinicial = coInicial;
  r.escala = EscalaDoEndereco(s.memoria, enderecoPV);

  ModoRapidoAtivo modoRapido(s);
  s.dt = opcoes.TA;
  auto passos = [&](double segundos) {
    return static_cast<long long>(std::nearbyint(segundos / opcoes.TA));
  };
  const long long minimoAntes = passos(opcoes.assentamento);
  const long long maximoAntes = minimoAntes + passos(opcoes.janelaMaxima * kAssentamentoExtra);
  const long long depois = std::max(1LL, passos(opcoes.janelaMaxima));
  const auto porSegundo = std::max(1LL, passos(1.0));
  const auto reserva = static_cast<std::size_t>(minimoAntes + std::min(depois, 36000LL) + 1);
  for (auto* v : {&r.tempo, &r.PV, &r.PVEngenharia, &r.CO}) v->reserve(reserva);

  const Memoria& m = s.memoria;
  auto passa = [&] {
    s.PassoObjetos();
    const double pv = m.celula[static_cast<std::size_t>(enderecoPV)];
    r.PV.push_back(pv);
    r.PVEngenharia.push_back(r.escala.Engenharia(pv));
    r.CO.push_back(m.celula[static_cast<std::size_t>(malha)]);
  };

  // Held output until the PV is at rest: the settling time at least, then
  // until Parado says so (a copy starts a little off its plant's state, and
  // the plant may not have been at rest), within a bound.
  Progresso gauge(progresso, static_cast<double>(maximoAntes + depois));
  long long h = 0;
  for (; h < maximoAntes; ++h) {
    gauge(static_cast<double>(h));
    passa();
    if (h + 1 >= minimoAntes && (h + 1) % porSegundo == 0 && Parado(r.PV, porSegundo)) break;
  }
  r.PVParado = h < maximoAntes;

  // The step: the controller writes the new output in this step, so the
  // processes see it from the next one; the PV sampled now is still the old.
  c->CO = coFinal;
  gauge(static_cast<double>(maximoAntes));
  passa();
  r.indiceDegrau = r.PV.size() - 1;
  // Baseline and noise over the last half of the settling, t = 0 included.
  const std::size_t amostras = r.PV.size();
  const std::size_t inicioBase =
      amostras - std::max<std::size_t>(
                     1, std::min(amostras / 2, static_cast<std::size_t>(kTrechoBase * porSegundo)));
  r.PVinicial = Media(r.PV, inicioBase, amostras);
  r.ruido = Ruido(r.PV, inicioBase, amostras);

  Assentamento assentamento(r.PVinicial, r.ruido, static_cast<std::size_t>(porSegundo));
  r.fim = FimEnsaio::JanelaMaxima;
  for (long long k = 1; k <= depois; ++k) {
    gauge(static_cast<double>(maximoAntes + k));
    passa();
    const double pv = r.PV.back();
    assentamento.Amostra(pv);
    if (assentamento.Moveu() && (pv <= 0.0 || pv >= 100.0)) {
      r.fim = FimEnsaio::FimDaFaixa;
      break;
    }
    if (k % porSegundo == 0 && assentamento.Assentou()) {
      r.fim = FimEnsaio::Assentou;
      break;
    }
  }
  if (const auto inicio = assentamento.Inicio())
    r.tempoMovimento = static_cast<double>(*inicio) * opcoes.TA;
  for (std::size_t i = 0; i < r.PV.size(); ++i)
    r.tempo.push_back((static_cast<double>(i) - static_cast<double>(r.indiceDegrau)) * opcoes.TA);
  gauge(static_cast<double>(maximoAntes + depois));
  return r;
}

}  // namespace quiv
