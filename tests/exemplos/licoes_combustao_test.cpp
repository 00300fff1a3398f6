// SPDX-License-Identifier: GPL-3.0-or-later
// The combustion lessons. On one heater, the same firing-demand step up and
// back down: the basic ratio runs short of air on the way up, the cross
// limits keep air ahead of the gas both ways, and the double cross limits
// also keep the excess air bounded (at the price of a slower response).
// With two fuels, the cheap one sits at its availability and the other
// supplies the rest, the air following both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/objetos/controlador.h"
#include "core/objetos/entrada_dados.h"
#include "exemplo_carregado.h"

namespace quiv::teste {
namespace {

double Celula(const Documento& doc, int endereco) {
  return doc.simulacao.memoria.celula[static_cast<std::size_t>(endereco)];
}

void Passa(Documento& doc, double segundos) {
  const long passos = std::lround(segundos / doc.simulacao.dt);
  for (long i = 0; i < passos; ++i) doc.simulacao.PassoObjetos();
}

// ---------------------------------------------------------------------------
// Heater: M22 air (% of 12000 Nm3/h), M24 gas (% of 1000 Nm3/h); 9.6 Nm3 of
// air burn 1 Nm3 of gas, so λ = 1.25·M22/M24. The ratio set in the files,
// 10.5 Nm3/Nm3, is λ = 1.094.

constexpr double kLambdaAjustado = 10.5 / 9.6;

double Lambda(const Documento& doc) { return 1.25 * Celula(doc, 22) / Celula(doc, 24); }

struct Trecho {
  double lambdaMin = 1e9;
  double lambdaMax = 0.0;
  double naoQueimado = 0.0;  // Nm3 of gas that found no air
  double t95 = -1.0;         // s until the gas flow is within 5 % of its change
};

// Steps the heater `segundos` after the demand went from `de` to `para` %.
Trecho Acompanha(Documento& doc, double segundos, double de, double para) {
  Trecho t;
  const double dt = doc.simulacao.dt;
  const long passos = std::lround(segundos / dt);
  for (long i = 1; i <= passos; ++i) {
    doc.simulacao.PassoObjetos();
    const double l = Lambda(doc);
    t.lambdaMin = std::min(t.lambdaMin, l);
    t.lambdaMax = std::max(t.lambdaMax, l);
    t.naoQueimado += std::max(0.0, 10.0 * (Celula(doc, 24) - 1.25 * Celula(doc, 22))) * dt / 3600;
    const bool perto = std::abs(Celula(doc, 24) - para) <= 0.05 * std::abs(para - de);
    if (!perto)
      t.t95 = -1.0;
    else if (t.t95 < 0)
      t.t95 = static_cast<double>(i) * dt;
  }
  return t;
}

struct Manobra {
  Trecho subida;
  Trecho descida;
  double lambdaInicial = 0.0;
  double lambdaFinal = 0.0;
};

// The operator takes TIC-100 to manual and moves the firing demand 50 -> 70
// -> 50 %, holding each for four minutes.
Manobra SobeEDesce(const std::string& arquivo) {
  ExemploCarregado e = CarregaExemplo(arquivo);
  EXPECT_TRUE(e.achado) << arquivo;
  Documento& doc = *e.doc;
  Controlador& tic = *doc.ControladorDe(1);
  tic.AlternaAutoManual();
  EXPECT_FALSE(tic.ModoAuto);
  tic.CO = 50.0;
  Passa(doc, 120);
  Manobra m;
  m.lambdaInicial = Lambda(doc);
  tic.CO = 70.0;
  m.subida = Acompanha(doc, 240, 50, 70);
  tic.CO = 50.0;
  m.descida = Acompanha(doc, 240, 70, 50);
  m.lambdaFinal = Lambda(doc);
  return m;
}

struct CasoForno {
  const char* arquivo;
  bool protegeContraFaltaDeAr;
  bool limitaExcessoDeAr;
};

class LicaoLimitesCruzados : public ::testing::TestWithParam<CasoForno> {};

TEST_P(LicaoLimitesCruzados, ArFrenteAoGasNaSubidaENaDescida) {
  const CasoForno& c = GetParam();
  const Manobra m = SobeEDesce(c.arquivo);
  // The same plant and ratio in every file: the same steady air/gas ratio
  // before and after.
  EXPECT_NEAR(m.lambdaInicial, kLambdaAjustado, 0.005);
  EXPECT_NEAR(m.lambdaFinal, kLambdaAjustado, 0.005);
  EXPECT_GT(m.subida.t95, 0.0) << "gas never reached the new demand";
  EXPECT_GT(m.descida.t95, 0.0) << "gas never came back";

  if (c.protegeContraFaltaDeAr) {
    for (const Trecho* t : {&m.subida, &m.descida}) {
      EXPECT_GE(t->lambdaMin, 1.0) << "air fell below stoichiometric";
      EXPECT_EQ(t->naoQueimado, 0.0);
    }
  } else {
    // The gas valve outruns the fan: more than 10 % short of air.
    EXPECT_LT(m.subida.lambdaMin, 0.9);
    EXPECT_GT(m.subida.naoQueimado, 0.1);
  }
  if (c.limitaExcessoDeAr) {
    EXPECT_LE(std::max(m.subida.lambdaMax, m.descida.lambdaMax), 1.2);
  } else {
    // Going down the slow air lags the gas: 25 % or more of extra air.
    EXPECT_GT(m.descida.lambdaMax, 1.25 * kLambdaAjustado);
  }
}

INSTANTIATE_TEST_SUITE_P(Forno, LicaoLimitesCruzados,
                         ::testing::Values(CasoForno{"examples/combustion/ratio.smp", false, false},
                                           CasoForno{"examples/combustion/cl.smp", true, false},
                                           CasoForno{"examples/combustion/dcl.smp", true, true}),
                         [](const ::testing::TestParamInfo<CasoForno>& info) {
                           const std::string a = info.param.arquivo;
                           return a.substr(a.rfind('/') + 1, a.rfind('.') - a.rfind('/') - 1);
                         });

// Safety and efficiency cost speed: each limit makes the gas wait longer
// for the slow air.
TEST(LicaoLimitesCruzados, CadaLimiteAtrasaOGas) {
  const Manobra razao = SobeEDesce("examples/combustion/ratio.smp");
  const Manobra simples = SobeEDesce("examples/combustion/cl.smp");
  const Manobra duplo = SobeEDesce("examples/combustion/dcl.smp");
  EXPECT_LT(razao.subida.t95, 15.0);
  EXPECT_GT(simples.subida.t95, 2.0 * razao.subida.t95);
  EXPECT_GT(duplo.subida.t95, simples.subida.t95);
  // Only the double limits hold the gas back going down too.
  EXPECT_NEAR(simples.descida.t95, razao.descida.t95, 2.0);
  EXPECT_GT(duplo.descida.t95, 2.0 * simples.descida.t95);
}

// ---------------------------------------------------------------------------
// Two fuels: M22 biogas and M24 natural gas (% of 2000 Nm3/h), M26 air (% of
// 25000 Nm3/h), M44 heat released (% of 20 MW). Entries: 1 biogas available
// (0 … 2000 Nm3/h), 2 excess air (0 … 50 %), 3 steam demand (0 … 25 t/h).

constexpr const char* kDoisCombustiveis = "examples/combustion2fuels/combustion2fuels.smp";

double ArNecessario(const Documento& doc) {
  return 0.456 * Celula(doc, 22) + 0.768 * Celula(doc, 24);
}

struct CasoDoisCombustiveis {
  double vapor;       // t/h
  double disponivel;  // Nm3/h of biogas
  bool biogasNoLimite;
};

class LicaoDoisCombustiveis : public ::testing::TestWithParam<CasoDoisCombustiveis> {};

TEST_P(LicaoDoisCombustiveis, BiogasAteODisponivelGasNaturalORestante) {
  const CasoDoisCombustiveis& c = GetParam();
  ExemploCarregado e = CarregaExemplo(kDoisCombustiveis);
  ASSERT_TRUE(e.achado);
  Documento& doc = *e.doc;
  doc.painel.Entrada(1).DefinePosicao(static_cast<int>(c.disponivel / 2000 * 10000));
  doc.painel.Entrada(3).DefinePosicao(static_cast<int>(c.vapor / 25 * 10000));
  Passa(doc, 900);

  const double biogas = Celula(doc, 22) * 20;  // Nm3/h
  const double gas = Celula(doc, 24) * 20;
  // Pressure back at its set point: the heat released matches the steam.
  EXPECT_NEAR(Celula(doc, 27), Celula(doc, 61), 0.2);
  EXPECT_NEAR(Celula(doc, 44), c.vapor * 4, 0.3);
  if (c.biogasNoLimite) {
    EXPECT_NEAR(biogas, c.disponivel, 5.0);
    EXPECT_GT(gas, 50.0);
  } else {
    EXPECT_LT(biogas, c.disponivel - 50.0);
    EXPECT_LT(gas, 2.0);
  }
  // Each fuel with its own air: 5.7 and 9.6 Nm3 per Nm3, 10 % in excess.
  EXPECT_NEAR(Celula(doc, 26) * 250, 1.1 * (5.7 * biogas + 9.6 * gas), 50.0);
}

INSTANTIATE_TEST_SUITE_P(Caldeira, LicaoDoisCombustiveis,
                         ::testing::Values(CasoDoisCombustiveis{12, 1000, true},
                                           CasoDoisCombustiveis{16, 1000, true},
                                           CasoDoisCombustiveis{12, 400, true},
                                           CasoDoisCombustiveis{5, 1000, false}));

// More steam: the biogas stays at its limit all the way while the natural
// gas takes the whole increase, and the air rises with it.
TEST(LicaoDoisCombustiveis, SoOGasNaturalAcompanhaMaisVapor) {
  ExemploCarregado e = CarregaExemplo(kDoisCombustiveis);
  ASSERT_TRUE(e.achado);
  Documento& doc = *e.doc;
  Passa(doc, 60);
  const double disponivel = Celula(doc, 15);
  ASSERT_NEAR(Celula(doc, 22), disponivel, 0.1) << "the file should start with biogas at its limit";
  const double gasAntes = Celula(doc, 24);
  const double arAntes = Celula(doc, 26);

  doc.painel.Entrada(3).DefinePosicao(6400);  // 12 -> 16 t/h
  double desvioBiogas = 0.0;
  double excessoMin = 1e9;
  for (int i = 0; i < 9000; ++i) {
    doc.simulacao.PassoObjetos();
    desvioBiogas = std::max(desvioBiogas, std::abs(Celula(doc, 22) - disponivel));
    excessoMin = std::min(excessoMin, Celula(doc, 26) / ArNecessario(doc));
  }
  EXPECT_LT(desvioBiogas, 0.1);
  // 4 t/h more steam is 16 % more firing, all of it natural gas (1 % of its
  // range per % of firing).
  EXPECT_NEAR(Celula(doc, 24) - gasAntes, 16.0, 0.3);
  EXPECT_NEAR(Celula(doc, 26) - arAntes, 1.1 * 0.768 * 16.0, 0.3);
  // The air follows the measured fuels, so it lags them a little.
  EXPECT_GT(excessoMin, 1.0);
}

}  // namespace
}  // namespace quiv::teste
