// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/controlador.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/verificacoes.h"

namespace quiv {

namespace {

// P and D are held in −100 … 100; NaN becomes −100.
double LimitaAcao(double x) {
  if (x > 100.0) return 100.0;
  if (!(x >= -100.0)) return -100.0;
  return x;
}

// Gauge position of a % value on a 0 … 200 gauge: Round(2·x), ties to even
// like the Pascal Round, held on the gauge.
int Barra(double x) {
  const double v = 2.0 * x;
  if (!(v >= 0.0)) return 0;
  if (v >= 200.0) return 200;
  return static_cast<int>(std::nearbyint(v));
}

// Decimals of the SP and PV read-outs for a scale span.
int Decimais(double span) {
  if (span < 1.0) return 4;
  if (span < 10.0) return 3;
  if (span < 100.0) return 2;
  if (span < 1000.0) return 1;
  return 0;
}

}  // namespace

Controlador::Controlador(Simulacao& simulacao, int n)
    : Tendencia(simulacao, *this), simulacao_(simulacao), n_(n) {
  Tag = "PID" + std::to_string(n);
}

double Controlador::Celula(int endereco) const {
  return endereco >= 1 && endereco <= Memoria::kEnderecos ? simulacao_->memoria.celula[endereco]
                                                          : 0.0;
}

std::string Controlador::TextoEngenharia(double valor) const {
  return TextoFixo(Engenharia(valor), DecimaisLeitura);
}

void Controlador::Escreve(std::string& campo, Leitura& leitura, double valor, int decimais) {
  if (!(valor == leitura.valor) || decimais != leitura.decimais) {
    leitura.tamanho = EscreveFixo(valor, decimais, leitura.texto.data());
    leitura.valor = valor;
    leitura.decimais = decimais;
  }
  const std::string_view texto(leitura.texto.data(), leitura.tamanho);
  if (campo != texto) campo.assign(texto);
}

void Controlador::EscreveTextoSP() { TextoSP = TextoEngenharia(SP); }
void Controlador::EscreveTextoMV() { TextoMV = TextoFixo(CO, 2); }

void Controlador::Calcula() {
  Memoria& m = simulacao_->memoria;
  const double dt = simulacao_->dt;

  exprCOmin_.DefineTexto(TextoCOmin);
  COmin = exprCOmin_.Valor(m);
  exprCOmax_.DefineTexto(TextoCOmax);
  COmax = exprCOmax_.Valor(m);

  PV = Celula(EnderecoPV);
  SPR = HabilitaSPR ? Celula(EnderecoSPR) : 0.0;
  if (!ModoLocal) SP = SPR;

  // The error and the P input see the PV and SP as they come.
  if (AcaoReversa) {
    e = PV - SP;
    u = PV - a * SP;
  } else {
    e = SP - PV;
    u = a * SP - PV;
  }
  PV = Limita0a100(PV);
  SP = Limita0a100(SP);

  if (AcaoD && DerivadaNaPV) {
    const double soma = tf + dt;
    // tf = −dt (no range is checked) would divide by zero: no filter then.
    PVfiltro = soma != 0.0 ? tf / soma * PVfiltroAnt + dt / soma * PV : PV;
  }

  m.celula[EnderecoSP()] = SP;

  double K = Kc;
  if (FFAtivo) {
    exprFF_.DefineTexto(EquacaoFF);
    Bias = exprFF_.Valor(m);
  }

  if (AcaoP) {
    P = K * u;
  } else {
    P = 0.0;
    K = 1.0;
  }
  P = LimitaAcao(P);

  if (AcaoD) {
    if (DerivadaNaPV)
      D = AcaoReversa ? Td * (PVfiltro - PVfiltroAnt) / dt : Td * (PVfiltroAnt - PVfiltro) / dt;
    else
      D = Td * (e - Erroant) / dt;
    if (EstruturaISA) D = D * K;
    D = LimitaAcao(D);
  } else {
    D = 0.0;
  }

  if (ModoAuto) {
    bool integra = Ti != 0.0 && AcaoI;
    if (integra && HabilitaBackMV) {
      const double mvEscravo = Celula(ItemBackMV + 1);
      integra = mvEscravo > 0.1 && mvEscravo < 99.9;
    }
    if (integra)
      I = EstruturaISA ? Iant + K * e * dt / Ti : Iant + e * dt / Ti;
    else
      I = Iant;
    CO = Bias + P + I + D;
    // Reset clamping: the integral alone absorbs the excess, and CO is put on
    // the limit itself rather than on a sum that may miss it by a rounding.
    if (CO > COmax) {
      I = COmax - P - D - Bias;
      CO = COmax;
    } else if (!(CO >= COmin)) {
      I = COmin - P - D - Bias;
      CO = COmin;
    }
  } else {
    I = CO - P - D - Bias;
  }

  Erroant = e;
  PVant = PV;
  PVfiltroAnt = PVfiltro;
  Iant = I;
  m.celula[EnderecoSaida()] = Finito(CO);

  if (!simulacao_->ModoRapido) {
    BarraSP = Barra(SP);
    BarraSaida = Barra(CO);
    BarraPV = Barra(PV);
    BarraSPR = Barra(SPR);
    if (!ModoLocal) Escreve(TextoSP, leituraSP_, Engenharia(SP), DecimaisLeitura);
    if (ModoAuto) Escreve(TextoMV, leituraMV_, CO, 2);
    Escreve(TextoPV, leituraPV_, Engenharia(PV), DecimaisLeitura);
  }
  Tendencia.Amostra();
}

bool Controlador::AtualizaParametros(bool MostraMensagens) {
  Memoria& m = simulacao_->memoria;
  Verificacoes v("Controlador", n_, Tag.Em(simulacao_->IdiomaIngles));

  const bool ingles = simulacao_->IdiomaIngles;
  const std::string tag(Tag.Em(ingles));
  if (tag.empty()) {
    v.Falha(": TAG não informado");
  } else if (ItemPV < 0 || ItemPV >= Memoria::kEnderecos) {
    v.Falha(": Variável de processo (PV) não informada");
  } else {
    const Descritor& escala = m.descritor[ItemPV + 1];
    InicioEscala = escala.UEMin;
    FimEscala = escala.UEMax;
    UnidEng = escala.UnidadeEng;

    v.Numero(TextoKp, Kc, ": Kp inválido");
    v.Numero(TextoTi, Ti, ": Ti inválido");
    v.Numero(TextoTd, Td, ": Td inválido");
    v.Numero(TextoFatorA, a, ": Fator a inválido");
    v.Numero(TextoTf, tf, ": Talf inválido");
    v.Numero(TextoBias, Bias, ": Bias inválido");
    v.Equacao(TextoCOmin, m, ": COmin inválido", &COmin);
    v.Equacao(TextoCOmax, m, ": COmax inválido", &COmax);
    FFAtivo = HabilitaFF;
    if (FFAtivo) v.Equacao(EquacaoFF, m, ": Equação do FF inválida");
    v.Numero(InicioEscala, EscalaInicio, ": Inicio Escala inválido");
    v.Numero(FimEscala, EscalaFim, ": Final Escala inválido");

    if (v.Passou()) {
      UnitEngSP = UnidEng;
      AcaoReversa = ItemAcao == 0;
      DerivadaNaPV = ItemDerivada == 1;
      EstruturaISA = ItemEstrutura == 1;
      EnderecoPV = ItemPV + 1;
      EnderecoSPR = ItemSPR + 1;
      Caption = tag;
      DescricaoAplicada = Descricao.Em(ingles);
      LocalRemotoHabilitado = HabilitaSPR;
      if (!HabilitaSPR) ModoLocal = true;
      m.DefineDescricao(EnderecoSaida(), " MV " + tag);
      m.DefineDescricao(EnderecoSP(), " SP " + tag);
      DecimaisLeitura = Decimais(std::fabs(EscalaFim - EscalaInicio));
      EscreveTextoSP();
    }
  }

  const bool aplicado = v.Informa(simulacao_, MostraMensagens);
  // The trend's archive box and scale follow whatever the result.
  Tendencia.ArquivoHabilitado = !tag.empty();
  Tendencia.Reescala();
  return aplicado;
}

void Controlador::IncrementaSP() {
  if (!ModoLocal) return;
  SP = std::min(SP + 1.0, 100.0);
  BarraSP = Barra(SP);
  EscreveTextoSP();
}

void Controlador::DecrementaSP() {
  if (!ModoLocal) return;
  SP = std::max(SP - 1.0, 0.0);
  BarraSP = Barra(SP);
  EscreveTextoSP();
}

void Controlador::TeclaSP(char tecla) {
  if (!ModoLocal || (tecla != kEnter && tecla != kEsc)) return;
  if (tecla == kEnter) {
    const auto v = LeNumero(TextoSP);
    if (v && EscalaInicio != EscalaFim) {
      const double s = (*v - EscalaInicio) * 100.0 / (EscalaFim - EscalaInicio);
      if (s >= 0.0 && s <= 100.0) SP = s;
    }
  }
  EscreveTextoSP();
}

void Controlador::IncrementaSaida() {
  if (ModoAuto) return;
  CO = std::clamp(CO + 1.0, 0.0, 100.0);
  EscreveTextoMV();
  BarraSaida = Barra(CO);
  EnviarHabilitado = false;
}

void Controlador::DecrementaSaida() {
  if (ModoAuto) return;
  CO = std::clamp(CO - 1.0, 0.0, 100.0);
  EscreveTextoMV();
  BarraSaida = Barra(CO);
  EnviarHabilitado = false;
}

void Controlador::TeclaMV(char tecla) {
  if (ModoAuto) return;
  if (tecla == kEnter) {
    Envia();
  } else if (tecla == kEsc) {
    EscreveTextoMV();
  }
}

void Controlador::Envia() {
  if (ModoAuto) return;
  const auto v = LeNumero(TextoMV);
  if (v && *v >= 0.0 && *v <= 100.0) CO = *v;
  EscreveTextoMV();
  EnviarHabilitado = false;
}

void Controlador::TextoMVAlterado() {
  if (!ModoAuto) EnviarHabilitado = true;
}

void Controlador::AlternaAutoManual() {
  ModoAuto = !ModoAuto;
  EnviarHabilitado = !ModoAuto;
  Tendencia.MostrarSP = ModoAuto;
}

void Controlador::AlternaLocalRemoto() {
  if (!LocalRemotoHabilitado) return;
  ModoLocal = !ModoLocal;
}

Controlador* ControladorDaMalha(const Simulacao& simulacao, int k) {
  return dynamic_cast<Controlador*>(simulacao.controladores[k]);
}

}  // namespace quiv
