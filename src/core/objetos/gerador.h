// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/nucleo/aleatorio.h"
#include "core/nucleo/expressao.h"
#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

class Verificacoes;

// One channel of the signal generator: the texts and choices of its row in the
// window, as typed, and the numbers held since the last apply.
class CanalGerador {
 public:
  // Form fields of the row, as typed. Min and Max exist on channels
  // M81 … M90 only.
  int Tipo = 0;                      // M81Tipo
  TextoBilingue Desc = "Descrição";  // M81Desc; the half of the interface language is used
  std::string Min = "Min.";          // M81Min
  std::string Max = "Máx.";          // M81Max
  int ItemDigital = 0;               // M81ValorDig: 0/1 choice; item 1 means 1, anything else 0
  int Posicao = 0;                   // M81UpDown: the arrows' position, 0 … 100

  // The value edit (M81Valor). The step shows numbers there with two decimals
  // and an apply reads them back; the text is written only when read, so the
  // step itself formats nothing.
  const std::string& Valor() const;
  void DefineValor(std::string texto);
  void Mostra(double v) {
    mostrado_ = v;
    pendente_ = true;
  }

  // Held numbers, by type (see Gerador).
  double Minimo = 0.0;     // lower bound; initial value of the random walk
  double Maximo = 0.0;     // upper bound; step gain of the random walk
  double ParamDesc = 0.0;  // time constant (3), period (5), band half-width (6)
  double ValorRW = 0.0;
  double Alvo = 0.0;
  double Filtro = 0.0;
  double TempoSeno = 0.0;  // s
  std::string ExpressaoCanal;

 private:
  mutable std::string valor_ = "Valor";
  mutable double mostrado_ = 0.0;
  mutable bool pendente_ = false;
};

// The form part of a channel's row: what its window edits and the file stores
// (type, description, range and the value edit's text), as typed. The 0/1
// choice and the arrows' position are not part of it: they move the value of
// the running plant.
struct FormularioCanal {
  int Tipo = 0;                      // M81Tipo
  TextoBilingue Desc = "Descrição";  // M81Desc
  std::string Min = "Min.";          // M81Min
  std::string Max = "Máx.";          // M81Max
  std::string Valor = "Valor";       // M81Valor

  bool operator==(const FormularioCanal&) const = default;
};

// What the window shows of a row for a type (MudaTipo's arrangement).
struct ArranjoCanal {
  bool SetasVisiveis = false;  // the up/down arrows
  bool MinMaxVisiveis = false;
  int LarguraDesc = 161;
  bool EscolhaDigitalVisivel = false;  // the 0/1 choice
  bool ValorVisivel = true;
  bool ValorHabilitado = false;
  int EsquerdaValor = 296;
  int LarguraValor = 57;
};

// The signal generator: 16 channels, channel c writing M(c), c = 81 … 96.
// Channels M81 … M85 offer types 0 … 9, M86 … M90 types 0 … 6, M91 … M96
// types 0 and 1. A type index a channel does not offer selects nothing: no
// step, no value, no arrangement.
//
// Step of channels M81 … M90, type read live every cycle; r(n) is a uniform
// integer in 0 … n−1, dt the step in s, "show" puts the value in Valor:
//   0, 1  constants: nothing (the apply wrote the value)
//   2  fast random:   v = Min + (Max−Min)/10000·r(10000) every cycle
//   3  medium random: if 500·dt/0.1 > r(30000): Alvo = Min + (Max−Min)/10000·r(10000)
//                     Filtro = T/(T+dt)·Filtro + dt/(T+dt)·Alvo, T = max(ParamDesc, 0)
//                     (a new target about every 6 s of simulated time)
//   4  slow random:   if 30·dt/0.1 > r(30000): v = Min + (Max−Min)/10000·r(10000)
//                     (about every 100 s); otherwise the output holds
//   5  sine:          t += dt (back to 0 above 1e8 s); P = Desc evaluated live;
//                     v = Min + (sin(2π·t/P) + 1)/2·(Max−Min), or 0 when P = 0
//   6  random walk:   ValorRW += (r(10000)/5000 − 1)·Max; back to Min when it
//                     leaves Min ± ParamDesc
//   7  expression value, 8 ln(value) when value > 0 (else the cell holds),
//   9  exp(value); an exp beyond the double range raises the overflow Erro.
class Gerador : public ObjetoCiclo {
 public:
  static constexpr int kPrimeiro = 81;
  static constexpr int kUltimo = 96;
  static constexpr int kUltimoComFaixa = 90;  // last channel with Min/Max and a step

  // Draws from the plant's random source.
  explicit Gerador(Simulacao& simulacao);
  // Draws from a source owned elsewhere.
  Gerador(Simulacao& simulacao, Aleatorio& aleatorio);

  static constexpr int kCanais = kUltimo - kPrimeiro + 1;
  // The rows of M81 … M96, in order.
  using Formulario = std::array<FormularioCanal, kCanais>;

  CanalGerador& Canal(int endereco) { return canais_[endereco - kPrimeiro]; }
  const CanalGerador& Canal(int endereco) const { return canais_[endereco - kPrimeiro]; }
  Aleatorio& Sorteio() { return *aleatorio_; }

  // Number of types channel `endereco` offers (10, 7 or 2).
  static int TiposOferecidos(int endereco);
  // The channel's type, or −1 when its index is not one the channel offers.
  int TipoEfetivo(int endereco) const { return TipoEfetivo(endereco, Canal(endereco).Tipo); }
  static int TipoEfetivo(int endereco, int tipo);
  static ArranjoCanal Arranjo(int tipo);

  // A simulation file is being read: MudaTipo keeps the texts just read.
  bool Carregando = false;

  void Calcula() override;
  std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const override {
    return CopiaObjeto(*this, destino);
  }
  void AssumeEstado(const ObjetoCiclo& origem) override { AssumeEstadoObjeto(*this, origem); }
  // The step of channel `endereco` (M81 … M90) when it is an equation
  // channel (types 7 … 9); any other channel is left alone. Those channels
  // keep no state but their cell, so a load computes them before the first
  // scan without moving the random source, a sine's clock or a filter.
  void CalculaCanalEquacao(int endereco);

  // Takes every channel's row over, M81 … M96 (no checks, no messages).
  void AtualizaParametros();

  // The rows as they stand, and one row's form replaced as given, type
  // included, without adapting or applying anything.
  FormularioCanal Linha(int endereco) const;
  Formulario Linhas() const;
  void DefineLinha(int endereco, const FormularioCanal& linha);

  // The captions MudaTipo writes into a row for the row's type, for a
  // window's draft of it.
  static void LegendasDoTipo(int endereco, FormularioCanal& linha);

  // The window's "Atualiza", checked. Every row that differs from its
  // channel's is checked on the texts the channel reads for the row's type:
  //   0     the value evaluates (as a constant: no addresses)
  //   2 … 6 Min and Max are plain numbers (M81 … M90)
  //   3, 6  the time constant, the band (the description edit) plain numbers
  //   5     the period (the description edit) evaluates on the cells
  //   7 … 9 the expression evaluates on the cells
  // A plain number is the whole text, blanks around it aside, read as the
  // channel reads it (a point, no comma). Each failed field reaches the
  // message sink when MostraMensagens, as "Gerador de Sinais M83: Min
  // inválido". Only when all pass are the rows taken over (a new type first
  // adapts its channel as MudaTipo does) and every channel applied. Returns
  // whether they passed.
  bool AtualizaFormulario(const Formulario& linhas, bool MostraMensagens);

  // Adapts a channel to its type: clears Min, Max, ParamDesc and ValorRW
  // (M81 … M90) until the next apply, writes the type name as the address's
  // description and the type's captions into the row's edits; while
  // Carregando only the descriptions of types 2 … 5 are written.
  void MudaTipo(int endereco);

  // Record of the simulation file: "<Parametros>", then five lines per
  // channel, M81 … M96, each "{P/kk} " and a value: type index, description,
  // Min, Max (both "/" on M91 … M96, which have no range) and the value edit.
  void SalvaParametros(smp::Escritor& e) const;
  // Reads the 81 lines back into the rows (type 1 also takes the value as its
  // 0/1 choice, type 3 on M81 … M90 as its filtered value), then arranges
  // every row for its type while Carregando, M81 first, and applies.
  // A malformed type of M81 or M82, or a malformed 0/1 value, throws Erro.
  void LeParametros(smp::Leitor& l);

  // One click on the up/down arrows: moves the position by one within
  // 0 … 100, writes it into Valor and applies.
  void MovePosicao(int endereco, bool sobe);
  // An item of the 0/1 choice picked: selects it and applies.
  void EscolheDigital(int endereco, int item);

 private:
  void Passo(int endereco, CanalGerador& canal, int tipo);
  void VerificaLinha(int endereco, const FormularioCanal& linha, Verificacoes& v) const;
  void Aplica(int endereco, CanalGerador& canal);

  Vinculo<Simulacao> simulacao_;
  Vinculo<Aleatorio> aleatorio_;
  std::array<CanalGerador, kCanais> canais_{};
  // Compiled forms of the expression (types 7 … 9) and of the sine's period.
  std::array<Expressao, kUltimoComFaixa - kPrimeiro + 1> expressoes_{};
  std::array<Expressao, kUltimoComFaixa - kPrimeiro + 1> periodos_{};
};

}  // namespace quiv
