#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the license line at the top of every source file that lacks it
# (after a "#!" line); run from anywhere, it edits the repository in place.
#   bash tools/licenca.sh
set -euo pipefail
cd "$(dirname "$0")/.."
linha='SPDX-License-Identifier: GPL-3.0-or-later'
git ls-files -- '*.cpp' '*.h' '*.cmake' '*CMakeLists.txt' '*.sh' | while IFS= read -r f; do
  head -n 2 "$f" | grep -q "$linha" && continue
  case "$f" in
    *.cpp | *.h) comentario="// $linha" ;;
    *) comentario="# $linha" ;;
  esac
  if head -n 1 "$f" | grep -q '^#!'; then
    sed -i "1a $comentario" "$f"
  else
    sed -i "1i $comentario" "$f"
  fi
done
