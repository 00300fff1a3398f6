// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/bloco.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/nucleo/equation.h"
#include "core/nucleo/erro.h"

namespace quiv {
namespace {

class BlocoTest : public ::testing::Test {
 protected:
  BlocoTest() {
    s.Mensagem = [this](std::string_view t) { mensagens.emplace_back(t); };
  }

  // Applies the function and steps once; returns the output cell.
  double Passo(Bloco& b) {
    b.Calcula();
    return s.memoria.celula[b.Endereco()];
  }
  double Aplica(std::string funcao) {
    b.Funcao = std::move(funcao);
    b.AtualizaParametros(true);
    return Passo(b);
  }

  Simulacao s;
  Bloco b{s, 1};
  std::vector<std::string> mensagens;
};

// The selector as written: substitute the whole text, split at the first ">"
// (else the first "<") and evaluate each side with the reference evaluator.
double Referencia(const std::string& funcao, const Memoria& m) {
  const std::string t = SubstituiEnderecos(funcao, m);
  std::size_t p = t.find('>');
  const bool maior = p != std::string::npos;
  if (!maior) p = t.find('<');
  if (p == std::string::npos) return CalculaEquacao(t).valor;
  const double l = CalculaEquacao(t.substr(0, p)).valor;
  const double r = CalculaEquacao(t.substr(p + 1)).valor;
  return maior ? (l > r ? l : r) : (l < r ? l : r);
}

TEST_F(BlocoTest, SelectorPicksTheLargerOrTheSmaller) {
  struct Caso {
    const char* funcao;
    double m21, m22;
    double esperado;
  };
  const Caso casos[] = {
      {"M21>M22", 3, 7, 7},
      {"M21>M22", 8, 7, 8},
      {"M21>M22", 7, 7, 7},
      {"M21<50", 70, 0, 50},
      {"M21<50", 20, 0, 20},
      {"m21 < m22*2", 9, 4, 8},
      {"M21+1", 4, 0, 5},
      {"M21>M22<M21", 1, 2, 1},  // right part "M22<M21" fails: 0
      {"M21<M22>M21", 1, 2, 1},  // split at ">": left part fails (0), right is 1
      {"(M21>M22)", 5, 6, 6},
      {"M>5", 3, 4, 0},  // the reference swallows ">5"
      {"", 3, 4, 0},
      {"2,5>M21", 1, 0, 2.5},
  };
  for (const Caso& c : casos) {
    s.memoria.celula[21] = c.m21;
    s.memoria.celula[22] = c.m22;
    EXPECT_EQ(Aplica(c.funcao), c.esperado) << c.funcao;
  }
}

TEST_F(BlocoTest, SplitAgreesBitForBitWithTheSubstitutedText) {
  const char* funcoes[] = {"M21>M22",         "M21*0.5-M23<M22/3", "-M21>-M22", "M21^2>M22*M23",
                           "(M21-M22)<(M23)", "M21>M22>M23",       "M2>M21",    "1/3>M21/7",
                           "M21<m22+M1",      "M21M>M22"};
  std::mt19937 g(7);
  std::uniform_real_distribution<double> d(-100, 100);
  for (const char* f : funcoes) {
    b.Funcao = f;
    b.AtualizaParametros(false);
    for (int i = 0; i < 50; ++i) {
      for (int k : {2, 21, 22, 23}) s.memoria.celula[k] = d(g);
      double y = 0, r = 0;
      bool estouroY = false, estouroR = false;
      try {
        y = Passo(b);
      } catch (const Erro&) {
        estouroY = true;
      }
      try {
        r = Referencia(f, s.memoria);
      } catch (const Erro&) {
        estouroR = true;
      }
      EXPECT_EQ(estouroY, estouroR) << f;
      EXPECT_EQ(std::memcmp(&y, &r, sizeof y), 0) << f << " " << y << " " << r;
    }
  }
}

TEST_F(BlocoTest, LimitsUpperFirstSoTheLowerWins) {
  struct Caso {
    double entrada;
    bool sup;
    const char* textoSup;
    bool inf;
    const char* textoInf;
    double esperado;
  };
  const Caso casos[] = {
      {200, true, "105", true, "-5", 105},  {-50, true, "105", true, "-5", -5},
      {50, true, "105", true, "-5", 50},    {200, false, "105", true, "-5", 200},
      {-50, true, "105", false, "-5", -50}, {15, true, "10", true, "20", 20},
      {5, true, "10", true, "20", 20},      {105, true, "105", true, "-5", 105},
      {12, true, "M22", false, "", 7},      {3, false, "", true, "M22+1", 8},
  };
  s.memoria.celula[22] = 7;
  for (const Caso& c : casos) {
    s.memoria.celula[21] = c.entrada;
    b.LimiteSuperiorAtivo = c.sup;
    b.LimiteSuperior = c.textoSup;
    b.LimiteInferiorAtivo = c.inf;
    b.LimiteInferior = c.textoInf;
    EXPECT_EQ(Aplica("M21"), c.esperado) << c.entrada << " " << c.textoSup << " " << c.textoInf;
  }
}

TEST_F(BlocoTest, LimitSwitchesAreLiveTextsWaitForTheApply) {
  s.memoria.celula[21] = 200;
  EXPECT_EQ(Aplica("M21"), 200);
  b.LimiteSuperiorAtivo = true;
  EXPECT_EQ(Passo(b), 105);
  b.LimiteSuperior = "10";
  b.Funcao = "M21*2";
  EXPECT_EQ(Passo(b), 105);
  b.AtualizaParametros(true);
  EXPECT_EQ(Passo(b), 10);
  b.LimiteSuperiorAtivo = false;
  EXPECT_EQ(Passo(b), 400);
  // A limit text is followed through its cells every cycle.
  b.LimiteInferiorAtivo = true;
  b.LimiteInferior = "M22";
  b.AtualizaParametros(true);
  s.memoria.celula[22] = 500;
  EXPECT_EQ(Passo(b), 500);
}

TEST_F(BlocoTest, CheckMessagesInOrder) {
  struct Caso {
    const char* funcao;
    bool sup;
    const char* textoSup;
    bool inf;
    const char* textoInf;
    std::vector<std::string> esperadas;
  };
  const std::string f = "Bloco 41: Função inválida";
  const std::string sup = "Bloco 41: Limite Superior inválido";
  const std::string inf = "Bloco 41: Limite Inferior inválido";
  const Caso casos[] = {
      {"M21+1", true, "105", true, "-5", {}},
      {"2x3", false, "105", false, "-5", {f}},
      {"M21>M22>M23", false, "105", false, "-5", {f}},
      {"M21<M22>1", false, "105", false, "-5", {f}},
      {"M21>M22", false, "105", false, "-5", {}},
      {"M21", true, "abc", false, "-5", {sup}},
      {"M21", false, "abc", false, "abc", {}},
      {"M21", false, "abc", true, "1?", {inf}},
      {"x", true, "y", true, "z", {f, sup, inf}},
      {"", true, "", true, "1,5", {}},
  };
  for (const Caso& c : casos) {
    b.Funcao = c.funcao;
    b.LimiteSuperiorAtivo = c.sup;
    b.LimiteSuperior = c.textoSup;
    b.LimiteInferiorAtivo = c.inf;
    b.LimiteInferior = c.textoInf;
    mensagens.clear();
    EXPECT_EQ(b.AtualizaParametros(true), c.esperadas.empty()) << c.funcao;
    EXPECT_EQ(mensagens, c.esperadas) << c.funcao;
    mensagens.clear();
    EXPECT_EQ(b.AtualizaParametros(false), c.esperadas.empty()) << c.funcao;
    EXPECT_TRUE(mensagens.empty());
  }
}

TEST_F(BlocoTest, ApplyDescribesTheOutputEvenWhenAChecksFails) {
  Bloco b21{s, 21};
  b21.Descricao = std::string(300, 'd');
  b21.Funcao = "7x";
  EXPECT_FALSE(b21.AtualizaParametros(true));
  EXPECT_EQ(mensagens, std::vector<std::string>{"Bloco 75: Função inválida"});
  EXPECT_EQ(s.memoria.DescricaoEndereco[75], std::string(255, 'd'));
  EXPECT_EQ(b21.RotuloSaida, "M75=");
  b21.Descricao.clear();
  b21.CarregaDescricao();
  EXPECT_EQ(b21.Descricao, std::string(255, 'd'));
  // The failed text is the one stepped: an inconsistent expression gives 0.
  s.memoria.celula[75] = 3;
  EXPECT_EQ(Passo(b21), 0);

  Bloco b20{s, 20};
  b20.Funcao = "4";
  b20.AtualizaParametros(true);
  EXPECT_EQ(b20.RotuloSaida, "M60=");
  EXPECT_EQ(Passo(b20), 4);
}

TEST_F(BlocoTest, OffLineRunsLeaveTheReadOut) {
  EXPECT_EQ(Aplica("12"), 12);
  EXPECT_EQ(b.Leitura, 12);
  b.Funcao = "13";
  b.AtualizaParametros(true);
  s.ModoRapido = true;
  EXPECT_EQ(Passo(b), 13);
  EXPECT_EQ(b.Leitura, 12);
}

TEST_F(BlocoTest, OverflowInTheApplyIsAFailedCheck) {
  struct Caso {
    const char* funcao;
    const char* textoSup;
    const char* textoInf;
    std::vector<std::string> esperadas;
  };
  const std::string f = "Bloco 41: Função inválida";
  const std::string sup = "Bloco 41: Limite Superior inválido";
  const std::string inf = "Bloco 41: Limite Inferior inválido";
  const Caso casos[] = {
      {"10^400", "105", "-5", {f}},
      {"M21^2", "105", "-5", {f}},  // the cell holds 1e300
      {"M21^2>1", "105", "-5", {f}},
      {"1>M21*M21", "105", "-5", {f}},
      {"1", "M21*1e10", "10^400", {sup, inf}},
      {"M21^2", "M21^2", "M21^2", {f, sup, inf}},
  };
  s.memoria.celula[21] = 1e300;
  b.LimiteSuperiorAtivo = true;
  b.LimiteInferiorAtivo = true;
  for (const Caso& c : casos) {
    b.Funcao = c.funcao;
    b.LimiteSuperior = c.textoSup;
    b.LimiteInferior = c.textoInf;
    mensagens.clear();
    bool aplicou = true;
    EXPECT_NO_THROW(aplicou = b.AtualizaParametros(true)) << c.funcao;
    EXPECT_FALSE(aplicou) << c.funcao;
    EXPECT_EQ(mensagens, c.esperadas) << c.funcao;
  }
}

TEST_F(BlocoTest, OverflowEndsTheStepAndLeavesTheOutput) {
  s.memoria.celula[41] = 3;
  b.Funcao = "10^400";
  b.Descricao = "x";
  EXPECT_FALSE(b.AtualizaParametros(true));
  EXPECT_EQ(mensagens, std::vector<std::string>{"Bloco 41: Função inválida"});
  EXPECT_EQ(s.memoria.DescricaoEndereco[41], "x");
  EXPECT_THROW(b.Calcula(), Erro);
  EXPECT_EQ(s.memoria.celula[41], 3);
}

}  // namespace
}  // namespace quiv
