#include "core/controlador.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/equation.h"
#include "core/erro.h"

namespace quiv {

namespace {

// PV and SP are held in 0 … 100; a value that is not ≥ 0 (NaN included) is 0.
double Limita0a100(double x) {
  if (x > 100.0) return 100.0;
  if (!(x >= 0.0)) return 0.0;
  return x;
}

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

bool Digito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> Controlador::LeNumero(std::string_view texto) {
  std::string t = VirgulaPonto(texto);
  std::replace(t.begin(), t.end(), 'e', 'E');
  std::size_t inicio = 0;
  std::size_t fim = t.size();
  while (inicio < fim && t[inicio] == ' ') ++inicio;
  while (fim > inicio && t[fim - 1] == ' ') --fim;
  std::size_t i = inicio;
  if (i < fim && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digitos = 0;
  while (i < fim && Digito(t[i])) ++i, ++digitos;
  if (i < fim && t[i] == '.') {
    ++i;
    while (i < fim && Digito(t[i])) ++i, ++digitos;
  }
  if (digitos == 0) return std::nullopt;
  if (i < fim && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < fim && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expoente = 0;
    while (i < fim && Digito(t[i])) ++i, ++expoente;
    if (expoente == 0) return std::nullopt;
  }
  if (i != fim) return std::nullopt;
  const double v = ValorNumeroSemVerificar(std::string_view(t).substr(inicio, fim - inicio));
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::size_t Controlador::EscreveFixo(double x, int d, char* destino) {
  d = std::clamp(d, 0, 20);
  if (std::isnan(x)) {
    std::memcpy(destino, "NAN", 3);
    return 3;
  }
  if (std::isinf(x)) {
    const char* t = x < 0 ? "-INF" : "INF";
    const std::size_t n = std::strlen(t);
    std::memcpy(destino, t, n);
    return n;
  }
  // |x| ≈ D·10^(E−14), D the 15 significant digits.
  char digitos[15];
  int expoente = 0;
  const double a = std::fabs(x);
  if (a == 0.0) {
    std::memset(digitos, '0', sizeof digitos);
  } else {
    char cientifico[32];
    const auto r = std::to_chars(cientifico, cientifico + sizeof cientifico, a,
                                 std::chars_format::scientific, 14);
    digitos[0] = cientifico[0];
    std::memcpy(digitos + 1, cientifico + 2, 14);
    const char* e = std::find(cientifico, r.ptr, 'e');
    const char* inicioExpoente = e + 1;
    if (*inicioExpoente == '+') ++inicioExpoente;
    std::from_chars(inicioExpoente, r.ptr, expoente);
  }
  // N = |x|·10^d rounded half away from zero, as decimal digits.
  char n[340];
  int tamanho = 0;
  const int deslocamento = expoente - 14 + d;
  if (deslocamento >= 0) {
    std::memcpy(n, digitos, 15);
    std::memset(n + 15, '0', static_cast<std::size_t>(deslocamento));
    tamanho = 15 + deslocamento;
  } else {
    const int mantidos = 15 + deslocamento;
    if (mantidos >= 0) {
      std::memcpy(n, digitos, static_cast<std::size_t>(mantidos));
      tamanho = mantidos;
      if (digitos[mantidos] >= '5') {
        int i = tamanho - 1;
        while (i >= 0 && n[i] == '9') n[i--] = '0';
        if (i >= 0) {
          ++n[i];
        } else {
          std::memmove(n + 1, n, static_cast<std::size_t>(tamanho));
          n[0] = '1';
          ++tamanho;
        }
      }
    }
  }
  // At least one digit before the point, no needless leading zeros.
  if (tamanho < d + 1) {
    const int falta = d + 1 - tamanho;
    std::memmove(n + falta, n, static_cast<std::size_t>(tamanho));
    std::memset(n, '0', static_cast<std::size_t>(falta));
    tamanho = d + 1;
  }
  int primeiro = 0;
  while (tamanho - primeiro > d + 1 && n[primeiro] == '0') ++primeiro;
  const bool zero = std::all_of(n + primeiro, n + tamanho, [](char c) { return c == '0'; });
  std::size_t k = 0;
  if (x < 0 && !zero) destino[k++] = '-';
  const int inteiros = tamanho - primeiro - d;
  std::memcpy(destino + k, n + primeiro, static_cast<std::size_t>(inteiros));
  k += static_cast<std::size_t>(inteiros);
  if (d > 0) {
    destino[k++] = '.';
    std::memcpy(destino + k, n + tamanho - d, static_cast<std::size_t>(d));
    k += static_cast<std::size_t>(d);
  }
  return k;
}

std::string Controlador::TextoFixo(double x, int d) {
  char texto[352];
  return std::string(texto, EscreveFixo(x, d, texto));
}

Controlador::Controlador(Simulacao& simulacao, int n)
    : TagText("PID" + std::to_string(n)), simulacao_(simulacao), n_(n) {}

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

  if (simulacao_.ModoRapido) return;
  SetPointBar = Barra(SP);
  SaidaBar = Barra(CO);
  VariavelBar = Barra(PV);
  SPRBar = Barra(SPR);
  if (!ModoLocal) Escreve(SPText, leituraSP_, Engenharia(SP), DecimaisLeitura);
  if (ModoAuto) Escreve(MVText, leituraMV_, CO, 2);
  Escreve(PVText, leituraPV_, Engenharia(PV), DecimaisLeitura);
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
}

void Controlador::LocalRemotoBTNClick() {
  if (!LocalRemotoHabilitado) return;
  ModoLocal = !ModoLocal;
}

}  // namespace quiv
