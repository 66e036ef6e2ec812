#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the normal build, the
# AddressSanitizer + UndefinedBehaviorSanitizer build, and a bounded run of
# every fuzz target on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for preset in default asan; do
  echo "== $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests =="
  ctest --preset "$preset"
done

echo "== fuzz targets =="
cmake --preset fuzz >/dev/null
targets=()
for source in fuzz/*.cpp; do
  name=${source##*/}
  targets+=("fuzz_${name%.cpp}")
done
cmake --build --preset fuzz --target "${targets[@]}"
seconds=${LNF_FUZZ_SECONDS:-10}
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target##*/fuzz_}
  corpus=$(mktemp -d)
  cp -r fuzz/corpus/"$name"/. "$corpus"/ 2>/dev/null || true
  echo "fuzzing $name for ${seconds}s"
  log=$(mktemp)
  if ! "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix=build/fuzz/ \
       "$corpus" >"$log" 2>&1; then
    grep -v '^#' "$log" | tail -n 40
    echo "fuzz target $name failed; the input is in build/fuzz/" >&2
    exit 1
  fi
  tail -n 1 "$log"
  rm -rf "$corpus" "$log"
done
echo "All test suites passed."
