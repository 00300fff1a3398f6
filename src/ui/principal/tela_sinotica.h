// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QWidget>
#include <array>
#include <functional>

#include "core/arquivo/posicoes.h"
#include "ui/sessao/comandos_planta.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace quiv {

class FormaTela;
class SessaoSimulacao;

// Something the user can pick up on the synoptic screen.
// The synoptic screen of the main window: the background picture Image1, the
// object buttons, the animated texts with their title labels, the shapes,
// the switches, the command panel with its push buttons and the data
// entries, each at the place the document keeps for it. Positions are pixels
// of this widget, whose corner is the picture's: picture and objects stay
// together on any screen. The widget is as large as the picture and what
// stands beyond it; the main window centres it and scrolls it when larger.
//
// Move mode: a click on anything picks it up (ObjetoSelecionado, Arrastando
// toggles) and from then on it follows the pointer; a second click puts it
// down. Delete mode: a click on an object button or animated text removes
// the object; the panel controls act as usual. Both on: move. A click on the
// free area ends both modes.
class TelaSinotica : public QWidget {
  Q_OBJECT

 public:
  explicit TelaSinotica(SessaoSimulacao& sessao, QWidget* pai = nullptr);

  void DefineModoMover(bool ligado);
  void DefineModoExcluir(bool ligado);
  bool ModoMover() const { return modoMover_; }
  bool ModoExcluir() const { return modoExcluir_; }
  const ItemTela& ObjetoSelecionado() const { return selecionado_; }
  bool Arrastando() const { return arrastando_; }

  // The layout refresh: the document's (entry values, shapes, command panel,
  // captions), then every control shown from the model, object buttons
  // visible for included objects whose include box is checked, controller
  // captions blue in automatic and red in manual.
  void AtualizaTela();
  // The panel controls, shapes and every place shown from the model, as they
  // stand (no captions, no visibility of object buttons).
  void MostraPainel();
  // Every sixth cycle: animated texts, shapes, push-button state texts.
  void AtualizaDisplays();
  // Image1 from the session's picture (hidden when there is none).
  void CarregaFigura();
  // Fits the widget around the picture and every control shown.
  void AjustaTamanho();

  // What the pointer does on the free area, also on the margin around this
  // widget (positions in this widget's pixels): ends the modes, carries the
  // object picked up, reloads on a double click.
  void ClicaAreaLivre();
  void MoveAreaLivre(const QPoint& ponto);
  void DuploCliqueAreaLivre() { emit DuploClique(); }
  // The object's button (its animated text for a text) in screen
  // coordinates; empty when it has none on the screen.
  QRect LugarNaTela(TipoObjeto tipo, int n) const;

 signals:
  // Outside the modes, a click on an object's button or animated text.
  void AbreObjeto(TipoObjeto tipo, int n);
  // Delete mode removed an object (its window goes with it).
  // A click on the free area ended the modes (the menu's check marks follow).
  void ModosEncerrados();
  // Double click on the free area.
  void DuploClique();

 protected:
  bool eventFilter(QObject* alvo, QEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;

 private:
  struct Registro {
    ItemTela item;
    // Outside move mode (and outside delete mode for objects): what a click
    // does. Empty: the widget's own behaviour.
    std::function<void()> acao;
  };
  void Registra(QWidget* w, ItemTela item, std::function<void()> acao = {});
  void CriaObjetos();
  void CriaPainel();
  void CriaEntrada(int n);
  void Clica(QWidget* w, const Registro& registro);
  void Coloca(const QPoint& ponto);
  void ExcluiObjeto(TipoObjeto tipo, int n);
  // The carried item put down: its move becomes one edit.
  void Pousa();
  void AtualizaCursor();
  void MostraEntrada(int n);
  void MostraChave(int s);
  void MostraBotoes();
  void MostraForma(int n);
  QPushButton* Botao(TipoObjeto tipo, int n) const;

  SessaoSimulacao& sessao_;
  bool modoMover_ = false;
  bool modoExcluir_ = false;
  ItemTela selecionado_;
  bool arrastando_ = false;
  Lugar lugarInicial_;        // where the carried item was picked up
  bool preenchendo_ = false;  // the model is being shown: no handler writes back
  QHash<QWidget*, Registro> registros_;

  QLabel* figura_ = nullptr;
  // Indexed by the object's number (index 0 unused).
  std::array<QPushButton*, Simulacao::kControladores + 1> controles_{};
  std::array<QPushButton*, Simulacao::kProcessos + 1> processos_{};
  std::array<QPushButton*, Simulacao::kBlocos + 1> blocos_{};
  std::array<QPushButton*, Simulacao::kRegistradores + 1> registradores_{};
  std::array<QLabel*, Simulacao::kTextos + 1> textos_{};
  std::array<QLabel*, Simulacao::kTextos + 1> titulos_{};
  std::array<FormaTela*, 6> formas_{};
  std::array<std::array<QLabel*, 9>, 3> chaves_{};
  QGroupBox* painelComando_ = nullptr;
  std::array<QLabel*, 4> botaoSolto_{};
  std::array<QLabel*, 4> botaoPressionado_{};
  std::array<QLabel*, 4> botaoNome_{};
  std::array<QLabel*, 4> botaoTexto_{};
  std::array<QFrame*, 7> fundoEntrada_{};
  std::array<QLabel*, 7> nomeEntrada_{};
  std::array<QLineEdit*, 7> valorEntrada_{};
  std::array<QSlider*, 7> barraEntrada_{};
};

}  // namespace quiv
