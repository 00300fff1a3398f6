// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTemporaryDir>

#include "interacao_roteiro.h"

int ExecutaTesteSessaoSimulacao(int argc, char** argv);
int ExecutaTesteJanelaPrincipal(int argc, char** argv);
int ExecutaTesteGraficos(int argc, char** argv);
int ExecutaTesteJanelaTextoAnimado(int argc, char** argv);
int ExecutaTesteJanelaGerador(int argc, char** argv);
int ExecutaTesteDialogoConfiguracao(int argc, char** argv);
int ExecutaTesteJanelaProcesso(int argc, char** argv);
int ExecutaTesteJanelaBloco(int argc, char** argv);
int ExecutaTesteJanelaControlador(int argc, char** argv);
int ExecutaTesteJanelaRegistradorXY(int argc, char** argv);
int ExecutaTesteSimulacaoRapida(int argc, char** argv);
int ExecutaTesteJanelaRegistrador(int argc, char** argv);
int ExecutaTesteJanelaListaVariaveis(int argc, char** argv);
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
  falhas += ExecutaTesteJanelaPrincipal(argc, argv);
  falhas += ExecutaTesteGraficos(argc, argv);
  falhas += ExecutaTesteJanelaTextoAnimado(argc, argv);
  falhas += ExecutaTesteJanelaGerador(argc, argv);
  falhas += ExecutaTesteDialogoConfiguracao(argc, argv);
  falhas += ExecutaTesteJanelaProcesso(argc, argv);
  falhas += ExecutaTesteJanelaBloco(argc, argv);
  falhas += ExecutaTesteJanelaControlador(argc, argv);
  falhas += ExecutaTesteJanelaRegistradorXY(argc, argv);
  falhas += ExecutaTesteSimulacaoRapida(argc, argv);
  falhas += ExecutaTesteJanelaRegistrador(argc, argv);
  falhas += ExecutaTesteJanelaListaVariaveis(argc, argv);
  falhas += ExecutaTesteSintonia(argc, argv);
  falhas += ExecutaTesteEdicoes(argc, argv);
  falhas += ExecutaTesteRecuperacao(argc, argv);
  quiv::Interacao::Instala(nullptr);
  return falhas == 0 ? 0 : 1;
}
