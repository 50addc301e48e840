#!/bin/sh
# Installs a build into a fresh temporary prefix and checks that the tree holds what a desktop
# needs to start Quillmark from its menu: the program, the icon in every size, the menu entry
# and the software-centre description, each valid and each naming the others correctly.
#
#   check_install.sh <build dir> [cmake]
set -u

build=${1:?usage: check_install.sh <build dir> [cmake]}
cmake=${2:-cmake}
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

need() {
  command -v "$1" >/dev/null 2>&1 || {
    echo "FAIL: $1 is not installed (Debian package $2)" >&2
    exit 1
  }
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

prefix=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-install.XXXXXX") || exit 1
trap 'rm -rf "$prefix"' EXIT INT TERM

if ! "$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log" >&2
  rm -f "$prefix.log"
  echo "FAIL: cmake --install into $prefix failed" >&2
  exit 1
fi
rm -f "$prefix.log"

# The program
[ -f "$prefix/bin/quillmark" ] && [ -x "$prefix/bin/quillmark" ] ||
  fail "bin/quillmark is missing or not executable"

# A PNG's width and height are the two big-endian 32-bit numbers at byte 16 of the file.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
png_signature() {
  od -An -tx1 -N8 "$1" | tr -d ' \n'
}

icons="$prefix/share/icons/hicolor"
for size in 16 22 24 32 48 64 128 256; do
  icon="$icons/${size}x${size}/apps/quillmark.png"
  if [ ! -f "$icon" ]; then
    fail "icon ${size}x${size}/apps/quillmark.png is missing"
    continue
  fi
  [ "$(png_signature "$icon")" = "89504e470d0a1a0a" ] || fail "$icon is not a PNG picture"
  actual=$(png_size "$icon")
  [ "$actual" = "${size}x${size}" ] || fail "$icon is $actual pixels, not ${size}x${size}"
done
svg="$icons/scalable/apps/quillmark.svg"
if [ -f "$svg" ]; then
  grep -q "<svg" "$svg" || fail "$svg is not an SVG drawing"
else
  fail "icon scalable/apps/quillmark.svg is missing"
fi

# The menu entry
desktop="$prefix/share/applications/quillmark.desktop"
if [ -f "$desktop" ]; then
  # Hints are advice; errors and warnings are faults.
  report=$(desktop-file-validate "$desktop" 2>&1)
  status=$?
  if [ $status -ne 0 ] || printf '%s\n' "$report" | grep -Eq ' (error|warning): '; then
    printf '%s\n' "$report" >&2
    fail "desktop-file-validate rejects quillmark.desktop"
  fi
  value() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
  [ "$(value Name)" = "Quillmark" ] || fail "the menu entry is not named Quillmark"
  exec_name=$(value Exec | cut -d' ' -f1)
  [ -n "$exec_name" ] && [ -x "$prefix/bin/$exec_name" ] ||
    fail "the menu entry starts '$exec_name', which is not an installed program"
  icon_name=$(value Icon)
  [ -f "$icons/scalable/apps/$icon_name.svg" ] && [ -f "$icons/48x48/apps/$icon_name.png" ] ||
    fail "the menu entry's icon '$icon_name' is not installed"
  categories=$(value Categories)
  case ";$categories" in *";Office;"*) ;; *) fail "the menu entry is not under Office" ;; esac
  case ";$categories" in *";Education;"*) ;; *) fail "the menu entry is not under Education" ;; esac
else
  fail "share/applications/quillmark.desktop is missing"
fi

# The software-centre description
set -- "$prefix"/share/metainfo/*.metainfo.xml
if [ $# -eq 1 ] && [ -f "$1" ]; then
  metainfo=$1
  if ! appstreamcli validate --no-net "$metainfo" >"$prefix/appstream.txt" 2>&1; then
    cat "$prefix/appstream.txt" >&2
    fail "appstreamcli rejects $(basename "$metainfo")"
  fi
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo" | head -n 1)
  [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] ||
    fail "$(basename "$metainfo") does not carry the name of its component id '$id'"
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -n "$launchable" ] && [ -f "$prefix/share/applications/$launchable" ] ||
    fail "the description launches '$launchable', which is not an installed menu entry"
  binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
  [ -n "$binary" ] && [ -x "$prefix/bin/$binary" ] ||
    fail "the description provides '$binary', which is not an installed program"
else
  fail "share/metainfo holds no single *.metainfo.xml"
fi

if [ $failures -ne 0 ]; then
  echo "$failures check(s) of the installed tree failed" >&2
  exit 1
fi
echo "installed tree in a temporary prefix is complete"
