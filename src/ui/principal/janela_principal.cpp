// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/janela_principal.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/arquivo/texto_rtf.h"
#include "ui/analise/janela_registrador_xy.h"
#include "ui/analise/janela_simulacao_rapida.h"
#include "ui/comum/texto_qt.h"
#include "ui/objetos/janela_bloco.h"
#include "ui/objetos/janela_controlador.h"
#include "ui/objetos/janela_gerador.h"
#include "ui/objetos/janela_lista_variaveis.h"
#include "ui/objetos/janela_processo.h"
#include "ui/objetos/janela_registrador.h"
#include "ui/objetos/janela_texto_animado.h"
#include "ui/principal/caixa_sobre.h"
#include "ui/principal/dialogo_configuracao.h"
#include "ui/principal/figuras.h"
#include "ui/principal/galeria_exemplos.h"
#include "ui/principal/tela_sinotica.h"
#include "ui/sessao/comandos_planta.h"
#include "ui/sessao/enderecos_web.h"
#include "ui/sessao/idioma.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/pasta_exemplos.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

constexpr int kLarguraComentarios = 288;

// The margin around the centred synoptic screen is free area too.
class MargemDaTela : public QObject {
 public:
  MargemDaTela(TelaSinotica& tela, QObject* pai) : QObject(pai), tela_(tela) {}
  bool eventFilter(QObject* alvo, QEvent* evento) override {
    auto* margem = static_cast<QWidget*>(alvo);
    switch (evento->type()) {
      case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) tela_.ClicaAreaLivre();
        break;
      case QEvent::MouseMove:
        tela_.MoveAreaLivre(
            tela_.mapFrom(margem, static_cast<QMouseEvent*>(evento)->position().toPoint()));
        break;
      case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton)
          tela_.DuploCliqueAreaLivre();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  TelaSinotica& tela_;
};

}  // namespace

JanelaPrincipal::JanelaPrincipal(SessaoSimulacao& sessao, QWidget* pai)
    : QMainWindow(pai), sessao_(sessao) {
  setObjectName(QStringLiteral("Form1"));
  legendaPadrao_ = tr("QUIV (v 7.81)");
  setWindowTitle(legendaPadrao_);
  setWindowIcon(figuras::Programa());
  sessao_.DefineJanelaDeMensagens(this);

  CriaCentro();
  ParmForm_ = new JanelaGerador(sessao_, this);
  config_ = new DialogoConfiguracao(sessao_, this);
  RegXY_ = new JanelaRegistradorXY(sessao_, this);
  AboutBox_ = new JanelaSimulacaoRapida(sessao_, this);
  Dialogos_ = new JanelaListaVariaveis(sessao_, this);
  CriaMenu();

  connect(&sessao_, &SessaoSimulacao::SalvoMudou, this, &JanelaPrincipal::MostraSalvo);
  connect(&sessao_, &SessaoSimulacao::TituloAlterado, this, &JanelaPrincipal::MostraTitulo);
  connect(&sessao_, &SessaoSimulacao::AtualizaTelaPedida, this, &JanelaPrincipal::AtualizaTela);
  connect(&sessao_, &SessaoSimulacao::PainelAlterado, tela_, &TelaSinotica::MostraPainel);
  connect(&sessao_, &SessaoSimulacao::DisplaysAtualizados, tela_, &TelaSinotica::AtualizaDisplays);
  connect(&sessao_, &SessaoSimulacao::FiguraAlterada, tela_, &TelaSinotica::CarregaFigura);
  connect(&sessao_, &SessaoSimulacao::ProgressoLeitura, this, &JanelaPrincipal::MostraProgresso);
  connect(&sessao_, &SessaoSimulacao::ArquivosRecentesMudaram, this,
          &JanelaPrincipal::AtualizaRecentes);
  connect(&sessao_, &SessaoSimulacao::DocumentoRecarregado, this, [this] {
    FechaJanelas();
    tela_->CarregaFigura();
    AtualizaTela();
    MostraTitulo();
    MostraComentarios();
  });
  connect(tela_, &TelaSinotica::ModosEncerrados, this, [this] {
    MoverObjetos2_->setChecked(false);
    ExcluirObjetos_->setChecked(false);
  });
  connect(tela_, &TelaSinotica::DuploClique, this, &JanelaPrincipal::FormDblClick);
  // An object deleted (or brought back by undo): its window goes with it.
  connect(&sessao_, &SessaoSimulacao::InclusaoAlterada, this, [this] {
    for (const auto& chave : janelas_.keys())
      if (!sessao_.documento().Incluido(static_cast<TipoObjeto>(chave.first), chave.second))
        FechaJanela(chave.first, chave.second);
    AtualizaTela();
  });
  connect(&sessao_, &SessaoSimulacao::ComentariosAlterados, this, [this] {
    // Typing changed them already: the pane is redrawn (and its cursor
    // moved) only for an undo or redo.
    QStringList linhas;
    for (const std::string& linha : sessao_.documento().comentarios.Linhas(sessao_.IdiomaIngles()))
      linhas << QString::fromStdString(linha);
    if (linhas.join(QLatin1Char('\n')) != RichEdit1_->toPlainText()) MostraComentarios();
  });
  connect(tela_, &TelaSinotica::AbreObjeto, this,
          [this](TipoObjeto tipo, int n) { AbreObjeto(static_cast<int>(tipo), n); });

  AtualizaTela();
  MostraSalvo();
}

JanelaPrincipal::~JanelaPrincipal() = default;

void JanelaPrincipal::CriaCentro() {
  auto* centro = new QWidget(this);
  auto* vertical = new QVBoxLayout(centro);
  vertical->setContentsMargins(0, 0, 0, 0);
  vertical->setSpacing(0);
  auto* horizontal = new QHBoxLayout;
  horizontal->setSpacing(0);

  rolagem_ = new QScrollArea(centro);
  rolagem_->setObjectName(QStringLiteral("Rolagem"));
  rolagem_->setFrameShape(QFrame::NoFrame);
  tela_ = new TelaSinotica(sessao_);
  rolagem_->setWidget(tela_);
  rolagem_->setAlignment(Qt::AlignCenter);
  rolagem_->viewport()->setMouseTracking(true);
  rolagem_->viewport()->installEventFilter(new MargemDaTela(*tela_, this));
  horizontal->addWidget(rolagem_, 1);

  galeria_ = new GaleriaExemplos(sessao_.PastaInicial(), sessao_.IdiomaIngles(), centro);
  galeria_->hide();
  connect(galeria_, &GaleriaExemplos::ExemploEscolhido, this, &JanelaPrincipal::AbreExemplo);
  horizontal->addWidget(galeria_, 1);

  RichEdit1_ = new QTextEdit(centro);
  RichEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1_->setAcceptRichText(false);
  RichEdit1_->setFixedWidth(kLarguraComentarios);
  RichEdit1_->hide();
  connect(RichEdit1_, &QTextEdit::textChanged, this, [this] {
    if (preenchendoComentarios_) return;
    std::vector<std::string> linhas;
    for (const QString& linha : RichEdit1_->toPlainText().split(QLatin1Char('\n')))
      linhas.push_back(linha.toStdString());
    sessao_.Executa(new ComandoComentarios(sessao_, sessao_.IdiomaIngles(), std::move(linhas)));
  });
  horizontal->addWidget(RichEdit1_);
  vertical->addLayout(horizontal, 1);

  auto* ajuda = new QFrame(centro);
  ajuda->setObjectName(QStringLiteral("HelpPanel"));
  ajuda->setFrameShape(QFrame::StyledPanel);
  auto* linhaAjuda = new QHBoxLayout(ajuda);
  linhaAjuda->setContentsMargins(8, 3, 8, 3);
  auto* Label21 = new QLabel(tr("Clique aqui para informações adicionais"), ajuda);
  Label21->setObjectName(QStringLiteral("Label21"));
  Label21->setCursor(Qt::PointingHandCursor);
  Label21->installEventFilter(this);
  linhaAjuda->addWidget(Label21);
  linhaAjuda->addStretch(1);
  vertical->addWidget(ajuda);

  setCentralWidget(centro);

  // The loading progress box floats over the centre of the screen.
  GroupBox1_ = new QGroupBox(tr("Lendo arquivo..."), this);
  GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
  auto* caixa = new QVBoxLayout(GroupBox1_);
  ProgressBar1_ = new QProgressBar(GroupBox1_);
  ProgressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1_->setRange(0, 100);
  caixa->addWidget(ProgressBar1_);
  GroupBox1_->setFixedSize(320, 70);
  GroupBox1_->hide();
}

void JanelaPrincipal::CriaMenu() {
  QMenuBar* barra = menuBar();
  barra->setObjectName(QStringLiteral("MainMenu1"));

  // The save indicator leads the menu bar with its picture and its caption
  // side by side, which a plain menu-bar item does not show together.
  Salvar1_ = new QAction(this);
  Salvar1_->setObjectName(QStringLiteral("Salvar1"));
  Salvar1_->setShortcut(QKeySequence::Save);
  addAction(Salvar1_);
  auto* indicador = new QToolButton(barra);
  indicador->setObjectName(QStringLiteral("Salvar1Botao"));
  indicador->setDefaultAction(Salvar1_);
  indicador->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  indicador->setAutoRaise(true);
  barra->setCornerWidget(indicador, Qt::TopLeftCorner);
  connect(Salvar1_, &QAction::changed, indicador,
          [this, indicador] { indicador->setVisible(Salvar1_->isVisible()); });
  Salvar1_->setVisible(false);
  connect(Salvar1_, &QAction::triggered, this, &JanelaPrincipal::Salvar1Click);

  Arquivo1_ = barra->addMenu(tr("Arquivo"));
  Arquivo1_->setObjectName(QStringLiteral("Arquivo1"));
  Novo1_ = Arquivo1_->addAction(tr("Novo"), this, &JanelaPrincipal::Novo1Click);
  Novo1_->setObjectName(QStringLiteral("Novo1"));
  Novo1_->setShortcut(QKeySequence::New);
  Abrir1_ = Arquivo1_->addAction(tr("Abrir"), this, &JanelaPrincipal::Abrir1Click);
  Abrir1_->setObjectName(QStringLiteral("Abrir1"));
  Abrir1_->setShortcut(QKeySequence::Open);
  Recentes_ = Arquivo1_->addMenu(tr("Abrir Recente"));
  Recentes_->setObjectName(QStringLiteral("Recentes"));
  SalvarComo1_ =
      Arquivo1_->addAction(tr("Salvar Como..."), this, &JanelaPrincipal::SalvarComo1Click);
  SalvarComo1_->setObjectName(QStringLiteral("SalvarComo1"));
  SalvarComo1_->setShortcut(QKeySequence::SaveAs);
  SalvarComo1_->setVisible(false);
  Sair1_ = Arquivo1_->addAction(tr("Sair"), this, &QWidget::close);
  Sair1_->setObjectName(QStringLiteral("Sair1"));
  Sair1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  Arquivo1_->addSeparator();
  SelectLanguage1_ = Arquivo1_->addMenu(QStringLiteral("Select Language"));
  SelectLanguage1_->setObjectName(QStringLiteral("SelectLanguage1"));
  // The choice takes effect at the next start; the mark stays on the
  // language running.
  auto* idiomas = new QActionGroup(SelectLanguage1_);
  for (bool ingles : {false, true}) {
    QAction* a = SelectLanguage1_->addAction(ingles ? QStringLiteral("English")
                                                    : QStringLiteral("Portuguese"));
    a->setObjectName(ingles ? QStringLiteral("English1") : QStringLiteral("Portuguese1"));
    a->setCheckable(true);
    a->setChecked(ingles == sessao_.IdiomaIngles());
    idiomas->addAction(a);
    connect(a, &QAction::triggered, this, [this, ingles] { EscolheIdioma(ingles); });
  }
  Pastacorrente1_ =
      Arquivo1_->addAction(tr("Pasta corrente..."), this, &JanelaPrincipal::Pastacorrente1Click);
  Pastacorrente1_->setObjectName(QStringLiteral("Pastacorrente1"));
  AtualizaRecentes();

  // Undo and redo of the edits, named after the edit; they work from every
  // window of the program.
  Editar1_ = barra->addMenu(tr("Editar"));
  Editar1_->setObjectName(QStringLiteral("Editar1"));
  Editar1_->menuAction()->setVisible(false);
  Desfazer1_ = sessao_.Pilha().createUndoAction(Editar1_, tr("Desfazer"));
  Desfazer1_->setObjectName(QStringLiteral("Desfazer1"));
  Desfazer1_->setShortcut(QKeySequence::Undo);
  Refazer1_ = sessao_.Pilha().createRedoAction(Editar1_, tr("Refazer"));
  Refazer1_->setObjectName(QStringLiteral("Refazer1"));
  Refazer1_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  for (QAction* a : {Desfazer1_, Refazer1_}) {
    a->setShortcutContext(Qt::ApplicationShortcut);
    Editar1_->addAction(a);
  }

  auto itemDaBarra = [barra](const QString& texto, const char* nome) {
    QAction* a = barra->addAction(texto);
    a->setObjectName(QLatin1String(nome));
    a->setVisible(false);
    return a;
  };
  Exemplos1_ = itemDaBarra(tr("Exemplos"), "Exemplos1");
  connect(Exemplos1_, &QAction::triggered, this, &JanelaPrincipal::Exemplos1Click);
  Configurao2_ = itemDaBarra(tr("Configuração"), "Configurao2");
  connect(Configurao2_, &QAction::triggered, this, [this] {
    config_->AtualizaInclusao();
    config_->MostraPrimeiraPagina();
    config_->show();
    config_->raise();
    config_->activateWindow();
  });
  Configurao1_ = itemDaBarra(tr("Gerador de Sinais"), "Configurao1");
  connect(Configurao1_, &QAction::triggered, ParmForm_, &JanelaGerador::Mostra);
  Dese1_ = itemDaBarra(tr("Simulação Rápida"), "Dese1");
  connect(Dese1_, &QAction::triggered, AboutBox_, &JanelaSimulacaoRapida::Mostra);
  Variveis1_ = itemDaBarra(tr("Lista de Variáveis"), "Variveis1");
  connect(Variveis1_, &QAction::triggered, Dialogos_, &JanelaListaVariaveis::Mostra);
  RegistradorXY1_ = itemDaBarra(tr("Registrador XY"), "RegistradorXY1");
  connect(RegistradorXY1_, &QAction::triggered, RegXY_, &JanelaRegistradorXY::Mostra);

  Opes1_ = barra->addMenu(tr("Opções"));
  Opes1_->setObjectName(QStringLiteral("Opes1"));
  Opes1_->menuAction()->setVisible(false);
  // Any stopper of Timer1 (a load) restarts it on its own; the check mark
  // shows whether the timer runs.
  PausarSimulao2_ = Opes1_->addAction(tr("Pausar Simulação"));
  PausarSimulao2_->setObjectName(QStringLiteral("PausarSimulao2"));
  PausarSimulao2_->setCheckable(true);
  connect(PausarSimulao2_, &QAction::triggered, this, [this] {
    sessao_.AlternaPausa();
    PausarSimulao2_->setChecked(sessao_.Pausada());
  });
  MoverObjetos2_ = Opes1_->addAction(tr("Mover Objetos"));
  MoverObjetos2_->setObjectName(QStringLiteral("MoverObjetos2"));
  MoverObjetos2_->setCheckable(true);
  connect(MoverObjetos2_, &QAction::toggled, tela_, &TelaSinotica::DefineModoMover);
  ExcluirObjetos_ = Opes1_->addAction(tr("Excluir Objetos"));
  ExcluirObjetos_->setObjectName(QStringLiteral("ExcluirObjetos"));
  ExcluirObjetos_->setCheckable(true);
  connect(ExcluirObjetos_, &QAction::toggled, tela_, &TelaSinotica::DefineModoExcluir);

  Sobre1_ = barra->addMenu(tr("Ajuda"));
  Sobre1_->setObjectName(QStringLiteral("Sobre1"));
  Comentrios1_ = Sobre1_->addAction(tr("Exibir comentários"));
  Comentrios1_->setObjectName(QStringLiteral("Comentrios1"));
  Comentrios1_->setCheckable(true);
  connect(Comentrios1_, &QAction::triggered, this, [this](bool marcado) {
    sessao_.documento().comentarios.Exibir = marcado;
    RichEdit1_->setVisible(marcado);
  });
  const struct {
    QString texto;
    const char* nome;
    const char* caminho;
  } paginas[] = {
      {tr("Visitar website"), "utorial1", ""},
      {tr("Vídeo Aulas"), "VdeoAulas1", "/video_aulas"},
      {tr("Introdução Controle de Processos"), "IntroduoControledeProcessos1", "/aulas"}};
  for (const auto& pagina : paginas) {
    QAction* a = Sobre1_->addAction(pagina.texto);
    a->setObjectName(QLatin1String(pagina.nome));
    const char* caminho = pagina.caminho;
    connect(a, &QAction::triggered, this, [this, caminho] { AbrePagina(caminho); });
  }
  QAction* Sobre3 = Sobre1_->addAction(tr("Sobre"));
  Sobre3->setObjectName(QStringLiteral("Sobre3"));
  connect(Sobre3, &QAction::triggered, this, &JanelaPrincipal::Sobre3Click);
}

void JanelaPrincipal::AbrePagina(const char* caminho) {
  if (!Interacao::Atual().InternetConectada()) {
    Interacao::Atual().Informa(this, QStringLiteral("QUIV"),
                               tr("É requerida conexão com internet"));
    return;
  }
  Interacao::Atual().AbreEndereco(EnderecoAjuda(caminho));
}

void JanelaPrincipal::Sobre3Click() {
  auto* sobre = new CaixaSobre(false, this);
  sobre->show();
}

void JanelaPrincipal::EscolheIdioma(bool ingles) {
  const bool emUso = sessao_.IdiomaIngles();
  for (QAction* a : SelectLanguage1_->actions())
    a->setChecked(a->objectName() ==
                  (emUso ? QLatin1String("English1") : QLatin1String("Portuguese1")));
  if (ingles == emUso) return;
  if (const QString erro = PreferenciasIdioma(sessao_.PastaInicial()).Grava(ingles);
      !erro.isEmpty()) {
    Interacao::Atual().Informa(this, QStringLiteral("QUIV"), erro);
    return;
  }
  Interacao::Atual().Informa(this, QStringLiteral("QUIV"),
                             ingles ? QStringLiteral("It is necessary restart application")
                                    : QStringLiteral("É necessário reiniciar o aplicativo"));
}

void JanelaPrincipal::MostraMenus(bool visivel) {
  for (QAction* a : {SalvarComo1_, Editar1_->menuAction(), Exemplos1_, Configurao2_, Configurao1_,
                     Dese1_, Variveis1_, RegistradorXY1_, Opes1_->menuAction()})
    a->setVisible(visivel);
}

void JanelaPrincipal::MostraSalvo() {
  const bool salvo = sessao_.Salvo();
  Salvar1_->setIcon(figuras::Salvo(salvo));
  if (sessao_.IdiomaIngles())
    Salvar1_->setText(salvo ? QStringLiteral("I´m saved!") : QStringLiteral("Save me!"));
  else
    Salvar1_->setText(salvo ? tr("To salvo!") : tr("Salve me!"));
}

void JanelaPrincipal::MostraTitulo() {
  const TextoBilingue& titulo = sessao_.documento().Titulo;
  setWindowTitle(titulo.empty() ? legendaPadrao_ : Texto(titulo.Em(sessao_.IdiomaIngles())));
}

void JanelaPrincipal::MostraComentarios() {
  const Comentarios& comentarios = sessao_.documento().comentarios;
  QStringList linhas;
  for (const std::string& linha : comentarios.Linhas(sessao_.IdiomaIngles()))
    linhas << QString::fromStdString(linha);
  preenchendoComentarios_ = true;
  RichEdit1_->setPlainText(linhas.join(QLatin1Char('\n')));
  preenchendoComentarios_ = false;
  Comentrios1_->setChecked(comentarios.Exibir);
  RichEdit1_->setVisible(comentarios.Exibir);
}

void JanelaPrincipal::MostraProgresso(int percentual) {
  if (percentual < 0) {
    GroupBox1_->hide();
    PausarSimulao2_->setChecked(sessao_.Pausada());
    return;
  }
  GroupBox1_->move((width() - GroupBox1_->width()) / 2, (height() - GroupBox1_->height()) / 2);
  GroupBox1_->show();
  GroupBox1_->raise();
  ProgressBar1_->setValue(percentual);
  GroupBox1_->repaint();
}

void JanelaPrincipal::AtualizaTela() { tela_->AtualizaTela(); }

void JanelaPrincipal::AtualizaRecentes() {
  Recentes_->clear();
  const QStringList recentes = sessao_.ArquivosRecentes();
  for (const QString& arquivo : recentes) {
    QAction* a = Recentes_->addAction(QDir::toNativeSeparators(arquivo));
    connect(a, &QAction::triggered, this, [this, arquivo] { AbreArquivo(arquivo); });
  }
  Recentes_->setEnabled(!recentes.isEmpty());
}

QString JanelaPrincipal::DialogoSalvar() {
  return Interacao::Atual().SalvaArquivo(
      this, tr("Salvar Como"), sessao_.PastaDosDialogos(),
      tr("Arquivos de Simulação (*.smp);;Todos os  Arquivos (*)"));
}

bool JanelaPrincipal::PerguntaSalvar(const QString& pergunta) {
  if (sessao_.Salvo()) return true;
  if (!Interacao::Atual().Pergunta(this, QStringLiteral("QUIV"), pergunta)) return true;
  const QString nome = DialogoSalvar();
  if (nome.isEmpty()) return true;
  return sessao_.SalvaSimulacao(nome);
}

bool JanelaPrincipal::RecomecaVazia() {
  if (!PerguntaSalvar(sessao_.IdiomaIngles() ? QStringLiteral("Save changes?")
                                             : tr("Salvar Alterações em Arquivo?")))
    return false;
  legendaPadrao_ = tr("QUIV v 7.81");
  sessao_.NovaSimulacao();
  sessao_.MarcaSalvo();
  MostraTitulo();
  return true;
}

void JanelaPrincipal::Novo1Click() {
  if (!RecomecaVazia()) return;
  EscondeGaleria();
  RichEdit1_->show();
  Salvar1_->setVisible(true);
  MostraMenus(true);
}

void JanelaPrincipal::Exemplos1Click() {
  if (RecomecaVazia()) MostraGaleria();
}

void JanelaPrincipal::MostraGaleria() {
  RichEdit1_->hide();
  rolagem_->hide();
  galeria_->show();
  Salvar1_->setVisible(false);
  // "Salvar Como..." stays: only the file menu is of use here.
  for (QAction* a : {Editar1_->menuAction(), Exemplos1_, Configurao2_, Configurao1_, Dese1_,
                     Variveis1_, RegistradorXY1_, Opes1_->menuAction()})
    a->setVisible(false);
}

bool JanelaPrincipal::GaleriaVisivel() const { return galeria_->isVisibleTo(this); }

void JanelaPrincipal::EscondeGaleria() {
  galeria_->hide();
  rolagem_->show();
}

void JanelaPrincipal::AbreExemplo(const QString& arquivo) {
  // The working folder stays: an installed example's folder may not take
  // the histories a run writes.
  if (!sessao_.LeSimulacao(arquivo)) return;
  EscondeGaleria();
  MostraMenus(true);
}

void JanelaPrincipal::Abrir1Click() {
  if (!PerguntaSalvar(sessao_.IdiomaIngles() ? QStringLiteral("Save changes?")
                                             : tr("Salvar Alterações em Arquivo?")))
    return;
  const QString arquivo =
      Interacao::Atual().AbreArquivo(this, tr("Abrir"), sessao_.PastaDosDialogos(),
                                     tr("Arquivos de Simulação (*.smp);;Todos os Arquivos (*)"));
  if (arquivo.isEmpty()) return;
  AbreArquivo(arquivo);
}

void JanelaPrincipal::AbreArquivo(const QString& arquivo) {
  // The file's folder becomes the working folder, where its picture and its
  // "descricao.rtf" are looked for.
  QDir::setCurrent(QFileInfo(arquivo).absolutePath());
  sessao_.NovaSimulacao();
  if (sessao_.LeSimulacao(arquivo)) EscondeGaleria();
  if (GaleriaVisivel()) return;  // nothing was read: the gallery stays as it was
  MostraMenus(true);
  if (sessao_.ArquivoAtual().isEmpty()) return;
  Salvar1_->setVisible(true);
}

void JanelaPrincipal::MostraSimulacaoRestaurada() {
  const QString arquivo = sessao_.ArquivoAtual();
  if (!arquivo.isEmpty()) QDir::setCurrent(QFileInfo(arquivo).absolutePath());
  EscondeGaleria();
  MostraMenus(true);
  const QString exemplos = PastaDosExemplos(sessao_.PastaInicial());
  const bool exemplo =
      !arquivo.isEmpty() && !exemplos.isEmpty() &&
      QFileInfo(arquivo).absoluteFilePath().startsWith(
          QDir(exemplos).absoluteFilePath(QStringLiteral("examples")) + QLatin1Char('/'));
  Salvar1_->setVisible(!exemplo);
}

void JanelaPrincipal::SalvaComNome(const QString& escolhido) {
  QString arquivo = escolhido;
  const QFileInfo info(escolhido);
  Documento& doc = sessao_.documento();
  if (doc.Titulo.empty()) {
    doc.Titulo = info.fileName().toStdString();
    sessao_.AvisaTituloAlterado();
  }
  // A name without an extension gets ".smp"; a dot in a folder's name does
  // not count.
  if (!info.fileName().contains(QLatin1Char('.'))) arquivo += QStringLiteral(".smp");
  sessao_.SalvaSimulacao(arquivo);
}

void JanelaPrincipal::SalvarComo1Click() {
  const QString escolhido = DialogoSalvar();
  if (escolhido.isEmpty()) return;
  SalvaComNome(escolhido);
}

void JanelaPrincipal::Salvar1Click() {
  if (!sessao_.ArquivoAtual().isEmpty()) {
    sessao_.SalvaSimulacao(sessao_.ArquivoAtual());
    return;
  }
  const QString escolhido = DialogoSalvar();
  if (escolhido.isEmpty()) return;
  Salvar1_->setVisible(true);
  SalvaComNome(escolhido);
}

void JanelaPrincipal::Pastacorrente1Click() {
  const QString pasta =
      Interacao::Atual().EscolhePasta(this, tr("Pasta corrente..."), sessao_.PastaInicial());
  if (!pasta.isEmpty()) sessao_.DefinePastaCorrente(QDir(pasta).absolutePath() + QDir::separator());
  if (!sessao_.PastaCorrente().isEmpty()) QDir::setCurrent(sessao_.PastaCorrente());
}

bool JanelaPrincipal::eventFilter(QObject* alvo, QEvent* evento) {
  if (evento->type() == QEvent::MouseButtonRelease &&
      alvo->objectName() == QLatin1String("Label21") &&
      static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
    AbrePagina("");
    return true;
  }
  return QMainWindow::eventFilter(alvo, evento);
}

void JanelaPrincipal::closeEvent(QCloseEvent* evento) {
  // The question is the Portuguese one in both languages.
  if (!PerguntaSalvar(tr("Salvar Alterações em Arquivo?"))) {
    evento->ignore();
    return;
  }
  evento->accept();
}

void JanelaPrincipal::FormDblClick() {
  tela_->CarregaFigura();
  QFile descricao(QDir::current().filePath(QStringLiteral("descricao.rtf")));
  // A comments file is a few kilobytes; a huge one is not read at all.
  constexpr qint64 kMaiorDescricao = 4 << 20;
  if (descricao.size() > kMaiorDescricao || !descricao.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = descricao.readAll();
  RichEdit1_->setPlainText(QString::fromStdString(
      TextoDoRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))));
}

namespace {

// The object's window, made on first use, then `acao` on it.
template <typename Janela>
void AbreJanela(QPointer<QWidget>& janela, SessaoSimulacao& sessao, int n, QWidget* pai,
                void (Janela::*acao)()) {
  if (!janela) janela = new Janela(sessao, n, pai);
  (static_cast<Janela*>(janela.data())->*acao)();
}

}  // namespace

void JanelaPrincipal::AbreObjeto(int tipo, int n) {
  QPointer<QWidget>& janela = janelas_[{tipo, n}];
  switch (static_cast<TipoObjeto>(tipo)) {
    case TipoObjeto::Texto:
      AbreJanela(janela, sessao_, n, this, &JanelaTextoAnimado::Mostra);
      break;
    case TipoObjeto::Controlador:
      AbreJanela(janela, sessao_, n, this, &JanelaControlador::Mostra);
      break;
    case TipoObjeto::Processo:
      AbreJanela(janela, sessao_, n, this, &JanelaProcesso::Mostra);
      break;
    case TipoObjeto::Bloco:
      AbreJanela(janela, sessao_, n, this, &JanelaBloco::Mostra);
      break;
    case TipoObjeto::Registrador:
      // The recorder's button shows its window and hides it again.
      AbreJanela(janela, sessao_, n, this, &JanelaRegistrador::AlternaVisivel);
      break;
    default:
      break;
  }
}

void JanelaPrincipal::FechaJanela(int tipo, int n) {
  if (QWidget* janela = janelas_.take({tipo, n})) {
    janela->hide();
    janela->deleteLater();
  }
}

void JanelaPrincipal::FechaJanelas() {
  for (const QPointer<QWidget>& janela : std::as_const(janelas_)) {
    if (!janela) continue;
    janela->hide();
    janela->deleteLater();
  }
  janelas_.clear();
  // The signal generator and the configuration are one window each for every
  // simulation: they show the new one's settings (the generator without the
  // apply its own closing runs).
  ParmForm_->hide();
  config_->hide();
}

}  // namespace quiv
