// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/nucleo/expressao.h"
#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

// The calculation block's form fields, as typed: what its window shows and
// edits, what the file stores, what an apply takes over (and undo puts back).
struct FormularioBloco {
  TextoBilingue Tag;                   // TagText (both languages; see TextoBilingue)
  TextoBilingue Descricao;             // DescricaoText
  std::string Funcao;                  // FuncaoTr
  bool LimiteSuperiorAtivo = false;    // LimSupCheck, live
  std::string LimiteSuperior = "105";  // LimSupText
  bool LimiteInferiorAtivo = false;    // LimInfCheck, live
  std::string LimiteInferior = "-5";   // LimInfText
};

// Calculation block n (1 … 24): one value per scan cycle from an expression
// over M-addresses, optionally the larger or smaller of two sub-expressions,
// held between optional limits, written to the output address
// N = IdentidadeBloco(n) (M41 … M60, M75 … M78). N also names the block in its
// messages. No state is kept between cycles.
//
// Function f, after its M-addresses are replaced by their values:
//   f = "L>R"  ->  y = L if L > R, else R      (the larger; R on a tie)
//   f = "L<R"  ->  y = L if L < R, else R      (the smaller; R on a tie)
//   otherwise  ->  y = value of f
// The split is at the first ">" when there is one, otherwise at the first "<";
// a second selector in a part makes that part an inconsistent expression.
// Limits, upper first, so with U < B the lower limit wins:
//   if LimiteSuperiorAtivo and y > U: y = U
//   if LimiteInferiorAtivo and not (y >= B): y = B
//   M[N] = y
//
// The limit switches are live (read every step); the function and limit texts
// are compiled only by AtualizaParametros.
class Bloco : public ObjetoCiclo, public FormularioBloco {
 public:
  Bloco(Simulacao& simulacao, int numero);

  int Numero() const { return numero_; }
  int Endereco() const { return endereco_; }

  // Read-outs. Off-line runs leave Leitura untouched.
  std::string Titulo;             // Label9: the description
  std::string RotuloSaida = "=";  // Label1: "M41=" for block 1, in front of the value
  double Leitura = 0.0;           // Label6: the last output, shown with two decimals

  void Calcula() override;
  std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const override {
    return CopiaObjeto(*this, destino, numero_);
  }
  void AssumeEstado(const ObjetoCiclo& origem) override { AssumeEstadoObjeto(*this, origem); }

  // Describes the output address, compiles the texts and checks that they
  // evaluate. Both take effect whatever the checks say. Messages, in order:
  // "Bloco N: Função inválida", ": Limite Superior inválido" (limit on),
  // ": Limite Inferior inválido" (limit on). A text whose value overflows
  // fails its check.
  bool AtualizaParametros(bool MostraMensagens);

  // The block's record in the simulation file: the header
  // "=====<<<BLOCO CALC:NN>>>=====" (NN the output address) and 7 value lines
  // "{BNN/KK} " + label + value: tag and description (bilingual when read),
  // function, upper and lower limit texts, upper and lower limit switches
  // ("True"/"False"). Reading takes each value after the fixed prefix and
  // label length, fills the form fields only and applies nothing.
  void SalvaParametros(smp::Escritor& e) const;
  void LeParametros(smp::Leitor& l);

  // Descricao := the output address's description (on activation and
  // after a successful apply); when that is the half shown of a
  // two-language description, both languages stay.
  void CarregaDescricao();

  // The function as stored at the last apply, evaluated on the current cells.
  // An overflow throws Erro.
  double ValorFuncao();

 private:
  enum class Selecao { Nenhuma, Maior, Menor };

  void CompilaFuncao(std::string_view texto);

  Vinculo<Simulacao> simulacao_;
  int numero_;
  int endereco_;

  Selecao selecao_ = Selecao::Nenhuma;
  Expressao funcao_;    // the whole text, without a selector
  Expressao esquerda_;  // the parts around the selector
  Expressao direita_;
  Expressao limSup_;
  Expressao limInf_;
};

}  // namespace quiv
