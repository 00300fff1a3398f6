#pragma once

#include <string>

#include "core/bloco.h"
#include "core/comentarios.h"
#include "core/controlador.h"
#include "core/gerador.h"
#include "core/linearizador.h"
#include "core/painel.h"
#include "core/posicoes.h"
#include "core/processo.h"
#include "core/registrador.h"
#include "core/registrador_xy.h"
#include "core/simulacao.h"
#include "core/texto_animado.h"

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
  std::string Titulo;       // main window's caption
  std::string FiguraFundo;  // bare file name of the background picture; empty: none

  Gerador& gerador() const;
  Linearizador& linearizador() const;

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

  // Whether the object has a slot filled (the inclusion lines of the file).
  bool Incluido(TipoObjeto tipo, int n) const;
};

}  // namespace quiv
