#!/usr/bin/env bash
# Installs the Debian packages Nomilo needs (Debian 12 or 13), only those missing.
#   tools/setup-debian.sh play   what building and playing needs
#   tools/setup-debian.sh test   that, plus what the whole test suite needs
#   tools/setup-debian.sh bench  that, plus what the benchmarks need
set -euo pipefail

play=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation)
test=(libgtest-dev libgmock-dev python3 xvfb xauth xdotool imagemagick openbox clang libclang-rt-dev llvm clang-format clang-tidy
      dpkg-dev file lintian desktop-file-utils appstream man-db x11-utils weston qt6-wayland
      dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0)
bench=(libbenchmark-dev libxcb-damage0-dev pkg-config xvfb xauth bc valgrind)

wanted=("${play[@]}")
case ${1:-play} in
    play) ;;
    test) wanted+=("${test[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    *) echo "usage: $0 [play|test|bench]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
