// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/arquivo/posicoes.h"
#include "core/objetos/bloco.h"
#include "core/objetos/controlador.h"
#include "core/objetos/processo.h"
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
// 0 none), Td (s); `reversa` for a process whose PV falls when the output
// rises (e = PV − SP).
struct Sintonia {
  double Kp = 1.0;
  double Ti = 10.0;
  double Td = 0.0;
};
Controlador& NovaMalha(Documento& doc, int n, const std::string& tag,
                       const std::string& descricao, int enderecoPV, double sp, Sintonia s,
                       bool reversa = false);

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

// A process block from `entrada` (a cell) with gain K, lags T1, T2 (s) and
// dead time L (s), applied and shown at (x, y).
Processo& NovoProcesso(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                       int entrada, double K, double T1, double T2, double L, int x, int y);

// A calculation block with its expression, applied; shown at (x, y) when
// x ≥ 0.
Bloco& NovoBloco(Documento& doc, int n, const std::string& tag, const std::string& descricao,
                 const std::string& funcao, int x = -1, int y = 0);

// Data entry n (cell M(14+n)) named `nome`, range inicio … fim in `unidade`,
// at `valor` (engineering units), its panel at (x, y).
void NovaEntrada(Documento& doc, int n, const std::string& nome, const std::string& unidade,
                 double inicio, double fim, double valor, int x, int y);

// Trend recorder n following loop k (its PV, SP and output), at (x, y).
void NovoRegistro(Documento& doc, int n, const std::string& tag, int malha, int x, int y);

}  // namespace quiv::exemplos
