#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh machine, builds QUIV and runs every test; ends with CTest's
# pass/fail summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
# The fuzz harnesses (evaluator, simulation-file, history-file and
# comments-file readers),
# where clang has libFuzzer: they must build, and a short run must find nothing.
sonda=$(mktemp -d)
printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' >"$sonda/s.cpp"
if command -v clang++ >/dev/null 2>&1 &&
  clang++ -fsanitize=fuzzer "$sonda/s.cpp" -o "$sonda/s" >/dev/null 2>&1; then
  bash scripts/fuzz.sh 15 expressao
  bash scripts/fuzz.sh 15 arquivo
  bash scripts/fuzz.sh 15 historico
  bash scripts/fuzz.sh 15 rtf
else
  echo "clang with libFuzzer not found: fuzz harness skipped"
fi
rm -rf "$sonda"
cd build
ctest --output-on-failure -j"$(nproc)"
