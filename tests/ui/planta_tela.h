// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include "../comum/planta_malha.h"
#include "core/arquivo/documento.h"
#include "core/objetos/bloco.h"
#include "core/objetos/registrador.h"
#include "core/objetos/texto_animado.h"

namespace quiv::teste {

// A plant that uses every part of the synoptic screen: two loops, a
// calculation block, a recorder, two animated texts, a circle and a
// rectangle, switch 1, two push buttons, two data entries, a bilingual
// title, a picture name and comments. Places differ from the start places so
// a round trip that loses one shows.
inline void MontaPlantaTela(Documento& doc) {
  IncluiMalha(doc, 1, 40.0);
  IncluiMalha(doc, 2, 60.0);
  doc.ControladorDe(2)->AlternaAutoManual();  // manual
  Bloco& b = doc.NovoBloco(1);
  b.Tag = "FY-1";
  b.Funcao = "M21*0.5";
  b.AtualizaParametros(false);
  Registrador& r = doc.NovoRegistrador(1);
  r.Tag = "TR-1";
  r.EscolheVariavel3(0);  // loop 1: its output, with its PV and SP
  for (TextoAnimado* t : {&doc.NovoTexto(1), &doc.NovoTexto(3)}) {
    t->Descricao = "Nível|Level";
    t->ItemVariavel = 20;  // M21
    t->AtualizaParametros(false);
  }
  for (TipoObjeto tipo : {TipoObjeto::Controlador, TipoObjeto::Processo, TipoObjeto::Bloco,
                          TipoObjeto::Registrador, TipoObjeto::Texto})
    for (int n = 1; n <= Posicoes::Quantidade(tipo); ++n)
      if (doc.Incluido(tipo, n)) doc.posicoes.De(tipo, n).Exibido = true;
  doc.posicoes.De(TipoObjeto::Controlador, 1).Esquerda = 300;
  doc.posicoes.De(TipoObjeto::Controlador, 1).Topo = 200;
  doc.posicoes.De(TipoObjeto::Texto, 3).Esquerda = 150;
  doc.posicoes.De(TipoObjeto::Texto, 3).Topo = 250;
  auto coloca = [&doc](TipoObjeto tipo, int n, int esquerda, int topo) {
    doc.posicoes.De(tipo, n).Esquerda = esquerda;
    doc.posicoes.De(tipo, n).Topo = topo;
  };
  coloca(TipoObjeto::Controlador, 2, 600, 150);
  coloca(TipoObjeto::Processo, 1, 300, 440);
  coloca(TipoObjeto::Processo, 2, 620, 440);
  coloca(TipoObjeto::Bloco, 1, 440, 330);
  coloca(TipoObjeto::Registrador, 1, 760, 20);
  coloca(TipoObjeto::Texto, 1, 630, 300);

  Painel& painel = doc.painel;
  FormaAnimada& circulo = painel.Forma(1);
  circulo.Visivel = true;
  circulo.Variavel = "11";
  circulo.Coloca(480, 40);
  FormaAnimada& nivel = painel.Forma(2);
  nivel.Visivel = true;
  nivel.TipoForma = FormaAnimada::kRetangulo;
  nivel.Variavel = "21";
  nivel.Coloca(700, 320);
  painel.Chaves(1).Orientacao = 1;
  painel.Chaves(1).Esquerda = 430;
  painel.Chaves(1).Topo = 40;
  painel.Chaves(1).DefineVisivel(true);
  painel.Botao(1).Nome = "Partida|Start";
  painel.HabilitaBotao(1, true);
  painel.Botao(2).Nome = "Parada";
  painel.HabilitaBotao(2, true);
  painel.PainelComandoEsquerda = 40;
  painel.PainelComandoTopo = 330;
  for (int n : {1, 3}) {
    EntradaDados& e = painel.Entrada(n);
    e.Incluida = true;
    e.Visivel = true;
    e.DefineNome(n == 1 ? "Vazão de carga" : "Carga");
    e.DefinePosicao(2500 * n);
    e.Esquerda = 40;
    e.Topo = n == 1 ? 20 : 100;
  }
  painel.Entrada(3).DefineSlider(false);
  doc.Titulo = "Planta de teste|Test plant";
  doc.FiguraFundo = "fundo.png";
  doc.comentarios.Exibir = true;
  doc.comentarios.Portugues = {"Uma planta", "com duas malhas"};
  doc.comentarios.Ingles = {"A plant"};
}

// A background picture for the plant above: pipes and two tanks.
inline QImage FiguraPlanta() {
  QImage figura(900, 560, QImage::Format_RGB32);
  figura.fill(QColor(235, 240, 245));
  QPainter g(&figura);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(60, 80, 110), 3));
  g.setBrush(QColor(180, 200, 220));
  g.drawRect(260, 230, 170, 200);
  g.drawRect(590, 230, 140, 200);
  g.setPen(QPen(QColor(60, 80, 110), 8));
  g.drawLine(430, 410, 590, 410);
  g.drawLine(200, 250, 260, 250);
  g.drawLine(730, 300, 880, 300);
  return figura;
}

}  // namespace quiv::teste
