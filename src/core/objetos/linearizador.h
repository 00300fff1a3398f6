// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/nucleo/simulacao.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

// The panel's linearizer: a table of six points (MV, PV) describing a
// characteristic PV = f(MV); it writes to M13 the MV at which that
// characteristic reaches its input x, so it cancels the characteristic when
// put in a signal path. Stepped by the scan cycle while
// Simulacao::LinearizadorAtivo (the "Ativar" box) is set.
//
// One step:
//   x      the cell named by the first two characters of TextoEntrada (blanks
//          when shorter), read as a whole number; 0 when it names no cell 1 … 99
//   points point 1 always; point i = 2 … 6 is in use when MVi ≠ 0. For each
//          point in use: Si = (PVi − PV(i−1)) / (MVi − MV(i−1)),
//          Ci = PVi − Si·MVi, Ei = Si·MVi + Ci. The point before may be out of
//          use: its MV is then 0 and its PV the one its text holds now.
//   segment the first i in 2 … 5 in use with x < Ei, else 6 when in use, else
//          none: M13 keeps its value
//   output M13 := x·(1/Si) − Ci/Si
//
// Equal MVs of two neighbouring points in use, or a flat chosen segment,
// divide by zero: the step raises Erro (kMensagemDivisaoZero) and writes
// nothing; a result beyond the double range raises the overflow Erro.
// Table texts are plain numbers (a comma counts as the point); a text that is
// no number counts as 0.
class Linearizador : public ObjetoCiclo {
 public:
  static constexpr int kPontos = 6;
  static constexpr int kEnderecoSaida = 13;
  static constexpr const char* TextoSaida = "M13";  // Lin1EndSai

  explicit Linearizador(Simulacao& simulacao);

  void Calcula() override;
  std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const override {
    return CopiaObjeto(*this, destino);
  }
  void AssumeEstado(const ObjetoCiclo& origem) override { AssumeEstadoObjeto(*this, origem); }

  // Its block of the simulation file: the header "=====<<<LINEARIZADOR>>>=====)",
  // the input address text, the "Ativar" box (Simulacao::LinearizadorAtivo),
  // MV1 … MV6 and PV1 … PV6, all as text. The reader skips the header unread.
  void SalvaParametros(smp::Escritor& e) const;
  void LeParametros(smp::Leitor& l);

  // The cell named by an address-picker text, or 0.
  static int EnderecoEntrada(std::string_view texto);

  // Form fields, as typed; index 0 unused.
  std::array<std::string, kPontos + 1> TextoMV;  // Lin1MV1 … Lin1MV6
  std::array<std::string, kPontos + 1> TextoPV;  // Lin1PV1 … Lin1PV6
  std::string TextoEntrada = "01 MV";            // Lin1EndEnt: input address

  // State of the last step; index 0 unused.
  double Entrada = 0.0;  // x
  std::array<double, kPontos + 1> MV{};
  std::array<double, kPontos + 1> PV{};
  std::array<bool, kPontos + 1> EmUso{};
  std::array<double, kPontos + 1> S{};
  std::array<double, kPontos + 1> C{};
  std::array<double, kPontos + 1> E{};
  int Segmento = 0;  // 0: none found

 private:
  // A number text and its value, read again only when the text changes.
  struct NumeroLido {
    std::string texto;
    double valor = 0.0;
    bool lido = false;
  };
  static double Le(const std::string& texto, NumeroLido& cache);

  Vinculo<Simulacao> simulacao_;
  std::array<NumeroLido, kPontos + 1> mvLido_{};
  std::array<NumeroLido, kPontos + 1> pvLido_{};
};

}  // namespace quiv
