#!/usr/bin/env bash
# The house report in a real browser: headless Chromium prints the HTML that
# kovrin-report --html writes to PDF, as a user printing it from a browser
# would. Chromium must finish without error, the PDF must be US Letter, and
# its text must hold every zone's heating and cooling load (in the row of the
# zone in the table of zones), the house totals and the chart's axis. In the
# report of ROOMS, a house as a contractor names its rooms, no short word
# and no number with its unit may break, and each heading must be drawn
# once, on the page of the table or figure it heads.
#
#   report_in_browser.sh KOVRIN_REPORT PROJECT ROOMS
set -euo pipefail
report=$1
project=$2
rooms=$3

for tool in chromium pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || { echo "report_in_browser: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$report" --html --date "March 1, 2025" -o "$work/report.html" "$project"
"$report" --csv "$project" > "$work/summary.csv"

# print NAME: NAME.html printed by Chromium to NAME.pdf, with a profile and
# a home of its own, no network, no first-run pages. A loaded machine now
# and then loses a headless Chromium before it prints: it is tried again
# once before the test fails.
print() {
  local try
  for try in 1 2; do
    rm -f "$work/$1.pdf"
    if HOME="$work" chromium --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profile" --no-pdf-header-footer \
        --print-to-pdf="$work/$1.pdf" "file://$work/$1.html" > "$work/chromium.log" 2>&1 &&
      [ -s "$work/$1.pdf" ]; then
      return 0
    fi
  done
  echo "report_in_browser: chromium failed to print $1.html:" >&2
  cat "$work/chromium.log" >&2
  exit 1
}

print report
pdfinfo "$work/report.pdf" > "$work/info.txt"
grep -q '^Page size: *612 x 792 pts' "$work/info.txt" || { echo "not US Letter:" >&2; cat "$work/info.txt" >&2; exit 1; }
pdftotext -layout "$work/report.pdf" "$work/report.txt"

# Every zone of the CSV summary, and the house totals, must be in the PDF.
awk -F, '
  function grouped(n,   s, sign, tail) {
    sign = n < 0 ? "-" : ""; s = n < 0 ? substr(n, 2) : n; tail = ""
    while (length(s) > 3) { tail = "," substr(s, length(s) - 2) tail; s = substr(s, 1, length(s) - 3) }
    return sign s tail
  }
  # First the text of the PDF, line by line.
  FNR == NR { text[FNR] = $0; lines = FNR; next }
  $2 == "zone" {
    want = "^ *" $3 " +" $4 " +[0-9,]+ +" grouped($5) " .* " grouped($6) " "
    found = 0
    for (i = 1; i <= lines; i++) if (text[i] ~ want) { found = 1; break }
    if (!found) { print "zone " $3 ": no row with heating " grouped($5) " and cooling " grouped($6); bad = 1 }
    zones++
  }
  $2 == "house" {
    totals[1] = grouped($5) " Btu/h"; totals[2] = grouped($6) " Btu/h"; totals[3] = $9 " tons"
    for (t = 1; t <= 3; t++) {
      found = 0
      for (i = 1; i <= lines; i++) if (index(text[i], totals[t])) { found = 1; break }
      if (!found) { print "house total \"" totals[t] "\" is missing"; bad = 1 }
    }
  }
  END {
    if (zones == 0) { print "no zone in the summary"; bad = 1 }
    exit bad
  }' FS=$'\n' "$work/report.txt" FS=, "$work/summary.csv" >&2 || {
  echo "report_in_browser: the PDF lacks figures; its text:" >&2
  head -80 "$work/report.txt" >&2
  exit 1
}
# The chart is drawn: its axis names its unit and its round ticks.
grep -q 'Btu/h' "$work/report.txt"
grep -Eq '(^| )[0-9]{1,3}(,000)+( |$)' "$work/report.txt" || { echo "report_in_browser: no chart axis" >&2; exit 1; }
pages=$(awk '/^Pages:/ {print $2}' "$work/info.txt")

# A long word wraps within the right margin, as the window's PDF wraps it: a
# designer of 4,000 letters without a blank and a zone's name of 40.
{
  cat "$project"
  grep -q '^\[Kovrin project notes' "$project" || printf '[Kovrin project notes, version 1]\r\n'
  printf 'designer = %s\r\nzone 1 = %s\r\n' "$(printf 'W%.0s' {1..4000})" "$(printf 'M%.0s' {1..40})"
} > "$work/long.prj"
"$report" --html --date "March 1, 2025" -o "$work/long.html" "$work/long.prj"
print long
# Letter is 612 points wide, the right margin 0.6 inch: no word ends past it.
pdftotext -bbox "$work/long.pdf" - | grep -o 'xMax="[0-9.]*"' | tr -dc '0-9.\n' |
  awk '$1 > 612 - 0.6 * 72 + 1 { print "report_in_browser: a word runs past the margin, to " $1; exit 1 }' >&2
# The designer stands twice: on the building department's page and in the
# report's own details.
letters=$(pdftotext "$work/long.pdf" - | grep -oE 'W{2,}' | tr -d '\n' | wc -c)
[ "$letters" -eq 8000 ] || { echo "report_in_browser: $letters of the designer's 2 x 4000 letters printed" >&2; exit 1; }

# A name may break after its slash, as at a blank, never inside a word.
"$report" --html --date "March 1, 2025" -o "$work/rooms.html" "$rooms"
print rooms
pdftotext -layout "$work/rooms.pdf" "$work/rooms.txt"
for shown in 'Zone +Name +Page' 'Kitchen/' 'Breakfast' 'Mudroom/' 'Powder' '2400 ft²' 'not entered'; do
  grep -Eq "$shown" "$work/rooms.txt" || { echo "report_in_browser: \"$shown\" is broken" >&2; exit 1; }
done
# Each heading | the first line of what it heads, on the page it is drawn on.
awk -F'|' '
  FNR == NR { heading[++headings] = $1; first[headings] = $2; next }
  { page[++pages] = $0 }
  END {
    for (h = 1; h <= headings; h++) {
      drawn = 0
      for (p = 1; p <= pages; p++) {
        if (page[p] !~ "(^|\n) *" heading[h] " *(\n|$)") continue
        drawn++
        if (page[p] !~ first[h]) { print "report_in_browser: \"" heading[h] "\" is apart from what it heads"; bad = 1 }
      }
      if (drawn != 1) { print "report_in_browser: \"" heading[h] "\" is drawn " drawn " times"; bad = 1 }
    }
    exit bad
  }' - RS='\f' "$work/rooms.txt" >&2 <<'HEADINGS'
Design load|Windows +37,015
Air and people, system airflow|Conditioned floor area +2400
Orientation and equipment|as drawn +N 
Sizes that fit|Cooling: 93,274
Zone loads, page calculation|Btu/h
Zones|Kitchen/
HEADINGS

echo "report_in_browser: $(grep -c . "$work/report.txt") lines of text, $pages pages, every zone found," \
  "long words wrapped, short words whole, headings with what they head"
