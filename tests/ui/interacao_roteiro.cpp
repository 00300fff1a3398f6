// SPDX-License-Identifier: GPL-3.0-or-later
#include "interacao_roteiro.h"

#include <QTest>
#include <iterator>

void InteracaoRoteiro::EsperaInforma(const QString& trecho, Acao enquantoAberta) {
  roteiro_.push_back({Tipo::Informa, trecho, true, std::move(enquantoAberta), {}});
}

void InteracaoRoteiro::EsperaPergunta(const QString& trecho, bool resposta) {
  roteiro_.push_back({Tipo::Pergunta, trecho, resposta, {}, {}});
}

void InteracaoRoteiro::EsperaPerguntaOuCancela(const QString& trecho, Resposta resposta) {
  roteiro_.push_back({Tipo::PerguntaOuCancela, trecho, false, {}, {}, resposta});
}

void InteracaoRoteiro::EsperaAbre(const QString& trecho, const QString& caminho) {
  roteiro_.push_back({Tipo::Abre, trecho, false, {}, caminho});
}

void InteracaoRoteiro::EsperaSalva(const QString& trecho, const QString& caminho) {
  roteiro_.push_back({Tipo::Salva, trecho, false, {}, caminho});
}

void InteracaoRoteiro::EsperaPasta(const QString& trecho, const QString& caminho) {
  roteiro_.push_back({Tipo::Pasta, trecho, false, {}, caminho});
}

bool InteracaoRoteiro::Consome(Tipo tipo, const QString& texto, Passo& passo) {
  ++mostradas_;
  // In the order of Tipo.
  static const char* const nomes[] = {"information box", "question",    "Yes/No/Cancel question",
                                      "open dialog",     "save dialog", "folder dialog"};
  static_assert(std::size(nomes) == static_cast<std::size_t>(Tipo::Pasta) + 1);
  const char* const nome = nomes[static_cast<int>(tipo)];
  if (roteiro_.empty() || roteiro_.front().tipo != tipo ||
      !texto.contains(roteiro_.front().trecho)) {
    const QString esperado = roteiro_.empty()
                                 ? QStringLiteral("nothing")
                                 : QStringLiteral("\"%1\"").arg(roteiro_.front().trecho);
    QTest::qFail(qPrintable(QStringLiteral("unexpected %1 \"%2\" (expected %3)")
                                .arg(QLatin1String(nome), texto, esperado)),
                 __FILE__, __LINE__);
    return false;
  }
  passo = std::move(roteiro_.front());
  roteiro_.pop_front();
  return true;
}

void InteracaoRoteiro::Informa(QWidget*, const QString&, const QString& texto) {
  Passo passo;
  if (Consome(Tipo::Informa, texto, passo) && passo.enquantoAberta) passo.enquantoAberta();
}

bool InteracaoRoteiro::Pergunta(QWidget*, const QString&, const QString& texto) {
  Passo passo;
  // An unexpected question is answered No, the answer that changes nothing.
  return Consome(Tipo::Pergunta, texto, passo) && passo.resposta;
}

quiv::Interacao::Resposta InteracaoRoteiro::PerguntaOuCancela(QWidget*, const QString&,
                                                              const QString& texto) {
  Passo passo;
  // An unexpected question is cancelled, the answer that changes nothing.
  return Consome(Tipo::PerguntaOuCancela, texto, passo) ? passo.respostaOuCancela
                                                        : Resposta::Cancela;
}

QString InteracaoRoteiro::Dialogo(Tipo tipo, const QString& titulo, const QString& inicial,
                                  const QString& filtro) {
  ultimoInicial_ = inicial;
  ultimoFiltro_ = filtro;
  Passo passo;
  // An unexpected dialog is cancelled, the answer that changes nothing.
  return Consome(tipo, titulo, passo) ? passo.caminho : QString();
}

QString InteracaoRoteiro::AbreArquivo(QWidget*, const QString& titulo, const QString& inicial,
                                      const QString& filtro) {
  return Dialogo(Tipo::Abre, titulo, inicial, filtro);
}

QString InteracaoRoteiro::SalvaArquivo(QWidget*, const QString& titulo, const QString& inicial,
                                       const QString& filtro) {
  return Dialogo(Tipo::Salva, titulo, inicial, filtro);
}

QString InteracaoRoteiro::EscolhePasta(QWidget*, const QString& titulo, const QString& inicial) {
  return Dialogo(Tipo::Pasta, titulo, inicial, QString());
}
