// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/arquivo/documento.h"
#include "core/nucleo/numero_texto.h"
#include "core/objetos/bloco.h"
#include "core/objetos/controlador.h"
#include "core/objetos/gerador.h"
#include "core/objetos/processo.h"

namespace quiv::teste {

// A number as a field takes it, at full precision.
inline std::string Campo(double v) { return TextoFixo(v, 9); }

// Loop 1 on a process that is exactly K·e^(−L·s)/(T·s + 1): process 1 (first
// lag T, no second lag, dead time L, gain K) fed by the output M01, and
// controller 1 measuring its output M21 (PV % = cell), in manual at `co`.
// The process starts at 0, so a test must let it settle first.
inline Controlador& IncluiMalhaPrimeiraOrdem(Documento& doc, double K, double T, double L,
                                             double co = 40.0) {
  Processo& p = doc.NovoProcesso(1);
  p.Tag = "P1";
  p.ItemEntrada = 0;
  p.Ganho = Campo(K);
  p.Tal1 = Campo(T);
  p.Tal2 = "0";
  p.TempoMorto = Campo(L);
  p.AtualizaParametros(false);
  Controlador& c = doc.NovoControlador(1);
  c.Tag = "TIC1";
  c.ItemPV = 20;
  c.AtualizaParametros(false);
  c.CO = co;
  c.SP = 50.0;
  return c;
}

// Loop 1 on a process that integrates: block 1 takes the output less 50 %
// (M41 = M01 − 50), process 1 integrates it (type integrator, gain Ki %/s
// per %, dead time L) from 50 %, and controller 1 measures M21, in manual
// at 50 %: the PV holds at 50 % until the output moves.
inline Controlador& IncluiMalhaIntegradora(Documento& doc, double Ki, double L) {
  Bloco& b = doc.NovoBloco(1);
  b.Tag = "B1";
  b.Funcao = "M01-50";
  b.AtualizaParametros(false);
  Processo& p = doc.NovoProcesso(1);
  p.Tag = "P1";
  p.ItemEntrada = 40;
  p.TipoFuncao = Processo::kIntegrador;
  p.Ganho = Campo(Ki);
  p.TempoMorto = Campo(L);
  p.DefineValorInicial("50");
  p.AtualizaParametros(false);
  Controlador& c = doc.NovoControlador(1);
  c.Tag = "LIC1";
  c.ItemPV = 20;
  c.AtualizaParametros(false);
  c.CO = 50.0;
  c.SP = 50.0;
  return c;
}

// Noise on loop 1's PV: the generator's fast random channel M81 in
// −ruido … +ruido, added to the process output by block 2 (M42 = M21 + M81),
// which the controller then measures.
inline void AdicionaRuido(Documento& doc, double ruido) {
  CanalGerador& canal = doc.gerador().Canal(81);
  canal.Tipo = 2;
  canal.Min = Campo(-ruido);
  canal.Max = Campo(ruido);
  doc.gerador().AtualizaParametros();
  Bloco& b = doc.NovoBloco(2);
  b.Tag = "B2";
  b.Funcao = "M21+M81";
  b.AtualizaParametros(false);
  Controlador& c = *doc.ControladorDe(1);
  c.ItemPV = 41;
  c.AtualizaParametros(false);
}

}  // namespace quiv::teste
