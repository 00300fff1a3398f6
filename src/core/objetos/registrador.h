// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/nucleo/simulacao.h"
#include "core/nucleo/texto_bilingue.h"
#include "core/objetos/tendencia.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

// The trend recorder's form fields, as typed: what its window shows and
// edits, what the file stores, what an apply takes over (and undo puts back).
// Item indices are 0-based; −1 means none chosen. The texts may hold both
// languages; the window shows the half of the interface language.
struct FormularioRegistrador {
  TextoBilingue Tag;                   // TagText
  TextoBilingue Descricao;             // DescricaoText
  int ItemVariavel1 = -1;              // Variavel1Select
  int ItemVariavel2 = -1;              // Variavel2Select
  int ItemVariavel3 = -1;              // Variavel3Select
  TextoBilingue NomeVariavel1 = "PV";  // Edit1
  TextoBilingue NomeVariavel2 = "SP";  // Edit2
  TextoBilingue NomeVariavel3 = "MV";  // Edit3

  bool operator==(const FormularioRegistrador&) const = default;
};

// A strip-chart recorder of up to three variables against time.
//
// Pens: item index i of a selector stands for cell i + 1. Items 0 … 98 are
// M01 … M99 (M01 … M10 the controller outputs, M61 … M70 their set points);
// items 99 … 123 are the extra cells 100 … 124, which the descriptions name
// "M100" … "M124": cells 101 … 124 hold the actuator positions of process
// blocks 1 … 24, and cell 100 is never written (reads 0). −1, and item 124
// "Nenhum" of pens 2 and 3, choose nothing and record 0.
//
// Pens 1 (red) and 2 (blue) share variable 1's engineering range
// FaixaInf … FaixaSup and are the chart's traces 1 and 2: its scale
// EscalaInf … EscalaSup is held in % of that range between operations. Pen 3
// (green) is the chart's trace 3, always 0 … 100 %. For a table value r (%)
// of pen 1 or 2:
//
//   engineering value   e = FaixaInf + (FaixaSup − FaixaInf)·r/100
//   chart position      p = (r − EscalaInf)·100/(EscalaSup − EscalaInf)   (%)
//   pixel height        Round(2·p) held in 0 … 200, ties to even
//
// and for pen 3, p = r. A sample is taken every 1, 3 or 20 scan cycles (time
// base), into slot Posicao of the chart's 450-slot rings; the newest sample
// is drawn at the right edge.
//
// A descriptor without a usable range (UEMin or UEMax not a number, or both
// equal) and items beyond M99 leave the recorder on the plain 0 … 100 % range,
// so no conversion divides by zero.
class Registrador : public ObjetoCiclo, public FormularioRegistrador {
 public:
  static constexpr int kItens = 124;       // items of a selector naming a cell
  static constexpr int kItemNenhum = 124;  // "Nenhum" of pens 2 and 3
  static constexpr int kLeituras = Tendencia::kLeituras;
  static constexpr char kEnter = Tendencia::kEnter;

  // n: recorder number 1 … 10; its identity is 200 + n.
  Registrador(Simulacao& simulacao, int n);

  // The scan step.
  void Calcula() override { Amostra(); }
  std::unique_ptr<ObjetoCiclo> CopiaPara(Simulacao& destino) const override {
    return CopiaObjeto(*this, destino, n_);
  }
  void AssumeEstado(const ObjetoCiclo& origem) override { AssumeEstadoObjeto(*this, origem); }
  void Amostra();

  // Rereads variable 1's descriptor, rescales (auto or full range), rewrites
  // the scale texts and labels, the caption and the rate text. The window
  // calls it when the description or the auto-scale check changes and on a
  // double click on the chart.
  void AplicaConfiguracao();

  // New pen-3 item, an edit of the form; for a controller output (items
  // 0 … kMalhas − 1) pen 2 follows to that controller's SP when its text is
  // "SP", pen 1 to its PV when "PV".
  void EscolheVariavel3(int item);

  // Operator actions on the running recorder (none is part of the form).
  // Manual scale: on kEnter takes the scale texts (engineering units) when
  // both are numbers and the lower is below the upper.
  void TeclaEscala(char tecla);
  // Pause: freezes sampling; the point read-outs work only while paused.
  void AlternaPausa() { Grafico.AlternaPausa(); }
  // Point read-out at (X, Y) inside the chart. Returns whether a text was
  // written (paused and both scale texts are numbers).
  bool MarcaPonto(int X, int Y);
  void FechaJanela() { Grafico.Pausado = false; }
  // Archive on/off. Starting needs a tag and creates the file in `pasta`;
  // stopping closes it and reports "Data saved: " + file name.
  void Arquiva(bool ligar, const std::filesystem::path& pasta);
  // The recorder's record in the simulation file: the header
  // "=====<<<REGISTRADOR:NNN>>>=====" (NNN = NumeroRegistrador) and 9 value
  // lines "{R/KK} " + label + value: tag, description, then item index and
  // pen text of pens 1 … 3, then the time-base item. Texts read bilingual,
  // item indices as strict integers (a malformed one throws Erro and stops
  // the load). Reading first puts the scale back to 0 … 100 % and the
  // archive clock to 0, then fills the form fields; AposLeitura follows.
  void SalvaParametros(smp::Escritor& e) const;
  void LeParametros(smp::Leitor& l);
  // After the recorder is read from a simulation file.
  void AposLeitura();

  int NumeroRegistrador() const { return 200 + n_; }
  // CheckBox1: a recorder archives under its tag, so it needs one.
  bool ArquivoHabilitado() const { return !Tag.Em(simulacao_->IdiomaIngles).empty(); }
  // Whether pen 2 / pen 3 records a variable (its label is not empty and
  // its trace is drawn).
  bool Pen2Ativa() const { return ItemValido(ItemVariavel2); }
  bool Pen3Ativa() const { return ItemValido(ItemVariavel3); }

  // Selector items: "07   description", "12   …", "105   …"; with
  // `comNenhum` the item "Nenhum" follows.
  static std::vector<std::string> ItensVariaveis(const Memoria& memoria, bool comNenhum);

  // Applied from variable 1's descriptor.
  double FaixaSup = 100.0;
  double FaixaInf = 0.0;
  std::string Unidade = "%";

  // Traces 1 … 3 of pens 1 … 3; time base, scale, point read-outs and
  // archive. Its TempoArquivo continues across archives of this recorder.
  Tendencia Grafico;

  // Read-outs.
  std::string LeituraVariavel1;     // VermelhoLabel
  std::string LeituraVariavel2;     // AzulLabel
  std::string LeituraVariavel3;     // VerdeLabel
  std::string UnidadeEscala = "%";  // Label1: unit under the scale
  std::string Caption = "Registrador";

 private:
  // A label rewritten only when what it shows changes, so a steady plant
  // formats nothing.
  struct Rotulo {
    double valor = 0.0;
    bool valido = false;
    std::string texto;
    std::string sufixo;
  };

  static bool ItemValido(int item) { return item >= 0 && item < kItens; }
  double Celula(int item) const;
  Tendencia::Faixa FaixaVariavel1() const { return {FaixaInf, FaixaSup}; }
  double Engenharia(double r) const { return FaixaInf + (FaixaSup - FaixaInf) * r / 100.0; }
  // texto + ": " + valor (2 decimals, width 4) + sufixo.
  void EscreveRotulo(std::string& leitura, Rotulo& cache, std::string_view texto, double valor,
                     std::string_view sufixo);

  std::string sufixoUnidade_;  // " " + Unidade, for the pen 1 and 2 labels
  Vinculo<Simulacao> simulacao_;
  int n_;
  Rotulo rotulo1_;
  Rotulo rotulo2_;
  Rotulo rotulo3_;
};

}  // namespace quiv
