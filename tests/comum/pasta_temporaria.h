// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace quiv::teste {

// An empty folder of its own for the running test, removed afterwards.
class PastaTemporaria {
 public:
  PastaTemporaria()
      : caminho_(std::filesystem::temp_directory_path() /
                 ("quiv_" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                  "_" + NomeDoTeste())) {
    std::filesystem::create_directories(caminho_);
  }
  ~PastaTemporaria() {
    std::error_code erro;
    std::filesystem::remove_all(caminho_, erro);
  }
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  const std::filesystem::path& operator()() const { return caminho_; }
  std::filesystem::path operator/(const std::string& nome) const { return caminho_ / nome; }

  void Escreve(const std::string& nome, const std::string& bytes) const {
    std::ofstream(caminho_ / nome, std::ios::binary) << bytes;
  }
  std::string Le(const std::string& nome) const {
    std::ifstream f(caminho_ / nome, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }

 private:
  // The running test's name as one folder name ("Caso/0" of a parameterised
  // test would make a folder inside another, left behind afterwards).
  static std::string NomeDoTeste() {
    std::string nome = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : nome)
      if (c == '/') c = '_';
    return nome;
  }

  std::filesystem::path caminho_;
};

}  // namespace quiv::teste
