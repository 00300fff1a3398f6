// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arquivo/documento.h"

#include <memory>
#include <string>

#include "core/nucleo/erro.h"

namespace quiv {

namespace {

template <typename T, int N>
T* Instancia(const Slots<N>& slots, int n) {
  return dynamic_cast<T*>(slots[n]);
}

template <typename T, int N>
T& Novo(Simulacao& simulacao, Slots<N>& slots, int n) {
  if (!Slots<N>::Valido(n)) throw Erro("Objeto " + std::to_string(n) + " fora da faixa");
  slots.Remove(n);
  auto objeto = std::make_unique<T>(simulacao, n);
  T& ref = *objeto;
  slots.Inclui(n, std::move(objeto));
  return ref;
}

}  // namespace

Documento::Documento() {
  simulacao.gerador = std::make_unique<Gerador>(simulacao);
  simulacao.linearizador = std::make_unique<Linearizador>(simulacao);
}

void Documento::PosicoesIniciais(Posicoes& posicoes) {
  posicoes = Posicoes{};
  auto coloca = [&posicoes](TipoObjeto tipo, int n, int esquerda, int topo) {
    Posicao& p = posicoes.De(tipo, n);
    p.Esquerda = esquerda;
    p.Topo = topo;
  };
  for (int k = 1; k <= Posicoes::Quantidade(TipoObjeto::Controlador); ++k)
    coloca(TipoObjeto::Controlador, k, 3 + 40 * (k - 1), 3);
  for (int k = 1; k <= Posicoes::Quantidade(TipoObjeto::Registrador); ++k)
    coloca(TipoObjeto::Registrador, k, 515 + 40 * (k - 1), 3);
  const int nProcessos = Posicoes::Quantidade(TipoObjeto::Processo);
  for (int k = 1; k < nProcessos; ++k) {
    coloca(TipoObjeto::Processo, k, 2 + 39 * (k - 1), 39);
    coloca(TipoObjeto::Bloco, k, 2 + 39 * (k - 1), 63);
  }
  // The last process and block buttons stand apart, at the right.
  coloca(TipoObjeto::Processo, nProcessos, 914, 39);
  coloca(TipoObjeto::Bloco, nProcessos, 914, 63);
  for (int k = 1; k <= Posicoes::Quantidade(TipoObjeto::Texto); ++k)
    coloca(TipoObjeto::Texto, k, 457, 24);
}

void Documento::NovaSimulacao() {
  comentarios.Portugues.clear();
  comentarios.Ingles.clear();

  // The start table, but New writes the low end of every M-address's range
  // with two decimals, where the program's start has one.
  simulacao.memoria.Reinicia();
  for (int a = 1; a <= Memoria::kEnderecos; ++a) simulacao.memoria.descritor[a].UEMin = "0.00";

  simulacao.gerador = std::make_unique<Gerador>(simulacao);

  // The panel's controls hold a reference to the simulation, so the panel
  // cannot be assigned: it is rebuilt in place, on the same simulation. Its
  // construction allocates at most a few short texts; should it fail, the
  // program ends rather than keep a destroyed panel.
  [this]() noexcept {
    std::destroy_at(&painel);
    std::construct_at(&painel, simulacao);
  }();

  simulacao.controladores.RemoveTodos();
  simulacao.registradores.RemoveTodos();
  simulacao.processos.RemoveTodos();
  simulacao.blocos.RemoveTodos();
  simulacao.textos.RemoveTodos();
  PosicoesIniciais(posicoes);

  simulacao.linearizador = std::make_unique<Linearizador>(simulacao);
  simulacao.LinearizadorAtivo = false;
  Titulo.clear();
  FiguraFundo.clear();
}

Gerador& Documento::gerador() const { return static_cast<Gerador&>(*simulacao.gerador); }
Linearizador& Documento::linearizador() const {
  return static_cast<Linearizador&>(*simulacao.linearizador);
}

Controlador* Documento::ControladorDe(int n) const {
  return Instancia<Controlador>(simulacao.controladores, n);
}
Processo* Documento::ProcessoDe(int n) const { return Instancia<Processo>(simulacao.processos, n); }
Bloco* Documento::BlocoDe(int n) const { return Instancia<Bloco>(simulacao.blocos, n); }
Registrador* Documento::RegistradorDe(int n) const {
  return Instancia<Registrador>(simulacao.registradores, n);
}
TextoAnimado* Documento::TextoDe(int n) const {
  return Instancia<TextoAnimado>(simulacao.textos, n);
}

Controlador& Documento::NovoControlador(int n) {
  return Novo<Controlador>(simulacao, simulacao.controladores, n);
}
Processo& Documento::NovoProcesso(int n) {
  return Novo<Processo>(simulacao, simulacao.processos, n);
}
Bloco& Documento::NovoBloco(int n) { return Novo<Bloco>(simulacao, simulacao.blocos, n); }
Registrador& Documento::NovoRegistrador(int n) {
  return Novo<Registrador>(simulacao, simulacao.registradores, n);
}
TextoAnimado& Documento::NovoTexto(int n) {
  return Novo<TextoAnimado>(simulacao, simulacao.textos, n);
}

void Documento::AtualizaLegendas() {
  auto legenda = [this](TipoObjeto tipo, int n) -> TextoBilingue& {
    return posicoes.De(tipo, n).Legenda;
  };
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Controlador); ++n)
    if (const Controlador* c = ControladorDe(n)) legenda(TipoObjeto::Controlador, n) = c->Tag;
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Bloco); ++n)
    if (const Bloco* b = BlocoDe(n)) legenda(TipoObjeto::Bloco, n) = b->Tag;
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Processo); ++n)
    if (const Processo* p = ProcessoDe(n)) legenda(TipoObjeto::Processo, n) = p->Tag;
  for (int n = 1; n <= Posicoes::Quantidade(TipoObjeto::Registrador); ++n)
    if (const Registrador* r = RegistradorDe(n)) legenda(TipoObjeto::Registrador, n) = r->Tag;
}

bool Documento::Inclui(TipoObjeto tipo, int n) {
  Posicao& posicao = posicoes.De(tipo, n);  // throws for a slot out of range
  posicao.Exibido = true;
  if (Incluido(tipo, n)) return false;
  switch (tipo) {
    case TipoObjeto::Controlador:
      NovoControlador(n);
      break;
    case TipoObjeto::Processo:
      NovoProcesso(n);
      break;
    case TipoObjeto::Registrador:
      NovoRegistrador(n);
      break;
    case TipoObjeto::Bloco:
      NovoBloco(n);
      break;
    case TipoObjeto::Texto:
      NovoTexto(n);
      break;
  }
  return true;
}

void Documento::Exclui(TipoObjeto tipo, int n) {
  Posicao& posicao = posicoes.De(tipo, n);
  switch (tipo) {
    case TipoObjeto::Controlador:
      simulacao.controladores.Remove(n);
      break;
    case TipoObjeto::Processo:
      simulacao.processos.Remove(n);
      break;
    case TipoObjeto::Registrador:
      simulacao.registradores.Remove(n);
      break;
    case TipoObjeto::Bloco:
      simulacao.blocos.Remove(n);
      break;
    case TipoObjeto::Texto:
      simulacao.textos.Remove(n);
      break;
  }
  posicao.Legenda.clear();
  posicao.Exibido = false;
}

std::string Documento::LegendaVaga(TipoObjeto tipo, int n, bool ingles) {
  const char* nome = "";
  switch (tipo) {
    case TipoObjeto::Controlador:
      nome = ingles ? "<empty> Controller " : "<vago> Controlador ";
      break;
    case TipoObjeto::Processo:
      nome = ingles ? "<empty> Process " : "<vago> Processo ";
      break;
    case TipoObjeto::Registrador:
      nome = ingles ? "<empty> Register " : "<vago> Registrador ";
      break;
    case TipoObjeto::Bloco:
      nome = ingles ? "<empty> Block " : "<vago> Bloco ";
      break;
    case TipoObjeto::Texto:
      nome = ingles ? "<empty>Animated Text" : "<vago>Texto Animado ";
      break;
  }
  return nome + std::to_string(n);
}

std::string Documento::LegendaInclusao(TipoObjeto tipo, int n) const {
  const bool ingles = simulacao.IdiomaIngles;
  auto legenda = [ingles](const TextoBilingue& tag, const TextoBilingue& descricao) {
    std::string texto(tag.Em(ingles));
    texto += ' ';
    texto += descricao.Em(ingles);
    return texto;
  };
  switch (tipo) {
    case TipoObjeto::Controlador:
      if (const Controlador* c = ControladorDe(n)) return legenda(c->Tag, c->Descricao);
      break;
    case TipoObjeto::Processo:
      if (const Processo* p = ProcessoDe(n)) return legenda(p->Tag, p->Descricao);
      break;
    case TipoObjeto::Registrador:
      if (const Registrador* r = RegistradorDe(n)) return legenda(r->Tag, r->Descricao);
      break;
    case TipoObjeto::Bloco:
      if (const Bloco* b = BlocoDe(n)) return legenda(b->Tag, b->Descricao);
      break;
    case TipoObjeto::Texto:
      if (const TextoAnimado* t = TextoDe(n)) return std::string(t->Descricao.Em(ingles));
      break;
  }
  return LegendaVaga(tipo, n, ingles);
}

void Documento::AtualizaTela() {
  for (int n = 1; n <= Painel::kEntradas; ++n) {
    EntradaDados& entrada = painel.Entrada(n);
    if (entrada.Visivel) entrada.AtualizaValor();
  }
  for (int n = 1; n <= Painel::kFormas; ++n) {
    FormaAnimada& forma = painel.Forma(n);
    if (forma.Visivel) forma.Prepara();
  }
  painel.AjustaPainelComando();
  AtualizaLegendas();
}

void Documento::Ciclo(double agoraMs) {
  if (simulacao.IniciaCiclo(agoraMs)) painel.AtualizaDisplays();
  simulacao.CompletaCiclo();
}

ObjetoCiclo* Documento::Objeto(TipoObjeto tipo, int n) const {
  switch (tipo) {
    case TipoObjeto::Controlador:
      return simulacao.controladores[n];
    case TipoObjeto::Processo:
      return simulacao.processos[n];
    case TipoObjeto::Registrador:
      return simulacao.registradores[n];
    case TipoObjeto::Bloco:
      return simulacao.blocos[n];
    case TipoObjeto::Texto:
      return simulacao.textos[n];
  }
  return nullptr;
}

void Documento::Insere(TipoObjeto tipo, int n, std::unique_ptr<ObjetoCiclo> objeto) {
  switch (tipo) {
    case TipoObjeto::Controlador:
      simulacao.controladores.Inclui(n, std::move(objeto));
      break;
    case TipoObjeto::Processo:
      simulacao.processos.Inclui(n, std::move(objeto));
      break;
    case TipoObjeto::Registrador:
      simulacao.registradores.Inclui(n, std::move(objeto));
      break;
    case TipoObjeto::Bloco:
      simulacao.blocos.Inclui(n, std::move(objeto));
      break;
    case TipoObjeto::Texto:
      simulacao.textos.Inclui(n, std::move(objeto));
      break;
  }
}

bool Documento::Incluido(TipoObjeto tipo, int n) const { return Objeto(tipo, n) != nullptr; }

void Documento::RetomaSaidas() {
  Memoria& m = simulacao.memoria;
  for (int n = 1; n <= decltype(simulacao.controladores)::kTamanho; ++n) {
    if (const Controlador* c = ControladorDe(n)) {
      m.celula[static_cast<std::size_t>(c->EnderecoSaida())] = c->CO;
      m.celula[static_cast<std::size_t>(c->EnderecoSP())] = c->SP;
    }
  }
  for (int n = 1; n <= decltype(simulacao.processos)::kTamanho; ++n) {
    if (const Processo* p = ProcessoDe(n)) {
      m.celula[static_cast<std::size_t>(p->Identidade())] = p->Y2;
      m.PosicaoAtuador(n) = p->Xa;
    }
  }
  // An object that overflows here (or a linearizer that divides by zero)
  // will say so on the first scan.
  auto calcula = [](auto&& passo) {
    try {
      passo();
    } catch (const Erro&) {
    }
  };
  Gerador& g = gerador();
  for (int c = Gerador::kPrimeiro; c <= Gerador::kUltimoComFaixa; ++c)
    calcula([&g, c] { g.CalculaCanalEquacao(c); });
  for (int n = 1; n <= decltype(simulacao.blocos)::kTamanho; ++n)
    if (Bloco* b = BlocoDe(n)) calcula([b] { b->Calcula(); });
  if (simulacao.LinearizadorAtivo) calcula([this] { linearizador().Calcula(); });
}

}  // namespace quiv
