// SPDX-License-Identifier: GPL-3.0-or-later
// The signal generator's record in the simulation file.

#include <string>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/objetos/gerador.h"

namespace quiv {

namespace {

constexpr const char* kCabecalho = "<Parametros>";
constexpr const char* kMarca = "P";
// "{P/kk} ": the lines carry no label.
constexpr std::size_t kPular = 7;
constexpr const char* kSemFaixa = "/";

// Line `linha` (1 … 5) of channel `endereco`'s group, numbered in the record.
int NumeroLinha(int endereco, int linha) { return 5 * (endereco - Gerador::kPrimeiro) + linha; }

// Clears the loading flag however the arranging ends.
class Carga {
 public:
  explicit Carga(bool& flag) : flag_(flag) { flag_ = true; }
  ~Carga() { flag_ = false; }
  Carga(const Carga&) = delete;
  Carga& operator=(const Carga&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void Gerador::SalvaParametros(smp::Escritor& e) const {
  e.Linha(kCabecalho);
  for (int c = kPrimeiro; c <= kUltimo; ++c) {
    const CanalGerador& canal = Canal(c);
    const bool comFaixa = c <= kUltimoComFaixa;
    e.Valor(smp::PrefixoValor(kMarca, NumeroLinha(c, 1)), "", std::to_string(canal.Tipo));
    e.Valor(smp::PrefixoValor(kMarca, NumeroLinha(c, 2)), "", canal.Desc.Completo());
    e.Valor(smp::PrefixoValor(kMarca, NumeroLinha(c, 3)), "", comFaixa ? canal.Min : kSemFaixa);
    e.Valor(smp::PrefixoValor(kMarca, NumeroLinha(c, 4)), "", comFaixa ? canal.Max : kSemFaixa);
    e.Valor(smp::PrefixoValor(kMarca, NumeroLinha(c, 5)), "", canal.Valor());
  }
}

void Gerador::LeParametros(smp::Leitor& l) {
  l.Linha();  // header
  for (int c = kPrimeiro; c <= kUltimo; ++c) {
    CanalGerador& canal = Canal(c);
    const bool comFaixa = c <= kUltimoComFaixa;
    const std::string tipo = l.Valor(kPular);
    canal.Tipo = c <= 82 ? smp::LeInteiroEstrito(tipo) : smp::LeInteiroTolerante(tipo);
    canal.Desc = l.ValorBilingue(kPular);
    if (comFaixa) {
      canal.Min = l.Valor(kPular);
      canal.Max = l.Valor(kPular);
    } else {
      l.Linha();
      l.Linha();
    }
    std::string valor = l.Valor(kPular);
    if (canal.Tipo == 1) canal.ItemDigital = smp::LeInteiroEstrito(valor);
    if (comFaixa && canal.Tipo == 3) canal.Filtro = smp::LeReal(valor);
    canal.DefineValor(std::move(valor));
  }

  // Each row is arranged for the type read without its texts being replaced
  // by the type's captions; then the rows are taken over.
  {
    Carga carga(Carregando);
    for (int c = kPrimeiro; c <= kUltimo; ++c) MudaTipo(c);
  }
  AtualizaParametros();
}

}  // namespace quiv
