// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "core/nucleo/simulacao.h"
#include "core/objetos/tendencia.h"

namespace quiv {

class Controlador;

// The trend of a controller faceplate: the last 450 samples of PV, SP, CO and
// the actuator position of the process the controller measures, plus the
// controller's data archive.
//
// The chart (Grafico) draws the PV and the SP as its traces 1 and 2, on a
// scale in % of the PV's engineering range start … end, and the CO and the
// actuator position as its traces 3 and 4, always on 0 … 100 % (height
// Round(2·value)). A sample is taken every 1, 3 or 20 controller steps (time
// base).
//
// An engineering range without span (start = end) cannot be converted to %:
// the scale operations then work on the plain 0 … 100 % range, so nothing
// divides by zero.
class TendenciaControlador {
 public:
  static constexpr int kLeituras = Tendencia::kLeituras;
  static constexpr char kEnter = Tendencia::kEnter;

  // A point marker (Shape1 … Shape6) at (X, Y) inside the chart; its number
  // label sits at (X + 5, Y − 12).
  struct Marcador {
    bool Visivel = false;
    int X = 0;
    int Y = 0;
  };

  TendenciaControlador(Simulacao& simulacao, const Controlador& controlador);

  // End of every controller step, also in off-line runs: counts the step,
  // takes a sample when the time base says so and writes the archive row.
  void Amostra();

  // After the controller's parameters are applied (whatever the result):
  // manual scale = the full engineering range; automatic scale = 0.9·min …
  // 1.1·max of the PV ring (the full range when that has no span). Rewrites
  // the PV/SP pixel rows, the scale texts, the marks and the rate text.
  void Reescala();

  // Operator actions.
  // Manual scale on kEnter: both edits must be plain numbers (no comma) with
  // the bottom below the top; otherwise nothing changes. Returns whether the
  // scale was taken.
  bool TeclaEscala(char tecla);
  // Pause toggle; leaving the pause resets the point read-outs.
  void AlternaPausa();
  // Point read-out at (X, Y) inside the chart. Returns whether a point was
  // set (paused, and both scale texts are plain numbers).
  bool MarcaPonto(int X, int Y);
  // Archive on/off. Starting needs a tag and creates the file in `pasta`
  // (the window keeps the folder chosen once for all controllers); stopping
  // closes it and reports "Data saved: " + file name. Input/output failures
  // raise Erro.
  void Arquiva(bool ligar, const std::filesystem::path& pasta);
  // The trend is opened from the narrow faceplate.
  void AbreTendencia();
  void FechaJanela();

  // The rings of the four traces.
  const Tendencia::Valores& ValoresPV() const { return Grafico.Valores1; }
  const Tendencia::Valores& ValoresSP() const { return Grafico.Valores2; }
  const Tendencia::Valores& ValoresCO() const { return Grafico.Valores3; }  // held in 0 … 100
  const Tendencia::Valores& ValoresAtuador() const { return Grafico.Valores4; }
  const Tendencia::Pixels& PixelsPV() const { return Grafico.Pixels1; }
  const Tendencia::Pixels& PixelsSP() const { return Grafico.Pixels2; }
  const Tendencia::Pixels& PixelsCO() const { return Grafico.Pixels3; }
  const Tendencia::Pixels& PixelsAtuador() const { return Grafico.Pixels4; }

  // Form fields, as set by the user.
  bool MostrarPV = true;
  bool MostrarSP = true;
  bool MostrarCO = true;
  bool MostrarAtuador = false;
  bool ArquivoHabilitado = false;  // CheckBox1; set when the parameters are applied

  // Traces 1 PV, 2 SP, 3 CO, 4 actuator position; scale, point read-outs and
  // archive.
  Tendencia Grafico;
  std::array<Marcador, kLeituras> Marcadores;  // Shape1 … Shape6

 private:
  Tendencia::Faixa FaixaPV() const;
  void LeiturasPonto();

  Vinculo<Simulacao> simulacao_;
  Vinculo<const Controlador> controlador_;
};

}  // namespace quiv
