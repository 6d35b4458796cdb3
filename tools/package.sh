#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the three Debian packages from the build in build/ (tools/build.sh makes it), checks
# that each names what it needs and that apt could install them here, and checks them with
# lintian: an error or a warning fails.
#
#   tools/package.sh    ->  build/velmoran{,-console}_<version>_<architecture>.deb,
#                           build/velmoran-data_<version>_all.deb
set -euo pipefail
cd "$(dirname "$0")/../build"
rm -f velmoran*.deb
cpack -G DEB
packages=(velmoran_*.deb velmoran-console_*.deb velmoran-data_*_all.deb)
needs() {  # package, what it must depend on
  local depends
  depends=$(dpkg-deb -f "$1" Depends)
  for need in "${@:2}"; do
    [[ "$depends" == *"$need"* ]] || { echo "$1 does not depend on $need" >&2; exit 1; }
  done
  echo "built build/$1 (Depends: $depends)"
}
needs "${packages[0]}" velmoran-data libqt6widgets6 libasound2 libstdc++6
needs "${packages[1]}" velmoran-data libstdc++6
! dpkg-deb -f "${packages[1]}" Depends | grep -q libqt || { echo "the terminal edition needs Qt" >&2; exit 1; }
apt-get install --simulate "${packages[@]/#/./}" >/dev/null
lintian --pedantic --fail-on error,warning "${packages[@]}"
