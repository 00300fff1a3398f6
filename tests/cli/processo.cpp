// SPDX-License-Identifier: GPL-3.0-or-later
#include "processo.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace quiv::teste {

namespace {

// Anonymous temporary files avoid the pipe dance: a child that fills one pipe
// while the parent waits on the other would hang.
struct Temporario {
  std::FILE* arquivo = std::tmpfile();
  Temporario() {
    if (!arquivo) throw std::system_error(errno, std::generic_category(), "tmpfile");
  }
  ~Temporario() { std::fclose(arquivo); }
  Temporario(const Temporario&) = delete;
  Temporario& operator=(const Temporario&) = delete;

  int Descritor() const { return fileno(arquivo); }
  std::string Conteudo() const {
    std::rewind(arquivo);
    std::string texto;
    char bloco[4096];
    std::size_t lidos;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0) texto.append(bloco, lidos);
    return texto;
  }
};

void Verifica(int codigo, const char* onde) {
  if (codigo != 0) throw std::system_error(codigo, std::generic_category(), onde);
}

}  // namespace

Resultado ExecutaPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                          const std::string& pasta) {
  Temporario saida;
  Temporario erros;

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(programa.c_str()));
  for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t acoes;
  Verifica(posix_spawn_file_actions_init(&acoes), "posix_spawn_file_actions_init");
  Verifica(posix_spawn_file_actions_addopen(&acoes, STDIN_FILENO, "/dev/null", O_RDONLY, 0),
           "addopen");
  Verifica(posix_spawn_file_actions_adddup2(&acoes, saida.Descritor(), STDOUT_FILENO), "adddup2");
  Verifica(posix_spawn_file_actions_adddup2(&acoes, erros.Descritor(), STDERR_FILENO), "adddup2");
  if (!pasta.empty())
    Verifica(posix_spawn_file_actions_addchdir_np(&acoes, pasta.c_str()), "addchdir");
  pid_t filho = 0;
  const int codigo = posix_spawn(&filho, programa.c_str(), &acoes, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&acoes);
  Verifica(codigo, programa.c_str());

  int estado = 0;
  while (waitpid(filho, &estado, 0) < 0) {
    if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "waitpid");
  }
  Resultado resultado;
  resultado.status = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  resultado.saida = saida.Conteudo();
  resultado.erros = erros.Conteudo();
  return resultado;
}

}  // namespace quiv::teste
