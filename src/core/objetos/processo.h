// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/nucleo/expressao.h"
#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

// The process block's form fields, as typed: what its window shows and edits,
// what the file stores, what an apply takes over (and undo puts back).
struct FormularioProcesso {
  TextoBilingue Tag;        // TagText (both languages; see TextoBilingue)
  TextoBilingue Descricao;  // DescricaoText
  int ItemEntrada = 0;      // EntradaSelect: address − 1; −1 none selected
  std::string Ganho = "1";  // GanhoText
  std::string TempoMorto = "0";
  int TipoFuncao = 0;               // Processo::kSobreamortecido; ComboBox2: transfer function type
  std::string Tal1 = "10";          // LText, live
  std::string Tal2 = "0";           // Ctext, live
  std::string TextoNC = "1";        // NCText
  std::string TextoPeriodo = "10";  // PeriodoText
  std::string Lead = "0";           // LEAD, live
  std::string Lag = "0";            // LAG, live
  std::string ValorInicial = "0";   // ValorInicialText
  int TipoValvula = 0;              // Processo::kLinear; ComboBox1: gain curve type
  std::string Histerese = "0";
  std::string Agarramento = "0";            // valveStext
  std::string ConstanteTempoAtuador = "0";  // tal
  std::string LimiteTaxa = "0";             // ratetext: rate limit, live
  bool SaturadorDesligado = false;          // CheckBox1: saturator disabled, live
};

// One process block: a final control element with its nonlinearities, a dead
// time, a linear transfer function, a 0 … 100 % saturation and a static gain.
//
// Every step reads its input address X0 (in %) and writes its output address
// N (M21 … M40 for blocks 1 … 20, M71 … M74 for blocks 21 … 24) and its
// actuator position PosicaoAtuador(n). dt is the step in seconds; "round to
// 0.1" is nearbyint(10·v)/10 with halves to the even neighbour.
//
// The chain of one step, in order:
//   hysteresis H (%):   a rising input is followed H below it (on the input
//                       rounded to 0.1), a falling one exactly; reversals inside
//                       the band leave Xh where it is.
//   stiction S (%):     detection filter Xf ← 0.5/(0.5+dt)·Xf + dt/(0.5+dt)·Xh;
//                       more than 4 consecutive steps in which Xf rounded to 0.1
//                       moves less than 0.2 make the element stick (when S > 0);
//                       it stays at Xs until |Xs − Xh| ≥ S.
//   rate limit R (%/s): Xr moves toward Xs by at most |R|·dt; R = 0 means none.
//   gain curve:         Xv = f(Xr) (linear, quick opening, equal percentage, S1,
//                       S2), not clamped.
//   actuator lag Ta(s): Xa ← Ta/(Ta+dt)·Xa + dt/(Ta+dt)·Xv (backward Euler).
//   dead time D (s):    Xd = Xa of round(D/dt) steps ago, from a 10 000-slot ring;
//                       the step count is held within 0 … 9999 so it never
//                       leaves the ring (10 000 would silently mean no delay).
//   transfer function:  on x = Xd, then clamped to 0 … 100 unless the saturator
//                       is disabled:
//     0 overdamped      two lags T1, T2 in series: the first in bilinear form
//                       IntAc1 ← ((2T1−dt)·IntAc1 + dt·(x + x₋₁)) / (2T1+dt),
//                       the second backward Euler
//                       IntAc2 ← (T2·IntAc2 + dt·IntAc1)/(T2+dt); T = 0 passes.
//     1 underdamped     ω = 6.283/Period, ζ = 0.6/NC (1 when NC = 0):
//                       y ← ((2+2ζωdt)·y₋₁ − y₋₂ + ω²dt²·x)/(1 + 2ζωdt + ω²dt²).
//     2 lead-lag        y ← (G·y₋₁ + (dt+L)·x − L·x₋₁)/(dt+G), (L s + 1)/(G s + 1).
//     3 integrator      y ← y₋₁ + K·dt·x.
//   gain K:             Y2 = K·y (types 0 … 2) or y (type 3, K is inside).
//
// Where a time constant makes a denominator exactly 0 (Ta = −dt, T1 = −dt/2,
// T2 = −dt, Lag = −dt) the stage keeps its previous value instead of writing an
// infinity into the plant; Period = 0 (ω infinite) passes x through, which is
// the limit of the underdamped form for ω → ∞.
//
// Parameters come in three kinds: the form fields below are what the window
// shows and the file stores; "live" fields (Tal1, Tal2, Lead, Lag, LimiteTaxa,
// SaturadorDesligado) are read by every step; the others act only after
// AtualizaParametros took them over (the applied parameters). The gain and the
// dead time are expression texts taken over at apply and evaluated every step.
class Processo : public ObjetoCiclo, public FormularioProcesso {
 public:
  static constexpr int kTamanhoBuffer = 10000;  // dead-time ring slots
  static constexpr int kMaximoPassosTM = kTamanhoBuffer - 1;

  enum TipoTransferencia {
    kSobreamortecido = 0,
    kSubamortecido = 1,
    kLeadLag = 2,
    kIntegrador = 3
  };
  enum TipoCurvaGanho {
    kLinear = 0,
    kAberturaRapida = 1,
    kIgualPorcentagem = 2,
    kCurvaS1 = 3,
    kCurvaS2 = 4
  };

  // Block n (1 … 24) of the plant.
  Processo(Simulacao& simulacao, int n);

  int Numero() const { return n_; }
  // Identity and output address N.
  int Identidade() const { return identidade_; }

  void Calcula() override;
  std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const override {
    return CopiaObjeto(*this, destino, n_);
  }
  void AssumeEstado(const ObjetoCiclo& origem) override { AssumeEstadoObjeto(*this, origem); }

  // Takes the form fields over and checks them; hands the text of each failed
  // check to simulacao.Informa when MostraMensagens. True when all passed.
  // The values read are in force whatever the result; only the identification
  // (the output address's description and the labels) waits for success.
  bool AtualizaParametros(bool MostraMensagens);

  // The object's record in the simulation file: a header line and the value
  // lines (prefix, label, value) of the form fields and the step state.
  // LeParametros reads as many lines, skipping prefix and label by their
  // length; it fills the fields and the state but applies nothing
  // (AtualizaParametros is the caller's next step). A malformed item index
  // throws Erro and leaves the lines before it read. Cycle count and period
  // share one line ("NCxPeriod"); a loaded Y2 also fills every BufTM slot.
  void SalvaParametros(smp::Escritor& e) const;
  void LeParametros(smp::Leitor& l);

  // The window's initial-value edit changed: the integrator restarts from it
  // at the next apply.
  void DefineValorInicial(std::string_view texto);
  // The description the window shows: the output address's current one.
  // When that is the half shown of a two-language description, both
  // languages stay.
  void CarregaDescricao();

  // The value of a curve type at x (types outside 0 … 4 are linear).
  static double CurvaGanho(int tipo, double x);
  // Number of dead-time steps for D seconds: round(D/dt) held within
  // 0 … kMaximoPassosTM, so every delay reads inside the ring (a NaN gives 0).
  static int PassosTempoMorto(double D, double dt);

  // ---- applied parameters ----
  int Entrada = 1;  // input address 1 … 99
  int TipoFT = kSobreamortecido;
  int TipoCurva = kLinear;
  double H = 0.0;
  double S = 0.0;
  double Ta = 0.0;
  double NC = 1.0;
  double Periodo = 10.0;
  const std::string& TextoGanho() const { return ganho_.Texto(); }
  const std::string& TextoTempoMorto() const { return tempoMorto_.Texto(); }

  // ---- identification, set by a successful apply ----
  std::string Identificacao;         // Label9: Tag + " " + description
  std::string RotuloSaida;           // Label22: "(M" + N + ")"
  std::string RotuloPosicaoAtuador;  // Label2: "(M" + (100 + n) + ")"
  std::string Caption;               // window caption: the description

  // ---- step state (the window shows X0, Xa and Y2 with two decimals) ----
  double X0 = 0.0;
  double Y2 = 0.0;
  double Y0old = 0.0;
  double Y1old = 0.0;
  double Y1old2 = 0.0;
  double x5old = 0.0;
  double IntAc1 = 0.0;
  double IntAc2 = 0.0;
  double Xh = 0.0;
  double XhRef = 0.0;
  double Xf = 0.0;
  double Xfr = 0.0;
  std::int32_t ContaEstavel = 0;
  bool Agarrado = false;
  double Xs = 0.0;
  double Xr = 0.0;
  double Xa = 0.0;
  std::array<double, kTamanhoBuffer + 1> BufTM{};  // slots 1 … 10000; 0 unused
  std::int32_t IndTM = 0;                          // last slot written, 0 before the first step
  bool InicialPendente = false;

 private:
  // Clamps to 0 … 100 in place unless the saturator is disabled.
  void Satura(double& v) const;
  double FuncaoTransferencia(double x, double K);

  Vinculo<Simulacao> simulacao_;
  int n_;
  int identidade_;

  Expressao ganho_;
  Expressao tempoMorto_;
  Expressao tal1_;
  Expressao tal2_;
  Expressao lead_;
  Expressao lag_;
  Expressao rate_;
};

}  // namespace quiv
