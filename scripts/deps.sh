#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Does nothing when they are all present, so a second run works offline.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins
  libavformat-dev libavcodec-dev libavcodec-extra libavfilter-dev
  libswscale-dev libswresample-dev libavutil-dev
  libsdl2-dev libgif-dev libgtest-dev
  fonts-wqy-microhei
  ffmpeg
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo -n)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
