#!/usr/bin/env bash
# Start-up time: from the start of the process to its main window being
# shown (mapped on the X display), under Xvfb, for kovrin and for a bare Qt
# window built alongside, once empty and once with a line of text (the
# empty window never loads a font; any window with a label or a field has
# to). The three alternate, RUNS times each after one warm-up, so all see
# the same machine; the medians and kovrin's ratios to both bare windows are
# printed. Uses the release build that ./bench makes (build/bench).
# KOVRIN_STARTUP_BASELINE names an earlier kovrin to time in the same runs,
# so that a change's cost to start-up is a ratio of one run.
#   scripts/startup-time.sh [RUNS]       default 15
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-15}"
build="${KOVRIN_BENCH_BUILD:-build/bench}"
kovrin="$PWD/$build/src/app/kovrin"
bare="$PWD/$build/benchmarks/barewindow"
watch="$PWD/$build/benchmarks/mapwatch"
baseline="${KOVRIN_STARTUP_BASELINE:-}"
for program in "$kovrin" "$bare" "$watch" ${baseline:+"$baseline"}; do
  if [ ! -x "$program" ]; then
    echo "startup-time.sh: $program is missing; ./bench builds it" >&2
    exit 1
  fi
done

work="$(mktemp -d)"
cp data/new.dat "$work/new.dat"
# A display of our own, away from the low numbers that desktops and other
# test runs take first.
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for number in $(seq 71 99); do
  [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$xvfb" 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ]; then
    export DISPLAY=":$number"
    break
  fi
  wait "$xvfb" 2>/dev/null || true
  xvfb=""
done
if [ -z "$xvfb" ]; then
  echo "startup-time.sh: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export QT_QPA_PLATFORM=xcb

# measure LOG TITLE PROGRAM [ARGUMENT]: one run, in the working folder, where Kovrin
# finds its template. A run that shows no window stops the script.
measure() {
  local log="$work/$1.log"
  if ! (cd "$work" && "$watch" "$2" "${@:3}" 2>>"$log"); then
    echo "startup-time.sh: $3 showed no window titled \"$2\":" >&2
    tail -n 20 "$log" >&2
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb on $DISPLAY has ended:" >&2; cat "$work/xvfb.log" >&2; }
    exit 1
  fi
}
timeKovrin() { measure kovrin "Kovrin 4.0" "$kovrin"; }
timeBare() { measure bare "Bare window" "$bare"; }
timeBareText() { measure bare "Bare window" "$bare" --text; }
timeBaseline() { [ -z "$baseline" ] || measure baseline "Kovrin 4.0" "$baseline"; }

timeKovrin >/dev/null
timeBare >/dev/null
timeBareText >/dev/null
timeBaseline >/dev/null
: >"$work/baseline.times"
: >"$work/kovrin.times"
: >"$work/bare.times"
: >"$work/text.times"
for _ in $(seq "$runs"); do
  timeKovrin >>"$work/kovrin.times"
  timeBare >>"$work/bare.times"
  timeBareText >>"$work/text.times"
  timeBaseline >>"$work/baseline.times"
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
range() { sort -n "$1" | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%s..%s", lo, hi }'; }
k="$(median "$work/kovrin.times")"
ratioTo() { awk -v k="$k" -v b="$1" 'BEGIN { printf "%.2f", k / b }'; }
verdict() { awk -v r="$1" 'BEGIN { print (r <= 1.5) ? "meets" : "MISSES" }'; }
echo "Start-up to window shown, median of $runs runs under Xvfb, in ms:"
for name in kovrin bare text; do
  case "$name" in
    kovrin) label="kovrin" ;;
    bare) label="bare Qt window" ;;
    text) label="bare Qt window, text" ;;
  esac
  printf '  %-34s %8s   (range %s)\n' "$label" "$(median "$work/$name.times")" "$(range "$work/$name.times")"
done
for name in bare text; do
  r="$(ratioTo "$(median "$work/$name.times")")"
  case "$name" in
    bare) label="ratio to the bare window" ;;
    text) label="ratio to the bare window with text" ;;
  esac
  printf '  %-34s %8s   target  1.5  %s\n' "$label" "$r" "$(verdict "$r")"
done
if [ -n "$baseline" ]; then
  b="$(median "$work/baseline.times")"
  r="$(ratioTo "$b")"
  printf '  %-34s %8s   (range %s)\n' "earlier kovrin" "$b" "$(range "$work/baseline.times")"
  printf '  %-34s %8s   target  1.1  %s\n' "ratio to the earlier kovrin" "$r" \
    "$(awk -v r="$r" 'BEGIN { print (r <= 1.1) ? "meets" : "MISSES" }')"
fi
