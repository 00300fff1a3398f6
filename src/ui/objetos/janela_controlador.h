// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <string>

#include "core/objetos/controlador.h"
#include "ui/objetos/janela_formulario.h"
#include "ui/objetos/tendencia_controlador.h"

class QStackedWidget;

namespace quiv {

class ConfiguracaoControlador;
class FaceplateControlador;
class GraficoTendencia;
class PaginaSintonia;
struct ParametrosControlador;

// The window of PID controller n: the faceplate, beside it either the
// configuration panel or the trend area with its data archive. It views the
// controller the session's document holds in slot n and keeps no pointer to
// it: every handler looks the controller up, and does nothing once it is
// gone. The configuration edits the window's draft; Config. is locked while
// an edit waits to be applied.
class JanelaControlador : public JanelaFormulario<Controlador> {
  Q_OBJECT

 public:
  JanelaControlador(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaControlador() override;

  // The archive folder, chosen once for all controllers of the program run;
  // empty until the first archive.
  static QString PastaArquivo() { return AreaTendenciaControlador::PastaArquivo(); }
  static void DefinePastaArquivo(const QString& pasta) {
    AreaTendenciaControlador::DefinePastaArquivo(pasta);
  }

  // Areas beside the faceplate.
  bool ConfiguracaoVisivel() const;
  bool TendenciaVisivel() const;

  GraficoTendencia& Grafico() const { return tendencia_->Grafico(); }

  // The tuning page of this loop, made on first use.
  PaginaSintonia& Sintonia();
  // Settings typed into the configuration as a user would type them, then
  // applied as "Atualizar" applies them; whether the controller took them.
  bool AplicaSintonia(const ParametrosControlador& parametros);

 protected:
  // Opening from the main window enables the exit and configuration buttons.
  void AoAbrir() override;
  void showEvent(QShowEvent* evento) override;
  void changeEvent(QEvent* evento) override;
  void AoFechar() override;
  void DocumentoMudou() override;

 private:
  enum class Area { Nenhuma, Configuracao, Tendencia };

  // Fill every control from the model, with the change handlers muted.
  void Preenche() override;
  // Read-outs and enabling of the faceplate and the trend: after each cycle
  // and each operator action.
  void AtualizaLeituras();
  // An operator action on the faceplate; a button's may switch the SP pen.
  void Operado(bool botao);
  // Whether what an apply changes (caption, description, unit, scale and its
  // marks) differs from what the window last showed; an apply may come from
  // elsewhere (a load, the variable list). Compares without allocating.
  bool AplicadoMudou(const Controlador& c);

  // The three widths: faceplate alone, with the configuration, with the
  // trend.
  void MostraArea(Area area);

  // Handlers.
  void EscolheAreaInicial();
  void AlternaConfiguracao();
  void AlternaTendencia();
  void MostraAjuda();
  // A double click on the chart, or the automatic scale switched.
  void AplicaSemMensagens();

  Area area_ = Area::Nenhuma;
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

  FaceplateControlador* faceplate_ = nullptr;
  QStackedWidget* areas_ = nullptr;
  ConfiguracaoControlador* configuracao_ = nullptr;
  AreaTendenciaControlador* tendencia_ = nullptr;
  PaginaSintonia* sintonia_ = nullptr;
};

}  // namespace quiv
