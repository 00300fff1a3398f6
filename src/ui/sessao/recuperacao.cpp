// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/recuperacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUuid>
#include <exception>
#include <optional>

#include "core/arquivo/arquivo_smp.h"
#include "ui/sessao/copia_recuperacao.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

constexpr int kIntervaloMs = 2 * 60 * 1000;
const QString kPadraoCopias = QStringLiteral("copia-*.rec");
const QString kSufixoTrava = QStringLiteral(".lock");

// A lock held for the whole run: it goes stale only when its process is
// gone, never by age.
std::unique_ptr<QLockFile> Trava(const QString& copia) {
  auto trava = std::make_unique<QLockFile>(copia + kSufixoTrava);
  trava->setStaleLockTime(0);
  return trava;
}

}  // namespace

Recuperacao::Recuperacao(SessaoSimulacao& sessao, const QString& pasta)
    : sessao_(sessao),
      pasta_(QDir(pasta).absolutePath()),
      arquivo_(QDir(pasta_).filePath(
          QStringLiteral("copia-%1.rec").arg(QUuid::createUuid().toString(QUuid::Id128)))),
      timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("TimerRecuperacao"));
  timer_->setInterval(IntervaloPadrao());
  connect(timer_, &QTimer::timeout, this, &Recuperacao::Grava);
  connect(&sessao_, &SessaoSimulacao::SalvoMudou, this, [this](bool salvo) {
    if (salvo)
      Remove();
    else
      timer_->start();
  });
  if (!sessao_.Salvo()) timer_->start();
}

Recuperacao::~Recuperacao() { Remove(); }

QString Recuperacao::PastaPadrao() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath(QStringLiteral("recuperacao"));
}

int Recuperacao::IntervaloPadrao() {
  bool valido = false;
  const int ms = qEnvironmentVariableIntValue("QUIV_RECUPERACAO_MS", &valido);
  return valido && ms > 0 ? ms : kIntervaloMs;
}

int Recuperacao::Intervalo() const { return timer_->interval(); }

void Recuperacao::DefineIntervalo(int ms) { timer_->setInterval(ms); }

void Recuperacao::Grava() {
  if (sessao_.Salvo()) return;
  if (!trava_) {
    QDir().mkpath(pasta_);
    std::unique_ptr<QLockFile> trava = Trava(arquivo_);
    if (!trava->tryLock(0)) {
      qWarning("QUIV: no recovery copy, cannot lock %s", qPrintable(arquivo_ + kSufixoTrava));
      return;
    }
    trava_ = std::move(trava);
  }
  CopiaRecuperacao copia;
  if (!sessao_.ArquivoAtual().isEmpty())
    copia.arquivo = QFileInfo(sessao_.ArquivoAtual()).absoluteFilePath();
  copia.hora = QDateTime::currentDateTimeUtc();
  // Nothing may escape into the event loop from a timer.
  try {
    smp::Escritor escritor;
    EscreveSimulacao(sessao_.documento(), escritor);
    copia.conteudo = escritor.Conteudo();
  } catch (const std::exception& e) {
    qWarning("QUIV: no recovery copy: %s", e.what());
    return;
  }
  // A failure is not shown: a box every interval would stop the lesson, and
  // the user's own saves are unaffected.
  if (const QString erro = copia.Grava(arquivo_); !erro.isEmpty())
    qWarning("QUIV: no recovery copy: %s", qPrintable(erro));
}

void Recuperacao::Remove() {
  timer_->stop();
  if (!trava_) return;
  QFile::remove(arquivo_);
  trava_.reset();  // unlocking removes the lock file
}

QString Recuperacao::TextoPergunta(const CopiaRecuperacao& copia) const {
  const QString nome = copia.arquivo.isEmpty()
                           ? tr("uma simulação sem nome")
                           : QStringLiteral("\"%1\"").arg(QFileInfo(copia.arquivo).fileName());
  const QDateTime hora = copia.hora.toLocalTime();
  return tr("O QUIV não foi encerrado normalmente. Há uma cópia de recuperação de %1, "
            "gravada em %2 às %3.\n\nRestaurar a cópia? (Não: a cópia é descartada.)")
      .arg(nome, hora.toString(tr("dd/MM/yyyy", "formato da data")),
           hora.toString(QStringLiteral("HH:mm")));
}

bool Recuperacao::OfereceAbandonadas(QWidget* janela) {
  const QDir pasta(pasta_);
  // The newest first: it holds the latest work.
  const QFileInfoList copias =
      pasta.entryInfoList({kPadraoCopias}, QDir::Files | QDir::Hidden, QDir::Time);
  for (const QFileInfo& info : copias) {
    const QString caminho = info.absoluteFilePath();
    if (caminho == arquivo_) continue;
    // Held: its program is running. Free: this program holds it now, so no
    // other start offers the same copy meanwhile.
    const std::unique_ptr<QLockFile> trava = Trava(caminho);
    if (!trava->tryLock(0)) continue;
    // Its program may have ended normally between the listing and the lock.
    if (!QFileInfo::exists(caminho)) continue;

    QString erro;
    const std::optional<CopiaRecuperacao> copia = CopiaRecuperacao::Le(caminho, erro);
    if (!copia) {
      Interacao::Atual().Informa(
          janela, QStringLiteral("QUIV"),
          tr("Uma cópia de recuperação danificada foi descartada:\n%1").arg(erro));
      QFile::remove(caminho);
      continue;
    }
    const bool restaura =
        Interacao::Atual().Pergunta(janela, QStringLiteral("QUIV"), TextoPergunta(*copia));
    if (restaura) {
      sessao_.RestauraSimulacao(copia->conteudo, copia->arquivo);
      // The restored work is kept in this program's copy before the old one
      // goes, not one interval later.
      Grava();
    }
    QFile::remove(caminho);
    if (restaura) return true;
  }

  // Lock files without their copy: a program that ended abnormally just
  // after taking its lock. Those of running programs stay held.
  const QStringList travas =
      pasta.entryList({kPadraoCopias + kSufixoTrava}, QDir::Files | QDir::Hidden);
  for (const QString& nome : travas) {
    const QString copia = pasta.filePath(nome.chopped(kSufixoTrava.size()));
    if (QFileInfo::exists(copia) || copia == arquivo_) continue;
    Trava(copia)->tryLock(0);  // a free one is taken and, going, removed
  }
  return false;
}

}  // namespace quiv
