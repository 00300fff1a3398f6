#include "core/analise/historico_txd.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>

#include "core/nucleo/erro.h"
#include "core/nucleo/nome_arquivo.h"
#include "core/objetos/controlador.h"
#include "core/nucleo/numero_texto.h"
#include "core/nucleo/progresso.h"
#include "core/nucleo/simulacao.h"

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
  return cabecalho;
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
    : linha_(static_cast<std::size_t>(kCelulas) * (kMaiorNumero + 8) + 2), buffer_(1 << 20) {
  // "x": never replace a file, even one created since the name was chosen.
  for (;;) {
    caminho_ = NomeHistoricoLivre(pasta, stem);
    arquivo_ = std::fopen(caminho_.c_str(), "wbx");
    if (arquivo_) break;
    if (errno != EEXIST) LancaErroArquivo(errno);
  }
  std::setvbuf(arquivo_, buffer_.data(), _IOFBF, buffer_.size());
  try {
    Grava(cabecalho.data(), cabecalho.size());
  } catch (...) {
    std::fclose(arquivo_);  // no destructor runs for a constructor that throws
    throw;
  }
}

GravadorTxd::~GravadorTxd() {
  if (arquivo_) std::fclose(arquivo_);
}

void GravadorTxd::Grava(const char* dados, std::size_t tamanho) {
  if (!arquivo_) throw Erro(MensagemErroArquivo(EBADF));
  if (std::fwrite(dados, 1, tamanho, arquivo_) != tamanho) LancaErroArquivo(errno);
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
  if (!arquivo_) return;
  std::FILE* arquivo = arquivo_;
  arquivo_ = nullptr;
  const bool falhou = std::fflush(arquivo) != 0 || std::ferror(arquivo);
  const int codigo = errno;
  if (std::fclose(arquivo) != 0 || falhou) LancaErroArquivo(falhou ? codigo : errno);
}

HistoricoLido LeHistoricoTxd(const std::filesystem::path& arquivo, const Simulacao& simulacao,
                             bool normaliza, const std::function<void(int)>& progresso) {
  errno = 0;
  std::ifstream entrada(arquivo, std::ios::binary);
  if (!entrada) LancaErroArquivo(errno != 0 ? errno : ENOENT);
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
    const std::size_t anterior =
        ultimo == std::string::npos || ultimo == 0 ? std::string::npos : linha.rfind(';', ultimo - 1);
    const std::size_t inicio = anterior == std::string::npos ? 0 : anterior + 1;
    if (ultimo != std::string::npos) {
      if (const auto w = NumeroDoCampo(std::string_view(linha).substr(inicio, ultimo - inicio))) {
        const double arredondada = std::nearbyint(*w);
        limite = arredondada <= 0.0 ? 0 : static_cast<std::size_t>(std::min(arredondada, 1e12));
        lido.janela = static_cast<int>(std::min(arredondada, 2e9));
      }
    }
  } else if (entrada.bad()) {
    LancaErroArquivo(EIO);
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
  if (entrada.bad()) LancaErroArquivo(EIO);

  for (MalhaDesempenho& malha : lido.malhas) {
    if (malha.participa)
      malha.indices = CalculaIndices(malha.series.PV, malha.series.SP, malha.series.MV);
  }
  return lido;
}

}  // namespace quiv
