// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>
#include <string_view>

#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/memoria.h"
#include "core/objetos/controlador.h"

namespace quiv {

namespace {

// The value lines of a controller record, in file order. The reader skips
// prefix plus label by length, so the labels are part of the format, blanks
// included ("Endereço  BackMV:" has two).
constexpr std::array<std::string_view, 29> kRotulos = {"Tag:",
                                                       "Desc:",
                                                       "Kc:",
                                                       "Ti:",
                                                       "Td:",
                                                       "Bias:",
                                                       "Fator a:",
                                                       "Tf Filtro:",
                                                       "COmim:",
                                                       "COMax:",
                                                       "Escala PVMax:",
                                                       "Escala PVmin:",
                                                       "BackMV CK:",
                                                       "Indice lista PV:",
                                                       "Indice lista SPR:",
                                                       "Endereço  BackMV:",
                                                       "Acao FF:",
                                                       "Habilita SPR:",
                                                       "Habilita FF:",
                                                       "Tipo acao:",
                                                       "Derivada na PV:",
                                                       "Estrutura ISA:",
                                                       "Iant:",
                                                       "Erroant:",
                                                       "PVant:",
                                                       "Habilita Modo Remoto:",
                                                       "Habilita Modo Auto:",
                                                       "",
                                                       ""};

// The states are stored with two decimals.
std::string Estado(double x) { return smp::RealFixo(x, 4, 2); }

}  // namespace

void Controlador::SalvaParametros(smp::Escritor& e) const {
  const std::string nn = smp::DoisDigitos(n_);
  const std::string marca = "C" + nn;
  const std::array<std::string, 29> valores = {
      Tag.Completo(),
      Descricao.Completo(),
      TextoKp,
      TextoTi,
      TextoTd,
      TextoBias,
      TextoFatorA,
      TextoTf,
      TextoCOmin,
      TextoCOmax,
      InicioEscala,  // under the label "Escala PVMax:", as the file has always had it
      FimEscala,
      smp::FlagMista(HabilitaBackMV),
      std::to_string(ItemPV),
      std::to_string(ItemSPR),
      std::to_string(ItemBackMV),
      EquacaoFF,
      smp::FlagMista(HabilitaSPR),
      smp::FlagMista(HabilitaFF),
      std::to_string(ItemAcao),
      std::to_string(ItemDerivada),
      std::to_string(ItemEstrutura),
      Estado(Iant),
      Estado(Erroant),
      Estado(PVant),
      smp::FlagMista(ModoLocal),
      smp::FlagMista(ModoAuto),
      Estado(SP),
      Estado(CO)};
  e.Linha("=====<<<CONTROLADOR:" + nn + ">>>=====");
  for (std::size_t i = 0; i < valores.size(); ++i)
    e.Valor(smp::PrefixoValor(marca, static_cast<int>(i) + 1), kRotulos[i], valores[i]);
}

void Controlador::LeParametros(smp::Leitor& l) {
  std::size_t linha = 0;
  // Prefix "{Cnn/kk} " (9 characters) plus the label of the next line.
  auto pular = [&linha] { return 9 + ContaCaracteres(kRotulos[linha++]); };
  auto texto = [&] { return l.Valor(pular()); };
  auto bilingue = [&] { return l.ValorBilingue(pular()); };
  auto flag = [&] { return smp::LeFlagMista(texto()); };
  auto estrito = [&] { return static_cast<int>(smp::LeInteiroEstrito(texto())); };
  auto tolerante = [&] { return static_cast<int>(smp::LeInteiroTolerante(texto())); };
  auto real = [&] { return smp::LeRealExigido(texto()); };

  l.Linha();  // header, by position only
  Tag = bilingue();
  Descricao = bilingue();
  TextoKp = texto();
  TextoTi = texto();
  TextoTd = texto();
  TextoBias = texto();
  TextoFatorA = texto();
  TextoTf = texto();
  TextoCOmin = texto();
  TextoCOmax = texto();
  InicioEscala = texto();
  FimEscala = texto();
  HabilitaBackMV = flag();
  ItemPV = estrito();
  // The remote SP address is read here but takes effect once the remote SP
  // check box (line 18) is known, as the window fills its list only then.
  const int spr = estrito();
  ItemBackMV = estrito();
  EquacaoFF = texto();
  HabilitaSPR = flag();
  ItemSPR = spr;
  HabilitaFF = flag();
  ItemAcao = tolerante();
  ItemDerivada = tolerante();
  ItemEstrutura = tolerante();
  Iant = real();
  Erroant = real();
  PVant = real();
  // The filtered PV is not saved: it resumes from the saved PV, so the
  // derivative on the PV does not kick on the first step after a load.
  PVfiltro = PVant;
  PVfiltroAnt = PVant;
  ModoLocal = flag();
  ModoAuto = flag();
  TextoSP = texto();
  SP = smp::LeRealExigido(TextoSP);
  TextoMV = texto();
  CO = smp::LeRealExigido(TextoMV);
  // Writing the output edit is a change like the operator's typing: in
  // manual it enables "Enviar".
  TextoMVAlterado();
}

}  // namespace quiv
