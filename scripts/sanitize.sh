#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs the tests there; any
# report fails the run. Also starts the program offscreen for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIV_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake --build build-sanitize -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-sanitize
ctest --output-on-failure -j"$(nproc)" -E '^cli\.instalado$'
# The program itself, with a plant running, until the timeout ends it.
exemplo="$PWD/../examples/heat exchanger/heatexchanger.smp"
programa="$PWD/src/ui/quiv"
casa=$(mktemp -d)
printf '<language> Portuguese\n' >"$casa/preferences.cfg"  # no language question
set +e
(cd "$casa" && HOME=$casa XDG_CONFIG_HOME=$casa XDG_DATA_HOME=$casa QT_QPA_PLATFORM=offscreen \
  timeout -s INT 8 "$programa" "$exemplo")
status=$?
set -e
rm -rf "$casa"
[ "$status" -eq 0 ] || [ "$status" -eq 124 ] || [ "$status" -eq 130 ] || { echo "quiv ended with status $status under the sanitizers"; exit 1; }
echo "sanitizers: no report"
