// SPDX-License-Identifier: GPL-3.0-or-later
// The "Temperatura" tab: feedforward, feedback with a filtered transmitter,
// cascade and split range.
#include "core/objetos/gerador.h"
#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

// Heat exchanger: the product leaves at TT-1101, heated by steam through
// TV-1101; its inlet temperature (data entry 1) is the disturbance. The
// controller's bias follows the inlet (feedforward), weighted by data entry
// 2 (0 %: feedback alone, 100 %: full compensation).
//   outlet °C = inlet °C + heat of the steam (0 … 100 °C), range 0 … 150 °C
//   M21  steam heat (process 1: exchanger, 40 s and 10 s lags, 5 s delay)
//   M23  inlet temperature through the exchanger (process 3, same dynamics)
//   M41  outlet before the sensor, % of 150 °C; M22 outlet (sensor, 15 s)
void MontaTrocador(Documento& doc) {
  doc.Titulo = "Trocador de Calor|Heat exchanger";
  NovaEntrada(doc, 1, "Entrada|Inlet", "°C", 10, 50, 30, 40, 300);
  NovaEntrada(doc, 2, "Comp. direta|Feedforward", "%", 0, 100, 100, 40, 130);
  Descreve(doc, 22, "°C", 0, 150, "Saída TT-1101|Outlet TT-1101");
  NovoProcesso(doc, 1, "E-1101", "Trocador (vapor)|Exchanger (steam)", 1, 1.0, 40, 10, 5, 480, 420);
  // The inlet change crosses the exchanger with the product: same lags.
  NovoProcesso(doc, 3, "E-1101P", "Trocador (produto)|Exchanger (product)", 15, 1.0, 40, 10, 5, 200,
               420);
  NovoBloco(doc, 1, "TY-1101", "Saída do trocador|Exchanger outlet", "(10+0.4*M23+M21)/1.5");
  NovoProcesso(doc, 2, "TT-1101", "Temperatura de saída|Outlet temperature", 41, 1.0, 15, 0, 0, 800,
               330);
  // Steady state: steam heat = outlet − inlet, so the bias that holds the
  // outlet moves 0.4 % for each % of the inlet entry (0 … 100 % = 10 … 50 °C).
  Controlador& tic = NovaMalha(doc, 1, "TIC-1101", "Saída do produto|Product outlet", 22, 53.33,
                               {.Kp = 1.5, .Ti = 60.0});
  Compensa(doc, tic, "50-0.4*(M15-50)*M16/100");
  Coloca(doc, TipoObjeto::Controlador, 1, 600, 120);
  NovoRegistro(doc, 1, "TR-1101", 1, 820, 120);
  NovoMostrador(doc, 1, 22, "Saída|Outlet", 1, 820, 400);
  NovoMostrador(doc, 2, 15, "Entrada|Inlet", 1, 40, 390);

  Comenta(doc,
          {"Trocador de calor: o vapor aquece o", "produto; a temperatura de chegada (entrada",
           "à esquerda) é o distúrbio.", "O TIC-1101 tem compensação direta: sua",
           "polarização segue a temperatura de chegada,", "com o peso da entrada \"Comp. direta\".",
           "Experimente: mude a chegada com 100 % e", "com 0 % de compensação e compare o desvio",
           "da saída no registrador."},
          {"Heat exchanger: steam heats the product;", "the inflow temperature (entry at left) is",
           "the disturbance. TIC-1101 has feedforward:", "its bias follows the inflow temperature,",
           "weighted by the \"Feedforward\" entry.", "Try: change the inflow with 100 % and with",
           "0 % feedforward and compare the outlet's", "deviation on the recorder."});
}

void DesenhaTrocador(Desenho& d) {
  d.Texto({30, 50}, "Trocador de Calor", 22, true);
  d.Linha({{200, 330}, {380, 330}});
  d.Corrente({200, 320}, "Produto frio");
  d.Trocador({380, 290, 360, 80});
  d.Linha({{740, 330}, {980, 330}});
  d.Corrente({880, 320}, "Produto quente");
  d.Linha({{560, 140}, {560, 290}}, true, Desenho::kGas);
  d.Corrente({570, 150}, "Vapor");
  d.Valvula({560, 220}, true);
  d.Linha({{560, 370}, {560, 440}}, true, Desenho::kGas);
  d.Corrente({570, 440}, "Condensado");
  d.Instrumento({780, 270}, "TT", "1101", {780, 330}, true);
  d.Instrumento({660, 200}, "TIC", "1101");
  d.Sinal({{759, 270}, {660, 270}, {660, 221}});
  d.Sinal({{639, 200}, {596, 200}, {596, 220}, {584, 220}}, true);
  d.Instrumento({260, 270}, "TT", "1102", {260, 330}, true);
  d.Funcao({420, 200}, QStringLiteral("FF"));
  d.Sinal({{281, 270}, {320, 270}, {320, 200}, {403, 200}}, true);
  d.Sinal({{437, 200}, {639, 200}}, true);
}

const bool trocador = Registra({.arquivo = "heat exchanger/heatexchanger.smp",
                                .monta = MontaTrocador,
                                .desenha = DesenhaTrocador,
                                .aquecimento = 1800});

// The tubular furnace shared by the single-loop and the cascade examples:
// fuel valve FV (process 1, input `entradaValvula`), fuel flow through it
// under the supply pressure (data entry 2), the door's heat loss (data entry
// 1), the firebox (process 2: 120 s and 30 s lags, 15 s delay) and a noisy
// thermocouple (generator M81, fast random ±0.4 %).
//   M21 valve; M41 fuel flow = M21·√(M16/50); M42 heat = M41 − 0.3·M15 + 15
//   M22 firebox temperature; M43 measured = M22 + M81 (0 … 600 °C)
void MontaFornalha(Documento& doc, int entradaValvula) {
  NovaEntrada(doc, 1, "Porta|Door", "%", 0, 100, 0, 40, 130);
  NovaEntrada(doc, 2, "P. comb.|Fuel press.", "bar", 0, 4, 2, 40, 220);
  Gerador& g = doc.gerador();
  CanalGerador& ruido = g.Canal(81);
  ruido.Tipo = 2;
  ruido.Min = "-0.4";
  ruido.Max = "0.4";
  g.AtualizaParametros();
  Descreve(doc, 41, "m3/h", 0, 100, "Vazão de combustível|Fuel flow");
  Descreve(doc, 43, "°C", 0, 600, "Temperatura TT-1201|Temperature TT-1201");
  NovoProcesso(doc, 1, "FV-1201", "Válvula de combustível|Fuel valve", entradaValvula, 1.0, 3, 0, 0,
               285, 535);
  NovoBloco(doc, 1, "FY-1201", "Vazão de combustível|Fuel flow", "M21*(M16/50)^0.5");
  NovoBloco(doc, 2, "QY-1201", "Calor líquido|Net heat", "M41-0.3*M15+15");
  NovoProcesso(doc, 2, "H-1201", "Fornalha|Firebox", 42, 1.0, 120, 30, 15, 520, 400);
  NovoBloco(doc, 3, "TT-1201", "Termopar com ruído|Noisy thermocouple", "M22+M81");
  NovoMostrador(doc, 1, 43, "Saída|Outlet", 0, 820, 230);
  NovoMostrador(doc, 2, 41, "Combustível|Fuel", 1, 40, 420);
}

// The furnace's PID: its derivative needs the transmitter filter against the
// thermocouple's noise.
constexpr Sintonia kSintoniaForno{.Kp = 2.0, .Ti = 130.0, .Td = 25.0, .Tf = 8.0};

void DesenhaFornalha(Desenho& d, const QString& titulo) {
  d.Texto({30, 50}, titulo, 22, true);
  d.Forno({420, 200, 280, 280});
  d.Linha({{200, 250}, {440, 250}});
  d.Corrente({200, 240}, "Carga");
  d.Linha({{680, 300}, {980, 300}});
  d.Corrente({880, 290}, "Saída aquecida");
  d.Linha({{150, 520}, {540, 520}, {540, 480}}, true, Desenho::kCombustivel);
  d.Corrente({150, 510}, "Gás combustível");
  d.Valvula({330, 520});
  d.Placa({440, 520});
  d.Instrumento({780, 240}, "TT", "1201", {780, 300}, true);
}

// Furnace: outlet temperature on the fuel valve, a PID whose derivative
// would amplify the thermocouple's noise without the transmitter filter
// (tf 8 s).
void MontaForno(Documento& doc) {
  doc.Titulo = "Forno Tubular|Furnace Temperature";
  MontaFornalha(doc, 1);
  NovaMalha(doc, 1, "TIC-1201", "Temperatura de saída|Outlet temperature", 43, 60.0,
            kSintoniaForno);
  Coloca(doc, TipoObjeto::Controlador, 1, 600, 95);
  NovoRegistro(doc, 1, "TR-1201", 1, 820, 120);
  Comenta(doc,
          {"Forno tubular: a temperatura de saída é", "controlada pela válvula de combustível.",
           "O termopar tem ruído: o TIC-1201 usa ação", "derivativa com filtro no transmissor",
           "(Tf = 8 s). Experimente: abra a porta", "(entrada à esquerda) e veja a resposta;",
           "zere o filtro e observe a saída do", "controlador; mude a pressão do gás."},
          {"Tubular furnace: the outlet temperature is", "controlled by the fuel valve. The",
           "thermocouple is noisy: TIC-1201 uses", "derivative action with a transmitter",
           "filter (Tf = 8 s). Try: open the door", "(entry at left) and watch the response;",
           "set the filter to zero and watch the", "output; change the gas pressure."});
}

void DesenhaForno(Desenho& d) {
  DesenhaFornalha(d, "Forno Tubular");
  d.Instrumento({700, 150}, "TIC", "1201");
  d.Sinal({{780, 219}, {780, 150}, {721, 150}});
  d.Sinal({{679, 150}, {330, 150}, {330, 484}}, true);
}

const bool forno = Registra({.arquivo = "furnace/furnace.smp",
                             .monta = MontaForno,
                             .desenha = DesenhaForno,
                             .aquecimento = 2400});

// The same furnace in cascade: TIC-1301 sets the remote SP of the fuel-flow
// controller FIC-1302, which holds the fuel flow whatever the gas pressure
// does, before the firebox feels it.
void MontaFornoCascata(Documento& doc) {
  doc.Titulo = "Forno Tubular II|Furnace Temperature(Master-Slave)";
  MontaFornalha(doc, 2);
  Controlador& tic = NovaMalha(doc, 1, "TIC-1301", "Temperatura (mestre)|Temperature (master)", 43,
                               60.0, kSintoniaForno);
  // The master's integral stops while the slave's valve is at a limit.
  SegueEscravo(doc, tic, 2);
  NovoEscravo(doc, 2, "FIC-1302", "Combustível (escravo)|Fuel (slave)", 41, 1,
              {.Kp = 0.5, .Ti = 3.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 600, 95);
  Coloca(doc, TipoObjeto::Controlador, 2, 450, 545);
  NovoRegistro(doc, 1, "TR-1301", 1, 820, 120);
  NovoRegistro(doc, 2, "FR-1302", 2, 600, 545);
  Comenta(doc,
          {"O mesmo forno com controle em cascata:", "o TIC-1301 (mestre) dá o SP remoto do",
           "FIC-1302 (escravo), que segura a vazão de", "combustível. Experimente: mude a pressão",
           "do gás aqui e no Forno Tubular e compare", "o desvio de temperatura; abra a porta;",
           "ponha o escravo em local e veja o mestre", "parar de integrar."},
          {"The same furnace in cascade: TIC-1301", "(master) sets the remote SP of FIC-1302",
           "(slave), which holds the fuel flow.", "Try: change the gas pressure here and in",
           "the Furnace example and compare the", "temperature deviation; open the door;",
           "put the slave in local and watch the", "master stop integrating."});
}

void DesenhaFornoCascata(Desenho& d) {
  DesenhaFornalha(d, "Forno Tubular II (cascata)");
  d.Instrumento({700, 150}, "TIC", "1301");
  d.Sinal({{780, 219}, {780, 150}, {721, 150}});
  d.Instrumento({440, 470}, "FT", "1302", {440, 520}, true);
  d.Instrumento({330, 430}, "FIC", "1302");
  d.Sinal({{419, 470}, {370, 470}, {370, 430}, {351, 430}});
  d.Sinal({{679, 150}, {330, 150}, {330, 409}}, true);
  d.Sinal({{330, 451}, {330, 484}}, true);
}

const bool fornoCascata = Registra({.arquivo = "furnace masterslave/furnace.smp",
                                    .monta = MontaFornoCascata,
                                    .desenha = DesenhaFornoCascata,
                                    .aquecimento = 2400});

// Jacketed reactor with split range: TIC-1401's output below 50 % opens
// the cooling water valve (fully at 0 %), above 50 % the steam valve (fully
// at 100 %); at 50 % both are closed. The reaction heat (data entry 1) can
// ask for heating or for cooling.
//   M41 cooling command, M42 steam command (blocks, never both above 0)
//   M21 cooling valve, M22 steam valve; M43 heat balance; M23 temperature
void MontaDivisaoFaixa(Documento& doc) {
  doc.Titulo = "Reator com Jaqueta|Split range control";
  NovaEntrada(doc, 1, "Calor reação|Reaction heat", "%", -50, 50, -10, 40, 130);
  Descreve(doc, 23, "°C", 0, 200, "Temperatura TT-1401|Temperature TT-1401");
  NovoBloco(doc, 1, "TY-1401A", "Faixa de resfriamento|Cooling range", "(50-M01)*2>0", 280, 470);
  NovoBloco(doc, 2, "TY-1401B", "Faixa de aquecimento|Heating range", "(M01-50)*2>0", 280, 160);
  NovoProcesso(doc, 1, "TV-1401A", "Água de resfriamento|Cooling water", 41, 1.0, 2, 0, 0, 640,
               500);
  NovoProcesso(doc, 2, "TV-1401B", "Vapor|Steam", 42, 1.0, 2, 0, 0, 560, 125);
  NovoBloco(doc, 3, "QY-1401", "Balanço térmico|Heat balance", "50+0.5*M22-0.5*M21+(M15-50)*0.8");
  NovoProcesso(doc, 3, "R-1401", "Reator|Reactor", 43, 1.0, 300, 30, 10, 440, 330);
  NovaMalha(doc, 1, "TIC-1401", "Temperatura do reator|Reactor temperature", 23, 50.0,
            {.Kp = 3.0, .Ti = 300.0, .Td = 20.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 60, 280);
  NovoRegistro(doc, 1, "TR-1401", 1, 820, 120);
  NovoMostrador(doc, 1, 23, "Reator|Reactor", 1, 800, 360);
  NovoMostrador(doc, 2, 21, "Água|Water", 1, 740, 490);
  NovoMostrador(doc, 3, 22, "Vapor|Steam", 1, 740, 190);
  Comenta(doc,
          {"Reator com jaqueta e divisão de faixa: a", "saída do TIC-1401 abaixo de 50 % abre a",
           "água de resfriamento; acima de 50 %, o", "vapor. Em 50 % as duas fecham.",
           "Experimente: passe o calor de reação de", "negativo (pede aquecimento) a positivo",
           "(pede resfriamento) e veja o controlador", "atravessar de uma válvula para a outra."},
          {"Jacketed reactor with split range: the", "output of TIC-1401 below 50 % opens the",
           "cooling water; above 50 %, the steam. At", "50 % both are closed. Try: take the",
           "reaction heat from negative (needs", "heating) to positive (needs cooling) and",
           "watch the controller cross from one valve", "to the other."});
}

void DesenhaDivisaoFaixa(Desenho& d) {
  d.Texto({30, 50}, "Reator com Jaqueta", 22, true);
  d.Reator({440, 220, 160, 220}, true, 0.6);
  d.Linha({{980, 170}, {620, 170}, {620, 300}, {612, 300}}, true, Desenho::kGas);
  d.Corrente({880, 160}, "Vapor");
  d.Valvula({700, 170});
  d.Linha({{980, 470}, {620, 470}, {620, 420}, {612, 420}}, true, Desenho::kFrio);
  d.Corrente({860, 460}, "Água de resfriamento");
  d.Valvula({700, 470});
  d.Instrumento({380, 380}, "TT", "1401", {428, 380}, true);
  d.Funcao({280, 250}, QStringLiteral(">50%"));
  d.Funcao({280, 400}, QStringLiteral("<50%"));
  d.Sinal({{359, 380}, {330, 380}, {330, 325}, {200, 325}});
  d.Instrumento({180, 325}, "TIC", "1401");
  d.Sinal({{180, 304}, {180, 250}, {263, 250}}, true);
  d.Sinal({{180, 346}, {180, 400}, {263, 400}}, true);
  d.Sinal({{297, 250}, {330, 250}, {330, 110}, {700, 110}, {700, 134}}, true);
  d.Sinal({{297, 400}, {320, 400}, {320, 560}, {760, 560}, {760, 500}, {712, 500}, {712, 482}},
          true);
}

const bool divisaoFaixa = Registra({.arquivo = "splitrange control/splitrange.smp",
                                    .monta = MontaDivisaoFaixa,
                                    .desenha = DesenhaDivisaoFaixa,
                                    .aquecimento = 3600});

}  // namespace
}  // namespace quiv::exemplos
