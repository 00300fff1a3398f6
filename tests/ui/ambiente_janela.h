// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <memory>

#include "interacao_roteiro.h"
#include "ui/sessao/sessao_simulacao.h"

// What every window test starts from: a scripted user installed in place of
// the boxes, and a fresh session whose timer is stopped, so that the cycles
// run only when the test runs them. A test class inherits it beside QObject
// and calls IniciaAmbiente() in init() and EncerraAmbiente() in cleanup(),
// once its windows are gone.
class AmbienteJanela {
 protected:
  void IniciaAmbiente() {
    roteiro_ = InteracaoRoteiro();
    anterior_ = quiv::Interacao::Instala(&roteiro_);
    sessao_ = std::make_unique<quiv::SessaoSimulacao>();
    sessao_->Temporizador().stop();
  }

  // The session goes, the previous user comes back, and every box the test
  // said to expect must have been shown.
  void EncerraAmbiente() {
    sessao_.reset();
    quiv::Interacao::Instala(anterior_);
    QCOMPARE(roteiro_.Pendentes(), 0);
  }

  InteracaoRoteiro roteiro_;
  std::unique_ptr<quiv::SessaoSimulacao> sessao_;

 private:
  quiv::Interacao* anterior_ = nullptr;
};
