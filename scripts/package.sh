#!/usr/bin/env bash
# Builds the Debian package build-package/tavoro_<version>_<arch>.deb with
# CPack. With --check, also checks it as CI does: the desktop entry and the
# AppStream metainfo validate, lintian finds no error, and the program
# unpacked from the package writes the worked example's report and chart.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh package
rm -f build-package/tavoro_*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb="$(ls build-package/tavoro_*.deb)"
echo "$deb"
if [ "${1:-}" = "--check" ]; then
  bash scripts/check_package.sh "$deb"
fi
