#include "interacao_roteiro.h"

#include <QTest>

void InteracaoRoteiro::EsperaInforma(const QString& trecho, Acao enquantoAberta) {
  roteiro_.push_back({Tipo::Informa, trecho, true, std::move(enquantoAberta)});
}

void InteracaoRoteiro::EsperaPergunta(const QString& trecho, bool resposta) {
  roteiro_.push_back({Tipo::Pergunta, trecho, resposta, {}});
}

bool InteracaoRoteiro::Consome(Tipo tipo, const QString& texto, Passo& passo) {
  ++mostradas_;
  const char* const nome = tipo == Tipo::Informa ? "information box" : "question";
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
