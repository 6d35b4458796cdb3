#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the splash screen, the title menu, the settings screen, the about box,
# the game screen, the help window, the rebellion screen and the reign's chronicle for docs/, and the two the help page shows
# (game/napoveda-*.png): runs the built game on a virtual X display in a copy of its game
# folder, plays the first steps with xdotool and grabs the windows with ImageMagick's import.
# Then the game screen at the window sizes 150 % and 200 %, reached by the keyboard alone.
#
#   tools/screenshots.sh [build folder]     (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

if [[ "${SCREENSHOTS_ON_DISPLAY:-}" != 1 ]]; then
  missing=()
  command -v xvfb-run >/dev/null || missing+=(xvfb)
  command -v xdotool >/dev/null || missing+=(xdotool)
  command -v import >/dev/null || missing+=(imagemagick)
  if ((${#missing[@]})); then
    apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  [[ -x "$build/velmoran" && -d "$build/game/data" ]] || {
    echo "build the game first: cmake -S . -B build && make -C build" >&2
    exit 1
  }
  SCREENSHOTS_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 2560x1600x24" "$0" "$build"
fi

work=$(mktemp -d)
game_pid=
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp -r "$build/game" "$work/game"
# The pictures at 100 %, whatever the size of the display.
printf '100\r\n' >"$work/game/velikost.dat"
mkdir -p "$root/docs"

# Waits for the visible window whose title matches, at most ten seconds.
window() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Answers the two name boxes of a new game: the ruler's name typed, the country's default.
answer_names() {
  local name country
  name=$(window '^Jaké je vaše jméno\?$')
  xdotool windowfocus --sync "$name" key ctrl+a type --delay 20 'Jan Novák'
  xdotool key Return
  country=$(window '^Jak se bude jmenovat vaše země\?$')
  xdotool windowfocus --sync "$country" key Return
}

# Clicks the middle of a title-menu button placed at (left, top) in pixels.
click_button() {
  xdotool mousemove --window "$menu" $(($1 + 50)) $(($2 + 11)) click 1
}

# The game never seeds its random draws, so the pictures come out the same every time.
(cd "$work/game" && exec "$build/velmoran") 2>"$work/velmoran.log" &
game_pid=$!

# The splash screen stays 1.9 seconds.
splash=$(window '^Velmoran$')
sleep 0.3
import -window "$splash" "$root/docs/splash.png"

menu=$(window '^ Velmoran $')
sleep 0.5
import -window "$menu" "$root/docs/title-menu.png"

# Without a window manager every window opens at the top left, over the title menu.
# "Nastavení" (Command2 at 85, 105); "Uložit" (Command1 at 109, 187) closes the screen again.
click_button 85 105
settings=$(window '^ Nastavení$')
sleep 0.3
import -window "$settings" "$root/docs/settings.png"
xdotool mousemove --window "$settings" 159 199 click 1

# "O hře" (Command5 at 85, 180); a click on its background goes back.
click_button 85 180
about=$(window '^ O Hře$')
sleep 0.3
import -window "$about" "$root/docs/about.png"
xdotool mousemove --window "$about" 340 10 click 1

# "Start" (Command1 at 85, 80), then the two names.
click_button 85 80
answer_names

# The game screen: buy the secret police report (Command1 at 415, 70 of the client area, which
# is 394 pixels high under the menu bar) to show it too.
game=$(window '^ Velmoran$')
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$game")"
menu_bar=$((HEIGHT - 394))
xdotool mousemove --window "$game" 488 $((menu_bar + 82)) click 1
sleep 0.5
import -window "$game" "$root/docs/game-screen.png"
cp "$root/docs/title-menu.png" "$root/game/napoveda-menu.png"
cp "$root/docs/game-screen.png" "$root/game/napoveda-hra.png"

# F1 opens the help page in the game's own help window over the game screen; Esc closes it.
xdotool windowfocus --sync "$game" key F1
help=$(window 'pov.*da$')
sleep 0.5
import -window "$help" "$root/docs/help.png"
xdotool windowfocus --sync "$help" key Escape
sleep 0.3

# A quiet reign until the great rebellion breaks out: each round closes a message box, presses
# Ok (231, 186) and Ne (355, 186) where they show, and chooses "Nic" (380, 8) on the menu bar.
rebellion=
for _ in $(seq 120); do
  rebellion=$(xdotool search --onlyvisible --name '^Velká národní vzpoura!$' 2>/dev/null || true)
  [[ -n "$rebellion" ]] && break
  xdotool key --clearmodifiers Return
  for spot in "231 186" "355 186" "380 8"; do
    xdotool mousemove --window "$game" $spot click 1
    sleep 0.05
  done
done
[[ -n "$rebellion" ]] || { echo "no rebellion broke out" >&2; exit 1; }
sleep 0.5
import -window "$rebellion" "$root/docs/rebellion.png"

# The reign goes on quietly for forty rounds more, each rebellion and box on the way closed by
# Enter, and F3 then shows its chronicle so far; a reign that ends on the way shows it by itself.
press_return_in_boxes() {
  local box
  for box in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    case "$(xdotool getwindowname "$box" 2>/dev/null)" in
      " Velmoran" | "Kronika vlády" | "") ;;
      *) xdotool windowfocus --sync "$box" key Return 2>/dev/null || true ;;
    esac
  done
}
chronicle=
for round in $(seq 60); do
  chronicle=$(xdotool search --onlyvisible --name '^Kronika vlády$' 2>/dev/null | head -n 1 || true)
  [[ -n "$chronicle" ]] && break
  press_return_in_boxes
  if ((round > 40)); then
    xdotool windowfocus --sync "$game" key F3 2>/dev/null || true
    sleep 0.3
    continue
  fi
  for spot in "231 186" "355 186" "380 8"; do
    xdotool mousemove --window "$game" $spot click 1 2>/dev/null || true
    sleep 0.05
  done
done
[[ -n "$chronicle" ]] || { echo "the reign's chronicle did not open" >&2; exit 1; }
sleep 0.5
import -window "$chronicle" "$root/docs/chronicle.png"
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=

# The game screen with the report at 150 % and 200 %: Enter on "Start" and on the two names,
# then Tab over the info panel to the report's button, and Space.
for percent in 150 200; do
  rm -rf "$work/sized"
  cp -r "$build/game" "$work/sized"
  printf '%s\r\n' "$percent" >"$work/sized/velikost.dat"
  (cd "$work/sized" && exec "$build/velmoran") 2>>"$work/velmoran.log" &
  game_pid=$!
  menu=$(window '^ Velmoran $')
  sleep 0.3
  xdotool windowfocus --sync "$menu" key Return
  answer_names
  game=$(window '^ Velmoran$')
  sleep 0.3
  xdotool windowfocus --sync "$game" key Tab Tab space
  sleep 0.5
  import -window "$game" "$root/docs/game-screen-$percent.png"
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=
done
echo "wrote docs/{splash,title-menu,settings,about,game-screen,help,rebellion,chronicle}.png," \
  "docs/game-screen-{150,200}.png and game/napoveda-*.png"
