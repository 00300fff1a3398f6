// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/preferencias.h"

namespace quiv {

bool PreferenciaIngles(std::string_view primeiraLinha) {
  return primeiraLinha.find("English") != std::string_view::npos;
}

std::string_view LinhaPreferencias(bool ingles) {
  return ingles ? "<language> English" : "<language> Portuguese";
}

}  // namespace quiv
