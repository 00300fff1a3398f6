// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

#include "core/nucleo/simulacao.h"

// A scan-cycle object whose step is whatever the test needs: count, throw.
class ObjetoTeste : public quiv::ObjetoCiclo {
 public:
  explicit ObjetoTeste(std::function<void()> passo) : passo_(std::move(passo)) {}
  void Calcula() override { passo_(); }

 private:
  std::function<void()> passo_;
};
