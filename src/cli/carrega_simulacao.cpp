// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/carrega_simulacao.h"

#include <cstdio>

#include "core/arquivo/arquivo_smp.h"
#include "core/nucleo/mensagens_verificacao.h"

namespace quiv::cli {

bool CarregaSimulacao(Documento& documento, const std::filesystem::path& arquivo,
                      std::string_view comando) {
  // The tool speaks English: the checks' texts too.
  documento.simulacao.Mensagem = [](std::string_view texto) {
    const std::string ingles = MensagemEmIngles(texto);
    std::fprintf(stderr, "%s\n", ingles.c_str());
  };
  if (LeSimulacao(documento, arquivo)) return true;
  const std::string_view mensagem = MensagemArquivoNaoEncontrado(true);
  std::fprintf(stderr, "quiv-sim %.*s: %s: %.*s\n", static_cast<int>(comando.size()),
               comando.data(), arquivo.string().c_str(), static_cast<int>(mensagem.size()),
               mensagem.data());
  return false;
}

}  // namespace quiv::cli
