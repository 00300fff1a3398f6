// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/bloco.h"

#include <cstdio>
#include <string>

#include "core/nucleo/erro.h"
#include "core/nucleo/verificacoes.h"

namespace quiv {

namespace {

// Appends a reference that substitutes exactly as the original one did.
void AcrescentaReferencia(std::string& texto, int endereco) {
  texto += 'M';
  texto += static_cast<char>('0' + endereco / 10);
  texto += static_cast<char>('0' + endereco % 10);
}

}  // namespace

Bloco::Bloco(Simulacao& simulacao, int numero)
    : simulacao_(simulacao), numero_(numero), endereco_(IdentidadeBloco(numero)) {}

// The selector is looked for in the substituted text, where a ">" or "<" that
// a reference swallowed (as in "M>5") no longer exists and values bring none.
// So the split works on the substitution's literal pieces, and each part is
// rebuilt as a text whose substitution gives exactly that part of the
// substituted text: each Expressao then yields the bits of the reference
// evaluator on that part.
void Bloco::CompilaFuncao(std::string_view texto) {
  funcao_.DefineTexto(texto);
  selecao_ = Selecao::Nenhuma;
  const ModeloSubstituicao modelo = AnalisaEnderecos(texto);
  if (modelo.textoZero) return;

  char simbolo = 0;
  for (const char candidato : {'>', '<'}) {
    for (const TrechoSubstituido& trecho : modelo.trechos)
      if (trecho.literal.find(candidato) != std::string::npos) simbolo = candidato;
    if (simbolo != 0) break;
  }
  if (simbolo == 0) return;

  std::string esquerda, direita;
  bool achou = false;
  for (const TrechoSubstituido& trecho : modelo.trechos) {
    std::string& destino = achou ? direita : esquerda;
    const std::size_t posicao = achou ? std::string::npos : trecho.literal.find(simbolo);
    if (posicao == std::string::npos) {
      destino += trecho.literal;
    } else {
      achou = true;
      esquerda.append(trecho.literal, 0, posicao);
      direita.append(trecho.literal, posicao + 1);
    }
    if (trecho.endereco != 0) AcrescentaReferencia(achou ? direita : esquerda, trecho.endereco);
  }
  esquerda_.DefineTexto(esquerda);
  direita_.DefineTexto(direita);
  selecao_ = simbolo == '>' ? Selecao::Maior : Selecao::Menor;
}

double Bloco::ValorFuncao() {
  const Memoria& memoria = simulacao_->memoria;
  if (selecao_ == Selecao::Nenhuma) return funcao_.Valor(memoria);
  const double l = esquerda_.Valor(memoria);
  const double r = direita_.Valor(memoria);
  if (selecao_ == Selecao::Maior) return l > r ? l : r;
  return l < r ? l : r;
}

void Bloco::Calcula() {
  double y = ValorFuncao();
  if (LimiteSuperiorAtivo) {
    const double u = limSup_.Valor(simulacao_->memoria);
    if (y > u) y = u;
  }
  if (LimiteInferiorAtivo) {
    const double b = limInf_.Valor(simulacao_->memoria);
    if (!(y >= b)) y = b;
  }
  Finito(y);
  if (!simulacao_->ModoRapido) Leitura = y;
  simulacao_->memoria.celula[endereco_] = y;
}

bool Bloco::AtualizaParametros(bool MostraMensagens) {
  Memoria& m = simulacao_->memoria;
  const std::string_view descricao = Descricao.Em(simulacao_->IdiomaIngles);
  m.DefineDescricao(endereco_, descricao);
  Titulo = descricao;
  char rotulo[16];
  std::snprintf(rotulo, sizeof rotulo, "M%d=", endereco_);
  RotuloSaida = std::string(rotulo);

  CompilaFuncao(Funcao);
  limSup_.DefineTexto(LimiteSuperior);
  limInf_.DefineTexto(LimiteInferior);

  Verificacoes v("Bloco", endereco_, Tag.Em(simulacao_->IdiomaIngles));
  // A selector's parts are checked in turn: the first that fails fails the
  // function, with one message.
  if (selecao_ == Selecao::Nenhuma)
    v.Equacao(funcao_, m, ": Função inválida");
  else if (v.Equacao(esquerda_, m, ": Função inválida"))
    v.Equacao(direita_, m, ": Função inválida");
  if (LimiteSuperiorAtivo) v.Equacao(limSup_, m, ": Limite Superior inválido");
  if (LimiteInferiorAtivo) v.Equacao(limInf_, m, ": Limite Inferior inválido");
  return v.Informa(simulacao_, MostraMensagens);
}

void Bloco::CarregaDescricao() {
  Descricao.Edita(simulacao_->IdiomaIngles, simulacao_->memoria.DescricaoEndereco[endereco_]);
}

}  // namespace quiv
