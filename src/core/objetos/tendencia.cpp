// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/tendencia.h"

#include "core/nucleo/numero_texto.h"
#include "core/nucleo/simulacao.h"

namespace quiv {

bool Tendencia::ContaPasso() {
  ++ContaBase;
  if (Pausado) return false;
  if (ContaBase < DadosBaseTempo(ItemBaseTempo).Ciclos) return false;
  ContaBase = 0;
  return true;
}

std::size_t Tendencia::Avanca() {
  if (++FaseGrade >= kDivisao) FaseGrade = 0;
  if (++Posicao > kPontos) Posicao = 1;
  return static_cast<std::size_t>(Posicao);
}

std::optional<double> Tendencia::LeEscala(std::string_view texto) const {
  if (!regras_.VirgulaNasEscalas && texto.find(',') != std::string_view::npos) return std::nullopt;
  return LeNumero(texto);
}

void Tendencia::RecalculaPixels(double inf, double sup) {
  const double span = sup - inf;
  for (std::size_t k = 1; k <= kPontos; ++k) {
    Pixels1[k] = PixelTendencia((Valores1[k] - inf) * 100.0 / span);
    Pixels2[k] = PixelTendencia((Valores2[k] - inf) * 100.0 / span);
  }
}

void Tendencia::Reescala(const Faixa& faixa) {
  double inf = 0.0;
  double sup = 100.0;
  if (EscalaAuto) {
    // NaN samples are left out of both searches.
    double maximo = -1000000.0;
    double minimo = 1000000.0;
    for (std::size_t k = 1; k <= kPontos; ++k) {
      const double v = Valores1[k];
      if (v > maximo) maximo = v;
      if (v < minimo) minimo = v;
    }
    // A ring of equal values at 0 (the start) gives no span: the chart then
    // keeps the full range instead of dividing by zero.
    const double s = 1.1 * maximo;
    const double i = 0.9 * minimo;
    if (std::isfinite(s - i) && s != i) {
      sup = s;
      inf = i;
    }
  }
  RecalculaPixels(inf, sup);
  if (!EscalaAuto && regras_.EscalaCheiaNosExtremos && faixa.Util()) {
    EscalaSup = faixa.Fim;
    EscalaInf = faixa.Inicio;
  } else {
    EscalaSup = faixa.Engenharia(sup);
    EscalaInf = faixa.Engenharia(inf);
  }
  TextoEscalaSup = TextoLargura(EscalaSup, 1, 4);
  TextoEscalaInf = TextoLargura(EscalaInf, 1, 4);
  AtualizaEscala(faixa);
  AtualizaTextoTaxa();
}

void Tendencia::AtualizaEscala(const Faixa& faixa) {
  const double span = EscalaSup - EscalaInf;
  for (int k = 9; k >= 1; --k)
    RotuloEscala[static_cast<std::size_t>(9 - k)] = TextoLargura(
        regras_.RotuloPorPasso ? EscalaInf + span / 10.0 * k : EscalaInf + span * k / 10.0, 0, 2);
  EscalaSup = faixa.Percentual(EscalaSup);
  EscalaInf = faixa.Percentual(EscalaInf);
}

bool Tendencia::TeclaEscala(char tecla, const Faixa& faixa) {
  if (tecla != kEnter) return false;
  EscalaAuto = false;
  const auto sup = LeEscala(TextoEscalaSup);
  const auto inf = LeEscala(TextoEscalaInf);
  if (!sup || !inf || !(*inf < *sup)) return false;
  RecalculaPixels(faixa.Percentual(*inf), faixa.Percentual(*sup));
  EscalaSup = *sup;
  EscalaInf = *inf;
  AtualizaEscala(faixa);
  return true;
}

std::optional<Tendencia::Ponto> Tendencia::MarcaPonto(int X, int Y) {
  if (!Pausado) return std::nullopt;
  const auto sup = LeEscala(TextoEscalaSup);
  const auto inf = LeEscala(TextoEscalaInf);
  if (!sup || !inf) return std::nullopt;
  const Ponto ponto{SlotCoordenada, *inf + (*sup - *inf) / 100.0 * ((kAltura - Y) / 2.0),
                    X * DadosBaseTempo(ItemBaseTempo).SegundosPorPixel};
  SlotCoordenada = SlotCoordenada % kLeituras + 1;
  return ponto;
}

void Tendencia::Arquiva(bool ligar, const std::filesystem::path& pasta, std::string_view tag,
                        std::string_view texto1, std::string_view texto2, std::string_view texto3,
                        const Simulacao& simulacao) {
  if (ligar) {
    if (Arquivo.Aberto() || tag.empty()) return;
    piscando_ = false;
    Arquivo.Abre(pasta, tag, ItemBaseTempo, texto1, texto2, texto3);
    return;
  }
  if (!Arquivo.Aberto()) return;
  piscando_ = false;
  Arquivo.Fecha();
  const auto nome = Arquivo.Caminho().filename().u8string();
  simulacao.Informa("Data saved: " + std::string(nome.begin(), nome.end()));
}

}  // namespace quiv
