// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/arquivo_smp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/arquivo/unidades_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"

namespace quiv {
namespace {

namespace fs = std::filesystem;

// A small plant: one object of each kind, a data entry, a unit, comments.
void MontaPlanta(Documento& d) {
  d.Titulo = "Caldeira";
  d.FiguraFundo = "caldeira.bmp";
  Descritor u;
  u.UnidadeEng = "°C";
  u.UEMin = "0.00";
  u.UEMax = "250.00";
  d.simulacao.memoria.DefineDescritor(21, u);

  EntradaDados& ent = d.painel.Entrada(1);
  ent.Incluida = true;
  ent.DefineNome("Vazão");
  ent.Topo = 130;
  ent.Esquerda = 800;
  d.simulacao.memoria.celula[15] = 50.0;

  Controlador& c = d.NovoControlador(3);
  c.Tag = "TIC-01";
  c.Descricao = "Temperatura";
  c.ItemPV = 20;
  c.TextoKp = "2";
  c.AtualizaParametros(false);

  Processo& p = d.NovoProcesso(1);
  p.Tag = "TQ-1";
  p.ItemEntrada = 2;
  p.Ganho = "1.5";
  p.AtualizaParametros(false);

  Bloco& b = d.NovoBloco(2);
  b.Tag = "FY";
  b.Funcao = "M21*2";
  b.LimiteSuperiorAtivo = true;
  b.AtualizaParametros(false);

  Registrador& r = d.NovoRegistrador(4);
  r.Tag = "TR";
  r.ItemVariavel1 = 20;
  r.AposLeitura();

  TextoAnimado& t = d.NovoTexto(5);
  t.ItemVariavel = 20;
  t.AtualizaParametros(false);

  d.posicoes.De(TipoObjeto::Controlador, 3) = {"TIC-01", 40, 60, true};
  d.posicoes.De(TipoObjeto::Processo, 1) = {"TQ-1", 200, 90, true};
  d.posicoes.De(TipoObjeto::Registrador, 4).Legenda = "TR";
  d.posicoes.De(TipoObjeto::Bloco, 2) = {"FY", 300, 10, false};
  d.posicoes.De(TipoObjeto::Texto, 5) = {"", 77, 88, true};

  d.linearizador().TextoEntrada = "03 MV";
  d.comentarios.Exibir = true;
  d.comentarios.Portugues = {"Primeira linha", "", "Última linha"};
}

std::string Bytes(const Documento& d) {
  smp::Escritor e;
  EscreveSimulacao(d, e);
  return e.Conteudo();
}

std::vector<std::string> Linhas(const Documento& d) {
  smp::Escritor e;
  EscreveSimulacao(d, e);
  return e.Linhas();
}

void Le(Documento& d, std::vector<std::string> linhas, std::string_view nome = "planta") {
  smp::Leitor l(std::move(linhas));
  LeSimulacao(d, l, nome);
}

std::string ConteudoDe(const std::vector<std::string>& linhas) {
  smp::Escritor e;
  for (const std::string& linha : linhas) e.Linha(linha);
  return e.Conteudo();
}

std::size_t IndiceDe(const std::vector<std::string>& linhas, std::string_view linha) {
  return static_cast<std::size_t>(std::find(linhas.begin(), linhas.end(), linha) - linhas.begin());
}

class ArquivoSmpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MontaPlanta(origem);
    pasta = fs::temp_directory_path() /
            ("quiv_arquivo_smp_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(pasta);
    fs::create_directories(pasta);
  }
  void TearDown() override { fs::remove_all(pasta); }

  static std::string LeArquivo(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }

  Documento origem;
  fs::path pasta;
};

TEST_F(ArquivoSmpTest, BlocosNaOrdemFixa) {
  const std::vector<std::string> l = Linhas(origem);
  ASSERT_GT(l.size(), 300u);
  EXPECT_EQ(l[0], "Caldeira");
  EXPECT_EQ(l[1], "caldeira.bmp");
  EXPECT_EQ(l[2], "<<<Unidades Engenharia>>>");
  EXPECT_EQ(l[2 + 7], "M21:°C;0.00;250.00;0.00;100.00;");
  EXPECT_EQ(l[85], "<<Tracks>>");
  EXPECT_EQ(l[86], "TRUE");
  EXPECT_EQ(l[87], "Vazão");
  EXPECT_EQ(l[88], "130");
  EXPECT_EQ(l[89], "800");
  EXPECT_EQ(l[90], " 5.00000000000000E+0001");
  EXPECT_EQ(l[122], "<Controls>");
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ(l[122 + static_cast<std::size_t>(k)], k == 3 ? "True" : "False") << k;
  // One controller record, then the processes' block.
  const std::size_t proc = IndiceDe(l, "<Process>");
  EXPECT_EQ(proc, 133u + 30u);
  EXPECT_EQ(l[proc + 1], "True");
  EXPECT_EQ(l[proc + 2], "False");
  const std::size_t blocos = IndiceDe(l, "<Blocs>");
  EXPECT_EQ(blocos, proc + 1 + 24 + 26);
  EXPECT_EQ(l[blocos + 2], "True");
  const std::size_t regs = IndiceDe(l, "<Registers>");
  EXPECT_EQ(regs, blocos + 1 + 24 + 8);
  const std::size_t textos = IndiceDe(l, "<Textos Animados>");
  EXPECT_EQ(textos, regs + 1 + 10 + 10);
  EXPECT_EQ(l[textos + 5], "True");
  const std::size_t pos = IndiceDe(l, "=====<<<COORDENADAS>>>=====");
  EXPECT_EQ(pos, textos + 1 + 20 + 9);
  // Controller (caption, top, left, shown), process, recorder, block, text.
  const std::vector<std::string> grupos{"TIC-01", "40",    "60", "True", "TQ-1",  "90", "200",
                                        "True",   "TR",    "0",  "0",    "False", "FY", "10",
                                        "300",    "False", "77", "88",   "True"};
  for (std::size_t i = 0; i < grupos.size(); ++i) EXPECT_EQ(l[pos + 1 + i], grupos[i]) << i;
  const std::size_t vago = pos + 1 + grupos.size() + RegistradorXY::kLinhasRegistro + 1;
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(l[vago + i], "vago");
  EXPECT_EQ(l[vago + 3], "<Parametros>");
  const std::size_t lin = IndiceDe(l, "=====<<<LINEARIZADOR>>>=====)");
  EXPECT_EQ(lin, vago + 3 + 81 + 45 + 10 + 2 + 15);
  EXPECT_EQ(l[lin + 1], "03 MV");
  const std::vector<std::string> fim{
      "TRUE",         "<INICIO_COMENTARIOS>", "Primeira linha",   "",
      "Última linha", "<FIM_COMENTARIOS>",    "<BEGIN_COMMENTS>", "<END_COMMENTS>"};
  ASSERT_EQ(l.size(), lin + 15 + fim.size());
  for (std::size_t i = 0; i < fim.size(); ++i) EXPECT_EQ(l[lin + 15 + i], fim[i]) << i;
}

TEST_F(ArquivoSmpTest, IdaEVoltaPeloArquivoDaOsMesmosBytes) {
  const fs::path arquivo = pasta / "planta.smp";
  SalvaSimulacao(origem, arquivo);
  const std::string gravado = LeArquivo(arquivo);
  EXPECT_EQ(gravado, Bytes(origem));
  EXPECT_NE(gravado.find("Vaz\xE3o\r\n"), std::string::npos);  // Windows-1252, CR LF

  Documento lido;
  std::vector<std::string> mensagens;
  lido.simulacao.Mensagem = [&](std::string_view t) { mensagens.emplace_back(t); };
  ASSERT_TRUE(LeSimulacao(lido, arquivo));
  EXPECT_TRUE(mensagens.empty());

  const fs::path copia = pasta / "copia.smp";
  SalvaSimulacao(lido, copia);
  EXPECT_EQ(LeArquivo(copia), gravado);

  EXPECT_EQ(lido.Titulo, "Caldeira");
  EXPECT_EQ(lido.FiguraFundo, "caldeira.bmp");
  for (TipoObjeto tipo : {TipoObjeto::Controlador, TipoObjeto::Processo, TipoObjeto::Registrador,
                          TipoObjeto::Bloco, TipoObjeto::Texto})
    for (int n = 1; n <= Posicoes::Quantidade(tipo); ++n) {
      EXPECT_EQ(lido.Incluido(tipo, n), origem.Incluido(tipo, n)) << n;
      EXPECT_EQ(lido.posicoes.De(tipo, n).Topo, origem.posicoes.De(tipo, n).Topo);
      EXPECT_EQ(lido.posicoes.De(tipo, n).Esquerda, origem.posicoes.De(tipo, n).Esquerda);
    }
  ASSERT_NE(lido.ControladorDe(3), nullptr);
  EXPECT_EQ(lido.ControladorDe(3)->Tag, "TIC-01");
  EXPECT_EQ(lido.ControladorDe(3)->Caption, "TIC-01");  // applied on loading
  EXPECT_EQ(lido.ControladorDe(3)->EnderecoPV, 21);
  EXPECT_EQ(lido.ProcessoDe(1)->Identidade(), 21);
  EXPECT_EQ(lido.ProcessoDe(1)->Ganho, "1.5");
  EXPECT_EQ(lido.BlocoDe(2)->Funcao, "M21*2");
  EXPECT_EQ(lido.BlocoDe(2)->RotuloSaida, "M42=");  // applied on loading
  EXPECT_EQ(lido.RegistradorDe(4)->Tag, "TR");
  EXPECT_EQ(lido.TextoDe(5)->Identidade(), 105);
  EXPECT_EQ(lido.simulacao.memoria.descritor[21].UnidadeEng, "°C");
  EXPECT_EQ(lido.simulacao.memoria.celula[15], 50.0);
  EXPECT_EQ(lido.painel.Entrada(1).Posicao, 5000);
  EXPECT_EQ(lido.painel.Entrada(1).Topo, 130);
  EXPECT_EQ(lido.linearizador().TextoEntrada, "03 MV");
  EXPECT_EQ(lido.comentarios.Portugues, origem.comentarios.Portugues);
  EXPECT_TRUE(lido.comentarios.Exibir);
}

TEST_F(ArquivoSmpTest, TituloBilingueEVazio) {
  struct Caso {
    std::string linha;
    bool ingles;
    std::string titulo;    // the caption shown
    std::string guardado;  // what the document keeps, and saves
  };
  const std::vector<Caso> casos{{"Caldeira|Boiler", false, "Caldeira", "Caldeira|Boiler"},
                                {"Caldeira|Boiler", true, "Boiler", "Caldeira|Boiler"},
                                {"Só um", true, "Só um", "Só um"},
                                {"", false, "planta", "planta"}};
  for (const Caso& c : casos) {
    std::vector<std::string> l = Linhas(origem);
    l[0] = c.linha;
    Documento d;
    d.simulacao.IdiomaIngles = c.ingles;
    Le(d, l);
    EXPECT_EQ(d.Titulo.Em(c.ingles), c.titulo) << c.linha;
    EXPECT_EQ(d.Titulo, c.guardado) << c.linha;
    EXPECT_EQ(Linhas(d)[0], c.guardado) << c.linha;
  }
}

TEST_F(ArquivoSmpTest, MensagensDasAplicacoesNaOrdemDoArquivo) {
  origem.ControladorDe(3)->TextoKp = "x";
  origem.BlocoDe(2)->Funcao = "7x";
  Bloco& b = origem.NovoBloco(7);
  b.Funcao = "2y";
  Documento d;
  std::vector<std::string> mensagens;
  d.simulacao.Mensagem = [&](std::string_view t) { mensagens.emplace_back(t); };
  Le(d, Linhas(origem));
  ASSERT_EQ(mensagens.size(), 3u) << ::testing::PrintToString(mensagens);
  EXPECT_EQ(mensagens[0].rfind("Controlador 3", 0), 0u) << mensagens[0];
  EXPECT_EQ(mensagens[1], "Bloco 42 (FY): Função inválida");
  EXPECT_EQ(mensagens[2], "Bloco 47: Função inválida");
}

// The load tells how far it got, block by block, ending at 100 before the
// linearizer and the comments.
TEST_F(ArquivoSmpTest, ProgressoDaLeituraPorBloco) {
  Documento d;
  std::vector<int> passos;
  smp::Leitor l(Linhas(origem));
  LeSimulacao(d, l, "planta", [&passos](int p) { passos.push_back(p); });
  EXPECT_EQ(passos, (std::vector<int>{10, 25, 45, 60, 70, 85, 90, 95, 100}));
}

TEST_F(ArquivoSmpTest, SemUnidadesESemEntradas) {
  std::vector<std::string> l = Linhas(origem);
  const std::vector<std::string> completo = l;
  // Units: header + 82 lines from line 3; data entries: header + 36.
  l.erase(l.begin() + 2, l.begin() + 2 + 1 + smp::kLinhasUnidades + 1 + 36);
  ASSERT_EQ(l[2], "<Controls>");

  Documento d;
  d.simulacao.memoria.descritor[40].UnidadeEng = "bar";
  Le(d, l);
  for (int m = 15; m <= 96; ++m) {
    const Descritor& u = d.simulacao.memoria.descritor[static_cast<std::size_t>(m)];
    EXPECT_EQ(u.UEMin, "0.00") << m;
    EXPECT_EQ(u.UEMax, "100.00") << m;
    EXPECT_EQ(u.LIE, "0.00") << m;
    EXPECT_EQ(u.LSE, "100.00") << m;
    EXPECT_EQ(u.UnidadeEng, "%") << m;
  }
  EXPECT_FALSE(d.painel.Entrada(1).Incluida);  // untouched
  EXPECT_EQ(d.painel.Entrada(1).Topo, 122);
  ASSERT_NE(d.ControladorDe(3), nullptr);
  EXPECT_EQ(d.linearizador().TextoEntrada, "03 MV");
  EXPECT_EQ(d.comentarios.Portugues, origem.comentarios.Portugues);

  // Only the units block missing: the data entries are read.
  std::vector<std::string> soEntradas = completo;
  soEntradas.erase(soEntradas.begin() + 2, soEntradas.begin() + 2 + 1 + smp::kLinhasUnidades);
  ASSERT_EQ(soEntradas[2], "<<Tracks>>");
  Documento e;
  Le(e, soEntradas);
  EXPECT_EQ(e.painel.Entrada(1).Topo, 130);
  EXPECT_EQ(Linhas(e).size(), completo.size());
}

TEST_F(ArquivoSmpTest, FlagQueNaoEhTrueDeixaOObjetoDeFora) {
  std::vector<std::string> l = Linhas(origem);
  const std::size_t proc = IndiceDe(l, "<Process>");
  // Remove process 1: its flag and its record (26 lines) and its position group.
  l[proc + 1] = "true";
  l.erase(l.begin() + static_cast<std::ptrdiff_t>(proc + 25),
          l.begin() + static_cast<std::ptrdiff_t>(proc + 25 + 26));
  const std::size_t pos = IndiceDe(l, "=====<<<COORDENADAS>>>=====");
  l.erase(l.begin() + static_cast<std::ptrdiff_t>(pos + 5),
          l.begin() + static_cast<std::ptrdiff_t>(pos + 9));
  Documento d;
  Le(d, l);
  EXPECT_EQ(d.ProcessoDe(1), nullptr);
  ASSERT_NE(d.BlocoDe(2), nullptr);
  EXPECT_EQ(d.BlocoDe(2)->Funcao, "M21*2");
  EXPECT_EQ(d.posicoes.De(TipoObjeto::Bloco, 2).Topo, 300);
  EXPECT_EQ(d.comentarios.Portugues, origem.comentarios.Portugues);
}

TEST_F(ArquivoSmpTest, InteiroEstritoMalformadoParaALeitura) {
  std::vector<std::string> l = Linhas(origem);
  l[88] = "13x";  // data entry 1, Top
  Documento d;
  try {
    Le(d, l);
    FAIL() << "no Erro";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(), "'13x' is not a valid integer value");
  }
  // What came before stays; nothing after was read.
  EXPECT_EQ(d.Titulo, "Caldeira");
  EXPECT_EQ(d.simulacao.memoria.descritor[21].UnidadeEng, "°C");
  EXPECT_TRUE(d.painel.Entrada(1).Incluida);
  EXPECT_EQ(d.painel.Entrada(1).Nome, "Vazão");
  EXPECT_EQ(d.ControladorDe(3), nullptr);
}

TEST_F(ArquivoSmpTest, ArquivoTruncadoNaoQuebra) {
  const std::vector<std::string> completo = Linhas(origem);
  const std::size_t controles = IndiceDe(completo, "<Controls>");
  const std::size_t comentarios = IndiceDe(completo, "<INICIO_COMENTARIOS>");
  for (std::size_t corte = 0; corte <= completo.size(); ++corte) {
    Documento d;
    bool completou = true;
    try {
      Le(d, {completo.begin(), completo.begin() + static_cast<std::ptrdiff_t>(corte)});
    } catch (const Erro&) {
      completou = false;
    }
    if (corte > 0) {
      EXPECT_EQ(d.Titulo, "Caldeira") << corte;
    }
    if (corte > controles + 3) {
      EXPECT_NE(d.ControladorDe(3), nullptr) << corte;
    }
    // Past the linearizer the rest is comments, which end with the file.
    if (corte > comentarios) {
      EXPECT_TRUE(completou) << corte;
      EXPECT_EQ(d.linearizador().TextoEntrada, "03 MV") << corte;
    }
  }
  // Cut inside the comments: the lines up to the cut are kept.
  Documento d;
  Le(d, {completo.begin(), completo.begin() + static_cast<std::ptrdiff_t>(comentarios + 2)});
  EXPECT_EQ(d.comentarios.Portugues, std::vector<std::string>{"Primeira linha"});
}

TEST_F(ArquivoSmpTest, ComentariosDosDoisIdiomasEmQualquerIdioma) {
  origem.comentarios.Ingles = {"English line"};
  for (const bool ingles : {false, true}) {
    origem.simulacao.IdiomaIngles = ingles;
    const std::vector<std::string> l = Linhas(origem);
    const std::size_t inicio = IndiceDe(l, "<INICIO_COMENTARIOS>");
    EXPECT_EQ(l[inicio + 1], "Primeira linha") << ingles;
    EXPECT_EQ(l[inicio + 4], "<FIM_COMENTARIOS>") << ingles;
    EXPECT_EQ(l[inicio + 6], "English line") << ingles;
    Documento pt;
    Le(pt, l);
    EXPECT_EQ(pt.comentarios.Portugues, origem.comentarios.Portugues);
    EXPECT_EQ(pt.comentarios.Ingles, origem.comentarios.Ingles);
  }
  // A file with English comments only shows none in Portuguese.
  origem.comentarios.Portugues.clear();
  Documento pt;
  Le(pt, Linhas(origem));
  EXPECT_TRUE(pt.comentarios.Linhas(false).empty());
  EXPECT_EQ(pt.comentarios.Linhas(true), origem.comentarios.Ingles);
}

// Every text the file holds as "Português|English", and both comment blocks,
// come back byte for byte after Open and Save in either language; what is
// shown and used is the half of the language in force.
TEST_F(ArquivoSmpTest, TextosBilinguesSobrevivemAAbrirESalvar) {
  origem.Titulo = "Caldeira|Boiler";
  Controlador& c = *origem.ControladorDe(3);
  c.Tag = "TIC-01|TC-01";
  c.Descricao = "Temperatura|Temperature";
  Processo& p = *origem.ProcessoDe(1);
  p.Tag = "TQ-1|TK-1";
  p.Descricao = "Tanque|Tank";
  Bloco& b = *origem.BlocoDe(2);
  b.Tag = "FY|FX";
  b.Descricao = "Seletor|Selector";
  Registrador& r = *origem.RegistradorDe(4);
  r.Tag = "TR|TRC";
  r.Descricao = "Tendência|Trend";
  r.NomeVariavel1 = "Vazão|Flow";
  TextoAnimado& t = *origem.TextoDe(5);
  t.Descricao = "Nível|Level";
  t.FuncaoTr = "Ligado/Desligado|On/Off";
  origem.gerador().Canal(91).Desc = "Carga|Load";
  origem.painel.Entrada(1).DefineNome("Vazão|Flow");
  origem.painel.Botao(2).Nome = "Partida|Start";
  origem.painel.Botao(2).TextoEstado0 = "Parado|Stopped";
  origem.painel.Botao(2).TextoEstado1 = "Ligado|Running";
  origem.posicoes.De(TipoObjeto::Controlador, 3).Legenda = c.Tag;
  origem.posicoes.De(TipoObjeto::Processo, 1).Legenda = p.Tag;
  origem.posicoes.De(TipoObjeto::Bloco, 2).Legenda = b.Tag;
  origem.posicoes.De(TipoObjeto::Registrador, 4) = {r.Tag, 5, 6, true};
  origem.comentarios.Ingles = {"First line", "", "Last line"};
  const fs::path arquivo = pasta / "bilingue.smp";
  SalvaSimulacao(origem, arquivo);
  const std::string gravado = LeArquivo(arquivo);
  for (const char* texto : {"Caldeira|Boiler\r\n", "Tag:TIC-01|TC-01\r\n", "Desc:Tanque|Tank\r\n",
                            "Last line\r\n<END_COMMENTS>"})
    ASSERT_NE(gravado.find(texto), std::string::npos) << texto;

  for (const bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    Documento lido;
    lido.simulacao.IdiomaIngles = ingles;
    std::vector<std::string> mensagens;
    lido.simulacao.Mensagem = [&](std::string_view m) { mensagens.emplace_back(m); };
    ASSERT_TRUE(LeSimulacao(lido, arquivo));
    EXPECT_TRUE(mensagens.empty()) << ::testing::PrintToString(mensagens);
    const fs::path copia = pasta / "copia.smp";
    SalvaSimulacao(lido, copia);
    EXPECT_EQ(LeArquivo(copia), gravado);

    // Shown and used: the half of the language in force.
    const Memoria& m = lido.simulacao.memoria;
    auto em = [ingles](const char* pt, const char* en) { return ingles ? en : pt; };
    EXPECT_EQ(lido.Titulo.Em(ingles), em("Caldeira", "Boiler"));
    EXPECT_EQ(lido.ControladorDe(3)->Caption, em("TIC-01", "TC-01"));
    EXPECT_EQ(lido.ControladorDe(3)->DescricaoAplicada, em("Temperatura", "Temperature"));
    EXPECT_EQ(m.DescricaoEndereco[3], em(" MV TIC-01", " MV TC-01"));
    EXPECT_EQ(m.DescricaoEndereco[21], em("Tanque", "Tank"));
    EXPECT_EQ(lido.ProcessoDe(1)->Identificacao, em("TQ-1 Tanque", "TK-1 Tank"));
    EXPECT_EQ(m.DescricaoEndereco[42], em("Seletor", "Selector"));
    EXPECT_EQ(lido.RegistradorDe(4)->Caption, em("TR - Tendência", "TRC - Trend"));
    EXPECT_EQ(lido.TextoDe(5)->Titulo, em("Nível", "Level"));
    EXPECT_EQ(m.DescricaoEndereco[91], em("Carga", "Load"));
    EXPECT_EQ(m.DescricaoEndereco[15], em("Vazão", "Flow"));
    EXPECT_EQ(lido.posicoes.De(TipoObjeto::Registrador, 4).Legenda.Em(ingles), em("TR", "TRC"));
    EXPECT_EQ(lido.comentarios.Linhas(ingles),
              ingles ? origem.comentarios.Ingles : origem.comentarios.Portugues);
  }
}

// At the end of a load the main window's refresh gives every included
// controller, process, block and recorder button its tag as caption, so a
// file whose captions differ from the tags is saved with the tags.
TEST_F(ArquivoSmpTest, AoCarregarAsLegendasSaoAsTags) {
  origem.posicoes.De(TipoObjeto::Controlador, 3).Legenda = "Antiga";
  origem.posicoes.De(TipoObjeto::Processo, 1).Legenda = "";
  origem.posicoes.De(TipoObjeto::Bloco, 2).Legenda = "Botão|Button";
  origem.posicoes.De(TipoObjeto::Registrador, 4) = {"Reg", 5, 6, true};
  const std::vector<std::string> arquivo = Linhas(origem);
  const std::size_t pos = IndiceDe(arquivo, "=====<<<COORDENADAS>>>=====");
  // Groups of controller 3, process 1, recorder 4, block 2, then text 5.
  const std::vector<std::string> legendas{"Antiga", "", "Reg", "Botão|Button"};
  const std::vector<std::string> tags{"TIC-01", "TQ-1", "TR", "FY"};
  std::vector<std::string> esperado = arquivo;
  for (std::size_t i = 0; i < tags.size(); ++i) {
    ASSERT_EQ(arquivo[pos + 1 + 4 * i], legendas[i]);
    esperado[pos + 1 + 4 * i] = tags[i];
  }

  Documento d;
  Le(d, arquivo);
  // Only the captions change; the text's group (top, left, shown) has none.
  EXPECT_EQ(Linhas(d), esperado);
  EXPECT_EQ(esperado[pos + 1 + 4 * tags.size()], "77");

  // The refresh covers every included object, also one the document held
  // before and the file leaves out (loading never removes objects).
  Documento antes;
  antes.NovoControlador(1).Tag = "FIC|FC";
  Le(antes, arquivo);
  EXPECT_EQ(antes.posicoes.De(TipoObjeto::Controlador, 1).Legenda, "FIC|FC");
  EXPECT_EQ(antes.posicoes.De(TipoObjeto::Controlador, 3).Legenda, "TIC-01");
}

TEST_F(ArquivoSmpTest, ArquivoInexistenteNaoMudaNada) {
  Documento d;
  d.Titulo = "antes";
  EXPECT_FALSE(LeSimulacao(d, pasta / "nao_existe.smp"));
  EXPECT_EQ(d.Titulo, "antes");
  EXPECT_EQ(MensagemArquivoNaoEncontrado(false), "Arquivo não encontrado");
  EXPECT_EQ(MensagemArquivoNaoEncontrado(true), "File not found");
}

TEST_F(ArquivoSmpTest, TituloVazioViraONomeDoArquivo) {
  origem.Titulo.clear();
  const fs::path arquivo = pasta / "minha planta.smp";
  SalvaSimulacao(origem, arquivo);
  Documento d;
  ASSERT_TRUE(LeSimulacao(d, arquivo));
  EXPECT_EQ(d.Titulo, "minha planta");
}

TEST_F(ArquivoSmpTest, FalhaAoGravarNaoDeixaArquivoPelaMetade) {
  const fs::path regular = pasta / "regular";
  std::ofstream(regular) << "x";
  try {
    SalvaSimulacao(origem, regular / "planta.smp");
    FAIL() << "no Erro";
  } catch (const Erro& e) {
    // What failed, where, and the system's reason, in words.
    EXPECT_EQ(e.what(), "cannot create " + (regular / "planta.smp").string() + ": Not a directory");
  }
  EXPECT_EQ(LeArquivo(regular), "x");

  // The target is a non-empty folder: the rename fails, the temporary file
  // goes away and the folder stays as it was.
  const fs::path destino = pasta / "destino.smp";
  fs::create_directories(destino / "dentro");
  EXPECT_THROW(SalvaSimulacao(origem, destino), Erro);
  EXPECT_TRUE(fs::is_directory(destino / "dentro"));
  std::vector<fs::path> restantes;
  for (const auto& entrada : fs::directory_iterator(pasta)) restantes.push_back(entrada.path());
  std::sort(restantes.begin(), restantes.end());
  EXPECT_EQ(restantes, (std::vector<fs::path>{destino, regular}));

  // A previous file survives a failed save untouched, and a good save
  // replaces it.
  const fs::path anterior = pasta / "anterior.smp";
  std::ofstream(anterior) << "velho";
  SalvaSimulacao(origem, anterior);
  EXPECT_EQ(LeArquivo(anterior), Bytes(origem));
}

TEST_F(ArquivoSmpTest, SalvarPorCimaMantemPermissoesELinks) {
  // A file the user made private stays private.
  const fs::path privado = pasta / "privado.smp";
  std::ofstream(privado) << "velho";
  fs::permissions(privado, fs::perms::owner_read | fs::perms::owner_write,
                  fs::perm_options::replace);
  SalvaSimulacao(origem, privado);
  EXPECT_EQ(LeArquivo(privado), Bytes(origem));
  EXPECT_EQ(fs::status(privado).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  // A link stays a link, relative or absolute, and the file it names (in
  // another folder, through a chain of links) gets the new contents.
  fs::create_directories(pasta / "real");
  const fs::path alvo = pasta / "real" / "planta.smp";
  std::ofstream(alvo) << "velho";
  fs::create_symlink(fs::path("real") / "planta.smp", pasta / "elo1.smp");
  fs::create_symlink(pasta / "elo1.smp", pasta / "elo2.smp");
  SalvaSimulacao(origem, pasta / "elo2.smp");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(pasta / "elo2.smp")));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(pasta / "elo1.smp")));
  EXPECT_EQ(LeArquivo(alvo), Bytes(origem));

  // A dangling link creates the file it names.
  fs::create_symlink(fs::path("real") / "nova.smp", pasta / "pendente.smp");
  SalvaSimulacao(origem, pasta / "pendente.smp");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(pasta / "pendente.smp")));
  EXPECT_EQ(LeArquivo(pasta / "real" / "nova.smp"), Bytes(origem));
}

// A load that stops says where: the file, the line and its label; a quoted
// value from the file cannot print control characters or megabytes.
TEST_F(ArquivoSmpTest, ErroDeLeituraDizOndeParou) {
  std::vector<std::string> l = Linhas(origem);
  const std::size_t pv = IndiceDe(l, "{C03/14} Indice lista PV:20");
  ASSERT_LT(pv, l.size());
  l[pv] = "{C03/14} Indice lista PV:2\x1b[2J" + std::string(10000, '9');
  const fs::path arquivo = pasta / "danificada.smp";
  std::ofstream(arquivo, std::ios::binary) << ConteudoDe(l);
  Documento d;
  try {
    LeSimulacao(d, arquivo);
    FAIL() << "no Erro";
  } catch (const Erro& e) {
    const std::string esperado = "'2\\x1B[2J" + std::string(55, '9') +
                                 "…' is not a valid integer value (danificada.smp, line " +
                                 std::to_string(pv + 1) + ", {C03/14} Indice lista PV:)";
    EXPECT_EQ(e.what(), esperado);
  }
}

// Extreme values in the fields the file writes as numbers come back finite
// and as close as their text keeps them (states with two decimals, a data
// entry's cell with 15 digits), and saving again writes the same bytes.
TEST_F(ArquivoSmpTest, ValoresExtremosVoltamFinitos) {
  constexpr double kMaior = std::numeric_limits<double>::max();
  constexpr double kMenorNormal = std::numeric_limits<double>::min();
  constexpr double kMenorSubnormal = std::numeric_limits<double>::denorm_min();
  struct Caso {
    double x;
    double celula;  // read back from the data entry's 15 digits
    double estado;  // read back from a state's two decimals
  };
  const Caso casos[] = {
      {kMaior, 1.79769313486231e308, 1.79769313486231e308},
      {-kMaior, -1.79769313486231e308, -1.79769313486231e308},
      {-1e300, -1e300, -1e300},
      {kMenorNormal, 2.2250738585072e-308, 0.0},
      {kMenorSubnormal, kMenorSubnormal, 0.0},
      {-kMenorSubnormal, -kMenorSubnormal, 0.0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.x);
    origem.simulacao.memoria.celula[15] = c.x;
    origem.ControladorDe(3)->Iant = c.x;
    origem.ProcessoDe(1)->IntAc1 = c.x;
    const fs::path arquivo = pasta / "extremos.smp";
    SalvaSimulacao(origem, arquivo);

    Documento lido;
    std::vector<std::string> mensagens;
    lido.simulacao.Mensagem = [&](std::string_view t) { mensagens.emplace_back(t); };
    ASSERT_TRUE(LeSimulacao(lido, arquivo));
    EXPECT_TRUE(mensagens.empty()) << ::testing::PrintToString(mensagens);
    EXPECT_EQ(lido.simulacao.memoria.celula[15], c.celula);
    EXPECT_EQ(lido.ControladorDe(3)->Iant, c.estado);
    EXPECT_EQ(lido.ProcessoDe(1)->IntAc1, c.estado);

    const fs::path copia = pasta / "copia.smp";
    SalvaSimulacao(lido, copia);
    EXPECT_EQ(LeArquivo(copia), LeArquivo(arquivo));
  }
}

// A line without the number the file always writes there, as an earlier
// save wrote the largest double, stops the load and says where, like a
// malformed integer.
TEST_F(ArquivoSmpTest, NumeroIlegivelParaALeituraEDizOnde) {
  const std::string fora = " 1.79769313486232E+0308";
  struct Caso {
    std::string linha;   // as written
    std::string rotulo;  // what comes before the value; "" on an unlabelled line
    std::string valor;   // written instead
  };
  const Caso casos[] = {
      {"{C03/23} Iant:0.00", "{C03/23} Iant:", fora},
      {" 5.00000000000000E+0001", "", fora},  // data entry 1's cell
      {"{P21/18} X0:0.00", "{P21/18} X0:", "x"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.linha);
    std::vector<std::string> l = Linhas(origem);
    const std::size_t i = IndiceDe(l, c.linha);
    ASSERT_LT(i, l.size());
    l[i] = c.rotulo + c.valor;
    const fs::path arquivo = pasta / "danificada.smp";
    std::ofstream(arquivo, std::ios::binary) << ConteudoDe(l);
    Documento d;
    try {
      LeSimulacao(d, arquivo);
      ADD_FAILURE() << "no Erro";
    } catch (const Erro& e) {
      const std::string onde = c.rotulo.empty() ? "" : ", " + c.rotulo;
      EXPECT_EQ(e.what(), smp::MensagemRealInvalido(c.valor) + " (danificada.smp, line " +
                              std::to_string(i + 1) + onde + ")");
    }
  }
}

// An empty file (or one of blank lines) says so, in the interface's
// language, and changes nothing.
TEST_F(ArquivoSmpTest, ArquivoVazioDizQueEstaVazio) {
  for (const char* conteudo : {"", "\r\n\r\n", "  \r\n\t\n"}) {
    for (const bool ingles : {false, true}) {
      SCOPED_TRACE(::testing::PrintToString(std::string(conteudo)) + (ingles ? " en" : " pt"));
      const fs::path arquivo = pasta / "vazio.smp";
      std::ofstream(arquivo, std::ios::binary) << conteudo;
      Documento d;
      d.simulacao.IdiomaIngles = ingles;
      d.Titulo = "antes";
      try {
        LeSimulacao(d, arquivo);
        ADD_FAILURE() << "no Erro";
      } catch (const Erro& e) {
        EXPECT_STREQ(e.what(),
                     ingles ? "vazio.smp: the file is empty" : "vazio.smp: o arquivo está vazio");
      }
      EXPECT_EQ(d.Titulo, "antes");
    }
  }
  EXPECT_EQ(MensagemArquivoVazio(false), "o arquivo está vazio");
  EXPECT_EQ(MensagemArquivoVazio(true), "the file is empty");
}

TEST_F(ArquivoSmpTest, ArquivoOuLinhaMaiorQueQualquerSimulacaoERecusado) {
  const fs::path grande = pasta / "grande.smp";
  std::ofstream(grande) << "x";
  fs::resize_file(grande, kMaiorArquivoSmp + 1);
  Documento d;
  d.Titulo = "antes";
  try {
    LeSimulacao(d, grande);
    FAIL() << "no Erro";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(),
                 "grande.smp: the file is larger than 16 MiB, which no simulation reaches");
  }

  std::vector<std::string> l = Linhas(origem);
  l[5] = std::string(kMaiorLinhaSmp, '(');  // at the limit: read as usual
  const fs::path limite = pasta / "limite.smp";
  std::ofstream(limite, std::ios::binary) << ConteudoDe(l);
  EXPECT_NO_THROW(LeSimulacao(d, limite));

  l[5] += "(";
  d.Titulo = "antes";
  const fs::path longa = pasta / "longa.smp";
  std::ofstream(longa, std::ios::binary) << ConteudoDe(l);
  try {
    LeSimulacao(d, longa);
    FAIL() << "no Erro";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(),
                 "longa.smp, line 6: the line is longer than 65536 bytes, which no simulation "
                 "writes");
  }
  EXPECT_EQ(d.Titulo, "antes");  // a refused file changes nothing
}

}  // namespace
}  // namespace quiv

namespace quiv {
namespace {

// A chosen name without an extension gets ".smp" (a dot in a folder's name
// does not count); a simulation without a title takes the file name as typed.
TEST(NomeEscolhidoTest, ExtensionAndTitleRules) {
  struct Caso {
    const char* escolhido;
    const char* arquivo;
  };
  const Caso casos[] = {
      {"/tmp/aula", "/tmp/aula.smp"},     {"/tmp/aula.smp", "/tmp/aula.smp"},
      {"/tmp/aula.txt", "/tmp/aula.txt"}, {"/tmp/pasta.v2/aula", "/tmp/pasta.v2/aula.smp"},
      {"/tmp/Vazão", "/tmp/Vazão.smp"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(ArquivoDoNomeEscolhido(c.escolhido), std::filesystem::path(c.arquivo)) << c.escolhido;

  Documento d;
  TitulaPeloNomeEscolhido(d, "/tmp/pasta.v2/Vazão");
  EXPECT_EQ(d.Titulo.Em(false), "Vazão");
  TitulaPeloNomeEscolhido(d, "/tmp/outra.smp");
  EXPECT_EQ(d.Titulo.Em(false), "Vazão");
}

}  // namespace
}  // namespace quiv
