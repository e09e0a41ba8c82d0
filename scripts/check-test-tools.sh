#!/usr/bin/env bash
# Fails when a test starts a program (or imports a Python module) whose Debian package
# scripts/deps.sh does not install: neither listed there, nor pulled in by a listed
# package, nor part of every Debian system (priority required or important).
# Candidates: the first word of each string literal in tests/ (C++ and CMake), the command
# words of the shell scripts, and the imports of the Python scripts; a candidate counts when it names
# a program on this machine. Run after scripts/deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t listed < <(bash scripts/deps.sh --list)
declare -A ok=()
while read -r p; do ok["${p%%:*}"]=1; done < <(
  apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances "${listed[@]}" 2>/dev/null | grep -v '^ ' | sort -u)
while read -r p prio; do
  case "$prio" in required | important) ok["${p%%:*}"]=1 ;; esac
done < <(dpkg-query -W -f='${Package} ${Priority}\n')

# Program names in the tests.
mapfile -t words < <(
  {
    grep -rhoP --include='*.cpp' --include='*.h' --include='CMakeLists.txt' \
      '"\K(?:[A-Z_]+=\S+ +)*[A-Za-z0-9_./+-]+' tests | sed -E 's/^([A-Z_]+=[^ ]+ +)*//'
    # The first word of each command of the shell scripts, comments and keywords left out.
    find tests -name '*.sh' -exec cat {} + | sed -E 's/(^|[[:space:]])#.*$//' |
      sed -E 's/(\$\(|&&|\|\||[;|&(])/\n/g' |
      sed -E 's/^[[:space:]]*((if|then|else|elif|do|while|until|!|exec|local|[A-Za-z_]+=("[^"]*"|[^ ]*))[[:space:]]+)*//' |
      grep -oP '^[A-Za-z][A-Za-z0-9_.+-]*'
  } | sort -u)
mapfile -t modules < <(grep -rhoP --include='*.py' '^\s*(from|import)\s+\K[A-Za-z0-9_]+' tests |
  sort -u)

paths=()
for w in "${words[@]}"; do
  p="$(command -v -- "$w" 2>/dev/null || true)"
  if [[ "$p" == /* ]]; then paths+=("$w=$p"); fi
done
for m in "${modules[@]}"; do
  p="$(/usr/bin/python3 -c 'import importlib.util, sys
s = importlib.util.find_spec(sys.argv[1])
print(s.origin if s and s.origin and s.origin.startswith("/") else "")' "$m" 2>/dev/null || true)"
  if [ -n "$p" ]; then paths+=("python3 module $m=$p"); fi
done

# Owners of every path at once (dpkg is slow per call); under the merged /usr a program in
# /usr/bin may be registered as /bin.
declare -A owner=()
queries=()
for entry in "${paths[@]}"; do
  path="${entry#*=}"
  real="$(readlink -f "$path")"
  for c in "$path" "$real" "${path#/usr}" "${real#/usr}"; do queries+=("$c"); done
done
while IFS= read -r line; do
  pkgs="${line%%: /*}"
  file="/${line#*: /}"
  [ -n "${owner[$file]:-}" ] || owner["$file"]="${pkgs%%[:,]*}"
done < <(dpkg -S "${queries[@]}" 2>/dev/null || true)

status=0
for entry in "${paths[@]}"; do
  name="${entry%%=*}"
  path="${entry#*=}"
  real="$(readlink -f "$path")"
  pkg=""
  for c in "$path" "$real" "${path#/usr}" "${real#/usr}"; do
    if [ -n "${owner[$c]:-}" ]; then pkg="${owner[$c]}"; break; fi
  done
  if [ -z "$pkg" ]; then
    echo "check-test-tools: $name ($path) belongs to no Debian package" >&2
    status=1
  elif [ -z "${ok[$pkg]:-}" ]; then
    echo "check-test-tools: the tests start $name ($path) of package $pkg," \
      "which scripts/deps.sh does not install" >&2
    status=1
  fi
done
if [ "$status" -eq 0 ]; then
  echo "check-test-tools: all installed by scripts/deps.sh: ${paths[*]%%=*}"
fi
exit "$status"
