// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quiv {

// A text made safe as a file-name stem: characters that no file system
// accepts in a name (controls, DEL, < > : " / \ | ? *) become "_", so a file
// named after a tag or a title always lands inside the chosen folder and the
// name is valid on every platform. Other characters, accents included, stay.
std::string NomeSeguro(std::string_view texto);

// stem + "_" + n + extensao in `pasta`, n = 1, 2, … the first name that is not
// taken, with the stem made safe. A dangling link counts as taken: writing
// through it would create or replace a file elsewhere. A name whose state
// cannot be read is returned, so that opening it reports the failure.
std::filesystem::path NomeLivre(const std::filesystem::path& pasta, std::string_view stem,
                                std::string_view extensao);

// A path as UTF-8 text, for messages.
std::string TextoCaminho(const std::filesystem::path& caminho);

}  // namespace quiv
