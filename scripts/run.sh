#!/usr/bin/env bash
# Installs what is missing, builds and starts Tavoro.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: showing the command line instead of the window."
  exec build/tavoro --help
fi
exec build/tavoro "$@"
