#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; does nothing when all are
# there. Extra package names may be given as arguments (the benchmarks add lua5.4).
set -euo pipefail
packages=(
  cmake ninja-build pkg-config g++ make
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev fonts-liberation fonts-liberation2
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libswscale-dev
  libfluidsynth-dev fluid-soundfont-gm libasound2-dev
  libgraphviz-dev
  libpcre2-dev libicu-dev libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev clang-format
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: apt-get install ${missing[*]}" >&2; exit 1; }
  sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
