// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/arquivo_smp.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "core/arquivo/unidades_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/nome_arquivo.h"
#include "core/nucleo/texto_citado.h"

namespace quiv {

namespace {

constexpr std::string_view kCabecalhoEntradas = "<<Tracks>>";
constexpr std::string_view kVago = "vago";
constexpr int kLinhasVagas = 3;

// The five object blocks, in file order.
struct BlocoObjetos {
  TipoObjeto tipo;
  std::string_view cabecalho;
};
constexpr std::array<BlocoObjetos, 5> kBlocos{{
    {TipoObjeto::Controlador, "<Controls>"},
    {TipoObjeto::Processo, "<Process>"},
    {TipoObjeto::Bloco, "<Blocs>"},
    {TipoObjeto::Registrador, "<Registers>"},
    {TipoObjeto::Texto, "<Textos Animados>"},
}};

void SalvaRegistro(const Documento& doc, TipoObjeto tipo, int n, smp::Escritor& e) {
  switch (tipo) {
    case TipoObjeto::Controlador:
      doc.ControladorDe(n)->SalvaParametros(e);
      break;
    case TipoObjeto::Processo:
      doc.ProcessoDe(n)->SalvaParametros(e);
      break;
    case TipoObjeto::Bloco:
      doc.BlocoDe(n)->SalvaParametros(e);
      break;
    case TipoObjeto::Registrador:
      doc.RegistradorDe(n)->SalvaParametros(e);
      break;
    case TipoObjeto::Texto:
      doc.TextoDe(n)->SalvaParametros(e);
      break;
  }
}

void CriaObjeto(Documento& doc, TipoObjeto tipo, int n) {
  switch (tipo) {
    case TipoObjeto::Controlador:
      doc.NovoControlador(n);
      break;
    case TipoObjeto::Processo:
      doc.NovoProcesso(n);
      break;
    case TipoObjeto::Bloco:
      doc.NovoBloco(n);
      break;
    case TipoObjeto::Registrador:
      doc.NovoRegistrador(n);
      break;
    case TipoObjeto::Texto:
      doc.NovoTexto(n);
      break;
  }
}

// The record, then the object's apply operation with messages on.
void LeRegistro(Documento& doc, TipoObjeto tipo, int n, smp::Leitor& l) {
  switch (tipo) {
    case TipoObjeto::Controlador: {
      Controlador& c = *doc.ControladorDe(n);
      c.LeParametros(l);
      c.AtualizaParametros(true);
      break;
    }
    case TipoObjeto::Processo: {
      Processo& p = *doc.ProcessoDe(n);
      p.LeParametros(l);
      p.AtualizaParametros(true);
      break;
    }
    case TipoObjeto::Bloco: {
      Bloco& b = *doc.BlocoDe(n);
      b.LeParametros(l);
      b.AtualizaParametros(true);
      break;
    }
    case TipoObjeto::Registrador: {
      Registrador& r = *doc.RegistradorDe(n);
      r.LeParametros(l);
      r.AposLeitura();
      break;
    }
    case TipoObjeto::Texto: {
      TextoAnimado& t = *doc.TextoDe(n);
      t.LeParametros(l);
      t.AtualizaParametros(true);
      break;
    }
  }
}

int IndiceTipo(TipoObjeto tipo) { return static_cast<int>(tipo); }

// The number (from 1) of the first line longer than kMaiorLinhaSmp bytes, or 0.
std::size_t LinhaLongaDemais(std::string_view bytes) {
  std::size_t numero = 1;
  std::size_t inicio = 0;
  for (;;) {
    const std::size_t fim = bytes.find('\n', inicio);
    const std::size_t comprimento = (fim == std::string_view::npos ? bytes.size() : fim) - inicio;
    if (comprimento > kMaiorLinhaSmp + 1) return numero;  // + 1: a CR before the LF
    if (fim == std::string_view::npos) return 0;
    inicio = fim + 1;
    ++numero;
  }
}

// ", " + the label of a record's value line ("{C03/14} Indice lista PV:"),
// or nothing for the lines that have none.
std::string Rotulo(std::string_view linha) {
  if (linha.empty() || linha.front() != '{') return {};
  const std::size_t chave = linha.find('}');
  if (chave == std::string_view::npos) return {};
  const std::size_t doisPontos = linha.find(':', chave);
  const std::size_t fim = doisPontos == std::string_view::npos ? chave : doisPontos;
  return ", " + TextoCitado(linha.substr(0, fim + 1));
}

// The file a path names once its symbolic links are followed (a dangling
// link names the file it would create).
std::filesystem::path DestinoDoLink(std::filesystem::path caminho) {
  for (int nivel = 0; nivel < 40; ++nivel) {
    std::error_code erro;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(caminho, erro))) break;
    const std::filesystem::path alvo = std::filesystem::read_symlink(caminho, erro);
    if (erro) break;
    caminho = alvo.is_absolute() ? alvo : caminho.parent_path() / alvo;
  }
  return caminho;
}

}  // namespace

std::string_view MensagemArquivoNaoEncontrado(bool ingles) {
  return ingles ? "File not found" : "Arquivo não encontrado";
}

std::string_view MensagemArquivoVazio(bool ingles) {
  return ingles ? "the file is empty" : "o arquivo está vazio";
}

void EscreveSimulacao(const Documento& doc, smp::Escritor& e) {
  e.Linha(doc.Titulo.Completo());
  e.Linha(doc.FiguraFundo);
  smp::SalvaUnidades(doc.simulacao.memoria, e);
  doc.painel.SalvaEntradas(e);
  for (const BlocoObjetos& bloco : kBlocos) {
    e.Linha(bloco.cabecalho);
    const int quantidade = Posicoes::Quantidade(bloco.tipo);
    for (int n = 1; n <= quantidade; ++n) e.Linha(smp::FlagMista(doc.Incluido(bloco.tipo, n)));
    for (int n = 1; n <= quantidade; ++n)
      if (doc.Incluido(bloco.tipo, n)) SalvaRegistro(doc, bloco.tipo, n, e);
  }
  doc.posicoes.SalvaParametros(e, [&doc](TipoObjeto tipo, int n) { return doc.Incluido(tipo, n); });
  doc.registradorXY.SalvaParametros(e);
  for (int i = 0; i < kLinhasVagas; ++i) e.Linha(kVago);
  doc.gerador().SalvaParametros(e);
  doc.painel.SalvaFormas(e);
  doc.painel.SalvaChaves(e);
  doc.painel.SalvaPainelComando(e);
  doc.painel.SalvaBotoes(e);
  doc.linearizador().SalvaParametros(e);
  doc.comentarios.SalvaParametros(e);
}

std::filesystem::path ArquivoDoNomeEscolhido(const std::filesystem::path& escolhido) {
  if (escolhido.filename().string().find('.') != std::string::npos) return escolhido;
  std::filesystem::path arquivo = escolhido;
  arquivo += ".smp";
  return arquivo;
}

void TitulaPeloNomeEscolhido(Documento& doc, const std::filesystem::path& escolhido) {
  if (doc.Titulo.empty()) doc.Titulo = TextoCaminho(escolhido.filename());
}

void SalvaSimulacao(const Documento& doc, const std::filesystem::path& caminho) {
  smp::Escritor e;
  EscreveSimulacao(doc, e);
  const std::string bytes = e.Conteudo();

  // Saving through a link replaces the file it names and keeps the link;
  // the file keeps the permissions the user gave it.
  const std::filesystem::path arquivo = DestinoDoLink(caminho);
  std::error_code semEstado;
  const std::filesystem::file_status anterior = std::filesystem::status(arquivo, semEstado);

  std::filesystem::path temporario = arquivo;
  temporario += ".~grava";
  {
    errno = 0;
    std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
    if (!saida) LancaErroArquivo(errno != 0 ? errno : EIO, "create", caminho);
    saida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    saida.flush();
    if (!saida) {
      const int codigo = errno != 0 ? errno : EIO;
      saida.close();
      std::error_code ignorado;
      std::filesystem::remove(temporario, ignorado);
      LancaErroArquivo(codigo, "write", caminho);
    }
    errno = 0;
    saida.close();
    if (!saida) {
      const int codigo = errno != 0 ? errno : EIO;
      std::error_code ignorado;
      std::filesystem::remove(temporario, ignorado);
      LancaErroArquivo(codigo, "write", caminho);
    }
  }
  std::error_code erro;
  if (std::filesystem::is_regular_file(anterior))
    std::filesystem::permissions(temporario, anterior.permissions(),
                                 std::filesystem::perm_options::replace, erro);
  if (!erro) std::filesystem::rename(temporario, arquivo, erro);
  if (erro) {
    std::error_code ignorado;
    std::filesystem::remove(temporario, ignorado);
    LancaErroArquivo(erro.value(), "replace", caminho);
  }
}

void LeSimulacao(Documento& doc, smp::Leitor& l, std::string_view nomeArquivo,
                 const ProgressoLeitura& progresso) {
  Simulacao& sim = doc.simulacao;
  auto avanca = [&progresso](int percentual) {
    if (progresso) progresso(percentual);
  };

  doc.Titulo = l.ValorBilingue(0);
  if (doc.Titulo.empty()) doc.Titulo = std::string(nomeArquivo);
  doc.FiguraFundo = l.Linha();

  std::string linha = l.Linha();
  if (linha == smp::kCabecalhoUnidades) {
    smp::LeUnidades(sim.memoria, l);
    linha = l.Linha();
  } else {
    smp::UnidadesPadrao(sim.memoria);
  }
  if (linha == kCabecalhoEntradas) {
    doc.painel.LeEntradas(l);
    linha = l.Linha();
  }
  // The line in hand is the controllers' header, taken unread.
  avanca(10);
  constexpr std::array<int, 5> kProgressoBlocos{25, 45, 60, 70, 85};

  // Which instances the file holds: their records and position groups are
  // the only ones in it, whatever the document held before.
  std::array<std::array<bool, 25>, 5> noArquivo{};
  bool primeiro = true;
  for (const BlocoObjetos& bloco : kBlocos) {
    if (!primeiro) l.Linha();  // header, not looked at
    primeiro = false;
    auto& flags = noArquivo[static_cast<std::size_t>(IndiceTipo(bloco.tipo))];
    const int quantidade = Posicoes::Quantidade(bloco.tipo);
    for (int n = 1; n <= quantidade; ++n) {
      flags[static_cast<std::size_t>(n)] = smp::LeFlagMista(l.Linha());
      if (flags[static_cast<std::size_t>(n)]) CriaObjeto(doc, bloco.tipo, n);
    }
    for (int n = 1; n <= quantidade; ++n)
      if (flags[static_cast<std::size_t>(n)]) LeRegistro(doc, bloco.tipo, n, l);
    avanca(kProgressoBlocos[static_cast<std::size_t>(&bloco - kBlocos.data())]);
  }

  l.Linha();  // positions header
  doc.posicoes.LeParametros(l, [&noArquivo](TipoObjeto tipo, int n) {
    return noArquivo[static_cast<std::size_t>(IndiceTipo(tipo))][static_cast<std::size_t>(n)];
  });
  avanca(90);
  doc.registradorXY.LeParametros(l);
  for (int i = 0; i < kLinhasVagas; ++i) l.Linha();
  avanca(95);
  doc.gerador().LeParametros(l);  // applies itself
  doc.painel.LeFormas(l);
  doc.painel.LeChaves(l);
  doc.painel.LePainelComando(l);
  doc.painel.LeBotoes(l);
  avanca(100);
  doc.linearizador().LeParametros(l);
  doc.comentarios.LeParametros(l);
  doc.AtualizaLegendas();
  doc.RetomaSaidas();
}

bool LeSimulacao(Documento& doc, const std::filesystem::path& arquivo,
                 const ProgressoLeitura& progresso) {
  std::error_code erro;
  if (!std::filesystem::exists(arquivo, erro) && !erro) return false;
  const std::string nome = TextoCitado(TextoCaminho(arquivo.filename()), 255);
  const std::uintmax_t tamanho = std::filesystem::file_size(arquivo, erro);
  if (!erro && tamanho > kMaiorArquivoSmp)
    throw Erro(nome + ": the file is larger than " + std::to_string(kMaiorArquivoSmp >> 20) +
               " MiB, which no simulation reaches");
  errno = 0;
  std::ifstream entrada(arquivo, std::ios::binary);
  if (!entrada) LancaErroArquivo(errno != 0 ? errno : EIO, "open", arquivo);
  // Read in blocks up to one byte past the limit: the size seen above may
  // have changed, or the file may be a device that never ends.
  std::string bytes;
  char bloco[1 << 16];
  while (bytes.size() <= kMaiorArquivoSmp && entrada.read(bloco, sizeof bloco).gcount() > 0)
    bytes.append(bloco, static_cast<std::size_t>(entrada.gcount()));
  if (entrada.bad()) LancaErroArquivo(errno != 0 ? errno : EIO, "read", arquivo);
  entrada.close();
  if (bytes.size() > kMaiorArquivoSmp)
    throw Erro(nome + ": the file is larger than " + std::to_string(kMaiorArquivoSmp >> 20) +
               " MiB, which no simulation reaches");
  // Read on, an empty file would stop at the generator's first strict
  // integer, far down, and name a line it does not have.
  if (std::all_of(bytes.begin(), bytes.end(),
                  [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }))
    throw Erro(nome + ": " + std::string(MensagemArquivoVazio(doc.simulacao.IdiomaIngles)));
  if (const std::size_t longa = LinhaLongaDemais(bytes))
    throw Erro(nome + ", line " + std::to_string(longa) + ": the line is longer than " +
               std::to_string(kMaiorLinhaSmp) + " bytes, which no simulation writes");

  smp::Leitor l = smp::Leitor::DeConteudo(bytes);
  try {
    LeSimulacao(doc, l, arquivo.stem().string(), progresso);
  } catch (const Erro& e) {
    throw Erro(std::string(e.what()) + " (" + nome + ", line " + std::to_string(l.Posicao()) +
               Rotulo(l.UltimaLinha()) + ")");
  }
  return true;
}

}  // namespace quiv
