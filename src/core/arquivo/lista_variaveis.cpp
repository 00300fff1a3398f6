// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/lista_variaveis.h"

#include <algorithm>

#include "core/arquivo/documento.h"
#include "core/arquivo/valores_smp.h"
#include "core/nucleo/numero_texto.h"

namespace quiv {

namespace {

using Linha = ListaVariaveis::Linha;
using Atualizacao = ListaVariaveis::Atualizacao;
using Edicao = ListaVariaveis::Edicao;

// `tipo` and `type`: column 1 in Portuguese and in English.
Linha Faz(int endereco, const std::string& tipo, const std::string& type, Atualizacao atualiza,
          Edicao edita, bool guardaDescricao) {
  return {endereco, TextoBilingue(tipo + "|" + type), atualiza, edita, guardaDescricao};
}

// The kinds of row whose columns 2 … 4 start as "%", "0", "100".
bool ComFaixaInicial(ListaVariaveis::Tabela tabela, int linha) {
  return tabela == ListaVariaveis::Tabela::Processo || linha <= 26;
}

// The name of a column that holds a number, for the failure message.
const char* NomeDaFaixa(ListaVariaveis::Campo campo) {
  switch (campo) {
    case ListaVariaveis::Campo::UEMin:
      return "UE min";
    case ListaVariaveis::Campo::UEMax:
      return "UE max";
    case ListaVariaveis::Campo::LIE:
      return "LIE";
    case ListaVariaveis::Campo::LSE:
      return "LSE";
    default:
      return nullptr;
  }
}

}  // namespace

Linha ListaVariaveis::LinhaDe(Tabela tabela, int r) {
  if (tabela == Tabela::Processo) {
    const int endereco = r <= 40 ? 20 + r : 30 + r;
    return Faz(endereco, "Variável de Processo", "Process Variable", Atualizacao::Tudo,
               Edicao::Real, true);
  }
  if (r <= 6)
    return Faz(14 + r, "Entrada de Dados " + std::to_string(r), "Data Entry " + std::to_string(r),
               Atualizacao::Tudo, Edicao::Inteiro, false);
  if (r <= 16)
    return Faz(54 + r, "Setpoint de Controle", "Control Setpoint", Atualizacao::Tudo,
               Edicao::Inteiro, false);
  if (r <= 26)
    return Faz(r - 16, "Variável Manipulada", "Manipulated Variable", Atualizacao::Tudo,
               Edicao::Descarta, false);
  switch (r) {
    case 27:
    case 28:
    case 29:
      return Faz(70 + r, "Comando Botão " + std::to_string(r - 26),
                 "Push Button " + std::to_string(r - 26), Atualizacao::Valor, Edicao::Descarta,
                 false);
    case 30:
    case 31:
      return Faz(r - 19, "Comando Chave " + std::to_string(r - 29),
                 "Switch " + std::to_string(r - 29), Atualizacao::Valor, Edicao::Descarta, false);
    case 32:
      return Faz(13, "Saída Linearizador", "Linearizer Output", Atualizacao::Valor,
                 Edicao::Descarta, false);
    case 33:
      return Faz(14, "Reservado", "Reserved", Atualizacao::Nada, Edicao::Descarta, false);
    case 34:
    case 35:
      return Faz(45 + r, "Reservado", "Reserved", Atualizacao::Nada, Edicao::Descarta, false);
    default:
      break;
  }
  if (r <= 51)
    return Faz(45 + r, "Gerador de Sinais", "Signal Generator", Atualizacao::Tudo, Edicao::Inteiro,
               true);
  return Faz(49 + r, "Var.Manip.(posição real)", "Actuator Position", Atualizacao::Nada,
             Edicao::Somente, false);
}

std::string ListaVariaveis::NomeEndereco(int endereco) {
  std::string numero = std::to_string(endereco);
  if (endereco < 10) numero.insert(0, 1, '0');
  return "M" + numero;
}

std::array<std::string, ListaVariaveis::kUltimaColuna + 1> ListaVariaveis::TextosIniciais(
    const Memoria& memoria, Tabela tabela, int r, bool ingles) {
  const Linha linha = LinhaDe(tabela, r);
  std::array<std::string, kUltimaColuna + 1> t;
  t[0] = NomeEndereco(linha.Endereco);
  t[static_cast<int>(Campo::Tipo)] = linha.Tipo.Em(ingles);
  if (ComFaixaInicial(tabela, r)) {
    t[static_cast<int>(Campo::Unidade)] = "%";
    t[static_cast<int>(Campo::UEMin)] = "0";
    t[static_cast<int>(Campo::UEMax)] = "100";
  } else if (linha.Edita == Edicao::Somente) {
    t[static_cast<int>(Campo::Unidade)] = "%";
    t[static_cast<int>(Campo::UEMin)] = "0.0";
    t[static_cast<int>(Campo::UEMax)] = "100.0";
    t[static_cast<int>(Campo::LIE)] = "0.0";
    t[static_cast<int>(Campo::LSE)] = "100.0";
    t[static_cast<int>(Campo::Descricao)] =
        memoria.DescricaoEndereco[static_cast<std::size_t>(linha.Endereco)];
  } else if (linha.Atualiza == Atualizacao::Valor) {
    t[static_cast<int>(Campo::Valor)] =
        TextoValor(memoria.celula[static_cast<std::size_t>(linha.Endereco)]);
  }
  return t;
}

std::string ListaVariaveis::TextoValor(double valor) { return TextoLargura(valor, 2, 4); }

std::string ListaVariaveis::TextoCampo(const Memoria& memoria, int endereco, Campo campo) {
  const auto k = static_cast<std::size_t>(endereco);
  if (campo == Campo::Valor) return k < memoria.celula.size() ? TextoValor(memoria.celula[k]) : "";
  if (campo == Campo::Descricao)
    return k < memoria.DescricaoEndereco.size() ? memoria.DescricaoEndereco[k] : "";
  if (endereco < 1 || endereco > Memoria::kEnderecos) return {};
  const Descritor& d = memoria.descritor[k];
  switch (campo) {
    case Campo::Unidade:
      return d.UnidadeEng;
    case Campo::UEMin:
      return d.UEMin;
    case Campo::UEMax:
      return d.UEMax;
    case Campo::LIE:
      return d.LIE;
    case Campo::LSE:
      return d.LSE;
    default:
      return {};
  }
}

bool ListaVariaveis::Editavel(Tabela tabela, int linha, Campo campo) {
  if (linha < 1 || linha > Linhas(tabela) || !Selecionavel(campo)) return false;
  return LinhaDe(tabela, linha).Edita != Edicao::Somente;
}

bool ListaVariaveis::Guardavel(Tabela tabela, int r, Campo campo) {
  if (!Editavel(tabela, r, campo)) return false;
  const Linha linha = LinhaDe(tabela, r);
  if (linha.Edita == Edicao::Descarta) return false;
  if (campo == Campo::Descricao && !linha.GuardaDescricao) return false;
  if (campo == Campo::Tipo || campo == Campo::Valor) return false;
  return linha.Endereco >= 1 && linha.Endereco <= Memoria::kEnderecos;
}

std::vector<std::string> ListaVariaveis::AplicaAlteracoes(
    Memoria& memoria, const std::vector<Alteracao>& alteracoes) {
  // The last text of each cell, in the order of those last edits.
  std::vector<Alteracao> finais;
  auto mesmaCelula = [](const Alteracao& a, const Alteracao& b) {
    return a.tabela == b.tabela && a.linha == b.linha && a.campo == b.campo;
  };
  for (const Alteracao& a : alteracoes) {
    if (!Guardavel(a.tabela, a.linha, a.campo)) continue;
    std::erase_if(finais, [&](const Alteracao& f) { return mesmaCelula(f, a); });
    finais.push_back(a);
  }
  // A range end's last text, or the stored one.
  auto texto = [&](const Alteracao& a, Campo campo) -> std::string {
    for (const Alteracao& f : finais)
      if (f.tabela == a.tabela && f.linha == a.linha && f.campo == campo) return f.texto;
    const Descritor& d =
        memoria.descritor[static_cast<std::size_t>(LinhaDe(a.tabela, a.linha).Endereco)];
    return campo == Campo::UEMin ? d.UEMin : d.UEMax;
  };

  std::vector<std::string> falhas;
  auto falha = [&falhas](std::string texto) {
    if (std::find(falhas.begin(), falhas.end(), texto) == falhas.end())
      falhas.push_back(std::move(texto));
  };
  // A range or limit the objects will read as a number must be one: a typo
  // stored here would stop the controller that scales by it.
  std::vector<int> linhasIlegiveis;
  for (const Alteracao& a : finais) {
    const char* nome = NomeDaFaixa(a.campo);
    if (!nome || LeNumero(a.texto)) continue;
    const int endereco = LinhaDe(a.tabela, a.linha).Endereco;
    falha(NomeEndereco(endereco) + ": " + nome + " inválido");
    linhasIlegiveis.push_back(endereco);
  }
  for (const Alteracao& a : finais) {
    if (a.campo != Campo::UEMin && a.campo != Campo::UEMax) continue;
    const Linha linha = LinhaDe(a.tabela, a.linha);
    if (std::ranges::find(linhasIlegiveis, linha.Endereco) != linhasIlegiveis.end()) continue;
    const double digitado = linha.Edita == Edicao::Inteiro
                                ? static_cast<double>(smp::LeInteiroTolerante(a.texto))
                                : smp::LeReal(a.texto);
    const bool ok = a.campo == Campo::UEMin ? digitado <= smp::LeReal(texto(a, Campo::UEMax))
                                            : digitado >= smp::LeReal(texto(a, Campo::UEMin));
    if (!ok) falha(NomeEndereco(linha.Endereco) + ": UE min acima do UE max");
  }
  if (!falhas.empty()) return falhas;

  for (const Alteracao& a : finais) {
    const Campo vizinho = a.campo == Campo::UEMin ? Campo::UEMax : Campo::UEMin;
    Confirma(memoria, a.tabela, a.linha, a.campo, a.texto, texto(a, vizinho));
  }
  return {};
}

ListaVariaveis::Resultado ListaVariaveis::Confirma(Memoria& memoria, Tabela tabela, int r,
                                                   Campo campo, std::string_view digitado,
                                                   std::string_view vizinho) {
  if (!Editavel(tabela, r, campo)) return Resultado::Recusado;
  const Linha linha = LinhaDe(tabela, r);
  if (linha.Edita == Edicao::Descarta) return Resultado::Mantido;
  if (campo == Campo::Descricao && !linha.GuardaDescricao) return Resultado::Mantido;
  if (linha.Endereco < 1 || linha.Endereco > Memoria::kEnderecos) return Resultado::Mantido;

  const double valor = linha.Edita == Edicao::Inteiro
                           ? static_cast<double>(smp::LeInteiroTolerante(digitado))
                           : smp::LeReal(digitado);
  if (campo == Campo::UEMin && valor > smp::LeReal(vizinho)) return Resultado::Recusado;
  if (campo == Campo::UEMax && valor < smp::LeReal(vizinho)) return Resultado::Recusado;

  if (campo == Campo::Descricao) {
    memoria.DefineDescricao(linha.Endereco, digitado);
    return Resultado::Guardado;
  }
  Descritor d = memoria.descritor[static_cast<std::size_t>(linha.Endereco)];
  const std::string texto(digitado);
  switch (campo) {
    case Campo::Unidade:
      d.UnidadeEng = texto;
      break;
    case Campo::UEMin:
      d.UEMin = texto;
      d.LIE = texto;
      break;
    case Campo::UEMax:
      d.UEMax = texto;
      d.LSE = texto;
      break;
    case Campo::LIE:
      d.LIE = texto;
      break;
    case Campo::LSE:
      d.LSE = texto;
      break;
    default:
      return Resultado::Mantido;
  }
  memoria.DefineDescritor(linha.Endereco, std::move(d));
  return Resultado::Guardado;
}

std::string ListaVariaveis::TipoDaLinha(const Documento& doc, int linha) {
  const bool ingles = doc.simulacao.IdiomaIngles;
  std::optional<std::string_view> tag;
  auto de = [&tag, ingles](const auto* objeto) {
    if (objeto) tag = objeto->Tag.Em(ingles);
  };
  if (linha >= 1 && linha <= 20) de(doc.ProcessoDe(linha));
  if (linha >= 21 && linha <= 40) de(doc.BlocoDe(linha - 20));
  if (linha >= 41 && linha <= 44) de(doc.ProcessoDe(linha - 20));
  if (linha >= 45 && linha <= 48) de(doc.BlocoDe(linha - 24));
  return std::string(tag ? *tag : LinhaDe(Tabela::Processo, linha).Tipo.Em(ingles));
}

std::string ListaVariaveis::DicaEntrada(const Memoria& memoria, int n) {
  const Descritor& d = memoria.descritor[static_cast<std::size_t>(14 + n)];
  return "Faixa: de " + d.UEMin + " a " + d.UEMax + " " + d.UnidadeEng;
}

void ListaVariaveis::AplicaDescritores(Documento& doc) {
  Simulacao& s = doc.simulacao;
  for (int n = 1; n <= Painel::kEntradas; ++n)
    doc.painel.Entrada(n).Dica = DicaEntrada(s.memoria, n);
  for (int n = 1; n <= decltype(s.textos)::kTamanho; ++n)
    if (TextoAnimado* t = doc.TextoDe(n)) t->AtualizaParametros(false);
  for (int n = 1; n <= decltype(s.registradores)::kTamanho; ++n)
    if (Registrador* r = doc.RegistradorDe(n)) r->AplicaConfiguracao();
  for (int n = 1; n <= decltype(s.controladores)::kTamanho; ++n)
    if (Controlador* c = doc.ControladorDe(n)) c->AtualizaParametros(false);
}

ListaVariaveis::Descritores ListaVariaveis::Captura(const Documento& doc) {
  const Simulacao& s = doc.simulacao;
  Descritores d;
  d.descritor = s.memoria.descritor;
  d.descricao = s.memoria.DescricaoEndereco;
  for (int n = 1; n <= Painel::kEntradas; ++n)
    d.dica[static_cast<std::size_t>(n - 1)] = doc.painel.Entrada(n).Dica;
  for (int n = 1; n <= static_cast<int>(d.texto.size()); ++n)
    if (const TextoAnimado* t = doc.TextoDe(n))
      d.texto[static_cast<std::size_t>(n - 1)] = static_cast<const FormularioTexto&>(*t);
  for (int n = 1; n <= static_cast<int>(d.controlador.size()); ++n)
    if (const Controlador* c = doc.ControladorDe(n))
      d.controlador[static_cast<std::size_t>(n - 1)] =
          static_cast<const FormularioControlador&>(*c);
  return d;
}

void ListaVariaveis::Restaura(Documento& doc, const Descritores& d) {
  Simulacao& s = doc.simulacao;
  s.memoria.descritor = d.descritor;
  s.memoria.DescricaoEndereco = d.descricao;
  for (int n = 1; n <= Painel::kEntradas; ++n)
    doc.painel.Entrada(n).Dica = d.dica[static_cast<std::size_t>(n - 1)];
  auto reaplica = [](auto& objeto, const auto& formulario) {
    using Campos = std::decay_t<decltype(formulario)>;
    static_cast<Campos&>(objeto) = formulario;
    objeto.AtualizaParametros(false);
    static_cast<Campos&>(objeto) = formulario;
  };
  for (int n = 1; n <= static_cast<int>(d.texto.size()); ++n)
    if (TextoAnimado* t = doc.TextoDe(n); t && d.texto[static_cast<std::size_t>(n - 1)])
      reaplica(*t, *d.texto[static_cast<std::size_t>(n - 1)]);
  for (int n = 1; n <= decltype(s.registradores)::kTamanho; ++n)
    if (Registrador* r = doc.RegistradorDe(n)) r->AplicaConfiguracao();
  for (int n = 1; n <= static_cast<int>(d.controlador.size()); ++n)
    if (Controlador* c = doc.ControladorDe(n); c && d.controlador[static_cast<std::size_t>(n - 1)])
      reaplica(*c, *d.controlador[static_cast<std::size_t>(n - 1)]);
  s.memoria.DescricaoEndereco = d.descricao;
}

}  // namespace quiv
