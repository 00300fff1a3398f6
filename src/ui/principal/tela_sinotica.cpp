// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principal/tela_sinotica.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <exception>

#include "core/objetos/bloco.h"
#include "core/objetos/controlador.h"
#include "core/objetos/texto_animado.h"
#include "ui/comum/texto_qt.h"
#include "ui/principal/figuras.h"
#include "ui/principal/forma_tela.h"
#include "ui/sessao/interacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

constexpr int kLarguraBotao = 79;
constexpr int kAlturaBotao = 22;
// Inside the command panel: one row of 50 pixels per button under the title.
constexpr int kTopoBotoes = 20;
constexpr int kLinhaBotao = 50;
constexpr int kLarguraPainelComando = 190;

// objectName of a process button: "Proce1", "proce2" … "proce10", "Proce11" …
QString NomeProcesso(int n) {
  return (n >= 2 && n <= 10 ? QStringLiteral("proce%1") : QStringLiteral("Proce%1")).arg(n);
}

void DefineTexto(QLabel* rotulo, const QString& texto) {
  if (rotulo->text() == texto) return;
  rotulo->setText(texto);
  rotulo->adjustSize();
}

void DefineCorTexto(QWidget* w, const QColor& cor) {
  QPalette paleta = w->palette();
  if (paleta.color(QPalette::WindowText) == cor && paleta.color(QPalette::ButtonText) == cor)
    return;
  paleta.setColor(QPalette::WindowText, cor);
  paleta.setColor(QPalette::ButtonText, cor);
  w->setPalette(paleta);
}

}  // namespace

TelaSinotica::TelaSinotica(SessaoSimulacao& sessao, QWidget* pai) : QWidget(pai), sessao_(sessao) {
  setObjectName(QStringLiteral("TelaSinotica"));
  setMouseTracking(true);
  setAutoFillBackground(true);

  figura_ = new QLabel(this);
  figura_->setObjectName(QStringLiteral("Image1"));
  figura_->setAttribute(Qt::WA_TransparentForMouseEvents);
  figura_->hide();

  // Created from the bottom up: later widgets lie above earlier ones.
  CriaPainel();
  CriaObjetos();
}

void TelaSinotica::Registra(QWidget* w, ItemTela item, std::function<void()> acao) {
  w->setMouseTracking(true);
  w->installEventFilter(this);
  registros_.insert(w, Registro{item, std::move(acao)});
}

QPushButton* TelaSinotica::Botao(TipoObjeto tipo, int n) const {
  switch (tipo) {
    case TipoObjeto::Controlador:
      return controles_[static_cast<std::size_t>(n)];
    case TipoObjeto::Processo:
      return processos_[static_cast<std::size_t>(n)];
    case TipoObjeto::Bloco:
      return blocos_[static_cast<std::size_t>(n)];
    case TipoObjeto::Registrador:
      return registradores_[static_cast<std::size_t>(n)];
    case TipoObjeto::Texto:
      break;
  }
  return nullptr;
}

QRect TelaSinotica::LugarNaTela(TipoObjeto tipo, int n) const {
  if (n < 1 || n > Posicoes::Quantidade(tipo)) return {};
  const QWidget* w = tipo == TipoObjeto::Texto
                         ? static_cast<const QWidget*>(textos_[static_cast<std::size_t>(n)])
                         : Botao(tipo, n);
  if (!w || !w->isVisible()) return {};
  return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}

void TelaSinotica::CriaObjetos() {
  auto botao = [this](TipoObjeto tipo, int n, const QString& nome, int saida) {
    auto* b = new QPushButton(this);
    b->setObjectName(nome);
    b->setFixedSize(kLarguraBotao, kAlturaBotao);
    if (saida > 0) b->setToolTip(tr("Saída em M%1").arg(saida, 2, 10, QLatin1Char('0')));
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    Registra(b, {ItemTela::Tipo::Objeto, tipo, n});
    connect(b, &QPushButton::clicked, this, [this, tipo, n] { emit AbreObjeto(tipo, n); });
    return b;
  };
  for (int n = 1; n <= kMalhas; ++n)
    controles_[static_cast<std::size_t>(n)] = botao(
        TipoObjeto::Controlador, n, QStringLiteral("Control%1").arg(n), IdentidadeControlador(n));
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Processo); ++n)
    processos_[static_cast<std::size_t>(n)] =
        botao(TipoObjeto::Processo, n, NomeProcesso(n), IdentidadeProcesso(n));
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Bloco); ++n)
    blocos_[static_cast<std::size_t>(n)] =
        botao(TipoObjeto::Bloco, n, QStringLiteral("Bloc%1").arg(n), IdentidadeBloco(n));
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Registrador); ++n)
    registradores_[static_cast<std::size_t>(n)] =
        botao(TipoObjeto::Registrador, n, QStringLiteral("Reg%1").arg(n), 0);

  QFont fonteTexto = font();
  fonteTexto.setBold(true);
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Texto); ++n) {
    auto* titulo = new QLabel(this);
    titulo->setObjectName(QStringLiteral("Label%1").arg(n));
    titulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    titulo->hide();
    titulos_[static_cast<std::size_t>(n)] = titulo;
    auto* texto = new QLabel(this);
    texto->setObjectName(QStringLiteral("Texto%1").arg(n));
    texto->setFont(fonteTexto);
    texto->hide();
    textos_[static_cast<std::size_t>(n)] = texto;
    Registra(texto, {ItemTela::Tipo::Objeto, TipoObjeto::Texto, n},
             [this, n] { emit AbreObjeto(TipoObjeto::Texto, n); });
  }
}

void TelaSinotica::CriaPainel() {
  Painel& painel = sessao_.documento().painel;
  for (int n = 1; n <= Painel::kFormas; ++n) {
    auto* forma = new FormaTela(this);
    forma->setObjectName(QStringLiteral("Shape%1").arg(n));
    forma->hide();
    formas_[static_cast<std::size_t>(n)] = forma;
    Registra(forma, {ItemTela::Tipo::Forma, TipoObjeto::Controlador, n});
  }

  for (int s = 1; s <= Painel::kChaves; ++s) {
    for (int f = 1; f <= Chave::kFiguras; ++f) {
      auto* figura = new QLabel(this);
      figura->setObjectName(QStringLiteral("Chave%1p%2").arg(s).arg(f));
      const int orientacao = (f - 1) / 2;
      figura->setPixmap(figuras::Chave(orientacao, f % 2 == 0));
      figura->setFixedSize(figuras::kLadoChave, figuras::kLadoChave);
      figura->hide();
      chaves_[static_cast<std::size_t>(s)][static_cast<std::size_t>(f)] = figura;
      Registra(figura, {ItemTela::Tipo::Chave, TipoObjeto::Controlador, s}, [this, s] {
        sessao_.documento().painel.Chaves(s).Alterna();
        MostraChave(s);
      });
    }
  }

  painelComando_ = new QGroupBox(tr(" Painel de Comando "), this);
  painelComando_->setObjectName(QStringLiteral("PainelComando"));
  painelComando_->hide();
  const ItemTela itemPainel{ItemTela::Tipo::PainelComando, TipoObjeto::Controlador, 0};
  Registra(painelComando_, itemPainel);
  for (int b = 1; b <= Painel::kBotoes; ++b) {
    const int topo = kTopoBotoes + kLinhaBotao * (b - 1);
    auto* solto = new QLabel(painelComando_);
    solto->setObjectName(QStringLiteral("Botao%1_norm").arg(b));
    solto->setPixmap(figuras::Botao(false));
    solto->setGeometry(8, topo, figuras::kLadoBotao, figuras::kLadoBotao);
    solto->hide();
    Registra(solto, itemPainel, [this, b] {
      sessao_.documento().painel.Botao(b).Pressiona();
      MostraBotoes();
    });
    auto* pressionado = new QLabel(painelComando_);
    pressionado->setObjectName(QStringLiteral("botao%1_press").arg(b));
    pressionado->setPixmap(figuras::Botao(true));
    pressionado->setGeometry(8, topo, figuras::kLadoBotao, figuras::kLadoBotao);
    pressionado->hide();
    Registra(pressionado, itemPainel, [this, b] {
      sessao_.documento().painel.Botao(b).Solta();
      MostraBotoes();
    });
    auto* nome = new QLabel(painelComando_);
    nome->setObjectName(QStringLiteral("Botao%1_label").arg(b));
    nome->move(56, topo + 2);
    nome->hide();
    Registra(nome, itemPainel);
    auto* estado = new QLabel(painelComando_);
    estado->setObjectName(QStringLiteral("botao%1_texto").arg(b));
    estado->move(56, topo + 21);
    estado->hide();
    Registra(estado, itemPainel);
    botaoSolto_[static_cast<std::size_t>(b)] = solto;
    botaoPressionado_[static_cast<std::size_t>(b)] = pressionado;
    botaoNome_[static_cast<std::size_t>(b)] = nome;
    botaoTexto_[static_cast<std::size_t>(b)] = estado;
  }
  (void)painel;

  for (int n = 1; n <= Painel::kEntradas; ++n) CriaEntrada(n);
}

void TelaSinotica::CriaEntrada(int n) {
  const auto i = static_cast<std::size_t>(n);
  const ItemTela item{ItemTela::Tipo::Entrada, TipoObjeto::Controlador, n};

  auto* fundo = new QFrame(this);
  fundo->setObjectName(QStringLiteral("TrackBack%1").arg(n));
  fundo->setFrameShape(QFrame::Panel);
  fundo->setFrameShadow(QFrame::Raised);
  fundo->setAutoFillBackground(true);
  fundo->hide();
  Registra(fundo, item);

  auto* rotulo = new QLabel(this);
  rotulo->setObjectName(QStringLiteral("TrackLabel%1").arg(n));
  rotulo->hide();
  Registra(rotulo, item);

  auto* valor = new QLineEdit(this);
  valor->setObjectName(QStringLiteral("TrackText%1").arg(n));
  valor->setFixedWidth(60);
  valor->hide();
  Registra(valor, item);
  connect(valor, &QLineEdit::textEdited, this, [this, n](const QString& texto) {
    sessao_.documento().painel.Entrada(n).TextoValor = texto.toStdString();
  });
  connect(valor, &QLineEdit::returnPressed, this, [this, n] {
    EntradaDados& entrada = sessao_.documento().painel.Entrada(n);
    try {
      entrada.TeclaValor(EntradaDados::kEnter);
    } catch (const std::exception& e) {
      MostraEntrada(n);
      Interacao::Atual().Informa(window(), QStringLiteral("QUIV"),
                                 QString::fromStdString(e.what()));
      return;
    }
    MostraEntrada(n);
  });

  auto* barra = new QSlider(Qt::Horizontal, this);
  barra->setObjectName(QStringLiteral("TrackBar%1").arg(n));
  barra->setRange(0, EntradaDados::kPosicaoMaxima);
  barra->setTickInterval(1000);
  barra->setTickPosition(QSlider::TicksBelow);
  barra->setPageStep(1000);
  barra->hide();
  Registra(barra, item);
  connect(barra, &QSlider::valueChanged, this, [this, n](int posicao) {
    if (preenchendo_) return;
    sessao_.documento().painel.Entrada(n).DefinePosicao(posicao);
    MostraEntrada(n);
  });

  fundoEntrada_[i] = fundo;
  nomeEntrada_[i] = rotulo;
  valorEntrada_[i] = valor;
  barraEntrada_[i] = barra;
}

void TelaSinotica::DefineModoMover(bool ligado) {
  modoMover_ = ligado;
  AtualizaCursor();
}

void TelaSinotica::DefineModoExcluir(bool ligado) {
  modoExcluir_ = ligado;
  AtualizaCursor();
}

void TelaSinotica::AtualizaCursor() {
  if (modoMover_ || modoExcluir_)
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
}

bool TelaSinotica::eventFilter(QObject* alvo, QEvent* evento) {
  auto* w = qobject_cast<QWidget*>(alvo);
  const auto registro = w ? registros_.constFind(w) : registros_.constEnd();
  if (registro == registros_.constEnd()) return QWidget::eventFilter(alvo, evento);

  switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(evento);
      if (mouse->button() != Qt::LeftButton) break;
      const bool objeto = registro->item.tipo == ItemTela::Tipo::Objeto;
      if (modoMover_ || (modoExcluir_ && objeto)) {
        if (evento->type() == QEvent::MouseButtonPress) Clica(w, *registro);
        return true;
      }
      if (registro->acao) {
        if (evento->type() == QEvent::MouseButtonPress) registro->acao();
        return true;
      }
      break;
    }
    case QEvent::MouseMove:
      if (modoMover_ && arrastando_) {
        Coloca(w->mapTo(this, static_cast<QMouseEvent*>(evento)->position().toPoint()));
        return true;
      }
      break;
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape &&
          registro->item.tipo == ItemTela::Tipo::Entrada && qobject_cast<QLineEdit*>(w)) {
        const int n = registro->item.n;
        sessao_.documento().painel.Entrada(n).TeclaValor(EntradaDados::kEsc);
        MostraEntrada(n);
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(alvo, evento);
}

void TelaSinotica::Clica(QWidget*, const Registro& registro) {
  if (modoMover_) {
    if (arrastando_) {
      Pousa();
    } else {
      selecionado_ = registro.item;
      lugarInicial_ = LugarDoItem(sessao_.documento(), selecionado_);
    }
    arrastando_ = !arrastando_;
    // While carried, the widget keeps its size so the centring does not
    // shift under the pointer; put down, it grows to what now stands there.
    if (!arrastando_) AjustaTamanho();
    return;
  }
  ExcluiObjeto(registro.item.objeto, registro.item.n);
}

void TelaSinotica::ExcluiObjeto(TipoObjeto tipo, int n) {
  sessao_.Executa(new ComandoExclusao(sessao_, tipo, n));
}

void TelaSinotica::Pousa() {
  const Lugar lugar = LugarDoItem(sessao_.documento(), selecionado_);
  if (lugar != lugarInicial_)
    sessao_.Executa(new ComandoMovimento(sessao_, selecionado_, lugarInicial_, lugar));
}

void TelaSinotica::ClicaAreaLivre() {
  const bool carregava = arrastando_;
  if (modoMover_ || modoExcluir_) {
    if (arrastando_) Pousa();
    modoMover_ = false;
    modoExcluir_ = false;
    arrastando_ = false;
    AtualizaCursor();
    emit ModosEncerrados();
  }
  if (carregava) AjustaTamanho();
}

void TelaSinotica::MoveAreaLivre(const QPoint& ponto) {
  if (modoMover_ && arrastando_) Coloca(ponto);
}

void TelaSinotica::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton) ClicaAreaLivre();
  QWidget::mousePressEvent(evento);
}

void TelaSinotica::mouseMoveEvent(QMouseEvent* evento) {
  MoveAreaLivre(evento->position().toPoint());
  QWidget::mouseMoveEvent(evento);
}

void TelaSinotica::mouseDoubleClickEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton) DuploCliqueAreaLivre();
  QWidget::mouseDoubleClickEvent(evento);
}

void TelaSinotica::Coloca(const QPoint& ponto) {
  // While carried the item follows the pointer; putting it down is the edit.
  ColocaItem(sessao_.documento(), selecionado_, {ponto.x(), ponto.y()});
  MostraPainel();
}

void TelaSinotica::AtualizaTela() {
  Documento& doc = sessao_.documento();
  doc.AtualizaTela();
  const bool ingles = sessao_.IdiomaIngles();
  preenchendo_ = true;
  for (TipoObjeto tipo : {TipoObjeto::Controlador, TipoObjeto::Processo, TipoObjeto::Bloco,
                          TipoObjeto::Registrador}) {
    for (int n = 1; n <= Posicoes::Quantidade(tipo); ++n) {
      QPushButton* b = Botao(tipo, n);
      const Posicao& p = doc.posicoes.De(tipo, n);
      const bool incluido = doc.Incluido(tipo, n);
      b->setText(incluido ? Texto(p.Legenda.Em(ingles)) : QString());
      b->setVisible(incluido && p.Exibido);
    }
  }
  for (int n = 1; n <= kMalhas; ++n) {
    if (const Controlador* c = doc.ControladorDe(n))
      DefineCorTexto(controles_[static_cast<std::size_t>(n)],
                     c->ModoAuto ? QColor(Qt::blue) : QColor(Qt::red));
  }
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Texto); ++n) {
    const auto i = static_cast<std::size_t>(n);
    const TextoAnimado* t = doc.TextoDe(n);
    const bool visivel = t && doc.posicoes.De(TipoObjeto::Texto, n).Exibido;
    if (t) DefineTexto(titulos_[i], Texto(t->Descricao.Em(ingles)));
    textos_[i]->setVisible(visivel);
    titulos_[i]->setVisible(visivel);
  }
  preenchendo_ = false;
  MostraPainel();
  AtualizaDisplays();
}

void TelaSinotica::MostraPainel() {
  Documento& doc = sessao_.documento();
  for (TipoObjeto tipo : {TipoObjeto::Controlador, TipoObjeto::Processo, TipoObjeto::Bloco,
                          TipoObjeto::Registrador}) {
    for (int n = 1; n <= Posicoes::Quantidade(tipo); ++n) {
      const Posicao& p = doc.posicoes.De(tipo, n);
      Botao(tipo, n)->move(p.Esquerda, p.Topo);
    }
  }
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Texto); ++n) {
    const Posicao& p = doc.posicoes.De(TipoObjeto::Texto, n);
    textos_[static_cast<std::size_t>(n)]->move(p.Esquerda, p.Topo);
    titulos_[static_cast<std::size_t>(n)]->move(p.Esquerda, p.TopoTitulo());
  }
  for (int n = 1; n <= Painel::kEntradas; ++n) MostraEntrada(n);
  for (int s = 1; s <= Painel::kChaves; ++s) MostraChave(s);
  MostraBotoes();
  for (int n = 1; n <= Painel::kFormas; ++n) MostraForma(n);
  if (!arrastando_) AjustaTamanho();
}

void TelaSinotica::MostraEntrada(int n) {
  const auto i = static_cast<std::size_t>(n);
  EntradaDados& e = sessao_.documento().painel.Entrada(n);
  const bool ingles = sessao_.IdiomaIngles();
  preenchendo_ = true;
  fundoEntrada_[i]->setGeometry(e.Esquerda, e.Topo, e.LarguraFundo, e.AlturaFundo);
  DefineTexto(nomeEntrada_[i], Texto(e.Nome.Em(ingles)));
  nomeEntrada_[i]->move(e.Esquerda + 6, e.Topo + 6);
  const QString dica = QString::fromStdString(e.Dica);
  fundoEntrada_[i]->setToolTip(dica);
  nomeEntrada_[i]->setToolTip(dica);
  valorEntrada_[i]->move(e.Esquerda + e.DeslocamentoTexto, e.Topo + 4);
  const QString valor = QString::fromStdString(e.TextoValor);
  if (valorEntrada_[i]->text() != valor) valorEntrada_[i]->setText(valor);
  barraEntrada_[i]->setGeometry(e.Esquerda + 4, e.Topo + 22, e.LarguraSlider, 32);
  barraEntrada_[i]->setValue(e.Posicao);
  fundoEntrada_[i]->setVisible(e.Visivel);
  nomeEntrada_[i]->setVisible(e.Visivel);
  valorEntrada_[i]->setVisible(e.Visivel);
  barraEntrada_[i]->setVisible(e.Visivel && e.ComSlider);
  preenchendo_ = false;
}

void TelaSinotica::MostraChave(int s) {
  Chave& c = sessao_.documento().painel.Chaves(s);
  for (int f = 1; f <= Chave::kFiguras; ++f) {
    QLabel* figura = chaves_[static_cast<std::size_t>(s)][static_cast<std::size_t>(f)];
    figura->move(c.Esquerda, c.Topo);
    figura->setVisible(c.Figura[static_cast<std::size_t>(f)]);
  }
}

void TelaSinotica::MostraBotoes() {
  Painel& painel = sessao_.documento().painel;
  const bool ingles = sessao_.IdiomaIngles();
  if (painel.PainelComandoAltura > 0)
    painelComando_->setGeometry(painel.PainelComandoEsquerda, painel.PainelComandoTopo,
                                kLarguraPainelComando, painel.PainelComandoAltura);
  else
    painelComando_->move(painel.PainelComandoEsquerda, painel.PainelComandoTopo);
  painelComando_->setVisible(painel.PainelComandoVisivel);
  for (int b = 1; b <= Painel::kBotoes; ++b) {
    const auto i = static_cast<std::size_t>(b);
    const BotaoComando& botao = sessao_.documento().painel.Botao(b);
    DefineTexto(botaoNome_[i], Texto(botao.Nome.Em(ingles)));
    DefineTexto(botaoTexto_[i], QString::fromStdString(botao.TextoEstado));
    botaoNome_[i]->setVisible(botao.Visivel);
    botaoTexto_[i]->setVisible(botao.Visivel);
    botaoSolto_[i]->setVisible(botao.FiguraSoltaVisivel);
    botaoPressionado_[i]->setVisible(botao.FiguraPressionadaVisivel);
  }
}

void TelaSinotica::MostraForma(int n) {
  FormaAnimada& f = sessao_.documento().painel.Forma(n);
  FormaTela* forma = formas_[static_cast<std::size_t>(n)];
  forma->setGeometry(f.Esquerda, f.Topo, f.Largura, f.Altura);
  forma->Define(f.Elipse, f.Cor);
  forma->setVisible(f.Visivel);
}

void TelaSinotica::AtualizaDisplays() {
  Documento& doc = sessao_.documento();
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Texto); ++n) {
    const TextoAnimado* t = doc.TextoDe(n);
    if (!t) continue;
    QLabel* texto = textos_[static_cast<std::size_t>(n)];
    DefineTexto(texto, QString::fromStdString(t->TextoExibido));
    DefineCorTexto(texto, t->CorTextoExibido == TextoAnimado::Cor::Vermelho ? QColor(Qt::red)
                                                                            : QColor(Qt::blue));
  }
  for (int n = 1; n <= Painel::kFormas; ++n) MostraForma(n);
  for (int b = 1; b <= Painel::kBotoes; ++b)
    DefineTexto(botaoTexto_[static_cast<std::size_t>(b)],
                QString::fromStdString(doc.painel.Botao(b).TextoEstado));
}

void TelaSinotica::CarregaFigura() {
  const QString caminho = sessao_.CaminhoFigura();
  QPixmap figura;
  if (!caminho.isEmpty()) figura.load(caminho);
  figura_->setPixmap(figura);
  figura_->setVisible(!figura.isNull());
  figura_->adjustSize();
  figura_->move(0, 0);
  AjustaTamanho();
}

void TelaSinotica::AjustaTamanho() {
  // Controls may stand left of or above the picture's corner: the widget
  // does not grow that way, so they are cut, as on a window's edge.
  constexpr int kMargem = 8;
  QRect area(0, 0, 1, 1);
  for (const QObject* filho : children()) {
    const auto* w = qobject_cast<const QWidget*>(filho);
    if (w && !w->isHidden()) area = area.united(w->geometry());
  }
  const QSize tamanho(area.right() + kMargem, area.bottom() + kMargem);
  if (size() != tamanho) resize(tamanho);
}

}  // namespace quiv
