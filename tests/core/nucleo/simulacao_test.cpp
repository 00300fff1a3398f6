// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/simulacao.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

// A test object that logs its name when stepped and optionally copies one
// cell to another (to show what a step sees).
class Registra : public ObjetoCiclo {
 public:
  Registra(std::vector<std::string>& log, std::string nome) : log_(log), nome_(std::move(nome)) {}
  void Calcula() override { log_.push_back(nome_); }

 private:
  std::vector<std::string>& log_;
  std::string nome_;
};

class Copia : public ObjetoCiclo {
 public:
  Copia(Memoria& m, int de, int para, double soma = 0) : m_(m), de_(de), para_(para), soma_(soma) {}
  void Calcula() override { m_.celula[para_] = m_.celula[de_] + soma_; }

 private:
  Memoria& m_;
  int de_, para_;
  double soma_;
};

class Falha : public ObjetoCiclo {
 public:
  void Calcula() override { throw Erro("falhou"); }
};

TEST(SimulacaoTest, StepOrderFollowsTheDataFlow) {
  Simulacao s;
  std::vector<std::string> log;
  auto inclui = [&](auto& slots, int n, std::string nome) {
    slots.Inclui(n, std::make_unique<Registra>(log, nome));
  };
  inclui(s.registradores, 1, "R1");
  inclui(s.controladores, 2, "C2");
  inclui(s.controladores, 1, "C1");
  inclui(s.blocos, 24, "B24");
  inclui(s.processos, 3, "P3");
  inclui(s.processos, 1, "P1");
  inclui(s.blocos, 1, "B1");
  s.gerador = std::make_unique<Registra>(log, "G");
  s.linearizador = std::make_unique<Registra>(log, "L");

  s.Ciclo(0);
  EXPECT_EQ(log, (std::vector<std::string>{"G", "P1", "P3", "B1", "B24", "C1", "C2", "R1"}));
  s.LinearizadorAtivo = true;
  log.clear();
  s.Ciclo(100);
  EXPECT_EQ(log, (std::vector<std::string>{"G", "P1", "P3", "B1", "B24", "C1", "C2", "L", "R1"}));
}

// The first half of a cycle says when the displays are due (every sixth
// cycle, right after the texts, before the steps); the second half steps.
TEST(SimulacaoTest, TextsRefreshBeforeTheDisplaysAndTheSteps) {
  Simulacao s;
  std::vector<std::string> log;
  s.textos.Inclui(2, std::make_unique<Registra>(log, "T2"));
  s.textos.Inclui(1, std::make_unique<Registra>(log, "T1"));
  s.processos.Inclui(1, std::make_unique<Registra>(log, "P1"));
  for (int ciclo = 1; ciclo <= 6; ++ciclo) {
    if (s.IniciaCiclo(100.0 * ciclo)) log.push_back("D");
    s.CompletaCiclo();
  }
  EXPECT_EQ(log, (std::vector<std::string>{"P1", "P1", "P1", "P1", "P1", "T1", "T2", "D", "P1"}));
}

TEST(SimulacaoTest, DisplaysEverySixthCycleAndCycleTime) {
  Simulacao s;
  std::vector<int> quando;
  for (int ciclo = 1; ciclo <= 13; ++ciclo) {
    s.Ciclo(1000.0 + 100.0 * ciclo);
    if (s.CicloDeDisplays()) quando.push_back(ciclo);
  }
  EXPECT_EQ(quando, (std::vector<int>{6, 12}));
  EXPECT_DOUBLE_EQ(s.TempoCiclo, 100.0);
  EXPECT_DOUBLE_EQ(s.dt, 0.1);
  Simulacao nova;
  nova.Ciclo(36000000.0);  // first cycle: the time since midnight
  EXPECT_DOUBLE_EQ(nova.TempoCiclo, 36000000.0);
  nova.Ciclo(5.0);  // across midnight
  EXPECT_LT(nova.TempoCiclo, 0.0);
}

// Controller 1 (M01 := M21 + 1) and process 1 (M21 := M01): the process sees
// the controller output of the previous cycle, the controller sees the process
// output of the same cycle. Process 2 reading process 1 sees this cycle's
// value; process 1 reading process 2 sees the previous one.
TEST(SimulacaoTest, OneCycleLoopDelayAndSlotOrder) {
  Simulacao s;
  Memoria& m = s.memoria;
  s.processos.Inclui(1, std::make_unique<Copia>(m, 1, 21));
  s.controladores.Inclui(1, std::make_unique<Copia>(m, 21, 1, 1.0));
  s.processos.Inclui(2, std::make_unique<Copia>(m, 21, 22));
  s.processos.Inclui(3, std::make_unique<Copia>(m, 24, 23));
  s.processos.Inclui(4, std::make_unique<Copia>(m, 22, 24));
  s.Ciclo(0);
  EXPECT_EQ(m.celula[21], 0);
  EXPECT_EQ(m.celula[1], 1);
  EXPECT_EQ(m.celula[22], 0);
  s.Ciclo(100);
  EXPECT_EQ(m.celula[21], 1);
  EXPECT_EQ(m.celula[22], 1);
  EXPECT_EQ(m.celula[23], 0);  // process 4's previous output
  EXPECT_EQ(m.celula[24], 1);
  EXPECT_EQ(m.celula[1], 2);
}

TEST(SimulacaoTest, AnErrorEndsTheCycleWhereItHappens) {
  Simulacao s;
  std::vector<std::string> log;
  s.processos.Inclui(1, std::make_unique<Registra>(log, "P1"));
  s.processos.Inclui(2, std::make_unique<Falha>());
  s.controladores.Inclui(1, std::make_unique<Registra>(log, "C1"));
  EXPECT_THROW(s.Ciclo(0), Erro);
  EXPECT_EQ(log, std::vector<std::string>{"P1"});
  s.processos.Remove(2);
  EXPECT_FALSE(s.processos.Incluido(2));
  s.Ciclo(100);
  EXPECT_EQ(log, (std::vector<std::string>{"P1", "P1", "C1"}));
}

TEST(SimulacaoTest, IdentityNumbersAndSlots) {
  EXPECT_EQ(IdentidadeProcesso(1), 21);
  EXPECT_EQ(IdentidadeProcesso(20), 40);
  EXPECT_EQ(IdentidadeProcesso(21), 71);
  EXPECT_EQ(IdentidadeBloco(20), 60);
  EXPECT_EQ(IdentidadeBloco(21), 75);
  EXPECT_EQ(IdentidadeBloco(24), 78);
  EXPECT_EQ(IdentidadeControlador(10), 10);
  EXPECT_EQ(IdentidadeRegistrador(3), 203);
  EXPECT_EQ(IdentidadeTexto(20), 120);
  Slots<10> s;
  EXPECT_FALSE(s.Incluido(0));
  EXPECT_FALSE(s.Incluido(11));
  EXPECT_EQ(s[11], nullptr);
  const double ms = MilissegundosDoDia();
  EXPECT_GE(ms, 0.0);
  EXPECT_LT(ms, 86400000.0 + 1000.0);
}

}  // namespace
}  // namespace quiv
