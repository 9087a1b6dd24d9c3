#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core and window tests
# (windows on the offscreen platform), the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short run of each fuzz target, and the format check.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ylkaz_install "${YLKAZ_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

echo "== format check"
git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

echo "== build and tests"
ylkaz_configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$(nproc)"

echo "== core tests under sanitizers"
ylkaz_configure_build build-asan -DCMAKE_BUILD_TYPE=Debug -DYLKAZ_SANITIZE=ON -DYLKAZ_GUI=OFF -DYLKAZ_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

echo "== fuzz targets"
ylkaz_configure_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYLKAZ_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++
shopt -s nullglob
for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  seeds=tests/fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "-- $name"
  "$fuzzer" -max_total_time="${YLKAZ_FUZZ_SECONDS:-5}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=0 "$work" 2>"$work.log" || { tail -50 "$work.log"; exit 1; }
  rm -rf "$work" "$work.log"
done
echo "All tests passed."
