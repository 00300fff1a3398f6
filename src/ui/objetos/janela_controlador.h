// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "core/objetos/controlador.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace quiv {

class GraficoTendencia;
class PaginaSintonia;
struct ParametrosControlador;
class SessaoSimulacao;

// The window of PID controller n: the faceplate (gauges, SP/PV/CO read-outs
// and the operator's buttons), beside it either the configuration panel or
// the trend with its data archive. It views the controller the session's
// document holds in slot n and keeps no pointer to it: every handler looks
// the controller up, and does nothing once it is gone.
class JanelaControlador : public QWidget {
  Q_OBJECT

 public:
  JanelaControlador(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaControlador() override;

  int Numero() const { return n_; }

  // The main window opens the controller: every control refilled from the
  // model, the exit and configuration buttons enabled, shown, raised and
  // activated.
  void Mostra();

  // The archive folder, chosen once for all controllers of the program run;
  // empty until the first archive.
  static QString PastaArquivo();
  static void DefinePastaArquivo(const QString& pasta);

  // Areas beside the faceplate.
  bool ConfiguracaoVisivel() const;
  bool TendenciaVisivel() const;

  GraficoTendencia& Grafico() const { return *Image1_; }

  // The tuning page of this loop, made on first use.
  PaginaSintonia& Sintonia();
  // Settings typed into the configuration as a user would type them, then
  // applied as "Atualizar" applies them; whether the controller took them.
  bool AplicaSintonia(const ParametrosControlador& parametros);

 protected:
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void changeEvent(QEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  enum class Area { Nenhuma, Configuracao, Tendencia };

  Controlador* modelo() const;

  void CriaFaceplate(QWidget* faceplate);
  void CriaConfiguracao(QWidget* painel);
  void CriaTendencia(QWidget* area);
  void LigaConfiguracao();

  // Fill every control from the model, with the change handlers muted.
  void Preenche();
  void PreencheConfiguracao(const FormularioControlador& c);
  void PreencheListas(const FormularioControlador& c);
  // Read-outs and enabling of the faceplate and the trend: after each cycle
  // and each operator action.
  void AtualizaLeituras();
  void AtualizaTendencia(const Controlador& c, bool escalaMudou);
  // Whether what an apply changes (caption, description, unit, scale and its
  // marks) differs from what the window last showed; an apply may come from
  // elsewhere (a load, the variable list). Compares without allocating.
  bool AplicadoMudou(const Controlador& c);

  // The three widths: faceplate alone, with the configuration, with the
  // trend.
  void MostraArea(Area area);

  // Handlers.
  void FormShow();
  void FormActivate();
  void ConfigBTNClick();
  void TrendButtonClick();
  void SairBTNClick();
  void SpeedButton1Click();
  void ConfiguracaoAlterada();  // TagTextChange: any configuration edit
  void CheckSPRClick(bool marcado);
  void btnatualizaClick();
  bool AplicaConfiguracao();
  void SintoniaBTNClick();
  void AcaoOperador(void (Controlador::*acao)());
  void TeclaSP(char tecla);
  void TeclaMV(char tecla);
  void TeclaEscala();
  void AplicaSemMensagens();  // Image1DblClick, EscalaAutoClick
  void SpeedButton2Click();
  void Image1MouseDown(int X, int Y);
  void CheckBox1Click(bool marcado);
  void Timer1Timer();

  SessaoSimulacao& sessao_;
  const int n_;
  bool preenchendo_ = false;
  // The configuration as typed, until it is applied.
  FormularioControlador rascunho_;
  Area area_ = Area::Nenhuma;
  int ultimaPosicao_ = -1;
  int ultimaFase_ = -1;
  std::string ultimoSP_;
  std::string ultimoPV_;
  std::string ultimoMV_;
  struct Aplicado {
    bool valido = false;
    std::string legenda;
    std::string descricao;
    std::string unidade;
    int decimais = 0;
    std::string escalaSup;
    std::string escalaInf;
    std::array<std::string, 9> rotulos;
  } aplicado_;

  // Faceplate.
  QLabel* DescricaoText_ = nullptr;
  QProgressBar* SetPointBar_ = nullptr;
  QProgressBar* SPRBar_ = nullptr;
  QProgressBar* VariavelBar_ = nullptr;
  QProgressBar* SaidaBar_ = nullptr;
  QLineEdit* SPText_ = nullptr;
  QLineEdit* PVText_ = nullptr;
  QLineEdit* MVText_ = nullptr;
  QLabel* UnitEngSP_ = nullptr;
  QPushButton* Button2_ = nullptr;
  QPushButton* LocalRemotoBTN_ = nullptr;
  QLabel* Label1_ = nullptr;
  QToolButton* IncrementaSP_ = nullptr;
  QToolButton* DecrementaSP_ = nullptr;
  QPushButton* AutoManualBTN_ = nullptr;
  QLabel* Label2_ = nullptr;
  QToolButton* IncrementaSaida_ = nullptr;
  QToolButton* DecrementaSaida_ = nullptr;
  QPushButton* ConfigBTN_ = nullptr;
  QPushButton* TrendButton_ = nullptr;
  QPushButton* SpeedButton1_ = nullptr;
  QPushButton* SairBTN_ = nullptr;

  QStackedWidget* areas_ = nullptr;
  QWidget* Panel2_ = nullptr;
  QWidget* AreaTendencia_ = nullptr;

  // Configuration.
  QLineEdit* TagText_ = nullptr;
  QLineEdit* Descricao_ = nullptr;
  QLineEdit* KpText_ = nullptr;
  QLineEdit* KiText_ = nullptr;
  QLineEdit* KdText_ = nullptr;
  QLineEdit* aText_ = nullptr;
  QLineEdit* tfText_ = nullptr;
  QLineEdit* BiasText_ = nullptr;
  QCheckBox* PCHK_ = nullptr;
  QCheckBox* ICHK_ = nullptr;
  QCheckBox* DCHK_ = nullptr;
  QLineEdit* InicioEscala_ = nullptr;
  QLineEdit* FimEscala_ = nullptr;
  QLineEdit* UnidEng_ = nullptr;
  QButtonGroup* Acaogroup_ = nullptr;
  QButtonGroup* EstruturaGroup_ = nullptr;
  QButtonGroup* DerivadaGroup_ = nullptr;
  QComboBox* VariavelSelect_ = nullptr;
  QCheckBox* CheckSPR_ = nullptr;
  QComboBox* SPRSelect_ = nullptr;
  QCheckBox* BackMVCheck_ = nullptr;
  QComboBox* BackMV_ = nullptr;
  QCheckBox* FFwSelect_ = nullptr;
  QLineEdit* FFwEquation_ = nullptr;
  QLineEdit* COminText_ = nullptr;
  QLineEdit* COmaxText_ = nullptr;
  QPushButton* btnatualiza_ = nullptr;
  QPushButton* SintoniaBTN_ = nullptr;
  PaginaSintonia* sintonia_ = nullptr;

  // Trend.
  GraficoTendencia* Image1_ = nullptr;
  QLineEdit* eSupText_ = nullptr;
  QLineEdit* eInfText_ = nullptr;
  QCheckBox* MostrarPV_ = nullptr;
  QCheckBox* MostrarSP_ = nullptr;
  QCheckBox* MostrarCO_ = nullptr;
  QCheckBox* MostrarAtuador_ = nullptr;
  QCheckBox* CheckBox2_ = nullptr;
  QComboBox* BaseTempoBox_ = nullptr;
  QCheckBox* EscalaAuto_ = nullptr;
  QToolButton* SpeedButton2_ = nullptr;
  QWidget* Panel3_ = nullptr;
  QLabel* CoodsText_[6] = {};
  QCheckBox* CheckBox1_ = nullptr;
  QLabel* Label21_ = nullptr;
  QCheckBox* UsarVirgula_ = nullptr;
  QCheckBox* UsarUE_ = nullptr;
  QTimer* Timer1_ = nullptr;
};

}  // namespace quiv
