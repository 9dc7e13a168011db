#!/usr/bin/env bash
# Build the fuzz targets with clang (build/fuzz) and run each for a bounded
# time on its seed corpus (fuzz/corpus/<target>) plus what earlier runs found
# (build/fuzz/corpus/<target>, not part of the repository).
#   fuzz/run.sh [SECONDS] [TARGET...]    default: 30 s, every target
# Exits non-zero on a finding; the input is in build/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(loaddata numbertext)

CXX="${KOVRIN_FUZZ_CXX:-clang++}" cmake -S fuzz -B build/fuzz -G Ninja >/dev/null
cmake --build build/fuzz

status=0
for target in "${targets[@]}"; do
  case "$target" in
    loaddata) options=(-max_len=16384 -dict=fuzz/loaddata.dict) ;;
    numbertext) options=(-max_len=8) ;;
    *) echo "fuzz/run.sh: no target $target" >&2; exit 2 ;;
  esac
  mkdir -p "build/fuzz/corpus/$target" "build/fuzz/findings/$target"
  echo "Fuzzing $target for $seconds s"
  if ! "build/fuzz/${target}_fuzz" "${options[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build/fuzz/findings/$target/" \
      "build/fuzz/corpus/$target" "fuzz/corpus/$target" 2>"build/fuzz/$target.log"; then
    echo "FINDING in $target: see build/fuzz/$target.log and build/fuzz/findings/$target/" >&2
    tail -n 40 "build/fuzz/$target.log" >&2
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "build/fuzz/$target.log" || true
  fi
done
exit $status
