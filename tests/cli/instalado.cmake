# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and runs the installed programs:
# quiv-sim on an installed example, quiv --version without a display; and checks that the
# desktop entry, the icon, the examples and their pictures are in place.
#   cmake -DBUILD=... -DPREFIX=... -DVERSAO=... -P instalado.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE r OUTPUT_QUIET)
if(r)
  message(FATAL_ERROR "install failed: ${r}")
endif()
set(exemplo "${PREFIX}/share/quiv/examples/basic flow loop/basic flow loop.smp")
foreach(f "${PREFIX}/bin/quiv" "${PREFIX}/bin/quiv-sim" "${exemplo}"
          "${PREFIX}/share/quiv/examples/basic flow loop/basic flow loop.png"
          "${PREFIX}/share/quiv/examples/galeria/sim18.png"
          "${PREFIX}/share/applications/quiv.desktop"
          "${PREFIX}/share/icons/hicolor/scalable/apps/quiv.svg")
  if(NOT EXISTS "${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE esperados "${PREFIX}/share/quiv/*.esperado")
if(esperados)
  message(FATAL_ERROR "test data installed: ${esperados}")
endif()
execute_process(COMMAND "${PREFIX}/bin/quiv-sim" run "${exemplo}" --no-archive --seed 1
                RESULT_VARIABLE r OUTPUT_VARIABLE saida ERROR_VARIABLE erro)
if(r OR NOT saida MATCHES "loop 1;")
  message(FATAL_ERROR "installed quiv-sim run failed (${r}): ${saida} ${erro}")
endif()
execute_process(COMMAND "${PREFIX}/bin/quiv-sim" --version OUTPUT_VARIABLE saida)
if(NOT saida MATCHES "quiv-sim ${VERSAO}")
  message(FATAL_ERROR "quiv-sim --version: ${saida}")
endif()
# --version answers on a machine without a display.
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
execute_process(COMMAND "${PREFIX}/bin/quiv" --version RESULT_VARIABLE r OUTPUT_VARIABLE saida ERROR_VARIABLE erro)
if(r OR NOT saida MATCHES "quiv ${VERSAO}")
  message(FATAL_ERROR "quiv --version: ${saida} ${erro}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
