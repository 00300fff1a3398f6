#include "core/arredonda.h"

#include <cmath>

#include "core/equation.h"
#include "core/memoria.h"

namespace quiv {

double Arredonda15PeloTexto(double x) { return ValorNumeroSemVerificar(TextoCientifico(x)); }

}  // namespace quiv
