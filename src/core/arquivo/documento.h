// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/arquivo/comentarios.h"
#include "core/arquivo/posicoes.h"
#include "core/nucleo/simulacao.h"
#include "core/objetos/bloco.h"
#include "core/objetos/controlador.h"
#include "core/objetos/gerador.h"
#include "core/objetos/linearizador.h"
#include "core/objetos/painel.h"
#include "core/objetos/processo.h"
#include "core/objetos/registrador.h"
#include "core/objetos/registrador_xy.h"
#include "core/objetos/texto_animado.h"

namespace quiv {

// Everything one simulation file holds: the plant with its objects, the
// operator panel, the XY recorder's choices, where every object sits on the
// main window, the comments, the title and the background picture's name.
// The panel and the objects keep a reference to `simulacao`, so a document
// is neither copied nor moved.
class Documento {
 public:
  // A plant without objects; the signal generator and the linearizer, which
  // every simulation has, are created here.
  Documento();
  Documento(const Documento&) = delete;
  Documento& operator=(const Documento&) = delete;

  Simulacao simulacao;
  Painel painel{simulacao};
  RegistradorXY registradorXY;
  Posicoes posicoes;
  Comentarios comentarios;
  TextoBilingue Titulo;     // main window's caption (both languages kept)
  std::string FiguraFundo;  // bare file name of the background picture; empty: none

  Gerador& gerador() const;
  Linearizador& linearizador() const;

  // One scan cycle of the simulation (the scan timer's tick) at the given
  // time of day: the plant's cycle, with the panel's shapes and push-button
  // texts refreshed every sixth cycle between the animated texts and the
  // steps, from the previous cycle's state. An Erro ends the cycle where it
  // happens (a shape naming no cell ends it before the steps) and propagates.
  void Ciclo(double agoraMs);

  // The instance in slot n, or nullptr when the slot is empty (or out of
  // range).
  Controlador* ControladorDe(int n) const;
  Processo* ProcessoDe(int n) const;
  Bloco* BlocoDe(int n) const;
  Registrador* RegistradorDe(int n) const;
  TextoAnimado* TextoDe(int n) const;

  // Includes a new instance in slot n (1 … the slot count), replacing one
  // that is there. Out of range throws Erro.
  Controlador& NovoControlador(int n);
  Processo& NovoProcesso(int n);
  Bloco& NovoBloco(int n);
  Registrador& NovoRegistrador(int n);
  TextoAnimado& NovoTexto(int n);

  // The object in a slot, whatever its kind; nullptr when the slot is empty.
  ObjetoCiclo* Objeto(TipoObjeto tipo, int n) const;
  // Puts an object made for this plant (ObjetoCiclo::CopiaPara) into its
  // slot, which must be empty: an object deleted and brought back.
  void Insere(TipoObjeto tipo, int n, std::unique_ptr<ObjetoCiclo> objeto);

  // Whether the object has a slot filled (the inclusion lines of the file).
  bool Incluido(TipoObjeto tipo, int n) const;

  // Its include box checked in the configuration dialog: an empty slot gets
  // a new object (with its identity number), and the box's state, which the
  // main window shows the button from, is set. Returns whether an object was
  // created; a slot already filled keeps its object.
  bool Inclui(TipoObjeto tipo, int n);
  // The main window's delete mode: the object is removed from its slot and
  // takes no part in the next cycle; its button loses its caption and hides;
  // its include box is cleared.
  void Exclui(TipoObjeto tipo, int n);

  // The caption of an include box (the configuration dialog's refresh): an
  // included object's tag, one blank and its description (an animated text:
  // its description alone), in the interface language; an empty slot's text
  // otherwise.
  std::string LegendaInclusao(TipoObjeto tipo, int n) const;
  // "<vago> Controlador 1" … ("<empty> Controller 1" in English).
  static std::string LegendaVaga(TipoObjeto tipo, int n, bool ingles);

  // The model half of the main window's layout refresh, in its order: the
  // visible data entries show their cells in engineering units; the enabled
  // shapes take kind, colour and size; the command panel's height follows
  // its enabled push buttons (hidden without any); the object buttons take
  // their tags as captions (AtualizaLegendas). The window then shows what
  // the model holds.
  void AtualizaTela();

  // The main window's layout refresh of the object buttons: the caption of
  // every included controller, process, calculation block and trend
  // recorder becomes its tag (both languages, as the tag holds them).
  // Animated texts have no caption: their title label shows the text's
  // description, which the file does not keep in the positions block. Runs
  // at the end of every load, so saving a loaded file writes the tags as
  // captions.
  void AtualizaLegendas();

  // After a load: each controller's output and set point, each process's
  // output and actuator position go back into their cells; then the
  // generator's equation channels are computed on them, the calculation
  // blocks evaluated once in scan order and, when active, the linearizer
  // after them, as the scan orders them. So every derived cell holds its
  // resting value and the first scan reads the plant where it was saved
  // instead of zeros. Nothing else steps: no random draw, no sine's clock,
  // no filter moves before the first scan.
  void RetomaSaidas();

  // New: clears the simulation back to its empty start, in this order: the
  // comment lines (both languages; the show-comments flag is the menu's and
  // stays); the memory table (cells 0, descriptions and descriptors at their
  // start, except that M01 … M99 get UEMin "0.00" where the program's start
  // has "0.0"); a fresh signal generator; the operator panel rebuilt (every
  // control hidden, at its start position, sliders at 0); every object
  // removed (controllers, recorders, processes, blocks, texts); the main
  // window's places back to their start, captions empty, nothing shown; a
  // fresh linearizer, not active; title and background picture empty. The
  // XY recorder's choices, the step, the timer period and the scan-cycle
  // counters are the program's, not the simulation's, and stay.
  void NovaSimulacao();

  // Start places of the object buttons and texts on the main window:
  // controller k (3 + 40(k−1), 3), recorder k (515 + 40(k−1), 3), process k
  // (2 + 39(k−1), 39) and block k (2 + 39(k−1), 63) for k ≤ 23, process and
  // block 24 at left 914 (tops 39, 63), animated texts (457, 24); captions
  // empty, nothing shown. (A new document leaves its places at 0; the main
  // window applies these at start.)
  static void PosicoesIniciais(Posicoes& posicoes);
};

}  // namespace quiv
