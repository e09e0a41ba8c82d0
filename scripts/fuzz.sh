#!/usr/bin/env bash
# Builds the input-rules fuzz target with Debian's clang (libFuzzer, ASan,
# UBSan) and runs it for a bounded time (default 60 s) from the seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out=build-fuzz
mkdir -p "$out"
# The whole calculation library (standard library only), so the target links
# whatever the rules come to use.
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I src tests/fuzz/input_rules_fuzz.cpp src/calc/*.cpp \
  -o "$out/input_rules_fuzz"
# New inputs go to a scratch corpus; the seeds in the repository stay as they are.
corpus="$out/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"
cp tests/fuzz/corpus/* "$corpus/"
"$out/input_rules_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
