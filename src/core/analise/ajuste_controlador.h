// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/analise/regras_sintonia.h"

namespace quiv {

class Controlador;
struct FormularioControlador;

// A rule's settings as a controller takes them. In the ISA structure the
// controller is the ideal form itself (Kc on all three actions); in the
// parallel structure the integral is e/Ti and the derivative Td·d/dt
// without Kc, so the same controller needs Ti/Kc and Kc·Td there. Where the
// derivative acts (error or PV) does not change the numbers: it changes
// only the answer to a set-point step.
struct ParametrosControlador {
  double Kp = 0.0;           // the controller's Kc (%/%)
  double Ti = 0.0;           // s, as the structure uses it
  double Td = 0.0;           // s, as the structure uses it; 0 without derivative action
  bool acaoReversa = false;  // e = PV − SP (ItemAcao 0)
  bool estruturaISA = true;
  // The fields' texts: four significant digits, no exponent.
  std::string TextoKp;
  std::string TextoTi;
  std::string TextoTd;
};

// The settings for a controller of the given structure. `sintonia` must be
// defined.
ParametrosControlador ParaControlador(const Sintonia& sintonia, bool estruturaISA);
// For this controller's structure as its form has it (ItemEstrutura).
ParametrosControlador ParaControlador(const Sintonia& sintonia, const Controlador& controlador);

// Writes the settings into the controller's form, as a user would type them
// (Kp, Ti and Td texts, the P and I actions on, the D action on exactly when
// Td > 0, the action, the structure), without applying them.
void EscreveSintonia(FormularioControlador& controlador, const ParametrosControlador& parametros);
// EscreveSintonia, then AtualizaParametros (messages off), whose result it
// returns.
bool AplicaSintonia(Controlador& controlador, const ParametrosControlador& parametros);

// A number with four significant digits and no exponent, trailing zeros
// dropped: 0.7964, 19.98, 1234, 0.
std::string TextoSignificativo(double v);

}  // namespace quiv
