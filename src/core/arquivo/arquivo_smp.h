// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/arquivo/documento.h"
#include "core/arquivo/linhas_smp.h"

// The simulation file (.smp): a whole Documento as positional text lines.
// The writer writes every block in this order; the reader reads the same
// lines in the same order and, but for the two optional blocks of older files
// and the comment markers, never looks at a header line:
//
//   title; background picture;
//   "<<<Unidades Engenharia>>>" and M15 … M96           (optional on reading)
//   "<<Tracks>>" and the six data entries                 (optional on reading)
//   "<Controls>", 10 flags "True"/"False", the records of the included ones;
//   likewise "<Process>" (24), "<Blocs>" (24), "<Registers>" (10) and
//   "<Textos Animados>" (20);
//   positions of the included objects; XY recorder record; three "vago";
//   signal generator record; shapes; switches; command panel; push buttons;
//   linearizer; comments.
namespace quiv {

// Builds the file's lines from the document. Texts that hold both languages
// and both comment blocks are written whole, whichever language is in force.
void EscreveSimulacao(const Documento& doc, smp::Escritor& e);

// Writes the file: the bytes go to a temporary file beside `arquivo`, which
// then replaces it. Any failure throws Erro saying what failed, on which
// path and the system's reason ("cannot create …/out.smp: Not a
// directory"), removes the temporary file and leaves a previous `arquivo` as
// it was. Saving through a link writes the file it names; the file keeps
// its permissions.
void SalvaSimulacao(const Documento& doc, const std::filesystem::path& arquivo);

// "Salvar Como", and "Salvar" without a file: the file the chosen name
// stands for (a name without an extension gets ".smp"; a dot in a folder's
// name does not count), and a simulation without a title takes the chosen
// file's name, as typed, for its title.
std::filesystem::path ArquivoDoNomeEscolhido(const std::filesystem::path& escolhido);
void TitulaPeloNomeEscolhido(Documento& doc, const std::filesystem::path& escolhido);

// Reads a file into the document, in file order. Objects whose flag is
// exactly "True" are created (a new instance replaces one in the same slot;
// objects the file leaves out are not removed), read, then applied with
// messages on, so the failed checks' texts reach doc.simulacao.Informa in
// file order; recorders get AposLeitura. An empty title becomes
// `nomeArquivo`. Texts stored as "Português|English" keep both languages;
// the apply operations use the half of doc.simulacao's language. At the end
// the object buttons take their tags as captions (AtualizaLegendas).
//
// A malformed strict integer or colour throws Erro ("'%s' is not a valid
// integer value"), and so does a line without the number the file always
// writes there, a state or a cell's value (smp::MensagemRealInvalido): the
// load stops there and what was read stays in place. Lines missing at the
// end read as empty, so a truncated file loads what it holds up to the first
// such value it lacks.
//
// `progresso`, when set, hears how far the load got, in percent: 10 after
// the data entries, 25, 45, 60, 70 and 85 after the five object blocks, 90
// after the positions, 95 after the XY recorder and 100 after the push
// buttons.
using ProgressoLeitura = std::function<void(int)>;
void LeSimulacao(Documento& doc, smp::Leitor& l, std::string_view nomeArquivo,
                 const ProgressoLeitura& progresso = {});

// Reads the file `arquivo`. Returns false, changing nothing, when it does not
// exist (the window tells the user kMensagemArquivoNaoEncontrado); true when
// the load completed. A file with nothing but blanks and line breaks in it
// throws Erro, changing nothing: its name and MensagemArquivoVazio in the
// language of doc.simulacao. A file that cannot be read throws Erro with the
// run-time library's message; the reading errors are those above, followed
// by where the load stopped: the file, the line and its label. An empty
// title becomes the file's name without folder and extension.
//
// Files larger than kMaiorArquivoSmp bytes and lines longer than
// kMaiorLinhaSmp bytes are refused before anything is read: no simulation
// comes near them (a full plant saves about 60 KB in lines under 300
// characters), and reading such input would only cost time and memory.
inline constexpr std::uintmax_t kMaiorArquivoSmp = 16u << 20;
inline constexpr std::size_t kMaiorLinhaSmp = 64u << 10;
bool LeSimulacao(Documento& doc, const std::filesystem::path& arquivo,
                 const ProgressoLeitura& progresso = {});

// "Arquivo não encontrado" / "File not found".
std::string_view MensagemArquivoNaoEncontrado(bool ingles);
// "o arquivo está vazio" / "the file is empty", after the file's name.
std::string_view MensagemArquivoVazio(bool ingles);

}  // namespace quiv
