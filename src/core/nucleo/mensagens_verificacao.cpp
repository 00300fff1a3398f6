// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/mensagens_verificacao.h"

#include <array>
#include <utility>

namespace quiv {

namespace {

using Par = std::pair<std::string_view, std::string_view>;

// The objects that check their forms, as a message names them.
constexpr std::array kTipos = {
    Par{"Gerador de Sinais", "Signals Generator"},
    Par{"Controlador", "Controller"},
    Par{"Processo", "Process"},
    Par{"Bloco", "Block"},
};

// Each failure after the colon, the words of the fields as the English
// windows name them.
constexpr std::array kFalhas = {
    Par{": Agarramento inválido", ": Invalid stiction"},
    Par{": Bias inválido", ": Invalid bias"},
    Par{": COmax inválido", ": Invalid CO max"},
    Par{": COmin inválido", ": Invalid CO min"},
    Par{": Constante de tempo inválido", ": Invalid time constant"},
    Par{": Equação do FF inválida", ": Invalid FF equation"},
    Par{": Equação inválida", ": Invalid equation"},
    Par{": Faixa inválida", ": Invalid span"},
    Par{": Fator a inválido", ": Invalid factor a"},
    Par{": Final Escala inválido", ": Invalid scale end"},
    Par{": Função inválida", ": Invalid function"},
    Par{": Ganho inválido", ": Invalid gain"},
    Par{": Histerese inválida", ": Invalid hysteresis"},
    Par{": Inicial inválido", ": Invalid initial value"},
    Par{": Inicio Escala inválido", ": Invalid scale begin"},
    Par{": Kp inválido", ": Invalid Kp"},
    Par{": LAG inválido", ": Invalid LAG"},
    Par{": LEAD inválido", ": Invalid LEAD"},
    Par{": Limite Inferior inválido", ": Invalid low limit"},
    Par{": Limite Superior inválido", ": Invalid high limit"},
    Par{": Min inválido", ": Invalid min"},
    Par{": Máx. inválido", ": Invalid max"},
    Par{": NCn inválido", ": Invalid NCn"},
    Par{": Periodo inválido", ": Invalid period"},
    Par{": Período inválido", ": Invalid period"},
    Par{": Rate inválido", ": Invalid rate"},
    Par{": TAG não informado", ": TAG not given"},
    Par{": Tal inválido", ": Invalid tau"},
    Par{": Tal1 inválido", ": Invalid tau1"},
    Par{": Tal2 inválido", ": Invalid tau2"},
    Par{": Talf inválido", ": Invalid tauf"},
    Par{": Td inválido", ": Invalid Td"},
    Par{": Tempo Morto inválido", ": Invalid dead time"},
    Par{": Ti inválido", ": Invalid Ti"},
    Par{": Valor inválido", ": Invalid value"},
    Par{": Variável de entrada não informada", ": Input variable not given"},
    Par{": Variável de processo (PV) não informada", ": Process variable (PV) not given"},
    Par{": UE min inválido", ": Invalid EU min"},
    Par{": UE max inválido", ": Invalid EU max"},
    Par{": LIE inválido", ": Invalid LIE"},
    Par{": LSE inválido", ": Invalid LSE"},
    Par{": UE min acima do UE max", ": EU min above EU max"},
};

const Par* FalhaDe(std::string_view mensagem) {
  for (const Par& f : kFalhas)
    if (mensagem.ends_with(f.first)) return &f;
  return nullptr;
}

}  // namespace

bool FalhaTraduzida(std::string_view falha) {
  const Par* f = FalhaDe(falha);
  return f && f->first.size() == falha.size();
}

std::string MensagemEmIngles(std::string_view mensagem) {
  const Par* falha = FalhaDe(mensagem);
  if (!falha) return std::string(mensagem);
  std::string_view objeto = mensagem.substr(0, mensagem.size() - falha->first.size());
  std::string ingles;
  for (const Par& t : kTipos) {
    if (objeto.starts_with(t.first) && objeto.size() > t.first.size() &&
        objeto[t.first.size()] == ' ') {
      ingles = t.second;
      objeto.remove_prefix(t.first.size());
      break;
    }
  }
  ingles += objeto;
  ingles += falha->second;
  return ingles;
}

}  // namespace quiv
