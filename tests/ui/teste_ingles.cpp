// SPDX-License-Identifier: GPL-3.0-or-later
// The English interface: with the translation installed and the session in
// English, every window built shows the English texts of its design, and the
// texts the English interface keeps in Portuguese stay Portuguese. Each window
// has its table of {objectName, part, expected text}.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <iterator>
#include <memory>
#include <vector>

#include "interacao_roteiro.h"
#include "planta_tela.h"
#include "ui/analise/janela_registrador_xy.h"
#include "ui/analise/janela_simulacao_rapida.h"
#include "ui/objetos/janela_bloco.h"
#include "ui/objetos/janela_controlador.h"
#include "ui/objetos/janela_gerador.h"
#include "ui/objetos/janela_lista_variaveis.h"
#include "ui/objetos/janela_processo.h"
#include "ui/objetos/janela_registrador.h"
#include "ui/objetos/janela_texto_animado.h"
#include "ui/principal/dialogo_configuracao.h"
#include "ui/principal/galeria_exemplos.h"
#include "ui/principal/janela_principal.h"
#include "ui/sessao/copia_recuperacao.h"
#include "ui/sessao/idioma.h"
#include "ui/sessao/recuperacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace {

// What of a component a row reads.
enum class Parte {
  Texto,      // caption: label, button, group box title, edit, current item, action, menu
  Dica,       // hint (tool tip)
  Itens,      // the items of a list or of a radio group, joined by "|"
  Abas,       // the tab captions of a notebook, joined by "|"
  Cabecalho,  // the column headers of a grid, joined by "|"
  Ultimo,     // the last item of a list
  Legenda,    // the window caption (objectName empty)
};

struct Linha {
  const char* nome;
  Parte parte;
  QString esperado;
};

QString Junta(const QStringList& textos) { return textos.join(QLatin1Char('|')); }

QString Le(QObject* objeto, Parte parte) {
  auto* w = qobject_cast<QWidget*>(objeto);
  switch (parte) {
    case Parte::Legenda:
      return w ? w->windowTitle() : QString();
    case Parte::Dica:
      if (auto* a = qobject_cast<QAction*>(objeto)) return a->toolTip();
      return w ? w->toolTip() : QString();
    case Parte::Texto:
      if (auto* l = qobject_cast<QLabel*>(objeto)) return l->text();
      if (auto* b = qobject_cast<QAbstractButton*>(objeto)) return b->text();
      if (auto* g = qobject_cast<QGroupBox*>(objeto)) return g->title();
      if (auto* e = qobject_cast<QLineEdit*>(objeto)) return e->text();
      if (auto* c = qobject_cast<QComboBox*>(objeto)) return c->currentText();
      if (auto* m = qobject_cast<QMenu*>(objeto)) return m->title();
      if (auto* a = qobject_cast<QAction*>(objeto)) return a->text();
      return QStringLiteral("<no caption>");
    case Parte::Itens:
    case Parte::Ultimo: {
      QStringList itens;
      if (auto* c = qobject_cast<QComboBox*>(objeto)) {
        for (int i = 0; i < c->count(); ++i) itens << c->itemText(i);
      } else if (auto* g = qobject_cast<QGroupBox*>(objeto)) {
        for (QRadioButton* r : g->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
          itens << r->text();
      }
      if (parte == Parte::Ultimo) return itens.isEmpty() ? QString() : itens.last();
      return Junta(itens);
    }
    case Parte::Abas: {
      QStringList abas;
      if (auto* t = qobject_cast<QTabWidget*>(objeto))
        for (int i = 0; i < t->count(); ++i) abas << t->tabText(i);
      return Junta(abas);
    }
    case Parte::Cabecalho: {
      QStringList colunas;
      if (auto* t = qobject_cast<QTableWidget*>(objeto))
        for (int i = 0; i < t->columnCount(); ++i)
          if (QTableWidgetItem* item = t->horizontalHeaderItem(i)) colunas << item->text();
      return Junta(colunas);
    }
  }
  return {};
}

// Every row of the table against the components below `raiz`; all the
// differences are reported at once.
void Confere(QObject* raiz, const std::vector<Linha>& tabela) {
  QStringList diferencas;
  for (const Linha& l : tabela) {
    const QString nome = QString::fromLatin1(l.nome);
    QObject* objeto = raiz;
    if (!nome.isEmpty()) {
      QList<QObject*> achados = raiz->findChildren<QObject*>(nome);
      if (raiz->objectName() == nome) achados.prepend(raiz);
      if (achados.size() != 1) {
        diferencas
            << QStringLiteral("%1: %2 components of that name").arg(nome).arg(achados.size());
        continue;
      }
      objeto = achados.first();
    }
    const QString lido = Le(objeto, l.parte);
    if (lido != l.esperado)
      diferencas << QStringLiteral("%1 (part %2): \"%3\", expected \"%4\"")
                        .arg(nome.isEmpty() ? QStringLiteral("window") : nome)
                        .arg(static_cast<int>(l.parte))
                        .arg(lido, l.esperado);
  }
  QVERIFY2(diferencas.isEmpty(),
           qPrintable(QLatin1Char('\n') + diferencas.join(QLatin1Char('\n'))));
}

QString U(const char* texto) { return QString::fromUtf8(texto); }

// "Loop 1" … "Loop 10" with the tags of the existing loops in front.
QString Paginas(const QStringList& tags, const char* modelo) {
  QStringList paginas = tags;
  for (int k = static_cast<int>(tags.size()) + 1; k <= 10; ++k)
    paginas << QString::fromLatin1(modelo).arg(k);
  return Junta(paginas);
}

}  // namespace

class TesteIngles : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(quiv::InstalaIngles());
    pastaOriginal_ = QDir::currentPath();
    pastaArquivoOriginal_ = quiv::JanelaControlador::PastaArquivo();
  }

  // Nothing of the English run is left for the window tests that follow.
  void cleanupTestCase() {
    quiv::RemoveIngles();
    quiv::JanelaControlador::DefinePastaArquivo(pastaArquivoOriginal_);
    QDir::setCurrent(pastaOriginal_);
    QCOMPARE(QCoreApplication::translate("quiv::JanelaProcesso", "Ganho:"),
             QStringLiteral("Ganho:"));
  }

  void init() {
    roteiro_ = InteracaoRoteiro();
    anterior_ = quiv::Interacao::Instala(&roteiro_);
    pasta_ = std::make_unique<QTemporaryDir>();
    QVERIFY(pasta_->isValid());
    QDir::setCurrent(pasta_->path());
    sessao_ = std::make_unique<quiv::SessaoSimulacao>();
    sessao_->DefineIdiomaIngles(true);
    quiv::teste::MontaPlantaTela(sessao_->documento());
  }

  void cleanup() {
    sessao_->MarcaSalvo();
    janela_.reset();
    sessao_.reset();
    quiv::Interacao::Instala(anterior_);
    QDir::setCurrent(pastaOriginal_);
    pasta_.reset();
    QCOMPARE(roteiro_.Pendentes(), 0);
  }

  // The main window with its menus, the plant opened from its file.
  void tform1() {
    QVERIFY(quiv::teste::FiguraPlanta().save(pasta_->filePath(QStringLiteral("fundo.png"))));
    const QString arquivo = pasta_->filePath(QStringLiteral("planta.smp"));
    QVERIFY(sessao_->SalvaSimulacao(arquivo));
    auto* janela = new quiv::JanelaPrincipal(*sessao_);
    janela_.reset(janela);
    janela->resize(1200, 800);
    janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela));
    janela->AbreArquivo(arquivo);
    QCoreApplication::processEvents();

    Confere(janela->menuBar(), {
                                   {"Arquivo1", Parte::Texto, U("File")},
                                   {"Novo1", Parte::Texto, U("New")},
                                   {"Abrir1", Parte::Texto, U("Open")},
                                   {"SalvarComo1", Parte::Texto, U("Save as...")},
                                   {"Exemplos1", Parte::Texto, U("Examples")},
                                   {"Sair1", Parte::Texto, U("Exit")},
                                   {"Configurao2", Parte::Texto, U("Configuration")},
                                   {"Configurao1", Parte::Texto, U("Signals Generator")},
                                   {"Dese1", Parte::Texto, U("Fast Simulation")},
                                   {"Variveis1", Parte::Texto, U("Variables List")},
                                   {"RegistradorXY1", Parte::Texto, U("XY Register")},
                                   {"Opes1", Parte::Texto, U("Options")},
                                   {"PausarSimulao2", Parte::Texto, U("Stop Simulation")},
                                   {"MoverObjetos2", Parte::Texto, U("Move Objects")},
                                   {"ExcluirObjetos", Parte::Texto, U("Exclude Objects")},
                                   {"Comentrios1", Parte::Texto, U("Show comments")},
                                   {"Sobre1", Parte::Texto, U("Help")},
                                   {"utorial1", Parte::Texto, U("Online help...")},
                                   {"Sobre3", Parte::Texto, U("About")},
                                   // the same in both languages
                                   {"SelectLanguage1", Parte::Texto, U("Select Language")},
                                   {"Portuguese1", Parte::Texto, U("Portuguese")},
                                   {"English1", Parte::Texto, U("English")},
                                   {"Pastacorrente1", Parte::Texto, U("Current Folder...")},
                                   {"VdeoAulas1", Parte::Texto, U("Video Lessons")},
                                   {"IntroduoControledeProcessos1", Parte::Texto,
                                    U("Introduction to Process Control")},
                               });
    Confere(janela->centralWidget(),
            {
                {"TabbedNotebook1", Parte::Abas,
                 U("Flow/Pressure|Level Control|Temperature|Multiloop|Combustion|Others")},
                {"PainelComando", Parte::Texto, U("Command Panel")},
                {"Label21", Parte::Texto, U("Click here for additional information")},
                // the plant's bilingual texts show their English half
                {"Label1", Parte::Texto, U("Level")},
                {"TrackLabel1", Parte::Texto, U("Vazão de carga")},
                // the hints of the object buttons stay Portuguese
                {"Control1", Parte::Dica, U("Output at M01")},
                {"Control10", Parte::Dica, U("Output at M10")},
                {"Proce1", Parte::Dica, U("Output at M21")},
                {"Proce24", Parte::Dica, U("Output at M74")},
                {"Bloc1", Parte::Dica, U("Output at M41")},
                {"Bloc24", Parte::Dica, U("Output at M78")},
            });
    QCOMPARE(janela->windowTitle(), QStringLiteral("Test plant"));

    auto* salvar = janela->findChild<QAction*>(QStringLiteral("Salvar1"));
    QVERIFY(salvar);
    QCOMPARE(salvar->text(), U("I'm saved!"));
    sessao_->MarcaModificado();
    QCOMPARE(salvar->text(), QStringLiteral("Save me!"));

    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty()) {
      janela->grab().save(pasta + QStringLiteral("/ingles-tform1.png"));
      janela->MostraGaleria();
      janela->grab().save(pasta + QStringLiteral("/ingles-galeria.png"));
    }

    // New and closing ask in the interface's language.
    roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Save changes?"),
                                     quiv::Interacao::Resposta::Nao);
    janela->findChild<QAction*>(QStringLiteral("Novo1"))->trigger();
    QCOMPARE(roteiro_.Pendentes(), 0);
    // The configuration of the new simulation reads English too.
    Confere(janela->findChild<quiv::DialogoConfiguracao*>(),
            {
                {"CheckBox1", Parte::Texto, U("<empty> Controller 1")},
                {"CheckBox11", Parte::Texto, U("<empty> Register 1")},
                {"Edit8", Parte::Texto, U("Description")},
                {"Edit2", Parte::Texto, U("Text when M97=0")},
                {"Label3", Parte::Texto, U("Simulation Title:")},
            });
    sessao_->MarcaModificado();
    roteiro_.EsperaPerguntaOuCancela(QStringLiteral("Save changes?"),
                                     quiv::Interacao::Resposta::Nao);
    QVERIFY(janela->close());
  }

  // The example cards: English titles and descriptions, the hints of the
  // pictures in Portuguese.
  void galeria() {
    quiv::GaleriaExemplos galeria(pasta_->path(), true);
    std::vector<Linha> tabela{
        {"TabbedNotebook1", Parte::Abas,
         U("Flow/Pressure|Level Control|Temperature|Multiloop|Combustion|Others")},
        {"sim18", Parte::Dica,
         U("Resposta de malha de controle de vazão a variação em SP e variação de carga.")},
        {"sim9", Parte::Dica,
         U("Simulação de processos operando com agarramento, histerese e curva não-linear em "
           "válvulas e limitador de aceleração em variador de velocidade")},
    };
    // Each card's title and description are named after its picture.
    struct Cartao {
      const char* figura;
      const char* titulo;
      const char* descricao;
    };
    const Cartao cartoes[] = {
        {"1", "Industrial Boiler",
         "Cascade, FeedForward and Boiler Level Control (3-element control); Cross Limits Ratio "
         "control for combustion; Steam temperature and pressure control"},
        {"4", "Linearized pH control",
         "Non-Linear pH Control for leaching. Application of characterizer"},
        {"3a", "Basic Ratio Control",
         "Application of basic ratio control (no protection againt excess gas)"},
        {"3b", "Ratio Control with Crossed Limits",
         "Application of single crossed limits for security against excess gas"},
        {"3c", "Ratio Control with Double Crossed Limits",
         "Application of double crossed limits for security against excess gas and air"},
        {"3d", "Combustion with two fuels",
         "Ratio control with a preferencial and limited fuel and a complementar fuel"},
        {"2", "4 Processes for Modelling",
         "Processes with different structures for modeling exercises"},
        {"5", "Regulatory level", "Regulatory control in tank with nonlinear variable speed pump"},
        {"6", "Surge Tank", "Average Level Control applied in surge tank"},
        {"7", "Smith predictor",
         "Use of dead time compensation for process with great transport delay"},
        {"8", "Header pressure with 3 consumers",
         "Decoupling of line consumers with tight header pressure regulation"},
        {"9", "Nonlinear processes",
         "Simulation of processes operating with stiction, hysteresis and non-linear curve valves "
         "and limited variable speed acceleration"},
        {"10", "Reactor",
         "Level, temperatura and flow control of reactor using internal loop and feed forward "
         "control."},
        {"11", "Heat exchanger",
         "Temperature control in heat exchanger with feedforward compensation on inflow "
         "temperature measure."},
        {"12", "Furnace Temperature", "Feedback control and noisy filtering for derivative action"},
        {"13", "Furnace Temperature(Master-Slave)",
         "Uses of internal feedback (cascated loop) for flow regulation"},
        {"14", "Split range control",
         "Split range calculation on controller output of a reactor with heating and cooling "
         "valves."},
        {"15", "Cooling plant", "Gas cooling with level, pressure and temperature control."},
        {"16", "Ethane extraction plant",
         "Average Level of surge vessel; temperature and level control of condensate with cascade "
         "and feedforward links; gas pressure control."},
        {"17", "Pipeline with Bypass",
         "Coarse-Fine Control\n\nResolution and rangeability improvement in flow loop with "
         "course-valve and fine-valve manipulation"},
        {"18", "Basic flow loop", "Feedback control\n\nLoad and SP-Change response"},
        {"19", "Frequency Response",
         "Flow loop simulation with variable sinusoidal SP and load changes."},
    };
    std::vector<QByteArray> nomes;  // the rows point into these
    nomes.reserve(2 * std::size(cartoes));
    for (const Cartao& c : cartoes) {
      nomes.push_back(QByteArray("sim") + c.figura + "title");
      tabela.push_back({nomes.back().constData(), Parte::Texto, U(c.titulo)});
      nomes.push_back(QByteArray("Memo") + c.figura);
      tabela.push_back({nomes.back().constData(), Parte::Texto, U(c.descricao)});
    }
    QCOMPARE(
        galeria.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^sim.*title$"))).size(),
        static_cast<qsizetype>(std::size(cartoes)));
    Confere(&galeria, tabela);
  }

  void tconfigform() {
    quiv::DialogoConfiguracao dialogo(*sessao_);
    dialogo.show();
    Confere(&dialogo, {
                          {"", Parte::Legenda, U("General Configuration")},
                          {"Label29", Parte::Texto, U("Execution Cycle")},
                          {"Label3", Parte::Texto, U("Simulation Title:")},
                          {"Label1", Parte::Texto, U("Image File:")},
                          {"NoteBook1", Parte::Abas,
                           U("Controllers|Processes|Calc Blocks|Registers|Animated Texts|Animated "
                             "Shapes|Commands")},
                          {"Chave1Check", Parte::Texto, U("Switch 1    Type:")},
                          {"Chave2Check", Parte::Texto, U("Switch 2    Type:")},
                          // the English items read left, right, up, down
                          {"Chave1Tipo", Parte::Itens, U("to left|to right|to up|to down")},
                          {"Chave2Tipo", Parte::Itens, U("to left|to right|to up|to down")},
                          {"Label22", Parte::Texto, U("Output M11")},
                          {"Label23", Parte::Texto, U("Output M12")},
                          {"Botao1_check", Parte::Texto, U("Button 1(output M97)")},
                          {"Botao2_check", Parte::Texto, U("Button 2(output M98)")},
                          {"Botao3_check", Parte::Texto, U("Button 3(output M99)")},
                          // the plant names buttons 1 and 2; the rest keeps the dialog's texts
                          {"Edit8", Parte::Texto, U("Start")},
                          {"Edit9", Parte::Texto, U("Parada")},
                          {"Edit10", Parte::Texto, U("Description")},
                          {"Edit2", Parte::Texto, U("Text when M97=0")},
                          {"Edit3", Parte::Texto, U("Text when M97=1")},
                          {"Edit4", Parte::Texto, U("Text when M98=0")},
                          {"Edit5", Parte::Texto, U("Text when M98=1")},
                          {"Edit6", Parte::Texto, U("Text when M99=0")},
                          {"Edit7", Parte::Texto, U("Text when M99=1")},
                          {"Imagem1Tipo", Parte::Itens,
                           U("Cilcle with variable color|Square with variable size")},
                          {"Imagem5Tipo", Parte::Itens,
                           U("Cilcle with variable color|Square with variable size")},
                          {"Label6", Parte::Texto, U("Variable")},
                          {"Label7", Parte::Texto, U("Dimensions:")},
                          {"Label4", Parte::Texto, U("Colors:")},
                          {"Label34", Parte::Texto, U("Characterizer")},
                          {"Label30", Parte::Texto, U("Input Ad.:")},
                          {"Label31", Parte::Texto, U("Output Ad.:")},
                          {"Lin1Ativar", Parte::Texto, U("Enable")},
                          {"SairButton", Parte::Texto, U("Exit")},
                          // empty slots, one of each kind and both ends
                          {"CheckBox3", Parte::Texto, U("<empty> Controller 3")},
                          {"CheckBox10", Parte::Texto, U("<empty> Controller 10")},
                          {"CheckBox23", Parte::Texto, U("<empty> Process 3")},
                          {"CheckBox78", Parte::Texto, U("<empty> Process 24")},
                          {"CheckBox32", Parte::Texto, U("<empty> Block 2")},
                          {"CheckBox79", Parte::Texto, U("<empty> Block 24")},
                          {"CheckBox12", Parte::Texto, U("<empty> Register 2")},
                          {"CheckBox20", Parte::Texto, U("<empty> Register 10")},
                          {"CheckBox47", Parte::Texto, U("<empty>Animated Text2")},
                          {"CheckBox91", Parte::Texto, U("<empty>Animated Text20")},
                          {"ComboBox2", Parte::Itens, U("100 ms|333 ms|1 second")},
                          {"Ent1Check", Parte::Texto, U("In1:")},
                      });
    // The texts the dialog gave the buttons are the simulation's: the panel
    // on the main window shows them too.
    QCOMPARE(std::string(sessao_->documento().painel.Botao(3).Nome.Em(true)),
             std::string("Description"));
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty()) {
      auto* notebook = dialogo.findChild<QTabWidget*>(QStringLiteral("NoteBook1"));
      for (int aba : {0, 5, 6}) {
        notebook->setCurrentIndex(aba);
        dialogo.grab().save(pasta + QStringLiteral("/ingles-tconfigform-%1.png").arg(aba));
      }
    }
  }

  void tparmform() {
    quiv::JanelaGerador janela(*sessao_);
    janela.Mostra();
    const QString tipos =
        U("Constant 0-100|Constant 0-1|Fast Random|Medium Random|Slow Random|Sinusoidal "
          "signal|Random Walk");
    Confere(&janela, {
                         {"M81Tipo", Parte::Itens, tipos + U("|Equation|LN()|Exp()")},
                         {"M85Tipo", Parte::Itens, tipos + U("|Equation|LN()|Exp()")},
                         {"M86Tipo", Parte::Itens, tipos},
                         {"M90Tipo", Parte::Itens, tipos},
                         {"M91Tipo", Parte::Itens, U("Constant 0-100|Constant 0-1")},
                         {"M96Tipo", Parte::Itens, U("Constant 0-100|Constant 0-1")},
                         {"Button1", Parte::Texto, U("Refresh")},
                         {"SairButton", Parte::Texto, U("Exit")},
                         {"", Parte::Legenda, U("Signal Generator")},
                     });
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty())
      janela.grab().save(pasta + QStringLiteral("/ingles-tparmform.png"));
  }

  // A controller not yet configured (its window shows the configuration
  // area and the caption of the design), and a configured one, archiving.
  void tcontrolador() {
    sessao_->documento().NovoControlador(3);
    quiv::JanelaControlador janela(*sessao_, 3);
    janela.Mostra();
    Confere(&janela,
            {
                {"", Parte::Legenda, U("Controller")},
                {"Button2", Parte::Texto, U("Send")},
                {"GroupBox1", Parte::Texto, U("Identification")},
                {"GroupBox4", Parte::Texto, U("Output Limits")},
                {"GroupBox3", Parte::Texto, U("Output")},
                {"ParametrosGroup", Parte::Texto, U("Parameters")},
                {"Label35", Parte::Texto, U("SP Factor(a):")},
                {"Label41", Parte::Texto, U("D Filter talF(s):")},
                {"Acaogroup", Parte::Texto, U("Process Direction")},
                {"Acaogroup", Parte::Itens, U("Reverse response|Direct response")},
                {"EstruturaGroup", Parte::Texto, U("Structure")},
                {"EstruturaGroup", Parte::Itens, U("Parallel|ISA (Ideal)")},
                {"DerivadaGroup", Parte::Texto, U("Derivative Action")},
                {"DerivadaGroup", Parte::Itens, U("on error|on PV")},
                {"btnatualiza", Parte::Texto, U("Refresh")},
                {"EscalaGroup", Parte::Texto, U("Scale")},
                {"Label37", Parte::Texto, U("Begin:")},
                {"Label38", Parte::Texto, U("End:")},
                {"Label39", Parte::Texto, U("Unit:")},
                {"BackMVCheck", Parte::Texto, U("Slave MV Address:")},
                {"PVText", Parte::Dica, U("Process Variable (Controlled Variable)")},
                {"MVText", Parte::Dica, U("Controller Output (Manipulated Variable)")},
                {"LocalRemotoBTN", Parte::Dica,
                 U("Select SP source: L-> Local; R-> Remote (copy from SPR)")},
                {"AutoManualBTN", Parte::Dica,
                 U("Select Controller Operation Mode: A->Automatic Mode; M->Manual Mode")},
                {"ConfigBTN", Parte::Dica, U("Show/Hide Controller Configuration Area")},
                {"TrendButton", Parte::Dica, U("Show/Hide Trends")},
                {"KpText", Parte::Dica, U("Proporcional Gain (dimensionless)")},
                {"KiText", Parte::Dica, U("Reset Time(seconds)")},
                {"KdText", Parte::Dica, U("Rate Time(seconds)")},
                {"aText", Parte::Dica, U("SP weight on proportional action(0 to 1)")},
                {"tfText", Parte::Dica, U("Filter time constant to smooth derivative action")},
                {"BiasText", Parte::Dica, U("Constant value added to controller output")},
                {"Acaogroup", Parte::Dica,
                 U("Direct response: A MV increase causes a PV increase; Reverse response: A MV "
                   "increase causes a PV decrease")},
                {"EstruturaGroup", Parte::Dica, U("ISA structure: Kc multiply all actions")},
                {"COminText", Parte::Dica, U("CO low limit")},
                {"COmaxText", Parte::Dica, U("CO high limit")},
                {"VariavelSelect", Parte::Dica, U("Select Process Variabel")},
                {"SPRSelect", Parte::Dica, U("Remote Setpoint Address")},
                {"FFwEquation", Parte::Dica,
                 U("Math expression to calc dynamic bias (FeedForward action)")},
                // the trend
                {"Label17", Parte::Texto, U("1 division time=")},
                {"CheckBox1", Parte::Texto, U("Archive")},
                {"CheckBox1", Parte::Dica, U("Save data into TXT file")},
                {"Label21", Parte::Texto, U("Saving 0.1 seg")},
                {"StaticText1", Parte::Texto, U("Scale")},
                {"CheckBox2", Parte::Texto, U("Strong Line")},
                {"UsarVirgula", Parte::Texto, U("Uses , as decimal separator")},
                {"UsarUE", Parte::Texto, U("Uses Engineering Units")},
                {"SpeedButton2", Parte::Dica, U("Pause Trend")},
                // the same in both languages
                {"BaseTempoBox", Parte::Itens, U("3 seconds|9 seconds|1 minute")},
                {"CheckSPR", Parte::Dica, U("Remote Setpoint Address")},
                {"FFwSelect", Parte::Dica,
                 U("Math expression to calc dynamic bias (FeedForward action)")},
                {"SPText", Parte::Dica, U("Setpoint")},
                {"Label40", Parte::Texto, U("Tag")},
                {"Label42", Parte::Texto, U("Desc")},
                {"Label32", Parte::Texto, U("Ti(sec):")},
                {"Label45", Parte::Texto, U("CO Min.:")},
                {"MostrarAtuador", Parte::Texto, U("Actuator Pos.")},
                {"StaticText14", Parte::Texto, U("X (seconds)")},
                {"CoodsText1", Parte::Texto, U("Ponto 1:")},
            });

    // The folder for the archives is asked in English.
    quiv::JanelaControlador configurado(*sessao_, 1);
    configurado.Mostra();
    QCOMPARE(configurado.windowTitle(), QStringLiteral("TIC1"));
    quiv::JanelaControlador::DefinePastaArquivo(QString());
    roteiro_.EsperaPasta(QStringLiteral("Select a folder"), QString());
    auto* arquivar = configurado.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    QVERIFY(arquivar->isEnabled());
    arquivar->click();
    QVERIFY(!arquivar->isChecked());

    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty()) {
      for (int i = 0; i < 450; ++i) sessao_->ExecutaCiclo(100.0 * (i + 1));
      QCoreApplication::processEvents();
      configurado.grab().save(pasta + QStringLiteral("/ingles-tcontrolador-tendencia.png"));
      configurado.findChild<QPushButton*>(QStringLiteral("ConfigBTN"))->click();
      QCoreApplication::processEvents();
      configurado.grab().save(pasta + QStringLiteral("/ingles-tcontrolador-configuracao.png"));
      janela.grab().save(pasta + QStringLiteral("/ingles-tcontrolador-novo.png"));
    }
  }

  void tprocesso() {
    sessao_->documento().NovoProcesso(3);
    quiv::JanelaProcesso janela(*sessao_, 3);
    janela.Mostra();
    Confere(
        &janela,
        {
            {"", Parte::Legenda, U("Process")},
            {"Label8", Parte::Texto, U("Input:")},
            {"Label15", Parte::Texto, U("DT(sec):")},
            {"Label20", Parte::Texto, U("Gain:")},
            {"Label40", Parte::Texto, U("Input(%):")},
            {"Label25", Parte::Texto, U("Actuator Position(%):")},
            {"Label7", Parte::Texto, U("FT Type:")},
            {"GroupBox2", Parte::Texto, U("Integrator process")},
            {"Label35", Parte::Texto, U("Initial Value(%):")},
            {"GroupBox1", Parte::Texto, U("Nonlinear characteristics")},
            {"Label18", Parte::Texto, U("Static Gain Curve")},
            {"Label14", Parte::Texto, U("Hysteresis:")},
            {"Label19", Parte::Texto, U("Stiction")},
            {"CheckBox1", Parte::Texto, U("Disable Saturator")},
            {"btnatualiza", Parte::Texto, U("Refresh")},
            {"ComboBox2", Parte::Itens,
             U("1st/2nd order (overdamped)|2nd order (underdamped)|Lead-Lag Filter|Integrator")},
            {"ComboBox1", Parte::Itens,
             U("Linear|Quick Open Curve|Equal-Percentage Curve|S1 Curve|S2 Curve")},
            {"GroupLEADLAG", Parte::Texto, U("Lead-Lag Filter")},
            {"GroupPVC", Parte::Texto, U("1st/2nd order (overdamped)")},
            {"GroupOrdem2", Parte::Texto, U("2nd order (underdamped)")},
            {"Label33", Parte::Texto, U("Visible cycles:")},
            {"Label34", Parte::Texto, U("Period(seg):")},
            {"EntradaSelect", Parte::Dica, U("Select Input Variable")},
            {"GanhoText", Parte::Dica, U("Process Static Gain")},
            {"TempoMorto", Parte::Dica, U("Dead Time(seconds)")},
            {"SairButton", Parte::Dica, U("Exit")},
            {"ComboBox2", Parte::Dica, U("Select Transfer Function")},
            // the same in both languages
            {"Label5", Parte::Texto, U("Output(%):")},
            {"Label3", Parte::Texto, U("Tag:")},
            {"Label4", Parte::Texto, U("Desc")},
            {"Label1", Parte::Texto, U("Tau1(sec):")},
            {"Label30", Parte::Texto, U("Tau2(sec):")},
            {"Label28", Parte::Texto, U("LEAD(sec):")},
            {"Label29", Parte::Texto, U("LAG(sec):")},
            {"Label21", Parte::Texto, U("LAG(sec):")},
            {"Label37", Parte::Texto, U("Rate(%/sec):")},
        });
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty())
      janela.grab().save(pasta + QStringLiteral("/ingles-tprocesso.png"));
  }

  void tbloco() {
    quiv::JanelaBloco janela(*sessao_, 1);
    janela.Mostra();
    Confere(&janela, {
                         {"", Parte::Legenda, U("Calculations Block")},
                         {"Label2", Parte::Texto, U("Function")},
                         {"GroupBox1", Parte::Texto, U("Limits")},
                         {"FuncaoTr", Parte::Dica, U("Math expression for calculation")},
                         {"LimSupText", Parte::Dica, U("Output Upper Limit")},
                         {"LimInfText", Parte::Dica, U("Output Lower Limit")},
                         // the same in both languages
                         {"Label3", Parte::Texto, U("Tag:")},
                         {"Label4", Parte::Texto, U("Desc:")},
                         {"LimSupCheck", Parte::Texto, U("Max:")},
                         {"LimInfCheck", Parte::Texto, U("Min:")},
                         {"SairButton", Parte::Dica, U("Exit")},
                         {"btnatualiza", Parte::Texto, U("Refresh")},
                     });
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty())
      janela.grab().save(pasta + QStringLiteral("/ingles-tbloco.png"));
  }

  // An animated text of each type: the source field is named "Equation" in
  // English whatever the type.
  void tform2() {
    quiv::JanelaTextoAnimado janela(*sessao_, 1);
    janela.Mostra();
    const std::vector<Linha> tabela{
        {"", Parte::Legenda, U("Animated text")},
        {"Label3", Parte::Texto, U("Equation")},
        {"Label2", Parte::Texto, U("Description:")},
        {"Tipo", Parte::Texto, U("Type")},
        {"Tipo", Parte::Itens, U("Scale|Binary|Equation")},
        {"Label6", Parte::Texto, U("Eng.Unit:")},
        {"Label8", Parte::Texto, U("Min Span:")},
        {"Label7", Parte::Texto, U("Max Span:")},
        {"Label10", Parte::Texto, U("Low Alarm:")},
        {"Label9", Parte::Texto, U("High Alarm:")},
        {"ComboBox1", Parte::Dica, U("Variable to show")},
        {"FuncaoTr", Parte::Dica,
         U("If binary type, insert text for 0 and 1 values split by / caracter")},
        {"DescricaoText", Parte::Texto, U("Level")},
        {"Label5", Parte::Texto, U("Decimal Places:")},
    };
    auto* tipos = janela.findChild<QGroupBox*>(QStringLiteral("Tipo"));
    const QList<QRadioButton*> itens = tipos->findChildren<QRadioButton*>();
    QCOMPARE(itens.size(), 3);
    for (QRadioButton* item : {itens.at(0), itens.at(1), itens.at(2), itens.at(0)}) {
      item->click();
      QVERIFY(item->isChecked());
      Confere(&janela, tabela);
    }
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty())
      janela.grab().save(pasta + QStringLiteral("/ingles-tform2.png"));

    // The failed fields of "Sair", named as the window names them.
    itens.at(2)->click();
    auto* maximo = janela.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    maximo->setText(QStringLiteral("x"));
    emit maximo->textEdited(maximo->text());
    roteiro_.EsperaInforma(
        U("Animated Text 1 (Level): Max Span invalid\nAnimated Text 1 (Level): Equation invalid"));
    janela.findChild<QPushButton*>(QStringLiteral("SairButton"))->click();
    QCOMPARE(roteiro_.Pendentes(), 0);
  }

  // A recorder not yet configured, and the folder of its archive.
  void tregistrform() {
    sessao_->documento().NovoRegistrador(2);
    quiv::JanelaRegistrador janela(*sessao_, 2);
    janela.Mostra();
    Confere(&janela, {
                         {"", Parte::Legenda, U("Register")},
                         {"Label17", Parte::Texto, U("1 division time=")},
                         {"CheckBox1", Parte::Texto, U("Archive")},
                         {"Label21", Parte::Texto, U("Saving 0.1 seg")},
                         {"StaticText1", Parte::Texto, U("Scale")},
                         {"Label13", Parte::Texto, U("Description:")},
                         {"Label14", Parte::Texto, U("Variable 1")},
                         {"Label15", Parte::Texto, U("Variable 2")},
                         {"Label16", Parte::Texto, U("Variable 3")},
                         {"Label18", Parte::Texto, U("Text 1")},
                         {"Label19", Parte::Texto, U("Text 2")},
                         {"Label20", Parte::Texto, U("Text 3")},
                         {"CheckBox2", Parte::Texto, U("Strong Line")},
                         {"UsarVirgula", Parte::Texto, U("Uses , as decimal separator")},
                         {"UsarUE", Parte::Texto, U("Uses Engineering Units")},
                         {"CheckBox1", Parte::Dica, U("Save data into TXT file")},
                         {"ConfBTN", Parte::Dica, U("Open configuration area")},
                         {"SpeedButton1", Parte::Dica, U("Pause Trend")},
                         {"SairBTN", Parte::Dica, U("Exit")},
                         // the same in both languages
                         {"BaseTempoBox", Parte::Itens, U("3 seconds|9 seconds|1 minute")},
                         {"Variavel2Select", Parte::Ultimo, U("Nenhum")},
                         {"Variavel3Select", Parte::Ultimo, U("Nenhum")},
                         {"TituloPV", Parte::Texto, U("PV")},
                         {"TituloMV", Parte::Texto, U("MV(%)")},
                     });

    quiv::JanelaRegistrador configurado(*sessao_, 1);
    configurado.Mostra();
    roteiro_.EsperaPasta(QStringLiteral("Select a folder"), QString());
    auto* arquivar = configurado.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    QVERIFY(arquivar->isEnabled());
    arquivar->click();
    QVERIFY(!arquivar->isChecked());
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty())
      janela.grab().save(pasta + QStringLiteral("/ingles-tregistrform.png"));
  }

  void tregxy() {
    quiv::JanelaRegistradorXY janela(*sessao_);
    janela.Mostra();
    QStringList presets{U("Individual Selection")};
    for (int k = 1; k <= 10; ++k)
      presets << QStringLiteral("COxPV [Loop %1]").arg(k)
              << QStringLiteral("COxMV [Loop %1]").arg(k);
    Confere(&janela,
            {
                {"Label36", Parte::Texto, U("Window")},
                {"SairButton", Parte::Texto, U("Exit")},
                {"Button1", Parte::Texto, U("Register")},
                {"SpeedButton4", Parte::Dica, U("Clean Graphic")},
                {"Presets", Parte::Dica, U("Preselected variable pairs")},
                {"ComboX", Parte::Dica, U("Horizontal axis variable")},
                {"ComboY", Parte::Dica, U("Vertical axis variable")},
                {"SpeedButton3", Parte::Dica, U("Apply 0-100% scale")},
                {"SpeedButton1", Parte::Dica, U("Zoom window: Click and drag to select zoom area")},
                {"SpeedButton2", Parte::Dica, U("Undo zoom")},
                {"", Parte::Legenda, U("XY Register")},
                {"LabelX", Parte::Texto, U("var X:")},
                {"LabelY", Parte::Texto, U("var Y:")},
                {"LabelPresets", Parte::Texto, U("Presets:")},
                {"Presets", Parte::Itens, Junta(presets)},
                {"JanelaComboBox", Parte::Itens, U("10 min|30 min|1 hour")},
            });
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty())
      janela.grab().save(pasta + QStringLiteral("/ingles-tregxy.png"));
  }

  void tdialogos() {
    quiv::JanelaListaVariaveis janela(*sessao_);
    janela.Mostra();
    const QString colunas =
        U("Type|Eng. Unit|EU min|EU max|Low Limit|High Limit|Description|Value (%)");
    Confere(&janela, {
                         {"", Parte::Legenda, U("Variable List")},
                         {"StaticText1", Parte::Texto, U("Process Variables")},
                         {"StaticText2", Parte::Texto, U("Control Signals")},
                         {"SpeedButton1", Parte::Texto, U("Refresh")},
                         {"SpeedButton2", Parte::Texto, U("Exit")},
                         // the same in both languages
                         {"ListaVar", Parte::Cabecalho, colunas},
                         {"ListaVar2", Parte::Cabecalho, colunas},
                     });
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty())
      janela.grab().save(pasta + QStringLiteral("/ingles-tdialogos.png"));
  }

  // The fast-simulation page: the loops without a controller read "Loop k";
  // a run reports its file in English.
  void taboutbox() {
    quiv::JanelaSimulacaoRapida janela(*sessao_);
    janela.Mostra();
    Confere(&janela,
            {
                {"", Parte::Legenda, U("Fast Simulation")},
                {"Panel3", Parte::Texto, U("Fast Simulation")},
                {"Label36", Parte::Texto, U("Data Window:")},
                {"Label6", Parte::Texto, U("Sample Time:")},
                {"BTNSimular", Parte::Texto, U("Simulate")},
                {"CheckArquivar", Parte::Texto, U("Archive")},
                {"Label3", Parte::Texto, U("File Name:")},
                {"SinalTesteTxt", Parte::Texto, U("Step size:")},
                {"SinalTesteCombo", Parte::Itens,
                 U("Select a test signal:|None|SP step change|Step process disturbance")},
                {"SinalTesteCombo", Parte::Texto, U("Select a test signal:")},
                {"Panel4", Parte::Texto, U("Performance Indices")},
                {"Label17", Parte::Texto, U(" Upper         Lower")},
                {"Label18", Parte::Texto, U("Graphic       Graphic")},
                {"Label16", Parte::Texto, U("Variability")},
                {"Label15", Parte::Texto, U("Int Average Error")},
                {"Label14", Parte::Texto, U("Int Absolute Average Error")},
                {"Label13", Parte::Texto, U("CO Travel")},
                {"Label12", Parte::Texto, U("CO Standard Deviation")},
                {"Label11", Parte::Texto, U("CO Saturation Index")},
                {"Label2", Parte::Texto, U("File Name:")},
                {"Label10", Parte::Texto, U("File Name:")},
                {"Button1", Parte::Texto, U("Load Archive")},
                {"BTNCarregar", Parte::Texto, U("Load Archive")},
                {"CheckBox1", Parte::Texto, U("Hide COs")},
                {"Normaliza", Parte::Texto, U("Normalize")},
                {"replicarzoom", Parte::Texto, U("Zoom replicate")},
                {"SpeedButton3", Parte::Dica, U("Apply 0-100% scale")},
                {"SpeedButton1", Parte::Dica,
                 U("Zoom Window: Drag and drop cursor at right/down directions")},
                {"SpeedButton2", Parte::Dica, U("Undo Zoom")},
                {"CheckBox1", Parte::Dica, U("Hide control output signal")},
                {"replicarzoom", Parte::Dica, U("Uses same zoom in both graphics")},
                {"TabbedNotebook1", Parte::Abas, Paginas({U("TIC1"), U("TIC2")}, "Loop %1")},
                {"Edit2", Parte::Texto, U("Test plant")},
                // the same in both languages
                {"TabbedNotebook2", Parte::Abas,
                 Paginas({U("TIC1(hist)"), U("TIC2(hist)")}, "Hist %1")},
                {"JanelaComboBox", Parte::Itens, U("30 min|1 hour|2 hours|4 hours")},
                {"TACombo", Parte::Itens, U("100 ms|200 ms|500 ms|1 sec")},
                {"PtsPag", Parte::Itens, U("15 min|30 min|1 hour|2 hours|4 hours")},
                {"SinalTesteValor", Parte::Dica,
                 U("For SP change, the controller L/R switch must be in Local position")},
            });
    janela.findChild<QPushButton*>(QStringLiteral("BTNSimular"))->click();
    QCOMPARE(janela.findChild<QLabel*>(QStringLiteral("Label5"))->text(), U("Data saved on file"));
    QVERIFY(QFileInfo::exists(pasta_->filePath(QStringLiteral("Test plant_1.txd"))));
    if (const QString pasta = qEnvironmentVariable("QUIV_CAPTURA"); !pasta.isEmpty()) {
      janela.resize(1100, 760);
      janela.grab().save(pasta + QStringLiteral("/ingles-taboutbox.png"));
    }
  }

  // The start's recovery question, its untitled name and its date in
  // English, and the report of a damaged copy.
  void recuperacao() {
    const QString pastaBoa = pasta_->filePath(QStringLiteral("boa"));
    const QString pastaDanificada = pasta_->filePath(QStringLiteral("danificada"));
    QVERIFY(QDir().mkpath(pastaBoa) && QDir().mkpath(pastaDanificada));
    const quiv::CopiaRecuperacao semNome{QString(), QDateTime(QDate(2024, 5, 7), QTime(9, 41)),
                                         "x"};
    QCOMPARE(semNome.Grava(pastaBoa + QStringLiteral("/copia-deixada.rec")), QString());
    QFile danificada(pastaDanificada + QStringLiteral("/copia-deixada.rec"));
    QVERIFY(danificada.open(QIODevice::WriteOnly));
    danificada.close();

    roteiro_.EsperaPergunta(
        U("QUIV did not end normally. There is a recovery copy of an untitled simulation, "
          "written on 2024-05-07 at 09:41.\n\nRestore the copy? (No: the copy is discarded.)"),
        false);
    QVERIFY(!quiv::Recuperacao(*sessao_, pastaBoa).OfereceAbandonadas(nullptr));
    roteiro_.EsperaInforma(U("A damaged recovery copy was discarded:\n"));
    QVERIFY(!quiv::Recuperacao(*sessao_, pastaDanificada).OfereceAbandonadas(nullptr));
  }

 private:
  InteracaoRoteiro roteiro_;
  quiv::Interacao* anterior_ = nullptr;
  QString pastaOriginal_;
  QString pastaArquivoOriginal_;
  std::unique_ptr<QTemporaryDir> pasta_;
  std::unique_ptr<quiv::SessaoSimulacao> sessao_;
  std::unique_ptr<QWidget> janela_;
};

int ExecutaTesteIngles(int argc, char** argv) {
  TesteIngles teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_ingles.moc"
