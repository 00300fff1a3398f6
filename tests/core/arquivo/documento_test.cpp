// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/documento.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"
#include "pasta_temporaria.h"
#include "planta_malha.h"

namespace quiv {
namespace {

std::vector<std::string> Linhas(const Documento& d) {
  smp::Escritor e;
  EscreveSimulacao(d, e);
  return e.Linhas();
}

// A document with something changed in every part a file holds.
void Popula(Documento& d) {
  d.Titulo = "Caldeira";
  d.FiguraFundo = "caldeira.bmp";
  Descritor u;
  u.UnidadeEng = "°C";
  u.UEMin = "0.00";
  u.UEMax = "250.00";
  d.simulacao.memoria.DefineDescritor(21, u);
  d.simulacao.memoria.DescricaoEndereco[21] = "Temperatura";
  d.simulacao.memoria.DescricaoEndereco[11] = "Bomba";
  for (int a = 1; a <= 124; ++a) d.simulacao.memoria.celula[a] = a + 0.5;

  EntradaDados& ent = d.painel.Entrada(2);
  ent.Incluida = true;
  ent.Visivel = true;
  ent.DefineNome("Vazão de entrada");
  ent.DefineSlider(false);
  ent.DefinePosicao(4200);
  ent.Topo = 300;
  ent.Esquerda = 10;
  Chave& ch = d.painel.Chaves(2);
  ch.Topo = 5;
  ch.Esquerda = 6;
  ch.DefineOrientacao(2);
  ch.DefineVisivel(true);
  ch.Alterna();
  BotaoComando& bt = d.painel.Botao(1);
  bt.Nome = "Partida";
  bt.TextoEstado0 = "Parado";
  bt.TextoEstado1 = "Ligado";
  bt.DefineVisivel(true);
  bt.Pressiona();
  d.painel.PainelComandoVisivel = true;
  d.painel.PainelComandoAltura = Painel::AlturaPainelComando(1);
  d.painel.PainelComandoTopo = 7;
  d.painel.PainelComandoEsquerda = 8;
  FormaAnimada& f = d.painel.Forma(3);
  f.TipoForma = FormaAnimada::kRetangulo;
  f.Variavel = "21";
  f.CorNormal = 0x123456;
  f.DefineTamanho(120);
  f.TopoForma = 33;
  f.Visivel = true;

  Controlador& c = d.NovoControlador(3);
  c.Tag = "TIC-01";
  c.TextoKp = "2";
  c.AtualizaParametros(false);
  Processo& p = d.NovoProcesso(24);
  p.Tag = "TQ-1";
  p.AtualizaParametros(false);
  Bloco& b = d.NovoBloco(2);
  b.Funcao = "M21*2";
  b.AtualizaParametros(false);
  Registrador& r = d.NovoRegistrador(10);
  r.Tag = "TR";
  r.AposLeitura();
  TextoAnimado& t = d.NovoTexto(20);
  t.ItemVariavel = 20;
  t.AtualizaParametros(false);

  d.posicoes.De(TipoObjeto::Controlador, 3) = {"TIC-01", 40, 60, true};
  d.posicoes.De(TipoObjeto::Processo, 24) = {"TQ-1", 200, 90, true};
  d.posicoes.De(TipoObjeto::Bloco, 2) = {"FY", 300, 10, true};
  d.posicoes.De(TipoObjeto::Registrador, 10) = {"TR", 1, 2, true};
  d.posicoes.De(TipoObjeto::Texto, 20) = {"", 77, 88, true};

  CanalGerador& canal = d.gerador().Canal(81);
  canal.Tipo = 1;
  canal.Desc = "Carga";
  canal.Min = "10";
  canal.Max = "20";
  canal.DefineValor("15");
  d.linearizador().TextoEntrada = "03 MV";
  d.linearizador().TextoMV[2] = "35";
  d.simulacao.LinearizadorAtivo = true;

  d.comentarios.Portugues = {"Primeira linha", "", "Última linha"};
  d.comentarios.Ingles = {"First line"};
}

class NovaSimulacaoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Popula(doc);
    doc.NovaSimulacao();
  }
  Documento doc;
  Documento novo;
};

// New writes the low end of M01 … M99 as "0.00"; the program's start has
// "0.0". That is the one difference from a new document.
void UEMinDoNovo(Documento& d) {
  for (int a = 1; a <= 99; ++a) d.simulacao.memoria.descritor[a].UEMin = "0.00";
}

TEST_F(NovaSimulacaoTest, ArquivoIgualAoDeUmDocumentoNovo) {
  EXPECT_NE(Linhas(doc), Linhas(novo));
  UEMinDoNovo(novo);
  EXPECT_EQ(Linhas(doc), Linhas(novo));
  doc.simulacao.IdiomaIngles = novo.simulacao.IdiomaIngles = true;
  EXPECT_EQ(Linhas(doc), Linhas(novo));
}

TEST_F(NovaSimulacaoTest, PopuladoDifereAntes) {
  // Guards the comparison above: the populated document does save differently.
  Documento cheio;
  Popula(cheio);
  UEMinDoNovo(novo);
  EXPECT_NE(Linhas(cheio), Linhas(novo));
}

TEST_F(NovaSimulacaoTest, ObjetosRemovidos) {
  for (TipoObjeto tipo : {TipoObjeto::Controlador, TipoObjeto::Processo, TipoObjeto::Registrador,
                          TipoObjeto::Bloco, TipoObjeto::Texto})
    for (int n = 1; n <= Posicoes::Quantidade(tipo); ++n)
      EXPECT_FALSE(doc.Incluido(tipo, n)) << static_cast<int>(tipo) << " " << n;
  EXPECT_EQ(doc.ControladorDe(3), nullptr);
  EXPECT_EQ(doc.ProcessoDe(24), nullptr);
}

TEST_F(NovaSimulacaoTest, MemoriaNoInicio) {
  const Memoria inicial;
  for (int a = 1; a <= 124; ++a) {
    EXPECT_EQ(doc.simulacao.memoria.celula[a], 0.0) << a;
    EXPECT_EQ(doc.simulacao.memoria.DescricaoEndereco[a], inicial.DescricaoEndereco[a]) << a;
  }
  EXPECT_EQ(doc.simulacao.memoria.DescricaoEndereco[11], "Chave_1");
  EXPECT_EQ(doc.simulacao.memoria.DescricaoEndereco[13], "Saída Linearizador");
  EXPECT_EQ(doc.simulacao.memoria.DescricaoEndereco[20], "Track 6");
  EXPECT_EQ(doc.simulacao.memoria.DescricaoEndereco[21], "");
  for (int a : {1, 21, 99}) {
    const Descritor& d = doc.simulacao.memoria.descritor[a];
    EXPECT_EQ(d.UnidadeEng, "%") << a;
    EXPECT_EQ(d.UEMin, "0.00") << a;
    EXPECT_EQ(d.UEMax, "100.00") << a;
    EXPECT_EQ(d.LIE, "0.00") << a;
    EXPECT_EQ(d.LSE, "100.00") << a;
  }
}

TEST_F(NovaSimulacaoTest, PainelNoInicioSobreAMesmaSimulacao) {
  for (int n = 1; n <= Painel::kEntradas; ++n) {
    EntradaDados& e = doc.painel.Entrada(n);
    EXPECT_FALSE(e.Visivel);
    EXPECT_FALSE(e.Incluida);
    EXPECT_EQ(e.Posicao, 0);
    EXPECT_EQ(e.Nome, "");
    EXPECT_EQ(e.Topo, 122 + 64 * (n - 1));
    EXPECT_EQ(e.Esquerda, 844);
  }
  EXPECT_EQ(doc.painel.Chaves(2).Topo, 96);
  EXPECT_EQ(doc.painel.Chaves(2).Esquerda, 1000);
  EXPECT_FALSE(doc.painel.Chaves(2).Visivel);
  EXPECT_FALSE(doc.painel.PainelComandoVisivel);
  EXPECT_EQ(doc.painel.PainelComandoTopo, 120);
  EXPECT_EQ(doc.painel.PainelComandoEsquerda, 24);
  EXPECT_EQ(doc.painel.Botao(1).Nome, "Descrição");
  EXPECT_FALSE(doc.painel.Forma(3).Visivel);
  // The shapes start in their column, home top and top alike.
  const int topos[] = {304, 352, 400, 448, 488};
  for (int n = 1; n <= 5; ++n) {
    const FormaAnimada& f = doc.painel.Forma(n);
    EXPECT_EQ(f.Esquerda, 984) << n;
    EXPECT_EQ(f.Topo, topos[n - 1]) << n;
    EXPECT_EQ(f.TopoForma, topos[n - 1]) << n;
  }

  // The rebuilt controls write the cells of this document's plant.
  doc.painel.Chaves(1).Alterna();
  doc.painel.Entrada(1).DefinePosicao(2550);
  doc.painel.Botao(3).Pressiona();
  EXPECT_EQ(doc.simulacao.memoria.celula[11], 1.0);
  EXPECT_DOUBLE_EQ(doc.simulacao.memoria.celula[15], 25.5);
  EXPECT_EQ(doc.simulacao.memoria.celula[99], 1.0);
  EXPECT_EQ(novo.simulacao.memoria.celula[11], 0.0);
}

TEST_F(NovaSimulacaoTest, GeradorLinearizadorEConfiguracao) {
  EXPECT_EQ(doc.gerador().Canal(81).Desc, "Descrição");
  EXPECT_EQ(doc.gerador().Canal(81).Tipo, 0);
  EXPECT_EQ(doc.linearizador().TextoEntrada, "01 MV");
  EXPECT_FALSE(doc.simulacao.LinearizadorAtivo);
  EXPECT_EQ(doc.Titulo, "");
  EXPECT_EQ(doc.FiguraFundo, "");
  EXPECT_TRUE(doc.comentarios.Portugues.empty());
  EXPECT_TRUE(doc.comentarios.Ingles.empty());
}

TEST(NovaSimulacao, PosicoesIniciais) {
  Documento d;
  Popula(d);
  d.NovaSimulacao();
  struct Caso {
    TipoObjeto tipo;
    int n, esquerda, topo;
  };
  for (const Caso& c : std::vector<Caso>{{TipoObjeto::Controlador, 1, 3, 3},
                                         {TipoObjeto::Controlador, 10, 363, 3},
                                         {TipoObjeto::Registrador, 1, 515, 3},
                                         {TipoObjeto::Registrador, 10, 875, 3},
                                         {TipoObjeto::Processo, 1, 2, 39},
                                         {TipoObjeto::Processo, 23, 860, 39},
                                         {TipoObjeto::Processo, 24, 914, 39},
                                         {TipoObjeto::Bloco, 2, 41, 63},
                                         {TipoObjeto::Bloco, 23, 860, 63},
                                         {TipoObjeto::Bloco, 24, 914, 63},
                                         {TipoObjeto::Texto, 20, 457, 24}}) {
    const Posicao& p = d.posicoes.De(c.tipo, c.n);
    EXPECT_EQ(p.Esquerda, c.esquerda) << static_cast<int>(c.tipo) << " " << c.n;
    EXPECT_EQ(p.Topo, c.topo) << static_cast<int>(c.tipo) << " " << c.n;
    EXPECT_EQ(p.Legenda, "");
    EXPECT_FALSE(p.Exibido);
  }
}

TEST(NovaSimulacao, MantemOQueNaoEDaSimulacao) {
  Documento d;
  d.simulacao.IdiomaIngles = true;
  d.comentarios.Exibir = true;
  d.registradorXY.ItemX = 20;
  int avisos = 0;
  d.simulacao.Mensagem = [&avisos](std::string_view) { ++avisos; };
  d.NovaSimulacao();
  EXPECT_TRUE(d.simulacao.IdiomaIngles);
  EXPECT_TRUE(d.comentarios.Exibir);
  EXPECT_EQ(d.registradorXY.ItemX, 20);
  d.simulacao.Informa("x");
  EXPECT_EQ(avisos, 1);
}

TEST(NovaSimulacao, PlantaNovaRodaEAceitaObjetos) {
  Documento d;
  Popula(d);
  d.NovaSimulacao();
  d.simulacao.PassoObjetos();
  Controlador& c = d.NovoControlador(3);
  EXPECT_EQ(d.ControladorDe(3), &c);
  d.simulacao.PassoObjetos();
}

// The simulation's cycle refreshes the panel every sixth cycle, from the
// state before that cycle's steps; a shape that names no cell ends the cycle
// with the error, and the cycle still counts as a display cycle.
TEST(DocumentoCicloTest, PanelRefreshesEverySixthCycle) {
  Documento d;
  BotaoComando& botao = d.painel.Botao(1);
  botao.DefineVisivel(true);
  botao.Pressiona();
  for (int ciclo = 1; ciclo <= 5; ++ciclo) d.Ciclo(100.0 * ciclo);
  EXPECT_EQ(botao.TextoEstado, "");
  d.Ciclo(600.0);
  EXPECT_TRUE(d.simulacao.CicloDeDisplays());
  EXPECT_EQ(botao.TextoEstado, "Texto para M97=1");

  FormaAnimada& forma = d.painel.Forma(1);
  forma.Variavel = "x";
  forma.Visivel = true;
  for (int ciclo = 7; ciclo <= 11; ++ciclo) d.Ciclo(100.0 * ciclo);
  EXPECT_THROW(d.Ciclo(1200.0), Erro);
  EXPECT_TRUE(d.simulacao.CicloDeDisplays());
  d.Ciclo(1300.0);
  EXPECT_FALSE(d.simulacao.CicloDeDisplays());
}

// An include box checked creates the object once, with its identity; the
// delete mode removes it and clears its button; the include boxes' captions
// follow in both languages.
TEST(DocumentoInclusaoTest, IncludeDeleteAndCaptions) {
  Documento d;
  EXPECT_TRUE(d.Inclui(TipoObjeto::Processo, 1));
  Processo* p = d.ProcessoDe(1);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Identidade(), 21);
  EXPECT_TRUE(d.posicoes.De(TipoObjeto::Processo, 1).Exibido);
  d.posicoes.De(TipoObjeto::Processo, 1).Exibido = false;  // the box unchecked
  EXPECT_FALSE(d.Inclui(TipoObjeto::Processo, 1));
  EXPECT_EQ(d.ProcessoDe(1), p);
  EXPECT_TRUE(d.posicoes.De(TipoObjeto::Processo, 1).Exibido);
  EXPECT_THROW(d.Inclui(TipoObjeto::Texto, 21), Erro);

  struct Caso {
    TipoObjeto tipo;
    int n;
    const char* portugues;
    const char* ingles;
  };
  const Caso vagos[] = {
      {TipoObjeto::Controlador, 1, "<vago> Controlador 1", "<empty> Controller 1"},
      {TipoObjeto::Processo, 24, "<vago> Processo 24", "<empty> Process 24"},
      {TipoObjeto::Bloco, 3, "<vago> Bloco 3", "<empty> Block 3"},
      {TipoObjeto::Registrador, 10, "<vago> Registrador 10", "<empty> Register 10"},
      {TipoObjeto::Texto, 20, "<vago>Texto Animado 20", "<empty>Animated Text20"},
  };
  for (const Caso& c : vagos) {
    EXPECT_EQ(Documento::LegendaVaga(c.tipo, c.n, false), c.portugues);
    EXPECT_EQ(Documento::LegendaVaga(c.tipo, c.n, true), c.ingles);
    EXPECT_EQ(d.LegendaInclusao(c.tipo, c.n), c.portugues);
  }

  p->Tag = "LT-1|LT-1E";
  p->Descricao = "Nível|Level";
  d.NovoTexto(2).Descricao = "Pressão|Pressure";
  EXPECT_EQ(d.LegendaInclusao(TipoObjeto::Processo, 1), "LT-1 Nível");
  EXPECT_EQ(d.LegendaInclusao(TipoObjeto::Texto, 2), "Pressão");
  d.simulacao.IdiomaIngles = true;
  EXPECT_EQ(d.LegendaInclusao(TipoObjeto::Processo, 1), "LT-1E Level");
  EXPECT_EQ(d.LegendaInclusao(TipoObjeto::Texto, 2), "Pressure");

  d.AtualizaTela();
  EXPECT_EQ(d.posicoes.De(TipoObjeto::Processo, 1).Legenda, TextoBilingue("LT-1|LT-1E"));
  d.Exclui(TipoObjeto::Processo, 1);
  EXPECT_FALSE(d.Incluido(TipoObjeto::Processo, 1));
  EXPECT_TRUE(d.posicoes.De(TipoObjeto::Processo, 1).Legenda.empty());
  EXPECT_FALSE(d.posicoes.De(TipoObjeto::Processo, 1).Exibido);
  EXPECT_EQ(d.LegendaInclusao(TipoObjeto::Processo, 1), "<empty> Process 1");
  d.Ciclo(1000.0);  // the cycle runs without it
}

// The layout refresh of the model: visible entries show their cells, enabled
// shapes take kind and size, the command panel follows its buttons.
TEST(DocumentoInclusaoTest, LayoutRefreshPreparesThePanel) {
  Documento d;
  d.simulacao.memoria.celula[15] = 42.0;
  EntradaDados& e = d.painel.Entrada(1);
  e.Visivel = true;
  FormaAnimada& f = d.painel.Forma(1);
  f.Visivel = true;
  f.TipoForma = FormaAnimada::kRetangulo;
  f.Tamanho = 100;
  f.TamanhoLargura = 30;
  d.painel.Botao(1).DefineVisivel(true);
  d.painel.Botao(2).DefineVisivel(true);
  d.AtualizaTela();
  EXPECT_EQ(e.TextoValor, "42.00");
  EXPECT_FALSE(f.Elipse);
  EXPECT_EQ(f.Largura, 30);
  EXPECT_DOUBLE_EQ(f.EscalaForma, 2.0);
  EXPECT_TRUE(d.painel.PainelComandoVisivel);
  EXPECT_EQ(d.painel.PainelComandoAltura, 120);
}
// ---- Resuming a loaded plant

// Loop 1 of the small plant (process gain 1.5, controller at SP 60 %) run
// to rest, then saved and opened as the program opens a file.
struct CasoRetoma {
  const char* nome;  // the test's name
  // Wires the loop's measurement; the loop comes to rest at 60 %.
  void (*monta)(Documento&);
  // Cells derived from the plant and their resting values.
  std::vector<std::pair<int, double>> derivadas;
};

void PrintTo(const CasoRetoma& caso, std::ostream* saida) { *saida << caso.nome; }

void Linearizado(Documento& d, const char* entrada) {
  Linearizador& lin = d.linearizador();
  lin.TextoEntrada = entrada;
  for (int i = 1; i <= Linearizador::kPontos; ++i) lin.TextoPV[i] = std::to_string(30 * (i - 1));
  d.simulacao.LinearizadorAtivo = true;  // PV = 1.5·MV undone: M13 = x/1.5
}

void CanalEquacao(Documento& d, int tipo, const char* expressao) {
  CanalGerador& canal = d.gerador().Canal(85);
  canal.Tipo = tipo;
  canal.DefineValor(expressao);
  d.gerador().AtualizaParametros();
}

void BlocoMede(Documento& d, const char* funcao) {
  Bloco& b = d.NovoBloco(1);  // M41
  b.Funcao = funcao;
  ASSERT_TRUE(b.AtualizaParametros(false));
}

void MedePor(Documento& d, int endereco) {
  Controlador& c = *d.ControladorDe(1);
  c.ItemPV = endereco - 1;
  ASSERT_TRUE(c.AtualizaParametros(false));
}

const CasoRetoma kCasosRetoma[] = {
    {"LinearizadorNaSaidaDoProcesso",
     [](Documento& d) {
       Linearizado(d, "21 PV");
       MedePor(d, 13);
     },
     {{13, 60.0}}},
    {"BlocoSobreCanalDeEquacao",
     [](Documento& d) {
       CanalEquacao(d, 7, "M21/1.5-40");
       BlocoMede(d, "M85+40");
       MedePor(d, 41);
     },
     {{85, 20.0}, {41, 60.0}}},
    {"BlocoSobreCanalExp",
     [](Documento& d) {
       CanalEquacao(d, 9, "M21/90-1");
       BlocoMede(d, "M85*60");
       MedePor(d, 41);
     },
     {{85, 1.0}, {41, 60.0}}},
    {"EquacaoBlocoELinearizador",
     [](Documento& d) {
       CanalEquacao(d, 7, "M21-30");
       BlocoMede(d, "M85*1.5");
       Linearizado(d, "41 BL");
       MedePor(d, 13);
     },
     {{85, 60.0}, {41, 90.0}, {13, 60.0}}},
};

class RetomaSaidasTest : public ::testing::TestWithParam<CasoRetoma> {
 protected:
  // The plant of the case at rest, saved; `carregado` opened from the file.
  void SetUp() override {
    teste::IncluiMalha(origem, 1, 60.0);
    GetParam().monta(origem);
    if (HasFatalFailure()) return;
    for (int i = 0; i < 20000; ++i) origem.simulacao.PassoObjetos();
    for (const auto& [endereco, valor] : GetParam().derivadas)
      ASSERT_NEAR(origem.simulacao.memoria.celula[endereco], valor, 1e-6) << "M" << endereco;
    const std::filesystem::path arquivo = pasta / "planta.smp";
    SalvaSimulacao(origem, arquivo);
    std::vector<std::string> mensagens;
    carregado.simulacao.Mensagem = [&](std::string_view m) { mensagens.emplace_back(m); };
    ASSERT_TRUE(LeSimulacao(carregado, arquivo));
    ASSERT_TRUE(mensagens.empty()) << ::testing::PrintToString(mensagens);
  }

  teste::PastaTemporaria pasta;
  Documento origem;
  Documento carregado;
};

// Before the first scan every derived cell holds its resting value, so the
// loop goes on where it was saved: no output step, no swing of the PV.
TEST_P(RetomaSaidasTest, LoopHoldsThroughTheFirstCycles) {
  const Memoria& m = carregado.simulacao.memoria;
  for (const auto& [endereco, valor] : GetParam().derivadas)
    EXPECT_NEAR(m.celula[endereco], valor, 0.01) << "M" << endereco << " after the load";
  const Controlador& c = *carregado.ControladorDe(1);
  for (int ciclo = 1; ciclo <= 50; ++ciclo) {
    carregado.simulacao.PassoObjetos();
    ASSERT_NEAR(c.CO, 60.0, 0.01) << "cycle " << ciclo;
    ASSERT_NEAR(c.PV, 60.0, 0.01) << "cycle " << ciclo;
    for (const auto& [endereco, valor] : GetParam().derivadas)
      ASSERT_NEAR(m.celula[endereco], valor, 0.01) << "M" << endereco << ", cycle " << ciclo;
  }
}

INSTANTIATE_TEST_SUITE_P(Casos, RetomaSaidasTest, ::testing::ValuesIn(kCasosRetoma),
                         [](const ::testing::TestParamInfo<CasoRetoma>& info) {
                           return std::string(info.param.nome);
                         });

// The load computes the equation channels and nothing else of the
// generator: the random source draws nothing, a sine's clock and a filter
// stay as loaded, the random channels keep the values the file shows. An
// inactive linearizer is not computed.
TEST(RetomaSaidas, OnlyTheEquationChannelsAndAnActiveLinearizerAreComputed) {
  Documento origem;
  teste::IncluiMalha(origem, 1, 60.0);
  Gerador& g = origem.gerador();
  const struct {
    int endereco;
    int tipo;
    const char* desc;
  } canais[] = {{81, 2, "Descrição"}, {82, 5, "60"}, {83, 3, "5"}, {84, 6, "50"}};
  for (const auto& canal : canais) {
    g.Canal(canal.endereco).Tipo = canal.tipo;
    g.Canal(canal.endereco).Desc = canal.desc;
    g.Canal(canal.endereco).Min = "10";
    g.Canal(canal.endereco).Max = "20";
  }
  g.Canal(85).Tipo = 7;
  g.Canal(85).DefineValor("M21+1");
  g.AtualizaParametros();
  origem.simulacao.aleatorio.Semeia(3);
  for (int i = 0; i < 3000; ++i) origem.simulacao.PassoObjetos();

  teste::PastaTemporaria pasta;
  SalvaSimulacao(origem, pasta / "planta.smp");
  Documento carregado;
  carregado.simulacao.aleatorio.Semeia(7);
  ASSERT_TRUE(LeSimulacao(carregado, pasta / "planta.smp"));

  EXPECT_EQ(carregado.simulacao.aleatorio.RandomInt(1 << 30), Aleatorio(7).RandomInt(1 << 30));
  const Gerador& lido = carregado.gerador();
  EXPECT_EQ(lido.Canal(82).TempoSeno, 0.0);
  EXPECT_EQ(lido.Canal(83).Filtro, smp::LeReal(g.Canal(83).Valor()));
  const Memoria& m = carregado.simulacao.memoria;
  for (int endereco : {81, 82, 83, 84})
    EXPECT_EQ(m.celula[endereco], smp::LeReal(g.Canal(endereco).Valor())) << "M" << endereco;
  EXPECT_NEAR(m.celula[85], origem.simulacao.memoria.celula[85], 0.01);
  EXPECT_EQ(m.celula[Linearizador::kEnderecoSaida], 0.0);
}

}  // namespace
}  // namespace quiv
