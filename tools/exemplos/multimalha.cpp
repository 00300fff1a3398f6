// SPDX-License-Identifier: GPL-3.0-or-later
// The "Multimalha" tab: whole plants with several interacting loops (boiler,
// reactor, gas cooling, deethanizer).
#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

// ---------------------------------------------------------------------------
// Industrial boiler (boiler.smp). Natural gas 0 … 4000 Nm3/h, combustion air
// 0 … 48000 Nm3/h: 9.6 Nm3 of air burn 1 Nm3 of gas, so the stoichiometric
// air is 0.8 × the gas, both in % of their ranges. Steam and feedwater
// 0 … 60 t/h; at the design point 30 t/h, 40 bar, 500 °C, all flows 50 %.
//   M01  PIC-100 (drum pressure) output: the firing demand, % of the gas
//        range; its bias is the steam flow (feed-forward), the pressure
//        only trims it
//   M02  FIC-101 air  -> M21 FT-101 (damper and fan, 8 s + 2 s)
//   M03  FIC-102 gas  -> M22 FT-102 (1.5 s + 0.5 s)
//   M41  air SP: the higher of demand and measured gas, × the air ratio
//   M42  gas SP: the lower of demand and what the measured air can burn
//   M43  gas the air can burn (stoichiometric), M44 gas burned (the lower)
//   M23  heat taken by the water walls (30 s + 8 s)
//   M45  heat − steam -> M24 PT-100 drum pressure (integrating)
//   M07  FIC-105 steam -> M47 steam through the valve (× √pressure)
//        -> M30 FT-105
//   M46  feedwater − steam -> M26 water in the drum (integrating); M27 the
//        pressure 20 s late, so M48 LT-103 = M26 + 8·(M27 − M24) swells
//        while the pressure falls (the bubbles grow) and shrinks while it
//        rises
//   M04  LIC-103 output; M49 feedwater SP = M04 + steam flow − 50
//   M05  FIC-103 feedwater; M11 (switch 1) chooses what drives the valve:
//        1 FIC-103 (three elements), 0 LIC-103 alone (FIC-103 then tracks it)
//   M50  flow the feedwater valve passes (× √(water pressure/60 bar)) -> M25
//   M06  TIC-104 spray -> M28 FT-104; M51 superheat from the design point
//        -> M29 (8 s dead time, 45 s + 12 s); M53 TT-104 = 62.5 + M29
//   M52  excess air, %; M15 excess air set (entry 1), M16 water pressure
void MontaCaldeira(Documento& doc) {
  doc.Titulo = "Caldeira industrial|Industrial Boiler";
  Descreve(doc, 15, "%", 0, 50, "Excesso de ar ajustado|Excess air set");
  Descreve(doc, 16, "bar", 0, 100, "Pressão da água de alimentação|Feedwater pressure");
  Descreve(doc, 21, "Nm3/h", 0, 48000, "Vazão de ar FT-101|Air flow FT-101");
  Descreve(doc, 22, "Nm3/h", 0, 4000, "Vazão de gás FT-102|Gas flow FT-102");
  Descreve(doc, 24, "bar", 0, 60, "Pressão do tubulão PT-100|Drum pressure PT-100");
  Descreve(doc, 25, "t/h", 0, 60, "Água de alimentação FT-103|Feedwater FT-103");
  Descreve(doc, 28, "t/h", 0, 5, "Água de atemperação FT-104|Spray water FT-104");
  Descreve(doc, 53, "°C", 400, 560, "Temperatura do vapor TT-104|Steam temperature TT-104");
  Descreve(doc, 30, "t/h", 0, 60, "Vazão de vapor FT-105|Steam flow FT-105");
  Descreve(doc, 41, "Nm3/h", 0, 48000, "SP de ar|Air SP");
  Descreve(doc, 42, "Nm3/h", 0, 4000, "SP de gás|Gas SP");
  Descreve(doc, 43, "Nm3/h", 0, 4000, "Gás que o ar queima|Gas the air can burn");
  Descreve(doc, 44, "Nm3/h", 0, 4000, "Gás queimado|Gas burned");
  Descreve(doc, 48, "mm", -250, 250, "Nível do tubulão LT-103|Drum level LT-103");
  Descreve(doc, 49, "t/h", 0, 60, "SP de água|Feedwater SP");
  Descreve(doc, 52, "%", 0, 100, "Excesso de ar|Excess air");

  // Combustion: air and gas trains.
  NovoTrecho(doc, 1, "FT-101", "Vazão de ar|Air flow", 2, {.T1 = "8", .T2 = "2"}, 15, 504);
  NovoTrecho(doc, 2, "FT-102", "Vazão de gás|Gas flow", 3, {.T1 = "1.5", .T2 = "0.5"}, 15, 389);
  // Cross limits: air leads the gas up and follows it down.
  NovoBloco(doc, 1, "FY-101", "SP de ar|Air SP", "M01*(0.8+0.004*M15)>M22*(0.8+0.004*M15)", 351,
            536);
  NovoBloco(doc, 2, "FY-102", "SP de gás|Gas SP", "M01<M21/(0.8+0.004*M15)", 351, 360);
  NovoBloco(doc, 3, "FY-103", "Gás que o ar queima|Gas the air can burn", "M21*1.25");
  NovoBloco(doc, 4, "FY-104", "Gás queimado|Gas burned", "M22<M43");
  NovoBloco(doc, 12, "AY-100", "Excesso de ar|Excess air", "125*M21/M22-100",
            {.inferior = "-100", .superior = "100"});

  // Drum: stored energy (pressure) and water (level).
  NovoTrecho(doc, 3, "TY-100", "Calor absorvido|Heat absorbed", 44, {.T1 = "30", .T2 = "8"}, 640,
             285);
  NovoBloco(doc, 5, "PY-100", "Calor menos vapor|Heat minus steam", "M23-M30");
  NovoIntegrador(doc, 4, "PT-100", "Pressão do tubulão|Drum pressure", 45, "0.0056", "66.67", 276,
                 219);
  NovoBloco(doc, 7, "FY-105", "Vapor pela válvula|Steam through the valve", "M07*(M24/66.67)^0.5");
  NovoTrecho(doc, 10, "FT-105", "Vazão de vapor|Steam flow", 47, {.T1 = "1.5", .T2 = "0.5"}, 598,
             46);
  NovoBloco(doc, 6, "LY-100", "Água menos vapor|Water minus steam", "M25-M30");
  NovoIntegrador(doc, 6, "LY-101", "Água no tubulão|Water in the drum", 46, "0.015", "50", 500,
                 205);
  NovoTrecho(doc, 7, "LY-102", "Pressão atrasada|Pressure, late", 24, {.T1 = "20"});
  NovoBloco(doc, 8, "LT-103", "Nível do tubulão|Drum level", "M26+8*(M27-M24)");

  // Feedwater: three-element summer and the switch.
  NovoBloco(doc, 9, "FY-103", "SP de água|Feedwater SP", "M04+M30-50", 351, 97);
  NovoBloco(doc, 10, "FY-106", "Água pela válvula|Water through the valve",
            "(M11*M05+(1-M11)*M04)*(M16/60)^0.5");
  NovoTrecho(doc, 5, "FT-103", "Água de alimentação|Feedwater", 50, {.T1 = "2", .T2 = "0.5"}, 46,
             109);

  // Superheater and attemperator.
  NovoTrecho(doc, 8, "FT-104", "Água de atemperação|Spray water", 6, {.T1 = "2"});
  // The superheater carries the deviation from the design point, so its
  // dead time starts from zero after a load.
  NovoBloco(doc, 11, "TY-104", "Superaquecimento|Superheat", "0.4*(M23-50)-0.5*(M28-40)");
  NovoTrecho(doc, 9, "TY-105", "Superaquecedor|Superheater", 51,
             {.T1 = "45", .T2 = "12", .tempoMorto = "8", .semSaturador = true}, 791, 160);
  NovoBloco(doc, 13, "TT-104", "Temperatura do vapor|Steam temperature", "62.5+M29");

  // Loops, their buttons beside their instruments.
  Controlador& pic = NovaMalha(doc, 1, "PIC-100", "Pressão do vapor|Steam pressure", 24, 66.67,
                               {.Kp = 3.0, .Ti = 300.0, .Td = 0.0});
  // The firing demand follows the steam flow; the pressure only trims it.
  Compensa(doc, pic, "M30");
  Coloca(doc, TipoObjeto::Controlador, 1, 276, 289);
  NovoEscravo(doc, 2, "FIC-101", "Vazão de ar|Air flow", 21, 41, {.Kp = 0.5, .Ti = 8.0});
  Coloca(doc, TipoObjeto::Controlador, 2, 190, 540);
  NovoEscravo(doc, 3, "FIC-102", "Vazão de gás|Gas flow", 22, 42, {.Kp = 0.5, .Ti = 2.0});
  Coloca(doc, TipoObjeto::Controlador, 3, 312, 437);
  Controlador& lic = NovaMalha(doc, 4, "LIC-103", "Nível do tubulão|Drum level", 48, 50.0,
                               {.Kp = 1.5, .Ti = 300.0, .Td = 0.0});
  SegueEscravo(doc, lic, 5);
  Coloca(doc, TipoObjeto::Controlador, 4, 445, 97);
  Controlador& fic = NovoEscravo(doc, 5, "FIC-103", "Água de alimentação|Feedwater", 25, 49,
                                 {.Kp = 0.5, .Ti = 3.0});
  // With the switch off the level drives the valve and FIC-103 tracks it,
  // so turning the three elements back on does not bump the valve.
  fic.TextoCOmin = "M04*(1-M11)";
  fic.TextoCOmax = "100-(100-M04)*(1-M11)";
  Aplica(doc, fic);
  Coloca(doc, TipoObjeto::Controlador, 5, 215, 97);
  NovaMalha(doc, 6, "TIC-104", "Temperatura do vapor|Steam temperature", 53, 62.5,
            {.Kp = 2.0, .Ti = 50.0, .Td = 0.0}, true);
  Coloca(doc, TipoObjeto::Controlador, 6, 915, 124);
  NovaMalha(doc, 7, "FIC-105", "Vazão de vapor|Steam flow", 30, 50.0, {.Kp = 0.5, .Ti = 2.0});
  Coloca(doc, TipoObjeto::Controlador, 7, 800, 48);

  LigaChave(doc, 1, 230, 200);  // three elements on

  NovaEntrada(doc, 1, "Excesso de ar %|Excess air %", 2000, 820, 470);
  NovaEntrada(doc, 2, "Água bar|Water bar", 6000, 20, 200);

  NovoRegistro(doc, 1, "LR-103", "Nível e vapor|Level and steam", {48, "Nível|Level"}, {64, "SP"},
               {30, "Vapor %|Steam %"}, 820, 320, 1);
  NovoRegistro(doc, 2, "FR-101", "Gás e ar|Gas and air", {22, "Gás|Gas"},
               {43, "Ar (gás equiv.)|Air (gas equiv.)"}, {52, "Excesso de ar|Excess air"}, 820, 360,
               1);

  NovoMostrador(doc, 1, 24, "Pressão|Pressure", 1, 290, 345);
  NovoMostrador(doc, 2, 48, "Nível|Level", 0, 645, 215);
  NovoMostrador(doc, 3, 30, "Vapor|Steam", 1, 648, 108);
  NovoMostrador(doc, 4, 53, "Temperatura|Temperature", 0, 800, 250);
  NovoMostrador(doc, 5, 52, "Excesso de ar|Excess air", 1, 640, 525);
  NovoMostrador(doc, 6, 22, "Gás|Gas", 0, 640, 478);
  NovoMostrador(doc, 7, 21, "Ar|Air", 0, 640, 572);
  NovoMostrador(doc, 8, 25, "Água|Water", 1, 178, 152);

  Comenta(
      doc,
      {"Caldeira: pressão, combustão, nível, vapor.", "PIC-100 ajusta a demanda de queima, que",
       "segue a vazão de vapor. Limites cruzados:", "o ar sobe antes do gás e desce depois.",
       "Nível a 3 elementos: o SP de água segue o", "vapor e o LIC-103 só corrige.",
       "Experimente: SP do FIC-105 de 30 a 36 t/h.", "O nível primeiro sobe (inchamento). Com a",
       "chave HS-103 desligada (só nível) o desvio", "dobra. Veja o FR-101: ar acima do gás."},
      {"Boiler: pressure, combustion, level, steam.", "PIC-100 trims the firing demand, which",
       "follows the steam flow. Cross limits: air", "rises before the gas and falls after it.",
       "Three-element level: the feedwater SP", "follows the steam, LIC-103 only trims it.",
       "Try: FIC-105 SP from 30 to 36 t/h. The", "level first rises (swell). With switch",
       "HS-103 off (level only) the deviation", "doubles. On FR-101: air above the gas."});
}

void DesenhaCaldeira(Desenho& d) {
  d.Texto({30, 50}, "Caldeira Industrial", 22, true);

  // Drum over the furnace.
  d.Linha({{470, 194}, {470, 250}}, false);
  d.Linha({{610, 194}, {610, 250}}, false);
  d.VasoHorizontal({420, 130, 240, 64}, 0.5);
  d.Texto({508, 150}, "Tubulão", 12, true);
  d.Caldeira({450, 250, 180, 200});
  d.Texto({640, 270}, "Fornalha", 12, true);

  // Feedwater and the three-element summer.
  d.Linha({{20, 180}, {420, 180}});
  d.Corrente({20, 170}, "Água de alimentação");
  d.Placa({150, 180});
  d.Instrumento({150, 120}, "FT", "103", {150, 180}, true);
  d.Valvula({300, 180});
  d.Instrumento({300, 75}, "FIC", "103");
  d.Sinal({{150, 99}, {150, 75}, {279, 75}});
  d.Sinal({{300, 96}, {300, 144}});
  d.Funcao({390, 75}, "Σ");
  d.Sinal({{373, 75}, {321, 75}}, true);
  d.Instrumento({480, 75}, "LIC", "103");
  d.Sinal({{459, 75}, {407, 75}}, true);
  d.Instrumento({570, 75}, "LT", "103", {501, 75}, true);
  d.Sinal({{570, 96}, {570, 130}});
  d.Texto({218, 252}, "HS-103", 11, true);
  d.Texto({200, 266}, "3 elementos", 11);

  // Steam, its flow loop and the feed-forward to the summer.
  d.Linha({{640, 132}, {640, 80}, {985, 80}}, true, Desenho::kGas);
  d.Corrente({930, 110}, "Vapor");
  d.Placa({700, 80});
  d.Instrumento({700, 38}, "FT", "105", {700, 80}, true);
  d.Sinal({{679, 38}, {390, 38}, {390, 58}}, true);
  d.Instrumento({890, 38}, "FIC", "105");
  d.Sinal({{721, 38}, {869, 38}});
  d.Sinal({{911, 38}, {960, 38}, {960, 44}});
  d.Valvula({960, 80});

  // Attemperator.
  d.Linha({{985, 200}, {770, 200}, {770, 80}}, true, Desenho::kFrio);
  d.Corrente({905, 225}, "Atemperação");
  d.Valvula({890, 200});
  d.Instrumento({890, 135}, "TIC", "104", {890, 164});
  d.Instrumento({830, 135}, "TT", "104", {830, 80}, true);
  d.Sinal({{851, 135}, {869, 135}});

  // Pressure sets the firing demand.
  d.Instrumento({380, 230}, "PT", "100", true);
  d.Sinal({{401, 230}, {450, 230}, {450, 194}});
  d.Instrumento({380, 300}, "PIC", "100");
  d.Sinal({{380, 251}, {380, 279}});

  // Gas and air to the burner.
  d.Linha({{20, 470}, {530, 470}, {530, 450}}, true, Desenho::kCombustivel);
  d.Corrente({20, 460}, "Gás natural");
  d.Placa({120, 470});
  d.Valvula({290, 470});
  d.Ventilador({45, 575});
  d.Corrente({20, 550}, "Ar");
  d.Linha({{63, 575}, {550, 575}, {550, 450}}, true, Desenho::kGas);
  d.Placa({120, 575});
  d.Valvula({290, 575});

  d.Instrumento({120, 400}, "FT", "102", {120, 470}, true);
  d.Instrumento({290, 400}, "FIC", "102");
  d.Sinal({{141, 400}, {269, 400}});
  d.Sinal({{290, 421}, {290, 434}});
  d.Funcao({390, 400}, "<");
  d.Sinal({{373, 400}, {311, 400}}, true);

  d.Instrumento({120, 515}, "FT", "101", {120, 575}, true);
  d.Instrumento({290, 515}, "FIC", "101");
  d.Sinal({{141, 515}, {269, 515}});
  d.Sinal({{290, 536}, {290, 539}});
  d.Funcao({390, 515}, ">");
  d.Sinal({{373, 515}, {311, 515}}, true);

  // Demand to both selectors; each measured flow limits the other's SP.
  d.Sinal({{401, 300}, {430, 300}, {430, 515}, {407, 515}}, true);
  d.Sinal({{430, 400}, {407, 400}}, true);
  d.Sinal({{230, 400}, {230, 488}, {390, 488}, {390, 498}}, true);
  d.Sinal({{200, 515}, {200, 428}, {390, 428}, {390, 417}}, true);
}

const bool caldeira = Registra({.arquivo = "boiler/boiler.smp",
                                .monta = MontaCaldeira,
                                .desenha = DesenhaCaldeira,
                                .aquecimento = 1800});

// ---------------------------------------------------------------------------
// Continuous stirred reactor (reactor.smp). An exothermic reaction in a
// jacketed tank; the heat it releases grows with the feed. Temperatures on
// one range, 0 … 150 °C; feed and product 0 … 20 m3/h; coolant 0 … 40 m3/h.
// Design point: feed 10 m3/h, reactor 90 °C, jacket 60 °C, coolant in at
// 30 °C and 12 m3/h.
//   M01  FIC-101 feed valve -> M21 FT-101 (2 s + 0.5 s)
//   M02  LIC-102 outlet valve; M41 outflow (× √level) -> M22 FT-102
//   M42  feed − outflow -> M23 LT-102 level (integrating)
//   M03  TIC-103 (reactor) output: the jacket temperature SP; its bias is
//        the feed-forward, 0.4 % (0.6 °C) lower per % of feed above the
//        design while switch 1 (M11) is on
//   M04  TIC-104 (jacket) coolant valve -> M24 FT-104 (3 s + 1 s)
//   M43  jacket outlet: reactor temperature less what the coolant takes,
//        (Tr − Tin)·w/(w + 30) -> M25 TT-104 (60 s + 10 s)
//   M44  jacket + reaction heat (0.4 per % of feed) -> M26 TT-103
//        (240 s + 30 s thermowell)
//   M15  coolant inlet temperature (entry 1, 0 … 60 °C: 0.4·M15 on the
//        150 °C range)
void MontaReator(Documento& doc) {
  doc.Titulo = "Reator|Reactor";
  Descreve(doc, 15, "°C", 0, 60, "Temperatura da água de resfriamento|Coolant temperature");
  Descreve(doc, 21, "m3/h", 0, 20, "Vazão de carga FT-101|Feed flow FT-101");
  Descreve(doc, 22, "m3/h", 0, 20, "Vazão de produto FT-102|Product flow FT-102");
  Descreve(doc, 23, "%", 0, 100, "Nível do reator LT-102|Reactor level LT-102");
  Descreve(doc, 24, "m3/h", 0, 40, "Água de resfriamento FT-104|Coolant flow FT-104");
  Descreve(doc, 25, "°C", 0, 150, "Temperatura da jaqueta TT-104|Jacket temperature TT-104");
  Descreve(doc, 26, "°C", 0, 150, "Temperatura do reator TT-103|Reactor temperature TT-103");

  NovoTrecho(doc, 1, "FT-101", "Vazão de carga|Feed flow", 1, {.T1 = "2", .T2 = "0.5"}, 60, 85);
  NovoBloco(doc, 1, "FY-102", "Saída pela válvula|Flow through the valve", "M02*(M23/50)^0.5");
  NovoTrecho(doc, 2, "FT-102", "Vazão de produto|Product flow", 41, {.T1 = "2", .T2 = "0.5"}, 211,
             532);
  NovoBloco(doc, 2, "LY-102", "Carga menos produto|Feed minus product", "M21-M22");
  NovoIntegrador(doc, 3, "LT-102", "Nível do reator|Reactor level", 42, "0.005", "50", 256, 319);
  NovoTrecho(doc, 4, "FT-104", "Água de resfriamento|Coolant flow", 4, {.T1 = "3", .T2 = "1"}, 661,
             432);
  NovoBloco(doc, 3, "TY-104", "Calor para a jaqueta|Heat to the jacket",
            "M26-(M26-0.4*M15)*M24/(M24+30)");
  NovoTrecho(doc, 5, "TT-104", "Temperatura da jaqueta|Jacket temperature", 43,
             {.T1 = "60", .T2 = "10"}, 825, 289);
  NovoBloco(doc, 4, "TY-103", "Calor da reação|Reaction heat", "M25+0.4*M21");
  NovoTrecho(doc, 6, "TT-103", "Temperatura do reator|Reactor temperature", 44,
             {.T1 = "240", .T2 = "30"}, 611, 73);

  NovaMalha(doc, 1, "FIC-101", "Vazão de carga|Feed flow", 21, 50.0, {.Kp = 0.5, .Ti = 2.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 325, 49);
  NovaMalha(doc, 2, "LIC-102", "Nível do reator|Reactor level", 23, 50.0, {.Kp = 3.0, .Ti = 400.0},
            true);
  Coloca(doc, TipoObjeto::Controlador, 2, 146, 449);
  Controlador& mestre = NovaMalha(doc, 3, "TIC-103", "Temperatura do reator|Reactor temperature",
                                  26, 60.0, {.Kp = 2.5, .Ti = 240.0});
  // More feed, more reaction heat: the jacket SP moves down at once, before
  // the reactor warms.
  Compensa(doc, mestre, "40-M11*0.4*(M21-50)");
  Coloca(doc, TipoObjeto::Controlador, 3, 721, 73);
  NovoEscravo(doc, 4, "TIC-104", "Temperatura da jaqueta|Jacket temperature", 25, 3,
              {.Kp = 10.0, .Ti = 60.0}, true);
  SegueEscravo(doc, mestre, 4);
  Coloca(doc, TipoObjeto::Controlador, 4, 725, 372);

  LigaChave(doc, 1, 895, 130);  // feed-forward on
  NovaEntrada(doc, 1, "Água °C|Coolant °C", 5000, 860, 450);
  NovoRegistro(doc, 1, "TR-103", "Temperatura do reator|Reactor temperature", 3, 880, 535, 1);

  NovoMostrador(doc, 1, 26, "Reator|Reactor", 1, 620, 165);
  NovoMostrador(doc, 2, 25, "Jaqueta|Jacket", 1, 870, 340);
  NovoMostrador(doc, 3, 23, "Nível|Level", 1, 256, 290);
  NovoMostrador(doc, 4, 21, "Carga|Feed", 2, 60, 150);
  NovoMostrador(doc, 5, 24, "Água|Coolant", 1, 760, 470);

  Comenta(
      doc,
      {"Reator exotérmico resfriado pela jaqueta.", "TIC-103 (reator) dá o SP do TIC-104",
       "(jaqueta), que move a água: a cascata", "corrige a água fria antes do reator sentir.",
       "A carga (FIC-101) traz calor de reação; a", "compensação direta (chave HS-101) baixa o",
       "SP da jaqueta assim que a carga sobe.", "Experimente: SP do FIC-101 de 10 a 12 m3/h,",
       "com e sem a compensação; mude a água °C."},
      {"Exothermic reactor cooled by its jacket.", "TIC-103 (reactor) sets the SP of TIC-104",
       "(jacket), which moves the coolant: the", "cascade corrects the coolant before the",
       "reactor feels it. The feed (FIC-101) brings", "reaction heat; the feed-forward (switch",
       "HS-101) lowers the jacket SP as soon as the", "feed rises. Try: FIC-101 SP 10 to 12 m3/h",
       "with and without it; move the coolant °C."});
}

void DesenhaReator(Desenho& d) {
  d.Texto({30, 50}, "Reator", 22, true);
  d.Reator({420, 170, 180, 260}, true, 0.5);
  d.Texto({470, 470}, "R-101", 13, true);

  // Feed.
  d.Linha({{20, 120}, {470, 120}, {470, 180}});
  d.Corrente({20, 110}, "Carga");
  d.Placa({150, 120});
  d.Instrumento({150, 60}, "FT", "101", {150, 120}, true);
  d.Valvula({300, 120});
  d.Instrumento({300, 60}, "FIC", "101");
  d.Sinal({{171, 60}, {279, 60}});
  d.Sinal({{300, 81}, {300, 84}});

  // Product and level.
  d.Linha({{510, 430}, {510, 520}, {20, 520}});
  d.Corrente({20, 510}, "Produto");
  d.Bomba({420, 520}, false);
  d.Valvula({250, 520});
  d.Instrumento({360, 330}, "LT", "102", {408, 330}, true);
  d.Instrumento({250, 460}, "LIC", "102");
  d.Sinal({{360, 351}, {360, 460}, {271, 460}});
  d.Sinal({{250, 481}, {250, 484}});

  // Coolant through the jacket.
  d.Linha({{985, 420}, {612, 420}}, true, Desenho::kFrio);
  d.Corrente({850, 410}, "Água de resfriamento");
  d.Valvula({700, 420});
  d.Linha({{612, 250}, {985, 250}}, true, Desenho::kQuente);
  d.Corrente({900, 240}, "Retorno");
  d.Instrumento({800, 300}, "TT", "104", {800, 250}, true);
  d.Instrumento({700, 360}, "TIC", "104");
  d.Sinal({{800, 321}, {800, 360}, {721, 360}});
  d.Sinal({{700, 381}, {700, 384}});

  // Reactor temperature, cascade and feed-forward.
  d.Instrumento({650, 120}, "TT", "103", true);
  d.Sinal({{629, 120}, {580, 120}, {580, 180}});
  d.Instrumento({760, 120}, "TIC", "103");
  d.Sinal({{671, 120}, {739, 120}});
  d.Funcao({860, 150}, "Σ");
  d.Sinal({{781, 120}, {800, 120}, {800, 150}, {843, 150}}, true);
  d.Sinal({{150, 39}, {150, 25}, {860, 25}, {860, 133}}, true);
  d.Sinal({{860, 167}, {860, 330}, {700, 330}, {700, 339}}, true);
  d.Texto({892, 186}, "HS-101", 11, true);
  d.Texto({880, 200}, "comp. direta", 11);
}

const bool reator = Registra({.arquivo = "reactor/reactor.smp",
                              .monta = MontaReator,
                              .desenha = DesenhaReator,
                              .aquecimento = 3600});

// ---------------------------------------------------------------------------
// Gas cooling (coolingplant.smp). Hot wet gas from a header goes through a
// water cooler into a separator: the cooled gas leaves at the top through
// the pressure valve, the condensate at the bottom through the level valve.
// Gas 0 … 20000 Nm3/h, header and separator 0 … 40 bar, cooled gas
// 20 … 60 °C, cooling water 0 … 100 m3/h, condensate 0 … 4 m3/h. Design:
// header 30 bar, separator 20 bar, 10000 Nm3/h, gas in at 80 °C and out at
// 40 °C, water in at 25 °C and 50 m3/h.
//   M41  gas the header pushes into the separator, 50·√((Ph − Ps)/25 %)
//        -> M21 FT-100 (2 s)
//   M02  PIC-102 outlet valve; M42 gas out (× √pressure) -> M22 FT-102
//   M43  gas in − out -> M23 PT-102 separator pressure (integrating): the
//        pressure loop moves the gas flow through the cooler too
//   M01  TIC-101 water valve -> M24 FT-101 (3 s)
//   M44  cooled gas temperature, from the design point (%): water inlet +
//        (gas inlet − water inlet)·F/(F + 2.67·W) -> M25 (5 s dead time,
//        60 s + 15 s); M45 TT-101 = 50 + M25
//   M03  LIC-103 drain valve; M47 condensate out (× √pressure) -> M27
//   M46  condensate in (more gas, colder gas: more liquid) − out -> M26
//        LT-103 (integrating)
//   M15  header pressure (entry 1), M16 water inlet temperature (entry 2)
void MontaResfriamento(Documento& doc) {
  doc.Titulo = "Planta de resfriamento|Cooling plant";
  Descreve(doc, 15, "bar", 0, 40, "Pressão do coletor|Header pressure");
  Descreve(doc, 16, "°C", 10, 40, "Temperatura da água|Water temperature");
  Descreve(doc, 21, "Nm3/h", 0, 20000, "Gás para o resfriador FT-100|Gas to the cooler FT-100");
  Descreve(doc, 22, "Nm3/h", 0, 20000, "Gás resfriado FT-102|Cooled gas FT-102");
  Descreve(doc, 23, "bar", 0, 40, "Pressão do separador PT-102|Separator pressure PT-102");
  Descreve(doc, 24, "m3/h", 0, 100, "Água de resfriamento FT-101|Cooling water FT-101");
  Descreve(doc, 26, "%", 0, 100, "Nível de condensado LT-103|Condensate level LT-103");
  Descreve(doc, 27, "m3/h", 0, 4, "Condensado FT-103|Condensate FT-103");
  Descreve(doc, 45, "°C", 20, 60, "Temperatura do gás TT-101|Gas temperature TT-101");

  NovoBloco(doc, 1, "FY-100", "Gás do coletor|Gas from the header", "50*((M15-M23)/25)^0.5");
  NovoTrecho(doc, 1, "FT-100", "Gás para o resfriador|Gas to the cooler", 41, {.T1 = "2"}, 145,
             129);
  NovoBloco(doc, 2, "FY-102", "Gás pela válvula|Gas through the valve", "M02*(M23/50)^0.5");
  NovoTrecho(doc, 2, "FT-102", "Gás resfriado|Cooled gas", 42, {.T1 = "2", .T2 = "0.5"}, 801, 102);
  NovoBloco(doc, 3, "PY-102", "Gás que entra menos o que sai|Gas in minus out", "M21-M22");
  NovoIntegrador(doc, 3, "PT-102", "Pressão do separador|Separator pressure", 43, "0.05", "50", 785,
                 159);
  NovoTrecho(doc, 4, "FT-101", "Água de resfriamento|Cooling water", 1, {.T1 = "3"}, 291, 342);
  // The cooler carries the deviation from the design point, so its dead
  // time starts from zero after a load.
  NovoBloco(doc, 4, "TY-101", "Resfriamento|Cooling",
            "((0.3*M16-10)+(70-0.3*M16)*M21/(M21+2.67*M24))*2.5-50");
  NovoTrecho(doc, 5, "TY-102", "Resfriador|Cooler", 44,
             {.T1 = "60", .T2 = "15", .tempoMorto = "5", .semSaturador = true}, 501, 285);
  NovoBloco(doc, 5, "TT-101", "Temperatura do gás|Gas temperature", "50+M25");
  NovoBloco(doc, 7, "FY-103", "Condensado pela válvula|Condensate through the valve",
            "M03*(M23/50)^0.5");
  NovoTrecho(doc, 7, "FT-103", "Condensado|Condensate", 47, {.T1 = "2"}, 801, 532);
  NovoBloco(doc, 6, "LY-103", "Condensado que entra menos o que sai|Condensate in minus out",
            "M21+0.5*(50-M45)-M27");
  NovoIntegrador(doc, 6, "LT-103", "Nível de condensado|Condensate level", 46, "0.01", "50", 785,
                 369);

  NovaMalha(doc, 1, "TIC-101", "Temperatura do gás|Gas temperature", 45, 50.0,
            {.Kp = 2.5, .Ti = 60.0}, true);
  Coloca(doc, TipoObjeto::Controlador, 1, 226, 259);
  NovaMalha(doc, 2, "PIC-102", "Pressão do separador|Separator pressure", 23, 50.0,
            {.Kp = 1.5, .Ti = 10.0}, true);
  Coloca(doc, TipoObjeto::Controlador, 2, 865, 19);
  NovaMalha(doc, 3, "LIC-103", "Nível de condensado|Condensate level", 26, 50.0,
            {.Kp = 3.0, .Ti = 200.0}, true);
  Coloca(doc, TipoObjeto::Controlador, 3, 865, 449);

  NovaEntrada(doc, 1, "Coletor bar|Header bar", 7500, 20, 220);
  NovaEntrada(doc, 2, "Água °C|Water °C", 5000, 20, 380);
  NovoRegistro(doc, 1, "TR-101", "Temperatura do gás|Gas temperature", 1, 880, 565, 1);

  NovoMostrador(doc, 1, 45, "Gás frio|Cold gas", 1, 480, 335);
  NovoMostrador(doc, 2, 23, "Pressão|Pressure", 1, 880, 205);
  NovoMostrador(doc, 3, 26, "Nível|Level", 1, 880, 410);
  NovoMostrador(doc, 4, 21, "Gás|Gas", 0, 140, 185);
  NovoMostrador(doc, 5, 24, "Água|Water", 1, 380, 365);

  Comenta(doc,
          {"Gás úmido quente é resfriado com água e",
           "separado do condensado. Três malhas:", "TIC-101 (água), PIC-102 (saída de gás) e",
           "LIC-103 (condensado). Elas interagem: a", "vazão de gás depende da pressão do vaso.",
           "Experimente: coletor de 30 para 33 bar", "(mais gás) e veja as três malhas voltarem",
           "ao SP; mude o SP do PIC-102 e veja a", "temperatura e o nível se moverem."},
          {"Hot wet gas is cooled with water and",
           "separated from its condensate. Three loops:", "TIC-101 (water), PIC-102 (gas out) and",
           "LIC-103 (condensate). They interact: the", "gas flow depends on the vessel pressure.",
           "Try: header from 30 to 33 bar (more gas)", "and watch the three loops return to SP;",
           "change the PIC-102 SP and watch the", "temperature and the level move."});
}

void DesenhaResfriamento(Desenho& d) {
  d.Texto({30, 50}, "Planta de Resfriamento", 22, true);

  // Gas through the cooler into the separator.
  d.Linha({{20, 200}, {260, 200}}, true, Desenho::kQuente);
  d.Corrente({20, 190}, "Gás quente");
  d.Placa({120, 200});
  d.Instrumento({120, 140}, "FT", "100", {120, 200}, true);
  d.Trocador({260, 170, 220, 60});
  d.Texto({330, 160}, "E-101", 12, true);
  d.Linha({{480, 200}, {600, 200}}, true, Desenho::kGas);
  d.VasoVertical({600, 150, 120, 300}, 0.3);
  d.Texto({628, 300}, "V-101", 13, true);

  // Gas out at the separator pressure.
  d.Linha({{660, 150}, {660, 90}, {985, 90}}, true, Desenho::kGas);
  d.Corrente({900, 80}, "Gás frio");
  d.Valvula({840, 90});
  d.Instrumento({760, 170}, "PT", "102", {720, 170}, true);
  d.Instrumento({840, 30}, "PIC", "102");
  d.Sinal({{760, 149}, {760, 30}, {819, 30}});
  d.Sinal({{840, 51}, {840, 54}});

  // Condensate.
  d.Linha({{660, 450}, {660, 520}, {985, 520}});
  d.Corrente({900, 545}, "Condensado");
  d.Valvula({840, 520});
  d.Instrumento({760, 380}, "LT", "103", {720, 380}, true);
  d.Instrumento({840, 460}, "LIC", "103");
  d.Sinal({{760, 401}, {760, 460}, {819, 460}});
  d.Sinal({{840, 481}, {840, 484}});

  // Cooling water.
  d.Linha({{20, 330}, {440, 330}, {440, 230}}, true, Desenho::kFrio);
  d.Corrente({20, 320}, "Água de resfriamento");
  d.Valvula({330, 330});
  d.Linha({{300, 170}, {300, 110}, {20, 110}}, true, Desenho::kFrio);
  d.Corrente({20, 100}, "Retorno de água");
  d.Instrumento({540, 260}, "TT", "101", {540, 200}, true);
  d.Instrumento({330, 270}, "TIC", "101");
  d.Sinal({{519, 260}, {400, 260}, {400, 270}, {351, 270}});
  d.Sinal({{330, 291}, {330, 294}});
}

const bool resfriamento = Registra({.arquivo = "coolingplant/coolingplant.smp",
                                    .monta = MontaResfriamento,
                                    .desenha = DesenhaResfriamento,
                                    .aquecimento = 1800});

// ---------------------------------------------------------------------------
// Deethanizer (ethaneplant.smp). A feed surge vessel, then the column: the
// reboiler strips the ethane out of the bottoms, the overhead vapour is
// partly condensed, the ethane gas leaves the reflux drum under pressure
// control and all the condensate returns as reflux. The column is reduced
// to its loops' responses:
//   M41  arriving flow: entry 1 (M15) plus the upstream swing M81 (random
//        steps every ~100 s); M42 arriving − feed -> M22 LT-100 (integrating)
//   M01  LIC-100 (averaging) output: the feed SP; M02 FIC-100 -> M21 FT-100
//   M03  TIC-101 output: the steam SP, its bias the feed flow (feed-forward,
//        on while switch 1 M11 is on); M04 FIC-101 -> M23 FT-101
//   M43  bottoms temperature from the design point: more steam per feed
//        heats it, more reflux cools it -> M24 (20 s dead time, 150 s +
//        30 s); M44 TT-101 = 50 + M24
//   M25  overhead vapour, the steam flow 20 s late (0 … 40 t/h)
//   M45  condensate: 0.7 of the vapour, more at a higher pressure
//   M46  vapour − condensate − gas (t/h) -> M26 PT-102 (integrating);
//        M05 PIC-102 gas valve, M47 gas through it (× √pressure) -> M27
//   M06  LIC-103 output: the reflux SP, its bias 0.7 × the steam flow
//        (feed-forward, switch 1); M07 FIC-103 -> M28 FT-103
//   M48  condensate − reflux -> M29 LT-103 reflux drum level (integrating)
void MontaDeetanizadora(Documento& doc) {
  doc.Titulo = "Torre deetanizadora|Ethane extraction plant";
  Descreve(doc, 15, "t/h", 0, 60, "Carga que chega|Arriving feed");
  Descreve(doc, 21, "t/h", 0, 60, "Carga da torre FT-100|Column feed FT-100");
  Descreve(doc, 22, "%", 0, 100, "Nível do vaso de carga LT-100|Feed drum level LT-100");
  Descreve(doc, 23, "t/h", 0, 20, "Vapor do refervedor FT-101|Reboiler steam FT-101");
  Descreve(doc, 25, "t/h", 0, 40, "Vapor de topo|Overhead vapour");
  Descreve(doc, 26, "bar", 20, 40, "Pressão de topo PT-102|Top pressure PT-102");
  Descreve(doc, 27, "t/h", 0, 12, "Etano FT-102|Ethane FT-102");
  Descreve(doc, 28, "t/h", 0, 40, "Refluxo FT-103|Reflux FT-103");
  Descreve(doc, 29, "%", 0, 100, "Nível do vaso de refluxo LT-103|Reflux drum level LT-103");
  Descreve(doc, 41, "t/h", 0, 60, "Carga que chega FI-099|Arriving feed FI-099");
  Descreve(doc, 44, "°C", 80, 120, "Temperatura de fundo TT-101|Bottoms temperature TT-101");
  Descreve(doc, 45, "t/h", 0, 40, "Condensado|Condensate");

  // Feed drum and column feed.
  NovoBloco(doc, 1, "FI-099", "Carga que chega|Arriving feed", "M15+M81", 20, 160);
  NovoBloco(doc, 2, "LY-100", "Chega menos sai|In minus out", "M41-M21");
  NovoTrecho(doc, 1, "FT-100", "Carga da torre|Column feed", 2, {.T1 = "2", .T2 = "0.5"}, 206, 379);
  NovoIntegrador(doc, 2, "LT-100", "Nível do vaso de carga|Feed drum level", 42, "0.005", "50", 161,
                 105);

  // Reboiler and bottoms temperature (as a deviation, so the dead time
  // starts from zero after a load).
  NovoTrecho(doc, 3, "FT-101", "Vapor do refervedor|Reboiler steam", 4, {.T1 = "3", .T2 = "1"}, 915,
             400);
  NovoBloco(doc, 3, "TY-101", "Calor por carga|Heat per feed", "0.8*(M23-M21)-0.2*(M28-35)");
  NovoTrecho(doc, 4, "TY-102", "Seção de esgotamento|Stripping section", 43,
             {.T1 = "150", .T2 = "30", .tempoMorto = "20", .semSaturador = true}, 380, 440);
  NovoBloco(doc, 4, "TT-101", "Temperatura de fundo|Bottoms temperature", "50+M24");

  // Top: vapour, condenser, pressure and reflux drum.
  NovoTrecho(doc, 5, "FY-104", "Vapor de topo|Overhead vapour", 23, {.T1 = "20"}, 520, 75);
  NovoBloco(doc, 5, "FY-105", "Condensado|Condensate", "0.7*M25+0.3*(M26-50)");
  NovoBloco(doc, 6, "PY-102", "Vapor menos líquido e gás|Vapour minus liquid and gas",
            "0.4*M25-0.4*M45-0.12*M27");
  NovoIntegrador(doc, 6, "PT-102", "Pressão de topo|Top pressure", 46, "0.2", "50", 751, 55);
  NovoBloco(doc, 7, "FY-102", "Etano pela válvula|Ethane through the valve", "M05*(M26/50)^0.5");
  NovoTrecho(doc, 7, "FT-102", "Etano|Ethane", 47, {.T1 = "2"}, 891, 112);
  NovoTrecho(doc, 8, "FT-103", "Refluxo|Reflux", 7, {.T1 = "2", .T2 = "0.5"}, 556, 270);
  NovoBloco(doc, 8, "LY-103", "Condensado menos refluxo|Condensate minus reflux", "M45-M28");
  NovoIntegrador(doc, 9, "LT-103", "Nível do vaso de refluxo|Reflux drum level", 48, "0.01", "50",
                 911, 193);

  // Loops: the levels and the temperature over cascaded flows.
  Controlador& licCarga = NovaMalha(doc, 1, "LIC-100", "Nível do vaso de carga|Feed drum level", 22,
                                    50.0, {.Kp = 0.4, .Ti = 3600.0}, true);
  Coloca(doc, TipoObjeto::Controlador, 1, 325, 139);
  NovoEscravo(doc, 2, "FIC-100", "Carga da torre|Column feed", 21, 1, {.Kp = 0.5, .Ti = 2.0});
  SegueEscravo(doc, licCarga, 2);
  Coloca(doc, TipoObjeto::Controlador, 2, 356, 225);
  Controlador& tic = NovaMalha(doc, 3, "TIC-101", "Temperatura de fundo|Bottoms temperature", 44,
                               50.0, {.Kp = 1.5, .Ti = 150.0});
  Compensa(doc, tic, "50+M11*(M21-50)");
  Coloca(doc, TipoObjeto::Controlador, 3, 671, 335);
  NovoEscravo(doc, 4, "FIC-101", "Vapor do refervedor|Reboiler steam", 23, 3,
              {.Kp = 0.4, .Ti = 4.0});
  SegueEscravo(doc, tic, 4);
  Coloca(doc, TipoObjeto::Controlador, 4, 761, 335);
  NovaMalha(doc, 5, "PIC-102", "Pressão de topo|Top pressure", 26, 50.0, {.Kp = 1.5, .Ti = 60.0},
            true);
  Coloca(doc, TipoObjeto::Controlador, 5, 832, 55);
  Controlador& licRefluxo =
      NovaMalha(doc, 6, "LIC-103", "Nível do vaso de refluxo|Reflux drum level", 29, 50.0,
                {.Kp = 2.0, .Ti = 400.0}, true);
  Compensa(doc, licRefluxo, "35+M11*0.7*(M23-50)");
  Coloca(doc, TipoObjeto::Controlador, 6, 846, 262);
  NovoEscravo(doc, 7, "FIC-103", "Refluxo|Reflux", 28, 6, {.Kp = 0.5, .Ti = 2.0});
  SegueEscravo(doc, licRefluxo, 7);
  Coloca(doc, TipoObjeto::Controlador, 7, 611, 155);

  LigaChave(doc, 1, 740, 470);  // feed-forwards on

  NovoMostrador(doc, 1, 41, "Chega|Arriving", 1, 20, 105);
  NovoMostrador(doc, 2, 22, "Nível|Level", 1, 140, 375);
  NovoMostrador(doc, 3, 21, "Carga|Feed", 1, 150, 440);
  NovoMostrador(doc, 4, 44, "Fundo|Bottoms", 1, 620, 300);
  NovoMostrador(doc, 5, 26, "Pressão|Pressure", 1, 700, 20);
  NovoMostrador(doc, 6, 29, "Nível|Level", 1, 790, 215);

  NovaEntrada(doc, 1, "Chegada t/h|Arriving t/h", 5000, 20, 295);
  NovoRegistro(doc, 1, "FR-100", "Carga: chega e vai à torre|Feed: arriving and to the column",
               {41, "Chega|Arriving"}, {21, "Torre|Column"}, {22, "Nível|Level"}, 20, 470, 1);

  // Settle with a steady arrival, then let the upstream unit swing.
  Aquece(doc, 3600);
  DegrausAleatorios(doc, 81, "8");

  Comenta(
      doc,
      {"Deetanizadora: o etano sai como gás no topo.", "LIC-100 faz controle médio: o vaso absorve",
       "as variações da carga que chega (M81) e a", "torre recebe uma carga suave (FR-100).",
       "TIC-101 (fundo) move o vapor do refervedor", "e LIC-103 o refluxo, ambos em cascata, com",
       "compensação direta (chave HS-101): vapor", "segue a carga, refluxo segue o vapor.",
       "PIC-102 alivia o etano. Experimente:", "desligue a compensação; mude a chegada."},
      {"Deethanizer: the ethane leaves as top gas.", "LIC-100 does averaging control: the drum",
       "takes up the swings of the arriving feed", "(M81), the column gets a smooth feed.",
       "TIC-101 (bottoms) moves the reboiler steam", "and LIC-103 the reflux, both in cascade,",
       "with feed-forward (switch HS-101): steam", "follows the feed, reflux follows steam.",
       "PIC-102 lets the ethane out. Try: switch", "the feed-forward off; move the arrival."});
}

void DesenhaDeetanizadora(Desenho& d) {
  d.Texto({30, 50}, "Torre Deetanizadora", 22, true);

  // Feed drum and the column feed.
  d.Linha({{20, 150}, {100, 150}, {100, 200}});
  d.Corrente({20, 140}, "Carga");
  d.VasoHorizontal({60, 200, 220, 70}, 0.5);
  d.Texto({150, 240}, "V-100", 12, true);
  d.Instrumento({200, 150}, "LT", "100", {200, 200}, true);
  d.Instrumento({300, 150}, "LIC", "100");
  d.Sinal({{221, 150}, {279, 150}});
  d.Linha({{240, 270}, {240, 330}, {470, 330}});
  d.Placa({310, 330});
  d.Instrumento({310, 390}, "FT", "100", {310, 330}, true);
  d.Valvula({400, 330});
  d.Instrumento({400, 270}, "FIC", "100");
  d.Sinal({{300, 171}, {300, 270}, {379, 270}}, true);
  d.Sinal({{331, 390}, {440, 390}, {440, 270}, {421, 270}});
  d.Sinal({{400, 291}, {400, 294}});

  d.Coluna({470, 120, 80, 380}, 10);
  d.Texto({420, 130}, "T-101", 12, true);

  // Bottoms, reboiler and its steam.
  d.Linha({{510, 500}, {510, 575}, {985, 575}});
  d.Corrente({860, 565}, "Fundo (C3+)");
  d.Trocador({590, 430, 100, 36});
  d.Linha({{550, 480}, {590, 480}, {590, 466}}, false);
  d.Linha({{600, 430}, {600, 410}, {550, 410}});
  d.Linha({{985, 448}, {690, 448}}, true, Desenho::kGas);
  d.Corrente({900, 470}, "Vapor d'água");
  d.Valvula({800, 448});
  d.Placa({900, 448});
  d.Instrumento({900, 380}, "FT", "101", {900, 448}, true);
  d.Instrumento({800, 380}, "FIC", "101");
  d.Sinal({{879, 380}, {821, 380}});
  d.Sinal({{800, 401}, {800, 412}});
  d.Instrumento({630, 340}, "TT", "101", {550, 340}, true);
  d.Instrumento({710, 380}, "TIC", "101");
  d.Sinal({{630, 361}, {630, 380}, {689, 380}});
  d.Sinal({{731, 380}, {779, 380}}, true);
  // Feed-forward: the column feed to the steam SP.
  d.Sinal({{310, 411}, {310, 530}, {710, 530}, {710, 401}}, true);
  d.Texto({788, 485}, "HS-101", 11, true);
  d.Texto({788, 499}, "comp. direta", 11);

  // Overhead: condenser, reflux drum, ethane under pressure control.
  d.Linha({{510, 120}, {510, 58}, {600, 58}}, true, Desenho::kGas);
  d.Trocador({600, 40, 110, 36});
  d.Linha({{710, 58}, {740, 58}, {740, 140}}, true, Desenho::kGas);
  d.VasoHorizontal({720, 140, 180, 56}, 0.5);
  d.Texto({786, 176}, "V-102", 12, true);
  d.Linha({{860, 140}, {860, 100}, {985, 100}}, true, Desenho::kGas);
  d.Corrente({950, 90}, "Etano");
  d.Valvula({930, 100});
  d.Instrumento({790, 100}, "PT", "102", {790, 140}, true);
  d.Instrumento({930, 40}, "PIC", "102");
  d.Sinal({{790, 79}, {790, 40}, {909, 40}});
  d.Sinal({{930, 61}, {930, 64}});

  // Reflux back to the top.
  d.Linha({{760, 196}, {760, 260}, {550, 260}});
  d.Corrente({665, 285}, "Refluxo");
  d.Valvula({650, 260});
  d.Placa({590, 260});
  d.Instrumento({590, 200}, "FT", "103", {590, 260}, true);
  d.Instrumento({650, 200}, "FIC", "103");
  d.Sinal({{611, 200}, {629, 200}});
  d.Sinal({{650, 221}, {650, 224}});
  d.Instrumento({950, 168}, "LT", "103", {900, 168}, true);
  d.Instrumento({950, 240}, "LIC", "103");
  d.Sinal({{950, 189}, {950, 219}});
  d.Sinal({{929, 240}, {780, 240}, {780, 200}, {671, 200}}, true);
  // Feed-forward: the steam flow to the reflux SP.
  d.Sinal({{900, 359}, {900, 300}, {950, 300}, {950, 261}}, true);
}

const bool deetanizadora = Registra({.arquivo = "ethaneplant/ethaneplant.smp",
                                     .monta = MontaDeetanizadora,
                                     .desenha = DesenhaDeetanizadora,
                                     .aquecimento = 0});

}  // namespace
}  // namespace quiv::exemplos
