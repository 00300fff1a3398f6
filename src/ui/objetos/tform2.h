// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace quiv {

class SessaoSimulacao;
class TextoAnimado;

// The window of animated text n ("TEXTO"): type, variable or expression,
// description, unit, decimals, range and alarms; arranged by type. "Sair"
// applies and hides; the window has no close button of its own.
class TForm2 : public QWidget {
  Q_OBJECT

 public:
  TForm2(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);

  int Numero() const { return n_; }
  // Every control from the model, then shown in front.
  void Mostra();
  void Preenche();

 private:
  TextoAnimado* modelo() const;
  void LayoutTipo();
  void AtualizaResultado();
  void SairButtonClick();
  void PreencheVariaveis();

  SessaoSimulacao& sessao_;
  int n_;
  bool preenchendo_ = false;
  QButtonGroup* tipos_ = nullptr;
  QLabel* Label3_ = nullptr;
  QComboBox* ComboBox1_ = nullptr;
  QLineEdit* FuncaoTr_ = nullptr;
  QLineEdit* DescricaoText_ = nullptr;
  QGroupBox* Panel2_ = nullptr;
  QLineEdit* Unidade_ = nullptr;
  QSpinBox* CasasDecimais_ = nullptr;
  QLineEdit* Edit1_ = nullptr;
  QLineEdit* Edit4_ = nullptr;
  QLineEdit* Edit2_ = nullptr;
  QLineEdit* Edit3_ = nullptr;
  QWidget* linhaAlarme_ = nullptr;
  QLabel* Label1_ = nullptr;
  QLabel* Label4_ = nullptr;
};

}  // namespace quiv
