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

# Runs a command once under NAME, adding its wall time and peak memory to NAME's record.
once() {
    local name=$1; shift
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", (b - a) / 1e9 }' >>"$work/$name.times"
    tail -n 1 "$work/rss" >>"$work/$name.peaks"
}

# Prints "median_seconds peak_kib" of NAME's runs, and forgets them.
summary() {
    local name=$1
    echo "$(sort -g "$work/$name.times" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')" \
        "$(sort -g "$work/$name.peaks" | tail -n 1)"
    rm -f "$work/$name.times" "$work/$name.peaks"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) b = 0.001; printf "%.1f×", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

# The two shapes: an interface export (one <file> per 250 units, a third untranslated, ids
# that are object ids), and a strings-table export (40 <file> elements, one unit in ten
# untranslated, source texts as ids with escaped markup in ids and notes).
shapes=("interface|" "strings|--files 40 --untranslated 10 --markup")

echo "| shape | units | file | xmlwf | open (\`units\`) | save, every target edited (\`apply\`) | replacement pass (\`fill\`) | read and check (\`check\`) | peak memory of \`apply\` |"
echo "|:--|--:|--:|--:|--:|--:|--:|--:|--:|"
for n in "${sizes[@]}"; do
    for shape in "${shapes[@]}"; do
        name=${shape%%|*}
        read -r -a options <<<"${shape#*|}"
        file="$work/$name-$n.xliff"
        edits="$work/$name-$n.jsonl"
        "$gen" "${options[@]}" "$n" "$file" "$edits"
        runs=5
        [ "$n" -ge 200000 ] && runs=3
        bytes=$(stat -c %s "$file")
        # Dirty pages of the files just written are flushed first, and the commands take
        # turns within each round, so a slow spell of the machine falls on all of them alike
        # rather than on one command's runs.
        sync
        for _ in $(seq "$runs"); do
            once xmlwf xmlwf "$file"
            once units "$cli" units "$file"
            once apply "$cli" apply "$file" "$edits" -o "$work/out.xliff"
            once fill "$cli" fill "$file" -o "$work/out.xliff"
            once check "$cli" check "$file"
        done
        read -r xt xm < <(summary xmlwf)
        read -r ut um < <(summary units)
        read -r at am < <(summary apply)
        read -r ft fm < <(summary fill)
        read -r ct cm < <(summary check)
        printf '| %s | %s | %s | %ss | %ss (%s) | %ss (%s) | %ss (%s) | %ss (%s) | %s (%s the file) |\n' \
            "$name" "$n" "$(mib $((bytes / 1024)))" "$xt" "$ut" "$(ratio "$ut" "$xt")" "$at" \
            "$(ratio "$at" "$xt")" "$ft" "$(ratio "$ft" "$xt")" "$ct" "$(ratio "$ct" "$xt")" "$(mib "$am")" \
            "$(awk -v m="$am" -v b="$bytes" 'BEGIN { printf "%.1f×", m * 1024 / b }')"
        rm -f "$file" "$edits" "$work/out.xliff"
    done
done
