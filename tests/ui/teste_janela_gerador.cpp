// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
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
#include "core/objetos/gerador.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/janela_gerador.h"
#include "ui/principal/janela_principal.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

std::vector<std::string> Linhas(const quiv::Documento& doc) {
  return quiv::teste::LinhasDoArquivo(doc);
}

}  // namespace

class TesteJanelaGerador : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    janela_ = std::make_unique<quiv::JanelaPrincipal>(*sessao_);
    Acao("Novo1")->trigger();
    Acao("Configurao1")->trigger();
    form_ = &janela_->JanelaDoGerador();
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->windowTitle(), QStringLiteral("Gerador de Sinais"));
    sessao_->MarcaSalvo();
  }

  void cleanup() {
    sessao_->MarcaSalvo();
    janela_.reset();
    EncerraAmbiente();
  }

  // Each type arranges its row: arrows for a constant, the 0/1 choice, the
  // range with its captions for the random and sine types, a wide value for
  // an expression; the offered types depend on the channel. The choice is
  // the window's until it is applied.
  void tipoArrumaALinha_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("setas");
    QTest::addColumn<bool>("faixa");
    QTest::addColumn<bool>("digital");
    QTest::addColumn<bool>("valorHabilitado");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("desc");
    QTest::newRow("constant") << 0 << true << false << false << true << ""
                              << "Descrição";
    QTest::newRow("on/off") << 1 << false << false << true << false << ""
                            << "Descrição";
    QTest::newRow("medium random") << 3 << false << true << false << false << "Min."
                                   << "Tal(seg)";
    QTest::newRow("sine") << 5 << false << true << false << false << "Min."
                          << "Per (seg)";
    QTest::newRow("random walk") << 6 << false << true << false << false << "Inicial"
                                 << "Faixa";
    QTest::newRow("expression") << 7 << false << false << false << true << ""
                                << "Descrição";
  }
  void tipoArrumaALinha() {
    QFETCH(int, tipo);
    QFETCH(bool, setas);
    QFETCH(bool, faixa);
    QFETCH(bool, digital);
    QFETCH(bool, valorHabilitado);
    QFETCH(QString, min);
    QFETCH(QString, desc);
    Filho<QComboBox>("M81Tipo")->setCurrentIndex(tipo);
    QCOMPARE(Filho<QWidget>("M81UpDown")->isVisible(), setas);
    QCOMPARE(Filho<QLineEdit>("M81Min")->isVisible(), faixa);
    QCOMPARE(Filho<QGroupBox>("M81ValorDig")->isVisible(), digital);
    QCOMPARE(Filho<QLineEdit>("M81Valor")->isEnabled(), valorHabilitado);
    if (!min.isEmpty()) QCOMPARE(Filho<QLineEdit>("M81Min")->text(), min);
    QCOMPARE(Filho<QLineEdit>("M81Desc")->text(), desc);
    QCOMPARE(Filho<QPushButton>("Button1")->isEnabled(), tipo != 0);
    QCOMPARE(sessao_->documento().gerador().Canal(81).Tipo, 0);
    QVERIFY(sessao_->Salvo());

    QCOMPARE(Filho<QComboBox>("M81Tipo")->count(), 10);
    QCOMPARE(Filho<QComboBox>("M86Tipo")->count(), 7);
    QCOMPARE(Filho<QComboBox>("M96Tipo")->count(), 2);
    QVERIFY(!form_->findChild<QLineEdit*>(QStringLiteral("M91Min")));
  }

  // Enter, "Atualiza" and closing the window apply the rows, each one edit;
  // a key enables "Atualiza", which an apply disables; the arrows and the
  // 0/1 choice move the running value at once, as no edit.
  void aplicarPorTeclaBotaoSetasEFechar() {
    auto& m = sessao_->simulacao().memoria.celula;
    auto* valor = Filho<QLineEdit>("M81Valor");
    auto* atualiza = Filho<QPushButton>("Button1");
    QVERIFY(!atualiza->isEnabled());
    Edita("M81Valor=2*20");
    QVERIFY(atualiza->isEnabled());
    QCOMPARE(m[81], 0.0);
    QTest::keyClick(valor, Qt::Key_Return);
    QCOMPARE(m[81], 40.0);
    QCOMPARE(sessao_->Pilha().count(), 1);
    QVERIFY(!sessao_->Salvo());

    QTest::keyClicks(valor, QStringLiteral("+2"));
    QTest::mouseClick(atualiza, Qt::LeftButton);
    QCOMPARE(m[81], 42.0);
    QVERIFY(!atualiza->isEnabled());
    QCOMPARE(sessao_->Pilha().count(), 2);

    sessao_->MarcaSalvo();
    QTest::mouseClick(Seta(81, true), Qt::LeftButton);
    QCOMPARE(m[81], 43.0);
    QCOMPARE(valor->text(), QStringLiteral("43"));
    QCOMPARE(sessao_->Pilha().count(), 2);
    QVERIFY(!sessao_->Salvo());

    Edita("M91Tipo=1");
    QTest::mouseClick(atualiza, Qt::LeftButton);
    QCOMPARE(sessao_->Pilha().count(), 3);
    QTest::mouseClick(Digital(91, 1), Qt::LeftButton);
    QCOMPARE(m[91], 1.0);
    QCOMPARE(sessao_->Pilha().count(), 3);

    Edita("M82Valor=7");
    sessao_->MarcaSalvo();
    form_->close();
    QVERIFY(!form_->isVisible());
    QCOMPARE(m[82], 7.0);
    QCOMPARE(sessao_->Pilha().count(), 4);
    QVERIFY(!sessao_->Salvo());

    // Nothing changed: closing again is no edit.
    form_->Mostra();
    form_->close();
    QCOMPARE(sessao_->Pilha().count(), 4);
  }

  // Every kind of row edit, then the menu's undo all the way back and its
  // redo all the way forth: each step gives the file bytes it had, and the
  // window shows the rows of each step.
  void desfazerERefazerDevolvemCadaArquivo() {
    const quiv::Documento& doc = sessao_->documento();
    const std::vector<QStringList> passos = {
        {"M81Valor=2*20"},
        {"M83Tipo=2", "M83Min=40", "M83Max=60"},
        {"M84Tipo=3", "M84Min=0", "M84Max=10", "M84Desc=5"},
        {"M85Tipo=5", "M85Min=-1", "M85Max=1", "M85Desc=M15+20"},
        {"M86Tipo=6", "M86Min=50", "M86Max=0.5", "M86Desc=10"},
        {"M82Tipo=7", "M82Valor=M21*2"},
        {"M91Tipo=1"},
        {"M83Tipo=0", "M83Valor=12", "M83Desc=Carga"},
    };
    std::vector<std::vector<std::string>> arquivos{Linhas(doc)};
    for (const QStringList& passo : passos) {
      for (const QString& campo : passo) Edita(campo);
      QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
      arquivos.push_back(Linhas(doc));
      QVERIFY(arquivos.back() != arquivos[arquivos.size() - 2]);
    }
    const int n = static_cast<int>(passos.size());
    QCOMPARE(sessao_->Pilha().count(), n);
    QCOMPARE(doc.gerador().Canal(85).Desc.Em(false), std::string("M15+20"));
    QCOMPARE(sessao_->simulacao().memoria.DescricaoEndereco[83], std::string("Carga"));

    QAction* desfazer = janela_->findChild<QAction*>(QStringLiteral("Desfazer1"));
    QAction* refazer = janela_->findChild<QAction*>(QStringLiteral("Refazer1"));
    QCOMPARE(desfazer->text(), QStringLiteral("Desfazer Atualizar Gerador de Sinais"));
    for (int i = n; i > 0; --i) {
      desfazer->trigger();
      QCOMPARE(Linhas(doc), arquivos[static_cast<std::size_t>(i - 1)]);
    }
    QVERIFY(sessao_->Salvo());
    QCOMPARE(Filho<QComboBox>("M83Tipo")->currentIndex(), 0);
    QCOMPARE(Filho<QLineEdit>("M81Valor")->text(), QStringLiteral("Valor"));
    QVERIFY(!Filho<QPushButton>("Button1")->isEnabled());
    for (int i = 1; i <= n; ++i) {
      refazer->trigger();
      QCOMPARE(Linhas(doc), arquivos[static_cast<std::size_t>(i)]);
    }
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(Filho<QLineEdit>("M83Valor")->text(), QStringLiteral("12"));
    QCOMPARE(sessao_->simulacao().memoria.celula[83], 12.0);
  }

  // A row whose text does not read changes nothing of the generator, which
  // runs on as it was: one box lists every failed field once, naming the
  // channel; the window keeps the rows as typed.
  void checagensFalhas_data() {
    QTest::addColumn<QStringList>("campos");
    QTest::addColumn<QStringList>("mensagens");
    auto caso = [](const char* nome, QStringList campos, QStringList mensagens) {
      for (QString& m : mensagens) m.prepend(QStringLiteral("Gerador de Sinais "));
      QTest::newRow(nome) << campos << mensagens;
    };
    caso("constante", {"M81Valor=dois"}, {"M81: Valor inválido"});
    caso("constante com endereço", {"M81Valor=M15"}, {"M81: Valor inválido"});
    caso("legendas da faixa", {"M83Tipo=2"}, {"M83: Min inválido", "M83: Máx. inválido"});
    caso("vírgula", {"M83Tipo=2", "M83Min=1,5", "M83Max=3"}, {"M83: Min inválido"});
    caso("tal", {"M84Tipo=3", "M84Min=0", "M84Max=10"}, {"M84: Tal inválido"});
    caso("período", {"M85Tipo=5", "M85Min=0", "M85Max=1", "M85Desc=p"}, {"M85: Período inválido"});
    caso("random walk", {"M86Tipo=6"},
         {"M86: Inicial inválido", "M86: Ganho inválido", "M86: Faixa inválida"});
    caso("equação", {"M82Tipo=7"}, {"M82: Equação inválida"});
    caso("duas linhas, uma válida", {"M81Valor=x", "M84Tipo=8", "M84Valor=M15", "M88Tipo=4"},
         {"M81: Valor inválido", "M88: Min inválido", "M88: Máx. inválido"});
  }
  void checagensFalhas() {
    QFETCH(QStringList, campos);
    QFETCH(QStringList, mensagens);
    quiv::Documento& doc = sessao_->documento();
    Edita("M90Tipo=2");
    Edita("M90Min=10");
    Edita("M90Max=20");
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    sessao_->ExecutaCiclo(100.0);
    sessao_->MarcaSalvo();
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(doc);

    for (const QString& campo : campos) Edita(campo);
    const QString ultimo = campos.last();
    roteiro_.EsperaInforma(mensagens.join(QLatin1Char('\n')));
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 1);
    QVERIFY(quiv::teste::MesmoEstado(doc, *antes));
    QVERIFY(sessao_->Salvo());
    QCOMPARE(sessao_->Pilha().count(), 1);
    QVERIFY(Filho<QPushButton>("Button1")->isEnabled());
    const QString nome = ultimo.section(QLatin1Char('='), 0, 0);
    const QString valor = ultimo.section(QLatin1Char('='), 1);
    if (nome.endsWith(QLatin1String("Tipo")))
      QCOMPARE(Filho<QComboBox>(nome)->currentIndex(), valor.toInt());
    else
      QCOMPARE(Texto(nome), valor);
    // The menu item shows the window again (it may have fallen behind) with
    // the rows still as typed.
    Acao("Configurao1")->trigger();
    if (!nome.endsWith(QLatin1String("Tipo"))) QCOMPARE(Texto(nome), valor);

    // Closing applies too: the window stays with the rows as typed.
    roteiro_.EsperaInforma(mensagens.first());
    QVERIFY(!form_->close());
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QVERIFY(form_->isVisible());
    QVERIFY(quiv::teste::MesmoEstado(doc, *antes));
  }

  // A sine's period, read by every step, reaches the running channel as it
  // is typed whenever it evaluates (an operator action, not undone); other
  // descriptions wait for the apply.
  void periodoDoSenoVivo() {
    const quiv::CanalGerador& seno = sessao_->documento().gerador().Canal(85);
    for (const char* campo : {"M85Tipo=5", "M85Min=0", "M85Max=10", "M85Desc=20", "M84Tipo=3",
                              "M84Min=0", "M84Max=10", "M84Desc=5"})
      Edita(QString::fromLatin1(campo));
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(seno.ParamDesc, 20.0);
    sessao_->MarcaSalvo();

    Edita("M85Desc=40");
    QCOMPARE(seno.Desc.Em(false), std::string("40"));
    QVERIFY(!sessao_->Salvo());
    sessao_->ExecutaCiclo(100.0);
    QCOMPARE(seno.ParamDesc, 40.0);
    sessao_->MarcaSalvo();
    QTest::keyClicks(Filho<QLineEdit>("M85Desc"), QStringLiteral("x"));
    QCOMPARE(seno.Desc.Em(false), std::string("40"));
    Edita("M84Desc=9");
    QCOMPARE(sessao_->documento().gerador().Canal(84).Desc.Em(false), std::string("5"));
    QVERIFY(sessao_->Salvo());
    QCOMPARE(sessao_->Pilha().count(), 1);
  }

  // Undoing an apply puts back the rows it changed and leaves the values
  // the arrows and the 0/1 choice moved since.
  void operacoesNaoSaoDesfeitas() {
    auto& m = sessao_->simulacao().memoria.celula;
    Edita("M81Valor=40");
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    Edita("M91Tipo=1");
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    QTest::mouseClick(Digital(91, 1), Qt::LeftButton);
    Edita("M92Tipo=1");
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    QTest::mouseClick(Seta(81, true), Qt::LeftButton);
    QTest::mouseClick(Seta(81, true), Qt::LeftButton);
    QCOMPARE(m[81], 42.0);
    QCOMPARE(m[91], 1.0);
    QCOMPARE(sessao_->Pilha().count(), 3);

    sessao_->Pilha().undo();
    QCOMPARE(sessao_->documento().gerador().Canal(92).Tipo, 0);
    QCOMPARE(m[81], 42.0);
    QCOMPARE(m[91], 1.0);
    QCOMPARE(Texto("M81Valor"), QStringLiteral("42"));
  }

  // A random channel shows its value in the row after each cycle; the help
  // button opens the generator's page.
  void valorAleatorioNaLinhaEAjuda() {
    for (const char* campo : {"M83Tipo=2", "M83Min=40", "M83Max=60"})
      Edita(QString::fromLatin1(campo));
    QTest::mouseClick(Filho<QPushButton>("Button1"), Qt::LeftButton);
    sessao_->ExecutaCiclo(1000.0);
    const double v = sessao_->simulacao().memoria.celula[83];
    QVERIFY(v >= 40.0 && v < 60.0);
    QCOMPARE(Texto("M83Valor"), QString::number(v, 'f', 2));

    QTest::mouseClick(Filho<QToolButton>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(roteiro_.EnderecosAbertos().size(), 1);
    QVERIFY(roteiro_.EnderecosAbertos().first().toString().endsWith(
        QStringLiteral("/ferramentas/#gerador_sinais")));
  }

 private:
  QAction* Acao(const char* nome) const {
    return janela_->findChild<QAction*>(QLatin1String(nome));
  }
  template <typename T>
  T* Filho(const QString& nome) const {
    return Procura<T>(*form_, nome);
  }
  template <typename T>
  T* Filho(const char* nome) const {
    return Procura<T>(*form_, nome);
  }
  QString Texto(const QString& nome) const { return Filho<QLineEdit>(nome)->text(); }
  QToolButton* Seta(int canal, bool sobe) const {
    return Filho<QWidget>(QStringLiteral("M%1UpDown").arg(canal))
        ->findChild<QToolButton*>(sobe ? QStringLiteral("Sobe") : QStringLiteral("Desce"));
  }
  QRadioButton* Digital(int canal, int item) const {
    return Filho<QGroupBox>(QStringLiteral("M%1ValorDig").arg(canal))
        ->findChildren<QRadioButton*>()
        .at(item);
  }
  // "M81Tipo=2" picks the item; "M81Valor=text" types the text over the
  // edit's, as the user does.
  void Edita(const QString& campo) {
    const QString nome = campo.section(QLatin1Char('='), 0, 0);
    const QString valor = campo.section(QLatin1Char('='), 1);
    if (nome.endsWith(QLatin1String("Tipo"))) {
      Filho<QComboBox>(nome)->setCurrentIndex(valor.toInt());
      return;
    }
    auto* edit = Filho<QLineEdit>(nome);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, valor);
    QCOMPARE(edit->text(), valor);
  }
  void Edita(const char* campo) { Edita(QString::fromUtf8(campo)); }

  std::unique_ptr<quiv::JanelaPrincipal> janela_;
  quiv::JanelaGerador* form_ = nullptr;
};

int ExecutaTesteJanelaGerador(int argc, char** argv) {
  TesteJanelaGerador teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_gerador.moc"
