#!/usr/bin/env bash
# Checks a built Tavoro package: scripts/check_package.sh FILE.deb
set -euo pipefail
deb="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/tavoro.desktop"
appstreamcli validate --no-net --pedantic "$work"/root/usr/share/metainfo/*.metainfo.xml
test -f "$work/root/usr/share/icons/hicolor/scalable/apps/tavoro.svg"
test -f "$work/root/usr/share/man/man1/tavoro.1.gz"
# The case-file type, once the tree defines one.
if compgen -G "$(dirname "$0")/../resources/*mime*.xml" >/dev/null; then
  compgen -G "$work/root/usr/share/mime/packages/*.xml" >/dev/null ||
    { echo "the package lacks the case-file MIME type" >&2; exit 1; }
fi
dpkg-deb -f "$deb" Depends | grep -q 'libqt6core6' || { echo "Depends lacks the Qt libraries" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'fonts-ipafont-mincho' || { echo "Depends lacks the fonts" >&2; exit 1; }
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"

# The unpacked program on the worked example.
(cd "$work" && QT_QPA_PLATFORM=offscreen root/usr/bin/tavoro export \
  --groundwater 2 --impervious 20 --excavation 10 --perimeter 20 --kn 0.01 \
  --width 2 --kg 0.0001 --point 10 --range 100 \
  --report report.pdf --chart chart.pdf)
for pdf in "$work/report.pdf" "$work/chart.pdf"; do
  file --brief "$pdf" | grep -q '^PDF document' || { echo "$pdf is not a PDF" >&2; exit 1; }
done
pdftotext "$work/chart.pdf" - | grep -q '改良後影響半径' || { echo "the chart lacks its texts" >&2; exit 1; }
echo "package checks passed: $(basename "$deb")"
