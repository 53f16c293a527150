#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, and only those that
# are missing; Xvfb comes with the base set for machines without a display. Runs apt-get as root,
# or through sudo for an ordinary user.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev libqt6widgets6
    libjpeg62-turbo-dev
    fonts-wqy-microhei
    xvfb xauth
)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev python3 x11-utils xdotool
               at-spi2-core dbus-daemon gir1.2-atspi-2.0 python3-gi)
fi
if [[ "${1:-}" == "--screenshot" ]]; then
    packages+=(x11-utils xdotool imagemagick)
fi
if [[ "${1:-}" == "--artwork" ]]; then
    packages+=(python3 python3-pil fonts-arphic-ukai fonts-wqy-microhei)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
