#include "ui/sessao_simulacao.h"

#include <QTimer>
#include <exception>

#include "core/nucleo/erro.h"
#include "ui/interacao.h"

namespace quiv {

SessaoSimulacao::SessaoSimulacao(QObject* pai) : QObject(pai), timer1_(new QTimer(this)) {
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setTimerType(Qt::PreciseTimer);
  timer1_->setInterval(simulacao_.PeriodoMs);
  connect(timer1_, &QTimer::timeout, this, qOverload<>(&SessaoSimulacao::Timer1Timer));
  timer1_->start();
}

SessaoSimulacao::~SessaoSimulacao() = default;

void SessaoSimulacao::Timer1Timer() { Timer1Timer(MilissegundosDoDia()); }

void SessaoSimulacao::Timer1Timer(double agoraMs) {
  // Nothing may escape into Qt's event loop, so every exception ends here.
  bool falhou = true;
  QString erro;
  try {
    simulacao_.Ciclo(agoraMs);
    falhou = false;
  } catch (const std::exception& e) {
    erro = QString::fromStdString(e.what());
  } catch (...) {
    erro = tr("Erro desconhecido no ciclo de simulação");
  }
  if (!falhou) errosMostrados_.clear();
  emit CicloExecutado();
  if (falhou) RelataErro(erro);
}

void SessaoSimulacao::RelataErro(const QString& mensagem) {
  if (caixaDeErroAberta_ || errosMostrados_.contains(mensagem)) return;
  errosMostrados_.insert(mensagem);
  caixaDeErroAberta_ = true;
  // Qt does not fire a timer again while its own timeout is being handled, so a
  // box opened here would stop the cycles until it is closed. The box is opened
  // from the event loop instead, where Timer1 keeps firing underneath it.
  QMetaObject::invokeMethod(
      this,
      [this, mensagem] {
        const QPointer<SessaoSimulacao> viva(this);
        Interacao::Atual().Informa(janelaDeMensagens_, QStringLiteral("QUIV"), mensagem);
        if (viva) caixaDeErroAberta_ = false;
      },
      Qt::QueuedConnection);
}

void SessaoSimulacao::AlternaPausa() {
  if (timer1_->isActive()) {
    timer1_->stop();
  } else {
    timer1_->start();
  }
}

bool SessaoSimulacao::Pausada() const { return !timer1_->isActive(); }

void SessaoSimulacao::DefineJanelaDeMensagens(QWidget* janela) { janelaDeMensagens_ = janela; }

}  // namespace quiv
