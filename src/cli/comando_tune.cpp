// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/comando_tune.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/argumento_arquivo.h"
#include "cli/atribuicao.h"
#include "cli/carrega_simulacao.h"
#include "cli/erro_uso.h"
#include "cli/saida_terminal.h"
#include "core/analise/ajuste_controlador.h"
#include "core/analise/ensaio_degrau.h"
#include "core/analise/identificacao.h"
#include "core/analise/regras_sintonia.h"
#include "core/analise/verificacao_sintonia.h"
#include "core/arquivo/arquivo_smp.h"
#include "core/arquivo/copia_documento.h"
#include "core/arquivo/documento.h"
#include "core/nucleo/erro.h"
#include "core/nucleo/numero_texto.h"

namespace quiv::cli {

namespace {

constexpr std::string_view kUso =
    "Usage: quiv-sim tune FILE.smp --loop K [--amplitude A] [--rule NAME]\n"
    "                     [--lambda SECONDS] [--apply OUT.smp] [--step TA] [--seed N]\n";

constexpr std::string_view kAjuda =
    R"(Usage: quiv-sim tune FILE.smp --loop K [--amplitude A] [--rule NAME]
                     [--lambda SECONDS] [--apply OUT.smp] [--step TA] [--seed N]

Loads the simulation file FILE.smp as the program opens it and tunes loop K
(controller K, its PV and its output M(K)) from a step test, all off-line on
copies of the plant:

  1. The step test: the controller is put in manual at its present output,
     the plant runs until the PV is at rest (60 s at least), the output steps
     by A %, and the PV is recorded at every step until it has held still
     for a while (4 h at most).
  2. The model: a first order plus dead time (gain K in %/%, time constant T
     and dead time L in s) fitted by least squares when the PV settled; an
     integrator plus dead time (K in %/s per %, L) when it kept moving. R2
     is the share of the response's variance the model explains.
  3. The rules: IMC/lambda, SIMC, Ziegler-Nichols (reaction curve),
     Cohen-Coon, ITAE for a load step and ITAE for a set-point step, PI and
     PID, as settings for the controller's structure (ISA or parallel) and
     the action the process's sign needs.
  4. The check: the fast simulation with a set-point step and with a load
     step of 10 %, before and after the chosen settings, loop K in automatic,
     each on a copy that first ran as long as the test's settling.

Output: the test and the model, then one line per rule and controller
  RULE;PI|PID;KP;TI;TD;NOTE
('not defined' and the reason where the rule gives none), the chosen
settings, and the seven indices of loop K in each run, as 'run' prints them:
  sp before;...    sp after;...    load before;...    load after;...

Options:
  --loop K          the loop to tune, 1 ... 10 (required).
  --amplitude A     the output step in %, either sign, not 0 (default 10);
                    the output must stay in 0 ... 100 %.
  --rule NAME       the settings to check and apply: imc-pi (default),
                    imc-pid, simc-pi, zn-pi, zn-pid, cc-pi, cc-pid,
                    itae-load-pi, itae-load-pid, itae-sp-pi, itae-sp-pid
                    (simc-pid is not defined for these models).
  --lambda SECONDS  IMC/lambda's closed-loop time constant (default: the
                    larger of T and L; for an integrating process the larger
                    of 1/K and 2 L).
  --apply OUT.smp   write a copy of the simulation with the chosen settings
                    entered in controller K, as a user would type them.
  --step TA         simulation step in seconds, 0.001 <= TA <= 1, dividing
                    one second (default 0.1).
  --seed N          seed of the random signals in every run (default 1).
  -h, --help        show this text.

Exit status: 0 done; 1 when the loop cannot be tuned (no controller in slot K,
a step that would leave 0 ... 100 %, a response too small, too noisy or not
moving, a rule not defined for the model) or the simulation or --apply
failed, with the reason on standard error; 2 for a bad command line or a
missing FILE.smp.
)";

struct Pedido {
  std::string arquivo;
  int malha = 0;
  OpcoesEnsaio ensaio;
  Regra regra = Regra::IMC;
  TipoControlador tipo = TipoControlador::PI;
  std::optional<double> lambda;
  std::optional<std::string> saida;
  std::uint64_t semente = 1;
};

template <typename Inteiro>
Inteiro LeInteiro(std::string_view opcao, std::string_view texto) {
  Inteiro valor{};
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (texto.empty() || erro != std::errc() || fim != texto.data() + texto.size())
    throw ErroUso("option " + std::string(opcao) + " needs an integer, not '" + std::string(texto) +
                  "'");
  return valor;
}

// "imc-pi", "itae-load-pid", ...: a rule's short name and the controller.
void LeRegra(std::string_view texto, Pedido& pedido) {
  const auto traco = texto.rfind('-');
  const std::optional<Regra> regra =
      traco == std::string_view::npos ? std::nullopt : RegraDaChave(texto.substr(0, traco));
  const std::string_view tipo = traco == std::string_view::npos ? "" : texto.substr(traco + 1);
  if (!regra || (tipo != "pi" && tipo != "pid"))
    throw ErroUso(
        "--rule takes imc-pi, imc-pid, simc-pi, zn-pi, zn-pid, cc-pi, cc-pid, "
        "itae-load-pi, itae-load-pid, itae-sp-pi or itae-sp-pid, not '" +
        std::string(texto) + "'");
  pedido.regra = *regra;
  pedido.tipo = tipo == "pid" ? TipoControlador::PID : TipoControlador::PI;
}

Pedido LeArgumentos(std::span<const std::string_view> argumentos) {
  Pedido pedido;
  std::optional<std::string> arquivo;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string_view a = argumentos[i];
    auto valor = [&]() -> std::string_view {
      if (i + 1 == argumentos.size()) throw ErroUso("option " + std::string(a) + " needs a value");
      return argumentos[++i];
    };
    if (a == "--loop") {
      pedido.malha = LeInteiro<int>(a, valor());
      if (pedido.malha < 1 || pedido.malha > kMalhas)
        throw ErroUso("--loop must lie in 1 ... 10, not " + std::to_string(pedido.malha));
    } else if (a == "--amplitude") {
      pedido.ensaio.amplitude = LeNumeroDecimal(valor());
    } else if (a == "--rule") {
      LeRegra(valor(), pedido);
    } else if (a == "--lambda") {
      const std::string_view texto = valor();
      pedido.lambda = LeNumeroDecimal(texto);
      if (!(*pedido.lambda > 0.0))
        throw ErroUso("--lambda needs a time above 0 s, not '" + std::string(texto) + "'");
    } else if (a == "--apply") {
      pedido.saida = std::string(valor());
    } else if (a == "--step") {
      pedido.ensaio.TA = LeNumeroDecimal(valor());
    } else if (a == "--seed") {
      pedido.semente = LeInteiro<std::uint64_t>(a, valor());
    } else {
      LeArgumentoArquivo(a, arquivo);
    }
  }
  pedido.arquivo = ArquivoDado(arquivo);
  if (pedido.malha == 0) throw ErroUso("no loop given (--loop K)");
  pedido.ensaio.semente = pedido.semente;
  if (const auto problema = ProblemaDoEnsaio(pedido.ensaio)) throw ErroUso(*problema);
  return pedido;
}

std::string Numero(double v) { return TextoSignificativo(v); }

const char* TextoFim(FimEnsaio fim) {
  switch (fim) {
    case FimEnsaio::Assentou:
      return "the PV settled";
    case FimEnsaio::FimDaFaixa:
      return "the PV reached the end of its range";
    case FimEnsaio::JanelaMaxima:
      return "the PV was still moving";
  }
  return "";
}

std::string Constante(const Sintonia& s) {
  if (s.regra == Regra::IMC) return " (lambda " + Numero(s.constante) + " s)";
  if (s.regra == Regra::SIMC) return " (tau c " + Numero(s.constante) + " s)";
  return "";
}

void ImprimeModelo(const ResultadoEnsaio& e, const ResultadoIdentificacao& id) {
  const double duracao = e.tempo.back();
  std::printf(
      "loop %d: output step of %s %% (%s -> %s %%) at %s s steps; %s s recorded after "
      "it, %s\n",
      e.malha, Numero(e.amplitude).c_str(), TextoFixo(e.COinicial, 2).c_str(),
      TextoFixo(e.COinicial + e.amplitude, 2).c_str(), Numero(e.TA).c_str(),
      Numero(duracao).c_str(), TextoFim(e.fim));
  const ModeloProcesso& m = id.modelo;
  if (m.tipo == TipoModelo::Integrador)
    std::printf("model: %s; K = %s %%/s per %%; L = %s s; R2 = %s\n", NomeModelo(m.tipo).c_str(),
                Numero(m.K).c_str(), Numero(m.L).c_str(), TextoFixo(id.R2, 4).c_str());
  else
    std::printf("model: %s; K = %s %%/%%; T = %s s; L = %s s; R2 = %s\n",
                NomeModelo(m.tipo).c_str(), Numero(m.K).c_str(), Numero(m.T).c_str(),
                Numero(m.L).c_str(), TextoFixo(id.R2, 4).c_str());
}

int Executa(std::span<const std::string_view> argumentos) {
  for (const std::string_view a : argumentos) {
    if (PedeAjuda(a)) {
      std::fwrite(kAjuda.data(), 1, kAjuda.size(), stdout);
      return kSaidaOk;
    }
  }
  const Pedido pedido = LeArgumentos(argumentos);

  Documento documento;
  std::function<void(int)> progresso;
  try {
    if (!CarregaSimulacao(documento, std::filesystem::path(pedido.arquivo), "tune"))
      return kSaidaUso;
    const FabricaCopia copia = [&documento] { return CopiaSimulacao(documento); };

    progresso = ProgressoTerminal("tune: step test");
    const ResultadoEnsaio ensaio = EnsaioDegrau(copia, pedido.malha, pedido.ensaio, progresso);
    LimpaProgresso(progresso);
    progresso = {};
    const ResultadoIdentificacao id = IdentificaModelo(ensaio);
    ImprimeModelo(ensaio, id);

    const Controlador& controlador = *documento.ControladorDe(pedido.malha);
    const bool isa = controlador.ItemEstrutura == 1;
    OpcoesRegras regras;
    regras.lambda = pedido.lambda;
    std::printf("rule;controller;Kp;Ti;Td;note (settings for the %s structure)\n",
                isa ? "ISA" : "parallel");
    for (const Sintonia& s : TabelaSintonia(id.modelo, regras)) {
      const std::string nome = std::string(NomeRegra(s.regra)) + Constante(s);
      if (!s.definida) {
        std::printf("%s;%s;not defined;;;%s\n", nome.c_str(), NomeTipo(s.tipo).data(),
                    s.motivo.c_str());
        continue;
      }
      const ParametrosControlador p = ParaControlador(s, isa);
      std::printf("%s;%s;%s;%s;%s;%s\n", nome.c_str(), NomeTipo(s.tipo).data(), p.TextoKp.c_str(),
                  p.TextoTi.c_str(), p.TextoTd.c_str(), s.nota.c_str());
    }

    const Sintonia escolhida = CalculaSintonia(pedido.regra, pedido.tipo, id.modelo, regras);
    if (!escolhida.definida) {
      std::fprintf(stderr, "quiv-sim tune: %s %s is %s\n", NomeRegra(pedido.regra).data(),
                   NomeTipo(pedido.tipo).data(), escolhida.motivo.c_str());
      return kSaidaFalha;
    }
    const ParametrosControlador p = ParaControlador(escolhida, isa);
    // The action in the ISA sense: a process whose PV falls as its input
    // rises needs a controller whose output rises with the PV (direct).
    std::printf(
        "chosen: %s %s%s: Kp %s, Ti %s s, Td %s s, %s action: the output %s when the PV rises "
        "(e = %s)\n",
        NomeRegra(escolhida.regra).data(), NomeTipo(escolhida.tipo).data(),
        Constante(escolhida).c_str(), p.TextoKp.c_str(), p.TextoTi.c_str(), p.TextoTd.c_str(),
        p.acaoReversa ? "direct" : "reverse", p.acaoReversa ? "rises" : "falls",
        p.acaoReversa ? "PV - SP" : "SP - PV");

    const OpcoesVerificacao verificacao =
        OpcoesDoEnsaio(ensaio, id.modelo, escolhida, pedido.semente);
    progresso = ProgressoTerminal("tune: check");
    const ResultadoVerificacao v = VerificaSintonia(copia, pedido.malha, p, verificacao, progresso);
    LimpaProgresso(progresso);
    progresso = {};
    std::printf(
        "check: %d s fast simulation, set-point and load steps of %d %%, loop %d in "
        "automatic\n",
        v.janela, verificacao.amplitude, pedido.malha);
    std::printf("run;VARIABILITY;IEM;IEMA;CO TRAVEL;CO STD DEV;CO SATURATION;PV MIN/MAX;\n");
    ImprimeIndices("sp before", v.spAntes.indices);
    ImprimeIndices("sp after", v.spDepois.indices);
    ImprimeIndices("load before", v.cargaAntes.indices);
    ImprimeIndices("load after", v.cargaDepois.indices);

    if (pedido.saida) {
      Controlador& alvo = *documento.ControladorDe(pedido.malha);
      if (!AplicaSintonia(alvo, p)) {
        std::fprintf(stderr, "quiv-sim tune: controller %d refused the settings\n", pedido.malha);
        return kSaidaFalha;
      }
      SalvaSimulacao(documento, std::filesystem::path(*pedido.saida));
      std::fprintf(stderr, "quiv-sim tune: settings written to %s\n", pedido.saida->c_str());
    }
  } catch (const Erro& e) {
    if (progresso) std::fputc('\n', stderr);
    std::fprintf(stderr, "quiv-sim tune: %s\n", e.what());
    return kSaidaFalha;
  }
  return kSaidaOk;
}

}  // namespace

const Comando& ComandoTune() {
  static const Comando comando{"tune", "tune a loop from a step test of its process", kUso, kAjuda,
                               &Executa};
  return comando;
}

}  // namespace quiv::cli
