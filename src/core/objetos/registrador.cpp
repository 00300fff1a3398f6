// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/registrador.h"

#include <cmath>

#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

// The recorder's scale edits take a decimal comma, its grid labels step by a
// tenth of the span and its full-range scale is the range's own ends.
constexpr Tendencia::Regras kRegras{
    .VirgulaNasEscalas = true, .RotuloPorPasso = true, .EscalaCheiaNosExtremos = true};

}  // namespace

Registrador::Registrador(Simulacao& simulacao, int n)
    : Grafico(kRegras), sufixoUnidade_(" " + Unidade), simulacao_(simulacao), n_(n) {}

double Registrador::Celula(int item) const {
  return ItemValido(item) ? simulacao_->memoria.celula[static_cast<std::size_t>(item + 1)] : 0.0;
}

void Registrador::EscreveRotulo(std::string& leitura, Rotulo& cache, std::string_view texto,
                                double valor, std::string_view sufixo) {
  if (cache.valido && valor == cache.valor && texto == cache.texto && sufixo == cache.sufixo)
    return;
  cache.valido = true;
  cache.valor = valor;
  cache.texto = texto;
  cache.sufixo = sufixo;
  char numero[352];
  std::size_t n = EscreveFixo(valor, 2, numero);
  leitura.assign(texto);
  leitura.append(": ");
  if (n < 4) leitura.append(4 - n, ' ');
  leitura.append(numero, n);
  leitura.append(sufixo);
}

void Registrador::Amostra() {
  Tendencia& g = Grafico;
  if (!g.ContaPasso()) return;

  const bool ativa1 = ItemValido(ItemVariavel1);
  const bool ativa2 = Pen2Ativa();
  const bool ativa3 = Pen3Ativa();
  const double r1 = Celula(ItemVariavel1);
  const double r2 = Celula(ItemVariavel2);
  const double r3 = Celula(ItemVariavel3);
  const double p1 = ativa1 ? g.NaEscala(r1) : 0.0;
  const double p2 = ativa2 ? g.NaEscala(r2) : 0.0;
  const double p3 = r3;

  if (!simulacao_->ModoRapido) {
    const bool ingles = simulacao_->IdiomaIngles;
    if (ativa1) {
      EscreveRotulo(LeituraVariavel1, rotulo1_, NomeVariavel1.Em(ingles), Engenharia(r1),
                    sufixoUnidade_);
    } else {
      LeituraVariavel1.clear();
      rotulo1_.valido = false;
    }
    if (ativa2) {
      EscreveRotulo(LeituraVariavel2, rotulo2_, NomeVariavel2.Em(ingles), Engenharia(r2),
                    sufixoUnidade_);
    } else {
      LeituraVariavel2.clear();
      rotulo2_.valido = false;
    }
    if (ativa3) {
      EscreveRotulo(LeituraVariavel3, rotulo3_, NomeVariavel3.Em(ingles), r3, "%");
    } else {
      LeituraVariavel3.clear();
      rotulo3_.valido = false;
    }
  }

  const std::size_t k = g.Avanca();
  g.Valores1[k] = r1;
  g.Valores2[k] = r2;
  const double l1 = Limita0a100(p1);
  const double l2 = Limita0a100(p2);
  const double l3 = Limita0a100(p3);
  // Pen 3 as drawn, for the read-out of a pointer over the chart.
  g.Valores3[k] = ativa3 ? l3 : 0.0;
  g.Pixels1[k] = PixelTendencia(l1);
  if (ativa2) g.Pixels2[k] = PixelTendencia(l2);
  if (ativa3) g.Pixels3[k] = PixelTendencia(l3);

  if (g.Arquivo.Aberto()) {
    const double a = !ativa1 ? 0.0 : g.UsarUE ? Engenharia(r1) : r1;
    const double b = !ativa2 ? 0.0 : g.UsarUE ? Engenharia(r2) : r2;
    g.Arquivo.EscreveLinha(a, b, ativa3 ? l3 : 0.0, g.UsarVirgula);
  }
}

void Registrador::AplicaConfiguracao() {
  // Variable 1's range; an unusable one falls back to 0 … 100 %.
  const int endereco = ItemValido(ItemVariavel1) ? ItemVariavel1 + 1 : 1;
  FaixaInf = 0.0;
  FaixaSup = 100.0;
  Unidade = "%";
  if (endereco <= Memoria::kEnderecos) {
    const Descritor& d = simulacao_->memoria.descritor[static_cast<std::size_t>(endereco)];
    const auto inf = LeNumero(d.UEMin);
    const auto sup = LeNumero(d.UEMax);
    if (inf && sup && *inf != *sup && std::isfinite(*sup - *inf)) {
      FaixaInf = *inf;
      FaixaSup = *sup;
      Unidade = d.UnidadeEng;
    }
  }
  sufixoUnidade_ = " " + Unidade;

  Grafico.Reescala(FaixaVariavel1());
  UnidadeEscala = Unidade;
  const bool ingles = simulacao_->IdiomaIngles;
  Caption = std::string(Tag.Em(ingles)) + " - " + std::string(Descricao.Em(ingles));
}

void Registrador::EscolheVariavel3(int item) {
  ItemVariavel3 = item;
  // Items 0 … kMalhas − 1 are the outputs M(k) of controllers k = item + 1.
  if (item >= 0 && item < kMalhas) {
    const int k = item + 1;
    const bool ingles = simulacao_->IdiomaIngles;
    if (NomeVariavel2.Em(ingles) == "SP") ItemVariavel2 = EnderecoSPDaMalha(k) - 1;
    if (NomeVariavel1.Em(ingles) == "PV")
      if (const auto* c = dynamic_cast<const Controlador*>(simulacao_->controladores[k]))
        ItemVariavel1 = c->ItemPV;
  }
  AplicaConfiguracao();
}

void Registrador::TeclaEscala(char tecla) {
  if (Grafico.TeclaEscala(tecla, FaixaVariavel1())) UnidadeEscala = Unidade;
}

bool Registrador::MarcaPonto(int X, int Y) {
  const auto ponto = Grafico.MarcaPonto(X, Y);
  if (!ponto) return false;
  Grafico.Leituras[static_cast<std::size_t>(ponto->Numero - 1)] =
      "Y: " + TextoLargura(ponto->Valor, 1, 4) + " %" + "  T: " + TextoLargura(ponto->Tempo, 1, 4) +
      " s";
  return true;
}

void Registrador::Arquiva(bool ligar, const std::filesystem::path& pasta) {
  const bool ingles = simulacao_->IdiomaIngles;
  Grafico.Arquiva(ligar, pasta, Tag.Em(ingles), NomeVariavel1.Em(ingles), NomeVariavel2.Em(ingles),
                  NomeVariavel3.Em(ingles), simulacao_);
}

void Registrador::AposLeitura() {
  Grafico.EscalaSup = 100.0;
  Grafico.EscalaInf = 0.0;
  Grafico.Arquivo.TempoArquivo = 0.0;
  AplicaConfiguracao();
}

std::vector<std::string> Registrador::ItensVariaveis(const Memoria& memoria, bool comNenhum) {
  std::vector<std::string> itens;
  itens.reserve(kItens + 1);
  for (int k = 1; k <= kItens; ++k) {
    std::string numero = std::to_string(k);
    if (k < 10) numero.insert(0, 1, '0');
    itens.push_back(numero + "   " + memoria.DescricaoEndereco[static_cast<std::size_t>(k)]);
  }
  if (comNenhum) itens.emplace_back("Nenhum");
  return itens;
}

}  // namespace quiv
