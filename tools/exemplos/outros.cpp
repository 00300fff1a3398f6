// SPDX-License-Identifier: GPL-3.0-or-later
// The "Outros" tab: dead-time compensation, processes for modelling and the
// frequency response of a loop.
#include "core/objetos/gerador.h"
#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

// Smith predictor: two identical processes with a transport delay twice
// their time constant (K 1, T 30 s, L 60 s). TIC-701 is a plain PI, which
// the delay forces to be slow; TIC-702 measures the process plus the
// difference of two models (without and with the delay), so it sees the
// response the delay hides and can be tuned for the process alone.
//   M15  load disturbance (data entry), −20 … 20 %
//   M41/M42  process inputs: controller output plus the load
//   M21/M22  process outputs
//   M23  model without delay, M24 model with delay (both fed by M02)
//   M43  predicted PV of TIC-702: M22 + M23 − M24
//   (the load enters as M15·0.4 − 20: the entry's cell in % of −20 … 20)
void MontaPreditorSmith(Documento& doc) {
  doc.Titulo = "Preditor de Smith|Smith predictor";
  NovaEntrada(doc, 1, "Carga|Load", "%", -20, 20, 0, 40, 130);
  for (int k : {1, 2}) {
    Descreve(doc, 20 + k, "°C", 0, 200, k == 1 ? "Temperatura TT-701" : "Temperatura TT-702");
    NovoBloco(doc, k, "TY-70" + std::to_string(k), "Entrada do processo|Process input",
              "M0" + std::to_string(k) + "+M15*0.4-20");
  }
  Descreve(doc, 43, "°C", 0, 200, "PV prevista TIC-702|Predicted PV TIC-702");
  NovoProcesso(doc, 1, "P-701", "Processo com atraso|Delayed process", 41, 1.0, 30, 0, 60, 578, 182);
  NovoProcesso(doc, 2, "P-702", "Processo com atraso|Delayed process", 42, 1.0, 30, 0, 60, 578, 432);
  NovoProcesso(doc, 3, "MOD-1", "Modelo sem atraso|Model without delay", 2, 1.0, 30, 0, 0, 330, 520);
  NovoProcesso(doc, 4, "MOD-2", "Modelo com atraso|Model with delay", 2, 1.0, 30, 0, 60, 460, 520);
  NovoBloco(doc, 3, "TY-703", "Preditor de Smith|Smith predictor", "M22+M23-M24", 600, 520);
  // Plain PI for K 1, T 30, L 60 (SIMC, τc = L): Kp = T/(K·(τc+L)) = 0.25,
  // Ti = min(T, 4(τc+L)) = 30 s. With the predictor the delay is outside
  // the loop: τc = 15 s gives Kp = 2, Ti = 30 s.
  NovaMalha(doc, 1, "TIC-701", "PI simples|Plain PI", 21, 50.0, {.Kp = 0.25, .Ti = 30.0});
  NovaMalha(doc, 2, "TIC-702", "PI com preditor|PI with predictor", 43, 50.0, {.Kp = 2.0, .Ti = 30.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 200, 150);
  Coloca(doc, TipoObjeto::Controlador, 2, 200, 400);
  NovoRegistro(doc, 1, "TR-701", 1, 820, 110);
  NovoRegistro(doc, 2, "TR-702", 2, 820, 360);
  NovoMostrador(doc, 1, 21, "TT-701", 1, 820, 190);
  NovoMostrador(doc, 2, 22, "TT-702", 1, 820, 440);

  Comenta(doc,
          {"Dois processos iguais com atraso de",
           "transporte (60 s) duas vezes maior que a",
           "constante de tempo (30 s).",
           "O TIC-701 é um PI simples: o atraso obriga",
           "uma sintonia lenta. O TIC-702 usa o",
           "preditor de Smith: modelo sem atraso menos",
           "modelo com atraso somado à medida, e pode",
           "ser sintonizado só para o processo.",
           "Experimente: mude o SP dos dois e compare;",
           "mude a carga; erre o modelo (MOD-2) e veja",
           "o que acontece."},
          {"Two equal processes with a transport delay",
           "(60 s) twice their time constant (30 s).",
           "TIC-701 is a plain PI: the delay forces a",
           "slow tuning. TIC-702 uses a Smith",
           "predictor: model without delay minus",
           "model with delay added to the measurement,",
           "so it is tuned for the process alone.",
           "Try: change both set points and compare;",
           "change the load; make the model wrong",
           "(MOD-2) and see what happens."});
}

void DesenhaPreditorSmith(Desenho& d) {
  d.Texto({30, 50}, "Preditor de Smith", 22, true);
  for (int k : {1, 2}) {
    const int y = k == 1 ? 120 : 370;
    const QString kk = QString::number(k);
    d.Texto({260, y - 14}, k == 1 ? "PI simples" : "PI com preditor de Smith", 15, true);
    d.Instrumento({300, y + 40}, "TIC", "70" + kk);
    d.Linha({{321, y + 40}, {480, y + 40}});
    d.Funcao({500, y + 40}, QStringLiteral("e⁻ˢᴸ"));
    d.Linha({{517, y + 40}, {590, y + 40}});
    d.Funcao({615, y + 40}, QStringLiteral("1/(Ts+1)"));
    d.Linha({{632, y + 40}, {800, y + 40}});
    d.Instrumento({760, y + 90}, "TT", "70" + kk, true);
    d.Sinal({{760, y + 69}, {760, y + 40}});
  }
  d.Sinal({{739, 220}, {300, 220}, {300, 181}}, true);
  // The predictor's models under the second loop.
  d.Sinal({{321, 410}, {360, 410}, {360, 500}});
  d.Funcao({360, 500}, QStringLiteral("Gm"));
  d.Funcao({490, 500}, QStringLiteral("Gm·e"));
  d.Sinal({{360, 483}, {490, 483}});
  d.Funcao({640, 500}, QStringLiteral("Σ"));
  d.Sinal({{377, 500}, {623, 500}}, true);
  d.Sinal({{507, 500}, {560, 500}, {560, 470}, {640, 470}, {640, 483}}, true);
  d.Sinal({{739, 460}, {700, 460}, {700, 500}, {657, 500}}, true);
  d.Sinal({{640, 517}, {640, 560}, {250, 560}, {250, 430}, {279, 430}}, true);
}

const bool preditorSmith = Registra({.arquivo = "smith predictor/smithpredictor.smp",
                                     .monta = MontaPreditorSmith,
                                     .desenha = DesenhaPreditorSmith,
                                     .aquecimento = 1200});

// Four processes for modelling, each with its own loop (in automatic, so the
// student can also compare closed-loop responses): first order with dead
// time, second order underdamped, fourth order (two blocks of two lags in
// series) and an integrator. An open-loop test: put the controller in manual
// and step its output.
void MontaQuatroProcessos(Documento& doc) {
  doc.Titulo = "4 Processos para Modelagem|4 Processes for Modelling";
  // The dead time in a block of its own with gain 1: a loaded file refills
  // the delay with the block's output, which then matches its input.
  NovoProcesso(doc, 1, "P-1a", "Tempo morto|Dead time", 1, 1.0, 0, 0, 10, 300, 100);
  NovoProcesso(doc, 6, "P-1b", "Primeira ordem|First order", 21, 1.5, 40, 0, 0, 420, 100);
  Processo& sub = NovoProcesso(doc, 2, "P-2", "Segunda ordem subamortecido|Underdamped second order",
                               2, 1.0, 0, 0, 0, 300, 230);
  sub.TipoFuncao = Processo::kSubamortecido;
  sub.TextoPeriodo = "60";
  sub.TextoNC = "2";
  Aplica(doc, sub);
  NovoProcesso(doc, 3, "P-3a", "Quarta ordem (1/2)|Fourth order (1/2)", 3, 1.0, 15, 15, 0, 300, 360);
  NovoProcesso(doc, 4, "P-3b", "Quarta ordem (2/2)|Fourth order (2/2)", 23, 1.0, 15, 15, 0, 420, 360);
  NovoBloco(doc, 1, "P-4in", "Vazão líquida|Net flow", "M04-50");
  Processo& integ = NovoProcesso(doc, 5, "P-4", "Integrador|Integrator", 41, 0.005, 0, 0, 0, 300, 490);
  integ.TipoFuncao = Processo::kIntegrador;
  integ.ValorInicial = "50";
  Aplica(doc, integ);

  const struct {
    int pv;
    const char* tag;
    Sintonia s;
    int y;
  } malhas[] = {{26, "XIC-1", {.Kp = 1.2, .Ti = 40.0}, 100},
                {22, "XIC-2", {.Kp = 0.3, .Ti = 15.0}, 230},
                {24, "XIC-3", {.Kp = 0.8, .Ti = 45.0}, 360},
                {25, "XIC-4", {.Kp = 3.0, .Ti = 300.0}, 490}};
  int k = 1;
  for (const auto& m : malhas) {
    NovaMalha(doc, k, m.tag, "Processo " + std::to_string(k) + "|Process " + std::to_string(k), m.pv,
              50.0, m.s);
    Coloca(doc, TipoObjeto::Controlador, k, 90, m.y);
    NovoRegistro(doc, k, "XR-" + std::to_string(k), k, 760, m.y);
    NovoMostrador(doc, k, m.pv, "PV " + std::to_string(k), 2, 600, m.y - 4);
    ++k;
  }
  Comenta(doc,
          {"Quatro processos para exercícios de",
           "modelagem: 1) primeira ordem com tempo",
           "morto; 2) segunda ordem subamortecido;",
           "3) quarta ordem (dois blocos em série);",
           "4) integrador.",
           "Ensaio em malha aberta: ponha o controlador",
           "em manual, dê um degrau na saída e meça",
           "ganho, constante de tempo e tempo morto no",
           "registrador. Depois sintonize e compare."},
          {"Four processes for modelling exercises:",
           "1) first order with dead time; 2) second",
           "order underdamped; 3) fourth order (two",
           "blocks in series); 4) integrator.",
           "Open-loop test: put the controller in",
           "manual, step its output and read gain,",
           "time constant and dead time on the",
           "recorder. Then tune and compare."});
}

void DesenhaQuatroProcessos(Desenho& d) {
  d.Texto({30, 50}, "4 Processos para Modelagem", 22, true);
  const char* nomes[] = {"K e^-Ls / (Ts+1)", "K ω² / (s² + 2ζωs + ω²)", "K / (Ts+1)⁴",
                         "K / s"};
  const int ys[] = {100, 230, 360, 490};
  for (int i = 0; i < 4; ++i) {
    const int y = ys[i] + 11;
    d.Linha({{175, y}, {290, y}});
    d.Linha({{390, y}, {590, y}});
    d.Texto({420, y - 18}, nomes[i], 13, false);
    d.Sinal({{700, y + 30}, {700, y + 50}, {130, y + 50}, {130, y + 11}}, true);
  }
}

const bool quatroProcessos = Registra({.arquivo = "processes to model/4processes.smp",
                                       .monta = MontaQuatroProcessos,
                                       .desenha = DesenhaQuatroProcessos,
                                       .aquecimento = 1200});

// Frequency response: a flow loop whose set point (remote, from a sine of
// the generator) and load (another sine) swing with periods the student
// sets; slow swings are followed, fast ones are attenuated and lag.
//   M15/M16  periods of the SP and load sines (data entries), s
//   M81  SP sine, M82 load sine; M21 valve, M41 flow through it, M22 flow
void MontaRespostaFrequencia(Documento& doc) {
  doc.Titulo = "Resposta em Frequência|Frequency Response";
  NovaEntrada(doc, 1, "Per. SP|SP period", "s", 2, 200, 120, 40, 130);
  NovaEntrada(doc, 2, "Per. carga|Load period", "s", 2, 200, 60, 40, 220);
  Gerador& g = doc.gerador();
  CanalGerador& sp = g.Canal(81);
  sp.Tipo = 5;
  sp.Min = "40";
  sp.Max = "60";
  sp.Desc = "2+M15*1.98";
  CanalGerador& carga = g.Canal(82);
  carga.Tipo = 5;
  carga.Min = "-5";
  carga.Max = "5";
  carga.Desc = "2+M16*1.98";
  g.AtualizaParametros();

  Descreve(doc, 22, "m3/h", 0, 120, "Vazão FT-1901|Flow FT-1901");
  NovoProcesso(doc, 1, "FV-1901", "Válvula|Valve", 1, 1.0, 1.0, 0, 0, 452, 330);
  NovoBloco(doc, 1, "FY-1901", "Vazão com carga|Flow with load", "M21+M82");
  NovoProcesso(doc, 2, "FT-1901", "Vazão|Flow", 41, 1.0, 1.5, 0, 0, 660, 330);
  Controlador& fic = NovaMalha(doc, 1, "FIC-1901", "Vazão|Flow", 22, 50.0, {.Kp = 0.4, .Ti = 2.5});
  fic.HabilitaSPR = true;
  fic.ItemSPR = 81 - 1;
  Aplica(doc, fic);
  fic.AlternaLocalRemoto();
  Coloca(doc, TipoObjeto::Controlador, 1, 560, 140);
  NovoRegistro(doc, 1, "FR-1901", 1, 820, 140);
  NovoMostrador(doc, 1, 22, "Vazão|Flow", 1, 700, 420);

  Comenta(doc,
          {"Malha de vazão com SP remoto senoidal",
           "(gerador, M81) e carga senoidal (M82).",
           "Ajuste os períodos nas entradas à",
           "esquerda. Com períodos longos a vazão",
           "segue o SP; com períodos curtos (poucos",
           "segundos) a resposta diminui e atrasa:",
           "é a resposta em frequência da malha.",
           "Meça a razão de amplitudes e a defasagem",
           "no registrador para vários períodos."},
          {"Flow loop with a sinusoidal remote SP",
           "(generator, M81) and a sinusoidal load",
           "(M82). Set the periods with the entries",
           "at left. With long periods the flow",
           "follows the SP; with short ones (a few",
           "seconds) the response shrinks and lags:",
           "the loop's frequency response. Read the",
           "amplitude ratio and the phase lag on the",
           "recorder for several periods."});
}

void DesenhaRespostaFrequencia(Desenho& d) {
  d.Texto({30, 50}, "Resposta em Frequência", 22, true);
  d.Linha({{200, 300}, {980, 300}});
  d.Valvula({480, 300});
  d.Placa({700, 300});
  d.Instrumento({700, 230}, "FT", "1901", true);
  d.Sinal({{700, 251}, {700, 300}});
  d.Instrumento({600, 180}, "FIC", "1901");
  d.Sinal({{679, 230}, {600, 230}, {600, 201}});
  d.Sinal({{579, 180}, {480, 180}, {480, 264}}, true);
  d.Funcao({600, 100}, QStringLiteral("∿"));
  d.Sinal({{600, 117}, {600, 159}}, true);
  d.Corrente({625, 104}, "SP senoidal (M81)");
  d.Funcao({600, 400}, QStringLiteral("∿"));
  d.Sinal({{617, 400}, {640, 400}, {640, 300}}, true);
  d.Corrente({560, 440}, "Carga senoidal (M82)");
}

const bool respostaFrequencia = Registra({.arquivo = "frequency response/frequencyresponse.smp",
                                          .monta = MontaRespostaFrequencia,
                                          .desenha = DesenhaRespostaFrequencia,
                                          .aquecimento = 300});

}  // namespace
}  // namespace quiv::exemplos
