#!/usr/bin/env bash
# Build the fuzz targets with clang (build/fuzz) and run each for a bounded
# time on its seed corpus (fuzz/corpus/<target>) plus what earlier runs found
# (build/fuzz/corpus/<target>, not part of the repository).
#   fuzz/run.sh [SECONDS] [TARGET...]    SECONDS for each target (default
#                                        30); every target when none is named
#   fuzz/run.sh --available              exit 0 when clang can build them
# Exits non-zero on a finding; the input is in build/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler="${KOVRIN_FUZZ_CXX:-clang++}"
if [ "${1:-}" = --available ]; then
  # libFuzzer comes with clang's runtime package, which clang does not pull in.
  command -v "$compiler" >/dev/null || exit 1
  probe="$(mktemp -d)"
  trap 'rm -rf "$probe"' EXIT
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/p.cpp"
  "$compiler" -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null
  exit
fi

seconds="${1:-30}"
[ $# -gt 0 ] && shift
targets=("$@")
all=(loaddata numbertext numberread fieldtext report)
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

CXX="$compiler" cmake -S fuzz -B build/fuzz -G Ninja >/dev/null
cmake --build build/fuzz

passed=0
failed=0
for target in "${targets[@]}"; do
  case "$target" in
    loaddata) options=(-max_len=65536 -dict=fuzz/loaddata.dict) ;;
    numbertext) options=(-max_len=8) ;;
    numberread) options=(-max_len=4096 -dict=fuzz/numberread.dict) ;;
    fieldtext) options=(-max_len=512 -dict=fuzz/numberread.dict) ;;
    report) options=(-max_len=65536 -dict=fuzz/loaddata.dict) ;;
    *) echo "fuzz/run.sh: no target $target" >&2; exit 2 ;;
  esac
  mkdir -p "build/fuzz/corpus/$target" "build/fuzz/findings/$target"
  echo "Fuzzing $target for $seconds s"
  # Absolute paths: a target may change its working folder.
  if ! "build/fuzz/${target}_fuzz" "${options[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$PWD/build/fuzz/findings/$target/" \
      "$PWD/build/fuzz/corpus/$target" "$PWD/fuzz/corpus/$target" 2>"build/fuzz/$target.log"; then
    echo "FINDING in $target: see build/fuzz/$target.log and build/fuzz/findings/$target/" >&2
    tail -n 40 "build/fuzz/$target.log" >&2
    failed=$((failed + 1))
  else
    grep -E '^Done' "build/fuzz/$target.log" || true
    passed=$((passed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
