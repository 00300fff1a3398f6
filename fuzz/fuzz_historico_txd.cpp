// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzing of the history-file reader: any bytes must load what they can (or
// stop with the project's error), never crash or hang, and every loop that
// takes part must get three series of one point per line read, and the
// header's descriptions must come out as UTF-8.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/analise/historico_txd.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/windows1252.h"
#include "core/objetos/controlador.h"

namespace {

// Loops with PVs at M21 and M99 (the last column); loop 3 chose item 124,
// which its controller refuses, so it is scored on the PV it applied (M01).
quiv::Documento& Planta() {
  static quiv::Documento doc;
  static const bool montada = [] {
    const int pvs[] = {20, 98, 123};
    for (int k = 1; k <= 3; ++k) {
      quiv::Controlador& c = doc.NovoControlador(k);
      c.Tag = "C" + std::to_string(k);
      c.ItemPV = pvs[k - 1];
      c.AtualizaParametros(false);  // a loop is scored on the PV its controller applied
    }
    doc.simulacao.memoria.DefineDescritor(21, {"kPa", "-50", "1e300", "0", "1"});
    return true;
  }();
  (void)montada;
  return doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho > 200000) return 0;
  std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
  quiv::HistoricoLido lido;
  try {
    lido = quiv::LeHistoricoTxd(entrada, Planta().simulacao, tamanho % 2 == 0);
  } catch (const quiv::Erro&) {
    return 0;
  }
  if (lido.janela > 0 && lido.linhasLidas > static_cast<std::size_t>(lido.janela)) std::abort();
  if (lido.janela < 0) std::abort();
  for (const std::string& d : lido.descricoes) {
    if (!quiv::Utf8Valido(d)) std::abort();
  }
  for (int k = 1; k <= 3; ++k) {
    const quiv::MalhaDesempenho& m = lido.malhas[static_cast<std::size_t>(k)];
    if (!m.participa || m.series.PV.size() != lido.linhasLidas ||
        m.series.SP.size() != lido.linhasLidas || m.series.MV.size() != lido.linhasLidas ||
        m.indices[quiv::kPVMinMax].empty())
      std::abort();
  }
  return 0;
}
