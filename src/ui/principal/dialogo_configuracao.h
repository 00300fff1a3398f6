// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

#include "core/arquivo/documento.h"
#include "core/arquivo/posicoes.h"
#include "core/objetos/linearizador.h"
#include "core/objetos/painel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTabWidget;

namespace quiv {

class SessaoSimulacao;

// The general configuration dialog: which objects the simulation holds (one
// include box per slot), its title and background picture, the animated
// shapes, the operator panel's switches, push buttons and data entries, and
// the linearizer. A view of the session's document: every edit writes the
// model at once, and the dialog rereads the whole model when the document is
// replaced (New, a load).
//
// Non-modal tool window above the main window; closing it by the frame only
// hides it, "Sair" also asks for the main window's layout refresh.
class DialogoConfiguracao : public QDialog {
  Q_OBJECT

 public:
  explicit DialogoConfiguracao(SessaoSimulacao& sessao, QWidget* pai = nullptr);

  // The include boxes' captions and check states from the model, in the
  // order controllers, recorders, processes, calculation blocks, texts.
  void AtualizaInclusao();
  // Shows the dialog on its first tab ("Configuração" of the main menu).
  void MostraPrimeiraPagina();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  // Set while the dialog fills its controls from the model: no change handler
  // acts meanwhile.
  class Preenchendo {
   public:
    explicit Preenchendo(bool& flag) : flag_(flag), antes_(flag) { flag_ = true; }
    ~Preenchendo() { flag_ = antes_; }
    Preenchendo(const Preenchendo&) = delete;
    Preenchendo& operator=(const Preenchendo&) = delete;

   private:
    bool& flag_;
    bool antes_;
  };

  struct CaixaInclusao {
    QCheckBox* caixa;
    TipoObjeto tipo;
    int n;
  };
  struct LinhaForma {
    QCheckBox* inclui = nullptr;
    QComboBox* tipo = nullptr;
    QComboBox* variavel = nullptr;
    QSlider* tamanho = nullptr;
    QLabel* leituraTamanho = nullptr;
    QSlider* largura = nullptr;
    QLabel* leituraLargura = nullptr;
    QComboBox* corNormal = nullptr;
    QComboBox* corLigada = nullptr;
  };
  struct LinhaChave {
    QCheckBox* inclui = nullptr;
    QComboBox* orientacao = nullptr;
  };
  struct LinhaBotao {
    QCheckBox* inclui = nullptr;
    QLineEdit* nome = nullptr;          // Edit8, Edit9, Edit10
    QLineEdit* textoEstado0 = nullptr;  // Edit2, Edit4, Edit6
    QLineEdit* textoEstado1 = nullptr;  // Edit3, Edit5, Edit7
  };
  struct LinhaEntrada {
    QCheckBox* inclui = nullptr;
    QLineEdit* nome = nullptr;
    QCheckBox* comBarra = nullptr;
  };

  // A label with its objectName.
  static QLabel* Rotulo(const QString& nome, const QString& texto);

  // Building.
  QWidget* CriaCabecalho();
  QWidget* CriaRodape();
  QWidget* CriaPaginaControladores();
  QWidget* CriaLinearizador();
  // A page (or group) of include boxes for one kind, in columns of `porColuna`.
  QWidget* CriaGradeInclusao(TipoObjeto tipo, int porColuna, QWidget* pagina);
  QWidget* CriaPaginaFormas();
  QWidget* CriaPaginaComandos();
  QWidget* CriaChaves();
  QWidget* CriaBotoes();
  QWidget* CriaEntradas();

  // Rereading the model (DocumentoRecarregado). No change handler acts while
  // these fill the controls.
  void LeModelo();
  void LeLinearizador();
  void LeFormas();
  void LeComandos();
  // The push buttons' boxes and edits enabled along the chain of the enabled
  // buttons.
  void AtualizaBotoes();
  void MostraTempoCiclo();

  // Handlers of the user's edits.
  void MarcaInclusao(const CaixaInclusao& c, bool marcada);
  void EditaTitulo(const QString& texto);
  void EscolheFigura();
  void Sai();
  void PreencheEnderecos();
  void IncluiForma(int n, bool marcada);
  void DefineTipoForma(int n, int indice);
  void DefineVariavelForma(int n, const QString& texto);
  void DefineTamanhoForma(int n, int valor);
  void DefineLarguraForma(int n, int valor);
  void DefineCorForma(int n, int qual);
  void AtualizaChave(int s);
  void IncluiBotao(int b, bool marcada);
  void IncluiEntrada(int n, bool marcada);
  void DefineNomeEntrada(int n, const QString& texto);
  void DefineBarraEntrada(int n, bool marcada);

  // Ends every handler of a user's edit: the simulation is modified, and the
  // main window redraws the panel when a panel control changed.
  void Alterado(bool painel);
  bool ingles() const;

  SessaoSimulacao& sessao_;
  bool preenchendo_ = false;
  // The document as the dialog last read or changed it: what an undo of its
  // next change goes back to.
  std::unique_ptr<Documento> lido_;

  QLineEdit* titulo_ = nullptr;
  QLineEdit* figura_ = nullptr;
  QTabWidget* paginas_ = nullptr;
  QLabel* tempoCiclo_ = nullptr;

  std::vector<CaixaInclusao> caixas_;  // in the order of AtualizaInclusao

  QComboBox* entradaLinearizador_ = nullptr;
  std::array<QLineEdit*, Linearizador::kPontos + 1> mvLinearizador_{};  // index 0 unused
  std::array<QLineEdit*, Linearizador::kPontos + 1> pvLinearizador_{};
  QCheckBox* ativaLinearizador_ = nullptr;

  std::array<LinhaForma, Painel::kFormas + 1> formas_{};  // index 0 unused
  std::array<LinhaChave, Painel::kChaves + 1> chaves_{};
  std::array<LinhaBotao, Painel::kBotoes + 1> botoes_{};
  std::array<LinhaEntrada, Painel::kEntradas + 1> entradas_{};
};

}  // namespace quiv
