// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace quiv::cli {

// A command line the tool cannot act on. Carries a one-line reason; the
// dispatcher adds the usage of the command and exits with kSaidaUso.
class ErroUso : public std::runtime_error {
 public:
  explicit ErroUso(const std::string& motivo) : std::runtime_error(motivo) {}
};

}  // namespace quiv::cli
