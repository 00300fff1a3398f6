// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/indices.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/nucleo/numero_texto.h"

namespace quiv {

namespace {

double Media(std::span<const double> x) {
  double soma = 0.0;
  for (const double v : x) soma += v;
  return soma / static_cast<double>(x.size());
}

// Three sample standard deviations (n − 1 in the divisor).
double TresDesvios(std::span<const double> x) {
  if (x.size() < 2) return 0.0;
  const double media = Media(x);
  double soma = 0.0;
  for (const double v : x) soma += (v - media) * (v - media);
  return 3.0 * std::sqrt(soma / static_cast<double>(x.size() - 1));
}

std::string Largura5(double x) { return TextoLargura(x, 2, 5); }

}  // namespace

IndicesMalha CalculaIndices(std::span<const double> PV, std::span<const double> SP,
                            std::span<const double> CO) {
  const std::size_t n = PV.size();
  double erro = 0.0;
  double erroAbsoluto = 0.0;
  double minimo = 0.0;
  double maximo = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double sp = i < SP.size() ? SP[i] : 0.0;
    erro += sp - PV[i];
    erroAbsoluto += std::fabs(sp - PV[i]);
  }
  if (n > 0) {
    const auto [menor, maior] = std::minmax_element(PV.begin(), PV.end());
    minimo = *menor;
    maximo = *maior;
  }
  double excursao = 0.0;
  std::size_t saturados = 0;
  for (std::size_t i = 0; i < CO.size(); ++i) {
    if (i > 0) excursao += std::fabs(CO[i] - CO[i - 1]);
    if (CO[i] >= 98.0 || CO[i] <= 2.0) ++saturados;
  }
  const double pontos = static_cast<double>(n);

  IndicesMalha indices;
  indices[kVariabilidade] = Largura5(TresDesvios(PV));
  indices[kIEM] = Largura5(n > 0 ? erro / pontos : 0.0);
  indices[kIEMA] = Largura5(n > 0 ? erroAbsoluto / pontos : 0.0);
  indices[kExcursaoCO] = Largura5(excursao / 100.0) + " %";
  indices[kDesvioCO] = Largura5(TresDesvios(CO)) + " %";
  indices[kSaturacaoCO] =
      Largura5(n > 0 ? 100.0 * static_cast<double>(saturados) / pontos : 0.0) + " %";
  indices[kPVMinMax] = TextoLargura(minimo, 1, 5) + "/" + TextoLargura(maximo, 1, 5);
  return indices;
}

std::string SufixoUnidade(bool normaliza, const std::string& unidade) {
  return normaliza ? std::string(" %") : " " + unidade;
}

IndicesMalha IndicesMostrados(const IndicesMalha& indices, bool normaliza,
                              const std::string& unidade) {
  IndicesMalha mostrados = indices;
  const std::string sufixo = SufixoUnidade(normaliza, unidade);
  for (const Indice i : {kVariabilidade, kIEM, kIEMA}) mostrados[i] += sufixo;
  return mostrados;
}

}  // namespace quiv
