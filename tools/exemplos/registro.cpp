// SPDX-License-Identifier: GPL-3.0-or-later
#include "exemplo.h"

namespace quiv::exemplos {

namespace {
std::vector<Exemplo>& Lista() {
  static std::vector<Exemplo> lista;
  return lista;
}
}  // namespace

bool Registra(Exemplo exemplo) {
  Lista().push_back(std::move(exemplo));
  return true;
}

const std::vector<Exemplo>& Registrados() { return Lista(); }

}  // namespace quiv::exemplos
