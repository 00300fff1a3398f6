#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/objetos/arquivo_registro.h"
#include "core/nucleo/simulacao.h"

namespace quiv {

class Controlador;

// The trend of a controller faceplate: the last 450 samples of PV, SP, CO and
// the actuator position of the process the controller measures, plus the
// controller's data archive.
//
// Values are in % of the PV's engineering range start … end. The scale
// EscalaInf … EscalaSup is held in % of that range between operations. For a
// sampled PV or SP r (%):
//
//   chart position   p = (r − EscalaInf)·100/(EscalaSup − EscalaInf)   (%)
//   pixel height     Round(2·p) held in 0 … 200, ties to even
//
// CO and the actuator position are always drawn on 0 … 100 % (height
// Round(2·value)) and never rescaled. A sample is taken every 1, 3 or 20
// controller steps (time base), into slot Posicao of 450-slot rings.
//
// An engineering range without span (start = end) cannot be converted to %:
// the scale operations then work on the plain 0 … 100 % range, so nothing
// divides by zero.
class TendenciaControlador {
 public:
  static constexpr int kPontos = 450;  // samples across the plot
  static constexpr int kAltura = 200;  // pixels for 0 … 100 % of the scale
  static constexpr int kDivisao = 30;  // samples per grid division
  static constexpr int kLeituras = 6;  // point read-outs
  static constexpr char kEnter = '\r';

  // A point marker (Shape1 … Shape6) at (X, Y) inside Image1; its number
  // label sits at (X + 5, Y − 12).
  struct Marcador {
    bool Visivel = false;
    int X = 0;
    int Y = 0;
  };

  TendenciaControlador(Simulacao& simulacao, const Controlador& controlador);
  TendenciaControlador(const TendenciaControlador&) = delete;
  TendenciaControlador& operator=(const TendenciaControlador&) = delete;

  // End of every controller step, also in off-line runs: counts the step,
  // takes a sample when the time base says so and writes the archive row.
  void Amostra();

  // After the controller's parameters are applied (whatever the result):
  // manual scale = the full engineering range; automatic scale = 0.9·min …
  // 1.1·max of the PV ring (the full range when that has no span). Rewrites
  // the PV/SP pixel rows, the scale texts, the marks and the rate text.
  void ReescalaTendencia();
  // Marks Label3 … Label11 from EscalaSup/EscalaInf in engineering units,
  // which it then converts to %.
  void AtualizaEscala();

  // Handlers.
  // Manual scale on kEnter: both edits must be plain numbers (no comma) with
  // the bottom below the top; otherwise nothing changes. Returns whether the
  // scale was taken.
  bool eSupTextKeyPress(char tecla);
  // Pause toggle; leaving the pause resets the point read-outs.
  void SpeedButton2Click();
  // Point read-out at (X, Y) inside Image1. Returns whether a point was set
  // (paused, and both scale texts are plain numbers).
  bool Image1MouseDown(int X, int Y);
  // Archive on/off. Starting needs a tag and creates the file in `pasta`
  // (the window keeps the folder chosen once for all controllers); stopping
  // closes it and reports "Data saved: " + file name. Input/output failures
  // raise Erro.
  void CheckBox1Click(bool marcado, const std::filesystem::path& pasta);
  void BaseTempoBoxChange() { Label21 = DadosBaseTempo(BaseTempoBox).TextoTaxa; }
  // Every 500 ms while archiving: the rate text blinks.
  void Timer1Timer() { piscando_ = !piscando_; }
  // The trend is opened from the narrow faceplate.
  void TrendButtonClick();
  void FormClose();

  bool Arquivando() const { return Arquivo.Aberto(); }
  bool Timer1Ativo() const { return Arquivando(); }
  bool Label21Visivel() const { return Arquivando() && piscando_; }
  bool Panel3Visivel() const { return Pausado; }
  // eSupText, eInfText, SpeedButton2, TagText and BaseTempoBox are locked
  // while an archive is written.
  bool ControlesLivres() const { return !Arquivando(); }
  // Pixel height of the k-th oldest sample (k = 0 … 449; 449 the newest).
  static int PixelCronologico(const std::array<std::uint8_t, kPontos + 1>& pixels, int posicao,
                              int k) {
    return pixels[static_cast<std::size_t>((posicao + k) % kPontos + 1)];
  }
  // x of vertical grid line i = 1 … 15, from the plot's left edge.
  int GradeX(int i) const { return kDivisao * i - FaseGrade - 1; }

  // Form fields, as set by the user.
  bool MostrarPV = true;
  bool MostrarSP = true;
  bool MostrarCO = true;
  bool MostrarAtuador = false;
  bool CheckBox2 = false;  // "Linha Grossa": PV, SP and CO 2 pixels wide
  int BaseTempoBox = 0;    // 0 "3 segundos", 1 "9 segundos", 2 "1 minuto"
  bool EscalaAuto = false;
  std::string eSupText = "100";
  std::string eInfText = "0";
  bool UsarVirgula = false;
  bool UsarUE = false;
  bool CheckBox1Habilitado = false;  // set when the parameters are applied

  // Rings, slots 1 … 450 (index 0 unused); Posicao is 0 before the first
  // sample.
  std::array<double, kPontos + 1> TendPV{};  // % of the PV range, unscaled
  std::array<double, kPontos + 1> TendSP{};
  std::array<std::uint8_t, kPontos + 1> PixPV{};
  std::array<std::uint8_t, kPontos + 1> PixSP{};
  std::array<std::uint8_t, kPontos + 1> PixCO{};
  std::array<std::uint8_t, kPontos + 1> PixAtuador{};
  int Posicao = 0;
  int ContaBase = 0;
  int FaseGrade = 0;  // 0 … 29
  double EscalaSup = 100.0;
  double EscalaInf = 0.0;
  bool Pausado = false;
  int SlotCoordenada = 1;

  // The archive; its TempoArquivo continues across archives.
  ArquivoRegistro Arquivo;

  // Read-outs.
  std::array<std::string, 9> RotuloEscala;  // Label3 … Label11, top to bottom
  std::string Label21 = "Arquivando: TA=0.1 seg";
  std::array<std::string, kLeituras> CoodsText;  // CoodsText1 … CoodsText6
  std::array<Marcador, kLeituras> Marcadores;    // Shape1 … Shape6

 private:
  // Conversions between % and engineering units of the PV range (0 … 100
  // when the range has no span).
  double Engenharia(double r) const;
  double Percentual(double engenharia) const;
  void RecalculaPixels(double inf, double sup);
  void LeiturasPonto();

  Simulacao& simulacao_;
  const Controlador& controlador_;
  bool piscando_ = false;
};

}  // namespace quiv
