#include "core/analise/ensaio_degrau.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/analise/simulacao_rapida.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/progresso.h"
#include "core/nucleo/simulacao.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

constexpr double kMaiorJanela = 1000000.0;  // s, as the command line's run takes
// The PV has begun to move once it leaves the baseline by this much (%), or
// by five standard deviations of its noise when that is more.
constexpr double kMenorMovimento = 0.05;
// The record stops when the last quarter of the time since the PV began to
// move differs from the quarter before it by no more than this share of the
// change (and the noise).
constexpr double kToleranciaAssentado = 0.01;
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

// Mean and standard deviation of v[inicio, fim).
void MediaDesvio(const std::vector<double>& v, std::size_t inicio, std::size_t fim, double& media,
                 double& desvio) {
  const auto n = static_cast<double>(fim - inicio);
  double soma = 0.0;
  for (std::size_t i = inicio; i < fim; ++i) soma += v[i];
  media = soma / n;
  double quadrados = 0.0;
  for (std::size_t i = inicio; i < fim; ++i) quadrados += (v[i] - media) * (v[i] - media);
  desvio = n > 1.0 ? std::sqrt(quadrados / (n - 1.0)) : 0.0;
}

// Decides, once per simulated second, whether the response has settled:
// the mean of the last quarter of the time since the PV began to move
// against the quarter before, on running sums.
class Assentamento {
 public:
  Assentamento(double base, double ruido) : base_(base), ruido_(ruido) {
    limiar_ = std::max(kMenorMovimento, 5.0 * ruido);
  }

  void Amostra(double pv) {
    soma_.push_back(soma_.back() + pv);
    if (!Moveu() && std::fabs(pv - base_) > limiar_) inicio_ = soma_.size() - 1;
  }

  bool Assentou() const {
    if (!Moveu()) return false;
    const std::size_t n = soma_.size() - 1;  // samples taken
    const std::size_t trecho = (n - inicio_) / 4;
    if (trecho < kMenorTrecho) return false;
    const double ultimo = Media(n - trecho, n);
    const double anterior = Media(n - 2 * trecho, n - trecho);
    const double mudanca = std::fabs(ultimo - base_);
    if (mudanca <= limiar_) return false;
    const double folgaRuido = 3.0 * ruido_ * std::sqrt(2.0 / static_cast<double>(trecho));
    return std::fabs(ultimo - anterior) <= kToleranciaAssentado * mudanca + folgaRuido;
  }

  bool Moveu() const { return inicio_ != kSemInicio; }

 private:
  // Mean of samples [i, j) of the record after the step.
  double Media(std::size_t i, std::size_t j) const {
    return (soma_[j] - soma_[i]) / static_cast<double>(j - i);
  }

  double base_;
  double ruido_;
  double limiar_;
  std::vector<double> soma_{0.0};
  static constexpr std::size_t kSemInicio = static_cast<std::size_t>(-1);
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
  if (!c) throw Erro(nome + " has no controller");
  const int enderecoPV = EnderecoPVDaMalha(s, malha);
  if (enderecoPV < 1 || enderecoPV > Memoria::kEnderecos)
    throw Erro(nome + ": the controller has no process variable chosen");
  const double coInicial = c->CO;
  const double coFinal = coInicial + opcoes.amplitude;
  if (!(coFinal >= 0.0 && coFinal <= 100.0))
    throw Erro(nome + ": a step of " + Texto(opcoes.amplitude) + " % from the output's " +
               Texto(coInicial) + " % would leave 0 ... 100 %");

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
  const auto antes = static_cast<long long>(std::nearbyint(opcoes.assentamento / opcoes.TA));
  const auto depois = std::max(1LL, static_cast<long long>(std::nearbyint(opcoes.janelaMaxima /
                                                                          opcoes.TA)));
  const auto porSegundo = std::max(1LL, static_cast<long long>(std::nearbyint(1.0 / opcoes.TA)));
  const auto reserva = static_cast<std::size_t>(antes + std::min(depois, 36000LL) + 1);
  for (auto* v : {&r.tempo, &r.PV, &r.PVEngenharia, &r.CO}) v->reserve(reserva);

  const Memoria& m = s.memoria;
  auto registra = [&](long long h) {
    const double pv = m.celula[static_cast<std::size_t>(enderecoPV)];
    r.tempo.push_back(static_cast<double>(h - antes) * opcoes.TA);
    r.PV.push_back(pv);
    r.PVEngenharia.push_back(r.escala.Engenharia(pv));
    r.CO.push_back(m.celula[static_cast<std::size_t>(malha)]);
  };

  Progresso gauge(progresso, static_cast<double>(antes + depois));
  for (long long h = 0; h < antes; ++h) {
    gauge(static_cast<double>(h));
    s.PassoObjetos();
    registra(h);
  }

  // The step: the controller writes the new output in this step, so the
  // processes see it from the next one; the PV sampled now is still the old.
  c->CO = coFinal;
  gauge(static_cast<double>(antes));
  s.PassoObjetos();
  registra(antes);
  r.indiceDegrau = r.PV.size() - 1;

  // Baseline and noise over the last half of the settling (t = 0 included).
  const std::size_t amostras = r.indiceDegrau + 1;
  MediaDesvio(r.PV, amostras - std::max<std::size_t>(1, amostras / 2), amostras, r.PVinicial,
              r.ruido);

  Assentamento assentamento(r.PVinicial, r.ruido);
  r.fim = FimEnsaio::JanelaMaxima;
  for (long long h = 1; h <= depois; ++h) {
    gauge(static_cast<double>(antes + h));
    s.PassoObjetos();
    registra(antes + h);
    const double pv = r.PV.back();
    assentamento.Amostra(pv);
    if (assentamento.Moveu() && (pv <= 0.0 || pv >= 100.0)) {
      r.fim = FimEnsaio::FimDaFaixa;
      break;
    }
    if (h % porSegundo == 0 && assentamento.Assentou()) {
      r.fim = FimEnsaio::Assentou;
      break;
    }
  }
  gauge(static_cast<double>(antes + depois));
  return r;
}

}  // namespace quiv
