#include "core/documento.h"

#include <memory>

#include "core/erro.h"

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

bool Documento::Incluido(TipoObjeto tipo, int n) const {
  switch (tipo) {
    case TipoObjeto::Controlador:
      return simulacao.controladores.Incluido(n);
    case TipoObjeto::Processo:
      return simulacao.processos.Incluido(n);
    case TipoObjeto::Registrador:
      return simulacao.registradores.Incluido(n);
    case TipoObjeto::Bloco:
      return simulacao.blocos.Incluido(n);
    case TipoObjeto::Texto:
      return simulacao.textos.Incluido(n);
  }
  return false;
}

}  // namespace quiv
