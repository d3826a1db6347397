#!/bin/sh
# Takes a screenshot of Tarnwick's main window on a virtual X display (Xvfb), for the README.
# Usage: scripts/screenshot.sh [BINARY] [FILE] [OUTPUT]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-"$root/build/default/src/app/tarnwick"}
file=${2:-"$root/samples/Sample-ja.xliff"}
output=${3:-"$root/docs/screenshot-main.png"}

if [ ! -x "$binary" ]; then
    echo "screenshot.sh: no program at $binary (run 'make build' first)" >&2
    exit 1
fi

# Settings, the recent-documents list and the instance socket go to a throw-away home,
# so the screenshot neither reads nor changes the user's own.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM

export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

xvfb-run -a -s "-screen 0 1100x680x24" sh -c '
    "$0" "$1" &
    app=$!
    sleep 3
    import -window root "$2"
    kill "$app"
    wait "$app" 2>/dev/null || true
' "$binary" "$file" "$output"

echo "screenshot.sh: wrote $output"
