// SPDX-License-Identifier: GPL-3.0-or-later
// The operator panel's blocks of the simulation file, and the linearizer's.

#include <algorithm>
#include <cmath>
#include <string>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/memoria.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/linearizador.h"
#include "core/objetos/painel.h"

namespace quiv {

namespace {

constexpr int kVariaveis = Memoria::kEnderecos;  // items "1" … "99" of a shape's variable list
constexpr int kTamanhoMaximo = FormaAnimada::kTamanhoMaximo;

std::string Inteiro(int v) { return std::to_string(v); }

// Slider position of a data-entry cell: M·100 rounded to the nearest integer
// (halves to even) and held on the slider's range, as the slider holds it.
int PosicaoSlider(double m) {
  const double p = m * 100.0;
  if (!(p > 0.0)) return 0;  // also NaN
  if (p >= EntradaDados::kPosicaoMaxima) return EntradaDados::kPosicaoMaxima;
  return static_cast<int>(std::nearbyint(p));
}

// Item index of a list with `itens` items: anything off the list selects
// nothing (−1).
int Item(int indice, int itens) { return indice >= 0 && indice < itens ? indice : -1; }

// A shape's variable text and its item index in the list "1" … "99".
int IndiceVariavel(const std::string& texto) {
  for (int k = 1; k <= kVariaveis; ++k)
    if (texto == std::to_string(k)) return k - 1;
  return -1;
}
std::string TextoVariavel(int indice) {
  return indice >= 0 && indice < kVariaveis ? std::to_string(indice + 1) : std::string();
}

// The picture pair after loading: the first picture unless the cell is
// exactly 1; the other pictures hidden.
void MostraChave(Chave& c, double m) {
  c.Figura.fill(false);
  if (!Chave::OrientacaoValida(c.Orientacao)) return;
  c.Figura[m == 1.0 ? Chave::FiguraLigada(c.Orientacao) : Chave::FiguraDesligada(c.Orientacao)] =
      true;
}

}  // namespace

void Painel::SalvaEntradas(smp::Escritor& e) const {
  e.Linha("<<Tracks>>");
  for (const EntradaDados& d : entradas_) {
    e.Linha(smp::FlagMaiuscula(d.Incluida));
    e.Linha(d.Nome.Completo());
    e.Linha(Inteiro(d.Topo));
    e.Linha(Inteiro(d.Esquerda));
    e.Linha(TextoCientificoLegivel(memoria().celula[d.Endereco()]));
    e.Linha(smp::FlagMaiuscula(d.ComSlider));
  }
}

void Painel::LeEntradas(smp::Leitor& l) {
  for (EntradaDados& d : entradas_) {
    d.Incluida = smp::LeFlagMaiuscula(l.Linha());
    d.DefineNome(l.ValorBilingue(0));
    d.Topo = smp::LeInteiroEstrito(l.Linha());
    d.Esquerda = smp::LeInteiroEstrito(l.Linha());
    const double m = smp::LeRealExigido(l.Linha());
    memoria().celula[d.Endereco()] = m;
    d.Posicao = PosicaoSlider(m);
    d.DefineSlider(smp::LeFlagMaiuscula(l.Linha()));
    if (d.Incluida) d.Visivel = true;
  }
}

void Painel::SalvaFormas(smp::Escritor& e) const {
  for (const FormaAnimada& f : formas_) {
    e.Linha(Inteiro(f.TopoForma));
    e.Linha(Inteiro(f.Esquerda));
    e.Linha(smp::FlagMaiuscula(f.Visivel));
    e.Linha(Inteiro(f.TipoForma));
    e.Linha(Inteiro(IndiceVariavel(f.Variavel)));
    e.Linha(Inteiro(f.Tamanho));
    e.Linha(Inteiro(f.TamanhoLargura));
    e.Linha(smp::EscreveCor(f.CorNormal));
    e.Linha(smp::EscreveCor(f.CorLigada));
  }
}

void Painel::LeFormas(smp::Leitor& l) {
  for (FormaAnimada& f : formas_) {
    f.TopoForma = smp::LeInteiroTolerante(l.Linha());
    f.Topo = f.TopoForma;
    f.Esquerda = smp::LeInteiroTolerante(l.Linha());
    f.Visivel = smp::LeFlagMaiuscula(l.Linha());
    f.TipoForma = Item(smp::LeInteiroTolerante(l.Linha()), 2);
    f.Variavel = TextoVariavel(smp::LeInteiroTolerante(l.Linha()));
    f.DefineTamanho(std::clamp(smp::LeInteiroTolerante(l.Linha()), 0, kTamanhoMaximo));
    f.DefineTamanhoLargura(std::clamp(smp::LeInteiroTolerante(l.Linha()), 0, kTamanhoMaximo));
    f.CorNormal = smp::LeCor(l.Linha());
    f.Cor = f.CorNormal;
    f.CorLigada = smp::LeCor(l.Linha());
  }
}

void Painel::SalvaChaves(smp::Escritor& e) const {
  for (const Chave& c : chaves_) {
    e.Linha(Inteiro(c.Topo));
    e.Linha(Inteiro(c.Esquerda));
    e.Linha(smp::FlagMaiuscula(c.Visivel));
    e.Linha(Inteiro(c.Orientacao));
    e.Linha(smp::RealFixo(memoria().celula[c.Endereco()], 1, 0));
  }
}

void Painel::LeChaves(smp::Leitor& l) {
  for (Chave& c : chaves_) {
    c.Topo = smp::LeInteiroTolerante(l.Linha());
    c.Esquerda = smp::LeInteiroTolerante(l.Linha());
    c.Visivel = smp::LeFlagMaiuscula(l.Linha());
    c.Orientacao = Item(smp::LeInteiroTolerante(l.Linha()), 4);
    const double m = smp::LeRealExigido(l.Linha());
    memoria().celula[c.Endereco()] = m;
    if (c.Visivel) MostraChave(c, m);  // a switch left out keeps its pictures
  }
}

void Painel::SalvaPainelComando(smp::Escritor& e) const {
  e.Linha(Inteiro(PainelComandoTopo));
  e.Linha(Inteiro(PainelComandoEsquerda));
}

void Painel::LePainelComando(smp::Leitor& l) {
  PainelComandoTopo = smp::LeInteiroTolerante(l.Linha());
  PainelComandoEsquerda = smp::LeInteiroTolerante(l.Linha());
}

void Painel::SalvaBotoes(smp::Escritor& e) const {
  for (const BotaoComando& b : botoes_) {
    e.Linha(smp::FlagMaiuscula(b.Visivel));
    e.Linha(b.TextoEstado0.Completo());
    e.Linha(b.TextoEstado1.Completo());
    e.Linha(b.Nome.Completo());
    e.Linha(smp::RealFixo(memoria().celula[b.Endereco()], 1, 0));
  }
}

void Painel::LeBotoes(smp::Leitor& l) {
  for (BotaoComando& b : botoes_) {
    b.Visivel = smp::LeFlagMaiuscula(l.Linha());
    b.TextoEstado0 = l.ValorBilingue(0);
    b.TextoEstado1 = l.ValorBilingue(0);
    b.Nome = l.ValorBilingue(0);
    const double m = smp::LeRealExigido(l.Linha());
    memoria().celula[b.Endereco()] = m;
    if (b.Visivel) {  // a button left out keeps its pictures
      b.FiguraPressionadaVisivel = m == 1.0;
      b.FiguraSoltaVisivel = !b.FiguraPressionadaVisivel;
    }
  }
}

void Linearizador::SalvaParametros(smp::Escritor& e) const {
  e.Linha("=====<<<LINEARIZADOR>>>=====)");
  e.Linha(TextoEntrada);
  e.Linha(smp::FlagMaiuscula(simulacao_->LinearizadorAtivo));
  for (int i = 1; i <= kPontos; ++i) e.Linha(TextoMV[i]);
  for (int i = 1; i <= kPontos; ++i) e.Linha(TextoPV[i]);
}

void Linearizador::LeParametros(smp::Leitor& l) {
  l.Linha();  // header, not looked at
  TextoEntrada = l.Linha();
  simulacao_->LinearizadorAtivo = smp::LeFlagMaiuscula(l.Linha());
  for (int i = 1; i <= kPontos; ++i) TextoMV[i] = l.Linha();
  for (int i = 1; i <= kPontos; ++i) TextoPV[i] = l.Linha();
}

}  // namespace quiv
