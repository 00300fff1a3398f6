# SPDX-License-Identifier: GPL-3.0-or-later
# The core's sources: one list for the library and for the fuzz build's
# instrumented copy.
file(GLOB_RECURSE QUIV_CORE_FONTES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
