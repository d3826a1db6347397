#!/usr/bin/env bash
# Makes src/app/data/tarnwick.icns, the macOS application icon, from tarnwick.svg, so the
# drawing has one source: every <rect> of the SVG is painted with ImageMagick at the sizes
# Finder and the Dock use, and the PNGs are packed into Apple's icns container.
# Run it again after changing the drawing, and commit both files.
set -euo pipefail
cd "$(dirname "$0")/.."

svg=src/app/data/tarnwick.svg
out=src/app/data/tarnwick.icns
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A number as four big-endian bytes, as icns stores every length.
be32() {
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) \
    $(($1 >> 8 & 255)) $(($1 & 255)))"
}
attribute() { sed -n "s/.* $1=\"\([^\"]*\)\".*/\1/p" <<<"$2"; }

view=$(sed -n 's/.*viewBox="0 0 \([0-9]*\) [0-9]*".*/\1/p' "$svg")
mapfile -t rects < <(grep -o '<rect [^>]*>' "$svg")

body="$work/body"
: >"$body"
for entry in ic07:128 ic08:256 ic09:512 ic10:1024; do
  type=${entry%%:*}
  size=${entry##*:}
  scale=$((size / view))
  draw=()
  for rect in "${rects[@]}"; do
    x=$(($(attribute x "$rect") * scale))
    y=$(($(attribute y "$rect") * scale))
    right=$((x + $(attribute width "$rect") * scale - 1))
    bottom=$((y + $(attribute height "$rect") * scale - 1))
    radius=$(($(attribute rx "$rect") * scale))
    draw+=(-fill "$(attribute fill "$rect")"
           -draw "roundrectangle $x,$y $right,$bottom $radius,$radius")
  done
  convert -size "${size}x${size}" xc:none "${draw[@]}" "PNG32:$work/$type.png"
  { printf '%s' "$type"; be32 $(($(stat -c %s "$work/$type.png") + 8)); cat "$work/$type.png"; } >>"$body"
done
{ printf 'icns'; be32 $(($(stat -c %s "$body") + 8)); cat "$body"; } >"$out"
echo "wrote $out"
