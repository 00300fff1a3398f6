#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/objetos/arquivo_registro.h"
#include "core/nucleo/simulacao.h"

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

// A strip-chart recorder of up to three variables against time.
//
// Pens: item index i of a selector stands for cell i + 1 (items 0 … 98 are
// M01 … M99, items 99 … 123 the extra cells 100 … 124, where controller k
// publishes its PV in cell 100 + k); −1, and item 124 "Nenhum" of pens 2 and 3,
// choose nothing and record 0.
//
// Pens 1 (red) and 2 (blue) share variable 1's engineering range
// FaixaInf … FaixaSup and the chart scale EscalaInf … EscalaSup, which between
// operations is held in % of that range. Pen 3 (green) is always 0 … 100 %.
// For a table value r (%) of pen 1 or 2:
//
//   engineering value   e = FaixaInf + (FaixaSup − FaixaInf)·r/100
//   chart position      p = (r − EscalaInf)·100/(EscalaSup − EscalaInf)   (%)
//   pixel height        Round(2·p) held in 0 … 200, ties to even
//
// and for pen 3, p = r. A sample is taken every 1, 3 or 20 scan cycles (time
// base), into slot Posicao of 450-slot rings; the newest sample is drawn at
// the right edge.
//
// A descriptor without a usable range (UEMin or UEMax not a number, or both
// equal) and items beyond M99 leave the recorder on the plain 0 … 100 % range,
// so no conversion divides by zero.
class Registrador : public ObjetoCiclo {
 public:
  static constexpr int kPontos = 450;      // samples across the chart
  static constexpr int kAltura = 200;      // pixels for 0 … 100 %
  static constexpr int kDivisao = 30;      // samples per grid division
  static constexpr int kItens = 124;       // items of a selector naming a cell
  static constexpr int kItemNenhum = 124;  // "Nenhum" of pens 2 and 3
  static constexpr int kLeituras = 6;      // point read-outs
  static constexpr char kEnter = '\r';

  // n: recorder number 1 … 10; its identity is 200 + n.
  Registrador(Simulacao& simulacao, int n);

  // The scan step.
  void Calcula() override { Amostra(); }
  void Amostra();

  // Rereads variable 1's descriptor, rescales (auto or full range), rewrites
  // the scale texts and labels, the caption and the rate text.
  void AplicaConfiguracao();
  // Grid labels from EscalaInf/EscalaSup in engineering units, which it then
  // converts to % of variable 1's range.
  void AtualizaEscala();

  // Handlers. Each that changes the configuration leaves the "modified" mark
  // to the window.
  void DescricaoTextChange() { AplicaConfiguracao(); }
  // New pen-3 item; for a controller output (items 0 … 9) pen 2 follows to
  // that controller's SP when its text is "SP", pen 1 to its PV when "PV".
  void Variavel3SelectChange(int item);
  void EscalaAutoClick() { AplicaConfiguracao(); }
  void Image1DblClick() { AplicaConfiguracao(); }
  void BaseTempoBoxChange() { Label21 = DadosBaseTempo(BaseTempoBox).TextoTaxa; }
  // Manual scale: on kEnter takes eSupText/eInfText (engineering units) when
  // both are numbers and the lower is below the upper.
  void eSupTextKeyPress(char tecla);
  // Pause: freezes sampling; the point read-outs work only while paused.
  void SpeedButton1Click() { Pausado = !Pausado; }
  // Point read-out at (X, Y) inside the chart. Returns whether a text was
  // written (paused and both scale texts are numbers).
  bool Image1MouseDown(int X, int Y);
  void FormClose() { Pausado = false; }
  // Archive on/off. Starting needs a tag and creates the file in `pasta`;
  // stopping closes it and reports "Data saved: " + file name.
  void CheckBox1Click(bool marcado, const std::filesystem::path& pasta);
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
  bool Arquivando() const { return Arquivo.Aberto(); }
  bool Panel3Visivel() const { return Pausado; }
  // Controls locked while an archive is written: eSupText, eInfText,
  // SpeedButton1, TagText, BaseTempoBox.
  bool ControlesLivres() const { return !Arquivando(); }
  bool CheckBox1Habilitado() const { return !TagText.empty(); }
  // Whether pen 2 / pen 3 records a variable (its label is not empty and
  // its trace is drawn).
  bool Pen2Ativa() const { return ItemValido(Variavel2Select); }
  bool Pen3Ativa() const { return ItemValido(Variavel3Select); }
  // Pixel height of the k-th oldest sample (k = 0 … 449; 449 the newest).
  static int PixelCronologico(const std::array<std::uint8_t, kPontos + 1>& pixels, int posicao,
                              int k) {
    return pixels[static_cast<std::size_t>((posicao + k) % kPontos + 1)];
  }

  // Selector items: "07   description", "12   …", "105   …"; with
  // `comNenhum` the item "Nenhum" follows.
  static std::vector<std::string> ItensVariaveis(const Memoria& memoria, bool comNenhum);

  // Form fields, as typed. Item indices are 0-based; −1 means none chosen.
  std::string TagText;
  std::string DescricaoText;
  int Variavel1Select = -1;
  int Variavel2Select = -1;
  int Variavel3Select = -1;
  std::string Edit1 = "PV";
  std::string Edit2 = "SP";
  std::string Edit3 = "MV";
  int BaseTempoBox = 0;
  bool EscalaAuto = false;
  bool CheckBox2 = false;  // "Linha Grossa"
  bool UsarVirgula = false;
  bool UsarUE = false;
  std::string eSupText = "100";
  std::string eInfText = "0";

  // Applied from variable 1's descriptor.
  double FaixaSup = 100.0;
  double FaixaInf = 0.0;
  std::string Unidade = "%";

  // Chart state. Slots 1 … 450; index 0 unused. Posicao is 0 before the
  // first sample.
  std::array<std::uint8_t, kPontos + 1> Pixels1{};
  std::array<std::uint8_t, kPontos + 1> Pixels2{};
  std::array<std::uint8_t, kPontos + 1> Pixels3{};
  std::array<double, kPontos + 1> Valores1{};
  std::array<double, kPontos + 1> Valores2{};
  int Posicao = 0;
  int FaseGrade = 0;  // grid phase 0 … 29
  int ContaBase = 0;
  double EscalaSup = 100.0;  // % of variable 1's range
  double EscalaInf = 0.0;
  bool Pausado = false;
  int SlotCoordenada = 1;

  // The archive; its TempoArquivo continues across archives of this recorder.
  ArquivoRegistro Arquivo;

  // Read-outs.
  std::string VermelhoLabel;
  std::string AzulLabel;
  std::string VerdeLabel;
  std::array<std::string, 9> RotuloGrade;  // Label2 … Label10: 90 % … 10 % lines
  std::string Label1 = "%";                // unit under the scale
  std::string Label21 = "Arquivando: TA=0.1 seg";
  std::string Caption = "Registrador";
  std::array<std::string, kLeituras> CoodsText;  // CoodsText1 … CoodsText6

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
  double Engenharia(double r) const { return FaixaInf + (FaixaSup - FaixaInf) * r / 100.0; }
  double Percentual(double engenharia) const {
    return (engenharia - FaixaInf) * 100.0 / (FaixaSup - FaixaInf);
  }
  // Pixels1/Pixels2 from Valores1/Valores2 against inf … sup (%).
  void RecalculaPixels(double inf, double sup);
  // texto + ": " + valor (2 decimals, width 4) + sufixo.
  void EscreveRotulo(std::string& label, Rotulo& cache, const std::string& texto, double valor,
                     std::string_view sufixo);

  std::string sufixoUnidade_;  // " " + Unidade, for the pen 1 and 2 labels
  Simulacao& simulacao_;
  int n_;
  Rotulo rotulo1_;
  Rotulo rotulo2_;
  Rotulo rotulo3_;
};

}  // namespace quiv
