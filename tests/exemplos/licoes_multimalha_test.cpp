// SPDX-License-Identifier: GPL-3.0-or-later
// The multiloop lessons: on each plant, the strategy the example teaches
// beats the plain one on the disturbance it is meant for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/objetos/bloco.h"
#include "core/objetos/controlador.h"
#include "core/objetos/gerador.h"
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

// Steps the plant `segundos`, calling `olha(t)` after every step.
template <typename Olha>
void Acompanha(Documento& doc, double segundos, Olha olha) {
  const double dt = doc.simulacao.dt;
  const long passos = std::lround(segundos / dt);
  for (long i = 1; i <= passos; ++i) {
    doc.simulacao.PassoObjetos();
    olha(static_cast<double>(i) * dt);
  }
}

Documento& Carregado(ExemploCarregado& e, const std::string& arquivo) {
  e = CarregaExemplo(arquivo);
  EXPECT_TRUE(e.achado) << arquivo;
  EXPECT_TRUE(e.mensagens.empty()) << e.mensagens.front();
  return *e.doc;
}

// ---------------------------------------------------------------------------
// Boiler: M48 drum level (LIC-103, SP M64), M11 the three-element switch,
// FIC-105 the steam flow (SP 50 % = 30 t/h), M21 air and M22 gas in % of
// their ranges, stoichiometric air = 0.8 × gas.

constexpr const char* kCaldeira = "examples/boiler/boiler.smp";

struct DesvioNivel {
  double maximo = 0.0;      // largest |level − SP|, %
  double iae = 0.0;         // %·s
  double inchamento = 0.0;  // largest rise in the first 30 s, %
};

// The steam demand steps from 30 to 36 t/h with the chosen level control.
DesvioNivel DegrauDeVapor(bool tresElementos) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kCaldeira);
  doc.simulacao.memoria.celula[11] = tresElementos ? 1.0 : 0.0;
  Passa(doc, 600);
  const double antes = Celula(doc, 48);
  doc.ControladorDe(7)->SP += 10.0;
  DesvioNivel d;
  const double dt = doc.simulacao.dt;
  Acompanha(doc, 900, [&](double t) {
    const double desvio = Celula(doc, 48) - Celula(doc, 64);
    d.maximo = std::max(d.maximo, std::fabs(desvio));
    d.iae += std::fabs(desvio) * dt;
    if (t <= 30) d.inchamento = std::max(d.inchamento, Celula(doc, 48) - antes);
  });
  return d;
}

TEST(LicaoCaldeira, TresElementosSeguramONivelNoDegrauDeVapor) {
  const DesvioNivel tres = DegrauDeVapor(true);
  const DesvioNivel so = DegrauDeVapor(false);
  // More steam first swells the level, whatever the control.
  EXPECT_GT(tres.inchamento, 1.5);
  EXPECT_GT(so.inchamento, 1.5);
  // The feedwater follows the steam at once: half the deviation, or less.
  EXPECT_LT(tres.maximo, 0.6 * so.maximo) << tres.maximo << " vs " << so.maximo;
  EXPECT_LT(tres.iae, 0.6 * so.iae) << tres.iae << " vs " << so.iae;
}

TEST(LicaoCaldeira, ChaveDeTresElementosSemSalto) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kCaldeira);
  Memoria& m = doc.simulacao.memoria;
  // Level only: the level controller drives the valve, FIC-103 tracks it.
  m.celula[11] = 0.0;
  doc.ControladorDe(7)->SP += 5.0;
  Passa(doc, 300);
  EXPECT_NEAR(Celula(doc, 5), Celula(doc, 4), 1e-9);
  // Back to three elements while the level is off its SP: the valve
  // command must not jump.
  const double valvula = Celula(doc, 50);
  m.celula[11] = 1.0;
  double maiorSalto = 0.0;
  double anterior = valvula;
  Acompanha(doc, 5, [&](double) {
    maiorSalto = std::max(maiorSalto, std::fabs(Celula(doc, 50) - anterior));
    anterior = Celula(doc, 50);
  });
  EXPECT_LT(maiorSalto, 0.5);
}

struct Queima {
  double lambdaMinimo = 1e9;  // air / stoichiometric air
  double lambdaMaximo = 0.0;
};

// The steam demand goes 30 -> 42 -> 24 t/h; `limites` false replaces the
// cross limits by plain ratio set points (air from the demand only).
Queima SobeEDesce(bool limites) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kCaldeira);
  if (!limites) {
    Bloco& ar = *doc.BlocoDe(1);
    ar.Funcao = "M01*(0.8+0.004*M15)";
    EXPECT_TRUE(ar.AtualizaParametros(false));
    Bloco& gas = *doc.BlocoDe(2);
    gas.Funcao = "M01";
    EXPECT_TRUE(gas.AtualizaParametros(false));
  }
  Passa(doc, 300);
  Queima q;
  auto olha = [&](double) {
    const double lambda = Celula(doc, 21) / (0.8 * Celula(doc, 22));
    q.lambdaMinimo = std::min(q.lambdaMinimo, lambda);
    q.lambdaMaximo = std::max(q.lambdaMaximo, lambda);
  };
  Controlador& vapor = *doc.ControladorDe(7);
  vapor.SP = 70.0;
  Acompanha(doc, 600, olha);
  vapor.SP = 40.0;
  Acompanha(doc, 600, olha);
  return q;
}

TEST(LicaoCaldeira, LimitesCruzadosMantemOArAFrenteDoGas) {
  const Queima cruzados = SobeEDesce(true);
  const Queima razao = SobeEDesce(false);
  // Going up the gas waits for the air, going down the air waits for the
  // gas: never less air than the gas needs.
  EXPECT_GT(cruzados.lambdaMinimo, 1.05);
  // The same demand with plain ratio set points: the fast gas runs ahead of
  // the slow air.
  EXPECT_LT(razao.lambdaMinimo, 0.97);
}

// ---------------------------------------------------------------------------
// Reactor: M26 reactor temperature (TIC-103, SP M63, 150 °C span), M25 the
// jacket (TIC-104), M24 the coolant flow, M11 the feed-forward switch,
// FIC-101 the feed (SP 50 % = 10 m3/h), M15 the coolant inlet (0 … 60 °C).

constexpr const char* kReator = "examples/reactor/reactor.smp";

struct Desvio {
  double maximo = 0.0;  // largest |PV − SP|, %
  double iae = 0.0;     // %·s
};

Desvio DegrauDeCargaNoReator(bool compensacao) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kReator);
  doc.simulacao.memoria.celula[11] = compensacao ? 1.0 : 0.0;
  Passa(doc, 300);
  doc.ControladorDe(1)->SP += 10.0;  // 10 -> 12 m3/h
  Desvio d;
  const double dt = doc.simulacao.dt;
  Acompanha(doc, 1500, [&](double) {
    const double desvio = std::fabs(Celula(doc, 26) - Celula(doc, 63));
    d.maximo = std::max(d.maximo, desvio);
    d.iae += desvio * dt;
  });
  return d;
}

TEST(LicaoReator, CompensacaoDiretaSeguraATemperaturaNoDegrauDeCarga) {
  const Desvio com = DegrauDeCargaNoReator(true);
  const Desvio sem = DegrauDeCargaNoReator(false);
  // Without it the reactor must warm before TIC-103 lowers the jacket.
  EXPECT_GT(sem.maximo, 0.8);
  EXPECT_LT(com.maximo, 0.5 * sem.maximo) << com.maximo << " vs " << sem.maximo;
  EXPECT_LT(com.iae, 0.3 * sem.iae) << com.iae << " vs " << sem.iae;
}

TEST(LicaoReator, CascataAbsorveAguaMaisQuente) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kReator);
  Passa(doc, 300);
  const double agua = Celula(doc, 24);
  doc.simulacao.memoria.celula[15] += 10.0;  // coolant 30 -> 36 °C
  double maiorReator = 0.0;
  Acompanha(doc, 1500, [&](double) {
    maiorReator = std::max(maiorReator, std::fabs(Celula(doc, 26) - Celula(doc, 63)));
  });
  // TIC-104 opens the coolant as soon as the jacket warms; the reactor
  // stays within half a degree (0.33 % of 150 °C).
  EXPECT_LT(maiorReator, 0.33);
  EXPECT_GT(Celula(doc, 24) - agua, 5.0);
  EXPECT_NEAR(Celula(doc, 26), Celula(doc, 63), 0.05);
}

// ---------------------------------------------------------------------------
// Cooling plant: loops 1 TIC-101 (M45, cooled gas, 20 … 60 °C), 2 PIC-102
// (M23, separator, 0 … 40 bar), 3 LIC-103 (M26, condensate); M21 the gas
// through the cooler, M24 the cooling water, M15 the header pressure
// (0 … 40 bar).

constexpr const char* kResfriamento = "examples/coolingplant/coolingplant.smp";

struct Malhas {
  double maiorDesvio[4] = {};  // largest |PV − SP| of loops 1 … 3, %
  double desvioFinal[4] = {};
};

Malhas Observa(Documento& doc, double segundos) {
  Malhas m;
  Acompanha(doc, segundos, [&](double) {
    for (int k = 1; k <= 3; ++k) {
      const Controlador& c = *doc.ControladorDe(k);
      const double desvio = std::fabs(c.PV - c.SP);
      m.maiorDesvio[k] = std::max(m.maiorDesvio[k], desvio);
      m.desvioFinal[k] = desvio;
    }
  });
  return m;
}

TEST(LicaoResfriamento, MaisGasAbsorvidoPelasTresMalhas) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kResfriamento);
  Passa(doc, 120);
  const double gas = Celula(doc, 21);
  const double agua = Celula(doc, 24);
  doc.simulacao.memoria.celula[15] += 7.5;  // header 30 -> 33 bar
  const Malhas m = Observa(doc, 1500);
  EXPECT_GT(Celula(doc, 21) - gas, 5.0);        // more gas reaches the cooler
  EXPECT_GT(Celula(doc, 24) - agua, 4.0);       // and the water takes its heat
  const double limite[4] = {0, 2.0, 3.0, 4.0};  // temperature, pressure, level
  for (int k = 1; k <= 3; ++k) {
    EXPECT_LT(m.maiorDesvio[k], limite[k]) << "loop " << k;
    EXPECT_LT(m.desvioFinal[k], 0.2) << "loop " << k;
  }
}

// A pressure SP change moves the gas flow through the cooler, so the
// temperature moves: TIC-101 brings it back; left in manual it stays off.
TEST(LicaoResfriamento, PressaoPerturbaATemperatura) {
  double desvioFinal[2] = {};
  double maiorDesvio[2] = {};
  for (int automatico = 0; automatico <= 1; ++automatico) {
    ExemploCarregado e;
    Documento& doc = Carregado(e, kResfriamento);
    Controlador& tic = *doc.ControladorDe(1);
    if (!automatico) tic.AlternaAutoManual();
    Passa(doc, 120);
    const double antes = Celula(doc, 45);
    doc.ControladorDe(2)->SP += 5.0;  // 20 -> 22 bar
    Acompanha(doc, 900, [&](double) {
      maiorDesvio[automatico] =
          std::max(maiorDesvio[automatico], std::fabs(Celula(doc, 45) - antes));
    });
    desvioFinal[automatico] = std::fabs(Celula(doc, 45) - antes);
    EXPECT_NEAR(doc.ControladorDe(2)->PV, doc.ControladorDe(2)->SP, 0.1);
  }
  EXPECT_GT(desvioFinal[0], 2.0);   // manual: about 1 °C colder for good
  EXPECT_LT(desvioFinal[1], 0.05);  // automatic: back on SP
  EXPECT_LT(maiorDesvio[1], 0.5 * maiorDesvio[0]);
}

// ---------------------------------------------------------------------------
// Deethanizer: M41 the arriving feed (entry + random steps on M81), M22 the
// feed drum level (LIC-100, averaging), M21 the column feed (FIC-100),
// M44 the bottoms temperature (TIC-101, SP M63), M29 the reflux drum level
// (LIC-103, SP M66), M11 the feed-forward switch.

constexpr const char* kDeetanizadora = "examples/ethaneplant/ethaneplant.smp";

struct Espalhamento {
  double soma = 0.0;
  double quadrados = 0.0;
  long n = 0;
  void Soma(double x) {
    soma += x;
    quadrados += x * x;
    ++n;
  }
  double Desvio() const {
    const double media = soma / static_cast<double>(n);
    return std::sqrt(std::max(0.0, quadrados / static_cast<double>(n) - media * media));
  }
};

struct CargaDaTorre {
  double chegada = 0.0;  // std. dev. of the arriving feed, %
  double carga = 0.0;    // std. dev. of the column feed, %
  double nivelMin = 100.0;
  double nivelMax = 0.0;
  double temperatura = 0.0;  // IAE of TT-101, %·s
};

// An hour of the random arrival, with LIC-100 as shipped (averaging) or
// retuned tight (Kp 4, Ti 200 s).
CargaDaTorre UmaHoraDeChegada(bool justo) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kDeetanizadora);
  doc.simulacao.aleatorio.Semeia(1);
  if (justo) {
    Controlador& lic = *doc.ControladorDe(1);
    lic.TextoKp = "4";
    lic.TextoTi = "200";
    EXPECT_TRUE(lic.AtualizaParametros(false));
  }
  CargaDaTorre c;
  Espalhamento chegada;
  Espalhamento carga;
  const double dt = doc.simulacao.dt;
  Acompanha(doc, 3600, [&](double) {
    chegada.Soma(Celula(doc, 41));
    carga.Soma(Celula(doc, 21));
    c.nivelMin = std::min(c.nivelMin, Celula(doc, 22));
    c.nivelMax = std::max(c.nivelMax, Celula(doc, 22));
    c.temperatura += std::fabs(Celula(doc, 44) - Celula(doc, 63)) * dt;
  });
  c.chegada = chegada.Desvio();
  c.carga = carga.Desvio();
  return c;
}

TEST(LicaoDeetanizadora, ControleMedioSuavizaACargaDaTorre) {
  const CargaDaTorre medio = UmaHoraDeChegada(false);
  const CargaDaTorre justo = UmaHoraDeChegada(true);
  // Tight level control passes the swings on; averaging halves them, the
  // drum level riding well inside its limits.
  EXPECT_GT(justo.carga, 0.9 * justo.chegada);
  EXPECT_LT(medio.carga, 0.5 * medio.chegada) << medio.carga << " vs " << medio.chegada;
  EXPECT_GT(medio.nivelMin, 25.0);
  EXPECT_LT(medio.nivelMax, 75.0);
  EXPECT_LT(justo.nivelMax - justo.nivelMin, 0.5 * (medio.nivelMax - medio.nivelMin));
  // The column feels it.
  EXPECT_LT(medio.temperatura, justo.temperatura);
}

// A 10 % step in the column feed (LIC-100 in manual, arrival steady), with
// the feed-forwards on or off: the largest deviation of the bottoms
// temperature and of the reflux drum level.
struct DesviosDaTorre {
  double temperatura = 0.0;
  double refluxo = 0.0;
};

DesviosDaTorre DegrauDeCargaNaTorre(bool compensacao) {
  ExemploCarregado e;
  Documento& doc = Carregado(e, kDeetanizadora);
  Gerador& g = doc.gerador();
  CanalGerador& chegada = g.Canal(81);
  chegada.Tipo = 0;
  g.MudaTipo(81);
  chegada.DefineValor("0");
  g.AtualizaParametros();
  doc.simulacao.memoria.celula[11] = compensacao ? 1.0 : 0.0;
  Controlador& lic = *doc.ControladorDe(1);
  lic.AlternaAutoManual();
  lic.CO = 50.0;
  Passa(doc, 600);
  lic.CO = 60.0;
  DesviosDaTorre d;
  Acompanha(doc, 1500, [&](double) {
    d.temperatura = std::max(d.temperatura, std::fabs(Celula(doc, 44) - Celula(doc, 63)));
    d.refluxo = std::max(d.refluxo, std::fabs(Celula(doc, 29) - Celula(doc, 66)));
  });
  return d;
}

TEST(LicaoDeetanizadora, CompensacaoDiretaAntecipaACarga) {
  const DesviosDaTorre com = DegrauDeCargaNaTorre(true);
  const DesviosDaTorre sem = DegrauDeCargaNaTorre(false);
  // Steam follows the feed and reflux follows the steam before the
  // temperature and the level move.
  EXPECT_GT(sem.temperatura, 2.0);
  EXPECT_LT(com.temperatura, 0.3 * sem.temperatura) << com.temperatura << " vs " << sem.temperatura;
  EXPECT_GT(sem.refluxo, 1.5);
  EXPECT_LT(com.refluxo, 0.3 * sem.refluxo) << com.refluxo << " vs " << sem.refluxo;
}

}  // namespace
}  // namespace quiv::teste
