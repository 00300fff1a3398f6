// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>

#include "core/nucleo/aleatorio.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/vinculo.h"

namespace quiv {

class Simulacao;

// What the scan cycle requires of an object: one step that reads the memory
// table, uses dt and writes its output address. It must not block.
//
// A plant can be copied exactly (off-line runs, snapshots), so an object also
// makes a copy of itself, whole state included, in another plant, and takes
// over the whole state of an object of its own kind. An object that cannot be
// copied leaves both unimplemented: copying a plant that holds it throws Erro.
class ObjetoCiclo {
 public:
  virtual ~ObjetoCiclo() = default;
  virtual void Calcula() = 0;

  // The same object, with all of its state, in the same slot of `destino`.
  virtual std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const;
  // Takes over the whole state of `origem`, which must be of the same kind
  // (std::bad_cast otherwise); the object stays in its own plant.
  virtual void AssumeEstado(const ObjetoCiclo& origem);
};

// CopiaPara and AssumeEstado of an object class T built as
// T(destino, args...) and copy-assignable (its plant held by a Vinculo).
template <class T, class... Argumentos>
std::unique_ptr<ObjetoCiclo> CopiaObjeto(const T& original, Simulacao& destino,
                                         Argumentos... argumentos) {
  auto copia = std::make_unique<T>(destino, argumentos...);
  *copia = original;
  return copia;
}
template <class T>
void AssumeEstadoObjeto(T& destino, const ObjetoCiclo& origem) {
  destino = dynamic_cast<const T&>(origem);
}

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

  // The slots of `origem`, each object copied with its state into `destino`
  // (an empty slot there empties this one).
  void CopiaDe(const Slots& origem, Simulacao& destino) {
    for (int n = 1; n <= N; ++n)
      objetos_[n] = origem.objetos_[n] ? origem.objetos_[n]->CopiaPara(destino) : nullptr;
  }
  // Whether both hold objects of the same kinds in the same slots.
  bool MesmosObjetos(const Slots& outros) const {
    for (int n = 1; n <= N; ++n) {
      const ObjetoCiclo* a = objetos_[n].get();
      const ObjetoCiclo* b = outros.objetos_[n].get();
      if ((a == nullptr) != (b == nullptr)) return false;
      if (a != nullptr && typeid(*a) != typeid(*b)) return false;
    }
    return true;
  }
  // Each object takes the state of its counterpart (MesmosObjetos holds).
  void AssumeEstado(const Slots& origem) {
    for (int n = 1; n <= N; ++n)
      if (objetos_[n]) objetos_[n]->AssumeEstado(*origem.objetos_[n]);
  }

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
  // How many objects of each kind a plant can hold; each controller is a loop.
  static constexpr int kControladores = 10;
  static constexpr int kProcessos = 24;
  static constexpr int kBlocos = 24;
  static constexpr int kRegistradores = 10;
  static constexpr int kTextos = 20;

  Memoria memoria;

  double dt = 0.1;              // simulation step, s
  bool ModoRapido = false;      // an off-line run is stepping the objects
  int PeriodoMs = 100;          // Timer1 period
  int ContaTela = 0;            // display sub-rate counter
  double UltimoInstante = 0.0;  // ms since midnight of the previous cycle
  double TempoCiclo = 0.0;      // ms between the last two cycles

  Slots<kControladores> controladores;
  Slots<kProcessos> processos;
  Slots<kBlocos> blocos;
  Slots<kRegistradores> registradores;
  Slots<kTextos> textos;

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

  // One scan cycle of the plant at the given time of day, in two halves so
  // that the document can refresh its panel between them (Documento::Ciclo,
  // the cycle of a whole simulation). An Erro raised by a step ends the cycle
  // there and propagates; the next call starts afresh.
  //
  // The first half: the clock, the step, and every sixth cycle the included
  // animated texts recompute their display. Returns whether this is such a
  // display cycle.
  bool IniciaCiclo(double agoraMs);
  // The second half: the object steps, then the recorders.
  void CompletaCiclo();
  // Both halves, for a plant without a panel.
  void Ciclo(double agoraMs) {
    IniciaCiclo(agoraMs);
    CompletaCiclo();
  }
  // Whether the last cycle started was a display cycle (also when it ended
  // with an error).
  bool CicloDeDisplays() const { return ContaTela == 0; }

  // Only the object steps, in scan order, without clock or displays: what the
  // off-line runs repeat. The fast simulation applies its test step between
  // the two halves.
  void PassoObjetos() {
    PassoAntesControladores();
    PassoControladores();
  }
  void PassoAntesControladores();  // generator, processes, blocks
  void PassoControladores();       // controllers, then the linearizer when active

  // Exact copies. The state of a plant is its cells, every object with its
  // whole state (dead-time rings, filters, integrators, valve states, trend
  // rings), the random source, the step, the period and the cycle counters
  // and clock; the message sink (Mensagem) belongs to whoever
  // runs the plant and are never copied.
  //
  // This plant becomes a copy of `origem`: its objects are replaced by copies
  // of the other's.
  void CopiaDe(const Simulacao& origem);
  // Empty when both hold the same kinds of objects in the same slots, the
  // condition for AssumeEstado; otherwise the first family that differs, in
  // the interface language ("os controladores", "the controllers").
  std::string DiferencaObjetos(const Simulacao& outra) const;
  // Takes over the whole state of `origem`, keeping this plant's objects
  // (so whoever points at them still does). Throws Erro, changing nothing,
  // when DiferencaObjetos is not empty.
  void AssumeEstado(const Simulacao& origem);

 private:
  void CopiaValores(const Simulacao& origem);
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
