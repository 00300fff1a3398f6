// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>
#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/memoria.h"
#include "core/objetos/processo.h"

namespace quiv {

namespace {

// The value lines of a process record, in file order. The reader skips
// prefix plus label by length, so the labels are part of the format.
constexpr std::array<std::string_view, 25> kRotulos = {"Tag:",
                                                       "Desc:",
                                                       "Indice lista PV:",
                                                       "Tal 1:",
                                                       "Tal 2:",
                                                       "Habilita Desat Sat:",
                                                       "Histerese:",
                                                       "Tempo Morto:",
                                                       "Ganho:",
                                                       "Tipo Valv:",
                                                       "Agarramento:",
                                                       "RateLimiter:",
                                                       "Const. Tempo Atuador:",
                                                       "Tipo FT:",
                                                       "Num.Ciclos:",
                                                       "Lead:",
                                                       "Lag:",
                                                       "X0:",
                                                       "Y2:",
                                                       "Y0old:",
                                                       "Y1old:",
                                                       "Y1old2:",
                                                       "x5old:",
                                                       "IntAc1:",
                                                       "IntAc2:"};

// A load fills the whole dead-time ring with what it carries at rest, the
// final element's position (the ring holds the delay's input, not the
// process output, which differs by the gain or, for an integrator, is the
// accumulated value): the ring index is not saved and restarts at the first
// slot, so the first delay reads slots at the ring's end, which a partial fill
// would leave at zero for the whole dead time.
constexpr int kSlotsCarregados = Processo::kTamanhoBuffer;

std::string Estado(double x) { return smp::RealFixo(x, 4, 2); }

}  // namespace

void Processo::SalvaParametros(smp::Escritor& e) const {
  const std::string nn = smp::DoisDigitos(identidade_);
  const std::string marca = "P" + nn;
  const std::array<std::string, 25> valores = {Tag.Completo(),
                                               Descricao.Completo(),
                                               std::to_string(ItemEntrada),
                                               Tal1,
                                               Tal2,
                                               smp::FlagMista(SaturadorDesligado),
                                               Histerese,
                                               TempoMorto,
                                               Ganho,
                                               std::to_string(TipoValvula),
                                               Agarramento,
                                               LimiteTaxa,
                                               ConstanteTempoAtuador,
                                               std::to_string(TipoFuncao),
                                               TextoNC + "x" + TextoPeriodo,
                                               Lead,
                                               Lag,
                                               Estado(X0),
                                               Estado(Y2),
                                               Estado(Y0old),
                                               Estado(Y1old),
                                               Estado(Y1old2),
                                               Estado(x5old),
                                               Estado(IntAc1),
                                               Estado(IntAc2)};
  e.Linha("=====<<<PROCESSO:" + nn + ">>>=====");
  for (std::size_t i = 0; i < valores.size(); ++i)
    e.Valor(smp::PrefixoValor(marca, static_cast<int>(i) + 1), kRotulos[i], valores[i]);
}

void Processo::LeParametros(smp::Leitor& l) {
  std::size_t linha = 0;
  // Prefix "{Pnn/kk} " (9 characters) plus the label of the next line.
  auto pular = [&linha] { return 9 + ContaCaracteres(kRotulos[linha++]); };
  auto texto = [&] { return l.Valor(pular()); };
  auto bilingue = [&] { return l.ValorBilingue(pular()); };
  auto estrito = [&] { return static_cast<int>(smp::LeInteiroEstrito(texto())); };
  auto real = [&] { return smp::LeRealExigido(texto()); };

  l.Linha();  // header, by position only
  Tag = bilingue();
  Descricao = bilingue();
  ItemEntrada = estrito();
  Tal1 = texto();
  Tal2 = texto();
  SaturadorDesligado = smp::LeFlagMista(texto());
  Histerese = texto();
  TempoMorto = texto();
  Ganho = texto();
  TipoValvula = estrito();
  Agarramento = texto();
  LimiteTaxa = texto();
  ConstanteTempoAtuador = texto();
  TipoFuncao = estrito();
  // Cycle count and period share a line: "NCxPeriod". Without "x" the whole
  // value is the cycle count and the period stays as it was.
  const std::string ciclos = texto();
  if (const std::size_t x = ciclos.find('x'); x != std::string::npos) {
    TextoNC = ciclos.substr(0, x);
    TextoPeriodo = ciclos.substr(x + 1);
  } else {
    TextoNC = ciclos;
  }
  Lead = texto();
  Lag = texto();
  X0 = real();
  // The final element's stages are not saved: they resume at rest at the
  // saved input, so a rate-limited drive or a sticky valve does not start
  // again from zero.
  Xh = XhRef = Xf = Xfr = Xs = Xr = X0;
  Xa = CurvaGanho(TipoValvula, X0);
  Y2 = real();
  for (int i = 1; i <= kSlotsCarregados; ++i) BufTM[i] = Xa;
  Y0old = real();
  Y1old = real();
  Y1old2 = real();
  x5old = real();
  IntAc1 = real();
  IntAc2 = real();
}

}  // namespace quiv
