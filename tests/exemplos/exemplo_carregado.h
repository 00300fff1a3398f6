// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/analise/simulacao_rapida.h"
#include "core/arquivo/documento.h"

namespace quiv::teste {

// The repository's top: the folder that holds "examples".
std::filesystem::path PastaFonte();

// An example loaded as the program loads it, with every message a failed
// check showed on the way.
struct ExemploCarregado {
  std::unique_ptr<Documento> doc = std::make_unique<Documento>();
  std::vector<std::string> mensagens;
  bool achado = false;
};
// `arquivo` relative to the repository's top ("examples/…/….smp").
ExemploCarregado CarregaExemplo(const std::string& arquivo);

// How an example is run and judged, read from the "# " lines at the top of
// its expected-values file ("<stem>.esperado" beside the .smp):
//   # janela 3600          window of both runs, s (1800 by default)
//   # degrau-sp 10         amplitude of the set-point step, % (10)
//   # degrau-carga -10     amplitude of the load step, % (10)
//   # livre 3              loop 3 is not required to return to its SP
//   # satura 2             loop 2 may end with its output saturated
//   # tolerancia 1.5       |SP − PV| allowed at the end, % (1.0)
struct Ensaio {
  int janela = 1800;
  int degrauSP = 10;
  int degrauCarga = 10;
  std::set<int> livres;
  std::set<int> saturadas;
  double tolerancia = 1.0;
  // The stored index lines: "sp" and "carga" sections, in quiv-sim's format.
  std::map<std::string, std::vector<std::string>> esperado;
};
std::filesystem::path ArquivoEsperado(const std::string& arquivo);
Ensaio LeEnsaio(const std::string& arquivo);
// Rewrites the expected-values file: the option lines kept, the sections
// replaced by `secoes`.
void GravaEsperado(const std::string& arquivo,
                   const std::map<std::string, std::vector<std::string>>& secoes);

// A fast simulation of the loaded example with seed 1, at 500 ms steps.
ResultadoSimulacaoRapida Roda(Documento& doc, SinalTeste sinal, int amplitude, int janela);

// The index lines of a run: "loop K;…;" for every loop that took part.
std::vector<std::string> LinhasIndices(const ResultadoSimulacaoRapida& r);

// The failures of a run's stability: for every loop that took part and is
// in automatic, unless exempt, PV must end within `tolerancia` of SP (mean
// over the last 5 % of the window), must not keep moving (its spread there
// below 2·tolerancia + 0.5), and CO must not end saturated (≤ 2 or ≥ 98 %)
// unless the loop may saturate. Empty when all hold.
std::vector<std::string> FalhasDeEstabilidade(const Documento& doc,
                                              const ResultadoSimulacaoRapida& r,
                                              const Ensaio& ensaio);

// Differences between index lines, number by number within `tolerancia`.
std::vector<std::string> DiferencasIndices(const std::vector<std::string>& esperado,
                                           const std::vector<std::string>& obtido,
                                           double tolerancia = 0.02);

}  // namespace quiv::teste
