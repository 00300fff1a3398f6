// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <string>

#include "core/objetos/controlador.h"
#include "ui/objetos/janela_formulario.h"

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

// The window of PID controller n: the faceplate (gauges, SP/PV/CO read-outs
// and the operator's buttons), beside it either the configuration panel or
// the trend with its data archive. It views the controller the session's
// document holds in slot n and keeps no pointer to it: every handler looks
// the controller up, and does nothing once it is gone.
class JanelaControlador : public JanelaFormulario<Controlador> {
  Q_OBJECT

 public:
  JanelaControlador(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaControlador() override;

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

  GraficoTendencia& Grafico() const { return *grafico_; }

  // The tuning page of this loop, made on first use.
  PaginaSintonia& Sintonia();
  // Settings typed into the configuration as a user would type them, then
  // applied as "Atualizar" applies them; whether the controller took them.
  bool AplicaSintonia(const ParametrosControlador& parametros);

 protected:
  void showEvent(QShowEvent* evento) override;
  void AoFechar() override;
  void DocumentoMudou() override;
  void changeEvent(QEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  enum class Area { Nenhuma, Configuracao, Tendencia };

  void CriaFaceplate(QWidget* faceplate);
  void CriaConfiguracao(QWidget* painel);
  void CriaTendencia(QWidget* area);
  void LigaConfiguracao();

  // Fill every control from the model, with the change handlers muted.
  void Preenche() override;
  void PreencheConfiguracao(const FormularioControlador& c);
  void PreencheEnderecos(const FormularioControlador& c);
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
  void EscolheAreaInicial();
  void HabilitaEnvio();
  void AlternaConfiguracao();
  void AlternaTendencia();
  void Sai();
  void MostraAjuda();
  void HabilitaSetpointRemoto(bool marcado);
  void AbreSintonia();
  void AcaoOperador(void (Controlador::*acao)());
  void TeclaSP(char tecla);
  void TeclaMV(char tecla);
  void TeclaEscala();
  // A double click on the chart, or the automatic scale switched.
  void AplicaSemMensagens();
  void AlternaPausa();
  void MarcaPonto(int X, int Y);
  void Arquiva(bool marcado);
  void Pisca();

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

  QStackedWidget* areas_ = nullptr;
  QWidget* areaConfiguracao_ = nullptr;
  QWidget* areaTendencia_ = nullptr;

  // Configuration.
  QLineEdit* tag_ = nullptr;
  QLineEdit* descricao_ = nullptr;
  QLineEdit* kp_ = nullptr;
  QLineEdit* ti_ = nullptr;
  QLineEdit* td_ = nullptr;
  QLineEdit* fatorA_ = nullptr;
  QLineEdit* tf_ = nullptr;
  QLineEdit* bias_ = nullptr;
  QCheckBox* acaoP_ = nullptr;
  QCheckBox* acaoI_ = nullptr;
  QCheckBox* acaoD_ = nullptr;
  QLineEdit* inicioEscala_ = nullptr;
  QLineEdit* fimEscala_ = nullptr;
  QLineEdit* unidade_ = nullptr;
  QButtonGroup* grupoAcao_ = nullptr;
  QButtonGroup* grupoEstrutura_ = nullptr;
  QButtonGroup* grupoDerivada_ = nullptr;
  QComboBox* seletorPV_ = nullptr;
  QCheckBox* habilitaSPR_ = nullptr;
  QComboBox* seletorSPR_ = nullptr;
  QCheckBox* habilitaBackMV_ = nullptr;
  QComboBox* enderecoBackMV_ = nullptr;
  QCheckBox* habilitaFF_ = nullptr;
  QLineEdit* equacaoFF_ = nullptr;
  QLineEdit* coMin_ = nullptr;
  QLineEdit* coMax_ = nullptr;
  QPushButton* botaoAtualizar_ = nullptr;
  QPushButton* botaoSintonia_ = nullptr;
  PaginaSintonia* sintonia_ = nullptr;

  // Trend.
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
  QWidget* painelPontos_ = nullptr;
  QLabel* leiturasPontos_[6] = {};
  QCheckBox* arquivar_ = nullptr;
  QLabel* taxaArquivo_ = nullptr;
  QCheckBox* usarVirgula_ = nullptr;
  QCheckBox* usarUE_ = nullptr;
  QTimer* pisca_ = nullptr;
};

}  // namespace quiv
