// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/verificacao_sintonia.h"

#include <algorithm>
#include <cmath>

#include "core/analise/recusa_sintonia.h"
#include "core/analise/simulacao_rapida.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/simulacao.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

// The window must hold the loop's answer many times over, so that the
// indices speak of the whole answer and of the steady state after it.
constexpr double kJanelasPorResposta = 30.0;

RodadaVerificacao Roda(const FabricaCopia& copia, int malha,
                       const ParametrosControlador* parametros, SinalTeste sinal,
                       const OpcoesVerificacao& opcoes, const std::function<void(int)>& progresso) {
  const std::shared_ptr<Simulacao> planta = copia();
  Simulacao& s = *planta;
  s.aleatorio.Semeia(opcoes.semente);
  const std::string nome = "loop " + std::to_string(malha);
  Controlador* c = malha >= 1 && malha <= kMalhas ? ControladorDaMalha(s, malha) : nullptr;
  if (!c) throw RecusaSintonia(MotivoRecusa::SemControlador, nome + " has no controller");
  if (parametros && !AplicaSintonia(*c, *parametros))
    throw RecusaSintonia(MotivoRecusa::ControladorRecusou,
                         nome + ": the controller refused the settings");
  {
    // The copy first runs as it stands (a loop in manual stays so) for the
    // settling time: a plant that was still moving must not weigh in the
    // indices. At least one step, so that every object has written its cells
    // before the loop is closed.
    ModoRapidoAtivo modoRapido(s);
    s.dt = opcoes.TA;
    const long long passos =
        std::max(1LL, static_cast<long long>(std::nearbyint(opcoes.assentamento / opcoes.TA)));
    for (long long h = 0; h < passos; ++h) s.PassoObjetos();
    if (!c->ModoAuto) {
      // Closed where it stands: the SP to the PV, and one more step so that
      // the integral tracks the output against that SP (no bump).
      const int p = EnderecoPVDaMalha(s, malha);
      if (p >= 1 && p <= Memoria::kEnderecos) c->SP = Limita0a100(s.memoria.celula[p]);
      s.PassoObjetos();
      c->AlternaAutoManual();
    }
  }

  OpcoesSimulacaoRapida rapida;
  rapida.janela = opcoes.janela;
  rapida.TA = opcoes.TA;
  rapida.sinal = sinal;
  rapida.amplitude = opcoes.amplitude;
  rapida.Normaliza = true;
  ResultadoSimulacaoRapida r = SimulacaoRapida(s, rapida, nullptr, progresso);
  MalhaDesempenho& m = r.malhas[static_cast<std::size_t>(malha)];
  if (!m.participa)
    throw RecusaSintonia(MotivoRecusa::SemPV,
                         nome + ": the controller has no process variable chosen");
  return {m.indices, std::move(m.series)};
}

}  // namespace

int JanelaVerificacao(const ModeloProcesso& modelo, const Sintonia& sintonia) {
  const double lento = std::max(modelo.tipo == TipoModelo::PrimeiraOrdem ? modelo.T : 0.0,
                                sintonia.definida ? sintonia.Ti : 0.0);
  const double necessaria = kJanelasPorResposta * (modelo.L + lento);
  for (const int janela : kJanelasRapida)
    if (janela >= necessaria) return janela;
  return kJanelasRapida.back();
}

OpcoesVerificacao OpcoesDoEnsaio(const ResultadoEnsaio& ensaio, const ModeloProcesso& modelo,
                                 const Sintonia& sintonia, std::uint64_t semente) {
  OpcoesVerificacao opcoes;
  opcoes.TA = ensaio.TA;
  opcoes.semente = semente;
  opcoes.janela = JanelaVerificacao(modelo, sintonia);
  opcoes.assentamento = ensaio.tempo.empty() ? 0.0 : -ensaio.tempo.front();
  return opcoes;
}

ResultadoVerificacao VerificaSintonia(const FabricaCopia& copia, int malha,
                                      const ParametrosControlador& parametros,
                                      const OpcoesVerificacao& opcoes,
                                      const std::function<void(int)>& progresso) {
  ResultadoVerificacao resultado;
  resultado.janela = opcoes.janela;
  int rodada = 0;
  std::function<void(int)> parcial;
  if (progresso) {
    parcial = [&](int p) { progresso((100 * rodada + p) / 4); };
  }
  const struct {
    RodadaVerificacao* destino;
    SinalTeste sinal;
    bool depois;
  } rodadas[] = {{&resultado.spAntes, SinalTeste::DegrauSP, false},
                 {&resultado.spDepois, SinalTeste::DegrauSP, true},
                 {&resultado.cargaAntes, SinalTeste::DisturbioProcesso, false},
                 {&resultado.cargaDepois, SinalTeste::DisturbioProcesso, true}};
  for (const auto& r : rodadas) {
    *r.destino = Roda(copia, malha, r.depois ? &parametros : nullptr, r.sinal, opcoes, parcial);
    ++rodada;
  }
  return resultado;
}

}  // namespace quiv
