#!/usr/bin/env bash
# Sets up a fresh machine, builds QUIV and runs every test; ends with CTest's
# pass/fail summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if command -v clang++ >/dev/null 2>&1; then
  # The evaluator's fuzz harness: it must build, and a short run must find nothing.
  bash scripts/fuzz.sh 20
fi
cd build
ctest --output-on-failure -j"$(nproc)"
