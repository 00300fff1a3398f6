// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/sessao_simulacao.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <QUndoStack>
#include <exception>
#include <filesystem>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"
#include "ui/sessao/comandos_planta.h"
#include "ui/sessao/interacao.h"

namespace quiv {

namespace {

constexpr int kRecentes = 8;
const char* const kChaveRecentes = "arquivosRecentes";

std::filesystem::path Caminho(const QString& arquivo) {
  return std::filesystem::path(arquivo.toStdU16String());
}

}  // namespace

SessaoSimulacao::SessaoSimulacao(QObject* pai)
    : QObject(pai),
      temporizador_(new QTimer(this)),
      pilha_(new QUndoStack(this)),
      pastaInicial_(QDir::currentPath()) {
  connect(pilha_, &QUndoStack::cleanChanged, this, &SessaoSimulacao::AnunciaSalvo);
  Documento::PosicoesIniciais(documento_.posicoes);

  Simulacao& sim = documento_.simulacao;
  sim.Mensagem = [this](std::string_view texto) {
    const bool agendar = mensagensPendentes_.isEmpty();
    mensagensPendentes_.append(
        QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
    // A check can fail inside a cycle or in the middle of a load: the boxes
    // open from the event loop, in the order the texts came.
    if (agendar)
      QMetaObject::invokeMethod(
          this,
          [this] {
            while (!mensagensPendentes_.isEmpty()) Informa(mensagensPendentes_.takeFirst());
          },
          Qt::QueuedConnection);
  };

  temporizador_->setObjectName(QStringLiteral("Timer1"));
  temporizador_->setTimerType(Qt::PreciseTimer);
  temporizador_->setInterval(sim.PeriodoMs);
  connect(temporizador_, &QTimer::timeout, this, qOverload<>(&SessaoSimulacao::ExecutaCiclo));
  temporizador_->start();
}

SessaoSimulacao::~SessaoSimulacao() {
  // The model's hooks point at this session; the document outlives none of
  // them, but a cycle must not call into a half-destroyed session.
  documento_.simulacao.Mensagem = nullptr;
}

void SessaoSimulacao::ExecutaCiclo() { ExecutaCiclo(MilissegundosDoDia()); }

void SessaoSimulacao::ExecutaCiclo(double agoraMs) {
  // Nothing may escape into Qt's event loop, so every exception ends here.
  bool falhou = true;
  QString erro;
  try {
    documento_.Ciclo(agoraMs);
    falhou = false;
  } catch (const std::exception& e) {
    erro = QString::fromStdString(e.what());
  } catch (...) {
    erro = tr("Erro desconhecido no ciclo de simulação");
  }
  if (!falhou) errosMostrados_.clear();
  // The windows repaint the shapes and texts even when a shape's refresh
  // failed and ended the cycle.
  if (documento_.simulacao.CicloDeDisplays()) emit DisplaysAtualizados();
  emit CicloExecutado();
  if (falhou) RelataErro(erro);
}

void SessaoSimulacao::RelataErro(const QString& mensagem) {
  if (caixaDeErroAberta_ || errosMostrados_.contains(mensagem)) return;
  errosMostrados_.insert(mensagem);
  caixaDeErroAberta_ = true;
  // Qt does not fire a timer again while its own timeout is being handled, so a
  // box opened here would stop the cycles until it is closed. The box is opened
  // from the event loop instead, where Temporizador keeps firing underneath it.
  QMetaObject::invokeMethod(
      this,
      [this, mensagem] {
        const QPointer<SessaoSimulacao> viva(this);
        Interacao::Atual().Informa(janelaDeMensagens_, QStringLiteral("QUIV"), mensagem);
        if (viva) caixaDeErroAberta_ = false;
      },
      Qt::QueuedConnection);
}

void SessaoSimulacao::Informa(const QString& texto) {
  Interacao::Atual().Informa(janelaDeMensagens_, QStringLiteral("QUIV"), texto);
}

void SessaoSimulacao::AlternaPausa() {
  if (temporizador_->isActive()) {
    temporizador_->stop();
  } else {
    temporizador_->start();
  }
  emit PausaMudou(Pausada());
}

bool SessaoSimulacao::Pausada() const { return !temporizador_->isActive(); }

void SessaoSimulacao::RodaPausada(const std::function<void()>& trabalho) {
  const bool rodando = temporizador_->isActive();
  temporizador_->stop();
  struct Retoma {
    QTimer* timer;
    bool rodando;
    ~Retoma() {
      if (rodando) timer->start();
    }
  } retoma{temporizador_, rodando};
  trabalho();
}

void SessaoSimulacao::RodaNaCopia(const std::function<void(Documento& copia)>& trabalho) {
  RodaPausada([this, &trabalho] {
    const std::unique_ptr<Documento> copia = CopiaDocumento(documento_);
    trabalho(*copia);
  });
}

std::optional<QPoint> SessaoSimulacao::LugarJanela(TipoObjeto tipo, int n) const {
  const auto lugar = lugaresJanelas_.constFind({static_cast<int>(tipo), n});
  if (lugar == lugaresJanelas_.cend()) return std::nullopt;
  return *lugar;
}

void SessaoSimulacao::GuardaLugarJanela(TipoObjeto tipo, int n, const QPoint& lugar) {
  lugaresJanelas_.insert({static_cast<int>(tipo), n}, lugar);
}

void SessaoSimulacao::DefineJanelaDeMensagens(QWidget* janela) { janelaDeMensagens_ = janela; }

bool SessaoSimulacao::Salvo() const { return pilha_->isClean() && !operacaoNaoSalva_; }

void SessaoSimulacao::AnunciaSalvo() {
  const bool salvo = Salvo();
  if (salvo == salvoAnunciado_) return;
  salvoAnunciado_ = salvo;
  emit SalvoMudou(salvo);
}

void SessaoSimulacao::MarcaModificado() {
  operacaoNaoSalva_ = true;
  AnunciaSalvo();
}

void SessaoSimulacao::MarcaSalvo() {
  operacaoNaoSalva_ = false;
  pilha_->setClean();
  AnunciaSalvo();
}

void SessaoSimulacao::Executa(QUndoCommand* comando) { pilha_->push(comando); }

void SessaoSimulacao::Opera(const std::function<void(Documento&)>& operacao) {
  operacao(documento_);
  MarcaModificado();
}

void SessaoSimulacao::InformaFalhas(const std::vector<std::string>& falhas) {
  QStringList linhas;
  for (const std::string& falha : falhas) {
    const QString linha = QString::fromStdString(falha);
    if (!linhas.contains(linha)) linhas << linha;
  }
  if (!linhas.isEmpty()) Informa(linhas.join(QLatin1Char('\n')));
}

QString SessaoSimulacao::PastaDosDialogos() const {
  return pastaCorrente_.isEmpty() ? pastaInicial_ : pastaCorrente_;
}

QString SessaoSimulacao::CaminhoFigura() const {
  const QString nome = QString::fromStdString(documento_.FiguraFundo);
  if (nome.isEmpty()) return {};
  QStringList pastas;
  if (!arquivoAtual_.isEmpty()) pastas << QFileInfo(arquivoAtual_).absolutePath();
  pastas << QDir::currentPath();
  if (!pastaFiguraEscolhida_.isEmpty()) pastas << pastaFiguraEscolhida_;
  for (const QString& pasta : pastas) {
    const QFileInfo figura(QDir(pasta), nome);
    if (figura.isFile()) return figura.absoluteFilePath();
  }
  return {};
}

void SessaoSimulacao::EscolheFigura(const QString& caminho) {
  const QFileInfo figura(caminho);
  pastaFiguraEscolhida_ = figura.absolutePath();
  Executa(new ComandoFigura(*this, figura.fileName().toStdString()));
}

bool SessaoSimulacao::SalvaSimulacao(const QString& arquivo) {
  try {
    quiv::SalvaSimulacao(documento_, Caminho(arquivo));
  } catch (const std::exception& e) {
    Informa(QString::fromStdString(e.what()));
    return false;
  }
  arquivoAtual_ = arquivo;
  LembraRecente(arquivo);
  MarcaSalvo();
  return true;
}

bool SessaoSimulacao::SalvaComNomeEscolhido(const QString& escolhido) {
  const bool semTitulo = documento_.Titulo.empty();
  TitulaPeloNomeEscolhido(documento_, Caminho(escolhido));
  if (semTitulo && !documento_.Titulo.empty()) emit TituloAlterado();
  const std::filesystem::path arquivo = ArquivoDoNomeEscolhido(Caminho(escolhido));
  return SalvaSimulacao(QString::fromStdU16String(arquivo.u16string()));
}

bool SessaoSimulacao::LeSimulacao(const QString& arquivo) {
  const bool lido = Carrega(
      [&](const std::function<void(int)>& progresso) {
        return quiv::LeSimulacao(documento_, Caminho(arquivo), progresso);
      },
      arquivo);
  if (lido) {
    LembraRecente(arquivo);
    MarcaSalvo();
  }
  return lido;
}

bool SessaoSimulacao::RestauraSimulacao(std::string_view conteudo, const QString& arquivo) {
  const bool lido = Carrega(
      [&](const std::function<void(int)>& progresso) {
        documento_.NovaSimulacao();
        smp::Leitor leitor = smp::Leitor::DeConteudo(conteudo);
        quiv::LeSimulacao(documento_, leitor, QFileInfo(arquivo).completeBaseName().toStdString(),
                          progresso);
        return true;
      },
      arquivo);
  if (lido) MarcaModificado();
  return lido;
}

bool SessaoSimulacao::Carrega(const std::function<bool(const std::function<void(int)>&)>& le,
                              const QString& arquivo) {
  temporizador_->stop();
  emit ProgressoLeitura(5);
  bool lido = false;
  bool encontrado = true;
  QString erro;
  try {
    encontrado = le([this](int percentual) { emit ProgressoLeitura(percentual); });
    lido = encontrado;
  } catch (const std::exception& e) {
    erro = QString::fromStdString(e.what());
  }
  if (lido || !erro.isEmpty()) {
    pilha_->clear();
    lugaresJanelas_.clear();
    if (lido) arquivoAtual_ = arquivo;
    documento_.AtualizaTela();
    emit DocumentoRecarregado();
  }
  // Whatever happened, the screen stays usable: the progress box closes and
  // the cycles run with what was read.
  temporizador_->start();
  emit PausaMudou(false);
  emit ProgressoLeitura(-1);

  // The checks that failed while reading, in file order, then the reason the
  // load stopped.
  while (!mensagensPendentes_.isEmpty()) Informa(mensagensPendentes_.takeFirst());
  if (!encontrado)
    Informa(QString::fromUtf8(MensagemArquivoNaoEncontrado(IdiomaIngles()).data()));
  else if (!erro.isEmpty())
    Informa(erro);
  return lido;
}

void SessaoSimulacao::NovaSimulacao() {
  documento_.NovaSimulacao();
  arquivoAtual_.clear();
  pilha_->clear();
  lugaresJanelas_.clear();
  emit DocumentoRecarregado();
}

QStringList SessaoSimulacao::ArquivosRecentes() const {
  return QSettings().value(QLatin1String(kChaveRecentes)).toStringList();
}

void SessaoSimulacao::LembraRecente(const QString& arquivo) {
  const QString absoluto = QFileInfo(arquivo).absoluteFilePath();
  QStringList lista = ArquivosRecentes();
  lista.removeAll(absoluto);
  lista.prepend(absoluto);
  while (lista.size() > kRecentes) lista.removeLast();
  QSettings().setValue(QLatin1String(kChaveRecentes), lista);
  emit ArquivosRecentesMudaram();
}

}  // namespace quiv
