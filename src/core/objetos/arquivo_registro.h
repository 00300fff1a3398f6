// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace quiv {

// One time base of a trend (recorder or controller faceplate). The trend
// counts scan cycles, not seconds: a sample is taken when `Ciclos` cycles have
// been counted. The archive's time column advances by `PeriodoArquivo` per
// row whatever the real scan interval (0.334, not 0.3, for the middle base).
struct BaseTempo {
  int Ciclos;                    // cycles per sample: 1, 3, 20
  double PeriodoArquivo;         // s added to the time column per row
  double SegundosPorPixel;       // at the nominal 0.1 s scan: 0.1, 0.3, 2
  const char* PrefixoCabecalho;  // first field of the header line
  const char* TextoTaxa;         // the blinking rate text while archiving
};

// Time base of an item of the time-base list (Tendencia::ItemBaseTempo):
// 0 "3 segundos", 1 "9 segundos", 2 "1 minuto". Any other index is read as
// item 0.
const BaseTempo& DadosBaseTempo(int item);

// The semicolon-separated archive of a trend. The object lives as long as its
// owner, so the time column of a second archive continues where the first
// one stopped.
//
// File: `pasta` / (tag + "_" + n + ".txt"), n the first of 1, 2, … naming no
// existing file; an existing file is never overwritten. Lines end in CR LF.
//   header:  prefix of the time base + text1 + ";" + text2 + ";" + text3
//   row:     TempoArquivo;a;b;c   each number with 2 decimals (half away from
//            zero); with `virgula` the point of each number becomes ","
// Every input/output failure raises Erro with the file's path in its message;
// a failed row also closes the archive, so one failure is reported once.
class ArquivoRegistro {
 public:
  ArquivoRegistro() = default;
  ArquivoRegistro(const ArquivoRegistro&) = delete;
  // The file belongs to the object that opened it, not to the plant's state:
  // a copy of the plant (built, then assigned the original's state) keeps
  // its own archive closed, and a plant that takes over an earlier state
  // goes on writing its archive where it was.
  ArquivoRegistro& operator=(const ArquivoRegistro&) { return *this; }

  // Creates the next free file for `tag` in `pasta` and writes the header;
  // sets PeriodoArquivo from the time base. An open archive is closed first.
  void Abre(const std::filesystem::path& pasta, std::string_view tag, int base,
            std::string_view texto1, std::string_view texto2, std::string_view texto3);
  // Appends one row and advances TempoArquivo. Does nothing when closed.
  void EscreveLinha(double a, double b, double c, bool virgula);
  // Closes the file (no effect when closed).
  void Fecha();

  bool Aberto() const { return aberto_; }
  // The file of the current or of the last archive.
  const std::filesystem::path& Caminho() const { return caminho_; }

  double TempoArquivo = 0.0;    // s, time column of the next row
  double PeriodoArquivo = 0.1;  // s

 private:
  [[noreturn]] void FalhaGravacao();

  struct FechaArquivo {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  void Grava(const char* dados, std::size_t tamanho);

  std::unique_ptr<std::FILE, FechaArquivo> arquivo_;
  std::filesystem::path caminho_;
  bool aberto_ = false;
};

// Pixel height of a % position on a 450 × 200 trend: Round(2·p) held in
// 0 … 200, ties to even.
inline std::uint8_t PixelTendencia(double p) {
  const double v = 2.0 * p;
  if (!(v >= 0.0)) return 0;
  if (v >= 200.0) return 200;
  return static_cast<std::uint8_t>(std::nearbyint(v));
}

}  // namespace quiv
