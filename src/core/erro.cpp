#include "core/erro.h"

namespace quiv {

void LancaEstouro() { throw Erro(kMensagemEstouro); }

}  // namespace quiv
