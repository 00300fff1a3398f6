#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages QUIV needs that are not installed yet.
set -euo pipefail

pacotes=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev dpkg-dev
  libqcustomplot-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libeigen3-dev
)

faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0

echo "Installing: ${faltam[*]}"
como_root=()
[ "$(id -u)" -eq 0 ] || como_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${como_root[@]}" apt-get update -q
"${como_root[@]}" apt-get install -y -q --no-install-recommends "${faltam[@]}"
