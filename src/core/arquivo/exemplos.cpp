// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/exemplos.h"

namespace quiv {

namespace {

constexpr std::array<std::string_view, kAbasExemplos> kAbas = {
    "Vazão/Pressão", "Nível (integrador)", "Temperatura", "Multimalha", "Combustão", "Outros"};
constexpr std::array<std::string_view, kAbasExemplos> kAbasIngles = {
    "Flow/Pressure", "Level Control", "Temperature", "Multiloop", "Combustion", "Others"};

// The descriptions of the single and double cross-limit cards are each
// other's in older texts; here each card describes its own strategy, as its
// title, its file and its English text do.
constexpr std::array<CartaoExemplo, kExemplos> kCartoes = {{
    {0, "sim18", "Vazão em Duto",
     "Controle retroalimentado\n\nResposta a variação no SP e variação de carga.",
     "Resposta de malha de controle de vazão a variação em SP e variação de carga.",
     "Basic flow loop", "Feedback control\n\nLoad and SP-Change response",
     "examples/basic flow loop/basic flow loop.smp"},
    {0, "sim17", "Tubulação com By-pass",
     "Controle \"Grosso-Fino\".\n\nMelhoria de rangeabilidade e resolução em malha de vazão "
     "com acionamento simultâneo de duas válvulas.",
     "Melhoria de rangeabilidade e resolução em malha de vazão com controle grosso-fino "
     "(course-fine)",
     "Pipeline with Bypass",
     "Coarse-Fine Control\n\nResolution and rangeability improvement in flow loop with "
     "course-valve and fine-valve manipulation",
     "examples/course-fine flow loop/course-fine flow loop.smp"},
    {0, "sim8", "Pressão Header e 3 Consumidores",
     "Desacoplamento de malhas consumidoras com regulação de pressão no header (cabeçote de "
     "linha).",
     "Desacoplamento de malhas consumidoras com regulação de pressão no header (cabeçote de "
     "linha).",
     "Header pressure with 3 consumers",
     "Decoupling of line consumers with tight header pressure regulation",
     "examples/header pressure with 3 consumers/header pressure with 3 consumers.smp"},
    {0, "sim9", "Processos Não Lineares",
     "Simulação de processos operando com agarramento, histerese e curva não-linear em "
     "válvulas e limitador de aceleração em variador de velocidade",
     "Simulação de processos operando com agarramento, histerese e curva não-linear em "
     "válvulas e limitador de aceleração em variador de velocidade",
     "Nonlinear processes",
     "Simulation of processes operating with stiction, hysteresis and non-linear curve valves "
     "and limited variable speed acceleration",
     "examples/nonlinear flow processes/nonlinear flow processes.smp"},
    {1, "sim5", "Tanque com Regulação de Nível",
     "Controle regulatório em processo integrador\n\nManipulação de bomba com variador de "
     "velocidade não-linear (limitação de aceleração)",
     "", "Regulatory level", "Regulatory control in tank with nonlinear variable speed pump",
     "examples/regulatory level/regulatory level.smp"},
    {1, "sim6", "Tanque Pulmão", "Controle médio do nível em caixa de absorção de carga", "",
     "Surge Tank", "Average Level Control applied in surge tank",
     "examples/surge tank/surge tank.smp"},
    {2, "sim11", "Trocador de Calor",
     "Compensação Direta\n\nControle de temperatura em trocador de calor com compensação "
     "direta da temperatura de chegada.",
     "", "Heat exchanger",
     "Temperature control in heat exchanger with feedforward compensation on inflow "
     "temperature measure.",
     "examples/heat exchanger/heatexchanger.smp"},
    {2, "sim12", "Forno Tubular",
     "Controle retroalimentado\n\nResposta a variação de SP e distúrbio em degrau (abertura "
     "de porta). Aplicação de filtro no transmissor para uso de ação derivativa.",
     "", "Furnace Temperature", "Feedback control and noisy filtering for derivative action",
     "examples/furnace/furnace.smp"},
    {2, "sim13", "Forno Tubular II",
     "Controle Mestre-Escravo\n\nElo interno para compensação de distúrbios na vazão. "
     "Resposta a variação de SP e distúrbio em degrau (abertura de porta).",
     "", "Furnace Temperature(Master-Slave)",
     "Uses of internal feedback (cascated loop) for flow regulation",
     "examples/furnace masterslave/furnace.smp"},
    {2, "sim14", "Reator com Jaqueta",
     "Controle com Divisão de Faixa\n\nDivisão de faixa na saída do controlador de "
     "temperatura em reator com jaqueta de esfriamento e aquecimento",
     "", "Split range control",
     "Split range calculation on controller output of a reactor with heating and cooling "
     "valves.",
     "examples/splitrange control/splitrange.smp"},
    {3, "sim10", "Reator",
     "Controle de nível, temperatura e vazão de reator com elo interno e compensação direta.", "",
     "Reactor",
     "Level, temperatura and flow control of reactor using internal loop and feed forward "
     "control.",
     "examples/reactor/reactor.smp"},
    {3, "sim16", "Torre deetanizadora",
     "Controle-médio de nível em vaso separador; controle de temperatura e nível de "
     "condensado com elo interno e compensação direta; controle de pressão de topo.",
     "", "Ethane extraction plant",
     "Average Level of surge vessel; temperature and level control of condensate with cascade "
     "and feedforward links; gas pressure control.",
     "examples/ethaneplant/ethaneplant.smp"},
    {3, "sim15", "Planta de resfriamento",
     "Resfriamento de gás com controle de nível, pressão e temperatura.", "", "Cooling plant",
     "Gas cooling with level, pressure and temperature control.",
     "examples/coolingplant/coolingplant.smp"},
    {3, "sim1", "Caldeira industrial",
     "Controle de nível do tubulão a três elementos; Controle de combustão com limites "
     "cruzados; Controle de temperatura e vazão do vapor",
     "", "Industrial Boiler",
     "Cascade, FeedForward and Boiler Level Control (3-element control); Cross Limits Ratio "
     "control for combustion; Steam temperature and pressure control",
     "examples/boiler/boiler.smp"},
    {4, "sim3a", "Razão Ar/Gas básico",
     "Controle da relação Ar/Gas apenas com definição dos SP's. Não há proteção contra "
     "excesso de gas.",
     "", "Basic Ratio Control",
     "Application of basic ratio control (no protection againt excess gas)",
     "examples/combustion/ratio.smp"},
    {4, "sim3b", "Razão Ar/Gás com Limites Cruzados",
     "Controle da relação Ar/Gas com aplicação de limites cruzados simples para segurança "
     "contra excesso de gás.",
     "", "Ratio Control with Crossed Limits",
     "Application of single crossed limits for security against excess gas",
     "examples/combustion/cl.smp"},
    {4, "sim3c", "Razão Ar/Gás com Duplo Limites Cruzados",
     "Controle da relação Ar/Gas com aplicação de limites cruzados duplos para segurança "
     "contra excesso de gás e manutenção da relação estequiométrica.",
     "", "Ratio Control with Double Crossed Limits",
     "Application of double crossed limits for security against excess gas and air",
     "examples/combustion/dcl.smp"},
    {4, "sim3d", "Queima com 2 combustíveis",
     "Controle da relação Ar/Gas com aplicação de dois combustíveis sendo um preferencial "
     "(barato, porém com disponibilidade limitada) e outro complementar.",
     "", "Combustion with two fuels",
     "Ratio control with a preferencial and limited fuel and a complementar fuel",
     "examples/combustion2fuels/combustion2fuels.smp"},
    {5, "sim4", "Condutividade Linearizado",
     "Controle de condutividade em processo não-linear de lixiviação. Uso de linearizador.", "",
     "Linearized pH control", "Non-Linear pH Control for leaching. Application of characterizer",
     "examples/Linearized pH control/pHcontrol.smp"},
    {5, "sim7", "Preditor de Smith",
     "Uso de compensação de tempo morto em processo com enorme atraso de transporte", "",
     "Smith predictor", "Use of dead time compensation for process with great transport delay",
     "examples/smith predictor/smithpredictor.smp"},
    {5, "sim2", "4 Processos para Modelagem",
     "Processos com dinâmicas variadas (ordem 1, 2 subamortecido, 4 e integrador) para "
     "estudos sobre técnicas de modelagem.",
     "", "4 Processes for Modelling", "Processes with different structures for modeling exercises",
     "examples/processes to model/4processes.smp"},
    {5, "sim19", "Resposta em Frequência",
     "Simulação de uma malha de vazão submetida a SP e distúrbio com perfil senoidal.", "",
     "Frequency Response", "Flow loop simulation with variable sinusoidal SP and load changes.",
     "examples/frequency response/frequencyresponse.smp"},
}};

}  // namespace

std::string_view TituloAbaExemplos(int aba, bool ingles) {
  if (aba < 0 || aba >= kAbasExemplos) return {};
  return (ingles ? kAbasIngles : kAbas)[static_cast<std::size_t>(aba)];
}

const std::array<CartaoExemplo, kExemplos>& CartoesExemplos() { return kCartoes; }

}  // namespace quiv
