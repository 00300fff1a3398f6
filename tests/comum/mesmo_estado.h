// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/linhas_smp.h"

namespace quiv::teste {

// The lines a save writes of a document.
inline std::vector<std::string> LinhasDoArquivo(const Documento& doc) {
  smp::Escritor e;
  EscreveSimulacao(doc, e);
  return e.Linhas();
}

// Whether two plants stand in exactly the same state: the same file text, the
// same cells bit for bit, and, since a state that differs anywhere (a ring,
// a filter, the random source) shows sooner or later in the cells, the same
// cells after every one of `ciclos` scan cycles run on copies of both.
inline bool MesmoEstado(const Documento& a, const Documento& b, int ciclos = 300) {
  const auto linhas = LinhasDoArquivo;
  auto roda = [ciclos](const Documento& d) {
    const std::unique_ptr<Documento> copia = CopiaDocumento(d);
    std::vector<double> celulas(d.simulacao.memoria.celula.begin(),
                                d.simulacao.memoria.celula.end());
    for (int i = 0; i < ciclos; ++i) {
      copia->Ciclo(100.0 * i);
      celulas.insert(celulas.end(), copia->simulacao.memoria.celula.begin(),
                     copia->simulacao.memoria.celula.end());
    }
    return celulas;
  };
  if (linhas(a) != linhas(b)) return false;
  const std::vector<double> ca = roda(a);
  const std::vector<double> cb = roda(b);
  return ca.size() == cb.size() &&
         std::memcmp(ca.data(), cb.data(), ca.size() * sizeof(double)) == 0;
}

}  // namespace quiv::teste
