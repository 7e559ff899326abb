#!/usr/bin/env bash
# Installs what Vellorin needs to build, run and test, from Debian 12's packages.
set -euo pipefail

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

packages=(
    # build
    cmake g++ make pkg-config qt6-base-dev libgl-dev libcups2-dev
    # tests and benchmarks
    libgtest-dev libbenchmark-dev libcairo2-dev locales
    python3 xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core
    cups cups-client cups-ipp-utils cups-filters poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The text-form tests check a locale whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    $sudo locale-gen >/dev/null
fi
