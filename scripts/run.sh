#!/usr/bin/env bash
# Builds Dittaro and runs its main job from the staged program directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDITTARO_BUILD_TESTS=OFF >/dev/null
cmake --build build --parallel "$(nproc)"

cd build/dist
demo='cq cq de dittaro <120> = [ka] Größe 599 <F150 S3.5 W1000> test [sk]'
echo "Timing of: $demo"
./dittaro-cli timing --bpm 60 "$demo"
