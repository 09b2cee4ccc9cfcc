#!/usr/bin/env bash
# Launches the desktop program, or says how to when there is no display.
build=${1:-build}
if [ ! -x "$build/bin/quillmere" ]; then
  echo "The desktop program is not built yet; the calculations run headless:"
  exec "$build/bin/quillmere-calc" --help
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on (DISPLAY is not set)."
  echo "Run it on a virtual display instead:  xvfb-run -a $build/bin/quillmere"
  echo "or use the headless front end:         $build/bin/quillmere-calc --help"
  exit 1
fi
exec "$build/bin/quillmere"
