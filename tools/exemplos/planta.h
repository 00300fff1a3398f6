// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/arquivo/posicoes.h"
#include "core/objetos/bloco.h"
#include "core/objetos/controlador.h"
#include "core/objetos/processo.h"
#include "core/objetos/registrador.h"
#include "core/objetos/texto_animado.h"

// Short forms for building an example plant. Every object they create is
// applied (AtualizaParametros) and shown on the synoptic screen at the given
// point; an apply that fails stops the generator with its message, so no
// example ships with a parameter the program would refuse.
namespace quiv::exemplos {

// The engineering view of cell `endereco`: unit, range (the limits follow
// the range) and, when not empty, its description.
void Descreve(Documento& doc, int endereco, const std::string& unidade, double inicio, double fim,
              const std::string& descricao = {});

// Puts the button (or text) of object n at (x, y) of the picture and shows it.
void Coloca(Documento& doc, TipoObjeto tipo, int n, int x, int y);

// Applies an object and stops the generator when a check fails.
void Aplica(Documento& doc, Processo& p);
void Aplica(Documento& doc, Controlador& c);
void Aplica(Documento& doc, Bloco& b);
void Aplica(Documento& doc, TextoAnimado& t);

// A controller in automatic at `sp` (% of its PV's range), applied: Kp, Ti (s,
// 0 none), Td (s) and the transmitter filter Tf (s); `reversa` for a process
// whose PV falls when the output rises (e = PV − SP).
struct Sintonia {
  double Kp = 1.0;
  double Ti = 10.0;
  double Td = 0.0;
  double Tf = 0.0;
};
Controlador& NovaMalha(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                       int enderecoPV, double sp, Sintonia s, bool reversa = false);

// An animated text showing cell `endereco` in engineering units with the
// given decimals, its title `descricao` ("Nível|Level").
TextoAnimado& NovoMostrador(Documento& doc, int n, int endereco, const std::string& descricao,
                            int decimais, int x, int y);

// The comment panel in both languages.
void Comenta(Documento& doc, std::vector<std::string> portugues, std::vector<std::string> ingles);

// Runs the plant `segundos` simulated seconds at its dt (objects only, no
// clock), so a saved file starts where the plant settles.
void Aquece(Documento& doc, double segundos);

}  // namespace quiv::exemplos

namespace quiv::exemplos {

// The texts of a process block as the program keeps them (numbers or
// expressions): lags T1, T2 and dead time (s), gain, and what the final
// element adds: its gain curve, stiction and backlash (%), a rate limit
// (%/s, 0 none). `semSaturador` lets the output leave 0 … 100 %, for a
// process that carries a deviation.
struct Dinamica {
  std::string T1 = "10";
  std::string T2 = "0";
  std::string tempoMorto = "0";
  std::string ganho = "1";
  int curva = Processo::kLinear;
  std::string agarramento = "0";
  std::string histerese = "0";
  std::string limiteTaxa = "0";
  bool semSaturador = false;
};

// A pure dead time L (s, or an expression) on a deviation: no lag, no
// saturator.
Dinamica TempoMortoPuro(const std::string& L);

// A process block from `entrada` (a cell) with dynamics d, applied; shown at
// (x, y) when x ≥ 0.
Processo& NovoTrecho(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                     int entrada, const Dinamica& d, int x = -1, int y = 0);

// A process block from `entrada` (a cell) with gain K, lags T1, T2 (s) and
// dead time L (s), applied and shown at (x, y).
Processo& NovoProcesso(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                       int entrada, double K, double T1, double T2, double L, int x, int y);

// An integrating process (a level, a stored energy): y' = ganho·x, starting
// at `inicial` %, applied; shown at (x, y) when x ≥ 0.
Processo& NovoIntegrador(Documento& doc, int n, const std::string& tag,
                         const std::string& descricao, int entrada, const std::string& ganho,
                         const std::string& inicial, int x = -1, int y = 0);

// A calculation block with its expression, applied; shown at (x, y) when
// x ≥ 0.
Bloco& NovoBloco(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                 const std::string& funcao, int x = -1, int y = 0);

// The same with its output clamped: an empty limit is off.
struct Limites {
  std::string inferior = {};
  std::string superior = {};
};
Bloco& NovoBloco(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                 const std::string& funcao, const Limites& limites, int x = -1, int y = 0);

// A slave loop: its set point is the cell `spr` (a master's output or a
// calculation), in remote.
Controlador& NovoEscravo(Documento& doc, int n, const std::string& tag,
                         const std::string& descricao, int enderecoPV, int spr, Sintonia s,
                         bool reversa = false);

// A master whose integral waits while its slave's output is saturated.
void SegueEscravo(Documento& doc, Controlador& mestre, int saidaEscravo);

// A loop's feed-forward: its bias becomes the expression.
void Compensa(Documento& doc, Controlador& c, const std::string& equacao);

// A loop's fixed bias (% of output).
void Polariza(Documento& doc, Controlador& c, const std::string& bias);

}  // namespace quiv::exemplos

namespace quiv::exemplos {

// Data entry n (cell M(14+n)) named `nome`, range inicio … fim in `unidade`,
// at `valor` (engineering units), its panel at (x, y).
void NovaEntrada(Documento& doc, int n, const std::string& nome, const std::string& unidade,
                 double inicio, double fim, double valor, int x, int y);

// Data entry n named `nome` on a cell already described, its slider at
// `posicao` (0 … 10000), its panel at (x, y).
void NovaEntrada(Documento& doc, int n, const std::string& nome, int posicao, int x, int y);

// Switch n (cell M(10+n)) switched on and shown at (x, y).
void LigaChave(Documento& doc, int n, int x, int y);

// Slow random steps of ±amplitude % on generator channel `canal` (M81 …).
void DegrausAleatorios(Documento& doc, int canal, const std::string& amplitude);

// Trend recorder n following loop k (its PV, SP and output), at (x, y).
void NovoRegistro(Documento& doc, int n, const std::string& tag, int malha, int x, int y);

// The same with its description and time base item (0: 3 s, 1: 9 s, 2: 1 min).
Registrador& NovoRegistro(Documento& doc, int n, const std::string& tag,
                          const std::string& descricao, int malha, int x, int y, int baseTempo = 0);

// Trend recorder n with three chosen pens: a cell and its name each.
struct Pena {
  int endereco;
  std::string nome;
};
Registrador& NovoRegistro(Documento& doc, int n, const std::string& tag,
                          const std::string& descricao, const Pena& p1, const Pena& p2,
                          const Pena& p3, int x, int y, int baseTempo = 0);

}  // namespace quiv::exemplos
