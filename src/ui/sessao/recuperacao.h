// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QTimer;
class QWidget;

namespace quiv {

class SessaoSimulacao;
struct CopiaRecuperacao;

// The recovery copy of one running program. While its session has unsaved
// changes, the simulation is written every Intervalo() into a copy of this
// program's own (see CopiaRecuperacao) in Pasta(), next to a lock file that
// this program holds while the copy exists. Saving, New and Open (the
// session turns saved) and the normal end of the program (this object goes)
// remove both. The timer is its own, not the scan timer: it runs while the
// plant is paused and while a modal box or dialog is open.
//
// A copy whose lock no running program holds (a lock left by a process that
// no longer exists counts as free) was left by a run that ended abnormally;
// the start offers it back. Copies of programs still running are left alone.
class Recuperacao : public QObject {
  Q_OBJECT

 public:
  explicit Recuperacao(SessaoSimulacao& sessao, const QString& pasta = PastaPadrao());
  // The end of a normal run: the copy goes.
  ~Recuperacao() override;

  // "recuperacao" in the user's data folder.
  static QString PastaPadrao();
  // Two minutes, or the milliseconds in QUIV_RECUPERACAO_MS (for tests).
  static int IntervaloPadrao();

  const QString& Pasta() const { return pasta_; }
  int Intervalo() const;
  void DefineIntervalo(int ms);
  // This program's copy; it exists only while the simulation is unsaved and
  // a first interval has passed.
  const QString& ArquivoCopia() const { return arquivo_; }

  // At start: each copy left by a run that ended abnormally, newest first,
  // offered in a question naming its file and its time. Yes restores it into
  // the session (modified, its file the user's file) and stops there, No
  // discards it; a damaged copy is reported and discarded. Returns whether a
  // copy was restored; copies after it stay for a later start.
  bool OfereceAbandonadas(QWidget* janela);

 private:
  void Grava();
  void Remove();
  QString TextoPergunta(const CopiaRecuperacao& copia) const;

  SessaoSimulacao& sessao_;
  QString pasta_;
  QString arquivo_;
  QTimer* timer_;
  std::unique_ptr<QLockFile> trava_;  // held while arquivo_ exists
};

}  // namespace quiv
