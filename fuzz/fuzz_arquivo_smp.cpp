// Fuzzing of the simulation-file reader: any bytes must load or stop with the
// project's error, never crash or hang; a file that loaded must save and load
// again, into the same bytes unless a text holds a "|".
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/arquivo/linhas_smp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho > 200000) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
  quiv::Documento doc;
  try {
    quiv::smp::Leitor l = quiv::smp::Leitor::DeConteudo(bytes, tamanho % 2 == 1);
    quiv::LeSimulacao(doc, l, "fuzz");
  } catch (const quiv::Erro&) {
    return 0;
  }
  // A loaded simulation writes a file that loads into the same simulation.
  quiv::smp::Escritor primeiro;
  quiv::EscreveSimulacao(doc, primeiro);
  quiv::Documento outro;
  try {
    quiv::smp::Leitor l = quiv::smp::Leitor::DeConteudo(primeiro.Conteudo());
    quiv::LeSimulacao(outro, l, "fuzz");
  } catch (const quiv::Erro&) {
    std::abort();  // what we wrote must read back
  }
  // A bilingual text that keeps a "|" after loading ("A|B|C" read in English
  // is "B|C") is split again by the next load, as the format wants, so only
  // files without a bar must come back to the same bytes.
  if (primeiro.Conteudo().find('|') != std::string::npos) return 0;
  quiv::smp::Escritor segundo;
  quiv::EscreveSimulacao(outro, segundo);
  if (segundo.Conteudo() != primeiro.Conteudo()) std::abort();
  return 0;
}
