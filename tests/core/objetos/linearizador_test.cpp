// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/linearizador.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

class LinearizadorTest : public ::testing::Test {
 protected:
  // Table from two columns of six texts.
  void Tabela(const std::array<const char*, 6>& mv, const std::array<const char*, 6>& pv) {
    for (int i = 1; i <= 6; ++i) {
      l.TextoMV[i] = mv[i - 1];
      l.TextoPV[i] = pv[i - 1];
    }
  }
  double Passo(double x) {
    s.memoria.celula[1] = x;
    l.Calcula();
    return s.memoria.celula[13];
  }
  void ExpectDivisaoZero() {
    try {
      l.Calcula();
      FAIL() << "no error";
    } catch (const Erro& e) {
      EXPECT_STREQ(e.what(), kMensagemDivisaoZero);
    }
  }

  Simulacao s;
  Linearizador l{s};
};

TEST_F(LinearizadorTest, DefaultTablePassesItsInputThroughAlsoOutsideTheRange) {
  for (double x : {0.0, 10.0, 37.5, 99.0, 100.0, 120.0, -15.0}) {
    EXPECT_DOUBLE_EQ(Passo(x), x) << x;
  }
  s.memoria.celula[1] = 120;
  l.Calcula();
  EXPECT_EQ(l.Segmento, 6);
}

TEST_F(LinearizadorTest, ThreePointTableInvertsTheCharacteristic) {
  Tabela({"0", "50", "100", "0", "0", "0"}, {"0", "80", "100", "60", "80", "100"});
  EXPECT_DOUBLE_EQ(Passo(40), 25);
  EXPECT_EQ(l.Segmento, 2);
  EXPECT_DOUBLE_EQ(Passo(90), 75);
  EXPECT_EQ(l.Segmento, 3);
  // No end test passes and point 6 is out of use: M13 keeps its value.
  EXPECT_DOUBLE_EQ(Passo(100), 75);
  EXPECT_EQ(l.Segmento, 0);
  EXPECT_DOUBLE_EQ(Passo(250), 75);
}

TEST_F(LinearizadorTest, OutputUsesTheReciprocalSlopeInTheWrittenOrder) {
  Tabela({"0", "30", "70", "100", "0", "0"}, {"0", "10", "45", "100", "0", "0"});
  for (double x : {3.3, 27.1, 44.9, 81.7}) {
    Passo(x);
    const int i = l.Segmento;
    ASSERT_GE(i, 2);
    const double si = (l.PV[i] - l.PV[i - 1]) / (l.MV[i] - l.MV[i - 1]);
    const double ci = l.PV[i] - si * l.MV[i];
    const double esperado = x * (1 / si) - ci / si;
    EXPECT_EQ(s.memoria.celula[13], esperado) << x;
  }
}

TEST_F(LinearizadorTest, SegmentIsTheFirstWhoseEndLiesAboveTheInput) {
  Tabela({"0", "20", "40", "60", "80", "100"}, {"0", "10", "20", "30", "40", "100"});
  struct Caso {
    double x;
    int segmento;
  };
  for (const Caso& c :
       {Caso{-5, 2}, Caso{9.99, 2}, Caso{10, 3}, Caso{39.9, 5}, Caso{40, 6}, Caso{1000, 6}}) {
    Passo(c.x);
    EXPECT_EQ(l.Segmento, c.segmento) << c.x;
  }
}

TEST_F(LinearizadorTest, PointOutOfUseIsSkippedAndTheNextCountsItsMVAsZero) {
  Tabela({"0", "50", "0", "100", "0", "0"}, {"0", "50", "70", "90", "0", "0"});
  Passo(60);
  EXPECT_FALSE(l.EmUso[3]);
  EXPECT_EQ(l.Segmento, 4);
  // Segment 4 runs from (0, 70) to (100, 90).
  EXPECT_DOUBLE_EQ(l.S[4], 0.2);
  EXPECT_DOUBLE_EQ(s.memoria.celula[13], 60 * (1 / 0.2) - 70 / 0.2);
}

TEST_F(LinearizadorTest, DivisionByZeroRaisesAndWritesNothing) {
  struct Caso {
    const char* nome;
    std::array<const char*, 6> mv;
    std::array<const char*, 6> pv;
    double x;
  };
  const Caso casos[] = {
      {"equal MVs of neighbours in use, segment not chosen",
       {"0", "50", "50", "100", "0", "0"},
       {"0", "40", "60", "100", "0", "0"},
       10},
      {"flat chosen segment",
       {"0", "50", "100", "0", "0", "0"},
       {"20", "20", "100", "0", "0", "0"},
       10},
      {"point 2 on point 1's MV",
       {"30", "30", "0", "0", "0", "0"},
       {"10", "50", "0", "0", "0", "0"},
       5},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Tabela(c.mv, c.pv);
    s.memoria.celula[13] = -7;
    s.memoria.celula[1] = c.x;
    ExpectDivisaoZero();
    EXPECT_EQ(s.memoria.celula[13], -7);
  }
}

TEST_F(LinearizadorTest, FlatSegmentNotChosenDoesNotRaise) {
  // Segment 2 is flat at PV 20; x = 50 lies beyond its end and picks segment 3.
  Tabela({"0", "50", "100", "0", "0", "0"}, {"20", "20", "100", "0", "0", "0"});
  EXPECT_DOUBLE_EQ(Passo(60), 75);
  EXPECT_EQ(l.Segmento, 3);
}

TEST_F(LinearizadorTest, SteepTableOverflowRaisesTheOverflowError) {
  Tabela({"0", "1e-300", "0", "0", "0", "0"}, {"0", "1e300", "0", "0", "0", "0"});
  s.memoria.celula[13] = -7;
  try {
    l.Calcula();
    FAIL() << "no error";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(), kMensagemEstouro);
  }
  EXPECT_EQ(s.memoria.celula[13], -7);
}

TEST_F(LinearizadorTest, InputAddressReadsTheFirstTwoCharacters) {
  struct Caso {
    const char* texto;
    int endereco;
  };
  for (const Caso& c : {Caso{"01 MV", 1}, Caso{"21 Nível", 21}, Caso{"99", 99}, Caso{" 5 x", 5},
                        Caso{"+7", 7}, Caso{"5", 0}, Caso{"5x", 0}, Caso{"00 x", 0}, Caso{"-1", 0},
                        Caso{"ab", 0}, Caso{"", 0}, Caso{"  ", 0}}) {
    EXPECT_EQ(Linearizador::EnderecoEntrada(c.texto), c.endereco) << c.texto;
  }
}

TEST_F(LinearizadorTest, InputOfNoCellIsZero) {
  s.memoria.celula[21] = 42;
  l.TextoEntrada = "21 PV";
  l.Calcula();
  EXPECT_DOUBLE_EQ(s.memoria.celula[13], 42);
  l.TextoEntrada = "xx";
  l.Calcula();
  EXPECT_EQ(l.Entrada, 0);
  EXPECT_DOUBLE_EQ(s.memoria.celula[13], 0);
}

TEST_F(LinearizadorTest, TableTextsTakeACommaAndReadNonNumbersAsZero) {
  Tabela({"0", "50,0", "abc", "100", "0", "0"}, {"0", "80", "70", "1,0e2", "0", "0"});
  Passo(40);
  EXPECT_DOUBLE_EQ(l.MV[2], 50);
  EXPECT_FALSE(l.EmUso[3]);
  EXPECT_DOUBLE_EQ(l.PV[4], 100);
  EXPECT_DOUBLE_EQ(s.memoria.celula[13], 25);
  // A changed text is read again.
  l.TextoPV[2] = "40";
  EXPECT_DOUBLE_EQ(Passo(20), 25);
}

TEST_F(LinearizadorTest, ScanCycleStepsItOnlyWhenActive) {
  s.linearizador = std::make_unique<Linearizador>(s);
  s.memoria.celula[1] = 33;
  s.PassoObjetos();
  EXPECT_EQ(s.memoria.celula[13], 0);
  s.LinearizadorAtivo = true;
  s.PassoObjetos();
  EXPECT_DOUBLE_EQ(s.memoria.celula[13], 33);
}

}  // namespace
}  // namespace quiv
