#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the layers of the game pointing one way: files/ (the game's files) at the bottom;
# state/ on it; turn/ and commands/ on state/ and apart from each other; screens/, console/,
# web/ (the browser's edition) and platform/ on top, and the data checker data_check/ on files/
# alone. transcript/ (the transcript lines) sits on state/ for the front ends that keep them.
# The rules have no Qt.
# Prints every include that breaks this and fails.
set -euo pipefail
cd "$(dirname "$0")/../src"

status=0
forbid() {  # folder, pattern of an include it must not have, what the rule is
  local hits
  hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($2)" "$1" || true)
  if [[ -n "$hits" ]]; then
    echo "$3:"
    echo "$hits" | sed 's/^/  /'
    status=1
  fi
}

above='transcript/|web/'
forbid files "state/|turn/|commands/|screens/|console/|platform/|data_check/|$above" "files/ includes nothing else of the game"
forbid state "turn/|commands/|screens/|console/|platform/|data_check/|$above" "state/ includes nothing above it"
forbid turn "commands/|screens/|console/|platform/|data_check/|$above" "turn/ builds on state/ alone"
forbid commands "turn/|screens/|console/|platform/|data_check/|$above" "commands/ builds on state/ alone"
forbid platform "state/|turn/|commands/|screens/|console/|data_check/|$above" "platform/ knows nothing of the game but its files"
forbid program "state/|turn/|commands/|screens/|console/|platform/|data_check/|$above|Q" "program/ knows nothing of the game"
forbid console 'screens/|platform/|data_check/|web/|Q' "the terminal edition has no Qt"
forbid screens 'data_check/|web/' "the Qt game stands beside the data checker"
forbid data_check "state/|turn/|commands/|screens/|console/|platform/|$above|Q" "the data checker reads the data through files/ alone"
forbid transcript 'turn/|commands/|screens/|console/|platform/|data_check/|web/|Q' "transcript/ builds on state/ alone"
forbid web 'screens/|console/|platform/|data_check/|Q' "the browser's edition has no Qt"
for core in files state turn commands; do
  forbid "$core" 'Q' "the rules of the game have no Qt"
done
exit $status
