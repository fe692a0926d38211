#!/bin/sh
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building, running and testing the game needs on Debian 12, where missing.
set -e
packages="g++ make cmake qt6-base-dev qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools
  reuse lintian g++-mingw-w64-x86-64-posix
  fonts-liberation fonts-dejavu-core
  xdg-utils xvfb xauth xdotool x11-utils openbox imagemagick
  orca at-spi2-core dbus-daemon dbus-session-bus-common
  desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev file clang-format"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
