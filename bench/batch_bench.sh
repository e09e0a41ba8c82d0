#!/usr/bin/env bash
# The batch benchmark: in one run on one machine, times `tavoro export` of
# the worked example writing the report and chart PDFs (median of three) and
# a 200-shaft `tavoro batch` writing both PDFs per shaft, and prints the
# ratio (target: at most 40) and the batch's peak memory (target: < 200 MB).
# Usage: bash bench/batch_bench.sh [path/to/tavoro] [jobs]
set -euo pipefail

tavoro=${1:-build/tavoro}
jobs=${2:-$(nproc)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }

export_seconds=()
for run in 1 2 3; do
  start=$(now)
  "$tavoro" export --groundwater 2 --impervious 20 --excavation 10 --perimeter 20 \
    --kn 0.01 --width 2 --kg 0.0001 --point 10 --range 100 \
    --report "$work/report-$run.pdf" --chart "$work/chart-$run.pdf" 2>/dev/null
  export_seconds+=("$(echo "$(now) - $start" | bc -l)")
done
export_median=$(printf '%s\n' "${export_seconds[@]}" | sort -g | sed -n 2p)

# 200 shafts: the worked example with the groundwater, perimeter, ring width
# and range varied; every fifth shaft without a ring.
{
  echo "立坑名,地下水位,不透水層深度,掘削深度,立坑周長,透水係数,改良幅,改良後の透水係数,着目点,計算範囲"
  for i in $(seq 1 200); do
    width=$(( i % 5 == 0 ? 0 : 1 + i % 3 ))
    echo "No.$i 立坑,$(( 1 + i % 3 )),20,10,$(( 15 + i % 21 )),0.01,$width,0.0001,10,$(( 60 + i % 80 ))"
  done
} > "$work/shafts.csv"

/usr/bin/time -v "$tavoro" batch "$work/shafts.csv" --out "$work/out" --jobs "$jobs" \
  2> "$work/time.txt" || { cat "$work/time.txt"; exit 1; }
wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt" |
  awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
peak_kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
pdfs=$(find "$work/out" -name '*-report.pdf' -o -name '*-chart.pdf' | wc -l)

printf 'export (report + chart PDF), median of 3: %.3f s\n' "$export_median"
printf 'batch of 200 shafts (%d PDFs, %d jobs): %.3f s\n' "$pdfs" "$jobs" "$wall"
printf 'ratio batch / export: %.1f (target <= 40)\n' "$(echo "$wall / $export_median" | bc -l)"
printf 'batch peak memory: %.1f MB (target < 200 MB)\n' "$(echo "$peak_kb / 1024" | bc -l)"
