// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <string>

#include "ui/objetos/janela_objeto.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace quiv {

class ArquivoTendencia;
class GraficoTendencia;
class LeiturasPontos;
class Registrador;

// The window of trend recorder n: the strip chart of its three pens with the
// pen read-outs, the time base, the scale (automatic or typed), the pause
// with its point read-outs and the data archive; beside the chart, the
// configuration area (tag, description, pens and their texts, archive
// options), opened and closed by its button. It views the recorder the
// session's document holds in slot n and keeps no pointer to it: every
// handler looks the recorder up, and does nothing once it is gone.
//
// The tag, description, pens and pen texts are the recorder's definition:
// each change goes to the session as an edit that can be undone (typing in
// one field is one edit), and the window shows the recorder again when the
// session announces it. The time base, the scale, the pause, the point
// read-outs, the line width and the archive are the operator's settings of
// the running recorder: operator actions through the session, not undone.
class JanelaRegistrador : public JanelaObjeto {
  Q_OBJECT

 public:
  // Starting sizes: chart alone, chart with the configuration area.
  static constexpr int kLarguraGrafico = 597;
  static constexpr int kLarguraConfiguracao = 792;
  static constexpr int kAltura = 322;

  JanelaRegistrador(SessaoSimulacao& sessao, int n, QWidget* pai = nullptr);
  ~JanelaRegistrador() override;

  // The main window's recorder button: shown if hidden, hidden (closed) if
  // shown.
  void AlternaVisivel();

  bool ConfiguracaoVisivel() const;
  GraficoTendencia& Grafico() const { return *grafico_; }

 protected:
  // A recorder with a tag opens with the chart alone, a new one (no tag) with
  // the configuration area; both the exit and the configuration buttons are
  // enabled.
  void AoAbrir() override;
  bool Existe() const override { return modelo() != nullptr; }
  void AoFechar() override;

 private:
  Registrador* modelo() const;

  void CriaGrafico(QWidget* area);
  void CriaConfiguracao(QWidget* area);
  void Liga();

  // Fill every control from the model, with the change handlers muted.
  void Preenche() override;
  void PreencheSeletores();
  // After each cycle and each action: pen read-outs, the chart, the archive
  // state; with `tudo`, also what an apply or an action changes (caption,
  // scale texts, options, pens, point read-outs).
  void AtualizaLeituras(bool tudo);
  // Whether what AplicaConfiguracao writes differs from what the window last
  // showed; an apply may come from elsewhere (a load, the variable list).
  bool AplicadoMudou(const Registrador& r);
  void MostraConfiguracao(bool mostrar);

  // An operator action on the recorder through the session (not undone);
  // false when the recorder is gone.
  bool Opera(const std::function<void(Registrador&)>& operacao);

  // Handlers.
  void EscolheVariavel3(int item);
  void DefineBaseTempo(int item);
  void DefineEscalaAuto(bool marcado);
  void ReaplicaConfiguracao();
  void TeclaEscala();
  void AlternaPausa();
  void MarcaPonto(int X, int Y);
  void Arquiva(bool marcado);
  void AlternaConfiguracao();

  QString pastaArquivo_;  // folder of this window's last archive
  struct Aplicado {
    bool valido = false;
    std::string legenda;
    std::string unidade;
    double inf = 0.0;
    double sup = 0.0;
    std::string escalaSup;
    std::string escalaInf;
    std::string taxa;
    std::array<std::string, 9> rotulos;
    std::array<std::string, 3> nomes;
    bool pena2 = false;
    bool pena3 = false;
  } aplicado_;

  // Chart area.
  QLabel* tituloPV_ = nullptr;
  QLabel* tituloMV_ = nullptr;
  QLabel* leituraVermelha_ = nullptr;
  QLabel* leituraAzul_ = nullptr;
  QLabel* leituraVerde_ = nullptr;
  GraficoTendencia* grafico_ = nullptr;
  QLineEdit* escalaSuperior_ = nullptr;
  QLineEdit* escalaInferior_ = nullptr;
  QLabel* unidadeEscala_ = nullptr;
  QComboBox* baseTempo_ = nullptr;
  QCheckBox* escalaAuto_ = nullptr;
  QCheckBox* linhaGrossa_ = nullptr;
  ArquivoTendencia* arquivo_ = nullptr;
  QCheckBox* arquivar_ = nullptr;
  QLabel* taxaArquivo_ = nullptr;
  QToolButton* botaoPausa_ = nullptr;
  QToolButton* botaoConfiguracao_ = nullptr;
  QToolButton* botaoSair_ = nullptr;
  LeiturasPontos* painelPontos_ = nullptr;

  // Configuration area.
  QWidget* areaConfiguracao_ = nullptr;
  QLineEdit* tag_ = nullptr;
  QLineEdit* descricao_ = nullptr;
  std::array<QComboBox*, 3> seletoresVariavel_{};
  std::array<QLineEdit*, 3> nomesVariavel_{};
  QCheckBox* usarVirgula_ = nullptr;
  QCheckBox* usarUE_ = nullptr;
};

}  // namespace quiv
