// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace quiv {

// The examples gallery: the shipped simulations, tab by tab, each with its
// card (picture name, title, description, hint) in both interface languages.
// In a description "\n\n" separates a heading from its text.
struct CartaoExemplo {
  int aba;                  // 0 … kAbasExemplos − 1
  std::string_view figura;  // card picture: "sim18" → galeria/sim18.png
  std::string_view titulo;
  std::string_view descricao;
  std::string_view dica;  // hint of the picture; empty: none
  std::string_view tituloIngles;
  std::string_view descricaoIngles;
  // The simulation file, relative to the folder that holds "examples".
  std::string_view arquivo;
};

inline constexpr int kAbasExemplos = 6;
inline constexpr int kExemplos = 22;

// "Vazão/Pressão", "Nível (integrador)", … and their English captions.
std::string_view TituloAbaExemplos(int aba, bool ingles);

// The cards in gallery order: tab by tab, two rows of two.
const std::array<CartaoExemplo, kExemplos>& CartoesExemplos();

// Folder of the card pictures, relative to the folder that holds "examples".
inline constexpr std::string_view kPastaGaleria = "examples/galeria";

}  // namespace quiv
