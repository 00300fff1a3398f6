// SPDX-License-Identifier: GPL-3.0-or-later
#include "exemplo_carregado.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <sstream>

#include "core/arquivo/arquivo_smp.h"
#include "core/objetos/controlador.h"

namespace quiv::teste {

std::filesystem::path PastaFonte() { return QUIV_PASTA_FONTE; }

ExemploCarregado CarregaExemplo(const std::string& arquivo) {
  ExemploCarregado e;
  auto* mensagens = &e.mensagens;
  e.doc->simulacao.Mensagem = [mensagens](std::string_view texto) {
    mensagens->emplace_back(texto);
  };
  e.achado = LeSimulacao(*e.doc, PastaFonte() / arquivo);
  return e;
}

std::filesystem::path ArquivoEsperado(const std::string& arquivo) {
  std::filesystem::path p = PastaFonte() / arquivo;
  p.replace_extension(".esperado");
  return p;
}

Ensaio LeEnsaio(const std::string& arquivo) {
  Ensaio ensaio;
  std::ifstream entrada(ArquivoEsperado(arquivo));
  std::string linha;
  std::string secao;
  while (std::getline(entrada, linha)) {
    if (linha.empty()) continue;
    if (linha.rfind("# ", 0) == 0) {
      std::istringstream campos(linha.substr(2));
      std::string chave;
      campos >> chave;
      if (chave == "janela")
        campos >> ensaio.janela;
      else if (chave == "degrau-sp")
        campos >> ensaio.degrauSP;
      else if (chave == "degrau-carga")
        campos >> ensaio.degrauCarga;
      else if (chave == "tolerancia")
        campos >> ensaio.tolerancia;
      else if (chave == "livre" || chave == "satura") {
        for (int k = 0; campos >> k;)
          (chave == "livre" ? ensaio.livres : ensaio.saturadas).insert(k);
      }
      continue;
    }
    if (linha.front() == '[' && linha.back() == ']') {
      secao = linha.substr(1, linha.size() - 2);
      ensaio.esperado[secao];
      continue;
    }
    ensaio.esperado[secao].push_back(linha);
  }
  return ensaio;
}

void GravaEsperado(const std::string& arquivo,
                   const std::map<std::string, std::vector<std::string>>& secoes) {
  std::vector<std::string> opcoes;
  {
    std::ifstream entrada(ArquivoEsperado(arquivo));
    for (std::string linha; std::getline(entrada, linha);)
      if (linha.rfind("#", 0) == 0) opcoes.push_back(linha);
  }
  std::ofstream saida(ArquivoEsperado(arquivo));
  for (const std::string& l : opcoes) saida << l << '\n';
  for (const auto& [secao, linhas] : secoes) {
    saida << '[' << secao << "]\n";
    for (const std::string& l : linhas) saida << l << '\n';
  }
}

ResultadoSimulacaoRapida Roda(Documento& doc, SinalTeste sinal, int amplitude, int janela) {
  doc.simulacao.aleatorio.Semeia(1);
  OpcoesSimulacaoRapida opcoes;
  opcoes.janela = janela;
  opcoes.sinal = sinal;
  opcoes.amplitude = amplitude;
  return SimulacaoRapida(doc.simulacao, opcoes);
}

std::vector<std::string> LinhasIndices(const ResultadoSimulacaoRapida& r) {
  std::vector<std::string> linhas;
  for (int k = 1; k <= kMalhas; ++k) {
    const MalhaDesempenho& malha = r.malhas[static_cast<std::size_t>(k)];
    if (!malha.participa) continue;
    std::string linha = "loop " + std::to_string(k) + ";";
    for (const std::string& texto : malha.indices) linha += texto + ";";
    linhas.push_back(linha);
  }
  return linhas;
}

std::vector<std::string> FalhasDeEstabilidade(const Documento& doc,
                                              const ResultadoSimulacaoRapida& r,
                                              const Ensaio& ensaio) {
  std::vector<std::string> falhas;
  for (int k = 1; k <= kMalhas; ++k) {
    const MalhaDesempenho& malha = r.malhas[static_cast<std::size_t>(k)];
    const Controlador* c = doc.ControladorDe(k);
    if (!malha.participa || !c || !c->ModoAuto || ensaio.livres.count(k)) continue;
    const SeriesMalha& s = malha.series;
    const std::size_t n = s.PV.size();
    const std::size_t fim = std::max<std::size_t>(n / 20, 10);
    if (n < fim) continue;
    double erro = 0.0;
    double menor = s.PV[n - fim];
    double maior = menor;
    for (std::size_t i = n - fim; i < n; ++i) {
      erro += s.SP[i] - s.PV[i];
      menor = std::min(menor, s.PV[i]);
      maior = std::max(maior, s.PV[i]);
    }
    erro /= static_cast<double>(fim);
    char texto[160];
    const std::string malhaTexto = "loop " + std::to_string(k) + " (" + c->Caption + ")";
    if (!(std::fabs(erro) <= ensaio.tolerancia)) {
      std::snprintf(texto, sizeof texto, ": ends %.2f %% away from its SP", erro);
      falhas.push_back(malhaTexto + texto);
    }
    if (!(maior - menor <= 2.0 * ensaio.tolerancia + 0.5)) {
      std::snprintf(texto, sizeof texto, ": PV still moves %.2f %% at the end", maior - menor);
      falhas.push_back(malhaTexto + texto);
    }
    const double co = s.MV.back();
    if (!ensaio.saturadas.count(k) && !(co > 2.0 && co < 98.0)) {
      std::snprintf(texto, sizeof texto, ": output ends saturated at %.1f %%", co);
      falhas.push_back(malhaTexto + texto);
    }
  }
  return falhas;
}

namespace {

std::vector<double> Numeros(const std::string& linha) {
  std::vector<double> numeros;
  std::string atual;
  auto fecha = [&] {
    if (!atual.empty()) numeros.push_back(std::strtod(atual.c_str(), nullptr));
    atual.clear();
  };
  for (char ch : linha) {
    if ((ch >= '0' && ch <= '9') || ch == '.' || ch == '-')
      atual += ch;
    else
      fecha();
  }
  fecha();
  return numeros;
}

}  // namespace

std::vector<std::string> DiferencasIndices(const std::vector<std::string>& esperado,
                                           const std::vector<std::string>& obtido,
                                           double tolerancia) {
  std::vector<std::string> diferencas;
  if (esperado.size() != obtido.size())
    diferencas.push_back("expected " + std::to_string(esperado.size()) + " loops, got " +
                         std::to_string(obtido.size()));
  for (std::size_t i = 0; i < std::min(esperado.size(), obtido.size()); ++i) {
    const std::vector<double> a = Numeros(esperado[i]);
    const std::vector<double> b = Numeros(obtido[i]);
    bool iguais = a.size() == b.size();
    for (std::size_t j = 0; iguais && j < a.size(); ++j)
      iguais = std::fabs(a[j] - b[j]) <= tolerancia;
    if (!iguais)
      diferencas.push_back("expected \"" + esperado[i] + "\", got \"" + obtido[i] + "\"");
  }
  return diferencas;
}

}  // namespace quiv::teste
