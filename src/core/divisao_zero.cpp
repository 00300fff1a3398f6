#include "core/divisao_zero.h"

#include "core/erro.h"

namespace quiv {

void LancaDivisaoZero() { throw Erro(kMensagemDivisaoZero); }

}  // namespace quiv
