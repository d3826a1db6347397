#!/usr/bin/env bash
# Times the translation memory against translate-toolkit on the same generated files: import,
# lookups (minimum 70, at most 5 matches), database size, peak memory, and how many of
# Tarnwick's matches translate-toolkit returns. bench/memory_peers.py says what each column is.
# Usage: bench/memory_peers.sh BUILD_DIR [SIZES...]   (default sizes: 20000 200000)
# Needs `scripts/install-deps.sh --bench` (translate-toolkit, python3-levenshtein).
set -euo pipefail

build=${1:?usage: bench/memory_peers.sh BUILD_DIR [SIZES...]}
shift
sizes=("$@")
[ $# -eq 0 ] && sizes=(20000 200000)
# Debian's Python, which has Debian's translate-toolkit; not whatever python3 comes first.
python=/usr/bin/python3
if ! "$python" -c 'import translate.storage.tmdb, Levenshtein' 2>/dev/null; then
    echo "memory_peers: translate-toolkit or python3-levenshtein missing;" \
         "run scripts/install-deps.sh --bench" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The command-line tool keeps its data in the data folder; give it a scratch one.
export XDG_DATA_HOME="$work/data"

"$python" "$(dirname "$0")/memory_peers.py" run \
    --cli "$build/src/cli/tarnwick-cli" --generator "$build/bench/tarnwick-genmemory" \
    --work "$work" "${sizes[@]}"
