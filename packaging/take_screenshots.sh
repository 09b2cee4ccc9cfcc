#!/usr/bin/env bash
# Takes the screenshots the package ships, from the real program on a virtual
# display: the main menu, and the Selling, Prepayment Summary and Prepayment
# Target screens after Calculate with their defaults. United States settings,
# so the amounts carry their $ sign.
#
#   packaging/take_screenshots.sh [BUILD_DIR]     (default: build)
# Needs xvfb, xdotool and imagemagick (scripts/install-deps.sh test).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$(cd "${1:-build}" && pwd)/bin/quillmere
[ -x "$program" ] || { echo "no $program: build the desktop program first" >&2; exit 1; }
out=$here/screenshots
mkdir -p "$out"

LC_ALL=en_US.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" /bin/bash -c '
  set -euo pipefail
  program=$1 out=$2
  "$program" 2>/dev/null & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  menu=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n1)
  sleep 1
  import -window "$menu" "$out/main-menu.png"

  # A screen from its menu button, Calculate, the picture, then back to the
  # menu with Main Menu: client coordinates of the buttons.
  screen() {
    local button_x=$1 caption=$2 file=$3 window
    xdotool mousemove --window "$menu" "$button_x" 392 click 1
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$caption\$" | head -n1)
    sleep 0.5
    xdotool mousemove --window "$window" 45 392 click 1
    sleep 1
    import -window "$window" "$out/$file"
    xdotool mousemove --window "$window" 582 392 click 1
    for _ in $(seq 100); do
      xdotool search --onlyvisible --name "^$caption\$" >/dev/null || break
      sleep 0.2
    done
  }
  screen 408 "QM Selling" selling.png
  screen 128 "QM Prepay Summary" prepay-summary.png
  screen 236 "QM Prepay Target" prepay-target.png
' _ "$program" "$out"

# Drop the timestamps ImageMagick writes, so retaking them changes nothing.
for f in "$out"/main-menu.png "$out"/selling.png "$out"/prepay-summary.png "$out"/prepay-target.png; do
  mogrify -strip "$f"
done
ls -l "$out"
