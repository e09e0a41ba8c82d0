#!/usr/bin/env bash
# The man page names every option that the --help texts of the program name,
# and man sets it without a warning (such as a Japanese clause too long to
# break). Usage: man_page_test.sh TAVORO PAGE
set -euo pipefail
tavoro="$1"
page="$2"
status=0
text="$(sed 's/\\-/-/g' "$page")"
for option in $(for command in "" export study batch verify; do "$tavoro" $command --help; done |
                grep -o -- '--[a-z][a-z0-9-]*' | sort -u); do
  if ! grep -qE -- "${option}([^a-z0-9-]|$)" <<<"$text"; then
    echo "the man page lacks $option" >&2
    status=1
  fi
done
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)" ||
  { echo "man could not set the page" >&2; status=1; }
if [ -n "$warnings" ]; then
  echo "$warnings" >&2
  status=1
fi
exit "$status"
