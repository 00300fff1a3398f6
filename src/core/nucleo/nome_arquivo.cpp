// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/nome_arquivo.h"

#include <cstring>
#include <system_error>

namespace quiv {

namespace {

bool Proibido(unsigned char c) {
  return c < 0x20 || c == 0x7f || std::strchr("<>:\"/\\|?*", c) != nullptr;
}

std::filesystem::path CaminhoUtf8(const std::string& nome) {
  return std::filesystem::path(std::u8string(nome.begin(), nome.end()));
}

}  // namespace

std::string NomeSeguro(std::string_view texto) {
  std::string seguro(texto);
  for (char& c : seguro)
    if (Proibido(static_cast<unsigned char>(c))) c = '_';
  return seguro;
}

std::filesystem::path NomeLivre(const std::filesystem::path& pasta, std::string_view stem,
                                std::string_view extensao) {
  const std::string base = NomeSeguro(stem) + "_";
  for (unsigned long n = 1;; ++n) {
    std::filesystem::path caminho =
        pasta / CaminhoUtf8(base + std::to_string(n) + std::string(extensao));
    std::error_code erro;
    const auto estado = std::filesystem::symlink_status(caminho, erro);
    if (estado.type() == std::filesystem::file_type::not_found || erro) return caminho;
  }
}

std::string TextoCaminho(const std::filesystem::path& caminho) {
  const auto u = caminho.u8string();
  return std::string(u.begin(), u.end());
}

}  // namespace quiv
