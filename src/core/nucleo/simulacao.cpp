// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/simulacao.h"

#include <chrono>
#include <ctime>

namespace quiv {

int IdentidadeControlador(int n) { return n; }
int IdentidadeProcesso(int n) { return n <= 20 ? 20 + n : 50 + n; }
int IdentidadeBloco(int n) { return n <= 20 ? 40 + n : 54 + n; }
int IdentidadeRegistrador(int n) { return 200 + n; }
int IdentidadeTexto(int n) { return 100 + n; }

double MilissegundosDoDia() {
  using namespace std::chrono;
  const auto agora = system_clock::now();
  const std::time_t segundos = system_clock::to_time_t(agora);
  std::tm local{};
  localtime_r(&segundos, &local);
  const double fracao =
      static_cast<double>(duration_cast<microseconds>(agora.time_since_epoch()).count() % 1000000) /
      1000.0;
  return ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + fracao;
}

namespace {

template <int N>
void Passa(const Slots<N>& slots) {
  for (int n = 1; n <= N; ++n)
    if (ObjetoCiclo* o = slots[n]) o->Calcula();
}

}  // namespace

void Simulacao::PassoAntesControladores() {
  if (gerador) gerador->Calcula();
  Passa(processos);
  Passa(blocos);
}

void Simulacao::PassoControladores() {
  Passa(controladores);
  if (LinearizadorAtivo && linearizador) linearizador->Calcula();
}

void Simulacao::Ciclo(double agoraMs) {
  TempoCiclo = agoraMs - UltimoInstante;
  UltimoInstante = agoraMs;
  dt = PeriodoMs / 1000.0;
  if (++ContaTela > 5) {
    ContaTela = 0;
    Passa(textos);
    if (AtualizaDisplays) AtualizaDisplays();
  }
  PassoObjetos();
  Passa(registradores);
}

}  // namespace quiv
