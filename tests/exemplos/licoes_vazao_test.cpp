// SPDX-License-Identifier: GPL-3.0-or-later
// The lessons of the flow and pressure examples, checked on the shipped
// plants: each example's point must show in its own numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/objetos/botao_comando.h"
#include "core/objetos/controlador.h"
#include "core/objetos/processo.h"
#include "exemplo_carregado.h"

namespace quiv::teste {
namespace {

const std::string kGrossoFino = "examples/course-fine flow loop/course-fine flow loop.smp";
const std::string kHeader =
    "examples/header pressure with 3 consumers/header pressure with 3 consumers.smp";
const std::string kNaoLineares = "examples/nonlinear flow processes/nonlinear flow processes.smp";

// Runs the plant live (its own dt) for `segundos` and returns the value of
// cell `endereco` at every step.
std::vector<double> Avanca(Documento& doc, double segundos, int endereco = 0) {
  Simulacao& s = doc.simulacao;
  std::vector<double> serie;
  const long passos = std::lround(segundos / s.dt);
  for (long i = 0; i < passos; ++i) {
    s.PassoObjetos();
    if (endereco > 0) serie.push_back(s.memoria.celula[static_cast<std::size_t>(endereco)]);
  }
  return serie;
}

// Mean of |SP − PV| of loop k over `segundos` of live run.
double IEMA(Documento& doc, int k, double segundos) {
  Simulacao& s = doc.simulacao;
  const long passos = std::lround(segundos / s.dt);
  double soma = 0.0;
  for (long i = 0; i < passos; ++i) {
    s.PassoObjetos();
    const Controlador& c = *doc.ControladorDe(k);
    soma += std::fabs(c.SP - c.PV);
  }
  return soma / static_cast<double>(passos);
}

double Media(const std::vector<double>& serie) {
  double soma = 0.0;
  for (double v : serie) soma += v;
  return serie.empty() ? 0.0 : soma / static_cast<double>(serie.size());
}

double PicoAPico(const std::vector<double>& serie) {
  const auto [menor, maior] = std::minmax_element(serie.begin(), serie.end());
  return *maior - *menor;
}

ExemploCarregado CarregaAssentado(const std::string& arquivo, double segundos = 300.0) {
  ExemploCarregado e = CarregaExemplo(arquivo);
  EXPECT_TRUE(e.achado) << arquivo;
  EXPECT_TRUE(e.mensagens.empty());
  if (e.achado) Avanca(*e.doc, segundos);
  return e;
}

Controlador& Malha(Documento& doc, int k) {
  Controlador* c = doc.ControladorDe(k);
  if (!c) throw std::runtime_error("no controller " + std::to_string(k));
  return *c;
}

// The output in manual at `co` (the operator's value).
void SaidaManual(Controlador& c, double co) {
  if (c.ModoAuto) c.AlternaAutoManual();
  c.CO = co;
}

// ---------------------------------------------------------------------------
// Coarse-fine: FIC-101 (loop 1) on the fine bypass valve, ZIC-101 (loop 2)
// recentring it with the coarse valve; FIC-201 (loop 3) on the coarse valve
// alone. Both coarse valves stick alike.

TEST(LicaoGrossoFino, ValvulaFinaAcabaComAOscilacaoDaVazao) {
  ExemploCarregado e = CarregaAssentado(kGrossoFino, 600.0);
  Documento& doc = *e.doc;
  std::array<double, 2> iema{};
  std::array<std::vector<double>, 2> pv;
  Simulacao& s = doc.simulacao;
  for (int i = 0; i < 6000; ++i) {  // 600 s
    s.PassoObjetos();
    pv[0].push_back(s.memoria.celula[23]);
    pv[1].push_back(s.memoria.celula[25]);
    iema[0] += std::fabs(50.0 - pv[0].back()) / 6000.0;
    iema[1] += std::fabs(50.0 - pv[1].back()) / 6000.0;
  }
  EXPECT_GT(PicoAPico(pv[1]), 1.5) << "the coarse valve alone hunts";
  EXPECT_GT(iema[1], 0.4);
  EXPECT_LT(iema[0], iema[1] / 5.0) << "coarse-fine holds the flow far tighter";
  EXPECT_NEAR(Media(pv[0]), 50.0, 0.1);
}

TEST(LicaoGrossoFino, SemAtritoAValvulaGrossaSozinhaAssenta) {
  // The hunting comes from the valve's friction, not from the tuning.
  ExemploCarregado e = CarregaExemplo(kGrossoFino);
  Documento& doc = *e.doc;
  Processo& grossa = *doc.ProcessoDe(4);
  grossa.Agarramento = "0";
  grossa.Histerese = "0";
  ASSERT_TRUE(grossa.AtualizaParametros(false));
  Avanca(doc, 300.0);
  EXPECT_LT(PicoAPico(Avanca(doc, 300.0, 25)), 0.05);
  EXPECT_LT(IEMA(doc, 3, 60.0), 0.01);
}

TEST(LicaoGrossoFino, PosicionadorDevolveAFinaAoMeioDoCurso) {
  // The upstream pressure rises from 5 to 6.5 bar: the flow loop closes the
  // fine valve at once; ZIC-101 then moves the coarse one until the fine is
  // back near mid-travel, ready for the next upset. Without it (manual) the
  // fine valve is left near its end.
  struct Caso {
    bool posicionador;
    double menor, maior;  // band of the fine valve's mean opening, %
  };
  for (const Caso caso : {Caso{true, 45.0, 55.0}, Caso{false, 0.0, 20.0}}) {
    ExemploCarregado e = CarregaAssentado(kGrossoFino, 600.0);
    Documento& doc = *e.doc;
    Controlador& zic = Malha(doc, 2);
    if (!caso.posicionador) SaidaManual(zic, zic.CO);
    doc.painel.Entrada(1).DefinePosicao(6500);
    Avanca(doc, 600.0);
    const double fina = Media(Avanca(doc, 600.0, 1));
    EXPECT_GE(fina, caso.menor) << (caso.posicionador ? "ZIC in auto" : "ZIC in manual");
    EXPECT_LE(fina, caso.maior) << (caso.posicionador ? "ZIC in auto" : "ZIC in manual");
    EXPECT_LT(IEMA(doc, 1, 300.0), 0.15) << "the flow is held either way";
  }
}

// ---------------------------------------------------------------------------
// Header: PIC-100 (loop 1) on the supply valve, FIC-101 … 103 (loops 2 … 4)
// on the consumers; push button 1 (M97) feeds the consumers' valve signals
// forward to PIC-100. The header pressure is M28.

struct Interacao {
  double iemaHeader = 0.0;    // PIC-100
  double iemaOutros = 0.0;    // FIC-102 and FIC-103 together
  double desvioHeader = 0.0;  // largest |SP − PV| of PIC-100
};

// FIC-101's SP up 4 t/h (20 % of its range), 300 s watched.
Interacao DegrauNoConsumidor1(bool preAlimentacao, const char* kp = nullptr,
                              const char* ti = nullptr) {
  ExemploCarregado e = CarregaExemplo(kHeader);
  Documento& doc = *e.doc;
  Simulacao& s = doc.simulacao;
  Controlador& pic = Malha(doc, 1);
  if (kp) {
    pic.TextoKp = kp;
    pic.TextoTi = ti;
    EXPECT_TRUE(pic.AtualizaParametros(false));
  }
  BotaoComando& botao = doc.painel.Botao(1);
  if (preAlimentacao)
    botao.Pressiona();
  else
    botao.Solta();
  Avanca(doc, 300.0);
  Malha(doc, 2).SP += 20.0;
  Interacao r;
  const long passos = std::lround(300.0 / s.dt);
  for (long i = 0; i < passos; ++i) {
    s.PassoObjetos();
    r.iemaHeader += std::fabs(pic.SP - pic.PV) / passos;
    for (int k : {3, 4}) r.iemaOutros += std::fabs(Malha(doc, k).SP - Malha(doc, k).PV) / passos;
    r.desvioHeader = std::max(r.desvioHeader, std::fabs(pic.SP - s.memoria.celula[28]));
  }
  return r;
}

TEST(LicaoHeader, PreAlimentacaoDesacoplaOsConsumidores) {
  const Interacao sem = DegrauNoConsumidor1(false);
  const Interacao com = DegrauNoConsumidor1(true);
  // Without it the header dips over 1 % of its range and the others feel it.
  EXPECT_GT(sem.desvioHeader, 1.0);
  EXPECT_GT(sem.iemaOutros, 0.01);
  EXPECT_LT(com.desvioHeader, sem.desvioHeader / 5.0);
  EXPECT_LT(com.iemaHeader, sem.iemaHeader / 5.0);
  EXPECT_LT(com.iemaOutros, sem.iemaOutros / 5.0);
}

TEST(LicaoHeader, HeaderFrouxoAumentaAInteracao) {
  // Without feed-forward, the tight header loop is what shields the
  // consumers: detuned, it lets the pressure and the other flows wander more.
  const Interacao justo = DegrauNoConsumidor1(false);
  const Interacao frouxo = DegrauNoConsumidor1(false, "0.5", "60");
  EXPECT_GT(frouxo.desvioHeader, 2.0 * justo.desvioHeader);
  EXPECT_GT(frouxo.iemaOutros, 2.0 * justo.iemaOutros);
}

TEST(LicaoHeader, BotaoLigaEDesligaSemSolavanco) {
  // At the design point the feed-forward equals the bias it replaces.
  ExemploCarregado e = CarregaAssentado(kHeader);
  Documento& doc = *e.doc;
  BotaoComando& botao = doc.painel.Botao(1);
  ASSERT_EQ(doc.simulacao.memoria.celula[97], 1.0) << "shipped with the feed-forward on";
  for (bool ligada : {false, true}) {
    const double antes = Malha(doc, 1).CO;
    if (ligada)
      botao.Pressiona();
    else
      botao.Solta();
    const std::vector<double> co = Avanca(doc, 60.0, 1);
    EXPECT_LT(std::fabs(co.front() - antes), 0.5);
    EXPECT_LT(PicoAPico(co), 0.5);
  }
}

TEST(LicaoHeader, PressaoDaCaldeiraCaiEOHeaderSeRecompoe) {
  // The boiler falls from 14 to 11 bar: the feed-forward cannot see it, the
  // header loop opens PV-100 and brings the pressure back; the consumers
  // keep their flows.
  ExemploCarregado e = CarregaAssentado(kHeader);
  Documento& doc = *e.doc;
  const double abertura = doc.simulacao.memoria.celula[21];
  doc.painel.Entrada(1).DefinePosicao(5500);
  Avanca(doc, 300.0);
  EXPECT_NEAR(Malha(doc, 1).PV, Malha(doc, 1).SP, 0.05);
  EXPECT_GT(doc.simulacao.memoria.celula[21], abertura + 5.0);
  for (int k : {2, 3, 4}) EXPECT_NEAR(Malha(doc, k).PV, Malha(doc, k).SP, 0.05) << "loop " << k;
}

// ---------------------------------------------------------------------------
// Nonlinear processes: loop k drives process k, its flow is M(20+k).

TEST(LicaoNaoLinear, AgarramentoOscilaEmAutomaticoEParaEmManual) {
  ExemploCarregado e = CarregaAssentado(kNaoLineares);
  Documento& doc = *e.doc;
  // Both loops at the same SP; only the sticky one keeps hunting.
  std::array<std::vector<double>, 2> pv;
  for (int i = 0; i < 1200; ++i) {  // 120 s at 0.1 s
    doc.simulacao.PassoObjetos();
    pv[0].push_back(doc.simulacao.memoria.celula[21]);
    pv[1].push_back(doc.simulacao.memoria.celula[22]);
  }
  EXPECT_LT(PicoAPico(pv[0]), 0.05) << "the linear valve settles";
  EXPECT_GT(PicoAPico(pv[1]), 2.0) << "the sticky valve keeps the flow hunting";
  double meio = 0.0;
  for (double v : pv[1]) meio += v;
  EXPECT_NEAR(meio / static_cast<double>(pv[1].size()), 50.0, 1.0) << "it hunts around the SP";

  // The diagnosis: with the loop opened the cycle stops, so the valve and
  // not the tuning makes it.
  Controlador& fic = Malha(doc, 2);
  SaidaManual(fic, fic.CO);
  Avanca(doc, 30.0);
  EXPECT_LT(PicoAPico(Avanca(doc, 60.0, 22)), 0.01);
}

TEST(LicaoNaoLinear, NaReversaoAFolgaEngoleOInicioDoMovimento) {
  // In manual, at unit gain: after the output came down, raising it again
  // moves the flow only by what exceeds the backlash (3 %).
  ExemploCarregado e = CarregaAssentado(kNaoLineares);
  Documento& doc = *e.doc;
  struct Caso {
    int malha;
    double depoisDe2, depoisDe5;  // flow rise after raising the output 2 % and 5 %
  };
  for (const Caso caso : {Caso{1, 2.0, 5.0}, Caso{3, 0.0, 2.0}}) {
    Controlador& fic = Malha(doc, caso.malha);
    const double& vazao = doc.simulacao.memoria.celula[static_cast<std::size_t>(20 + caso.malha)];
    SaidaManual(fic, 45.0);
    Avanca(doc, 30.0);
    const double base = vazao;
    fic.CO = 47.0;
    Avanca(doc, 30.0);
    EXPECT_NEAR(vazao - base, caso.depoisDe2, 0.15) << "loop " << caso.malha;
    fic.CO = 50.0;
    Avanca(doc, 30.0);
    EXPECT_NEAR(vazao - base, caso.depoisDe5, 0.15) << "loop " << caso.malha;
  }
}

TEST(LicaoNaoLinear, IgualPorcentagemTemGanhoQueCresceComAVazao) {
  // Process gain ΔPV/ΔCO from a 2 % manual step at a low and a high opening:
  // the linear valve keeps it, the equal-percentage one triples it.
  ExemploCarregado e = CarregaAssentado(kNaoLineares);
  Documento& doc = *e.doc;
  auto ganho = [&doc](int malha, double co) {
    Controlador& fic = Malha(doc, malha);
    SaidaManual(fic, co);
    Avanca(doc, 30.0);
    const double antes = doc.simulacao.memoria.celula[20 + malha];
    fic.CO = co + 2.0;
    Avanca(doc, 30.0);
    return (doc.simulacao.memoria.celula[20 + malha] - antes) / 2.0;
  };
  struct Caso {
    int malha;
    double coBaixo, coAlto;  // openings for about 20 % and 80 % of the flow
    double razaoMinima, razaoMaxima;
  };
  for (const Caso caso : {Caso{1, 20.0, 80.0, 0.95, 1.05}, Caso{4, 47.0, 92.0, 2.5, 3.5}}) {
    const double baixo = ganho(caso.malha, caso.coBaixo);
    const double alto = ganho(caso.malha, caso.coAlto);
    EXPECT_GT(baixo, 0.2) << "loop " << caso.malha;
    EXPECT_GE(alto / baixo, caso.razaoMinima) << "loop " << caso.malha;
    EXPECT_LE(alto / baixo, caso.razaoMaxima) << "loop " << caso.malha;
  }
}

TEST(LicaoNaoLinear, IgualPorcentagemOscilaNaVazaoAltaEAmorteceNaBaixa) {
  // The same tuning, a 5 % SP step at 20 % and at 80 % of the flow: the
  // linear loop answers alike; the equal-percentage one overshoots only
  // high up, where its valve gain is about three times the low one.
  ExemploCarregado e = CarregaAssentado(kNaoLineares);
  Documento& doc = *e.doc;
  struct Caso {
    int malha;
    double sp;
    double sobrelevacaoMaxima;  // % of the flow range
    double sobrelevacaoMinima;
  };
  const Caso casos[] = {
      {1, 20.0, 0.1, -1.0}, {1, 80.0, 0.1, -1.0}, {4, 20.0, 0.1, -1.0}, {4, 80.0, 1.5, 0.5}};
  for (const Caso& caso : casos) {
    Controlador& fic = Malha(doc, caso.malha);
    fic.SP = caso.sp;
    Avanca(doc, 120.0);
    fic.SP = caso.sp + 5.0;
    const std::vector<double> pv = Avanca(doc, 30.0, 20 + caso.malha);
    const double sobrelevacao = *std::max_element(pv.begin(), pv.end()) - fic.SP;
    EXPECT_LE(sobrelevacao, caso.sobrelevacaoMaxima) << "loop " << caso.malha << " at " << caso.sp;
    EXPECT_GE(sobrelevacao, caso.sobrelevacaoMinima) << "loop " << caso.malha << " at " << caso.sp;
    EXPECT_NEAR(pv.back(), fic.SP, 0.1) << "loop " << caso.malha << " at " << caso.sp;
  }
}

TEST(LicaoNaoLinear, RampaDoVariadorAtrasaARespostaEProduzSobrelevacao) {
  ExemploCarregado e = CarregaAssentado(kNaoLineares);
  Documento& doc = *e.doc;
  Malha(doc, 1).SP = 60.0;
  Malha(doc, 5).SP = 60.0;
  std::array<double, 2> chegada{-1.0, -1.0};  // time to 90 % of the step
  std::array<double, 2> pico{0.0, 0.0};
  const std::array<int, 2> malhas{1, 5};
  for (int i = 1; i <= 600; ++i) {
    doc.simulacao.PassoObjetos();
    for (std::size_t j = 0; j < 2; ++j) {
      const double pv = doc.simulacao.memoria.celula[static_cast<std::size_t>(20 + malhas[j])];
      if (chegada[j] < 0.0 && pv >= 59.0) chegada[j] = i * doc.simulacao.dt;
      pico[j] = std::max(pico[j], pv);
    }
  }
  ASSERT_GT(chegada[0], 0.0);
  ASSERT_GT(chegada[1], 0.0);
  EXPECT_GT(chegada[1], chegada[0] + 3.0) << "the ramp slows the drive";
  EXPECT_LT(pico[0], 60.3) << "the reference barely overshoots";
  EXPECT_GT(pico[1], 61.5) << "the integral winds up while the drive ramps";
}

}  // namespace
}  // namespace quiv::teste
