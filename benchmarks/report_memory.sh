#!/usr/bin/env bash
# kovrin-report's peak memory (the largest resident set, from GNU time) with
# 1,000 and 10,000 projects, in the formats that write the most: one line of
# JSON a project, and the ten load reports of --all-pages. Each goes into a
# file of -o and to standard output (held back in TMPDIR until every project
# is read, then written to /dev/null). Run by ./bench.
#   benchmarks/report_memory.sh KOVRIN_REPORT PROJECT
set -euo pipefail
report=$1
project=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work"

# Peak resident memory in MB and the seconds taken, of one run.
measure() {
  /usr/bin/time -f '%M %e' -o "$work/time" "$@" >/dev/null
  awk '{ printf "%7.1f MB %6.1f s", $1 / 1024, $2 }' "$work/time"
}

echo "kovrin-report, peak memory (and time) by number of projects:"
for count in 1000 10000; do
  mkdir "$work/$count"
  # One process writes all the copies.
  eval "tee $work/$count/p{1..$count}.prj" <"$project" >/dev/null
  projects=("$work/$count"/*.prj)
  for format in --json --all-pages; do
    printf '  %6d projects %-12s -o FILE   %s\n' "$count" "$format" \
      "$(measure "$report" "$format" -o "$work/out" "${projects[@]}")"
    printf '  %6d projects %-12s stdout    %s\n' "$count" "$format" \
      "$(measure "$report" "$format" "${projects[@]}")"
    rm -f "$work/out"
  done
done
