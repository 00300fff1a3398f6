// SPDX-License-Identifier: GPL-3.0-or-later
// What the combustion examples teach, checked on the shipped plants.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "core/objetos/entrada_dados.h"
#include "exemplo_carregado.h"

namespace quiv::teste {
namespace {

// The excess air (M44, %) over a firing-demand rise from 50 to 75 % and the
// fall back, as {lowest, highest}, after the loaded burner settled.
std::pair<double, double> ExcessoNaManobra(const std::string& arquivo) {
  ExemploCarregado e = CarregaExemplo(arquivo);
  EXPECT_TRUE(e.achado);
  Simulacao& s = e.doc->simulacao;
  s.dt = 0.1;
  for (int i = 0; i < 3000; ++i) s.PassoObjetos();
  double menor = s.memoria.celula[44];
  double maior = menor;
  for (int posicao : {7500, 5000}) {
    e.doc->painel.Entrada(1).DefinePosicao(posicao);
    for (int i = 0; i < 1500; ++i) {
      s.PassoObjetos();
      menor = std::min(menor, s.memoria.celula[44]);
      maior = std::max(maior, s.memoria.celula[44]);
    }
  }
  return {menor, maior};
}

// Basic ratio: the fast gas runs ahead of the slow air on the rise, so air
// falls short (negative excess). Cross limits: the air always leads, so the
// excess never goes below zero; double limits also keep it from running
// high on the fall.
TEST(LicaoCombustao, LimitesCruzadosMantemOArNaFrente) {
  const auto [razaoMin, razaoMax] = ExcessoNaManobra("examples/combustion/ratio.smp");
  const auto [simplesMin, simplesMax] = ExcessoNaManobra("examples/combustion/cl.smp");
  const auto [duplosMin, duplosMax] = ExcessoNaManobra("examples/combustion/dcl.smp");
  EXPECT_LT(razaoMin, -2.0);
  EXPECT_GT(simplesMin, -0.5);
  EXPECT_GT(duplosMin, -0.5);
  EXPECT_LT(duplosMax, simplesMax - 2.0) << duplosMax << " vs " << simplesMax;
  EXPECT_LT(duplosMax, 20.0);
}

// Demand above fuel A's availability: A sits at its limit, B makes up the
// rest, and the air follows the heat of both at the set excess.
TEST(LicaoDoisCombustiveis, PreferencialNoLimiteEComplementarCompleta) {
  ExemploCarregado e = CarregaExemplo("examples/combustion2fuels/combustion2fuels.smp");
  ASSERT_TRUE(e.achado);
  Simulacao& s = e.doc->simulacao;
  s.dt = 0.1;
  e.doc->painel.Entrada(1).DefinePosicao(7000);  // demand 70 %, A available 40 %
  for (int i = 0; i < 6000; ++i) s.PassoObjetos();
  EXPECT_NEAR(s.memoria.celula[21], 40.0, 0.5);
  EXPECT_NEAR(s.memoria.celula[22], 30.0, 0.5);
  EXPECT_NEAR(s.memoria.celula[44], 10.0, 0.5);
  e.doc->painel.Entrada(1).DefinePosicao(3000);  // below the availability: A alone
  for (int i = 0; i < 6000; ++i) s.PassoObjetos();
  EXPECT_NEAR(s.memoria.celula[21], 30.0, 0.5);
  EXPECT_NEAR(s.memoria.celula[22], 0.0, 0.5);
}

}  // namespace
}  // namespace quiv::teste
