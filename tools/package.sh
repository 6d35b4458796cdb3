#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build in build/ (tools/build.sh makes it) and checks that
# it names the libraries it needs and that apt could install it here.
#
#   tools/package.sh    ->  build/velmoran_<version>_<architecture>.deb
set -euo pipefail
cd "$(dirname "$0")/../build"
rm -f velmoran_*.deb
cpack -G DEB
package=$(ls velmoran_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6multimedia6 libstdc++6; do
  [[ "$depends" == *"$library"* ]] || { echo "$package does not depend on $library" >&2; exit 1; }
done
apt-get install --simulate "./$package" >/dev/null
echo "built build/$package (Depends: $depends)"
