// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "interacao_roteiro.h"
#include "objeto_teste.h"
#include "ui/sessao/sessao_simulacao.h"

class TesteSessaoSimulacao : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    roteiro_ = InteracaoRoteiro();
    anterior_ = quiv::Interacao::Instala(&roteiro_);
  }

  void cleanup() {
    quiv::Interacao::Instala(anterior_);
    QCOMPARE(roteiro_.Pendentes(), 0);
  }

  // A controller that fails in every cycle: its message is shown once, not
  // once per cycle; no box stacks on an open one; the cycles go on, with the
  // process blocks that run before the failing step; a failure that comes back
  // after a clean cycle is shown again.
  void erroDoCicloMostradoSemEmpilhar() {
    int ciclos = 0;
    int chamadas = 0;
    int falhas = 0;
    bool falha = true;
    std::string mensagem = quiv::kMensagemEstouro;
    bool comoErro = true;  // quiv::Erro, otherwise another std::exception

    quiv::SessaoSimulacao sessao;
    auto& simulacao = sessao.simulacao();
    simulacao.processos.Inclui(1, std::make_unique<ObjetoTeste>([&ciclos] { ++ciclos; }));
    auto controlador = [&] {
      ++chamadas;
      if (!falha) return;
      ++falhas;
      if (comoErro) throw quiv::Erro(mensagem);
      throw std::runtime_error(mensagem);
    };
    simulacao.controladores.Inclui(1, std::make_unique<ObjetoTeste>(controlador));

    const QString estouro = QString::fromUtf8(quiv::kMensagemEstouro);
    const QString divisao = QStringLiteral("Divisão por zero");
    roteiro_.EsperaInforma(estouro, [&] {
      // While the user reads the box, the timer goes on and the failure changes:
      // no second box appears on top of this one.
      mensagem = divisao.toStdString();
      comoErro = false;
      const int aberta = falhas;
      QTRY_VERIFY(falhas >= aberta + 3);
    });
    roteiro_.EsperaInforma(divisao);
    QTRY_COMPARE(roteiro_.Pendentes(), 0);

    // The same failure in every following cycle is not shown again.
    const int mostrada = falhas;
    QTRY_VERIFY(falhas >= mostrada + 5);
    QCOMPARE(roteiro_.Mostradas(), 2);

    falha = false;
    const int limpo = ciclos;
    QTRY_VERIFY(ciclos > limpo);
    roteiro_.EsperaInforma(divisao);
    falha = true;
    QTRY_COMPARE(roteiro_.Pendentes(), 0);
    QCOMPARE(roteiro_.Mostradas(), 3);

    QVERIFY(sessao.Temporizador().isActive());
    QCOMPARE(ciclos, chamadas);
  }

  // An off-line job runs on a copy with the scan paused: the live plant is
  // never in fast mode, no cycle is announced while the job steps (even when
  // it lets events through), and the timer runs again afterwards.
  void trabalhoNaCopiaNaoAnunciaCiclos() {
    quiv::SessaoSimulacao sessao;
    int anunciados = 0;
    connect(&sessao, &quiv::SessaoSimulacao::CicloExecutado, this, [&] { ++anunciados; });
    bool rodou = false;
    sessao.RodaNaCopia([&](quiv::Documento& copia) {
      quiv::ModoRapidoAtivo modoRapido(copia.simulacao);
      for (int i = 0; i < 5; ++i) {
        copia.Ciclo(100.0 * i);
        QTest::qWait(sessao.Temporizador().interval());
      }
      QVERIFY(!sessao.simulacao().ModoRapido);
      rodou = true;
    });
    QVERIFY(rodou);
    QCOMPARE(anunciados, 0);
    QVERIFY(sessao.Temporizador().isActive());
    QTRY_VERIFY(anunciados > 0);
  }

 private:
  InteracaoRoteiro roteiro_;
  quiv::Interacao* anterior_ = nullptr;
};

int ExecutaTesteSessaoSimulacao(int argc, char** argv) {
  TesteSessaoSimulacao teste;
  return QTest::qExec(&teste, argc, argv);
}

#include "teste_sessao_simulacao.moc"
