// SPDX-License-Identifier: GPL-3.0-or-later
// The "Combustão" tab: air/fuel ratio strategies on one fired heater, and a
// boiler burning two fuels.
#include <string>

#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

// ---------------------------------------------------------------------------
// Fired heater (ratio.smp, cl.smp, dcl.smp). One plant, three ways of setting
// the air and gas flow set points, so the files compare side by side.
//
// Natural gas 0 … 1000 Nm3/h (M24 in %: 10 Nm3/h per %), combustion air
// 0 … 12000 Nm3/h (M22: 120 Nm3/h per %). Stoichiometric air 9.6 Nm3/Nm3, so
// the gas the measured air can burn is M22·120/9.6/10 = 1.25·M22 (% of gas).
// The air/gas ratio R (entry 1, M15, 0 … 20 Nm3/Nm3, R = M15/5) turns a gas %
// into an air %: air% = gas%·R·10/120 = gas%·M15/60.
//
// The air side is slow (fan inlet vanes and damper), the gas valve fast:
// this is what makes the basic ratio run short of air on a firing increase.
//   M01  TIC-100 output: the firing demand, in % of the gas range
//   M02  FIC-101 (air) output -> M21 damper FV-101 (6 s) -> M22 FT-101 (3 s)
//   M03  FIC-102 (gas) output -> M23 valve FV-102 (1 s) -> M24 FT-102 (0.5 s)
//   M41  air flow SP (FY-101), M42 gas flow SP (FY-102): the strategy
//   M43  gas the measured air can burn; M44 gas actually burned (the lower)
//   M45  heater: inlet 250 °C plus the burned gas's heat over the charge
//   M25  outlet temperature TT-100 (20 s dead time, 90 s and 20 s lags)
//   M46  excess air (%, negative when short of air), M47 unburnt gas
//   M15  air/gas ratio, M16 charge flow (0 … 200 m3/h)
enum class Estrategia { Razao, LimitesCruzados, DuploLimitesCruzados };

// Gas the measured air supports at the set ratio, in % of the gas range.
constexpr const char* kGasDoAr = "M22*60/M15";

void MontaForno(Documento& doc, Estrategia estrategia) {
  Descreve(doc, 15, "Nm3/Nm3", 0, 20, "Relação ar/gás|Air/gas ratio");
  Descreve(doc, 16, "m3/h", 0, 200, "Vazão de carga|Charge flow");
  Descreve(doc, 22, "Nm3/h", 0, 12000, "Vazão de ar FT-101|Air flow FT-101");
  Descreve(doc, 24, "Nm3/h", 0, 1000, "Vazão de gás FT-102|Gas flow FT-102");
  Descreve(doc, 25, "°C", 200, 400, "Temperatura de saída TT-100|Outlet temperature TT-100");
  Descreve(doc, 41, "Nm3/h", 0, 12000, "SP de ar|Air SP");
  Descreve(doc, 42, "Nm3/h", 0, 1000, "SP de gás|Gas SP");
  Descreve(doc, 43, "Nm3/h", 0, 1000, "Gás que o ar queima|Gas the air can burn");
  Descreve(doc, 44, "Nm3/h", 0, 1000, "Gás queimado|Gas burned");
  Descreve(doc, 46, "%", 0, 100, "Excesso de ar|Excess air");
  Descreve(doc, 47, "Nm3/h", 0, 1000, "Gás não queimado|Unburnt gas");

  // Air train.
  NovoTrecho(doc, 1, "FV-101", "Damper do ventilador|Fan damper", 2, {.T1 = "8"}, 346, 546);
  NovoTrecho(doc, 2, "FT-101", "Vazão de ar|Air flow", 21, {.T1 = "4"}, 210, 546);
  // Gas train.
  NovoTrecho(doc, 3, "FV-102", "Válvula de gás|Gas valve", 3, {.T1 = "1"}, 346, 394);
  NovoTrecho(doc, 4, "FT-102", "Vazão de gás|Gas flow", 23, {.T1 = "0.5"}, 210, 394);

  // The strategy: the air and gas set points.
  std::string funcaoAr;
  std::string funcaoGas;
  Limites limitesAr;
  Limites limitesGas;
  switch (estrategia) {
    case Estrategia::Razao:
      // Both from the demand alone: nothing waits for the slow air.
      funcaoAr = "M01*M15/60";
      funcaoGas = "M01";
      break;
    case Estrategia::LimitesCruzados:
      // Air: the higher of the demand and the measured gas; gas: the lower
      // of the demand and what the measured air can burn. Air leads fuel up
      // and follows it down.
      funcaoAr = "M01*M15/60>M24*M15/60";
      funcaoGas = std::string("M01<") + kGasDoAr;
      break;
    case Estrategia::DuploLimitesCruzados:
      // As above with 2 % margins, plus a band on each SP around the other
      // flow, 4 % (of gas range) wide: air may not run more than 4 % ahead
      // of the gas, nor the gas fall 4 % below the air's equivalent.
      // Absolute margins let the loops start from zero firing.
      funcaoAr = "M01*M15/60>(M24-2)*M15/60";
      limitesAr.superior = "(M24+4)*M15/60";
      funcaoGas = std::string("M01<") + kGasDoAr + "+2";
      limitesGas.inferior = std::string(kGasDoAr) + "-4";
      break;
  }
  NovoBloco(doc, 1, "FY-101", "SP de ar|Air SP", funcaoAr, limitesAr, 433, 537);
  NovoBloco(doc, 2, "FY-102", "SP de gás|Gas SP", funcaoGas, limitesGas, 433, 320);

  // The heater: gas burns only as far as the air reaches.
  NovoBloco(doc, 3, "FY-103", "Gás que o ar queima|Gas the air can burn", "M22*1.25");
  NovoBloco(doc, 4, "FY-104", "Gás queimado|Gas burned", "M24<M43");
  NovoBloco(doc, 5, "TY-100", "Aquecimento da carga|Charge heating", "25+M44*50/M16");
  NovoBloco(doc, 6, "AY-103", "Excesso de ar|Excess air", "125*M22/M24-100",
            {.inferior = "-100", .superior = "100"});
  NovoBloco(doc, 7, "AY-104", "Gás não queimado|Unburnt gas", "M24-M43", {.inferior = "0"});
  NovoTrecho(doc, 5, "TT-100", "Temperatura de saída|Outlet temperature", 45,
             {.T1 = "90", .T2 = "25"}, 566, 296);

  // Loops: the temperature sets the firing demand; the flows follow their
  // remote set points.
  NovaMalha(doc, 1, "TIC-100", "Temperatura da carga|Charge temperature", 25, 75.0,
            {.Kp = 1.5, .Ti = 110.0, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 420, 259);
  NovoEscravo(doc, 2, "FIC-101", "Vazão de ar|Air flow", 22, 41, {.Kp = 0.5, .Ti = 8.0, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 2, 291, 467);
  NovoEscravo(doc, 3, "FIC-102", "Vazão de gás|Gas flow", 24, 42,
              {.Kp = 0.5, .Ti = 1.5, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 3, 291, 320);

  // Gas against what the air can burn, and the excess air.
  NovoRegistro(doc, 1, "FR-101", "Gás e ar|Gas and air", {24, "Gás|Gas"},
               {43, "Ar (gás equiv.)|Air (gas equiv.)"}, {46, "Excesso de ar|Excess air"}, 865, 250,
               1);

  NovoMostrador(doc, 1, 25, "Saída|Outlet", 1, 320, 225);
  NovoMostrador(doc, 2, 22, "Ar|Air", 0, 60, 520);
  NovoMostrador(doc, 3, 24, "Gás|Gas", 0, 60, 370);
  NovoMostrador(doc, 4, 46, "Excesso de ar|Excess air", 1, 865, 390);
  NovoMostrador(doc, 5, 47, "Gás não queimado|Unburnt gas", 0, 865, 450);

  NovaEntrada(doc, 1, "Ar/Gás|Air/Gas", 5250, 585, 450);          // 10.5 Nm3/Nm3: 9 % excess air
  NovaEntrada(doc, 2, "Carga m3/h|Charge m3/h", 5000, 270, 100);  // 100 m3/h
}

void MontaRazao(Documento& doc) {
  doc.Titulo = "Razão Ar/Gas básico|Basic Ratio Control";
  MontaForno(doc, Estrategia::Razao);
  Comenta(
      doc,
      {"Forno: o TIC-100 dá a demanda de queima;", "SP do gás = demanda; SP do ar = demanda ×",
       "relação ar/gás (entrada Ar/Gás).", "O ar (damper, ventilador) é lento e o gás,",
       "rápido. Experimente: TIC-100 em manual,", "saída de 50 para 70 % e de volta a 50 %.",
       "Ao subir falta ar: gás não queimado (risco", "de explosão). Ao descer sobra ar. No FR-101",
       "o ar (azul, em gás equivalente) deve ficar", "acima do gás (vermelho)."},
      {"Heater: TIC-100 sets the firing demand;", "gas SP = demand; air SP = demand × air/gas",
       "ratio (Air/Gas entry).", "The air (damper, fan) is slow, the gas fast.",
       "Try: TIC-100 in manual, output 50 to 70 %", "and back to 50 %. Going up the air runs",
       "short: unburnt gas (explosion risk). Going", "down there is excess air. On FR-101 the air",
       "(blue, as gas equivalent) should stay above", "the gas (red)."});
}

void MontaLimitesCruzados(Documento& doc) {
  doc.Titulo = "Razão Ar/Gás com Limites Cruzados|Ratio Control with Crossed Limits";
  MontaForno(doc, Estrategia::LimitesCruzados);
  Comenta(
      doc,
      {"O mesmo forno com limites cruzados:", "SP do gás = menor entre a demanda e o gás",
       "que o ar medido queima; SP do ar = maior", "entre a demanda e o gás medido × relação.",
       "O ar sobe antes do gás e desce depois dele:", "nunca falta ar. Experimente: TIC-100 em",
       "manual, saída de 50 para 70 % e de volta.", "O gás espera o ar; na descida o excesso de",
       "ar sobe muito (perde-se eficiência)."},
      {"The same heater with cross limits:", "gas SP = lower of the demand and the gas",
       "the measured air can burn; air SP = higher", "of the demand and the measured gas × ratio.",
       "Air goes up before the gas and down after", "it: never short of air. Try: TIC-100 in",
       "manual, output 50 to 70 % and back. The", "gas waits for the air; going down the",
       "excess air climbs (efficiency is lost)."});
}

void MontaDuploLimites(Documento& doc) {
  doc.Titulo = "Razão Ar/Gás com Duplo Limites Cruzados|Ratio Control with Double Crossed Limits";
  MontaForno(doc, Estrategia::DuploLimitesCruzados);
  Comenta(doc,
          {"O mesmo forno com duplos limites cruzados:",
           "cada SP fica numa faixa em torno da outra", "vazão medida (em % da faixa de gás): gás",
           "até 2 % acima e 4 % abaixo do que o ar", "queima; ar até 2 % abaixo e 4 % acima do",
           "gás. Não falta ar e o excesso de ar fica", "limitado, ao subir e ao descer; a resposta",
           "é mais lenta. Experimente: TIC-100 em", "manual, saída de 50 para 70 % e de volta."},
          {"The same heater with double cross limits:", "each SP stays in a band around the other",
           "measured flow (in % of the gas range): gas", "at most 2 % above and 4 % below what the",
           "air can burn; air at most 2 % below and", "4 % above the gas. Never short of air and",
           "excess air bounded, up and down; but the", "response is slower. Try: TIC-100 in",
           "manual, output 50 to 70 % and back."});
}

void DesenhaForno(Desenho& d, const QString& titulo, Estrategia estrategia) {
  d.Texto({30, 50}, titulo, 22, true);
  d.Forno({650, 110, 200, 240});
  d.Texto({862, 130}, "H-100", 13, true);
  d.Corrente({782, 40}, "Gases de combustão");

  // Charge through the coil; its outlet temperature sets the firing.
  d.Linha({{440, 130}, {670, 130}});
  d.Corrente({440, 120}, "Carga fria");
  d.Linha({{670, 230}, {440, 230}});
  d.Corrente({440, 220}, "Carga quente");
  d.Instrumento({600, 270}, "TT", "100", {600, 230}, true);
  d.Instrumento({520, 270}, "TIC", "100");
  d.Sinal({{579, 270}, {541, 270}});

  // Gas and air to the burner.
  d.Linha({{20, 420}, {742, 420}, {742, 353}}, true, Desenho::kCombustivel);
  d.Corrente({20, 410}, "Gás natural");
  d.Placa({200, 420});
  d.Valvula({330, 420});
  d.Ventilador({55, 575});
  d.Corrente({20, 548}, "Ar");
  d.Linha({{73, 575}, {758, 575}, {758, 353}}, true, Desenho::kGas);
  d.Placa({200, 575});
  d.Valvula({330, 575});

  // Flow loops.
  d.Instrumento({200, 365}, "FT", "102", {200, 420}, true);
  d.Instrumento({330, 365}, "FIC", "102");
  d.Sinal({{221, 365}, {309, 365}});
  d.Sinal({{330, 386}, {330, 396}});
  d.Instrumento({200, 515}, "FT", "101", {200, 575}, true);
  d.Instrumento({330, 515}, "FIC", "101");
  d.Sinal({{221, 515}, {309, 515}});
  d.Sinal({{330, 536}, {330, 551}});

  // The firing demand (TIC output) comes down on the right; each set
  // point goes into its FIC from the right.
  const bool duplo = estrategia == Estrategia::DuploLimitesCruzados;
  const int entrada = duplo ? 517 : 487;  // right side of the first block
  d.Sinal({{520, 291}, {520, 300}, {560, 300}, {560, 515}, {entrada, 515}}, true);
  d.Sinal({{560, 365}, {entrada, 365}}, true);
  d.Texto({566, 330}, "demanda", 11);
  if (duplo) {
    // Gas: the lower of demand and air + margin, then at least air − margin;
    // air: the higher of demand and gas − margin, then at most gas + margin.
    d.Funcao({500, 365}, "<");
    d.Funcao({440, 365}, ">");
    d.Sinal({{483, 365}, {457, 365}}, true);
    d.Funcao({500, 515}, ">");
    d.Funcao({440, 515}, "<");
    d.Sinal({{483, 515}, {457, 515}}, true);
    d.Sinal({{423, 365}, {351, 365}}, true);
    d.Sinal({{423, 515}, {351, 515}}, true);
  } else {
    d.Funcao({470, 365}, estrategia == Estrategia::Razao ? "1:1" : "<");
    d.Funcao({470, 515}, estrategia == Estrategia::Razao ? "×R" : ">");
    d.Sinal({{453, 365}, {351, 365}}, true);
    d.Sinal({{453, 515}, {351, 515}}, true);
  }
  if (estrategia != Estrategia::Razao) {
    // The cross: measured air up into the gas set point, measured gas down
    // into the air set point.
    if (duplo) {
      d.Sinal({{282, 515}, {282, 440}, {506, 440}, {506, 382}}, true);
      d.Sinal({{446, 440}, {446, 382}}, true);
      d.Sinal({{300, 365}, {300, 455}, {494, 455}, {494, 498}}, true);
      d.Sinal({{434, 455}, {434, 498}}, true);
    } else {
      d.Sinal({{282, 515}, {282, 440}, {476, 440}, {476, 382}}, true);
      d.Sinal({{300, 365}, {300, 455}, {464, 455}, {464, 498}}, true);
    }
  }
}

void DesenhaRazao(Desenho& d) { DesenhaForno(d, "Razão Ar/Gás", Estrategia::Razao); }
void DesenhaLimitesCruzados(Desenho& d) {
  DesenhaForno(d, "Limites Cruzados", Estrategia::LimitesCruzados);
}
void DesenhaDuploLimites(Desenho& d) {
  DesenhaForno(d, "Duplos Limites Cruzados", Estrategia::DuploLimitesCruzados);
}

const bool registradoRazao = Registra({.arquivo = "combustion/ratio.smp",
                                       .monta = MontaRazao,
                                       .desenha = DesenhaRazao,
                                       .aquecimento = 1800});
const bool registradoLimites = Registra({.arquivo = "combustion/cl.smp",
                                         .monta = MontaLimitesCruzados,
                                         .desenha = DesenhaLimitesCruzados,
                                         .aquecimento = 1800});
const bool registradoDuplo = Registra({.arquivo = "combustion/dcl.smp",
                                       .monta = MontaDuploLimites,
                                       .desenha = DesenhaDuploLimites,
                                       .aquecimento = 1800});

// ---------------------------------------------------------------------------
// Boiler with two fuels (combustion2fuels.smp). Biogas is cheap but only so
// much is available; natural gas makes up the rest of the firing demand, and
// the air follows what both fuels need.
//
//   biogas: 21.5 MJ/Nm3, 5.7 Nm3 air/Nm3, 0 … 2000 Nm3/h (M22)
//   natural gas: 36 MJ/Nm3, 9.6 Nm3 air/Nm3, 0 … 2000 Nm3/h (M24)
//   air: 0 … 25000 Nm3/h (M26); firing 0 … 20 MW (M01, M44)
// In % of the ranges: 1 % of biogas gives 0.5972 % of firing (1 % of gas
// gives 1 %), so a firing demand D needs 1.674·D % of biogas; the air for
// 1 % of biogas is 0.456 %, for 1 % of gas 0.768 %. The air follows the
// measured fuels without cross limits, so its loop is kept quick (3 s damper)
// for the air to stay ahead of stoichiometric on the way up.
//   M01  PIC-200 output: firing demand (% of 20 MW)
//   M15  biogas available (Nm3/h), M16 excess air (%), M17 steam demand (t/h)
//   M41  biogas SP: the demand in biogas, at most what is available
//   M42  gas SP: the demand the measured biogas does not cover
//   M43  air SP: (1 + excess)·(stoichiometric air of both measured fuels)
//   M44  firing (heat released), M45 drum pressure balance, M27 PT-200
//   M46  excess air (%), from the measured flows
void MontaDoisCombustiveis(Documento& doc) {
  doc.Titulo = "Queima com 2 combustíveis|Combustion with two fuels";
  Descreve(doc, 15, "Nm3/h", 0, 2000, "Biogás disponível|Biogas available");
  Descreve(doc, 16, "%", 0, 50, "Excesso de ar|Excess air");
  Descreve(doc, 17, "t/h", 0, 25, "Consumo de vapor|Steam demand");
  Descreve(doc, 22, "Nm3/h", 0, 2000, "Vazão de biogás FT-201|Biogas flow FT-201");
  Descreve(doc, 24, "Nm3/h", 0, 2000, "Vazão de gás natural FT-202|Natural gas flow FT-202");
  Descreve(doc, 26, "Nm3/h", 0, 25000, "Vazão de ar FT-203|Air flow FT-203");
  Descreve(doc, 27, "bar", 0, 20, "Pressão do vapor PT-200|Steam pressure PT-200");
  Descreve(doc, 41, "Nm3/h", 0, 2000, "SP de biogás|Biogas SP");
  Descreve(doc, 42, "Nm3/h", 0, 2000, "SP de gás natural|Natural gas SP");
  Descreve(doc, 43, "Nm3/h", 0, 25000, "SP de ar|Air SP");
  Descreve(doc, 44, "MW", 0, 20, "Calor liberado|Heat released");
  Descreve(doc, 46, "%", 0, 100, "Excesso de ar|Excess air");

  // The lags as six-decimal texts ("1.000000"), as the shipped file has them.
  auto trem = [&doc](int n, const char* tag, const char* descricao, int entrada, double tal, int x,
                     int y) {
    NovoTrecho(doc, n, tag, descricao, entrada, {.T1 = std::to_string(tal)}, x, y);
  };
  trem(1, "FV-201", "Válvula de biogás|Biogas valve", 2, 1.0, 346, 295);
  trem(2, "FT-201", "Vazão de biogás|Biogas flow", 21, 0.5, 206, 295);
  trem(3, "FV-202", "Válvula de gás natural|Natural gas valve", 3, 1.0, 346, 420);
  trem(4, "FT-202", "Vazão de gás natural|Natural gas flow", 23, 0.5, 206, 420);
  trem(5, "FV-203", "Damper do ventilador|Fan damper", 4, 3.0, 346, 545);
  trem(6, "FT-203", "Vazão de ar|Air flow", 25, 1.5, 206, 545);

  NovoBloco(doc, 1, "FY-201", "SP de biogás|Biogas SP", "M01*1.674<M15", 433, 290);
  NovoBloco(doc, 2, "FY-202", "SP de gás natural|Natural gas SP", "M01-M22*0.5972",
            {.inferior = "0"}, 433, 415);
  NovoBloco(doc, 3, "FY-203", "SP de ar|Air SP", "(1+M16/200)*(M22*0.456+M24*0.768)", 433, 540);
  NovoBloco(doc, 4, "UY-200", "Calor liberado|Heat released", "M22*0.5972+M24");
  // The drum pressure rises with the heat released over the steam drawn
  // (1 t/h of steam takes 4 % of the firing range).
  NovoBloco(doc, 5, "PY-200", "Balanço do tubulão|Drum balance", "60+3*(M44-M17)");
  NovoBloco(doc, 6, "AY-203", "Excesso de ar|Excess air", "100*M26/(M22*0.456+M24*0.768)-100",
            {.inferior = "-100", .superior = "100"});
  NovoTrecho(doc, 7, "PT-200", "Pressão do vapor|Steam pressure", 45, {.T1 = "60", .T2 = "10"}, 566,
             126);

  NovaMalha(doc, 1, "PIC-200", "Pressão do vapor|Steam pressure", 27, 60.0,
            {.Kp = 0.8, .Ti = 60.0, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 416, 94);
  NovoEscravo(doc, 2, "FIC-201", "Vazão de biogás|Biogas flow", 22, 41, {.Kp = 0.5, .Ti = 1.5});
  Coloca(doc, TipoObjeto::Controlador, 2, 291, 223);
  NovoEscravo(doc, 3, "FIC-202", "Vazão de gás natural|Natural gas flow", 24, 42,
              {.Kp = 0.5, .Ti = 1.5});
  Coloca(doc, TipoObjeto::Controlador, 3, 291, 348);
  NovoEscravo(doc, 4, "FIC-203", "Vazão de ar|Air flow", 26, 43, {.Kp = 0.5, .Ti = 3.0});
  Coloca(doc, TipoObjeto::Controlador, 4, 291, 473);

  NovoRegistro(doc, 1, "FR-200", "Combustíveis|Fuels", {22, "Biogás|Biogas"},
               {24, "Gás natural|Natural gas"}, {1, "Demanda|Demand"}, 870, 320, 1);

  NovoMostrador(doc, 1, 27, "Pressão|Pressure", 2, 565, 178);
  NovoMostrador(doc, 2, 22, "Biogás|Biogas", 0, 60, 280);
  NovoMostrador(doc, 3, 24, "Gás natural|Natural gas", 0, 60, 405);
  NovoMostrador(doc, 4, 26, "Ar|Air", 0, 60, 530);
  NovoMostrador(doc, 5, 44, "Calor liberado|Heat released", 2, 870, 190);
  NovoMostrador(doc, 6, 46, "Excesso de ar|Excess air", 1, 870, 250);

  NovaEntrada(doc, 1, "Biogás Nm3/h|Biogas Nm3/h", 5000, 390, 165);  // 1000 available
  NovaEntrada(doc, 2, "Exc. ar %|Exc. air %", 2000, 560, 490);       // 10 %
  NovaEntrada(doc, 3, "Vapor t/h|Steam t/h", 4800, 262, 75);         // 12 t/h

  Comenta(
      doc,
      {"Caldeira com dois combustíveis. O PIC-200", "pede calor; o biogás (barato) atende até o",
       "disponível e o gás natural, o resto. O ar", "segue a soma, cada um com sua relação",
       "(5,7 e 9,6 Nm3 de ar por Nm3).", "Experimente: suba o vapor de 12 para 16 t/h",
       "e veja só o gás natural subir; baixe o biogás",
       "disponível e o gás natural o substitui; baixe",
       "o vapor a 5 t/h e o gás natural vai a zero."},
      {"Boiler burning two fuels. PIC-200 asks for", "heat; biogas (cheap) supplies up to what is",
       "available and natural gas the rest. The air", "follows the sum, each fuel with its ratio",
       "(5.7 and 9.6 Nm3 of air per Nm3).", "Try: raise the steam from 12 to 16 t/h and",
       "only the natural gas rises; lower the biogas",
       "available and natural gas replaces it; drop",
       "the steam to 5 t/h: natural gas goes to zero."});
}

void DesenhaDoisCombustiveis(Desenho& d) {
  d.Texto({30, 50}, "Queima com 2 Combustíveis", 22, true);
  d.Caldeira({660, 140, 180, 160});
  d.VasoHorizontal({670, 88, 160, 40}, 0.5);
  d.Linha({{750, 128}, {750, 140}}, false);
  d.Texto({852, 160}, "B-200", 13, true);
  d.Linha({{990, 108}, {830, 108}});
  d.Corrente({900, 98}, "Água");

  // Steam to the header, its pressure setting the firing.
  d.Linha({{690, 88}, {690, 60}, {400, 60}}, true, Desenho::kGas);
  d.Corrente({410, 50}, "Vapor ao processo");
  d.Instrumento({600, 105}, "PT", "200", {600, 60}, true);
  d.Instrumento({520, 105}, "PIC", "200");
  d.Sinal({{579, 105}, {541, 105}});

  // Fuels and air to the burner.
  d.Linha({{20, 325}, {738, 325}, {738, 303}}, true, Desenho::kCombustivel);
  d.Corrente({20, 315}, "Biogás");
  d.Linha({{20, 450}, {750, 450}, {750, 303}}, true, Desenho::kCombustivel);
  d.Corrente({20, 440}, "Gás natural");
  d.Ventilador({55, 575});
  d.Corrente({20, 548}, "Ar");
  d.Linha({{73, 575}, {762, 575}, {762, 303}}, true, Desenho::kGas);
  const int linhas[] = {325, 450, 575};
  const char* numeros[] = {"201", "202", "203"};
  for (int i = 0; i < 3; ++i) {
    const int y = linhas[i];
    d.Placa({200, y});
    d.Valvula({330, y});
    d.Instrumento({200, y - 55}, "FT", numeros[i], {200, y}, true);
    d.Instrumento({330, y - 55}, "FIC", numeros[i]);
    d.Sinal({{221, y - 55}, {309, y - 55}});
    d.Sinal({{330, y - 34}, {330, y - 24}});
    d.Sinal({{453, y - 55}, {351, y - 55}}, true);
  }
  d.Funcao({470, 270}, "<");
  d.Funcao({470, 395}, "−");
  d.Funcao({470, 520}, "Σ");

  // Firing demand into the biogas and gas set points.
  d.Sinal({{520, 126}, {520, 150}, {560, 150}, {560, 395}, {487, 395}}, true);
  d.Sinal({{560, 270}, {487, 270}}, true);
  d.Texto({566, 230}, "demanda", 11);
  d.Sinal({{470, 225}, {470, 253}}, true);  // biogas available
  // Measured biogas into the gas and air set points, measured gas into
  // the air set point.
  d.Sinal({{295, 270}, {295, 338}, {520, 338}, {520, 486}, {478, 486}, {478, 503}}, true);
  d.Sinal({{478, 338}, {478, 378}}, true);
  d.Sinal({{295, 395}, {295, 462}, {462, 462}, {462, 503}}, true);
  d.Sinal({{560, 520}, {487, 520}}, true);  // excess air
}

const bool registradoDois = Registra({.arquivo = "combustion2fuels/combustion2fuels.smp",
                                      .monta = MontaDoisCombustiveis,
                                      .desenha = DesenhaDoisCombustiveis,
                                      .aquecimento = 1800});

}  // namespace
}  // namespace quiv::exemplos
