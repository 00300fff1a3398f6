// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTemporaryDir>

#include "interacao_roteiro.h"

int ExecutaTesteSessaoSimulacao(int argc, char** argv);
int ExecutaTesteTForm1(int argc, char** argv);
int ExecutaTesteGraficos(int argc, char** argv);
int ExecutaTesteTForm2(int argc, char** argv);
int ExecutaTesteTParmForm(int argc, char** argv);
int ExecutaTesteTConfigForm(int argc, char** argv);
int ExecutaTesteTProcesso(int argc, char** argv);
int ExecutaTesteTBloco(int argc, char** argv);
int ExecutaTesteTControlador(int argc, char** argv);
int ExecutaTesteTRegXY(int argc, char** argv);
int ExecutaTesteSimulacaoRapida(int argc, char** argv);
int ExecutaTesteTRegistrForm(int argc, char** argv);
int ExecutaTesteTDialogos(int argc, char** argv);
int ExecutaTesteIngles(int argc, char** argv);
int ExecutaTesteSintonia(int argc, char** argv);
int ExecutaTesteEdicoes(int argc, char** argv);
int ExecutaTesteRecuperacao(int argc, char** argv);

int main(int argc, char** argv) {
  // The recent-files list, other settings and recovery copies go to scratch
  // folders, never to the user's own.
  QTemporaryDir configuracao;
  qputenv("XDG_CONFIG_HOME", configuracao.path().toLocal8Bit());
  QTemporaryDir dados;
  qputenv("XDG_DATA_HOME", dados.path().toLocal8Bit());
  QApplication app(argc, argv);
  // Until a test installs its own script, any box fails the test at once
  // instead of waiting for a user.
  InteracaoRoteiro nenhumaCaixa;
  quiv::Interacao::Instala(&nenhumaCaixa);

  int falhas = 0;
  falhas += ExecutaTesteSessaoSimulacao(argc, argv);
  // The English run comes early, so the Portuguese tests after it show that
  // it leaves nothing behind.
  falhas += ExecutaTesteIngles(argc, argv);
  falhas += ExecutaTesteTForm1(argc, argv);
  falhas += ExecutaTesteGraficos(argc, argv);
  falhas += ExecutaTesteTForm2(argc, argv);
  falhas += ExecutaTesteTParmForm(argc, argv);
  falhas += ExecutaTesteTConfigForm(argc, argv);
  falhas += ExecutaTesteTProcesso(argc, argv);
  falhas += ExecutaTesteTBloco(argc, argv);
  falhas += ExecutaTesteTControlador(argc, argv);
  falhas += ExecutaTesteTRegXY(argc, argv);
  falhas += ExecutaTesteSimulacaoRapida(argc, argv);
  falhas += ExecutaTesteTRegistrForm(argc, argv);
  falhas += ExecutaTesteTDialogos(argc, argv);
  falhas += ExecutaTesteSintonia(argc, argv);
  falhas += ExecutaTesteEdicoes(argc, argv);
  falhas += ExecutaTesteRecuperacao(argc, argv);
  quiv::Interacao::Instala(nullptr);
  return falhas == 0 ? 0 : 1;
}
