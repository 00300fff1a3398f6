// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analise/ajuste_controlador.h"

#include <algorithm>
#include <cmath>

#include "core/nucleo/numero_texto.h"
#include "core/objetos/controlador.h"

namespace quiv {

std::string TextoSignificativo(double v) {
  if (v == 0.0 || !std::isfinite(v)) return TextoFixo(v, 0);
  const int ordem = static_cast<int>(std::floor(std::log10(std::fabs(v))));
  std::string texto = TextoFixo(v, std::clamp(3 - ordem, 0, 12));
  if (texto.find('.') != std::string::npos) {
    while (texto.back() == '0') texto.pop_back();
    if (texto.back() == '.') texto.pop_back();
  }
  return texto;
}

ParametrosControlador ParaControlador(const Sintonia& sintonia, bool estruturaISA) {
  ParametrosControlador p;
  p.estruturaISA = estruturaISA;
  p.acaoReversa = sintonia.acaoReversa;
  p.Kp = sintonia.Kc;
  // Parallel: CO = Kc·e + (1/Ti')∫e + Td'·de/dt equals the ideal form when
  // Ti' = Ti/Kc and Td' = Kc·Td.
  p.Ti = estruturaISA ? sintonia.Ti : sintonia.Ti / sintonia.Kc;
  p.Td = estruturaISA ? sintonia.Td : sintonia.Kc * sintonia.Td;
  p.TextoKp = TextoSignificativo(p.Kp);
  p.TextoTi = TextoSignificativo(p.Ti);
  p.TextoTd = TextoSignificativo(p.Td);
  return p;
}

ParametrosControlador ParaControlador(const Sintonia& sintonia, const Controlador& controlador) {
  return ParaControlador(sintonia, controlador.ItemEstrutura == 1);
}

void EscreveSintonia(FormularioControlador& controlador, const ParametrosControlador& parametros) {
  controlador.TextoKp = parametros.TextoKp;
  controlador.TextoTi = parametros.TextoTi;
  controlador.TextoTd = parametros.TextoTd;
  controlador.AcaoP = true;
  controlador.AcaoI = true;
  controlador.AcaoD = parametros.Td > 0.0;
  controlador.ItemAcao = parametros.acaoReversa ? 0 : 1;
  controlador.ItemEstrutura = parametros.estruturaISA ? 1 : 0;
}

bool AplicaSintonia(Controlador& controlador, const ParametrosControlador& parametros) {
  EscreveSintonia(controlador, parametros);
  return controlador.AtualizaParametros(false);
}

}  // namespace quiv
