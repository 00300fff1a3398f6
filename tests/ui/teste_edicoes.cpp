// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of the plant's definition as commands: undo and redo walk back and
// forth through exactly the files each step had, the save indicator follows
// the stack's clean state, and operator actions are not undone.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <memory>
#include <string>
#include <vector>

#include "../comum/mesmo_estado.h"
#include "../comum/planta_malha.h"
#include "ambiente_janela.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/linhas_smp.h"
#include "procura.h"
#include "ui/objetos/janela_processo.h"
#include "ui/principal/janela_principal.h"
#include "ui/sessao/comandos_planta.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::TipoObjeto;

namespace {

std::vector<std::string> Linhas(const quiv::Documento& doc) {
  return quiv::teste::LinhasDoArquivo(doc);
}

}  // namespace

class TesteEdicoes : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    janela_ = std::make_unique<quiv::JanelaPrincipal>(*sessao_);
    quiv::Documento& doc = sessao_->documento();
    quiv::teste::IncluiMalha(doc, 1);
    doc.ProcessoDe(1)->Tag = "FT-01";
    doc.ProcessoDe(1)->AtualizaParametros(false);
    janela_->AtualizaTela();  // the buttons take their tags, as after a load
    sessao_->MarcaSalvo();
  }
  void cleanup() {
    sessao_->MarcaSalvo();
    janela_.reset();
    EncerraAmbiente();
  }

  // A sequence of every kind of edit, then the menu's undo all the way back
  // and its redo all the way forth: each step gives the file bytes it had.
  void desfazerERefazerDevolvemCadaArquivo() {
    quiv::Documento& doc = sessao_->documento();
    std::vector<std::vector<std::string>> arquivos{Linhas(doc)};
    auto registra = [&] { arquivos.push_back(Linhas(doc)); };

    quiv::JanelaProcesso processo(*sessao_, 1);
    processo.Mostra();
    Procura<QLineEdit>(processo, "GanhoText")->setText(QStringLiteral("2.5"));
    Procura<QPushButton>(processo, "btnatualiza")->click();
    QCOMPARE(doc.ProcessoDe(1)->TextoGanho(), std::string("2.5"));
    registra();
    sessao_->Executa(new quiv::ComandoTitulo(*sessao_, "Caldeira"));
    registra();
    sessao_->Executa(new quiv::ComandoInclusao(*sessao_, TipoObjeto::Bloco, 3, true));
    registra();
    quiv::ItemTela botao{quiv::ItemTela::Tipo::Objeto, TipoObjeto::Processo, 1};
    sessao_->Executa(new quiv::ComandoMovimento(*sessao_, botao, quiv::LugarDoItem(doc, botao),
                                                quiv::Lugar{300, 200}));
    registra();
    sessao_->Executa(new quiv::ComandoComentarios(*sessao_, false, {"Malha de vazão"}));
    registra();
    sessao_->Executa(new quiv::ComandoExclusao(*sessao_, TipoObjeto::Controlador, 1));
    QVERIFY(!doc.ControladorDe(1));
    registra();
    QCOMPARE(sessao_->Pilha().count(), 6);

    QAction* desfazer = janela_->findChild<QAction*>(QStringLiteral("Desfazer1"));
    QAction* refazer = janela_->findChild<QAction*>(QStringLiteral("Refazer1"));
    QVERIFY(desfazer && refazer);
    QCOMPARE(desfazer->text(), QStringLiteral("Desfazer Excluir Controlador 1"));
    for (int i = 6; i > 0; --i) {
      desfazer->trigger();
      QCOMPARE(Linhas(doc), arquivos[static_cast<std::size_t>(i - 1)]);
    }
    QCOMPARE(refazer->text(), QStringLiteral("Refazer Atualizar Processo 21 (FT-01)"));
    QVERIFY(sessao_->Salvo());  // back where it was saved
    QVERIFY(doc.ControladorDe(1));
    for (int i = 1; i <= 6; ++i) {
      refazer->trigger();
      QCOMPARE(Linhas(doc), arquivos[static_cast<std::size_t>(i)]);
    }
    QVERIFY(!sessao_->Salvo());
  }

  // Undo brings a deleted object back with the state it had, and its window
  // goes with it when it is deleted again.
  void exclusaoDesfeitaTrazOObjetoDeVolta() {
    quiv::Documento& doc = sessao_->documento();
    for (int i = 0; i < 50; ++i) doc.simulacao.PassoObjetos();
    const double co = doc.ControladorDe(1)->CO;
    const bool exibido = doc.posicoes.De(TipoObjeto::Controlador, 1).Exibido;
    janela_->AbreObjeto(static_cast<int>(TipoObjeto::Controlador), 1);
    QVERIFY(janela_->JanelaDe(static_cast<int>(TipoObjeto::Controlador), 1));
    sessao_->Executa(new quiv::ComandoExclusao(*sessao_, TipoObjeto::Controlador, 1));
    QVERIFY(!janela_->JanelaDe(static_cast<int>(TipoObjeto::Controlador), 1));
    sessao_->Pilha().undo();
    QVERIFY(doc.ControladorDe(1));
    QCOMPARE(doc.ControladorDe(1)->CO, co);
    QCOMPARE(doc.posicoes.De(TipoObjeto::Controlador, 1).Exibido, exibido);
  }

  // The save indicator follows the stack's clean state; an operator action
  // is not on the stack, so undoing past it still leaves the plant changed.
  void indicadorSegueOEstadoLimpo() {
    QAction* salvar = janela_->findChild<QAction*>(QStringLiteral("Salvar1"));
    QVERIFY(salvar);
    const QString salvo = salvar->text();
    sessao_->Executa(new quiv::ComandoTitulo(*sessao_, "A"));
    QVERIFY(!sessao_->Salvo());
    QVERIFY(salvar->text() != salvo);
    sessao_->Pilha().undo();
    QVERIFY(sessao_->Salvo());
    QCOMPARE(salvar->text(), salvo);
    sessao_->Pilha().redo();
    QVERIFY(!sessao_->Salvo());
    sessao_->MarcaSalvo();  // what a save does
    sessao_->Pilha().undo();
    QVERIFY(!sessao_->Salvo());
    sessao_->Pilha().redo();
    QVERIFY(sessao_->Salvo());

    sessao_->Opera([](quiv::Documento& d) { d.ControladorDe(1)->SP = 70.0; });
    QVERIFY(!sessao_->Salvo());
    sessao_->Executa(new quiv::ComandoTitulo(*sessao_, "B"));
    sessao_->Pilha().undo();
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(sessao_->documento().ControladorDe(1)->SP, 70.0);  // not undone
  }

  // A failed apply is no edit; New empties the stack.
  void aplicacaoRecusadaENovaSimulacao() {
    quiv::JanelaProcesso processo(*sessao_, 1);
    processo.Mostra();
    Procura<QLineEdit>(processo, "GanhoText")->setText(QStringLiteral("abc"));
    roteiro_.EsperaInforma(QStringLiteral("Processo 21 (FT-01): Ganho inválido"));
    Procura<QPushButton>(processo, "btnatualiza")->click();
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(sessao_->Pilha().count(), 0);
    QVERIFY(sessao_->Salvo());

    sessao_->Executa(new quiv::ComandoTitulo(*sessao_, "C"));
    sessao_->NovaSimulacao();
    QCOMPARE(sessao_->Pilha().count(), 0);
  }

  // Ctrl+Z undoes; Ctrl+Shift+Z and Ctrl+Y redo, from any window.
  void atalhos() {
    QAction* desfazer = janela_->findChild<QAction*>(QStringLiteral("Desfazer1"));
    QAction* refazer = janela_->findChild<QAction*>(QStringLiteral("Refazer1"));
    QCOMPARE(desfazer->shortcut(), QKeySequence(QKeySequence::Undo));
    QVERIFY(refazer->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    QVERIFY(refazer->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QCOMPARE(desfazer->shortcutContext(), Qt::ApplicationShortcut);
  }

 private:
  std::unique_ptr<quiv::JanelaPrincipal> janela_;
};

int ExecutaTesteEdicoes(int argc, char** argv) {
  TesteEdicoes teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_edicoes.moc"
