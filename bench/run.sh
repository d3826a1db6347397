#!/usr/bin/env bash
# Times Tarnwick against expat's bare parse on generated Xcode-style exports.
# Usage: bench/run.sh BUILD_DIR [SIZES...]   (default sizes: 1000 10000 50000 200000)
# Prints a Markdown table: median wall time and peak memory of each command, and each
# time as a ratio to `xmlwf` on the same file (the practical floor: parsing alone).
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR [SIZES...]}
shift
sizes=("$@")
[ $# -eq 0 ] && sizes=(1000 10000 50000 200000)
cli="$build/src/cli/tarnwick-cli"
gen="$build/bench/tarnwick-genexport"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The command-line tool keeps its dictionary in the data folder; give it a scratch one.
export XDG_DATA_HOME="$work/data"

# Runs a command RUNS times; prints "median_seconds peak_kib".
measure() {
    local runs=$1; shift
    local times=() peak=0
    for _ in $(seq "$runs"); do
        local start end kib
        start=$(date +%s%N)
        /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')")
        kib=$(tail -n 1 "$work/rss")
        [ "$kib" -gt "$peak" ] && peak=$kib
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    echo "$median $peak"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) b = 0.001; printf "%.1f×", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

echo "| units | file | xmlwf | open (\`units\`) | save, every target edited (\`apply\`) | replacement pass (\`fill\`) | read and check (\`check\`) | peak memory of \`apply\` |"
echo "|--:|--:|--:|--:|--:|--:|--:|--:|"
for n in "${sizes[@]}"; do
    file="$work/export-$n.xliff"
    edits="$work/edits-$n.jsonl"
    "$gen" "$n" "$file" "$edits"
    runs=5
    [ "$n" -ge 200000 ] && runs=3
    bytes=$(stat -c %s "$file")
    read -r xt xm < <(measure "$runs" xmlwf "$file")
    read -r ut um < <(measure "$runs" "$cli" units "$file")
    read -r at am < <(measure "$runs" "$cli" apply "$file" "$edits" -o "$work/out.xliff")
    read -r ft fm < <(measure "$runs" "$cli" fill "$file" -o "$work/out.xliff")
    read -r ct cm < <(measure "$runs" "$cli" check "$file")
    printf '| %s | %s | %ss | %ss (%s) | %ss (%s) | %ss (%s) | %ss (%s) | %s (%s the file) |\n' \
        "$n" "$(mib $((bytes / 1024)))" "$xt" "$ut" "$(ratio "$ut" "$xt")" "$at" "$(ratio "$at" "$xt")" \
        "$ft" "$(ratio "$ft" "$xt")" "$ct" "$(ratio "$ct" "$xt")" "$(mib "$am")" "$(awk -v m="$am" -v b="$bytes" 'BEGIN { printf "%.1f×", m * 1024 / b }')"
done
