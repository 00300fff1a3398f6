// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/expressao.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "core/nucleo/erro.h"

namespace quiv {
namespace {

// Result of one evaluation, overflow included, for bitwise comparison.
struct Resultado {
  bool estouro = false;
  double valor = 0.0;
  std::string_view erro;

  bool operator==(const Resultado& o) const {
    return estouro == o.estouro && std::memcmp(&valor, &o.valor, sizeof valor) == 0 &&
           erro == o.erro;
  }
};

std::ostream& operator<<(std::ostream& os, const Resultado& r) {
  if (r.estouro) return os << "overflow";
  return os << std::hexfloat << r.valor << std::defaultfloat << " '" << r.erro << "'";
}

template <class F>
Resultado Captura(F avalia) {
  try {
    const Avaliacao a = avalia();
    return {false, a.valor, a.ErroEquacao};
  } catch (const Erro&) {
    return {true, 0.0, {}};
  }
}

Resultado Referencia(const std::string& texto, const Memoria& m) {
  return Captura([&] { return CalculaEquacao(SubstituiEnderecos(texto, m)); });
}

Resultado Rapida(Expressao& e, const Memoria& m) {
  return Captura([&] { return e.Avalia(m); });
}

struct CasoCelulas {
  const char* texto;
  std::vector<std::pair<int, double>> celulas;
  double esperado;
};

// The substitution cases whose shape depends on the cell values.
TEST(ExpressaoTest, EdgeCasesMatchTheRewriting) {
  const CasoCelulas casos[] = {
      {"m21+1", {{21, 4}}, 5},
      {"2+M1", {{1, 7}}, 0},
      {"(M5)", {{5, 3}}, 3},
      {"(M5)*2", {{5, -3}}, -6},
      {"MAX", {}, 0},
      {"M01^2", {{1, -3}}, -9},
      {"2^M01", {{1, -1}}, 0.5},
      {"2*M01", {{1, -3}}, -6},
      {"M01*2", {{1, -3}}, -6},
      {"2*-M01", {{1, -3}}, -3},
      {"2*-M01", {{1, 3}}, -6},
      {"M01-M02", {{1, 1}, {2, -3}}, 4},
      {"(M21-M22)*0.5", {{21, 10}, {22, 30}}, -10},
      {"M21*0.5+M15", {{21, 4}, {15, 1.5}}, 3.5},
      {"100-M41", {{41, 25}}, 75},
      {"M1", {{1, -0.0}}, 0.0},  // one character after the M: the text is "0"
      {"M01", {{1, -0.0}}, -0.0},
      {"M01/M02", {{1, 1}, {2, 0}}, 9999},
      {"M01/M02", {{1, -1}, {2, -0.0}}, -9999},
      {"M1/2", {{1, 8}}, 800},  // "M1/" reads address 1, consumes the "/": 8E+00002,
  };
  for (const auto& c : casos) {
    Memoria m;
    for (auto [k, v] : c.celulas) m.celula[k] = v;
    Expressao e(c.texto);
    const Resultado rapida = Rapida(e, m);
    EXPECT_EQ(rapida, Referencia(c.texto, m)) << c.texto;
    EXPECT_EQ(rapida.valor, c.esperado) << c.texto;
  }
}

TEST(ExpressaoTest, RecordsFollowSignChangesAndTextChanges) {
  Memoria m;
  Expressao e("(M21-M61)*2+M21^2");
  for (double pv : {10.0, -10.0, 60.0, -0.0, 0.0, 55.5, -1e-300, 1e300}) {
    for (double sp : {50.0, -50.0, 0.0}) {
      m.celula[21] = pv;
      m.celula[61] = sp;
      EXPECT_EQ(Rapida(e, m), Referencia(e.Texto(), m)) << pv << " " << sp;
    }
  }
  e.DefineTexto("M21/3");
  m.celula[21] = 1;
  EXPECT_EQ(Rapida(e, m), Referencia("M21/3", m));
}

TEST(ExpressaoTest, OverflowAndInconsistencyLikeTheRewriting) {
  Memoria m;
  m.celula[1] = 1e300;
  m.celula[2] = std::numeric_limits<double>::max();
  for (const char* texto :
       {"M01*M01", "M02", "M02*0", "10^400", "2x3+M01", "M01)+((M02", "M02)+((", "M01^M01", "M"}) {
    Expressao e(texto);
    EXPECT_EQ(Rapida(e, m), Referencia(texto, m)) << texto;
    EXPECT_EQ(Rapida(e, m), Referencia(texto, m)) << texto << " (replayed)";
  }
}

// Builds random expression texts: mostly well formed, with the odd blank,
// sign run, comma, unbalanced parenthesis, exponent or stray letter.
class GeradorExpressoes {
 public:
  explicit GeradorExpressoes(std::uint64_t semente) : g_(semente) {}

  std::string Expressao() {
    std::string s;
    Termo(s, 0);
    const int extras = Uniforme(0, 4);
    for (int i = 0; i < extras; ++i) {
      s += Operador();
      Termo(s, 0);
    }
    if (Uniforme(0, 40) == 0) s.insert(Uniforme(0, static_cast<int>(s.size())), 1, Ruido());
    return s;
  }

  double Celula() {
    switch (Uniforme(0, 9)) {
      case 0:
        return 0.0;
      case 1:
        return -0.0;
      case 2:
        return std::ldexp(Real(-1, 1), Uniforme(-1074, 1023));
      case 3:
        return static_cast<double>(Uniforme(-100, 100));
      case 4:
        return Real(-1e6, 1e6);
      default:
        return Real(-150, 150);
    }
  }

 private:
  int Uniforme(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }
  double Real(double a, double b) { return std::uniform_real_distribution<double>(a, b)(g_); }

  char Operador() { return "+-*/^+-*"[Uniforme(0, 7)]; }
  char Ruido() { return " ()+-,.E x*"[Uniforme(0, 10)]; }

  void Termo(std::string& s, int profundidade) {
    if (Uniforme(0, 6) == 0) s += ' ';
    if (Uniforme(0, 5) == 0) s += "-+"[Uniforme(0, 1)];
    const int tipo = Uniforme(0, 9);
    if (tipo < 2 && profundidade < 4) {
      s += '(';
      Termo(s, profundidade + 1);
      const int n = Uniforme(0, 3);
      for (int i = 0; i < n; ++i) {
        s += Operador();
        Termo(s, profundidade + 1);
      }
      if (Uniforme(0, 15) != 0) s += ')';
    } else if (tipo < 6) {
      static const char* formas[] = {"M%02d", "m%02d", "M%d", "M%02d"};
      char ref[8];
      std::snprintf(ref, sizeof ref, formas[Uniforme(0, 3)], Uniforme(1, 12));
      s += ref;
    } else {
      static const char* numeros[] = {"0", "1",  "2",   "0.5",  "3,25", "100", "1E2", "2.5E-3",
                                      "7", "10", "0.1", "1E+3", "9999", ".5",  "4"};
      s += numeros[Uniforme(0, 14)];
    }
    if (Uniforme(0, 6) == 0) s += ' ';
  }

  std::mt19937_64 g_;
};

// Texts whose rewriting would be too long are refused alike by both
// evaluators, right at the limit of the substituted length.
TEST(ExpressaoTest, TooLongTextsAreRefusedLikeTheRewriting) {
  Memoria m;
  m.celula[1] = 2.0;
  auto repete = [](const std::string& peca, std::size_t vezes) {
    std::string t;
    for (std::size_t i = 0; i < vezes; ++i) t += peca;
    return t;
  };
  // "M01+" becomes 24 bytes once substituted; "1+" stays 2.
  const std::size_t celulas = kMaiorEquacao / 24;
  const std::string noLimite =
      repete("M01+", celulas) + repete("1+", (kMaiorEquacao % 24) / 2 - 1) + "1";
  const std::string alemDoLimite = noLimite + "+1";
  ASSERT_EQ(SubstituiEnderecos(noLimite, m).size(), kMaiorEquacao - 1);
  const struct {
    std::string texto;
    std::string_view erro;
  } casos[] = {
      {noLimite, {}},
      {alemDoLimite, kEquacaoLonga},
      {repete("()", 100000), kEquacaoLonga},            // no cell: the constant path
      {repete("(M01)", kMaiorEquacao), kEquacaoLonga},  // refused before any record
  };
  for (const auto& c : casos) {
    Expressao e(c.texto);
    const Resultado referencia = Referencia(c.texto, m);
    EXPECT_EQ(referencia.erro, c.erro) << c.texto.size();
    EXPECT_EQ(Rapida(e, m), referencia) << c.texto.size();
  }
}

TEST(ExpressaoTest, DifferentialAgainstTheRewritingOnRandomTexts) {
  GeradorExpressoes gerador(20261210);
  int comparados = 0;
  for (int i = 0; i < 100000; ++i) {
    const std::string texto = gerador.Expressao();
    Expressao e(texto);
    // Several plants per text: the first evaluation records, later ones replay
    // or record again when a sign changes.
    for (int rodada = 0; rodada < 3; ++rodada) {
      Memoria m;
      for (int k = 1; k <= 12; ++k) m.celula[k] = gerador.Celula();
      const Resultado esperado = Referencia(texto, m);
      ASSERT_EQ(Rapida(e, m), esperado) << "text: " << texto;
      ASSERT_EQ(Rapida(e, m), esperado) << "text (again): " << texto;
      ++comparados;
    }
  }
  EXPECT_EQ(comparados, 300000);
}

}  // namespace
}  // namespace quiv
