#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/nucleo/expressao.h"
#include "core/nucleo/simulacao.h"
#include "core/objetos/tendencia_controlador.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
// Controller k of the plant, or nullptr when slot k is empty.
Controlador* ControladorDaMalha(const Simulacao& simulacao, int k);

}  // namespace quiv::smp

namespace quiv {

// One PID controller: reads its process value (PV) from an M-address, compares
// it with its set point (SP) and writes its output (CO) to M(n) and its clamped SP
// to M(60+n). Every value is in % of the PV's
// range; the engineering scale serves only the read-outs.
//
// The step, with T = dt (s), K = Kc (1 when the P action is off):
//
//   direct response:   e = SP − PV,  u = a·SP − PV
//   reverse response:  e = PV − SP,  u = PV − a·SP
//   (both from the unclamped PV and SP; PV and SP are then held in 0 … 100)
//
//   PV filter:   Pf[k] = tf/(tf+T)·Pf[k−1] + T/(tf+T)·PV[k]
//   P = K·u                                               clamped to ±100
//   D = Td·(e[k] − e[k−1])/T                 on the error
//   D = ∓Td·(Pf[k] − Pf[k−1])/T              on the PV (− direct, + reverse)
//       times K in the ISA structure,                      clamped to ±100
//   I[k] = I[k−1] + K·e·T/Ti   (ISA)   or   I[k−1] + e·T/Ti   (parallel)
//   CO = bias + P + I + D
//
// The integral is the only term the output limits move: when CO leaves
// COmin … COmax, I is set so that CO lands on the violated limit (reset
// clamping). In manual, CO is the operator's and I tracks CO − P − D − bias,
// so the return to automatic does not jump.
class Controlador : public ObjetoCiclo {
 public:
  static constexpr char kEnter = '\r';
  static constexpr char kEsc = '\x1b';

  // n: controller number 1 … 10, also its identity.
  Controlador(Simulacao& simulacao, int n);

  void Calcula() override;
  bool AtualizaParametros(bool MostraMensagens);

  // The object's record in the simulation file: a header line and the value
  // lines (prefix, label, value) of the form fields and the step state.
  // LeParametros reads as many lines, skipping prefix and label by their
  // length; it fills the fields and the state but applies nothing
  // (AtualizaParametros is the caller's next step). A malformed item index
  // throws Erro and leaves the lines before it read. SP and CO come back with
  // two decimals, and their edits show the text read.
  void SalvaParametros(smp::Escritor& e) const;
  void LeParametros(smp::Leitor& l);

  // Operator actions of the faceplate. Each does nothing when its condition
  // (local SP, manual output, remote SP enabled) does not hold.
  void IncrementaSPClick();
  void DecrementaSPClick();
  void SPTextKeyPress(char tecla);  // kEnter takes SPText (engineering units), kEsc restores it
  void IncrementaSaidaClick();
  void DecrementaSaidaClick();
  void MVTextKeyPress(char tecla);  // kEnter takes MVText (%), kEsc restores it
  void MVTextChange();
  void Button2Click();
  void AutoManualBTNClick();
  void LocalRemotoBTNClick();

  int Numero() const { return n_; }
  int EnderecoSaida() const { return n_; }
  int EnderecoSP() const { return 60 + n_; }

  // Engineering value of a % value on the applied scale.
  double Engenharia(double valor) const {
    return EscalaInicio + (EscalaFim - EscalaInicio) * valor / 100.0;
  }
  // A % value in engineering units with DecimaisLeitura decimals.
  std::string TextoEngenharia(double valor) const;

  const char* Label1() const { return ModoLocal ? "L" : "R"; }
  const char* Label2() const { return ModoAuto ? "A" : "M"; }

  // Form fields, as typed. Item indices are 0-based; −1 means none selected.
  std::string TagText;
  std::string Descricao;
  int VariavelSelect = 0;  // PV address − 1
  bool CheckSPR = false;
  int SPRSelect = 0;  // remote SP address − 1
  bool BackMVCheck = false;
  int BackMV = 0;  // slave MV address − 1
  std::string KpText = "1";
  std::string KiText = "10";
  std::string KdText = "0";
  std::string aText = "1";
  std::string tfText = "0";
  std::string BiasText = "50";
  bool PCHK = true;
  bool ICHK = true;
  bool DCHK = true;
  std::string COminText = "0";
  std::string COmaxText = "100";
  bool FFwSelect = false;
  std::string FFwEquation = "50";
  int Acaogroup = 1;       // 0 reverse response, 1 direct response
  int DerivadaGroup = 1;   // 0 on the error, 1 on the PV
  int EstruturaGroup = 1;  // 0 parallel, 1 ISA
  // Scale, copied from the PV address's descriptor when applied.
  std::string InicioEscala = "0";
  std::string FimEscala = "100";
  std::string UnidEng = "UE";
  // Faceplate edits: what the operator types, rewritten by the actions and
  // the step.
  std::string SPText;
  std::string MVText;

  // Applied parameters.
  double Kc = 0.0;
  double Ti = 0.0;  // s; 0 stops the integration
  double Td = 0.0;  // s
  double a = 0.0;
  double tf = 0.0;     // s
  double COmin = 0.0;  // also re-evaluated by every step
  double COmax = 0.0;
  double EscalaInicio = 0.0;
  double EscalaFim = 100.0;
  bool AcaoReversa = false;
  bool DerivadaNaPV = false;
  bool EstruturaISA = false;
  bool FFAtivo = false;
  int EnderecoPV = 1;
  int EnderecoSPR = 1;
  int DecimaisLeitura = 0;
  std::string UnitEngSP = "%";
  std::string Caption;                 // window caption: the applied tag
  std::string DescricaoText;           // faceplate title
  bool LocalRemotoHabilitado = false;  // the L/R button
  bool Button2Habilitado = false;      // "Enviar"

  // State of the step (%).
  double SP = 0.0;
  double CO = 0.0;
  double PV = 0.0;  // clamped
  double SPR = 0.0;
  double e = 0.0;
  double u = 0.0;  // input of the P action
  double P = 0.0;
  double I = 0.0;
  double D = 0.0;
  double Iant = 0.0;
  double Erroant = 0.0;
  double PVant = 0.0;
  double PVfiltro = 0.0;
  double PVfiltroAnt = 0.0;
  double Bias = 0.0;  // bias in use; the fast simulation adds its test step here
  bool ModoLocal = true;
  bool ModoAuto = false;

  // Read-outs, refreshed by the step unless the simulation runs off-line.
  int SetPointBar = 0;  // gauges of range 0 … 200: Round(2·value)
  int SaidaBar = 0;
  int VariavelBar = 0;
  int SPRBar = 0;
  std::string PVText;

  // The faceplate trend and data archive, sampled at the end of every step.
  TendenciaControlador Tendencia;

 private:
  // A text rewritten only when the value it shows changes, so the step
  // formats nothing while the plant is steady.
  struct Leitura {
    double valor = 0.0;
    int decimais = -1;
    std::size_t tamanho = 0;
    std::array<char, 352> texto{};
  };
  void Escreve(std::string& campo, Leitura& leitura, double valor, int decimais);
  void EscreveSPText();
  void EscreveMVText();
  double Celula(int endereco) const;

  Simulacao& simulacao_;
  int n_;
  Expressao exprCOmin_;
  Expressao exprCOmax_;
  Expressao exprFF_;
  Leitura leituraSP_;
  Leitura leituraMV_;
  Leitura leituraPV_;
};

// Controller k of the plant, or nullptr when slot k is empty.
Controlador* ControladorDaMalha(const Simulacao& simulacao, int k);

}  // namespace quiv
