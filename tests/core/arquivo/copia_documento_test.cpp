// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/copia_documento.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/linhas_smp.h"
#include "core/nucleo/erro.h"
#include "pasta_temporaria.h"
#include "planta_malha.h"

namespace quiv {
namespace {

std::vector<std::string> Linhas(const Documento& doc) {
  smp::Escritor e;
  EscreveSimulacao(doc, e);
  return e.Linhas();
}

// A plant with every kind of object and every kind of state: two loops, a
// process with a valve's hysteresis, stiction, rate limit and actuator lag
// ahead of a dead time, an underdamped and an integrating process, a
// calculation block, the generator's random, sine and random-walk channels,
// the linearizer, a trend recorder, an animated text and a data entry.
void MontaPlantaCompleta(Documento& doc) {
  doc.simulacao.aleatorio.Semeia(7);
  teste::IncluiMalha(doc, 1, 60.0);
  teste::IncluiMalha(doc, 2, 30.0);
  Processo& valvula = *doc.ProcessoDe(1);
  valvula.TempoMorto = "3.3";
  valvula.TipoValvula = Processo::kIgualPorcentagem;
  valvula.Histerese = "2";
  valvula.Agarramento = "1";
  valvula.ConstanteTempoAtuador = "1.5";
  valvula.LimiteTaxa = "15";
  valvula.AtualizaParametros(false);
  Processo& oscila = doc.NovoProcesso(3);
  oscila.ItemEntrada = 84 - 1;  // the sine
  oscila.TipoFuncao = Processo::kSubamortecido;
  oscila.TextoNC = "2";
  oscila.AtualizaParametros(false);
  Processo& integra = doc.NovoProcesso(4);
  integra.ItemEntrada = 13 - 1;  // the linearizer's output
  integra.TipoFuncao = Processo::kIntegrador;
  integra.Ganho = "0.001";
  integra.SaturadorDesligado = true;
  integra.AtualizaParametros(false);
  Bloco& bloco = doc.NovoBloco(1);
  bloco.Funcao = "M21*0.5+M82*0.1+M86";
  bloco.AtualizaParametros(false);

  Gerador& g = doc.gerador();
  const int tipos[] = {2, 3, 4, 5, 6};  // fast, medium, slow random, sine, walk
  for (int i = 0; i < 5; ++i) {
    CanalGerador& canal = g.Canal(Gerador::kPrimeiro + i);
    canal.Tipo = tipos[i];
    canal.Min = "40";
    canal.Max = "60";
    canal.Desc = "30";
  }
  g.Canal(86).Tipo = 6;
  g.Canal(86).Min = "50";
  g.Canal(86).Max = "0.5";
  g.AtualizaParametros();

  Linearizador& lin = doc.linearizador();
  lin.TextoEntrada = "22 PV";
  lin.TextoMV[2] = "100";
  lin.TextoPV[2] = "80";
  doc.simulacao.LinearizadorAtivo = true;

  Registrador& r = doc.NovoRegistrador(1);
  r.ItemVariavel1 = 21 - 1;
  r.ItemVariavel2 = 82 - 1;
  r.ItemVariavel3 = 13 - 1;
  r.Grafico.EscalaAuto = true;
  r.AplicaConfiguracao();
  TextoAnimado& t = doc.NovoTexto(1);
  t.ItemVariavel = 21 - 1;
  t.AtualizaParametros(false);
  doc.painel.Entrada(1).Incluida = true;
  doc.painel.Entrada(1).TextoValor = "12.5";
  doc.painel.Entrada(1).TeclaValor(EntradaDados::kEnter);
}

// Full scan cycles at a fixed clock, so two runs see the same times.
void Roda(Documento& doc, int ciclos, std::vector<double>* celulas = nullptr) {
  for (int i = 0; i < ciclos; ++i) {
    doc.Ciclo(1000.0 + 100.0 * i);
    if (celulas)
      celulas->insert(celulas->end(), doc.simulacao.memoria.celula.begin(),
                      doc.simulacao.memoria.celula.end());
  }
}

// Bit for bit: doubles compared as bytes, so -0 and 0 differ as they would
// in the plant's next division.
bool MesmosBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// The histories a run leaves: the controllers' and the recorder's rings and a
// process's dead-time ring.
std::vector<double> Historicos(const Documento& doc) {
  std::vector<double> h;
  auto anexa = [&h](const auto& anel) { h.insert(h.end(), anel.begin(), anel.end()); };
  for (int k : {1, 2}) {
    const TendenciaControlador& t = doc.ControladorDe(k)->Tendencia;
    anexa(t.ValoresPV());
    anexa(t.ValoresSP());
    anexa(t.ValoresCO());
    h.push_back(t.Grafico.Posicao);
  }
  anexa(doc.RegistradorDe(1)->Grafico.Valores1);
  anexa(doc.RegistradorDe(1)->Grafico.Valores2);
  anexa(doc.ProcessoDe(1)->BufTM);
  return h;
}

class CopiaExata : public ::testing::Test {
 protected:
  void SetUp() override {
    MontaPlantaCompleta(doc);
    Roda(doc, 600);  // every ring and filter away from its start
  }
  Documento doc;
};

TEST_F(CopiaExata, RunsInLockstepWithTheOriginal) {
  const std::unique_ptr<Documento> copia = CopiaDocumento(doc);
  EXPECT_EQ(Linhas(*copia), Linhas(doc));
  std::vector<double> original, copiada;
  Roda(doc, 900, &original);
  Roda(*copia, 900, &copiada);
  EXPECT_TRUE(MesmosBits(original, copiada));
  EXPECT_TRUE(MesmosBits(Historicos(doc), Historicos(*copia)));
  EXPECT_EQ(Linhas(*copia), Linhas(doc));
}

TEST_F(CopiaExata, RestoringRepeatsTheRunBitForBit) {
  const std::unique_ptr<Documento> instantaneo = CopiaDocumento(doc);
  const Processo* const vivo = doc.ProcessoDe(1);
  std::vector<double> primeira, segunda;
  Roda(doc, 900, &primeira);
  const std::vector<double> historicos = Historicos(doc);
  RestauraDocumento(doc, *instantaneo);
  EXPECT_EQ(doc.ProcessoDe(1), vivo);  // the same objects, so windows still point at them
  Roda(doc, 900, &segunda);
  EXPECT_TRUE(MesmosBits(primeira, segunda));
  EXPECT_TRUE(MesmosBits(historicos, Historicos(doc)));
}

TEST_F(CopiaExata, SteppingTheCopyLeavesTheOriginalAlone) {
  const std::vector<std::string> antes = Linhas(doc);
  const auto celulas = doc.simulacao.memoria.celula;
  const std::shared_ptr<Simulacao> copia = CopiaSimulacao(doc);
  ControladorDaMalha(*copia, 1)->SP = 80.0;
  for (int i = 0; i < 100; ++i) copia->PassoObjetos();
  EXPECT_NE(copia->memoria.celula[21], doc.simulacao.memoria.celula[21]);
  EXPECT_EQ(Linhas(doc), antes);
  EXPECT_EQ(doc.simulacao.memoria.celula, celulas);
}

TEST_F(CopiaExata, KeepsTheInterfaceLanguageAndLeavesTheCallbacks) {
  doc.simulacao.IdiomaIngles = true;
  int mensagens = 0;
  doc.simulacao.Mensagem = [&mensagens](std::string_view) { ++mensagens; };
  const std::unique_ptr<Documento> copia = CopiaDocumento(doc);
  EXPECT_TRUE(copia->simulacao.IdiomaIngles);
  EXPECT_FALSE(copia->simulacao.Mensagem);
  copia->simulacao.Informa("x");
  EXPECT_EQ(mensagens, 0);
  RestauraDocumento(doc, *copia);
  doc.simulacao.Informa("x");
  EXPECT_EQ(mensagens, 1);
}

// A snapshot of a plant whose objects changed since is refused whole.
TEST_F(CopiaExata, RestoreIsRefusedWhenTheObjectsChanged) {
  struct Caso {
    const char* mudanca;
    void (*muda)(Documento&);
  };
  const Caso casos[] = {
      {"process added", [](Documento& d) { d.NovoProcesso(9); }},
      {"controller deleted", [](Documento& d) { d.Exclui(TipoObjeto::Controlador, 2); }},
      {"text added", [](Documento& d) { d.NovoTexto(5); }},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.mudanca);
    const std::unique_ptr<Documento> instantaneo = CopiaDocumento(doc);
    Roda(*instantaneo, 50);
    caso.muda(doc);
    const std::vector<std::string> antes = Linhas(doc);
    const auto celulas = doc.simulacao.memoria.celula;
    EXPECT_THROW(RestauraDocumento(doc, *instantaneo), Erro);
    EXPECT_EQ(Linhas(doc), antes);
    EXPECT_EQ(doc.simulacao.memoria.celula, celulas);
    doc.simulacao.CopiaDe(CopiaDocumento(*instantaneo)->simulacao);  // back to a full plant
  }
}

// The sample archive is the live program's output, not the plant's state:
// a copy does not write it, and a restored plant goes on writing it.
TEST_F(CopiaExata, TheArchiveStaysWithTheLivePlant) {
  teste::PastaTemporaria pasta;
  TendenciaControlador& tendencia = doc.ControladorDe(1)->Tendencia;
  tendencia.Arquiva(true, pasta());
  ASSERT_TRUE(tendencia.Grafico.Arquivando());
  const std::unique_ptr<Documento> copia = CopiaDocumento(doc);
  EXPECT_FALSE(copia->ControladorDe(1)->Tendencia.Grafico.Arquivando());
  RestauraDocumento(doc, *copia);
  EXPECT_TRUE(tendencia.Grafico.Arquivando());
  tendencia.Arquiva(false, pasta());
}

}  // namespace
}  // namespace quiv
