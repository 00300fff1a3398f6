// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/linearizador.h"

#include <cmath>

#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"

namespace quiv {

Linearizador::Linearizador(Simulacao& simulacao) : simulacao_(simulacao) {
  for (int i = 1; i <= kPontos; ++i) {
    TextoMV[i] = std::to_string(20 * (i - 1));
    TextoPV[i] = TextoMV[i];
  }
}

int Linearizador::EnderecoEntrada(std::string_view texto) {
  char t[2] = {' ', ' '};
  for (std::size_t k = 0; k < 2 && k < texto.size(); ++k) t[k] = texto[k];
  std::size_t i = 0;
  while (i < 2 && t[i] == ' ') ++i;
  bool negativo = false;
  if (i < 2 && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
  if (i == 2) return 0;
  int valor = 0;
  for (; i < 2; ++i) {
    if (t[i] < '0' || t[i] > '9') return 0;
    valor = valor * 10 + (t[i] - '0');
  }
  if (negativo || valor < 1 || valor > Memoria::kEnderecos) return 0;
  return valor;
}

double Linearizador::Le(const std::string& texto, NumeroLido& cache) {
  if (!cache.lido || cache.texto != texto) {
    const auto v = LeNumero(texto);
    cache.valor = v ? *v : 0.0;
    cache.texto = texto;
    cache.lido = true;
  }
  return cache.valor;
}

void Linearizador::Calcula() {
  Memoria& m = simulacao_->memoria;
  const int endereco = EnderecoEntrada(TextoEntrada);
  Entrada = endereco == 0 ? 0.0 : m.celula[endereco];
  const double x = Entrada;

  MV[1] = Le(TextoMV[1], mvLido_[1]);
  PV[1] = Le(TextoPV[1], pvLido_[1]);
  EmUso[1] = true;
  for (int i = 2; i <= kPontos; ++i) {
    MV[i] = Le(TextoMV[i], mvLido_[i]);
    EmUso[i] = MV[i] != 0.0;
    PV[i] = Le(TextoPV[i], pvLido_[i]);
  }
  for (int i = 2; i <= kPontos; ++i) {
    if (!EmUso[i]) continue;
    const double mvAnterior = EmUso[i - 1] ? MV[i - 1] : 0.0;
    const double deltaMV = MV[i] - mvAnterior;
    if (deltaMV == 0.0) LancaDivisaoZero();
    S[i] = Finito((PV[i] - PV[i - 1]) / deltaMV);
    C[i] = Finito(PV[i] - S[i] * MV[i]);
    E[i] = Finito(S[i] * MV[i] + C[i]);
  }

  Segmento = 0;
  for (int i = 2; i <= 5; ++i) {
    if (EmUso[i] && x < E[i]) {
      Segmento = i;
      break;
    }
  }
  if (Segmento == 0 && EmUso[6]) Segmento = 6;
  if (Segmento == 0) return;

  const double s = S[Segmento];
  if (s == 0.0) LancaDivisaoZero();
  m.celula[kEnderecoSaida] = Finito(x * (1.0 / s) - C[Segmento] / s);
}

}  // namespace quiv
