// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <memory>
#include <string>
#include <vector>

#include "../comum/mesmo_estado.h"
#include "ambiente_janela.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "core/arquivo/linhas_smp.h"
#include "core/objetos/texto_animado.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/janela_texto_animado.h"
#include "ui/principal/janela_principal.h"
#include "ui/principal/tela_sinotica.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::TipoObjeto;

namespace {

std::vector<std::string> Linhas(const quiv::Documento& doc) {
  return quiv::teste::LinhasDoArquivo(doc);
}

}  // namespace

class TesteJanelaTextoAnimado : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    janela_ = std::make_unique<quiv::JanelaPrincipal>(*sessao_);
    quiv::Documento& doc = sessao_->documento();
    doc.Inclui(TipoObjeto::Texto, 2);
    quiv::Descritor m21;
    m21.UnidadeEng = "kPa";
    m21.UEMin = "0";
    m21.UEMax = "200";
    m21.LIE = "10";
    m21.LSE = "90";
    doc.simulacao.memoria.DefineDescritor(21, m21);
    janela_->AtualizaTela();
    janela_->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
    // The text's label on the picture opens its window.
    QTest::mouseClick(janela_->findChild<QLabel*>(QStringLiteral("Texto2")), Qt::LeftButton);
    form_ = qobject_cast<quiv::JanelaTextoAnimado*>(
        janela_->JanelaDe(static_cast<int>(TipoObjeto::Texto), 2));
    QVERIFY(form_ && form_->isVisible());
    QCOMPARE(form_->windowTitle(), QStringLiteral("TEXTO"));
  }

  void cleanup() {
    sessao_->MarcaSalvo();
    janela_.reset();
    EncerraAmbiente();
  }

  // The window arranges itself by type.
  void layoutPorTipo_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("variavel");
    QTest::addColumn<bool>("escala");
    QTest::addColumn<bool>("alarmes");
    QTest::addColumn<bool>("funcao");
    QTest::addColumn<QString>("origem");
    QTest::newRow("scalar") << 0 << true << true << true << false << "Variável";
    QTest::newRow("binary") << 1 << true << false << false << true << "<Texto>";
    QTest::newRow("expression") << 2 << false << true << false << true << "Equação";
  }
  void layoutPorTipo() {
    QFETCH(int, tipo);
    QFETCH(bool, variavel);
    QFETCH(bool, escala);
    QFETCH(bool, alarmes);
    QFETCH(bool, funcao);
    QFETCH(QString, origem);
    QTest::mouseClick(Filho<QGroupBox>("Tipo")->findChildren<QRadioButton*>().at(tipo),
                      Qt::LeftButton);
    QCOMPARE(Filho<QComboBox>("ComboBox1")->isVisible(), variavel);
    QCOMPARE(Filho<QGroupBox>("Panel2")->isVisible(), escala);
    QCOMPARE(Filho<QLineEdit>("Edit2")->isVisible(), alarmes);
    QCOMPARE(Filho<QLineEdit>("FuncaoTr")->isVisible(), funcao);
    QCOMPARE(Filho<QLabel>("Label3")->text(), origem);
    if (escala) QCOMPARE(Filho<QLineEdit>("Edit1")->isReadOnly(), tipo == 0);
    // A new text has no variable, nor an expression that evaluates: the type
    // alone stays in the window, the text is not touched.
    QCOMPARE(Texto().Tipo, 0);
    QCOMPARE(sessao_->Pilha().count(), 0);
    QVERIFY(sessao_->Salvo());
  }

  // A scalar text on M21: choosing the variable fills range, alarms and unit
  // from its descriptor; "Sair" applies; the value shows on the window and on
  // the picture, red beyond the high alarm.
  void escalarNaTelaComAlarme() {
    auto* lista = Filho<QComboBox>("ComboBox1");
    QCOMPARE(lista->count(), 124);
    lista->setCurrentIndex(20);  // M21
    QCOMPARE(Filho<QLineEdit>("Edit1")->text(), QStringLiteral("200"));
    QCOMPARE(Filho<QLineEdit>("Edit2")->text(), QStringLiteral("90.00"));
    QCOMPARE(Filho<QLineEdit>("Unidade")->text(), QStringLiteral("kPa"));
    // keyClicks types ASCII only: the accented text goes in as an edit would
    // take it.
    auto* descricao = Filho<QLineEdit>("DescricaoText");
    descricao->insert(QStringLiteral("Pressão"));
    emit descricao->textEdited(descricao->text());
    QTest::mouseClick(Filho<QPushButton>("SairButton"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());

    auto& m = sessao_->simulacao().memoria.celula;
    auto* naTela = janela_->findChild<QLabel*>(QStringLiteral("Texto2"));
    m[21] = 25.0;
    for (int i = 0; i < 6; ++i) sessao_->ExecutaCiclo(1000.0 + 100 * i);
    QCOMPARE(naTela->text(), QStringLiteral("50.00 kPa"));
    QCOMPARE(naTela->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(janela_->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Pressão"));
    m[21] = 50.0;
    for (int i = 0; i < 6; ++i) sessao_->ExecutaCiclo(2000.0 + 100 * i);
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("100.00 kPa"));
    QCOMPARE(naTela->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(Filho<QLabel>("Label4")->text(), QStringLiteral("Pressão"));
  }

  // Typing a range end carries its alarm along; a binary text shows its two
  // messages.
  void faixaLevaAlarmeEBinario() {
    QTest::mouseClick(Filho<QGroupBox>("Tipo")->findChildren<QRadioButton*>().at(2),
                      Qt::LeftButton);
    auto* maximo = Filho<QLineEdit>("Edit1");
    maximo->selectAll();
    QTest::keyClicks(maximo, QStringLiteral("150"));
    QCOMPARE(Filho<QLineEdit>("Edit2")->text(), QStringLiteral("150"));

    QTest::mouseClick(Filho<QGroupBox>("Tipo")->findChildren<QRadioButton*>().at(1),
                      Qt::LeftButton);
    Filho<QComboBox>("ComboBox1")->setCurrentIndex(10);  // M11
    auto* funcao = Filho<QLineEdit>("FuncaoTr");
    funcao->selectAll();
    QTest::keyClicks(funcao, QStringLiteral("Desligado/Ligado"));
    QTest::mouseClick(Filho<QPushButton>("SairButton"), Qt::LeftButton);
    sessao_->simulacao().memoria.celula[11] = -1.0;
    for (int i = 0; i < 6; ++i) sessao_->ExecutaCiclo(1000.0 + 100 * i);
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("Ligado"));
  }

  // A form that fails a check never reaches the text, neither while it is
  // typed nor at "Sair": the text and the plant run on exactly as they were,
  // one box lists each failed field once, naming the text by number and
  // description (the one typed), and the window stays open with the form.
  void checagensFalhas_data() {
    QTest::addColumn<QStringList>("campos");
    QTest::addColumn<QStringList>("mensagens");
    auto caso = [](const char* nome, QStringList campos, QStringList sufixos,
                   const QString& texto = QStringLiteral("Texto Animado 2 (Nível)")) {
      for (QString& s : sufixos) s.prepend(texto);
      QTest::newRow(nome) << campos << sufixos;
    };
    caso("faixa máx", {"Edit1=abc"}, {": Faixa máx inválida"});
    caso("faixa min", {"Edit4=x"}, {": Faixa min inválida"});
    caso("as duas", {"Edit4=x", "Edit1=1e"}, {": Faixa máx inválida", ": Faixa min inválida"});
    caso("invertida", {"Edit4=200", "Edit1=150"}, {": Faixa máx menor que a Faixa min"});
    caso("equação", {"FuncaoTr=M21+X"}, {": Equação inválida"});
    caso("equação e faixa", {"FuncaoTr=M21*Y", "Edit1=x"},
         {": Faixa máx inválida", ": Equação inválida"});
    caso("binário sem variável", {"Tipo=1"}, {": Variável não selecionada"});
    caso("faixa da variável", {"Tipo=0", "ComboBox1=21"}, {": Faixa da variável inválida"});
    caso("descrição digitada", {"Edit1=x", "DescricaoText=Vazão"}, {": Faixa máx inválida"},
         QStringLiteral("Texto Animado 2 (Vazão)"));
  }
  void checagensFalhas() {
    QFETCH(QStringList, campos);
    QFETCH(QStringList, mensagens);
    quiv::Descritor m22;  // a range that reads backwards
    m22.UEMin = "50";
    m22.UEMax = "10";
    sessao_->documento().simulacao.memoria.DefineDescritor(22, m22);
    Equacao();
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(sessao_->documento());

    for (const QString& campo : campos) Edita(campo);
    QCOMPARE(sessao_->Pilha().count(), 0);
    roteiro_.EsperaInforma(mensagens.join(QLatin1Char('\n')));
    QTest::mouseClick(Filho<QPushButton>("SairButton"), Qt::LeftButton);
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 1);
    QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));
    QVERIFY(sessao_->Salvo());
    QVERIFY(form_->isVisible());
    const QString ultimo = campos.last();
    QWidget* campo = form_->findChild<QWidget*>(ultimo.section(QLatin1Char('='), 0, 0));
    if (auto* e = qobject_cast<QLineEdit*>(campo))
      QCOMPARE(e->text(), ultimo.section(QLatin1Char('='), 1));
  }

  // A text as the user left it hides without a word, even one that never
  // passed (a new text has no variable yet).
  void textoNovoSaiSemCaixa() {
    QTest::mouseClick(Filho<QPushButton>("SairButton"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());
    QCOMPARE(roteiro_.Mostradas(), 0);
    QVERIFY(sessao_->Salvo());
  }

  // Typed key by key, an expression reaches the running text at each key
  // that leaves it valid and never in between; the keys of one visit are
  // one edit, gone from the stack when the text ends as it began.
  void digitacaoSoChegaValida() {
    Equacao();
    auto* funcao = Filho<QLineEdit>("FuncaoTr");
    funcao->end(false);
    QTest::keyClicks(funcao, QStringLiteral("*"));  // the evaluator takes a trailing operator
    QCOMPARE(Texto().FuncaoTr.Completo(), std::string("M21*"));
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(sessao_->documento());
    QTest::keyClicks(funcao, QStringLiteral("X"));
    QCOMPARE(funcao->text(), QStringLiteral("M21*X"));
    QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));
    QTest::keyClick(funcao, Qt::Key_Backspace);
    QTest::keyClicks(funcao, QStringLiteral("2"));
    QCOMPARE(Texto().FuncaoTr.Completo(), std::string("M21*2"));
    sessao_->simulacao().memoria.celula[21] = 30.0;
    for (int i = 0; i < 6; ++i) sessao_->ExecutaCiclo(1000.0 + 100 * i);
    QCOMPARE(Filho<QLabel>("Label1")->text(), QStringLiteral("60.00 "));
    QCOMPARE(sessao_->Pilha().count(), 1);
    QVERIFY(!sessao_->Salvo());

    for (int i = 0; i < 2; ++i) QTest::keyClick(funcao, Qt::Key_Backspace);
    QCOMPARE(Texto().FuncaoTr.Completo(), std::string("M21"));
    QCOMPARE(sessao_->Pilha().count(), 0);
    QVERIFY(sessao_->Salvo());
  }

  // One visit of the window is one edit, whatever it changed; undo and redo
  // walk back and forth through exactly the files each step had, the open
  // window showing each, and the save indicator comes back to saved.
  void desfazerERefazerDevolvemCadaArquivo() {
    quiv::Documento& doc = sessao_->documento();
    std::vector<std::vector<std::string>> arquivos{Linhas(doc)};
    auto visita = [&](const QStringList& teclas) {
      form_->Mostra();
      // The texts typed key by key, the other controls set.
      for (const QString& t : teclas) {
        if (auto* e = form_->findChild<QLineEdit*>(t.section(QLatin1Char('='), 0, 0))) {
          e->selectAll();
          QTest::keyClicks(e, t.section(QLatin1Char('='), 1));
        } else {
          Edita(t);
        }
      }
      QTest::mouseClick(Filho<QPushButton>("SairButton"), Qt::LeftButton);
      QVERIFY(!form_->isVisible());
      arquivos.push_back(Linhas(doc));
      QVERIFY(arquivos.back() != arquivos[arquivos.size() - 2]);
      QCOMPARE(sessao_->Pilha().count(), static_cast<int>(arquivos.size()) - 1);
    };
    visita({"Tipo=2", "FuncaoTr=M21/2", "DescricaoText=Vazao"});
    visita({"Edit1=150"});
    visita({"Tipo=0", "ComboBox1=20"});
    visita({"Tipo=1", "FuncaoTr=Parado/Rodando", "CasasDecimais=3"});

    QAction* desfazer = janela_->findChild<QAction*>(QStringLiteral("Desfazer1"));
    QAction* refazer = janela_->findChild<QAction*>(QStringLiteral("Refazer1"));
    QCOMPARE(desfazer->text(), QStringLiteral("Desfazer Atualizar Texto Animado 2 (Vazao)"));
    form_->Mostra();
    for (int i = 4; i > 0; --i) {
      desfazer->trigger();
      QCOMPARE(Linhas(doc), arquivos[static_cast<std::size_t>(i - 1)]);
    }
    QCOMPARE(Filho<QLineEdit>("DescricaoText")->text(), QString());
    QCOMPARE(Filho<QLabel>("Label4")->text(), QString());
    QVERIFY(sessao_->Salvo());
    for (int i = 1; i <= 4; ++i) {
      refazer->trigger();
      QCOMPARE(Linhas(doc), arquivos[static_cast<std::size_t>(i)]);
    }
    QCOMPARE(Filho<QLineEdit>("FuncaoTr")->text(), QStringLiteral("Parado/Rodando"));
    QVERIFY(!sessao_->Salvo());
  }

  // Deleting the text closes its window; New closes every object window.
  void excluirFechaAJanela() {
    janela_->findChild<QAction*>(QStringLiteral("ExcluirObjetos"))->trigger();
    QTest::mouseClick(janela_->findChild<QLabel*>(QStringLiteral("Texto2")), Qt::LeftButton);
    QVERIFY(!janela_->JanelaDe(static_cast<int>(TipoObjeto::Texto), 2));
    QVERIFY(!sessao_->documento().Incluido(TipoObjeto::Texto, 2));
  }

 private:
  template <typename T>
  T* Filho(const char* nome) const {
    return Procura<T>(*form_, nome);
  }
  quiv::TextoAnimado& Texto() const { return *sessao_->documento().TextoDe(2); }

  // Text 2 shows "M21" on 0 … 100 as "Nível", applied and saved; its window
  // shows it.
  void Equacao() {
    quiv::TextoAnimado& t = Texto();
    t.Tipo = 2;
    t.FuncaoTr = "M21";
    t.Descricao = "Nível";
    t.CasasDecimais = 2;
    QVERIFY(t.AtualizaParametros(false));
    form_->Mostra();
    sessao_->MarcaSalvo();
  }

  // One edit as the user makes it at once: "Edit1=150" (a paste), "Tipo=2",
  // "ComboBox1=20", "CasasDecimais=3".
  void Edita(const QString& campo) {
    const QString nome = campo.section(QLatin1Char('='), 0, 0);
    const QString valor = campo.section(QLatin1Char('='), 1);
    if (nome == QLatin1String("Tipo")) {
      QTest::mouseClick(Filho<QGroupBox>("Tipo")->findChildren<QRadioButton*>().at(valor.toInt()),
                        Qt::LeftButton);
    } else if (auto* e = qobject_cast<QLineEdit*>(form_->findChild<QWidget*>(nome))) {
      e->setText(valor);
      emit e->textEdited(valor);
    } else if (auto* c = qobject_cast<QComboBox*>(form_->findChild<QWidget*>(nome))) {
      c->setCurrentIndex(valor.toInt());
    } else {
      Filho<QSpinBox>("CasasDecimais")->setValue(valor.toInt());
    }
  }

  std::unique_ptr<quiv::JanelaPrincipal> janela_;
  quiv::JanelaTextoAnimado* form_ = nullptr;
};

int ExecutaTesteJanelaTextoAnimado(int argc, char** argv) {
  TesteJanelaTextoAnimado teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_texto_animado.moc"
