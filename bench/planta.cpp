// SPDX-License-Identifier: GPL-3.0-or-later
#include "planta.h"

#include <memory>
#include <string>

#include "core/objetos/bloco.h"
#include "core/objetos/controlador.h"
#include "core/objetos/gerador.h"
#include "core/objetos/processo.h"
#include "core/objetos/registrador.h"

namespace quiv::bench {

namespace {

std::string M(int endereco) {
  const std::string n = std::to_string(endereco);
  return "M" + std::string(n.size() < 2 ? "0" : "") + n;
}

void IncluiMalha(Simulacao& s, int k, int processo, bool completa) {
  auto p = std::make_unique<Processo>(s, processo);
  p->Tag = "P" + std::to_string(processo);
  p->ItemEntrada = k - 1;  // the controller output M(k)
  p->Ganho = completa ? "1.2+" + M(15) + "*0.01" : "1.5";
  p->TempoMorto = completa ? "2.5" : "1";
  p->Tal1 = "20";
  p->Tal2 = "5";
  p->TipoFuncao = Processo::kSobreamortecido;
  if (completa) {
    p->TipoValvula = (k % 5);
    p->Histerese = "0.5";
    p->Agarramento = "0.3";
    p->ConstanteTempoAtuador = "1";
    p->LimiteTaxa = "20";
    p->Lead = "2";
    p->Lag = "4";
  }
  p->AtualizaParametros(false);
  s.processos.Inclui(processo, std::move(p));

  auto c = std::make_unique<Controlador>(s, k);
  c->Tag = "TIC" + std::to_string(k);
  c->ItemPV = IdentidadeProcesso(processo) - 1;
  c->TextoKp = "1.5";
  c->TextoTi = "30";
  c->TextoTd = completa ? "2" : "0";
  c->TextoTf = "0.5";
  c->ItemAcao = 0;
  if (completa) {
    c->TextoCOmin = "5";
    c->TextoCOmax = "95+" + M(16) + "*0";
    c->HabilitaFF = true;
    c->EquacaoFF = M(81) + "*0.2+40";
  }
  c->AtualizaParametros(false);
  c->IncrementaSP();
  s.controladores.Inclui(k, std::move(c));
}

void IncluiGerador(Simulacao& s, int canais) {
  auto g = std::make_unique<Gerador>(s);
  for (int c = Gerador::kPrimeiro; c < Gerador::kPrimeiro + canais; ++c) {
    CanalGerador& canal = g->Canal(c);
    const int indice = c - Gerador::kPrimeiro;
    if (c <= 85) {
      canal.Tipo = std::array{2, 3, 5, 6, 7}[indice];
    } else if (c <= Gerador::kUltimoComFaixa) {
      canal.Tipo = std::array{2, 3, 4, 5, 6}[indice - 5];
    } else {
      canal.Tipo = 1;
    }
    canal.Min = "40";
    canal.Max = "60";
    canal.Desc = canal.Tipo == 7 ? M(21) + "*0.5+10" : "30";
    canal.DefineValor("50");
  }
  g->AtualizaParametros();
  s.gerador = std::move(g);
}

void IncluiRegistradores(Simulacao& s, int quantos) {
  for (int n = 1; n <= quantos; ++n) {
    auto r = std::make_unique<Registrador>(s, n);
    r->Tag = "TR" + std::to_string(n);
    r->ItemVariavel1 = IdentidadeProcesso(n) - 1;  // PV
    r->ItemVariavel2 = EnderecoSPDaMalha(n) - 1;   // SP
    r->ItemVariavel3 = n - 1;                      // CO
    r->Grafico.EscalaAuto = n % 2 == 0;
    r->AplicaConfiguracao();
    s.registradores.Inclui(n, std::move(r));
  }
}

}  // namespace

void MontaPlantaCompleta(Simulacao& s) {
  IncluiGerador(s, 16);
  for (int k = 1; k <= 10; ++k) IncluiMalha(s, k, k, true);
  for (int n = 11; n <= 24; ++n) {
    auto p = std::make_unique<Processo>(s, n);
    p->ItemEntrada = IdentidadeProcesso(n - 10) - 1;
    p->Ganho = "0.8";
    p->TempoMorto = "5";
    p->Tal1 = "15";
    p->TipoValvula = n % 5;
    p->TipoFuncao = n % 4 == 3 ? Processo::kSobreamortecido : n % 4;
    p->AtualizaParametros(false);
    s.processos.Inclui(n, std::move(p));
  }
  for (int n = 1; n <= 24; ++n) {
    auto b = std::make_unique<Bloco>(s, n);
    const int a = IdentidadeProcesso(1 + (n - 1) % 10);
    const int c = IdentidadeProcesso(1 + n % 10);
    b->Funcao = n % 3 == 0   ? M(a) + ">" + M(c)
                : n % 3 == 1 ? M(a) + "*0.5+" + M(c) + "*0.5"
                             : "(" + M(a) + "-" + M(c) + ")*2+50<" + M(81);
    b->LimiteSuperiorAtivo = true;
    b->LimiteInferiorAtivo = n % 2 == 0;
    b->AtualizaParametros(false);
    s.blocos.Inclui(n, std::move(b));
  }
  IncluiRegistradores(s, 10);
}

void MontaPlantaTresMalhas(Simulacao& s) {
  IncluiGerador(s, 3);
  for (int k = 1; k <= 3; ++k) IncluiMalha(s, k, k, false);
  IncluiRegistradores(s, 3);
}

}  // namespace quiv::bench
