// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <memory>
#include <string>
#include <vector>

#include "../comum/mesmo_estado.h"
#include "../comum/planta_malha.h"
#include "ambiente_janela.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/linhas_smp.h"
#include "core/arquivo/lista_variaveis.h"
#include "interacao_roteiro.h"
#include "procura.h"
#include "ui/objetos/janela_lista_variaveis.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/sessao_simulacao.h"

using quiv::JanelaListaVariaveis;
using quiv::ListaVariaveis;
using Campo = ListaVariaveis::Campo;

namespace {

std::vector<std::string> Linhas(const quiv::Documento& doc) {
  return quiv::teste::LinhasDoArquivo(doc);
}

}  // namespace

class TesteJanelaListaVariaveis : public QObject, public AmbienteJanela {
  Q_OBJECT

 private slots:
  void init() {
    IniciaAmbiente();
    quiv::teste::IncluiMalha(sessao_->documento(), 1, 50.0);
    // The descriptors handed on, as a load leaves them.
    ListaVariaveis::AplicaDescritores(sessao_->documento());
    sessao_->MarcaSalvo();
    janela_ = std::make_unique<JanelaListaVariaveis>(*sessao_);
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

  // Enter keeps the typed text in its cell for "Atualiza", which stores it
  // and hands it on (the controller whose PV is M21 takes the range, the
  // animated text showing M21 its scale) as one edit; undo puts back the
  // descriptors and exactly the forms the objects had, redo the result.
  void atualizaGuardaEDesfazVolta() {
    auto* lista = Tabela("ListaVar");
    quiv::Documento& doc = sessao_->documento();
    quiv::TextoAnimado& texto = doc.NovoTexto(1);
    texto.ItemVariavel = 20;
    texto.TextoFaixaMin = "0.00";  // not the descriptor's text: an apply rewrites it
    quiv::Controlador& c = *doc.ControladorDe(1);
    sessao_->MarcaSalvo();
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(doc);

    Edita(lista, 1, Campo::UEMax, QStringLiteral("300"), Qt::Key_Return);
    Edita(lista, 1, Campo::Unidade, QStringLiteral("°C"), Qt::Key_Enter);
    Edita(lista, 1, Campo::Descricao, QStringLiteral("Temperatura"), Qt::Key_Return);
    QCOMPARE(Texto(lista, 1, Campo::UEMax), QStringLiteral("300"));
    janela_->AtualizaLista();  // the kept texts stay in their cells
    QCOMPARE(Texto(lista, 1, Campo::UEMax), QStringLiteral("300"));
    QCOMPARE(Texto(lista, 1, Campo::Descricao), QStringLiteral("Temperatura"));
    QVERIFY(quiv::teste::MesmoEstado(doc, *antes, 1));
    QVERIFY(sessao_->Salvo());

    Clica("SpeedButton1");
    const quiv::Descritor& d = Memoria().descritor[21];
    QCOMPARE(d.UEMax, std::string("300"));
    QCOMPARE(d.LSE, std::string("300"));
    QCOMPARE(d.UnidadeEng, std::string("°C"));
    QCOMPARE(Memoria().DescricaoEndereco[21], std::string("Temperatura"));
    QCOMPARE(Texto(lista, 1, Campo::LSE), QStringLiteral("300"));
    QCOMPARE(c.EscalaFim, 300.0);
    QCOMPARE(c.UnitEngSP, std::string("°C"));
    QCOMPARE(texto.TextoFaixaMax, std::string("300"));
    QCOMPARE(texto.TextoFaixaMin, std::string("0.0"));
    QCOMPARE(doc.painel.Entrada(1).Dica, std::string("Faixa: de 0.0 a 100.00 %"));
    QVERIFY(!sessao_->Salvo());
    QCOMPARE(sessao_->Pilha().count(), 1);
    QCOMPARE(sessao_->Pilha().undoText(), QStringLiteral("Atualizar Lista de Variáveis"));
    const std::vector<std::string> depois = Linhas(doc);

    sessao_->Pilha().undo();
    QVERIFY(quiv::teste::MesmoEstado(doc, *antes));
    QCOMPARE(Memoria().DescricaoEndereco[21], antes->simulacao.memoria.DescricaoEndereco[21]);
    QCOMPARE(texto.TextoFaixaMin, std::string("0.00"));
    QCOMPARE(c.EscalaFim, 100.0);
    QCOMPARE(Texto(lista, 1, Campo::UEMax), QStringLiteral("100.00"));
    QCOMPARE(Texto(lista, 1, Campo::Unidade), QStringLiteral("%"));
    QVERIFY(sessao_->Salvo());
    sessao_->Pilha().redo();
    QCOMPARE(Linhas(doc), depois);
    QCOMPARE(c.EscalaFim, 300.0);
    QCOMPARE(Texto(lista, 1, Campo::UEMax), QStringLiteral("300"));
    QVERIFY(!sessao_->Salvo());

    // Nothing kept and nothing to hand on: no edit.
    Clica("SpeedButton1");
    QCOMPARE(sessao_->Pilha().count(), 1);
  }

  // Escape gives the cell its previous text back and keeps nothing.
  void escapeRestaura() {
    auto* lista = Tabela("ListaVar");
    Edita(lista, 3, Campo::LIE, QStringLiteral("55"), Qt::Key_Escape);
    QCOMPARE(Texto(lista, 3, Campo::LIE), QStringLiteral("0.00"));
    Clica("SpeedButton1");
    QCOMPARE(Memoria().descritor[23].LIE, std::string("0.00"));
    QVERIFY(sessao_->Salvo());
  }

  // "Atualiza" checks each row as it would stand after all the kept texts:
  // a UE min above the row's UE max, or a UE max below its UE min, fails
  // the row (the control-signal rows compare the integer part of what was
  // typed). Any failure stores nothing: one box lists each failed row once
  // and the texts stay in their cells; otherwise each text is stored, UE min
  // also as LIE and UE max as LSE.
  void faixaVerificada_data() {
    QTest::addColumn<QStringList>("edicoes");
    QTest::addColumn<QStringList>("falhas");
    QTest::newRow("UE min acima") << QStringList{"ListaVar:1:UEMin=150"}
                                  << QStringList{"M21: UE min acima do UE max"};
    QTest::newRow("UE min igual") << QStringList{"ListaVar:1:UEMin=100"} << QStringList{};
    QTest::newRow("UE min abaixo") << QStringList{"ListaVar:1:UEMin=20"} << QStringList{};
    QTest::newRow("UE max abaixo")
        << QStringList{"ListaVar:1:UEMax=-1"} << QStringList{"M21: UE min acima do UE max"};
    QTest::newRow("parte inteira") << QStringList{"ListaVar2:1:UEMin=100.9"} << QStringList{};
    QTest::newRow("inteiro acima")
        << QStringList{"ListaVar2:1:UEMin=101"} << QStringList{"M15: UE min acima do UE max"};
    QTest::newRow("gerador") << QStringList{"ListaVar2:36:UEMax=-3"}
                             << QStringList{"M81: UE min acima do UE max"};
    QTest::newRow("a linha como fica")
        << QStringList{"ListaVar:1:UEMin=150", "ListaVar:1:UEMax=200"} << QStringList{};
    QTest::newRow("o último texto conta")
        << QStringList{"ListaVar:2:UEMin=150", "ListaVar:2:UEMin=50"} << QStringList{};
    QTest::newRow("uma vez por linha") << QStringList{"ListaVar:1:UEMin=150", "ListaVar:1:UEMax=-1"}
                                       << QStringList{"M21: UE min acima do UE max"};
    QTest::newRow("nada guardado")
        << QStringList{"ListaVar:2:Unidade=kg", "ListaVar:1:UEMin=150", "ListaVar2:36:UEMax=-3"}
        << QStringList{"M21: UE min acima do UE max", "M81: UE min acima do UE max"};
  }
  void faixaVerificada() {
    QFETCH(QStringList, edicoes);
    QFETCH(QStringList, falhas);
    // M15's range ends at 100.5.
    Edita(Tabela("ListaVar2"), 1, Campo::UEMax, QStringLiteral("100.5"), Qt::Key_Return);
    Clica("SpeedButton1");
    QCOMPARE(Memoria().descritor[15].UEMax, std::string("100.5"));
    sessao_->MarcaSalvo();
    const std::unique_ptr<quiv::Documento> antes = quiv::CopiaDocumento(sessao_->documento());

    struct Celula {
      QTableWidget* tabela;
      int linha;
      Campo campo;
      QString texto;
    };
    std::vector<Celula> celulas;
    for (const QString& e : edicoes) {
      const QStringList partes = e.section(QLatin1Char('='), 0, 0).split(QLatin1Char(':'));
      static const QMap<QString, Campo> kCampos = {
          {"Unidade", Campo::Unidade}, {"UEMin", Campo::UEMin}, {"UEMax", Campo::UEMax}};
      Celula c{Tabela(partes[0]), partes[1].toInt(), kCampos.value(partes[2]),
               e.section(QLatin1Char('='), 1)};
      Edita(c.tabela, c.linha, c.campo, c.texto, Qt::Key_Return);
      std::erase_if(celulas, [&c](const Celula& o) {
        return o.tabela == c.tabela && o.linha == c.linha && o.campo == c.campo;
      });
      celulas.push_back(c);
    }
    if (!falhas.isEmpty()) roteiro_.EsperaInforma(falhas.join(QLatin1Char('\n')));
    Clica("SpeedButton1");
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), falhas.isEmpty() ? 0 : 1);
    for (const Celula& c : celulas) QCOMPARE(Texto(c.tabela, c.linha, c.campo), c.texto);
    if (!falhas.isEmpty()) {
      QVERIFY(quiv::teste::MesmoEstado(sessao_->documento(), *antes));
      QVERIFY(sessao_->Salvo());
      QCOMPARE(sessao_->Pilha().count(), 1);
      return;
    }
    QCOMPARE(sessao_->Pilha().count(), 2);
    for (const Celula& c : celulas) {
      const int endereco = ListaVariaveis::LinhaDe(Tipo(c.tabela->objectName()), c.linha).Endereco;
      const quiv::Descritor& d = Memoria().descritor[endereco];
      const std::string esperado = c.texto.toStdString();
      if (c.campo == Campo::Unidade) QCOMPARE(d.UnidadeEng, esperado);
      if (c.campo == Campo::UEMin) QCOMPARE(d.UEMin + "|" + d.LIE, esperado + "|" + esperado);
      if (c.campo == Campo::UEMax) QCOMPARE(d.UEMax + "|" + d.LSE, esperado + "|" + esperado);
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

  // A row shows the tag of the open plant's object or its type: a process
  // deleted, or another plant opened, leaves no tag behind.
  void tagSoDaPlantaAberta() {
    auto* lista = Tabela("ListaVar");
    sessao_->documento().Exclui(quiv::TipoObjeto::Processo, 1);
    Clica("SpeedButton1");
    QCOMPARE(Texto(lista, 1, Campo::Tipo), QStringLiteral("Variável de Processo"));

    quiv::teste::IncluiMalha(sessao_->documento(), 1, 50.0);
    Clica("SpeedButton1");
    QCOMPARE(Texto(lista, 1, Campo::Tipo), QStringLiteral("P1"));
    sessao_->NovaSimulacao();
    QCOMPARE(Texto(lista, 1, Campo::Tipo), QStringLiteral("Variável de Processo"));
  }

  // "Sair" runs "Atualiza" and hides, unless a row fails; the help button
  // opens the list's page.
  void sairEAjuda() {
    auto* lista = Tabela("ListaVar");
    Edita(lista, 2, Campo::UEMin, QStringLiteral("500"), Qt::Key_Return);
    roteiro_.EsperaInforma(QStringLiteral("M22: UE min acima do UE max"));
    Clica("SpeedButton2");
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QVERIFY(janela_->isVisible());

    Edita(lista, 2, Campo::UEMin, QStringLiteral("5"), Qt::Key_Return);
    Memoria().DefineDescricao(22, "Nível");
    Clica("SpeedButton2");
    QCOMPARE(Memoria().descritor[22].UEMin, std::string("5"));
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
  static int Col(Campo campo) { return JanelaListaVariaveis::Coluna(campo); }
  static ListaVariaveis::Tabela Tipo(const QString& nome) {
    return nome == QLatin1String("ListaVar") ? ListaVariaveis::Tabela::Processo
                                             : ListaVariaveis::Tabela::Controle;
  }
  quiv::Memoria& Memoria() const { return sessao_->documento().simulacao.memoria; }
  double& Celula(int endereco) const {
    return Memoria().celula[static_cast<std::size_t>(endereco)];
  }
  void Ciclo() { sessao_->ExecutaCiclo(agora_ += 100.0); }
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

  std::unique_ptr<JanelaListaVariaveis> janela_;
  double agora_ = 0.0;
};

int ExecutaTesteJanelaListaVariaveis(int argc, char** argv) {
  TesteJanelaListaVariaveis teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_janela_lista_variaveis.moc"
