#!/bin/sh
# Screenshots of the workbench with a filter on, in English and Japanese, for the README:
# the bundled Elytra export filtered to the untranslated units that mention "feed".
# Usage: scripts/screenshot-workbench.sh [BINARY]   (needs Xvfb, xdotool and ImageMagick)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-"$root/build/default/src/app/tarnwick"}
file="$root/tests/data/corpus/elytra-ja-xcode15-mixed.xliff"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$file" "$scratch/Elytra-ja.xliff"

shoot() {
    lang=$1 output=$2
    LANG=$lang LC_ALL=$lang xvfb-run -a -s "-screen 0 1100x680x24" sh -c '
        "$0" "$1" &
        app=$!
        sleep 3
        # Without a window manager, keys go to the window under the pointer.
        xdotool mousemove 400 660 click 1
        xdotool key ctrl+f
        xdotool type --delay 40 feed
        xdotool key Tab Down shift+Tab
        sleep 0.3
        xdotool key Return Down Down Down Down
        sleep 0.5
        import -window root "$2"
        kill "$app"
        wait "$app" 2>/dev/null || true
    ' "$binary" "$scratch/Elytra-ja.xliff" "$output"
    echo "screenshot-workbench.sh: wrote $output"
}

shoot en_US.UTF-8 "$root/docs/screenshot-workbench-en.png"
shoot ja_JP.UTF-8 "$root/docs/screenshot-workbench-ja.png"
