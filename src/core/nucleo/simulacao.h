// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/nucleo/aleatorio.h"
#include "core/nucleo/memoria.h"

namespace quiv {

// What the scan cycle requires of an object: one step that reads the memory
// table, uses dt and writes its output address. It must not block.
class ObjetoCiclo {
 public:
  virtual ~ObjetoCiclo() = default;
  virtual void Calcula() = 0;
};

// Fixed slots 1 … N of one kind of object. A slot is included exactly when it
// holds an instance, so the inclusion flag cannot disagree with the slot.
template <int N>
class Slots {
 public:
  static constexpr int kTamanho = N;

  bool Incluido(int n) const { return Valido(n) && objetos_[n] != nullptr; }
  ObjetoCiclo* operator[](int n) const { return Valido(n) ? objetos_[n].get() : nullptr; }
  // Includes an instance; an already included slot keeps its instance.
  ObjetoCiclo& Inclui(int n, std::unique_ptr<ObjetoCiclo> objeto) {
    if (!objetos_[n]) objetos_[n] = std::move(objeto);
    return *objetos_[n];
  }
  void Remove(int n) {
    if (Valido(n)) objetos_[n].reset();
  }
  void RemoveTodos() {
    for (auto& o : objetos_) o.reset();
  }
  static bool Valido(int n) { return n >= 1 && n <= N; }

 private:
  std::array<std::unique_ptr<ObjetoCiclo>, N + 1> objetos_{};  // index 0 unused
};

// Identity numbers of the slots.
int IdentidadeControlador(int n);  // n
int IdentidadeProcesso(int n);     // output address: 20+n (n ≤ 20), 50+n (21 … 24)
int IdentidadeBloco(int n);        // output address: 40+n (n ≤ 20), 54+n (21 … 24)
int IdentidadeRegistrador(int n);  // 200+n
int IdentidadeTexto(int n);        // 100+n

// Milliseconds since local midnight, for the cycle-time measurement.
double MilissegundosDoDia();

// The simulated plant and its scan cycle.
class Simulacao {
 public:
  Memoria memoria;

  double dt = 0.1;              // simulation step, s
  bool ModoRapido = false;      // an off-line run is stepping the objects
  int PeriodoMs = 100;          // Timer1 period
  int ContaTela = 0;            // display sub-rate counter
  double UltimoInstante = 0.0;  // ms since midnight of the previous cycle
  double TempoCiclo = 0.0;      // ms between the last two cycles

  Slots<10> controladores;
  Slots<24> processos;
  Slots<24> blocos;
  Slots<10> registradores;
  Slots<20> textos;

  // Single objects: the signal generator (always stepped when present) and
  // the linearizer (stepped only when active).
  std::unique_ptr<ObjetoCiclo> gerador;
  std::unique_ptr<ObjetoCiclo> linearizador;
  bool LinearizadorAtivo = false;

  // The one random source of the run, seeded from the clock at start;
  // Semeia makes a run repeatable.
  Aleatorio aleatorio;

  // The user interface is English (texts that exist in two languages).
  bool IdiomaIngles = false;

  // Where objects hand the texts of failed checks; the window layer shows one
  // information box per text. Unset: the texts are dropped.
  std::function<void(std::string_view)> Mensagem;
  void Informa(std::string_view texto) const {
    if (Mensagem) Mensagem(texto);
  }

  // Called every sixth cycle, before the steps, right after the included
  // animated texts recomputed their display: the window copies them to the
  // picture and refreshes shapes and push-button texts from the previous
  // cycle's state.
  std::function<void()> AtualizaDisplays;

  // One scan cycle (Timer1's tick) at the given time of day. An Erro raised by a
  // step ends the cycle there and propagates; the next call starts afresh.
  void Ciclo(double agoraMs);
  void Ciclo() { Ciclo(MilissegundosDoDia()); }

  // Only the object steps, in scan order, without clock or displays: what the
  // off-line runs repeat. The fast simulation applies its test step between
  // the two halves.
  void PassoObjetos() {
    PassoAntesControladores();
    PassoControladores();
  }
  void PassoAntesControladores();  // generator, processes, blocks
  void PassoControladores();       // controllers, then the linearizer when active
};

// ModoRapido for the length of an off-line run, however it ends.
class ModoRapidoAtivo {
 public:
  explicit ModoRapidoAtivo(Simulacao& s) : s_(s) { s_.ModoRapido = true; }
  ~ModoRapidoAtivo() { s_.ModoRapido = false; }
  ModoRapidoAtivo(const ModoRapidoAtivo&) = delete;
  ModoRapidoAtivo& operator=(const ModoRapidoAtivo&) = delete;

 private:
  Simulacao& s_;
};

}  // namespace quiv
