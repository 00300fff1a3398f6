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
