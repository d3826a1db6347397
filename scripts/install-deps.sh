#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tarnwick need.
# Does nothing when every package is already there, so `make` stays quick on a set-up machine.
# With --bench (`make bench`) also the peers the benchmarks compare with: translate-toolkit and
# python3-levenshtein, which it uses when present, for bench/memory_peers.sh.
set -euo pipefail

# Not a Debian system (macOS): install what the README's Install section names instead.
if ! command -v dpkg-query >/dev/null; then exit 0; fi

packages=(
  cmake ninja-build g++ pkg-config make git dpkg-dev
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgl-dev libicu-dev libexpat1-dev expat libsqlite3-dev
  libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth imagemagick time xdotool
  fonts-noto-cjk
)
if [ "${1:-}" = "--bench" ]; then
  packages+=(translate-toolkit python3-translate python3-levenshtein)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
