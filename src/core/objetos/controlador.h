// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/nucleo/expressao.h"
#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"
#include "core/objetos/tendencia_controlador.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
// Controller k of the plant, or nullptr when slot k is empty.
Controlador* ControladorDaMalha(const Simulacao& simulacao, int k);

}  // namespace quiv::smp

namespace quiv {

// The plant has loops 1 … kMalhas: controller k writes its output to M(k)
// and its set point to M(EnderecoSPDaMalha(k)).
inline constexpr int kMalhas = Simulacao::kControladores;
constexpr int EnderecoSPDaMalha(int k) { return 60 + k; }

// The controller's configuration form, as typed: what its configuration
// window shows and edits, what the file stores, what an apply takes over
// (and undo puts back). Item indices are 0-based; −1 means none selected.
// Tag and description may hold both languages ("Malha|Loop"); the caption,
// the faceplate and the address descriptions take the half of the interface
// language.
struct FormularioControlador {
  TextoBilingue Tag;  // TagText
  TextoBilingue Descricao;
  int ItemPV = 0;                  // VariavelSelect: PV address − 1
  bool HabilitaSPR = false;        // CheckSPR: remote SP offered
  int ItemSPR = 0;                 // SPRSelect: remote SP address − 1
  bool HabilitaBackMV = false;     // BackMVCheck: slave feedback on
  int ItemBackMV = 0;              // BackMV: slave MV address − 1
  std::string TextoKp = "1";       // KpText
  std::string TextoTi = "10";      // KiText
  std::string TextoTd = "0";       // KdText
  std::string TextoFatorA = "1";   // aText
  std::string TextoTf = "0";       // tfText
  std::string TextoBias = "50";    // BiasText
  bool AcaoP = true;               // PCHK
  bool AcaoI = true;               // ICHK
  bool AcaoD = true;               // DCHK
  std::string TextoCOmin = "0";    // COminText
  std::string TextoCOmax = "100";  // COmaxText
  bool HabilitaFF = false;         // FFwSelect
  std::string EquacaoFF = "50";    // FFwEquation
  int ItemAcao = 1;                // Acaogroup: 0 reverse response, 1 direct response
  int ItemDerivada = 1;            // DerivadaGroup: 0 on the error, 1 on the PV
  int ItemEstrutura = 1;           // EstruturaGroup: 0 parallel, 1 ISA
  // Scale, copied from the PV address's descriptor when applied.
  std::string InicioEscala = "0";
  std::string FimEscala = "100";
  std::string UnidEng = "UE";

  bool operator==(const FormularioControlador&) const = default;
};

// One PID controller: reads its process value (PV) from an M-address, compares
// it with its set point (SP) and writes its output (CO) to M(n) and its clamped SP
// to M(EnderecoSPDaMalha(n)) = M(60+n). Every value is in % of the PV's
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
//   I[k] = I[k−1]   (held, automatic only) when Ti = 0, when the I action
//                   is off, or in cascade: with the slave feedback on
//                   (HabilitaBackMV), unless the slave's MV, read every step
//                   from the "BackMV" address ItemBackMV + 1, is strictly
//                   between 0.1 and 99.9 (%): MV ≤ 0.1, MV ≥ 99.9, NaN, or
//                   an address outside 1 … Memoria::kEnderecos (read as 0)
//                   hold the integral
//   bias = the feed-forward equation (EquacaoFF, read live) evaluated every
//          step when the applied feed-forward is on: its value replaces the
//          bias in use and stays there; otherwise the bias applied
//   CO = bias + P + I + D
//
// The integral is the only term the output limits move: when CO leaves
// COmin … COmax, I is set so that CO lands on the violated limit (reset
// clamping). In manual, CO is the operator's and I tracks CO − P − D − bias,
// so the return to automatic does not jump.
class Controlador : public ObjetoCiclo, public FormularioControlador {
 public:
  static constexpr char kEnter = '\r';
  static constexpr char kEsc = '\x1b';

  // n: controller number 1 … kMalhas, also its identity.
  Controlador(Simulacao& simulacao, int n);

  void Calcula() override;
  std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const override {
    return CopiaObjeto(*this, destino, n_);
  }
  void AssumeEstado(const ObjetoCiclo& origem) override { AssumeEstadoObjeto(*this, origem); }
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
  void IncrementaSP();
  void DecrementaSP();
  void TeclaSP(char tecla);  // kEnter takes TextoSP (engineering units), kEsc restores it
  void IncrementaSaida();
  void DecrementaSaida();
  void TeclaMV(char tecla);  // kEnter takes TextoMV (%), kEsc restores it
  void TextoMVAlterado();    // the operator typed in the output edit
  void Envia();              // "Enviar": takes TextoMV (%)
  void AlternaAutoManual();
  void AlternaLocalRemoto();

  int Numero() const { return n_; }
  int EnderecoSaida() const { return n_; }
  int EnderecoSP() const { return EnderecoSPDaMalha(n_); }

  // Engineering value of a % value on the applied scale.
  double Engenharia(double valor) const {
    return EscalaInicio + (EscalaFim - EscalaInicio) * valor / 100.0;
  }
  // A % value in engineering units with DecimaisLeitura decimals.
  std::string TextoEngenharia(double valor) const;

  const char* TextoLocalRemoto() const { return ModoLocal ? "L" : "R"; }  // Label1
  const char* TextoAutoManual() const { return ModoAuto ? "A" : "M"; }    // Label2

  // Faceplate edits: what the operator types, rewritten by the actions and
  // the step.
  std::string TextoSP;  // SPText
  std::string TextoMV;  // MVText

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
  std::string DescricaoAplicada;       // DescricaoText: faceplate title
  bool LocalRemotoHabilitado = false;  // the L/R button
  bool EnviarHabilitado = false;       // Button2: "Enviar"

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
  int BarraSP = 0;      // SetPointBar; gauges of range 0 … 200: Round(2·value)
  int BarraSaida = 0;   // SaidaBar
  int BarraPV = 0;      // VariavelBar
  int BarraSPR = 0;     // SPRBar
  std::string TextoPV;  // PVText

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
  void EscreveTextoSP();
  void EscreveTextoMV();
  double Celula(int endereco) const;

  Vinculo<Simulacao> simulacao_;
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
