#!/usr/bin/env bash
# Builds the fuzz targets (fuzz preset, clang) and runs each for SECONDS seconds.
# With RUNS given (fuzz/run.sh SECONDS RUNS) each target instead tries RUNS inputs from a
# fixed random seed and a fresh working corpus, so the same code always meets the same
# inputs: what passes here passes in CI. SECONDS still caps each target.
# Seeds: the small inputs in fuzz/seeds/ and fuzz/regressions/, plus the real Xcode exports
# of ../shared/corpus when they are there (copied into the build tree, never committed).
# Exits non-zero when any target finds an input that breaks a check; the input is kept in
# build/fuzz/artifacts/<target>/ and belongs in fuzz/regressions/<target>/ once fixed.
set -euo pipefail

seconds=${1:-60}
runs=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
corpus_dir="$root/../shared/corpus"
# Real exports up to this size seed the XLIFF targets; larger ones only slow each run.
max_seed_bytes=262144

cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers

seeds_for() {
  local target=$1 work=$2
  local area=${target%_fuzzer}
  case $area in
    reader | writer | matcher) area=xliff ;;
  esac
  if [ -d "fuzz/seeds/$area" ]; then cp -f fuzz/seeds/"$area"/* "$work"/ 2>/dev/null || true; fi
  if [ -d "fuzz/regressions/$target" ]; then
    cp -f fuzz/regressions/"$target"/* "$work"/ 2>/dev/null || true
  fi
  if [ "$area" = xliff ] && [ -d "$corpus_dir" ]; then
    find "$corpus_dir" -maxdepth 1 -name '*.xliff' -size -"$max_seed_bytes"c -exec cp -f {} "$work"/ \;
  fi
}

failed=()
for binary in "$build"/fuzz/*_fuzzer; do
  [ -x "$binary" ] || continue
  target=$(basename "$binary")
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  [ -n "$runs" ] && rm -rf "$work"
  mkdir -p "$work" "$artifacts"
  seeds_for "$target" "$work"
  dict=()
  case $target in
    reader_fuzzer | writer_fuzzer | matcher_fuzzer) dict=(-dict="$root/fuzz/xliff.dict") ;;
  esac
  limits=(-max_total_time="$seconds")
  [ -n "$runs" ] && limits+=(-runs="$runs" -seed=1)
  echo "== $target for ${seconds}s${runs:+ or $runs inputs}"
  if ! ASAN_OPTIONS=detect_leaks=1 "$binary" "${dict[@]}" "${limits[@]}" \
      -max_len="$max_seed_bytes" -timeout=60 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" 2>"$build/$target.log"; then
    tail -n 40 "$build/$target.log" >&2
    echo "$target: failed; the input is in $artifacts" >&2
    failed+=("$target")
  else
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/$target.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
echo "fuzzing: no faults found"
