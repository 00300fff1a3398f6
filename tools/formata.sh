#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats every C++ source file of the repository as .clang-format says, with
# the clang-format scripts/setup.sh installs (the tests check it).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | xargs clang-format -i --style=file:.clang-format
