// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/erro.h"
#include "core/objetos/linearizador.h"
#include "core/objetos/painel.h"

namespace quiv {
namespace {

using Linhas = std::vector<std::string>;

// Everything the panel and the linearizer write, in file order.
Linhas Escreve(const Painel& p, const Linearizador& lin) {
  smp::Escritor e;
  p.SalvaEntradas(e);
  p.SalvaFormas(e);
  p.SalvaChaves(e);
  p.SalvaPainelComando(e);
  p.SalvaBotoes(e);
  lin.SalvaParametros(e);
  return e.Linhas();
}

// Reads the same blocks; the "<<Tracks>>" header is taken by the file reader.
void Le(Painel& p, Linearizador& lin, smp::Leitor& l) {
  EXPECT_EQ(l.Linha(), "<<Tracks>>");
  p.LeEntradas(l);
  p.LeFormas(l);
  p.LeChaves(l);
  p.LePainelComando(l);
  p.LeBotoes(l);
  lin.LeParametros(l);
}

Linhas Bloco(const Linhas& todas, std::size_t inicio, std::size_t n) {
  return Linhas(todas.begin() + static_cast<std::ptrdiff_t>(inicio),
                todas.begin() + static_cast<std::ptrdiff_t>(inicio + n));
}

constexpr std::size_t kEntradas = 0;  // 1 + 36
constexpr std::size_t kFormas = 37;   // 45
constexpr std::size_t kChaves = 82;   // 10
constexpr std::size_t kComando = 92;  // 2
constexpr std::size_t kBotoes = 94;   // 15
constexpr std::size_t kLin = 109;     // 15
constexpr std::size_t kTotal = 124;

class RegistroPainelTest : public ::testing::Test {
 protected:
  RegistroPainelTest() {
    EntradaDados& d = p.Entrada(1);
    d.Incluida = true;
    d.DefineNome("Vazão de água");
    d.Topo = 100;
    d.Esquerda = -20;
    d.DefineSlider(false);
    s.memoria.celula[15] = 50.0;

    FormaAnimada& f = p.Forma(2);
    f.TopoForma = 300;
    f.Esquerda = 700;
    f.Visivel = true;
    f.TipoForma = FormaAnimada::kRetangulo;
    f.Variavel = "42";
    f.Tamanho = 120;
    f.TamanhoLargura = 30;
    f.CorNormal = 0x123456;
    f.CorLigada = 0xFF0000;

    Chave& c = p.Chaves(2);
    c.Topo = 55;
    c.Esquerda = 66;
    c.Visivel = true;
    c.Orientacao = 1;
    s.memoria.celula[12] = 1.0;

    p.PainelComandoTopo = 300;
    p.PainelComandoEsquerda = 400;

    BotaoComando& b = p.Botao(1);
    b.Visivel = true;
    b.TextoEstado0 = "Desligado";
    b.TextoEstado1 = "Ligado";
    b.Nome = "Bomba";
    s.memoria.celula[97] = 1.0;

    lin.TextoEntrada = "21 PV";
    s.LinearizadorAtivo = true;
    lin.TextoMV[6] = "99,5";
    lin.TextoPV[2] = "10";
  }

  Simulacao s;
  Painel p{s};
  Linearizador lin{s};
};

TEST_F(RegistroPainelTest, WritesEveryBlockLineForLine) {
  const Linhas todas = Escreve(p, lin);
  ASSERT_EQ(todas.size(), kTotal);
  const Linhas entradas = {
      "<<Tracks>>", "TRUE",  "Vazão de água",
      "100",        "-20",   " 5.00000000000000E+0001",
      "FALSE",      "FALSE", "",
      "186",        "844",   " 0.00000000000000E+0000",
      "TRUE",
  };
  EXPECT_EQ(Bloco(todas, kEntradas, 13), entradas);
  EXPECT_EQ(todas[kEntradas + 33], "442");  // top of entry 6: 122 + 64·5
  const Linhas formas = {
      "304", "984", "FALSE", "0", "0",  "50",  "50", "clRed",     "clLime",
      "300", "700", "TRUE",  "1", "41", "120", "30", "$00123456", "clBlue",
  };
  EXPECT_EQ(Bloco(todas, kFormas, 18), formas);
  const Linhas chaves = {"40", "1000", "FALSE", "0", "0", "55", "66", "TRUE", "1", "1"};
  EXPECT_EQ(Bloco(todas, kChaves, 10), chaves);
  EXPECT_EQ(Bloco(todas, kComando, 2), (Linhas{"300", "400"}));
  const Linhas botoes = {
      "TRUE",  "Desligado",        "Ligado",           "Bomba",     "1",
      "FALSE", "Texto para M98=0", "Texto para M98=1", "Descrição", "0",
  };
  EXPECT_EQ(Bloco(todas, kBotoes, 10), botoes);
  const Linhas linearizador = {
      "=====<<<LINEARIZADOR>>>=====)",
      "21 PV",
      "TRUE",
      "0",
      "20",
      "40",
      "60",
      "80",
      "99,5",
      "0",
      "10",
      "40",
      "60",
      "80",
      "100",
  };
  EXPECT_EQ(Bloco(todas, kLin, 15), linearizador);
}

TEST_F(RegistroPainelTest, RoundTripThroughFileBytes) {
  smp::Escritor e;
  for (const std::string& linha : Escreve(p, lin)) e.Linha(linha);
  smp::Leitor l = smp::Leitor::DeConteudo(e.Conteudo());
  Simulacao s2;
  Painel p2{s2};
  Linearizador lin2{s2};
  Le(p2, lin2, l);
  EXPECT_EQ(l.Posicao(), kTotal);
  EXPECT_TRUE(l.Fim());
  const Linhas antes = Escreve(p, lin);
  const Linhas depois = Escreve(p2, lin2);
  ASSERT_EQ(depois.size(), antes.size());
  for (std::size_t i = 0; i < antes.size(); ++i) EXPECT_EQ(depois[i], antes[i]) << "line " << i;

  // Reading restores the controls' state, not only the fields.
  const EntradaDados& d = p2.Entrada(1);
  EXPECT_TRUE(d.Visivel);
  EXPECT_EQ(d.Posicao, 5000);
  EXPECT_EQ(d.AlturaFundo, EntradaDados::kAlturaSemSlider);
  EXPECT_EQ(d.LarguraFundo, 7 * 13 + 75);  // 13 characters, not 14 bytes
  EXPECT_EQ(s2.memoria.DescricaoEndereco[15], "Vazão de água");
  EXPECT_FALSE(p2.Entrada(2).Visivel);
  const FormaAnimada& f = p2.Forma(2);
  EXPECT_EQ(f.Topo, 300);
  EXPECT_EQ(f.Variavel, "42");
  EXPECT_DOUBLE_EQ(f.EscalaForma, 120 / 50.0);
  EXPECT_EQ(f.Largura, 30);
  EXPECT_EQ(f.Cor, 0x123456u);
  EXPECT_DOUBLE_EQ(s2.memoria.celula[12], 1.0);
  EXPECT_TRUE(p2.Chaves(2).Figura[4]);
  EXPECT_TRUE(p2.Botao(1).FiguraPressionadaVisivel);
  EXPECT_FALSE(p2.Botao(1).FiguraSoltaVisivel);
  EXPECT_TRUE(s2.LinearizadorAtivo);
}

TEST_F(RegistroPainelTest, BilingualTextsKeepBothLanguagesAndShowTheOneInForce) {
  p.Botao(1).TextoEstado0 = "Desligado|Off";
  p.Botao(1).TextoEstado1 = "Ligado|On";
  p.Entrada(1).DefineNome("Nível de água|Level");
  lin.TextoEntrada = "a|b";
  for (bool ingles : {false, true}) {
    SCOPED_TRACE(ingles);
    smp::Leitor l(Escreve(p, lin));
    Simulacao s2;
    s2.IdiomaIngles = ingles;
    Painel p2{s2};
    Linearizador lin2{s2};
    Le(p2, lin2, l);
    EXPECT_EQ(p2.Botao(1).TextoEstado0, "Desligado|Off");
    EXPECT_EQ(p2.Botao(1).TextoEstado1, "Ligado|On");
    EXPECT_EQ(p2.Botao(1).Nome, "Bomba");
    EXPECT_EQ(p2.Entrada(1).Nome, "Nível de água|Level");
    EXPECT_EQ(lin2.TextoEntrada, "a|b");  // the linearizer's texts are plain
    EXPECT_EQ(Escreve(p2, lin2), Escreve(p, lin));

    // What is shown: the address description, the label's widths (13 or 6
    // characters) and the button's state text.
    EXPECT_EQ(s2.memoria.DescricaoEndereco[15], ingles ? "Level" : "Nível de água");
    EXPECT_EQ(p2.Entrada(1).LarguraFundo, ingles ? 117 : 7 * 13 + 75);
    BotaoComando& b = p2.Botao(1);
    b.DefineVisivel(true);
    s2.memoria.celula[b.Endereco()] = 0.0;
    b.AtualizaTexto();
    EXPECT_EQ(b.TextoEstado, ingles ? "Off" : "Desligado");
    s2.memoria.celula[b.Endereco()] = 1.0;
    b.AtualizaTexto();
    EXPECT_EQ(b.TextoEstado, ingles ? "On" : "Ligado");
  }
}

// The 36 lines of the data entries: entry 1 as given, the others left out.
Linhas GruposEntradas(Linhas primeiro) {
  for (int n = 2; n <= Painel::kEntradas; ++n)
    for (const char* linha : {"FALSE", "", "0", "0", "0", "FALSE"}) primeiro.push_back(linha);
  return primeiro;
}

struct CasoSlider {
  const char* valor;
  double celula;
  int posicao;
};

TEST(RegistroPainelEntradas, SliderPositionFromTheCell) {
  const CasoSlider casos[] = {
      {" 5.00000000000000E+0001", 50.0, 5000},
      {"0.125", 0.125, 12},  // 12.5: half to even
      {"0.375", 0.375, 38},  // 37.5: half to even
      {"-3", -3.0, 0},       // held on the slider
      {"250", 250.0, 10000},
      {"12,5", 12.0, 1200},  // decimal comma: lenient, the digits before it
  };
  for (const CasoSlider& c : casos) {
    SCOPED_TRACE(c.valor);
    Simulacao s;
    Painel p{s};
    smp::Leitor l(GruposEntradas({"TRUE", "Nível", "10", "20", c.valor, "TRUE"}));
    p.LeEntradas(l);
    EXPECT_DOUBLE_EQ(s.memoria.celula[15], c.celula);
    EXPECT_EQ(p.Entrada(1).Posicao, c.posicao);
  }
}

TEST(RegistroPainelEntradas, MalformedPositionStopsWithTheText) {
  const char* ruins[] = {"12ab", "abc", "", " 1 2"};
  for (int linha : {2, 3}) {
    for (const char* ruim : ruins) {
      SCOPED_TRACE(std::string(ruim) + " on line " + std::to_string(linha + 1));
      Simulacao s;
      Painel p{s};
      Linhas linhas = {"TRUE", "Nome", "10", "20", "50", "FALSE"};
      linhas[static_cast<std::size_t>(linha)] = ruim;
      smp::Leitor l(GruposEntradas(linhas));
      try {
        p.LeEntradas(l);
        ADD_FAILURE() << "no error";
      } catch (const Erro& e) {
        EXPECT_EQ(std::string(e.what()),
                  "'" + std::string(ruim) + "' is not a valid integer value");
      }
      // What was read before the bad line stays; the value line was not reached.
      EXPECT_TRUE(p.Entrada(1).Incluida);
      EXPECT_EQ(p.Entrada(1).Nome, "Nome");
      EXPECT_EQ(s.memoria.celula[15], 0.0);
      EXPECT_EQ(l.Posicao(), static_cast<std::size_t>(linha + 1));
    }
  }
}

TEST(RegistroPainelEntradas, FalseLeavesTheControlsAsTheyAre) {
  Simulacao s;
  Painel p{s};
  p.Entrada(1).Visivel = true;
  smp::Leitor l(GruposEntradas({"FALSE", "X", "1", "2", "3", "true"}));
  p.LeEntradas(l);
  EXPECT_FALSE(p.Entrada(1).Incluida);
  EXPECT_TRUE(p.Entrada(1).Visivel);
  EXPECT_FALSE(p.Entrada(1).ComSlider);  // only the exact "TRUE" is true
}

TEST(RegistroPainelFormas, LenientLinesAndItemIndices) {
  Simulacao s;
  Painel p{s};
  smp::Leitor l({"12px", "x", "TRUE", "7", "99", "400", "-4", "clYellow", "255"});
  // Shapes 2 … 5: their lines are missing and read as empty; an empty colour
  // stops the load after shape 1 is in place.
  EXPECT_THROW(p.LeFormas(l), Erro);
  const FormaAnimada& f = p.Forma(1);
  EXPECT_EQ(f.TopoForma, 12);
  EXPECT_EQ(f.Topo, 12);
  EXPECT_EQ(f.Esquerda, 0);
  EXPECT_TRUE(f.Visivel);
  EXPECT_EQ(f.TipoForma, -1);  // off the kind list
  EXPECT_EQ(f.Variavel, "");   // item 99 is past "99"
  EXPECT_EQ(f.Tamanho, 300);
  EXPECT_EQ(f.TamanhoLargura, 0);
  EXPECT_EQ(f.CorNormal, 0x00FFFFu);
  EXPECT_EQ(f.CorLigada, 0x0000FFu);
  EXPECT_EQ(f.Largura, 0);
  EXPECT_EQ(p.Forma(2).TopoForma, 0);
}

TEST(RegistroPainelFormas, BadColourStopsTheLoad) {
  Simulacao s;
  Painel p{s};
  smp::Leitor l({"1", "2", "TRUE", "0", "4", "50", "50", "clRed", "vermelho"});
  try {
    p.LeFormas(l);
    FAIL() << "no error";
  } catch (const Erro& e) {
    EXPECT_STREQ(e.what(), "'vermelho' is not a valid integer value");
  }
  EXPECT_EQ(p.Forma(1).Variavel, "5");
  EXPECT_EQ(p.Forma(1).CorNormal, 0x0000FFu);
  EXPECT_EQ(l.Posicao(), 9u);
}

// Switch 1 of each type and value: the picture shown after loading.
struct CasoChave {
  const char* tipo;
  const char* valor;
  int figura;  // 0: none
};

TEST(RegistroPainelChaves, PictureOfTypeAndValue) {
  const CasoChave casos[] = {
      {"0", "0", 1}, {"0", "1", 2}, {"1", "0", 3}, {"1", "1", 4},
      {"2", "1", 6}, {"3", "0", 7}, {"3", "2", 7},  // only exactly 1 is on
      {"4", "1", 0}, {"x", "1", 2},                 // lenient type "x" is 0
  };
  for (const CasoChave& c : casos) {
    SCOPED_TRACE(std::string(c.tipo) + "/" + c.valor);
    Simulacao s;
    Painel p{s};
    p.Chaves(1).Figura[8] = true;
    smp::Leitor l({"10", "20", "TRUE", c.tipo, c.valor, "0", "0", "FALSE", "0", "0"});
    p.LeChaves(l);
    for (int k = 1; k <= Chave::kFiguras; ++k) EXPECT_EQ(p.Chaves(1).Figura[k], k == c.figura) << k;
  }
}

TEST(RegistroPainelChaves, SwitchLeftOutKeepsItsPictures) {
  Simulacao s;
  Painel p{s};
  p.Chaves(2).Figura[5] = true;
  smp::Leitor l({"1", "2", "TRUE", "1", "1", "7", "8", "FALSE", "2", "1"});
  p.LeChaves(l);
  EXPECT_TRUE(p.Chaves(1).Figura[4]);
  EXPECT_TRUE(p.Chaves(2).Figura[5]);
  EXPECT_FALSE(p.Chaves(2).Figura[6]);
  EXPECT_EQ(p.Chaves(2).Topo, 7);
  EXPECT_DOUBLE_EQ(s.memoria.celula[12], 1.0);
}

TEST(RegistroPainelBotoes, PictureOfTheValue) {
  Simulacao s;
  Painel p{s};
  p.Botao(3).FiguraSoltaVisivel = true;  // left out: kept
  smp::Leitor l(
      {"TRUE", "a", "b", "c", "1", "TRUE", "d", "e", "f", "0.6", "FALSE", "g", "h", "i", "1"});
  p.LeBotoes(l);
  EXPECT_TRUE(p.Botao(1).FiguraPressionadaVisivel);
  EXPECT_FALSE(p.Botao(1).FiguraSoltaVisivel);
  EXPECT_TRUE(p.Botao(2).FiguraSoltaVisivel);  // only exactly 1 is pressed
  EXPECT_FALSE(p.Botao(2).FiguraPressionadaVisivel);
  EXPECT_DOUBLE_EQ(s.memoria.celula[98], 0.6);
  EXPECT_TRUE(p.Botao(3).FiguraSoltaVisivel);
  EXPECT_FALSE(p.Botao(3).FiguraPressionadaVisivel);
  EXPECT_EQ(p.Botao(3).Nome, "i");
}

TEST(RegistroPainelFimDoArquivo, MissingLinesReadAsEmpty) {
  Simulacao s;
  Painel p{s};
  Linearizador lin{s};
  s.LinearizadorAtivo = true;
  smp::Leitor l(Linhas{});
  p.LePainelComando(l);
  lin.LeParametros(l);
  EXPECT_EQ(p.PainelComandoEsquerda, 0);
  EXPECT_FALSE(s.LinearizadorAtivo);
  EXPECT_EQ(lin.TextoEntrada, "");
  EXPECT_EQ(lin.TextoPV[6], "");
  // Strict positions and colours, and the cells' values, do not accept an
  // empty line.
  for (void (Painel::*le)(smp::Leitor&) :
       {&Painel::LeEntradas, &Painel::LeFormas, &Painel::LeChaves, &Painel::LeBotoes}) {
    smp::Leitor vazio(Linhas{});
    EXPECT_THROW((p.*le)(vazio), Erro);
  }
  EXPECT_EQ(p.Chaves(1).Topo, 0);
  EXPECT_EQ(p.Botao(1).TextoEstado1, "");
}

// The cells of the data entries, switches and push buttons are always
// written as numbers: a line without one, or with one beyond the double
// range, stops the load on it instead of reading as 0.
TEST(RegistroPainelCelulas, UnreadableValueStopsTheLoadWithItsText) {
  struct Grupo {
    const char* nome;
    void (Painel::*le)(smp::Leitor&);
    Linhas linhas;
    std::size_t valor;  // index of the cell's line
    int celula;
  };
  const Grupo grupos[] = {
      {"entry", &Painel::LeEntradas, GruposEntradas({"TRUE", "Nível", "10", "20", "5", "TRUE"}), 4,
       15},
      {"switch", &Painel::LeChaves, {"10", "20", "TRUE", "0", "1"}, 4, 11},
      {"button", &Painel::LeBotoes, {"TRUE", "a", "b", "c", "1"}, 4, 97},
  };
  for (const Grupo& grupo : grupos) {
    for (const char* ruim : {"", "abc", "-.", "1e999", " 1.79769313486232E+0308"}) {
      SCOPED_TRACE(std::string(grupo.nome) + " '" + ruim + "'");
      Simulacao s;
      s.memoria.celula[static_cast<std::size_t>(grupo.celula)] = 7.0;
      Painel p{s};
      Linhas linhas = grupo.linhas;
      linhas[grupo.valor] = ruim;
      smp::Leitor l(linhas);
      try {
        (p.*grupo.le)(l);
        ADD_FAILURE() << "no error";
      } catch (const Erro& e) {
        EXPECT_EQ(std::string(e.what()), smp::MensagemRealInvalido(ruim));
      }
      EXPECT_EQ(l.Posicao(), grupo.valor + 1);
      EXPECT_EQ(s.memoria.celula[static_cast<std::size_t>(grupo.celula)], 7.0);
    }
  }
}

}  // namespace
}  // namespace quiv

namespace quiv {
namespace {

TEST(RegistroPainelLinearizador, HeaderIsNotLookedAtAndFlagIsExact) {
  Simulacao s;
  Linearizador lin{s};
  smp::Leitor l({"qualquer coisa", "05 TE", "True", "1", "2", "3", "4", "5", "6", "a", "b", "c",
                 "d", "e", "f", "próxima"});
  s.LinearizadorAtivo = true;
  lin.LeParametros(l);
  EXPECT_EQ(lin.TextoEntrada, "05 TE");
  EXPECT_FALSE(s.LinearizadorAtivo);  // only "TRUE" ticks the box
  EXPECT_EQ(lin.TextoMV[1], "1");
  EXPECT_EQ(lin.TextoMV[6], "6");
  EXPECT_EQ(lin.TextoPV[1], "a");
  EXPECT_EQ(lin.TextoPV[6], "f");
  EXPECT_EQ(l.Linha(), "próxima");
}

}  // namespace
}  // namespace quiv
