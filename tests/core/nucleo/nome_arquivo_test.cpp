// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/nome_arquivo.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "core/nucleo/erro.h"
#include "pasta_temporaria.h"

namespace quiv {
namespace {

namespace fs = std::filesystem;
using teste::PastaTemporaria;

TEST(NomeSeguroTest, CharactersNoFileSystemAcceptsBecomeUnderscores) {
  const struct {
    const char* texto;
    const char* seguro;
  } casos[] = {
      {"A<B>C|D\"E\\F\tG", "A_B_C_D_E_F_G"},
      {"../a/b:c*?", ".._a_b_c__"},
      {"Vazão 1", "Vazão 1"},
      {"x\x7fy\r\n", "x_y__"},
      {"", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(NomeSeguro(c.texto), c.seguro) << c.texto;
}

TEST(NomeLivreTest, FirstNumberNotTakenByAFileOrALink) {
  PastaTemporaria pasta;
  EXPECT_EQ(NomeLivre(pasta(), "TIC 1", ".txt"), pasta / "TIC 1_1.txt");
  pasta.Escreve("TIC 1_1.txt", "um");
  fs::create_symlink(pasta / "nao_existe", pasta / "TIC 1_2.txt");  // dangling: taken
  EXPECT_EQ(NomeLivre(pasta(), "TIC 1", ".txt"), pasta / "TIC 1_3.txt");
  // Another extension is another series; the stem never leaves the folder.
  EXPECT_EQ(NomeLivre(pasta(), "TIC 1", ".txd"), pasta / "TIC 1_1.txd");
  EXPECT_EQ(NomeLivre(pasta(), "../x", ".txd"), pasta / ".._x_1.txd");
}

TEST(MensagemErroArquivoTest, SaysWhatWhereAndWhy) {
  EXPECT_EQ(MensagemErroArquivo(ENOTDIR, "create", "/tmp/a/out.smp"),
            "cannot create /tmp/a/out.smp: Not a directory");
  EXPECT_EQ(MensagemErroArquivo(ENOSPC, "write", "x.txd"),
            "cannot write x.txd: No space left on device");
  // A path from a damaged file prints no control characters.
  EXPECT_EQ(MensagemErroArquivo(ENOENT, "open", "a\x1b[2Jb.smp"),
            "cannot open a\\x1B[2Jb.smp: No such file or directory");
  EXPECT_THROW(LancaErroArquivo(ENOENT, "open", "x"), Erro);
}

}  // namespace
}  // namespace quiv
