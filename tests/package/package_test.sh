#!/usr/bin/env bash
# The Debian package as a machine gets it: built by CPack from this build
# tree, its contents listed, checked by lintian, its desktop entry and
# AppStream data validated, then unpacked into a scratch root (which the
# launcher test uses too) where the desktop's file type database, made from
# the installed type alone, takes a project for a Kovrin project, and the
# installed kovrin-report writes the load report of the installed template:
# the report the window prints after Calculate at start-up.
#
#   package_test.sh BUILD_DIR ROOT APP_ID EXPECTED_REPORT
set -euo pipefail
build=$1
root=$2
id=$3
expected_report=$4
out="$root.deb"
rm -rf "$root" "$out"
mkdir -p "$out"

if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  exit 1
fi
debs=("$out"/kovrin_*.deb)
deb=${debs[0]}
echo "package: $deb, $(stat -c %s "$deb") bytes"

passed=0
failed=0
check() {  # WHAT COMMAND...: one check, counted
  local what=$1
  shift
  if "$@" >"$out/check.log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "package: $what failed:" >&2
    cat "$out/check.log" >&2
  fi
}

dpkg-deb -c "$deb" | awk '{ print $1, $2, $NF }' >"$out/contents"
for path in /usr/bin/kovrin /usr/bin/kovrin-report /usr/libexec/kovrin/kovrin; do
  check "program $path" grep -qx -- "-rwxr-xr-x root/root .$path" "$out/contents"
done
for path in /usr/share/kovrin/new.dat /usr/share/kovrin/HELP.HLP \
  "/usr/share/applications/$id.desktop" "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "/usr/share/metainfo/$id.metainfo.xml" "/usr/share/mime/packages/$id.xml" /usr/share/man/man1/kovrin.1.gz \
  /usr/share/man/man1/kovrin-report.1.gz /usr/share/doc/kovrin/copyright /usr/share/doc/kovrin/changelog.gz; do
  check "file $path" grep -qx -- "-rw-r--r-- root/root .$path" "$out/contents"
done
check "library dependencies" grep -q libqt6widgets6 <(dpkg-deb -f "$deb" Depends)
check "the printout's font" grep -q fonts-dejavu-core <(dpkg-deb -f "$deb" Depends)
if command -v lintian >/dev/null; then
  check "lintian" lintian --fail-on error,warning "$deb"
else
  echo "package: lintian is not installed; the package not checked by it"
fi

dpkg -x "$deb" "$root"
check "desktop entry" desktop-file-validate "$root/usr/share/applications/$id.desktop"
if command -v appstreamcli >/dev/null; then
  check "AppStream data" appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
else
  echo "package: appstreamcli is not installed (Debian appstream); AppStream data not validated"
fi
check "man page of kovrin-report" zgrep -q 'JSON fields' "$root/usr/share/man/man1/kovrin-report.1.gz"
check "man page of kovrin" zgrep -qw PROJECT "$root/usr/share/man/man1/kovrin.1.gz"
type_of_a_project() {
  mkdir -p "$out/data/mime/packages"
  cp "$root/usr/share/mime/packages/$id.xml" "$out/data/mime/packages/"
  cp "$root/usr/share/kovrin/new.dat" "$out/smith.prj"
  XDG_DATA_HOME="$out/data" update-mime-database "$out/data/mime" &&
    [ "$(env -i PATH="$PATH" XDG_DATA_HOME="$out/data" xdg-mime query filetype "$out/smith.prj")" = \
      application/x-kovrin-project ]
}
if command -v xdg-mime >/dev/null && command -v mimetype >/dev/null && command -v update-mime-database >/dev/null; then
  check "file type of a project" type_of_a_project
else
  echo "package: xdg-mime, mimetype or update-mime-database is missing" \
    "(xdg-utils, libfile-mimeinfo-perl, shared-mime-info); the file type not checked"
fi
report_of_template() {
  (cd "$root/usr/share/kovrin" && "$root/usr/bin/kovrin-report" --page 1 --cooling new.dat) >"$out/out.dat" &&
    cmp "$out/out.dat" "$expected_report"
}
check "installed kovrin-report on the installed template" report_of_template

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
