#include "core/nucleo/erro.h"

namespace quiv {

void LancaEstouro() { throw Erro(kMensagemEstouro); }
void LancaDivisaoZero() { throw Erro(kMensagemDivisaoZero); }

}  // namespace quiv
