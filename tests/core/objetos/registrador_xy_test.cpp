// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/objetos/registrador_xy.h"

#include <gtest/gtest.h>

#include "core/arquivo/documento.h"
#include "planta_malha.h"

namespace quiv {
namespace {

class PresetsXYTest : public ::testing::Test {
 protected:
  void SetUp() override {
    teste::IncluiMalha(doc, 1);
    teste::IncluiMalha(doc, 3);
  }
  Documento doc;
  RegistradorXY xy;
};

TEST_F(PresetsXYTest, LoopPresetsPickControllerOutputAndPVOrFilledCell) {
  xy.CompletaListaX();
  xy.CompletaListaY();
  xy.AplicaPredefinicao(6, doc.simulacao);  // "COxMV [Malha 3]"
  EXPECT_EQ(xy.Predefinicao, 6);
  EXPECT_EQ(xy.ItemX, 2);
  EXPECT_EQ(xy.ItemY, 102);
  EXPECT_TRUE(xy.PodeRegistrar());
  xy.AplicaPredefinicao(5, doc.simulacao);  // "COxPV [Malha 3]": the PV M23
  EXPECT_EQ(xy.ItemY, 22);
  xy.AplicaPredefinicao(4, doc.simulacao);  // controller 2 absent: nothing changes
  EXPECT_EQ(xy.ItemX, 2);
  EXPECT_EQ(xy.ItemY, 22);
  xy.AplicaPredefinicao(0, doc.simulacao);
  EXPECT_EQ(xy.ItemY, 22);
  // A drop-down puts the list and the presets back to their first items.
  xy.CompletaListaX();
  EXPECT_EQ(xy.ItemX, 0);
  EXPECT_EQ(xy.Predefinicao, 0);
}

// CO×MV pairs the output with the valve it drives, wherever that block is.
TEST_F(PresetsXYTest, COxMVTakesThePositionOfTheValveTheOutputDrives) {
  xy.CompletaListaX();
  xy.CompletaListaY();
  Processo& p3 = *doc.ProcessoDe(3);
  p3.ItemEntrada = 0;  // block 3 now takes loop 1's output
  p3.AtualizaParametros(false);
  Processo& p7 = doc.NovoProcesso(7);
  p7.ItemEntrada = 2;  // block 7 takes loop 3's output
  p7.AtualizaParametros(false);
  xy.AplicaPredefinicao(6, doc.simulacao);  // "COxMV [Malha 3]"
  EXPECT_EQ(xy.ItemX, 2);
  EXPECT_EQ(xy.ItemY, 106);                 // M107, block 7's valve
  xy.AplicaPredefinicao(2, doc.simulacao);  // loop 1: blocks 1 and 3 take M01, the first wins
  EXPECT_EQ(xy.ItemY, 100);
  doc.simulacao.processos.Remove(7);
  xy.AplicaPredefinicao(6, doc.simulacao);  // no block takes M03: no Y to record
  EXPECT_EQ(xy.ItemY, -1);
  EXPECT_FALSE(xy.PodeRegistrar());
}

TEST_F(PresetsXYTest, ItemsTheListDoesNotHoldYetLeaveNoSelection) {
  EXPECT_FALSE(xy.PodeRegistrar());
  xy.AplicaPredefinicao(2, doc.simulacao);  // "COxMV [Malha 1]": X "01" exists, Y 101 not yet
  EXPECT_EQ(xy.ItemX, 0);
  EXPECT_EQ(xy.ItemY, -1);
  EXPECT_FALSE(xy.PodeRegistrar());
  xy.AplicaPredefinicao(5, doc.simulacao);  // loop 3: neither item is "01"
  EXPECT_EQ(xy.ItemX, -1);
  EXPECT_EQ(xy.ItemY, -1);
}

TEST(RegistradorXYTest, WindowSeconds) {
  RegistradorXY xy;
  const int segundos[] = {600, 1800, 3600};
  for (int i = 0; i < 3; ++i) {
    xy.ItemJanela = i;
    EXPECT_EQ(xy.SegundosJanela(), segundos[i]);
  }
}

}  // namespace
}  // namespace quiv
