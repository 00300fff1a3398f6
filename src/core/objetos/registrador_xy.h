// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The simulation file's line reader and writer, for the object's record.
namespace quiv::smp {
class Escritor;
class Leitor;
}  // namespace quiv::smp

namespace quiv {

class Simulacao;

// The XY recorder: one for the whole program, plotting one memory cell
// against another over an off-line run. This holds the window's choices only;
// none of them is kept in the simulation file.
class RegistradorXY {
 public:
  static constexpr int kLinhasRegistro = 18;

  // Preset: 0 "Seleção Individual", then "COxPV [Malha k]" (2k − 1) and
  // "COxMV [Malha k]" (2k), k = 1 … 10.
  int Predefinicao = 0;  // Presets
  // Item indices of the axes' variables, item i standing for cell M(i + 1);
  // −1: nothing selected yet.
  int ItemX = -1;  // ComboX
  int ItemY = -1;  // ComboY
  // Window of simulated time: 0 "10 min", 1 "30 min", 2 "1 hora".
  int ItemJanela = 0;  // JanelaComboBox
  static constexpr std::array<int, 3> kSegundosJanela = {600, 1800, 3600};

  // Until its first drop-down a variable list holds the single item "01".
  bool ListaXCompleta = false;
  bool ListaYCompleta = false;

  // A drop-down (ComboX/ComboY DropDown) fills the list with its 124 items,
  // selects the first and puts the preset back to "Seleção Individual".
  void CompletaListaX();
  void CompletaListaY();
  // A preset chosen (Presets Change). Loop k's preset acts only when
  // controller k exists: X = M(k), Y = its PV ("COxPV") or the position of
  // the valve its output drives, M(100 + n) for the first process block n
  // whose input is M(k) ("COxMV"; none such: no Y). An item the list does not
  // hold yet leaves that axis without a selection.
  void AplicaPredefinicao(int item, const Simulacao& simulacao);
  // "Registra" does something only with both axes chosen.
  bool PodeRegistrar() const { return ItemX >= 0 && ItemY >= 0; }
  int SegundosJanela() const;

  // Record of the simulation file: the header and 18 lines of the prefix
  // alone ("{X/01} " … "{X/18} "), whatever the choices.
  void SalvaParametros(smp::Escritor& e) const;
  // Reads the header and the 18 lines and changes nothing.
  void LeParametros(smp::Leitor& l);
};

}  // namespace quiv
