#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs every test there; then
# builds the fuzz target with clang in build-fuzz/ and runs it over its seed
# corpus for a few seconds. Any report of either sanitizer fails the run. The
# tests that touch data run on a throwaway PostgreSQL server too, as in
# scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t packages < scripts/packages.list
scripts/packages.sh "${packages[@]}" clang libclang-rt-14-dev

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMQT_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
cmake --build build-sanitize -j2
source scripts/test-server.sh
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1" \
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-sanitize --output-on-failure -j2
mqt_stop_test_server

cmake -S . -B build-fuzz -DMQT_FUZZ=ON -DMQT_TESTS=OFF -DMQT_BENCHMARKS=OFF \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j2 --target fuzz_search
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp fuzz/corpus/search/* "$scratch"/
build-fuzz/fuzz/fuzz_search -max_total_time=20 -timeout=5 "$scratch" fuzz/corpus/search
echo "fuzz_search: no fault in 20 seconds"
