#include "core/nucleo/erro.h"

#include <cerrno>
#include <system_error>

#include "core/nucleo/nome_arquivo.h"
#include "core/nucleo/texto_citado.h"

namespace quiv {

void LancaEstouro() { throw Erro(kMensagemEstouro); }
void LancaDivisaoZero() { throw Erro(kMensagemDivisaoZero); }
void LancaErroArquivo(int codigo) { throw Erro(MensagemErroArquivo(codigo)); }

std::string MensagemErroArquivo(int codigo, std::string_view acao,
                                const std::filesystem::path& caminho) {
  return "cannot " + std::string(acao) + " " + TextoCitado(TextoCaminho(caminho), 255) + ": " +
         std::generic_category().message(codigo);
}

void LancaErroArquivo(int codigo, std::string_view acao, const std::filesystem::path& caminho) {
  throw Erro(MensagemErroArquivo(codigo, acao, caminho));
}

std::string MensagemErroArquivo(int codigo) {
  switch (codigo) {
    case ENOENT:
    case ENOTDIR:
      return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return "File access denied";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "Disk full";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    default:
      return "I/O error " + std::to_string(codigo);
  }
}

}  // namespace quiv
