// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/janela_principal.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/arquivo/texto_rtf.h"
#include "ui/analise/janela_registrador_xy.h"
#include "ui/analise/janela_simulacao_rapida.h"
#include "ui/comum/lugar_janela.h"
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
  janelaGerador_ = new JanelaGerador(sessao_, this);
  dialogoConfiguracao_ = new DialogoConfiguracao(sessao_, this);
  janelaRegistradorXY_ = new JanelaRegistradorXY(sessao_, this);
  janelaSimulacaoRapida_ = new JanelaSimulacaoRapida(sessao_, this);
  janelaListaVariaveis_ = new JanelaListaVariaveis(sessao_, this);
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
    EditaComentarios(false);
    MostraComentarios();
  });
  connect(tela_, &TelaSinotica::ModosEncerrados, this, [this] {
    acaoMover_->setChecked(false);
    acaoExcluir_->setChecked(false);
  });
  connect(tela_, &TelaSinotica::DuploClique, this, &JanelaPrincipal::RecarregaFiguraEDescricao);
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
    if (linhas.join(QLatin1Char('\n')) != comentarios_->toPlainText()) MostraComentarios();
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

  comentarios_ = new QTextEdit(centro);
  comentarios_->setObjectName(QStringLiteral("RichEdit1"));
  comentarios_->setAcceptRichText(false);
  comentarios_->setFixedWidth(kLarguraComentarios);
  // The lesson text is read, not typed into by accident: it takes the
  // keyboard only once the user chooses to edit it.
  comentarios_->setReadOnly(true);
  comentarios_->setToolTip(tr("Duplo clique para editar os comentários"));
  comentarios_->viewport()->installEventFilter(this);
  comentarios_->hide();
  connect(comentarios_, &QTextEdit::textChanged, this, [this] {
    if (preenchendoComentarios_) return;
    std::vector<std::string> linhas;
    for (const QString& linha : comentarios_->toPlainText().split(QLatin1Char('\n')))
      linhas.push_back(linha.toStdString());
    sessao_.Executa(new ComandoComentarios(sessao_, sessao_.IdiomaIngles(), std::move(linhas)));
  });
  horizontal->addWidget(comentarios_);
  vertical->addLayout(horizontal, 1);

  auto* ajuda = new QFrame(centro);
  ajuda->setObjectName(QStringLiteral("HelpPanel"));
  ajuda->setFrameShape(QFrame::StyledPanel);
  auto* linhaAjuda = new QHBoxLayout(ajuda);
  linhaAjuda->setContentsMargins(8, 3, 8, 3);
  auto* maisInformacoes = new QLabel(tr("Clique aqui para informações adicionais"), ajuda);
  maisInformacoes->setObjectName(QStringLiteral("Label21"));
  maisInformacoes->setCursor(Qt::PointingHandCursor);
  maisInformacoes->installEventFilter(this);
  linhaAjuda->addWidget(maisInformacoes);
  linhaAjuda->addStretch(1);
  vertical->addWidget(ajuda);

  setCentralWidget(centro);

  // The loading progress box floats over the centre of the screen.
  caixaProgresso_ = new QGroupBox(tr("Lendo arquivo..."), this);
  caixaProgresso_->setObjectName(QStringLiteral("GroupBox1"));
  auto* caixa = new QVBoxLayout(caixaProgresso_);
  barraProgresso_ = new QProgressBar(caixaProgresso_);
  barraProgresso_->setObjectName(QStringLiteral("ProgressBar1"));
  barraProgresso_->setRange(0, 100);
  caixa->addWidget(barraProgresso_);
  caixaProgresso_->setFixedSize(320, 70);
  caixaProgresso_->hide();
}

void JanelaPrincipal::CriaMenu() {
  QMenuBar* barra = menuBar();
  barra->setObjectName(QStringLiteral("MainMenu1"));

  // The save indicator leads the menu bar with its picture and its caption
  // side by side, which a plain menu-bar item does not show together.
  acaoSalvar_ = new QAction(this);
  acaoSalvar_->setObjectName(QStringLiteral("Salvar1"));
  acaoSalvar_->setShortcut(QKeySequence::Save);
  addAction(acaoSalvar_);
  auto* indicador = new QToolButton(barra);
  indicador->setObjectName(QStringLiteral("Salvar1Botao"));
  indicador->setDefaultAction(acaoSalvar_);
  indicador->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  indicador->setAutoRaise(true);
  barra->setCornerWidget(indicador, Qt::TopLeftCorner);
  connect(acaoSalvar_, &QAction::changed, indicador,
          [this, indicador] { indicador->setVisible(acaoSalvar_->isVisible()); });
  acaoSalvar_->setVisible(false);
  connect(acaoSalvar_, &QAction::triggered, this, &JanelaPrincipal::Salva);

  menuArquivo_ = barra->addMenu(tr("Arquivo"));
  menuArquivo_->setObjectName(QStringLiteral("Arquivo1"));
  acaoNovo_ = menuArquivo_->addAction(tr("Novo"), this, &JanelaPrincipal::NovaSimulacao);
  acaoNovo_->setObjectName(QStringLiteral("Novo1"));
  acaoNovo_->setShortcut(QKeySequence::New);
  acaoAbrir_ = menuArquivo_->addAction(tr("Abrir"), this, &JanelaPrincipal::Abre);
  acaoAbrir_->setObjectName(QStringLiteral("Abrir1"));
  acaoAbrir_->setShortcut(QKeySequence::Open);
  menuRecentes_ = menuArquivo_->addMenu(tr("Abrir Recente"));
  menuRecentes_->setObjectName(QStringLiteral("Recentes"));
  acaoSalvarComo_ =
      menuArquivo_->addAction(tr("Salvar Como..."), this, &JanelaPrincipal::SalvaComo);
  acaoSalvarComo_->setObjectName(QStringLiteral("SalvarComo1"));
  acaoSalvarComo_->setShortcut(QKeySequence::SaveAs);
  acaoSalvarComo_->setVisible(false);
  acaoSair_ = menuArquivo_->addAction(tr("Sair"), this, &QWidget::close);
  acaoSair_->setObjectName(QStringLiteral("Sair1"));
  acaoSair_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  menuArquivo_->addSeparator();
  menuIdioma_ = menuArquivo_->addMenu(QStringLiteral("Select Language"));
  menuIdioma_->setObjectName(QStringLiteral("SelectLanguage1"));
  // The choice takes effect at the next start; the mark stays on the
  // language running.
  auto* idiomas = new QActionGroup(menuIdioma_);
  for (bool ingles : {false, true}) {
    QAction* a =
        menuIdioma_->addAction(ingles ? QStringLiteral("English") : QStringLiteral("Portuguese"));
    a->setObjectName(ingles ? QStringLiteral("English1") : QStringLiteral("Portuguese1"));
    a->setCheckable(true);
    a->setChecked(ingles == sessao_.IdiomaIngles());
    idiomas->addAction(a);
    connect(a, &QAction::triggered, this, [this, ingles] { EscolheIdioma(ingles); });
  }
  acaoPastaCorrente_ = menuArquivo_->addAction(tr("Pasta corrente..."), this,
                                               &JanelaPrincipal::EscolhePastaCorrente);
  acaoPastaCorrente_->setObjectName(QStringLiteral("Pastacorrente1"));
  AtualizaRecentes();

  // Undo and redo of the edits, named after the edit; they work from every
  // window of the program.
  menuEditar_ = barra->addMenu(tr("Editar"));
  menuEditar_->setObjectName(QStringLiteral("Editar1"));
  menuEditar_->menuAction()->setVisible(false);
  acaoDesfazer_ = sessao_.Pilha().createUndoAction(menuEditar_, tr("Desfazer"));
  acaoDesfazer_->setObjectName(QStringLiteral("Desfazer1"));
  acaoDesfazer_->setShortcut(QKeySequence::Undo);
  acaoRefazer_ = sessao_.Pilha().createRedoAction(menuEditar_, tr("Refazer"));
  acaoRefazer_->setObjectName(QStringLiteral("Refazer1"));
  acaoRefazer_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  for (QAction* a : {acaoDesfazer_, acaoRefazer_}) {
    a->setShortcutContext(Qt::ApplicationShortcut);
    menuEditar_->addAction(a);
  }
  menuEditar_->addSeparator();
  acaoEditarComentarios_ = menuEditar_->addAction(tr("Editar comentários"));
  acaoEditarComentarios_->setObjectName(QStringLiteral("EditarComentarios"));
  acaoEditarComentarios_->setCheckable(true);
  connect(acaoEditarComentarios_, &QAction::toggled, this, &JanelaPrincipal::EditaComentarios);

  auto itemDaBarra = [barra](const QString& texto, const char* nome) {
    QAction* a = barra->addAction(texto);
    a->setObjectName(QLatin1String(nome));
    a->setVisible(false);
    return a;
  };
  acaoExemplos_ = itemDaBarra(tr("Exemplos"), "Exemplos1");
  connect(acaoExemplos_, &QAction::triggered, this, &JanelaPrincipal::EscolheExemplo);
  acaoConfiguracao_ = itemDaBarra(tr("Configuração"), "Configurao2");
  connect(acaoConfiguracao_, &QAction::triggered, this, [this] {
    dialogoConfiguracao_->AtualizaInclusao();
    dialogoConfiguracao_->MostraPrimeiraPagina();
    dialogoConfiguracao_->show();
    dialogoConfiguracao_->raise();
    dialogoConfiguracao_->activateWindow();
  });
  acaoGerador_ = itemDaBarra(tr("Gerador de Sinais"), "Configurao1");
  connect(acaoGerador_, &QAction::triggered, janelaGerador_, &JanelaGerador::Mostra);
  acaoSimulacaoRapida_ = itemDaBarra(tr("Simulação Rápida"), "Dese1");
  connect(acaoSimulacaoRapida_, &QAction::triggered, janelaSimulacaoRapida_,
          &JanelaSimulacaoRapida::Mostra);
  acaoListaVariaveis_ = itemDaBarra(tr("Lista de Variáveis"), "Variveis1");
  connect(acaoListaVariaveis_, &QAction::triggered, janelaListaVariaveis_,
          &JanelaListaVariaveis::Mostra);
  acaoRegistradorXY_ = itemDaBarra(tr("Registrador XY"), "RegistradorXY1");
  connect(acaoRegistradorXY_, &QAction::triggered, janelaRegistradorXY_,
          &JanelaRegistradorXY::Mostra);

  menuOpcoes_ = barra->addMenu(tr("Opções"));
  menuOpcoes_->setObjectName(QStringLiteral("Opes1"));
  menuOpcoes_->menuAction()->setVisible(false);
  // Any stopper of the scan timer (a load) restarts it on its own; the check mark
  // shows whether the timer runs.
  acaoPausar_ = menuOpcoes_->addAction(tr("Pausar Simulação"));
  acaoPausar_->setObjectName(QStringLiteral("PausarSimulao2"));
  acaoPausar_->setCheckable(true);
  connect(&sessao_, &SessaoSimulacao::PausaMudou, acaoPausar_, &QAction::setChecked);
  connect(acaoPausar_, &QAction::triggered, this, [this] { sessao_.AlternaPausa(); });
  acaoMover_ = menuOpcoes_->addAction(tr("Mover Objetos"));
  acaoMover_->setObjectName(QStringLiteral("MoverObjetos2"));
  acaoMover_->setCheckable(true);
  connect(acaoMover_, &QAction::toggled, tela_, &TelaSinotica::DefineModoMover);
  acaoExcluir_ = menuOpcoes_->addAction(tr("Excluir Objetos"));
  acaoExcluir_->setObjectName(QStringLiteral("ExcluirObjetos"));
  acaoExcluir_->setCheckable(true);
  connect(acaoExcluir_, &QAction::toggled, tela_, &TelaSinotica::DefineModoExcluir);

  menuAjuda_ = barra->addMenu(tr("Ajuda"));
  menuAjuda_->setObjectName(QStringLiteral("Sobre1"));
  acaoComentarios_ = menuAjuda_->addAction(tr("Exibir comentários"));
  acaoComentarios_->setObjectName(QStringLiteral("Comentrios1"));
  acaoComentarios_->setCheckable(true);
  connect(acaoComentarios_, &QAction::triggered, this, [this](bool marcado) {
    sessao_.documento().comentarios.Exibir = marcado;
    comentarios_->setVisible(marcado);
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
    QAction* a = menuAjuda_->addAction(pagina.texto);
    a->setObjectName(QLatin1String(pagina.nome));
    const char* caminho = pagina.caminho;
    connect(a, &QAction::triggered, this, [this, caminho] { AbrePagina(caminho); });
  }
  QAction* acaoSobre = menuAjuda_->addAction(tr("Sobre"));
  acaoSobre->setObjectName(QStringLiteral("Sobre3"));
  connect(acaoSobre, &QAction::triggered, this, &JanelaPrincipal::MostraSobre);
}

void JanelaPrincipal::AbrePagina(const char* caminho) {
  if (!Interacao::Atual().InternetConectada()) {
    Interacao::Atual().Informa(this, QStringLiteral("QUIV"),
                               tr("É requerida conexão com internet"));
    return;
  }
  Interacao::Atual().AbreEndereco(EnderecoAjuda(caminho));
}

void JanelaPrincipal::MostraSobre() {
  auto* sobre = new CaixaSobre(false, this);
  sobre->show();
}

void JanelaPrincipal::EscolheIdioma(bool ingles) {
  const bool emUso = sessao_.IdiomaIngles();
  for (QAction* a : menuIdioma_->actions())
    a->setChecked(a->objectName() ==
                  (emUso ? QLatin1String("English1") : QLatin1String("Portuguese1")));
  if (ingles == emUso) return;
  if (const QString erro = PreferenciasIdioma(sessao_.PastaInicial()).Grava(ingles);
      !erro.isEmpty()) {
    Interacao::Atual().Informa(this, QStringLiteral("QUIV"), erro);
    return;
  }
  Interacao::Atual().Informa(this, QStringLiteral("QUIV"),
                             ingles ? QStringLiteral("Restart the application to use English")
                                    : QStringLiteral("É necessário reiniciar o aplicativo"));
}

void JanelaPrincipal::MostraMenus(bool visivel) {
  for (QAction* a :
       {acaoSalvarComo_, menuEditar_->menuAction(), acaoExemplos_, acaoConfiguracao_, acaoGerador_,
        acaoSimulacaoRapida_, acaoListaVariaveis_, acaoRegistradorXY_, menuOpcoes_->menuAction()})
    a->setVisible(visivel);
}

void JanelaPrincipal::MostraSalvo() {
  const bool salvo = sessao_.Salvo();
  acaoSalvar_->setIcon(figuras::Salvo(salvo));
  acaoSalvar_->setText(salvo ? tr("Tô salvo!") : tr("Salve me!"));
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
  comentarios_->setPlainText(linhas.join(QLatin1Char('\n')));
  preenchendoComentarios_ = false;
  acaoComentarios_->setChecked(comentarios.Exibir);
  comentarios_->setVisible(comentarios.Exibir);
}

void JanelaPrincipal::MostraProgresso(int percentual) {
  if (percentual < 0) {
    caixaProgresso_->hide();
    return;
  }
  caixaProgresso_->move((width() - caixaProgresso_->width()) / 2,
                        (height() - caixaProgresso_->height()) / 2);
  caixaProgresso_->show();
  caixaProgresso_->raise();
  barraProgresso_->setValue(percentual);
  caixaProgresso_->repaint();
}

void JanelaPrincipal::AtualizaTela() { tela_->AtualizaTela(); }

void JanelaPrincipal::AtualizaRecentes() {
  menuRecentes_->clear();
  const QStringList recentes = sessao_.ArquivosRecentes();
  for (const QString& arquivo : recentes) {
    QAction* a = menuRecentes_->addAction(QDir::toNativeSeparators(arquivo));
    connect(a, &QAction::triggered, this, [this, arquivo] { AbreArquivo(arquivo); });
  }
  menuRecentes_->setEnabled(!recentes.isEmpty());
}

QString JanelaPrincipal::DialogoSalvar() {
  return Interacao::Atual().SalvaArquivo(
      this, tr("Salvar Como"), sessao_.PastaDosDialogos(),
      tr("Arquivos de Simulação (*.smp);;Todos os  Arquivos (*)"));
}

bool JanelaPrincipal::PerguntaSalvar() {
  if (sessao_.Salvo()) return true;
  switch (Interacao::Atual().PerguntaOuCancela(this, QStringLiteral("QUIV"),
                                               tr("Salvar Alterações em Arquivo?"))) {
    case Interacao::Resposta::Nao:
      return true;
    case Interacao::Resposta::Cancela:
      return false;
    case Interacao::Resposta::Sim:
      break;
  }
  // Cancelling the file dialog after Yes cancels the command too: nothing
  // the user wanted kept is dropped. The name is written exactly as typed.
  const QString nome = DialogoSalvar();
  return !nome.isEmpty() && sessao_.SalvaSimulacao(nome);
}

bool JanelaPrincipal::RecomecaVazia() {
  if (!PerguntaSalvar()) return false;
  legendaPadrao_ = QStringLiteral("QUIV v " QUIV_VERSAO);
  sessao_.NovaSimulacao();
  sessao_.MarcaSalvo();
  MostraTitulo();
  return true;
}

void JanelaPrincipal::NovaSimulacao() {
  if (!RecomecaVazia()) return;
  EscondeGaleria();
  comentarios_->show();
  acaoSalvar_->setVisible(true);
  MostraMenus(true);
}

void JanelaPrincipal::EscolheExemplo() {
  if (RecomecaVazia()) MostraGaleria();
}

void JanelaPrincipal::MostraGaleria() {
  comentarios_->hide();
  rolagem_->hide();
  galeria_->show();
  acaoSalvar_->setVisible(false);
  // "Salvar Como..." stays: only the file menu is of use here.
  for (QAction* a :
       {menuEditar_->menuAction(), acaoExemplos_, acaoConfiguracao_, acaoGerador_,
        acaoSimulacaoRapida_, acaoListaVariaveis_, acaoRegistradorXY_, menuOpcoes_->menuAction()})
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

void JanelaPrincipal::Abre() {
  if (!PerguntaSalvar()) return;
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
  acaoSalvar_->setVisible(true);
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
  acaoSalvar_->setVisible(!exemplo);
}

void JanelaPrincipal::SalvaComo() {
  const QString escolhido = DialogoSalvar();
  if (escolhido.isEmpty()) return;
  sessao_.SalvaComNomeEscolhido(escolhido);
}

void JanelaPrincipal::Salva() {
  if (!sessao_.ArquivoAtual().isEmpty()) {
    sessao_.SalvaSimulacao(sessao_.ArquivoAtual());
    return;
  }
  const QString escolhido = DialogoSalvar();
  if (escolhido.isEmpty()) return;
  acaoSalvar_->setVisible(true);
  sessao_.SalvaComNomeEscolhido(escolhido);
}

void JanelaPrincipal::EscolhePastaCorrente() {
  const QString pasta =
      Interacao::Atual().EscolhePasta(this, tr("Pasta corrente..."), sessao_.PastaInicial());
  if (!pasta.isEmpty()) sessao_.DefinePastaCorrente(QDir(pasta).absolutePath() + QDir::separator());
  if (!sessao_.PastaCorrente().isEmpty()) QDir::setCurrent(sessao_.PastaCorrente());
}

void JanelaPrincipal::EditaComentarios(bool editar) {
  comentarios_->setReadOnly(!editar);
  if (acaoEditarComentarios_->isChecked() != editar) acaoEditarComentarios_->setChecked(editar);
  if (editar) {
    comentarios_->setVisible(true);
    acaoComentarios_->setChecked(true);
    sessao_.documento().comentarios.Exibir = true;
    comentarios_->setFocus();
  }
}

bool JanelaPrincipal::eventFilter(QObject* alvo, QEvent* evento) {
  if (evento->type() == QEvent::MouseButtonDblClick && alvo == comentarios_->viewport() &&
      comentarios_->isReadOnly()) {
    EditaComentarios(true);
    return true;
  }
  if (evento->type() == QEvent::Hide && alvo->isWidgetType()) {
    for (auto j = janelas_.cbegin(); j != janelas_.cend(); ++j)
      if (j.value() == alvo)
        sessao_.GuardaLugarJanela(static_cast<TipoObjeto>(j.key().first), j.key().second,
                                  static_cast<QWidget*>(alvo)->pos());
  }
  if (evento->type() == QEvent::MouseButtonRelease &&
      alvo->objectName() == QLatin1String("Label21") &&
      static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
    AbrePagina("");
    return true;
  }
  return QMainWindow::eventFilter(alvo, evento);
}

void JanelaPrincipal::closeEvent(QCloseEvent* evento) {
  if (!PerguntaSalvar()) {
    evento->ignore();
    return;
  }
  evento->accept();
}

void JanelaPrincipal::RecarregaFiguraEDescricao() {
  tela_->CarregaFigura();
  QFile descricao(QDir::current().filePath(QStringLiteral("descricao.rtf")));
  // A comments file is a few kilobytes; a huge one is not read at all.
  constexpr qint64 kMaiorDescricao = 4 << 20;
  if (descricao.size() > kMaiorDescricao || !descricao.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = descricao.readAll();
  comentarios_->setPlainText(QString::fromStdString(
      TextoDoRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))));
}

namespace {

// A window's frame as the usual window managers draw it: known only once
// the window was shown.
constexpr int kBordaMoldura = 4;
constexpr int kBarraTitulo = 30;

// The object's window, made on first use.
template <typename Janela>
Janela* JanelaFeita(QPointer<QWidget>& janela, SessaoSimulacao& sessao, int n, QWidget* pai) {
  if (!janela) janela = new Janela(sessao, n, pai);
  return static_cast<Janela*>(janela.data());
}

}  // namespace

void JanelaPrincipal::AbreObjeto(int tipo, int n) {
  QPointer<QWidget>& janela = janelas_[{tipo, n}];
  const auto t = static_cast<TipoObjeto>(tipo);
  switch (t) {
    case TipoObjeto::Texto:
      JanelaFeita<JanelaTextoAnimado>(janela, sessao_, n, this);
      break;
    case TipoObjeto::Controlador:
      JanelaFeita<JanelaControlador>(janela, sessao_, n, this);
      break;
    case TipoObjeto::Processo:
      JanelaFeita<JanelaProcesso>(janela, sessao_, n, this);
      break;
    case TipoObjeto::Bloco:
      JanelaFeita<JanelaBloco>(janela, sessao_, n, this);
      break;
    case TipoObjeto::Registrador:
      JanelaFeita<JanelaRegistrador>(janela, sessao_, n, this);
      break;
  }
  if (!janela) return;
  const bool abrindo = !janela->isVisible();
  if (abrindo) {
    ColocaJanela(*janela, t, n);
    // Each hide keeps the place for the next opening, also of a window made
    // anew.
    janela->installEventFilter(this);
  }
  if (t == TipoObjeto::Texto)
    static_cast<JanelaTextoAnimado*>(janela.data())->Mostra();
  else if (t == TipoObjeto::Registrador)
    // The recorder's button shows its window and hides it again.
    static_cast<JanelaRegistrador*>(janela.data())->AlternaVisivel();
  else
    static_cast<JanelaObjeto*>(janela.data())->Mostra();
  // Opening may have grown the window (a controller shows its trend): the
  // first place beside the button is taken again with the size it has now.
  if (abrindo && janela && janela->isVisible() && !sessao_.LugarJanela(t, n))
    ColocaJanela(*janela, t, n);
}

void JanelaPrincipal::ColocaJanela(QWidget& janela, TipoObjeto tipo, int n) {
  if (const std::optional<QPoint> lugar = sessao_.LugarJanela(tipo, n)) {
    janela.move(*lugar);
    return;
  }
  const QRect ancora = tela_->LugarNaTela(tipo, n);
  if (ancora.isEmpty()) return;
  const QScreen* monitor = QGuiApplication::screenAt(ancora.center());
  if (!monitor) monitor = screen();
  // Before its first showing the frame is not known: room for a title bar.
  const QSize comMoldura = janela.size().expandedTo(janela.sizeHint()) +
                           QSize(2 * kBordaMoldura, kBarraTitulo + kBordaMoldura);
  janela.move(LugarAoLado(ancora, comMoldura, monitor->availableGeometry()));
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
  janelaGerador_->hide();
  dialogoConfiguracao_->hide();
}

}  // namespace quiv
