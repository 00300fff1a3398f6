// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/carrega_simulacao.h"

#include <cstdio>

#include "core/arquivo/arquivo_smp.h"

namespace quiv::cli {

bool CarregaSimulacao(Documento& documento, const std::filesystem::path& arquivo,
                      std::string_view comando) {
  documento.simulacao.Mensagem = [](std::string_view texto) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(texto.size()), texto.data());
  };
  if (LeSimulacao(documento, arquivo)) return true;
  const std::string_view mensagem = MensagemArquivoNaoEncontrado(false);
  std::fprintf(stderr, "quiv-sim %.*s: %s: %.*s\n", static_cast<int>(comando.size()),
               comando.data(), arquivo.string().c_str(), static_cast<int>(mensagem.size()),
               mensagem.data());
  return false;
}

}  // namespace quiv::cli
