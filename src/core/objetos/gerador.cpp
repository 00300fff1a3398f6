// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/gerador.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <string_view>
#include <vector>

#include "core/nucleo/equation.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/verificacoes.h"

namespace quiv {

namespace {

// A plain number field: the leading number of the text, no comma conversion,
// no addresses; a text that is no number, or a number beyond the double range,
// gives 0.
double NumeroSimples(std::string_view texto) {
  const double v = ValorNumeroSemVerificar(texto);
  return std::isfinite(v) ? v : 0.0;
}

// v with two decimals, rounded like every two-decimal text of the program
// (TextoFixo); a value beyond the range shows as 0.
std::string DuasCasas(double v) { return std::isfinite(v) ? TextoFixo(v, 2) : "0.00"; }

bool Tem(int tipo, std::initializer_list<int> tipos) {
  return std::find(tipos.begin(), tipos.end(), tipo) != tipos.end();
}

// A plain number field that reads: one number and nothing else, as
// NumeroSimples reads it (LeNumero's form without its comma).
bool NumeroLegivel(std::string_view texto) {
  return texto.find(',') == std::string_view::npos && LeNumero(texto).has_value();
}

// A constant's value: the evaluator's text without addresses, as the apply
// reads it.
bool ConstanteLegivel(std::string_view texto) {
  try {
    return CalculaEquacao(texto).ErroEquacao.empty();
  } catch (const Erro&) {
    return false;
  }
}

// What MudaTipo does for each type.
struct Regra {
  const char* descricao;
  bool descricaoAoCarregar;  // written also while a file is being read
  const char* min;           // nullptr: caption left alone
  const char* max;
  const char* desc;
  const char* valor;
};
constexpr Regra kRegras[10] = {
    {"Constante 0-100", false, nullptr, nullptr, "Descrição", "Valor"},
    {"Constante 0-1", false, nullptr, nullptr, "Descrição", nullptr},
    {"Aleatório", true, "Min", "Máx.", "Descrição", nullptr},
    {"Aleatório Médio", true, "Min.", "Máx.", "Tal(seg)", nullptr},
    {"Aleatório", true, "Min", "Máx.", "Descrição", nullptr},
    {"Sinal Senoidal", true, "Min.", "Máx.", "Per (seg)", nullptr},
    {"Random Walk", false, "Inicial", "Ganho", "Faixa", nullptr},
    {"Equação", false, nullptr, nullptr, "Descrição", "Equação"},
    {"LN()", false, nullptr, nullptr, "Descrição", "Equação"},
    {"Exp()", false, nullptr, nullptr, "Descrição", "Equação"},
};

}  // namespace

// ---- CanalGerador

const std::string& CanalGerador::Valor() const {
  if (pendente_) {
    valor_ = DuasCasas(mostrado_);
    pendente_ = false;
  }
  return valor_;
}

void CanalGerador::DefineValor(std::string texto) {
  valor_ = std::move(texto);
  pendente_ = false;
}

// ---- Gerador

Gerador::Gerador(Simulacao& simulacao) : Gerador(simulacao, simulacao.aleatorio) {}

Gerador::Gerador(Simulacao& simulacao, Aleatorio& aleatorio)
    : simulacao_(simulacao), aleatorio_(aleatorio) {}

int Gerador::TiposOferecidos(int endereco) {
  if (endereco <= 85) return 10;
  if (endereco <= kUltimoComFaixa) return 7;
  return 2;
}

int Gerador::TipoEfetivo(int endereco, int tipo) {
  return tipo >= 0 && tipo < TiposOferecidos(endereco) ? tipo : -1;
}

ArranjoCanal Gerador::Arranjo(int tipo) {
  ArranjoCanal a;
  switch (tipo) {
    case 0:
      a.SetasVisiveis = true;
      a.ValorHabilitado = true;
      break;
    case 1:
      a.EscolhaDigitalVisivel = true;
      a.ValorVisivel = false;
      break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
      a.MinMaxVisiveis = true;
      a.LarguraDesc = 60;
      break;
    case 7:
    case 8:
    case 9:
      a.LarguraDesc = 60;
      a.ValorHabilitado = true;
      a.EsquerdaValor = 200;
      a.LarguraValor = 150;
      break;
    default:
      break;
  }
  return a;
}

void Gerador::Calcula() {
  for (int c = kPrimeiro; c <= kUltimoComFaixa; ++c) Passo(c, Canal(c), TipoEfetivo(c));
}

void Gerador::CalculaCanalEquacao(int endereco) {
  if (endereco < kPrimeiro || endereco > kUltimoComFaixa) return;
  const int tipo = TipoEfetivo(endereco);
  if (tipo >= 7) Passo(endereco, Canal(endereco), tipo);
}

void Gerador::Passo(int endereco, CanalGerador& canal, int tipo) {
  Memoria& memoria = simulacao_->memoria;
  double& saida = memoria.celula[endereco];
  const double dt = simulacao_->dt;
  const double faixa = canal.Maximo - canal.Minimo;
  switch (tipo) {
    case 2: {
      const double v = canal.Minimo + faixa / 10000 * aleatorio_->RandomInt(10000);
      saida = Finito(v);
      canal.Mostra(v);
      break;
    }
    case 3: {
      const int r = aleatorio_->RandomInt(30000);
      if (500 * dt / 0.1 > r)
        canal.Alvo = canal.Minimo + faixa / 10000 * aleatorio_->RandomInt(10000);
      // A negative time constant would make the filter diverge (or divide
      // 0 by 0 at T = −dt); it is taken as none.
      const double t = std::max(canal.ParamDesc, 0.0);
      canal.Filtro = t / (t + dt) * canal.Filtro + dt / (t + dt) * canal.Alvo;
      saida = Finito(canal.Filtro);
      canal.Mostra(canal.Filtro);
      break;
    }
    case 4: {
      const int r = aleatorio_->RandomInt(30000);
      if (30 * dt / 0.1 > r) {
        const double v = canal.Minimo + faixa / 10000 * aleatorio_->RandomInt(10000);
        saida = Finito(v);
        canal.Mostra(v);
      }
      break;
    }
    case 5: {
      canal.TempoSeno += dt;
      if (canal.TempoSeno > 100000000) canal.TempoSeno = 0;
      Expressao& periodo = periodos_[endereco - kPrimeiro];
      periodo.DefineTexto(canal.Desc.Em(simulacao_->IdiomaIngles));
      canal.ParamDesc = periodo.Valor(memoria);
      const double p = canal.ParamDesc;
      double v = 0.0;
      if (p != 0)
        v = canal.Minimo + (std::sin(2 * std::numbers::pi * canal.TempoSeno / p) + 1) / 2 * faixa;
      saida = Finito(v);
      canal.Mostra(v);
      break;
    }
    case 6: {
      const double u = aleatorio_->RandomInt(10000) / 5000.0 - 1;
      canal.ValorRW += u * canal.Maximo;
      if (canal.ValorRW > canal.Minimo + canal.ParamDesc ||
          canal.ValorRW < canal.Minimo - canal.ParamDesc)
        canal.ValorRW = canal.Minimo;
      saida = Finito(canal.ValorRW);
      canal.Mostra(canal.ValorRW);
      break;
    }
    case 7:
      saida = Finito(expressoes_[endereco - kPrimeiro].Valor(memoria));
      break;
    case 8: {
      const double v = expressoes_[endereco - kPrimeiro].Valor(memoria);
      if (v > 0) saida = Finito(std::log(v));
      break;
    }
    case 9: {
      saida = Finito(std::exp(expressoes_[endereco - kPrimeiro].Valor(memoria)));
      break;
    }
    default:  // constants, or a type the channel does not offer
      break;
  }
}

void Gerador::AtualizaParametros() {
  for (int c = kPrimeiro; c <= kUltimo; ++c) Aplica(c, Canal(c));
}

void Gerador::Aplica(int endereco, CanalGerador& canal) {
  Memoria& memoria = simulacao_->memoria;
  const int tipo = TipoEfetivo(endereco);
  // For these types the edit holds a parameter; the description keeps the
  // type name MudaTipo wrote.
  const std::string_view desc = canal.Desc.Em(simulacao_->IdiomaIngles);
  if (!Tem(tipo, {3, 5, 6})) memoria.DefineDescricao(endereco, desc);

  switch (tipo) {
    case 0: {
      const double v = CalculaEquacao(canal.Valor()).valor;
      memoria.celula[endereco] = v;
      canal.Posicao = static_cast<int>(std::lround(std::clamp(v, 0.0, 100.0)));
      break;
    }
    case 1: {
      const bool um = canal.ItemDigital == 1;
      memoria.celula[endereco] = um ? 1.0 : 0.0;
      canal.DefineValor(um ? "1" : "0");
      break;
    }
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
      memoria.celula[endereco] = NumeroSimples(canal.Valor());
      break;
    case 7:
    case 8:
    case 9:
      canal.ExpressaoCanal = canal.Valor();
      expressoes_[endereco - kPrimeiro].DefineTexto(canal.ExpressaoCanal);
      break;
    default:
      break;
  }

  if (endereco > kUltimoComFaixa) return;
  canal.Minimo = NumeroSimples(canal.Min);
  canal.Maximo = NumeroSimples(canal.Max);
  canal.ValorRW = canal.Minimo;
  if (tipo == 5) {
    Expressao& periodo = periodos_[endereco - kPrimeiro];
    periodo.DefineTexto(desc);
    canal.ParamDesc = periodo.Valor(memoria);
  } else {
    canal.ParamDesc = NumeroSimples(desc);
  }
}

void Gerador::MudaTipo(int endereco) {
  CanalGerador& canal = Canal(endereco);
  const int tipo = TipoEfetivo(endereco);
  if (endereco <= kUltimoComFaixa) {
    canal.Minimo = canal.Maximo = canal.ParamDesc = canal.ValorRW = 0.0;
  }
  if (tipo < 0) return;

  const Regra& regra = kRegras[tipo];
  if (!Carregando || regra.descricaoAoCarregar)
    simulacao_->memoria.DefineDescricao(endereco, regra.descricao);
  if (Carregando) return;
  FormularioCanal linha = Linha(endereco);
  LegendasDoTipo(endereco, linha);
  DefineLinha(endereco, linha);
}

void Gerador::LegendasDoTipo(int endereco, FormularioCanal& linha) {
  const int tipo = TipoEfetivo(endereco, linha.Tipo);
  if (tipo < 0) return;
  const Regra& regra = kRegras[tipo];
  if (regra.min) linha.Min = regra.min;
  if (regra.max) linha.Max = regra.max;
  if (regra.desc) linha.Desc = regra.desc;
  if (regra.valor) linha.Valor = regra.valor;
}

FormularioCanal Gerador::Linha(int endereco) const {
  const CanalGerador& canal = Canal(endereco);
  return {canal.Tipo, canal.Desc, canal.Min, canal.Max, canal.Valor()};
}

Gerador::Formulario Gerador::Linhas() const {
  Formulario linhas;
  for (int c = kPrimeiro; c <= kUltimo; ++c)
    linhas[static_cast<std::size_t>(c - kPrimeiro)] = Linha(c);
  return linhas;
}

void Gerador::DefineLinha(int endereco, const FormularioCanal& linha) {
  CanalGerador& canal = Canal(endereco);
  canal.Tipo = linha.Tipo;
  canal.Desc = linha.Desc;
  canal.Min = linha.Min;
  canal.Max = linha.Max;
  canal.DefineValor(linha.Valor);
}

void Gerador::VerificaLinha(int endereco, const FormularioCanal& linha, Verificacoes& v) const {
  const Memoria& memoria = simulacao_->memoria;
  const int tipo = TipoEfetivo(endereco, linha.Tipo);
  const std::string_view desc = linha.Desc.Em(simulacao_->IdiomaIngles);
  if (tipo == 0) v.Confere(ConstanteLegivel(linha.Valor), ": Valor inválido");
  if (tipo >= 7) v.Equacao(linha.Valor, memoria, ": Equação inválida");
  if (endereco > kUltimoComFaixa || tipo < 2 || tipo > 6) return;
  v.Confere(NumeroLegivel(linha.Min), tipo == 6 ? ": Inicial inválido" : ": Min inválido");
  v.Confere(NumeroLegivel(linha.Max), tipo == 6 ? ": Ganho inválido" : ": Máx. inválido");
  if (tipo == 3) v.Confere(NumeroLegivel(desc), ": Tal inválido");
  if (tipo == 5) v.Equacao(desc, memoria, ": Período inválido");
  if (tipo == 6) v.Confere(NumeroLegivel(desc), ": Faixa inválida");
}

bool Gerador::AtualizaFormulario(const Formulario& linhas, bool MostraMensagens) {
  std::vector<Verificacoes> verificacoes;
  for (int c = kPrimeiro; c <= kUltimo; ++c) {
    const FormularioCanal& linha = linhas[static_cast<std::size_t>(c - kPrimeiro)];
    if (linha == Linha(c)) continue;
    Verificacoes& v = verificacoes.emplace_back("Gerador de Sinais M" + std::to_string(c));
    VerificaLinha(c, linha, v);
  }
  bool passou = true;
  for (const Verificacoes& v : verificacoes)
    passou = v.Informa(*simulacao_, MostraMensagens) && passou;
  if (!passou) return false;

  for (int c = kPrimeiro; c <= kUltimo; ++c) {
    const FormularioCanal& linha = linhas[static_cast<std::size_t>(c - kPrimeiro)];
    if (linha == Linha(c)) continue;
    if (linha.Tipo != Canal(c).Tipo) {
      Canal(c).Tipo = linha.Tipo;
      MudaTipo(c);
    }
    DefineLinha(c, linha);
  }
  AtualizaParametros();
  return true;
}

void Gerador::MovePosicao(int endereco, bool sobe) {
  CanalGerador& canal = Canal(endereco);
  canal.Posicao = std::clamp(canal.Posicao + (sobe ? 1 : -1), 0, 100);
  canal.DefineValor(std::to_string(canal.Posicao));
  AtualizaParametros();
}

void Gerador::EscolheDigital(int endereco, int item) {
  Canal(endereco).ItemDigital = item;
  AtualizaParametros();
}

}  // namespace quiv
