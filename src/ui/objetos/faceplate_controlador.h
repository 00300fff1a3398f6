// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace quiv {

class Controlador;
class SessaoSimulacao;

// The controller window's faceplate: the SP, PV, CO and SPR gauges, the
// SP/PV/CO read-outs the operator types into, the L/R and A/M switches with
// their increments, and the window's four buttons. It looks the controller
// up in the session's document at each use. Its texts belong to the
// controller window's translation context.
class FaceplateControlador : public QWidget {
 public:
  // `operado` runs after each operator action, `botao` telling a button's
  // from a key's.
  FaceplateControlador(SessaoSimulacao& sessao, int n, std::function<void(bool botao)> operado,
                       QWidget* pai = nullptr);

  // The read-outs as the controller holds them.
  void Preenche(const Controlador& c);
  // Gauges, read-outs and enabling: after each cycle and each action.
  void Atualiza(const Controlador& c);
  // What an apply changes: the description and the SP's unit.
  void MostraAplicado(const Controlador& c);
  // Back to the window: in manual, Enviar may send again.
  void HabilitaEnvio();

  QPushButton* BotaoConfiguracao() const { return botaoConfiguracao_; }
  QPushButton* BotaoTendencia() const { return botaoTendencia_; }
  QPushButton* BotaoAjuda() const { return botaoAjuda_; }
  QPushButton* BotaoSair() const { return botaoSair_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  Controlador* modelo() const;
  void Acao(void (Controlador::*acao)());
  void TeclaSP(char tecla);
  void TeclaMV(char tecla);

  SessaoSimulacao& sessao_;
  const int n_;
  std::function<void(bool)> operado_;
  std::string ultimoSP_;
  std::string ultimoPV_;
  std::string ultimoMV_;

  QLabel* descricaoAplicada_ = nullptr;
  QProgressBar* barraSP_ = nullptr;
  QProgressBar* barraSPR_ = nullptr;
  QProgressBar* barraPV_ = nullptr;
  QProgressBar* barraSaida_ = nullptr;
  QLineEdit* textoSP_ = nullptr;
  QLineEdit* textoPV_ = nullptr;
  QLineEdit* textoMV_ = nullptr;
  QLabel* unidadeSP_ = nullptr;
  QPushButton* botaoEnviar_ = nullptr;
  QPushButton* botaoLocalRemoto_ = nullptr;
  QLabel* indicadorLocalRemoto_ = nullptr;
  QToolButton* incrementaSP_ = nullptr;
  QToolButton* decrementaSP_ = nullptr;
  QPushButton* botaoAutoManual_ = nullptr;
  QLabel* indicadorAutoManual_ = nullptr;
  QToolButton* incrementaSaida_ = nullptr;
  QToolButton* decrementaSaida_ = nullptr;
  QPushButton* botaoConfiguracao_ = nullptr;
  QPushButton* botaoTendencia_ = nullptr;
  QPushButton* botaoAjuda_ = nullptr;
  QPushButton* botaoSair_ = nullptr;
};

}  // namespace quiv
