#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing; with "fuzz" also
# what ./fuzz needs (clang with its fuzzer and sanitizer runtimes, python3 for the seeds).
set -euo pipefail
need=(cmake g++ pkg-config libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev libgif-dev
      libsdl2-image-dev libjpeg-dev libwebp-dev libsndfile1-dev libzip-dev
      libavcodec-dev libavformat-dev libswscale-dev libswresample-dev ffmpeg
      fonts-dejavu-core googletest libgtest-dev libbenchmark-dev xvfb xdotool imagemagick ccache chromium)
[ "${1:-}" = fuzz ] && need+=(clang libclang-rt-14-dev python3)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
