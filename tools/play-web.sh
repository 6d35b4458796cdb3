#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds the browser's edition and serves its folder on this machine;
# open the address it prints in a browser. PORT (default 8021) chooses the port.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/install-web-deps.sh
tools/build-web.sh
port=${PORT:-8021}
echo "Velmoran: http://127.0.0.1:$port/ (Ctrl+C ends the server)"
exec python3 -m http.server --bind 127.0.0.1 --directory build-web/site "$port"
