// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/entrada_dados.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

double LeFaixa(const std::string& texto, double padrao) {
  const auto v = LeNumero(texto);
  return v ? *v : padrao;
}

}  // namespace

EntradaDados::EntradaDados(Simulacao& simulacao, int n) : simulacao_(simulacao), n_(n) {
  TextoValor = TextoPosicao();
}

double EntradaDados::Minimo() const {
  return LeFaixa(simulacao_->memoria.descritor[Endereco()].UEMin, 0.0);
}

double EntradaDados::Maximo() const {
  return LeFaixa(simulacao_->memoria.descritor[Endereco()].UEMax, 100.0);
}

double EntradaDados::Engenharia(double pct) const {
  const double lo = Minimo();
  const double v = lo + (Maximo() - lo) * pct / 100.0;
  if (!std::isfinite(v)) LancaEstouro();
  return v;
}

std::string EntradaDados::TextoPosicao() const {
  return TextoLargura(Engenharia(Posicao / 100.0), 2, 4);
}

void EntradaDados::AplicaPosicao() {
  simulacao_->memoria.celula[Endereco()] = Posicao / 100.0;
  TextoValor = TextoPosicao();
}

void EntradaDados::DefinePosicao(int posicao) {
  Posicao = std::clamp(posicao, 0, kPosicaoMaxima);
  AplicaPosicao();
}

void EntradaDados::TeclaValor(char tecla) {
  if (tecla == kEsc) {
    TextoValor = TextoPosicao();
    return;
  }
  if (tecla != kEnter) return;
  const double lo = Minimo();
  const double hi = Maximo();
  const auto v = LeNumero(TextoValor);
  if (!v || *v < lo || *v > hi) {
    TextoValor = TextoPosicao();
    return;
  }
  TextoValor = TextoLargura(*v, 2, 4);
  if (hi - lo == 0.0) LancaDivisaoZero();
  const double pct = (*v - lo) * 100.0 / (hi - lo);
  if (!std::isfinite(pct)) LancaEstouro();
  simulacao_->memoria.celula[Endereco()] = pct;
  DefinePosicao(static_cast<int>(std::nearbyint(pct * 100.0)));
}

void EntradaDados::AtualizaValor() { TextoValor = TextoLargura(Engenharia(Celula()), 2, 5); }

void EntradaDados::DefineNome(TextoBilingue nome) {
  Nome = std::move(nome);
  const std::string_view mostrado = Nome.Em(simulacao_->IdiomaIngles);
  simulacao_->memoria.DefineDescricao(Endereco(), mostrado);
  const int l = static_cast<int>(std::max<std::size_t>(ContaCaracteres(mostrado), 6));
  LarguraFundo = 7 * l + 75;
  LarguraSlider = 7 * l + 63;
  DeslocamentoTexto = 7 * l + 10;
}

void EntradaDados::DefineIncluida(bool incluida) {
  Incluida = incluida;
  Visivel = incluida;
}

void EntradaDados::DefineSlider(bool comSlider) {
  ComSlider = comSlider;
  AlturaFundo = comSlider ? kAlturaComSlider : kAlturaSemSlider;
}

}  // namespace quiv
