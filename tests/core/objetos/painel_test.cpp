// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/painel.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

class PainelTest : public ::testing::Test {
 protected:
  double& M(int k) { return s.memoria.celula[k]; }
  void Faixa(int endereco, const char* lo, const char* hi) {
    s.memoria.descritor[endereco].UEMin = lo;
    s.memoria.descritor[endereco].UEMax = hi;
  }
  void Digita(EntradaDados& e, const std::string& texto) {
    e.TextoValor = texto;
    e.TeclaValor(EntradaDados::kEnter);
  }

  Simulacao s;
  Painel p{s};
};

// --- data entries --------------------------------------------------------------

TEST_F(PainelTest, SliderWritesThePercentageAndShowsTheEngineeringValue) {
  Faixa(15, "0", "200");
  EntradaDados& e = p.Entrada(1);
  e.DefinePosicao(2550);
  EXPECT_DOUBLE_EQ(M(15), 25.5);
  EXPECT_EQ(e.TextoValor, "51.00");
  e.DefinePosicao(0);
  EXPECT_EQ(e.TextoValor, "0.00");
  e.DefinePosicao(20000);
  EXPECT_EQ(e.Posicao, 10000);
  EXPECT_DOUBLE_EQ(M(15), 100);
}

TEST_F(PainelTest, EachEntryWritesItsOwnCellOnItsOwnRange) {
  for (int n = 1; n <= 6; ++n) {
    Faixa(14 + n, "-1", "1");
    p.Entrada(n).DefinePosicao(1000 * n);
    EXPECT_DOUBLE_EQ(M(14 + n), 10.0 * n) << n;
  }
  EXPECT_EQ(p.Entrada(1).TextoValor, "-0.80");
  EXPECT_EQ(p.Entrada(5).TextoValor, "0.00");  // no "-0.00"
  EXPECT_EQ(p.Entrada(6).TextoValor, "0.20");
}

TEST_F(PainelTest, TypedValueGoesThroughTheRoundedSliderPosition) {
  Faixa(15, "0", "200");
  EntradaDados& e = p.Entrada(1);
  Digita(e, "150");
  EXPECT_DOUBLE_EQ(M(15), 75);
  EXPECT_EQ(e.Posicao, 7500);
  EXPECT_EQ(e.TextoValor, "150.00");

  // 33.333 → 16.6665 % → position 1666.65 → 1667 → 16.67 %, 33.34 shown.
  Digita(e, "33.333");
  EXPECT_EQ(e.Posicao, 1667);
  EXPECT_DOUBLE_EQ(M(15), 16.67);
  EXPECT_EQ(e.TextoValor, "33.34");
}

TEST_F(PainelTest, PositionHalvesRoundToEven) {
  EntradaDados& e = p.Entrada(2);  // default range 0 … 100
  Digita(e, "0.125");              // position 12.5
  EXPECT_EQ(e.Posicao, 12);
  EXPECT_DOUBLE_EQ(M(16), 0.12);
  EXPECT_EQ(e.TextoValor, "0.12");
  Digita(e, "0.135");  // 13.5 in exact arithmetic, 13.500000000000002 in doubles
  EXPECT_EQ(e.Posicao, 14);
}

TEST_F(PainelTest, RefusedTypedValueRestoresTheSliderText) {
  Faixa(15, "0", "200");
  EntradaDados& e = p.Entrada(1);
  e.DefinePosicao(2550);
  for (const char* texto : {"250", "-0.01", "200.001", "abc", "", "1.5.2", "12abc"}) {
    Digita(e, texto);
    EXPECT_EQ(e.TextoValor, "51.00") << texto;
    EXPECT_EQ(e.Posicao, 2550) << texto;
    EXPECT_DOUBLE_EQ(M(15), 25.5) << texto;
  }
  // Bounds are inside, a comma is the decimal point, blanks are ignored.
  Digita(e, "200");
  EXPECT_EQ(e.Posicao, 10000);
  Digita(e, " 0 ");
  EXPECT_EQ(e.Posicao, 0);
  Digita(e, "12,5");
  EXPECT_EQ(e.Posicao, 625);
}

TEST_F(PainelTest, EscapeRestoresAndOtherKeysDoNothing) {
  EntradaDados& e = p.Entrada(3);
  e.DefinePosicao(4200);
  e.TextoValor = "77";
  e.TeclaValor('7');
  EXPECT_EQ(e.TextoValor, "77");
  EXPECT_DOUBLE_EQ(M(17), 42);
  e.TeclaValor(EntradaDados::kEsc);
  EXPECT_EQ(e.TextoValor, "42.00");
  EXPECT_DOUBLE_EQ(M(17), 42);
}

TEST_F(PainelTest, EmptyRangeRefusesTypingByDivisionByZeroButTheSliderWorks) {
  Faixa(18, "5", "5");
  EntradaDados& e = p.Entrada(4);
  Digita(e, "6");  // outside the range: refused silently
  EXPECT_EQ(e.TextoValor, "5.00");
  e.TextoValor = "5";
  try {
    e.TeclaValor(EntradaDados::kEnter);
    FAIL() << "no error";
  } catch (const Erro& erro) {
    EXPECT_STREQ(erro.what(), kMensagemDivisaoZero);
  }
  EXPECT_EQ(M(18), 0);
  e.DefinePosicao(3000);
  EXPECT_DOUBLE_EQ(M(18), 30);
  EXPECT_EQ(e.TextoValor, "5.00");
}

TEST_F(PainelTest, RangeTextsArePlainNumbersWithDefaultsForNonNumbers) {
  struct Caso {
    const char* lo;
    const char* hi;
    double minimo;
    double maximo;
  };
  for (const Caso& c :
       {Caso{"0.0", "100.00", 0, 100}, Caso{"-5", "1e3", -5, 1000}, Caso{"2,5", "7,5", 2.5, 7.5},
        Caso{"M01", "50", 0, 50}, Caso{"10", "2*50", 10, 100}}) {
    Faixa(19, c.lo, c.hi);
    EXPECT_DOUBLE_EQ(p.Entrada(5).Minimo(), c.minimo) << c.lo;
    EXPECT_DOUBLE_EQ(p.Entrada(5).Maximo(), c.maximo) << c.hi;
  }
}

TEST_F(PainelTest, LayoutRefreshShowsTheCellInAFieldOfFive) {
  Faixa(20, "0", "10");
  EntradaDados& e = p.Entrada(6);
  M(20) = 12.345;  // written by another object, not a slider position
  e.AtualizaValor();
  EXPECT_EQ(e.TextoValor, " 1.23");
  M(20) = 100;
  e.AtualizaValor();
  EXPECT_EQ(e.TextoValor, "10.00");
}

TEST_F(PainelTest, NameSetsLabelDescriptionAndWidths) {
  struct Caso {
    std::string nome;
    int fundo;
    int barra;
    int texto;
  };
  EntradaDados& e = p.Entrada(2);
  for (const Caso& c :
       {Caso{"Vazão", 117, 105, 52}, Caso{"Abcdef", 117, 105, 52}, Caso{"Abcdefg", 124, 112, 59},
        Caso{"Pressão do vaso", 180, 168, 115}, Caso{"", 117, 105, 52}}) {
    e.DefineNome(c.nome);
    EXPECT_EQ(e.Nome, c.nome);
    EXPECT_EQ(s.memoria.DescricaoEndereco[16], c.nome);
    EXPECT_EQ(e.LarguraFundo, c.fundo) << c.nome;
    EXPECT_EQ(e.LarguraSlider, c.barra) << c.nome;
    EXPECT_EQ(e.DeslocamentoTexto, c.texto) << c.nome;
  }
  const std::string longo(300, 'x');
  e.DefineNome(longo);
  EXPECT_EQ(e.Nome.Completo().size(), 300u);
  EXPECT_EQ(s.memoria.DescricaoEndereco[16].size(), 255u);
}

TEST_F(PainelTest, IncludingAnEntryShowsItsControlsAndExcludingHidesThem) {
  EntradaDados& e = p.Entrada(4);
  EXPECT_FALSE(e.Incluida);
  EXPECT_FALSE(e.Visivel);
  e.DefineIncluida(true);
  EXPECT_TRUE(e.Incluida);
  EXPECT_TRUE(e.Visivel);
  EXPECT_FALSE(p.Entrada(3).Visivel);
  e.DefineIncluida(false);
  EXPECT_FALSE(e.Incluida);
  EXPECT_FALSE(e.Visivel);
}

TEST_F(PainelTest, SliderSwitchSetsTheBackgroundHeight) {
  EntradaDados& e = p.Entrada(1);
  e.DefineSlider(false);
  EXPECT_EQ(e.AlturaFundo, 28);
  e.DefineSlider(true);
  EXPECT_EQ(e.AlturaFundo, 60);
}

// --- switches ------------------------------------------------------------------

TEST_F(PainelTest, SwitchTogglesItsCellAndThePairOfItsOrientation) {
  for (int tipo = 0; tipo <= 3; ++tipo) {
    SCOPED_TRACE(tipo);
    Chave& c = p.Chaves(1);
    M(11) = 0;
    c.DefineOrientacao(tipo);
    c.DefineVisivel(true);
    const int desligada = 2 * tipo + 1;
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(c.Figura[k], k == desligada) << k;
    c.Alterna();
    EXPECT_EQ(M(11), 1);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(c.Figura[k], k == desligada + 1) << k;
    c.Alterna();
    EXPECT_EQ(M(11), 0);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(c.Figura[k], k == desligada) << k;
  }
}

TEST_F(PainelTest, SwitchWithoutOrientationOnlyChangesTheCell) {
  Chave& c = p.Chaves(2);
  c.DefineVisivel(true);
  c.DefineOrientacao(-1);
  c.Alterna();
  EXPECT_EQ(M(12), 1);
  EXPECT_EQ(M(11), 0);
  for (int k = 1; k <= 8; ++k) EXPECT_FALSE(c.Figura[k]);
}

TEST_F(PainelTest, NewOrientationShowsThePictureOfTheCell) {
  Chave& c = p.Chaves(1);
  c.DefineVisivel(true);
  c.Alterna();
  c.DefineOrientacao(2);
  EXPECT_TRUE(c.Figura[6]);
  EXPECT_FALSE(c.Figura[5]);
  c.Alterna();
  EXPECT_EQ(M(11), 0);
  EXPECT_TRUE(c.Figura[5]);
  c.DefineVisivel(false);
  for (int k = 1; k <= 8; ++k) EXPECT_FALSE(c.Figura[k]);
}

// --- push buttons --------------------------------------------------------------

TEST_F(PainelTest, PushButtonsLatchAndTheirTextsFollowAtTheRefresh) {
  for (int b = 1; b <= 3; ++b) p.Botao(b).DefineVisivel(true);
  BotaoComando& b2 = p.Botao(2);
  b2.Pressiona();
  EXPECT_EQ(M(98), 1);
  EXPECT_FALSE(b2.FiguraSoltaVisivel);
  EXPECT_TRUE(b2.FiguraPressionadaVisivel);
  EXPECT_EQ(b2.TextoEstado, "");
  p.AtualizaDisplays();
  EXPECT_EQ(b2.TextoEstado, "Texto para M98=1");
  EXPECT_EQ(p.Botao(1).TextoEstado, "Texto para M97=0");
  EXPECT_EQ(p.Botao(3).TextoEstado, "Texto para M99=0");
  b2.Solta();
  EXPECT_EQ(M(98), 0);
  EXPECT_TRUE(b2.FiguraSoltaVisivel);
  EXPECT_FALSE(b2.FiguraPressionadaVisivel);
  p.AtualizaDisplays();
  EXPECT_EQ(b2.TextoEstado, "Texto para M98=0");
  // Any non-zero value reads as pressed.
  M(97) = -0.5;
  p.AtualizaDisplays();
  EXPECT_EQ(p.Botao(1).TextoEstado, "Texto para M97=1");
}

TEST_F(PainelTest, PushButtonsStartWithTheirDefaultTexts) {
  for (int b = 1; b <= 3; ++b) {
    const std::string m = "M" + std::to_string(96 + b);
    EXPECT_EQ(p.Botao(b).Nome, "Descrição") << b;
    EXPECT_EQ(p.Botao(b).TextoEstado0, "Texto para " + m + "=0") << b;
    EXPECT_EQ(p.Botao(b).TextoEstado1, "Texto para " + m + "=1") << b;
  }
}

TEST_F(PainelTest, HiddenButtonKeepsItsText) {
  BotaoComando& b = p.Botao(1);
  M(97) = 1;
  b.AtualizaTexto();
  EXPECT_EQ(b.TextoEstado, "");
}

TEST_F(PainelTest, DisablingTheButtonsClearsTheirCells) {
  for (int b = 1; b <= 3; ++b) {
    p.Botao(b).DefineVisivel(true);
    p.Botao(b).Pressiona();
  }
  p.DesabilitaBotoes();
  for (int b = 1; b <= 3; ++b) {
    EXPECT_EQ(M(96 + b), 0);
    EXPECT_FALSE(p.Botao(b).Visivel);
    EXPECT_FALSE(p.Botao(b).FiguraSoltaVisivel);
    EXPECT_FALSE(p.Botao(b).FiguraPressionadaVisivel);
  }
}

TEST_F(PainelTest, CommandPanelHeightFollowsTheEnabledButtons) {
  EXPECT_EQ(Painel::AlturaPainelComando(0), 0);
  EXPECT_EQ(Painel::AlturaPainelComando(1), 70);
  EXPECT_EQ(Painel::AlturaPainelComando(2), 120);
  EXPECT_EQ(Painel::AlturaPainelComando(3), 170);
}

// --- animated shapes -------------------------------------------------------------

TEST_F(PainelTest, CircleTakesTheSecondColourWhenTheCellIsNotZero) {
  FormaAnimada& f = p.Forma(1);
  f.Variavel = "12";
  f.CorNormal = 0x112233;
  f.CorLigada = 0x445566;
  f.Visivel = true;
  f.Prepara();
  EXPECT_TRUE(f.Elipse);
  EXPECT_EQ(f.Cor, 0x112233u);
  struct Caso {
    double c;
    std::uint32_t cor;
  };
  for (const Caso& c : {Caso{1, 0x445566}, Caso{0, 0x112233}, Caso{-1e-300, 0x445566}}) {
    M(12) = c.c;
    p.AtualizaDisplays();
    EXPECT_EQ(f.Cor, c.cor) << c.c;
  }
}

TEST_F(PainelTest, RectangleGrowsUpwardsFromItsBase) {
  FormaAnimada& f = p.Forma(2);
  f.TipoForma = FormaAnimada::kRetangulo;
  f.Variavel = "30";
  f.TamanhoLargura = 40;
  f.TopoForma = 200;
  f.Visivel = true;
  f.Prepara();
  EXPECT_FALSE(f.Elipse);
  EXPECT_EQ(f.Largura, 40);
  struct Caso {
    int tam;
    double c;
    int topo;
    int altura;
  };
  for (const Caso& c :
       {Caso{50, 50, 250, 50}, Caso{50, 100, 200, 100}, Caso{50, 0, 300, 0}, Caso{100, 25, 350, 50},
        // EscalaForma 0.5: 2.5 → 2 and 247.5 → 248 (halves to even)
        Caso{25, 5, 248, 2}, Caso{25, 7, 246, 4}, Caso{50, 120, 180, 120}}) {
    f.DefineTamanho(c.tam);
    M(30) = c.c;
    f.Atualiza();
    EXPECT_EQ(f.Topo, c.topo) << c.tam << " " << c.c;
    EXPECT_EQ(f.Altura, c.altura) << c.tam << " " << c.c;
    EXPECT_EQ(f.Cor, FormaAnimada::kVermelho);
  }
  M(30) = 1e300;
  f.Atualiza();
  EXPECT_EQ(f.Altura, 1000000);
}

TEST_F(PainelTest, ShapeSizeChangesActAtOnce) {
  FormaAnimada& f = p.Forma(3);
  f.DefineTamanho(80);
  f.DefineTamanhoLargura(120);
  EXPECT_EQ(f.Altura, 80);
  EXPECT_EQ(f.Largura, 120);
  f.TipoForma = FormaAnimada::kRetangulo;
  f.DefineTamanho(20);
  EXPECT_DOUBLE_EQ(f.EscalaForma, 0.4);
  EXPECT_EQ(f.Altura, 80);
}

TEST_F(PainelTest, NewFirstColourFillsTheShapeAtOnce) {
  FormaAnimada& f = p.Forma(2);
  f.CorLigada = 0x00FF00;
  f.DefineCorNormal(0xFF0000);
  EXPECT_EQ(f.CorNormal, 0xFF0000u);
  EXPECT_EQ(f.Cor, 0xFF0000u);
  EXPECT_EQ(f.CorLigada, 0x00FF00u);
}

TEST_F(PainelTest, ShapeVariableMustNameACell) {
  FormaAnimada& f = p.Forma(4);
  f.Visivel = true;
  for (const char* texto : {"abc", "", "0", "100", "-3", "1.5", "7 "}) {
    f.Variavel = texto;
    try {
      f.Atualiza();
      FAIL() << texto;
    } catch (const Erro& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(texto) + "' is not a valid integer value");
    }
  }
  for (const char* texto : {"1", "99", " 42", "+5", "007"}) {
    f.Variavel = texto;
    EXPECT_NO_THROW(f.Atualiza()) << texto;
  }
  // A hidden shape reads nothing.
  f.Visivel = false;
  f.Variavel = "abc";
  EXPECT_NO_THROW(f.Atualiza());
}

// The push buttons' enable chain: each box shows its button and the group
// grows; unchecking one hides it and those after it and zeroes their cells.
TEST_F(PainelTest, PushButtonChainGrowsAndShrinksTheCommandPanel) {
  struct Passo {
    int botao;
    bool habilitado;
    int altura;  // 0: the group hidden
    std::array<bool, 3> visiveis;
    std::array<double, 3> celulas;  // M97 … M99 after the step
  };
  for (int b = 1; b <= 3; ++b) M(96 + b) = 1.0;
  const Passo passos[] = {
      {1, true, 70, {true, false, false}, {1, 1, 1}},
      {2, true, 120, {true, true, false}, {1, 1, 1}},
      {3, true, 170, {true, true, true}, {1, 1, 1}},
      {3, false, 120, {true, true, false}, {1, 1, 0}},
      {3, true, 170, {true, true, true}, {1, 1, 0}},
      {2, false, 70, {true, false, false}, {1, 0, 0}},
      {2, true, 120, {true, true, false}, {1, 0, 0}},
      {1, false, 0, {false, false, false}, {0, 0, 0}},
  };
  for (const Passo& passo : passos) {
    SCOPED_TRACE(testing::Message()
                 << "button " << passo.botao << (passo.habilitado ? " on" : " off"));
    p.HabilitaBotao(passo.botao, passo.habilitado);
    EXPECT_EQ(p.PainelComandoVisivel, passo.altura > 0);
    EXPECT_EQ(p.PainelComandoAltura, passo.altura);
    for (int b = 1; b <= 3; ++b) {
      const auto i = static_cast<std::size_t>(b - 1);
      EXPECT_EQ(p.Botao(b).Visivel, passo.visiveis[i]) << "button " << b;
      EXPECT_EQ(M(96 + b), passo.celulas[i]) << "button " << b;
    }
  }
}

// Putting a shape down: a circle's top is the pointer; a rectangle stands on
// its home top as its cell makes it stand; a variable naming no cell does not
// stop the move.
TEST_F(PainelTest, ShapePlacementKeepsTheHomeTop) {
  FormaAnimada& f = p.Forma(1);
  f.Coloca(30, 100);
  EXPECT_EQ(f.Esquerda, 30);
  EXPECT_EQ(f.Topo, 100);
  EXPECT_EQ(f.TopoForma, 100);

  f.TipoForma = FormaAnimada::kRetangulo;
  f.Variavel = "5";
  M(5) = 50.0;
  f.Coloca(10, 100);
  EXPECT_EQ(f.Topo, 150);
  EXPECT_EQ(f.TopoForma, 100);
  f.Visivel = true;
  f.Atualiza();
  EXPECT_EQ(f.Topo, 150);  // the next refresh keeps it

  f.Variavel = "abc";
  f.Coloca(0, 40);
  EXPECT_EQ(f.Topo, 40);
  EXPECT_EQ(f.TopoForma, 40);
}
}  // namespace
}  // namespace quiv
