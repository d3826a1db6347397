#!/usr/bin/env bash
# Installs the Debian package from BUILD_DIR the way a user would (apt resolves its Depends),
# runs the installed programs on SAMPLE, then removes the package again, also when a step
# fails. Needs root, or sudo. `make check-package` builds the package first.
set -euo pipefail
build=${1:?usage: check-package.sh BUILD_DIR SAMPLE}
sample=$(realpath "${2:?usage: check-package.sh BUILD_DIR SAMPLE}")

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$(realpath "$build/tarnwick_${version}_$(dpkg --print-architecture).deb")
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
apt() { DEBIAN_FRONTEND=noninteractive $sudo apt-get "$@" -y -qq -o=Dpkg::Use-Pty=0; }

scratch=$(mktemp -d)
cleanup() {
  if dpkg-query -W tarnwick >/dev/null 2>&1; then apt purge tarnwick >/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "--- installing $deb"
apt install "$deb"
dpkg-query -W -f='installed ${Package} ${Version}\n' tarnwick
# shared-mime-info's trigger compiles the type only when its definition is valid.
if command -v update-mime-database >/dev/null; then
  ls /usr/share/mime/application/x-xliff+xml.xml
fi

echo "--- tarnwick-cli --version"
printed=$(/usr/bin/tarnwick-cli --version)
echo "$printed"
[ "$printed" = "tarnwick-cli $version" ]

echo "--- tarnwick-cli units $(basename "$sample")"
units=$(/usr/bin/tarnwick-cli units "$sample")
head -n 2 <<<"$units"
echo "$(wc -l <<<"$units") units"

# Its own data folder, settings and instance channel, so no running Tarnwick is disturbed.
run_app() {
  env HOME="$scratch" XDG_RUNTIME_DIR="$scratch" XDG_CONFIG_HOME="$scratch/config" \
    XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen "$@"
}

echo "--- tarnwick --help in Japanese (the translations inside the program)"
help=$(run_app LC_ALL=ja_JP.UTF-8 LANGUAGE=ja /usr/bin/tarnwick --help)
head -n 3 <<<"$help"
grep -q 'XLIFF ファイルを編集します' <<<"$help"

echo "--- tarnwick $(basename "$sample"), offscreen for 3 seconds"
chmod 700 "$scratch"
status=0
run_app timeout 3 /usr/bin/tarnwick "$sample" || status=$?
# 124: still running when the time was up, as an editor should be.
[ "$status" -eq 124 ] || { echo "tarnwick ended early with status $status" >&2; exit 1; }
echo "still running after 3 seconds"

echo "--- removing"
apt purge tarnwick
if dpkg-query -W tarnwick >/dev/null 2>&1 || [ -e /usr/bin/tarnwick ]; then
  echo "tarnwick is still installed" >&2
  exit 1
fi
echo "removed"
