// SPDX-License-Identifier: GPL-3.0-or-later
// The comment block of the simulation file.

#include "core/arquivo/comentarios.h"

#include "core/arquivo/valores_smp.h"

namespace quiv {

namespace {

void SalvaBloco(smp::Escritor& e, std::string_view inicio, std::string_view fim,
                const std::vector<std::string>& linhas) {
  e.Linha(inicio);
  for (const std::string& t : linhas) {
    // Line breaks become blanks on writing; compare the line as written.
    const std::string escrita = smp::LinhaSegura(t);
    if (escrita == fim)
      e.Linha(escrita + " ");
    else
      e.Linha(escrita);
  }
  e.Linha(fim);
}

std::vector<std::string> LeBloco(smp::Leitor& l, std::string_view fim) {
  std::vector<std::string> linhas;
  while (!l.Fim()) {
    std::string t = l.Linha();
    if (t == fim) break;
    linhas.push_back(std::move(t));
  }
  return linhas;
}

}  // namespace

void Comentarios::SalvaParametros(smp::Escritor& e) const {
  e.Linha(smp::FlagMaiuscula(Exibir));
  SalvaBloco(e, kInicioPortugues, kFimPortugues, Portugues);
  SalvaBloco(e, kInicioIngles, kFimIngles, Ingles);
}

void Comentarios::LeParametros(smp::Leitor& l) {
  Exibir = smp::LeFlagMaiuscula(l.Linha());
  l.Linha();  // opening marker, unread
  Portugues = LeBloco(l, kFimPortugues);
  l.Linha();
  Ingles = LeBloco(l, kFimIngles);
}

}  // namespace quiv
