// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <deque>
#include <functional>

#include "ui/sessao/interacao.h"

// A scripted user for the window tests: it answers the boxes the test expects,
// in order, and fails the running test on any box it was not told to expect.
class InteracaoRoteiro : public quiv::Interacao {
 public:
  // Runs while the box is "open", before the user acknowledges it; a test can
  // spin the event loop here as a real modal box would.
  using Acao = std::function<void()>;

  // Expects an information box whose text contains trecho.
  void EsperaInforma(const QString& trecho, Acao enquantoAberta = {});
  // Expects a Yes/No question whose text contains trecho and answers it.
  void EsperaPergunta(const QString& trecho, bool resposta);
  // Expects a Yes/No/Cancel question whose text contains trecho.
  void EsperaPerguntaOuCancela(const QString& trecho, Resposta resposta);
  // Expects an open, save or folder dialog whose title contains trecho and
  // answers with `caminho` (empty: the user cancels). The dialog's starting
  // place is kept in UltimoInicial().
  void EsperaAbre(const QString& trecho, const QString& caminho);
  void EsperaSalva(const QString& trecho, const QString& caminho);
  void EsperaPasta(const QString& trecho, const QString& caminho);

  void Informa(QWidget* pai, const QString& titulo, const QString& texto) override;
  bool Pergunta(QWidget* pai, const QString& titulo, const QString& texto) override;
  Resposta PerguntaOuCancela(QWidget* pai, const QString& titulo, const QString& texto) override;
  QString AbreArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                      const QString& filtro) override;
  QString SalvaArquivo(QWidget* pai, const QString& titulo, const QString& inicial,
                       const QString& filtro) override;
  QString EscolhePasta(QWidget* pai, const QString& titulo, const QString& inicial) override;
  // Web addresses are not boxes: they are kept, in order, for the test to
  // look at.
  void AbreEndereco(const QUrl& endereco) override { enderecos_.append(endereco); }
  const QList<QUrl>& EnderecosAbertos() const { return enderecos_; }
  // The scripted user is online unless the test says otherwise.
  bool InternetConectada() override { return conectada_; }
  void DefineConectada(bool conectada) { conectada_ = conectada; }

  const QString& UltimoInicial() const { return ultimoInicial_; }
  const QString& UltimoFiltro() const { return ultimoFiltro_; }

  // Expected boxes that have not been shown yet.
  int Pendentes() const { return static_cast<int>(roteiro_.size()); }
  // Boxes shown so far, expected or not.
  int Mostradas() const { return mostradas_; }

 private:
  enum class Tipo { Informa, Pergunta, PerguntaOuCancela, Abre, Salva, Pasta };
  struct Passo {
    Tipo tipo = Tipo::Informa;
    QString trecho;
    bool resposta = false;
    Acao enquantoAberta;
    QString caminho;
    Resposta respostaOuCancela = Resposta::Cancela;
  };
  QString Dialogo(Tipo tipo, const QString& titulo, const QString& inicial, const QString& filtro);
  // Takes the next step into passo if it matches, otherwise fails the test.
  bool Consome(Tipo tipo, const QString& texto, Passo& passo);

  std::deque<Passo> roteiro_;
  int mostradas_ = 0;
  QString ultimoInicial_;
  QString ultimoFiltro_;
  QList<QUrl> enderecos_;
  bool conectada_ = true;
};
