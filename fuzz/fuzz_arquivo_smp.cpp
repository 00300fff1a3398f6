// Fuzzing of the simulation-file reader: any bytes must load or stop with the
// project's error, never crash or hang; a file that loaded must save and load
// again into the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/arquivo_smp.h"
#include "core/documento.h"
#include "core/erro.h"
#include "core/linhas_smp.h"

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
  quiv::smp::Escritor segundo;
  quiv::EscreveSimulacao(outro, segundo);
  if (segundo.Conteudo() != primeiro.Conteudo()) std::abort();
  return 0;
}
