// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/arquivo_registro.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "core/nucleo/erro.h"
#include "core/nucleo/nome_arquivo.h"
#include "core/nucleo/numero_texto.h"

namespace quiv {

namespace {

constexpr std::array<BaseTempo, 3> kBases{{
    {1, 0.1, 0.1, "Tempo (0.100 seg);", "Saving 0.1s sampling"},
    {3, 0.334, 0.3, "Tempo (0.334 seg);", "Saving 0.334s sampling"},
    {20, 2.0, 2.0, "Tempo (2 seg);", "Saving 2s sampling"},
}};

// Writes x with 2 decimals into `destino`, the point as a comma when asked.
std::size_t EscreveNumero(double x, bool virgula, char* destino) {
  const std::size_t n = EscreveFixo(x, 2, destino);
  if (virgula)
    if (char* ponto = static_cast<char*>(std::memchr(destino, '.', n))) *ponto = ',';
  return n;
}

[[noreturn]] void ErroCriacao(const std::filesystem::path& p, int codigo) {
  throw Erro("Erro de entrada/saída: não foi possível criar o arquivo \"" + TextoCaminho(p) +
             "\" (I/O error: cannot create the file: " + std::generic_category().message(codigo) +
             ")");
}

[[noreturn]] void ErroGravacao(const std::filesystem::path& p, int codigo) {
  throw Erro("Erro de entrada/saída: não foi possível gravar o arquivo \"" + TextoCaminho(p) +
             "\" (I/O error: cannot write the file: " + std::generic_category().message(codigo) +
             ")");
}

}  // namespace

const BaseTempo& DadosBaseTempo(int item) {
  return item >= 1 && item <= 2 ? kBases[static_cast<std::size_t>(item)] : kBases[0];
}

void ArquivoRegistro::Abre(const std::filesystem::path& pasta, std::string_view tag, int base,
                           std::string_view texto1, std::string_view texto2,
                           std::string_view texto3) {
  Fecha();
  const BaseTempo& b = DadosBaseTempo(base);
  // "x": never replace a file, even one created since the name was chosen.
  for (;;) {
    caminho_ = NomeLivre(pasta, tag, ".txt");
    arquivo_.reset(std::fopen(caminho_.c_str(), "wbx"));
    if (arquivo_) break;
    if (errno != EEXIST) ErroCriacao(caminho_, errno);
  }
  aberto_ = true;
  std::string cabecalho(b.PrefixoCabecalho);
  cabecalho.append(texto1).append(";").append(texto2).append(";").append(texto3).append("\r\n");
  Grava(cabecalho.data(), cabecalho.size());
  if (std::fflush(arquivo_.get()) != 0) FalhaGravacao();
  PeriodoArquivo = b.PeriodoArquivo;
}

void ArquivoRegistro::EscreveLinha(double a, double b, double c, bool virgula) {
  if (!aberto_) return;
  // Four numbers of at most ~340 characters each.
  char linha[4 * 352 + 8];
  std::size_t n = 0;
  for (const double v : {TempoArquivo, a, b, c}) {
    if (n > 0) linha[n++] = ';';
    n += EscreveNumero(v, virgula, linha + n);
  }
  linha[n++] = '\r';
  linha[n++] = '\n';
  Grava(linha, n);
  TempoArquivo += PeriodoArquivo;
}

void ArquivoRegistro::Grava(const char* dados, std::size_t tamanho) {
  if (std::fwrite(dados, 1, tamanho, arquivo_.get()) != tamanho) FalhaGravacao();
}

void ArquivoRegistro::Fecha() {
  if (!aberto_) return;
  aberto_ = false;
  std::FILE* arquivo = arquivo_.release();
  errno = 0;
  const bool falhou = std::fflush(arquivo) != 0 || std::ferror(arquivo);
  const int codigo = errno != 0 ? errno : EIO;
  const bool fechou = std::fclose(arquivo) == 0;
  if (falhou || !fechou) ErroGravacao(caminho_, falhou ? codigo : (errno != 0 ? errno : EIO));
}

void ArquivoRegistro::FalhaGravacao() {
  const int codigo = errno != 0 ? errno : EIO;
  aberto_ = false;
  arquivo_.reset();
  ErroGravacao(caminho_, codigo);
}

}  // namespace quiv
