// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "interacao_roteiro.h"
#include "ui/principal/dialogo_configuracao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

using quiv::TipoObjeto;

// A session with the dialog over it, and its controls by objectName.
struct Tela {
  quiv::SessaoSimulacao sessao;
  quiv::DialogoConfiguracao dialogo{sessao};

  quiv::Documento& doc() { return sessao.documento(); }
  quiv::Painel& painel() { return sessao.documento().painel; }
  double& M(int k) { return sessao.simulacao().memoria.celula[k]; }

  template <typename T>
  T& W(const QString& nome) {
    T* w = dialogo.findChild<T*>(nome);
    if (!w) qFatal("no control named %s", qPrintable(nome));
    return *w;
  }
};

// The include boxes as the simulation file and the main window know them:
// slots primeiro … ultimo of a kind are CheckBox<caixa> … in a row, and the
// first of them has the identity number `identidade`.
struct Faixa {
  TipoObjeto tipo;
  int primeiro;
  int ultimo;
  int caixa;
  int identidade;
  const char* vago;
};
const Faixa kFaixas[] = {
    {TipoObjeto::Controlador, 1, 10, 1, 1, "<vago> Controlador "},
    {TipoObjeto::Processo, 1, 10, 21, 21, "<vago> Processo "},
    {TipoObjeto::Processo, 11, 15, 61, 31, "<vago> Processo "},
    {TipoObjeto::Processo, 16, 20, 56, 36, "<vago> Processo "},
    {TipoObjeto::Processo, 21, 23, 72, 71, "<vago> Processo "},
    {TipoObjeto::Processo, 24, 24, 78, 74, "<vago> Processo "},
    {TipoObjeto::Bloco, 1, 15, 31, 41, "<vago> Bloco "},
    {TipoObjeto::Bloco, 16, 20, 82, 56, "<vago> Bloco "},
    {TipoObjeto::Bloco, 21, 23, 75, 75, "<vago> Bloco "},
    {TipoObjeto::Bloco, 24, 24, 79, 78, "<vago> Bloco "},
    {TipoObjeto::Registrador, 1, 10, 11, 201, "<vago> Registrador "},
    {TipoObjeto::Texto, 1, 9, 46, 101, "<vago>Texto Animado "},
    {TipoObjeto::Texto, 10, 15, 66, 110, "<vago>Texto Animado "},
    {TipoObjeto::Texto, 16, 20, 87, 116, "<vago>Texto Animado "},
};

const TipoObjeto kTipos[] = {TipoObjeto::Controlador, TipoObjeto::Processo, TipoObjeto::Registrador,
                             TipoObjeto::Bloco, TipoObjeto::Texto};

// The identity number the object in a slot carries.
int Identidade(const quiv::Documento& doc, TipoObjeto tipo, int n) {
  switch (tipo) {
    case TipoObjeto::Controlador:
      return doc.ControladorDe(n)->Numero();
    case TipoObjeto::Processo:
      return doc.ProcessoDe(n)->Identidade();
    case TipoObjeto::Registrador:
      return doc.RegistradorDe(n)->NumeroRegistrador();
    case TipoObjeto::Bloco:
      return doc.BlocoDe(n)->Endereco();
    case TipoObjeto::Texto:
      return doc.TextoDe(n)->Identidade();
  }
  return 0;
}

// The scripted user for the length of a test, whichever way it ends.
class Instalada {
 public:
  explicit Instalada(quiv::Interacao& roteiro) : antes_(quiv::Interacao::Instala(&roteiro)) {}
  ~Instalada() { quiv::Interacao::Instala(antes_); }
  Instalada(const Instalada&) = delete;
  Instalada& operator=(const Instalada&) = delete;

 private:
  quiv::Interacao* antes_;
};

int ObjetosIncluidos(const quiv::Documento& doc) {
  int total = 0;
  for (const TipoObjeto tipo : kTipos)
    for (int n = 1; n <= quiv::Posicoes::Quantidade(tipo); ++n) total += doc.Incluido(tipo, n);
  return total;
}

}  // namespace

class TesteDialogoConfiguracao : public QObject {
  Q_OBJECT

 private slots:
  // Checking an empty slot's box creates the object once; unchecking only
  // hides its button; checking again keeps the same object.
  void caixaDeInclusaoCriaUmaVez() {
    Tela t;
    QSignalSpy inclusao(&t.sessao, &quiv::SessaoSimulacao::InclusaoAlterada);
    auto& caixa = t.W<QCheckBox>(QStringLiteral("CheckBox21"));
    QCOMPARE(caixa.text(), QStringLiteral("<vago> Processo 1"));

    caixa.click();
    quiv::Processo* const processo = t.doc().ProcessoDe(1);
    QVERIFY(processo);
    QCOMPARE(processo->Identidade(), 21);
    QVERIFY(t.doc().posicoes.De(TipoObjeto::Processo, 1).Exibido);
    QVERIFY(!t.sessao.Salvo());
    QCOMPARE(inclusao.count(), 1);
    QVERIFY(caixa.isChecked());
    // The refresh the inclusion asked for shows the new object's caption.
    QCOMPARE(caixa.text(),
             QString::fromStdString(t.doc().LegendaInclusao(TipoObjeto::Processo, 1)));
    QVERIFY(!caixa.text().startsWith(QStringLiteral("<vago>")));

    caixa.click();
    QVERIFY(!caixa.isChecked());
    QCOMPARE(t.doc().ProcessoDe(1), processo);
    QVERIFY(!t.doc().posicoes.De(TipoObjeto::Processo, 1).Exibido);

    t.sessao.MarcaSalvo();
    caixa.click();
    QCOMPARE(t.doc().ProcessoDe(1), processo);
    QVERIFY(t.doc().posicoes.De(TipoObjeto::Processo, 1).Exibido);
    QCOMPARE(inclusao.count(), 3);  // every change is announced
    QVERIFY(!t.sessao.Salvo());
    QCOMPARE(ObjetosIncluidos(t.doc()), 1);
  }

  // Each of the 88 boxes starts with its slot's empty text and creates the
  // object of its own slot, with that slot's identity number, and no other.
  void cadaCaixaIncluiSeuSlot_data() {
    QTest::addColumn<QString>("caixa");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("identidade");
    QTest::addColumn<QString>("vago");
    int linhas = 0;
    for (const Faixa& f : kFaixas) {
      for (int n = f.primeiro; n <= f.ultimo; ++n) {
        const QString caixa = QStringLiteral("CheckBox%1").arg(f.caixa + n - f.primeiro);
        QTest::newRow(qPrintable(caixa))
            << caixa << static_cast<int>(f.tipo) << n << f.identidade + n - f.primeiro
            << QString::fromUtf8(f.vago) + QString::number(n);
        ++linhas;
      }
    }
    QCOMPARE(linhas, 88);
  }
  void cadaCaixaIncluiSeuSlot() {
    QFETCH(QString, caixa);
    QFETCH(int, tipo);
    QFETCH(int, n);
    QFETCH(int, identidade);
    QFETCH(QString, vago);
    const auto tipoObjeto = static_cast<TipoObjeto>(tipo);

    Tela t;
    auto& box = t.W<QCheckBox>(caixa);
    QCOMPARE(box.text(), vago);
    QVERIFY(!box.isChecked());
    box.click();
    QVERIFY(t.doc().Incluido(tipoObjeto, n));
    QCOMPARE(ObjetosIncluidos(t.doc()), 1);
    QCOMPARE(Identidade(t.doc(), tipoObjeto, n), identidade);
    QVERIFY(t.doc().posicoes.De(tipoObjeto, n).Exibido);
  }

  // The refresh: tag, a blank and the description; an animated text's
  // description alone; the empty text in the interface language.
  void legendasDaAtualizacao_data() {
    QTest::addColumn<bool>("ingles");
    QTest::addColumn<QString>("caixa");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("controller") << false << "CheckBox3"
                                << "FIC-101 Vazão de vapor";
    QTest::newRow("controller en") << true << "CheckBox3"
                                   << "FIC-101 Steam flow";
    QTest::newRow("recorder") << false << "CheckBox12"
                              << "TR-2 Tendências";
    QTest::newRow("process 24") << false << "CheckBox78"
                                << "LT-24 Tanque";
    QTest::newRow("block 24") << false << "CheckBox79"
                              << "FY-24 Soma";
    QTest::newRow("text") << false << "CheckBox48"
                          << "Nível";
    QTest::newRow("text en") << true << "CheckBox48"
                             << "Level";
    QTest::newRow("empty controller") << false << "CheckBox1"
                                      << "<vago> Controlador 1";
    QTest::newRow("empty controller en") << true << "CheckBox1"
                                         << "<empty> Controller 1";
    QTest::newRow("empty text") << false << "CheckBox91"
                                << "<vago>Texto Animado 20";
  }
  void legendasDaAtualizacao() {
    QFETCH(bool, ingles);
    QFETCH(QString, caixa);
    QFETCH(QString, esperado);
    Tela t;
    quiv::Controlador& c = t.doc().NovoControlador(3);
    c.Tag = "FIC-101";
    c.Descricao = "Vazão de vapor|Steam flow";
    quiv::Registrador& r = t.doc().NovoRegistrador(2);
    r.Tag = "TR-2";
    r.Descricao = "Tendências";
    quiv::Processo& p = t.doc().NovoProcesso(24);
    p.Tag = "LT-24";
    p.Descricao = "Tanque";
    quiv::Bloco& b = t.doc().NovoBloco(24);
    b.Tag = "FY-24";
    b.Descricao = "Soma";
    t.doc().NovoTexto(3).Descricao = "Nível|Level";
    t.sessao.simulacao().IdiomaIngles = ingles;

    t.dialogo.AtualizaInclusao();
    QCOMPARE(t.W<QCheckBox>(caixa).text(), esperado);
  }

  // Typing the title writes the model in the language shown, marks the
  // simulation modified and tells the main window.
  void tituloDigitado() {
    Tela t;
    QSignalSpy titulo(&t.sessao, &quiv::SessaoSimulacao::TituloAlterado);
    auto& edit = t.W<QLineEdit>(QStringLiteral("Titulo"));
    QTest::keyClicks(&edit, QStringLiteral("Caldeira"));
    QCOMPARE(t.doc().Titulo.Completo(), std::string("Caldeira"));
    QVERIFY(!t.sessao.Salvo());
    QCOMPARE(titulo.count(), 8);

    t.doc().Titulo = "Planta|Plant";
    t.sessao.simulacao().IdiomaIngles = true;
    t.sessao.MarcaSalvo();
    emit t.sessao.DocumentoRecarregado();
    QCOMPARE(edit.text(), QStringLiteral("Plant"));
    QVERIFY(t.sessao.Salvo());
    QCOMPARE(titulo.count(), 8);
    edit.end(false);
    QTest::keyClicks(&edit, QStringLiteral(" 2"));
    QCOMPARE(t.doc().Titulo.Completo(), std::string("Plant 2"));
    QCOMPARE(titulo.count(), 10);
  }

  // Each push button is enabled after the one before; unchecking one
  // releases it and the buttons after it.
  void cadeiaDosBotoes() {
    Tela t;
    QSignalSpy painel(&t.sessao, &quiv::SessaoSimulacao::PainelAlterado);
    QCheckBox* box[4] = {nullptr, &t.W<QCheckBox>(QStringLiteral("Botao1_check")),
                         &t.W<QCheckBox>(QStringLiteral("Botao2_check")),
                         &t.W<QCheckBox>(QStringLiteral("Botao3_check"))};
    // Edits of button b: name, state-0 text, state-1 text.
    auto edits = [&t](int b) {
      return std::array<QLineEdit*, 3>{&t.W<QLineEdit>(QStringLiteral("Edit%1").arg(7 + b)),
                                       &t.W<QLineEdit>(QStringLiteral("Edit%1").arg(2 * b)),
                                       &t.W<QLineEdit>(QStringLiteral("Edit%1").arg(2 * b + 1))};
    };
    auto habilitadas = [&edits](int b) {
      int n = 0;
      for (QLineEdit* e : edits(b)) n += e->isEnabled();
      return n;
    };
    QCOMPARE(edits(2)[0]->text(), QStringLiteral("Descrição"));
    QCOMPARE(edits(2)[1]->text(), QStringLiteral("Texto para M98=0"));
    QCOMPARE(edits(3)[2]->text(), QStringLiteral("Texto para M99=1"));
    QVERIFY(box[1]->isEnabled());
    QVERIFY(!box[2]->isEnabled());
    QVERIFY(!box[3]->isEnabled());
    for (int b = 1; b <= 3; ++b) QCOMPARE(habilitadas(b), 0);

    box[1]->click();
    QVERIFY(t.painel().Botao(1).Visivel);
    QCOMPARE(t.painel().PainelComandoAltura, 70);
    QVERIFY(box[2]->isEnabled());
    QVERIFY(!box[3]->isEnabled());
    QCOMPARE(habilitadas(1), 3);
    QCOMPARE(habilitadas(2), 0);
    QVERIFY(painel.count() >= 1);
    QVERIFY(!t.sessao.Salvo());

    box[2]->click();
    box[3]->click();
    QCOMPARE(t.painel().PainelComandoAltura, 170);
    for (int b = 1; b <= 3; ++b) QCOMPARE(habilitadas(b), 3);
    QTest::keyClicks(edits(2)[0], QStringLiteral(" da bomba"));
    QCOMPARE(t.painel().Botao(2).Nome, quiv::TextoBilingue("Descrição da bomba"));

    for (int b = 1; b <= 3; ++b) t.painel().Botao(b).Pressiona();
    box[2]->click();
    QCOMPARE(t.M(97), 1.0);
    QCOMPARE(t.M(98), 0.0);
    QCOMPARE(t.M(99), 0.0);
    QCOMPARE(t.painel().PainelComandoAltura, 70);
    QVERIFY(!box[3]->isEnabled());
    QCOMPARE(habilitadas(1), 3);
    QCOMPARE(habilitadas(2), 0);
    QCOMPARE(habilitadas(3), 0);

    box[2]->click();
    box[3]->click();
    for (int b = 1; b <= 3; ++b) t.painel().Botao(b).Pressiona();
    const int antes = painel.count();
    box[1]->click();
    for (int b = 1; b <= 3; ++b) {
      QCOMPARE(t.M(96 + b), 0.0);
      QVERIFY(!t.painel().Botao(b).Visivel);
      QVERIFY(!t.painel().Botao(b).FiguraSoltaVisivel);
      QVERIFY(!t.painel().Botao(b).FiguraPressionadaVisivel);
      QCOMPARE(habilitadas(b), 0);
      QVERIFY(!box[b]->isChecked());
    }
    QVERIFY(!t.painel().PainelComandoVisivel);
    QVERIFY(!box[2]->isEnabled());
    QVERIFY(!box[3]->isEnabled());
    QCOMPARE(painel.count(), antes + 1);
  }

  // A shape row: its box enables its settings; sizes and the first colour
  // reach the shape at once, the kind only at the next layout refresh.
  void linhaDeForma() {
    Tela t;
    QSignalSpy painel(&t.sessao, &quiv::SessaoSimulacao::PainelAlterado);
    const quiv::FormaAnimada& forma = t.painel().Forma(2);
    const QStringList ajustes = {"Imagem2Tipo", "Imagem2Var",  "Imagem2Tam",
                                 "Imagem2TamW", "Imagem2Cor1", "Imagem2Cor2"};
    for (const QString& nome : ajustes) QVERIFY2(!t.W<QWidget>(nome).isEnabled(), qPrintable(nome));

    t.W<QCheckBox>(QStringLiteral("Imagem2Check")).click();
    QVERIFY(forma.Visivel);
    for (const QString& nome : ajustes) QVERIFY2(t.W<QWidget>(nome).isEnabled(), qPrintable(nome));
    QVERIFY(!t.W<QWidget>(QStringLiteral("Imagem1Tipo")).isEnabled());
    QCOMPARE(painel.count(), 1);

    t.W<QSlider>(QStringLiteral("Imagem2Tam")).setValue(80);
    QCOMPARE(t.W<QLabel>(QStringLiteral("Imagem2Tamanho")).text(), QStringLiteral("80"));
    QCOMPARE(forma.Tamanho, 80);
    QCOMPARE(forma.Altura, 80);
    t.W<QSlider>(QStringLiteral("Imagem2TamW")).setValue(120);
    QCOMPARE(t.W<QLabel>(QStringLiteral("Imagem2TamanhoW")).text(), QStringLiteral("120"));
    QCOMPARE(forma.Largura, 120);

    t.W<QComboBox>(QStringLiteral("Imagem2Tipo")).setCurrentIndex(1);
    QCOMPARE(forma.TipoForma, quiv::FormaAnimada::kRetangulo);
    QVERIFY(forma.Elipse);
    t.W<QSlider>(QStringLiteral("Imagem2Tam")).setValue(100);
    QCOMPARE(forma.EscalaForma, 2.0);
    QCOMPARE(forma.Altura, 80);

    auto& cor1 = t.W<QComboBox>(QStringLiteral("Imagem2Cor1"));
    QCOMPARE(cor1.currentData().toUInt(), quiv::FormaAnimada::kVermelho);
    cor1.setCurrentIndex(cor1.findData(0xFF0000u));
    QCOMPARE(forma.CorNormal, 0xFF0000u);
    QCOMPARE(forma.Cor, 0xFF0000u);
    t.W<QComboBox>(QStringLiteral("Imagem2Var")).setEditText(QStringLiteral("42"));
    QCOMPARE(forma.Variavel, std::string("42"));
    QVERIFY(painel.count() >= 6);

    t.W<QCheckBox>(QStringLiteral("Imagem2Check")).click();
    QVERIFY(!forma.Visivel);
    for (const QString& nome : ajustes) QVERIFY2(!t.W<QWidget>(nome).isEnabled(), qPrintable(nome));
  }

  // Switches and data entries: the box enables the row and shows the panel
  // control; the switch keeps its cell.
  void chavesEEntradas() {
    Tela t;
    t.M(11) = 1.0;
    auto& tipo = t.W<QComboBox>(QStringLiteral("Chave1Tipo"));
    QVERIFY(!tipo.isEnabled());
    t.W<QCheckBox>(QStringLiteral("Chave1Check")).click();
    QVERIFY(tipo.isEnabled());
    const quiv::Chave& chave = t.painel().Chaves(1);
    QVERIFY(chave.Visivel);
    tipo.setCurrentIndex(3);
    QCOMPARE(chave.Orientacao, 3);
    for (int k = 1; k <= 8; ++k) QCOMPARE(chave.Figura[k], k == 8);
    QCOMPARE(t.M(11), 1.0);
    QVERIFY(!t.painel().Chaves(2).Visivel);

    auto& label = t.W<QLineEdit>(QStringLiteral("Ent3Label"));
    auto& track = t.W<QCheckBox>(QStringLiteral("Ent3Track"));
    QVERIFY(!label.isEnabled());
    QVERIFY(!track.isEnabled());
    QVERIFY(track.isChecked());
    t.W<QCheckBox>(QStringLiteral("Ent3Check")).click();
    QVERIFY(label.isEnabled());
    QVERIFY(track.isEnabled());
    QVERIFY(t.painel().Entrada(3).Visivel);
    // Typed or pasted: QTest types ASCII only.
    label.insert(QStringLiteral("Vazão de ar"));
    QCOMPARE(t.sessao.simulacao().memoria.DescricaoEndereco[17], std::string("Vazão de ar"));
    QCOMPARE(t.painel().Entrada(3).LarguraFundo, 7 * 11 + 75);
    track.click();
    QCOMPARE(t.painel().Entrada(3).AlturaFundo, 28);
  }

  // The linearizer's address picker lists the addresses on entering it and
  // keeps what it held.
  void linearizador() {
    Tela t;
    t.sessao.simulacao().memoria.DefineDescricao(21, "Nível");
    auto& endereco = t.W<QComboBox>(QStringLiteral("Lin1EndEnt"));
    QCOMPARE(endereco.currentText(), QStringLiteral("01 MV"));
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Lin1EndSai")).text(), QStringLiteral("M13"));
    QVERIFY(!t.W<QLineEdit>(QStringLiteral("Lin1EndSai")).isEnabled());

    QFocusEvent entrada(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&endereco, &entrada);
    QCOMPARE(endereco.count(), 99);
    QCOMPARE(endereco.itemText(20), QStringLiteral("21 Nível"));
    QCOMPARE(endereco.currentText(), QStringLiteral("01 MV"));
    QVERIFY(t.sessao.Salvo());

    endereco.setCurrentIndex(20);
    QCOMPARE(t.doc().linearizador().TextoEntrada, std::string("21 Nível"));
    QTest::keyClicks(&t.W<QLineEdit>(QStringLiteral("Lin1MV3")), QStringLiteral("5"));
    QCOMPARE(t.doc().linearizador().TextoMV[3], std::string("405"));
    t.W<QCheckBox>(QStringLiteral("Lin1Ativar")).click();
    QVERIFY(t.sessao.simulacao().LinearizadorAtivo);
    QVERIFY(!t.sessao.Salvo());
  }

  // "Sair" asks for the main window's layout refresh and closes; the frame's
  // close box only hides the dialog.
  void sairPedeAtualizaTela() {
    Tela t;
    QSignalSpy atualiza(&t.sessao, &quiv::SessaoSimulacao::AtualizaTelaPedida);
    t.dialogo.MostraPrimeiraPagina();
    QVERIFY(t.dialogo.isVisible());
    t.W<QPushButton>(QStringLiteral("SairButton")).click();
    QCOMPARE(atualiza.count(), 1);
    QVERIFY(!t.dialogo.isVisible());

    t.dialogo.show();
    QVERIFY(t.dialogo.close());
    QVERIFY(!t.dialogo.isVisible());
    QCOMPARE(atualiza.count(), 1);
    QVERIFY(t.dialogo.windowFlags().testFlag(Qt::Tool));
  }

  // A document replaced behind the dialog: every control shows the new model,
  // and filling them changes nothing in it.
  void documentoRecarregado() {
    Tela t;
    quiv::Documento& d = t.doc();
    d.Titulo = "Forno|Furnace";
    d.FiguraFundo = "forno.bmp";
    d.NovoControlador(4).Tag = "TIC-4";
    d.posicoes.De(TipoObjeto::Controlador, 4).Exibido = true;
    quiv::FormaAnimada& forma = t.painel().Forma(3);
    forma.Visivel = true;
    forma.TipoForma = quiv::FormaAnimada::kRetangulo;
    forma.Variavel = "21";
    forma.DefineTamanho(120);
    forma.DefineTamanhoLargura(30);
    forma.CorNormal = 0x123456;
    forma.CorLigada = 0xFF0000;
    t.painel().Chaves(2).Visivel = true;
    t.painel().Chaves(2).Orientacao = 3;
    t.painel().HabilitaBotao(1, true);
    t.painel().HabilitaBotao(2, true);
    t.painel().Botao(2).Nome = "Bomba|Pump";
    t.painel().Entrada(5).Incluida = true;
    t.painel().Entrada(5).DefineNome("Vazão");
    t.painel().Entrada(5).DefineSlider(false);
    d.linearizador().TextoEntrada = "21 PV";
    d.linearizador().TextoMV[2] = "25";
    t.sessao.simulacao().LinearizadorAtivo = true;
    t.sessao.simulacao().TempoCiclo = 99.6;
    t.sessao.MarcaSalvo();

    emit t.sessao.DocumentoRecarregado();
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Titulo")).text(), QStringLiteral("Forno"));
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Edit1")).text(), QStringLiteral("forno.bmp"));
    QVERIFY(t.W<QCheckBox>(QStringLiteral("CheckBox4")).isChecked());
    QVERIFY(
        t.W<QCheckBox>(QStringLiteral("CheckBox4")).text().startsWith(QStringLiteral("TIC-4 ")));
    QVERIFY(t.W<QCheckBox>(QStringLiteral("Imagem3Check")).isChecked());
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Imagem3Tipo")).currentIndex(), 1);
    QVERIFY(t.W<QComboBox>(QStringLiteral("Imagem3Tipo")).isEnabled());
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Imagem3Var")).currentText(), QStringLiteral("21"));
    QCOMPARE(t.W<QSlider>(QStringLiteral("Imagem3Tam")).value(), 120);
    QCOMPARE(t.W<QLabel>(QStringLiteral("Imagem3Tamanho")).text(), QStringLiteral("120"));
    QCOMPARE(t.W<QLabel>(QStringLiteral("Imagem3TamanhoW")).text(), QStringLiteral("30"));
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Imagem3Cor1")).currentData().toUInt(), 0x123456u);
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Imagem3Cor1")).currentText(),
             QStringLiteral("$00123456"));
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Imagem3Cor2")).currentText(), QStringLiteral("Blue"));
    QVERIFY(t.W<QCheckBox>(QStringLiteral("Chave2Check")).isChecked());
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Chave2Tipo")).currentIndex(), 3);
    QVERIFY(t.W<QComboBox>(QStringLiteral("Chave2Tipo")).isEnabled());
    QVERIFY(t.W<QCheckBox>(QStringLiteral("Botao2_check")).isChecked());
    QVERIFY(t.W<QCheckBox>(QStringLiteral("Botao3_check")).isEnabled());
    QVERIFY(!t.W<QCheckBox>(QStringLiteral("Botao3_check")).isChecked());
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Edit9")).text(), QStringLiteral("Bomba"));
    QVERIFY(t.W<QLineEdit>(QStringLiteral("Edit9")).isEnabled());
    QVERIFY(t.W<QCheckBox>(QStringLiteral("Ent5Check")).isChecked());
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Ent5Label")).text(), QStringLiteral("Vazão"));
    QVERIFY(t.W<QLineEdit>(QStringLiteral("Ent5Label")).isEnabled());
    QVERIFY(!t.W<QCheckBox>(QStringLiteral("Ent5Track")).isChecked());
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Lin1EndEnt")).currentText(), QStringLiteral("21 PV"));
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Lin1MV2")).text(), QStringLiteral("25"));
    QVERIFY(t.W<QCheckBox>(QStringLiteral("Lin1Ativar")).isChecked());
    QCOMPARE(t.W<QLabel>(QStringLiteral("Label2")).text(), QStringLiteral("100ms"));
    // Filling the controls ran no change handler.
    QVERIFY(t.sessao.Salvo());
    QCOMPARE(forma.Tamanho, 120);
    QCOMPARE(forma.EscalaForma, 2.4);
    QCOMPARE(d.Titulo.Completo(), std::string("Forno|Furnace"));

    t.sessao.NovaSimulacao();
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Titulo")).text(), QString());
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Edit1")).text(), QString());
    QCOMPARE(t.W<QCheckBox>(QStringLiteral("CheckBox4")).text(),
             QStringLiteral("<vago> Controlador 4"));
    QVERIFY(!t.W<QCheckBox>(QStringLiteral("CheckBox4")).isChecked());
    QVERIFY(!t.W<QCheckBox>(QStringLiteral("Imagem3Check")).isChecked());
    QVERIFY(!t.W<QComboBox>(QStringLiteral("Imagem3Tipo")).isEnabled());
    QCOMPARE(t.W<QLineEdit>(QStringLiteral("Edit9")).text(), QStringLiteral("Descrição"));
    QVERIFY(!t.W<QCheckBox>(QStringLiteral("Botao2_check")).isEnabled());
    QCOMPARE(t.W<QComboBox>(QStringLiteral("Lin1EndEnt")).currentText(), QStringLiteral("01 MV"));
  }

  // The picture chooser: a chosen file's bare name shows in Edit1 and the
  // main window is told; cancelling changes nothing.
  void figuraDeFundo() {
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString arquivo = pasta.filePath(QStringLiteral("planta.bmp"));
    QFile figura(arquivo);
    QVERIFY(figura.open(QIODevice::WriteOnly));
    figura.close();

    InteracaoRoteiro roteiro;
    const Instalada instalada(roteiro);
    Tela t;
    QSignalSpy figuraAlterada(&t.sessao, &quiv::SessaoSimulacao::FiguraAlterada);
    auto& botao = t.W<QToolButton>(QStringLiteral("SpeedButton1"));
    auto& edit1 = t.W<QLineEdit>(QStringLiteral("Edit1"));

    roteiro.EsperaAbre(QStringLiteral("Figura"), arquivo);
    botao.click();
    QCOMPARE(roteiro.Pendentes(), 0);
    QCOMPARE(roteiro.UltimoInicial(), t.sessao.PastaDosDialogos());
    QVERIFY(roteiro.UltimoFiltro().contains(QStringLiteral("*.bmp")));
    QVERIFY(roteiro.UltimoFiltro().contains(QStringLiteral("*.png")));
    QCOMPARE(edit1.text(), QStringLiteral("planta.bmp"));
    QCOMPARE(t.doc().FiguraFundo, std::string("planta.bmp"));
    QCOMPARE(figuraAlterada.count(), 1);
    QVERIFY(!t.sessao.Salvo());

    t.sessao.MarcaSalvo();
    roteiro.EsperaAbre(QStringLiteral("Figura"), QString());
    botao.click();
    QCOMPARE(roteiro.Pendentes(), 0);
    QCOMPARE(edit1.text(), QStringLiteral("planta.bmp"));
    QCOMPARE(t.doc().FiguraFundo, std::string("planta.bmp"));
    QCOMPARE(figuraAlterada.count(), 1);
    QVERIFY(t.sessao.Salvo());
  }
};

int ExecutaTesteDialogoConfiguracao(int argc, char** argv) {
  TesteDialogoConfiguracao teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_dialogo_configuracao.moc"
