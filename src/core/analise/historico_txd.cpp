// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/historico_txd.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>

#include "core/nucleo/erro.h"
#include "core/nucleo/nome_arquivo.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/progresso.h"
#include "core/nucleo/simulacao.h"
#include "core/nucleo/windows1252.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

constexpr int kCelulas = Memoria::kEnderecos;  // M01 … M99 per data line
constexpr std::size_t kMaiorNumero = 352;      // EscreveFixo writes at most 340

// A field's text as a number: blanks before it, nothing after it.
std::optional<double> NumeroDoCampo(std::string_view campo) {
  std::size_t i = 0;
  while (i < campo.size() && campo[i] == ' ') ++i;
  const char* inicio = campo.data() + i;
  const char* fim = campo.data() + campo.size();
  double valor = 0.0;
  const auto [resto, erro] = std::from_chars(inicio, fim, valor, std::chars_format::general);
  if (erro != std::errc() || resto != fim || !std::isfinite(valor)) return std::nullopt;
  return valor;
}

// Writes the two-decimal text of x padded to five characters and a ";".
std::size_t EscreveCelula(double x, char* destino) {
  char numero[kMaiorNumero];
  const std::size_t n = EscreveFixo(x, 2, numero);
  std::size_t k = 0;
  for (; k + n < 5; ++k) destino[k] = ' ';
  std::memcpy(destino + k, numero, n);
  k += n;
  destino[k++] = ';';
  return k;
}

// Positions of the ";" that close the fields of a line, up to `maximo` of them.
void FechamentosDosCampos(std::string_view linha, std::size_t maximo,
                          std::vector<std::size_t>& fechamentos) {
  fechamentos.clear();
  for (std::size_t i = 0; i < linha.size() && fechamentos.size() < maximo; ++i) {
    if (linha[i] == ';') fechamentos.push_back(i);
  }
}

// Field n (1-based) of a line split at `fechamentos`.
std::optional<double> Campo(std::string_view linha, const std::vector<std::size_t>& fechamentos,
                            int n) {
  if (n < 1 || static_cast<std::size_t>(n) > fechamentos.size()) return std::nullopt;
  const std::size_t inicio = n == 1 ? 0 : fechamentos[static_cast<std::size_t>(n) - 2] + 1;
  return NumeroDoCampo(linha.substr(inicio, fechamentos[static_cast<std::size_t>(n) - 1] - inicio));
}

// The header's text as UTF-8: valid UTF-8 (a byte-order mark dropped) stays,
// anything else is Windows-1252.
std::string TextoDoCabecalho(std::string_view bytes) {
  constexpr std::string_view kMarca = "\xEF\xBB\xBF";
  if (bytes.starts_with(kMarca)) {
    const std::string_view resto = bytes.substr(kMarca.size());
    if (Utf8Valido(resto)) return std::string(resto);
  }
  return DeWindows1252OuUtf8(bytes);
}

// "01 text;02 text;…99 text;": each description runs up to the ";" that the
// next number follows, so a description holding ";" stays whole. Stops at the
// first field that does not start with its number.
void LeDescricoes(std::string_view texto, std::array<std::string, kCelulas + 1>& descricoes) {
  auto numero = [](int n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), ' '};
  };
  std::size_t inicio = 0;
  for (int n = 1; n <= kCelulas; ++n) {
    if (texto.substr(inicio, 3) != numero(n)) return;
    inicio += 3;
    const std::size_t fim =
        n < kCelulas ? texto.find(";" + numero(n + 1), inicio)
                     : (texto.ends_with(';') && texto.size() > inicio ? texto.size() - 1
                                                                      : std::string_view::npos);
    if (fim == std::string_view::npos) return;
    descricoes[static_cast<std::size_t>(n)] = std::string(texto.substr(inicio, fim - inicio));
    inicio = fim + 1;
  }
}

bool LeLinha(std::istream& entrada, std::string& linha) {
  if (!std::getline(entrada, linha)) return false;
  if (!linha.empty() && linha.back() == '\r') linha.pop_back();
  return true;
}

}  // namespace

double ValorNoHistorico(double x) {
  char texto[kMaiorNumero];
  const std::size_t n = EscreveFixo(x, 2, texto);
  double valor = x;
  std::from_chars(texto, texto + n, valor);
  return valor;
}

std::optional<double> CampoTxd(std::string_view linha, int n) {
  if (n < 1) return std::nullopt;
  std::size_t inicio = 0;
  for (int campo = 1; campo < n; ++campo) {
    const std::size_t fim = linha.find(';', inicio);
    if (fim == std::string_view::npos) return std::nullopt;
    inicio = fim + 1;
  }
  const std::size_t fim = linha.find(';', inicio);
  if (fim == std::string_view::npos) return std::nullopt;
  return NumeroDoCampo(linha.substr(inicio, fim - inicio));
}

std::string CabecalhoTxd(const Memoria& memoria, double TA, int janela) {
  std::string cabecalho;
  for (int n = 1; n <= kCelulas; ++n) {
    cabecalho += static_cast<char>('0' + n / 10);
    cabecalho += static_cast<char>('0' + n % 10);
    cabecalho += ' ';
    for (const char c : memoria.DescricaoEndereco[static_cast<std::size_t>(n)])
      cabecalho += c == '\r' || c == '\n' ? ' ' : c;
    cabecalho += ';';
  }
  // One decimal for the steps the window offers; a finer step keeps its digits.
  std::string passo = TextoFixo(TA, 1);
  for (int d = 2; d <= 6 && LeNumero(passo) != TA; ++d) passo = TextoFixo(TA, d);
  cabecalho += passo + ";" + std::to_string(janela) + ";\r\n";
  return ParaWindows1252(cabecalho);
}

void AcrescentaLinhaTxd(const Memoria& memoria, std::string& destino) {
  char celula[kMaiorNumero + 8];
  for (int n = 1; n <= kCelulas; ++n)
    destino.append(celula, EscreveCelula(memoria.celula[static_cast<std::size_t>(n)], celula));
  destino += "\r\n";
}

std::filesystem::path NomeHistoricoLivre(const std::filesystem::path& pasta,
                                         std::string_view stem) {
  return NomeLivre(pasta, stem, ".txd");
}

std::vector<std::string> HistoricosDaPasta(const std::filesystem::path& pasta) {
  std::vector<std::string> nomes;
  std::error_code erro;
  for (std::filesystem::directory_iterator it(pasta, erro), fim; !erro && it != fim;
       it.increment(erro)) {
    const std::filesystem::path& p = it->path();
    if (p.extension() == ".txd" && !it->is_directory(erro)) nomes.push_back(p.stem().string());
  }
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}

GravadorTxd::GravadorTxd(const std::filesystem::path& pasta, std::string_view stem,
                         const std::string& cabecalho)
    : pasta_(pasta),
      stem_(stem),
      linha_(static_cast<std::size_t>(kCelulas) * (kMaiorNumero + 8) + 2),
      buffer_(1 << 20) {
  // "x": never replace a file, even one created since the name was chosen.
  for (;;) {
    caminho_ = NomeLivre(pasta_, "." + stem_, ".txd.tmp");
    arquivo_ = std::fopen(caminho_.c_str(), "wbx");
    if (arquivo_) break;
    if (errno != EEXIST) LancaErroArquivo(errno, "create", caminho_);
  }
  std::setvbuf(arquivo_, buffer_.data(), _IOFBF, buffer_.size());
  try {
    Grava(cabecalho.data(), cabecalho.size());
  } catch (...) {
    Descarta();  // no destructor runs for a constructor that throws
    throw;
  }
}

GravadorTxd::~GravadorTxd() { Descarta(); }

void GravadorTxd::Grava(const char* dados, std::size_t tamanho) {
  if (!arquivo_) LancaErroArquivo(EBADF, "write", caminho_);
  if (std::fwrite(dados, 1, tamanho, arquivo_) != tamanho)
    LancaErroArquivo(errno, "write", caminho_);
}

void GravadorTxd::EscreveLinha(const Memoria& memoria) {
  char* p = linha_.data();
  for (int n = 1; n <= kCelulas; ++n)
    p += EscreveCelula(memoria.celula[static_cast<std::size_t>(n)], p);
  *p++ = '\r';
  *p++ = '\n';
  Grava(linha_.data(), static_cast<std::size_t>(p - linha_.data()));
}

void GravadorTxd::Fecha() {
  if (nomeado_) return;
  if (!arquivo_) LancaErroArquivo(EBADF, "write", caminho_);  // already discarded
  std::FILE* arquivo = arquivo_;
  arquivo_ = nullptr;
  const bool falhou = std::fflush(arquivo) != 0 || std::ferror(arquivo);
  const int codigo = errno;
  const bool fechou = std::fclose(arquivo) == 0;
  const int codigoFechamento = errno;
  try {
    if (falhou || !fechou) LancaErroArquivo(falhou ? codigo : codigoFechamento, "write", caminho_);
    DaNome();
  } catch (...) {
    Descarta();
    throw;
  }
}

void GravadorTxd::DaNome() {
  const std::filesystem::path temporario = caminho_;
  for (;;) {
    const std::filesystem::path destino = NomeHistoricoLivre(pasta_, stem_);
    // A hard link never replaces an existing name; the temporary name goes after.
    std::error_code erro;
    std::filesystem::create_hard_link(temporario, destino, erro);
    if (erro && erro != std::errc::file_exists && !std::filesystem::exists(destino)) {
      // A file system without hard links: rename, the name having just been
      // seen free.
      erro.clear();
      std::filesystem::rename(temporario, destino, erro);
    }
    if (!erro) {
      std::error_code ignorado;
      std::filesystem::remove(temporario, ignorado);  // gone already after a rename
      caminho_ = destino;
      nomeado_ = true;
      return;
    }
    if (erro != std::errc::file_exists) LancaErroArquivo(erro.value(), "name", destino);
  }
}

void GravadorTxd::Descarta() noexcept {
  if (nomeado_) return;
  if (arquivo_) {
    std::fclose(arquivo_);
    arquivo_ = nullptr;
  }
  std::error_code ignorado;
  if (!caminho_.empty()) std::filesystem::remove(caminho_, ignorado);
  caminho_.clear();
}

HistoricoLido LeHistoricoTxd(const std::filesystem::path& arquivo, const Simulacao& simulacao,
                             bool normaliza, const std::function<void(int)>& progresso) {
  errno = 0;
  std::ifstream entrada(arquivo, std::ios::binary);
  if (!entrada) LancaErroArquivo(errno != 0 ? errno : ENOENT, "open", arquivo);
  return LeHistoricoTxd(entrada, simulacao, normaliza, progresso);
}

HistoricoLido LeHistoricoTxd(std::istream& entrada, const Simulacao& simulacao, bool normaliza,
                             const std::function<void(int)>& progresso) {
  HistoricoLido lido;
  std::string linha;
  std::vector<std::size_t> fechamentos;
  fechamentos.reserve(kCelulas + 2);

  // The window is the header's last field (TA the one before it).
  std::size_t limite = std::numeric_limits<std::size_t>::max();
  if (LeLinha(entrada, linha)) {
    const std::size_t ultimo = linha.rfind(';');
    const std::size_t anterior = ultimo == std::string::npos || ultimo == 0
                                     ? std::string::npos
                                     : linha.rfind(';', ultimo - 1);
    const std::size_t inicio = anterior == std::string::npos ? 0 : anterior + 1;
    if (ultimo != std::string::npos) {
      if (const auto w = NumeroDoCampo(std::string_view(linha).substr(inicio, ultimo - inicio))) {
        // Clamped before any conversion: a damaged header may hold any number.
        lido.janela = static_cast<int>(std::clamp(std::nearbyint(*w), 0.0, double{INT_MAX}));
        limite = static_cast<std::size_t>(lido.janela);
      }
    }
    // The descriptions end at the ";" that closes the field before TA.
    const std::size_t fimDescricoes = anterior == std::string::npos || anterior == 0
                                          ? std::string::npos
                                          : linha.rfind(';', anterior - 1);
    if (fimDescricoes != std::string::npos)
      LeDescricoes(TextoDoCabecalho(std::string_view(linha).substr(0, fimDescricoes + 1)),
                   lido.descricoes);
  } else if (entrada.bad()) {
    LancaErroArquivo(EIO, "read", "the history file");
  }

  // The file holds M01 … M99 only: a PV beyond them has no column.
  lido.malhas = MalhasParticipantes(simulacao, kCelulas, std::min<std::size_t>(limite, 1 << 16));
  std::size_t ultimoCampo = 0;
  for (int k = 1; k <= kMalhas; ++k) {
    const MalhaDesempenho& malha = lido.malhas[static_cast<std::size_t>(k)];
    if (malha.participa)
      ultimoCampo = std::max({ultimoCampo, static_cast<std::size_t>(malha.enderecoPV),
                              static_cast<std::size_t>(EnderecoSPDaMalha(k))});
  }

  Progresso gauge(progresso, static_cast<double>(limite));
  while (lido.linhasLidas < limite && LeLinha(entrada, linha)) {
    gauge(static_cast<double>(lido.linhasLidas));
    FechamentosDosCampos(linha, ultimoCampo, fechamentos);
    auto valor = [&](int n) {
      const auto v = Campo(linha, fechamentos, n);
      if (!v) ++lido.camposInvalidos;
      return v.value_or(0.0);
    };
    for (int k = 1; k <= kMalhas; ++k) {
      MalhaDesempenho& malha = lido.malhas[static_cast<std::size_t>(k)];
      if (!malha.participa) continue;
      const EscalaPV& escala = malha.escala;
      const double co = valor(k);
      const double pv = valor(malha.enderecoPV);
      const double sp = valor(EnderecoSPDaMalha(k));
      malha.series.MV.push_back(co);
      malha.series.PV.push_back(normaliza ? pv : escala.Engenharia(pv));
      malha.series.SP.push_back(normaliza ? sp : escala.Engenharia(sp));
    }
    ++lido.linhasLidas;
  }
  if (entrada.bad()) LancaErroArquivo(EIO, "read", "the history file");

  for (MalhaDesempenho& malha : lido.malhas) {
    if (malha.participa)
      malha.indices = CalculaIndices(malha.series.PV, malha.series.SP, malha.series.MV);
  }
  return lido;
}

}  // namespace quiv
