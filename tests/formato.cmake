# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source file is not formatted as .clang-format says (run
# tools/formata.sh to format the tree).
#   cmake -DFONTE=<repository> -DCLANG_FORMAT=<program> [-DPASTA=<folder>] -P formato.cmake
# PASTA checks that folder's files instead of the repository's, with the
# repository's style (the test of this check uses it).
if(PASTA)
  file(GLOB_RECURSE fontes "${PASTA}/*.cpp" "${PASTA}/*.h")
else()
  file(GLOB_RECURSE fontes "${FONTE}/src/*.cpp" "${FONTE}/src/*.h" "${FONTE}/tests/*.cpp"
       "${FONTE}/tests/*.h" "${FONTE}/tools/*.cpp" "${FONTE}/tools/*.h" "${FONTE}/bench/*.cpp"
       "${FONTE}/bench/*.h" "${FONTE}/fuzz/*.cpp" "${FONTE}/fuzz/*.h")
endif()
# One run over all files: it names each unformatted file in its complaints.
execute_process(COMMAND "${CLANG_FORMAT}" --style=file:${FONTE}/.clang-format --dry-run --Werror
                        ${fontes}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE queixas)
set(mal "")
if(NOT status EQUAL 0)
  string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error" linhas "${queixas}")
  foreach(linha ${linhas})
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error$" "" arquivo "${linha}")
    file(RELATIVE_PATH nome "${FONTE}" "${arquivo}")
    list(APPEND mal "${nome}")
  endforeach()
  list(REMOVE_DUPLICATES mal)
  if(NOT mal)
    message(FATAL_ERROR "${CLANG_FORMAT} failed:\n${queixas}")
  endif()
endif()
if(mal)
  list(JOIN mal "\n  " lista)
  message(FATAL_ERROR "not formatted (run tools/formata.sh):\n  ${lista}")
endif()
list(LENGTH fontes quantos)
message(STATUS "${quantos} files formatted")
