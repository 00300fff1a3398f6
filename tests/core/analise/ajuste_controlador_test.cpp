// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/ajuste_controlador.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/objetos/controlador.h"

namespace quiv {
namespace {

Sintonia Ideal(double Kc, double Ti, double Td, bool reversa = false) {
  Sintonia s;
  s.definida = true;
  s.tipo = Td > 0.0 ? TipoControlador::PID : TipoControlador::PI;
  s.Kc = Kc;
  s.Ti = Ti;
  s.Td = Td;
  s.acaoReversa = reversa;
  return s;
}

TEST(AjusteControlador, TheParallelStructureTakesTiOverKcAndKcTimesTd) {
  const Sintonia s = Ideal(2.5, 10.0, 1.5);
  const ParametrosControlador isa = ParaControlador(s, true);
  EXPECT_DOUBLE_EQ(isa.Kp, 2.5);
  EXPECT_DOUBLE_EQ(isa.Ti, 10.0);
  EXPECT_DOUBLE_EQ(isa.Td, 1.5);
  const ParametrosControlador paralelo = ParaControlador(s, false);
  EXPECT_DOUBLE_EQ(paralelo.Kp, 2.5);
  EXPECT_DOUBLE_EQ(paralelo.Ti, 4.0);
  EXPECT_DOUBLE_EQ(paralelo.Td, 3.75);
  EXPECT_EQ(paralelo.TextoTi, "4");
  EXPECT_EQ(paralelo.TextoTd, "3.75");
}

// Controller n of `doc` measuring M81, in automatic at SP 50 with the
// settings applied for its structure and derivative on the error.
Controlador& Sintonizado(Documento& doc, int n, bool isa, const Sintonia& s) {
  Controlador& c = doc.NovoControlador(n);
  c.Tag = "C" + std::to_string(n);
  c.ItemPV = 80;
  c.ItemDerivada = 0;
  c.ItemEstrutura = isa ? 1 : 0;
  EXPECT_TRUE(AplicaSintonia(c, ParaControlador(s, c)));
  c.SP = 50.0;
  c.AlternaAutoManual();
  return c;
}

// Applying the settings gives the rule's controller, whatever the
// structure: CO = bias + Kc·(e + Σe·dt/Ti + Td·Δe/dt) on a moving PV.
TEST(AjusteControlador, BothStructuresRunTheIdealController) {
  const Sintonia s = Ideal(1.6, 8.0, 2.0);  // texts "1.6", "8", "2": no rounding
  Documento doc;
  doc.simulacao.dt = 0.5;
  Controlador& isa = Sintonizado(doc, 1, true, s);
  Controlador& paralelo = Sintonizado(doc, 2, false, s);
  double integral = 0.0, erroAnterior = 0.0;
  for (int k = 0; k < 40; ++k) {
    const double pv = 50.0 - 3.0 * std::sin(0.2 * k);
    doc.simulacao.memoria.celula[81] = pv;
    isa.Calcula();
    paralelo.Calcula();
    const double e = 50.0 - pv;
    integral += e * 0.5;
    const double esperado = 50.0 + 1.6 * (e + integral / 8.0 + 2.0 * (e - erroAnterior) / 0.5);
    erroAnterior = e;
    EXPECT_NEAR(isa.CO, esperado, 1e-9) << k;
    EXPECT_NEAR(paralelo.CO, esperado, 1e-9) << k;
  }
}

TEST(AjusteControlador, WritesTheFormAsAUserWouldAndApplies) {
  Documento doc;
  Controlador& c = doc.NovoControlador(1);
  c.Tag = "FIC1";
  c.ItemPV = 20;
  c.AcaoI = false;
  c.AcaoD = true;
  c.ItemAcao = 1;
  ASSERT_TRUE(c.AtualizaParametros(false));

  ASSERT_TRUE(AplicaSintonia(c, ParaControlador(Ideal(0.79641, 19.9849, 0.0, true), c)));
  EXPECT_EQ(c.TextoKp, "0.7964");
  EXPECT_EQ(c.TextoTi, "19.98");
  EXPECT_EQ(c.TextoTd, "0");
  EXPECT_TRUE(c.AcaoP);
  EXPECT_TRUE(c.AcaoI);
  EXPECT_FALSE(c.AcaoD);
  EXPECT_EQ(c.ItemAcao, 0);
  EXPECT_TRUE(c.AcaoReversa);  // applied: e = PV − SP
  EXPECT_DOUBLE_EQ(c.Kc, 0.7964);
  EXPECT_DOUBLE_EQ(c.Ti, 19.98);

  ASSERT_TRUE(AplicaSintonia(c, ParaControlador(Ideal(3.0, 4.0, 1.0), c)));
  EXPECT_TRUE(c.AcaoD);
  EXPECT_FALSE(c.AcaoReversa);
  EXPECT_DOUBLE_EQ(c.Td, 1.0);
}

TEST(AjusteControlador, AControllerThatFailsItsChecksSaysSo) {
  Documento doc;
  Controlador& c = doc.NovoControlador(1);
  c.Tag = "";  // no tag: the apply refuses
  EXPECT_FALSE(AplicaSintonia(c, ParaControlador(Ideal(1.0, 10.0, 0.0), c)));
}

struct CasoTexto {
  double valor;
  const char* texto;
};

class Significativo : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(Significativo, FourDigitsNoExponent) {
  EXPECT_EQ(TextoSignificativo(GetParam().valor), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(Casos, Significativo,
                         ::testing::Values(CasoTexto{0.79641, "0.7964"}, CasoTexto{19.98, "19.98"},
                                           CasoTexto{1234.4, "1234"}, CasoTexto{12345.6, "12346"},
                                           CasoTexto{0.000123456, "0.0001235"},
                                           CasoTexto{2.5, "2.5"}, CasoTexto{100.0, "100"},
                                           CasoTexto{0.0, "0"}, CasoTexto{-3.14159, "-3.142"},
                                           CasoTexto{9.99999, "10"}));

}  // namespace
}  // namespace quiv
