// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include "core/arquivo/posicoes.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollArea;
class QTextEdit;

namespace quiv {

class SessaoSimulacao;
class DialogoConfiguracao;
class JanelaGerador;
class JanelaSimulacaoRapida;
class JanelaRegistradorXY;
class JanelaListaVariaveis;
class GaleriaExemplos;
class TelaSinotica;

// The main window: the synoptic screen of the simulated plant, its menu with
// the file commands, the save indicator, the comments pane and the help bar.
// It views the session; the session owns the document and the scan timer.
class JanelaPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  explicit JanelaPrincipal(SessaoSimulacao& sessao, QWidget* pai = nullptr);
  ~JanelaPrincipal() override;

  TelaSinotica& Tela() const { return *tela_; }
  DialogoConfiguracao& DialogoDeConfiguracao() const { return *dialogoConfiguracao_; }
  JanelaGerador& JanelaDoGerador() const { return *janelaGerador_; }
  // The window of an object, once it was opened (nullptr before and after
  // the object is deleted).
  QWidget* JanelaDe(int tipo, int n) const { return janelas_.value({tipo, n}); }

  // The file commands of the menu.
  void NovaSimulacao();
  // "Exemplos": asks to save, clears the simulation and shows the gallery.
  void EscolheExemplo();
  // The gallery in place of the screen, with only the file menu (at start).
  void MostraGaleria();
  bool GaleriaVisivel() const;
  // A card's file, read without asking anything; the gallery closes when it
  // was read, and the save item stays hidden (an example is saved with
  // "Salvar Como...").
  void AbreExemplo(const QString& arquivo);
  void Abre();
  void Salva();
  void SalvaComo();
  void EscolhePastaCorrente();
  // Opens a file without the open dialog (command line, recent files): the
  // save question, then the file read into a cleared simulation.
  void AbreArquivo(const QString& arquivo);
  // A simulation put into the session outside the file menu (a recovery
  // copy): the screen with the simulation's menus as after Open, its file's
  // folder the working folder, the save item shown unless the file is a
  // shipped example (whose changes go to "Salvar Como...").
  void MostraSimulacaoRestaurada();

  // The layout refresh (AtualizaTela) of the synoptic screen.
  void AtualizaTela();
  // Opens an object's window, as a click on its button does outside the
  // modes (tipo: a TipoObjeto).
  void AbreObjeto(int tipo, int n);

 protected:
  void closeEvent(QCloseEvent* evento) override;
  // A click on the help bar's text opens the website.
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  void CriaMenu();
  void CriaCentro();
  // The save question of New, Open and Exit (Yes, No, Cancel). Returns
  // false when the command stops: Cancel, the file dialog cancelled after
  // Yes, or a save that failed; nothing is lost.
  bool PerguntaSalvar();
  void EscondeGaleria();
  // A page of the website, when the computer is online.
  void AbrePagina(const char* caminho);
  void MostraSobre();
  // "Select Language": stores the choice for the next start.
  void EscolheIdioma(bool ingles);
  // The save dialog; returns the chosen name as typed, or empty.
  QString DialogoSalvar();
  // The simulation's menu items (everything but "Arquivo" and "Ajuda"),
  // shown once a simulation exists.
  void MostraMenus(bool visivel);
  void MostraSalvo();
  void MostraTitulo();
  // After asking to save: the document back to empty, titled as new; false
  // when the user cancelled.
  bool RecomecaVazia();
  void MostraComentarios();
  void MostraProgresso(int percentual);
  void AtualizaRecentes();
  void RecarregaFiguraEDescricao();
  // The comments pane takes the keyboard (edit) or is only read.
  void EditaComentarios(bool editar);
  // Before an object's window shows: where the user left it in this
  // session, otherwise beside its button.
  void ColocaJanela(QWidget& janela, TipoObjeto tipo, int n);
  // Closes and frees one object's window, or every one (New, a load).
  void FechaJanela(int tipo, int n);
  void FechaJanelas();

  SessaoSimulacao& sessao_;
  TelaSinotica* tela_ = nullptr;
  DialogoConfiguracao* dialogoConfiguracao_ = nullptr;
  JanelaGerador* janelaGerador_ = nullptr;
  JanelaRegistradorXY* janelaRegistradorXY_ = nullptr;
  JanelaSimulacaoRapida* janelaSimulacaoRapida_ = nullptr;
  JanelaListaVariaveis* janelaListaVariaveis_ = nullptr;
  QHash<QPair<int, int>, QPointer<QWidget>> janelas_;
  QScrollArea* rolagem_ = nullptr;
  GaleriaExemplos* galeria_ = nullptr;
  QTextEdit* comentarios_ = nullptr;
  QGroupBox* caixaProgresso_ = nullptr;
  QProgressBar* barraProgresso_ = nullptr;
  QString legendaPadrao_;
  bool preenchendoComentarios_ = false;

  QAction* acaoSalvar_ = nullptr;
  QMenu* menuArquivo_ = nullptr;
  QAction* acaoNovo_ = nullptr;
  QAction* acaoAbrir_ = nullptr;
  QMenu* menuRecentes_ = nullptr;
  QAction* acaoSalvarComo_ = nullptr;
  QAction* acaoSair_ = nullptr;
  QMenu* menuIdioma_ = nullptr;
  QAction* acaoPastaCorrente_ = nullptr;
  QAction* acaoExemplos_ = nullptr;
  QAction* acaoConfiguracao_ = nullptr;
  QAction* acaoGerador_ = nullptr;
  QAction* acaoSimulacaoRapida_ = nullptr;
  QAction* acaoListaVariaveis_ = nullptr;
  QAction* acaoRegistradorXY_ = nullptr;
  QMenu* menuOpcoes_ = nullptr;
  QMenu* menuEditar_ = nullptr;
  QAction* acaoDesfazer_ = nullptr;
  QAction* acaoRefazer_ = nullptr;
  QAction* acaoPausar_ = nullptr;
  QAction* acaoMover_ = nullptr;
  QAction* acaoExcluir_ = nullptr;
  QMenu* menuAjuda_ = nullptr;
  QAction* acaoComentarios_ = nullptr;
  QAction* acaoEditarComentarios_ = nullptr;
};

}  // namespace quiv
