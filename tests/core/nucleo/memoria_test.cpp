// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/memoria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "core/nucleo/arredonda.h"

namespace quiv {
namespace {

TEST(MemoriaTest, StartValues) {
  Memoria m;
  m.celula[5] = 3.0;
  m.DescricaoEndereco[30] = "x";
  m.Reinicia();
  EXPECT_EQ(m.celula[5], 0.0);
  EXPECT_EQ(m.DescricaoEndereco[30], "");
  EXPECT_EQ(m.DescricaoEndereco[11], "Chave_1");
  EXPECT_EQ(m.DescricaoEndereco[13], "Saída Linearizador");
  EXPECT_EQ(m.DescricaoEndereco[14], "Reservado");
  EXPECT_EQ(m.DescricaoEndereco[20], "Track 6");
  EXPECT_EQ(m.DescricaoEndereco[100], "");
  EXPECT_EQ(m.DescricaoEndereco[124], "Posição Atuador 24");
  EXPECT_EQ(m.descritor[99].UnidadeEng, "%");
  EXPECT_EQ(m.descritor[99].UEMin, "0.0");
  EXPECT_EQ(m.descritor[99].UEMax, "100.00");
  EXPECT_EQ(m.descritor[99].LIE, "0.00");
  EXPECT_EQ(m.descritor[99].LSE, "100.00");
}

TEST(MemoriaTest, StoredTextsAreCutTo255CharactersNotBytes) {
  Memoria m;
  std::string longo;
  for (int i = 0; i < 300; ++i) longo += "ã";  // two bytes each
  m.DefineDescricao(21, longo);
  EXPECT_EQ(m.DescricaoEndereco[21].size(), 255u * 2);
  m.DefineDescritor(15, Descritor{std::string(300, 'u'), "1", "2", "3", "4"});
  EXPECT_EQ(m.descritor[15].UnidadeEng.size(), 255u);
  m.DefineDescricao(100, "never stored");
  EXPECT_EQ(m.DescricaoEndereco[100], "");
}

struct CasoSubstituicao {
  const char* texto;
  const char* esperado;
};

TEST(SubstituiEnderecosTest, ReferencesAndOddCases) {
  Memoria m;
  m.celula[21] = 4.0;
  m.celula[5] = -2.5;
  m.celula[99] = 1.0;
  const CasoSubstituicao casos[] = {
      {"m21+1", " 4.00000000000000E+0000+1"},
      {"2+M1", "0"},
      {"M", "0"},
      {"M00", "0"},
      {"M-1", "0"},
      {"M 5", "-2.50000000000000E+0000"},
      {"(M5)", "(-2.50000000000000E+0000"},
      {"MAX", "0"},
      {"1+MAX*2", "1+0*2"},
      {"M99-m05", " 1.00000000000000E+0000--2.50000000000000E+0000"},
      {"abc", "ABC"},
      {"Mé", "0"},  // a two-byte character counts as one
      {"", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(SubstituiEnderecos(c.texto, m), c.esperado) << c.texto;
  m.celula[1] = 1.23456789012345678;
  EXPECT_EQ(SubstituiEnderecos("M01", m), " 1.23456789012346E+0000");
}

TEST(MemoriaTest, VirgulaPontoAndPicker) {
  EXPECT_EQ(VirgulaPonto("1,5"), "1.5");
  EXPECT_EQ(VirgulaPonto("1,5,2"), "1.5.2");
  EXPECT_EQ(VirgulaPonto("abc"), "abc");
  Memoria m;
  m.DescricaoEndereco[7] = "Vazão";
  const auto lista = ListaEnderecos(m);
  ASSERT_EQ(lista.size(), 99u);
  EXPECT_EQ(lista[0], "01 ");
  EXPECT_EQ(lista[6], "07 Vazão");
  EXPECT_EQ(lista[10], "11 Chave_1");
  EXPECT_EQ(EnderecoDaLista(lista[6]), 7);
  EXPECT_EQ(EnderecoDaLista("99 x"), 99);
  EXPECT_EQ(EnderecoDaLista("xy"), 0);
  EXPECT_EQ(EnderecoDaLista(""), 0);
}

TEST(MemoriaTest, ActuatorOwner) {
  EXPECT_EQ(AtuadorDoEndereco(21), 1);
  EXPECT_EQ(AtuadorDoEndereco(40), 20);
  EXPECT_EQ(AtuadorDoEndereco(71), 21);
  EXPECT_EQ(AtuadorDoEndereco(74), 24);
  EXPECT_EQ(AtuadorDoEndereco(41), 0);
  EXPECT_EQ(AtuadorDoEndereco(1), 0);
}

}  // namespace
}  // namespace quiv
