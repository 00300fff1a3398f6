// SPDX-License-Identifier: GPL-3.0-or-later
#include "planta.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace quiv::exemplos {

namespace {

std::string Numero(double x) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%g", x);
  return texto;
}

// Runs an apply with the plant's messages caught: the first failed check
// becomes the generator's error.
template <typename Objeto>
void AplicaVerificando(Simulacao& s, Objeto& objeto, const std::string& oque) {
  std::string falha;
  auto anterior = s.Mensagem;
  s.Mensagem = [&falha](std::string_view texto) {
    if (falha.empty()) falha = texto;
  };
  const bool ok = objeto.AtualizaParametros(true);
  s.Mensagem = anterior;
  if (!ok || !falha.empty()) throw std::runtime_error(oque + ": " + falha);
}

}  // namespace

void Descreve(Documento& doc, int endereco, const std::string& unidade, double inicio, double fim,
              const std::string& descricao) {
  Memoria& m = doc.simulacao.memoria;
  Descritor& d = m.descritor[static_cast<std::size_t>(endereco)];
  d.UnidadeEng = unidade;
  d.UEMin = Numero(inicio);
  d.UEMax = Numero(fim);
  d.LIE = d.UEMin;
  d.LSE = d.UEMax;
  if (!descricao.empty()) m.DescricaoEndereco[static_cast<std::size_t>(endereco)] = descricao;
}

void Coloca(Documento& doc, TipoObjeto tipo, int n, int x, int y) {
  Posicao& p = doc.posicoes.De(tipo, n);
  p.Esquerda = x;
  p.Topo = y;
  p.Exibido = true;
}

void Aplica(Documento& doc, Processo& p) {
  AplicaVerificando(doc.simulacao, p, "process " + std::to_string(p.Numero()));
}
void Aplica(Documento& doc, Controlador& c) {
  AplicaVerificando(doc.simulacao, c, "controller " + std::to_string(c.Numero()));
}
void Aplica(Documento& doc, Bloco& b) { AplicaVerificando(doc.simulacao, b, "calculation block"); }
void Aplica(Documento& doc, TextoAnimado& t) {
  AplicaVerificando(doc.simulacao, t, "animated text");
}

Controlador& NovaMalha(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                       int enderecoPV, double sp, Sintonia s, bool reversa) {
  Controlador& c = doc.NovoControlador(n);
  c.Tag = tag;
  c.Descricao = descricao;
  c.ItemPV = enderecoPV - 1;
  c.TextoKp = Numero(s.Kp);
  c.TextoTi = Numero(s.Ti);
  c.TextoTd = Numero(s.Td);
  c.TextoTf = Numero(s.Tf);
  c.AcaoI = s.Ti > 0.0;
  c.AcaoD = s.Td > 0.0;
  c.ItemAcao = reversa ? 0 : 1;
  Aplica(doc, c);
  c.SP = sp;
  if (!c.ModoAuto) c.AlternaAutoManual();
  return c;
}

TextoAnimado& NovoMostrador(Documento& doc, int n, int endereco, const std::string& descricao,
                            int decimais, int x, int y) {
  TextoAnimado& t = doc.NovoTexto(n);
  t.Tipo = 0;
  t.ItemVariavel = endereco - 1;
  t.Descricao = descricao;
  t.CasasDecimais = decimais;
  Aplica(doc, t);
  Coloca(doc, TipoObjeto::Texto, n, x, y);
  return t;
}

void Comenta(Documento& doc, std::vector<std::string> portugues, std::vector<std::string> ingles) {
  doc.comentarios.Exibir = true;
  doc.comentarios.Portugues = std::move(portugues);
  doc.comentarios.Ingles = std::move(ingles);
}

void Aquece(Documento& doc, double segundos) {
  Simulacao& s = doc.simulacao;
  const long passos = std::lround(segundos / s.dt);
  for (long i = 0; i < passos; ++i) s.PassoObjetos();
}

}  // namespace quiv::exemplos

namespace quiv::exemplos {

Dinamica TempoMortoPuro(const std::string& L) {
  return {.T1 = "0", .tempoMorto = L, .semSaturador = true};
}

Processo& NovoTrecho(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                     int entrada, const Dinamica& d, int x, int y) {
  Processo& p = doc.NovoProcesso(n);
  p.Tag = tag;
  p.Descricao = descricao;
  p.ItemEntrada = entrada - 1;
  p.Tal1 = d.T1;
  p.Tal2 = d.T2;
  p.TempoMorto = d.tempoMorto;
  p.Ganho = d.ganho;
  p.TipoValvula = d.curva;
  p.Agarramento = d.agarramento;
  p.Histerese = d.histerese;
  p.LimiteTaxa = d.limiteTaxa;
  p.SaturadorDesligado = d.semSaturador;
  Aplica(doc, p);
  if (x >= 0) Coloca(doc, TipoObjeto::Processo, n, x, y);
  return p;
}

Processo& NovoProcesso(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                       int entrada, double K, double T1, double T2, double L, int x, int y) {
  return NovoTrecho(
      doc, n, tag, descricao, entrada,
      {.T1 = Numero(T1), .T2 = Numero(T2), .tempoMorto = Numero(L), .ganho = Numero(K)}, x, y);
}

Processo& NovoIntegrador(Documento& doc, int n, const std::string& tag,
                         const std::string& descricao, int entrada, const std::string& ganho,
                         const std::string& inicial, int x, int y) {
  Processo& p = doc.NovoProcesso(n);
  p.Tag = tag;
  p.Descricao = descricao;
  p.ItemEntrada = entrada - 1;
  p.TipoFuncao = Processo::kIntegrador;
  p.Ganho = ganho;
  p.DefineValorInicial(inicial);
  Aplica(doc, p);
  if (x >= 0) Coloca(doc, TipoObjeto::Processo, n, x, y);
  return p;
}

Bloco& NovoBloco(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                 const std::string& funcao, int x, int y) {
  return NovoBloco(doc, n, tag, descricao, funcao, Limites{}, x, y);
}

Bloco& NovoBloco(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                 const std::string& funcao, const Limites& limites, int x, int y) {
  Bloco& b = doc.NovoBloco(n);
  b.Tag = tag;
  b.Descricao = descricao;
  b.Funcao = funcao;
  if (!limites.inferior.empty()) {
    b.LimiteInferiorAtivo = true;
    b.LimiteInferior = limites.inferior;
  }
  if (!limites.superior.empty()) {
    b.LimiteSuperiorAtivo = true;
    b.LimiteSuperior = limites.superior;
  }
  Aplica(doc, b);
  if (x >= 0) Coloca(doc, TipoObjeto::Bloco, n, x, y);
  return b;
}

Controlador& NovoEscravo(Documento& doc, int n, const std::string& tag,
                         const std::string& descricao, int enderecoPV, int spr, Sintonia s,
                         bool reversa) {
  Controlador& c = NovaMalha(doc, n, tag, descricao, enderecoPV, 50.0, s, reversa);
  c.HabilitaSPR = true;
  c.ItemSPR = spr - 1;
  Aplica(doc, c);
  if (c.ModoLocal) c.AlternaLocalRemoto();
  return c;
}

void SegueEscravo(Documento& doc, Controlador& mestre, int saidaEscravo) {
  mestre.HabilitaBackMV = true;
  mestre.ItemBackMV = saidaEscravo - 1;
  Aplica(doc, mestre);
}

void Compensa(Documento& doc, Controlador& c, const std::string& equacao) {
  c.HabilitaFF = true;
  c.EquacaoFF = equacao;
  Aplica(doc, c);
}

void Polariza(Documento& doc, Controlador& c, const std::string& bias) {
  c.TextoBias = bias;
  Aplica(doc, c);
}

}  // namespace quiv::exemplos
