// SPDX-License-Identifier: GPL-3.0-or-later
// The "Outros" tab: linearized measurement, dead-time compensation, plants
// for modelling and the closed-loop frequency response.
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "core/objetos/gerador.h"
#include "core/objetos/linearizador.h"
#include "exemplo.h"
#include "planta.h"

namespace quiv::exemplos {
namespace {

std::string Texto(double x, int decimais) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.*f", decimais, x);
  return texto;
}

// A rectangle outline (the drawing kit has vessels, not plain boxes).
void Caixa(Desenho& d, QRect r) {
  d.Linha({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()}, false,
          Desenho::kContorno);
}

// ---------------------------------------------------------------------------
// Conductivity with a linearized measurement.

// The leach's titration curve: conductivity (% of 0 … 100 mS/cm) against the
// acid dosage x (% of 0 … 60 kg/t) for an ore that consumes c (same scale):
// low while the ore takes the acid, steep once its consumption is met, then
// flat. The calculation blocks hold the same curve as an expression.
double Titulacao(double x, double c = 50.0) {
  if (x <= 0.0) return 0.0;
  return x / 10.0 + 90.0 / (1.0 + std::pow(c / x, 8.0));
}
constexpr const char* kTitulacaoA = "M22/10+90/(1+(M16/M22)^8)";
constexpr const char* kTitulacaoB = "M24/10+90/(1+(M16/M24)^8)";

// The linearizer's six points (dosage, conductivity) on the nominal curve,
// placed so that the inverted curve's gain stays within ±35 % over
// 10 … 92 mS/cm (the raw gain there varies six times).
constexpr std::array<double, 6> kPontosDosagem = {0, 34, 40, 58, 66, 72};

double DosagemLinearizada(double condutividade) {
  for (std::size_t i = 1; i < kPontosDosagem.size(); ++i) {
    const double m0 = kPontosDosagem[i - 1];
    const double m1 = kPontosDosagem[i];
    const double p0 = std::round(10.0 * Titulacao(m0)) / 10.0;
    const double p1 = std::round(10.0 * Titulacao(m1)) / 10.0;
    if (condutividade < p1 || i + 1 == kPontosDosagem.size())
      return m0 + (condutividade - p0) * (m1 - m0) / (p1 - p0);
  }
  return 0.0;
}

// Two identical leach tanks: acid (valve FV) is dosed against the ore feed
// (data entry 1) and the slurry conductivity follows the titration curve of
// the ore (its acid consumption is data entry 2). AIC-401 measures the raw
// conductivity; AIC-402 measures it through the linearizer, which gives
// back the dosage that curve implies, so the loop sees a linear process.
// Both carry the same PI tuning, good at the nominal 90 mS/cm.
//   M15  ore feed, M16  ore acid consumption (data entries 1, 2)
//   M21, M23  acid flow (valves, 3 s)
//   M41, M43  dosage: acid/ore
//   M22, M24  dosage in the tank (mixing: 90 s and 20 s lags)
//   M42, M44  conductivity (titration curve)
//   M13  linearizer: M44 back to dosage
//   M25, M26  5 s filters of M42 and M13: the PVs of AIC-401, AIC-402
void MontaCondutividade(Documento& doc) {
  doc.Titulo = "Condutividade Linearizado|Linearized pH control";
  Descreve(doc, 15, "t/h", 0, 400, "Alimentação de minério|Ore feed");
  Descreve(doc, 16, "kg/t", 0, 60, "Consumo de ácido do minério|Ore acid consumption");
  NovaEntrada(doc, 1, "Minério (t/h)|Ore (t/h)", 5000, 20, 262);
  NovaEntrada(doc, 2, "Consumo (kg/t)|Consumption (kg/t)", 5000, 200, 262);

  struct Trem {
    int n;
    const char* valvula;
    const char* tanque;
    int y;  // top of the train's drawing
  };
  const Trem trens[] = {{1, "FV-401", "TQ-401", 80}, {2, "FV-402", "TQ-402", 340}};
  for (const Trem& t : trens) {
    const int valvula = 2 * t.n - 1;    // processes 1, 3: M21, M23
    const int tanque = 2 * t.n;         // processes 2, 4: M22, M24
    const int dosagem = 2 * t.n - 1;    // blocks 1, 3: M41, M43
    const int condutividade = 2 * t.n;  // blocks 2, 4: M42, M44
    const std::string sufixo = t.n == 1 ? "401" : "402";
    Descreve(doc, 20 + valvula, "t/h", 0, 12, "Ácido FV-" + sufixo + "|Acid FV-" + sufixo);
    Descreve(doc, 40 + dosagem, "kg/t", 0, 60, "Dosagem FY-" + sufixo + "|Dosage FY-" + sufixo);
    Descreve(doc, 20 + tanque, "kg/t", 0, 60,
             "Dosagem no " + std::string(t.tanque) + "|Dosage in " + t.tanque);
    Descreve(doc, 40 + condutividade, "mS/cm", 0, 100,
             "Condutividade AT-" + sufixo + "|Conductivity AT-" + sufixo);

    NovoTrecho(doc, valvula, t.valvula, "Válvula de ácido|Acid valve", t.n, {.T1 = "3"}, 360,
               t.y + 118);
    NovoBloco(doc, dosagem, "FY-" + sufixo, "", t.n == 1 ? "M21*50/M15" : "M23*50/M15", 360,
              t.y + 144);
    NovoTrecho(doc, tanque, t.tanque, "Mistura no tanque|Tank mixing", 40 + dosagem,
               {.T1 = "90", .T2 = "20"}, 476, t.y + 196);
    NovoBloco(doc, condutividade, t.n == 1 ? "AE-401" : "AE-402",
              "Curva de titulação|Titration curve", t.n == 1 ? kTitulacaoA : kTitulacaoB, 706,
              t.y + 150);
  }

  Linearizador& lin = doc.linearizador();
  lin.TextoEntrada = "44 Condutividade AT-402";
  for (std::size_t i = 0; i < kPontosDosagem.size(); ++i) {
    lin.TextoMV[i + 1] = Texto(kPontosDosagem[i], 0);
    lin.TextoPV[i + 1] = Texto(Titulacao(kPontosDosagem[i]), 1);
  }
  doc.simulacao.LinearizadorAtivo = true;

  // A 5 s filter on each measurement. On AIC-402's it also keeps the PV
  // steady in the first scan after the file opens, when the linearizer (it
  // runs after the controllers) has not yet written M13.
  Descreve(doc, 25, "mS/cm", 0, 100, "Condutividade AT-401|Conductivity AT-401");
  Descreve(doc, 26, "kg/t", 0, 60, "Dosagem inferida AT-402|Inferred dosage AT-402");
  for (int n : {1, 2}) {
    NovoTrecho(doc, 4 + n, n == 1 ? "AT-401" : "AT-402",
               n == 1 ? "Filtro da condutividade|Conductivity filter"
                      : "Filtro da dosagem inferida|Inferred dosage filter",
               n == 1 ? 42 : 13, {.T1 = "5"}, 706, (n == 1 ? 80 : 340) + 176);
  }

  const Sintonia pi{.Kp = 1.5, .Ti = 90.0};
  NovaMalha(doc, 1, "AIC-401", "Condutividade direta|Raw conductivity", 25, 90.0, pi);
  Coloca(doc, TipoObjeto::Controlador, 1, 446, 89);
  NovaMalha(doc, 2, "AIC-402", "Condutividade linearizada|Linearized conductivity", 26,
            DosagemLinearizada(90.0), pi);
  Coloca(doc, TipoObjeto::Controlador, 2, 446, 349);
  NovoRegistro(doc, 1, "AR-401", "Condutividade direta|Raw conductivity", 1, 234, 89);
  NovoRegistro(doc, 2, "AR-402", "Condutividade linearizada|Linearized conductivity", 2, 234, 349);

  NovoMostrador(doc, 1, 42, "Condutividade|Conductivity", 1, 810, 260);
  NovoMostrador(doc, 2, 44, "Condutividade|Conductivity", 1, 810, 520);
  NovoMostrador(doc, 3, 26, "Dosagem inferida|Inferred dosage", 1, 790, 440);
  NovoMostrador(doc, 4, 21, "Ácido|Acid", 2, 200, 230);
  NovoMostrador(doc, 5, 23, "Ácido|Acid", 2, 200, 490);

  Comenta(doc,
          {"Dois tanques de lixiviação iguais. A", "condutividade segue a curva de titulação",
           "do minério: o ganho muda 6 vezes ao", "longo da faixa. AIC-401 mede a",
           "condutividade direta; AIC-402 a mede", "pelo linearizador (M13), que devolve a",
           "dosagem. Mesma sintonia, boa a 90 mS/cm:", "leve os dois SP para o meio da curva",
           "(50 mS/cm, ou 30 kg/t) e compare."},
          {"Two equal leach tanks. Conductivity", "follows the ore's titration curve: the",
           "gain changes sixfold over the range.", "AIC-401 measures raw conductivity;",
           "AIC-402 measures it through the", "linearizer (M13), which gives back the",
           "dosage. Same tuning, good at 90 mS/cm:", "take both SPs to mid-curve (50 mS/cm,",
           "or 30 kg/t) and compare."});
}

void DesenhaCondutividade(Desenho& d) {
  d.Texto({30, 50}, "Condutividade Linearizado", 22, true);
  for (const auto& [y, numero] : {std::pair{80, "401"}, std::pair{340, "402"}}) {
    // Ore slurry from the left, acid through its valve, both into the tank.
    d.Reator({500, y + 40, 130, 150}, false, 0.7);
    d.Linha({{20, y + 60}, {530, y + 60}, {530, y + 84}});
    d.Corrente({24, y + 50}, "Polpa de minério");
    d.Linha({{20, y + 110}, {480, y + 110}, {480, y + 70}, {510, y + 70}, {510, y + 84}});
    d.Corrente({24, y + 100}, "Ácido");
    d.Valvula({340, y + 110});
    d.Linha({{565, y + 190}, {565, y + 230}, {980, y + 230}});
    d.Corrente({900, y + 220}, "Lixívia");
    d.Instrumento({680, y + 140}, "AT", numero, true);
    d.Sinal({{630, y + 140}, {659, y + 140}});
    // The controller left of the tank, its output down to the acid valve;
    // the measurement comes over the tank.
    d.Instrumento({420, y + 20}, "AIC", numero);
    d.Sinal({{399, y + 20}, {340, y + 20}, {340, y + 74}}, true);
  }
  // Raw measurement straight to AIC-401; AIC-402 through the linearizer.
  d.Sinal({{701, 220}, {740, 220}, {740, 68}, {420, 68}, {420, 79}}, true);
  d.Funcao({760, 420}, "f(x)");
  d.Sinal({{701, 480}, {760, 480}, {760, 437}});
  d.Sinal({{760, 403}, {760, 328}, {420, 328}, {420, 339}}, true);
  d.Texto({785, 405}, "Linearizador (M13)", 12);
}

// ---------------------------------------------------------------------------
// Smith predictor.

// A weigh feeder loads ore on a long belt; the belt scale at the mill sees
// the feed 60 s later (data entry 3 sets the belt's delay). WIC-301 is a
// plain PI, detuned as the delay demands; WIC-302 adds a Smith predictor
// whose model runs on the controller output: the model without delay minus
// the model with delay (data entry 2 sets the model's delay) is added to
// the measurement, so the PI sees the feed as if the belt were short. Ore
// density (data entry 1) changes the feeder's gain, which the model does
// not know.
//
// The delays carry deviations from the 100 t/h operating point, so that a
// file opened afresh, whose delay lines start empty, starts steady.
//   M21, M23  feeders: 15 s lag on the controller output
//   M41, M43  feed deviation: feeder · density factor − 50 %
//   M22, M24  the same at the scale: the belt's delay
//   M42, M44  belt scales WIT-301, WIT-302: 50 % + the above
//   M25  model of feeder 2 (the model without delay); M45 = M25 − 50 %
//   M26  M45 delayed by the model's dead time
//   M46  predicted measurement for WIC-302: M44 + M45 − M26
void MontaPreditorSmith(Documento& doc) {
  doc.Titulo = "Preditor de Smith|Smith predictor";
  Descreve(doc, 15, "t/m3", 1, 2, "Densidade do minério|Ore density");
  Descreve(doc, 16, "s", 0, 120, "Tempo morto do modelo|Model dead time");
  Descreve(doc, 17, "s", 0, 120, "Tempo morto da correia|Belt dead time");
  NovaEntrada(doc, 1, "Densidade|Density", 5000, 20, 88);
  NovaEntrada(doc, 2, "Modelo (s)|Model (s)", 5000, 640, 500);
  NovaEntrada(doc, 3, "Correia (s)|Belt (s)", 5000, 20, 190);

  for (int n : {1, 2}) {
    const std::string sufixo = n == 1 ? "301" : "302";
    const int y = n == 1 ? 90 : 300;
    const int alimentador = 2 * n - 1;  // processes 1, 3 and blocks 1, 3
    const int correia = 2 * n;          // processes 2, 4 and blocks 2, 4
    Descreve(doc, 20 + alimentador, "t/h", 0, 200,
             "Alimentador WF-" + sufixo + "|Feeder WF-" + sufixo);
    Descreve(doc, 40 + alimentador, "t/h", 0, 200, "Desvio da alimentação|Feed deviation");
    Descreve(doc, 20 + correia, "t/h", 0, 200, "Desvio na balança|Deviation at the scale");
    Descreve(doc, 40 + correia, "t/h", 0, 200, "Vazão WIT-" + sufixo + "|Feed WIT-" + sufixo);

    NovoTrecho(doc, alimentador, "WF-" + sufixo, "Alimentador|Feeder", n, {.T1 = "15"}, 190,
               y + 122);
    NovoBloco(doc, alimentador, "WY-" + sufixo + "A", "",
              n == 1 ? "M21*(100+M15)/150-50" : "M23*(100+M15)/150-50", 320, y + 122);
    NovoTrecho(doc, correia, "CT-" + sufixo, "Correia transportadora|Belt conveyor",
               40 + alimentador, TempoMortoPuro("M17*1.2"), 600, y + 122);
    NovoBloco(doc, correia, "WIT-" + sufixo, "", n == 1 ? "50+M22" : "50+M24", 806, y + 49);
  }

  Descreve(doc, 25, "t/h", 0, 200, "Modelo sem tempo morto|Model without delay");
  Descreve(doc, 45, "t/h", 0, 200, "Modelo - 50 %|Model - 50 %");
  Descreve(doc, 26, "t/h", 0, 200, "Modelo com tempo morto|Model with delay");
  Descreve(doc, 46, "t/h", 0, 200, "Medição predita|Predicted measurement");
  NovoTrecho(doc, 5, "WM-302A", "Modelo sem tempo morto|Model without delay", 2, {.T1 = "15"}, 310,
             532);
  NovoBloco(doc, 5, "WY-303", "", "M25-50", 515, 520);
  NovoTrecho(doc, 6, "WM-302B", "Tempo morto do modelo|Model dead time", 45,
             TempoMortoPuro("M16*1.2"), 453, 570);
  NovoBloco(doc, 6, "WY-302", "", "M44+M45-M26", 515, 288);

  NovaMalha(doc, 1, "WIC-301", "PI sem compensação|PI alone", 42, 50.0, {.Kp = 0.4, .Ti = 40.0});
  Coloca(doc, TipoObjeto::Controlador, 1, 301, 73);
  NovaMalha(doc, 2, "WIC-302", "PI com preditor de Smith|PI with Smith predictor", 46, 50.0,
            {.Kp = 1.2, .Ti = 15.0});
  Coloca(doc, TipoObjeto::Controlador, 2, 301, 283);

  NovoRegistro(doc, 1, "WR-300", "Alimentação do moinho|Mill feed", {42, "WIT-301"},
               {44, "WIT-302"}, {62, "SP"}, 880, 60);

  NovoMostrador(doc, 1, 42, "Moinho|Mill", 1, 850, 275);
  NovoMostrador(doc, 2, 44, "Moinho|Mill", 1, 850, 485);
  NovoMostrador(doc, 3, 46, "Medição predita|Predicted", 1, 520, 378);

  Comenta(doc,
          {"O minério leva 60 s na correia até a", "balança: tempo morto 4 vezes a",
           "constante de tempo. WIC-301 (PI) tem", "de ser lento; WIC-302 soma à medição o",
           "modelo sem atraso menos o modelo com", "atraso (preditor de Smith) e pode ser",
           "rápido. Dê um degrau nos SP e compare.", "Mude o atraso do modelo ou da correia e",
           "veja o efeito do erro de modelo."},
          {"Ore takes 60 s on the belt to the scale:", "dead time four times the time constant.",
           "WIC-301 (PI) must be slow; WIC-302 adds", "to its measurement the model without",
           "delay minus the model with delay (Smith", "predictor) and can be fast. Step both",
           "SPs and compare. Change the model's or", "the belt's delay to see a model error."});
}

void DesenhaPreditorSmith(Desenho& d) {
  d.Texto({30, 50}, "Preditor de Smith", 22, true);
  for (const auto& [y, numero] : {std::pair{90, "301"}, std::pair{300, "302"}}) {
    // Bin, weigh feeder, long belt, scale, mill.
    d.VasoVertical({180, y, 60, 75}, 0.6);
    d.Linha({{180, y + 95}, {260, y + 95}}, false, Desenho::kContorno);
    d.Motor({260, y + 95});
    d.Linha({{230, y + 115}, {830, y + 115}}, true, Desenho::kContorno);
    d.Texto({430, y + 140}, "Correia transportadora", 12);
    d.VasoHorizontal({830, y + 100, 130, 60});
    d.Texto({872, y + 135}, "Moinho", 12);
    d.Instrumento({780, y + 60}, "WIT", numero, {780, y + 115}, true);
    d.Instrumento({340, y + 30}, "WIC", numero);
    d.Sinal({{319, y + 30}, {260, y + 30}, {260, y + 82}}, true);
  }
  // WIC-301 measures the scale; WIC-302 the scale plus the correction.
  d.Sinal({{780, 129}, {780, 120}, {361, 120}}, true);
  d.Texto({450, 112}, "Somente PI", 13, true);
  d.Funcao({490, 330}, "Σ");
  d.Sinal({{780, 339}, {780, 330}, {507, 330}}, true);
  d.Sinal({{473, 330}, {361, 330}}, true);
  d.Texto({600, 322}, "PI + preditor de Smith", 13, true);
  d.Texto({512, 322}, "+", 13, true);
  d.Texto({496, 364}, "+", 13, true);
  // The model on WIC-302's output: lag G, its delayed copy, the difference.
  d.Sinal({{260, 350}, {280, 350}, {280, 510}, {333, 510}}, true);
  d.Funcao({350, 510}, "G");
  d.Texto({326, 486}, "Modelo", 12);
  d.Sinal({{367, 510}, {473, 510}}, true);
  d.Sinal({{395, 510}, {395, 555}, {413, 555}}, true);
  d.Funcao({430, 555}, "θ");
  d.Sinal({{447, 555}, {490, 555}, {490, 527}}, true);
  d.Funcao({490, 510}, "Σ");
  d.Texto({458, 503}, "+", 13, true);
  d.Texto({496, 545}, "−", 13, true);
  d.Sinal({{490, 493}, {490, 347}}, true);
}

// ---------------------------------------------------------------------------
// Four processes for modelling.

// A small trend sketch of a step response inside `r`: the dashed input step
// at 20 % of the width and the response drawn from y(t), t and y in 0 … 1.
void Resposta(Desenho& d, QRect r, const std::function<double(double)>& y) {
  const int x0 = r.left() + r.width() / 5;
  d.Sinal({{r.left(), r.bottom()}, {x0, r.bottom()}, {x0, r.top() + 8}, {r.right(), r.top() + 8}});
  QPoint anterior(r.left(), r.bottom());
  const int passos = 40;
  for (int i = 0; i <= passos; ++i) {
    const double t = static_cast<double>(i) / passos;
    const int x = r.left() + static_cast<int>(std::lround(t * r.width()));
    const double v = x < x0 ? 0.0 : y((x - x0) / static_cast<double>(r.right() - x0));
    const QPoint p(x, r.bottom() - static_cast<int>(std::lround(v * (r.height() - 8))));
    if (i > 0) d.Linha({anterior, p}, false, Desenho::kQuente);
    anterior = p;
  }
}

struct Quadro {
  int n;     // loop and quadrant number
  int x, y;  // top left of the quadrant
  const char* titulo;
  const char* nome;  // the process box's caption
  std::function<double(double)> forma;
};

const std::array<Quadro, 4>& Quadros() {
  static const std::array<Quadro, 4> quadros = {{
      {1, 20, 80, "1ª ordem com tempo morto", "G1(s)",
       [](double t) {
         const double tt = t * 200.0 - 10.0;
         return tt <= 0.0 ? 0.0 : 0.75 * (1.0 - std::exp(-tt / 30.0));
       }},
      {2, 510, 80, "2ª ordem subamortecido", "G2(s)",
       [](double t) {
         const double z = 0.4, w = 6.283 / 40.0, tt = t * 200.0;
         const double wd = w * std::sqrt(1 - z * z);
         return 0.62 *
                (1.0 - std::exp(-z * w * tt) *
                           (std::cos(wd * tt) + z / std::sqrt(1 - z * z) * std::sin(wd * tt)));
       }},
      {3, 20, 335, "4ª ordem sobreamortecido", "G3(s)",
       [](double t) {
         // Four lags in series, integrated numerically.
         const std::array<double, 4> tau = {20, 10, 15, 5};
         std::array<double, 4> x{};
         const double dt = 0.2;
         for (double s = 0; s < t * 200.0; s += dt) {
           double u = 1.0;
           for (std::size_t k = 0; k < 4; ++k) {
             x[k] += dt / tau[k] * (u - x[k]);
             u = x[k];
           }
         }
         return 0.75 * x[3];
       }},
      {4, 510, 335, "Integrador", "G4(s)", [](double t) { return 0.9 * t; }},
  }};
  return quadros;
}

// Four processes, one controller each, all in automatic at 50 % with a
// sound tuning; the student puts one in manual, steps its output and fits
// a model to the response, then checks the model's tuning in automatic.
//   1  first order with dead time: K 1.5, τ 30 s, θ 10 s: lag M21, then
//      M41 = 1.5·(M21 − 50), delayed in M26, PV M42 = 50 + M26. The delay
//      carries the deviation from 50 %, so that a file opened afresh, whose
//      delay line starts empty, starts steady
//   2  second order underdamped: ζ 0.4, natural period 40 s (M22)
//   3  fourth order: lags 20 s and 10 s (M23), then 15 s and 5 s, gain 0.8
//      (M24)
//   4  integrator: the tank fills at M04 and is drawn at data entry 1
//      (M43 = M04 − M15); the level M25 integrates it with K = 1/300 s⁻¹
void MontaQuatroProcessos(Documento& doc) {
  doc.Titulo = "4 Processos para Modelagem|4 Processes for Modelling";
  Descreve(doc, 15, "%", 0, 100, "Retirada do integrador|Integrator draw-off");
  Descreve(doc, 21, "%", 0, 100, "Processo 1, atraso|Process 1, lag");
  Descreve(doc, 41, "%", 0, 100, "Desvio do processo 1|Process 1 deviation");
  Descreve(doc, 26, "%", 0, 100, "Desvio após tempo morto|Deviation after dead time");
  Descreve(doc, 42, "%", 0, 100, "Processo 1|Process 1");
  Descreve(doc, 22, "%", 0, 100, "Processo 2|Process 2");
  Descreve(doc, 23, "%", 0, 100, "Processo 3, 2ª ordem|Process 3, second order");
  Descreve(doc, 24, "%", 0, 100, "Processo 3|Process 3");
  Descreve(doc, 43, "%", 0, 100, "Acúmulo do integrador|Integrator net inflow");
  Descreve(doc, 25, "%", 0, 100, "Processo 4|Process 4");
  NovaEntrada(doc, 1, "Retirada|Draw-off", 5000, 680, 347);

  // The objects of each process in a row under its loop.
  // 1: first order with dead time: the lag on the controller output, the
  // gain and the deviation in a block, then the delay.
  NovoTrecho(doc, 1, "P-1a", "1ª ordem: atraso|First order: lag", 1, {.T1 = "30"}, 140, 258);
  NovoBloco(doc, 1, "XY-1", "", "1.5*(M21-50)", 224, 258);
  NovoTrecho(doc, 6, "P-1b", "1ª ordem: tempo morto|First order: dead time", 41,
             TempoMortoPuro("10"), 308, 258);
  NovoBloco(doc, 2, "XT-1", "", "50+M26", {.inferior = "0", .superior = "100"}, 392, 258);

  // 2: second order underdamped.
  Processo& p2 = doc.NovoProcesso(2);
  p2.Tag = "P-2";
  p2.Descricao = "2ª ordem subamortecido|Second order underdamped";
  p2.ItemEntrada = 2 - 1;
  p2.TipoFuncao = Processo::kSubamortecido;
  p2.TextoNC = "1.5";
  p2.TextoPeriodo = "40";
  Aplica(doc, p2);
  Coloca(doc, TipoObjeto::Processo, 2, 630, 258);

  // 3: fourth order, two blocks of two lags.
  NovoTrecho(doc, 3, "P-3a", "4ª ordem, 1º par|Fourth order, first pair", 3,
             {.T1 = "20", .T2 = "10"}, 140, 513);
  NovoTrecho(doc, 4, "P-3b", "4ª ordem, 2º par|Fourth order, second pair", 23,
             {.T1 = "15", .T2 = "5", .ganho = "0.8"}, 224, 513);

  // 4: integrator.
  NovoBloco(doc, 3, "XY-4", "", "M04-M15", 630, 513);
  NovoIntegrador(doc, 5, "P-4", "Integrador|Integrator", 43, "1/300", "50", 714, 513);

  NovaMalha(doc, 1, "XIC-1", "1ª ordem com tempo morto|First order, dead time", 42, 50.0,
            {.Kp = 0.65, .Ti = 30.0});
  NovaMalha(doc, 2, "XIC-2", "2ª ordem subamortecido|Second order underdamped", 22, 50.0,
            {.Kp = 0.3, .Ti = 12.0});
  NovaMalha(doc, 3, "XIC-3", "4ª ordem|Fourth order", 24, 50.0, {.Kp = 0.8, .Ti = 35.0});
  NovaMalha(doc, 4, "XIC-4", "Integrador|Integrator", 25, 50.0, {.Kp = 4.0, .Ti = 300.0});

  for (const Quadro& q : Quadros()) {
    Coloca(doc, TipoObjeto::Controlador, q.n, q.x + 14, q.y + 42);
    NovoRegistro(doc, q.n, "XR-" + std::to_string(q.n), q.titulo, q.n, q.x + 14, q.y + 178);
  }

  for (const Quadro& q : Quadros())
    NovoMostrador(doc, q.n,
                  q.n == 1   ? 42
                  : q.n == 2 ? 22
                  : q.n == 3 ? 24
                             : 25,
                  "PV " + std::to_string(q.n), 1, q.x + 300, q.y + 225);

  Comenta(doc,
          {"Quatro processos para modelagem, cada", "um com seu controlador em automático.",
           "Passe um para manual, dê um degrau na", "saída e registre a resposta: estime",
           "ganho, constantes de tempo e tempo", "morto (ou a taxa do integrador).",
           "Sintonize pelo modelo e confira em", "automático com um degrau no SP."},
          {"Four processes for modelling, each with", "its controller in automatic. Put one in",
           "manual, step its output and record the", "response: estimate gain, time constants",
           "and dead time (or the integrator's", "rate). Tune from the model and check it",
           "in automatic with a step in the SP."});
}

void DesenhaQuatroProcessos(Desenho& d) {
  d.Texto({30, 50}, "4 Processos para Modelagem", 22, true);
  for (const Quadro& q : Quadros()) {
    d.Texto({q.x + 10, q.y + 22}, QString::fromUtf8(q.titulo), 15, true);
    // Controller, the process box, the measurement back.
    const QPoint bolha(q.x + 54, q.y + 110);
    d.Instrumento(bolha, "XIC", QString::number(q.n));
    const QRect caixa(q.x + 120, q.y + 80, 150, 60);
    Caixa(d, caixa);
    d.Texto({caixa.left() + 50, caixa.top() + 36}, QString::fromUtf8(q.nome), 15, true);
    d.Sinal({{bolha.x() + 21, bolha.y()}, {caixa.left(), bolha.y()}}, true);
    d.Texto({bolha.x() + 26, bolha.y() - 6}, "CO", 11);
    d.Sinal({{caixa.right(), bolha.y()},
             {caixa.right() + 30, bolha.y()},
             {caixa.right() + 30, caixa.bottom() + 30},
             {bolha.x(), caixa.bottom() + 30},
             {bolha.x(), bolha.y() + 21}},
            true);
    d.Texto({caixa.right() + 6, bolha.y() - 6}, "PV", 11);
    // What its response to a step in CO looks like.
    Resposta(d, {q.x + 340, q.y + 60, 120, 100}, q.forma);
    d.Texto({q.x + 340, q.y + 50}, "degrau em CO", 11);
  }
}

// ---------------------------------------------------------------------------
// Frequency response.

// The basic flow loop with its SP taken in remote from a sine (generator
// M81 around 60 m3/h) and a sine in the upstream pressure (M82); data
// entries set each sine's period and amplitude. Starts with the SP sine
// only.
//   M41  SP: 50 + amplitude·sin (M81 is a unit sine)
//   M42  upstream pressure: 50 + amplitude·sin (M82)
//   M21  valve (1 s); M43 flow it passes: M21·√(M42/50)
//   M22  measured flow FT-101 (1.5 s)
void MontaRespostaFrequencia(Documento& doc) {
  doc.Titulo = "Resposta em Frequência|Frequency Response";
  Descreve(doc, 15, "s", 0, 300, "Período do SP|SP period");
  Descreve(doc, 16, "m3/h", 0, 24, "Amplitude do SP|SP amplitude");
  Descreve(doc, 17, "s", 0, 300, "Período da pressão|Pressure period");
  Descreve(doc, 18, "bar", 0, 2, "Amplitude da pressão|Pressure amplitude");
  Descreve(doc, 41, "m3/h", 0, 120, "SP remoto|Remote SP");
  Descreve(doc, 42, "bar", 0, 10, "Pressão a montante|Upstream pressure");
  Descreve(doc, 43, "m3/h", 0, 120, "Vazão na válvula|Flow through the valve");
  Descreve(doc, 22, "m3/h", 0, 120, "Vazão FT-101|Flow FT-101");
  NovaEntrada(doc, 1, "Período SP|SP period", 2000, 30, 80);
  NovaEntrada(doc, 2, "Amplitude SP|SP amplitude", 5000, 30, 150);
  NovaEntrada(doc, 3, "Período P|P period", 1000, 30, 460);
  NovaEntrada(doc, 4, "Amplitude P|P amplitude", 0, 30, 530);

  Gerador& g = doc.gerador();
  for (const auto& [canal, periodo] : {std::pair{81, "M15*3"}, std::pair{82, "M17*3"}}) {
    CanalGerador& seno = g.Canal(canal);
    seno.Tipo = 5;
    g.MudaTipo(canal);
    seno.Min = "-1";
    seno.Max = "1";
    seno.Desc = periodo;
    seno.DefineValor("0");
  }
  g.AtualizaParametros();

  NovoBloco(doc, 1, "FY-100", "SP remoto|Remote SP", "50+M16/5*M81", 291, 185);
  NovoBloco(doc, 2, "PY-100", "Pressão a montante|Upstream pressure", "50+M18/2*M82", 276, 429);
  NovoTrecho(doc, 1, "FV-101", "Válvula de controle|Control valve", 1, {.T1 = "1"}, 441, 345);
  NovoBloco(doc, 3, "FY-101", "", "M21*(M42/50)^0.5", 525, 345);
  NovoTrecho(doc, 2, "FT-101", "Vazão na linha|Line flow", 43, {.T1 = "1.5"}, 726, 249);

  NovoEscravo(doc, 1, "FIC-101", "Vazão de produto|Product flow", 22, 41, {.Kp = 0.4, .Ti = 2.5});
  Coloca(doc, TipoObjeto::Controlador, 1, 561, 113);
  NovoRegistro(doc, 1, "FR-101", "Vazão de produto|Product flow", 1, 646, 113);

  NovoMostrador(doc, 1, 41, "SP remoto|Remote SP", 1, 400, 215);
  NovoMostrador(doc, 2, 22, "Vazão|Flow", 1, 760, 300);
  NovoMostrador(doc, 3, 42, "Pressão|Pressure", 2, 190, 275);

  Comenta(doc,
          {"Malha de vazão com SP senoidal (gerador", "M81, SP remoto) e, se quiser, pressão",
           "senoidal a montante (M82). Mude o", "período: devagar, a vazão segue o SP;",
           "rápido, a amplitude cai e a vazão se", "atrasa. Anote a razão de amplitudes e",
           "a defasagem para montar o diagrama de", "Bode da malha fechada."},
          {"Flow loop with a sine SP (generator M81,", "remote SP) and, if wished, a sine in the",
           "upstream pressure (M82). Change the", "period: slow, the flow follows the SP;",
           "fast, the amplitude falls and the flow", "lags. Note the amplitude ratio and the",
           "phase lag to build the closed loop's", "Bode diagram."});
}

void DesenhaRespostaFrequencia(Desenho& d) {
  d.Texto({30, 50}, "Resposta em Frequência", 22, true);
  d.Linha({{20, 330}, {980, 330}});
  d.Corrente({24, 320}, "Entrada");
  d.Corrente({900, 320}, "Processo");
  d.Instrumento({160, 280}, "PI", "100", {160, 330}, true);
  d.Valvula({480, 330});
  d.Placa({700, 330});
  d.Instrumento({700, 260}, "FT", "101", {700, 330}, true);
  d.Instrumento({600, 160}, "FIC", "101");
  d.Sinal({{700, 239}, {700, 160}, {621, 160}}, true);
  d.Sinal({{600, 181}, {600, 240}, {480, 240}, {480, 294}}, true);
  // The SP comes from one sine of the generator, the upstream pressure
  // swings with another.
  d.Funcao({330, 160}, "∿");
  d.Texto({296, 136}, "Gerador M81", 12);
  d.Sinal({{347, 160}, {579, 160}}, true);
  d.Funcao({240, 420}, "∿");
  d.Texto({206, 470}, "Gerador M82", 12);
  d.Sinal({{240, 403}, {240, 330}}, true);
  d.Texto({250, 380}, "Pressão", 12);
}

const bool registrado = Registra({.arquivo = "Linearized pH control/pHcontrol.smp",
                                  .monta = MontaCondutividade,
                                  .desenha = DesenhaCondutividade,
                                  .aquecimento = 1800}) &&
                        Registra({.arquivo = "smith predictor/smithpredictor.smp",
                                  .monta = MontaPreditorSmith,
                                  .desenha = DesenhaPreditorSmith,
                                  .aquecimento = 900}) &&
                        Registra({.arquivo = "processes to model/4processes.smp",
                                  .monta = MontaQuatroProcessos,
                                  .desenha = DesenhaQuatroProcessos,
                                  .aquecimento = 1800}) &&
                        Registra({.arquivo = "frequency response/frequencyresponse.smp",
                                  .monta = MontaRespostaFrequencia,
                                  .desenha = DesenhaRespostaFrequencia,
                                  .aquecimento = 300});

}  // namespace
}  // namespace quiv::exemplos
