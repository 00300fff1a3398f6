// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sessao/comando_lista_variaveis.h"

#include <QCoreApplication>
#include <memory>
#include <string>
#include <utility>

#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/mensagens_verificacao.h"
#include "ui/sessao/sessao_simulacao.h"

namespace quiv {

ComandoListaVariaveis::ComandoListaVariaveis(SessaoSimulacao& sessao,
                                             ListaVariaveis::Descritores antes,
                                             ListaVariaveis::Descritores depois)
    : QUndoCommand(QCoreApplication::translate("ComandosEdicao", "Atualizar %1")
                       .arg(QCoreApplication::translate("ComandosEdicao", "Lista de Variáveis"))),
      sessao_(sessao),
      antes_(std::move(antes)),
      depois_(std::move(depois)) {}

void ComandoListaVariaveis::Aplica(const ListaVariaveis::Descritores& d) {
  ListaVariaveis::Restaura(sessao_.documento(), d);
  sessao_.AvisaDescritoresAlterados();
  // The texts and controllers whose form changed show it again.
  for (std::size_t i = 0; i < d.texto.size(); ++i)
    if (antes_.texto[i] != depois_.texto[i])
      sessao_.AvisaObjetoAlterado(TipoObjeto::Texto, static_cast<int>(i) + 1);
  for (std::size_t i = 0; i < d.controlador.size(); ++i)
    if (antes_.controlador[i] != depois_.controlador[i])
      sessao_.AvisaObjetoAlterado(TipoObjeto::Controlador, static_cast<int>(i) + 1);
}

bool AtualizaListaVariaveis(SessaoSimulacao& sessao,
                            const std::vector<ListaVariaveis::Alteracao>& alteracoes) {
  const std::unique_ptr<Documento> copia = CopiaDocumento(sessao.documento());
  std::vector<std::string> falhas =
      ListaVariaveis::AplicaAlteracoes(copia->simulacao.memoria, alteracoes);
  for (std::string& falha : falhas) falha = MensagemNaLingua(falha, sessao.IdiomaIngles());
  if (!falhas.empty()) {
    sessao.InformaFalhas(falhas);
    return false;
  }
  ListaVariaveis::AplicaDescritores(*copia);
  ListaVariaveis::Descritores antes = ListaVariaveis::Captura(sessao.documento());
  ListaVariaveis::Descritores depois = ListaVariaveis::Captura(*copia);
  if (antes != depois)
    sessao.Executa(new ComandoListaVariaveis(sessao, std::move(antes), std::move(depois)));
  return true;
}

}  // namespace quiv
