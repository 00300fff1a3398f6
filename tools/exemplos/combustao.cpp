// SPDX-License-Identifier: GPL-3.0-or-later
// The "Combustão" tab: air/fuel ratio control, single and double cross
// limits, two fuels.
#include "core/objetos/painel.h"
#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

enum class Estrategia { Razao, LimitesCruzados, DuplosLimites };

// The burner shared by the three ratio examples: gas 0 … 1000 m³/h through a
// fast valve (2 s), air 0 … 12 000 m³/h through a slower fan damper (8 s and
// 3 s). Stoichiometric air is 10 m³ per m³ of gas, so air % = gas % · 0.8333
// at zero excess; data entry 2 adds 0 … 30 % excess air.
//   M15 firing demand (gas %); M16 excess air (% of 0 … 30)
//   M41 ratio air %/gas % = 0.8333·(1 + excess)
//   M42 gas SP, M43 air SP (strategy); M44 excess air measured, %
//   M21 gas flow, M22 air flow
void MontaQueimador(Documento& doc, Estrategia e) {
  NovaEntrada(doc, 1, "Carga|Load", "%", 0, 100, 50, 40, 130);
  NovaEntrada(doc, 2, "Exc. ar|Excess air", "%", 0, 30, 10, 40, 220);
  Descreve(doc, 21, "m3/h", 0, 1000, "Vazão de gás|Gas flow");
  Descreve(doc, 22, "m3/h", 0, 12000, "Vazão de ar|Air flow");
  Descreve(doc, 44, "%", 0, 100, "Excesso de ar|Excess air");
  NovoBloco(doc, 1, "FY-300", "Razão ar/gás|Air/gas ratio", "0.8333*(1+0.003*M16)");
  Bloco* gas = nullptr;
  Bloco* ar = nullptr;
  switch (e) {
    case Estrategia::Razao:
      gas = &NovoBloco(doc, 2, "FY-301", "SP do gás|Gas SP", "M15", 300, 200);
      ar = &NovoBloco(doc, 3, "FY-302", "SP do ar|Air SP", "M15*M41", 300, 420);
      break;
    case Estrategia::LimitesCruzados:
    case Estrategia::DuplosLimites:
      // Gas: the lower of the demand and what the measured air can burn;
      // air: the higher of the demand's air and the measured gas's.
      gas = &NovoBloco(doc, 2, "FY-301", "SP do gás (<)|Gas SP (<)", "M15<M22/M41", 300, 200);
      ar = &NovoBloco(doc, 3, "FY-302", "SP do ar (>)|Air SP (>)", "M15*M41>M21*M41", 300, 420);
      break;
  }
  if (e == Estrategia::DuplosLimites) {
    // Besides: gas no lower than 95 % of what the air burns, air no higher
    // than 105 % of the gas's need, so the excess air stays in a band.
    gas->LimiteInferiorAtivo = true;
    gas->LimiteInferior = "M22/M41*0.95";
    ar->LimiteSuperiorAtivo = true;
    ar->LimiteSuperior = "M21*M41*1.05";
    Aplica(doc, *gas);
    Aplica(doc, *ar);
  }
  NovoProcesso(doc, 1, "FV-301", "Válvula de gás|Gas valve", 1, 1.0, 2, 0, 0, 660, 235);
  NovoProcesso(doc, 2, "FD-302", "Ventilador e registro|Fan and damper", 2, 1.0, 8, 3, 0, 660, 455);
  NovoBloco(doc, 4, "AY-303", "Excesso de ar|Excess air", "(M22/(M21*0.8333)-1)*100");
  Controlador& fgas = NovaMalha(doc, 1, "FIC-301", "Gás|Gas", 21, 50.0, {.Kp = 0.5, .Ti = 3.0});
  fgas.HabilitaSPR = true;
  fgas.ItemSPR = 42 - 1;
  Aplica(doc, fgas);
  fgas.AlternaLocalRemoto();
  Controlador& far = NovaMalha(doc, 2, "FIC-302", "Ar|Air", 22, 50.0, {.Kp = 0.4, .Ti = 10.0});
  far.HabilitaSPR = true;
  far.ItemSPR = 43 - 1;
  Aplica(doc, far);
  far.AlternaLocalRemoto();
  Coloca(doc, TipoObjeto::Controlador, 1, 480, 160);
  Coloca(doc, TipoObjeto::Controlador, 2, 480, 380);
  NovoRegistro(doc, 1, "FR-301", 1, 880, 120);
  NovoRegistro(doc, 2, "FR-302", 2, 880, 540);
  NovoMostrador(doc, 1, 21, "Gás|Gas", 0, 760, 200);
  NovoMostrador(doc, 2, 22, "Ar|Air", 0, 760, 420);
  NovoMostrador(doc, 3, 44, "Excesso de ar|Excess air", 1, 40, 330);
}

void DesenhaQueimador(Desenho& d, const QString& titulo, Estrategia e) {
  d.Texto({30, 50}, titulo, 22, true);
  d.Caldeira({840, 230, 140, 230});
  d.Linha({{200, 260}, {880, 260}, {880, 420}}, true, Desenho::kCombustivel);
  d.Corrente({205, 250}, "Gás");
  d.Valvula({640, 260});
  d.Placa({740, 260});
  d.Ventilador({230, 500});
  d.Linha({{248, 500}, {910, 500}, {910, 460}}, true, Desenho::kGas);
  d.Corrente({205, 470}, "Ar");
  d.Valvula({640, 500});
  d.Placa({740, 500});
  d.Instrumento({740, 320}, "FT", "301", true);
  d.Sinal({{740, 299}, {740, 260}});
  d.Instrumento({740, 560}, "FT", "302", true);
  d.Sinal({{740, 539}, {740, 500}});
  d.Instrumento({560, 200}, "FIC", "301");
  d.Sinal({{581, 200}, {640, 200}, {640, 224}}, true);
  d.Instrumento({560, 420}, "FIC", "302");
  d.Sinal({{581, 420}, {640, 420}, {640, 464}}, true);
  const bool cruzado = e != Estrategia::Razao;
  d.Funcao({400, 200}, cruzado ? QStringLiteral("<") : QStringLiteral("1:1"));
  d.Funcao({400, 420}, cruzado ? QStringLiteral(">") : QStringLiteral("×R"));
  d.Sinal({{417, 200}, {539, 200}}, true);
  d.Sinal({{417, 420}, {539, 420}}, true);
  d.Sinal({{190, 170}, {350, 170}, {350, 200}, {383, 200}}, true);
  d.Sinal({{350, 200}, {350, 420}, {383, 420}}, true);
  d.Corrente({200, 160}, "Demanda");
  if (cruzado) {
    // Each selector also takes the other flow's measurement.
    d.Sinal({{761, 320}, {800, 320}, {800, 360}, {400, 360}, {400, 403}}, true);
    d.Sinal({{761, 560}, {800, 560}, {800, 590}, {440, 590}, {440, 240}, {400, 240}, {400, 217}},
            true);
  }
}

void MontaRazao(Documento& doc) {
  doc.Titulo = "Razão Ar/Gas básico|Basic Ratio Control";
  MontaQueimador(doc, Estrategia::Razao);
  Comenta(doc,
          {"Controle de razão ar/gás: a demanda dá o",
           "SP do gás e, multiplicada pela razão, o",
           "SP do ar. O ar (ventilador) é mais lento",
           "que o gás. Experimente: suba a demanda de",
           "50 para 70 % e veja o excesso de ar cair",
           "abaixo de zero (falta ar: fumaça, risco).",
           "Compare com os limites cruzados."},
          {"Air/gas ratio control: the demand sets",
           "the gas SP and, times the ratio, the air",
           "SP. Air (the fan) is slower than gas.",
           "Try: raise the demand from 50 to 70 %",
           "and watch the excess air fall below zero",
           "(air deficit: smoke, danger). Compare",
           "with the cross limits."});
}

void MontaLimitesCruzados(Documento& doc) {
  doc.Titulo = "Razão Ar/Gás com Limites Cruzados|Ratio Control with Crossed Limits";
  MontaQueimador(doc, Estrategia::LimitesCruzados);
  Comenta(doc,
          {"Limites cruzados simples: o SP do gás é o",
           "menor entre a demanda e o que o ar medido",
           "queima; o SP do ar é o maior entre a",
           "demanda e o que o gás medido pede.",
           "Ao subir a carga o ar vai na frente; ao",
           "descer, o gás sai primeiro: nunca falta",
           "ar. Experimente subir e descer a demanda."},
          {"Single cross limits: the gas SP is the",
           "lower of the demand and what the measured",
           "air can burn; the air SP is the higher of",
           "the demand and what the measured gas",
           "needs. On a rise the air leads; on a fall",
           "the gas leaves first: air never lacks.",
           "Try raising and lowering the demand."});
}

void MontaDuplosLimites(Documento& doc) {
  doc.Titulo = "Razão Ar/Gás com Duplo Limites Cruzados|Ratio Control with Double Crossed Limits";
  MontaQueimador(doc, Estrategia::DuplosLimites);
  Comenta(doc,
          {"Duplos limites cruzados: além dos limites",
           "simples, o gás não cai abaixo de 95 % do",
           "que o ar queima e o ar não passa de 105 %",
           "do que o gás pede. Nunca falta ar e o",
           "excesso de ar fica numa faixa estreita",
           "(eficiência). Compare o excesso de ar nas",
           "variações de demanda com os outros dois."},
          {"Double cross limits: besides the single",
           "limits, gas cannot fall below 95 % of",
           "what the air burns and air cannot exceed",
           "105 % of what the gas needs. Air never",
           "lacks and the excess air stays in a",
           "narrow band (efficiency). Compare the",
           "excess air on demand changes with the",
           "other two."});
}

const bool razao = Registra({.arquivo = "combustion/ratio.smp",
                             .monta = MontaRazao,
                             .desenha = [](Desenho& d) {
                               DesenhaQueimador(d, "Razão Ar/Gás básico", Estrategia::Razao);
                             },
                             .aquecimento = 600});
const bool limitesCruzados = Registra(
    {.arquivo = "combustion/cl.smp",
     .monta = MontaLimitesCruzados,
     .desenha = [](Desenho& d) {
       DesenhaQueimador(d, "Razão Ar/Gás com Limites Cruzados", Estrategia::LimitesCruzados);
     },
     .aquecimento = 600});
const bool duplosLimites = Registra(
    {.arquivo = "combustion/dcl.smp",
     .monta = MontaDuplosLimites,
     .desenha = [](Desenho& d) {
       DesenhaQueimador(d, "Razão Ar/Gás com Duplo Limites Cruzados", Estrategia::DuplosLimites);
     },
     .aquecimento = 600});

// Two fuels: fuel A (cheap, limited by its availability, data entry 3) goes
// first; fuel B supplies the rest of the demand; the air follows the heat of
// both, A needing 10 and B 12 m³ of air per m³ (same 0 … 1000 m³/h ranges).
//   M41 A SP = min(demand, availability); M42 B SP = demand − A measured
//   M43 air SP = (A·0.8333 + B·1.0)·1.1; M44 excess air
//   M21 A flow, M22 B flow, M23 air flow
void MontaDoisCombustiveis(Documento& doc) {
  doc.Titulo = "Queima com 2 combustíveis|Combustion with two fuels";
  NovaEntrada(doc, 1, "Carga|Load", "%", 0, 100, 50, 40, 130);
  NovaEntrada(doc, 3, "Disp. A|A avail.", "m3/h", 0, 1000, 400, 40, 220);
  Descreve(doc, 21, "m3/h", 0, 1000, "Combustível A|Fuel A");
  Descreve(doc, 22, "m3/h", 0, 1000, "Combustível B|Fuel B");
  Descreve(doc, 23, "m3/h", 0, 12000, "Vazão de ar|Air flow");
  Descreve(doc, 44, "%", 0, 100, "Excesso de ar|Excess air");
  NovoBloco(doc, 1, "FY-401", "SP do combustível A|Fuel A SP", "M15<M17", 300, 160);
  Bloco& b = NovoBloco(doc, 2, "FY-402", "SP do combustível B|Fuel B SP", "M15-M21", 300, 330);
  b.LimiteInferiorAtivo = true;
  b.LimiteInferior = "0";
  Aplica(doc, b);
  NovoBloco(doc, 3, "FY-403", "SP do ar|Air SP", "(M21*0.8333+M22*1.0)*1.1", 300, 500);
  NovoBloco(doc, 4, "AY-404", "Excesso de ar|Excess air", "(M23/(M21*0.8333+M22*1.0)-1)*100");
  NovoProcesso(doc, 1, "FV-401", "Válvula A|Valve A", 1, 1.0, 2, 0, 0, 660, 200);
  NovoProcesso(doc, 2, "FV-402", "Válvula B|Valve B", 2, 1.0, 2, 0, 0, 660, 370);
  NovoProcesso(doc, 3, "FD-403", "Ventilador|Fan", 3, 1.0, 8, 3, 0, 660, 540);
  const struct {
    const char* tag;
    const char* descricao;
    int pv;
    int sp;
    Sintonia s;
    int y;
  } malhas[] = {{"FIC-401", "Combustível A|Fuel A", 21, 41, {.Kp = 0.5, .Ti = 3.0}, 130},
                {"FIC-402", "Combustível B|Fuel B", 22, 42, {.Kp = 0.5, .Ti = 3.0}, 300},
                {"FIC-403", "Ar|Air", 23, 43, {.Kp = 0.4, .Ti = 10.0}, 470}};
  int k = 1;
  for (const auto& m : malhas) {
    Controlador& c = NovaMalha(doc, k, m.tag, m.descricao, m.pv, 50.0, m.s);
    c.HabilitaSPR = true;
    c.ItemSPR = m.sp - 1;
    Aplica(doc, c);
    c.AlternaLocalRemoto();
    Coloca(doc, TipoObjeto::Controlador, k, 480, m.y);
    NovoMostrador(doc, k, m.pv, m.descricao, 0, 760, m.y + 40);
    ++k;
  }
  NovoRegistro(doc, 1, "FR-401", 1, 880, 130);
  NovoRegistro(doc, 2, "FR-402", 2, 880, 520);
  NovoMostrador(doc, 4, 44, "Excesso de ar|Excess air", 1, 40, 330);
  Comenta(doc,
          {"Queima com dois combustíveis: o A (barato,",
           "disponibilidade limitada) vai primeiro; o",
           "B completa a demanda. O ar segue o calor",
           "dos dois (A pede 10 e B 12 m3 de ar por",
           "m3). Experimente: suba a demanda acima da",
           "disponibilidade de A e veja o B entrar;",
           "reduza a disponibilidade de A."},
          {"Two fuels: fuel A (cheap, limited",
           "availability) goes first; fuel B makes up",
           "the demand. The air follows the heat of",
           "both (A needs 10 and B 12 m3 of air per",
           "m3). Try: raise the demand above A's",
           "availability and watch B come in; lower",
           "A's availability."});
}

void DesenhaDoisCombustiveis(Desenho& d) {
  d.Texto({30, 50}, "Queima com 2 combustíveis", 22, true);
  d.Caldeira({840, 200, 140, 300});
  const struct {
    int y;
    const char* nome;
    QColor cor;
  } linhas[] = {{240, "Combustível A", Desenho::kCombustivel},
                {410, "Combustível B", Desenho::kQuente},
                {580, "Ar", Desenho::kGas}};
  for (const auto& l : linhas) {
    d.Linha({{200, l.y}, {900, l.y}, {900, 470}}, true, l.cor);
    d.Corrente({205, l.y - 10}, l.nome);
    d.Valvula({640, l.y});
  }
  d.Funcao({400, 180}, QStringLiteral("<"));
  d.Funcao({400, 350}, QStringLiteral("Σ"));
  d.Funcao({400, 520}, QStringLiteral("×R"));
}

const bool doisCombustiveis = Registra({.arquivo = "combustion2fuels/combustion2fuels.smp",
                                        .monta = MontaDoisCombustiveis,
                                        .desenha = DesenhaDoisCombustiveis,
                                        .aquecimento = 600});

}  // namespace
}  // namespace quiv::exemplos
