#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs one for
# SECONDS (default 60): HARNESS is "expressao" (the evaluator, the default),
# "arquivo" (the simulation-file reader), "historico" (the history-file
# reader) or "rtf" (the comments-file reader), seeded with fuzz/corpus-HARNESS.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
alvo=${2:-expressao}
case "$alvo" in
  expressao) harness=fuzz_expressao ;;
  arquivo) harness=fuzz_arquivo_smp ;;
  historico) harness=fuzz_historico_txd ;;
  rtf) harness=fuzz_texto_rtf ;;
  *) echo "unknown harness: $alvo (expressao, arquivo, historico or rtf)" >&2; exit 2 ;;
esac
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUIV_BUILD_UI=OFF -DQUIV_BUILD_TESTS=OFF -DQUIV_BUILD_BENCH=OFF -DQUIV_BUILD_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "$harness"
# The corpus grows in a scratch folder; crash, leak and timeout inputs are kept
# in the build tree, where they outlive the run.
trabalho=$(mktemp -d)
registro=$(mktemp)
trap 'rm -rf "$trabalho" "$registro"' EXIT
cp "fuzz/corpus-$alvo"/* "$trabalho"/
achados="$PWD/build-fuzz/achados-$alvo"
mkdir -p "$achados"
status=0
"build-fuzz/fuzz/$harness" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$achados/" "$trabalho" >"$registro" 2>&1 || status=$?
tail -n 12 "$registro"
if [ -n "$(ls -A "$achados")" ]; then
  echo "inputs the fuzzer found are kept in $achados:"
  ls -1 "$achados"
fi
exit "$status"
