#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs one for
# SECONDS (default 60): HARNESS is "expressao" (the evaluator, the default),
# "arquivo" (the simulation-file reader) or "historico" (the history-file
# reader), seeded with fuzz/corpus-HARNESS.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
alvo=${2:-expressao}
case "$alvo" in
  expressao) harness=fuzz_expressao ;;
  arquivo) harness=fuzz_arquivo_smp ;;
  historico) harness=fuzz_historico_txd ;;
  *) echo "unknown harness: $alvo (expressao, arquivo or historico)" >&2; exit 2 ;;
esac
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUIV_BUILD_UI=OFF -DQUIV_BUILD_TESTS=OFF -DQUIV_BUILD_BENCH=OFF -DQUIV_BUILD_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "$harness"
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
cp "fuzz/corpus-$alvo"/* "$trabalho"/
"build-fuzz/fuzz/$harness" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$trabalho/" "$trabalho" 2>&1 | tail -n 12
