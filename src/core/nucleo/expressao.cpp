// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nucleo/expressao.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "core/nucleo/arredonda.h"
#include "core/nucleo/erro.h"

namespace quiv {

namespace {

// Where an operand or term value comes from. A number written into the text
// is read either without its sign (the "-" stayed outside the operand) or
// behind a minus; both are its magnitude with a chosen sign.
enum class TipoFonte : std::uint8_t { Constante, Modulo, MenosModulo };
struct Fonte {
  TipoFonte tipo;
  std::uint32_t indice;  // constant or register
};

enum class TipoPasso : std::uint8_t { Multiplica, Divide, Potencia, Soma };
static_assert(static_cast<int>(TipoPasso::Multiplica) == static_cast<int>(Operador::Multiplica) &&
              static_cast<int>(TipoPasso::Divide) == static_cast<int>(Operador::Divide) &&
              static_cast<int>(TipoPasso::Potencia) == static_cast<int>(Operador::Potencia));

// Sign a written-back number must have for the record to stay valid.
enum class Sinal : std::uint8_t { Qualquer, Positivo, Negativo };

Sinal SinalDe(double v) { return std::signbit(v) ? Sinal::Negativo : Sinal::Positivo; }
bool Confere(Sinal s, double v) { return s == Sinal::Qualquer || s == SinalDe(v); }

struct Termo {
  Fonte fonte;
  bool negativo;
};

struct Passo {
  TipoPasso tipo;
  Sinal sinal = Sinal::Qualquer;
  bool jaArredondado = false;  // a sum of one term that already has 15 digits
  Fonte a{}, b{};              // operands of an operation
  std::uint32_t primeiroTermo = 0, quantosTermos = 0;  // terms of a sum
  std::uint32_t destino = 0;
};

struct Entrada {
  int endereco;
  Sinal sinal;
  // The last cell value seen and its rounding: cells that hold still (set
  // points, constants, switches) are not rounded again.
  mutable double ultimaCelula = 0.0;
  mutable double ultimoArredondado = 0.0;
};

bool MesmosBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The arithmetic one rewriting performed, valid while every number written
// into the text has the recorded sign. Registers 0 … entradas-1 hold the cells
// referenced, in text order; each step writes one more register.
struct Registro {
  std::vector<Entrada> entradas;
  // The result for the cell values in entradas[].ultimaCelula, when the last
  // replay completed: an expression over cells that hold still costs only the
  // comparison of their bits.
  mutable bool temResultado = false;
  mutable double ultimoResultado = 0.0;
  std::vector<Passo> passos;
  std::vector<Termo> termos;
  std::vector<double> constantes;
  std::uint32_t resultado = 0;
  std::uint32_t registros = 0;
};

inline double Le(const Fonte& f, const double* reg, const double* constantes) {
  double v;
  switch (f.tipo) {
    case TipoFonte::Constante:
      v = constantes[f.indice];
      break;
    case TipoFonte::Modulo:
      v = std::fabs(reg[f.indice]);
      break;
    default:
      v = -std::fabs(reg[f.indice]);
      break;
  }
  if (!std::isfinite(v)) LancaEstouro();  // the number text is beyond the double range
  return v;
}

double Opera(TipoPasso tipo, double a, double b) {
  return Opera(static_cast<Operador>(tipo), a, b);
}

// Executes one step into reg[destino]; false when its sign guard fails.
[[gnu::always_inline]] inline bool ExecutaPasso(const Registro& r, const Passo& p, double* reg) {
  double valor;
  if (p.tipo == TipoPasso::Soma) {
    valor = 0.0;
    const Termo* t = r.termos.data() + p.primeiroTermo;
    for (std::uint32_t i = 0; i < p.quantosTermos; ++i) {
      const double termo = Le(t[i].fonte, reg, r.constantes.data());
      valor = valor + (t[i].negativo ? -termo : termo);
      if (!std::isfinite(valor)) LancaEstouro();
    }
    if (!p.jaArredondado) valor = Arredonda15(valor);
  } else {
    const double a = Le(p.a, reg, r.constantes.data());
    const double b = Le(p.b, reg, r.constantes.data());
    valor = Arredonda15(Opera(p.tipo, a, b));
  }
  reg[p.destino] = valor;
  return Confere(p.sinal, valor);
}

// Replays a record; nullopt when a sign differs from the recorded one.
[[gnu::always_inline]] inline std::optional<double> Executa(const Registro& r,
                                                            const Memoria& memoria, double* reg) {
  bool mudou = false;
  for (std::uint32_t i = 0; i < r.entradas.size(); ++i) {
    const Entrada& e = r.entradas[i];
    const double celula = memoria.celula[e.endereco];
    if (!Confere(e.sinal, celula)) return std::nullopt;
    if (!MesmosBits(celula, e.ultimaCelula)) {
      e.ultimaCelula = celula;
      e.ultimoArredondado = Arredonda15(celula);
      mudou = true;
    }
    reg[i] = e.ultimoArredondado;
  }
  if (!mudou && r.temResultado) return r.ultimoResultado;
  r.temResultado = false;
  for (const Passo& p : r.passos)
    if (!ExecutaPasso(r, p, reg)) return std::nullopt;
  const double v = reg[r.resultado];
  if (!std::isfinite(v)) LancaEstouro();
  r.temResultado = true;
  r.ultimoResultado = v;
  return v;
}

constexpr std::int32_t kLiteral = -1;

// Runs the rewriting on the substituted text, like CalculaEquacao, while
// recording its arithmetic. Each character carries the register whose number
// it belongs to (digits, point and exponent; the sign character counts as
// text, and the recorded signs keep it the same on replay).
class Gravador {
 public:
  Gravador(const ModeloSubstituicao& modelo, const Memoria& memoria) {
    Acrescenta("(", kLiteral);
    for (const TrechoSubstituido& trecho : modelo.trechos) {
      Acrescenta(VirgulaPonto(trecho.literal), kLiteral);
      if (trecho.endereco == 0) continue;
      const double celula = memoria.celula[trecho.endereco];
      registro_.entradas.push_back({trecho.endereco, SinalDe(celula)});
      const std::uint32_t r = NovoRegistro(Arredonda15(celula));
      Acrescenta(TextoCientifico(celula), static_cast<std::int32_t>(r));
    }
    Acrescenta(")", kLiteral);
  }

  // The record, or nullopt when an operand mixes numbers in a way a record
  // cannot express. Throws Erro where the rewriting overflows.
  std::optional<Registro> Grava() {
    std::optional<std::uint32_t> ultimo;
    for (;;) {
      const std::size_t abre = texto_.rfind('(');
      if (abre == std::string::npos) break;
      const std::size_t fecha = texto_.find(')', abre + 1);
      if (fecha == std::string::npos) break;
      ultimo = ReduzGrupo(abre, fecha);
      if (!ultimo) return std::nullopt;
    }
    if (!ultimo) return std::nullopt;
    registro_.resultado = *ultimo;
    registro_.passos.back().sinal = Sinal::Qualquer;  // nothing reads its sign afterwards
    if (!std::isfinite(valores_[*ultimo])) LancaEstouro();
    return std::move(registro_);
  }

 private:
  void Acrescenta(const std::string& s, std::int32_t marca) {
    texto_ += s;
    // The sign character of a written number belongs to the text.
    const std::size_t inicioNumero = marca == kLiteral ? s.size() : 1;
    for (std::size_t i = 0; i < s.size(); ++i)
      marca_.push_back(i < inicioNumero ? kLiteral : marca);
  }

  std::uint32_t NovoRegistro(double valor) {
    valores_.push_back(valor);
    return registro_.registros++;
  }

  // Writes the number of register r over texto_[de, ate).
  void Escreve(std::size_t de, std::size_t ate, double valorAntes, std::uint32_t r) {
    const std::string numero = TextoCientifico(valorAntes);
    texto_.replace(de, ate - de, numero);
    std::vector<std::int32_t> marcas(numero.size(), static_cast<std::int32_t>(r));
    marcas[0] = kLiteral;
    marca_.erase(marca_.begin() + static_cast<std::ptrdiff_t>(de),
                 marca_.begin() + static_cast<std::ptrdiff_t>(ate));
    marca_.insert(marca_.begin() + static_cast<std::ptrdiff_t>(de), marcas.begin(), marcas.end());
  }

  // The source of the number text texto_[de, ate): literal text only, or
  // blanks and at most one sign around exactly one written number.
  std::optional<Fonte> Fonte_(std::size_t de, std::size_t ate) {
    std::int32_t numero = kLiteral;
    std::size_t inicio = ate, fim = de;
    for (std::size_t i = de; i < ate; ++i) {
      if (marca_[i] == kLiteral) continue;
      if (numero != kLiteral && marca_[i] != numero) return std::nullopt;
      numero = marca_[i];
      inicio = std::min(inicio, i);
      fim = i + 1;
    }
    if (numero == kLiteral) {
      registro_.constantes.push_back(
          ValorNumeroSemVerificar(std::string_view(texto_).substr(de, ate - de)));
      return Fonte{TipoFonte::Constante,
                   static_cast<std::uint32_t>(registro_.constantes.size() - 1)};
    }
    if (fim - inicio != kTamanhoCientifico - 1) return std::nullopt;
    for (std::size_t i = inicio; i < fim; ++i)
      if (marca_[i] != numero) return std::nullopt;
    for (std::size_t i = fim; i < ate; ++i)
      if (texto_[i] != ' ') return std::nullopt;
    bool menos = false, sinal = false;
    for (std::size_t i = de; i < inicio; ++i) {
      const char c = texto_[i];
      if (c == ' ') continue;
      if ((c != '+' && c != '-') || sinal) return std::nullopt;
      sinal = true;
      menos = c == '-';
    }
    return Fonte{menos ? TipoFonte::MenosModulo : TipoFonte::Modulo,
                 static_cast<std::uint32_t>(numero)};
  }

  // Records and performs one step, guarding the sign of what it writes.
  std::uint32_t Registra(Passo p) {
    p.destino = NovoRegistro(0.0);
    ExecutaPasso(registro_, p, valores_.data());
    p.sinal = SinalDe(valores_[p.destino]);
    registro_.passos.push_back(p);
    return p.destino;
  }

  // The value before rounding, to write the same text as the reference.
  double ValorAntes(const Passo& p) {
    if (p.tipo == TipoPasso::Soma) {
      double s = 0.0;
      for (std::uint32_t i = 0; i < p.quantosTermos; ++i) {
        const Termo& t = registro_.termos[p.primeiroTermo + i];
        const double v = Le(t.fonte, valores_.data(), registro_.constantes.data());
        s = s + (t.negativo ? -v : v);
      }
      return s;
    }
    return Opera(p.tipo, Le(p.a, valores_.data(), registro_.constantes.data()),
                 Le(p.b, valores_.data(), registro_.constantes.data()));
  }

  std::optional<std::uint32_t> ReduzGrupo(std::size_t abre, std::size_t fecha) {
    for (;;) {
      std::size_t op = std::string::npos;
      for (char c : {'^', '/', '*'}) {
        op = texto_.find(c, abre + 1);
        if (op < fecha) break;
        op = std::string::npos;
      }
      if (op == std::string::npos) break;
      std::size_t esquerda = op;
      while (esquerda > abre && CaractereNumerico(texto_, esquerda - 1)) --esquerda;
      std::size_t direita = op + 1;
      if (texto_[direita] == '-') ++direita;
      while (direita < fecha && CaractereNumerico(texto_, direita)) ++direita;

      Passo p{};
      p.tipo = texto_[op] == '*'   ? TipoPasso::Multiplica
               : texto_[op] == '/' ? TipoPasso::Divide
                                   : TipoPasso::Potencia;
      const auto a = Fonte_(esquerda, op);
      const auto b = Fonte_(op + 1, direita);
      if (!a || !b) return std::nullopt;
      p.a = *a;
      p.b = *b;
      const double antes = ValorAntes(p);
      const std::uint32_t r = Registra(p);
      Escreve(esquerda, direita, antes, r);
      fecha = fecha - (direita - esquerda) + kTamanhoCientifico;
    }

    Passo soma{};
    soma.tipo = TipoPasso::Soma;
    soma.primeiroTermo = static_cast<std::uint32_t>(registro_.termos.size());
    std::size_t p = abre + 1;
    while (p < fecha) {
      bool negativo = false;
      while (p < fecha && (texto_[p] == '+' || texto_[p] == '-' || texto_[p] == ' ')) {
        if (texto_[p] == '-') negativo = !negativo;
        ++p;
      }
      std::size_t q = p;
      while (q < fecha && CaractereNumerico(texto_, q)) ++q;
      const auto termo = Fonte_(p, q);
      if (!termo) return std::nullopt;
      registro_.termos.push_back({*termo, negativo});
      p = q > p ? q : p + 1;
    }
    soma.quantosTermos = static_cast<std::uint32_t>(registro_.termos.size()) - soma.primeiroTermo;
    soma.jaArredondado = soma.quantosTermos == 0 ||
                         (soma.quantosTermos == 1 &&
                          registro_.termos[soma.primeiroTermo].fonte.tipo != TipoFonte::Constante);
    const double antes = ValorAntes(soma);
    const std::uint32_t r = Registra(soma);
    Escreve(abre, fecha + 1, antes, r);
    return r;
  }

  std::string texto_;
  std::vector<std::int32_t> marca_;
  std::vector<double> valores_;
  Registro registro_;
};

constexpr std::size_t kMaximoRegistros = 4;

}  // namespace

struct Expressao::Compilada {
  enum class Modo { Constante, Estouro, Gravado, Referencia };
  Modo modo = Modo::Referencia;
  Avaliacao constante;
  ModeloSubstituicao modelo;
  std::vector<Registro> registros;  // most recently used first
  std::vector<double> valores;      // register file, sized for the largest record

  explicit Compilada(std::string_view texto) : modelo(AnalisaEnderecos(texto)) {
    bool comEndereco = false;
    std::size_t substituido = 0;  // the length the reference evaluator will see
    for (const TrechoSubstituido& t : modelo.trechos) {
      comEndereco |= t.endereco != 0;
      substituido += t.literal.size() + (t.endereco != 0 ? kTamanhoCientifico : 0);
    }
    if (comEndereco && substituido > kMaiorEquacao) {
      modo = Modo::Constante;
      constante = {0.0, kEquacaoLonga};
      return;
    }
    if (comEndereco) {
      // Characters the evaluator rejects make every value 0 with its error;
      // the numbers written for the cells never add such a character.
      std::string literais;
      for (const TrechoSubstituido& t : modelo.trechos) literais += t.literal;
      if (literais.find_first_not_of("0123456789.,E +-()/*^") == std::string::npos) {
        modo = Modo::Gravado;
      } else {
        modo = Modo::Constante;
        constante = {0.0, kInconsistencia};
      }
      return;
    }
    // No cell referenced: the value never changes.
    static const Memoria vazia;  // no cell is read
    try {
      constante = CalculaEquacao(SubstituiEnderecos(texto, vazia));
      modo = Modo::Constante;
    } catch (const Erro&) {
      modo = Modo::Estouro;
    }
  }

  Avaliacao AvaliaGravado(const Memoria& memoria, std::string_view texto) {
    for (std::size_t i = 0; i < registros.size(); ++i) {
      if (auto v = Executa(registros[i], memoria, valores.data())) {
        if (i != 0) std::swap(registros[0], registros[i]);
        return {*v, {}};
      }
    }
    Gravador gravador(modelo, memoria);
    std::optional<Registro> novo = gravador.Grava();
    if (!novo) {
      modo = Modo::Referencia;
      return CalculaEquacao(SubstituiEnderecos(texto, memoria));
    }
    if (valores.size() < novo->registros) valores.resize(novo->registros);
    if (registros.size() == kMaximoRegistros) registros.pop_back();
    registros.insert(registros.begin(), std::move(*novo));
    const auto v = Executa(registros.front(), memoria, valores.data());
    return {*v, {}};
  }
};

Expressao::Expressao() = default;
Expressao::Expressao(std::string_view texto) { DefineTexto(texto); }
Expressao::~Expressao() = default;
Expressao::Expressao(Expressao&&) noexcept = default;
Expressao& Expressao::operator=(Expressao&&) noexcept = default;

Expressao::Expressao(const Expressao& outra) : texto_(outra.texto_) {
  if (outra.compilada_) {
    compilada_ = std::make_unique<Compilada>(*outra.compilada_);
    constante_ = outra.constante_ ? &compilada_->constante : nullptr;
  }
}

Expressao& Expressao::operator=(const Expressao& outra) {
  if (this == &outra || (compilada_ && texto_ == outra.texto_)) return *this;
  Expressao copia(outra);
  return *this = std::move(copia);
}

void Expressao::Compila(std::string_view texto) {
  texto_.assign(texto);
  compilada_ = std::make_unique<Compilada>(texto_);
  constante_ = compilada_->modo == Compilada::Modo::Constante ? &compilada_->constante : nullptr;
}

Avaliacao Expressao::AvaliaCompilada(const Memoria& memoria) {
  if (SomenteReferencia) return CalculaEquacao(SubstituiEnderecos(texto_, memoria));
  if (!compilada_) Compila(std::string(texto_));
  Compilada& c = *compilada_;
  switch (c.modo) {
    case Compilada::Modo::Constante:
      return c.constante;
    case Compilada::Modo::Estouro:
      LancaEstouro();
    case Compilada::Modo::Gravado:
      return c.AvaliaGravado(memoria, texto_);
    default:
      return CalculaEquacao(SubstituiEnderecos(texto_, memoria));
  }
}

}  // namespace quiv
