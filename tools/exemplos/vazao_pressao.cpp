// SPDX-License-Identifier: GPL-3.0-or-later
// The "Vazão/Pressão" tab: flow and pressure loops.
#include <array>
#include <string>

#include "core/objetos/botao_comando.h"
#include "core/objetos/painel.h"
#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

// Basic flow loop: a control valve in a pipe, its flow measured by an
// orifice plate and FT-101, FIC-101 closing the loop. The upstream pressure
// (data entry 1) is the load: the valve passes flow ∝ opening·√(ΔP).
//   M21  valve (process 1): linear trim, 1 s stroke lag
//   M41  flow the valve passes: M21·√(M15/50)
//   M22  measured flow (process 2): 1.5 s lag of the pipe and transmitter
void MontaVazaoEmDuto(Documento& doc) {
  doc.Titulo = "Vazão em Duto|Basic flow loop";
  Descreve(doc, 15, "bar", 0, 10, "Pressão a montante");
  Descreve(doc, 22, "m3/h", 0, 120, "Vazão FT-101");

  NovoTrecho(doc, 1, "FV-101", "Válvula de controle|Control valve", 1, {.T1 = "1"}, 452, 330);
  NovoBloco(doc, 1, "FY-101", "", "M21*(M15/50)^0.5");
  NovoTrecho(doc, 2, "FT-101", "Vazão na linha|Line flow", 41, {.T1 = "1.5"}, 660, 330);

  Controlador& fic = NovaMalha(doc, 1, "FIC-101", "Vazão de produto|Product flow", 22, 50.0,
                               {.Kp = 0.8, .Ti = 2.0, .Td = 0.0});
  Polariza(doc, fic, "50");
  Coloca(doc, TipoObjeto::Controlador, 1, 560, 140);

  NovoRegistro(doc, 1, "FR-101", "Vazão de produto|Product flow", 1, 820, 140);

  NovoMostrador(doc, 1, 22, "Vazão|Flow", 1, 700, 420);
  NovoMostrador(doc, 2, 15, "Pressão|Pressure", 2, 90, 420);

  NovaEntrada(doc, 1, "Pressão|Pressure", 5000, 40, 200);

  // The comment pane is narrow: lines of about 40 characters.
  Comenta(doc,
          {"Malha de vazão com realimentação.", "Experimente: mude o SP do FIC-101 e",
           "observe a resposta; mova a pressão a", "montante (entrada à esquerda) e veja o",
           "controlador recompor a vazão. Compare", "sintonias na Simulação Rápida."},
          {"Feedback flow loop.", "Try: change the FIC-101 set point and",
           "watch the response; move the upstream", "pressure (entry at left) and watch the",
           "controller restore the flow. Compare", "tunings in the Fast Simulation."});
}

void DesenhaVazaoEmDuto(Desenho& d) {
  d.Texto({30, 50}, "Vazão em Duto", 22, true);
  d.Linha({{20, 300}, {980, 300}});
  d.Corrente({24, 290}, "Entrada");
  d.Corrente({900, 290}, "Processo");
  d.Instrumento({120, 240}, "PI", "100", {120, 300}, true);
  d.Valvula({480, 300});
  d.Placa({700, 300});
  d.Instrumento({700, 230}, "FT", "101", {700, 300}, true);
  d.Instrumento({600, 180}, "FIC", "101");
  d.Sinal({{679, 230}, {600, 230}, {600, 201}});
  d.Sinal({{579, 180}, {480, 180}, {480, 264}}, true);
}

const bool registrado = Registra({.arquivo = "basic flow loop/basic flow loop.smp",
                                  .monta = MontaVazaoEmDuto,
                                  .desenha = DesenhaVazaoEmDuto,
                                  .aquecimento = 300});

// ---------------------------------------------------------------------------
// Coarse-fine flow control: a large valve with realistic friction and a
// small valve in its bypass. FIC-101 moves the small (fine) valve, which
// resolves the flow finely; ZIC-101, a slow valve-position controller,
// moves the large (coarse) valve so that the fine one returns to mid-travel.
// Below, the same large valve alone under FIC-201, for comparison: its
// friction makes that flow hunt. Both lines take the same upstream pressure
// (entry 1, M15), so a pressure change disturbs both alike.
//   M21  FV-101A coarse valve (stiction 2 %, backlash 1 %, 1.5 s stroke)
//   M22  FV-101B fine valve (0.5 s stroke, clean positioner)
//   M41  flow through both: (M21 + 0.2·M22)·√(M15/50), % of 0 … 150 m3/h
//   M23  FT-101 (1.5 s lag)
//   M24  FV-201 coarse valve, as FV-101A;  M42 its flow;  M25  FT-201
// The fine valve passes a fifth of the coarse one, so its loop gain is a
// fifth: FIC-101's Kp is five times FIC-201's for the same response.

void MontaGrossoFino(Documento& doc) {
  doc.Titulo = "Tubulação com By-pass|Pipeline with Bypass";
  Descreve(doc, 15, "bar", 0, 10, "Pressão a montante|Upstream pressure");
  Descreve(doc, 21, "%", 0, 100);
  Descreve(doc, 22, "%", 0, 100);
  Descreve(doc, 23, "m3/h", 0, 150);
  Descreve(doc, 25, "m3/h", 0, 150);
  NovaEntrada(doc, 1, "Pressão|Pressure", 5000, 60, 360);

  // The coarse valve's packing friction: stiction 2 %, backlash 1 %.
  const Dinamica grossa{.T1 = "1.5", .agarramento = "2", .histerese = "1"};
  NovoTrecho(doc, 1, "FV-101A", "Abertura FV-101A|FV-101A opening", 2, grossa, 360, 344);
  NovoTrecho(doc, 2, "FV-101B", "Abertura FV-101B|FV-101B opening", 1, {.T1 = "0.5"}, 360, 244);
  NovoBloco(doc, 1, "FY-101", "", "(M21+0.2*M22)*(M15/50)^0.5");
  NovoTrecho(doc, 3, "FT-101", "Vazão grosso-fino|Coarse-fine flow", 41, {.T1 = "1.5"});

  NovoTrecho(doc, 4, "FV-201", "Abertura FV-201|FV-201 opening", 3, grossa, 360, 524);
  NovoBloco(doc, 2, "FY-201", "", "M24*(M15/50)^0.5");
  NovoTrecho(doc, 5, "FT-201", "Vazão só válvula grossa|Coarse valve alone flow", 42,
             {.T1 = "1.5"});

  NovaMalha(doc, 1, "FIC-101", "Vazão grosso-fino|Coarse-fine flow", 23, 50.0,
            {.Kp = 4.0, .Ti = 2.5, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 526, 149);
  // Reverse: the fine valve above mid-travel asks for more coarse opening.
  NovaMalha(doc, 2, "ZIC-101", "Posição da válvula fina|Fine valve position", 1, 50.0,
            {.Kp = 0.1, .Ti = 20.0, .Td = 0.0}, true);
  Coloca(doc, TipoObjeto::Controlador, 2, 526, 264);
  NovaMalha(doc, 3, "FIC-201", "Vazão só grossa|Coarse valve alone", 25, 50.0,
            {.Kp = 0.8, .Ti = 2.5, .Td = 0.0});
  Coloca(doc, TipoObjeto::Controlador, 3, 526, 414);

  NovoRegistro(doc, 1, "FR-101", "Vazão grosso-fino|Coarse-fine flow", 1, 860, 200);
  NovoRegistro(doc, 2, "FR-201", "Vazão só grossa|Coarse valve alone", 3, 860, 380);

  NovoMostrador(doc, 1, 23, "Vazão|Flow", 1, 780, 260);
  NovoMostrador(doc, 2, 25, "Vazão|Flow", 1, 780, 440);
  NovoMostrador(doc, 3, 22, "Válvula fina|Fine valve", 1, 255, 205);
  NovoMostrador(doc, 4, 21, "Válvula grossa|Coarse valve", 1, 255, 305);
  NovoMostrador(doc, 5, 24, "Válvula grossa|Coarse valve", 1, 255, 485);

  Comenta(doc,
          {"Grosso-fino: a válvula grande tem atrito", "(agarramento 2 %, folga 1 %).",
           "Embaixo, sozinha, ela faz a vazão oscilar.", "Em cima, a FV-101B no by-pass faz o",
           "ajuste fino (FIC-101) e o ZIC-101 move", "devagar a grande para recentrar a fina.",
           "Compare FR-101 e FR-201; mude a pressão;", "ponha o ZIC-101 em manual e veja a fina",
           "sair do meio do curso."},
          {"Coarse-fine: the large valve has friction", "(stiction 2 %, backlash 1 %).",
           "Below, alone, it makes the flow hunt.", "Above, FV-101B in the bypass trims the",
           "flow finely (FIC-101) and ZIC-101 slowly", "moves the large one to recentre it.",
           "Compare FR-101 and FR-201; change the", "pressure; put ZIC-101 in manual and see",
           "the fine valve leave mid-travel."});
}

void DesenhaGrossoFino(Desenho& d) {
  d.Texto({30, 50}, "Tubulação com By-pass", 22, true);
  d.Texto({30, 90}, "Grosso-fino: válvula fina no by-pass da grossa", 14, true);
  d.Texto({70, 562}, "Só a válvula grossa (comparação)", 14, true);

  // Common supply header feeding both lines.
  d.Linha({{20, 330}, {40, 330}}, false);
  d.Linha({{40, 330}, {40, 510}}, false);
  d.Corrente({8, 318}, "Entrada");

  // Coarse-fine: main line through the coarse valve, bypass through the fine one.
  d.Linha({{40, 330}, {960, 330}});
  d.Linha({{240, 330}, {240, 230}, {640, 230}, {640, 330}}, false);
  d.Valvula({400, 330});
  d.Valvula({400, 230});
  d.Placa({740, 330});
  d.Instrumento({740, 285}, "FT", "101", {740, 330}, true);
  d.Instrumento({500, 160}, "FIC", "101");
  d.Sinal({{740, 264}, {740, 115}, {500, 115}, {500, 139}});
  d.Sinal({{479, 160}, {400, 160}, {400, 194}}, true);
  d.Instrumento({500, 275}, "ZIC", "101");
  d.Sinal({{500, 181}, {500, 254}}, true);
  d.Sinal({{479, 275}, {400, 275}, {400, 294}}, true);
  d.Corrente({900, 318}, "Processo");

  // The coarse valve alone.
  d.Linha({{40, 510}, {960, 510}});
  d.Valvula({400, 510});
  d.Placa({740, 510});
  d.Instrumento({740, 465}, "FT", "201", {740, 510}, true);
  d.Instrumento({500, 425}, "FIC", "201");
  d.Sinal({{719, 465}, {500, 465}, {500, 446}});
  d.Sinal({{479, 425}, {400, 425}, {400, 474}}, true);
  d.Corrente({900, 498}, "Processo");
}

const bool registradoGrossoFino =
    Registra({.arquivo = "course-fine flow loop/course-fine flow loop.smp",
              .monta = MontaGrossoFino,
              .desenha = DesenhaGrossoFino,
              .aquecimento = 600});

// ---------------------------------------------------------------------------
// Steam header with three consumers. PV-100 lets steam down from the boiler
// (entry 1, M15) into a header held at 7 bar by PIC-100; three consumers
// draw from it under FIC-101 … 103. Each consumer valve passes flow ∝ √(P −
// 2 bar), so a consumer that opens pulls the header pressure down and the
// others lose flow until their loops and PIC-100 recover: interaction. The
// header loop is tuned tight, and with push button 1 (M97) pressed the
// consumers' valve signals (FIC outputs) are fed forward to PIC-100's bias:
// the supply valve, as fast as theirs, moves with them before the pressure
// does, so the consumers decouple (their measured flows would come a
// transmitter lag too late).
//   M21  PV-100 opening (1 s stroke)      M41  supply, % of 0 … 60 t/h
//   M22 … M24  FV-101 … 103 openings      M42 … M44  consumer flows, % of 0 … 20 t/h
//   M25 … M27  FT-101 … 103 (1 s lag)     M45  supply − demand, t/h
//   M28  PT-100 header pressure, % of 0 … 10 bar: integrates M45 (0.2 %/s per t/h)
// At the design point (14 bar boiler, 7 bar header, 10 + 8 + 12 t/h) the
// supply valve is at 50 % and the feed-forward gives 50 % (valve signals
// 50, 40 and 60 %), so the button switches it without a bump; a supply
// valve passes three consumer valves' flow, hence the average.
constexpr std::array<int, 3> kRamaisHeader{390, 590, 790};  // x of each consumer branch

void MontaHeaderTresConsumidores(Documento& doc) {
  doc.Titulo = "Pressão Header e 3 Consumidores|Header pressure with 3 consumers";
  Descreve(doc, 15, "bar", 0, 20, "Pressão da caldeira|Boiler pressure");
  Descreve(doc, 21, "%", 0, 100);
  Descreve(doc, 28, "bar", 0, 10);
  Descreve(doc, 41, "t/h", 0, 60, "Vazão de suprimento|Supply flow");
  NovaEntrada(doc, 1, "Caldeira|Boiler", 7000, 40, 430);

  BotaoComando& ff = doc.painel.Botao(1);
  ff.Nome = "Pré-alimentação|Feed-forward";
  ff.TextoEstado0 = "Desligada|Off";
  ff.TextoEstado1 = "Ligada|On";
  doc.painel.HabilitaBotao(1, true);
  ff.Pressiona();
  doc.painel.PainelComandoEsquerda = 760;
  doc.painel.PainelComandoTopo = 88;

  NovoTrecho(doc, 1, "PV-100", "Abertura PV-100|PV-100 opening", 1, {.T1 = "1"}, 191, 204);
  NovoBloco(doc, 1, "FY-100", "", "M21*((2*M15-M28)/70)^0.5");

  const std::array<double, 3> vazoes{10.0, 8.0, 12.0};  // t/h
  for (int i = 0; i < 3; ++i) {
    const int k = i + 1;
    const std::string numero = std::to_string(100 + k);
    const int x = kRamaisHeader[static_cast<std::size_t>(i)];
    Descreve(doc, 24 + k, "t/h", 0, 20);
    const std::string consumidor = std::to_string(k);
    NovoTrecho(doc, 1 + k, "FV-" + numero, "Abertura FV-" + numero + "|FV-" + numero + " opening",
               1 + k, {.T1 = "1"}, x + 12, 300);
    NovoBloco(doc, 1 + k, "FY-" + numero, "", "M" + std::to_string(21 + k) + "*((M28-20)/50)^0.5");
    NovoTrecho(doc, 4 + k, "FT-" + numero,
               "Vazão consumidor " + consumidor + "|Consumer " + consumidor + " flow", 41 + k,
               {.T1 = "1"});

    NovaMalha(doc, 1 + k, "FIC-" + numero,
              "Vazão consumidor " + consumidor + "|Consumer " + consumidor + " flow", 24 + k,
              vazoes[static_cast<std::size_t>(i)] * 5.0, {.Kp = 1.0, .Ti = 2.0});
    Coloca(doc, TipoObjeto::Controlador, 1 + k, x - 115, 234);
    NovoMostrador(doc, 1 + k, 24 + k, "Vazão|Flow", 1, x + 10, 425);
  }

  NovoBloco(doc, 5, "FY-105", "", "0.6*M41-0.2*(M42+M43+M44)");
  NovoIntegrador(doc, 8, "PT-100", "Pressão do header|Header pressure", 45, "0.2", "70", 386, 104);

  Controlador& pic = NovaMalha(doc, 1, "PIC-100", "Pressão do header|Header pressure", 28, 70.0,
                               {.Kp = 3.0, .Ti = 15.0});
  Compensa(doc, pic, "50+M97*((M02+M03+M04)/3-50)");
  Coloca(doc, TipoObjeto::Controlador, 1, 126, 104);
  NovoMostrador(doc, 1, 28, "Header|Header", 2, 480, 118);

  NovoRegistro(doc, 1, "PR-100", "Pressão do header|Header pressure", 1, 480, 140);
  NovoRegistro(doc, 2, "FR-102", "Vazão consumidor 2|Consumer 2 flow", 3, 570, 140);

  Comenta(doc,
          {"Header de vapor a 7 bar (PIC-100) e três", "consumidores com controle de vazão.",
           "Mude o SP do FIC-101: a pressão do header", "cai e o FIC-102 e o FIC-103 perdem vazão",
           "(interação). Com a pré-alimentação ligada", "(botão), as aberturas pedidas pelos FICs",
           "vão direto à PV-100 e os consumidores", "ficam desacoplados. Compare PR-100 e",
           "FR-102 com o botão ligado e desligado."},
          {"Steam header at 7 bar (PIC-100) and three", "flow-controlled consumers.",
           "Change FIC-101's SP: the header pressure", "dips and FIC-102 and FIC-103 lose flow",
           "(interaction). With the feed-forward on", "(button), the openings the FICs ask for",
           "go straight to PV-100 and the consumers", "are decoupled. Compare PR-100 and",
           "FR-102 with the button on and off."});
}

void DesenhaHeaderTresConsumidores(Desenho& d) {
  d.Texto({30, 50}, "Pressão Header e 3 Consumidores", 22, true);

  // Boiler, let-down valve and header.
  d.VasoHorizontal(QRect(40, 232, 120, 34), 0.5);
  d.Caldeira(QRect(50, 266, 100, 150));
  d.Linha({{100, 232}, {100, 190}, {300, 190}}, true, Desenho::kGas);
  d.Corrente({108, 182}, "Vapor");
  d.Valvula({230, 190});
  d.VasoHorizontal(QRect(300, 170, 620, 40));
  d.Texto({420, 195}, "Header de vapor", 12);
  d.Instrumento({360, 115}, "PT", "100", {360, 170}, true);
  d.Instrumento({230, 115}, "PIC", "100");
  d.Sinal({{339, 115}, {251, 115}});
  d.Sinal({{230, 136}, {230, 154}}, true);

  // Consumers: valve, flow element, FIC; each FIC's output also taps the
  // feed-forward bus to the Σ.
  for (int i = 0; i < 3; ++i) {
    const int x = kRamaisHeader[static_cast<std::size_t>(i)];
    const QString numero = QString::number(101 + i);
    d.Linha({{x, 210}, {x, 470}}, true, Desenho::kGas);
    d.Valvula({x, 280}, true);
    d.Placa({x, 380}, true);
    d.Instrumento({x - 75, 380}, "FT", numero, {x, 380}, true);
    d.Instrumento({x - 75, 280}, "FIC", numero);
    d.Sinal({{x - 75, 359}, {x - 75, 301}});
    d.Sinal({{x - 54, 280}, {x - 36, 280}}, true);
    d.Sinal({{x - 96, 280}, {x - 102, 280}, {x - 102, 545}});
    d.Trocador(QRect(x - 50, 470, 100, 44));
    d.Texto({x - 42, 532}, QStringLiteral("Consumidor %1").arg(i + 1), 12);
  }
  d.Sinal({{kRamaisHeader[0] - 102, 545}, {948, 545}}, true);
  d.Funcao({965, 545}, "Σ");
  d.Sinal({{965, 528}, {965, 75}, {230, 75}, {230, 94}}, true);
  d.Texto({560, 69}, "pré-alimentação (FF)", 11);
}

const bool registradoHeader =
    Registra({.arquivo = "header pressure with 3 consumers/header pressure with 3 consumers.smp",
              .monta = MontaHeaderTresConsumidores,
              .desenha = DesenhaHeaderTresConsumidores,
              .aquecimento = 600});

// ---------------------------------------------------------------------------
// Nonlinear processes: five flow loops side by side, tuned alike, each with
// one nonlinearity of its final element, so the student sees what each one
// does to the same PI loop.
//   loop k (controller k) drives process k; its output M(20+k) is the flow
//   (element, then 1 s stroke and 1.5 s line/transmitter lags). The valves'
//   gain follows the upstream pressure (entry 1, M15): flow ∝ √ΔP.
//   1  FV-101  linear valve: the reference
//   2  FV-102  stiction 4 % with 1 % backlash: sticks, then jumps (limit
//              cycle in automatic, at the plant's dt and at the fast run's)
//   3  FV-103  hysteresis 3 %: the output must cross the dead band on reversal
//   4  FV-104  equal percentage: the gain grows with the opening
//   5  SC-105  pump drive, acceleration limited to 1 %/s (fed from a tank)

struct LinhaNaoLinear {
  const char* tagElemento;
  const char* descricaoElemento;  // describes its output, the flow
  const char* descricaoMalha;
  const char* legenda;  // caption on the picture
  QPoint origem;        // left end of the line on the picture
};

// Two columns of process lines: three at left, two at right.
const std::array<LinhaNaoLinear, 5> kLinhasNaoLineares{{
    {"FV-101",
     "Vazão, válvula linear|Flow, linear valve",
     "Referência linear|Linear reference",
     "1  Válvula linear (referência)",
     {30, 205}},
    {"FV-102",
     "Vazão, válvula agarrando|Flow, sticky valve",
     "Agarramento|Stiction",
     "2  Agarramento de 4 % (folga 1 %)",
     {30, 370}},
    {"FV-103",
     "Vazão, válvula com folga|Flow, valve with backlash",
     "Histerese|Hysteresis",
     "3  Histerese (folga) de 3 %",
     {30, 535}},
    {"FV-104",
     "Vazão, válvula igual %|Flow, equal-% valve",
     "Igual porcentagem|Equal percentage",
     "4  Válvula igual porcentagem",
     {520, 205}},
    {"SC-105",
     "Vazão, bomba com variador|Flow, variable-speed pump",
     "Limite de aceleração|Acceleration limit",
     "5  Bomba com limite de aceleração",
     {520, 370}},
}};

void MontaProcessosNaoLineares(Documento& doc) {
  doc.Titulo = "Processos Não Lineares|Nonlinear processes";
  Descreve(doc, 15, "bar", 0, 10, "Pressão a montante|Upstream pressure");
  NovaEntrada(doc, 1, "Pressão|Pressure", 5000, 540, 500);

  for (int k = 1; k <= 5; ++k) {
    const LinhaNaoLinear& l = kLinhasNaoLineares[static_cast<std::size_t>(k - 1)];
    const std::string numero = std::to_string(100 + k);
    const int x0 = l.origem.x();
    const int y0 = l.origem.y();
    Descreve(doc, 20 + k, "m3/h", 0, 60);

    // The pump does not see the valves' header.
    Dinamica d{.T1 = "1", .T2 = "1.5", .ganho = k == 5 ? "1" : "(M15/50)^0.5"};
    if (k == 2) {  // packing friction: stick band and a little dead band
      d.agarramento = "4";
      d.histerese = "1";
    }
    if (k == 3) d.histerese = "3";
    if (k == 4) d.curva = Processo::kIgualPorcentagem;
    if (k == 5) d.limiteTaxa = "1";
    NovoTrecho(doc, k, l.tagElemento, l.descricaoElemento, k, d, x0 + 100, y0 + (k == 5 ? 30 : 14));

    Controlador& fic = NovaMalha(doc, k, "FIC-" + numero, l.descricaoMalha, 20 + k, 50.0,
                                 {.Kp = 1.0, .Ti = 2.0, .Td = 0.0});
    Polariza(doc, fic, "50");
    Coloca(doc, TipoObjeto::Controlador, k, x0 + 256, y0 - 96);

    NovoMostrador(doc, k, 20 + k, "Vazão|Flow", 1, x0 + 300, y0 + 32);
  }

  NovoRegistro(doc, 1, "FR-102", "Vazão com agarramento|Flow, sticky valve", 2, 700, 520);

  Comenta(doc,
          {"Cinco malhas de vazão, mesma sintonia,", "cada uma com uma não linearidade.",
           "Compare com a referência linear (1):", "2 agarramento: a vazão oscila em auto;",
           "  em manual a oscilação para.", "3 folga: atrasa cada reversão da saída.",
           "4 igual %: SP em 20 % e em 80 % (ganho).", "5 rampa do variador: resposta lenta e",
           "  sobrelevação (o integral acumula)."},
          {"Five flow loops, one tuning, each with", "one nonlinearity in its final element.",
           "Compare with the linear reference (1):", "2 stiction: the flow hunts in auto;",
           "  in manual the cycle stops.", "3 backlash: delays each output reversal.",
           "4 equal %: SP at 20 % and 80 % (gain).", "5 drive ramp: slower response and",
           "  overshoot (the integral winds up)."});
}

void DesenhaProcessosNaoLineares(Desenho& d) {
  d.Texto({30, 50}, "Processos Não Lineares", 22, true);
  for (int k = 1; k <= 5; ++k) {
    const LinhaNaoLinear& l = kLinhasNaoLineares[static_cast<std::size_t>(k - 1)];
    const QString numero = QString::number(100 + k);
    const int x0 = l.origem.x();
    const int y0 = l.origem.y();
    const int xe = x0 + 140;  // final element
    const int xf = x0 + 370;  // flow element
    const int xc = x0 + 230;  // controller
    d.Texto({x0, y0 - 125}, QString::fromUtf8(l.legenda), 14, true);
    if (k == 5) {
      // Pump a little below the line, its discharge nozzle turning into it.
      d.Tanque(QRect(x0, y0 - 48, 56, 62), 0.6);
      d.Linha({{x0 + 56, y0 + 8}, {xe - 16, y0 + 8}}, false);
      d.Bomba({xe, y0 + 8});
      d.Linha({{xe + 22, y0}, {x0 + 440, y0}});
      d.Motor({xe, y0 - 44});
      d.Linha({{xe, y0 - 31}, {xe, y0 - 8}}, false, Desenho::kContorno);
      d.Texto({xe - 52, y0 - 40}, "VSD", 11);
      d.Sinal({{xc - 21, y0 - 85}, {xe, y0 - 85}, {xe, y0 - 57}}, true);
    } else {
      d.Linha({{x0, y0}, {x0 + 440, y0}});
      d.Valvula({xe, y0});
      d.Sinal({{xc - 21, y0 - 85}, {xe, y0 - 85}, {xe, y0 - 36}}, true);
    }
    d.Placa({xf, y0});
    d.Instrumento({xf, y0 - 45}, "FT", numero, {xf, y0}, true);
    d.Instrumento({xc, y0 - 85}, "FIC", numero);
    d.Sinal({{xf - 21, y0 - 45}, {xc, y0 - 45}, {xc, y0 - 64}});
  }
  d.Texto({540, 480}, "Pressão a montante das válvulas 1 a 4", 12);
}

const bool registradoNaoLineares =
    Registra({.arquivo = "nonlinear flow processes/nonlinear flow processes.smp",
              .monta = MontaProcessosNaoLineares,
              .desenha = DesenhaProcessosNaoLineares,
              .aquecimento = 300});

}  // namespace
}  // namespace quiv::exemplos
