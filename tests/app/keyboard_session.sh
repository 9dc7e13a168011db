#!/usr/bin/env bash
# Drives the real kovrin executable on a virtual X display with real key
# presses, as a user at the keyboard would, and checks the files it writes.
#
#   keyboard_session.sh KOVRIN DATA_DIR EXPECTED_DIR
#
# Start-up, Calculate (Alt+C) and Print (Alt+P, print dialog cancelled) must
# give the report of an untouched template; then a wall typed into zone 1,
# Calculate, Print (Ctrl+P, from the field) and Save (Ctrl+S, naming the
# project) must give the expected report and project, the template untouched;
# Shift+Tab reaches the design temperatures, Enter, Ctrl+E and Ctrl+PgDown work
# in a field; a field changed again, Exit (Alt+E) and Discard (Alt+D) in the
# question must end the program and leave the project file as it was saved.
# Started again under a file-size limit of 4096 bytes (prlimit --fsize), the
# project opened (Ctrl+O), a page change must fail with a message, leaving
# the project whole and no temporary file, and Exit still work.
# Started with a project named on its command line, Ctrl+S must write that
# project and not the template; Ctrl+Z after a typed floor area and Ctrl+Y
# must put the old and the new value into the file saved, and Exit after
# undoing back to what was saved must ask nothing. Started once more without
# a project, File > Open Recent > 1 must open that project again.
set -euo pipefail
kovrin=$1
data=$2
expected=$3

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "keyboard_session: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
kovrin_pid=""
cleanup() {
  [ -n "$kovrin_pid" ] && kill "$kovrin_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$data/new.dat" "$work/new.dat"
# The list of recent projects is kept here, not in the user's settings.
export XDG_CONFIG_HOME="$work/config"

# A display of our own: the first free number from 90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$work" && QT_QPA_PLATFORM=xcb exec "$kovrin") &
kovrin_pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name ' Kovrin 4\.0$' | head -n 1)
[ -n "$window" ] || { echo "keyboard_session: the window did not appear" >&2; exit 1; }

focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
# The window whose title starts with $1, focused.
focus_window() { focus "$(timeout 30 xdotool search --sync --onlyvisible --name "^$1" | head -n 1)"; }
# Types $2 into the file dialog $1 and accepts it.
choose_file() { focus_window "$1"; key ctrl+a; xdotool type --delay 50 "$2"; key Return; sleep 0.5; }
# Cancels the modal print dialog that Print opens.
cancel_print_dialog() {
  local dialog
  dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Print' | head -n 1)
  [ -n "$dialog" ] || { echo "keyboard_session: no print dialog" >&2; exit 1; }
  focus "$dialog"
  key Escape
  for _ in $(seq 50); do xdotool search --onlyvisible --name '^Print' >/dev/null 2>&1 || return 0; sleep 0.1; done
  echo "keyboard_session: the print dialog did not close" >&2
  exit 1
}
same() {
  if ! cmp -s "$1" "$2"; then
    echo "keyboard_session: $1 differs from $2:" >&2
    diff <(tr -d '\r' <"$2") <(tr -d '\r' <"$1") | head -n 10 >&2 || true
    exit 1
  fi
}

focus "$window"

# Calculate then Print right after start-up.
key alt+c
key alt+p
cancel_print_dialog
same "$work/out.dat" "$expected/calculated.out.dat"
echo "Calculate, Print after start-up: out.dat as expected"

# A wall of U 1.0 and area 10 in zone 1: thirteen tabs from the first field
# (wall construction) reach its U-value.
focus "$window"
for _ in $(seq 13); do key Tab; done
key ctrl+a
xdotool type --delay 50 "1"
key Tab
key ctrl+a
xdotool type --delay 50 "10"
key alt+c
key ctrl+p
cancel_print_dialog
same "$work/out.dat" "$expected/wall.out.dat"
echo "A wall typed in zone 1, Calculate, Ctrl+P: out.dat as expected"

# Ctrl+S names the untitled project first; the template stays as it was.
focus "$window"
key ctrl+s
choose_file "Save Project As" house.prj
same "$work/house.prj" "$expected/wall.new.dat"
same "$work/new.dat" "$data/new.dat"
echo "Ctrl+S: named house.prj, as expected; new.dat untouched"

# Sixteen Shift+Tabs from zone 1's wall area pass the first field and the
# range to the winter, a seventeenth to the summer design temperature; Enter
# goes on to winter. Ctrl+E there opens Export Report, and Ctrl+PgDown
# changes the page, saving the project.
focus "$window"
for _ in $(seq 16); do key shift+Tab; done
key ctrl+a shift+Tab ctrl+a
xdotool type --delay 50 "100"
key Return ctrl+a
xdotool type --delay 50 -- "-10"
key ctrl+e
focus_window "Export Report"
key Escape
focus "$window"
key ctrl+Next
temps=$(sed -n '35,36p' "$work/house.prj" | tr -d ' \r' | paste -sd/)
[ "$temps" = "100/-10" ] || { echo "keyboard_session: page 1's design temperatures are $temps" >&2; exit 1; }
cp "$work/house.prj" "$work/saved.prj"
echo "Shift+Tab to the design temperatures, Enter, Ctrl+E in a field, Ctrl+PgDown: as expected"

# await_end WHAT: the program must end, with status 0, soon after WHAT.
await_end() {
  for _ in $(seq 100); do kill -0 "$kovrin_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$kovrin_pid" 2>/dev/null; then echo "keyboard_session: $1 did not end the program" >&2; exit 1; fi
  wait "$kovrin_pid" && status=0 || status=$?
  kovrin_pid=""
  [ "$status" -eq 0 ] || { echo "keyboard_session: kovrin exited with status $status" >&2; exit 1; }
}

# A changed field, then Exit: the question about the unsaved change comes,
# and Alt+D (Discard) ends the program without writing anything.
focus "$window"
key ctrl+a
xdotool type --delay 50 "20"
key alt+e
sleep 0.5
kill -0 "$kovrin_pid" 2>/dev/null || { echo "keyboard_session: Exit ended the program without asking" >&2; exit 1; }
key alt+d
await_end "Exit, Discard"
same "$work/house.prj" "$work/saved.prj"
echo "A changed field, Exit, Alt+D: the program ended and house.prj is unchanged"

# enter VALUE: typed over the field with the focus, which is then left.
enter() { key ctrl+a; xdotool type --delay 50 "$1"; key Tab; }
# start_kovrin [PROJECT]: the program in the working folder, and its window.
start_kovrin() {
  (cd "$work" && QT_QPA_PLATFORM=xcb exec "$kovrin" "$@") &
  kovrin_pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name ' Kovrin 4\.0$' | head -n 1)
  [ -n "$window" ] || { echo "keyboard_session: the window did not appear" >&2; exit 1; }
  focus "$window"
}

# Opened from the command line, the project is the one Ctrl+S writes.
mkdir "$work/jobs"
project="$work/jobs/smith_house.prj"
cp "$expected/wall.new.dat" "$project"
start_kovrin "$project"
key ctrl+s
same "$project" "$expected/wall.new.dat"
same "$work/new.dat" "$data/new.dat"
echo "kovrin PROJECT, Ctrl+S: the project written, not the template"

# The floor area of zone 1, ten tabs from the first field: 250, then undone
# and redone, each saved.
for _ in $(seq 10); do key Tab; done
enter 250
key ctrl+s
cp "$project" "$work/floor250.prj"
cmp -s "$project" "$expected/wall.new.dat" && { echo "keyboard_session: the floor area was not saved" >&2; exit 1; }
key ctrl+z ctrl+s
same "$project" "$expected/wall.new.dat"
key ctrl+y ctrl+s
same "$project" "$work/floor250.prj"
echo "A floor area typed, Ctrl+Z, Ctrl+Y, each saved: the old, then the new value in the file"

# Another value, undone back to what was saved: Exit asks nothing.
enter 300
key ctrl+z
key alt+e
await_end "Exit after undoing back to the saved state"
same "$project" "$work/floor250.prj"
echo "A change undone back to the saved state, Exit: no question"

# File > Open Recent > 1 opens the project again: Ctrl+S writes it.
touch -d '2000-01-01' "$project"
start_kovrin
key alt+f
key r
key 1
key ctrl+s
[ "$(stat -c %Y "$project")" -gt 946684800 ] || { echo "keyboard_session: Open Recent did not open the project" >&2; exit 1; }
same "$project" "$work/floor250.prj"
key alt+e
await_end "Exit after Open Recent"
echo "File > Open Recent > 1: the project opened again"

# Zones > 1 -> 10 saves the project into house.prj, which is larger than
# 4096 bytes: the write fails, and the program says so.
cp "$work/house.prj" "$work/before.prj"
(cd "$work" && QT_QPA_PLATFORM=xcb exec prlimit --fsize=4096 "$kovrin") &
kovrin_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name ' Kovrin 4\.0$' | head -n 1)
[ -n "$window" ] || { echo "keyboard_session: the window did not appear under the limit" >&2; exit 1; }
focus "$window"
key ctrl+o
choose_file "Open Existing Project" house.prj
focus "$window"
key alt+z
key Return
windows() { xdotool search --onlyvisible --name '(^| )Kovrin 4\.0$' 2>/dev/null | wc -l; }
for _ in $(seq 50); do
  kill -0 "$kovrin_pid" 2>/dev/null || { echo "keyboard_session: the page change ended the program" >&2; exit 1; }
  [ "$(windows)" -ge 2 ] && break
  sleep 0.1
done
[ "$(windows)" -ge 2 ] || { echo "keyboard_session: no message after the failed page change" >&2; exit 1; }
key Return
same "$work/house.prj" "$work/before.prj"
if ls "$work"/house.prj.tmp-* >/dev/null 2>&1; then echo "keyboard_session: a temporary file was left" >&2; exit 1; fi
focus "$window"
key alt+e
await_end Exit
echo "Page change past the file-size limit: a message, house.prj whole, no temporary file"
echo "1 passed, 0 failed"
