#!/usr/bin/env bash
# Builds Dittaro and starts its window from the staged program directory.
# Without a display it runs the window on a virtual X server, takes a screenshot once the
# window shows, closes the program the orderly way (SIGTERM, which saves the settings) and
# says where the screenshot is.
set -euo pipefail
cd "$(dirname "$0")/.."
# --fresh: recreate both databases from the sources (this resets the settings).
fresh=0
if [ "${1:-}" = "--fresh" ]; then
  fresh=1
fi
scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDITTARO_BUILD_TESTS=OFF >/dev/null
cmake --build build --parallel "$(nproc)"
if [ "$fresh" = 1 ]; then
  cmake --build build --target fresh-data
fi

# The program directory is the working directory the program starts in.
cd build/dist

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./dittaro
fi

screenshot="$(pwd)/../screenshots/dittaro-$(date +%Y%m%d-%H%M%S).png"
mkdir -p "$(dirname "$screenshot")"
screenshot="$(cd "$(dirname "$screenshot")" && pwd)/$(basename "$screenshot")"
export SCREENSHOT="$screenshot"

# Runs on the virtual display: start, wait for the window, photograph, end.
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" bash -c '
  set -euo pipefail
  ./dittaro &
  pid=$!
  if ! timeout 30 xdotool search --sync --onlyvisible --name "^ZKT Dittaro" >/dev/null; then
    echo "run.sh: the window did not show" >&2
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" || true
    exit 1
  fi
  sleep 1 # let it paint
  import -window root "$SCREENSHOT"
  kill -TERM "$pid"
  wait "$pid"
'
echo "Screenshot of the Dittaro window: $screenshot"
