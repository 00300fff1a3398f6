// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "core/nucleo/erro.h"

namespace quiv {

// Why a step test, its fit or a check cannot go on.
enum class MotivoRecusa {
  SemControlador,     // no controller in the loop's slot
  SemPV,              // the controller has no PV chosen
  DegrauForaDaFaixa,  // valores: amplitude, output before the step (%)
  RegistroCurto,      // too few samples after the step
  PVParada,           // valores: amplitude (%)
  RespostaPequena,    // valores: the PV's change, the least taken (%)
  AjustePobre,  // valores: share explained, share needed (%), 1 when the PV hit its range's end
  ControladorRecusou,  // the controller refused the settings
};

// A refusal with its reason as a code and the numbers its sentence needs,
// so a program can say it in its own language; what() says it in English.
class RecusaSintonia : public Erro {
 public:
  RecusaSintonia(MotivoRecusa motivo, const std::string& mensagem,
                 std::array<double, 3> valores = {})
      : Erro(mensagem), motivo_(motivo), valores_(valores) {}

  MotivoRecusa Motivo() const { return motivo_; }
  double Valor(std::size_t i) const { return valores_.at(i); }

 private:
  MotivoRecusa motivo_;
  std::array<double, 3> valores_;
};

}  // namespace quiv
