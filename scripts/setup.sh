#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Dittaro need.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  portaudio19-dev libasound2-dev libpcre2-dev libssl-dev openssl zlib1g-dev
  libsqlite3-dev sqlite3 libchm-dev libchm-bin fp-utils
  lame vorbis-tools sox qpdf poppler-utils
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils libasound2-plugins
  fonts-dejavu-core locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}" >&2
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
