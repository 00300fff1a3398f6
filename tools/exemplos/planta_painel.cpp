// SPDX-License-Identifier: GPL-3.0-or-later
// Short forms for the operator's panel, the generator and the recorders.
#include <cmath>

#include "core/objetos/chave.h"
#include "core/objetos/entrada_dados.h"
#include "core/objetos/gerador.h"
#include "core/objetos/painel.h"
#include "core/objetos/registrador.h"
#include "planta.h"

namespace quiv::exemplos {

void NovaEntrada(Documento& doc, int n, const std::string& nome, const std::string& unidade,
                 double inicio, double fim, double valor, int x, int y) {
  Descreve(doc, 14 + n, unidade, inicio, fim);
  NovaEntrada(doc, n, nome,
              static_cast<int>(std::lround((valor - inicio) / (fim - inicio) * 10000.0)), x, y);
}

void NovaEntrada(Documento& doc, int n, const std::string& nome, int posicao, int x, int y) {
  EntradaDados& e = doc.painel.Entrada(n);
  e.DefineIncluida(true);
  e.DefineNome(nome);
  e.DefinePosicao(posicao);
  e.Esquerda = x;
  e.Topo = y;
}

void LigaChave(Documento& doc, int n, int x, int y) {
  doc.simulacao.memoria.celula[static_cast<std::size_t>(10 + n)] = 1.0;
  Chave& chave = doc.painel.Chaves(n);
  chave.Orientacao = 1;
  chave.Esquerda = x;
  chave.Topo = y;
  chave.DefineVisivel(true);
}

void DegrausAleatorios(Documento& doc, int canal, const std::string& amplitude) {
  Gerador& g = doc.gerador();
  CanalGerador& c = g.Canal(canal);
  c.Tipo = 4;
  g.MudaTipo(canal);
  c.Min = "-" + amplitude;
  c.Max = amplitude;
  c.DefineValor("0");
  g.AtualizaParametros();
}

void NovoRegistro(Documento& doc, int n, const std::string& tag, int malha, int x, int y) {
  NovoRegistro(doc, n, tag, "", malha, x, y);
}

Registrador& NovoRegistro(Documento& doc, int n, const std::string& tag,
                          const std::string& descricao, int malha, int x, int y, int baseTempo) {
  Registrador& r = doc.NovoRegistrador(n);
  r.Tag = tag;
  r.Descricao = descricao;
  r.EscolheVariavel3(malha - 1);
  r.Grafico.ItemBaseTempo = baseTempo;
  r.AplicaConfiguracao();
  Coloca(doc, TipoObjeto::Registrador, n, x, y);
  return r;
}

Registrador& NovoRegistro(Documento& doc, int n, const std::string& tag,
                          const std::string& descricao, const Pena& p1, const Pena& p2,
                          const Pena& p3, int x, int y, int baseTempo) {
  Registrador& r = doc.NovoRegistrador(n);
  r.Tag = tag;
  r.Descricao = descricao;
  r.ItemVariavel1 = p1.endereco - 1;
  r.NomeVariavel1 = p1.nome;
  r.ItemVariavel2 = p2.endereco - 1;
  r.NomeVariavel2 = p2.nome;
  r.ItemVariavel3 = p3.endereco - 1;
  r.NomeVariavel3 = p3.nome;
  r.Grafico.ItemBaseTempo = baseTempo;
  r.AplicaConfiguracao();
  Coloca(doc, TipoObjeto::Registrador, n, x, y);
  return r;
}

}  // namespace quiv::exemplos
