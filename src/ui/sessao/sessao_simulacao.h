// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/arquivo/documento.h"

class QTimer;
class QUndoCommand;
class QUndoStack;

namespace quiv {

// The document of one open simulation: it owns the simulation's model (the
// plant, the panel, the positions, the comments, title and picture name), the
// scan timer and the save state, runs the scan cycles and tells the
// windows after each cycle and each change. Windows read and change the model
// through it and never step it themselves.
//
// An error raised by a step ends that cycle; the next cycle runs as usual. The
// error is shown to the user in an information box, opened from the event loop
// just after the cycle, but a persistent error is not shown again every 100 ms:
//  - while an error box is open (or about to open) no other error box is shown;
//    the cycles go on underneath it;
//  - during an uninterrupted run of failing cycles each distinct message is
//    shown once; the first cycle that completes clears this memory, so an
//    error that comes back after a clean cycle is shown again.
class SessaoSimulacao : public QObject {
  Q_OBJECT

 public:
  explicit SessaoSimulacao(QObject* pai = nullptr);
  ~SessaoSimulacao() override;

  Documento& documento() { return documento_; }
  const Documento& documento() const { return documento_; }
  Simulacao& simulacao() { return documento_.simulacao; }
  const Simulacao& simulacao() const { return documento_.simulacao; }
  bool IdiomaIngles() const { return documento_.simulacao.IdiomaIngles; }
  // The interface language of this run, decided once at start (before the
  // windows are made): bilingual texts of the plant show their English half.
  void DefineIdiomaIngles(bool ingles) { documento_.simulacao.IdiomaIngles = ingles; }

  // The scan timer: period Simulacao::PeriodoMs, running from construction.
  QTimer& Temporizador() const { return *temporizador_; }

  // One scan cycle at the current time of day: what every tick of the scan timer runs.
  void ExecutaCiclo();
  // One scan cycle at the given time (ms since midnight), with the same error
  // handling.
  void ExecutaCiclo(double agoraMs);

  // Pause and resume: toggles the scan timer between running and stopped.
  void AlternaPausa();
  bool Pausada() const;

  // An off-line job (fast simulation, XY run, tuning test) on an exact copy
  // of the plant as it stands: the scan stops while the job takes the CPU and
  // runs again afterwards if it was running, however the job ends, so the
  // live plant goes on exactly where it was. The job gets the copy; an
  // exception it throws reaches the caller.
  void RodaNaCopia(const std::function<void(Documento& copia)>& trabalho);
  // The pause part alone, for a job that keeps its copy beyond the run.
  void RodaPausada(const std::function<void()>& trabalho);

  // Window that owns the boxes (none: the active window).
  void DefineJanelaDeMensagens(QWidget* janela);
  QWidget* JanelaDeMensagens() const { return janelaDeMensagens_; }

  // Edits of the plant's definition are commands on this stack: each
  // changes the model and announces what changed, and can be undone. New and
  // a load empty it.
  QUndoStack& Pilha() const { return *pilha_; }
  // Runs an edit and keeps it for undo (the stack takes it over).
  void Executa(QUndoCommand* comando);
  // An operator action on the running plant (a live field, a value typed on
  // the picture): done at once, never undone; the simulation counts as
  // modified.
  void Opera(const std::function<void(Documento&)>& operacao);
  // The failed checks of one apply, each listed once, in one box.
  void InformaFalhas(const std::vector<std::string>& falhas);

  // Save state: saved while the undo stack stands where it was saved and no
  // operator action changed the plant since. Saving, loading and New mark it
  // saved. Changes reach the windows through SalvoMudou.
  bool Salvo() const;
  void MarcaModificado();
  void MarcaSalvo();

  // Path of the simulation's file; empty after New and before a first save.
  const QString& ArquivoAtual() const { return arquivoAtual_; }
  void DefineArquivoAtual(const QString& arquivo) { arquivoAtual_ = arquivo; }
  // Working folder at start: base of the example paths and the dialogs'
  // default folder.
  const QString& PastaInicial() const { return pastaInicial_; }
  // Folder chosen with "Pasta corrente..."; empty until then.
  const QString& PastaCorrente() const { return pastaCorrente_; }
  void DefinePastaCorrente(const QString& pasta) { pastaCorrente_ = pasta; }
  // Where the user left each object's window in this session; not stored in
  // the file. Another plant (New, a load) forgets them.
  std::optional<QPoint> LugarJanela(TipoObjeto tipo, int n) const;
  void GuardaLugarJanela(TipoObjeto tipo, int n, const QPoint& lugar);
  // The open and save dialogs start here: PastaCorrente, else PastaInicial.
  QString PastaDosDialogos() const;

  // The background picture's file, found from its bare name: in the folder
  // of the simulation's file, then the working folder, then the folder it was
  // chosen from in this run. Empty when there is none.
  QString CaminhoFigura() const;
  // The picture chosen in the configuration dialog: its bare name becomes the
  // simulation's (an edit, undone like the others), and its folder is
  // remembered for the lookup above.
  void EscolheFigura(const QString& caminho);

  // Writes the simulation to `arquivo` (no name rule is applied here). On
  // success the session marks itself saved and returns true; on failure the
  // user is told why and the simulation stays modified.
  bool SalvaSimulacao(const QString& arquivo);
  // "Salvar Como", and "Salvar" of a simulation without a file: the naming
  // rules of ArquivoDoNomeEscolhido and TitulaPeloNomeEscolhido, then
  // SalvaSimulacao.
  bool SalvaComNomeEscolhido(const QString& escolhido);
  // Reads `arquivo` into the document with the scan timer stopped, telling the
  // progress to the windows. The failed checks of the apply operations are
  // shown one information box each, in file order, once the reading is over.
  // A missing file shows "Arquivo não encontrado" and changes nothing. A load
  // that stops shows its message (file, line, label) and keeps what was
  // read; the timer then runs again so the screen stays usable. Returns
  // whether the whole file was read; then ArquivoAtual is the file and the
  // simulation is marked saved.
  bool LeSimulacao(const QString& arquivo);
  // Reads a simulation file's bytes kept elsewhere (a recovery copy) as
  // LeSimulacao reads a file, into a cleared document, for a simulation whose
  // file is `arquivo` (empty: never saved). The simulation is marked modified,
  // since `arquivo` does not hold what was read, and the recent files do not
  // change. Returns whether the whole text was read.
  bool RestauraSimulacao(std::string_view conteudo, const QString& arquivo);
  // New: the document back to its empty start (the main window's places,
  // hidden controls, a fresh configuration); the windows reread everything.
  void NovaSimulacao();

  // An object's form was applied (or the apply undone): its window rereads
  // it and the main window refreshes its layout.
  void AvisaObjetoAlterado(TipoObjeto tipo, int n) {
    emit ObjetoAlterado(tipo, n);
    emit AtualizaTelaPedida();
  }

  // The signal generator's rows were applied (or the apply undone): its
  // window rereads them.
  void AvisaGeradorAlterado() { emit GeradorAlterado(); }
  // The variable list's descriptors went to the plant (or back): the list
  // shows them again, and the panel its data entries' hints.
  void AvisaDescritoresAlterados() {
    emit DescritoresAlterados();
    emit PainelAlterado();
  }

  // Views ask for the main window's layout refresh (AtualizaTela) after they
  // change an object; the main window answers AtualizaTelaPedida.
  void PedeAtualizaTela() { emit AtualizaTelaPedida(); }
  // A panel control, shape or position changed in the model: the main window
  // shows it again (without the layout refresh's captions).
  void AvisaPainelAlterado() { emit PainelAlterado(); }
  // The inclusion of an object changed (included, deleted): the
  // configuration dialog refreshes its include boxes.
  void AvisaInclusaoAlterada() { emit InclusaoAlterada(); }
  // The panel's configuration went back (undo) or forth (redo): the
  // configuration dialog rereads it and the main window shows the panel.
  void AvisaConfiguracaoRestaurada() {
    emit ConfiguracaoRestaurada();
    emit PainelAlterado();
  }
  // The comments changed: the comments pane shows them again.
  void AvisaComentariosAlterados() { emit ComentariosAlterados(); }
  // The title changed: the main window's caption follows.
  void AvisaTituloAlterado() { emit TituloAlterado(); }
  // The background picture's name changed: the main window loads it again.
  void AvisaFiguraAlterada() { emit FiguraAlterada(); }

  // Most recently used files, newest first (kept in the user's settings).
  QStringList ArquivosRecentes() const;

 signals:
  // After every cycle of the live plant, also one that an error ended. The
  // off-line runs step copies and announce nothing, so a window refreshing
  // from it never sees a plant in the middle of one.
  void CicloExecutado();
  // Every sixth cycle, after the animated texts, shapes and push-button texts
  // were recomputed.
  void DisplaysAtualizados();
  void SalvoMudou(bool salvo);
  // The user paused or resumed the scan, or a load resumed it. The off-line
  // runs pause it only while they work and announce nothing.
  void PausaMudou(bool pausada);
  void AtualizaTelaPedida();
  void ObjetoAlterado(TipoObjeto tipo, int n);
  void GeradorAlterado();
  void DescritoresAlterados();
  void PainelAlterado();
  void InclusaoAlterada();
  void TituloAlterado();
  void ComentariosAlterados();
  void ConfiguracaoRestaurada();
  void FiguraAlterada();
  // The whole document was replaced or cleared (New, a load): every view
  // rereads it.
  void DocumentoRecarregado();
  // Reading a file: 5 when it starts, then as the reader goes (10 … 100);
  // -1 when the progress box can close.
  void ProgressoLeitura(int percentual);
  void ArquivosRecentesMudaram();

 private:
  void RelataErro(const QString& mensagem);
  void Informa(const QString& texto);
  void LembraRecente(const QString& arquivo);
  void AnunciaSalvo();
  // The load shared by LeSimulacao and RestauraSimulacao: `le` reads into the
  // document (false: the file is missing); once all was read, `arquivo`
  // becomes ArquivoAtual.
  bool Carrega(const std::function<bool(const std::function<void(int)>&)>& le,
               const QString& arquivo);

  Documento documento_;
  QTimer* temporizador_;
  QPointer<QWidget> janelaDeMensagens_;
  bool caixaDeErroAberta_ = false;
  QSet<QString> errosMostrados_;  // in the current run of failing cycles
  QUndoStack* pilha_;
  bool operacaoNaoSalva_ = false;  // an operator action since the last save
  bool salvoAnunciado_ = true;
  QString arquivoAtual_;
  QString pastaInicial_;
  QString pastaCorrente_;
  QString pastaFiguraEscolhida_;
  QStringList mensagensPendentes_;  // failed checks of the running load
  QHash<QPair<int, int>, QPoint> lugaresJanelas_;
};

}  // namespace quiv
