// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "../comum/planta_malha.h"
#include "ambiente_janela.h"
#include "core/arquivo/lista_variaveis.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/tdialogos.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::ListaVariaveis;
using quiv::TDialogos;
using Campo = ListaVariaveis::Campo;

Q_DECLARE_METATYPE(Campo)

class TesteTDialogos : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    quiv::teste::IncluiMalha(sessao_->documento(), 1, 50.0);
    sessao_->MarcaSalvo();
    janela_ = std::make_unique<TDialogos>(*sessao_);
    janela_->Mostra();
    QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
  }

  void cleanup() {
    janela_.reset();
    EncerraAmbiente();
  }

  // The rows show their addresses, types, descriptors and values; process
  // rows show the tag of an existing process; the values follow the cycles
  // while the window is shown.
  void descritoresEValores() {
    QCOMPARE(janela_->windowTitle(), QStringLiteral("Lista de Variáveis"));
    auto* lista = Tabela("ListaVar");
    auto* lista2 = Tabela("ListaVar2");
    QCOMPARE(lista->rowCount(), 48);
    QCOMPARE(lista2->rowCount(), 75);
    QCOMPARE(lista->columnCount(), 8);
    QCOMPARE(lista->horizontalHeaderItem(Col(Campo::UEMin))->text(), QStringLiteral("UE min"));
    QCOMPARE(lista->verticalHeaderItem(0)->text(), QStringLiteral("M21"));
    QCOMPARE(lista->verticalHeaderItem(47)->text(), QStringLiteral("M78"));
    QCOMPARE(lista2->verticalHeaderItem(25)->text(), QStringLiteral("M10"));
    QCOMPARE(lista2->verticalHeaderItem(74)->text(), QStringLiteral("M124"));

    QCOMPARE(Texto(lista, 1, Campo::Tipo), QStringLiteral("P1"));
    QCOMPARE(Texto(lista, 2, Campo::Tipo), QStringLiteral("Variável de Processo"));
    QCOMPARE(Texto(lista, 1, Campo::Unidade), QStringLiteral("%"));
    QCOMPARE(Texto(lista, 1, Campo::UEMin), QStringLiteral("0.0"));
    QCOMPARE(Texto(lista, 1, Campo::UEMax), QStringLiteral("100.00"));
    QCOMPARE(Texto(lista2, 1, Campo::Tipo), QStringLiteral("Entrada de Dados 1"));
    QCOMPARE(Texto(lista2, 33, Campo::Tipo), QStringLiteral("Reservado"));
    QCOMPARE(Texto(lista2, 33, Campo::Valor), QString());
    QCOMPARE(Texto(lista2, 52, Campo::UEMax), QStringLiteral("100.0"));
    QCOMPARE(Texto(lista2, 52, Campo::Valor), QString());

    Celula(30) = 12.345;  // M30: no process 10 writes it
    Celula(97) = 1.0;
    Celula(68) = -2.5;  // controller 8's set point: no controller 8
    Ciclo();
    QCOMPARE(Texto(lista, 10, Campo::Valor), QStringLiteral("12.35"));
    QCOMPARE(Texto(lista2, 27, Campo::Valor), QStringLiteral("1.00"));
    QCOMPARE(Texto(lista2, 14, Campo::Valor), QStringLiteral("-2.50"));
    QCOMPARE(Texto(lista, 1, Campo::Valor),
             QString::fromStdString(ListaVariaveis::TextoValor(Celula(21))));

    // Hidden, the values stay as they were.
    janela_->hide();
    Celula(30) = 7.0;
    Ciclo();
    QCOMPARE(Texto(lista, 10, Campo::Valor), QStringLiteral("12.35"));
  }

  // Enter stores the typed text; the change reaches the controller whose
  // PV is M21 at the next refresh ("Atualiza"), with the limits beside it.
  void enterGuardaEAtualizaChega() {
    auto* lista = Tabela("ListaVar");
    quiv::Controlador& c = *sessao_->documento().ControladorDe(1);
    QCOMPARE(c.EscalaFim, 100.0);
    Edita(lista, 1, Campo::UEMax, QStringLiteral("300"), Qt::Key_Return);
    Edita(lista, 1, Campo::Unidade, QStringLiteral("°C"), Qt::Key_Enter);
    QCOMPARE(Texto(lista, 1, Campo::UEMax), QStringLiteral("300"));
    const quiv::Descritor& d = Memoria().descritor[21];
    QCOMPARE(d.UEMax, std::string("300"));
    QCOMPARE(d.LSE, std::string("300"));
    QCOMPARE(d.UnidadeEng, std::string("°C"));
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(Texto(lista, 1, Campo::LSE), QStringLiteral("100.00"));  // until the refresh
    QCOMPARE(c.EscalaFim, 100.0);

    Clica("SpeedButton1");
    QCOMPARE(Texto(lista, 1, Campo::LSE), QStringLiteral("300"));
    QCOMPARE(c.EscalaFim, 300.0);
    QCOMPARE(c.UnitEngSP, std::string("°C"));
    QCOMPARE(sessao_->documento().painel.Entrada(1).Dica, std::string("Faixa: de 0.0 a 100.00 %"));

    Edita(lista, 1, Campo::Descricao, QStringLiteral("Temperatura"), Qt::Key_Return);
    QCOMPARE(Memoria().DescricaoEndereco[21], std::string("Temperatura"));
  }

  // Escape gives the cell its previous text back and stores nothing.
  void escapeRestaura() {
    auto* lista = Tabela("ListaVar");
    Edita(lista, 3, Campo::LIE, QStringLiteral("55"), Qt::Key_Escape);
    QCOMPARE(Texto(lista, 3, Campo::LIE), QStringLiteral("0.00"));
    QCOMPARE(Memoria().descritor[23].LIE, std::string("0.00"));
    QVERIFY(sessao_->Salvo());
  }

  // A UE min above the UE max beside it (or a UE max below the UE min) is
  // refused by putting the previous text back; the control-signal rows
  // compare the integer part of what was typed.
  void faixaRecusada_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<int>("linha");
    QTest::addColumn<Campo>("campo");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<bool>("aceito");
    QTest::newRow("UE min acima") << "ListaVar" << 1 << Campo::UEMin << "150" << false;
    QTest::newRow("UE min igual") << "ListaVar" << 1 << Campo::UEMin << "100" << true;
    QTest::newRow("UE min abaixo") << "ListaVar" << 1 << Campo::UEMin << "20" << true;
    QTest::newRow("UE max abaixo") << "ListaVar" << 1 << Campo::UEMax << "-1" << false;
    QTest::newRow("parte inteira") << "ListaVar2" << 1 << Campo::UEMin << "100.9" << true;
    QTest::newRow("inteiro acima") << "ListaVar2" << 1 << Campo::UEMin << "101" << false;
    QTest::newRow("gerador") << "ListaVar2" << 36 << Campo::UEMax << "-3" << false;
  }
  void faixaRecusada() {
    QFETCH(QString, tabela);
    QFETCH(int, linha);
    QFETCH(Campo, campo);
    QFETCH(QString, digitado);
    QFETCH(bool, aceito);
    auto* t = Tabela(tabela);
    // M15's range ends at 100.5.
    Edita(Tabela("ListaVar2"), 1, Campo::UEMax, QStringLiteral("100.5"), Qt::Key_Return);
    QCOMPARE(Memoria().descritor[15].UEMax, std::string("100.5"));
    sessao_->MarcaSalvo();
    const QString antes = Texto(t, linha, campo);
    const int endereco = ListaVariaveis::LinhaDe(Tipo(tabela), linha).Endereco;
    const std::string guardado = campo == Campo::UEMin ? Memoria().descritor[endereco].UEMin
                                                       : Memoria().descritor[endereco].UEMax;

    Edita(t, linha, campo, digitado, Qt::Key_Return);
    const quiv::Descritor& d = Memoria().descritor[endereco];
    const std::string& agora = campo == Campo::UEMin ? d.UEMin : d.UEMax;
    const std::string& limite = campo == Campo::UEMin ? d.LIE : d.LSE;
    if (aceito) {
      QCOMPARE(Texto(t, linha, campo), digitado);
      QCOMPARE(agora, digitado.toStdString());
      QCOMPARE(limite, digitado.toStdString());
      QVERIFY(!sessao_->Salvo());
    } else {
      QCOMPARE(Texto(t, linha, campo), antes);
      QCOMPARE(agora, guardado);
      QVERIFY(sessao_->Salvo());
    }
  }

  // The actuator positions take no typing, the type and value columns no
  // selection; the controller-output rows keep what was typed without
  // storing it, until the next refresh.
  void somenteLeitura() {
    auto* lista2 = Tabela("ListaVar2");
    for (int linha : {52, 75})
      for (Campo campo : {Campo::Unidade, Campo::UEMin, Campo::Descricao}) {
        QTableWidgetItem* item = lista2->item(linha - 1, Col(campo));
        QVERIFY(!(item->flags() & Qt::ItemIsEditable));
        lista2->setCurrentItem(item);
        lista2->editItem(item);
        QVERIFY(Editor(lista2) == nullptr);
      }
    for (auto* t : {Tabela("ListaVar"), lista2})
      for (Campo campo : {Campo::Tipo, Campo::Valor}) {
        QTableWidgetItem* item = t->item(0, Col(campo));
        QVERIFY(!(item->flags() & (Qt::ItemIsEditable | Qt::ItemIsSelectable)));
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier,
                           t->visualItemRect(item).center());
        QVERIFY(Editor(t) == nullptr);
      }

    Edita(lista2, 17, Campo::Unidade, QStringLiteral("kg"), Qt::Key_Return);
    QCOMPARE(Texto(lista2, 17, Campo::Unidade), QStringLiteral("kg"));
    QCOMPARE(Memoria().descritor[1].UnidadeEng, std::string("%"));
    Edita(lista2, 30, Campo::Unidade, QStringLiteral("on/off"), Qt::Key_Return);
    Edita(lista2, 1, Campo::Descricao, QStringLiteral("Vazão"), Qt::Key_Return);
    QCOMPARE(Texto(lista2, 1, Campo::Descricao), QStringLiteral("Vazão"));
    QVERIFY(sessao_->Salvo());
    janela_->AtualizaLista();
    QCOMPARE(Texto(lista2, 17, Campo::Unidade), QStringLiteral("%"));
    QCOMPARE(Texto(lista2, 30, Campo::Unidade), QStringLiteral("on/off"));
    QCOMPARE(Texto(lista2, 1, Campo::Descricao),
             QString::fromStdString(Memoria().DescricaoEndereco[15]));
  }

  // Leaving a cell without Enter keeps the typed text in it, unstored.
  void sairDaCelulaSemEnter() {
    auto* lista = Tabela("ListaVar");
    Edita(lista, 4, Campo::Unidade, QStringLiteral("bar"), Qt::Key_unknown);
    lista->setCurrentItem(lista->item(5, Col(Campo::LSE)));
    QCOMPARE(Texto(lista, 4, Campo::Unidade), QStringLiteral("bar"));
    QCOMPARE(Memoria().descritor[24].UnidadeEng, std::string("%"));
  }

  // A process removed later keeps its last tag in the list.
  void tagDeProcessoExcluido() {
    auto* lista = Tabela("ListaVar");
    sessao_->documento().Exclui(quiv::TipoObjeto::Processo, 1);
    Clica("SpeedButton1");
    QCOMPARE(Texto(lista, 1, Campo::Tipo), QStringLiteral("P1"));
  }

  // "Sair" refreshes and hides; the help button opens the list's page.
  void sairEAjuda() {
    Memoria().DefineDescricao(22, "Nível");
    Clica("SpeedButton2");
    QVERIFY(!janela_->isVisible());
    QCOMPARE(Texto(Tabela("ListaVar"), 2, Campo::Descricao), QStringLiteral("Nível"));
    janela_->Mostra();
    Clica("SpeedButton3");
    QCOMPARE(roteiro_.EnderecosAbertos(),
             QList<QUrl>{quiv::EnderecoAjuda("/ferramentas/#mapa_variaveis")});
  }

  // QUIV_CAPTURA=folder keeps a picture of the window for a look.
  void capturas() {
    const QString pasta = qEnvironmentVariable("QUIV_CAPTURA");
    if (pasta.isEmpty()) QSKIP("QUIV_CAPTURA not set");
    quiv::Descritor d;
    d.UnidadeEng = "°C";
    d.UEMin = "20";
    d.UEMax = "220";
    d.LIE = "40";
    d.LSE = "200";
    Memoria().DefineDescritor(21, d);
    Memoria().DefineDescricao(21, "Temperatura do forno");
    for (int i = 0; i < 100; ++i) Ciclo();
    janela_->AtualizaLista();
    auto* lista = Tabela("ListaVar");
    lista->setCurrentItem(lista->item(1, Col(Campo::UEMax)));
    QCoreApplication::processEvents();
    janela_->grab().save(pasta + QStringLiteral("/tdialogos.png"));
  }

 private:
  static int Col(Campo campo) { return TDialogos::Coluna(campo); }
  static ListaVariaveis::Tabela Tipo(const QString& nome) {
    return nome == QLatin1String("ListaVar") ? ListaVariaveis::Tabela::Processo
                                             : ListaVariaveis::Tabela::Controle;
  }
  quiv::Memoria& Memoria() const { return sessao_->documento().simulacao.memoria; }
  double& Celula(int endereco) const {
    return Memoria().celula[static_cast<std::size_t>(endereco)];
  }
  void Ciclo() { sessao_->Timer1Timer(agora_ += 100.0); }
  QTableWidget* Tabela(const QString& nome) const { return Procura<QTableWidget>(*janela_, nome); }
  static QString Texto(QTableWidget* t, int linha, Campo campo) {
    return t->item(linha - 1, Col(campo))->text();
  }
  static QLineEdit* Editor(QTableWidget* t) {
    for (auto* e : t->viewport()->findChildren<QLineEdit*>())
      if (e->isVisible()) return e;
    return nullptr;
  }
  // Opens the cell's editor, types the text and ends with `tecla`
  // (Qt::Key_unknown: no key).
  void Edita(QTableWidget* t, int linha, Campo campo, const QString& texto, Qt::Key tecla) {
    QTableWidgetItem* item = t->item(linha - 1, Col(campo));
    t->setCurrentItem(item);
    t->editItem(item);
    QLineEdit* editor = Editor(t);
    QVERIFY(editor);
    editor->selectAll();
    editor->insert(texto);  // as typed, accents included
    if (tecla != Qt::Key_unknown) QTest::keyClick(editor, tecla);
    QCoreApplication::processEvents();
    if (tecla != Qt::Key_unknown) QVERIFY(Editor(t) == nullptr);
  }
  void Clica(const char* nome) {
    auto* b = janela_->findChild<QAbstractButton*>(QLatin1String(nome));
    if (!b) qFatal("no button %s", nome);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
  }

  std::unique_ptr<TDialogos> janela_;
  double agora_ = 0.0;
};

int ExecutaTesteTDialogos(int argc, char** argv) {
  TesteTDialogos teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_tdialogos.moc"
