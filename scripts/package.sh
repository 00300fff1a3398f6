#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh machine, builds QUIV in Release and makes its Debian
# package (build/quiv_<version>_<arch>.deb); install it with
#   sudo apt install ./build/quiv_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh -DCMAKE_INSTALL_PREFIX=/usr
cd build
cpack -G DEB
ls -1 quiv_*.deb
