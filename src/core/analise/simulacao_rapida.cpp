// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/simulacao_rapida.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/analise/historico_txd.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/progresso.h"
#include "core/nucleo/simulacao.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

constexpr double kMenorPasso = 0.001;  // 1 ms

// The step as the user wrote it: up to nine decimals, trailing zeros dropped.
std::string TextoPasso(double ta) {
  if (!std::isfinite(ta)) return std::to_string(ta);
  std::string texto = TextoFixo(ta, std::fabs(ta) < 1e6 ? 9 : 0);
  if (texto.find('.') != std::string::npos) {
    while (texto.back() == '0') texto.pop_back();
    if (texto.back() == '.') texto.pop_back();
  }
  return texto;
}

void AplicaSinalTeste(const Simulacao& simulacao, SinalTeste sinal, int amplitude) {
  for (int k = 1; k <= kMalhas; ++k) {
    Controlador* c = ControladorDaMalha(simulacao, k);
    if (!c) continue;
    if (sinal == SinalTeste::DegrauSP)
      c->SP += amplitude;
    else
      c->Bias += amplitude;
  }
}

ResultadoSimulacaoRapida Executa(Simulacao& simulacao, const OpcoesSimulacaoRapida& opcoes,
                                 GravadorTxd* historico, const std::function<void(int)>& progresso);

}  // namespace

std::optional<std::string> ProblemaDasOpcoes(const OpcoesSimulacaoRapida& opcoes) {
  const double ta = opcoes.TA;
  if (!(ta >= kMenorPasso && ta <= 1.0))
    return "the step must lie in 0.001 ... 1 s, not " + TextoPasso(ta) + " s";
  if (std::fabs(std::nearbyint(1.0 / ta) * ta - 1.0) > 1e-9)
    return "the step must divide one second (one record is taken per simulated second), not " +
           TextoPasso(ta) + " s";
  if (opcoes.janela < 0)
    return "the window must not be negative, not " + std::to_string(opcoes.janela) + " s";
  return std::nullopt;
}

ResultadoSimulacaoRapida SimulacaoRapida(Simulacao& simulacao, const OpcoesSimulacaoRapida& opcoes,
                                         GravadorTxd* historico,
                                         const std::function<void(int)>& progresso) {
  try {
    if (const auto problema = ProblemaDasOpcoes(opcoes)) throw std::invalid_argument(*problema);
    ResultadoSimulacaoRapida resultado = Executa(simulacao, opcoes, historico, progresso);
    if (historico) historico->Fecha();
    return resultado;
  } catch (...) {
    if (historico) historico->Descarta();
    throw;
  }
}

namespace {

ResultadoSimulacaoRapida Executa(Simulacao& simulacao, const OpcoesSimulacaoRapida& opcoes,
                                 GravadorTxd* historico,
                                 const std::function<void(int)>& progresso) {
  ModoRapidoAtivo modoRapido(simulacao);
  simulacao.dt = opcoes.TA;
  const auto N = static_cast<long long>(std::nearbyint(opcoes.janela / opcoes.TA));
  const auto m = std::max(1LL, static_cast<long long>(std::nearbyint(1.0 / opcoes.TA)));

  ResultadoSimulacaoRapida resultado;
  resultado.passos = N;
  resultado.malhas = MalhasParticipantes(simulacao, Memoria::kItens,
                                         static_cast<std::size_t>(std::max(0LL, N / m)));
  const Memoria& memoria = simulacao.memoria;
  std::array<int, kMalhas> participantes{};
  int nParticipantes = 0;
  for (int k = 1; k <= kMalhas; ++k) {
    if (resultado.malhas[static_cast<std::size_t>(k)].participa)
      participantes[static_cast<std::size_t>(nParticipantes++)] = k;
  }

  const bool testeAtivo = opcoes.sinal != SinalTeste::Nenhum;
  Progresso gauge(progresso, static_cast<double>(N));
  for (long long h = 0; h < N; ++h) {
    const double percentual = 100.0 * static_cast<double>(h) / static_cast<double>(N);
    gauge(static_cast<double>(h));
    simulacao.PassoAntesControladores();
    // nearbyint rounds halves to even: with N = 18 000 the step falls at h = 1891.
    if (testeAtivo && resultado.passoTeste < 0 && std::nearbyint(percentual) > 10.0) {
      AplicaSinalTeste(simulacao, opcoes.sinal, opcoes.amplitude);
      resultado.passoTeste = h;
    }
    simulacao.PassoControladores();

    if ((h + 1) % m != 0) continue;
    if (historico) historico->EscreveLinha(memoria);
    for (int i = 0; i < nParticipantes; ++i) {
      const int k = participantes[static_cast<std::size_t>(i)];
      MalhaDesempenho& malha = resultado.malhas[static_cast<std::size_t>(k)];
      const EscalaPV& escala = malha.escala;
      const double pv = memoria.celula[static_cast<std::size_t>(malha.enderecoPV)];
      const double sp = memoria.celula[static_cast<std::size_t>(EnderecoSPDaMalha(k))];
      malha.series.PV.push_back(opcoes.Normaliza ? pv : escala.Engenharia(pv));
      malha.series.SP.push_back(opcoes.Normaliza ? sp : escala.Engenharia(sp));
      malha.series.MV.push_back(memoria.celula[static_cast<std::size_t>(k)]);
    }
    ++resultado.registros;
  }

  for (MalhaDesempenho& malha : resultado.malhas) {
    if (malha.participa)
      malha.indices = CalculaIndices(malha.series.PV, malha.series.SP, malha.series.MV);
  }
  return resultado;
}

}  // namespace

}  // namespace quiv
