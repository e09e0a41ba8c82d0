#!/usr/bin/env bash
# Installs what is missing, builds and starts Tavoro. Without a display it
# writes the worked example's report and chart as PDFs instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  out="build/example-output"
  mkdir -p "$out"
  build/tavoro export --case examples/worked-example.tavoro \
    --report "$out/report.pdf" --chart "$out/chart.pdf"
  echo "No display: the worked example's report and chart are in $out/ (report.pdf, chart.pdf)."
  echo "See build/tavoro --help for the command line."
  exit 0
fi
exec build/tavoro "$@"
