// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/arquivo/documento.h"
#include "desenho.h"

namespace quiv::exemplos {

// One shipped example: how its plant is built and how its picture is drawn.
// The generator builds the plant, runs it `aquecimento` simulated seconds so
// the file starts in a steady state, saves it at `arquivo` (under the
// examples folder, the path the gallery opens), and renders the picture into
// the same folder under the name the plant's FiguraFundo gives.
struct Exemplo {
  std::string arquivo;  // e.g. "basic flow loop/basic flow loop.smp"
  std::function<void(Documento&)> monta;
  std::function<void(Desenho&)> desenha;
  double aquecimento = 900.0;  // s, at the plant's dt
};

// Adds an example to the generator's list; returns true, so a source file
// registers its examples with `const bool registrado = Registra({...});`.
bool Registra(Exemplo exemplo);
const std::vector<Exemplo>& Registrados();

}  // namespace quiv::exemplos
