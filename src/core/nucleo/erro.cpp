// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/erro.h"

#include <cerrno>
#include <system_error>

#include "core/nucleo/nome_arquivo.h"
#include "core/nucleo/texto_citado.h"

namespace quiv {

void LancaEstouro() { throw Erro(kMensagemEstouro); }
void LancaDivisaoZero() { throw Erro(kMensagemDivisaoZero); }
std::string MensagemErroArquivo(int codigo, std::string_view acao,
                                const std::filesystem::path& caminho) {
  return "cannot " + std::string(acao) + " " + TextoCitado(TextoCaminho(caminho), 255) + ": " +
         std::generic_category().message(codigo);
}

void LancaErroArquivo(int codigo, std::string_view acao, const std::filesystem::path& caminho) {
  throw Erro(MensagemErroArquivo(codigo, acao, caminho));
}

}  // namespace quiv
