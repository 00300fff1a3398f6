// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/copia_documento.h"

#include <gtest/gtest.h>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/linhas_smp.h"
#include "planta_malha.h"

namespace quiv {
namespace {

std::vector<std::string> Linhas(const Documento& doc) {
  smp::Escritor e;
  EscreveSimulacao(doc, e);
  return e.Linhas();
}

TEST(CopiaDocumento, HoldsWhatSavingAndOpeningWouldGive) {
  Documento doc;
  doc.Titulo = "Caldeira|Boiler";
  teste::IncluiMalha(doc, 1);
  teste::IncluiMalha(doc, 4, 30.0);
  doc.ControladorDe(4)->Tag = "Vazão|Flow";
  for (int i = 0; i < 50; ++i) doc.simulacao.PassoObjetos();
  const std::unique_ptr<Documento> copia = CopiaDocumento(doc);
  doc.AtualizaLegendas();  // what a load does at its end, and so the copy's did
  EXPECT_EQ(Linhas(*copia), Linhas(doc));
  EXPECT_NE(copia->ControladorDe(1), nullptr);
  EXPECT_EQ(copia->ControladorDe(2), nullptr);
  EXPECT_EQ(copia->ControladorDe(4)->Caption, "Vazão");
}

TEST(CopiaDocumento, TakesTheCellValuesTheFileDoesNotKeep) {
  Documento doc;
  teste::IncluiMalha(doc, 1);
  for (int i = 0; i < 50; ++i) doc.simulacao.PassoObjetos();
  doc.simulacao.memoria.celula[99] = 12.5;
  EXPECT_EQ(CopiaDocumento(doc)->simulacao.memoria.celula, doc.simulacao.memoria.celula);
}

TEST(CopiaDocumento, KeepsTheInterfaceLanguage) {
  Documento doc;
  doc.simulacao.IdiomaIngles = true;
  teste::IncluiMalha(doc, 1);
  doc.ControladorDe(1)->Tag = "Vazão|Flow";
  doc.ControladorDe(1)->AtualizaParametros(false);
  const std::unique_ptr<Documento> copia = CopiaDocumento(doc);
  EXPECT_TRUE(copia->simulacao.IdiomaIngles);
  EXPECT_EQ(copia->ControladorDe(1)->Caption, "Flow");
}

TEST(CopiaDocumento, SteppingTheCopyLeavesTheOriginalAlone) {
  Documento doc;
  teste::IncluiMalha(doc, 1);
  const std::vector<std::string> antes = Linhas(doc);
  const std::shared_ptr<Simulacao> copia = CopiaSimulacao(doc);
  ControladorDaMalha(*copia, 1)->SP = 80.0;
  for (int i = 0; i < 100; ++i) copia->PassoObjetos();
  EXPECT_NE(copia->memoria.celula[21], doc.simulacao.memoria.celula[21]);
  EXPECT_EQ(Linhas(doc), antes);
}

}  // namespace
}  // namespace quiv
