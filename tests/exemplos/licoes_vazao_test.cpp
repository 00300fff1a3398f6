// SPDX-License-Identifier: GPL-3.0-or-later
// What the flow and pressure examples teach, checked on the shipped plants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "core/objetos/controlador.h"
#include "core/objetos/entrada_dados.h"
#include "exemplo_carregado.h"

namespace quiv::teste {
namespace {

double DesvioPadrao(const std::vector<double>& v, std::size_t desde) {
  const auto n = static_cast<double>(v.size() - desde);
  const double media = std::accumulate(v.begin() + static_cast<long>(desde), v.end(), 0.0) / n;
  double soma = 0.0;
  for (std::size_t i = desde; i < v.size(); ++i) soma += (v[i] - media) * (v[i] - media);
  return std::sqrt(soma / n);
}

// The sticky large valve alone makes the flow hunt; with the small bypass
// valve doing the fine work the flow is far steadier.
TEST(LicaoGrossoFino, ValvulaFinaAcabaComACaca) {
  ExemploCarregado e = CarregaExemplo("examples/course-fine flow loop/course-fine flow loop.smp");
  ASSERT_TRUE(e.achado);
  const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, 1800);
  const double soGrossa = DesvioPadrao(r.malhas[1].series.PV, 600);
  const double grossoFino = DesvioPadrao(r.malhas[2].series.PV, 600);
  EXPECT_GT(soGrossa, 0.3);  // it does hunt
  EXPECT_LT(grossoFino, soGrossa / 3.0) << grossoFino << " vs " << soGrossa;
}

// A step in one consumer's SP disturbs the other consumers and the header
// pressure less with decoupling than without.
TEST(LicaoHeader, DesacoplamentoProtegeOsOutrosConsumidores) {
  auto desvios = [](int desacoplamento) {
    ExemploCarregado e = CarregaExemplo(
        "examples/header pressure with 3 consumers/header pressure with 3 consumers.smp");
    EXPECT_TRUE(e.achado);
    e.doc->painel.Entrada(1).DefinePosicao(desacoplamento * 100);
    Roda(*e.doc, SinalTeste::Nenhum, 0, 300);
    e.doc->ControladorDe(2)->SP = 80.0;
    const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, 300);
    double soma = 0.0;
    for (int k : {1, 3, 4}) {
      const SeriesMalha& s = r.malhas[static_cast<std::size_t>(k)].series;
      for (std::size_t i = 0; i < s.PV.size(); ++i) soma += std::fabs(s.SP[i] - s.PV[i]);
    }
    return soma;
  };
  const double com = desvios(100);
  const double sem = desvios(0);
  EXPECT_LT(com, 0.6 * sem) << com << " vs " << sem;
}

// The four final elements, each showing its nonlinearity.
TEST(LicaoNaoLineares, CadaElementoFinalMostraSuaNaoLinearidade) {
  ExemploCarregado e =
      CarregaExemplo("examples/nonlinear flow processes/nonlinear flow processes.smp");
  ASSERT_TRUE(e.achado);
  const ResultadoSimulacaoRapida r = Roda(*e.doc, SinalTeste::Nenhum, 0, 1800);
  // Stiction: a limit cycle in automatic; the equal-percentage loop, linear
  // enough near its point, stays quiet.
  EXPECT_GT(DesvioPadrao(r.malhas[1].series.PV, 900), 0.3);
  EXPECT_LT(DesvioPadrao(r.malhas[3].series.PV, 900), 0.05);

  // Equal percentage: in manual, 5 % more opening gives far more flow at a
  // wide opening than at a narrow one.
  Simulacao& s = e.doc->simulacao;
  s.dt = 0.5;
  Controlador& c = *e.doc->ControladorDe(3);
  c.AlternaAutoManual();
  auto ganho = [&](double abertura) {
    c.CO = abertura;
    for (int i = 0; i < 200; ++i) s.PassoObjetos();
    const double antes = s.memoria.celula[26];
    c.CO = abertura + 5.0;
    for (int i = 0; i < 200; ++i) s.PassoObjetos();
    return (s.memoria.celula[26] - antes) / 5.0;
  };
  EXPECT_GT(ganho(80.0), 2.5 * ganho(30.0));

  // Rate limit: after a set-point step the drive moves at no more than
  // 1 %/s.
  e.doc->ControladorDe(4)->SP = 70.0;
  double anterior = s.memoria.PosicaoAtuador(7);
  for (int i = 0; i < 120; ++i) {
    s.PassoObjetos();
    const double agora = s.memoria.PosicaoAtuador(7);
    EXPECT_LE(std::fabs(agora - anterior), 1.0 * s.dt + 1e-9) << "step " << i;
    anterior = agora;
  }
}

}  // namespace
}  // namespace quiv::teste
