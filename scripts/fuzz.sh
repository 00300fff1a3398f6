#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs the
# evaluator's for SECONDS (default 60), seeded with tests/fuzz/corpus-expressao.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUIV_BUILD_UI=OFF -DQUIV_BUILD_TESTS=OFF -DQUIV_BUILD_BENCH=OFF -DQUIV_BUILD_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_expressao
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
cp fuzz/corpus-expressao/* "$trabalho"/
build-fuzz/fuzz/fuzz_expressao -max_total_time="$segundos" -timeout=5 -print_final_stats=1 \
  -artifact_prefix="$trabalho/" "$trabalho" 2>&1 | tail -n 12
