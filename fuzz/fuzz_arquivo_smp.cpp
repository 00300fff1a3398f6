// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzing of the simulation-file reader: any bytes must load or stop with the
// project's error, never crash or hang; a file that loaded must save and load
// again, into the same bytes, in either interface language.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/documento.h"
#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho > 200000) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
  const bool ingles = tamanho % 2 == 1;
  quiv::Documento doc;
  doc.simulacao.IdiomaIngles = ingles;
  try {
    quiv::smp::Leitor l = quiv::smp::Leitor::DeConteudo(bytes);
    quiv::LeSimulacao(doc, l, "fuzz");
  } catch (const quiv::Erro&) {
    return 0;
  }
  // A loaded simulation writes a file that loads into the same simulation.
  quiv::smp::Escritor primeiro;
  quiv::EscreveSimulacao(doc, primeiro);
  quiv::Documento outro;
  outro.simulacao.IdiomaIngles = ingles;
  try {
    quiv::smp::Leitor l = quiv::smp::Leitor::DeConteudo(primeiro.Conteudo());
    quiv::LeSimulacao(outro, l, "fuzz");
  } catch (const quiv::Erro&) {
    std::abort();  // what we wrote must read back
  }
  // Texts in both languages ("A|B|C") are kept whole, so the second save
  // gives the same bytes as the first.
  quiv::smp::Escritor segundo;
  quiv::EscreveSimulacao(outro, segundo);
  if (segundo.Conteudo() != primeiro.Conteudo()) std::abort();
  return 0;
}
