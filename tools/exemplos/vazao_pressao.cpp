// SPDX-License-Identifier: GPL-3.0-or-later
// The "Vazão/Pressão" tab: flow and pressure loops.
#include "core/objetos/entrada_dados.h"
#include "core/objetos/painel.h"
#include "core/objetos/registrador.h"
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

  Processo& valvula = doc.NovoProcesso(1);
  valvula.Tag = "FV-101";
  valvula.Descricao = "Válvula de controle|Control valve";
  valvula.ItemEntrada = 1 - 1;
  valvula.Tal1 = "1";
  Aplica(doc, valvula);
  Coloca(doc, TipoObjeto::Processo, 1, 452, 330);

  Bloco& passagem = doc.NovoBloco(1);
  passagem.Tag = "FY-101";
  passagem.Funcao = "M21*(M15/50)^0.5";
  Aplica(doc, passagem);

  Processo& linha = doc.NovoProcesso(2);
  linha.Tag = "FT-101";
  linha.Descricao = "Vazão na linha|Line flow";
  linha.ItemEntrada = 41 - 1;
  linha.Tal1 = "1.5";
  linha.Ganho = "1";
  Aplica(doc, linha);
  Coloca(doc, TipoObjeto::Processo, 2, 660, 330);

  Controlador& fic = NovaMalha(doc, 1, "FIC-101", "Vazão de produto|Product flow", 22, 50.0,
                               {.Kp = 0.4, .Ti = 2.5, .Td = 0.0});
  fic.TextoBias = "50";
  Aplica(doc, fic);
  Coloca(doc, TipoObjeto::Controlador, 1, 560, 140);

  Registrador& tr = doc.NovoRegistrador(1);
  tr.Tag = "FR-101";
  tr.Descricao = "Vazão de produto|Product flow";
  tr.EscolheVariavel3(0);
  tr.AplicaConfiguracao();
  Coloca(doc, TipoObjeto::Registrador, 1, 820, 140);

  NovoMostrador(doc, 1, 22, "Vazão|Flow", 1, 700, 420);
  NovoMostrador(doc, 2, 15, "Pressão|Pressure", 2, 90, 420);

  EntradaDados& pressao = doc.painel.Entrada(1);
  pressao.DefineIncluida(true);
  pressao.DefineNome("Pressão|Pressure");
  pressao.DefinePosicao(5000);
  pressao.Esquerda = 40;
  pressao.Topo = 200;

  Comenta(doc,
          {"Malha de vazão com realimentação.",
           "Experimente: mude o SP do FIC-101 e observe a resposta;",
           "mova a pressão a montante (entrada à esquerda) e veja o",
           "controlador recompor a vazão. Compare sintonias na",
           "Simulação Rápida."},
          {"Feedback flow loop.", "Try: change the FIC-101 set point and watch the response;",
           "move the upstream pressure (entry at left) and watch the",
           "controller restore the flow. Compare tunings in the", "Fast Simulation."});
}

void DesenhaVazaoEmDuto(Desenho& d) {
  d.Texto({30, 50}, "Vazão em Duto", 22, true);
  d.Linha({{20, 300}, {980, 300}});
  d.Corrente({24, 290}, "Entrada");
  d.Corrente({900, 290}, "Processo");
  d.Instrumento({120, 240}, "PI", "100", true);
  d.Sinal({{120, 261}, {120, 300}});
  d.Valvula({480, 300});
  d.Placa({700, 300});
  d.Instrumento({700, 230}, "FT", "101", true);
  d.Sinal({{700, 251}, {700, 300}});
  d.Instrumento({600, 180}, "FIC", "101");
  d.Sinal({{679, 230}, {600, 230}, {600, 201}});
  d.Sinal({{579, 180}, {480, 180}, {480, 264}}, true);
}

const bool registrado = Registra({.arquivo = "basic flow loop/basic flow loop.smp",
                                  .monta = MontaVazaoEmDuto,
                                  .desenha = DesenhaVazaoEmDuto,
                                  .aquecimento = 300});

}  // namespace
}  // namespace quiv::exemplos

namespace quiv::exemplos {
namespace {

// Coarse-fine: two identical lines whose large valve sticks (stiction 1.5 %,
// backlash 0.5 %). Line A: FIC-1701 drives the large valve alone and
// hunts. Line B: FIC-1702 drives a small bypass valve (10 % of the line's
// capacity, smooth) and VPC-1703 slowly moves the large valve to bring the
// small one back to mid-stroke.
//   M15 upstream pressure; A: M21 large valve, M42 flow through it, M22 flow
//   B: M23 large valve, M24 small valve, M41 flow through both, M25 flow
void MontaGrossoFino(Documento& doc) {
  doc.Titulo = "Tubulação com By-pass|Pipeline with Bypass";
  NovaEntrada(doc, 1, "Pressão|Pressure", "bar", 0, 10, 5, 40, 130);
  Descreve(doc, 22, "m3/h", 0, 120, "Vazão linha A|Line A flow");
  Descreve(doc, 25, "m3/h", 0, 120, "Vazão linha B|Line B flow");
  auto valvulaGrossa = [&doc](int n, const std::string& tag, int entrada, int x, int y) {
    Processo& v = NovoProcesso(doc, n, tag, "Válvula grossa|Coarse valve", entrada, 1.0, 2, 0, 0, x, y);
    v.Agarramento = "1.5";
    v.Histerese = "0.5";
    Aplica(doc, v);
  };
  valvulaGrossa(1, "FV-1701", 1, 420, 215);
  NovoBloco(doc, 2, "FY-1701", "Vazão A|Flow A", "M21*(M15/50)^0.5");
  NovoProcesso(doc, 2, "FT-1701", "Vazão A|Flow A", 42, 1.0, 1.5, 0, 0, 700, 215);
  valvulaGrossa(3, "FV-1702G", 3, 420, 455);
  NovoProcesso(doc, 4, "FV-1702F", "Válvula fina|Fine valve", 2, 1.0, 1, 0, 0, 420, 560);
  NovoBloco(doc, 1, "FY-1702", "Vazão B|Flow B", "(0.9*M23+0.1*M24)*(M15/50)^0.5");
  NovoProcesso(doc, 5, "FT-1702", "Vazão B|Flow B", 41, 1.0, 1.5, 0, 0, 700, 455);
  NovaMalha(doc, 1, "FIC-1701", "Só válvula grossa|Coarse valve only", 22, 50.0,
            {.Kp = 0.3, .Ti = 3.0});
  NovaMalha(doc, 2, "FIC-1702", "Válvula fina|Fine valve", 25, 50.0, {.Kp = 3.0, .Ti = 3.0});
  // The large valve follows slowly: integral action on the small valve's
  // position, whose rise asks for more opening.
  NovaMalha(doc, 3, "VPC-1703", "Posição da fina|Fine valve position", 2, 50.0,
            {.Kp = 0.05, .Ti = 40.0}, /*reversa=*/true);
  Coloca(doc, TipoObjeto::Controlador, 1, 560, 130);
  Coloca(doc, TipoObjeto::Controlador, 2, 560, 370);
  Coloca(doc, TipoObjeto::Controlador, 3, 230, 370);
  NovoRegistro(doc, 1, "FR-1701", 1, 880, 130);
  NovoRegistro(doc, 2, "FR-1702", 2, 880, 370);
  NovoMostrador(doc, 1, 22, "Vazão A|Flow A", 1, 820, 260);
  NovoMostrador(doc, 2, 25, "Vazão B|Flow B", 1, 820, 500);
  Comenta(doc,
          {"Controle grosso-fino. As duas linhas têm",
           "a mesma válvula grande, com agarramento.",
           "Linha A: o FIC-1701 move só a válvula",
           "grande e a vazão fica oscilando (caça).",
           "Linha B: o FIC-1702 move a válvula fina",
           "do by-pass e o VPC-1703 leva a grande,",
           "devagar, a deixar a fina no meio do curso.",
           "Compare a variabilidade das duas vazões."},
          {"Coarse-fine control. Both lines have the",
           "same large valve, with stiction.",
           "Line A: FIC-1701 moves the large valve",
           "alone and the flow hunts.",
           "Line B: FIC-1702 moves the small bypass",
           "valve and VPC-1703 slowly moves the large",
           "one so the small stays mid-stroke.",
           "Compare the variability of both flows."});
}

void DesenhaGrossoFino(Desenho& d) {
  d.Texto({30, 50}, "Tubulação com By-pass", 22, true);
  d.Texto({200, 180}, "A: só válvula grossa", 14, true);
  d.Linha({{200, 250}, {980, 250}});
  d.Valvula({450, 250});
  d.Placa({700, 250});
  d.Instrumento({640, 200}, "FT", "1701", true);
  d.Sinal({{661, 200}, {700, 200}, {700, 250}});
  d.Texto({200, 420}, "B: grossa + fina (by-pass)", 14, true);
  d.Linha({{200, 490}, {980, 490}});
  d.Linha({{350, 490}, {350, 590}, {550, 590}, {550, 490}}, false);
  d.Valvula({450, 490});
  d.Valvula({450, 590});
  d.Placa({700, 490});
  d.Instrumento({640, 440}, "FT", "1702", true);
  d.Sinal({{661, 440}, {700, 440}, {700, 490}});
  d.Instrumento({330, 400}, "VPC", "1703");
  d.Sinal({{351, 400}, {450, 400}, {450, 454}}, true);
}

const bool grossoFino = Registra({.arquivo = "course-fine flow loop/course-fine flow loop.smp",
                                  .monta = MontaGrossoFino,
                                  .desenha = DesenhaGrossoFino,
                                  .aquecimento = 600});

// Header with three consumers: PIC-801 holds the header pressure on the
// supply valve; FIC-802 … 804 hold each consumer's flow, which depends on the
// pressure. A consumer's change moves the pressure and, through it, the
// others. Decoupling (data entry 1, 0 … 100 %): the supply valve's bias
// follows the consumers' total flow, so the header is fed before its pressure
// falls.
//   M21 supply valve; M22 … M24 consumer valves; M25 header pressure
//   M41 … M43 consumer flows v·√(P/50); M44 net flow into the header
void MontaHeader(Documento& doc) {
  doc.Titulo = "Pressão Header e 3 Consumidores|Header pressure with 3 consumers";
  NovaEntrada(doc, 1, "Desacopl.|Decoupling", "%", 0, 100, 100, 40, 130);
  Descreve(doc, 25, "bar", 0, 10, "Pressão do header|Header pressure");
  NovoProcesso(doc, 1, "PV-801", "Válvula de suprimento|Supply valve", 1, 1.0, 2, 0, 0, 250, 300);
  for (int i = 1; i <= 3; ++i) {
    const std::string ii = std::to_string(i + 1);
    Descreve(doc, 40 + i, "m3/h", 0, 100, "Consumidor " + std::to_string(i) + "|Consumer " + std::to_string(i));
    NovoProcesso(doc, i + 1, "FV-80" + ii, "Válvula do consumidor|Consumer valve", i + 1, 1.0, 1, 0,
                 0, 720, 80 + 150 * i - 40);
    NovoBloco(doc, i, "FT-80" + ii, "Vazão do consumidor|Consumer flow",
              "M2" + ii + "*(M25/50)^0.5");
  }
  NovoBloco(doc, 4, "PY-801", "Vazão líquida no header|Net header flow", "M21-(M41+M42+M43)/3");
  Processo& header = NovoProcesso(doc, 5, "PT-801", "Header|Header", 44, 0.08, 0, 0, 0, 420, 180);
  header.TipoFuncao = Processo::kIntegrador;
  header.ValorInicial = "50";
  Aplica(doc, header);
  Controlador& pic = NovaMalha(doc, 1, "PIC-801", "Pressão do header|Header pressure", 25, 50.0,
                               {.Kp = 2.0, .Ti = 8.0});
  pic.HabilitaFF = true;
  pic.EquacaoFF = "50+((M41+M42+M43)/3-50)*M15/100";
  Aplica(doc, pic);
  Coloca(doc, TipoObjeto::Controlador, 1, 250, 180);
  const double sps[] = {50.0, 40.0, 60.0};
  for (int i = 1; i <= 3; ++i) {
    const std::string ii = std::to_string(i + 1);
    NovaMalha(doc, i + 1, "FIC-80" + ii, "Consumidor " + std::to_string(i) + "|Consumer " + std::to_string(i),
              40 + i, sps[i - 1], {.Kp = 0.4, .Ti = 2.0});
    Coloca(doc, TipoObjeto::Controlador, i + 1, 860, 80 + 150 * i - 40);
    NovoMostrador(doc, i, 40 + i, "Vazão|Flow", 1, 860, 80 + 150 * i + 5);
  }
  NovoRegistro(doc, 1, "PR-801", 1, 250, 420);
  NovoMostrador(doc, 4, 25, "Header", 2, 420, 250);
  Comenta(doc,
          {"Header de vapor com três consumidores. O",
           "PIC-801 regula a pressão pela válvula de",
           "suprimento; cada FIC segura a vazão de um",
           "consumidor, que depende da pressão.",
           "Experimente: mude o SP de um consumidor",
           "com desacoplamento 0 % e 100 % e compare",
           "o quanto os outros e a pressão se mexem."},
          {"Steam header with three consumers.",
           "PIC-801 holds the pressure on the supply",
           "valve; each FIC holds one consumer's",
           "flow, which depends on the pressure.",
           "Try: change one consumer's SP with 0 %",
           "and 100 % decoupling and compare how",
           "much the others and the pressure move."});
}

void DesenhaHeader(Desenho& d) {
  d.Texto({30, 50}, "Pressão Header e 3 Consumidores", 22, true);
  d.Linha({{200, 330}, {400, 330}}, true, Desenho::kGas);
  d.Corrente({200, 320}, "Suprimento");
  d.Valvula({300, 330});
  d.VasoHorizontal({400, 290, 200, 80});
  d.Instrumento({500, 240}, "PT", "801", true);
  d.Sinal({{500, 261}, {500, 290}});
  d.Sinal({{479, 240}, {360, 240}, {360, 200}, {330, 200}});
  d.Sinal({{250, 202}, {230, 202}, {230, 300}, {288, 300}, {288, 318}}, true);
  for (int i = 1; i <= 3; ++i) {
    const int y = 80 + 150 * i - 30;
    d.Linha({{600, 330}, {640, 330}, {640, y}, {980, y}}, true, Desenho::kGas);
    d.Valvula({760, y});
    d.Corrente({900, y - 10}, QStringLiteral("Consumidor %1").arg(i));
  }
}

const bool header = Registra(
    {.arquivo = "header pressure with 3 consumers/header pressure with 3 consumers.smp",
     .monta = MontaHeader,
     .desenha = DesenhaHeader,
     .aquecimento = 600});

// Nonlinear processes: four flow loops alike but for their final element:
// a sticky valve (stiction 2 %), a valve with backlash (hysteresis 3 %), an
// equal-percentage valve, and a pump drive limited to 1 %/s.
//   loop k: valve/drive M(19+2k), flow M(20+2k)
void MontaNaoLineares(Documento& doc) {
  doc.Titulo = "Processos Não Lineares|Nonlinear processes";
  const struct {
    const char* valvula;
    const char* descricao;
    const char* malha;
  } linhas[] = {{"FV-901", "Agarramento|Stiction", "FIC-901"},
                {"FV-902", "Histerese|Hysteresis", "FIC-902"},
                {"FV-903", "Igual porcentagem|Equal percentage", "FIC-903"},
                {"SC-904", "Inversor 1 %/s|Drive 1 %/s", "FIC-904"}};
  for (int k = 1; k <= 4; ++k) {
    const int y = 80 + 120 * (k - 1) + 40;
    const auto& l = linhas[k - 1];
    Processo& v = NovoProcesso(doc, 2 * k - 1, l.valvula, l.descricao, k, 1.0, 1, 0, 0, 400, y + 20);
    if (k == 1) v.Agarramento = "2";
    if (k == 2) v.Histerese = "3";
    if (k == 3) v.TipoValvula = Processo::kIgualPorcentagem;
    if (k == 4) v.LimiteTaxa = "1";
    Aplica(doc, v);
    Descreve(doc, 20 + 2 * k, "m3/h", 0, 120, std::string("Vazão ") + l.malha);
    NovoProcesso(doc, 2 * k, "FT-90" + std::to_string(k), "Vazão|Flow", 19 + 2 * k, 1.0, 1.5, 0, 0,
                 620, y + 20);
    NovaMalha(doc, k, l.malha, l.descricao, 20 + 2 * k, 50.0, {.Kp = 0.4, .Ti = 3.0});
    Coloca(doc, TipoObjeto::Controlador, k, 200, y - 12);
    NovoMostrador(doc, k, 20 + 2 * k, "Vazão|Flow", 1, 760, y - 14);
  }
  NovoRegistro(doc, 1, "FR-901", 1, 880, 108);
  NovoRegistro(doc, 2, "FR-902", 2, 880, 228);
  NovoRegistro(doc, 3, "FR-903", 3, 880, 348);
  NovoRegistro(doc, 4, "FR-904", 4, 880, 468);
  Comenta(doc,
          {"Quatro malhas de vazão iguais, exceto o",
           "elemento final: 1) válvula com agarramento",
           "(ciclo limite); 2) válvula com histerese;",
           "3) válvula de igual porcentagem (o ganho",
           "muda com a vazão); 4) inversor com limite",
           "de aceleração de 1 %/s. Experimente mudar",
           "os SPs e compare as respostas."},
          {"Four equal flow loops but for the final",
           "element: 1) sticky valve (limit cycle);",
           "2) valve with backlash; 3) equal-",
           "percentage valve (the gain changes with",
           "flow); 4) drive with a 1 %/s rate limit.",
           "Try changing the SPs and compare the",
           "responses."});
}

void DesenhaNaoLineares(Desenho& d) {
  d.Texto({30, 50}, "Processos Não Lineares", 22, true);
  for (int k = 1; k <= 4; ++k) {
    const int y = 80 + 120 * (k - 1) + 40;
    d.Linha({{300, y}, {980, y}});
    if (k == 4) {
      d.Bomba({440, y - 2});
    } else {
      d.Valvula({440, y});
    }
    d.Placa({680, y});
    d.Sinal({{680, y}, {680, y - 30}, {240, y - 30}, {240, y - 12}});
  }
}

const bool naoLineares = Registra({.arquivo = "nonlinear flow processes/nonlinear flow processes.smp",
                                   .monta = MontaNaoLineares,
                                   .desenha = DesenhaNaoLineares,
                                   .aquecimento = 600});

}  // namespace
}  // namespace quiv::exemplos
