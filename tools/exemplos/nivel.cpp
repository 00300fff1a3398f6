// SPDX-License-Identifier: GPL-3.0-or-later
// The "Nível (integrador)" tab: level loops on integrating tanks.
#include "core/objetos/gerador.h"
#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

// Level of a 5 m³ tank in %/s for 1 % of a 0 … 40 m³/h flow:
// 0.4 m³/h / 3600 / 5 m³ · 100.
constexpr double kIntegracao = 0.0022;

// Regulatory level: the tank's level LT-301 held by LIC-301 moving the
// outlet pump's speed through a drive that limits acceleration and a pump
// curve that is not linear.
//   M15  inflow (data entry), m³/h
//   M21  outflow (process 1: drive with rate limit and S curve, 2 s lag)
//   M41  net inflow M15 − M21 (block 1)
//   M22  level (process 2: integrator)
void MontaNivelRegulatorio(Documento& doc) {
  doc.Titulo = "Tanque com Regulação de Nível|Regulatory level";
  Descreve(doc, 21, "m3/h", 0, 40, "Vazão de saída|Outflow");
  Descreve(doc, 22, "%", 0, 100, "Nível LT-301|Level LT-301");
  NovaEntrada(doc, 1, "Entrada|Inflow", "m3/h", 0, 40, 20, 40, 120);

  Processo& bomba = NovoProcesso(doc, 1, "SC-301", "Bomba com inversor|Pump drive", 1, 1.0, 2.0,
                                 0.0, 0.0, 885, 490);
  bomba.TipoValvula = Processo::kCurvaS1;
  bomba.LimiteTaxa = "5";
  Aplica(doc, bomba);
  NovoBloco(doc, 1, "FY-301", "Vazão líquida|Net flow", "M15-M21");
  Processo& tanque = NovoProcesso(doc, 2, "LT-301", "Nível do tanque|Tank level", 41, kIntegracao,
                                  0, 0, 0, 745, 260);
  tanque.TipoFuncao = Processo::kIntegrador;
  tanque.ValorInicial = "50";
  Aplica(doc, tanque);

  NovaMalha(doc, 1, "LIC-301", "Nível do tanque|Tank level", 22, 50.0,
            {.Kp = 5.0, .Ti = 320.0, .Td = 0.0}, /*reversa=*/true);
  Coloca(doc, TipoObjeto::Controlador, 1, 745, 160);
  NovoRegistro(doc, 1, "LR-301", 1, 870, 110);
  NovoMostrador(doc, 1, 22, "Nível|Level", 1, 400, 300);
  NovoMostrador(doc, 2, 21, "Saída|Outflow", 1, 820, 420);

  Comenta(doc,
          {"Tanque com controle regulatório de nível.",
           "O nível integra a diferença entre entrada",
           "e saída: sem controle não há equilíbrio.",
           "Experimente: ponha o LIC-301 em manual e",
           "mude a entrada: o nível sobe ou desce em",
           "rampa. Em automático o PI o traz ao SP.",
           "O inversor limita a aceleração da bomba",
           "(5 %/s): sintonias agressivas oscilam."},
          {"Tank with regulatory level control.",
           "The level integrates inflow minus",
           "outflow: without control there is no",
           "new balance. Try: put LIC-301 in manual",
           "and change the inflow: the level ramps.",
           "In automatic the PI brings it to SP.",
           "The drive limits the pump's acceleration",
           "(5 %/s): aggressive tunings oscillate."});
}

void DesenhaNivelRegulatorio(Desenho& d) {
  d.Texto({30, 50}, "Tanque com Regulação de Nível", 22, true);
  d.Linha({{30, 200}, {470, 200}, {470, 240}});
  d.Corrente({34, 190}, "Entrada");
  d.Tanque({420, 220, 260, 250}, 0.5);
  d.Linha({{680, 440}, {760, 440}});
  d.Bomba({780, 440});
  d.Linha({{802, 424}, {802, 400}, {980, 400}});
  d.Corrente({900, 390}, "Saída");
  d.Motor({780, 500});
  d.Sinal({{780, 456}, {780, 487}});
  d.Instrumento({720, 270}, "LT", "301", true);
  d.Sinal({{699, 270}, {680, 270}});
  d.Instrumento({720, 170}, "LIC", "301");
  d.Sinal({{720, 249}, {720, 191}});
  d.Instrumento({860, 500}, "SC", "301", true);
  d.Sinal({{741, 170}, {860, 170}, {860, 340}, {860, 479}});
  d.Sinal({{839, 500}, {793, 500}}, true);
}

const bool nivelRegulatorio = Registra({.arquivo = "regulatory level/regulatory level.smp",
                                        .monta = MontaNivelRegulatorio,
                                        .desenha = DesenhaNivelRegulatorio,
                                        .aquecimento = 1800});

// Surge tank: two identical tanks take the same fluctuating inflow (a slow
// sine plus a random part from the generator). LIC-401 holds its level
// tightly, so its outflow copies every swing of the inflow; LIC-402 is tuned
// for averaging: its level swings inside the tank and its outflow, which
// feeds the next unit, stays smooth.
//   M81  inflow swing (sine, 10 min), M82 random part
//   M41  inflow to both tanks
//   M21/M23  outflow valves; M42/M43 net flows; M22/M24 levels
void MontaTanquePulmao(Documento& doc) {
  doc.Titulo = "Tanque Pulmão|Surge Tank";
  Gerador& g = doc.gerador();
  CanalGerador& seno = g.Canal(81);
  seno.Tipo = 5;
  seno.Min = "35";
  seno.Max = "65";
  seno.Desc = "600";
  CanalGerador& ruido = g.Canal(82);
  ruido.Tipo = 3;
  ruido.Min = "-6";
  ruido.Max = "6";
  ruido.Desc = "20";
  g.AtualizaParametros();

  Descreve(doc, 41, "m3/h", 0, 40, "Vazão de entrada|Inflow");
  for (int k : {1, 2}) {
    Descreve(doc, 20 + 2 * k - 1, "m3/h", 0, 40, k == 1 ? "Saída LV-401" : "Saída LV-402");
    Descreve(doc, 20 + 2 * k, "%", 0, 100, k == 1 ? "Nível LT-401" : "Nível LT-402");
  }
  NovoBloco(doc, 1, "FI-400", "Vazão de entrada|Inflow", "M81+M82");

  const int x0[] = {0, 60, 540};
  for (int k : {1, 2}) {
    const int saida = 20 + 2 * k - 1;
    const int nivel = 20 + 2 * k;
    const std::string kk = std::to_string(k);
    NovoProcesso(doc, 2 * k - 1, "LV-40" + kk, "Válvula de saída|Outlet valve", k, 1.0, 3.0, 0.0,
                 0.0, x0[k] + 225, 470);
    NovoBloco(doc, 1 + k, "FY-40" + kk, "Vazão líquida|Net flow",
              "M41-M" + std::to_string(saida));
    Processo& tanque = NovoProcesso(doc, 2 * k, "LT-40" + kk, "Nível|Level", 41 + k, kIntegracao,
                                    0, 0, 0, x0[k] + 300, 250);
    tanque.TipoFuncao = Processo::kIntegrador;
    tanque.ValorInicial = "50";
    Aplica(doc, tanque);
    // Tight: fast PI. Averaging: low gain and a long reset, so the level
    // uses the tank and the outflow moves slowly.
    const Sintonia s = k == 1 ? Sintonia{.Kp = 6.0, .Ti = 240.0} : Sintonia{.Kp = 0.9, .Ti = 1500.0};
    NovaMalha(doc, k, "LIC-40" + kk, k == 1 ? "Nível apertado|Tight level" : "Nível médio|Averaging level",
              nivel, 50.0, s, /*reversa=*/true);
    Coloca(doc, TipoObjeto::Controlador, k, x0[k] + 300, 130);
    NovoRegistro(doc, k, "LR-40" + kk, k, x0[k] + 120, 130);
    NovoMostrador(doc, 2 * k - 1, nivel, "Nível|Level", 1, x0[k] + 20, 330);
    NovoMostrador(doc, 2 * k, saida, "Saída|Outflow", 1, x0[k] + 300, 520);
  }
  NovoMostrador(doc, 5, 41, "Entrada|Inflow", 1, 495, 130);

  Comenta(doc,
          {"Dois tanques iguais recebem a mesma",
           "entrada oscilante. O LIC-401 segura o",
           "nível no SP: sua saída copia cada",
           "oscilação da entrada. O LIC-402 faz",
           "controle médio: o nível oscila dentro do",
           "tanque e a saída, que alimenta a próxima",
           "unidade, fica suave. Compare os dois",
           "registradores e, na Simulação Rápida, o",
           "desvio padrão das saídas (Desvio Pad. CO)."},
          {"Two equal tanks take the same swinging",
           "inflow. LIC-401 holds its level at SP:",
           "its outflow copies every swing. LIC-402",
           "is tuned for averaging: the level swings",
           "inside the tank and the outflow, which",
           "feeds the next unit, stays smooth.",
           "Compare both recorders and, in the Fast",
           "Simulation, the CO standard deviations."});
}

void DesenhaTanquePulmao(Desenho& d) {
  d.Texto({30, 50}, "Tanque Pulmão", 22, true);
  d.Corrente({420, 100}, "Entrada oscilante");
  d.Linha({{480, 110}, {480, 200}}, false);
  d.Linha({{480, 200}, {200, 200}, {200, 240}});
  d.Linha({{480, 200}, {680, 200}, {680, 240}});
  const int x0[] = {0, 60, 540};
  for (int k : {1, 2}) {
    const int x = x0[k];
    const QString kk = QString::number(k);
    d.Tanque({x + 100, 230, 200, 220}, 0.5);
    d.Linha({{x + 300, 430}, {x + 330, 430}, {x + 330, 470}}, false);
    d.Valvula({x + 330, 480}, true);
    d.Linha({{x + 330, 492}, {x + 330, 540}, {x + 420, 540}});
    d.Instrumento({x + 340, 300}, "LT", "40" + kk, true);
    d.Sinal({{x + 319, 300}, {x + 300, 300}});
    d.Instrumento({x + 400, 300}, "LIC", "40" + kk);
    d.Sinal({{x + 361, 300}, {x + 379, 300}});
    d.Sinal({{x + 400, 321}, {x + 400, 480}, {x + 354, 480}}, true);
  }
  d.Texto({140, 590}, "Controle apertado", 14, true);
  d.Texto({620, 590}, "Controle médio", 14, true);
}

const bool tanquePulmao = Registra({.arquivo = "surge tank/surge tank.smp",
                                    .monta = MontaTanquePulmao,
                                    .desenha = DesenhaTanquePulmao,
                                    .aquecimento = 1800});

}  // namespace
}  // namespace quiv::exemplos
