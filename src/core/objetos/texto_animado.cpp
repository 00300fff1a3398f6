// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/texto_animado.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

const Descritor kDescritorInicial{};

// Fixed-point text with `decimais` decimals, padded on the left with blanks
// to at least `largura` characters. `destino` holds at least 352 characters.
std::size_t EscreveComLargura(double v, int decimais, std::size_t largura, char* destino) {
  std::size_t tamanho = EscreveFixo(v, decimais, destino);
  if (tamanho < largura) {
    const std::size_t falta = largura - tamanho;
    std::memmove(destino + falta, destino, tamanho);
    std::memset(destino, ' ', falta);
    tamanho = largura;
  }
  return tamanho;
}

// A limit as the scale edits show it: two decimals, at least 4 characters.
std::string TextoLimite(double v) {
  char texto[352];
  return std::string(texto, EscreveComLargura(v, 2, 4, texto));
}

}  // namespace

TextoAnimado::Layout TextoAnimado::LayoutTipo(int tipo) {
  switch (tipo) {
    case 1:
      return {.VariavelVisivel = true,
              .EscalaVisivel = false,
              .AlturaEscala = 89,
              .LinhaAlarmeVisivel = true,
              .SomenteLeitura = true,
              .LegendaOrigem = "<Texto>",
              .FuncaoTrVisivel = true,
              .FuncaoTrEsquerda = 115,
              .AlturaJanela = 173};
    case 2:
      return {.VariavelVisivel = false,
              .EscalaVisivel = true,
              .AlturaEscala = 61,
              .LinhaAlarmeVisivel = false,
              .SomenteLeitura = false,
              .LegendaOrigem = "Equação",
              .FuncaoTrVisivel = true,
              .FuncaoTrEsquerda = 67,
              .AlturaJanela = 239};
    default:
      return {.VariavelVisivel = true,
              .EscalaVisivel = true,
              .AlturaEscala = 89,
              .LinhaAlarmeVisivel = true,
              .SomenteLeitura = true,
              .LegendaOrigem = "Variável",
              .FuncaoTrVisivel = false,
              .FuncaoTrEsquerda = 115,
              .AlturaJanela = 271};
  }
}

TextoAnimado::TextoAnimado(Simulacao& simulacao, int n) : simulacao_(simulacao), n_(n) {}

int TextoAnimado::Variavel() const {
  return ItemVariavel >= 0 && ItemVariavel < Memoria::kItens ? ItemVariavel + 1 : 0;
}

const Descritor& TextoAnimado::DescritorDe(int item) const {
  return item >= 1 && item <= Memoria::kEnderecos ? simulacao_->memoria.descritor[item]
                                                  : kDescritorInicial;
}

double TextoAnimado::Limite(Expressao& expressao, const std::string& texto) {
  expressao.DefineTexto(texto);
  return expressao.Valor(simulacao_->memoria);
}

// Reuses TextoExibido's storage: once it has grown, a refresh allocates nothing.
void TextoAnimado::EscreveNumero(double v) {
  std::array<char, 352> numero;
  const int d = std::clamp(CasasDecimais, 0, 5);
  const std::size_t tamanho = EscreveComLargura(v, d, static_cast<std::size_t>(d), numero.data());
  TextoExibido.assign(numero.data(), tamanho);
  TextoExibido += ' ';
  TextoExibido += Unidade;
  CorTextoExibido = v > AlarmeAlto || !(v >= AlarmeBaixo) ? Cor::Vermelho : Cor::Azul;
}

void TextoAnimado::Atualiza() {
  if (simulacao_->ModoRapido) return;
  const Memoria& m = simulacao_->memoria;
  const int item = Variavel();

  if (Tipo == 2) {
    funcao_.DefineTexto(FuncaoTr.Em(simulacao_->IdiomaIngles));
    const double e = funcao_.Valor(m);
    EscreveNumero(FaixaMin + (FaixaMax - FaixaMin) * e / 100.0);
    return;
  }
  if (Tipo == 1 && item >= 1 && item <= 100) {
    const std::string_view funcao = FuncaoTr.Em(simulacao_->IdiomaIngles);
    const std::size_t barra = funcao.find('/');
    if (m.celula[item] == 0.0) {
      TextoExibido.assign(barra == std::string_view::npos ? std::string_view()
                                                          : funcao.substr(0, barra));
      CorTextoExibido = Cor::Vermelho;
    } else {
      TextoExibido.assign(barra == std::string_view::npos ? funcao : funcao.substr(barra + 1));
      CorTextoExibido = Cor::Azul;
    }
    return;
  }
  if (item == 0) {
    TextoExibido.clear();
    CorTextoExibido = Cor::Azul;
    return;
  }
  const Descritor& descritor = DescritorDe(item);
  const double v = FaixaMin + (FaixaMax - FaixaMin) * m.celula[item] / 100.0;
  AlarmeBaixo = Limite(lie_, descritor.LIE);
  AlarmeAlto = Limite(lse_, descritor.LSE);
  EscreveNumero(v);
}

// 1. Type 0 with a variable: the scale edits and the unit come from its
//    descriptor (the limits evaluated and written with two decimals).
// 2. Range and alarms are read from the edits as plain numbers; each one that
//    reads is kept at once, one that does not keeps the previous value.
// 3. Type 2: the alarms are pushed out of reach and the expression evaluated.
// 4. Checks; 5. on success the title takes the description.
std::vector<TextoAnimado::Checagem> TextoAnimado::AplicaChecando() {
  const int item = Variavel();
  const bool escalaDaVariavel = Tipo == 0 && item != 0;
  if (escalaDaVariavel) {
    const Descritor& descritor = DescritorDe(item);
    TextoFaixaMin = descritor.UEMin;
    TextoFaixaMax = descritor.UEMax;
    TextoAlarmeBaixo = TextoLimite(Limite(lie_, descritor.LIE));
    TextoAlarmeAlto = TextoLimite(Limite(lse_, descritor.LSE));
    Unidade = descritor.UnidadeEng;
  }

  const auto maximo = LeNumero(TextoFaixaMax);
  const auto minimo = LeNumero(TextoFaixaMin);
  if (maximo) FaixaMax = *maximo;
  if (minimo) FaixaMin = *minimo;
  if (const auto baixo = LeNumero(TextoAlarmeBaixo)) AlarmeBaixo = *baixo;
  if (const auto alto = LeNumero(TextoAlarmeAlto)) AlarmeAlto = *alto;

  bool expressaoValida = true;
  if (Tipo == 2) {
    AlarmeBaixo = -kAlarmeEquacao;
    AlarmeAlto = kAlarmeEquacao;
    funcao_.DefineTexto(FuncaoTr.Em(simulacao_->IdiomaIngles));
    expressaoValida = funcao_.Avalia(simulacao_->memoria).ErroEquacao.empty();
  }

  std::vector<Checagem> falhas;
  const bool faixaValida = maximo && minimo && *maximo >= *minimo;
  if (!faixaValida && escalaDaVariavel) {
    falhas.push_back(Checagem::FaixaVariavel);
  } else if (!faixaValida) {
    if (!maximo) falhas.push_back(Checagem::FaixaMax);
    if (!minimo) falhas.push_back(Checagem::FaixaMin);
    if (maximo && minimo) falhas.push_back(Checagem::FaixaInvertida);
  }
  if (Tipo != 2 && item == 0) falhas.push_back(Checagem::Variavel);
  if (!expressaoValida) falhas.push_back(Checagem::Equacao);
  if (falhas.empty()) Titulo = Descricao.Em(simulacao_->IdiomaIngles);
  return falhas;
}

// Type 0: the scale follows the chosen variable (controller outputs M01 … M10
// start their range at "0.00"). Type 2: the default 0 … 100 scale.
void TextoAnimado::PreencheEscala() {
  const int item = Variavel();
  if (Tipo == 0 && item != 0) {
    const Descritor& descritor = DescritorDe(item);
    TextoFaixaMin = item <= 10 ? std::string("0.00") : descritor.UEMin;
    TextoFaixaMax = descritor.UEMax;
    TextoAlarmeBaixo = TextoLimite(Limite(lie_, descritor.LIE));
    TextoAlarmeAlto = TextoLimite(Limite(lse_, descritor.LSE));
    Unidade = descritor.UnidadeEng;
  } else if (Tipo == 2) {
    TextoFaixaMin = "0.00";
    TextoFaixaMax = "100.00";
    TextoAlarmeBaixo = "0.00";
    TextoAlarmeAlto = "100.00";
  }
}

std::vector<std::string> TextoAnimado::ListaVariaveis(const Memoria& memoria) {
  std::vector<std::string> itens;
  itens.reserve(Memoria::kItens);
  for (int k = 1; k <= Memoria::kItens; ++k) {
    char numero[8];
    std::snprintf(numero, sizeof numero, "%02d   ", k);
    std::string item = numero;
    item += memoria.DescricaoEndereco[k];
    itens.push_back(std::move(item));
  }
  return itens;
}

}  // namespace quiv
