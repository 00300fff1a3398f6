// SPDX-License-Identifier: GPL-3.0-or-later
// The "Nível (integrador)" tab: tight and averaging level control.
#include <tuple>

#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

// A tank of 20 m3 with 120 m3/h full scale flows fills from empty to full in
// 10 min at a full-scale imbalance: level % per (flow % · s).
constexpr const char* kGanhoTanque = "1/600";

// Tank with tight level regulation. The outlet pump runs on a variable-speed
// drive: its speed follows LIC-101 at most as fast as the drive's
// acceleration ramp (data entry 2), and the flow it delivers against the
// static head of the line is a curve of the speed (nothing below 40 %).
//   M15  inflow (load, data entry 1)
//   M16  drive acceleration, %/s (data entry 2); 0 means no ramp
//   M21  pump speed (process 1): ramp-limited, 1 s motor lag
//   M41  pump flow: Q = 100·√((n² − 40²)/(100² − 40²)), held at 0 below 40 %
//   M42  inflow − outflow (block 2)
//   M22  level (process 2): integrator, 10 min fill time
void MontaNivelRegulatorio(Documento& doc) {
  doc.Titulo = "Tanque com Regulação de Nível|Regulatory level";
  Descreve(doc, 15, "m3/h", 0, 120, "Vazão de entrada|Inflow");
  Descreve(doc, 16, "%/s", 0, 20, "Aceleração do inversor|Drive acceleration");
  Descreve(doc, 21, "rpm", 0, 1780, "Rotação da bomba|Pump speed");
  Descreve(doc, 41, "m3/h", 0, 120, "Vazão de saída|Outflow");
  Descreve(doc, 42, "m3/h", 0, 120, "Entrada - saída|Inflow - outflow");
  Descreve(doc, 22, "%", 0, 100, "Nível LT-101|Level LT-101");

  NovaEntrada(doc, 1, "Vazão de entrada|Inflow", 5000, 40, 150);
  NovaEntrada(doc, 2, "Aceleração|Acceleration", 5000, 800, 300);

  NovoTrecho(doc, 1, "SC-101", "Inversor e motor da bomba|Pump drive and motor", 1,
             {.T1 = "1", .limiteTaxa = "M16/5"}, 786, 389);
  NovoBloco(doc, 1, "FY-101", "Curva da bomba|Pump curve", "100*((M21*M21-1600)/8400)^0.5",
            {.inferior = "0"}, 560, 548);
  NovoBloco(doc, 2, "FY-102", "Entrada - saída|Inflow - outflow", "M15-M41", 210, 430);
  NovoIntegrador(doc, 2, "LT-101", "Nível do tanque|Tank level", 42, kGanhoTanque, "50", 606, 319);

  Controlador& lic = NovaMalha(doc, 1, "LIC-101", "Nível do tanque|Tank level", 22, 50.0,
                               {.Kp = 8.0, .Ti = 160.0, .Td = 0.0}, true);
  Polariza(doc, lic, "60");
  Coloca(doc, TipoObjeto::Controlador, 1, 606, 179);
  NovoRegistro(doc, 1, "LR-101", "Nível do tanque|Tank level", 1, 606, 205);

  NovoMostrador(doc, 1, 22, "Nível|Level", 1, 340, 300);
  NovoMostrador(doc, 2, 21, "Rotação|Speed", 0, 625, 465);
  NovoMostrador(doc, 3, 41, "Vazão de saída|Outflow", 1, 800, 545);

  Comenta(doc,
          {"Nível com bomba de rotação variável.", "O tanque é integrador: em manual, mude",
           "a vazão de entrada e o nível sobe ou", "desce em rampa, sem novo equilíbrio.",
           "Em automático o LIC-101 (PI) devolve", "o nível ao SP.",
           "A vazão não é linear na rotação e o", "inversor limita a aceleração: reduza",
           "a aceleração, dê um degrau no SP e", "veja o sobrepasso crescer."},
          {"Level held by a variable-speed pump.", "The tank integrates: in manual, change",
           "the inflow and the level ramps up or", "down with no new balance.",
           "In automatic LIC-101 (PI) brings the", "level back to its SP.",
           "The flow is non-linear in the speed and", "the drive limits its acceleration:",
           "lower the acceleration, step the SP and", "watch the overshoot grow."});
}

void DesenhaNivelRegulatorio(Desenho& d) {
  d.Texto({30, 50}, "Tanque com Regulação de Nível", 22, true);
  d.Tanque({300, 190, 220, 270}, 0.5);
  // Inflow from the left into the top of the tank.
  d.Linha({{20, 120}, {400, 120}, {400, 190}});
  d.Corrente({24, 110}, "Entrada");
  // Outlet from the bottom to the pump and on to the process.
  d.Linha({{410, 460}, {410, 520}, {584, 520}}, false);
  d.Bomba({600, 520});
  d.Linha({{622, 504}, {980, 504}});
  d.Corrente({905, 494}, "Processo");
  d.Motor({600, 470});
  d.Linha({{600, 483}, {600, 504}}, false, Desenho::kContorno);
  // Level transmitter and controller; the drive between LIC and motor.
  d.Instrumento({580, 330}, "LT", "101", true);
  d.Sinal({{520, 330}, {559, 330}});
  d.Instrumento({580, 190}, "LIC", "101");
  d.Sinal({{580, 309}, {580, 211}});
  d.Instrumento({760, 400}, "SC", "101", true);
  d.Sinal({{580, 169}, {580, 150}, {760, 150}, {760, 379}}, true);
  d.Sinal({{739, 400}, {600, 400}, {600, 457}}, true);
  d.Placa({860, 504});
  d.Instrumento({860, 454}, "FI", "102", {860, 504}, true);
}

// Surge tank: two identical tanks take the same fluctuating inflow (data
// entry 1 plus the generator's slow random steps). LIC-201 holds its level
// tightly and so passes every swing of the inflow on to the unit
// downstream; LIC-202 is an averaging controller that lets the level ride
// between limits and changes its outflow slowly.
//   M15  mean inflow (data entry 1); M81 its random steps, ±15 %
//   M41  inflow to each tank: M15 + M81
//   M21, M23  outflow valves LV-201, LV-202 (2 s stroke lag)
//   M42, M43  inflow − outflow of each tank
//   M22, M24  levels: integrators, 10 min fill time
void MontaTanquePulmao(Documento& doc) {
  doc.Titulo = "Tanque Pulmão|Surge Tank";
  Descreve(doc, 15, "m3/h", 0, 120, "Vazão média da carga|Mean inflow");
  Descreve(doc, 41, "m3/h", 0, 120, "Vazão de entrada|Inflow");
  Descreve(doc, 21, "m3/h", 0, 120, "Saída LV-201|Outflow LV-201");
  Descreve(doc, 23, "m3/h", 0, 120, "Saída LV-202|Outflow LV-202");
  Descreve(doc, 42, "m3/h", 0, 120, "Acúmulo TQ-201|Accumulation TK-201");
  Descreve(doc, 43, "m3/h", 0, 120, "Acúmulo TQ-202|Accumulation TK-202");
  Descreve(doc, 22, "%", 0, 100, "Nível LT-201|Level LT-201");
  Descreve(doc, 24, "%", 0, 100, "Nível LT-202|Level LT-202");

  NovaEntrada(doc, 1, "Vazão média|Mean inflow", 5000, 40, 130);
  NovoBloco(doc, 1, "FY-200", "Vazão de entrada|Inflow", "M15+M81", {.inferior = "0"}, 180, 80);

  struct Caixa {
    int n;  // 1: tight, 2: averaging
    const char* valvula;
    const char* balanco;  // its tag, description and expression
    const char* descricaoBalanco;
    const char* funcaoBalanco;
    const char* transmissor;
    const char* descricaoNivel;
    const char* controlador;
    const char* descricao;
    Sintonia sintonia;
    int x;  // left of the drawing column
  };
  const Caixa caixas[] = {
      {1,
       "LV-201",
       "FY-201",
       "Acúmulo TQ-201|Accumulation TK-201",
       "M41-M21",
       "LT-201",
       "Nível TQ-201|Level TK-201",
       "LIC-201",
       "Nível justo TQ-201|Tight level TK-201",
       {.Kp = 8.0, .Ti = 300.0},
       260},
      {2,
       "LV-202",
       "FY-202",
       "Acúmulo TQ-202|Accumulation TK-202",
       "M41-M23",
       "LT-202",
       "Nível TQ-202|Level TK-202",
       "LIC-202",
       "Nível médio TQ-202|Averaging level TK-202",
       {.Kp = 0.4, .Ti = 5400.0},
       640},
  };
  for (const Caixa& c : caixas) {
    const int valvula = 2 * c.n - 1;  // process 1, 3: M21, M23
    const int nivel = 2 * c.n;        // process 2, 4: M22, M24
    NovoTrecho(doc, valvula, c.valvula, "Válvula de saída|Outlet valve", c.n, {.T1 = "2"},
               c.x + 146, 515);
    NovoBloco(doc, c.n + 1, c.balanco, c.descricaoBalanco, c.funcaoBalanco, c.x + 30, 200);
    NovoIntegrador(doc, nivel, c.transmissor, c.descricaoNivel, 41 + c.n, kGanhoTanque, "50",
                   c.x - 150, 289);
    NovaMalha(doc, c.n, c.controlador, c.descricao, 20 + nivel, 50.0, c.sintonia, true);
    Coloca(doc, TipoObjeto::Controlador, c.n, c.x + 211, 204);
  }

  NovoRegistro(doc, 1, "LR-200", "Níveis|Levels", {22, "LT-201"}, {24, "LT-202"},
               {41, "Entrada|Inflow"}, 40, 380);
  NovoRegistro(doc, 2, "FR-200", "Vazões de saída|Outflows", {21, "LV-201"}, {23, "LV-202"},
               {41, "Entrada|Inflow"}, 40, 406);

  NovoMostrador(doc, 1, 41, "Entrada|Inflow", 1, 40, 230);
  NovoMostrador(doc, 2, 22, "Nível|Level", 1, 285, 265);
  NovoMostrador(doc, 3, 24, "Nível|Level", 1, 665, 265);
  NovoMostrador(doc, 4, 21, "Saída|Outflow", 1, 495, 545);
  NovoMostrador(doc, 5, 23, "Saída|Outflow", 1, 875, 545);

  // Settle with a steady inflow, then let the upstream unit swing.
  Aquece(doc, 1200);
  DegrausAleatorios(doc, 81, "15");

  Comenta(doc,
          {"Duas caixas iguais, a mesma carga, que", "muda em degraus aleatórios (M81).",
           "LIC-201 segura o nível justo e repassa", "cada variação à unidade a jusante.",
           "LIC-202 faz controle médio: o nível", "flutua entre limites e a saída muda",
           "devagar. Compare as saídas no FR-200", "e o desvio do CO na Simulação Rápida."},
          {"Two equal tanks, the same inflow, which", "changes in random steps (M81).",
           "LIC-201 holds its level tight and", "passes every change downstream.",
           "LIC-202 does averaging control: the", "level rides between limits and the",
           "outflow moves slowly. Compare outflows", "on FR-200 and CO std. dev. in the",
           "Fast Simulation."});
}

void DesenhaTanquePulmao(Desenho& d) {
  d.Texto({30, 50}, "Tanque Pulmão", 22, true);
  // The common inflow feeds both tanks.
  d.Linha({{20, 110}, {710, 110}}, false);
  d.Corrente({24, 100}, "Carga");
  for (const auto& [x, numero, rotulo] :
       {std::tuple{260, "201", "Nível justo"}, std::tuple{640, "202", "Controle médio"}}) {
    d.Tanque({x, 190, 140, 240}, 0.5);
    d.Linha({{x + 70, 110}, {x + 70, 190}});
    d.Linha({{x + 70, 430}, {x + 70, 500}, {x + 300, 500}});
    d.Valvula({x + 185, 500});
    d.Corrente({x + 240, 490}, "Unidade");
    // LT on the left wall, LIC on the right, its output straight down.
    d.Instrumento({x - 45, 300}, "LT", numero, {x, 300}, true);
    d.Instrumento({x + 185, 215}, "LIC", numero);
    d.Sinal({{x - 45, 279}, {x - 45, 160}, {x + 185, 160}, {x + 185, 194}});
    d.Sinal({{x + 185, 236}, {x + 185, 464}}, true);
    d.Texto({x + 10, 590}, rotulo, 15, true);
  }
}

const bool registrado = Registra({.arquivo = "regulatory level/regulatory level.smp",
                                  .monta = MontaNivelRegulatorio,
                                  .desenha = DesenhaNivelRegulatorio,
                                  .aquecimento = 1200}) &&
                        Registra({.arquivo = "surge tank/surge tank.smp",
                                  .monta = MontaTanquePulmao,
                                  .desenha = DesenhaTanquePulmao,
                                  .aquecimento = 0});

}  // namespace
}  // namespace quiv::exemplos
