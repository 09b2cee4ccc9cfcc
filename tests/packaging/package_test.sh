#!/usr/bin/env bash
# The Debian package as a user receives it: its menu entry and metadata
# validate, lintian finds no error, it unpacks to the desktop layout, and the
# programs it installs run from where it put them.
#
#   package_test.sh BUILD_DIR PACKAGING_SOURCE_DIR GUI_BUILT(0|1)
set -euo pipefail

build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
gui=$3

scratch=$(mktemp -d "${TMPDIR:-/tmp}/qm-package.XXXXXX")
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
step() { echo; echo "== $*"; }

step "menu entry and AppStream metadata"
desktop-file-validate "$src/quillmere.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$src/org.quillmere.Quillmere.metainfo.xml" || fail "appstreamcli validate"

step "building the package"
if ! (cd "$build" && cpack -G DEB -B "$scratch/out") >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack" >&2
  exit 1
fi
debs=("$scratch"/out/quillmere_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single quillmere_<version>_amd64.deb" >&2; exit 1; }
deb=${debs[0]}
echo "$(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends

step "lintian"
lintian --fail-on error --display-level '>=warning' "$deb" \
  || fail "lintian reports errors"

step "contents"
depends=$(dpkg-deb --field "$deb" Depends)
# The package names alone, one a line.
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
want_depends=(libc6 libstdc++6)
[ "$gui" = 1 ] && want_depends+=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation)
for d in "${want_depends[@]}"; do
  grep -qxF "$d" <<<"$depends_names" || fail "Depends lacks $d: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
want_files=(
  usr/bin/quillmere-calc
  usr/share/man/man1/quillmere-calc.1.gz
  usr/share/doc/quillmere/copyright
  usr/share/doc/quillmere/changelog.gz
)
if [ "$gui" = 1 ]; then
  want_files+=(
    usr/bin/quillmere
    usr/share/man/man1/quillmere.1.gz
    usr/share/applications/quillmere.desktop
    usr/share/metainfo/org.quillmere.Quillmere.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/quillmere.svg
  )
  for shot in "$src"/screenshots/*.png; do
    if [ -e "$shot" ]; then want_files+=("usr/share/quillmere/screenshots/$(basename "$shot")"); fi
  done
  for size in 16 22 24 32 48 64 128 256; do
    want_files+=("usr/share/icons/hicolor/${size}x${size}/apps/quillmere.png")
  done
fi
for f in "${want_files[@]}"; do
  [ -f "$root/$f" ] || fail "the package does not install /$f"
done

# Stripped: no symbol table left in the installed binaries.
for f in "$root"/usr/bin/*; do
  if readelf -S --wide "$f" | grep -q '\.symtab'; then fail "$(basename "$f") is not stripped"; fi
done

if [ "$gui" = 1 ]; then
  # Each bitmap icon is square and exactly the size its directory names.
  python3 - "$root/usr/share/icons/hicolor" <<'EOF' || fail "icon sizes"
import pathlib, struct, sys
bad = 0
for png in sorted(pathlib.Path(sys.argv[1]).glob("*x*/apps/quillmere.png")):
    data = png.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        print(f"{png}: not a PNG"); bad += 1; continue
    width, height = struct.unpack(">II", data[16:24])
    want = int(png.parent.parent.name.split("x")[0])
    if (width, height) != (want, want):
        print(f"{png}: {width}x{height}, want {want}x{want}"); bad += 1
sys.exit(1 if bad else 0)
EOF
  cmp -s "$src/quillmere.desktop" "$root/usr/share/applications/quillmere.desktop" \
    || fail "the installed menu entry differs from the validated one"
fi

step "running the installed quillmere-calc"
expected=$'oesp\t$180,000.00\ncomm\t$12,600.00\npoc\t$126,100.00\nnet\t$41,300.00'
status=0
actual=$(env -i PATH=/usr/bin:/bin LC_ALL=C "$root/usr/bin/quillmere-calc" --us selling) || status=$?
printf '%s\n' "$actual"
[ "$status" -eq 0 ] || fail "installed quillmere-calc exited with $status"
[ "$actual" = "$expected" ] || fail "installed quillmere-calc --us selling printed something else"

if [ "$gui" = 1 ]; then
  step "running the installed quillmere"
  # The window must carry the class the menu entry promises, or desktops
  # cannot tie the running window to its menu entry and icon.
  wmclass=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/quillmere.desktop")
  # -displayfd picks a free display without racing the other tests for one.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$scratch/display")
  QT_QPA_PLATFORM=xcb "$root/usr/bin/quillmere" 2>"$scratch/gui.log" &
  gui_pid=$!
  win=$(timeout 30 xdotool search --sync --onlyvisible --pid "$gui_pid" 2>/dev/null | head -n1) || true
  if [ -n "$win" ]; then xprop -id "$win" WM_CLASS >"$scratch/wmclass"; else : >"$scratch/wmclass"; fi
  kill "$gui_pid" "$xvfb" 2>/dev/null || true
  wait "$gui_pid" "$xvfb" 2>/dev/null || true
  cat "$scratch/wmclass"
  # WM_CLASS(STRING) = "instance", "class": either may match.
  if ! grep -Eq "\"$wmclass\"" "$scratch/wmclass"; then
    cat "$scratch/xvfb.log" "$scratch/gui.log" >&2
    fail "no window of the installed quillmere has the class \"$wmclass\""
  fi
fi

step "make install layout (cmake --install --prefix)"
cmake --install "$build" --prefix "$scratch/prefix" --strip >/dev/null || fail "cmake --install"
for f in bin/quillmere-calc share/man/man1/quillmere-calc.1.gz share/doc/quillmere/copyright; do
  [ -f "$scratch/prefix/$f" ] || fail "cmake --install --prefix puts no $f under the prefix"
done

echo
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
