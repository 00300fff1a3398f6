# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file does not carry the license line in its first two
# lines (tools/licenca.sh adds it).   cmake -DFONTE=<repository> -P licenca.cmake
set(linha "SPDX-License-Identifier: GPL-3.0-or-later")
file(GLOB_RECURSE fontes RELATIVE "${FONTE}"
     "${FONTE}/src/*.cpp" "${FONTE}/src/*.h" "${FONTE}/tests/*.cpp" "${FONTE}/tests/*.h"
     "${FONTE}/tools/*.cpp" "${FONTE}/tools/*.h" "${FONTE}/bench/*.cpp" "${FONTE}/bench/*.h"
     "${FONTE}/fuzz/*.cpp" "${FONTE}/scripts/*.sh" "${FONTE}/tools/*.sh" "${FONTE}/*CMakeLists.txt"
     "${FONTE}/*.cmake")
set(faltam "")
foreach(f ${fontes})
  if(f MATCHES "^build")
    continue()
  endif()
  file(STRINGS "${FONTE}/${f}" primeiras LIMIT_COUNT 2)
  string(FIND "${primeiras}" "${linha}" achou)
  if(achou EQUAL -1)
    list(APPEND faltam "${f}")
  endif()
endforeach()
if(faltam)
  list(JOIN faltam "\n  " lista)
  message(FATAL_ERROR "without the license line (run tools/licenca.sh):\n  ${lista}")
endif()
