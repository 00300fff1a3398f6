// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/mensagens_verificacao.h"

#include <gtest/gtest.h>

#include "core/nucleo/simulacao.h"
#include "core/nucleo/verificacoes.h"

namespace quiv {
namespace {

TEST(MensagensVerificacaoTest, KindAndFailureTranslatedNumberAndTagKept) {
  struct Caso {
    const char* portugues;
    const char* ingles;
  };
  const Caso casos[] = {
      {"Processo 21 (FT-01): Ganho inválido", "Process 21 (FT-01): Invalid gain"},
      {"Processo 21: Tempo Morto inválido", "Process 21: Invalid dead time"},
      {"Controlador 3 (Processo 2): Ti inválido", "Controller 3 (Processo 2): Invalid Ti"},
      {"Bloco 41: Equação inválida", "Block 41: Invalid equation"},
      {"Gerador de Sinais M83: Valor inválido", "Signals Generator M83: Invalid value"},
      {"M22: UE max inválido", "M22: Invalid EU max"},
      {"M21: UE min acima do UE max", "M21: EU min above EU max"},
      {"Controlador 1: Variável de processo (PV) não informada",
       "Controller 1: Process variable (PV) not given"},
      // Unknown texts stay as they are.
      {"Data saved: x.txt", "Data saved: x.txt"},
      {"Processo 21: algo novo", "Processo 21: algo novo"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(MensagemEmIngles(c.portugues), c.ingles) << c.portugues;
    EXPECT_EQ(MensagemNaLingua(c.portugues, false), c.portugues);
  }
  EXPECT_TRUE(FalhaTraduzida(": Ganho inválido"));
  EXPECT_FALSE(FalhaTraduzida("o Ganho inválido"));
}

// A failed check reaches the sink in the plant's interface language.
TEST(MensagensVerificacaoTest, ChecksReportInTheInterfaceLanguage) {
  for (const bool ingles : {false, true}) {
    Simulacao s;
    s.IdiomaIngles = ingles;
    std::vector<std::string> mensagens;
    s.Mensagem = [&](std::string_view t) { mensagens.emplace_back(t); };
    Verificacoes v("Processo", 21, "FT-01");
    double ganho = 0.0;
    v.Numero("abc", ganho, ": Ganho inválido");
    EXPECT_FALSE(v.Informa(s, true));
    ASSERT_EQ(mensagens.size(), 1u);
    EXPECT_EQ(mensagens[0],
              ingles ? "Process 21 (FT-01): Invalid gain" : "Processo 21 (FT-01): Ganho inválido");
  }
}

}  // namespace
}  // namespace quiv
