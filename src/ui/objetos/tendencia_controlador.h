// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace quiv {

class ArquivoTendencia;
class Controlador;
class GraficoTendencia;
class LeiturasPontos;
class SessaoSimulacao;

// The controller window's trend area: the chart, its pens, time base and
// scale, the pause with the point read-outs, and the data archive. It looks
// the controller up in the session's document at each use. Its texts belong
// to the controller window's translation context.
class AreaTendenciaControlador : public QWidget {
 public:
  // `reaplica`: the controller's parameters applied again without messages
  // and the window refilled (a double click on the chart, the automatic
  // scale switched).
  AreaTendenciaControlador(SessaoSimulacao& sessao, int n, std::function<void()> reaplica,
                           QWidget* pai = nullptr);

  // The archive folder, chosen once for all controllers of the program run;
  // empty until the first archive.
  static QString PastaArquivo();
  static void DefinePastaArquivo(const QString& pasta);

  // After each cycle the chart and the archive state; with `escalaMudou`,
  // also what an action or an apply changes.
  void Atualiza(const Controlador& c, bool escalaMudou);
  // A control outside the area locked with the scale while archiving.
  void TravaJunto(QWidget* controle) { travadosJunto_.push_back(controle); }
  // An operator action may switch the SP pen.
  void MostraSP(bool mostrar);

  GraficoTendencia& Grafico() const { return *grafico_; }

 private:
  Controlador* modelo() const;
  void Liga();
  void TeclaEscala();
  void AlternaPausa();
  void MarcaPonto(int X, int Y);
  void Arquiva(bool marcado);

  SessaoSimulacao& sessao_;
  const int n_;
  std::function<void()> reaplica_;
  bool preenchendo_ = false;
  std::vector<QWidget*> travadosJunto_;

  GraficoTendencia* grafico_ = nullptr;
  QLineEdit* escalaSuperior_ = nullptr;
  QLineEdit* escalaInferior_ = nullptr;
  QCheckBox* mostrarPV_ = nullptr;
  QCheckBox* mostrarSP_ = nullptr;
  QCheckBox* mostrarCO_ = nullptr;
  QCheckBox* mostrarAtuador_ = nullptr;
  QCheckBox* linhaGrossa_ = nullptr;
  QComboBox* baseTempo_ = nullptr;
  QCheckBox* escalaAuto_ = nullptr;
  QToolButton* botaoPausa_ = nullptr;
  LeiturasPontos* painelPontos_ = nullptr;
  ArquivoTendencia* arquivo_ = nullptr;
  QCheckBox* arquivar_ = nullptr;
  QLabel* taxaArquivo_ = nullptr;
  QCheckBox* usarVirgula_ = nullptr;
  QCheckBox* usarUE_ = nullptr;
};

}  // namespace quiv
