// SPDX-License-Identifier: GPL-3.0-or-later
// The "Combustão" tab: air/fuel ratio strategies on one fired heater, and a
// boiler burning two fuels.
#include "core/objetos/entrada_dados.h"
#include "core/objetos/painel.h"
#include "core/objetos/registrador.h"
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
  Processo& damper = doc.NovoProcesso(1);
  damper.Tag = "FV-101";
  damper.Descricao = "Damper do ventilador|Fan damper";
  damper.ItemEntrada = 2 - 1;
  damper.Tal1 = "8";
  Aplica(doc, damper);
  Coloca(doc, TipoObjeto::Processo, 1, 346, 546);

  Processo& ar = doc.NovoProcesso(2);
  ar.Tag = "FT-101";
  ar.Descricao = "Vazão de ar|Air flow";
  ar.ItemEntrada = 21 - 1;
  ar.Tal1 = "4";
  Aplica(doc, ar);
  Coloca(doc, TipoObjeto::Processo, 2, 210, 546);

  // Gas train.
  Processo& valvula = doc.NovoProcesso(3);
  valvula.Tag = "FV-102";
  valvula.Descricao = "Válvula de gás|Gas valve";
  valvula.ItemEntrada = 3 - 1;
  valvula.Tal1 = "1";
  Aplica(doc, valvula);
  Coloca(doc, TipoObjeto::Processo, 3, 346, 394);

  Processo& gas = doc.NovoProcesso(4);
  gas.Tag = "FT-102";
  gas.Descricao = "Vazão de gás|Gas flow";
  gas.ItemEntrada = 23 - 1;
  gas.Tal1 = "0.5";
  Aplica(doc, gas);
  Coloca(doc, TipoObjeto::Processo, 4, 210, 394);

  // The strategy: the air and gas set points.
  Bloco& spAr = doc.NovoBloco(1);
  spAr.Tag = "FY-101";
  spAr.Descricao = "SP de ar|Air SP";
  Bloco& spGas = doc.NovoBloco(2);
  spGas.Tag = "FY-102";
  spGas.Descricao = "SP de gás|Gas SP";
  switch (estrategia) {
    case Estrategia::Razao:
      // Both from the demand alone: nothing waits for the slow air.
      spAr.Funcao = "M01*M15/60";
      spGas.Funcao = "M01";
      break;
    case Estrategia::LimitesCruzados:
      // Air: the higher of the demand and the measured gas; gas: the lower
      // of the demand and what the measured air can burn. Air leads fuel up
      // and follows it down.
      spAr.Funcao = "M01*M15/60>M24*M15/60";
      spGas.Funcao = std::string("M01<") + kGasDoAr;
      break;
    case Estrategia::DuploLimitesCruzados:
      // As above with 2 % margins, plus a band on each SP around the other
      // flow, 4 % (of gas range) wide: air may not run more than 4 % ahead
      // of the gas, nor the gas fall 4 % below the air's equivalent.
      // Absolute margins let the loops start from zero firing.
      spAr.Funcao = "M01*M15/60>(M24-2)*M15/60";
      spAr.LimiteSuperiorAtivo = true;
      spAr.LimiteSuperior = "(M24+4)*M15/60";
      spGas.Funcao = std::string("M01<") + kGasDoAr + "+2";
      spGas.LimiteInferiorAtivo = true;
      spGas.LimiteInferior = std::string(kGasDoAr) + "-4";
      break;
  }
  Aplica(doc, spAr);
  Aplica(doc, spGas);
  Coloca(doc, TipoObjeto::Bloco, 1, 433, 537);
  Coloca(doc, TipoObjeto::Bloco, 2, 433, 320);

  // The heater: gas burns only as far as the air reaches.
  Bloco& queimavel = doc.NovoBloco(3);
  queimavel.Tag = "FY-103";
  queimavel.Descricao = "Gás que o ar queima|Gas the air can burn";
  queimavel.Funcao = "M22*1.25";
  Aplica(doc, queimavel);

  Bloco& queimado = doc.NovoBloco(4);
  queimado.Tag = "FY-104";
  queimado.Descricao = "Gás queimado|Gas burned";
  queimado.Funcao = "M24<M43";
  Aplica(doc, queimado);

  Bloco& calor = doc.NovoBloco(5);
  calor.Tag = "TY-100";
  calor.Descricao = "Aquecimento da carga|Charge heating";
  calor.Funcao = "25+M44*50/M16";
  Aplica(doc, calor);

  Bloco& excesso = doc.NovoBloco(6);
  excesso.Tag = "AY-103";
  excesso.Descricao = "Excesso de ar|Excess air";
  excesso.Funcao = "125*M22/M24-100";
  excesso.LimiteSuperiorAtivo = true;
  excesso.LimiteSuperior = "100";
  excesso.LimiteInferiorAtivo = true;
  excesso.LimiteInferior = "-100";
  Aplica(doc, excesso);

  Bloco& naoQueimado = doc.NovoBloco(7);
  naoQueimado.Tag = "AY-104";
  naoQueimado.Descricao = "Gás não queimado|Unburnt gas";
  naoQueimado.Funcao = "M24-M43";
  naoQueimado.LimiteInferiorAtivo = true;
  naoQueimado.LimiteInferior = "0";
  Aplica(doc, naoQueimado);

  Processo& saida = doc.NovoProcesso(5);
  saida.Tag = "TT-100";
  saida.Descricao = "Temperatura de saída|Outlet temperature";
  saida.ItemEntrada = 45 - 1;
  saida.Tal1 = "90";
  saida.Tal2 = "25";
  Aplica(doc, saida);
  Coloca(doc, TipoObjeto::Processo, 5, 566, 296);

  // Loops: the temperature sets the firing demand; the flows follow their
  // remote set points.
  Controlador& tic = NovaMalha(doc, 1, "TIC-100", "Temperatura da carga|Charge temperature", 25,
                               75.0, {.Kp = 1.5, .Ti = 110.0, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 420, 259);
  (void)tic;

  auto escravo = [&doc](int n, const char* tag, const char* descricao, int pv, int sp,
                        Sintonia s) -> Controlador& {
    Controlador& c = NovaMalha(doc, n, tag, descricao, pv, 0.0, s);
    c.HabilitaSPR = true;
    c.ItemSPR = sp - 1;
    Aplica(doc, c);
    c.AlternaLocalRemoto();
    return c;
  };
  escravo(2, "FIC-101", "Vazão de ar|Air flow", 22, 41, {.Kp = 0.5, .Ti = 8.0, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 2, 291, 467);
  escravo(3, "FIC-102", "Vazão de gás|Gas flow", 24, 42, {.Kp = 0.5, .Ti = 1.5, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 3, 291, 320);

  // Gas against what the air can burn, and the excess air.
  Registrador& tr = doc.NovoRegistrador(1);
  tr.Tag = "FR-101";
  tr.Descricao = "Gás e ar|Gas and air";
  tr.ItemVariavel1 = 24 - 1;
  tr.NomeVariavel1 = "Gás|Gas";
  tr.ItemVariavel2 = 43 - 1;
  tr.NomeVariavel2 = "Ar (gás equiv.)|Air (gas equiv.)";
  tr.ItemVariavel3 = 46 - 1;
  tr.NomeVariavel3 = "Excesso de ar|Excess air";
  tr.Grafico.ItemBaseTempo = 1;
  tr.AplicaConfiguracao();
  Coloca(doc, TipoObjeto::Registrador, 1, 865, 250);

  NovoMostrador(doc, 1, 25, "Saída|Outlet", 1, 320, 225);
  NovoMostrador(doc, 2, 22, "Ar|Air", 0, 60, 520);
  NovoMostrador(doc, 3, 24, "Gás|Gas", 0, 60, 370);
  NovoMostrador(doc, 4, 46, "Excesso de ar|Excess air", 1, 865, 390);
  NovoMostrador(doc, 5, 47, "Gás não queimado|Unburnt gas", 0, 865, 450);

  EntradaDados& relacao = doc.painel.Entrada(1);
  relacao.DefineIncluida(true);
  relacao.DefineNome("Ar/Gás|Air/Gas");
  relacao.DefinePosicao(5250);  // 10.5 Nm3/Nm3: 9 % excess air
  relacao.Esquerda = 585;
  relacao.Topo = 450;

  EntradaDados& carga = doc.painel.Entrada(2);
  carga.DefineIncluida(true);
  carga.DefineNome("Carga m3/h|Charge m3/h");
  carga.DefinePosicao(5000);  // 100 m3/h
  carga.Esquerda = 270;
  carga.Topo = 100;
}

void MontaRazao(Documento& doc) {
  doc.Titulo = "Razão Ar/Gas básico|Basic Ratio Control";
  MontaForno(doc, Estrategia::Razao);
  Comenta(doc,
          {"Forno: o TIC-100 dá a demanda de queima;",
           "SP do gás = demanda; SP do ar = demanda ×",
           "relação ar/gás (entrada Ar/Gás).",
           "O ar (damper, ventilador) é lento e o gás,",
           "rápido. Experimente: TIC-100 em manual,",
           "saída de 50 para 70 % e de volta a 50 %.",
           "Ao subir falta ar: gás não queimado (risco",
           "de explosão). Ao descer sobra ar. No FR-101",
           "o ar (azul, em gás equivalente) deve ficar",
           "acima do gás (vermelho)."},
          {"Heater: TIC-100 sets the firing demand;",
           "gas SP = demand; air SP = demand × air/gas",
           "ratio (Air/Gas entry).",
           "The air (damper, fan) is slow, the gas fast.",
           "Try: TIC-100 in manual, output 50 to 70 %",
           "and back to 50 %. Going up the air runs",
           "short: unburnt gas (explosion risk). Going",
           "down there is excess air. On FR-101 the air",
           "(blue, as gas equivalent) should stay above",
           "the gas (red)."});
}

void MontaLimitesCruzados(Documento& doc) {
  doc.Titulo = "Razão Ar/Gás com Limites Cruzados|Ratio Control with Crossed Limits";
  MontaForno(doc, Estrategia::LimitesCruzados);
  Comenta(doc,
          {"O mesmo forno com limites cruzados:",
           "SP do gás = menor entre a demanda e o gás",
           "que o ar medido queima; SP do ar = maior",
           "entre a demanda e o gás medido × relação.",
           "O ar sobe antes do gás e desce depois dele:",
           "nunca falta ar. Experimente: TIC-100 em",
           "manual, saída de 50 para 70 % e de volta.",
           "O gás espera o ar; na descida o excesso de",
           "ar sobe muito (perde-se eficiência)."},
          {"The same heater with cross limits:",
           "gas SP = lower of the demand and the gas",
           "the measured air can burn; air SP = higher",
           "of the demand and the measured gas × ratio.",
           "Air goes up before the gas and down after",
           "it: never short of air. Try: TIC-100 in",
           "manual, output 50 to 70 % and back. The",
           "gas waits for the air; going down the",
           "excess air climbs (efficiency is lost)."});
}

void MontaDuploLimites(Documento& doc) {
  doc.Titulo =
      "Razão Ar/Gás com Duplo Limites Cruzados|Ratio Control with Double Crossed Limits";
  MontaForno(doc, Estrategia::DuploLimitesCruzados);
  Comenta(doc,
          {"O mesmo forno com duplos limites cruzados:",
           "cada SP fica numa faixa em torno da outra",
           "vazão medida (em % da faixa de gás): gás",
           "até 2 % acima e 4 % abaixo do que o ar",
           "queima; ar até 2 % abaixo e 4 % acima do",
           "gás. Não falta ar e o excesso de ar fica",
           "limitado, ao subir e ao descer; a resposta",
           "é mais lenta. Experimente: TIC-100 em",
           "manual, saída de 50 para 70 % e de volta."},
          {"The same heater with double cross limits:",
           "each SP stays in a band around the other",
           "measured flow (in % of the gas range): gas",
           "at most 2 % above and 4 % below what the",
           "air can burn; air at most 2 % below and",
           "4 % above the gas. Never short of air and",
           "excess air bounded, up and down; but the",
           "response is slower. Try: TIC-100 in",
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
  d.Instrumento({600, 270}, "TT", "100", true);
  d.Sinal({{600, 249}, {600, 230}});
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
  d.Instrumento({200, 365}, "FT", "102", true);
  d.Sinal({{200, 386}, {200, 420}});
  d.Instrumento({330, 365}, "FIC", "102");
  d.Sinal({{221, 365}, {309, 365}});
  d.Sinal({{330, 386}, {330, 396}});
  d.Instrumento({200, 515}, "FT", "101", true);
  d.Sinal({{200, 536}, {200, 575}});
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

  auto trem = [&doc](int n, const char* tag, const char* descricao, int entrada, double tal,
                     int x, int y) {
    Processo& p = doc.NovoProcesso(n);
    p.Tag = tag;
    p.Descricao = descricao;
    p.ItemEntrada = entrada - 1;
    p.Tal1 = std::to_string(tal);
    Aplica(doc, p);
    Coloca(doc, TipoObjeto::Processo, n, x, y);
  };
  trem(1, "FV-201", "Válvula de biogás|Biogas valve", 2, 1.0, 346, 295);
  trem(2, "FT-201", "Vazão de biogás|Biogas flow", 21, 0.5, 206, 295);
  trem(3, "FV-202", "Válvula de gás natural|Natural gas valve", 3, 1.0, 346, 420);
  trem(4, "FT-202", "Vazão de gás natural|Natural gas flow", 23, 0.5, 206, 420);
  trem(5, "FV-203", "Damper do ventilador|Fan damper", 4, 3.0, 346, 545);
  trem(6, "FT-203", "Vazão de ar|Air flow", 25, 1.5, 206, 545);

  auto bloco = [&doc](int n, const char* tag, const char* descricao, const std::string& funcao,
                      int x, int y) -> Bloco& {
    Bloco& b = doc.NovoBloco(n);
    b.Tag = tag;
    b.Descricao = descricao;
    b.Funcao = funcao;
    Aplica(doc, b);
    Coloca(doc, TipoObjeto::Bloco, n, x, y);
    return b;
  };
  bloco(1, "FY-201", "SP de biogás|Biogas SP", "M01*1.674<M15", 433, 290);
  Bloco& spGas = bloco(2, "FY-202", "SP de gás natural|Natural gas SP", "M01-M22*0.5972", 433, 415);
  spGas.LimiteInferiorAtivo = true;
  spGas.LimiteInferior = "0";
  Aplica(doc, spGas);
  bloco(3, "FY-203", "SP de ar|Air SP", "(1+M16/200)*(M22*0.456+M24*0.768)", 433, 540);

  Bloco& calor = doc.NovoBloco(4);
  calor.Tag = "UY-200";
  calor.Descricao = "Calor liberado|Heat released";
  calor.Funcao = "M22*0.5972+M24";
  Aplica(doc, calor);
  // The drum pressure rises with the heat released over the steam drawn
  // (1 t/h of steam takes 4 % of the firing range).
  Bloco& balanco = doc.NovoBloco(5);
  balanco.Tag = "PY-200";
  balanco.Descricao = "Balanço do tubulão|Drum balance";
  balanco.Funcao = "60+3*(M44-M17)";
  Aplica(doc, balanco);
  Bloco& excesso = doc.NovoBloco(6);
  excesso.Tag = "AY-203";
  excesso.Descricao = "Excesso de ar|Excess air";
  excesso.Funcao = "100*M26/(M22*0.456+M24*0.768)-100";
  excesso.LimiteSuperiorAtivo = true;
  excesso.LimiteSuperior = "100";
  excesso.LimiteInferiorAtivo = true;
  excesso.LimiteInferior = "-100";
  Aplica(doc, excesso);

  Processo& pressao = doc.NovoProcesso(7);
  pressao.Tag = "PT-200";
  pressao.Descricao = "Pressão do vapor|Steam pressure";
  pressao.ItemEntrada = 45 - 1;
  pressao.Tal1 = "60";
  pressao.Tal2 = "10";
  Aplica(doc, pressao);
  Coloca(doc, TipoObjeto::Processo, 7, 566, 126);

  NovaMalha(doc, 1, "PIC-200", "Pressão do vapor|Steam pressure", 27, 60.0,
            {.Kp = 0.8, .Ti = 60.0, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 416, 94);
  auto escravo = [&doc](int n, const char* tag, const char* descricao, int pv, int sp,
                        Sintonia s, int x, int y) {
    Controlador& c = NovaMalha(doc, n, tag, descricao, pv, 0.0, s);
    c.HabilitaSPR = true;
    c.ItemSPR = sp - 1;
    Aplica(doc, c);
    c.AlternaLocalRemoto();
    Coloca(doc, TipoObjeto::Controlador, n, x, y);
  };
  escravo(2, "FIC-201", "Vazão de biogás|Biogas flow", 22, 41, {.Kp = 0.5, .Ti = 1.5}, 291, 223);
  escravo(3, "FIC-202", "Vazão de gás natural|Natural gas flow", 24, 42, {.Kp = 0.5, .Ti = 1.5},
          291, 348);
  escravo(4, "FIC-203", "Vazão de ar|Air flow", 26, 43, {.Kp = 0.5, .Ti = 3.0}, 291, 473);

  Registrador& tr = doc.NovoRegistrador(1);
  tr.Tag = "FR-200";
  tr.Descricao = "Combustíveis|Fuels";
  tr.ItemVariavel1 = 22 - 1;
  tr.NomeVariavel1 = "Biogás|Biogas";
  tr.ItemVariavel2 = 24 - 1;
  tr.NomeVariavel2 = "Gás natural|Natural gas";
  tr.ItemVariavel3 = 1 - 1;
  tr.NomeVariavel3 = "Demanda|Demand";
  tr.Grafico.ItemBaseTempo = 1;
  tr.AplicaConfiguracao();
  Coloca(doc, TipoObjeto::Registrador, 1, 870, 320);

  NovoMostrador(doc, 1, 27, "Pressão|Pressure", 2, 565, 178);
  NovoMostrador(doc, 2, 22, "Biogás|Biogas", 0, 60, 280);
  NovoMostrador(doc, 3, 24, "Gás natural|Natural gas", 0, 60, 405);
  NovoMostrador(doc, 4, 26, "Ar|Air", 0, 60, 530);
  NovoMostrador(doc, 5, 44, "Calor liberado|Heat released", 2, 870, 190);
  NovoMostrador(doc, 6, 46, "Excesso de ar|Excess air", 1, 870, 250);

  auto entrada = [&doc](int n, const char* nome, int posicao, int x, int y) {
    EntradaDados& e = doc.painel.Entrada(n);
    e.DefineIncluida(true);
    e.DefineNome(nome);
    e.DefinePosicao(posicao);
    e.Esquerda = x;
    e.Topo = y;
  };
  entrada(1, "Biogás Nm3/h|Biogas Nm3/h", 5000, 390, 165);  // 1000 available
  entrada(2, "Exc. ar %|Exc. air %", 2000, 560, 490);  // 10 %
  entrada(3, "Vapor t/h|Steam t/h", 4800, 262, 75);  // 12 t/h

  Comenta(doc,
          {"Caldeira com dois combustíveis. O PIC-200",
           "pede calor; o biogás (barato) atende até o",
           "disponível e o gás natural, o resto. O ar",
           "segue a soma, cada um com sua relação",
           "(5,7 e 9,6 Nm3 de ar por Nm3).",
           "Experimente: suba o vapor de 12 para 16 t/h",
           "e veja só o gás natural subir; baixe o biogás",
           "disponível e o gás natural o substitui; baixe",
           "o vapor a 5 t/h e o gás natural vai a zero."},
          {"Boiler burning two fuels. PIC-200 asks for",
           "heat; biogas (cheap) supplies up to what is",
           "available and natural gas the rest. The air",
           "follows the sum, each fuel with its ratio",
           "(5.7 and 9.6 Nm3 of air per Nm3).",
           "Try: raise the steam from 12 to 16 t/h and",
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
  d.Instrumento({600, 105}, "PT", "200", true);
  d.Sinal({{600, 84}, {600, 60}});
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
    d.Instrumento({200, y - 55}, "FT", numeros[i], true);
    d.Sinal({{200, y - 34}, {200, y}});
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
