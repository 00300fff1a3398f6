// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/processo.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/verificacoes.h"

namespace quiv {

namespace {

// Stiction detection: filter time constant (s), the smallest move of the
// rounded filter that counts as movement (%), and how many quiet steps must
// be exceeded before the element sticks.
constexpr double kTalFiltro = 0.5;
constexpr double kLimiarMovimento = 0.2;
constexpr std::int32_t kPassosQuietos = 4;

constexpr double kSemLimite = 99999.0;  // rate used when the rate text gives 0

// Round(10·v)/10 with halves to the even neighbour (the default rounding mode).
double Decimo(double v) { return std::nearbyint(10.0 * v) / 10.0; }

}  // namespace

Processo::Processo(Simulacao& simulacao, int n)
    : simulacao_(simulacao),
      n_(n),
      identidade_(IdentidadeProcesso(n)),
      ganho_(Ganho),
      tempoMorto_(TempoMorto),
      tal1_(Tal1),
      tal2_(Tal2),
      lead_(Lead),
      lag_(Lag),
      rate_(LimiteTaxa) {}

double Processo::CurvaGanho(int tipo, double x) {
  switch (tipo) {
    case kAberturaRapida:
      return 100.0 - (112.0 * std::exp(-x / 40.0) - 9.1935);
    case kIgualPorcentagem:
      return 8.9628 * (std::exp(x / 40.0) - 1.0253);
    case kCurvaS1: {
      const double z = (x / 2.5 + 30.0) / 10.0 - 5.0;
      return (50.0 * z / std::sqrt(z * z + 1.0) + 50.0 - 5.2786) / 0.8944;
    }
    case kCurvaS2: {
      const double z = x / 10.0 - 5.0;
      return 50.0 * z / std::sqrt(z * z + 1.0) + 50.0;
    }
    default:
      return x;
  }
}

int Processo::PassosTempoMorto(double D, double dt) {
  const double passos = std::nearbyint(D / dt);
  if (!(passos >= 0.0)) return 0;
  if (passos > kMaximoPassosTM) return kMaximoPassosTM;
  return static_cast<int>(passos);
}

void Processo::Satura(double& v) const {
  if (SaturadorDesligado) return;
  if (v > 100.0)
    v = 100.0;
  else if (!(v >= 0.0))
    v = 0.0;
}

double Processo::FuncaoTransferencia(double x, double K) {
  const Memoria& m = simulacao_->memoria;
  const double dt = simulacao_->dt;
  switch (TipoFT) {
    case kSubamortecido: {
      const double w = 6.283 / Periodo;
      const double zeta = NC == 0.0 ? 1.0 : 0.6 / NC;
      const double w2dt2 = w * w * dt * dt;
      double yn = Y1old;
      if (!std::isfinite(w2dt2)) {
        yn = x;
      } else {
        const double den = 1.0 + 2.0 * zeta * w * dt + w2dt2;
        if (den != 0.0) yn = ((2.0 + 2.0 * zeta * w * dt) * Y1old - Y1old2 + w2dt2 * x) / den;
      }
      Satura(yn);
      Y1old2 = Y1old;
      Y1old = yn;
      return yn;
    }
    case kLeadLag: {
      lead_.DefineTexto(Lead);
      const double L = lead_.Valor(m);
      lag_.DefineTexto(Lag);
      const double G = lag_.Valor(m);
      double yn = Y1old;
      if (dt + G != 0.0) yn = (G * Y1old + (dt + L) * x - L * Y0old) / (dt + G);
      Satura(yn);
      Y1old = yn;
      return yn;
    }
    case kIntegrador: {
      double yn = K * dt * x + Y1old;
      Satura(yn);
      Y1old = yn;
      return yn;
    }
    default: {
      tal1_.DefineTexto(Tal1);
      const double T1 = tal1_.Valor(m);
      tal2_.DefineTexto(Tal2);
      const double T2 = tal2_.Valor(m);
      if (T1 == 0.0)
        IntAc1 = x;
      else if (2.0 * T1 + dt != 0.0)
        IntAc1 = ((2.0 * T1 - dt) * IntAc1 + dt * (x + Y0old)) / (2.0 * T1 + dt);
      if (T2 == 0.0)
        IntAc2 = IntAc1;
      else if (T2 + dt != 0.0)
        IntAc2 = (T2 * IntAc2 + dt * IntAc1) / (T2 + dt);
      Satura(IntAc2);
      return IntAc2;
    }
  }
}

void Processo::Calcula() {
  Memoria& m = simulacao_->memoria;
  const double dt = simulacao_->dt;

  X0 = m.celula[Entrada];
  const double K = ganho_.Valor(m);

  if (H > 0.0) {
    const double r = Decimo(X0);
    if (Xh + H <= r) {
      Xh = r - H;
      XhRef = r;
    } else if (XhRef - H > X0) {
      Xh = r;
      XhRef = r + H;
    }
  } else {
    Xh = X0;
  }

  if (!Agarrado) {
    Xs = Xh;
    Xf = kTalFiltro / (kTalFiltro + dt) * Xf + dt / (kTalFiltro + dt) * Xh;
    Xfr = Decimo(Xf);
    if (std::fabs(Xfr - x5old) >= kLimiarMovimento)
      ContaEstavel = 0;
    else if (ContaEstavel < std::numeric_limits<std::int32_t>::max())
      ++ContaEstavel;
    if (ContaEstavel > kPassosQuietos && S > 0.0) Agarrado = true;
  } else if (std::fabs(Xs - Xh) >= S) {
    Agarrado = false;
  }
  x5old = Xfr;

  rate_.DefineTexto(LimiteTaxa);
  double R = rate_.Valor(m);
  if (R == 0.0) R = kSemLimite;
  const double delta = std::fabs(R) * dt;
  if (std::fabs(Xr - Xs) > delta)
    Xr = Xs > Xr ? Xr + delta : Xr - delta;
  else
    Xr = Xs;

  const double Xv = CurvaGanho(TipoCurva, Xr);

  if (Ta == 0.0)
    Xa = Xv;
  else if (Ta + dt != 0.0)
    Xa = Ta / (Ta + dt) * Xa + dt / (Ta + dt) * Xv;

  const int passos = PassosTempoMorto(tempoMorto_.Valor(m), dt);
  IndTM = (IndTM >= kTamanhoBuffer || IndTM < 0) ? 1 : IndTM + 1;
  BufTM[IndTM] = Xa;
  const int k = IndTM - passos;
  const double Xd = k >= 1 ? BufTM[k] : BufTM[k + kTamanhoBuffer];

  const double y = FuncaoTransferencia(Xd, K);

  Y0old = Xd;
  Y2 = TipoFT == kIntegrador ? y : y * K;
  Finito(Xa);
  m.celula[identidade_] = Finito(Y2);
  m.PosicaoAtuador(n_) = Xa;
}

bool Processo::AtualizaParametros(bool MostraMensagens) {
  const Memoria& m = simulacao_->memoria;
  Verificacoes v("Processo", identidade_, Tag.Em(simulacao_->IdiomaIngles));

  if (!v.Confere(ItemEntrada >= 0 && ItemEntrada < Memoria::kEnderecos,
                 ": Variável de entrada não informada"))
    return v.Informa(simulacao_, MostraMensagens);
  Entrada = ItemEntrada + 1;

  ganho_.DefineTexto(Ganho);
  v.Equacao(ganho_, m, ": Ganho inválido");

  tempoMorto_.DefineTexto(TempoMorto);
  double D = 0.0;
  if (v.Equacao(tempoMorto_, m, ": Tempo Morto inválido", &D))
    v.Confere(D >= 0.0, ": Tempo Morto inválido");

  TipoFT =
      TipoFuncao >= kSobreamortecido && TipoFuncao <= kIntegrador ? TipoFuncao : kSobreamortecido;
  switch (TipoFT) {
    case kSobreamortecido:
      tal1_.DefineTexto(Tal1);
      v.Equacao(tal1_, m, ": Tal1 inválido");
      tal2_.DefineTexto(Tal2);
      v.Equacao(tal2_, m, ": Tal2 inválido");
      break;
    case kSubamortecido:
      if (v.Numero(TextoNC, NC, ": NCn inválido")) v.Confere(NC != 0.0, ": NCn inválido");
      v.Numero(TextoPeriodo, Periodo, ": Periodo inválido");
      break;
    case kLeadLag:
      lag_.DefineTexto(Lag);
      v.Equacao(lag_, m, ": LAG inválido");
      lead_.DefineTexto(Lead);
      v.Equacao(lead_, m, ": LEAD inválido");
      break;
    default:
      if (InicialPendente) {
        if (const std::optional<double> inicial = LeNumero(ValorInicial)) Y1old = *inicial;
        InicialPendente = false;
      }
      break;
  }

  v.Numero(Histerese, H, ": Histerese inválida");
  TipoCurva = TipoValvula >= kLinear && TipoValvula <= kCurvaS2 ? TipoValvula : kLinear;
  rate_.DefineTexto(LimiteTaxa);
  v.Equacao(rate_, m, ": Rate inválido");
  v.Numero(Agarramento, S, ": Agarramento inválido");
  v.Numero(ConstanteTempoAtuador, Ta, ": Constante de tempo inválido");

  if (v.Passou()) {
    const bool ingles = simulacao_->IdiomaIngles;
    const std::string descricao = CortaTexto(Descricao.Em(ingles));
    simulacao_->memoria.DefineDescricao(identidade_, descricao);
    Identificacao = std::string(Tag.Em(ingles)) + " " + descricao;
    RotuloSaida = "(M" + std::to_string(identidade_) + ")";
    RotuloPosicaoAtuador = "(M" + std::to_string(100 + n_) + ")";
    Caption = descricao;
  }
  return v.Informa(simulacao_, MostraMensagens);
}

void Processo::DefineValorInicial(std::string_view texto) {
  ValorInicial = std::string(texto);
  InicialPendente = true;
}

void Processo::CarregaDescricao() {
  Descricao.Edita(simulacao_->IdiomaIngles, simulacao_->memoria.DescricaoEndereco[identidade_]);
}

}  // namespace quiv
