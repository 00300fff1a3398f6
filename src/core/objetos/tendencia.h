// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/objetos/arquivo_registro.h"

namespace quiv {

class Simulacao;

// The chart shared by the controller faceplate's trend and the trend recorder:
// 450-slot rings of samples, the scrolling grid, the chart scale (automatic or
// typed), its texts and grid labels, the paused point read-outs and the data
// archive. The owner decides what is sampled and what an archive row holds.
//
// Traces 1 and 2 are drawn on the chart scale: their values are kept in % of
// the owner's engineering range (Valores1, Valores2) and rescaled with it.
// The scale EscalaInf … EscalaSup is held in % of that range between
// operations. Traces 3 and 4 are always on 0 … 100 % and never rescaled. For a
// value r (%) of trace 1 or 2:
//
//   chart position   p = (r − EscalaInf)·100/(EscalaSup − EscalaInf)   (%)
//   pixel height     Round(2·p) held in 0 … 200, ties to even
//
// A sample is taken every 1, 3 or 20 steps (time base), into slot Posicao of
// the rings; the newest sample is drawn at the right edge.
class Tendencia {
 public:
  static constexpr int kPontos = 450;  // samples across the chart
  static constexpr int kAltura = 200;  // pixels for 0 … 100 % of the scale
  static constexpr int kDivisao = 30;  // samples per grid division
  static constexpr int kLeituras = 6;  // point read-outs
  static constexpr char kEnter = '\r';

  using Valores = std::array<double, kPontos + 1>;
  using Pixels = std::array<std::uint8_t, kPontos + 1>;

  // Engineering range of traces 1 and 2. A range without a finite span
  // cannot be converted to %: the conversions then pass values through, so
  // the chart works on the plain 0 … 100 % range and nothing divides by zero.
  struct Faixa {
    double Inicio = 0.0;
    double Fim = 100.0;

    bool Util() const {
      const double span = Fim - Inicio;
      return span != 0.0 && std::isfinite(span);
    }
    double Engenharia(double r) const { return Util() ? Inicio + (Fim - Inicio) * r / 100.0 : r; }
    double Percentual(double engenharia) const {
      return Util() ? (engenharia - Inicio) * 100.0 / (Fim - Inicio) : engenharia;
    }
  };

  // Where the faceplate trend and the recorder have always differed; each
  // keeps its own way.
  struct Regras {
    // The scale edits may use "," as the decimal point (recorder); otherwise
    // a comma makes them unreadable (faceplate).
    bool VirgulaNasEscalas = false;
    // Grid label k (k = 1 … 9) is EscalaInf + (span/10)·k (recorder) rather
    // than EscalaInf + span·k/10 (faceplate); the two may differ in the last
    // bit, which shows when the label rounds a half.
    bool RotuloPorPasso = false;
    // The manual scale is the usable range's own ends (recorder) rather than
    // its 0 % and 100 % converted to engineering units (faceplate).
    bool EscalaCheiaNosExtremos = false;
  };

  // A point read-out: slot Numero (1 … 6), the value at the pointer's height
  // on the typed scale and the time from the chart's left edge (s).
  struct Ponto {
    int Numero;
    double Valor;
    double Tempo;
  };

  explicit Tendencia(Regras regras) : regras_(regras) {}

  // Counts one step; true when a sample is due (not paused and the time
  // base's count reached), and the count then starts again.
  bool ContaPasso();
  // Moves the grid and the ring on by one sample; returns the new slot.
  std::size_t Avanca();
  // Chart position (%) of a value of trace 1 or 2 (% of the range), not held.
  double NaEscala(double r) const { return (r - EscalaInf) * 100.0 / (EscalaSup - EscalaInf); }

  // Automatic scale: 0.9·min … 1.1·max of ring 1, NaN values left out (the
  // full range when that has no span); manual scale: the full range.
  // Rewrites the pixels of traces 1 and 2, the scale texts, the grid labels
  // and the rate text.
  void Reescala(const Faixa& faixa);
  // Grid labels from EscalaSup/EscalaInf in engineering units, which it then
  // converts to % of the range.
  void AtualizaEscala(const Faixa& faixa);
  // Typed scale on kEnter: leaves the automatic scale, then takes both scale
  // texts (engineering units) when they read and the bottom is below the
  // top. Returns whether the scale was taken.
  bool TeclaEscala(char tecla, const Faixa& faixa);
  // Pixels of traces 1 and 2 from their values against inf … sup (%).
  void RecalculaPixels(double inf, double sup);

  void AlternaPausa() { Pausado = !Pausado; }
  // While paused and both scale texts read: the point at (X, Y) inside the
  // chart, in the next read-out slot (the slots cycle through 1 … 6).
  std::optional<Ponto> MarcaPonto(int X, int Y);

  // Archive on/off. Starting needs a tag and creates the file in `pasta`,
  // headed by the three texts; stopping closes it and reports
  // "Data saved: " + file name. Input/output failures raise Erro.
  void Arquiva(bool ligar, const std::filesystem::path& pasta, std::string_view tag,
               std::string_view texto1, std::string_view texto2, std::string_view texto3,
               const Simulacao& simulacao);
  bool Arquivando() const { return Arquivo.Aberto(); }
  // The scale texts, the pause, the tag and the time base are locked while
  // an archive is written.
  bool ControlesLivres() const { return !Arquivando(); }

  void AtualizaTextoTaxa() { TextoTaxa = DadosBaseTempo(ItemBaseTempo).TextoTaxa; }
  // Every 500 ms while archiving: the rate text blinks.
  void Pisca() { piscando_ = !piscando_; }
  bool PiscaAtivo() const { return Arquivando(); }
  bool TextoTaxaVisivel() const { return Arquivando() && piscando_; }
  bool PainelPontosVisivel() const { return Pausado; }

  // Pixel height of the k-th oldest sample (k = 0 … 449; 449 the newest).
  static int PixelCronologico(const Pixels& pixels, int posicao, int k) {
    return pixels[static_cast<std::size_t>((posicao + k) % kPontos + 1)];
  }
  // x of vertical grid line i = 1 … 15, from the chart's left edge.
  int GradeX(int i) const { return kDivisao * i - FaseGrade - 1; }

  // Form fields, as set by the user.
  int ItemBaseTempo = 0;  // BaseTempoBox: 0 "3 segundos", 1 "9 segundos", 2 "1 minuto"
  bool EscalaAuto = false;
  bool LinhaGrossa = false;  // CheckBox2: traces 2 pixels wide
  bool UsarVirgula = false;
  bool UsarUE = false;
  std::string TextoEscalaSup = "100";  // eSupText
  std::string TextoEscalaInf = "0";    // eInfText

  // Rings, slots 1 … 450 (index 0 unused); Posicao is 0 before the first
  // sample.
  Valores Valores1{};  // % of the range, unscaled
  Valores Valores2{};
  // Traces 3 and 4 as sampled (%), before their pixel rounding, for the
  // read-outs of a pointer over the chart; an owner that keeps no values
  // there leaves them 0.
  Valores Valores3{};
  Valores Valores4{};
  Pixels Pixels1{};
  Pixels Pixels2{};
  Pixels Pixels3{};
  Pixels Pixels4{};
  int Posicao = 0;
  int ContaBase = 0;
  int FaseGrade = 0;         // 0 … 29
  double EscalaSup = 100.0;  // % of the range
  double EscalaInf = 0.0;
  bool Pausado = false;
  int SlotCoordenada = 1;

  // The archive; its TempoArquivo continues across archives.
  ArquivoRegistro Arquivo;

  // Read-outs.
  // Grid labels, 90 % … 10 % line: Label3 … Label11 on the faceplate,
  // Label2 … Label10 on the recorder.
  std::array<std::string, 9> RotuloEscala;
  std::string TextoTaxa = "Arquivando: TA=0.1 seg";  // Label21
  std::array<std::string, kLeituras> Leituras;       // CoodsText1 … CoodsText6

 private:
  std::optional<double> LeEscala(std::string_view texto) const;

  Regras regras_;
  bool piscando_ = false;
};

}  // namespace quiv
