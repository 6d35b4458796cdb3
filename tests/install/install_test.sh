#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built game into a temporary prefix as its package does, checks the desktop entry
# and the AppStream metainfo, and plays the installed game as a new player whose per-user
# folder does not exist yet.
#
#   install_test.sh BUILD_FOLDER APP_ID SOURCE_GAME_FOLDER
set -euo pipefail
build=$1
app_id=$2
source_game=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
shipped=$prefix/share/velmoran

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in games/velmoran games/velmoran-console games/velmoran-data-check \
  share/man/man6/velmoran.6.gz share/man/man1/velmoran-data-check.1.gz \
  share/doc/velmoran/copyright share/doc/velmoran-data/changelog.gz share/velmoran/data/welcome.ini \
  share/velmoran/defaults/best.dat share/velmoran/defaults/data.dat share/velmoran/sound.dat \
  share/velmoran/napoveda.html share/velmoran/napoveda-hra.png \
  "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$app_id.svg" \
  "share/icons/hicolor/48x48/apps/$app_id.png" "share/icons/hicolor/256x256/apps/$app_id.png"; do
  [[ -f "$prefix/$file" ]] || fail "not installed: $file"
done

desktop-file-validate "$prefix/share/applications/$app_id.desktop"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" || fail "icon name"
grep -qx "Exec=velmoran" "$prefix/share/applications/$app_id.desktop" || fail "program name"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

# Every program answers --help and --version without starting a game, and refuses what it does
# not know with its usage on standard error.
for program in velmoran velmoran-console velmoran-data-check; do
  for case in "--help 0 Použití" "--version 0 $program 0.1" "--hrat 2 "; do
    read -r option status expected <<<"$case"
    actual=0
    out=$(env -i "$prefix/games/$program" "$option" 2>"$work/err" </dev/null) || actual=$?
    [[ $actual == "$status" && "$out" == "$expected"* ]] || fail "$program $option: $actual, $out"
  done
  grep -q Použití "$work/err" || fail "$program: no usage on standard error"
done
grep -qx "StartupWMClass=velmoran" "$prefix/share/applications/$app_id.desktop" || fail "window class"

# The installed terminal edition, started from a folder that is no game folder (or from
# $start_in), with a fresh home and nothing else from the environment.
mkdir -p "$work/home" "$work/elsewhere"
play() {  # script, then extra environment
  local script=$1
  shift
  printf "$script" | (cd "${start_in:-$work/elsewhere}" && env -i HOME="$work/home" "$@" "$prefix/games/velmoran-console")
}
score='start\nEva\n\nset vlada 99\nset kasa -15001\nprohra-ok\nkonec\n'

player=$work/home/.local/share/velmoran
transcript=$(play "nastaveni\ncheck1\nulozit\nohre\nabout-link\nabout-click\n$score")
[[ "$(head -n 3 <<<"$transcript")" == $'SCREEN | splash | open\nSCREEN | splash | closed\nSCREEN | Menu | open' ]] ||
  fail "the installed game does not open with the splash screen and the title menu"
! grep -E '^(MSG \| critical \| CHYBA|ERR)' <<<"$transcript" || fail "errors in the transcript"
grep -qx "LINK | file://$shipped/napoveda.html" <<<"$transcript" || fail "help page address"
grep -qx 'TOP | Eva | 99' <<<"$transcript" || fail "the best scores do not take the new ruler"

# The player's own files went to the per-user folder; the installation is untouched.
[[ "$(iconv -f cp1250 -t utf-8 "$player/best.dat" | head -n 1)" == Eva* ]] || fail "player's best.dat"
[[ "$(cat "$player/data.dat")" == $' 0 \r\n 1 \r\n 1 \r' ]] || fail "player's data.dat"
cmp -s "$shipped/defaults/best.dat" "$source_game/best.dat" || fail "the installed best.dat changed"
cmp -s "$shipped/defaults/data.dat" "$source_game/data.dat" || fail "the installed data.dat changed"

# Started in the installation's own folder, the game still keeps the player's files at home.
start_in=$shipped play "$score" XDG_DATA_HOME="$work/root" >/dev/null
[[ -f "$work/root/velmoran/best.dat" && ! -e "$shipped/best.dat" ]] ||
  fail "the installation's folder taken for a game folder"

# Installed into the player's own data folder (a prefix of ~/.local), a reinstall keeps the
# player's scores.
local_prefix=$work/local
cmake --install "$build" --prefix "$local_prefix" >/dev/null
(prefix=$local_prefix play "$score" XDG_DATA_HOME="$local_prefix/share" >/dev/null)
cmake --install "$build" --prefix "$local_prefix" >/dev/null
grep -qx 'TOP | Eva | 99' <<<"$(prefix=$local_prefix play 'top3\n' XDG_DATA_HOME="$local_prefix/share")" ||
  fail "a reinstall replaced the player's best scores"

# XDG_DATA_HOME names the per-user data folder when it is set.
play 'konec\n' XDG_DATA_HOME="$work/xdg" >/dev/null
[[ -f "$work/xdg/velmoran/best.dat" && -f "$work/xdg/velmoran/data.dat" ]] || fail "XDG_DATA_HOME"

# A text in the player's own data/ folder replaces the shipped one; the others still come
# from the installation, for the game and for the data checker.
mkdir -p "$player/data"
printf '0\r\n"Moje vlastni uvitani"\r\n1, 0, 0\r\n' >"$player/data/welcome.ini"
transcript=$(play 'start\n\n\nok\nnoo\n')
grep -qx 'INFO | Moje vlastni uvitani' <<<"$transcript" || fail "the player's data texts"
! grep -q '^MSG | critical | CHYBA' <<<"$transcript" || fail "the installation's texts beside the player's"
(cd "$work/elsewhere" && env -i HOME="$work/home" "$prefix/games/velmoran-data-check") >/dev/null ||
  fail "the data checker on the player's texts over the installation's"

# The installed Qt game starts and keeps running until it is stopped.
status=0
(cd "$work/elsewhere" && env -i HOME="$work/home2" QT_QPA_PLATFORM=offscreen \
  timeout 3 "$prefix/games/velmoran") >/dev/null 2>&1 || status=$?
[[ $status == 124 ]] || fail "the installed game ended by itself with status $status"
[[ -f "$work/home2/.local/share/velmoran/best.dat" ]] || fail "the Qt game's per-user folder"
echo "installed and played"
