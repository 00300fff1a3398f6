#include "core/objetos/controlador.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/nucleo/equation.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"

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
    : TagText("PID" + std::to_string(n)),
      Tendencia(simulacao, *this),
      simulacao_(simulacao),
      n_(n) {}

double Controlador::Celula(int endereco) const {
  return endereco >= 1 && endereco <= Memoria::kEnderecos ? simulacao_.memoria.celula[endereco]
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

void Controlador::EscreveSPText() { SPText = TextoEngenharia(SP); }
void Controlador::EscreveMVText() { MVText = TextoFixo(CO, 2); }

void Controlador::Calcula() {
  Memoria& m = simulacao_.memoria;
  const double dt = simulacao_.dt;

  exprCOmin_.DefineTexto(COminText);
  COmin = exprCOmin_.Valor(m);
  exprCOmax_.DefineTexto(COmaxText);
  COmax = exprCOmax_.Valor(m);

  PV = Celula(EnderecoPV);
  SPR = CheckSPR ? Celula(EnderecoSPR) : 0.0;
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

  if (DCHK && DerivadaNaPV) {
    const double soma = tf + dt;
    // tf = −dt (no range is checked) would divide by zero: no filter then.
    PVfiltro = soma != 0.0 ? tf / soma * PVfiltroAnt + dt / soma * PV : PV;
  }

  m.celula[EnderecoSP()] = SP;

  double K = Kc;
  if (FFAtivo) {
    exprFF_.DefineTexto(FFwEquation);
    Bias = exprFF_.Valor(m);
  }

  if (PCHK) {
    P = K * u;
  } else {
    P = 0.0;
    K = 1.0;
  }
  P = LimitaAcao(P);

  if (DCHK) {
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
    bool integra = Ti != 0.0 && ICHK;
    if (integra && BackMVCheck) {
      const double mvEscravo = Celula(BackMV + 1);
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
  m.celula[EnderecoSaida()] = CO;

  if (!simulacao_.ModoRapido) {
    SetPointBar = Barra(SP);
    SaidaBar = Barra(CO);
    VariavelBar = Barra(PV);
    SPRBar = Barra(SPR);
    if (!ModoLocal) Escreve(SPText, leituraSP_, Engenharia(SP), DecimaisLeitura);
    if (ModoAuto) Escreve(MVText, leituraMV_, CO, 2);
    Escreve(PVText, leituraPV_, Engenharia(PV), DecimaisLeitura);
  }
  Tendencia.Amostra();
}

bool Controlador::AtualizaParametros(bool MostraMensagens) {
  Memoria& m = simulacao_.memoria;
  const char* falhas[16];
  int nFalhas = 0;
  auto falha = [&](const char* sufixo) { falhas[nFalhas++] = sufixo; };

  if (TagText.empty()) {
    falha(": TAG não informado");
  } else if (VariavelSelect < 0 || VariavelSelect >= Memoria::kEnderecos) {
    falha(": Variável de processo (PV) não informada");
  } else {
    const Descritor& escala = m.descritor[VariavelSelect + 1];
    InicioEscala = escala.UEMin;
    FimEscala = escala.UEMax;
    UnidEng = escala.UnidadeEng;

    auto numero = [&](const std::string& texto, double& destino, const char* sufixo) {
      if (const auto v = LeNumero(texto))
        destino = *v;
      else
        falha(sufixo);
    };
    // An overflow while evaluating is a value that does not evaluate.
    auto expressao = [&](const std::string& texto, double* destino, const char* sufixo) {
      try {
        const Avaliacao r = CalculaEquacao(SubstituiEnderecos(texto, m));
        if (destino) *destino = r.valor;
        if (!r.ErroEquacao.empty()) falha(sufixo);
      } catch (const Erro&) {
        falha(sufixo);
      }
    };
    numero(KpText, Kc, ": Kp inválido");
    numero(KiText, Ti, ": Ti inválido");
    numero(KdText, Td, ": Td inválido");
    numero(aText, a, ": Fator a inválido");
    numero(tfText, tf, ": Talf inválido");
    numero(BiasText, Bias, ": Bias inválido");
    expressao(COminText, &COmin, ": COmin inválido");
    expressao(COmaxText, &COmax, ": COmax inválido");
    FFAtivo = FFwSelect;
    if (FFAtivo) expressao(FFwEquation, nullptr, ": Equação do FF inválida");
    numero(InicioEscala, EscalaInicio, ": Inicio Escala inválido");
    numero(FimEscala, EscalaFim, ": Final Escala inválido");

    if (nFalhas == 0) {
      UnitEngSP = UnidEng;
      AcaoReversa = Acaogroup == 0;
      DerivadaNaPV = DerivadaGroup == 1;
      EstruturaISA = EstruturaGroup == 1;
      EnderecoPV = VariavelSelect + 1;
      EnderecoSPR = SPRSelect + 1;
      Caption = TagText;
      DescricaoText = Descricao;
      LocalRemotoHabilitado = CheckSPR;
      if (!CheckSPR) ModoLocal = true;
      m.DefineDescricao(EnderecoSaida(), " MV " + TagText);
      m.DefineDescricao(EnderecoSP(), " SP " + TagText);
      DecimaisLeitura = Decimais(std::fabs(EscalaFim - EscalaInicio));
      EscreveSPText();
    }
  }

  if (MostraMensagens) {
    const std::string prefixo = "Controlador " + std::to_string(n_);
    for (int i = 0; i < nFalhas; ++i) simulacao_.Informa(prefixo + falhas[i]);
  }
  Tendencia.CheckBox1Habilitado = !TagText.empty();
  Tendencia.ReescalaTendencia();
  return nFalhas == 0;
}

void Controlador::IncrementaSPClick() {
  if (!ModoLocal) return;
  SP = std::min(SP + 1.0, 100.0);
  SetPointBar = Barra(SP);
  EscreveSPText();
}

void Controlador::DecrementaSPClick() {
  if (!ModoLocal) return;
  SP = std::max(SP - 1.0, 0.0);
  SetPointBar = Barra(SP);
  EscreveSPText();
}

void Controlador::SPTextKeyPress(char tecla) {
  if (!ModoLocal || (tecla != kEnter && tecla != kEsc)) return;
  if (tecla == kEnter) {
    const auto v = LeNumero(SPText);
    if (v && EscalaInicio != EscalaFim) {
      const double s = (*v - EscalaInicio) * 100.0 / (EscalaFim - EscalaInicio);
      if (s >= 0.0 && s <= 100.0) SP = s;
    }
  }
  EscreveSPText();
}

void Controlador::IncrementaSaidaClick() {
  if (ModoAuto) return;
  CO = std::clamp(CO + 1.0, 0.0, 100.0);
  EscreveMVText();
  SaidaBar = Barra(CO);
  Button2Habilitado = false;
}

void Controlador::DecrementaSaidaClick() {
  if (ModoAuto) return;
  CO = std::clamp(CO - 1.0, 0.0, 100.0);
  EscreveMVText();
  SaidaBar = Barra(CO);
  Button2Habilitado = false;
}

void Controlador::MVTextKeyPress(char tecla) {
  if (ModoAuto) return;
  if (tecla == kEnter) {
    Button2Click();
  } else if (tecla == kEsc) {
    EscreveMVText();
  }
}

void Controlador::Button2Click() {
  if (ModoAuto) return;
  const auto v = LeNumero(MVText);
  if (v && *v >= 0.0 && *v <= 100.0) CO = *v;
  EscreveMVText();
  Button2Habilitado = false;
}

void Controlador::MVTextChange() {
  if (!ModoAuto) Button2Habilitado = true;
}

void Controlador::AutoManualBTNClick() {
  ModoAuto = !ModoAuto;
  Button2Habilitado = !ModoAuto;
  Tendencia.MostrarSP = ModoAuto;
}

void Controlador::LocalRemotoBTNClick() {
  if (!LocalRemotoHabilitado) return;
  ModoLocal = !ModoLocal;
}

Controlador* ControladorDaMalha(const Simulacao& simulacao, int k) {
  return dynamic_cast<Controlador*>(simulacao.controladores[k]);
}

}  // namespace quiv
