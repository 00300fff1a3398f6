// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/tendencia_controlador.h"

#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

// The faceplate's scale edits read plain numbers only, and its grid labels
// and full-range scale come from the % ends converted.
constexpr Tendencia::Regras kRegras{};

}  // namespace

TendenciaControlador::TendenciaControlador(Simulacao& simulacao, const Controlador& controlador)
    : Grafico(kRegras), simulacao_(simulacao), controlador_(controlador) {
  LeiturasPonto();
}

Tendencia::Faixa TendenciaControlador::FaixaPV() const {
  return {controlador_->EscalaInicio, controlador_->EscalaFim};
}

void TendenciaControlador::Amostra() {
  Tendencia& g = Grafico;
  if (!g.ContaPasso()) return;

  const double pv = controlador_->PV;
  const double sp = controlador_->SP;
  const double ps = Limita0a100(g.NaEscala(pv));
  const double ss = Limita0a100(g.NaEscala(sp));
  const double c = Limita0a100(controlador_->CO);
  const int atuador = AtuadorDoEndereco(controlador_->EnderecoPV);
  const double posicao = atuador > 0 ? simulacao_->memoria.PosicaoAtuador(atuador) : 1.0;

  const std::size_t k = g.Avanca();
  g.Valores1[k] = pv;
  g.Valores2[k] = sp;
  g.Valores3[k] = c;
  g.Valores4[k] = posicao;
  g.Pixels1[k] = PixelTendencia(ps);
  g.Pixels2[k] = PixelTendencia(ss);
  g.Pixels3[k] = PixelTendencia(c);
  g.Pixels4[k] = PixelTendencia(posicao);

  if (g.Arquivo.Aberto()) {
    if (g.UsarUE)
      g.Arquivo.EscreveLinha(controlador_->Engenharia(pv), controlador_->Engenharia(sp), c,
                             g.UsarVirgula);
    else
      g.Arquivo.EscreveLinha(pv, sp, c, g.UsarVirgula);
  }
}

void TendenciaControlador::Reescala() { Grafico.Reescala(FaixaPV()); }

bool TendenciaControlador::TeclaEscala(char tecla) { return Grafico.TeclaEscala(tecla, FaixaPV()); }

void TendenciaControlador::LeiturasPonto() {
  for (int k = 1; k <= kLeituras; ++k)
    Grafico.Leituras[static_cast<std::size_t>(k - 1)] = "Ponto " + std::to_string(k) + ":";
}

void TendenciaControlador::AlternaPausa() {
  Grafico.AlternaPausa();
  if (!Grafico.Pausado) LeiturasPonto();
}

bool TendenciaControlador::MarcaPonto(int X, int Y) {
  const auto ponto = Grafico.MarcaPonto(X, Y);
  if (!ponto) return false;
  const auto i = static_cast<std::size_t>(ponto->Numero - 1);
  Grafico.Leituras[i] = "Ponto " + std::to_string(ponto->Numero) +
                        ":  Y=" + TextoLargura(ponto->Valor, 1, 4) +
                        "  X=" + TextoLargura(ponto->Tempo, 1, 4);
  Marcadores[i] = Marcador{true, X, Y};
  return true;
}

void TendenciaControlador::AbreTendencia() {
  Grafico.SlotCoordenada = 1;
  for (int k = 1; k <= kLeituras; ++k)
    Grafico.Leituras[static_cast<std::size_t>(k - 1)] = "Coordenadas " + std::to_string(k);
}

void TendenciaControlador::FechaJanela() {
  Grafico.Pausado = false;
  LeiturasPonto();
}

void TendenciaControlador::Arquiva(bool ligar, const std::filesystem::path& pasta) {
  Grafico.Arquiva(ligar, pasta, controlador_->Tag.Em(simulacao_->IdiomaIngles), "PV", "SP", "MV",
                  simulacao_);
}

}  // namespace quiv
