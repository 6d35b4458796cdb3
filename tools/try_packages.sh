#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the packages tools/package.sh built, as a player would get them, plays a short game
# with the installed terminal edition as an unprivileged user with an empty home, and removes
# the packages again. Needs root (or sudo).
set -euo pipefail
cd "$(dirname "$0")/../build"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
packages=(./velmoran_*.deb ./velmoran-console_*.deb ./velmoran-data_*_all.deb)

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${packages[@]}" >/dev/null
home=$(mktemp -d)
trap '$sudo rm -rf "$home"' EXIT
$sudo chown nobody "$home"
transcript=$(printf 'start\nEva\n\nset vlada 99\nset kasa -15001\nprohra-ok\nkonec\n' |
  (cd / && $sudo setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i HOME="$home" PATH=/usr/games:/usr/bin velmoran-console))
grep -qx 'TOP | Eva | 99' <<<"$transcript" || { echo "$transcript" >&2; echo "FAIL: the installed game" >&2; exit 1; }
for page in man6/velmoran.6.gz man6/velmoran-console.6.gz man1/velmoran-data-check.1.gz; do
  [[ -f /usr/share/man/$page ]] || { echo "FAIL: no manual page $page" >&2; exit 1; }
done
DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y velmoran velmoran-console velmoran-data >/dev/null
! dpkg-query -W -f='${Status}\n' velmoran velmoran-console velmoran-data 2>/dev/null | grep -q "install ok installed"
echo "installed, played by a new player and removed"
