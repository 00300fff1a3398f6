// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/simulacao.h"

#include <chrono>
#include <ctime>

#include "core/nucleo/erro.h"

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

std::unique_ptr<ObjetoCiclo> ObjetoCiclo::CopiaPara(Simulacao&) const {
  throw Erro("Um objeto da planta não pode ser copiado (A plant object cannot be copied)");
}

void ObjetoCiclo::AssumeEstado(const ObjetoCiclo&) {
  throw Erro("Um objeto da planta não pode ser copiado (A plant object cannot be copied)");
}

void Simulacao::CopiaValores(const Simulacao& origem) {
  memoria = origem.memoria;
  dt = origem.dt;
  ModoRapido = origem.ModoRapido;
  PeriodoMs = origem.PeriodoMs;
  ContaTela = origem.ContaTela;
  UltimoInstante = origem.UltimoInstante;
  TempoCiclo = origem.TempoCiclo;
  LinearizadorAtivo = origem.LinearizadorAtivo;
  aleatorio = origem.aleatorio;
  IdiomaIngles = origem.IdiomaIngles;
}

void Simulacao::CopiaDe(const Simulacao& origem) {
  controladores.CopiaDe(origem.controladores, *this);
  processos.CopiaDe(origem.processos, *this);
  blocos.CopiaDe(origem.blocos, *this);
  registradores.CopiaDe(origem.registradores, *this);
  textos.CopiaDe(origem.textos, *this);
  gerador = origem.gerador ? origem.gerador->CopiaPara(*this) : nullptr;
  linearizador = origem.linearizador ? origem.linearizador->CopiaPara(*this) : nullptr;
  CopiaValores(origem);
}

std::string Simulacao::DiferencaObjetos(const Simulacao& outra) const {
  const auto unico = [](const std::unique_ptr<ObjetoCiclo>& a,
                        const std::unique_ptr<ObjetoCiclo>& b) {
    return (a == nullptr) == (b == nullptr) && (a == nullptr || typeid(*a) == typeid(*b));
  };
  const char* diferenca = nullptr;
  if (!controladores.MesmosObjetos(outra.controladores))
    diferenca = IdiomaIngles ? "the controllers" : "os controladores";
  else if (!processos.MesmosObjetos(outra.processos))
    diferenca = IdiomaIngles ? "the processes" : "os processos";
  else if (!blocos.MesmosObjetos(outra.blocos))
    diferenca = IdiomaIngles ? "the calculation blocks" : "os blocos de cálculo";
  else if (!registradores.MesmosObjetos(outra.registradores))
    diferenca = IdiomaIngles ? "the recorders" : "os registradores";
  else if (!textos.MesmosObjetos(outra.textos))
    diferenca = IdiomaIngles ? "the animated texts" : "os textos animados";
  else if (!unico(gerador, outra.gerador))
    diferenca = IdiomaIngles ? "the signal generator" : "o gerador de sinais";
  else if (!unico(linearizador, outra.linearizador))
    diferenca = IdiomaIngles ? "the linearizer" : "o linearizador";
  return diferenca ? diferenca : "";
}

void Simulacao::AssumeEstado(const Simulacao& origem) {
  if (const std::string diferenca = DiferencaObjetos(origem); !diferenca.empty())
    throw Erro(
        (IdiomaIngles ? "The plant's objects have changed: " : "Os objetos da planta mudaram: ") +
        diferenca);
  controladores.AssumeEstado(origem.controladores);
  processos.AssumeEstado(origem.processos);
  blocos.AssumeEstado(origem.blocos);
  registradores.AssumeEstado(origem.registradores);
  textos.AssumeEstado(origem.textos);
  if (gerador) gerador->AssumeEstado(*origem.gerador);
  if (linearizador) linearizador->AssumeEstado(*origem.linearizador);
  CopiaValores(origem);
}

void Simulacao::PassoAntesControladores() {
  if (gerador) gerador->Calcula();
  Passa(processos);
  Passa(blocos);
}

void Simulacao::PassoControladores() {
  Passa(controladores);
  if (LinearizadorAtivo && linearizador) linearizador->Calcula();
}

bool Simulacao::IniciaCiclo(double agoraMs) {
  TempoCiclo = agoraMs - UltimoInstante;
  UltimoInstante = agoraMs;
  dt = PeriodoMs / 1000.0;
  if (++ContaTela <= 5) return false;
  ContaTela = 0;
  Passa(textos);
  return true;
}

void Simulacao::CompletaCiclo() {
  PassoObjetos();
  Passa(registradores);
}

}  // namespace quiv
