# Shared by ./run, ./test, ./bench and ./package: install missing Debian
# packages and configure a build folder.

# ensure_packages PKG...: install what is missing, once. As root this runs
# apt-get; otherwise it prints the exact command to run and stops.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local line="apt-get install -y --no-install-recommends ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Kovrin needs these Debian packages, which are not installed: ${missing[*]}" >&2
    echo "Install them as root, then run this command again:" >&2
    echo "  sudo apt-get update && sudo $line" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  $line
}

# Packages that every build needs (help2man makes the man pages).
KOVRIN_BUILD_PACKAGES=(cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins qt6-svg-dev
  libdouble-conversion-dev libgtest-dev libgmock-dev fonts-dejavu-core help2man)

# Packages that building the Debian package needs: dpkg-shlibdeps works out
# its library dependencies, with file telling which files are programs.
KOVRIN_PACKAGE_PACKAGES=(dpkg-dev file)

# Packages that the tests need beyond the build: a virtual display and key
# presses for the keyboard session; for the package test, lintian, the
# desktop entry and AppStream checks, and the file type database with the
# tools that query it (xdg-mime asks mimetype outside a desktop session); a
# browser and PDF tools for the house report.
KOVRIN_TEST_PACKAGES=(xvfb xauth xdotool lintian desktop-file-utils appstream shared-mime-info xdg-utils
  libfile-mimeinfo-perl chromium poppler-utils)
