#!/usr/bin/env bash
# The batch benchmark: in one run on one machine, times `tavoro export` of
# the worked example writing the report and chart PDFs (median of three) and
# a 200-shaft `tavoro batch` writing both PDFs per shaft, and prints the
# wall-time ratio (target: at most 40), the CPU-time ratio (the same figure
# undisturbed by other load on the machine) and the batch's peak memory
# (target: under 200 MB).
# Usage: bash bench/batch_bench.sh [path/to/tavoro] [jobs]
set -euo pipefail

tavoro=${1:-build/tavoro}
jobs=${2:-$(nproc)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs a command under GNU time; prints "wall cpu peak_kb".
measure() {
  /usr/bin/time -f '%e %U %S %M' -o "$work/time.txt" "$@" > /dev/null 2> "$work/err.txt" ||
    { cat "$work/err.txt" >&2; return 1; }
  awk '{ printf "%s %.3f %s\n", $1, $2 + $3, $4 }' "$work/time.txt"
}

exports=()
for run in 1 2 3; do
  exports+=("$(measure "$tavoro" export --groundwater 2 --impervious 20 --excavation 10 \
    --perimeter 20 --kn 0.01 --width 2 --kg 0.0001 --point 10 --range 100 \
    --report "$work/report-$run.pdf" --chart "$work/chart-$run.pdf")")
done
export_wall=$(printf '%s\n' "${exports[@]}" | awk '{ print $1 }' | sort -g | sed -n 2p)
export_cpu=$(printf '%s\n' "${exports[@]}" | awk '{ print $2 }' | sort -g | sed -n 2p)

# 200 shafts: the worked example with the groundwater, perimeter, ring width
# and range varied; every fifth shaft without a ring.
{
  echo "立坑名,地下水位,不透水層深度,掘削深度,立坑周長,透水係数,改良幅,改良後の透水係数,着目点,計算範囲"
  for i in $(seq 1 200); do
    width=$(( i % 5 == 0 ? 0 : 1 + i % 3 ))
    echo "No.$i 立坑,$(( 1 + i % 3 )),20,10,$(( 15 + i % 21 )),0.01,$width,0.0001,10,$(( 60 + i % 80 ))"
  done
} > "$work/shafts.csv"

read -r batch_wall batch_cpu peak_kb < <(measure "$tavoro" batch "$work/shafts.csv" \
  --out "$work/out" --jobs "$jobs")
pdfs=$(find "$work/out" -name '*-report.pdf' -o -name '*-chart.pdf' | wc -l)

printf 'export (report + chart PDF), median of 3: %.3f s wall, %.3f s CPU\n' "$export_wall" "$export_cpu"
printf 'batch of 200 shafts (%d PDFs, %d jobs): %.3f s wall, %.3f s CPU\n' \
  "$pdfs" "$jobs" "$batch_wall" "$batch_cpu"
printf 'ratio batch / export: %.1f wall, %.1f CPU (target <= 40)\n' \
  "$(echo "$batch_wall / $export_wall" | bc -l)" "$(echo "$batch_cpu / $export_cpu" | bc -l)"
printf 'batch peak memory: %.1f MB (target < 200 MB)\n' "$(echo "$peak_kb / 1024" | bc -l)"
