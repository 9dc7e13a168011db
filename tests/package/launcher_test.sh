#!/usr/bin/env bash
# The installed launcher as a desktop menu starts it, with an empty home
# folder: the working folder it chooses, the template and help file it puts
# there, the project it hands over, and a changed template that a second
# start leaves alone. The launcher runs from a copy of the installed tree in
# which a stand-in takes the window program's place and prints the folder it
# was started in, its arguments, the start-up problem handed to it (which
# ends the window program) and the project problem (which it shows before
# going on with the template).
#
#   launcher_test.sh ROOT     (the unpacked package)
set -euo pipefail
root=$(cd "$1" && pwd)
installed="$root/usr/share/kovrin"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir -p "$scratch/usr/bin" "$scratch/usr/libexec/kovrin" "$scratch/usr/share"
cp "$root/usr/bin/kovrin" "$scratch/usr/bin/"
cp -r "$installed" "$scratch/usr/share/"
kovrin="$scratch/usr/bin/kovrin"
cat >"$scratch/usr/libexec/kovrin/kovrin" <<'STANDIN'
#!/bin/sh
printf '%s|%s|%s|%s\n' "$(pwd -P)" "$*" "${KOVRIN_STARTUP_ERROR:-}" "${KOVRIN_PROJECT_ERROR:-}"
STANDIN
chmod +x "$scratch/usr/libexec/kovrin/kovrin"

home="$scratch/home"
project="$scratch/project"
mkdir -p "$home" "$project" "$scratch/config" "$scratch/long"
echo "a project folder's own template" >"$project/new.dat"
# shellcheck disable=SC2016 # $HOME is written as the desktop writes it
printf '# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR="$HOME/Dokumente"\n' >"$scratch/config/user-dirs.dirs"
long=$(printf '%*s' 200000 '' | tr ' ' a)
printf 'XDG_DOCUMENTS_DIR="%s/%s"\n' "$scratch" "$long" >"$scratch/long/user-dirs.dirs"
: >"$scratch/file"

# launch FOLDER ARGUMENTS [NAME=VALUE...]: the launcher started in FOLDER
# with these arguments and only these variables, as a menu starts it.
launch() {
  local folder=$1 arguments=$2
  shift 2
  # shellcheck disable=SC2086 # the arguments are words
  (cd "$folder" && env -i PATH=/usr/bin:/bin "$@" "$kovrin" $arguments 2>/dev/null)
}

passed=0
failed=0
expect() {  # WHAT EXPECTED ACTUAL; EXPECTED is a pattern (* for any text)
  # shellcheck disable=SC2053 # EXPECTED is a pattern
  if [[ $3 == $2 ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "launcher: $1:" >&2
    echo "  expected ${2:0:300}" >&2
    echo "  got      ${3:0:300}" >&2
  fi
}

# What | started in | arguments | environment | window program started in | handed over | problem shown
cases=(
  "from a menu, in /|/||HOME=$home|$home/Kovrin||"
  "from a menu, in the home folder|$home||HOME=$home|$home/Kovrin||"
  "documents folder set|/||HOME=$home XDG_DOCUMENTS_DIR=$scratch/Documents|$scratch/Documents/Kovrin||"
  "documents folder in user-dirs.dirs|/||HOME=$home XDG_CONFIG_HOME=$scratch/config|$home/Dokumente/Kovrin||"
  "in a folder holding new.dat|$project||HOME=$home|$project||"
  "KOVRIN_WORKDIR before all|$project||HOME=$home KOVRIN_WORKDIR=$scratch/work|$scratch/work||"
  "a project named from the folder started in|$project|./jobs/smith.prj|HOME=$home KOVRIN_WORKDIR=$scratch/work|$scratch/work|$project/jobs/smith.prj|"
  "KOVRIN_WINDOW_PROGRAM is ignored|/||HOME=$home KOVRIN_WINDOW_PROGRAM=/bin/true|$home/Kovrin||"
  "no HOME|/|||/||HOME is not set to a folder, *"
  "a folder that cannot be made|/||HOME=$home KOVRIN_WORKDIR=$scratch/file/sub|/||Kovrin cannot make its working folder $scratch/file/sub: *"
  "a path longer than a message can hand over|/||HOME=$home XDG_CONFIG_HOME=$scratch/long|/||Kovrin cannot make its working folder $scratch/aaaaaaaaaa*…: File name too long.*"
)
for row in "${cases[@]}"; do
  IFS='|' read -r what start arguments environment folder handed problem <<<"$row"
  # shellcheck disable=SC2086 # the environment is NAME=VALUE words
  expect "$what" "$folder|$handed|$problem|" "$(launch "$start" "$arguments" $environment)"
  if [ -z "$problem" ]; then
    for file in new.dat HELP.HLP; do
      if [ "$folder" = "$project" ] && [ "$file" = new.dat ]; then continue; fi
      expect "$what: $file installed" same "$(cmp -s "$installed/$file" "$folder/$file" && echo same)"
    done
  fi
done
expect "a folder holding new.dat keeps its template" "a project folder's own template" "$(cat "$project/new.dat")"

echo "a changed template" >"$home/Kovrin/new.dat"
launch / "" HOME="$home" >/dev/null
expect "a second start keeps the changed template" "a changed template" "$(cat "$home/Kovrin/new.dat")"

# A relative project named in a folder deleted since: the project cannot be
# found, which the window says before it goes on with the template.
mkdir "$scratch/deleted"
expect "a relative project from a deleted folder" \
  "$home/Kovrin|||Kovrin cannot open the project jobs/smith.prj: the folder it is named from cannot be found *" \
  "$(cd "$scratch/deleted" && rmdir "$scratch/deleted" && env -i PATH=/usr/bin:/bin HOME="$home" "$kovrin" jobs/smith.prj 2>/dev/null)"

# Files may not grow past 12 KiB: new.dat fits, HELP.HLP does not. The
# failed copy is shown and leaves no file, so the next start copies it.
limited="$scratch/limited/Kovrin"
expect "a copy past the file-size limit" "/||$limited/HELP.HLP: not copied: cannot write the file (File too large).|" \
  "$(ulimit -f 12 && launch / "" HOME="$scratch/limited")"
expect "a failed copy leaves no file" "new.dat" "$(ls -A "$limited")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
