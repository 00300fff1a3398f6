#include "core/objetos/tendencia_controlador.h"

#include <cmath>
#include <optional>

#include "core/objetos/controlador.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"

namespace quiv {

namespace {

// A scale edit read as a plain number: the comma is not a decimal point here.
std::optional<double> NumeroSimples(std::string_view texto) {
  if (texto.find(',') != std::string_view::npos) return std::nullopt;
  return LeNumero(texto);
}

}  // namespace

TendenciaControlador::TendenciaControlador(Simulacao& simulacao, const Controlador& controlador)
    : simulacao_(simulacao), controlador_(controlador) {
  LeiturasPonto();
}

double TendenciaControlador::Engenharia(double r) const {
  const double inicio = controlador_.EscalaInicio;
  const double span = controlador_.EscalaFim - inicio;
  if (!(span != 0.0 && std::isfinite(span))) return r;
  return inicio + span * r / 100.0;
}

double TendenciaControlador::Percentual(double engenharia) const {
  const double inicio = controlador_.EscalaInicio;
  const double span = controlador_.EscalaFim - inicio;
  if (!(span != 0.0 && std::isfinite(span))) return engenharia;
  return (engenharia - inicio) * 100.0 / span;
}

void TendenciaControlador::Amostra() {
  ++ContaBase;
  if (Pausado) return;
  if (ContaBase < DadosBaseTempo(BaseTempoBox).Ciclos) return;
  ContaBase = 0;

  const double pv = controlador_.PV;
  const double sp = controlador_.SP;
  const double span = EscalaSup - EscalaInf;
  const double ps = Limita0a100((pv - EscalaInf) * 100.0 / span);
  const double ss = Limita0a100((sp - EscalaInf) * 100.0 / span);
  const double c = Limita0a100(controlador_.CO);
  const int atuador = AtuadorDoEndereco(controlador_.EnderecoPV);
  const double posicao = atuador > 0 ? simulacao_.memoria.PosicaoAtuador(atuador) : 1.0;

  if (++FaseGrade >= kDivisao) FaseGrade = 0;
  if (++Posicao > kPontos) Posicao = 1;
  const auto k = static_cast<std::size_t>(Posicao);
  TendPV[k] = pv;
  TendSP[k] = sp;
  PixPV[k] = PixelTendencia(ps);
  PixSP[k] = PixelTendencia(ss);
  PixCO[k] = PixelTendencia(c);
  PixAtuador[k] = PixelTendencia(posicao);

  if (Arquivo.Aberto()) {
    if (UsarUE)
      Arquivo.EscreveLinha(controlador_.Engenharia(pv), controlador_.Engenharia(sp), c,
                           UsarVirgula);
    else
      Arquivo.EscreveLinha(pv, sp, c, UsarVirgula);
  }
}

void TendenciaControlador::RecalculaPixels(double inf, double sup) {
  const double span = sup - inf;
  for (std::size_t k = 1; k <= kPontos; ++k) {
    PixPV[k] = PixelTendencia((TendPV[k] - inf) * 100.0 / span);
    PixSP[k] = PixelTendencia((TendSP[k] - inf) * 100.0 / span);
  }
}

void TendenciaControlador::ReescalaTendencia() {
  double inf = 0.0;
  double sup = 100.0;
  if (EscalaAuto) {
    double maximo = -1000000.0;
    double minimo = 1000000.0;
    for (std::size_t k = 1; k <= kPontos; ++k) {
      const double v = TendPV[k];
      if (v > maximo) maximo = v;
      if (v < minimo) minimo = v;
    }
    // A ring of equal values at 0 (the start) gives no span: the plot then
    // keeps the full range instead of dividing by zero.
    if (std::isfinite(1.1 * maximo - 0.9 * minimo) && 1.1 * maximo != 0.9 * minimo) {
      sup = 1.1 * maximo;
      inf = 0.9 * minimo;
    }
  }
  RecalculaPixels(inf, sup);
  EscalaSup = Engenharia(sup);
  EscalaInf = Engenharia(inf);
  eSupText = TextoLargura(EscalaSup, 1, 4);
  eInfText = TextoLargura(EscalaInf, 1, 4);
  AtualizaEscala();
  BaseTempoBoxChange();
}

void TendenciaControlador::AtualizaEscala() {
  for (int k = 9; k >= 1; --k)
    RotuloEscala[static_cast<std::size_t>(9 - k)] =
        TextoLargura(EscalaInf + (EscalaSup - EscalaInf) * k / 10.0, 0, 2);
  EscalaSup = Percentual(EscalaSup);
  EscalaInf = Percentual(EscalaInf);
}

bool TendenciaControlador::eSupTextKeyPress(char tecla) {
  if (tecla != kEnter) return false;
  EscalaAuto = false;
  const auto sup = NumeroSimples(eSupText);
  const auto inf = NumeroSimples(eInfText);
  if (!sup || !inf || !(*inf < *sup)) return false;
  RecalculaPixels(Percentual(*inf), Percentual(*sup));
  EscalaSup = *sup;
  EscalaInf = *inf;
  AtualizaEscala();
  return true;
}

void TendenciaControlador::LeiturasPonto() {
  for (int k = 1; k <= kLeituras; ++k)
    CoodsText[static_cast<std::size_t>(k - 1)] = "Ponto " + std::to_string(k) + ":";
}

void TendenciaControlador::SpeedButton2Click() {
  Pausado = !Pausado;
  if (!Pausado) LeiturasPonto();
}

bool TendenciaControlador::Image1MouseDown(int X, int Y) {
  if (!Pausado) return false;
  const auto sup = NumeroSimples(eSupText);
  const auto inf = NumeroSimples(eInfText);
  if (!sup || !inf) return false;
  const double valor = *inf + (*sup - *inf) / 100.0 * ((kAltura - Y) / 2.0);
  const double tempo = X * DadosBaseTempo(BaseTempoBox).SegundosPorPixel;
  const auto i = static_cast<std::size_t>(SlotCoordenada - 1);
  CoodsText[i] = "Ponto " + std::to_string(SlotCoordenada) + ":  Y=" + TextoLargura(valor, 1, 4) +
                 "  X=" + TextoLargura(tempo, 1, 4);
  Marcadores[i] = Marcador{true, X, Y};
  SlotCoordenada = SlotCoordenada % kLeituras + 1;
  return true;
}

void TendenciaControlador::TrendButtonClick() {
  SlotCoordenada = 1;
  for (int k = 1; k <= kLeituras; ++k)
    CoodsText[static_cast<std::size_t>(k - 1)] = "Coordenadas " + std::to_string(k);
}

void TendenciaControlador::FormClose() {
  Pausado = false;
  LeiturasPonto();
}

void TendenciaControlador::CheckBox1Click(bool marcado, const std::filesystem::path& pasta) {
  if (marcado) {
    if (Arquivo.Aberto() || controlador_.TagText.empty()) return;
    piscando_ = false;
    Arquivo.Abre(pasta, controlador_.TagText, BaseTempoBox, "PV", "SP", "MV");
    return;
  }
  if (!Arquivo.Aberto()) return;
  piscando_ = false;
  Arquivo.Fecha();
  const auto nome = Arquivo.Caminho().filename().u8string();
  simulacao_.Informa("Data saved: " + std::string(nome.begin(), nome.end()));
}

}  // namespace quiv
