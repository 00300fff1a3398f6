// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/comando_gerador.h"

#include <QCoreApplication>
#include <memory>
#include <string_view>
#include <utility>

#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

namespace {

QString TextoComando() {
  return QCoreApplication::translate("ComandosEdicao", "Atualizar %1")
      .arg(QCoreApplication::translate("ComandosEdicao", "Gerador de Sinais"));
}

}  // namespace

ComandoGerador::Estado ComandoGerador::Estado::De(const Documento& doc) {
  Estado e;
  e.linhas = doc.gerador().Linhas();
  for (int c = Gerador::kPrimeiro; c <= Gerador::kUltimo; ++c)
    e.descricoes[static_cast<std::size_t>(c - Gerador::kPrimeiro)] =
        doc.simulacao.memoria.DescricaoEndereco[static_cast<std::size_t>(c)];
  return e;
}

ComandoGerador::ComandoGerador(SessaoSimulacao& sessao, Estado antes, Estado depois)
    : QUndoCommand(TextoComando()),
      sessao_(sessao),
      antes_(std::move(antes)),
      depois_(std::move(depois)) {
  for (std::size_t i = 0; i < antes_.linhas.size(); ++i) {
    if (antes_.linhas[i] != depois_.linhas[i]) linhas_.push_back(static_cast<int>(i));
    if (antes_.descricoes[i] != depois_.descricoes[i]) descricoes_.push_back(static_cast<int>(i));
  }
}

void ComandoGerador::Aplica(const Estado& estado) {
  Documento& doc = sessao_.documento();
  Gerador& gerador = doc.gerador();
  for (int i : linhas_)
    gerador.DefineLinha(Gerador::kPrimeiro + i, estado.linhas[static_cast<std::size_t>(i)]);
  gerador.AtualizaParametros();
  for (int i : descricoes_)
    doc.simulacao.memoria.DefineDescricao(Gerador::kPrimeiro + i,
                                          estado.descricoes[static_cast<std::size_t>(i)]);
  sessao_.AvisaGeradorAlterado();
}

bool AplicaGerador(SessaoSimulacao& sessao, const Gerador::Formulario& linhas) {
  const std::unique_ptr<Documento> copia = CopiaDocumento(sessao.documento());
  std::vector<std::string> falhas;
  copia->simulacao.Mensagem = [&falhas](std::string_view texto) { falhas.emplace_back(texto); };
  if (!copia->gerador().AtualizaFormulario(linhas, true)) {
    sessao.InformaFalhas(falhas);
    return false;
  }
  ComandoGerador::Estado antes = ComandoGerador::Estado::De(sessao.documento());
  ComandoGerador::Estado depois = ComandoGerador::Estado::De(*copia);
  if (antes != depois)
    sessao.Executa(new ComandoGerador(sessao, std::move(antes), std::move(depois)));
  return true;
}

}  // namespace quiv
