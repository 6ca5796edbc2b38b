#!/usr/bin/env bash
# Builds Dittaro and runs its main job from the staged program directory.
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

cd build/dist
demo='cq cq de dittaro <120> = [ka] Größe 599 <F150 S3.5 W1000> test [sk]'
echo "Timing of: $demo"
./dittaro-cli timing --bpm 60 "$demo"
