#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include "core/nucleo/simulacao.h"

class QTimer;

namespace quiv {

// The document of one open simulation: it owns the simulated plant and the
// scan timer Timer1, runs the scan cycles and tells the windows after each one.
// Windows read the plant through it and never step it themselves.
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

  Simulacao& simulacao() { return simulacao_; }
  const Simulacao& simulacao() const { return simulacao_; }

  // The scan timer: period Simulacao::PeriodoMs, running from construction.
  QTimer& Timer1() const { return *timer1_; }

  // One scan cycle at the current time of day: what every Timer1 timeout runs.
  void Timer1Timer();
  // One scan cycle at the given time (ms since midnight), with the same error
  // handling.
  void Timer1Timer(double agoraMs);

  // Pause and resume: toggles Timer1 between running and stopped.
  void AlternaPausa();
  bool Pausada() const;

  // Window that owns the error boxes (none: the active window).
  void DefineJanelaDeMensagens(QWidget* janela);

 signals:
  // After every cycle, also one that an error ended.
  void CicloExecutado();

 private:
  void RelataErro(const QString& mensagem);

  Simulacao simulacao_;
  QTimer* timer1_;
  QPointer<QWidget> janelaDeMensagens_;
  bool caixaDeErroAberta_ = false;
  QSet<QString> errosMostrados_;  // in the current run of failing cycles
};

}  // namespace quiv
